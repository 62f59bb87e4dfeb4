// The standard base of the page-control styles: navigator layout and classic
// buttons, tab sizes from per-kind metric tables, the order one tab is drawn
// in, and the 3D frame. The styles register here in one ordered list.
#include "cxPCPainters.h"

#include <algorithm>

#include "cxControlsBase.h"
#include "cxPCPaintersFactory.h"

namespace {

// Metric tables: [draw state][style kind] (tab, button, flat button).
constexpr int kImageOffsets[2][3][4] = {{{6, 1, 0, 0}, {6, -1, 0, 1}, {6, -1, 0, 1}},
                                        {{8, 1, 0, 3}, {7, -1, 0, 1}, {7, -1, 0, 1}}};
constexpr int kTextOffsets[2][3][4] = {{{5, 1, 5, -1}, {6, 0, 4, 1}, {6, 0, 4, 1}},
                                       {{5, 1, 5, 2}, {6, 0, 4, 1}, {6, 0, 4, 1}}};
constexpr int kTextMargins[2][3][2] = {{{2, 2}, {3, 3}, {2, 2}}, {{4, 4}, {3, 3}, {4, 2}}};
constexpr int kTruncatedTextMargins[2][3][2] = {{{2, 2}, {3, 3}, {2, 2}}, {{4, 4}, {3, 3}, {3, 2}}};
constexpr int kTabsSpacing[3][2] = {{0, 0}, {3, 3}, {10, 3}};
constexpr int kMinTabNormalHeight[3] = {18, 20, 20};

}  // namespace

TcxPCStandardPainter::TcxPCStandardPainter(TcxCustomTabControl* ATabControl) : TcxPCCustomPainter(ATabControl) {}

bool TcxPCStandardPainter::TabsAreHorizontal() const {
  const TcxTabPosition p = TabControl()->TabPosition();
  return p == tpTop || p == tpBottom;
}

bool TcxPCStandardPainter::IsNavigatorAtStart() const {
  const TcxPCNavigatorPosition n = TabControl()->NavigatorPosition();
  return TabsAreHorizontal() ? (n == npLeftTop || n == npLeftBottom) : (n == npLeftTop || n == npRightTop);
}

// --- Navigator -----------------------------------------------------------------------------------
void TcxPCStandardPainter::GetNavigatorButtons(const TcxPCNavigatorButtons& AButtons,
                                               TcxPCNavigatorButtonPositions& AList) {
  static constexpr TcxPCNavigatorButton kStart[] = {nbClose, nbTopLeft, nbBottomRight, nbGoDialog};
  static constexpr TcxPCNavigatorButton kEnd[] = {nbGoDialog, nbTopLeft, nbBottomRight, nbClose};
  AList.clear();
  for (TcxPCNavigatorButton b : IsNavigatorAtStart() ? kStart : kEnd)
    if (AButtons.Contains(b)) AList.push_back({b, TRect{}});
}

int TcxPCStandardPainter::GetNavigatorButtonsLength(const TcxPCNavigatorButtons& AButtons) {
  TcxPCNavigatorButtonPositions list;
  GetNavigatorButtons(AButtons, list);
  int result = 0;
  for (std::size_t i = 0; i < list.size(); ++i) {
    result += GetNavigatorButtonWidth(list[i].Button);
    if (i + 1 < list.size()) result += GetNavigatorButtonSpacing(list[i].Button, list[i + 1].Button);
  }
  return result;
}

int TcxPCStandardPainter::GetNavigatorAreaWidth(const TcxPCNavigatorButtons& AButtons) {
  int result = GetNavigatorButtonsLength(AButtons);
  if (result > 0) result += GetNavigatorAreaLeadingIndent() + GetNavigatorAreaTrailingIndent();
  return result;
}

