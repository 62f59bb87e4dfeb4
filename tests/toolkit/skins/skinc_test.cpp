// The skin compiler (built for this machine only): the same bytes on every
// run, the probe pattern over the whole catalogue, the rasteriser's shapes,
// and errors that name the file and line. The project's own skins: text
// legible on what it is drawn over, seven looks unlike each other, and the
// skin file listing them in its fixed order.
#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "SkinBuild.h"
#include "SkinPng.h"
#include "skins_test_support.h"

using namespace skinc;
using namespace skins_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TSkinDataUnits);

std::string ReadText(const std::string& AName) {
  std::ifstream in(AName, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

const TCatalogue& Catalogue() {
  static const TCatalogue catalogue = ParseCatalogue(ReadText(VAMIRE_SKIN_CATALOGUE), "catalogue.txt");
  return catalogue;
}

std::unique_ptr<TdxSkin> Build(const std::string& ADescription, TBuildStats* AStats = nullptr) {
  return BuildSkin(Catalogue(), ParseDescription(ADescription, "test.txt"), AStats);
}

// Our own PNG files only: RGBA, unfiltered rows.
TRaster DecodePng(const std::vector<std::uint8_t>& APng) {
  auto be32 = [&](std::size_t at) {
    return std::uint32_t(APng[at]) << 24 | std::uint32_t(APng[at + 1]) << 16 | std::uint32_t(APng[at + 2]) << 8 |
           APng[at + 3];
  };
  const int width = int(be32(16)), height = int(be32(20));
  std::vector<std::uint8_t> packed;
  for (std::size_t at = 8; at + 8 <= APng.size();) {
    const std::uint32_t length = be32(at);
    if (std::equal(APng.begin() + std::ptrdiff_t(at + 4), APng.begin() + std::ptrdiff_t(at + 8), "IDAT"))
      packed.insert(packed.end(), APng.begin() + std::ptrdiff_t(at + 8),
                    APng.begin() + std::ptrdiff_t(at + 8 + length));
    at += 12 + length;
  }
  std::vector<std::uint8_t> raw(std::size_t(height) * (std::size_t(width) * 4 + 1));
  uLongf size = uLongf(raw.size());
  EXPECT_EQ(uncompress(raw.data(), &size, packed.data(), uLong(packed.size())), Z_OK);
  TRaster raster(width, height);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = &raw[std::size_t(y) * (std::size_t(width) * 4 + 1)];
    EXPECT_EQ(row[0], 0);
    for (int x = 0; x < width; ++x)
      raster.Fill(TBox{x, y, x + 1, y + 1}, TRgba{row[1 + 4 * x], row[2 + 4 * x], row[3 + 4 * x], row[4 + 4 * x]});
  }
  return raster;
}

TRaster Picture(TdxSkinImage* AImage) {
  return DecodePng(static_cast<TdxSkinPNGData*>(AImage->Texture())->Data());
}

// The widths of an arrow's lines of ink within a frame, from its tip to its base; empty
// when a pixel is only partly covered or a line has a gap (the mark is smeared, not crisp).
std::vector<int> ArrowLines(const TRaster& APicture, const TBox& AFrame, TMark AMark) {
  const bool vertical = AMark == TMark::ArrowUp || AMark == TMark::ArrowDown;
  const int along = vertical ? AFrame.Height() : AFrame.Width(), across = vertical ? AFrame.Width() : AFrame.Height();
  std::vector<int> lines;
  for (int a = 0; a < along; ++a) {
    int count = 0, first = -1, last = -1;
    for (int c = 0; c < across; ++c) {
      const TRgba p = vertical ? APicture.Pixel(AFrame.Left + c, AFrame.Top + a)
                               : APicture.Pixel(AFrame.Left + a, AFrame.Top + c);
      if (p.A == 0) continue;
      if (p.A != 255) return {};
      ++count;
      if (first < 0) first = c;
      last = c;
    }
    if (count == 0) continue;
    if (last - first + 1 != count) return {};
    lines.push_back(count);
  }
  if (AMark == TMark::ArrowDown || AMark == TMark::ArrowRight) std::reverse(lines.begin(), lines.end());
  return lines;
}

// An arrow a person reads at a glance: at least three lines, each two pixels wider than the
// one before, its base at least ALeastBase wide.
void ExpectCrispArrow(const std::vector<int>& ALines, int ALeastBase) {
  ASSERT_GE(ALines.size(), 3u) << "no crisp arrow";
  for (std::size_t i = 1; i < ALines.size(); ++i) EXPECT_EQ(ALines[i], ALines[i - 1] + 2) << "line " << i;
  EXPECT_GE(ALines.back(), ALeastBase);
}

std::uint32_t Rgb(TRgba p) { return std::uint32_t(p.R) << 16 | std::uint32_t(p.G) << 8 | p.B; }

TEST(SkincTest, TheToolWritesTheSameBytesOnEveryRun) {
  const std::string dir = testing::TempDir();
  std::string outputs[2];
  for (int run = 0; run < 2; ++run) {
    outputs[run] = dir + "skinc_run" + std::to_string(run) + ".skin";
    const std::string command = std::string(VAMIRE_SKINC_PATH) + " build " + VAMIRE_SKIN_CATALOGUE + " " +
                                VAMIRE_PROBE_DESCRIPTION + " " + outputs[run];
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }
  const std::string first = ReadText(outputs[0]);
  EXPECT_GT(first.size(), 10000u);
  EXPECT_EQ(first, ReadText(outputs[1]));
  // And what it wrote is the probe skin.
  TdxSkin skin(L"");
  LoadSkinBytes(&skin, first);
  EXPECT_EQ(skin.Name(), L"Probe");
  EXPECT_EQ(SkinBytes(Build(ReadText(VAMIRE_PROBE_DESCRIPTION)).get()), first);
}

TEST(SkincTest, TheProbeGivesEveryFrameItsOwnColour) {
  TBuildStats stats;
  std::unique_ptr<TdxSkin> skin = Build(ReadText(VAMIRE_PROBE_DESCRIPTION), &stats);
  EXPECT_EQ(stats.Elements, int(Catalogue().Elements.size()));
  std::set<std::uint32_t> centres;
  int frame = 0;
  for (const TElementSpec& spec : Catalogue().Elements) {
    TdxSkinElement* e = skin->FindGroup(UTF8Decode(spec.Group))->FindElement(UTF8Decode(spec.Name));
    ASSERT_NE(e, nullptr) << spec.Name;
    EXPECT_EQ(e->ImageCount(), spec.Images);
    EXPECT_NE(e->TextColor(), clDefault) << spec.Name;  // the probe colours everything
    for (TdxSkinImage* image : {e->Image(), e->Glyph()}) {
      if (image->Texture()->Empty()) continue;
      const TRaster picture = Picture(image);
      const TSize size = image->GetFrameSize();
      for (int i = 0; i < e->ImageCount(); ++i) {
        for (int s = 0; s < dxSkinElementStateCount; ++s) {
          if (!image->States().Contains(TdxSkinElementState(s))) continue;
          const TRect r = image->GetSourceRect(i, TdxSkinElementState(s));
          const auto parts = dxSkinNinePartRects(r, image->Margins()->Rect());
          for (int p = 0; p < 9; ++p) {
            const TRect& part = parts[std::size_t(p)];
            if (part.Right <= part.Left || part.Bottom <= part.Top) continue;
            EXPECT_EQ(Rgb(picture.Pixel((part.Left + part.Right) / 2, (part.Top + part.Bottom) / 2)),
                      ProbePartColor(frame, p))
                << spec.Name << " image " << i << " state " << s << " part " << p;
          }
          EXPECT_EQ(r.Right - r.Left, size.cx);
          centres.insert(ProbeFrameColor(frame));
          ++frame;
        }
      }
    }
  }
  EXPECT_EQ(int(centres.size()), frame);
  EXPECT_EQ(frame, stats.Frames);
}

TEST(SkincTest, ALookDrawsEveryElementFromItsStyles) {
  const std::string text = ReadText(VAMIRE_SAMPLE_LOOK);
  std::unique_ptr<TdxSkin> skin = Build(text);
  EXPECT_EQ(skin->DisplayName(), L"Sample Look");
  EXPECT_EQ(skin->FindColor(L"ContentColor")->Value(), 0xFFFFFF);
  TdxSkinElement* button = skin->FindGroup(L"Common")->FindElement(L"Button");
  const TRaster picture = Picture(button->Image());
  ASSERT_EQ(picture.Width(), 24 * 5);
  // Rounded corners stay transparent; the edge and the face are opaque.
  EXPECT_EQ(picture.Pixel(0, 0).A, 0);
  EXPECT_EQ(picture.Pixel(12, 0), (TRgba{0x8A, 0x99, 0xAD, 255}));
  EXPECT_EQ(picture.Pixel(12, 11).A, 255);
  // The hot frame (the second) has the hot edge.
  EXPECT_EQ(picture.Pixel(24 + 12, 0), (TRgba{0x3C, 0x7F, 0xD0, 255}));
  // A vertical ramp: lighter at the top than at the bottom.
  EXPECT_GT(picture.Pixel(12, 3).R, picture.Pixel(12, 19).R);

  // The check box's checked image carries a mark of the text colour at its middle.
  TdxSkinElement* check = skin->FindGroup(L"Editors")->FindElement(L"Checkbox");
  const TRaster boxes = Picture(check->Image());
  const int frames = 4;  // states per image
  const TRgba unchecked = boxes.Pixel(6, 6), checked = boxes.Pixel(frames * 13 + 6, 7);
  EXPECT_EQ(unchecked, (TRgba{0xFF, 0xFF, 0xFF, 255}));
  EXPECT_LT(checked.R, 0x80);

  // Written out for a look at the pictures.
  for (const auto& [group, name] : {std::pair{L"Common", L"Button"}, std::pair{L"Editors", L"Checkbox"},
                                    std::pair{L"Editors", L"RadioButton"}, std::pair{L"Common", L"ScrollButton"},
                                    std::pair{L"Form", L"FormButtonClose"}, std::pair{L"Form", L"FormCaption"},
                                    std::pair{L"Editors", L"ClockFace"}, std::pair{L"Common", L"SizeGrip"}}) {
    TdxSkinElement* e = skin->FindGroup(group)->FindElement(name);
    const auto& png = static_cast<TdxSkinPNGData*>(e->Image()->Texture())->Data();
    std::ofstream(testing::TempDir() + "skinc_" + UTF8Encode(name) + ".png", std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
  }
}

// A description with the sample look's palette and the given lines.
std::string WithPalette(const std::string& ALines) {
  std::istringstream in(ReadText(VAMIRE_SAMPLE_LOOK));
  std::string text = "skin A\n", line;
  while (std::getline(in, line))
    if (line.rfind("palette ", 0) == 0) text += line + "\n";
  return text + ALines;
}

// A sheen covers the upper half of the face inside the edge, state by state.
TEST(SkincTest, AGlossLightensTheUpperHalfOfTheFace) {
  std::unique_ptr<TdxSkin> skin = Build(WithPalette(
      "style default\n  border 1\n  fill * #404040\n  edge * #000000\n  gloss * #80FFFFFF\n  gloss pressed none\n"));
  const TRaster thumb = Picture(skin->FindGroup(L"Common")->FindElement(L"ScrollThumbVert")->Image());
  ASSERT_EQ(thumb.Width(), 17 * 4);  // normal, hot, pressed, disabled; 20 high
  const TRgba face{0x40, 0x40, 0x40, 255}, sheen{0xA0, 0xA0, 0xA0, 255}, edge{0, 0, 0, 255};
  const struct {
    int Frame, Y;
    TRgba Expected;
  } cases[] = {{0, 0, edge}, {0, 1, sheen}, {0, 9, sheen}, {0, 10, face}, {0, 18, face}, {0, 19, edge},
               {1, 5, sheen}, {2, 5, face}, {3, 5, sheen}};
  for (const auto& c : cases) EXPECT_EQ(thumb.Pixel(c.Frame * 17 + 8, c.Y), c.Expected) << c.Frame << "," << c.Y;
  EXPECT_EQ(thumb.Pixel(0, 5), edge);  // the sheen stays inside the edge
}

// A style open at one side has neither corners nor an edge there: a tab meets its page.
TEST(SkincTest, AnOpenSideHasNoCornersAndNoEdge) {
  std::unique_ptr<TdxSkin> skin = Build(WithPalette(
      "style default\n  radius 4\n  border 1\n  fill * #404040\n  edge * #000000\n  open bottom\n"));
  const TRaster tab = Picture(skin->FindGroup(L"PageControl")->FindElement(L"TabHeader")->Image());
  const TRgba face{0x40, 0x40, 0x40, 255}, edge{0, 0, 0, 255};
  EXPECT_EQ(tab.Pixel(0, 0).A, 0);        // the top corners are round
  EXPECT_EQ(tab.Pixel(12, 0), edge);      // with an edge along the top
  EXPECT_EQ(tab.Pixel(0, 21), edge);      // the sides run square to the bottom
  EXPECT_EQ(tab.Pixel(12, 21), face);     // where no edge closes the shape
  EXPECT_EQ(tab.Pixel(23, 21), edge);
  try {
    Build(WithPalette("style default\n  open inwards\n"));
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("test.txt:"), std::string::npos) << e.what();
  }
}

TEST(SkincTest, ErrorsNameTheFileAndLine) {
  const struct {
    std::string Description;
    const char* Expected;
  } cases[] = {
      {"skin A\n", "catalogue.txt:33: test.txt has no palette role \"edge\""},
      {WithPalette("style default\n  fill * #000000 #FFFFFF sideways\n"), "a ramp runs vertical or horizontal"},
      {WithPalette(""), "has neither style \"bar\" nor a style \"default\""},
      {WithPalette("style default\n  fill * @nothing\n"), "has no palette role \"nothing\""},
      {"skin A\nfrobnicate\n", "test.txt:2: unknown line"},
      {"skin A\nprobe\nelement Common.Button sise=3x3\n", "unknown element attribute \"sise\""},
      {"skin A\nprobe\nelement Common.Nothing size=3x3\n", "element Common.Nothing is not in the catalogue"},
      {"skin A\nprobe\nset Common.Nothing = 1\n", "set Common.Nothing: no such property"},
      {"skin A\nprobe\nset Common.Button.DisabledText = blue\n", "a colour is #RRGGBB"},
      {"skin A\nprobe\nset Editors.EditorButton.MergeBorders = yes\n", "a boolean is true or false"},
      {"skin A\nstyle x\n  fill bogus #000000\n", "test.txt:3: no state \"bogus\""},
      {"display \"x\"\n", "names no skin"},
      {"skin A\nprobe\npalette x @y\npalette y @x\nset skin.ContentColor = @x\n", "in a circle"},
  };
  for (const auto& c : cases) {
    try {
      Build(c.Description);
      ADD_FAILURE() << "no error for: " << c.Description;
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.Expected), std::string::npos) << e.what();
    }
  }
  try {
    ParseCatalogue("group A\nelement B size=3\n", "cat.txt");
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()), "cat.txt:2: expected 2 numbers in \"3\"");
  }
}

