// The banded styles: every tab row is a strip across the control with its own
// background and border lines; unselected tabs are flat areas divided by thin
// separators, and the active tab is framed and joins the page through a strip
// of its colour. ExtraFlat uses system colours, UltraFlat darker one-colour
// frames, Office11 the Office colour set with its gradients.
#include <algorithm>

#include "cxLookAndFeels.h"
#include "cxPCPainters.h"
#include "dxOffice11_win.h"

namespace {

// The edge of a tab that faces the page.
TcxTabPosition PageSide(TcxTabPosition ASide) {
  switch (ASide) {
    case tpTop: return tpBottom;
    case tpBottom: return tpTop;
    case tpLeft: return tpRight;
    case tpRight: return tpLeft;
  }
  return tpBottom;
}

bool FacesUpOrLeft(TcxTabPosition AEdge) { return AEdge == tpTop || AEdge == tpLeft; }

// R grown by ADistance across its edge AEdge.
TRect GrowAt(TRect R, TcxTabPosition AEdge, int ADistance) {
  switch (AEdge) {
    case tpTop: R.Top -= ADistance; break;
    case tpBottom: R.Bottom += ADistance; break;
    case tpLeft: R.Left -= ADistance; break;
    case tpRight: R.Right += ADistance; break;
  }
  return R;
}

// The ACount pixel lines of R along its edge AEdge.
TRect EdgeStrip(const TRect& R, TcxTabPosition AEdge, int ACount) {
  switch (AEdge) {
    case tpTop: return TRect{R.Left, R.Top, R.Right, R.Top + ACount};
    case tpBottom: return TRect{R.Left, R.Bottom - ACount, R.Right, R.Bottom};
    case tpLeft: return TRect{R.Left, R.Top, R.Left + ACount, R.Bottom};
    case tpRight: return TRect{R.Right - ACount, R.Top, R.Right, R.Bottom};
  }
  return TRect{};
}

}  // namespace

// --- ExtraFlat -----------------------------------------------------------------------------------
int TcxPCExtraFlatPainter::ActiveTab() const { return TabControl()->SelectedVisibleTab(); }

TColor TcxPCExtraFlatPainter::LightFaceColor() { return PCLightFaceColor(); }

void TcxPCExtraFlatPainter::TakeEdgeLine(TRect& R, TcxTabPosition AEdge, TColor AColor) {
  if (RectHasNoArea(R)) return;
  TRect line = R;
  switch (AEdge) {
    case tpTop: line.Bottom = line.Top + 1, ++R.Top; break;
    case tpBottom: line.Top = line.Bottom - 1, --R.Bottom; break;
    case tpLeft: line.Right = line.Left + 1, ++R.Left; break;
    case tpRight: line.Left = line.Right - 1, --R.Right; break;
  }
  TabControl()->Canvas()->FillRect(line, AColor);
}

int TcxPCExtraFlatPainter::CalculateTabNormalWidth(TcxTab* ATab) {
  if (TabControl()->TabWidth() >= 1) return TabControl()->TabWidth();
  const int vi = ATab->VisibleIndex();
  int result = GetTabExtraWidth(vi);
  if (ATab->Caption().empty()) {
    result += 12;
  } else {
    TSize size{};
    MeasureTabText(ATab, RemoveAcceleratorsW(ATab->Caption(), false), nullptr, size);
    result += int(size.cx) + 9;
  }
  return std::max(result, GetMinTabWidth(vi));
}

void TcxPCExtraFlatPainter::GetTabRectCorrection(int AVisibleIndex, TRect& ADeltas) {
  ADeltas = AVisibleIndex == ActiveTab() ? TRect{-1, -1, 1, 1} : TRect{};
}

int TcxPCExtraFlatPainter::GetNavigatorButtonSpacing(TcxPCNavigatorButton AButton, TcxPCNavigatorButton ANextButton) {
  const bool arrow = AButton == nbTopLeft || AButton == nbBottomRight || ANextButton == nbTopLeft ||
                     ANextButton == nbBottomRight;
  return arrow && (AButton == nbGoDialog || ANextButton == nbGoDialog) ? 0 : 3;
}

bool TcxPCExtraFlatPainter::TabsShownInRows() {
  return !TabControl()->HideTabs() && TabControl()->RowCount() > 0;
}

TRect TcxPCExtraFlatPainter::GetDisplayAreaMargins() {
  TRect m = TcxPCStandardPainter::GetDisplayAreaMargins();
  if (TabsShownInRows()) m.Top += 2;
  CorrectDisplayAreaMargins(m);
  return m;
}

void TcxPCExtraFlatPainter::CorrectDisplayAreaMargins(TRect& AMargins) {
  if (IsFrameVisible() && TabsShownInRows()) --AMargins.Top;
}

