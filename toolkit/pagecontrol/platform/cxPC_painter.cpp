// What every page-control painter shares: the parent info, the display
// rectangle and margins, display and tab colours, the paint sequence, clipping
// and invalidation, and the utilities that draw a shape once for tabs on top.
#include <algorithm>

#include "cxControlsBase_win.h"
#include "cxPC_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace {

// The theme's tab parts and the text-colour property.
constexpr int kTabItemPart = 1;
constexpr int kTabPanePart = 9;
constexpr int kThemeTextColor = 3803;

TControl* PageControlOf(TObject* APage) { return dynamic_cast<TControl*>(APage); }

}  // namespace

// --- TcxPCPainterParentInfo ----------------------------------------------------------------------
TObject* TcxPCPainterParentInfo::ActivePage() const { return FControl->GetActivePageObject(); }
TcxCanvas* TcxPCPainterParentInfo::Canvas() const { return FControl->Canvas(); }
TFont* TcxPCPainterParentInfo::Font() const { return FControl->Font(); }
TColor TcxPCPainterParentInfo::Color() const { return FControl->Color(); }
TRect TcxPCPainterParentInfo::FirstTabsArea() const { return FControl->FLayout.FirstTabsArea; }
TRect TcxPCPainterParentInfo::SecondTabsArea() const { return FControl->FLayout.SecondTabsArea; }
int TcxPCPainterParentInfo::Height() const { return FControl->Height(); }
int TcxPCPainterParentInfo::Width() const { return FControl->Width(); }
bool TcxPCPainterParentInfo::HideTabs() const { return FControl->HideTabs(); }
int TcxPCPainterParentInfo::ImageBorder() const { return FControl->ImageBorder(); }
int TcxPCPainterParentInfo::SelectedVisibleTab() const { return FControl->SelectedVisibleTab(); }
bool TcxPCPainterParentInfo::MultiLine() const { return FControl->MultiLine(); }
TcxPCNavigatorButtons TcxPCPainterParentInfo::NavigatorButtons() const { return FControl->NavigatorButtons(); }
TcxPCNavigatorButtonState TcxPCPainterParentInfo::NavigatorButtonState(TcxPCNavigatorButton AButton) const {
  return FControl->NavigatorButtonState(AButton);
}
TcxPCNavigatorPosition TcxPCPainterParentInfo::NavigatorPosition() const { return FControl->NavigatorPosition(); }
TcxPCOptions TcxPCPainterParentInfo::Options() const { return FControl->Options(); }
TObject* TcxPCPainterParentInfo::PageOfVisibleTab(int AVisibleIndex) const {
  return FControl->GetPageObject(FControl->Tabs()->VisibleTab(AVisibleIndex)->Index());
}
bool TcxPCPainterParentInfo::RaggedRight() const { return FControl->RaggedRight(); }
bool TcxPCPainterParentInfo::Rotate() const { return FControl->Rotate(); }
bool TcxPCPainterParentInfo::ShowFrame() const { return FControl->ShowFrame(); }
int TcxPCPainterParentInfo::TabHeight() const { return FControl->TabHeight(); }
int TcxPCPainterParentInfo::TabWidth() const { return FControl->TabWidth(); }
TcxTabPosition TcxPCPainterParentInfo::TabPosition() const { return FControl->TabPosition(); }
TcxTabSlants* TcxPCPainterParentInfo::TabSlants() const { return FControl->TabSlants(); }
int TcxPCPainterParentInfo::RowCount() const { return FControl->RowCount(); }
int TcxPCPainterParentInfo::NearRowCount() const { return FControl->FLayout.NearRowCount; }
TcxTab* TcxPCPainterParentInfo::VisibleTab(int AVisibleIndex) const {
  return FControl->Tabs()->VisibleTab(AVisibleIndex);
}
TColor TcxPCPainterParentInfo::TabOwnColor(int AVisibleIndex) const {
  return FControl->Painter()->GetTabOwnColor(AVisibleIndex);
}
bool TcxPCPainterParentInfo::RowsOnOppositeSide() const {
  const TcxPCLayout& layout = FControl->FLayout;
  const TcxTabPosition position = layout.Settings.TabPosition;
  if (position == tpTop || position == tpLeft) return layout.NearRowCount != layout.RowCount;
  return layout.NearRowCount != 0;
}

// --- TcxPCCustomPainter --------------------------------------------------------------------------
TcxPCCustomPainter::TcxPCCustomPainter(TcxCustomTabControl* ATabControl)
    : FTabControl(ATabControl), FParentInfo(std::make_unique<TcxPCPainterParentInfo>(ATabControl)) {}

TcxPCCustomPainter::~TcxPCCustomPainter() = default;

void TcxPCCustomPainter::GetTabRectCorrection(int, TRect& ADeltas) { ADeltas = TRect{}; }

void TcxPCCustomPainter::FillDisplayBackground() {
  FTabControl->Canvas()->FillRect(CalculateDisplayRect(), GetDisplayColor());
}

