// Notebook tabs: drawn by the system's "Tab" theme on a bitmap that always
// holds the tab as a top tab (turned and mirrored into place), or with classic
// 3D lines. The selected tab stands out by two pixels and joins the page.
#include <algorithm>

#include "cxPCPainters.h"
#include "cxLookAndFeels.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace {

constexpr int kPanePart = 9;
constexpr int kSpinDownPart = 2;
constexpr int kWindowSmallClosePart = 19;

bool IsKind(int AKind, std::initializer_list<int> AKinds) {
  return std::find(AKinds.begin(), AKinds.end(), AKind) != AKinds.end();
}

TRect ExtendTowardsPage(TRect R, int ADistance, TcxTabPosition APosition) {
  switch (APosition) {
    case tpTop: R.Bottom += ADistance; break;
    case tpBottom: R.Top -= ADistance; break;
    case tpLeft: R.Right += ADistance; break;
    case tpRight: R.Left -= ADistance; break;
  }
  return R;
}

}  // namespace

bool TcxPCTabsPainter::IsLookAndFeelSupported(TcxLookAndFeel* ALookAndFeel) {
  const TcxLookAndFeelStyle style = ALookAndFeel->Painter()->GetPainterStyle();
  return style == lfsStandard || style == lfsNative;
}

bool TcxPCTabsPainter::IsNativeFor(TcxLookAndFeel* ALookAndFeel) { return ALookAndFeel->NativeStyle(); }

bool TcxPCTabsPainter::IsNativePainting() {
  TcxCustomTabControl* control = TabControl();
  return !control->ComponentState().Contains(csDestroying) && control->LookAndFeel()->NativeStyle() &&
         CanUseThemes() && AcquireThemeHandle(totTab) != nullptr;
}

TRect TcxPCTabsPainter::TabRectTowardsPage(int AVisibleIndex) {
  const TRect r = TabControl()->Tabs()->VisibleTab(AVisibleIndex)->VisibleRect();
  return AVisibleIndex == TabControl()->SelectedVisibleTab() ? ExtendTowardsPage(r, 1, TabControl()->TabPosition()) : r;
}

void TcxPCTabsPainter::GetTabRectCorrection(int AVisibleIndex, TRect& ADeltas) {
  ADeltas = TRect{};
  if (AVisibleIndex != TabControl()->SelectedVisibleTab()) return;
  switch (TabControl()->TabPosition()) {
    case tpTop: ADeltas = TRect{-2, -2, 2, 1}; break;
    case tpBottom: ADeltas = TRect{-2, -1, 2, 2}; break;
    case tpLeft: ADeltas = TRect{-2, -2, 1, 2}; break;
    case tpRight: ADeltas = TRect{-1, -2, 2, 2}; break;
  }
}

void TcxPCTabsPainter::PaintTabSheetBackground(HDC DC, TObject* ATabSheet) {
  auto* sheet = dynamic_cast<TControl*>(ATabSheet);
  const HTHEME theme = AcquireThemeHandle(totTab);
  if (!sheet || !theme) return;
  const TRect r = OffsetRectBy(InflateRectXY(CalculateTabsAreaInnerRect(), 2, 2), -sheet->Left(), -sheet->Top());
  const RECT box{r.Left, r.Top, r.Right, r.Bottom};
  DrawThemeBackground(theme, DC, kPanePart, 0, &box, nullptr);
}

TcxPCNavigatorButtonState TcxPCTabsPainter::GetNavigatorArrowOffset(TcxPCNavigatorButton AButton, TPoint& AOffset) {
  const TcxPCNavigatorButtonState state = TabControl()->NavigatorButtonState(AButton);
  const bool horizontal = TabsAreHorizontal();
  switch (AButton) {
    case nbTopLeft: AOffset = horizontal ? TPoint{6, 5} : TPoint{5, 7}; break;
    case nbBottomRight: AOffset = horizontal ? TPoint{8, 5} : TPoint{5, 7}; break;
    case nbGoDialog: AOffset = horizontal ? TPoint{2, 8} : TPoint{6, 4}; break;
    case nbClose: AOffset = TPoint{5, 5}; break;
  }
  if (state == nbsPressed) AOffset = TPoint{AOffset.X + 1, AOffset.Y + 1};
  return state;
}

