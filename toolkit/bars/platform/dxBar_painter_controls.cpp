// What the bar painter base answers the bar controls and item controls: their
// brushes, shadows, heights and parts. Nothing here keeps state between calls.
#include <windows.h>

#include "dxBarControl_win.h"
#include "dxBar_win.h"

HBRUSH TdxBarPainter::DownBrush() const { return CheckedButtonBrush(); }

bool TdxBarPainter::BarControlHasShadow(TCustomdxBarControl* ABarControl) const {
  return UsesFlatPopupLook() && ABarControl->DockControl() == nullptr;
}

bool TdxBarPainter::BarControlShadowReachesParent(TCustomdxBarControl* ABarControl) const {
  if (!BarControlHasShadow(ABarControl)) return false;
  TCustomdxBarControl* parent = ABarControl->ParentBar();
  return parent == nullptr || parent->DockControl() == nullptr;
}

HBRUSH TdxBarPainter::BarControlBrush(TCustomdxBarControl* ABarControl) const {
  HBRUSH own = ABarControl ? ABarControl->BackgroundBrush() : nullptr;
  return own ? own : ToolbarBrush();
}

int TdxBarPainter::EditHeight(HDC DC) const {
  SIZE size{};
  GetTextExtentPoint32W(DC, L"Wg", 2, &size);
  return size.cy + 6;
}

int TdxBarPainter::EditItemHeight(int TextHeight) const {
  const TRect margins = EditTextMargins(), offsets = CaptionOffsets();
  return TextHeight + margins.Top + margins.Bottom + offsets.Top + offsets.Bottom;
}

int TdxBarPainter::MenuItemHeight(TCustomdxBarControl* ABarControl) const {
  TdxBarItemLinks* links = ABarControl->ItemLinks();
  int height = links && links->GetMenuItemSize() == misLarge ? int(Round(40.0 * ABarControl->Ratio()))
                                                              : ABarControl->TextSize();
  AdjustMenuItemHeight(height);
  return height;
}

int TdxBarPainter::MenuIconAreaSize(TdxBarItemControl* AItemControl) const {
  return AItemControl->Parent() ? AItemControl->Parent()->IconAreaSize() : 0;
}

TRect TdxBarPainter::CalcItemTextRect(HDC DC, const String& Caption) const {
  RECT r{0, 0, 0, 0};
  DrawTextW(DC, Caption.c_str(), int(Caption.size()), &r, DT_SINGLELINE | DT_CALCRECT);
  return TRect{r.left, r.top, r.right, r.bottom};
}

void TdxBarPainter::CalcButtonParts(bool HasDropDownPart, int ArrowWidth, const TRect& R,
                                    std::vector<TRect>& Parts) const {
  Parts.assign(HasDropDownPart ? 2 : 1, R);
  if (!HasDropDownPart) return;
  const int split = R.Right - ArrowWidth;
  Parts[0].Right = split;
  Parts[1].Left = split;
}

void TdxBarPainter::DrawItemCaption(TdxBarItemControlDrawParams* AParams, HDC DC, UINT Format, const TRect& R,
                                    int Alignment) const {
  DrawItemText(DC, Format, AParams->ItemControl()->UsesFlatLook(), false, AParams->PaintKind == 2,
               AParams->DrawSelected, AParams->Enabled, Alignment, R, AParams->Caption, AParams->ItemControl());
}