void TcxPCStandardPainter::CalculateNavigatorAreaBounds(const TcxPCNavigatorButtons& AButtons) {
  const int W = GetNavigatorButtonsLength(AButtons);
  const int H = GetNavigatorButtonHeight();
  const int width = TabControl()->Width(), height = TabControl()->Height();
  const TcxPCNavigatorPosition n = TabControl()->NavigatorPosition();
  const TcxTabPosition p = TabControl()->TabPosition();
  if (TabsAreHorizontal()) {
    const int left = (n == npLeftTop || n == npLeftBottom) ? GetNavigatorAreaLeadingIndent()
                                                           : width - W - GetNavigatorAreaLeadingIndent();
    const int top = p == tpTop ? GetNavigatorAreaSideIndent() : height - H - GetNavigatorAreaSideIndent();
    FNavigatorArea = TRect{left, top, left + W, top + H};
  } else {
    const int left = p == tpLeft ? GetNavigatorAreaSideIndent() : width - H - GetNavigatorAreaSideIndent();
    const int top = (n == npLeftTop || n == npRightTop) ? GetNavigatorAreaLeadingIndent()
                                                        : height - W - GetNavigatorAreaLeadingIndent();
    FNavigatorArea = TRect{left, top, left + H, top + W};
  }
}

void TcxPCStandardPainter::CalculateNavigatorButtons(const TcxPCNavigatorButtons& AButtons) {
  FNavigatorButtons.clear();
  if (AButtons.Empty()) return;
  CalculateNavigatorAreaBounds(AButtons);
  GetNavigatorButtons(AButtons, FNavigatorButtons);
  const int H = GetNavigatorButtonHeight();
  int x = FNavigatorArea.Left, y = FNavigatorArea.Top;
  for (std::size_t i = 0; i < FNavigatorButtons.size(); ++i) {
    TcxPCNavigatorButtonPosition& entry = FNavigatorButtons[i];
    const int w = GetNavigatorButtonWidth(entry.Button);
    const int spacing =
        i + 1 < FNavigatorButtons.size() ? GetNavigatorButtonSpacing(entry.Button, FNavigatorButtons[i + 1].Button) : 0;
    if (TabsAreHorizontal()) {
      entry.Rect = TRect{x, y, x + w, y + H};
      x += w + spacing;
    } else {
      entry.Rect = TRect{x, y, x + H, y + w};
      y += w + spacing;
    }
  }
}

int TcxPCStandardPainter::GetNavigatorButtonWidth(TcxPCNavigatorButton AButton) {
  if (AButton == nbGoDialog) return TabsAreHorizontal() ? 12 : 13;
  return 20;
}

TColor TcxPCStandardPainter::GetNavigatorButtonColor(TcxPCNavigatorButtonState) { return clBtnFace; }

TColor TcxPCStandardPainter::GetNavigatorArrowColor(TcxPCNavigatorButtonState AState) {
  return AState == nbsHot ? clHotLight : clBtnText;
}

bool TcxPCStandardPainter::GetNavigatorButtonInfo(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonInfo& AInfo) {
  const TcxPCNavigatorButtonState state = TabControl()->NavigatorButtonState(AButton);
  AInfo.BrushColor = AInfo.PenColor = GetNavigatorArrowColor(state);
  AInfo.Enabled = TabControl()->Enabled() && state != nbsDisabled;
  AInfo.SmallCross = false;
  return AInfo.Enabled;
}

namespace {

// The glyph's size as drawn: close 8 x 7 (7 x 8 on a vertical strip), arrows
// L x (2L - 1) turned along the strip, the tab-list arrow always pointing down.
TSize NavigatorGlyphSize(TcxPCNavigatorButton AButton, bool AHorizontal) {
  if (AButton == nbClose) return AHorizontal ? TSize{8, 7} : TSize{7, 8};
  const int L = AButton == nbGoDialog ? 4 : 5;
  const bool pointsDown = AButton == nbGoDialog || !AHorizontal;
  return pointsDown ? TSize{2 * L - 1, L} : TSize{L, 2 * L - 1};
}

}  // namespace