int TcxPCTabsPainter::GetNavigatorButtonWidth(TcxPCNavigatorButton AButton) {
  if (!IsNativePainting()) return TcxPCStandardPainter::GetNavigatorButtonWidth(AButton);
  if (AButton != nbGoDialog) return 17;
  SIZE size{};
  const HTHEME theme = AcquireThemeHandle(totSpin);
  if (theme && SUCCEEDED(GetThemePartSize(theme, nullptr, kSpinDownPart, 1, nullptr, TS_TRUE, &size)) && size.cx > 0)
    return size.cx;
  return 17;
}

TRect TcxPCTabsPainter::GetDisplayAreaMargins() {
  TRect m = TcxPCStandardPainter::GetDisplayAreaMargins();
  if (!IsNativePainting()) return m;
  const TRect content = RotateMarginsFromSide(GetNativeContentMargins(), TabControl()->TabPosition());
  return TRect{m.Left - 2 + content.Left, m.Top - 2 + content.Top, m.Right - 2 + content.Right,
               m.Bottom - 2 + content.Bottom};
}

TRect TcxPCTabsPainter::GetTabsAreaMargins() {
  TRect m = TcxPCStandardPainter::GetTabsAreaMargins();
  if (TabControl()->RowCount() > 0 && !TabControl()->HideTabs()) --m.Top;
  return m;
}

void TcxPCTabsPainter::GetTabImageOffsets(int AVisibleIndex, int AOffsets[4]) {
  TcxPCStandardPainter::GetTabImageOffsets(AVisibleIndex, AOffsets);
  if (IsKind(TabControl()->Tabs()->VisibleTab(AVisibleIndex)->LayoutKind(), {5, 7, 10})) ++AOffsets[3];
}

void TcxPCTabsPainter::GetTabTextOffsets(int AVisibleIndex, int AOffsets[4]) {
  TcxPCStandardPainter::GetTabTextOffsets(AVisibleIndex, AOffsets);
  if (IsKind(TabControl()->Tabs()->VisibleTab(AVisibleIndex)->LayoutKind(), {5, 7, 10})) ++AOffsets[3];
  if (GetTabDrawState(AVisibleIndex) == 1 && !HasImages()) AOffsets[0] += 2;
}

void TcxPCTabsPainter::GetImageOnlyTabOffsets(int AVisibleIndex, int AOffsets[2]) {
  AOffsets[0] = AOffsets[1] = 0;
  if (!TabControl()->Rotate() || AVisibleIndex != TabControl()->SelectedVisibleTab()) return;
  const bool reversed = IsKind(TabControl()->Tabs()->VisibleTab(AVisibleIndex)->LayoutKind(), {3, 6, 11});
  AOffsets[0] = reversed ? 2 : 1;
  AOffsets[1] = reversed ? 1 : 2;
}

std::unique_ptr<TcxRegion> TcxPCTabsPainter::CreateTabClipRegion(int AVisibleIndex) {
  return std::make_unique<TcxRegion>(TabRectTowardsPage(AVisibleIndex));
}

TcxRegionCombineMode TcxPCTabsPainter::GetTabClipOperation(int AVisibleIndex) {
  return AVisibleIndex == TabControl()->SelectedVisibleTab() ? roSet : roIntersect;
}

void TcxPCTabsPainter::GetTextMargins(int AVisibleIndex, int AMargins[2]) {
  if (GetTabDrawState(AVisibleIndex) == 0) {
    AMargins[0] = AMargins[1] = 3;
  } else {
    AMargins[0] = TabControl()->Rotate() ? 4 : 5;
    AMargins[1] = 5;
  }
  if (IsKind(TabControl()->Tabs()->VisibleTab(AVisibleIndex)->LayoutKind(), {3, 6, 11}))
    std::swap(AMargins[0], AMargins[1]);
}

