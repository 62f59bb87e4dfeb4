// The container unit's window, focus, message-queue, rectangle and
// buffered-painting helpers.
#include <algorithm>

#include "SysUtils.h"
#include "cxContainer_internal.h"
#include "cxContainer_win.h"
#include "cxDWMApi.h"
#include "cxGeometry.h"
#include "dxUxTheme.h"

namespace {

TcxVisiblePopupsReader GVisiblePopupsReader = nullptr;

using TGetScrollBarInfoFunc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
TGetScrollBarInfoFunc GGetScrollBarInfo = nullptr;

bool HandleExists(TWinControl* AControl) { return AControl && AControl->HandleAllocated(); }

// The window lies inside AControl: a child window of it, or of one of its windowed children.
bool IsInsideControl(TWinControl* AControl, HWND AWindow) {
  if (!HandleExists(AControl)) return false;
  return AControl->Handle() == AWindow || IsChild(AControl->Handle(), AWindow);
}

// The control is AHost or lies on it.
bool LiesOn(TControl* AControl, TWinControl* AHost) {
  for (TControl* c = AControl; c; c = c->Parent())
    if (c == AHost) return true;
  return false;
}

bool IsChildOfControlOrPopupsVisited(TWinControl* AControl, HWND AWindow, std::vector<TWinControl*>& AVisited) {
  if (!AControl || !AWindow) return false;
  // A popup opened from a control on another popup could lead back here.
  if (std::find(AVisited.begin(), AVisited.end(), AControl) != AVisited.end()) return false;
  AVisited.push_back(AControl);
  if (HandleExists(AControl) && IsChild(AControl->Handle(), AWindow)) return true;
  for (const TcxVisiblePopup& p : GetVisiblePopups()) {
    if (!p.Popup || !LiesOn(p.OwnerControl, AControl)) continue;
    if (IsInsideControl(p.Popup, AWindow) || IsChildOfControlOrPopupsVisited(p.Popup, AWindow, AVisited)) return true;
  }
  return false;
}

}  // namespace

TcxVisiblePopupsReader SetVisiblePopupsReader(TcxVisiblePopupsReader AReader) {
  return std::exchange(GVisiblePopupsReader, AReader);
}

std::vector<TcxVisiblePopup> GetVisiblePopups() {
  return GVisiblePopupsReader ? GVisiblePopupsReader() : std::vector<TcxVisiblePopup>{};
}

// --- Windows, forms and ownership ---------------------------------------------------------------
bool IsControlWindow(TWinControl* AControl, HWND AWindow) {
  return HandleExists(AControl) && AControl->Handle() == AWindow;
}

bool ControlOwnsWindow(TWinControl* AControl, HWND AWindow, bool AIncludeChildren) {
  if (!HandleExists(AControl)) return false;
  return AControl->Handle() == AWindow || (AIncludeChildren && IsChildOfControlOrPopups(AControl, AWindow));
}

bool IsChildOfControlOrPopups(TWinControl* AControl, HWND AWindow) {
  if (!AControl || !AWindow || IsControlWindow(AControl, AWindow)) return false;
  std::vector<TWinControl*> visited;
  return IsChildOfControlOrPopupsVisited(AControl, AWindow, visited);
}

bool IsControlWindowVisible(TWinControl* AControl) {
  return HandleExists(AControl) && IsWindowVisible(AControl->Handle());
}

bool IsWindowInControlForm(TControl* AControl, HWND AWindow) {
  TCustomForm* form = GetParentForm(AControl);
  if (!form || !form->HandleAllocated() || !AWindow) return false;
  const HWND formWindow = form->Handle();
  if (formWindow == AWindow || IsChild(formWindow, AWindow)) return true;
  if (form->Parent()) return false;
  // A form embedded by window only: climb the chain of child windows to its top.
  HWND top = formWindow;
  while ((GetWindowLongPtrW(top, GWL_STYLE) & WS_CHILD) && GetParent(top)) top = GetParent(top);
  return top != formWindow && (top == AWindow || IsChild(top, AWindow));
}

HWND FindTopLevelAncestorWindow(HWND AWindow) {
  for (HWND w = AWindow; w; w = GetParent(w))
    if (!(GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD)) return w;
  return nullptr;
}

bool IsActiveWindow(HWND AWindow) { return AWindow && GetActiveWindow() == AWindow; }

bool IsFormActive(TCustomForm* AForm) {
  if (!AForm || !AForm->HandleAllocated()) return false;
  const HWND window = AForm->Handle();
  if (IsActiveWindow(window)) return true;
  if (AForm->FormStyle() == fsMDIChild) {
    TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
    return !AForm->ComponentState().Contains(csDesigning) && mainForm && mainForm->HandleAllocated() &&
           IsActiveWindow(mainForm->Handle()) && mainForm->ActiveMDIChild() == AForm;
  }
  return IsActiveWindow(FindTopLevelAncestorWindow(window));
}

TRect GetControlSizeRect(TControl* AControl) { return TRect{0, 0, AControl->Width(), AControl->Height()}; }

void RecreateControlWnd(TWinControl* AControl) { AControl->RecreateWnd(); }

void AssignFont(TFont* ADestination, TFont* ASource) { ADestination->Assign(ASource); }

// --- Input state ------------------------------------------------------------------------------
TPoint GetMousePos() {
  POINT p{};
  GetCursorPos(&p);
  return TPoint{p.x, p.y};
}

TShiftState GetCurrentShiftState() { return KeyboardStateToShiftState(); }

int MouseButtonCode(TMouseButton AButton) {
  switch (AButton) {
    case mbLeft: return 1;
    case mbRight: return 2;
    case mbMiddle: return 3;
  }
  return 0;
}

