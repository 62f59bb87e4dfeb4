// Dragging: a control's own drag and drop, the runtime's drag between controls
// started after the control's own drag detection, the middle-button pointing
// loop that scrolls toward the pointer, and the wheel.
#include <algorithm>

#include "cxControls_internal.h"
#include "cxControls_win.h"

namespace {

constexpr UINT kScrollContentInterval = 20;
UINT_PTR GScrollContentTimer = 0;

TPoint CursorPos() {
  POINT p{0, 0};
  GetCursorPos(&p);
  return TPoint{p.x, p.y};
}

// The message's point on the screen; a mouse message carries it in the
// client coordinates of its window.
TPoint MessageScreenPoint(const MSG& Msg) {
  POINT p{short(LOWORD(Msg.lParam)), short(HIWORD(Msg.lParam))};
  if (Msg.hwnd) ClientToScreen(Msg.hwnd, &p);
  return TPoint{p.x, p.y};
}

bool IsEscape(const MSG& Msg) {
  return (Msg.message == WM_KEYDOWN || Msg.message == WM_KEYUP) && Msg.wParam == VK_ESCAPE;
}

// One message of a modal loop: false when the loop must end (the queue is
// gone, or WM_QUIT, which is posted again for the loop outside).
bool NextMessage(MSG& Msg) {
  const int r = GetMessageW(&Msg, nullptr, 0, 0);
  if (r == -1) return false;
  if (r == 0) {
    PostQuitMessage(int(Msg.wParam));
    return false;
  }
  return true;
}

void DispatchTaken(MSG& Msg) {
  TranslateMessage(&Msg);
  DispatchMessageW(&Msg);
}

}  // namespace

// --- Drag-and-drop object ---------------------------------------------------------------------
TcxDragAndDropObject::TcxDragAndDropObject(TcxControl* AControl)
    : FCanvas(AControl ? AControl->Canvas() : nullptr), FControl(AControl) {}

TPoint TcxDragAndDropObject::GetClientCursorPos() { return FControl->ScreenToClient(CursorPos()); }

TCursor TcxDragAndDropObject::GetDragAndDropCursor(bool Accepted) { return Accepted ? crDrag : crNoDrop; }

void TcxDragAndDropObject::DragAndDrop(const TPoint&, bool& Accepted) {
  SetDirty(false);
  Screen->SetCursor(GetDragAndDropCursor(Accepted));
}

void TcxDragAndDropObject::SetDirty(bool Value) {
  if (FDirty == Value) return;
  FDirty = Value;
  DirtyChanged();
}

void TcxDragAndDropObject::SetCurMousePos(const TPoint& P) {
  PrevMousePos = CurMousePos;
  CurMousePos = P;
}

void TcxDragAndDropObject::Init() {
  CurMousePos = PrevMousePos = GetClientCursorPos();
  BeginDragAndDrop();
}

void TcxDragAndDropObject::DoDragAndDrop(const TPoint& P, bool& Accepted) {
  SetCurMousePos(P);
  DragAndDrop(P, Accepted);
}

void TcxDragAndDropObject::DoEndDragAndDrop(bool Accepted) {
  BeforeEndDragAndDrop();
  EndDragAndDrop(Accepted);
}

TCursor TcxDragControlObject::GetDragCursor(bool Accepted, int X, int Y) {
  auto* control = dynamic_cast<TcxControl*>(Control());
  if (Accepted && control && control->IsCopyDragDrop()) return crcxDragCopy;
  return inherited::GetDragCursor(Accepted, X, Y);
}

// --- The control's own drag and drop -------------------------------------------------------------
TClass TcxControl::GetDragAndDropObjectClass() {
  return FDragAndDropObjectClass ? FDragAndDropObjectClass : TcxDragAndDropObject::StaticClass();
}

TcxDragAndDropObject* TcxControl::CreateDragAndDropObject() {
  return static_cast<TcxDragAndDropObject*>(GetDragAndDropObjectClass()->Create(this));
}

TcxDragAndDropObject* TcxControl::DragAndDropObject() {
  if (!FDragAndDropObject) FDragAndDropObject = CreateDragAndDropObject();
  return FDragAndDropObject;
}

void TcxControl::SetDragAndDropState(TcxDragAndDropState Value) {
  if (FDragAndDropState == Value) return;
  FDragAndDropState = Value;
  if (Value == ddsNone && !FFinishingDragAndDrop) CancelMouseOperations();
}

void TcxControl::BeginDragAndDrop() {
  DragAndDropObject()->Init();
  SetMouseCapture(true);
  FDragAndDropPrevCursor = Screen->Cursor();
  SetDragAndDropState(ddsInProcess);
}

void TcxControl::DragAndDrop(const TPoint& P, bool& Accepted) { DragAndDropObject()->DoDragAndDrop(P, Accepted); }

void TcxControl::EndDragAndDrop(bool Accepted) {
  SetDragAndDropState(ddsNone);
  Screen->SetCursor(FDragAndDropPrevCursor);
  SetMouseCapture(false);
  SetMouseCaptureObject(nullptr);
  DragAndDropObject()->DoEndDragAndDrop(Accepted);
}