void TcxPCTabsPainter::GetNativeTabPartAndState(int AVisibleIndex, int& APart, int& AState) {
  TcxCustomTabControl* control = TabControl();
  const bool selected = AVisibleIndex == control->SelectedVisibleTab();
  const TcxPCLineIndexBoundsArray ranges = control->Layout().GetRowTabRanges();
  const int row = control->Tabs()->VisibleTab(AVisibleIndex)->Layout.DisplayRow;
  const TcxPCLineIndexBounds bounds =
      row >= 0 && row < int(ranges.size()) ? ranges[std::size_t(row)] : TcxPCLineIndexBounds{};
  int edge;
  if (!control->MultiLine() || control->RaggedRight()) {
    edge = bounds.Left == AVisibleIndex ? 0 : AVisibleIndex == control->VisibleTabs().Count() - 1 ? 2 : 1;
    if (selected && edge == 2) edge = 1;
  } else {
    edge = bounds.Right == AVisibleIndex ? 2 : bounds.Left == AVisibleIndex ? 0 : 1;
  }
  static constexpr int kParts[2][3] = {{2, 1, 3}, {6, 5, 7}};
  APart = kParts[selected ? 1 : 0][edge];
  AState = selected ? 3 : AVisibleIndex == control->HotTab() ? 2 : 1;
}

void TcxPCTabsPainter::GetTabsAreaInfo(const TcxPCNavigatorButtons& AButtons, TcxPCTabsAreaInfo& AInfo) {
  TcxPCStandardPainter::GetTabsAreaInfo(AButtons, AInfo);
  TRect& b = AInfo.RowsBounds;
  if (TabsAreHorizontal()) {
    b.Left += 2;
    b.Right -= 2;
  } else {
    b.Top += 2;
    b.Bottom -= 2;
  }
  switch (TabControl()->TabPosition()) {
    case tpTop: b.Top += 2; break;
    case tpBottom: b.Bottom -= 2; break;
    case tpLeft: b.Left += 2; break;
    case tpRight: b.Right -= 2; break;
  }
  AInfo.RowLength -= 4;
  const bool nearSide = TabControl()->TabPosition() == tpTop || TabControl()->TabPosition() == tpLeft;
  AInfo.FirstShift = nearSide ? 1 : 0;
  AInfo.SecondShift = nearSide ? 0 : -1;
  AInfo.RowSpacing = 0;
}

void TcxPCTabsPainter::SetTabImageAndTextRects(int AVisibleIndex, const TRect& AImageRect, const TRect& ATextRect) {
  const bool shift = IsNativePainting() && AVisibleIndex == TabControl()->SelectedVisibleTab() &&
                     IsKind(TabControl()->Tabs()->VisibleTab(AVisibleIndex)->LayoutKind(), {5, 7, 10});
  TcxPCStandardPainter::SetTabImageAndTextRects(AVisibleIndex, shift ? OffsetRectBy(AImageRect, 0, 1) : AImageRect,
                                                shift ? OffsetRectBy(ATextRect, 0, 1) : ATextRect);
}

void TcxPCTabsPainter::InvalidateTab(int AVisibleIndex) {
  InvalidateRect(ExtendTowardsPage(TabControl()->Tabs()->VisibleTab(AVisibleIndex)->VisibleRect(), 1,
                                   TabControl()->TabPosition()));
}

void TcxPCTabsPainter::RepaintTab(int AVisibleIndex, TcxPCTabChangeReason AReason) {
  if (AReason == tcrSelection && AVisibleIndex != TabControl()->SelectedVisibleTab()) {
    InvalidateRect(TabControl()->Tabs()->VisibleTab(AVisibleIndex)->VisibleRect());
    return;
  }
  TcxPCStandardPainter::RepaintTab(AVisibleIndex, AReason);
}

int TcxPCTabsPainter::GetTabContentHeight() {
  return TcxPCStandardPainter::GetTabContentHeight() - 2 - (TabControl()->Rotate() ? 0 : 1);
}