TColor TcxPCExtraFlatPainter::GetDefaultColor() {
  return TabControl()->GetActivePageObject() ? TabControl()->Color() : GetBackgroundColor();
}

TRect TcxPCExtraFlatPainter::GetTabsAreaMargins() {
  TRect m = TcxPCStandardPainter::GetTabsAreaMargins();
  if (TabsShownInRows() && ParentInfo()->RowsOnOppositeSide()) m.Bottom += 3;
  return m;
}

void TcxPCExtraFlatPainter::GetTabImageOffsets(int AVisibleIndex, int AOffsets[4]) {
  const int offsets[4] = {AVisibleIndex == ActiveTab() ? 3 : 2, 0, 0, 0};
  std::copy_n(offsets, 4, AOffsets);
}

void TcxPCExtraFlatPainter::GetTabTextOffsets(int AVisibleIndex, int AOffsets[4]) {
  const bool active = AVisibleIndex == ActiveTab();
  int offsets[4] = {active ? 6 : 5, 2, 3, 0};
  const int kind = TabControl()->Tabs()->VisibleTab(AVisibleIndex)->LayoutKind();
  if (kind == 5 || kind == 7 || kind == 10) offsets[1] = offsets[3] = 0;
  if (HasImages()) offsets[0] += active ? 1 : 2;
  std::copy_n(offsets, 4, AOffsets);
}

TColor TcxPCExtraFlatPainter::GetTabColor(int AVisibleIndex) {
  if (ParentInfo()->VisibleTab(AVisibleIndex)->Highlighted()) return GetHighlightedTabColor();
  const TColor own = GetTabOwnColor(AVisibleIndex);
  if (own != clDefault) return own;
  return AVisibleIndex == ActiveTab() ? clBtnFace : LightFaceColor();
}

void TcxPCExtraFlatPainter::GetTextMargins(int AVisibleIndex, int AMargins[2]) {
  AMargins[0] = AMargins[1] = AVisibleIndex == ActiveTab() ? 3 : 2;
}

TPoint TcxPCExtraFlatPainter::GetTabsSpacing() {
  const TPoint spacing{GetSeparatorWidth(), GetRowSpacing() + 3};
  return TabControl()->Rotate() ? TPoint{spacing.Y, spacing.X} : spacing;
}

void TcxPCExtraFlatPainter::GetTabsAreaInfo(const TcxPCNavigatorButtons& AButtons, TcxPCTabsAreaInfo& AInfo) {
  const TcxTabPosition p = TabControl()->TabPosition();
  const int width = TabControl()->Width(), height = TabControl()->Height();
  TRect m{6, 3, 6, 0};
  if (IsRowFramed()) {
    m.Top += GetFrameThickness();
    m.Bottom += GetFrameThickness();
  }
  TRect bounds = ShrinkRectByMargins(TRect{0, 0, width, height}, RotateMarginsToSide(m, p));
  const int navigator = GetNavigatorAreaWidth(AButtons);
  TakeNavigatorOff(bounds, navigator);
  AInfo.RowsBounds = bounds;
  AInfo.TabsAreaRect = ShrinkRectByMargins(bounds, RotateMarginsToSide(TRect{-1, -1, -1, 0}, p));
  AInfo.RowLength = (TabsAreHorizontal() ? width : height) - navigator - 12;
  const bool nearSide = p == tpTop || p == tpLeft;
  AInfo.FirstShift = nearSide ? 1 : 0;
  AInfo.SecondShift = nearSide ? 0 : -1;
  AInfo.RowSpacing = GetTabsSpacing().Y - 1;
  CalculateNavigatorButtons(AButtons);
}

void TcxPCExtraFlatPainter::GetActiveTabFocusRect(TRect& R) {
  const int active = ActiveTab();
  R = active < 0 ? TRect{} : TabControl()->Tabs()->VisibleTab(active)->FullRect();
  static constexpr TRect kCorrections[] = {{0, 0, -1, 1}, {1, -1, -1, -1}, {0, 0, 1, -1}, {-1, 1, -1, -1}};
  R = ApplyRectCorrection(R, kCorrections[TabControl()->TabPosition()]);
}

void TcxPCExtraFlatPainter::GetTabsAreaStripRect(TRect& R) {
  R = TRect{};
  if (!TabsShownInRows()) return;
  const TRect display = CalculateDisplayRect();
  const TcxTabPosition p = TabControl()->TabPosition();
  switch (p) {
    case tpTop: R = TRect{display.Left, display.Top - 2, display.Right, display.Top}; break;
    case tpBottom: R = TRect{display.Left, display.Bottom, display.Right, display.Bottom + 2}; break;
    case tpLeft: R = TRect{display.Left - 2, display.Top, display.Left, display.Bottom}; break;
    case tpRight: R = TRect{display.Right, display.Top, display.Right + 2, display.Bottom}; break;
  }
}