void TcxControl::FinishDragAndDrop(bool Accepted) {
  if (FFinishingDragAndDrop) return;
  FFinishingDragAndDrop = true;
  TcxObjectLinkGuard link(this);
  try {
    if (FDragAndDropState == ddsInProcess) EndDragAndDrop(Accepted);
    else SetDragAndDropState(ddsNone);
  } catch (...) {
    if (link.Alive()) {
      FFinishingDragAndDrop = false;
      delete FDragAndDropObject;
      FDragAndDropObject = nullptr;
    }
    throw;
  }
  // The end of the drop may have freed the control.
  if (!link.Alive()) return;
  delete FDragAndDropObject;
  FDragAndDropObject = nullptr;
  FFinishingDragAndDrop = false;
}

bool TcxControl::IsAutoDragIdle(int X, int Y) { return DragMode() == dmManual || IsMouseInDragThreshold(X, Y); }

bool TcxControl::IsCopyDragDrop() { return IsCtrlKeyDown(); }

// --- The runtime's drag between controls --------------------------------------------------------
int DetectMouseDrag(HWND AWindow, const TPoint& P) {
  const TRect deadZone = DragDeadZone(P, Mouse->DragThreshold());
  SetCapture(AWindow);
  int result = 2;
  MSG msg;
  while (GetCapture() == AWindow && NextMessage(msg)) {
    bool done = false;
    if (IsEscape(msg)) {
      result = 2;
      done = true;
    } else if (msg.message == WM_MOUSEMOVE && msg.hwnd == AWindow) {
      // Signed: a move just left of or above the window is still near the press.
      if (!PointInRect(deadZone, MessageScreenPoint(msg))) {
        result = 1;
        done = true;
      }
    } else if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONUP || msg.message == WM_MBUTTONUP) {
      result = 0;
      done = true;
    }
    DispatchTaken(msg);
    if (done) break;
  }
  if (GetCapture() == AWindow) ReleaseCapture();
  return result;
}

void TcxControl::HandleMouseButtonDown(int AButton, int X, int Y) {
  TcxObjectLinkGuard link(this);
  if (DragMode() == dmAutomatic && AButton == 0 && MouseCapture() && (!IsDesigning() || CanDrag(X, Y, {})) &&
      IsDragAndDropIdle()) {
    const int result = DetectMouseDrag(Handle(), ClientToScreen(TPoint{X, Y}));
    if (!link.Alive()) return;
    if (result == 1) BeginDrag(true, -1);
    if (!link.Alive()) return;
  }
  if (AButton == 2) ScrollContentLoop();
}

void TcxControl::DoStartDrag(TDragObject*& DragObject) {
  Update();
  TcxObjectLinkGuard link(this);
  inherited::DoStartDrag(DragObject);
  if (!link.Alive()) return;
  if (!DragObject && GetDragObjectClass())
    DragObject = static_cast<TDragObject*>(GetDragObjectClass()->Create(this));
  if (DragObject && !AllowStartDrag(DragObject)) {
    delete DragObject;
    DragObject = nullptr;
    CancelDrag();
  }
}

void TcxControl::DoEndDrag(TObject* Target, int X, int Y) {
  TcxObjectLinkGuard link(this);
  inherited::DoEndDrag(Target, X, Y);
  if (!link.Alive()) return;
  delete FDragImages;
  FDragImages = nullptr;
}

TDragImageList* TcxControl::GetDragImages() {
  if (!HasDragImages()) return nullptr;
  if (!FDragImages) {
    FDragImages = static_cast<TcxDragImageList*>(GetDragImagesClass()->Create(nullptr));
    InitDragImages(FDragImages);
  }
  return FDragImages->Count() > 0 ? FDragImages : nullptr;
}

void TcxControl::InitDragImages(TcxDragImageList* AImages) {
  const TPoint size = GetDragImagesSize();
  AImages->SetWidth(size.X);
  AImages->SetHeight(size.Y);
  if (size.X == 0 || size.Y == 0) return;
  TBitmap bitmap;
  bitmap.SetSize(size.X, size.Y);
  TcxCanvas canvas(bitmap.Canvas());
  DrawDragImage(&canvas, TRect{0, 0, size.X, size.Y});
  AImages->AddMasked(&bitmap, bitmap.TransparentColor());
}

// --- Wheel and the pointing loop ----------------------------------------------------------------
bool TcxControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  TcxObjectLinkGuard link(this);
  if (inherited::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  if (!link.Alive()) return true;
  const TcxMouseWheelScrollingKind kind = GetMouseWheelScrollingKind();
  if (kind == mwskNone) return false;
  const TcxDirection direction =
      kind == mwskVertical ? (WheelDelta > 0 ? dirUp : dirDown) : (WheelDelta > 0 ? dirLeft : dirRight);
  for (int i = 0, lines = Mouse->WheelScrollLines(); i < lines && link.Alive(); ++i) ScrollContent(direction);
  return true;
}