void TcxPCTabsPainter::DrawTabs() {
  const int selected = TabControl()->SelectedVisibleTab();
  if (selected >= 0 && !RectHasNoArea(TabControl()->Tabs()->VisibleTab(selected)->VisibleRect())) DrawTab(selected);
  int first, last;
  TabControl()->Layout().GetTabsInViewRange(first, last);
  for (int i = first; i >= 0 && i <= last; ++i)
    if (i != selected) DrawTab(i);
}

// --- Native look ---------------------------------------------------------------------------------
void TcxPCTabsPainter::DrawNativeTab(HDC DC, int AVisibleIndex, const TRect& R) {
  int part, state;
  GetNativeTabPartAndState(AVisibleIndex, part, state);
  const RECT box{R.Left, R.Top, R.Right, R.Bottom};
  if (const HTHEME theme = AcquireThemeHandle(totTab)) DrawThemeBackground(theme, DC, part, state, &box, nullptr);
}

namespace {

// Bringing a top-tab image into screen orientation and back, and turning it so
// that horizontal text drawn on it ends up reading the caption's way.
bool IsMirroredKind(int AKind) { return IsKind(AKind, {4, 5, 6, 10, 11, 12}); }

TcxBitmapRotation CaptionTurn(int AKind) {
  if (IsKind(AKind, {2, 9, 12})) return raPlus90;
  if (IsKind(AKind, {3, 6, 11})) return raMinus90;
  if (IsKind(AKind, {4, 7})) return ra180;
  return raNone;
}

TcxBitmapRotation ScreenTurn(int AKind) {
  if (IsKind(AKind, {2, 4, 7, 11})) return raMinus90;
  if (IsKind(AKind, {3, 5, 8, 12})) return raPlus90;
  return raNone;
}

}  // namespace

void TcxPCTabsPainter::PrepareTabBitmap(TcxTab* ATab, int AVisibleIndex) {
  TBitmap* bitmap = TabPaintBitmap();
  if (!bitmap) return;
  const TRect r = TabRectTowardsPage(AVisibleIndex);
  int w = r.Right - r.Left, h = r.Bottom - r.Top;
  if (!TabsAreHorizontal()) std::swap(w, h);
  bitmap->SetSize(std::max(w, 1), std::max(h, 1));
  bitmap->Canvas()->Brush()->SetColor(GetBackgroundColor());
  bitmap->Canvas()->FillRect(TRect{0, 0, w, h});
  DrawNativeTab(bitmap->Canvas()->Handle(), AVisibleIndex, TRect{0, 0, w, h});
  const int kind = ATab->LayoutKind();
  TcxCanvas canvas(bitmap->Canvas());
  if (CaptionTurn(kind) != raNone || IsMirroredKind(kind)) canvas.RotateBitmap(bitmap, CaptionTurn(kind), IsMirroredKind(kind));
}

void TcxPCTabsPainter::DrawTabShape(TcxTab* ATab, int AVisibleIndex) {
  TBitmap* bitmap = TabPaintBitmap();
  if (!bitmap || !IsNativePainting()) {
    DrawClassicTabShape(AVisibleIndex);
    return;
  }
  const TRect r = TabRectTowardsPage(AVisibleIndex);
  TcxCanvas canvas(bitmap->Canvas());
  const TcxBitmapRotation turn = ScreenTurn(ATab->LayoutKind());
  if (turn != raNone) canvas.RotateBitmap(bitmap, turn);
  TabControl()->Canvas()->DrawGraphic(r.Left, r.Top, bitmap);
  TRect focus;
  CalculateFocusRect(r, focus);
  DrawTabFocusRect(AVisibleIndex, focus);
}