TColor TcxPCExtraFlatPainter::GetTabsAreaColor() {
  const int active = ActiveTab();
  const TColor own = active < 0 ? clDefault : GetTabOwnColor(active);
  return own == clDefault ? clBtnFace : own;
}

void TcxPCExtraFlatPainter::GetTabRowBounds(int AFirstVisibleIndex, bool AWholeRow, TRect& R) {
  TcxTab* tab = TabControl()->Tabs()->VisibleTab(AWholeRow ? AFirstVisibleIndex : ActiveTab());
  const TcxTabPosition side = TcxTabPosition(tab->Side());
  const TcxTabPosition page = PageSide(side);
  if (AWholeRow) {
    R = GrowAt(GrowAt(tab->NormalRect(), side, 3), page, GetRowSpacing());
    return;
  }
  R = tab->FullRect();
  for (TcxTabPosition edge : {tpTop, tpBottom, tpLeft, tpRight})
    if (edge != page) R = GrowAt(R, edge, -1);
}

TRect TcxPCExtraFlatPainter::RowRect(int ADisplayRow) {
  const TcxPCLineIndexBoundsArray ranges = TabControl()->Layout().GetRowTabRanges();
  if (ADisplayRow < 0 || ADisplayRow >= int(ranges.size()) || ranges[std::size_t(ADisplayRow)].Left < 0)
    return TRect{};
  TRect r;
  GetTabRowBounds(ranges[std::size_t(ADisplayRow)].Left, true, r);
  const int end = IsRowFramed() ? 1 : 0;
  if (TabsAreHorizontal()) {
    r.Left = end;
    r.Right = TabControl()->Width() - end;
  } else {
    r.Top = end;
    r.Bottom = TabControl()->Height() - end;
  }
  return r;
}

void TcxPCExtraFlatPainter::DrawActiveTabBorder(TRect& R) {
  const TcxTabPosition side = TabControl()->TabPosition();
  const TcxTabPosition page = PageSide(side);
  for (TcxTabPosition edge : {tpLeft, tpTop, tpRight, tpBottom})
    if (edge != page) TakeEdgeLine(R, edge, FacesUpOrLeft(edge) ? TColor(0xFFFFFF) : TColor(0x000000));
  if (side == tpBottom || side == tpRight) {
    const TRect full = TabControl()->Tabs()->VisibleTab(ActiveTab())->FullRect();
    TabControl()->Canvas()->SetPixel(full.Left, full.Top, TColor(0x000000));
  }
}

void TcxPCExtraFlatPainter::DrawTabBackground(TcxCanvas* ACanvas, const TRect& R, int AVisibleIndex) {
  TRect r = R;
  if (AVisibleIndex != ActiveTab()) {
    ACanvas->FrameRectBorders(r, LightFaceColor());
    r = InflateRectXY(r, -1, -1);
  }
  ACanvas->FillRect(r, AVisibleIndex < 0 ? LightFaceColor() : GetTabColor(AVisibleIndex));
}

void TcxPCExtraFlatPainter::DrawSeparator(const TRect& R) {
  TabControl()->Canvas()->FillRect(R, clBtnShadow);
  TabControl()->Canvas()->ExcludeClipRectangle(R);
}

void TcxPCExtraFlatPainter::DrawRowBorder(const TRect& R, int /*ARow*/) {
  const TcxTabPosition side = TabControl()->TabPosition();
  const TColor colors[] = {clBtnFace, clBtnFace, FacesUpOrLeft(side) ? TColor(0xFFFFFF) : TColor(0x000000)};
  TRect r = R;
  for (TColor c : colors) TakeEdgeLine(r, PageSide(side), c);
  TabControl()->Canvas()->ExcludeClipRectangle(EdgeStrip(R, PageSide(side), 3));
}

void TcxPCExtraFlatPainter::Paint() {
  DrawClientArea();
  if (TabControl()->HideTabs()) return;
  DrawNavigatorButtons();
  DrawTabs();
}

void TcxPCExtraFlatPainter::DrawClientArea() {
  TRect strip;
  GetTabsAreaStripRect(strip);
  if (!RectHasNoArea(strip)) TabControl()->Canvas()->FillRect(strip, GetTabsAreaColor());
  TcxPCStandardPainter::DrawClientArea();
}

