// A gallery of what the skin painter draws from each built-in skin: a group
// box holding buttons in every state, check boxes, radio buttons, editor
// buttons, a scroll bar, a progress bar, a track bar and a header, saved as
// lookandfeel_skin_gallery.png for a person to look at.
#include <gtest/gtest.h>

#include "lookandfeel_test_support.h"
#include "skinunits_win_test_support.h"

namespace {

using lookandfeel_test::CanvasSurface;

const TcxButtonState kStates[] = {cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};
const wchar_t* const kStateNames[] = {L"Default", L"Normal", L"Hot", L"Pressed", L"Disabled"};

// One skin's panel, its top-left corner at X, Y: 430 x 250.
void DrawSkin(TcxCustomLookAndFeelPainterClass P, TcxCanvas* C, int X, int Y, const String& ATitle) {
  const TRect panel{X, Y, X + 430, Y + 250};
  C->FillRect(panel, P->DefaultColor01());
  P->DrawGroupBoxPanelStyle(C, panel, false);
  // The group box, its caption on top.
  const TRect box{X + 6, Y + 4, X + 424, Y + 246};
  const TRect captionExtents = P->GetGroupBoxFrameExtents(true, cxgpTop);
  const TRect caption{box.Left, box.Top, box.Right, box.Top + 20 + captionExtents.Top + captionExtents.Bottom};
  P->DrawGroupBoxCaption(C, caption, cxgpTop);
  P->DrawGroupBoxContent(C, TRect{box.Left, caption.Bottom, box.Right, box.Bottom}, cxgpTop,
                         TcxBorders{bLeft, bRight, bBottom});
  C->Brush()->SetStyle(bsClear);
  C->Font()->SetColor(P->GetGroupBoxCaptionTextColor(true, cxgpTop));
  C->DrawText(ATitle, TRect{caption.Left + 8, caption.Top, caption.Right, caption.Bottom},
              cxAlignLeft | cxAlignVCenter | cxSingleLine);
  C->Brush()->SetStyle(bsSolid);
  int y = caption.Bottom + 8;
  const int x = X + 16;
  for (int i = 0; i < 5; ++i)
    P->PaintButtonCell(C, TRect{x + i * 76, y, x + i * 76 + 70, y + 23}, kStateNames[i], kStates[i], true, clDefault,
                       clDefault, false, false);
  y += 32;
  const TSize check = P->GetCheckGlyphSize(), radio = P->GetRadioGlyphSize();
  const TcxCheckBoxState checks[] = {cbsUnchecked, cbsChecked, cbsGrayed};
  for (int i = 0; i < 3; ++i)
    for (int s = 0; s < 3; ++s) {
      const TcxButtonState state = s == 0 ? cxbsNormal : s == 1 ? cxbsHot : cxbsDisabled;
      const int cx = x + i * 70 + s * 20;
      P->PaintCheckBox(C, TRect{cx, y, cx + check.cx, y + check.cy}, state, checks[i]);
    }
  for (int i = 0; i < 4; ++i) P->DrawRadioButton(C, x + 220 + i * (radio.cx + 6), y, i % 2 ? cxbsHot : cxbsNormal,
                                                  i >= 2, false, clDefault, false);
  y += 28;
  // An editor with its buttons.
  const TRect edit{x, y, x + 180, y + 21};
  C->FillRect(edit, P->GetEditorBackgroundColorForState(esckNormal));
  P->PaintControlBorder(C, edit);
  C->Font()->SetColor(P->GetEditorTextColorForState(esckNormal));
  C->Brush()->SetStyle(bsClear);
  C->DrawText(L"Wall 1", TRect{edit.Left + 4, edit.Top, edit.Right, edit.Bottom},
              cxAlignLeft | cxAlignVCenter | cxSingleLine);
  C->Brush()->SetStyle(bsSolid);
  const TcxEditBtnKind kinds[] = {cxbkComboBtn, cxbkEllipsisBtn, cxbkSpinUpBtn, cxbkSpinDownBtn, cxbkCloseBtn};
  for (int i = 0; i < 5; ++i)
    P->PaintEditButton(C, TRect{edit.Right + 4 + i * 20, edit.Top, edit.Right + 21 + i * 20, edit.Bottom}, kinds[i],
                       i == 1 ? cxbsHot : cxbsNormal, cxbpRight);
  y += 30;
  // A progress bar, a track bar and a header.
  const TRect progress{x, y, x + 180, y + 16};
  P->PaintProgressFill(C, progress, false);
  const TRect inner = P->GetProgressFrameRect(false);
  P->PaintProgressChunk(C, TRect{progress.Left + inner.Left, progress.Top + inner.Top, progress.Left + 110,
                                 progress.Bottom - inner.Bottom},
                        false);
  const TSize thumb = P->GetTrackBarThumbSize(true);
  const TRect trackBar{x + 200, y + thumb.cy / 2 - 2, x + 380, y + thumb.cy / 2 + 3};
  P->DrawTrackBarTrack(C, trackBar, TRect{}, false, true, true, clDefault);
  P->DrawTrackBarThumb(C, TRect{x + 260, y, x + 260 + thumb.cx, y + thumb.cy}, cxbsNormal, true, tbtaDown, clDefault);
  y += 30;
  P->PaintHeader(C, TRect{x, y, x + 120, y + 20}, TRect{x + 4, y, x + 116, y + 20}, TcxNeighbors(), cxBordersAll,
                 cxbsNormal, taLeftJustify, vaCenter, false, false, L"Column", nullptr, P->DefaultColor23(),
                 clDefault, nullptr, false);
  P->PaintHeader(C, TRect{x + 120, y, x + 240, y + 20}, TRect{x + 124, y, x + 236, y + 20}, TcxNeighbors{nLeft},
                 cxBordersAll, cxbsHot, taLeftJustify, vaCenter, false, false, L"Hot", nullptr, P->DefaultColor23(),
                 clDefault, nullptr, false);
  // A vertical scroll bar along the right.
  const int bar = 17, sx = X + 400, top = caption.Bottom + 6, bottom = Y + 236;
  P->DrawScrollBarBackground(C, TRect{sx, top + bar, sx + bar, bottom - bar}, false);
  P->PaintScrollBarPart(C, false, TRect{sx, top, sx + bar, top + bar}, sbpLineUp, cxbsNormal);
  P->PaintScrollBarPart(C, false, TRect{sx, top + bar + 30, sx + bar, top + bar + 80}, sbpThumbnail, cxbsHot);
  P->PaintScrollBarPart(C, false, TRect{sx, bottom - bar, sx + bar, bottom}, sbpLineDown, cxbsPressed);
}

TEST(SkinGalleryTest, EverySkinDrawsItsControls) {
  skinunits_test::Start(skinunits_test::BaseUnits());
  skinunits_test::Start(skinunits_test::SkinUnits());
  CanvasSurface s(3 * 440 + 10, 3 * 260 + 10);
  s.Cx.FillRect(TRect{0, 0, s.Width, s.Height}, clWhite);
  core_graphics_test::UseCrispFont(s.Cx.Font(), -12);
  const wchar_t* names[] = {L"Black", L"Blue", L"Foggy", L"LiquidSky", L"Silver", L"Xmas2008Blue", L"UserSkin"};
  for (int i = 0; i < 7; ++i) {
    TcxCustomLookAndFeelPainterClass painter = nullptr;
    ASSERT_TRUE(ExtendedStylePainterRegistry()->FindPainterByName(names[i], painter));
    DrawSkin(painter, &s.Cx, 5 + (i % 3) * 440, 5 + (i / 3) * 260, names[i]);
  }
  s.Save(L"lookandfeel_skin_gallery");
  // Each panel drew over the white page.
  const auto cap = s.Cap();
  for (int i = 0; i < 7; ++i) EXPECT_NE(cap.At(5 + (i % 3) * 440 + 200, 5 + (i / 3) * 260 + 200), 0xFFFFFFu) << i;
  FinalizeUnits();
}

}  // namespace