TcxPCNavigatorButtonState TcxPCStandardPainter::GetNavigatorArrowOffset(TcxPCNavigatorButton AButton,
                                                                          TPoint& AOffset) {
  const TcxPCNavigatorButtonState state = TabControl()->NavigatorButtonState(AButton);
  const TSize glyph = NavigatorGlyphSize(AButton, TabsAreHorizontal());
  int w = GetNavigatorButtonWidth(AButton), h = GetNavigatorButtonHeight();
  if (!TabsAreHorizontal()) std::swap(w, h);
  AOffset = TPoint{(w - glyph.cx) / 2, (h - glyph.cy) / 2};
  if (AButton == nbGoDialog) ++AOffset.Y;
  if (state == nbsPressed) {
    if (AButton != nbGoDialog) ++AOffset.X;
    ++AOffset.Y;
  }
  return state;
}

void TcxPCStandardPainter::DrawLine(int X1, int Y1, int X2, int Y2, TColor AColor) {
  const TPoint points[] = {{X1, Y1}, {X2, Y2}};
  DrawPolyline(points, 1, nullptr, AColor);
}

void TcxPCStandardPainter::FrameTwoColors(const TRect& R, TColor ALeftTop, TColor ARightBottom) {
  TcxCanvas* canvas = TabControl()->Canvas();
  canvas->FillRect(TRect{R.Left, R.Top, R.Right, R.Top + 1}, ALeftTop);
  canvas->FillRect(TRect{R.Left, R.Top, R.Left + 1, R.Bottom}, ALeftTop);
  canvas->FillRect(TRect{R.Right - 1, R.Top, R.Right, R.Bottom}, ARightBottom);
  canvas->FillRect(TRect{R.Left, R.Bottom - 1, R.Right, R.Bottom}, ARightBottom);
}

void TcxPCStandardPainter::DrawNavigatorGlyph(TcxPCNavigatorButton AButton, const TPoint& O,
                                              const TcxPCNavigatorButtonInfo& AInfo, TColor APen, TColor ABrush) {
  TcxCanvas* canvas = TabControl()->Canvas();
  const bool horizontal = TabsAreHorizontal();
  if (AButton == nbClose) {
    static constexpr int kBig[6][4] = {{1, 0, 8, 7}, {0, 0, 8, 8}, {0, 1, 7, 8},
                                       {0, 7, 7, 0}, {0, 8, 8, 0}, {1, 8, 8, 1}};
    static constexpr int kSmallVertical[4][4] = {{0, 0, 6, 6}, {0, 1, 6, 7}, {0, 6, 6, 0}, {0, 7, 6, 1}};
    static constexpr int kSmallHorizontal[4][4] = {{1, 0, 7, 6}, {0, 0, 6, 6}, {0, 6, 6, 0}, {1, 6, 7, 0}};
    if (!AInfo.SmallCross) {
      for (const auto& l : kBig) DrawLine(O.X + l[0], O.Y + l[1], O.X + l[2], O.Y + l[3], APen);
    } else {
      for (const auto& l : horizontal ? kSmallHorizontal : kSmallVertical)
        DrawLine(O.X + l[0], O.Y + l[1], O.X + l[2], O.Y + l[3], APen);
    }
  } else {
    const int L = AButton == nbGoDialog ? 4 : 5, M = L - 1;
    std::vector<TPoint> points;
    const bool vertical = AButton == nbGoDialog || !horizontal;
    const bool forward = AButton != nbTopLeft;
    if (vertical)
      points = forward ? std::vector<TPoint>{{0, 0}, {2 * M, 0}, {M, M}} : std::vector<TPoint>{{0, M}, {M, 0}, {2 * M, M}};
    else
      points = forward ? std::vector<TPoint>{{0, 0}, {M, M}, {0, 2 * M}} : std::vector<TPoint>{{0, M}, {M, 0}, {M, 2 * M}};
    for (TPoint& p : points) p = TPoint{p.X + O.X, p.Y + O.Y};
    canvas->Canvas()->Pen()->SetColor(APen);
    canvas->Canvas()->Brush()->SetColor(ABrush);
    canvas->Canvas()->Brush()->SetStyle(bsSolid);
    canvas->Polygon(points);
  }
  canvas->Canvas()->Brush()->SetStyle(bsSolid);
}