void TcxPCExtraFlatPainter::DrawFrame() {
  TColor light, dark;
  GetFrameColors(light, dark);
  TRect r = CalculateTabsAreaInnerRect();
  if (!TabsShownInRows()) {
    FrameTwoColors(r, light, dark);
    return;
  }
  struct TEdge {
    TcxTabPosition Edge;
    bool Dark;
  };
  static constexpr TEdge kEdges[4][3] = {{{tpRight, true}, {tpBottom, true}, {tpLeft, false}},
                                         {{tpRight, true}, {tpTop, false}, {tpLeft, false}},
                                         {{tpBottom, true}, {tpRight, true}, {tpTop, false}},
                                         {{tpBottom, true}, {tpLeft, false}, {tpTop, false}}};
  for (const TEdge& e : kEdges[TabControl()->TabPosition()]) TakeEdgeLine(r, e.Edge, e.Dark ? dark : light);
}

void TcxPCExtraFlatPainter::DrawTabs() {
  TcxCustomTabControl* control = TabControl();
  TcxCanvas* canvas = control->Canvas();
  const TcxPCLineIndexBoundsArray ranges = control->Layout().GetRowTabRanges();
  const int active = ActiveTab();
  for (int row = 0; row < int(ranges.size()); ++row) {
    const int first = ranges[std::size_t(row)].Left, last = ranges[std::size_t(row)].Right;
    if (first < 0) continue;
    SaveClipRegion();
    for (int i = first; i <= last; ++i) {
      DrawTab(i);
      if (i == last || i == active || i + 1 == active) continue;
      TcxTab* tab = control->Tabs()->VisibleTab(i);
      const TRect r = tab->NormalRect();
      const int w = GetSeparatorWidth();
      int indentNear, indentFar;
      GetSeparatorIndents(indentNear, indentFar);
      TRect separator;
      if (TabsAreHorizontal()) {
        const bool reversed = IsReversedHorizontalStrip(control->TabPosition(), control->Rotate(), control->Options());
        separator = reversed ? TRect{r.Left - w, r.Top + indentNear, r.Left, r.Bottom - indentFar}
                             : TRect{r.Right, r.Top + indentNear, r.Right + w, r.Bottom - indentFar};
      } else {
        const bool reversed = IsReversedVerticalStrip(control->TabPosition(), control->Rotate(), control->Options());
        separator = reversed ? TRect{r.Left + indentNear, r.Top - w, r.Right - indentFar, r.Top}
                             : TRect{r.Left + indentNear, r.Bottom, r.Right - indentFar, r.Bottom + w};
      }
      DrawSeparator(separator);
    }
    const TRect rowRect = RowRect(row);
    DrawRowBorder(rowRect, row);
    DrawTabBackground(canvas, rowRect, -1);
    RestoreClipRegion();
    for (int i = first; i <= last; ++i)
      if (ClipsTabContentOnly(i)) {
        PrepareTabFont(control->Tabs()->VisibleTab(i), canvas);
        CalculateTabImageAndTextRects(i);
        OwnerDrawTab(i);
      }
    canvas->ExcludeClipRectangle(rowRect);
  }
}

void TcxPCExtraFlatPainter::RepaintTab(int AVisibleIndex, TcxPCTabChangeReason AReason) {
  TcxCustomTabControl* control = TabControl();
  TcxTab* tab = control->Tabs()->VisibleTab(AVisibleIndex);
  if (IsVerticalTab(control->TabPosition(), control->Rotate())) tab->DropCaptionBitmap();
  if (AReason == tcrSelection && AVisibleIndex != ActiveTab())
    InvalidateRect(tab->VisibleRect());
  else
    InvalidateTab(AVisibleIndex);
  if (AVisibleIndex == ActiveTab()) {
    TRect strip;
    GetTabsAreaStripRect(strip);
    InvalidateRect(strip);
  }
}

int TcxPCExtraFlatPainter::CalculateTabNormalHeight() {
  int result = std::max(GetTabContentHeight(), GetMinTabNormalHeight());
  const int image = GetImageSize().cy;
  if (TabControl()->Rotate() && image > 0 && (result - image) % 2 != 0) ++result;
  if (TabControl()->TabHeight() >= 17) result = std::max(result, TabControl()->TabHeight() - 4);
  return result;
}

bool TcxPCExtraFlatPainter::GetNavigatorButtonInfo(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonInfo& AInfo) {
  const TcxPCNavigatorButtonState state = TabControl()->NavigatorButtonState(AButton);
  TcxPCStandardPainter::GetNavigatorButtonInfo(AButton, AInfo);
  AInfo.SmallCross = AButton == nbClose || !TabControl()->Enabled() || state == nbsDisabled;
  if (AInfo.SmallCross) AInfo.BrushColor = LightFaceColor();
  AInfo.Enabled = true;
  return true;
}