void TcxPCTabsPainter::DrawNativeClientArea(TcxCanvas* ACanvas) {
  TRect r = CalculateTabsAreaInnerRect();
  if (RectHasNoArea(r)) return;
  const TRect m = GetNativeContentMargins();
  r.Right = std::max(r.Right, r.Left + m.Left + m.Right);
  r.Bottom = std::max(r.Bottom, r.Top + m.Top + m.Bottom);
  const HTHEME theme = AcquireThemeHandle(totTab);
  const bool own = ACanvas == TabControl()->Canvas();
  if (own && theme && IsThemeBackgroundPartiallyTransparent(theme, kPanePart, 0) && TabControl()->ParentBackground())
    PaintParentBackground(TabControl(), ACanvas, r, false);
  else
    ACanvas->FillRect(r, TabControl()->Color());
  const RECT box{r.Left, r.Top, r.Right, r.Bottom};
  if (theme) DrawThemeBackground(theme, ACanvas->Handle(), kPanePart, 0, &box, nullptr);
  if (own) ACanvas->ExcludeClipRectangle(r);
}

void TcxPCTabsPainter::DrawClientArea() {
  if (IsNativePainting())
    DrawNativeClientArea(TabControl()->Canvas());
  else
    TcxPCStandardPainter::DrawClientArea();
}

void TcxPCTabsPainter::DrawNavigatorButton(TcxPCNavigatorButton AButton, const TRect& R) {
  if (!IsNativePainting()) {
    TcxPCStandardPainter::DrawNavigatorButton(AButton, R);
    return;
  }
  const bool close = AButton == nbClose;
  const HTHEME theme = AcquireThemeHandle(close ? totWindow : totSpin);
  int part = kWindowSmallClosePart;
  if (!close) {
    const bool horizontal = TabsAreHorizontal();
    if (AButton == nbGoDialog) part = 2;
    else if (AButton == nbTopLeft) part = horizontal ? 4 : 1;
    else part = horizontal ? 3 : 2;
  }
  static constexpr int kStates[] = {1, 3, 2, 4};  // normal, pressed, hot, disabled
  const int state = kStates[TabControl()->NavigatorButtonState(AButton)];
  if (theme && TabControl()->ParentBackground() && IsThemeBackgroundPartiallyTransparent(theme, part, state))
    PaintParentBackground(TabControl(), TabControl()->Canvas(), R, false);
  else
    TabControl()->Canvas()->FillRect(R, TabControl()->Color());
  const RECT box{R.Left, R.Top, R.Right, R.Bottom};
  if (theme) DrawThemeBackground(theme, TabControl()->Canvas()->Handle(), part, state, &box, nullptr);
}

// --- Classic look --------------------------------------------------------------------------------
void TcxPCTabsPainter::DrawClassicTabShape(int AVisibleIndex) {
  TcxCanvas* canvas = TabControl()->Canvas();
  const TcxTabPosition p = TabControl()->TabPosition();
  const TRect r = TabControl()->Tabs()->VisibleTab(AVisibleIndex)->FullRect();
  const TRect face = ExtendTowardsPage(InflateRectXY(r, -2, -2), 2, p);
  canvas->FillRect(face, GetTabColor(AVisibleIndex));
  if (AVisibleIndex == TabControl()->SelectedVisibleTab()) {
    DrawTabFocusRect(AVisibleIndex, ExtendTowardsPage(face, -1, p));
  } else {
    TRect strip = face;
    switch (p) {
      case tpTop: strip = TRect{face.Left, face.Bottom, face.Right, face.Bottom + 2}; break;
      case tpBottom: strip = TRect{face.Left, face.Top - 2, face.Right, face.Top}; break;
      case tpLeft: strip = TRect{face.Right, face.Top, face.Right + 2, face.Bottom}; break;
      case tpRight: strip = TRect{face.Left - 2, face.Top, face.Left, face.Bottom}; break;
    }
    canvas->FillRect(strip, TabControl()->Color());
  }
  DrawClassicTabBorder(AVisibleIndex);
}