TEST(SkincRasterTest, ShapesCoverWhatTheyShould) {
  TRaster raster(20, 10);
  TPaint red;
  red.From = TRgba{255, 0, 0, 255};
  red.None = false;
  const TBox box{0, 0, 20, 10};
  raster.FillShape(box, RoundRectShape(box, 4), red, box);
  EXPECT_EQ(raster.Pixel(0, 0).A, 0);            // outside the corner arc
  EXPECT_GT(raster.Pixel(1, 1).A, 0);            // on the arc: partly covered
  EXPECT_LT(raster.Pixel(1, 1).A, 255);
  EXPECT_EQ(raster.Pixel(10, 5), red.From);      // inside
  EXPECT_EQ(raster.Pixel(10, 0), red.From);      // the straight edge is whole

  TRaster ramp(4, 11);
  TPaint paint;
  paint.From = TRgba{0, 0, 0, 255};
  paint.To = TRgba{200, 100, 50, 255};
  paint.Ramp = true;
  paint.None = false;
  const TBox all{0, 0, 4, 11};
  ramp.FillShape(all, RoundRectShape(all, 0), paint, all);
  EXPECT_EQ(ramp.Pixel(2, 0), paint.From);
  EXPECT_EQ(ramp.Pixel(2, 10), paint.To);
  EXPECT_EQ(ramp.Pixel(2, 5), (TRgba{100, 50, 25, 255}));

  // A ring leaves its middle alone; a half-transparent colour blends over.
  TRaster ring(10, 10);
  ring.Fill(TBox{0, 0, 10, 10}, TRgba{0, 0, 255, 255});
  TPaint half;
  half.From = TRgba{255, 255, 255, 128};
  half.None = false;
  ring.FillShape(all.Inflated(10), RingShape(TBox{0, 0, 10, 10}, 0, 2), half, all);
  EXPECT_EQ(ring.Pixel(5, 5), (TRgba{0, 0, 255, 255}));
  EXPECT_EQ(ring.Pixel(0, 5), (TRgba{128, 128, 255, 255}));

  // Marks stay inside their box and are drawn the same way twice.
  for (const char* name : {"check", "grayed", "dot", "arrow-up", "arrow-down", "arrow-left", "arrow-right", "plus",
                           "minus", "cross", "ellipsis", "grip", "hline", "vline", "minimize", "maximize", "restore",
                           "help"}) {
    TMark mark;
    ASSERT_TRUE(MarkFromName(name, mark)) << name;
    TRaster a(20, 20), b(20, 20);
    DrawMark(a, TBox{4, 4, 16, 16}, mark, TRgba{0, 0, 0, 255}, 0);
    DrawMark(b, TBox{4, 4, 16, 16}, mark, TRgba{0, 0, 0, 255}, 0);
    EXPECT_TRUE(a.Pixels() == b.Pixels()) << name;
    int inside = 0, outside = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) (x >= 4 && x < 16 && y >= 4 && y < 16 ? inside : outside) += a.Pixel(x, y).A > 0;
    EXPECT_GT(inside, 2) << name;
    EXPECT_EQ(outside, 0) << name;
  }
  TMark unknown;
  EXPECT_FALSE(MarkFromName("star", unknown));
  // PNG output is the same for the same pixels.
  EXPECT_EQ(EncodePng(ring), EncodePng(ring));
}