TColor TcxPCExtraFlatPainter::GetNavigatorButtonColor(TcxPCNavigatorButtonState AState) {
  return AState == nbsHot || AState == nbsPressed ? clBtnFace : LightFaceColor();
}

TColor TcxPCExtraFlatPainter::GetNavigatorArrowColor(TcxPCNavigatorButtonState AState) {
  if (AState == nbsDisabled || !TabControl()->Enabled()) return clBtnShadow;
  return AState == nbsPressed ? clBtnHighlight : clBtnText;
}

TcxPCNavigatorButtonState TcxPCExtraFlatPainter::GetNavigatorArrowOffset(TcxPCNavigatorButton AButton,
                                                                           TPoint& AOffset) {
  const TcxPCNavigatorButtonState state = TabControl()->NavigatorButtonState(AButton);
  const bool horizontal = TabsAreHorizontal();
  switch (AButton) {
    case nbGoDialog: AOffset = state == nbsPressed ? TPoint{3, 5} : TPoint{3, 4}; break;
    case nbClose: AOffset = horizontal ? TPoint{2, 3} : TPoint{3, 2}; break;
    case nbTopLeft: AOffset = horizontal ? TPoint{5, 2} : TPoint{2, 5}; break;
    case nbBottomRight: AOffset = horizontal ? TPoint{3, 2} : TPoint{2, 3}; break;
  }
  return state;
}

int TcxPCExtraFlatPainter::GetTabExtraWidth(int AVisibleIndex) {
  const bool showsNoImage = AVisibleIndex >= 0 && !TabHasImage(AVisibleIndex);
  if (!HasImages() || (showsNoImage && !TabControl()->Rotate())) return 0;
  return GetImageSize().cx + 2 * TabControl()->ImageBorder() + 4;
}

void TcxPCExtraFlatPainter::DrawNavigatorButtonFrame(TRect& R, TcxPCNavigatorButtonState AState) {
  if (AState == nbsHot || AState == nbsPressed) {
    const bool hot = AState == nbsHot;
    const int l = R.Left, t = R.Top, r = R.Right, b = R.Bottom;
    const TPoint topLeft[] = {{l, b - 2}, {l, t}, {r - 2, t}};
    const TPoint bottomRight[] = {{l, b - 1}, {r - 1, b - 1}, {r - 1, t}};
    DrawPolyline(topLeft, 2, nullptr, hot ? cl3DLight : cl3DDkShadow);
    DrawPolyline(bottomRight, 2, nullptr, hot ? cl3DDkShadow : cl3DLight);
  }
  R = InflateRectXY(R, -1, -1);
}

void TcxPCExtraFlatPainter::DrawTabShape(TcxTab* ATab, int AVisibleIndex) {
  TRect r = ATab->FullRect();
  const bool active = AVisibleIndex == ActiveTab();
  if (active) DrawActiveTabBorder(r);
  if (!ClipsTabContentOnly(AVisibleIndex)) DrawTabBackground(TabControl()->Canvas(), r, AVisibleIndex);
  if (active) {
    TRect focus;
    GetActiveTabFocusRect(focus);
    DrawTabFocusRect(AVisibleIndex, focus);
  }
}

// --- UltraFlat -----------------------------------------------------------------------------------
bool TcxPCUltraFlatPainter::IsLookAndFeelSupported(TcxLookAndFeel* ALookAndFeel) {
  return ALookAndFeel->Painter()->GetPainterStyle() == lfsUltraFlat;
}

void TcxPCUltraFlatPainter::GetActiveTabFocusRect(TRect& R) {
  if (ActiveTab() < 0) {
    R = TRect{};
    return;
  }
  GetTabRowBounds(ActiveTab(), false, R);
}

void TcxPCUltraFlatPainter::DrawActiveTabBorder(TRect& R) {
  const TcxTabPosition side = TabControl()->TabPosition();
  for (TcxTabPosition edge : {tpLeft, tpTop, tpRight, tpBottom})
    if (edge != PageSide(side)) TakeEdgeLine(R, edge, TColor(0x000000));
}

void TcxPCUltraFlatPainter::DrawRowBorder(const TRect& R, int ARow) {
  int activeRow = ParentInfo()->NearRowCount() > 0 ? ParentInfo()->NearRowCount() - 1 : 0;
  if (ActiveTab() >= 0) activeRow = TabControl()->Tabs()->VisibleTab(ActiveTab())->Layout.DisplayRow;
  const TColor black = TColor(0x000000);
  const TColor activeColors[] = {clBtnFace, clBtnFace, black};
  const TColor otherColors[] = {clBtnFace, black, clBtnFace};
  const TColor* colors = ARow == activeRow ? activeColors : otherColors;
  const TcxTabPosition page = PageSide(TabControl()->TabPosition());
  TRect r = R;
  for (int i = 0; i < 3; ++i) TakeEdgeLine(r, page, colors[i]);
  TabControl()->Canvas()->ExcludeClipRectangle(EdgeStrip(R, page, 3));
}

