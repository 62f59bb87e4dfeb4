// The container's view info: its border and shadow painting, natively or
// by the look in force, and the window regions made from its geometry.
#include "cxContainer_win.h"
#include "cxDWMApi.h"
#include "cxGeometry.h"
#include "dxUxTheme.h"

namespace {

// The theme's colour of a framed edit: the list box's border under desktop
// composition, else the combo box's.
TColor NativeBorderColor() {
  const bool composition = IsDwmCompositionEnabled();
  HTHEME theme = AcquireThemeHandle(composition ? totListBox : totComboBox);
  COLORREF color = 0;
  if (theme && SUCCEEDED(GetThemeColor(theme, composition ? 3 : 1, 1, 3801, &color))) return TColor(color);
  return clBtnShadow;
}

}  // namespace

TcxContainerViewInfo* TcxContainerViewInfo::CreateViewInfo(TClass AViewInfoClass) {
  if (!AViewInfoClass || !AViewInfoClass->InheritsFrom(StaticClass()))
    throw EcxContainerError(L"Not a container view info class");
  return static_cast<TcxContainerViewInfo*>(AViewInfoClass->Create());
}

void TcxContainerViewInfo::Assign(TcxContainerViewInfo* AViewInfo) {
  if (AViewInfo) ClientRect = AViewInfo->ClientRect;
}

TcxRegion* TcxContainerViewInfo::CreateUpdateRegion(TcxContainerViewInfo* /*AViewInfo*/) { return new TcxRegion(); }

void TcxContainerViewInfo::Shift(int DX, int DY) {
  Bounds = OffsetRectBy(Bounds, DX, DY);
  BorderRect = OffsetRectBy(BorderRect, DX, DY);
  ClientRect = OffsetRectBy(ClientRect, DX, DY);
}

bool TcxContainerViewInfo::UpdateStyle(TcxContainerStyle* AStyle) {
  TcxLookAndFeel* lf = AStyle ? AStyle->LookAndFeel() : nullptr;
  Painter = lf ? lf->CurrentSkinPainter() : nullptr;
  UsesSkinPainter = Painter != nullptr;
  return UsesSkinPainter;
}

void TcxContainerViewInfo::DrawBorder(TcxCanvas* ACanvas, const TRect& R) {
  if (UsesSkinPainter || BorderStyle == cbsSingle || BorderStyle == cbsThick) {
    ACanvas->FrameRectBorders(R, BorderColor, BorderWidth);
    return;
  }
  if (BorderStyle != cbsFlat && BorderStyle != cbs3D) return;
  ACanvas->Draw3DEdge(R, true, true, Edges);
  const TRect inner = InflateRectXY(R, -1, -1);
  if (BorderStyle == cbsFlat)
    ACanvas->FrameRectBorders(inner, clBtnFace, 1);
  else
    ACanvas->DrawTwoColorFrame(inner, cl3DDkShadow, cl3DLight, Edges);
}

void TcxContainerViewInfo::PaintBackgroundAndBorder(TcxCanvas* ACanvas) {
  if (NativeStyle) {
    if (BorderStyle == cbsNone) {
      ACanvas->FillRect(Bounds, BackgroundColor);
      return;
    }
    TRect content = Bounds;
    if (HTHEME theme = AcquireThemeHandle(ThemedObjectType)) {
      RECT bounds{Bounds.Left, Bounds.Top, Bounds.Right, Bounds.Bottom}, r{};
      if (SUCCEEDED(GetThemeBackgroundContentRect(theme, ACanvas->Handle(), 1, NativeState, &bounds, &r)))
        content = TRect{r.left, r.top, r.right, r.bottom};
    }
    ACanvas->FillRect(content, BackgroundColor);
    FillRectExcept(ACanvas, Bounds, content, NativeBorderColor());
    return;
  }
  const TcxContainerFrameRects rects = CalcContainerFrameRects(BorderRect, BorderWidth, Edges, Shadow);
  if (Shadow) {
    TRect r = rects.Frame;
    // The shadow hugs the frame as drawn: outside the edges the frame reaches no further.
    if (!Edges.Contains(bRight)) r.Right -= BorderWidth;
    if (!Edges.Contains(bBottom)) r.Bottom -= BorderWidth;
    PaintContainerShadow(ACanvas, r);
  }
  DrawBorder(ACanvas, rects.Frame);
  ACanvas->FillRect(BorderRect, BackgroundColor);
}

void PaintContainerShadow(TcxCanvas* ACanvas, const TRect& R) {
  TRect bottom, right;
  CalcContainerShadowBands(R, bottom, right);
  ACanvas->FillRect(bottom, clBtnShadow);
  ACanvas->FillRect(right, clBtnShadow);
  ACanvas->ExcludeClipRectangle(bottom);
  ACanvas->ExcludeClipRectangle(right);
}

int GetContainerBorderWidth(TcxContainerBorderStyle AStyle, TcxCustomLookAndFeelPainterClass ASkinPainter) {
  return ContainerBorderWidth(AStyle, ASkinPainter != nullptr);
}

TcxRegion* CreatePopupShadowRegion(const TRect& ABounds, const TRect& AMargins, const TRect& AExclude, bool AShadow,
                                   bool ANativeWithBorder) {
  if (!AShadow || ANativeWithBorder) return nullptr;
  auto* region = new TcxRegion(ShrinkRectByMargins(ABounds, AMargins));
  const TRect moved = OffsetRectBy(ABounds, cxContainerShadowWidth, cxContainerShadowWidth);
  region->CombineWith(new TcxRegion(ShrinkRectByMargins(moved, AMargins)), roAdd);
  if (!RectHasNoArea(AExclude)) region->CombineWith(new TcxRegion(AExclude), roSubtract);
  return region;
}

bool SetPopupShadowRegion(HWND AWindow, TcxRegion* ARegion) {
  HRGN current = CreateRectRgn(0, 0, 0, 0);
  const bool hasRegion = GetWindowRgn(AWindow, current) != ERROR;
  bool same;
  if (!ARegion)
    same = !hasRegion;
  else
    same = hasRegion && EqualRgn(current, ARegion->Handle());
  DeleteObject(current);
  if (same) {
    delete ARegion;
    return false;
  }
  if (!ARegion) {
    SetWindowRgn(AWindow, nullptr, TRUE);
    return true;
  }
  // The window owns the handle from here on.
  HRGN handle = CreateRectRgn(0, 0, 0, 0);
  CombineRgn(handle, ARegion->Handle(), nullptr, RGN_COPY);
  delete ARegion;
  SetWindowRgn(AWindow, handle, TRUE);
  return true;
}
