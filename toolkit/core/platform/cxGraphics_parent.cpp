// A control's background taken from its parent, and copies of windowed
// controls painted into another canvas. Both have the control erase and paint
// itself into the canvas's DC (WM_ERASEBKGND, then WM_PAINT) with csPaintCopy
// set, the origin and clip moved so it lands where it is wanted.
#include <vector>

#include "Controls.h"
#include "cxGraphics_win.h"
#include "dxUxTheme.h"

namespace {

// The canvas's device state comes back however painting ends.
class TSavedDeviceState {
 public:
  explicit TSavedDeviceState(TcxCanvas* ACanvas) : FCanvas(ACanvas) { ACanvas->SaveDeviceState(); }
  ~TSavedDeviceState() { FCanvas->RestoreDeviceState(); }
  TSavedDeviceState(const TSavedDeviceState&) = delete;
  TSavedDeviceState& operator=(const TSavedDeviceState&) = delete;

 private:
  TcxCanvas* FCanvas;
};

// Logical point P shows afterwards where P - (DX, DY) showed before.
void MoveWindowOrigin(TcxCanvas* ACanvas, int DX, int DY) {
  const TPoint origin = ACanvas->GetWindowOrigin();
  ACanvas->SetWindowOrigin(TPoint{origin.X + DX, origin.Y + DY});
}

// The client area's top-left in the window's own coordinates.
TPoint ClientOffset(HWND AWindow) {
  RECT bounds;
  GetWindowRect(AWindow, &bounds);
  POINT client{0, 0};
  ClientToScreen(AWindow, &client);
  return TPoint{client.x - bounds.left, client.y - bounds.top};
}

// Intersects the clip region with the window's region, when it has one; the
// window's top-left lies at AWindowOrigin in the canvas's logical units.
void ClipToWindowRegion(HWND AWindow, TcxCanvas* ACanvas, const TPoint& AWindowOrigin) {
  auto region = std::make_unique<TcxRegion>();
  const int kind = GetWindowRgn(AWindow, region->Handle());
  if (kind != SIMPLEREGION && kind != COMPLEXREGION) return;
  region->Shift(AWindowOrigin.X, AWindowOrigin.Y);
  ACanvas->SetClipRegion(region.release(), roIntersect, true, true);
}

// The control erases and paints itself into the canvas, in its client coordinates.
void PaintClientCopy(TWinControl* AControl, TcxCanvas* ACanvas) {
  HDC dc = ACanvas->Handle();
  const bool wasCopying = AControl->ControlState().Contains(csPaintCopy);
  TControlState state = AControl->ControlState();
  state.Include(csPaintCopy);
  AControl->SetControlState(state);
  struct TCopyEnded {
    TWinControl* Control;
    bool WasCopying;
    ~TCopyEnded() {
      if (WasCopying) return;
      TControlState state = Control->ControlState();
      state.Exclude(csPaintCopy);
      Control->SetControlState(state);
    }
  } ended{AControl, wasCopying};
  // The DC in both parameters: a double-buffered window erases only into a DC given so.
  AControl->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dc));
  AControl->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

bool WantsWindowEdge(TWinControl* AControl) {
  IcxWindowEdgeQuery* query = nullptr;
  return !Supports(AControl, query) || query->HasWindowEdge();
}

// Draws the client edge or border the window's styles show around R; the
// client rectangle inside it comes back (R itself without an edge).
TRect DrawWindowEdge(HWND AWindow, HDC DC, TRect R) {
  const LONG_PTR exStyle = GetWindowLongPtrW(AWindow, GWL_EXSTYLE);
  if (exStyle & WS_EX_CLIENTEDGE)
    DrawEdge(DC, AsRect(R), EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  else if (GetWindowLongPtrW(AWindow, GWL_STYLE) & WS_BORDER)
    DrawEdge(DC, AsRect(R), BDR_RAISEDOUTER | BDR_SUNKENOUTER, BF_RECT | BF_ADJUST | BF_MONO);
  return R;
}

// The windowed, visible children of a control, bottom first, up to (without) AStop.
std::vector<TWinControl*> ChildrenBelow(TWinControl* AParent, TControl* AStop) {
  std::vector<TWinControl*> children;
  for (int i = 0; i < AParent->ControlCount(); ++i) {
    TControl* child = AParent->Controls(i);
    if (child == AStop) break;
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (windowed && windowed->Visible()) children.push_back(windowed);
  }
  return children;
}

}  // namespace