int TcxPCUltraFlatPainter::GetNavigatorButtonSpacing(TcxPCNavigatorButton AButton, TcxPCNavigatorButton ANextButton) {
  return AButton == nbClose || ANextButton == nbClose ? 3 : 1;
}

bool TcxPCUltraFlatPainter::GetNavigatorButtonInfo(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonInfo& AInfo) {
  TcxPCStandardPainter::GetNavigatorButtonInfo(AButton, AInfo);
  AInfo.Enabled = TabControl()->Enabled();
  AInfo.SmallCross = AButton == nbClose;
  AInfo.BrushColor = AInfo.PenColor;
  return AInfo.Enabled;
}

TColor TcxPCUltraFlatPainter::GetNavigatorButtonColor(TcxPCNavigatorButtonState AState) {
  if (AState == nbsHot) return clBtnFace;
  return AState == nbsPressed ? clBtnShadow : LightFaceColor();
}

int TcxPCUltraFlatPainter::GetNavigatorButtonWidth(TcxPCNavigatorButton AButton) {
  static constexpr int kWidths[] = {15, 15, 11, 14};
  return kWidths[AButton];
}

void TcxPCUltraFlatPainter::DrawNavigatorButtonFrame(TRect& R, TcxPCNavigatorButtonState AState) {
  const TColor c = AState == nbsHot || AState == nbsPressed ? TColor(0x000000) : clBtnShadow;
  TabControl()->Canvas()->FrameRectBorders(R, c);
  R = InflateRectXY(R, -1, -1);
}

// --- Office11 ------------------------------------------------------------------------------------
bool TcxPCOffice11Painter::IsLookAndFeelSupported(TcxLookAndFeel* ALookAndFeel) {
  return ALookAndFeel->Painter()->GetPainterStyle() == lfsOffice11 && !ALookAndFeel->CurrentSkinPainter();
}

TColor TcxPCOffice11Painter::GetBorderColor() { return Office11ColorSet().Border; }

bool TcxPCOffice11Painter::UsesGradient() const { return TabControl()->Options().Contains(pcoGradient); }

void TcxPCOffice11Painter::FillAcrossRow(HDC DC, const TRect& R, const TOffice11ColorPair& AColors) {
  if (UsesGradient())
    GradientFillRect(DC, R, AColors.Color1, AColors.Color2, !TabsAreHorizontal());
  else
    FillRectWithColor(DC, R, BlendColors(AColors.Color1, AColors.Color2, 50));
}

TOffice11ColorPair TcxPCOffice11Painter::TabGradient(int AVisibleIndex) {
  const TOffice11ColorSet set = Office11ColorSet();
  return AVisibleIndex >= 0 && AVisibleIndex == ActiveTab() ? set.Hot : set.Background;
}

void TcxPCOffice11Painter::GetSeparatorIndents(int& AFirst, int& ASecond) {
  const TcxTabPosition p = TabControl()->TabPosition();
  const bool nearSide = p == tpTop || p == tpLeft;
  AFirst = nearSide ? 0 : 3;
  ASecond = nearSide ? 2 : -1;
}

void TcxPCOffice11Painter::DrawTabBackground(TcxCanvas* ACanvas, const TRect& R, int AVisibleIndex) {
  const TColor own = AVisibleIndex < 0 ? clDefault : GetTabOwnColor(AVisibleIndex);
  const TOffice11ColorPair colors = TabGradient(AVisibleIndex);
  if (own == clDefault) {
    FillAcrossRow(ACanvas->Handle(), R, colors);
    return;
  }
  TRect r = R;
  if (AVisibleIndex != ActiveTab()) {
    const TcxTabPosition side = TabControl()->TabPosition();
    const TColor line = UsesGradient() ? (FacesUpOrLeft(side) ? colors.Color2 : colors.Color1)
                                       : BlendColors(colors.Color1, colors.Color2, 50);
    TakeEdgeLine(r, PageSide(side), line);
  }
  ACanvas->FillRect(r, GetTabColor(AVisibleIndex));
}

TColor TcxPCOffice11Painter::GetTabsAreaColor() {
  const int active = ActiveTab();
  const TColor own = active < 0 ? clDefault : GetTabOwnColor(active);
  if (own != clDefault) return own;
  const TOffice11ColorPair hot = Office11ColorSet().Hot;
  if (!UsesGradient()) return BlendColors(hot.Color1, hot.Color2, 50);
  const TcxTabPosition p = TabControl()->TabPosition();
  return p == tpTop || p == tpLeft ? hot.Color2 : hot.Color1;
}

