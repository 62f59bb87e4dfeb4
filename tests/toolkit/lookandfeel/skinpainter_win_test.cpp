// The skin painter drawing from the probe skin, in which every frame of every
// picture is a flat colour of its own and every named colour distinct: the
// button's caption laid out at several heights and coloured by state, check
// box and radio images by state, editor colours by state with their
// fall-backs, the ellipsis button's dots, scroll-bar tracks, a painter
// whose skin left the registry drawing as the Office11 look, and pictures
// with transparency the right way up through the caches the painter draws with.
#include <gtest/gtest.h>

#include "cxLookAndFeelPainters_ultraflat_win.h"
#include "dxGDIPlusClasses_win.h"
#include "dxOffice11_win.h"
#include "dxSkinsCore_win.h"
#include "dxSkinsLookAndFeelPainter.h"
#include "lookandfeel_test_support.h"
#include "toolkit/core/png_test_support.h"

using lookandfeel_test::CanvasSurface;
using lookandfeel_test::Pixels;
using lookandfeel_test::Rgb;
using E = TdxSkinElementSlot;
using P = TdxSkinPropertySlot;

namespace {

class TProbeUnits : public testing::Environment {
 public:
  void SetUp() override {
    InitializeUnits({dxUxThemeUnit, dxThemeManagerUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit,
                     dxGDIPlusClassesUnit, cxGraphicsUnit, dxOffice11Unit, cxLookAndFeelPaintersUnit, dxSkinsCoreUnit});
  }
  void TearDown() override { FinalizeUnits(); }
};
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TProbeUnits);

TcxCustomLookAndFeelPainterClass Office11() { return TcxOffice11LookAndFeelPainter::Instance(); }

// The probe filed as "Probe" with the plain skin painter for the fixture's life.
class SkinPainterTest : public testing::Test {
 protected:
  void SetUp() override {
    FInfo = new TdxSkinLookAndFeelPainterInfo(new TdxSkin(L"Probe", GetModuleHandleW(nullptr), true));
    ASSERT_TRUE(ExtendedStylePainterRegistry()->Register(L"Probe", Painter(), FInfo));
  }
  void TearDown() override { ExtendedStylePainterRegistry()->Unregister(L"Probe"); }
  static const TdxSkinLookAndFeelPainter* Painter() {
    return static_cast<const TdxSkinLookAndFeelPainter*>(TdxSkinLookAndFeelPainter::Instance());
  }
  TdxSkinElement* Element(E ASlot) const { return FInfo->Element(ASlot); }
  TColor ColorOf(P ASlot) const { return FInfo->Color(ASlot)->Value(); }
  // The flat colour of frame (image, state) of the element's picture, read from the picture itself.
  static std::uint32_t FrameColor(TdxSkinElement* AElement, int AImageIndex, TdxSkinElementState AState) {
    TdxSkinImage* image = AElement->Image();
    const TRect frame = image->GetSourceRect(AImageIndex, AState);
    TdxPNGImage* picture = SkinImagePicture(image);
    const TRGBColors bits = picture->Image()->GetBits();
    const TRGBQuad q = bits[std::size_t((frame.Top + frame.Bottom) / 2) * std::size_t(picture->Width()) +
                            std::size_t((frame.Left + frame.Right) / 2)];
    return std::uint32_t(q.rgbRed) << 16 | std::uint32_t(q.rgbGreen) << 8 | q.rgbBlue;
  }
  TdxSkinLookAndFeelPainterInfo* FInfo = nullptr;
};

// --- Buttons ----------------------------------------------------------------------------------

