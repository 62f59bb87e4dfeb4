#include "SkinBuild.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "SkinPng.h"
#include "SysUtils.h"

namespace skinc {

std::uint32_t ProbeFrameColor(int AFrame) { return (std::uint32_t(AFrame) + 1) * 0x5BD1E9u & 0xFFFFFFu; }

std::uint32_t ProbePartColor(int AFrame, int APart) {
  if (APart == 4) return ProbeFrameColor(AFrame);
  return ProbeFrameColor(AFrame) ^ ((std::uint32_t(APart) + 1) * 0x1F2B37u & 0xFFFFFFu);
}

namespace {

[[noreturn]] void Fail(const std::string& AWhere, const std::string& AMessage) {
  throw std::runtime_error(AWhere + ": " + AMessage);
}

String Wide(const std::string& AText) { return UTF8Decode(AText); }

int HexDigits(const std::string& AText, std::uint32_t& AValue) {
  if (AText.size() < 2 || AText[0] != '#') return 0;
  AValue = 0;
  for (std::size_t i = 1; i < AText.size(); ++i) {
    const char c = AText[i];
    const int d = c >= '0' && c <= '9'   ? c - '0'
                  : c >= 'a' && c <= 'f' ? c - 'a' + 10
                  : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                         : -1;
    if (d < 0) return 0;
    AValue = AValue << 4 | std::uint32_t(d);
  }
  return int(AText.size() - 1);
}

TRgba RgbaOf(std::uint32_t ARrggbb, std::uint8_t AAlpha = 255) {
  return TRgba{std::uint8_t(ARrggbb >> 16), std::uint8_t(ARrggbb >> 8), std::uint8_t(ARrggbb), AAlpha};
}

class TBuilder {
 public:
  TBuilder(const TCatalogue& ACatalogue, const TDescription& ADescription, TBuildStats& AStats)
      : FCatalogue(ACatalogue), FDescription(ADescription), FStats(AStats) {}

  std::unique_ptr<TdxSkin> Build();

 private:
  // A colour text resolved through the palette: "#RRGGBB", "#AARRGGBB", "@role", "none", "default".
  std::string Resolve(const std::string& AText, const std::string& AWhere, int ADepth = 0);
  TColor ColorValue(const std::string& AText, const std::string& AWhere, const std::string& AProbeKey);
  TRgba RgbaValue(const std::string& AText, const std::string& AWhere);
  TPaint PaintValue(const std::string& AText, const std::string& AWhere);
  std::uint32_t AutoColor(const std::string& AKey);
  const TStyle& Style(const std::string& AName, const std::string& AWhere);
  static std::string StateValue(const std::map<std::string, std::string>& AField, int AState);

  void BuildElement(TdxSkinControlGroup* AGroup, const TElementSpec& ASpec);
  void BuildImage(TdxSkinImage* AImage, const TElementSpec& ASpec, bool AGlyph);
  void DrawFrame(TRaster& ARaster, const TBox& ABox, const TStyle& AStyle, int AState, const std::string& AMark,
                 const std::string& AWhere);
  void DrawProbeFrame(TRaster& ARaster, const TBox& ABox, const TMargins& AMargins);
  void SetProperty(TdxSkinPersistent* AOwner, const TPropertySpec& ASpec, const std::string& AKey);