void TcxPCOffice11Painter::GetTabsAreaStripRect(TRect& R) {
  R = TRect{};
  if (!TabsShownInRows()) return;
  const int frame = IsFrameVisible() ? GetFrameThickness() : 0;
  const TRect inner = InflateRectXY(CalculateTabsAreaInnerRect(), -frame, -frame);
  switch (TabControl()->TabPosition()) {
    case tpTop: R = TRect{inner.Left, inner.Top, inner.Right, inner.Top + 2}; break;
    case tpBottom: R = TRect{inner.Left, inner.Bottom - 2, inner.Right, inner.Bottom}; break;
    case tpLeft: R = TRect{inner.Left, inner.Top, inner.Left + 2, inner.Bottom}; break;
    case tpRight: R = TRect{inner.Right - 2, inner.Top, inner.Right, inner.Bottom}; break;
  }
}

void TcxPCOffice11Painter::DrawActiveTabBorder(TRect& R) {
  const TcxTabPosition side = TabControl()->TabPosition();
  for (TcxTabPosition edge : {tpLeft, tpTop, tpRight, tpBottom})
    if (edge != PageSide(side)) TakeEdgeLine(R, edge, GetBorderColor());
}

void TcxPCOffice11Painter::DrawSeparator(const TRect& R) {
  const TOffice11ColorSet set = Office11ColorSet();
  TcxCanvas* canvas = TabControl()->Canvas();
  const TRect dark{R.Left, R.Top, R.Right - 1, R.Bottom - 1};
  canvas->FillRect(dark, set.Separator.Color1);
  canvas->ExcludeClipRectangle(dark);
  const TRect light = OffsetRectBy(dark, 1, 1);
  canvas->FillRect(light, set.Separator.Color2);
  canvas->ExcludeClipRectangle(light);
}

void TcxPCOffice11Painter::DrawRowBorder(const TRect& R, int /*ARow*/) {
  const TcxTabPosition page = PageSide(TabControl()->TabPosition());
  TRect r = R;
  TakeEdgeLine(r, page, GetBorderColor());
  TabControl()->Canvas()->ExcludeClipRectangle(EdgeStrip(R, page, 1));
}

TRect TcxPCOffice11Painter::GetDisplayAreaMargins() {
  TRect m = TcxPCExtraFlatPainter::GetDisplayAreaMargins();
  if (!IsFrameVisible() && TabsShownInRows() && ParentInfo()->RowsOnOppositeSide()) ++m.Bottom;
  return m;
}

TColor TcxPCOffice11Painter::GetTabColor(int AVisibleIndex) {
  if (ParentInfo()->VisibleTab(AVisibleIndex)->Highlighted()) return GetHighlightedTabColor();
  const TColor own = GetTabOwnColor(AVisibleIndex);
  // A tab shaded by the gradient has no colour of its own: its content sits on the gradient's middle.
  if (own == clDefault) return BlendColors(TabGradient(AVisibleIndex).Color1, TabGradient(AVisibleIndex).Color2, 50);
  return own;
}

bool TcxPCOffice11Painter::ClipsTabContentOnly(int AVisibleIndex) {
  return AVisibleIndex != ActiveTab() && GetTabOwnColor(AVisibleIndex) == clDefault;
}

bool TcxPCOffice11Painter::NeedsRedrawOnResize() {
  const TcxPCOptions options = TabControl()->Options();
  return options.Contains(pcoGradient) && options.Contains(pcoGradientClientArea);
}

void TcxPCOffice11Painter::FillDisplayBackground() {
  auto* page = dynamic_cast<TControl*>(TabControl()->GetActivePageObject());
  const TRect r = CalculateDisplayRect();
  TcxCanvas* canvas = TabControl()->Canvas();
  if (page && !page->ParentColor()) {
    canvas->FillRect(r, page->Color());
    return;
  }
  const TOffice11ColorPair background = Office11ColorSet().Background;
  const TcxPCOptions options = TabControl()->Options();
  if (options.Contains(pcoGradient) && options.Contains(pcoGradientClientArea))
    GradientFillRect(canvas->Handle(), r, background.Color1, background.Color2, !TabsAreHorizontal());
  else
    canvas->FillRect(r, BlendColors(background.Color1, background.Color2, 50));
}

