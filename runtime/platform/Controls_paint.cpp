// Painting: a window paints itself, then its windowless children in z-order,
// each with its own origin and clip; double buffering through a memory
// bitmap; the control canvas and the two self-painting control classes.
#include <algorithm>
#include <vector>

#include "Controls.h"
#include "Controls_internal.h"

namespace {
// Canvases holding a DC taken with GetDC, so it goes back before its window does.
std::vector<TControlCanvas*>& CanvasList() {
  static std::vector<TControlCanvas*> list;
  return list;
}
constexpr size_t CanvasCacheSize = 4;

// Lends the paint DC to a control's canvas for one Paint call.
template <class F>
void PaintOnCanvas(TCanvas* Canvas, HDC DC, F paint) {
  Canvas->Lock();
  static_cast<TControlCanvas*>(Canvas)->FreeHandle();
  Canvas->SetHandle(DC);
  try {
    paint();
  } catch (...) {
    Canvas->SetHandle(nullptr);
    Canvas->Unlock();
    throw;
  }
  Canvas->SetHandle(nullptr);
  Canvas->Unlock();
}
}  // namespace

namespace vamire_controls {

void InvalidateInParent(TControl* Control, bool Erase) {
  TWinControl* parent = Control->Parent();
  if (!parent || !parent->HandleAllocated()) return;
  if (auto* w = dynamic_cast<TWinControl*>(Control)) {
    if (w->HandleAllocated()) InvalidateRect(w->Handle(), nullptr, !w->ControlStyle().Contains(csOpaque) || Erase);
    return;
  }
  const TRect b = Control->BoundsRect();
  const RECT r{b.Left, b.Top, b.Right, b.Bottom};
  InvalidateRect(parent->Handle(), &r, Erase || !Control->ControlStyle().Contains(csOpaque));
}

void WindowDestroying(TWinControl* Control) {
  for (TControlCanvas* c : std::vector<TControlCanvas*>(CanvasList())) {
    TControl* owner = c->Control();
    if (owner == Control || (owner && owner->Parent() == Control && !dynamic_cast<TWinControl*>(owner)))
      c->FreeHandle();
  }
  ReleaseMouse(Control);
}

}  // namespace vamire_controls

// --- Requests ----------------------------------------------------------------------------
void TWinControl::Invalidate() { Perform(CM_INVALIDATE); }

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

HDC TWinControl::GetDeviceContext(HWND& WindowHandle) {
  WindowHandle = Handle();
  HDC dc = GetDC(WindowHandle);
  if (!dc) throw EOutOfResources(L"Cannot get the device context of " + ClassName());
  return dc;
}

// --- WM_PAINT ----------------------------------------------------------------------------
void TWinControl::WMPaint(TMessage& Message) {
  const TWMPaint paint{Message};
  if (!FDoubleBuffered || paint.DC()) {
    if (!FControlState.Contains(csCustomPaint) && ControlCount() == 0)
      DefaultHandler(Message);
    else
      PaintHandler(Message);
    return;
  }
  // Double buffered: the whole client area into a bitmap, then onto the window.
  const TRect cr = GetClientRect();
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(FHandle, &ps);
  HDC screen = GetDC(nullptr);
  HBITMAP bmp = CreateCompatibleBitmap(screen, std::max<int>(cr.Right, 1), std::max<int>(cr.Bottom, 1));
  ReleaseDC(nullptr, screen);
  HDC mem = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(mem, bmp);
  try {
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(mem), reinterpret_cast<LPARAM>(mem));
    TMessage inner{WM_PAINT, reinterpret_cast<WPARAM>(mem), 0, 0};
    WMPaint(inner);
    BitBlt(dc, 0, 0, cr.Right, cr.Bottom, mem, 0, 0, SRCCOPY);
  } catch (...) {
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bmp);
    EndPaint(FHandle, &ps);
    throw;
  }
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(bmp);
  EndPaint(FHandle, &ps);
}

void TWinControl::PaintHandler(TMessage& Message) {
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  PAINTSTRUCT ps;
  const bool own = dc == nullptr;
  if (own) dc = BeginPaint(FHandle, &ps);
  try {
    if (FControls.empty()) {
      PaintWindow(dc);
    } else {
      // Opaque windowless children cover their area: the window skips it.
      const int saved = SaveDC(dc);
      int clip = SIMPLEREGION;
      for (TControl* c : FControls) {
        if (c->Visible() && c->ControlStyle().Contains(csOpaque)) {
          clip = ExcludeClipRect(dc, c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height());
          if (clip == NULLREGION) break;
        }
      }
      if (clip != NULLREGION) PaintWindow(dc);
      RestoreDC(dc, saved);
    }
    PaintControls(dc, nullptr);
  } catch (...) {
    if (own) EndPaint(FHandle, &ps);
    throw;
  }
  if (own) EndPaint(FHandle, &ps);
}