void TcxPCTabsPainter::DrawClassicTabBorder(int AVisibleIndex) {
  const TRect rect = TabControl()->Tabs()->VisibleTab(AVisibleIndex)->FullRect();
  const int L = rect.Left, T = rect.Top, R = rect.Right, B = rect.Bottom;
  const TColor c = GetTabColor(AVisibleIndex);
  const bool selected = AVisibleIndex == TabControl()->SelectedVisibleTab();
  const int width = TabControl()->Width(), height = TabControl()->Height();
  switch (TabControl()->TabPosition()) {
    case tpTop:
      DrawPoints({{L, B - 1}, {L, T + 2}, {L + 2, T}, {R - 3, T}}, clBtnHighlight);
      DrawPoints({{L + 1, B - 1}, {L + 1, T + 2}, {L + 2, T + 1}, {R - 3, T + 1}}, cl3DLight);
      DrawPoints({{R - 1, B - 1}, {R - 1, T + 2}, {R - 2, T + 1}}, cl3DDkShadow);
      DrawPoints({{R - 2, B - 1}, {R - 2, T + 2}}, clBtnShadow);
      if (selected) {
        if (L == 0) {
          DrawPoints({{0, B}}, clBtnHighlight);
          DrawPoints({{1, B}}, cl3DLight);
        } else {
          DrawPoints({{L, B}, {L + 1, B}}, cl3DLight);
        }
        if (R == width) {
          DrawPoints({{L + 2, B}, {R - 3, B}}, c);
          DrawPoints({{R - 2, B}}, clBtnShadow);
          DrawPoints({{R - 1, B}}, cl3DDkShadow);
        } else {
          DrawPoints({{L + 2, B}, {R - 1, B}}, c);
        }
      }
      break;
    case tpBottom:
      DrawPoints({{L, T}, {L, B - 3}, {L + 1, B - 2}}, clBtnHighlight);
      DrawPoints({{L + 1, T}, {L + 1, B - 3}}, cl3DLight);
      DrawPoints({{L + 2, B - 1}, {R - 3, B - 1}, {R - 1, B - 3}, {R - 1, T}}, cl3DDkShadow);
      DrawPoints({{L + 2, B - 2}, {R - 3, B - 2}, {R - 2, B - 3}, {R - 2, T}}, clBtnShadow);
      if (selected) {
        if (L == 0) {
          DrawPoints({{0, T - 1}}, clBtnHighlight);
          DrawPoints({{1, T - 1}}, cl3DLight);
          DrawPoints({{2, T - 1}, {R - 3, T - 1}}, c);
        } else {
          DrawPoints({{L, T - 1}, {R - 3, T - 1}}, c);
        }
        if (R == width) {
          DrawPoints({{R - 2, T - 1}}, clBtnShadow);
          DrawPoints({{R - 1, T - 1}}, cl3DDkShadow);
        } else {
          DrawPoints({{R - 2, T - 1}, {R - 1, T - 1}}, clBtnShadow);
        }
      }
      break;
    case tpLeft:
      DrawPoints({{L, B - 3}, {L, T + 2}, {L + 2, T}, {R - 1, T}}, clBtnHighlight);
      DrawPoints({{L + 1, B - 3}, {L + 1, T + 2}, {L + 2, T + 1}, {R - 1, T + 1}}, cl3DLight);
      DrawPoints({{L + 2, B - 2}, {L + 3, B - 1}, {R - 1, B - 1}}, cl3DDkShadow);
      DrawPoints({{L + 1, B - 2}, {L + 2, B - 1}, {L + 3, B - 2}, {R - 1, B - 2}}, clBtnShadow);
      if (selected) {
        if (T == 0) {
          DrawPoints({{R, 0}}, clBtnHighlight);
          DrawPoints({{R, 1}}, cl3DLight);
        } else {
          DrawPoints({{R, T}, {R, T + 1}}, cl3DLight);
        }
        if (B == height) {
          DrawPoints({{R, T + 2}, {R, B - 3}}, c);
          DrawPoints({{R, B - 2}}, clBtnShadow);
          DrawPoints({{R, B - 1}}, cl3DDkShadow);
        } else {
          DrawPoints({{R, T + 2}, {R, B - 1}}, c);
        }
      }
      break;
    case tpRight:
      DrawPoints({{L, T}, {R - 3, T}, {R - 2, T + 1}}, clBtnHighlight);
      DrawPoints({{L, T + 1}, {R - 3, T + 1}}, cl3DLight);
      DrawPoints({{L, B - 1}, {R - 3, B - 1}, {R - 1, B - 3}, {R - 1, T + 2}}, cl3DDkShadow);
      DrawPoints({{L, B - 2}, {R - 3, B - 2}, {R - 2, B - 3}, {R - 2, T + 2}}, clBtnShadow);
      if (selected) {
        if (T == 0) {
          DrawPoints({{L - 1, 0}}, clBtnHighlight);
          DrawPoints({{L - 1, 1}}, cl3DLight);
          DrawPoints({{L - 1, 2}, {L - 1, B - 3}}, c);
        } else {
          DrawPoints({{L - 1, T}, {L - 1, B - 3}}, c);
        }
        if (B == height) {
          DrawPoints({{L - 1, B - 2}}, clBtnShadow);
          DrawPoints({{L - 1, B - 1}}, cl3DDkShadow);
        } else {
          DrawPoints({{L - 1, B - 2}, {L - 1, B - 1}}, clBtnShadow);
        }
      }
      break;
  }
  DrawTabCorners(AVisibleIndex);
}