void TcxPCStandardPainter::DrawNavigatorButton(TcxPCNavigatorButton AButton, const TRect& R) {
  const TcxPCNavigatorButtonState state = TabControl()->NavigatorButtonState(AButton);
  TRect inner = R;
  DrawNavigatorButtonFrame(inner, state);
  FillNavigatorButton(inner, state);
  TcxPCNavigatorButtonInfo info;
  const bool enabled = GetNavigatorButtonInfo(AButton, info);
  TPoint offset;
  GetNavigatorArrowOffset(AButton, offset);
  const TPoint origin{R.Left + offset.X, R.Top + offset.Y};
  if (enabled) {
    DrawNavigatorGlyph(AButton, origin, info, info.PenColor, info.BrushColor);
  } else {
    DrawNavigatorGlyph(AButton, TPoint{origin.X + 1, origin.Y + 1}, info, clBtnHighlight, clBtnHighlight);
    DrawNavigatorGlyph(AButton, origin, info, clBtnShadow, clBtnShadow);
  }
}

void TcxPCStandardPainter::FillNavigatorButton(const TRect& R, TcxPCNavigatorButtonState AState) {
  TabControl()->Canvas()->FillRect(R, GetNavigatorButtonColor(AState));
}

void TcxPCStandardPainter::DrawNavigatorButtonFrame(TRect& R, TcxPCNavigatorButtonState AState) {
  const bool pressed = AState == nbsPressed;
  const TColor outerTL = pressed ? clBtnShadow : cl3DLight, innerTL = pressed ? cl3DDkShadow : clBtnHighlight;
  const TColor outerBR = pressed ? clBtnHighlight : cl3DDkShadow, innerBR = pressed ? cl3DLight : clBtnShadow;
  const int l = R.Left, t = R.Top, r = R.Right, b = R.Bottom;
  const TPoint a[] = {{l, b - 2}, {l, t}, {r - 2, t}};
  const TPoint c[] = {{l + 1, b - 3}, {l + 1, t + 1}, {r - 3, t + 1}};
  const TPoint d[] = {{l, b - 1}, {r - 1, b - 1}, {r - 1, t}};
  const TPoint e[] = {{l + 1, b - 2}, {r - 2, b - 2}, {r - 2, t + 1}};
  DrawPolyline(a, 2, nullptr, outerTL);
  DrawPolyline(c, 2, nullptr, innerTL);
  DrawPolyline(d, 2, nullptr, outerBR);
  DrawPolyline(e, 2, nullptr, innerBR);
  R = InflateRectXY(R, -2, -2);
}

void TcxPCStandardPainter::DrawNavigatorButtons() {
  TcxCanvas* canvas = TabControl()->Canvas();
  for (const TcxPCNavigatorButtonPosition& entry : FNavigatorButtons) {
    if (RectHasNoArea(entry.Rect) || !canvas->RectVisible(entry.Rect)) continue;
    SaveClipRegion();
    canvas->IntersectClipRectangle(entry.Rect);
    DrawNavigatorButton(entry.Button, entry.Rect);
    RestoreClipRegion();
    canvas->ExcludeClipRectangle(entry.Rect);
  }
}

bool TcxPCStandardPainter::GetNavigatorButtonAt(int X, int Y, TcxPCNavigatorButton& AButton) {
  for (const TcxPCNavigatorButtonPosition& entry : FNavigatorButtons)
    if (XYInRect(entry.Rect, X, Y)) {
      AButton = entry.Button;
      return true;
    }
  return false;
}

TRect TcxPCStandardPainter::GetGoDialogButtonRect() {
  for (const TcxPCNavigatorButtonPosition& entry : FNavigatorButtons)
    if (entry.Button == nbGoDialog) return entry.Rect;
  return TRect{};
}

