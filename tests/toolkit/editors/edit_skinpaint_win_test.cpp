// The editors' painting beyond the plain looks: an editor under a skin takes
// its colours, border colour and buttons from the skin painter; Office11
// buttons shade in a gradient when the style asks; glyphs and image-list
// images are drawn with their transparent parts left out, enabled or greyed.
#include "textedit_test_support.h"
#include "toolkit/core/graphics_win_test_support.h"

namespace {

using namespace edit_test;
using core_graphics_test::CanvasSurface;
using core_graphics_test::Rgb;

testing::Environment* const units = testing::AddGlobalTestEnvironment(new TTextEditUnits);

uint32_t Sys(TColor AColor) { return Rgb(AColor); }

constexpr TColor kSkinBackground = TColor(0x00E0F0FF);
constexpr TColor kSkinText = TColor(0x00004080);
constexpr TColor kSkinBorder = TColor(0x00806040);
constexpr TColor kSkinHotBorder = TColor(0x00FF8000);
constexpr TColor kSkinButton = TColor(0x0040C040);

struct TButtonCall {
  TRect Rect;
  TcxEditBtnKind Kind;
  TcxButtonState State;
  TcxEditBtnPosition Position;
};

// A skin that answers fixed colours and fills edit buttons, noting each call.
class TEditSkinPainter : public TcxStandardLookAndFeelPainter {
  VAMIRE_CLASS(TEditSkinPainter, TcxStandardLookAndFeelPainter)
 public:
  static TEditSkinPainter* Get() {
    static TEditSkinPainter painter;
    return &painter;
  }
  static constexpr const wchar_t* Name = L"EditRecorder";
  TColor GetEditorBackgroundColorForState(TcxEditStateColorKind AState) const override {
    return AState == esckDisabled ? clBtnFace : kSkinBackground;
  }
  TColor GetEditorTextColorForState(TcxEditStateColorKind) const override { return kSkinText; }
  TColor GetEditBorderColor(bool AHighlighted) const override { return AHighlighted ? kSkinHotBorder : kSkinBorder; }
  TColor GetEditButtonCaptionColor(TcxButtonState) const override { return kSkinText; }
  void PaintEditButton(TcxCanvas* ACanvas, const TRect& R, TcxEditBtnKind AKind, TcxButtonState AState,
                       TcxEditBtnPosition APosition) const override {
    Calls.push_back(TButtonCall{R, AKind, AState, APosition});
    ACanvas->FillRect(R, kSkinButton);
  }
  mutable std::vector<TButtonCall> Calls;