void TWinControl::PaintWindow(HDC DC) {
  TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
  DefaultHandler(m);
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
  size_t i = 0;
  if (First) {
    auto it = std::find(FControls.begin(), FControls.end(), First);
    if (it != FControls.end()) i = size_t(it - FControls.begin());
  }
  // A painting child may change the list (hide or free itself): walk a copy.
  const std::vector<TControl*> list(FControls);
  for (; i < list.size(); ++i) {
    TControl* c = list[i];
    if (std::find(FControls.begin(), FControls.end(), c) == FControls.end()) continue;
    const bool shown =
        c->Visible() || (c->ComponentState().Contains(csDesigning) && !c->ControlStyle().Contains(csNoDesignVisible));
    const RECT r{c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height()};
    if (!shown || !RectVisible(DC, &r)) continue;
    if (FControlState.Contains(csPaintCopy)) c->FControlState.Include(csPaintCopy);
    const int saved = SaveDC(DC);
    OffsetWindowOrgEx(DC, -c->Left(), -c->Top(), nullptr);
    IntersectClipRect(DC, 0, 0, c->Width(), c->Height());
    try {
      c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    } catch (...) {
      RestoreDC(DC, saved);
      c->FControlState.Exclude(csPaintCopy);
      throw;
    }
    RestoreDC(DC, saved);
    c->FControlState.Exclude(csPaintCopy);
  }
}

void TWinControl::WMEraseBkgnd(TMessage& Message) {
  const HDC dc = reinterpret_cast<HDC>(Message.WParam);
  // A double-buffered window erases only into its own buffer (LParam == DC).
  if (FDoubleBuffered && WPARAM(Message.LParam) != Message.WParam) {
    Message.Result = 1;
    return;
  }
  if (!dc) {
    Message.Result = 0;
    return;
  }
  const TRect cr = GetClientRect();
  const RECT r{cr.Left, cr.Top, cr.Right, cr.Bottom};
  FillRect(dc, &r, FBrush->Handle());
  Message.Result = 1;
}

void TWinControl::PaintTo(HDC DC, int X, int Y) {
  FControlState.Include(csPaintCopy);
  const int saved = SaveDC(DC);
  try {
    OffsetWindowOrgEx(DC, -X, -Y, nullptr);
    IntersectClipRect(DC, 0, 0, Width(), Height());
    if (FHandle) {
      // The frame, then the client area at its place inside the window.
      RECT wr, cr;
      GetWindowRect(FHandle, &wr);
      ::GetClientRect(FHandle, &cr);
      POINT o{0, 0};
      ::ClientToScreen(FHandle, &o);
      const LONG_PTR ex = GetWindowLongPtrW(FHandle, GWL_EXSTYLE);
      RECT frame{0, 0, Width(), Height()};
      if (ex & WS_EX_CLIENTEDGE)
        DrawEdge(DC, &frame, EDGE_SUNKEN, BF_RECT);
      else if (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_BORDER)
        FrameRect(DC, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      OffsetWindowOrgEx(DC, -(o.x - wr.left), -(o.y - wr.top), nullptr);
      IntersectClipRect(DC, 0, 0, cr.right, cr.bottom);
    }
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 0);
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    for (TWinControl* c : std::vector<TWinControl*>(FWinControls))
      if (c->Visible()) c->PaintTo(DC, c->Left(), c->Top());
  } catch (...) {
    RestoreDC(DC, saved);
    FControlState.Exclude(csPaintCopy);
    throw;
  }
  RestoreDC(DC, saved);
  FControlState.Exclude(csPaintCopy);
}

// --- TControlCanvas ----------------------------------------------------------------------
TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::SetControl(TControl* AControl) {
  if (FControl == AControl) return;
  FreeHandle();
  FControl = AControl;
}

void TControlCanvas::CreateHandle() {
  if (!FControl) return;
  if (!FDeviceContext) {
    auto& list = CanvasList();
    // Few DCs stay taken at a time; the oldest idle one goes back first.
    if (list.size() >= CanvasCacheSize) {
      for (TControlCanvas* c : std::vector<TControlCanvas*>(list)) {
        if (c != this && c->LockCount() == 0) {
          c->FreeHandle();
          break;
        }
      }
    }
    FDeviceContext = FControl->GetDeviceContext(FWindowHandle);
    list.push_back(this);
  }
  SetHandle(FDeviceContext);
}

void TControlCanvas::FreeHandle() {
  if (!FDeviceContext) return;
  SetHandle(nullptr);
  ReleaseDC(FWindowHandle, FDeviceContext);
  FDeviceContext = nullptr;
  FWindowHandle = nullptr;
  std::erase(CanvasList(), this);
}

// --- TCustomControl ----------------------------------------------------------------------
TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {
  auto* canvas = new TControlCanvas();
  canvas->SetControl(this);
  FCanvas = canvas;
}

TCustomControl::~TCustomControl() {
  Destroying();
  // The window goes while the canvas is still there to give its DC back.
  if (FHandle) DestroyHandle();
  delete FCanvas;
}

void TCustomControl::Paint() {
  if (OnPaint) OnPaint(this);
}

void TCustomControl::PaintWindow(HDC DC) { PaintOnCanvas(FCanvas, DC, [this] { Paint(); }); }

void TCustomControl::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_PAINT) {
    // A custom control always paints through PaintWindow, children or not.
    FControlState.Include(csCustomPaint);
    TWinControl::Dispatch(Message);
    FControlState.Exclude(csCustomPaint);
    return;
  }
  TWinControl::Dispatch(Message);
}

// --- TGraphicControl ---------------------------------------------------------------------
TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {
  auto* canvas = new TControlCanvas();
  canvas->SetControl(this);
  FCanvas = canvas;
}

TGraphicControl::~TGraphicControl() { delete FCanvas; }

void TGraphicControl::Paint() {
  if (OnPaint) OnPaint(this);
}

void TGraphicControl::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_PAINT) {
    if (const HDC dc = reinterpret_cast<HDC>(Message.WParam)) PaintOnCanvas(FCanvas, dc, [this] { Paint(); });
    return;
  }
  TControl::Dispatch(Message);
}