void TcxPCStandardPainter::InvalidateNavigatorButtons(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonState) {
  for (const TcxPCNavigatorButtonPosition& entry : FNavigatorButtons)
    if (entry.Button == AButton) InvalidateRect(entry.Rect);
}

void TcxPCStandardPainter::InvalidateNavigatorArea() {
  if (!FNavigatorButtons.empty()) InvalidateRect(FNavigatorArea);
}

// --- Sizes and metrics ---------------------------------------------------------------------------
int TcxPCStandardPainter::GetMinTabNormalHeight() { return kMinTabNormalHeight[StyleKind()]; }

TColor TcxPCStandardPainter::GetBackgroundColor() { return TabControl()->Color(); }

int TcxPCStandardPainter::GetTabExtraWidth(int AVisibleIndex) {
  const bool showsNoImage = AVisibleIndex >= 0 && !TabHasImage(AVisibleIndex);
  if (!HasImages() || (showsNoImage && !TabControl()->Rotate())) return 12;
  return GetImageSize().cx + 2 * TabControl()->ImageBorder() + 18;
}

int TcxPCStandardPainter::GetTabContentHeight() {
  int result = GetMaxCaptionHeight() + 8;
  if (HasImages()) result = std::max(result, GetImageSize().cy + 2 * TabControl()->ImageBorder() + 6);
  return result;
}

int TcxPCStandardPainter::CalculateTabNormalWidth(TcxTab* ATab) {
  if (TabControl()->TabWidth() > 0) return TabControl()->TabWidth();
  const int vi = ATab->VisibleIndex();
  int result = GetTabExtraWidth(vi);
  if (!ATab->Caption().empty()) {
    TSize size{};
    MeasureTabText(ATab, RemoveAcceleratorsW(ATab->Caption(), false), nullptr, size);
    result += size.cx;
  }
  return std::max(result, GetMinTabWidth(vi));
}

int TcxPCStandardPainter::CalculateTabNormalHeight() {
  int result = std::max(GetTabContentHeight(), GetMinTabNormalHeight());
  const int image = GetImageSize().cy;
  if (TabControl()->Rotate() && image > 0 && (result - image) % 2 != 0) ++result;
  return std::max(result, TabControl()->TabHeight());
}

int TcxPCStandardPainter::GetMinTabWidth(int AVisibleIndex) {
  return std::max(GetTabExtraWidth(AVisibleIndex), GetStandardMinTabWidth());
}

int TcxPCStandardPainter::GetTabDrawState(int AVisibleIndex) {
  return AVisibleIndex == TabControl()->SelectedVisibleTab() ? 1 : 0;
}

void TcxPCStandardPainter::GetTabImageOffsets(int AVisibleIndex, int AOffsets[4]) {
  std::copy_n(kImageOffsets[GetTabDrawState(AVisibleIndex)][StyleKind()], 4, AOffsets);
}

void TcxPCStandardPainter::GetTabTextOffsets(int AVisibleIndex, int AOffsets[4]) {
  std::copy_n(kTextOffsets[GetTabDrawState(AVisibleIndex)][StyleKind()], 4, AOffsets);
}

void TcxPCStandardPainter::GetTextMargins(int AVisibleIndex, int AMargins[2]) {
  std::copy_n(kTextMargins[GetTabDrawState(AVisibleIndex)][StyleKind()], 2, AMargins);
}

void TcxPCStandardPainter::GetTruncatedTextMargins(int AVisibleIndex, int AMargins[2]) {
  std::copy_n(kTruncatedTextMargins[GetTabDrawState(AVisibleIndex)][StyleKind()], 2, AMargins);
}

TPoint TcxPCStandardPainter::GetTabsSpacing() {
  return TPoint{kTabsSpacing[StyleKind()][0], kTabsSpacing[StyleKind()][1]};
}