TColor TcxPCCustomPainter::GetDisplayColor() {
  TControl* page = PageControlOf(FTabControl->GetActivePageObject());
  if (!page || page->ParentColor()) return GetDefaultColor();
  return page->Color();
}

TColor TcxPCCustomPainter::GetDefaultColor() { return FTabControl->Color(); }

TRect TcxPCCustomPainter::GetTabsAreaMargins() {
  return FTabControl->Layout().GetTabsAreaMargins(FTabControl->HideTabs(), FTabControl->Width(),
                                                  FTabControl->Height());
}

TRect TcxPCCustomPainter::GetDisplayAreaMargins() {
  TRect m = GetTabsAreaMargins();
  if (IsFrameVisible()) {
    const int frame = GetFrameThickness();
    m = TRect{m.Left + frame, m.Top + frame, m.Right + frame, m.Bottom + frame};
  }
  return m;
}

void TcxPCCustomPainter::OwnerDrawTab(int AVisibleIndex) {
  FTabControl->DoDrawTabHook(FTabControl->Canvas(), FTabControl->Tabs()->VisibleTab(AVisibleIndex), FTabContent);
}

TRect TcxPCCustomPainter::GetNativeContentMargins() {
  const HTHEME theme = AcquireThemeHandle(totTab);
  if (!theme) return TRect{};
  const RECT box{0, 0, 100, 100};
  RECT content = box;
  if (FAILED(GetThemeBackgroundContentRect(theme, nullptr, kTabPanePart, 0, &box, &content))) return TRect{};
  TRect m{content.left, content.top, 100 - content.right, 100 - content.bottom};
  if (!IsLunaOrRoyaleTheme()) {
    const int most = std::max(m.Left, m.Top);
    m = TRect{most, most, 2 * most, 2 * most};
  }
  return m;
}

TColor TcxPCCustomPainter::GetTabOwnColor(int AVisibleIndex) {
  TcxTab* tab = FTabControl->Tabs()->VisibleTab(AVisibleIndex);
  if (tab->Color() != clDefault) return tab->Color();
  TControl* page = PageControlOf(FTabControl->GetPageObject(tab->Index()));
  if (page && (FTabControl->Options().Contains(pcoUsePageColorForTab) || UsesPageColorForTabs()) &&
      !page->ParentColor())
    return page->Color();
  return clDefault;
}

std::unique_ptr<TcxRegion> TcxPCCustomPainter::CreateTabClipRegion(int AVisibleIndex) {
  return std::make_unique<TcxRegion>(FTabControl->Tabs()->VisibleTab(AVisibleIndex)->VisibleRect());
}

TcxRegionCombineMode TcxPCCustomPainter::GetTabClipOperation(int) { return roIntersect; }

TColor TcxPCCustomPainter::GetTabTextColor(int AVisibleIndex) {
  TcxTab* tab = FTabControl->Tabs()->VisibleTab(AVisibleIndex);
  if (tab->Highlighted()) {
    if (!IsNativePainting()) return clHighlightText;
    COLORREF color;
    const HTHEME theme = AcquireThemeHandle(totTab);
    if (theme && SUCCEEDED(GetThemeColor(theme, kTabItemPart, GetNativeTabState(AVisibleIndex), kThemeTextColor, &color)))
      return TColor(color);
    return FTabControl->Font()->Color();
  }
  if (AVisibleIndex == FTabControl->HotTab()) return clHotLight;
  return clBtnText;
}

void TcxPCCustomPainter::DrawTabText(TcxCanvas* ACanvas, const String& AText, int AVisibleIndex, const TRect& R) {
  ACanvas->DrawText(AText, R, cxAlignHCenter | cxAlignVCenter | cxSingleLine | cxShowPrefix,
                    FTabControl->Tabs()->VisibleTab(AVisibleIndex)->RealEnabled());
}

void TcxPCCustomPainter::Paint() {
  TcxCanvas* canvas = FTabControl->Canvas();
  if (!FTabControl->HideTabs()) {
    DrawNavigatorButtons();
    const TRect inner = CalculateTabsAreaInnerRect();
    const int w = FTabControl->Width(), h = FTabControl->Height();
    const TRect bands[] = {{0, 0, w, inner.Top}, {0, 0, inner.Left, h}, {inner.Right, 0, w, h}, {0, inner.Bottom, w, h}};
    bool visible = false;
    for (const TRect& band : bands) visible = visible || (!RectHasNoArea(band) && canvas->RectVisible(band));
    if (visible) DrawTabs();
  }
  DrawClientArea();
}

void TcxPCCustomPainter::DrawClientArea() {
  if (IsFrameVisible()) DrawFrame();
  FillDisplayBackground();
  FTabControl->Canvas()->ExcludeClipRectangle(CalculateTabsAreaInnerRect());
}

void TcxPCCustomPainter::InvalidateTab(int AVisibleIndex) {
  InvalidateRect(FTabControl->Tabs()->VisibleTab(AVisibleIndex)->VisibleRect());
}

bool TcxPCCustomPainter::IsFrameVisible() { return FTabControl->ShowFrame(); }

// --- Utilities -----------------------------------------------------------------------------------
void TcxPCCustomPainter::SaveClipRegion() { FTabControl->Canvas()->PushClipRegion(); }