TEST_F(SkinPainterTest, ButtonCaptionsSitOnTheContentRectOfTheirHeight) {
  TdxSkinElement* button = Element(E::CommonButton);
  const TRect co = button->ContentOffset()->Rect();
  // Content height -> how the caption's rectangle moves at the top and the bottom.
  const struct {
    int Content, Top, Bottom;
  } cases[] = {{16, -1, 0}, {17, -1, -1}, {18, 0, 0}, {19, 0, -1}, {24, 0, 0}, {25, 0, -1}};
  for (const auto& c : cases) {
    for (bool wrap : {false, true}) {
      SCOPED_TRACE(testing::Message() << "content " << c.Content << (wrap ? " word-wrapped" : " single line"));
      const int height = c.Content + co.Top + co.Bottom;
      const TRect r{2, 2, 72, 2 + height};
      CanvasSurface drawn(76, height + 4), expected(76, height + 4);
      Painter()->PaintButtonCell(&drawn.Cx, r, L"Tg", cxbsNormal, true, clDefault, clDefault, wrap, false);
      button->DrawToDC(expected.Dc, r, 0, esNormal);
      const TRect text{r.Left + co.Left, r.Top + co.Top + c.Top, r.Right - co.Right, r.Bottom - co.Bottom + c.Bottom};
      expected.Cx.Font()->SetColor(button->TextColor());
      expected.Cx.Brush()->SetStyle(bsClear);
      expected.Cx.DrawTextInRect(L"Tg", text,
                                 cxAlignHCenter | cxAlignVCenter | cxShowPrefix | (wrap ? cxWordBreak : cxSingleLine));
      EXPECT_EQ(Pixels(drawn), Pixels(expected));
    }
  }
}

TEST_F(SkinPainterTest, ButtonFramesAndCaptionColoursFollowTheState) {
  TdxSkinElement* button = Element(E::CommonButton);
  const struct {
    TcxButtonState State;
    TdxSkinElementState Frame;
  } cases[] = {{cxbsDefault, esActive}, {cxbsNormal, esNormal}, {cxbsHot, esHot}, {cxbsPressed, esPressed},
               {cxbsDisabled, esDisabled}};
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.State));
    CanvasSurface face(80, 40), s(80, 40);
    Painter()->PaintButtonCell(&face.Cx, TRect{0, 0, 80, 40}, String(), c.State, true, clDefault, clDefault, false,
                               false);
    // A state the picture lacks shows its lowest state (the default button's "active" frame).
    EXPECT_EQ(face.Cap().At(40, 20), FrameColor(button, 0, button->Image()->AdjustState(c.Frame)));
    Painter()->PaintButtonCell(&s.Cx, TRect{0, 0, 80, 40}, L"MMM", c.State, true, clDefault, clDefault, false, false);
    vamire_test::Capture cap = s.Cap();
    const TColor caption = c.State == cxbsDisabled ? ColorOf(P::CommonButtonDisabledText) : button->TextColor();
    EXPECT_EQ(Painter()->GetButtonGlyphColor(c.State, clDefault), caption);
    // The caption is drawn in that colour, not embossed in system colours.
    std::size_t inCaptionColour = 0;
    for (std::uint32_t p : cap.Pixels) inCaptionColour += p == Rgb(caption);
    EXPECT_GT(inCaptionColour, 10u);
  }
  // A caller's colour wins; a button without caption draws only its frame.
  CanvasSurface s(80, 40), frame(80, 40);
  Painter()->PaintButtonCell(&s.Cx, TRect{0, 0, 80, 40}, String(), cxbsHot, true, clDefault, clRed, false, false);
  button->DrawToDC(frame.Dc, TRect{0, 0, 80, 40}, 0, esHot);
  EXPECT_EQ(Pixels(s), Pixels(frame));
  EXPECT_EQ(Painter()->GetButtonBorderWidth(cxbsNormal), 0);
}

// --- Check boxes and radio buttons ------------------------------------------------------------