  const TCatalogue& FCatalogue;
  const TDescription& FDescription;
  TBuildStats& FStats;
  std::map<std::string, std::uint32_t> FAutoColors;
  std::set<std::string> FUsedValues;
  int FFrame = 0;
};

std::string TBuilder::Resolve(const std::string& AText, const std::string& AWhere, int ADepth) {
  if (AText.empty() || AText[0] != '@') return AText;
  if (ADepth > 16) Fail(AWhere, "palette roles refer to each other in a circle at " + AText);
  const auto it = FDescription.Palette.find(AText.substr(1));
  if (it != FDescription.Palette.end()) return Resolve(it->second, AWhere, ADepth + 1);
  if (FDescription.Probe) return AText;  // the probe gives every role a colour of its own
  Fail(AWhere, FDescription.File + " has no palette role \"" + AText.substr(1) + "\"");
}

std::uint32_t TBuilder::AutoColor(const std::string& AKey) {
  const auto it = FAutoColors.find(AKey);
  if (it != FAutoColors.end()) return it->second;
  const std::uint32_t color = ((std::uint32_t(FAutoColors.size()) + 1) * 0x2B7A93u + 0x404040u) & 0xFFFFFFu;
  FAutoColors[AKey] = color;
  return color;
}

TColor TBuilder::ColorValue(const std::string& AText, const std::string& AWhere, const std::string& AProbeKey) {
  const std::string text = Resolve(AText, AWhere);
  if (text == "default") {
    if (FDescription.Probe && !AProbeKey.empty()) return TColor(AutoColor(AProbeKey));
    return clDefault;
  }
  if (text == "none") return clNone;
  if (text[0] == '@') {
    const std::uint32_t c = AutoColor(text);
    return TColor((c & 0xFF) << 16 | (c & 0xFF00) | c >> 16);
  }
  std::uint32_t value = 0;
  const int digits = HexDigits(text, value);
  if (digits != 6) Fail(AWhere, "a colour is #RRGGBB, @role, none or default, not \"" + text + "\"");
  return TColor((value & 0xFF) << 16 | (value & 0xFF00) | value >> 16);
}

TRgba TBuilder::RgbaValue(const std::string& AText, const std::string& AWhere) {
  const std::string text = Resolve(AText, AWhere);
  if (text[0] == '@') return RgbaOf(AutoColor(text));
  std::uint32_t value = 0;
  const int digits = HexDigits(text, value);
  if (digits == 6) return RgbaOf(value);
  if (digits == 8) return RgbaOf(value & 0xFFFFFF, std::uint8_t(value >> 24));
  Fail(AWhere, "a picture colour is #RRGGBB, #AARRGGBB or @role, not \"" + text + "\"");
}

// "COLOR", "COLOR COLOR [vertical|horizontal]" or "none".
TPaint TBuilder::PaintValue(const std::string& AText, const std::string& AWhere) {
  TPaint paint;
  std::vector<std::string> words;
  std::string word;
  for (char c : AText + " ") {
    if (c == ' ') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (words.empty() || words[0] == "none") return paint;
  paint.None = false;
  paint.From = RgbaValue(words[0], AWhere);
  if (words.size() >= 2) {
    paint.Ramp = true;
    paint.To = RgbaValue(words[1], AWhere);
    if (words.size() == 3 && words[2] != "vertical" && words[2] != "horizontal")
      Fail(AWhere, "a ramp runs vertical or horizontal");
    paint.Vertical = words.size() < 3 || words[2] == "vertical";
    if (words.size() > 3) Fail(AWhere, "too many words in \"" + AText + "\"");
  }
  return paint;
}

const TStyle& TBuilder::Style(const std::string& AName, const std::string& AWhere) {
  auto it = FDescription.Styles.find(AName);
  if (it == FDescription.Styles.end()) it = FDescription.Styles.find("default");
  if (it == FDescription.Styles.end())
    Fail(AWhere, FDescription.File + " has neither style \"" + AName + "\" nor a style \"default\"");
  return it->second;
}

std::string TBuilder::StateValue(const std::map<std::string, std::string>& AField, int AState) {
  for (const std::string& key : {StateNames()[std::size_t(AState)], std::string("*"), std::string("normal")}) {
    const auto it = AField.find(key);
    if (it != AField.end()) return it->second;
  }
  return std::string();
}

void TBuilder::DrawFrame(TRaster& ARaster, const TBox& AFrame, const TStyle& AStyle, int AState,
                         const std::string& AMark, const std::string& AWhere) {
  const TBox box = AFrame.Inflated(-AStyle.Inset);
  // The outline runs past the open side, so its corners and edge there fall outside the frame.
  TBox outline = box;
  const int past = AStyle.Radius + AStyle.Border + 1;
  if (AStyle.Open == "top") outline.Top -= past;
  if (AStyle.Open == "bottom") outline.Bottom += past;
  if (AStyle.Open == "left") outline.Left -= past;
  if (AStyle.Open == "right") outline.Right += past;
  const TPaint fill = PaintValue(StateValue(AStyle.Fill, AState), AWhere);
  ARaster.FillShape(box, RoundRectShape(outline, AStyle.Radius), fill, box);
  const int innerRadius = std::max(AStyle.Radius - AStyle.Border, 0);
  const std::string gloss = StateValue(AStyle.Gloss, AState);
  if (!gloss.empty() && gloss != "none") {
    const TBox inner = box.Inflated(-AStyle.Border);
    const TBox upper{inner.Left, inner.Top, inner.Right, inner.Top + inner.Height() / 2};
    ARaster.FillShape(upper, RoundRectShape(outline.Inflated(-AStyle.Border), innerRadius), PaintValue(gloss, AWhere),
                      upper);
  }
  const std::string highlight = StateValue(AStyle.Highlight, AState);
  if (!highlight.empty() && highlight != "none")
    ARaster.FillShape(box, RingShape(outline.Inflated(-AStyle.Border), innerRadius, 1), PaintValue(highlight, AWhere),
                      box);
  const std::string edge = StateValue(AStyle.Edge, AState);
  if (AStyle.Border > 0 && !edge.empty() && edge != "none")
    ARaster.FillShape(box, RingShape(outline, AStyle.Radius, AStyle.Border), PaintValue(edge, AWhere), box);
  TMark mark = TMark::None;
  if (!MarkFromName(AMark, mark)) Fail(AWhere, "no mark \"" + AMark + "\"");
  if (mark != TMark::None) {
    const std::string color = StateValue(AStyle.Mark, AState);
    DrawMark(ARaster, box, mark, color.empty() ? TRgba{0, 0, 0, 255} : RgbaValue(color, AWhere), AStyle.MarkSize);
  }
}

void TBuilder::DrawProbeFrame(TRaster& ARaster, const TBox& ABox, const TMargins& AMargins) {
  const std::array<TRect, 9> parts =
      dxSkinNinePartRects(TRect{ABox.Left, ABox.Top, ABox.Right, ABox.Bottom},
                          TRect{AMargins.Left, AMargins.Top, AMargins.Right, AMargins.Bottom});
  for (int p = 0; p < 9; ++p) {
    const TRect& r = parts[std::size_t(p)];
    ARaster.Fill(TBox{r.Left, r.Top, r.Right, r.Bottom}, RgbaOf(ProbePartColor(FFrame, p)));
  }
}

void TBuilder::BuildImage(TdxSkinImage* AImage, const TElementSpec& ASpec, bool AGlyph) {
  const int w = AGlyph ? ASpec.GlyphWidth : ASpec.Width, h = AGlyph ? ASpec.GlyphHeight : ASpec.Height;
  const std::vector<int>& states = AGlyph ? ASpec.GlyphStates : ASpec.States;
  TdxSkinElementStates set;
  for (int s : states) set.Include(TdxSkinElementState(s));
  AImage->SetStates(set);
  AImage->SetImageLayout(ASpec.Vertical ? ilVertical : ilHorizontal);
  if (!AGlyph) {
    AImage->Margins()->SetRect(TRect{ASpec.Margins.Left, ASpec.Margins.Top, ASpec.Margins.Right, ASpec.Margins.Bottom});
    AImage->SetStretch(TdxSkinStretchMode(ASpec.Stretch));
  } else {
    AImage->SetStretch(smNoResize);
  }
  if (w == 0 || h == 0) return;
  const int frames = ASpec.Images * int(states.size());
  TRaster raster(ASpec.Vertical ? w : w * frames, ASpec.Vertical ? h * frames : h);
  const std::vector<std::string>& marks = AGlyph ? ASpec.GlyphMarks : ASpec.Marks;
  const TStyle* style = FDescription.Probe ? nullptr : &Style(AGlyph ? ASpec.GlyphDraw : ASpec.Draw, ASpec.Where);
  for (int image = 0; image < ASpec.Images; ++image) {
    for (std::size_t k = 0; k < states.size(); ++k) {
      const int index = image * int(states.size()) + int(k);
      const TBox box = ASpec.Vertical ? TBox{0, index * h, w, index * h + h} : TBox{index * w, 0, index * w + w, h};
      const std::string mark = std::size_t(image) < marks.size() ? marks[std::size_t(image)] : "none";
      if (style)
        DrawFrame(raster, box, *style, states[k], mark, ASpec.Where);
      else
        DrawProbeFrame(raster, box, AGlyph ? TMargins{} : ASpec.Margins);
      ++FFrame;
      ++FStats.Frames;
    }
  }
  const std::vector<std::uint8_t> png = EncodePng(raster);
  AImage->LoadFromPngData(png.data(), png.size());
  ++FStats.Pictures;
}

void TBuilder::BuildElement(TdxSkinControlGroup* AGroup, const TElementSpec& ACatalogued) {
  TElementSpec spec = ACatalogued;
  const std::string key = spec.Group + "." + spec.Name;
  const auto over = FDescription.ElementOverrides.find(key);
  if (over != FDescription.ElementOverrides.end())
    ApplyElementAttributes(spec, over->second, FDescription.File + " (element " + key + ")");
  TdxSkinElement* e = AGroup->AddElement(Wide(spec.Name));
  e->SetImageCount(spec.Images);
  e->SetColor(ColorValue(spec.Color, spec.Where, key + ":color"));
  e->SetAlpha(std::uint8_t(spec.Alpha));
  e->SetTextColor(ColorValue(spec.TextColor, spec.Where, key + ":text"));
  e->ContentOffset()->SetRect(TRect{spec.Content.Left, spec.Content.Top, spec.Content.Right, spec.Content.Bottom});
  e->MinSize()->SetSize(TSize{spec.MinWidth, spec.MinHeight});
  const TColor border = ColorValue(spec.BorderColor, spec.Where, "");
  for (int side = 0; side < 4; ++side) {
    e->Borders()->Items(side)->SetColor(border);
    e->Borders()->Items(side)->SetThin(spec.BorderThin);
  }
  BuildImage(e->Image(), spec, false);
  BuildImage(e->Glyph(), spec, true);
  ++FStats.Elements;
}

void TBuilder::SetProperty(TdxSkinPersistent* AOwner, const TPropertySpec& ASpec, const std::string& AKey) {
  std::string value = ASpec.Value;
  const auto given = FDescription.Values.find(AKey);
  if (given != FDescription.Values.end()) {
    value = given->second;
    FUsedValues.insert(AKey);
  }
  const std::string where =
      given != FDescription.Values.end() ? FDescription.File + " (set " + AKey + ")" : ASpec.Where;
  const String name = Wide(ASpec.Name);
  if (ASpec.SkinColor) {
    static_cast<TdxSkin*>(AOwner)->Colors()->AddColor(name, ColorValue(value.empty() ? "default" : value, where, AKey));
    return;
  }
  auto numbers = [&](std::size_t n) {
    std::vector<int> v;
    std::string part;
    for (char c : value + ",") {
      if (c == ',') {
        try {
          std::size_t used = 0;
          v.push_back(std::stoi(part, &used));
          if (used != part.size()) throw std::invalid_argument(part);
        } catch (const std::exception&) {
          Fail(where, "not a number: \"" + part + "\"");
        }
        part.clear();
      } else {
        part += c;
      }
    }
    if (v.size() != n) Fail(where, "expected " + std::to_string(n) + " numbers, not \"" + value + "\"");
    return v;
  };
  if (ASpec.Class == "integer") {
    static_cast<TdxSkinIntegerProperty*>(AOwner->AddProperty(name, TdxSkinIntegerProperty::StaticClass()))
        ->SetValue(value.empty() ? 0 : numbers(1)[0]);
  } else if (ASpec.Class == "boolean") {
    if (!value.empty() && value != "true" && value != "false") Fail(where, "a boolean is true or false");
    static_cast<TdxSkinBooleanProperty*>(AOwner->AddProperty(name, TdxSkinBooleanProperty::StaticClass()))
        ->SetValue(value == "true");
  } else if (ASpec.Class == "color") {
    static_cast<TdxSkinColor*>(AOwner->AddProperty(name, TdxSkinColor::StaticClass()))
        ->SetValue(ColorValue(value.empty() ? "default" : value, where, AKey));
  } else if (ASpec.Class == "rect") {
    const std::vector<int> v = value.empty() ? std::vector<int>(4, 0) : numbers(4);
    static_cast<TdxSkinRectProperty*>(AOwner->AddProperty(name, TdxSkinRectProperty::StaticClass()))
        ->SetValue(TRect{v[0], v[1], v[2], v[3]});
  } else if (ASpec.Class == "size") {
    const std::vector<int> v = value.empty() ? std::vector<int>(2, 0) : numbers(2);
    static_cast<TdxSkinSizeProperty*>(AOwner->AddProperty(name, TdxSkinSizeProperty::StaticClass()))
        ->SetValue(TSize{v[0], v[1]});
  } else {
    const TClass cls =
        ASpec.Class == "string" ? TdxSkinStringProperty::StaticClass() : TdxSkinWideStringProperty::StaticClass();
    static_cast<TdxSkinStringProperty*>(AOwner->AddProperty(name, cls))->SetValue(Wide(value));
  }
}

std::unique_ptr<TdxSkin> TBuilder::Build() {
  auto skin = std::make_unique<TdxSkin>(Wide(FDescription.Name));
  skin->BeginUpdate();
  if (!FDescription.DisplayName.empty())
    static_cast<TdxSkinStringProperty*>(skin->AddProperty(L"DisplayName", TdxSkinStringProperty::StaticClass()))
        ->SetValue(Wide(FDescription.DisplayName));
  std::set<std::string> elements;
  for (const TElementSpec& e : FCatalogue.Elements) elements.insert(e.Group + "." + e.Name);
  for (const auto& [key, words] : FDescription.ElementOverrides)
    if (!elements.count(key)) Fail(FDescription.File, "element " + key + " is not in the catalogue");

  for (const TPropertySpec& p : FCatalogue.Properties)
    if (p.Owner.empty()) SetProperty(skin.get(), p, "skin." + p.Name);
  for (const std::string& groupName : FCatalogue.Groups) {
    TdxSkinControlGroup* group = skin->AddGroup(Wide(groupName));
    for (const TElementSpec& e : FCatalogue.Elements)
      if (e.Group == groupName) BuildElement(group, e);
    for (const TPropertySpec& p : FCatalogue.Properties) {
      if (p.Owner == groupName) {
        SetProperty(group, p, groupName + "." + p.Name);
      } else if (p.Owner.rfind(groupName + ".", 0) == 0) {
        // Found without a lookup, which would sort the list: the stream keeps the catalogue's order.
        const String elementName = Wide(p.Owner.substr(groupName.size() + 1));
        for (int i = 0; i < group->Count(); ++i)
          if (group->Items(i)->Name() == elementName) SetProperty(group->Items(i), p, p.Owner + "." + p.Name);
      }
    }
  }
  for (const auto& [key, value] : FDescription.Values)
    if (!FUsedValues.count(key)) Fail(FDescription.File, "set " + key + ": no such property in the catalogue");
  return skin;
}

}  // namespace

std::unique_ptr<TdxSkin> BuildSkin(const TCatalogue& ACatalogue, const TDescription& ADescription,
                                   TBuildStats* AStats) {
  TBuildStats stats;
  std::unique_ptr<TdxSkin> skin = TBuilder(ACatalogue, ADescription, AStats ? *AStats : stats).Build();
  skin->EndUpdate();
  return skin;
}

}  // namespace skinc