 private:
  TEditSkinPainter() = default;
};

// Filed as a skin while it lives.
struct TSkinScope {
  TSkinScope() { ExtendedStylePainterRegistry()->Register(TEditSkinPainter::Name, TEditSkinPainter::Get(), nullptr); }
  ~TSkinScope() {
    ExtendedStylePainterRegistry()->Unregister(TEditSkinPainter::Name);
    TEditSkinPainter::Get()->Calls.clear();
  }
};

// Text properties with buttons and an editor style, calculated and painted on a surface.
struct TModel {
  TModel() : Properties(nullptr), Styles(nullptr, TcxEditStyle::StaticClass()) {
    Style()->LookAndFeel()->SetNativeStyle(false);
    Style()->SetColor(clWindow);
  }
  TcxEditStyle* Style() { return static_cast<TcxEditStyle*>(Styles.Style()); }
  void Paint(CanvasSurface& S, const TPoint& P = TPoint{-1, -1}, bool AEnabled = true) {
    std::unique_ptr<TcxCustomTextEditViewData> data(
        static_cast<TcxCustomTextEditViewData*>(Properties.CreateViewData(Style(), false)));
    data->EditValue = Value;
    data->State.Enabled = AEnabled;
    data->Calculate(&S.Cx, TRect{0, 0, 121, 21}, P, 0, {}, &ViewInfo, false);
    ViewInfo.Render(&S.Cx);
  }
  TcxTextEditProperties Properties;
  TcxContainerStyles Styles;
  TcxCustomTextEditViewInfo ViewInfo;
  Variant Value;
};

TEST(EditSkinPaint, SkinGivesColoursBorderAndButtons) {
  TSkinScope scope;
  TModel m;
  m.Properties.Buttons()->Add()->SetKind(bkDown);
  TcxEditButton* left = m.Properties.Buttons()->Add();
  left->SetKind(bkEllipsis);
  left->SetLeftAlignment(true);
  m.Style()->LookAndFeel()->SetSkinName(TEditSkinPainter::Name);
  m.Value = Variant(L"Skinned");
  CanvasSurface s(121, 21);
  m.Paint(s);
  s.Save(L"edit_skin_paint");
  EXPECT_TRUE(m.ViewInfo.UsesSkinPainter);
  EXPECT_EQ(m.ViewInfo.BackgroundColor, kSkinBackground);
  EXPECT_EQ(m.ViewInfo.TextColor, kSkinText);
  EXPECT_EQ(m.ViewInfo.BorderColor, kSkinBorder);
  // Each button went to the skin with its kind, state and side.
  const std::vector<TButtonCall>& calls = TEditSkinPainter::Get()->Calls;
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].Kind, cxbkComboBtn);
  EXPECT_EQ(calls[0].State, cxbsNormal);
  EXPECT_EQ(calls[0].Position, cxbpRight);
  EXPECT_EQ(calls[0].Rect, m.ViewInfo.Button(0)->Bounds);
  EXPECT_EQ(calls[1].Kind, cxbkEllipsisBtn);
  EXPECT_EQ(calls[1].Position, cxbpLeft);
  vamire_test::Capture cap = s.Cap();
  const TRect b = m.ViewInfo.Button(0)->Bounds;
  EXPECT_EQ(cap.At((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2), Sys(kSkinButton)) << "nothing drawn over the skin";
  EXPECT_EQ(cap.At(60, 17), Sys(kSkinBackground));
  int ink = 0;
  const TRect t = m.ViewInfo.TextBounds;
  for (int y = t.Top; y < t.Bottom; ++y)
    for (int x = t.Left; x < t.Right; ++x) ink += cap.At(x, y) == Sys(kSkinText);
  EXPECT_GT(ink, 15) << "the text in the skin's colour";

  // Hot: the skin's highlighted border and the hot button state.
  TEditSkinPainter::Get()->Calls.clear();
  m.Style()->SetHotTrack(true);
  CanvasSurface hot(121, 21);
  m.Paint(hot, TPoint{b.Left + 2, 10});
  EXPECT_EQ(m.ViewInfo.BorderColor, kSkinHotBorder);
  ASSERT_FALSE(TEditSkinPainter::Get()->Calls.empty());
  EXPECT_EQ(TEditSkinPainter::Get()->Calls[0].State, cxbsHot);

  // Disabled: the skin's disabled background and a disabled button.
  TEditSkinPainter::Get()->Calls.clear();
  CanvasSurface off(121, 21);
  m.Paint(off, TPoint{-1, -1}, false);
  EXPECT_EQ(m.ViewInfo.BackgroundColor, clBtnFace);
  EXPECT_EQ(TEditSkinPainter::Get()->Calls[0].State, cxbsDisabled);
}