TColor TcxPCStandardPainter::GetTabColor(int AVisibleIndex) {
  if (ParentInfo()->VisibleTab(AVisibleIndex)->Highlighted()) return GetHighlightedTabColor();
  const TColor own = GetTabOwnColor(AVisibleIndex);
  return own == clDefault ? clBtnFace : own;
}

void TcxPCStandardPainter::SetTabImageAndTextRects(int AVisibleIndex, const TRect& AImageRect,
                                                   const TRect& ATextRect) {
  TabContent() = TcxPCTabContent{AImageRect, ATextRect, AVisibleIndex};
}

void TcxPCStandardPainter::GetTabsAreaInfo(const TcxPCNavigatorButtons& AButtons, TcxPCTabsAreaInfo& AInfo) {
  TRect margins;
  GetTabsRowMargins(margins);
  TRect row = ShrinkRectByMargins(TRect{0, 0, TabControl()->Width(), TabControl()->Height()}, margins);
  if (!AButtons.Empty()) TakeNavigatorOff(row, GetNavigatorAreaWidth(AButtons));
  AInfo.TabsAreaRect = row;
  AInfo.RowLength = TabsAreHorizontal() ? row.Right - row.Left : row.Bottom - row.Top;
  AInfo.RowsBounds = row;
  AInfo.FirstShift = AInfo.SecondShift = 0;
  AInfo.RowSpacing = GetTabsSpacing().Y;
  CalculateNavigatorButtons(AButtons);
}

void TcxPCStandardPainter::TakeNavigatorOff(TRect& ARow, int AWidth) {
  const TcxPCNavigatorPosition n = TabControl()->NavigatorPosition();
  if (TabsAreHorizontal()) {
    if (n == npRightTop || n == npRightBottom)
      ARow.Right -= AWidth;
    else
      ARow.Left += AWidth;
  } else if (n == npLeftBottom || n == npRightBottom) {
    ARow.Bottom -= AWidth;
  } else {
    ARow.Top += AWidth;
  }
}

// --- Drawing -------------------------------------------------------------------------------------
void TcxPCStandardPainter::DrawTab(int AVisibleIndex) {
  TcxCanvas* canvas = TabControl()->Canvas();
  TcxTab* tab = TabControl()->Tabs()->VisibleTab(AVisibleIndex);
  auto region = CreateTabClipRegion(AVisibleIndex);
  SaveClipRegion();
  canvas->SetClipRegion(region.release(), GetTabClipOperation(AVisibleIndex));
  const bool ownerDrawn = IsOwnerDrawActive() && DoOwnerDrawTab(AVisibleIndex);
  if (!ownerDrawn) {
    // A native style draws the tab on a bitmap first; it lives for this tab only.
    std::unique_ptr<TBitmap> bitmap;
    struct TBitmapRelease {
      TcxPCStandardPainter* Painter;
      ~TBitmapRelease() { Painter->SetTabPaintBitmap(nullptr); }
    } release{this};
    if (IsNativePainting()) {
      bitmap = std::make_unique<TBitmap>();
      bitmap->SetPixelFormat(pf32bit);
      SetTabPaintBitmap(bitmap.get());
      PrepareTabBitmap(tab, AVisibleIndex);
    }
    DrawTabImageAndText(tab, AVisibleIndex);
    DrawTabShape(tab, AVisibleIndex);
  }
  RestoreClipRegion();
  if (ownerDrawn || !ClipsTabContentOnly(AVisibleIndex)) {
    OwnerDrawTab(AVisibleIndex);
    canvas->SetClipRegion(CreateTabClipRegion(AVisibleIndex).release(), roSubtract);
  } else {
    canvas->ExcludeClipRectangle(TabContent().ImageRect);
    canvas->ExcludeClipRectangle(TabContent().TextRect);
  }
}

void TcxPCStandardPainter::DrawTabs() {
  int first, last;
  TabControl()->Layout().GetTabsInViewRange(first, last);
  for (int i = first; i >= 0 && i <= last; ++i) DrawTab(i);
}