TEST_F(SkinPainterTest, CheckAndRadioImagesFollowTheCheckAndButtonState) {
  TdxSkinElement* check = Element(E::EditorsCheckbox);
  TdxSkinElement* radio = Element(E::EditorsRadioButton);
  const TSize size = check->Image()->GetFrameSize();
  EXPECT_EQ(Painter()->GetCheckGlyphSize(), size);
  EXPECT_EQ(Painter()->GetRadioGlyphSize(), radio->Image()->GetFrameSize());
  const std::pair<TcxButtonState, TdxSkinElementState> states[] = {
      {cxbsDefault, esActive}, {cxbsNormal, esNormal}, {cxbsHot, esHot}, {cxbsPressed, esPressed},
      {cxbsDisabled, esDisabled}};
  const std::pair<TcxCheckBoxState, int> checks[] = {{cbsUnchecked, 0}, {cbsChecked, 1}, {cbsGrayed, 2}};
  for (const auto& [state, frame] : states) {
    for (const auto& [checkState, image] : checks) {
      SCOPED_TRACE(testing::Message() << "state " << int(state) << " check " << int(checkState));
      CanvasSurface s(size.cx, size.cy);
      Painter()->PaintCheckBox(&s.Cx, TRect{0, 0, size.cx, size.cy}, state, checkState);
      EXPECT_EQ(s.Cap().At(size.cx / 2, size.cy / 2), FrameColor(check, image, check->Image()->AdjustState(frame)));
    }
    for (bool checked : {false, true}) {
      const TSize r = radio->Image()->GetFrameSize();
      CanvasSurface s(r.cx + 6, r.cy + 6);
      Painter()->DrawRadioButton(&s.Cx, 3, 3, state, checked, false, clRed, false);
      vamire_test::Capture cap = s.Cap();
      EXPECT_EQ(cap.At(3 + r.cx / 2, 3 + r.cy / 2),
                FrameColor(radio, checked ? 1 : 0, radio->Image()->AdjustState(frame)));
      EXPECT_EQ(cap.At(1, 1), 0xFFFFFFu) << "the background colour fills the glyph's rectangle only";
    }
  }
}

// --- Editors ----------------------------------------------------------------------------------

TEST_F(SkinPainterTest, EditorColoursByStateFallBackToTheNormalStateThenToTheOffice11Look) {
  const P text[] = {P::EditorsTextColor, P::EditorsTextDisabledColor, P::EditorsTextInactiveColor,
                    P::EditorsTextReadOnlyColor};
  const P back[] = {P::EditorsBackgroundColor, P::EditorsBackgroundDisabledColor,
                    P::EditorsBackgroundInactiveColor, P::EditorsBackgroundReadOnlyColor};
  for (int s = 0; s < 4; ++s) {
    EXPECT_EQ(Painter()->GetEditorTextColorForState(TcxEditStateColorKind(s)), ColorOf(text[s])) << s;
    EXPECT_EQ(Painter()->GetEditorBackgroundColorForState(TcxEditStateColorKind(s)), ColorOf(back[s])) << s;
  }
  TdxSkinControlGroup* editors = FInfo->Group(TdxSkinGroupSlot::Editors);
  const TColor normal = ColorOf(P::EditorsTextColor);
  editors->DeleteProperty(FInfo->Property(P::EditorsTextReadOnlyColor));
  FInfo->Color(P::EditorsTextInactiveColor)->SetValue(clNone);
  EXPECT_EQ(Painter()->GetEditorTextColorForState(esckReadOnly), normal);
  EXPECT_EQ(Painter()->GetEditorTextColorForState(esckInactive), normal);
  editors->DeleteProperty(FInfo->Property(P::EditorsTextColor));
  FInfo->Color(P::EditorsTextDisabledColor)->SetValue(clDefault);
  for (TcxEditStateColorKind s : {esckNormal, esckDisabled, esckInactive, esckReadOnly})
    EXPECT_EQ(Painter()->GetEditorTextColorForState(s), Office11()->GetEditorTextColorForState(
                                                            s == esckDisabled ? esckDisabled : esckNormal))
        << int(s);
}

TEST_F(SkinPainterTest, AnEllipsisButtonDrawsThreeDotsSizedByItsContentWidth) {
  TdxSkinElement* button = Element(E::EditorsEditorButton);
  const TRect co = button->ContentOffset()->Rect();
  const bool merge = FInfo->BooleanValue(P::EditorsEditorButtonMergeBorders);
  for (const auto& [content, dot] : {std::pair{11, 1}, std::pair{12, 2}}) {
    SCOPED_TRACE(content);
    const int width = merge ? content + co.Left : content + co.Left + co.Right;
    CanvasSurface s(width, 22);
    Painter()->PaintEditButton(&s.Cx, TRect{0, 0, width, 22}, cxbkEllipsisBtn, cxbsNormal, cxbpRight);
    // The dots: d x d squares two pixels apart, in the button's text colour.
    std::size_t dots = 0;
    for (std::uint32_t p : s.Cap().Pixels) dots += p == Rgb(button->TextColor());
    EXPECT_EQ(dots, std::size_t(3 * dot * dot));
  }
}

// --- Scroll bars ------------------------------------------------------------------------------