TEST(SkincRasterTest, ADotIsAsWideAsItsMarkSize) {
  for (const int size : {5, 6, 9}) {
    SCOPED_TRACE(size);
    TRaster a(13, 13);
    DrawMark(a, TBox{0, 0, 13, 13}, TMark::Dot, TRgba{0, 0, 0, 255}, size);
    int left = 13, right = -1, solid = 0;
    for (int y = 0; y < 13; ++y)
      for (int x = 0; x < 13; ++x) {
        if (a.Pixel(x, y).A == 0) continue;
        left = std::min(left, x);
        right = std::max(right, x);
        solid += a.Pixel(x, y).A == 255;
      }
    EXPECT_GE(right - left + 1, size);
    EXPECT_LE(right - left + 1, size + 1);
    EXPECT_GE(solid, (size - 2) * (size - 2));
  }
}

TEST(SkincRasterTest, ArrowsAreCrispAtEverySize) {
  const struct {
    TBox Box;
    TMark Mark;
    int Size, Base;
  } cases[] = {
      {{0, 0, 9, 7}, TMark::ArrowUp, 0, 7},     {{0, 0, 9, 7}, TMark::ArrowDown, 0, 7},
      {{0, 0, 7, 9}, TMark::ArrowLeft, 0, 7},   {{0, 0, 7, 9}, TMark::ArrowRight, 0, 7},
      {{0, 0, 9, 9}, TMark::ArrowDown, 0, 7},   {{0, 0, 8, 6}, TMark::ArrowUp, 0, 6},
      {{2, 3, 19, 20}, TMark::ArrowUp, 7, 7},   {{2, 3, 19, 20}, TMark::ArrowRight, 8, 7},
      {{0, 0, 12, 24}, TMark::ArrowDown, 0, 8}, {{0, 0, 30, 30}, TMark::ArrowLeft, 0, 20},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Box.Width() << "x" << c.Box.Height() << " mark " << int(c.Mark));
    TRaster a(c.Box.Right + 2, c.Box.Bottom + 2);
    DrawMark(a, c.Box, c.Mark, TRgba{0, 0, 0, 255}, c.Size);
    const std::vector<int> lines = ArrowLines(a, TBox{0, 0, a.Width(), a.Height()}, c.Mark);
    ExpectCrispArrow(lines, c.Base);
    if (!lines.empty()) {
      EXPECT_EQ(lines.back(), c.Base);
    }
    // Centred across: as much room on either side of its base.
    const bool vertical = c.Mark == TMark::ArrowUp || c.Mark == TMark::ArrowDown;
    const int from = vertical ? c.Box.Left : c.Box.Top, to = vertical ? c.Box.Right : c.Box.Bottom;
    int first = to, last = from - 1;
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x)
        if (a.Pixel(x, y).A > 0) {
          first = std::min(first, vertical ? x : y);
          last = std::max(last, vertical ? x : y);
        }
    EXPECT_EQ(first - from, to - 1 - last);
  }
}