TEST(EditSkinPaint, Office11ButtonsShadeInAGradientWhenAsked) {
  TModel m;
  m.Properties.Buttons()->Add();
  m.Style()->LookAndFeel()->SetKind(lfOffice11);
  m.Style()->SetButtonStyle(btsOffice11);
  CanvasSurface plain(121, 21);
  m.Paint(plain);
  const TRect b = m.ViewInfo.Button(0)->Bounds;
  const int x = (b.Left + b.Right) / 2 + 3;
  vamire_test::Capture flat = plain.Cap();
  EXPECT_EQ(flat.At(x, b.Top + 2), flat.At(x, b.Bottom - 2)) << "solid without the gradient";

  m.Style()->SetGradientButtons(true);
  CanvasSurface shaded(121, 21);
  m.Paint(shaded);
  shaded.Save(L"edit_office11_gradient");
  ASSERT_TRUE(m.ViewInfo.Button(0)->Gradient);
  vamire_test::Capture cap = shaded.Cap();
  const TOffice11EditColors colors = Office11EditColors();
  EXPECT_NE(cap.At(x, b.Top + 2), cap.At(x, b.Bottom - 2)) << "top and bottom differ";
  // The ends lie toward the normal pair's colours (top the first, bottom the second).
  auto distance = [](uint32_t a, uint32_t c) {
    int d = 0;
    for (int shift = 0; shift < 24; shift += 8) d += std::abs(int((a >> shift) & 255) - int((c >> shift) & 255));
    return d;
  };
  EXPECT_LT(distance(cap.At(x, b.Top + 2), Rgb(colors.Normal.Color1)),
            distance(cap.At(x, b.Top + 2), Rgb(colors.Normal.Color2)));
  EXPECT_LT(distance(cap.At(x, b.Bottom - 2), Rgb(colors.Normal.Color2)),
            distance(cap.At(x, b.Bottom - 2), Rgb(colors.Normal.Color1)));

  // Disabled buttons stay solid.
  CanvasSurface off(121, 21);
  m.Paint(off, TPoint{-1, -1}, false);
  vamire_test::Capture dis = off.Cap();
  EXPECT_EQ(dis.At(x, b.Top + 2), dis.At(x, b.Bottom - 2));
}

TEST(EditBackground, KindsByHostAndTransparency) {
  struct Case {
    bool Hosted, Handled, Transparent, Native, NativeBackground;
    int Kind;
  };
  const Case cases[] = {
      {true, true, false, false, false, cxEditBackgroundByHook},
      {true, true, true, true, true, cxEditBackgroundByHook},   // the hook wins whatever else holds
      {true, false, true, false, false, cxEditBackgroundNone},
      {true, false, false, true, true, cxEditBackgroundFill},   // a hosted editor never paints its parent
      {false, true, false, false, false, cxEditBackgroundStandard},  // standalone: no hook asked
      {false, false, false, true, false, cxEditBackgroundFill},
      {false, false, true, true, false, cxEditBackgroundParent},
      {false, false, true, false, true, cxEditBackgroundThemedParent},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CalcEditBackgroundKind(c.Hosted, c.Handled, c.Transparent, c.Native, c.NativeBackground), c.Kind)
        << c.Hosted << c.Handled << c.Transparent << c.Native << c.NativeBackground;
    EXPECT_EQ(IsEditBackgroundTransparent(c.Kind), c.Kind != cxEditBackgroundStandard && c.Kind != cxEditBackgroundFill);
  }
}

// A host's background hook that paints its cells' background itself.
class TCellPainter : public TObject {
  VAMIRE_CLASS(TCellPainter, TObject)
 public:
  TCellPainter() = default;
  void DrawBackground(TObject*, TcxCanvas* ACanvas, bool& Handled) {
    ++Calls;
    if (!Handles) return;
    ACanvas->FillRect(TRect{0, 0, 200, 200}, clAqua);
    Handled = true;
  }
  bool Handles = true;
  int Calls = 0;
};