void PaintControlCopy(TWinControl* AControl, TcxCanvas* ACanvas, const TPoint& AOrigin, const TRect& R,
                      bool ADrawEdge, bool AClipToWindowRegion, bool APaintChildren) {
  if (!AControl || !ACanvas || AControl->ComponentState().Contains(csDestroying)) return;
  TSavedDeviceState saved(ACanvas);
  ACanvas->IntersectClipRectangle(R);
  MoveWindowOrigin(ACanvas, -AOrigin.X, -AOrigin.Y);  // logical units are the window's own now
  const bool windowed = AControl->HandleAllocated();
  if (AClipToWindowRegion && windowed) ClipToWindowRegion(AControl->Handle(), ACanvas, TPoint{});
  TRect client{0, 0, AControl->Width(), AControl->Height()};
  if (ADrawEdge && windowed && WantsWindowEdge(AControl))
    client = DrawWindowEdge(AControl->Handle(), ACanvas->Handle(), client);
  if (!ACanvas->RectVisible(client)) return;
  ACanvas->IntersectClipRectangle(client);
  MoveWindowOrigin(ACanvas, -client.Left, -client.Top);
  PaintClientCopy(AControl, ACanvas);
  if (!APaintChildren) return;
  for (TWinControl* child : ChildrenBelow(AControl, nullptr))
    PaintControlCopy(child, ACanvas, child->BoundsRect().TopLeft(), child->BoundsRect(), true, AClipToWindowRegion,
                     true);
}

void PaintParentBackground(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& R, bool APaintChildren) {
  if (!AControl || !ACanvas) return;
  TWinControl* parent = AControl->Parent();
  if (!parent || parent->ComponentState().Contains(csDestroying)) return;
  const TRect inParent{R.Left + AControl->Left(), R.Top + AControl->Top(), R.Right + AControl->Left(),
                       R.Bottom + AControl->Top()};
  TSavedDeviceState saved(ACanvas);
  // Logical units become the parent's client coordinates, so what lies under
  // R shows in R, wherever R is in the control.
  MoveWindowOrigin(ACanvas, AControl->Left(), AControl->Top());
  if (!ACanvas->RectVisible(inParent)) return;
  if (parent->HandleAllocated()) {
    const TPoint offset = ClientOffset(parent->Handle());
    ClipToWindowRegion(parent->Handle(), ACanvas, TPoint{-offset.X, -offset.Y});
  }
  ACanvas->IntersectClipRectangle(inParent);
  PaintClientCopy(parent, ACanvas);
  if (!APaintChildren) return;
  for (TWinControl* child : ChildrenBelow(parent, AControl))
    PaintControlCopy(child, ACanvas, child->BoundsRect().TopLeft(), child->BoundsRect(), true, true, false);
}

void PaintParentBackgroundOnCanvas(TWinControl* AControl, TCanvas* ACanvas, const TRect& R, bool APaintChildren) {
  TcxCanvas canvas(ACanvas);
  PaintParentBackground(AControl, &canvas, R, APaintChildren);
}

void PaintParentBackgroundAt(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& R, bool APaintChildren,
                             const TPoint& AOffset) {
  if (!ACanvas) return;
  struct TOriginKept {
    TcxCanvas* Canvas;
    TPoint Origin;
    ~TOriginKept() { Canvas->SetWindowOrigin(Origin); }
  } kept{ACanvas, ACanvas->GetWindowOrigin()};
  MoveWindowOrigin(ACanvas, AOffset.X, AOffset.Y);
  PaintParentBackground(AControl, ACanvas, R, APaintChildren);
}

void cxDrawThemeParentBackground(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& R) {
  if (!AControl || !ACanvas) return;
  TWinControl* parent = AControl->Parent();
  if ((parent && parent->DoubleBuffered()) || !IsUxThemeLoaded())
    PaintParentBackground(AControl, ACanvas, R, false);
  else
    DrawThemeParentBackground(AControl->Handle(), ACanvas->Handle(), AsRect(R));
}

void cxDrawThemeParentBackgroundOnCanvas(TWinControl* AControl, TCanvas* ACanvas, const TRect& R) {
  TcxCanvas canvas(ACanvas);
  cxDrawThemeParentBackground(AControl, &canvas, R);
}