// The skin file's order (cfg.ini stores an index into it) and the user skin's data.
const char* const kListedSkins[] = {"Black", "Blue", "Foggy", "LiquidSky", "MoneyTwins", "Silver", "Xmas2008Blue"};

std::unique_ptr<TdxSkin> BuildProjectSkin(const std::string& AName) {
  const std::string file = std::string(VAMIRE_SKINS_SOURCE_DIR) + "/" + AName + ".txt";
  return BuildSkin(Catalogue(), ParseDescription(ReadText(file), file));
}

TRgba RgbaOf(TColor AColor) {
  return TRgba{std::uint8_t(AColor), std::uint8_t(AColor >> 8), std::uint8_t(AColor >> 16), 255};
}

// The contrast ratio of two opaque colours (1 to 21), from their relative luminance in sRGB.
double Contrast(TRgba A, TRgba B) {
  auto luminance = [](TRgba c) {
    auto linear = [](std::uint8_t v) {
      const double s = v / 255.0;
      return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.R) + 0.7152 * linear(c.G) + 0.0722 * linear(c.B);
  };
  const double a = luminance(A), b = luminance(B);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The middle pixel of one frame of an element's picture (frames side by side).
TRgba FrameCentre(TdxSkinElement* AElement, int AFrame, int AFrames) {
  const TRaster picture = Picture(AElement->Image());
  const int width = picture.Width() / AFrames;
  return picture.Pixel(AFrame * width + width / 2, picture.Height() / 2);
}

// The pixel of a frame's inside (3 pixels in from its edges) that stands out most from AGround.
TRgba StrongestInk(TdxSkinElement* AElement, int AFrame, int AFrames, TRgba AGround) {
  const TRaster picture = Picture(AElement->Image());
  const int width = picture.Width() / AFrames;
  TRgba ink = AGround;
  for (int y = 3; y < picture.Height() - 3; ++y)
    for (int x = AFrame * width + 3; x < AFrame * width + width - 3; ++x)
      if (Contrast(picture.Pixel(x, y), AGround) > Contrast(ink, AGround)) ink = picture.Pixel(x, y);
  return ink;
}

TEST(ProjectSkinsTest, TextIsLegibleOnWhatItIsDrawnOver) {
  for (const char* name : {"Black", "Blue", "Foggy", "LiquidSky", "MoneyTwins", "Silver", "Xmas2008Blue",
                           "DefaultUserSkinData"}) {
    SCOPED_TRACE(name);
    std::unique_ptr<TdxSkin> skin = BuildProjectSkin(name);
    auto color = [&](const wchar_t* AName) { return RgbaOf(skin->FindColor(AName)->Value()); };
    auto groupColor = [&](const wchar_t* AGroup, const wchar_t* AName) {
      return RgbaOf(static_cast<TdxSkinColor*>(skin->FindGroup(AGroup)->FindProperty(AName))->Value());
    };
    auto element = [&](const wchar_t* AGroup, const wchar_t* AName) {
      return skin->FindGroup(AGroup)->FindElement(AName);
    };
    TdxSkinElement* button = element(L"Common", L"Button");
    TdxSkinElement* caption = element(L"Form", L"FormCaption");
    TdxSkinElement* groupCaption = element(L"Common", L"GroupPanelCaptionTop");
    TdxSkinElement* check = element(L"Editors", L"Checkbox");
    const struct {
      const char* What;
      TRgba Text, Ground;
      double Least;
    } cases[] = {
        {"content", color(L"ContentTextColor"), color(L"ContentColor"), 7},
        {"selection", color(L"SelectionTextColor"), color(L"SelectionColor"), 4.5},
        {"editor", groupColor(L"Editors", L"TextColor"), groupColor(L"Editors", L"BackgroundColor"), 7},
        {"button", RgbaOf(button->TextColor()), FrameCentre(button, 0, 5), 4.5},
        {"hot button", RgbaOf(button->TextColor()), FrameCentre(button, 1, 5), 4.5},
        {"pressed button", RgbaOf(button->TextColor()), FrameCentre(button, 2, 5), 4.5},
        {"window caption", RgbaOf(caption->TextColor()), FrameCentre(caption, 0, 2), 3},
        {"group caption", RgbaOf(groupCaption->TextColor()), FrameCentre(groupCaption, 0, 1), 3},
        // Image 1 is the checked box, its first frame the normal state.
        {"check mark", StrongestInk(check, 4, 12, FrameCentre(check, 0, 12)), FrameCentre(check, 0, 12), 4.5},
        {"form", color(L"ContentTextColor"), RgbaOf(element(L"Form", L"FormContent")->Color()), 4.5},
    };
    for (const auto& c : cases)
      EXPECT_GE(Contrast(c.Text, c.Ground), c.Least) << c.What;
    // Every element that lays text out over its picture (it has a content offset) keeps it readable
    // in its first state, wherever its picture is opaque under the text.
    for (int g = 0; g < skin->Groups()->Count(); ++g) {
      TdxSkinControlGroup* group = skin->Groups()->Items(g);
      for (int e = 0; e < group->Count(); ++e) {
        TdxSkinElement* item = group->Items(e);
        const TRect offset = item->ContentOffset()->Rect();
        if (item->Image()->Empty() || offset == TRect{} || item->TextColor() == clDefault || item->TextColor() == clNone) continue;
        const int frames = std::popcount(SkinStatesToBits(item->Image()->States())) * item->ImageCount();
        const TRgba under = FrameCentre(item, 0, frames);
        if (under.A == 255) {
          EXPECT_GE(Contrast(RgbaOf(item->TextColor()), under), 3) << UTF8Encode(group->Name() + L"." + item->Name());
        }
      }
    }
  }
}

TEST(ProjectSkinsTest, EditorButtonsShowCrispArrows) {
  const struct {
    const wchar_t* Element;
    TMark Mark;
  } glyphs[] = {{L"SpinUpGlyph", TMark::ArrowUp},     {L"SpinDownGlyph", TMark::ArrowDown},
                {L"SpinLeftGlyph", TMark::ArrowLeft}, {L"SpinRightGlyph", TMark::ArrowRight},
                {L"ComboButtonGlyph", TMark::ArrowDown}};
  for (const char* name : {"Black", "Blue", "Foggy", "LiquidSky", "MoneyTwins", "Silver", "Xmas2008Blue",
                           "DefaultUserSkinData"}) {
    std::unique_ptr<TdxSkin> skin = BuildProjectSkin(name);
    for (const auto& g : glyphs) {
      SCOPED_TRACE(testing::Message() << name << " " << UTF8Encode(g.Element));
      TdxSkinElement* element = skin->FindGroup(L"Editors")->FindElement(g.Element);
      ASSERT_NE(element, nullptr);
      const TRaster picture = Picture(element->Glyph());
      const int frames = std::popcount(SkinStatesToBits(element->Glyph()->States())) * element->ImageCount();
      ExpectCrispArrow(ArrowLines(picture, TBox{0, 0, picture.Width() / frames, picture.Height()}, g.Mark), 5);
    }
  }
}

TEST(ProjectSkinsTest, TheListedLooksAreUnlikeEachOther) {
  std::map<std::string, std::string> seen;  // what a look shows first -> its skin
  for (const char* name : kListedSkins) {
    std::unique_ptr<TdxSkin> skin = BuildProjectSkin(name);
    EXPECT_EQ(UTF8Encode(skin->Name()), name);
    TdxSkinElement* button = skin->FindGroup(L"Common")->FindElement(L"Button");
    TdxSkinElement* caption = skin->FindGroup(L"Form")->FindElement(L"FormCaption");
    const TRgba face = FrameCentre(button, 0, 5), band = FrameCentre(caption, 0, 2);
    for (const std::string& shown : {"button " + std::to_string(Rgb(face)), "caption " + std::to_string(Rgb(band))}) {
      const auto [at, added] = seen.emplace(shown, name);
      EXPECT_TRUE(added) << name << " and " << at->second << " share their " << shown;
    }
  }
}

TEST(ProjectSkinsTest, TheSkinFileListsTheSevenInItsOrder) {
  TStringStream file(ReadText(VAMIRE_ALL_SKINS));
  TdxSkinBinaryReader reader(&file);
  ASSERT_EQ(reader.Count(), 7);
  for (int i = 0; i < reader.Count(); ++i) {
    EXPECT_EQ(UTF8Encode(reader.Names(i)), kListedSkins[i]);
    // Each entry is the skin as drawn on its own, byte for byte.
    const std::string alone = ReadText(std::string(VAMIRE_SKINS_DIR) + "/" + kListedSkins[i] + ".skin");
    const std::int64_t end = i + 1 < reader.Count() ? reader.Positions(i + 1) - 4 : std::int64_t(file.Size());
    EXPECT_EQ(file.DataString().substr(std::size_t(reader.Positions(i)), std::size_t(end - reader.Positions(i))), alone)
        << kListedSkins[i];
  }
}

}  // namespace