TEST_F(SkinPainterTest, ANormalScrollTrackLeavesTheBarsBackgroundAndOtherStatesDrawIt) {
  for (TcxScrollBarPart part : {sbpPageUp, sbpPageDown}) {
    CanvasSurface normal(17, 60), hot(17, 60);
    Painter()->PaintScrollBarPart(&normal.Cx, false, TRect{0, 0, 17, 60}, part, cxbsNormal);
    Painter()->PaintScrollBarPart(&hot.Cx, false, TRect{0, 0, 17, 60}, part, cxbsHot);
    EXPECT_EQ(normal.Cap().CountNot(0xFFFFFF), 0u);
    EXPECT_GT(hot.Cap().CountNot(0xFFFFFF), 0u);
  }
  CanvasSurface background(17, 60);
  Painter()->DrawScrollBarBackground(&background.Cx, TRect{0, 0, 17, 60}, false);
  EXPECT_EQ(background.Cap().CountNot(0xFFFFFF), 0u + 17 * 60);
  EXPECT_EQ(Painter()->GetMinScrollBarThumbSize(true),
            FInfo->ScrollBarPart(0, int(sbpThumbnail))->Element->Image()->GetFrameSize().cy);
}

// --- Without its skin -------------------------------------------------------------------------

TEST_F(SkinPainterTest, APainterWhoseSkinLeftTheRegistryDrawsAsTheOffice11Look) {
  auto draw = [](TcxCustomLookAndFeelPainterClass APainter) {
    CanvasSurface s(240, 40);
    APainter->PaintButtonCell(&s.Cx, TRect{0, 0, 80, 24}, L"Ok", cxbsHot, true, clDefault, clDefault, false, false);
    APainter->PaintCheckBox(&s.Cx, TRect{90, 0, 103, 13}, cxbsNormal, cbsChecked);
    APainter->PaintScrollBarPart(&s.Cx, false, TRect{110, 0, 127, 17}, sbpLineUp, cxbsNormal);
    APainter->PaintEditButton(&s.Cx, TRect{130, 0, 147, 20}, cxbkComboBtn, cxbsNormal, cxbpRight);
    APainter->PaintGroupBoxFrame(&s.Cx, TRect{150, 0, 230, 38}, true, cxgpTop, cxBordersAll);
    return Pixels(s);
  };
  const std::vector<std::uint32_t> skinned = draw(Painter());
  ASSERT_NE(skinned, draw(Office11()));
  ExtendedStylePainterRegistry()->Unregister(L"Probe");
  EXPECT_EQ(Painter()->GetSkinInfo(), nullptr);
  EXPECT_EQ(draw(Painter()), draw(Office11()));
  EXPECT_EQ(Painter()->GetEditorTextColorForState(esckReadOnly), Office11()->GetEditorTextColorForState(esckReadOnly));
  EXPECT_EQ(Painter()->DefaultColor44(), Office11()->DefaultColor44());
}

// --- Caches -----------------------------------------------------------------------------------

TEST(SkinElementCacheTest, APictureWithTransparencyIsTheRightWayUpThroughTheCaches) {
  // Red and opaque above, blue and half transparent below.
  png_test::TPixels pixels(8 * 8);
  for (int i = 0; i < 64; ++i) pixels[std::size_t(i)] = i < 32 ? 0xFF0000FFu : 0x0000FF80u;
  const std::vector<std::uint8_t> png = png_test::EncodePng(8, 8, pixels);
  TdxSkinElement element(nullptr);
  element.Image()->LoadFromPngData(png.data(), png.size());
  element.Image()->SetStates({esNormal});
  const TRect r{0, 0, 16, 16};
  for (int pass = 0; pass < 3; ++pass) {
    SCOPED_TRACE(pass == 0 ? "direct" : pass == 1 ? "element cache" : "painter cache");
    element.SetUseCache(pass == 1);
    CanvasSurface s(16, 16);
    if (pass == 2) dxskinpainter::DrawElement(&s.Cx, &element, r);
    else element.DrawToDC(s.Dc, r, 0, esNormal);
    vamire_test::Capture cap = s.Cap();
    EXPECT_EQ(cap.At(8, 2), 0xFF0000u);
    EXPECT_GT(cap.At(8, 13) & 0xFF, 0xF0u);
    EXPECT_LT(cap.At(8, 13) >> 16, 0x90u);
  }
}

}  // namespace