void TcxPCOffice11Painter::DrawClientArea() {
  if (!IsFrameVisible() && TabsShownInRows() && ParentInfo()->RowsOnOppositeSide()) {
    const TRect d = CalculateDisplayRect();
    TRect line;
    switch (TabControl()->TabPosition()) {
      case tpTop: line = TRect{d.Left, d.Top - 1, d.Right, d.Top}; break;
      case tpBottom: line = TRect{d.Left, d.Bottom, d.Right, d.Bottom + 1}; break;
      case tpLeft: line = TRect{d.Left - 1, d.Top, d.Left, d.Bottom}; break;
      case tpRight: line = TRect{d.Right, d.Top, d.Right + 1, d.Bottom}; break;
    }
    TabControl()->Canvas()->FillRect(line, GetBorderColor());
  }
  TcxPCExtraFlatPainter::DrawClientArea();
}

void TcxPCOffice11Painter::DrawFrame() {
  TabControl()->Canvas()->FrameRectBorders(InflateRectXY(CalculateDisplayRect(), 1, 1), GetBorderColor());
}

TColor TcxPCOffice11Painter::GetNavigatorArrowColor(TcxPCNavigatorButtonState AState) {
  const TOffice11ColorSet set = Office11ColorSet();
  return AState == nbsDisabled || !TabControl()->Enabled() ? set.DisabledText : set.Text;
}

void TcxPCOffice11Painter::FillNavigatorButton(const TRect& R, TcxPCNavigatorButtonState AState) {
  TcxCanvas* canvas = TabControl()->Canvas();
  SaveClipRegion();
  canvas->IntersectClipRectangle(R);
  TRect row = RowRect(0);
  if (RectHasNoArea(row)) row = R;
  if (TabsAreHorizontal()) {
    row.Left = R.Left;
    row.Right = R.Right;
  } else {
    row.Top = R.Top;
    row.Bottom = R.Bottom;
  }
  const TOffice11ColorSet set = Office11ColorSet();
  if (AState == nbsPressed)
    FillAcrossRow(canvas->Handle(), row, set.Pressed);
  else if (AState == nbsHot)
    FillAcrossRow(canvas->Handle(), row, set.Hot);
  else
    DrawTabBackground(canvas, row, -1);
  RestoreClipRegion();
}

void TcxPCOffice11Painter::DrawNavigatorButtonFrame(TRect& R, TcxPCNavigatorButtonState AState) {
  const bool enabled = TabControl()->Enabled() && AState != nbsDisabled;
  TabControl()->Canvas()->FrameRectBorders(R, enabled ? GetBorderColor() : Office11ColorSet().DisabledText);
  R = InflateRectXY(R, -1, -1);
}

// The caption's bitmap shows the tab's gradient behind the text, lined up
// with the tab, whichever way the caption is turned afterwards.
void TcxPCOffice11Painter::PrepareTabContentBitmap(TBitmap* ABitmap, const TRect& R, int AVisibleIndex) {
  if (AVisibleIndex < 0 || GetTabOwnColor(AVisibleIndex) != clDefault ||
      ParentInfo()->VisibleTab(AVisibleIndex)->Highlighted())
    return;
  TcxCustomTabControl* control = TabControl();
  const TRect tab = control->Tabs()->VisibleTab(AVisibleIndex)->FullRect();
  const HDC dc = ABitmap->Canvas()->Handle();
  TOffice11ColorPair colors = TabGradient(AVisibleIndex);
  const int w = ABitmap->Width(), h = ABitmap->Height();
  const bool turned = IsVerticalTab(control->TabPosition(), control->Rotate());
  if (!UsesGradient() || !turned) {
    // Unturned: the tab's own coordinates moved to the caption's corner.
    const TRect across = TabsAreHorizontal() ? TRect{0, tab.Top - R.Top, w, tab.Bottom - R.Top}
                                             : TRect{tab.Left - R.Left, 0, tab.Right - R.Left, h};
    FillAcrossRow(dc, turned ? TRect{0, 0, w, h} : across, colors);
    return;
  }
  // Turned: a caption read upwards is turned a quarter to the left, so the
  // bitmap's rows become screen columns and its columns screen rows read
  // backwards; one read downwards the other way round.
  const bool horizontalTabs = TabsAreHorizontal();
  const int start = horizontalTabs ? tab.Top - R.Top : tab.Left - R.Left;
  const int end = horizontalTabs ? tab.Bottom - R.Top : tab.Right - R.Left;
  const int extent = horizontalTabs ? w : h;
  const bool upwards = GetTabCaptionRotation(control->TabPosition(), control->Rotate(), control->Options()) == 1;
  const bool reversed = upwards == horizontalTabs;
  if (reversed) std::swap(colors.Color1, colors.Color2);
  const int from = reversed ? extent - end : start, to = reversed ? extent - start : end;
  const TRect box = horizontalTabs ? TRect{from, 0, to, h} : TRect{0, from, w, to};
  GradientFillRect(dc, box, colors.Color1, colors.Color2, horizontalTabs);
}