TEST(EditBackground, HostedEditorsDrawByKind) {
  TModel m;
  m.Properties.Buttons()->Add();
  CanvasSurface s(121, 21);
  std::unique_ptr<TcxCustomTextEditViewData> data(
      static_cast<TcxCustomTextEditViewData*>(m.Properties.CreateViewData(m.Style(), true)));
  data->Calculate(&s.Cx, TRect{0, 0, 121, 21}, TPoint{-1, -1}, 0, {}, &m.ViewInfo, false);
  const TRect buttons = m.ViewInfo.Button(0)->Bounds;
  const TRect cell{0, 0, 121, 21};

  // The hook draws, clipped to the rectangle, once; the buttons are left out.
  TCellPainter painter;
  m.ViewInfo.OnDrawBackground = TcxEditDrawBackgroundEvent(&painter, &TCellPainter::DrawBackground);
  s.Cx.FillRect(TRect{0, 0, 121, 21}, clRed);
  m.ViewInfo.DrawBackgroundByKind(&s.Cx, TRect{0, 0, 60, 21}, false, buttons);
  EXPECT_EQ(painter.Calls, 1);
  EXPECT_EQ(s.Cap().At(10, 10), Rgb(clAqua));
  EXPECT_EQ(s.Cap().At(70, 10), Rgb(clRed)) << "clipped to the rectangle";

  // Not handled: an opaque cell is filled in its colour, the buttons left alone.
  painter.Handles = false;
  s.Cx.FillRect(TRect{0, 0, 121, 21}, clRed);
  m.ViewInfo.DrawBackgroundByKind(&s.Cx, cell, false, buttons);
  EXPECT_EQ(s.Cap().At(70, 10), Rgb(clWindow));
  EXPECT_EQ(s.Cap().At(buttons.Left + 2, 10), Rgb(clRed)) << "the buttons' rectangle is left out";
  m.ViewInfo.DrawBackgroundByKind(&s.Cx, cell, true, buttons);
  EXPECT_EQ(s.Cap().At(buttons.Left + 2, 10), Rgb(clWindow)) << "with the buttons";

  // A transparent cell draws nothing.
  m.ViewInfo.Transparent = true;
  s.Cx.FillRect(TRect{0, 0, 121, 21}, clRed);
  m.ViewInfo.DrawBackgroundByKind(&s.Cx, cell, true, buttons);
  EXPECT_EQ(s.Cap().At(70, 10), Rgb(clRed));
  EXPECT_EQ(m.ViewInfo.GetBackgroundKind(nullptr, cell), cxEditBackgroundNone);
}

// A 6 x 6 glyph: a blue square with fuchsia (transparent) corners.
std::unique_ptr<TBitmap> MakeGlyph() {
  auto glyph = std::make_unique<TBitmap>();
  glyph->SetSize(6, 6);
  glyph->Canvas()->Brush()->SetColor(clBlue);
  glyph->Canvas()->FillRect(TRect{0, 0, 6, 6});
  for (const TPoint& p : {TPoint{0, 0}, TPoint{5, 0}, TPoint{0, 5}, TPoint{5, 5}})
    glyph->Canvas()->SetPixels(p.X, p.Y, clFuchsia);
  glyph->SetTransparentColor(clFuchsia);
  return glyph;
}

TEST(EditGlyphs, GlyphsLeaveTheirTransparentColourOut) {
  std::unique_ptr<TBitmap> glyph = MakeGlyph();
  struct Case {
    const char* What;
    TColor BackgroundColor;
    bool Enabled;
    uint32_t Corner;  // what the glyph's transparent corner shows
  };
  const Case cases[] = {
      {"enabled over what is there", clNone, true, Rgb(clRed)},
      {"enabled over a colour", clYellow, true, Rgb(clYellow)},
      {"disabled over what is there", clNone, false, Rgb(clRed)},
      {"disabled over a colour", clYellow, false, Rgb(clYellow)},
  };
  for (const Case& c : cases) {
    CanvasSurface s(20, 20);
    s.Cx.FillRect(TRect{0, 0, 20, 20}, clRed);
    DrawEditGlyph(&s.Cx, 5, 5, nullptr, c.BackgroundColor, c.Enabled, glyph.get());
    vamire_test::Capture cap = s.Cap();
    EXPECT_EQ(cap.At(5, 5), c.Corner) << c.What;
    EXPECT_EQ(cap.At(4, 4), Rgb(clRed)) << c.What << ": nothing outside the glyph";
    if (c.Enabled)
      EXPECT_EQ(cap.At(7, 7), Rgb(clBlue)) << c.What;
    else
      EXPECT_NE(cap.At(7, 7), Rgb(clBlue)) << c.What << ": greyed";
  }
  EXPECT_FALSE(glyph->Transparent()) << "the caller's glyph keeps its own setting";

  // Onto a background bitmap, which then goes to the canvas whole.
  TBitmap background;
  background.SetSize(8, 8);
  background.Canvas()->Brush()->SetColor(clLime);
  background.Canvas()->FillRect(TRect{0, 0, 8, 8});
  CanvasSurface s(20, 20);
  s.Cx.FillRect(TRect{0, 0, 20, 20}, clRed);
  DrawEditGlyph(&s.Cx, 2, 3, &background, clNone, true, glyph.get());
  vamire_test::Capture cap = s.Cap();
  EXPECT_EQ(cap.At(2, 3), Rgb(clLime));
  EXPECT_EQ(cap.At(4, 5), Rgb(clBlue));
  EXPECT_EQ(cap.At(9, 10), Rgb(clLime)) << "the background's own pixels beyond the glyph";
}