void TcxPCCustomPainter::RestoreClipRegion() { FTabControl->Canvas()->PopClipRegion(); }

bool TcxPCCustomPainter::SetClipRect(const TRect& R, bool AIntersect) {
  TcxCanvas* canvas = FTabControl->Canvas();
  if (RectHasNoArea(R) || (AIntersect && !canvas->RectVisible(R))) return false;
  SaveClipRegion();
  if (AIntersect)
    canvas->IntersectClipRectangle(R);
  else
    canvas->SetClipRegion(new TcxRegion(R), roSet);
  return true;
}

void TcxPCCustomPainter::InvalidateRect(const TRect& R) { FTabControl->InvalidateRect(R, false); }

void TcxPCCustomPainter::InvalidateTabsArea(int AVisibleIndex) {
  InvalidateRect(FTabControl->Layout().TabsAreaOf(AVisibleIndex));
}

void TcxPCCustomPainter::DeflateByRotatedMargins(const TRect& R, const TRect& AMargins, TRect& AResult,
                                                 TcxTabPosition APosition) {
  AResult = ShrinkRectByMargins(R, RotateMarginsToSide(AMargins, APosition));
}

TRect TcxPCCustomPainter::CalculateDisplayRect() {
  TRect r;
  DeflateByRotatedMargins(GetBoundsRect(FTabControl), GetDisplayAreaMargins(), r, FTabControl->TabPosition());
  return NormalizeRect(r);
}

TRect TcxPCCustomPainter::CalculateTabsAreaInnerRect() {
  TRect r;
  DeflateByRotatedMargins(GetBoundsRect(FTabControl), GetTabsAreaMargins(), r, FTabControl->TabPosition());
  return NormalizeRect(r);
}

void TcxPCCustomPainter::DrawPolyline(const TPoint* APoints, int ALastIndex, TcxCanvas* ACanvas, TColor AColor) {
  TcxCanvas* canvas = ACanvas ? ACanvas : FTabControl->Canvas();
  canvas->Canvas()->Pen()->SetColor(AColor);
  canvas->Polyline(std::vector<TPoint>(APoints, APoints + ALastIndex + 1));
  const TPoint last = APoints[ALastIndex];
  canvas->MoveTo(last.X, last.Y);
  canvas->LineTo(last.X + 1, last.Y + 1);
}

void TcxPCCustomPainter::DrawRotatedPolyline(const TRect& R, const TPoint* APoints, int ALastIndex, TColor AColor,
                                             int ASide) {
  std::vector<TPoint> points(APoints, APoints + ALastIndex + 1);
  RotatePoints(R, points.data(), ASide, ALastIndex);
  DrawPolyline(points.data(), ALastIndex, nullptr, AColor);
}

bool TcxPCCustomPainter::IsOwnerDrawActive() { return FTabControl->OwnerDraw() && bool(FTabControl->OnDrawTab); }

bool TcxPCCustomPainter::DoOwnerDrawTab(int AVisibleIndex) {
  bool defaultDraw = true;
  if (FTabControl->OnDrawTab)
    FTabControl->OnDrawTab(FTabControl, FTabControl->Tabs()->VisibleTab(AVisibleIndex), defaultDraw);
  return !defaultDraw;
}

void TcxPCCustomPainter::ExcludeTabContentFromClip(int AVisibleIndex) {
  if (IsNativePainting()) return;
  auto region = CreateTabClipRegion(AVisibleIndex);
  region->CombineWith(new TcxRegion(UnionRects(FTabContent.TextRect, FTabContent.ImageRect)), roIntersect);
  FTabControl->Canvas()->SetClipRegion(region.release(), roSubtract);
}

TSize TcxPCCustomPainter::GetImageSize() { return FTabControl->ImageList()->GetImageSize(); }

TSize TcxPCCustomPainter::GetRotatedImageSize() { return FTabControl->ImageList()->GetRotatedImageSize(); }

bool TcxPCCustomPainter::HasImages() { return GetImageSize().cx > 0; }

bool TcxPCCustomPainter::TabHasImage(int AVisibleIndex) {
  return HasImages() && FTabControl->Tabs()->VisibleTab(AVisibleIndex)->ImageIndex() >= 0;
}

int TcxPCCustomPainter::GetNativeTabState(int AVisibleIndex) {
  if (AVisibleIndex == FTabControl->SelectedVisibleTab()) return 3;
  if (AVisibleIndex == FTabControl->HotTab()) return 2;
  return 1;
}

int TcxPCCustomPainter::GetMaxCaptionHeight() {
  int result = 0;
  for (int i = 0; i < FTabControl->VisibleTabs().Count(); ++i) {
    TSize size{};
    MeasureTabText(FTabControl->Tabs()->VisibleTab(i), L"Zg", nullptr, size);
    result = std::max(result, int(size.cy));
  }
  return result;
}

void TcxPCCustomPainter::PrepareTabFont(TcxTab* ATab, TcxCanvas* ACanvas) { FTabControl->PrepareTabFont(ATab, ACanvas); }