void TcxPCTabsPainter::GetTabCornerColors(int AVisibleIndex, TColor& AFirst, TColor& ALast) {
  TcxCustomTabControl* control = TabControl();
  const int row = control->Tabs()->VisibleTab(AVisibleIndex)->Layout.DisplayRow;
  const int rows = control->RowCount(), nearRows = ParentInfo()->NearRowCount();
  if ((row == 0 && nearRows > 0) || (row == rows - 1 && nearRows != rows)) {
    AFirst = ALast = control->Color();
  } else {
    AFirst = ALast = clBtnFace;
    if (AVisibleIndex == control->SelectedVisibleTab() && !control->Rotate()) {
      const TcxPCLineIndexBoundsArray ranges = control->Layout().GetRowTabRanges();
      if (row >= 0 && row < int(ranges.size())) {
        if (ranges[std::size_t(row)].Left == AVisibleIndex) AFirst = control->Color();
        if (ranges[std::size_t(row)].Right == AVisibleIndex) ALast = control->Color();
      }
    }
  }
  const TcxTabPosition p = control->TabPosition();
  if ((p == tpLeft || p == tpRight) && GetTabCaptionRotation(p, control->Rotate(), control->Options()) != 2)
    std::swap(AFirst, ALast);
}

void TcxPCTabsPainter::DrawTabCorners(int AVisibleIndex) {
  const TRect rect = TabControl()->Tabs()->VisibleTab(AVisibleIndex)->FullRect();
  const int L = rect.Left, T = rect.Top, R = rect.Right, B = rect.Bottom;
  TColor first, last;
  GetTabCornerColors(AVisibleIndex, first, last);
  const TPoint topLeft[] = {{L, T + 1}, {L, T}, {L + 1, T}};
  const TPoint topRight[] = {{R - 2, T}, {R - 1, T}, {R - 1, T + 1}};
  const TPoint bottomLeft[] = {{L, B - 2}, {L, B - 1}, {L + 1, B - 1}};
  const TPoint bottomRight[] = {{R - 2, B - 1}, {R - 1, B - 1}, {R - 1, B - 2}};
  const TPoint* a = topLeft;
  const TPoint* b = topRight;
  switch (TabControl()->TabPosition()) {
    case tpTop: break;
    case tpBottom: a = bottomLeft, b = bottomRight; break;
    case tpLeft: a = topLeft, b = bottomLeft; break;
    case tpRight: a = topRight, b = bottomRight; break;
  }
  DrawPolyline(a, 2, nullptr, first);
  DrawPolyline(b, 2, nullptr, last);
}

// --- Flat ----------------------------------------------------------------------------------------
bool TcxPCFlatPainter::IsLookAndFeelSupported(TcxLookAndFeel* ALookAndFeel) {
  return ALookAndFeel->Painter()->GetPainterStyle() == lfsFlat;
}

