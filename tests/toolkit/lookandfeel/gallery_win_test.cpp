// A gallery of what the standard and flat looks draw: buttons, check boxes,
// radio buttons, arrows, scroll bars and group boxes in every state, saved as
// lookandfeel_gallery.png for a person to look at.
#include "lookandfeel_test_support.h"

namespace {

using namespace lookandfeel_test;

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TPainterUnits);

const TcxButtonState kStates[] = {cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};
const wchar_t* const kStateNames[] = {L"Default", L"Normal", L"Hot", L"Pressed", L"Disabled"};

void Label(TcxCanvas* C, const String& AText, const TRect& R, TColor AColor = clBtnText) {
  C->Brush()->SetStyle(bsClear);
  C->Font()->SetColor(AColor);
  C->DrawText(AText, R, cxAlignLeft | cxAlignVCenter | cxSingleLine);
  C->Brush()->SetStyle(bsSolid);
}

// One look's column of the gallery, its top-left corner at X, Y.
void DrawLook(TcxCustomLookAndFeelPainterClass P, TcxCanvas* C, int X, int Y, const String& ATitle) {
  Label(C, ATitle, {X, Y, X + 300, Y + 16});
  Y += 22;
  // Buttons, 75 x 23, in every state.
  for (int i = 0; i < 5; ++i) {
    const TRect r{X + i * 83, Y, X + i * 83 + 75, Y + 23};
    P->PaintButtonCell(C, r, kStateNames[i], kStates[i], true, clDefault, clDefault, false, false);
  }
  Y += 33;
  // Check boxes: unchecked, checked and grayed, enabled, hot and disabled.
  const TSize check = P->GetCheckGlyphSize();
  const TcxCheckBoxState checks[] = {cbsUnchecked, cbsChecked, cbsGrayed};
  const wchar_t* checkNames[] = {L"Off", L"On", L"Mixed"};
  for (int i = 0; i < 3; ++i)
    for (int s = 0; s < 3; ++s) {
      const TcxButtonState state = s == 0 ? cxbsNormal : s == 1 ? cxbsHot : cxbsDisabled;
      const int x = X + i * 140 + s * 22, y = Y;
      P->PaintCheckBox(C, {x, y, x + check.cx, y + check.cy}, state, checks[i]);
      if (s == 2) Label(C, checkNames[i], {x + check.cx + 4, y - 2, x + 80, y + check.cy + 2});
    }
  Y += check.cy + 10;
  // Radio buttons: unchecked and checked in every state but the default.
  const TSize radio = P->GetRadioGlyphSize();
  for (int checked = 0; checked < 2; ++checked)
    for (int s = 1; s < 5; ++s) {
      const int x = X + checked * 140 + (s - 1) * 22;
      P->DrawRadioButton(C, x, Y, kStates[s], checked == 1, false, clDefault, false);
    }
  Label(C, L"Radio", {X + 280, Y - 2, X + 340, Y + radio.cy + 2});
  Y += radio.cy + 12;
  // Arrow buttons in the four directions, then plain arrows and state arrows.
  const TcxArrowDirection dirs[] = {adUp, adDown, adLeft, adRight};
  for (int i = 0; i < 4; ++i) {
    P->PaintArrowButton(C, {X + i * 24, Y, X + i * 24 + 19, Y + 19}, cxbsNormal, dirs[i], true);
    P->PaintStateArrow(C, {X + 110 + i * 22, Y, X + 110 + i * 22 + 17, Y + 17}, i == 3 ? cxbsDisabled : cxbsNormal,
                       dirs[i]);
  }
  P->PaintChevronButton(C, {X + 210, Y, X + 225, Y + 19}, true, cxbsNormal);
  P->PaintChevronButton(C, {X + 230, Y, X + 245, Y + 19}, false, cxbsHot);
  P->PaintCrossButton(C, {X + 255, Y, X + 271, Y + 14}, cxbsNormal);
  const int tree = P->GetTreeButtonSize() > 0 ? P->GetTreeButtonSize() : 9;
  C->PushClipRegion();
  P->PaintTreeButton(C, {X + 285, Y, X + 285 + tree, Y + tree}, false, clDefault);
  P->PaintTreeButton(C, {X + 305, Y, X + 305 + tree, Y + tree}, true, clDefault);
  C->PopClipRegion();
  P->PaintDropButton(C, {X + 325, Y, X + 340, Y + 17}, cxbsNormal, false);
  Y += 30;
  // A vertical and a horizontal scroll bar made of their five parts.
  const int w = 17;
  P->PaintScrollBarPart(C, false, {X, Y, X + w, Y + w}, sbpLineUp, cxbsNormal);
  P->PaintScrollBarPart(C, false, {X, Y + w, X + w, Y + 40}, sbpPageUp, cxbsNormal);
  P->PaintScrollBarPart(C, false, {X, Y + 40, X + w, Y + 70}, sbpThumbnail, cxbsNormal);
  P->PaintScrollBarPart(C, false, {X, Y + 70, X + w, Y + 100}, sbpPageDown, cxbsPressed);
  P->PaintScrollBarPart(C, false, {X, Y + 100, X + w, Y + 100 + w}, sbpLineDown, cxbsPressed);
  const int hx = X + 30;
  P->PaintScrollBarPart(C, true, {hx, Y, hx + w, Y + w}, sbpLineUp, cxbsDisabled);
  P->PaintScrollBarPart(C, true, {hx + w, Y, hx + 80, Y + w}, sbpPageUp, cxbsNormal);
  P->PaintScrollBarPart(C, true, {hx + 80, Y, hx + 130, Y + w}, sbpThumbnail, cxbsHot);
  P->PaintScrollBarPart(C, true, {hx + 130, Y, hx + 200, Y + w}, sbpPageDown, cxbsNormal);
  P->PaintScrollBarPart(C, true, {hx + 200, Y, hx + 200 + w, Y + w}, sbpLineDown, cxbsNormal);
  P->PaintSizeGripAt(C, {hx + 200 + w, Y, hx + 200 + 2 * w, Y + w}, clBtnFace, coBottomRight);
  // Control border, label line and a progress frame beside the vertical bar.
  P->PaintControlBorder(C, {hx, Y + 30, hx + 120, Y + 60});
  P->PaintLabelLine(C, {hx + 130, Y + 44, hx + 250, Y + 46}, clDefault, clDefault, false);
  TRect progress{hx, Y + 70, hx + 250, Y + 88};
  P->PaintProgressFrame(C, progress);
  C->FillRect({progress.Left + 1, progress.Top + 1, progress.Left + 120, progress.Bottom - 1}, clHighlight);
  P->PaintSortGlyph(C, {hx + 260, Y + 30, hx + 280, Y + 47}, true);
  P->PaintSortGlyph(C, {hx + 285, Y + 30, hx + 305, Y + 47}, false);
  Y += 130;
  // Group boxes, enabled and disabled, their captions in a gap of the frame.
  for (int i = 0; i < 2; ++i) {
    const bool enabled = i == 0;
    const TRect box{X + i * 190, Y, X + i * 190 + 175, Y + 70};
    const String caption = enabled ? L"Wall settings" : L"Disabled group";
    const int textWidth = C->MeasureTextWidth(caption), textHeight = C->MeasureTextHeight(caption);
    const TRect frame{box.Left, box.Top + textHeight / 2, box.Right, box.Bottom};
    const TRect captionRect{box.Left + 8, box.Top, box.Left + 12 + textWidth, box.Top + textHeight};
    C->PushClipRegion();
    C->ExcludeClipRectangle(captionRect);
    P->PaintGroupBoxFrame(C, frame, enabled, cxgpTop, cxBordersAll);
    C->PopClipRegion();
    Label(C, caption, {captionRect.Left + 2, captionRect.Top, captionRect.Right, captionRect.Bottom},
          P->GetGroupBoxCaptionTextColor(enabled, cxgpTop));
    P->PaintCheckBox(C, {box.Left + 12, box.Top + 26, box.Left + 12 + check.cx, box.Top + 26 + check.cy},
                     enabled ? cxbsNormal : cxbsDisabled, cbsChecked);
    P->DrawRadioButton(C, box.Left + 12, box.Top + 46, enabled ? cxbsNormal : cxbsDisabled, true, false, clDefault,
                       false);
    Label(C, L"Auto switch", {box.Left + 32, box.Top + 24, box.Right - 4, box.Top + 40},
          enabled ? clBtnText : clGrayText);
    Label(C, L"Matrix link", {box.Left + 32, box.Top + 44, box.Right - 4, box.Top + 60},
          enabled ? clBtnText : clGrayText);
  }
}

TEST(GalleryTest, StandardAndFlatLooksSideBySide) {
  CanvasSurface s(900, 420);
  s.Fill(clBtnFace);
  core_graphics_test::UseCrispFont(s.Cx.Font(), -13);
  DrawLook(TcxStandardLookAndFeelPainter::Instance(), &s.Cx, 10, 8, L"Standard");
  DrawLook(TcxFlatLookAndFeelPainter::Instance(), &s.Cx, 460, 8, L"Flat");
  s.Save(L"lookandfeel_gallery");
  const auto c = s.Cap();
  // Each column drew something in its own half.
  std::size_t left = 0, right = 0;
  for (int y = 0; y < c.Height; ++y)
    for (int x = 0; x < c.Width; ++x)
      if (c.At(x, y) != Rgb(clBtnFace)) (x < 450 ? left : right)++;
  EXPECT_GT(left, 5000u);
  EXPECT_GT(right, 5000u);
}

}  // namespace