void TcxPCStandardPainter::DrawTabFocusRect(int AVisibleIndex, const TRect& R) {
  TcxTab* tab = TabControl()->Tabs()->VisibleTab(AVisibleIndex);
  if (AVisibleIndex != TabControl()->SelectedVisibleTab() || !tab->RealEnabled() || !TabControl()->Focused()) return;
  const TRect visible = tab->VisibleRect();
  if (RectHasNoArea(visible)) return;
  TcxCanvas* canvas = TabControl()->Canvas();
  SaveClipRegion();
  canvas->SetClipRegion(new TcxRegion(visible), roSet);
  canvas->DrawFocusRect(InflateRectXY(R, -1, -1));
  RestoreClipRegion();
}

void TcxPCStandardPainter::DrawFrameBorder(const TRect& R) {
  FrameTwoColors(R, clBtnHighlight, cl3DDkShadow);
  FrameTwoColors(InflateRectXY(R, -1, -1), cl3DLight, clBtnShadow);
}

void TcxPCStandardPainter::DrawFrame() {
  TRect r = CalculateTabsAreaInnerRect();
  const int least = GetMinFrameSize();
  r.Right = std::max(r.Right, r.Left + least);
  r.Bottom = std::max(r.Bottom, r.Top + least);
  DrawFrameBorder(r);
}

void TcxPCStandardPainter::PaintAll() {
  inherited::PaintAll();
  TcxCanvas* canvas = TabControl()->Canvas();
  const TRect all{0, 0, TabControl()->Width(), TabControl()->Height()};
  if (IsNativePainting() && TabControl()->ParentBackground())
    PaintParentBackground(TabControl(), canvas, all, false);
  else
    canvas->FillRect(all, GetBackgroundColor());
}

void TcxPCStandardPainter::RepaintTab(int AVisibleIndex, TcxPCTabChangeReason) {
  if (!TabsAreHorizontal()) TabControl()->Tabs()->VisibleTab(AVisibleIndex)->DropCaptionBitmap();
  InvalidateTab(AVisibleIndex);
}

// --- Registration --------------------------------------------------------------------------------
namespace {

TColor& LightFace() {
  static TColor color = clNone;
  return color;
}

// In registration order: the first is the default style where no other fits,
// and where several accept a look-and-feel the later one wins. The button
// styles go after Tabs, the slanted ones after Office11.
TcxPCPainterClass const* RegisteredStyles(std::size_t& ACount) {
  static const TcxPCPainterClass kStyles[] = {
      TcxPCTabsPainter::PainterStaticClass(),      TcxPCExtraFlatPainter::PainterStaticClass(),
      TcxPCUltraFlatPainter::PainterStaticClass(), TcxPCFlatPainter::PainterStaticClass(),
      TcxPCOffice11Painter::PainterStaticClass()};
  ACount = std::size(kStyles);
  return kStyles;
}

}  // namespace

TColor PCLightFaceColor() {
  if (LightFace() == clNone) {
    const TColor face = ColorToRGB(clBtnFace);
    auto raise = [](int AChannel) { return std::min(AChannel + 20, 255); };
    LightFace() = TColor(RGB(raise(GetRValue(face)), raise(GetGValue(face)), raise(GetBValue(face))));
  }
  return LightFace();
}

void cxPCPainters_Initialize() {
  LightFace() = clNone;
  PCLightFaceColor();
  std::size_t count = 0;
  TcxPCPainterClass const* styles = RegisteredStyles(count);
  for (std::size_t i = 0; i < count; ++i) RegisterPainterClass(styles[i]);
}

void cxPCPainters_Finalize() {
  std::size_t count = 0;
  TcxPCPainterClass const* styles = RegisteredStyles(count);
  for (std::size_t i = 0; i < count; ++i) UnregisterPainterClass(styles[i]);
}

const TUnitEntry cxPCPaintersUnit{L"cxPCPainters", &cxPCPainters_Initialize, &cxPCPainters_Finalize};