void TcxControl::ScrollContent(TcxDirection ADirection) {
  if (ADirection == dirNone || (!HasScrollBars() && !CanScrollContent(ADirection))) return;
  const bool vertical = ADirection == dirUp || ADirection == dirDown;
  const TScrollCode code = ADirection == dirLeft || ADirection == dirUp ? scLineUp : scLineDown;
  TcxControlScrollBar* bar = vertical ? FVScrollBar : FHScrollBar;
  int pos = bar ? bar->Position() : 0;
  TcxObjectLinkGuard link(this);
  Scroll(vertical ? sbVertical : sbHorizontal, code, pos);
  if (link.Alive()) Update();
}

UINT_PTR ScrollContentLoopTimerID() { return GScrollContentTimer; }

void TcxControl::ScrollContentLoop() {
  const bool h = IsHScrollBarVisible(), v = IsVScrollBarVisible();
  if (!h && !v) return;
  FScrollingContent = true;
  const HWND window = Handle();
  const TPoint anchor = CursorPos();
  const wchar_t* name = h && v ? L"CX_FULLSCROLLBITMAP" : h ? L"CX_HORSCROLLBITMAP" : L"CX_VERSCROLLBITMAP";
  HINSTANCE instance = GetModuleHandleW(nullptr);
  auto* image = static_cast<HBITMAP>(LoadImageW(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  BITMAP info{};
  if (image) GetObjectW(image, sizeof(info), &info);
  const int width = std::max<int>(info.bmWidth, 1), height = std::max<int>(info.bmHeight, 1);

  // The anchor: a round window with the bitmap, centred where the press was.
  HWND anchorWindow = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", nullptr,
                                      WS_POPUP, anchor.X - width / 2, anchor.Y - height / 2, width, height, window,
                                      nullptr, instance, nullptr);
  if (anchorWindow) {
    SetWindowRgn(anchorWindow, CreateEllipticRgn(0, 0, width + 1, height + 1), FALSE);
    ShowWindow(anchorWindow, SW_SHOWNOACTIVATE);
    HDC dc = GetWindowDC(anchorWindow);
    if (image) {
      HDC memory = CreateCompatibleDC(dc);
      HGDIOBJ old = SelectObject(memory, image);
      BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
      SelectObject(memory, old);
      DeleteDC(memory);
    }
    HRGN ellipse = CreateEllipticRgn(0, 0, width + 1, height + 1);
    FrameRgn(dc, ellipse, GetSysColorBrush(COLOR_WINDOWTEXT), 1, 1);
    DeleteObject(ellipse);
    ReleaseDC(anchorWindow, dc);
  }

  const TRect screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                     GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                     GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  TcxDirection direction = dirNone;
  int speed = 1, ticks = 0;
  bool moved = false;
  TPoint last = anchor;
  TCursor cursor = TCursor(ScrollContentCursor(dirNone, h, v));
  ::SetCursor(GetCursorHandle(cursor));
  const UINT_PTR outerTimer = GScrollContentTimer;
  GScrollContentTimer = SetTimer(nullptr, 0, kScrollContentInterval, nullptr);
  SetCapture(window);
  TcxObjectLinkGuard link(this);
  auto cleanUp = [&] {
    if (GetCapture() == window) ReleaseCapture();
    KillTimer(nullptr, GScrollContentTimer);
    GScrollContentTimer = outerTimer;
    if (anchorWindow) DestroyWindow(anchorWindow);
    if (image) DeleteObject(image);
    if (link.Alive()) FScrollingContent = false;
  };
  try {
    MSG msg;
    while (link.Alive() && GetCapture() == window && NextMessage(msg)) {
      if (msg.message == WM_PAINT && msg.hwnd == anchorWindow) {
        ValidateRect(anchorWindow, nullptr);
        continue;
      }
      // Any other button or the wheel ends the loop; that message is not passed on.
      if (msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MOUSEWHEEL && msg.message != WM_MBUTTONUP) break;
      bool done = false;
      if (IsEscape(msg)) {
        done = true;
      } else if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == GScrollContentTimer) {
        ++ticks;
        if (direction != dirNone && IsScrollContentTick(ticks, speed)) ScrollContent(direction);
      } else if (msg.message == WM_MOUSEMOVE) {
        const TPoint p = MessageScreenPoint(msg);
        if (p != last) {
          last = p;
          const TcxScrollContentStep step = CalcScrollContentStep(p, anchor, width, h, v, screen);
          if (step.Outside) moved = true;
          direction = step.Direction;
          speed = step.Speed;
          cursor = TCursor(ScrollContentCursor(direction, h, v));
        }
      } else if (msg.message == WM_MBUTTONUP) {
        // A plain middle click keeps the loop going; a press, move and release ends it.
        done = moved;
      }
      DispatchTaken(msg);
      if (msg.message == WM_MOUSEMOVE) ::SetCursor(GetCursorHandle(cursor));
      if (done) break;
    }
  } catch (...) {
    cleanUp();
    throw;
  }
  cleanUp();
}