TEST(EditGlyphs, GlyphButtonsShowTheirGlyphEnabledOrGreyed) {
  std::unique_ptr<TBitmap> glyph = MakeGlyph();
  for (bool enabled : {true, false}) {
    TModel m;
    m.Style()->LookAndFeel()->SetKind(lfStandard);
    TcxEditButton* button = m.Properties.Buttons()->Add();
    button->SetKind(bkGlyph);
    button->SetGlyph(glyph.get());
    CanvasSurface s(121, 21);
    m.Paint(s, TPoint{-1, -1}, enabled);
    if (enabled) s.Save(L"edit_glyph_button");
    const TRect b = m.ViewInfo.Button(0)->Bounds;
    const int x = b.Left + (b.Right - b.Left - 6) / 2, y = b.Top + (b.Bottom - b.Top - 6) / 2;
    vamire_test::Capture cap = s.Cap();
    EXPECT_EQ(cap.At(x, y), Rgb(clBtnFace)) << "the transparent corner shows the face, enabled " << enabled;
    if (enabled) EXPECT_EQ(cap.At(x + 3, y + 3), Rgb(clBlue));
    else EXPECT_NE(cap.At(x + 3, y + 3), Rgb(clBlue));
  }
}

TEST(EditGlyphs, ImageListImagesGoToTheRectanglesCorner) {
  std::unique_ptr<TBitmap> glyph = MakeGlyph();
  TCustomImageList images(nullptr, 6, 6);
  images.AddMasked(glyph.get(), clFuchsia);
  for (bool enabled : {true, false}) {
    CanvasSurface s(20, 20);
    s.Cx.FillRect(TRect{0, 0, 20, 20}, clRed);
    DrawImageListImage(&s.Cx, &images, 0, nullptr, enabled, clYellow, TRect{4, 6, 20, 20});
    vamire_test::Capture cap = s.Cap();
    EXPECT_EQ(cap.At(4, 6), Rgb(clYellow)) << "the transparent corner shows the fill, enabled " << enabled;
    EXPECT_EQ(cap.At(3, 6), Rgb(clRed));
    EXPECT_EQ(cap.At(10, 12), Rgb(clRed)) << "nothing beyond the image";
    if (enabled) EXPECT_EQ(cap.At(6, 8), Rgb(clBlue));
    else EXPECT_NE(cap.At(6, 8), Rgb(clBlue));
  }
  // A bad index draws nothing.
  CanvasSurface s(20, 20);
  s.Cx.FillRect(TRect{0, 0, 20, 20}, clRed);
  DrawImageListImage(&s.Cx, &images, 3, nullptr, true, clYellow, TRect{4, 6, 20, 20});
  EXPECT_EQ(s.Cap().At(4, 6), Rgb(clRed));
}

}  // namespace