// --- Message queue ----------------------------------------------------------------------------
bool HasPendingMessage(HWND AWindow, UINT AMessage) {
  MSG m;
  return PeekMessageW(&m, AWindow, AMessage, AMessage, PM_NOREMOVE | PM_NOYIELD) != 0;
}

bool DiscardPendingMessages(HWND AWindow, UINT AFirst, UINT ALast, bool ARemoveAll) {
  const UINT last = ALast == 0 ? AFirst : ALast;
  bool removed = false;
  MSG m;
  while (PeekMessageW(&m, AWindow, AFirst, last, PM_REMOVE | PM_NOYIELD)) {
    if (m.message == WM_QUIT) {
      PostQuitMessage(int(m.wParam));
      break;
    }
    removed = true;
    if (!ARemoveAll) break;
  }
  return removed;
}

// --- Enabling around a modal operation -----------------------------------------------------------
void DisableWindowAndRemember(TcxWindowList& AList, HWND AWindow) {
  if (!IsWindowEnabled(AWindow)) return;
  AList.push_back(AWindow);
  EnableWindow(AWindow, FALSE);
}

void EnableRememberedWindows(TcxWindowList* AList) {
  if (!AList) return;
  for (HWND w : *AList)
    if (IsWindow(w)) EnableWindow(w, TRUE);
}

// --- Rectangles and invalidation ------------------------------------------------------------------
void FillRectExcept(TcxCanvas* ACanvas, const TRect& R, const TRect& AInner, TColor AColor) {
  TRect bands[4];
  const int count = CalcBandsExcept(R, AInner, bands);
  for (int i = 0; i < count; ++i) ACanvas->FillRect(bands[i], AColor);
}

void InvalidateRectExcept(HWND AWindow, const TRect& R, const TRect& AInner, bool AErase) {
  TRect bands[4];
  const int count = CalcBandsExcept(R, AInner, bands);
  for (int i = 0; i < count; ++i) {
    const RECT r{bands[i].Left, bands[i].Top, bands[i].Right, bands[i].Bottom};
    InvalidateRect(AWindow, &r, AErase);
  }
}

void InvalidateControlRect(TWinControl* AControl, const TRect& R, bool AErase) {
  if (!HandleExists(AControl)) return;
  const RECT r{R.Left, R.Top, R.Right, R.Bottom};
  InvalidateRect(AControl->Handle(), &r, AErase);
}

bool TextsEqual(const String& A, const String& B, bool ACaseSensitive) {
  return ACaseSensitive ? AnsiSameStr(A, B) : AnsiSameStr(AnsiUpperCase(A), AnsiUpperCase(B));
}

// --- Scroll-bar information ---------------------------------------------------------------------
void SetUsecxScrollBars() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  GGetScrollBarInfo =
      user32 ? reinterpret_cast<TGetScrollBarInfoFunc>(reinterpret_cast<void*>(GetProcAddress(user32, "GetScrollBarInfo"))) : nullptr;
}

bool IsGetScrollBarInfoAvailable() { return GGetScrollBarInfo != nullptr; }

bool GetScrollBarInfoSafe(HWND AWindow, LONG AObjectId, SCROLLBARINFO& AInfo) {
  AInfo.cbSize = sizeof(SCROLLBARINFO);
  return GGetScrollBarInfo && GGetScrollBarInfo(AWindow, AObjectId, &AInfo);
}

bool IsThemeKindUsable(bool ANativeWanted, TdxThemedObjectType AKind) {
  return ANativeWanted && AcquireThemeHandle(AKind) != nullptr;
}

// --- Buffered painting ---------------------------------------------------------------------------
bool CanUseBufferedPaint() {
  const TdxUxThemeApi& api = UxThemeApi();
  return IsDwmCompositionEnabled() && api.BeginBufferedPaint && api.EndBufferedPaint && api.BufferedPaintSetAlpha;
}

void BufferedPrintClient(HDC ATargetDC, const TRect& R, HWND AWindow) {
  const RECT target{R.Left, R.Top, R.Right, R.Bottom};
  BP_PAINTPARAMS params{sizeof(params), 0, nullptr, nullptr};
  HDC bufferDC = nullptr;
  HPAINTBUFFER buffer = BeginBufferedPaint(ATargetDC, &target, BPBF_TOPDOWNDIB, &params, &bufferDC);
  if (!buffer) {
    // Without a buffer the window prints straight onto the target.
    SendMessageW(AWindow, WM_ERASEBKGND, WPARAM(ATargetDC), 0);
    SendMessageW(AWindow, WM_PRINTCLIENT, WPARAM(ATargetDC), PRF_CLIENT);
    return;
  }
  SendMessageW(AWindow, WM_ERASEBKGND, WPARAM(bufferDC), 0);
  SendMessageW(AWindow, WM_PRINTCLIENT, WPARAM(bufferDC), PRF_CLIENT);
  BufferedPaintSetAlpha(buffer, &target, 255);
  HideCaret(AWindow);
  EndBufferedPaint(buffer, TRUE);
  ShowCaret(AWindow);
}

void BufferedRepaintWindow(HWND AWindow) {
  RECT client{};
  GetClientRect(AWindow, &client);
  HDC dc = GetDC(AWindow);
  if (!dc) return;
  BufferedPrintClient(dc, TRect{client.left, client.top, client.right, client.bottom}, AWindow);
  ReleaseDC(AWindow, dc);
}

void BufferedPaintWindow(HWND AWindow) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(AWindow, &ps);
  if (dc) BufferedPrintClient(dc, TRect{ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom}, AWindow);
  EndPaint(AWindow, &ps);
}