std::unique_ptr<TcxRegion> TcxPCFlatPainter::CreateTabClipRegion(int AVisibleIndex) {
  return std::make_unique<TcxRegion>(TabControl()->Tabs()->VisibleTab(AVisibleIndex)->VisibleRect());
}

TcxPCNavigatorButtonState TcxPCFlatPainter::GetNavigatorArrowOffset(TcxPCNavigatorButton AButton, TPoint& AOffset) {
  const TcxPCNavigatorButtonState state = TcxPCTabsPainter::GetNavigatorArrowOffset(AButton, AOffset);
  AOffset = TPoint{AOffset.X - 1, AOffset.Y - 1};
  return state;
}

void TcxPCFlatPainter::DrawNavigatorButtonFrame(TRect& R, TcxPCNavigatorButtonState AState) {
  const bool pressed = AState == nbsPressed;
  FrameTwoColors(R, pressed ? clBtnShadow : clBtnHighlight, pressed ? clBtnHighlight : clBtnShadow);
  R = InflateRectXY(R, -1, -1);
}

void TcxPCFlatPainter::DrawFrameBorder(const TRect& R) { FrameTwoColors(R, clBtnHighlight, clBtnShadow); }

void TcxPCFlatPainter::DrawClassicTabBorder(int AVisibleIndex) {
  const TRect rect = TabControl()->Tabs()->VisibleTab(AVisibleIndex)->FullRect();
  const int L = rect.Left, T = rect.Top, R = rect.Right, B = rect.Bottom;
  const TColor bright = ScaleColorBrightnessRGB(ColorToRGB(GetTabColor(AVisibleIndex)), 185);
  switch (TabControl()->TabPosition()) {
    case tpTop:
      DrawPoints({{L, B - 1}, {L, T + 2}, {L + 2, T}, {R - 3, T}, {R - 2, T + 1}}, clBtnHighlight);
      DrawPoints({{R - 1, T + 2}, {R - 1, B - 1}}, clBtnShadow);
      DrawPoints({{L + 1, B - 1}, {L + 1, T + 2}, {L + 2, T + 1}, {R - 3, T + 1}, {R - 2, T + 2}, {R - 2, B - 1}},
                 bright);
      break;
    case tpBottom:
      DrawPoints({{L, T}, {L, B - 3}, {L + 1, B - 2}}, clBtnHighlight);
      DrawPoints({{L + 2, B - 1}, {R - 3, B - 1}, {R - 1, B - 3}, {R - 1, T}}, clBtnShadow);
      DrawPoints({{L + 1, T}, {L + 1, B - 3}}, bright);
      DrawPoints({{L + 2, B - 2}, {R - 3, B - 2}, {R - 2, B - 3}, {R - 2, T}}, clBtnFace);
      break;
    case tpLeft:
      DrawPoints({{R - 1, B - 1}, {L + 2, B - 1}}, clBtnShadow);
      DrawPoints({{L + 1, B - 2}, {L, B - 3}, {L, T + 2}, {L + 2, T}, {R - 1, T}}, clBtnHighlight);
      DrawPoints({{R - 1, B - 2}, {L + 2, B - 2}, {L + 1, B - 3}, {L + 1, T + 2}, {L + 2, T + 1}, {R - 1, T + 1}},
                 bright);
      break;
    case tpRight:
      DrawPoints({{L, T}, {R - 3, T}, {R - 2, T + 1}}, clBtnHighlight);
      DrawPoints({{R - 1, T + 2}, {R - 1, B - 3}, {R - 3, B - 1}, {L, B - 1}}, clBtnShadow);
      DrawPoints({{L, T + 1}, {R - 3, T + 1}}, bright);
      DrawPoints({{R - 2, T + 2}, {R - 2, B - 3}, {R - 3, B - 2}, {L, B - 2}}, clBtnFace);
      break;
  }
  DrawTabCorners(AVisibleIndex);
}
