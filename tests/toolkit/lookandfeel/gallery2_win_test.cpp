// A gallery of buttons, check boxes, radio buttons, arrows, scroll-bar parts
// and group boxes in the ultra-flat, Office11 and native looks, saved as PNG
// files for a person to look at ("gallery_ultraflat_plain.png" and so on).
// The native look is saved where themes serve (the themed prefix).
#include "lookandfeel2_test_support.h"

namespace {

using namespace lookandfeel2_test;

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TLookAndFeelUnits);

constexpr int kWidth = 480, kHeight = 330;

void Label(TcxCanvas* ACanvas, const String& AText, const TRect& R, TColor AColor) {
  ACanvas->Font()->SetColor(AColor);
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->DrawText(AText, R, cxAlignLeft | cxAlignVCenter | cxSingleLine);
  ACanvas->Brush()->SetStyle(bsSolid);
}

void DrawGallery(TcxCustomLookAndFeelPainterClass P, TcxCanvas* C) {
  C->FillRect({0, 0, kWidth, kHeight}, clBtnFace);
  // Buttons in every state.
  const std::pair<TcxButtonState, const wchar_t*> buttons[] = {
      {cxbsNormal, L"Normal"}, {cxbsHot, L"Hot"}, {cxbsPressed, L"Pressed"}, {cxbsDisabled, L"Disabled"},
      {cxbsDefault, L"Default"}};
  int x = 10;
  for (auto [state, caption] : buttons) {
    P->PaintButtonCell(C, {x, 10, x + 75, 33}, caption, state, true, clDefault, clDefault, false, false);
    x += 85;
  }
  // Check boxes and radio buttons in the four states, checked and not.
  const TcxButtonState states[] = {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};
  const TSize check = P->GetCheckGlyphSize(), radio = P->GetRadioGlyphSize();
  x = 10;
  for (TcxButtonState state : states) {
    for (TcxCheckBoxState checked : {cbsUnchecked, cbsChecked, cbsGrayed}) {
      P->PaintCheckBox(C, {x, 48, x + check.cx, 48 + check.cy}, state, checked);
      x += check.cx + 6;
    }
    x += 8;
  }
  x = 10;
  for (TcxButtonState state : states) {
    for (bool checked : {false, true}) {
      P->DrawRadioButton(C, x, 72, state, checked, false, clDefault, false);
      x += radio.cx + 6;
    }
    x += 8;
  }
  // Arrow buttons, four ways, and state arrows.
  x = 10;
  for (TcxArrowDirection direction : {adUp, adDown, adLeft, adRight}) {
    P->PaintArrowButton(C, {x, 96, x + 17, 113}, cxbsNormal, direction, true);
    x += 22;
  }
  // State arrows on button faces of their state, as spin and drop-down buttons show them.
  for (TcxButtonState state : states) {
    P->PaintButtonCell(C, {x, 96, x + 17, 113}, L"", state, true, clDefault, clDefault, false, false);
    P->PaintStateArrow(C, {x, 96, x + 17, 113}, state, adDown);
    x += 22;
  }
  // A vertical and a horizontal scroll bar, their thumb hot and one track pressed.
  const int top = 125;
  P->PaintScrollBarPart(C, false, {10, top, 27, top + 17}, sbpLineUp, cxbsNormal);
  P->PaintScrollBarPart(C, false, {10, top + 17, 27, top + 50}, sbpPageUp, cxbsNormal);
  P->PaintScrollBarPart(C, false, {10, top + 50, 27, top + 90}, sbpThumbnail, cxbsHot);
  P->PaintScrollBarPart(C, false, {10, top + 90, 27, top + 150}, sbpPageDown, cxbsPressed);
  P->PaintScrollBarPart(C, false, {10, top + 150, 27, top + 167}, sbpLineDown, cxbsPressed);
  P->PaintScrollBarPart(C, true, {40, top, 57, top + 17}, sbpLineUp, cxbsHot);
  P->PaintScrollBarPart(C, true, {57, top, 110, top + 17}, sbpPageUp, cxbsNormal);
  P->PaintScrollBarPart(C, true, {110, top, 160, top + 17}, sbpThumbnail, cxbsNormal);
  P->PaintScrollBarPart(C, true, {160, top, 230, top + 17}, sbpPageDown, cxbsNormal);
  P->PaintScrollBarPart(C, true, {230, top, 247, top + 17}, sbpLineDown, cxbsDisabled);
  // Group boxes, enabled and disabled, their caption in the look's colour.
  for (bool enabled : {true, false}) {
    const int left = enabled ? 40 : 250;
    const TRect frame{left, top + 40, left + 200, top + 160};
    const int captionHeight = C->MeasureTextHeight(L"Qq");
    C->SaveDeviceState();
    const TRect caption{left + 8, frame.Top, left + 8 + C->MeasureTextWidth(L" Wall settings ") , frame.Top + captionHeight};
    C->ExcludeClipRectangle(caption);
    P->PaintGroupBoxFrame(C, {frame.Left, frame.Top + captionHeight / 2, frame.Right, frame.Bottom}, enabled,
                          cxgpTop, cxBordersAll);
    C->RestoreDeviceState();
    Label(C, L" Wall settings ", caption, P->GetGroupBoxCaptionTextColor(enabled, cxgpTop));
    P->PaintButtonCell(C, {left + 20, frame.Top + 30, left + 95, frame.Top + 53}, L"Apply",
                       enabled ? cxbsNormal : cxbsDisabled, true, clDefault, clDefault, false, false);
    P->PaintCheckBox(C, {left + 20, frame.Top + 70, left + 20 + check.cx, frame.Top + 70 + check.cy},
                     enabled ? cxbsNormal : cxbsDisabled, cbsChecked);
    Label(C, L"Auto power", {left + 26 + check.cx, frame.Top + 66, left + 190, frame.Top + 88},
          enabled ? clBtnText : clGrayText);
  }
}

TEST(GalleryTest, EachLookDrawsTheGalleryAndItIsSaved) {
  const String prefix = vamire_test::InThemedPrefix() ? L"themed" : L"plain";
  struct {
    const wchar_t* Name;
    TcxCustomLookAndFeelPainterClass Painter;
    bool NeedsThemes;
  } looks[] = {{L"ultraflat", TcxUltraFlatLookAndFeelPainter::Instance(), false},
               {L"office11", TcxOffice11LookAndFeelPainter::Instance(), false},
               {L"native", TcxWinXPLookAndFeelPainter::Instance(), true}};
  for (const auto& look : looks) {
    if (look.NeedsThemes && !CanUseThemes()) continue;
    CanvasSurface s(kWidth, kHeight);
    core_graphics_test::UseCrispFont(s.Cx.Font(), -11);
    DrawGallery(look.Painter, &s.Cx);
    const auto cap = s.Cap();
    // Something of every row is drawn over the face.
    for (int y : {20, 54, 78, 104, 133, 205}) {
      int drawn = 0;
      for (int x2 = 0; x2 < kWidth; ++x2) drawn += cap.At(x2, y) != Rgb(clBtnFace);
      EXPECT_GT(drawn, 10) << "row " << y;
    }
    EXPECT_TRUE(cap.SavePng(String(L"gallery_") + look.Name + L"_" + prefix + L".png"));
  }
}

}  // namespace
