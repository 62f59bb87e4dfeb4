#include "dxSkinsdxStatusBarPainter.h"

#include "dxSkinInfo.h"
#include "dxSkinsLookAndFeelPainter.h"

namespace {
TdxSkinLookAndFeelPainterInfo* SkinInfoOf(TdxCustomStatusBar* ABar) {
  if (!ABar) return nullptr;
  auto* painter = dynamic_cast<const TdxSkinLookAndFeelPainter*>(ABar->LookAndFeel()->CurrentSkinPainter());
  return painter ? painter->GetSkinInfo() : nullptr;
}

TRect Offsets(TdxSkinElement* AElement) { return AElement->ContentOffset()->Rect(); }

// The bar's element over its client bounds widened by the element's left,
// right and bottom offsets, so only its top edge and inside show, clipped to R.
void DrawBarElement(TdxSkinElement* AElement, TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, const TRect& R,
                    const TPoint& AOrigin) {
  const TRect o = Offsets(AElement);
  TRect c = ABar->ClientRect();
  c = TRect{c.Left - o.Left + AOrigin.X, c.Top + AOrigin.Y, c.Right + o.Right + AOrigin.X,
            c.Bottom + o.Bottom + AOrigin.Y};
  ACanvas->SaveDeviceState();
  ACanvas->IntersectClipRectangle(R);
  AElement->DrawToDC(ACanvas->Handle(), c, 0, esNormal);
  ACanvas->RestoreDeviceState();
}
}  // namespace

TdxStatusBarPainterClass TdxStatusBarSkinPainter::Instance() {
  static const TdxStatusBarSkinPainter instance;
  return &instance;
}

TdxSkinElement* TdxStatusBarSkinPainter::BarElement(TdxCustomStatusBar* ABar) {
  TdxSkinLookAndFeelPainterInfo* info = SkinInfoOf(ABar);
  return info ? info->Element(TdxSkinElementSlot::BarsStatusBar) : nullptr;
}

TdxSkinElement* TdxStatusBarSkinPainter::GripElement(TdxCustomStatusBar* ABar) {
  TdxSkinLookAndFeelPainterInfo* info = SkinInfoOf(ABar);
  return info ? info->Element(TdxSkinElementSlot::CommonSizeGrip) : nullptr;
}

void TdxStatusBarSkinPainter::PlaceContainerControl(TdxStatusBarContainerPanelStyle* AStyle) const {
  TdxCustomStatusBar* bar = AStyle->StatusBar();
  TdxStatusBarContainerControl* control = AStyle->Container();
  TdxSkinElement* element = BarElement(bar);
  if (!element || !control) {
    TdxStatusBarStandardPainter::PlaceContainerControl(AStyle);
    return;
  }
  DrawBarElement(element, bar, control->Canvas(), control->ClientRect(), TPoint{-control->Left(), -control->Top()});
}

bool TdxStatusBarSkinPainter::PanelsMayCoverSizeGrip(TdxCustomStatusBar* ABar) const {
  return BarElement(ABar) ? false : TdxStatusBarStandardPainter::PanelsMayCoverSizeGrip(ABar);
}

void TdxStatusBarSkinPainter::AdjustTextColor(TdxCustomStatusBar* ABar, TColor& AColor, bool /*AActive*/) const {
  // The skin has no second text colour for inactive bars (D-84).
  if (AColor != clWindowText) return;
  if (TdxSkinElement* element = BarElement(ABar))
    if (element->TextColor() != clDefault && element->TextColor() != clNone) AColor = element->TextColor();
}

TRect TdxStatusBarSkinPainter::GetBorderExtents(TdxCustomStatusBar* ABar) const {
  TdxSkinElement* element = BarElement(ABar);
  if (!element) return TdxStatusBarStandardPainter::GetBorderExtents(ABar);
  const int b = ABar->BorderWidth();
  return TRect{1 + b, Offsets(element).Top + b, 1 + b, 1 + b};
}

int TdxStatusBarSkinPainter::GetSeparatorWidthFor(TdxCustomStatusBar* ABar) const {
  return BarElement(ABar) ? 1 : TdxStatusBarStandardPainter::GetSeparatorWidthFor(ABar);
}

void TdxStatusBarSkinPainter::PaintBorders(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, TRect& R) const {
  TdxSkinElement* element = BarElement(ABar);
  if (!element) {
    TdxStatusBarStandardPainter::PaintBorders(ABar, ACanvas, R);
    return;
  }
  DrawBarElement(element, ABar, ACanvas, R, TPoint{});
  const TRect e = GetBorderExtents(ABar);
  R = TRect{R.Left + e.Left, R.Top + e.Top, R.Right - e.Right, R.Bottom - e.Bottom};
}

void TdxStatusBarSkinPainter::PaintEmptyPanel(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, TRect R) const {
  if (TdxSkinElement* element = BarElement(ABar))
    DrawBarElement(element, ABar, ACanvas, R, TPoint{});
  else
    TdxStatusBarStandardPainter::PaintEmptyPanel(ABar, ACanvas, R);
}

void TdxStatusBarSkinPainter::DrawSeparator(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, const TRect& R) const {
  if (!BarElement(ABar)) TdxStatusBarStandardPainter::DrawSeparator(ABar, ACanvas, R);
}

void TdxStatusBarSkinPainter::FillPanelBackground(TdxCustomStatusBar* ABar, TdxStatusBarPanel* APanel,
                                                  const TRect& R, TcxCanvas* ACanvas) const {
  if (!BarElement(ABar)) TdxStatusBarStandardPainter::FillPanelBackground(ABar, APanel, R, ACanvas);
}

void TdxStatusBarSkinPainter::PaintSizeGrip(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, bool AOverlapped,
                                            TRect R) const {
  TdxSkinElement* bar = BarElement(ABar);
  TdxSkinElement* grip = GripElement(ABar);
  if (!bar || !grip) {
    TdxStatusBarStandardPainter::PaintSizeGrip(ABar, ACanvas, AOverlapped, R);
    return;
  }
  const TRect o = Offsets(bar);
  R = TRect{R.Left + o.Left, R.Top + o.Top, R.Right - o.Right, R.Bottom - o.Bottom};
  const TSize size = grip->GetImageSize();
  const TRect g{R.Right - size.cx, R.Bottom - size.cy, R.Right, R.Bottom};
  grip->DrawToDC(ACanvas->Handle(), g, 0, esNormal);
  ACanvas->ExcludeClipRectangle(g);
}

void dxSkinsdxStatusBarPainter_Initialize() { SetdxStatusBarSkinPainterClass(TdxStatusBarSkinPainter::Instance()); }

void dxSkinsdxStatusBarPainter_Finalize() {
  if (dxStatusBarSkinPainterClass() == TdxStatusBarSkinPainter::Instance()) SetdxStatusBarSkinPainterClass(nullptr);
}

const TUnitEntry dxSkinsdxStatusBarPainterUnit = {L"dxSkinsdxStatusBarPainter", &dxSkinsdxStatusBarPainter_Initialize,
                                                  &dxSkinsdxStatusBarPainter_Finalize};
