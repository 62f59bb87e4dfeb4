// The mouse: the cursor registry, capture for windowed and windowless
// controls, mouse-over tracking (CM_MOUSEENTER/CM_MOUSELEAVE) and TMouse.
#include <algorithm>
#include <map>

#include "Controls.h"
#include "Controls_internal.h"
#include "SysUtils.h"

namespace {

TControl* CaptureChild = nullptr;   // a windowless control holding the mouse through its parent
TControl* MouseControl = nullptr;   // the control the mouse is over
TCursor ScreenCursorValue = crDefault;

struct TCursorEntry {
  TCursor Id;
  const wchar_t* Name;
  WORD SystemId;  // the IDC_ number; 0: no system cursor (crNone hides the mouse)
};

// Cursors without a system counterpart show the nearest system one.
const TCursorEntry BuiltInCursors[] = {
    {crDefault, L"crDefault", 32512}, {crNone, L"crNone", 0},
    {crArrow, L"crArrow", 32512},     {crCross, L"crCross", 32515},
    {crIBeam, L"crIBeam", 32513},     {crSizeNESW, L"crSizeNESW", 32643},
    {crSizeNS, L"crSizeNS", 32645},   {crSizeNWSE, L"crSizeNWSE", 32642},
    {crSizeWE, L"crSizeWE", 32644},   {crUpArrow, L"crUpArrow", 32516},
    {crHourGlass, L"crHourGlass", 32514}, {crDrag, L"crDrag", 32512},
    {crNoDrop, L"crNoDrop", 32648},   {crHSplit, L"crHSplit", 32644},
    {crVSplit, L"crVSplit", 32645},   {crMultiDrag, L"crMultiDrag", 32512},
    {crSQLWait, L"crSQLWait", 32514}, {crNo, L"crNo", 32648},
    {crAppStart, L"crAppStart", 32650}, {crHelp, L"crHelp", 32651},
    {crHandPoint, L"crHandPoint", 32649}, {crSizeAll, L"crSizeAll", 32646},
};

const TCursorEntry* FindBuiltIn(TCursor Id) {
  for (const auto& e : BuiltInCursors)
    if (e.Id == Id) return &e;
  return nullptr;
}

std::map<int, HCURSOR>& CustomCursors() {
  static std::map<int, HCURSOR> cursors;
  return cursors;
}

HCURSOR SystemCursor(const TCursorEntry* e) {
  if (!e->SystemId) return nullptr;
  HCURSOR c = LoadCursorW(nullptr, MAKEINTRESOURCEW(e->SystemId));
  return c ? c : LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
}

// Where the cursor was loaded from, when it says: a program module's
// resource (its file name), else empty.
String CursorModuleName(HCURSOR Handle) {
  ICONINFOEXW info{};
  info.cbSize = sizeof info;
  if (!GetIconInfoExW(Handle, &info)) return String();
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return ExtractFileName(info.szModName);
}

bool IsSystemCursor(HCURSOR Handle) {
  // A cursor that tells its module needs no comparison with every system
  // cursor: loading one the program never used costs milliseconds.
  const String module = CursorModuleName(Handle);
  if (!module.empty()) return CompareText(module, L"user32.dll") == 0;
  for (const auto& e : BuiltInCursors)
    if (e.SystemId && LoadCursorW(nullptr, MAKEINTRESOURCEW(e.SystemId)) == Handle) return true;
  return false;
}

}  // namespace

HCURSOR GetCursorHandle(TCursor Id) {
  auto& custom = CustomCursors();
  if (auto it = custom.find(Id); it != custom.end()) return it->second;
  if (const TCursorEntry* e = FindBuiltIn(Id)) return SystemCursor(e);
  return LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
}

void SetCursorHandle(TCursor Id, HCURSOR Handle) {
  auto& custom = CustomCursors();
  auto it = custom.find(Id);
  if (it != custom.end()) {
    if (it->second == Handle) return;
    // A handle loaded from a file is ours to free; shared system cursors are not.
    if (!IsSystemCursor(it->second)) DestroyCursor(it->second);
    custom.erase(it);
  }
  if (Handle) custom[Id] = Handle;
}

// The first image of the .cur file, with its hot spot in front of the bitmap
// as a cursor resource has it.
HCURSOR LoadCursorFileResource(HINSTANCE Instance, const wchar_t* Name) {
  HRSRC resource = FindResourceW(Instance, Name, MAKEINTRESOURCEW(10));
  if (!resource) return nullptr;
  const DWORD size = SizeofResource(Instance, resource);
  const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(Instance, resource)));
  if (!data || size < 22) return nullptr;
  auto word = [data](DWORD at) { return WORD(data[at] | (data[at + 1] << 8)); };
  auto dword = [data](DWORD at) { return DWORD(data[at] | (data[at + 1] << 8) | (data[at + 2] << 16) | (data[at + 3] << 24)); };
  if (word(0) != 0 || word(2) != 2 || word(4) == 0) return nullptr;
  const DWORD bytes = dword(6 + 8), offset = dword(6 + 12);
  if (offset > size || bytes > size - offset) return nullptr;
  std::vector<BYTE> image(4 + bytes);
  image[0] = data[6 + 4];
  image[1] = data[6 + 5];
  image[2] = data[6 + 6];
  image[3] = data[6 + 7];
  std::copy(data + offset, data + offset + bytes, image.begin() + 4);
  return reinterpret_cast<HCURSOR>(
      CreateIconFromResourceEx(image.data(), DWORD(image.size()), FALSE, 0x00030000, 0, 0, LR_DEFAULTCOLOR));
}

bool CursorToIdent(int Cursor, String& Ident) {
  if (const TCursorEntry* e = FindBuiltIn(TCursor(Cursor)); e && Cursor >= -32768 && Cursor <= 32767) {
    Ident = e->Name;
    return true;
  }
  return false;
}

bool IdentToCursor(const String& Ident, int& Cursor) {
  for (const auto& e : BuiltInCursors) {
    if (CompareText(Ident, e.Name) == 0) {
      Cursor = e.Id;
      return true;
    }
  }
  if (CompareText(Ident, L"crSize") == 0) {
    Cursor = crSize;
    return true;
  }
  return false;
}

String CursorToString(TCursor Cursor) {
  String s;
  if (CursorToIdent(Cursor, s)) return s;
  return IntToStr(Cursor);
}

TCursor StringToCursor(const String& S) {
  int c;
  if (IdentToCursor(S, c)) return TCursor(c);
  return TCursor(StrToInt(S));
}

const TIdentMapper CursorIdentMapper{[](const String& ident, int& value) { return IdentToCursor(ident, value); },
                                     [](int value, String& ident) { return CursorToIdent(value, ident); }};

TCursor ScreenCursorOverride() { return ScreenCursorValue; }

void SetScreenCursorOverride(TCursor Value) {
  ScreenCursorValue = Value;
  if (Value != crDefault) {
    ::SetCursor(GetCursorHandle(Value));
    return;
  }
  // The window under the mouse sets its own cursor again.
  POINT p;
  if (!GetCursorPos(&p)) return;
  HWND wnd = WindowFromPoint(p);
  if (!wnd || GetWindowThreadProcessId(wnd, nullptr) != GetCurrentThreadId()) return;
  const LRESULT hit = SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  SendMessageW(wnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd), MAKELPARAM(WORD(hit), WM_MOUSEMOVE));
}

// --- Capture -----------------------------------------------------------------------------
TControl* GetCaptureControl() {
  TControl* result = FindControl(GetCapture());
  if (result && CaptureChild && CaptureChild->Parent() == result) result = CaptureChild;
  return result;
}

void SetCaptureControl(TControl* Control) {
  ReleaseCapture();
  CaptureChild = nullptr;
  if (!Control) return;
  auto* w = dynamic_cast<TWinControl*>(Control);
  if (!w) {
    if (!Control->Parent()) return;
    CaptureChild = Control;
    w = Control->Parent();
  }
  SetCapture(w->Handle());
}

TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled) {
  HWND wnd = WindowFromPoint(POINT{Pos.X, Pos.Y});
  while (wnd && !FindControl(wnd)) wnd = GetParent(wnd);
  TWinControl* w = FindControl(wnd);
  if (!w) return nullptr;
  TControl* c = w->ControlAtPos(w->ScreenToClient(Pos), AllowDisabled);
  return c ? c : w;
}

namespace vamire_controls {

TControl* CapturedChild() { return CaptureChild; }

void CaptureMouse(TControl* Control) { SetCaptureControl(Control); }

void ReleaseMouse(TControl* Control) {
  if (CaptureChild == Control) {
    SetCaptureControl(nullptr);
    return;
  }
  if (auto* w = dynamic_cast<TWinControl*>(Control); w && w->HandleAllocated() && GetCapture() == w->Handle())
    SetCaptureControl(nullptr);
}


void MouseMoved(TControl* Control) {
  if (Control != MouseControl) {
    TControl* old = MouseControl;
    MouseControl = Control;
    if (old) old->Perform(CM_MOUSELEAVE);
    // The leave handler may have freed the control; MouseControl is cleared then.
    if (MouseControl == Control) Control->Perform(CM_MOUSEENTER);
  }
  // Ask for WM_MOUSELEAVE on the window that carries the control.
  TWinControl* w = dynamic_cast<TWinControl*>(Control);
  if (!w) w = Control->Parent();
  if (w && w->HandleAllocated()) {
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, w->Handle(), 0};
    TrackMouseEvent(&tme);
  }
}

void MouseLeftWindow(TWinControl* Control) {
  if (!MouseControl) return;
  if (MouseControl == Control || (MouseControl->Parent() == Control && !dynamic_cast<TWinControl*>(MouseControl))) {
    TControl* old = MouseControl;
    MouseControl = nullptr;
    old->Perform(CM_MOUSELEAVE);
  }
}

void ControlDestroyed(TControl* Control) {
  if (MouseControl == Control) MouseControl = nullptr;
  if (CaptureChild == Control) {
    CaptureChild = nullptr;
    if (Control->Parent() && Control->Parent()->HandleAllocated() && GetCapture() == Control->Parent()->Handle())
      ReleaseCapture();
  }
  DragControlDestroyed(Control);
}

}  // namespace vamire_controls

TShiftState KeysToShiftState(WPARAM Keys) {
  TShiftState s;
  if (Keys & MK_SHIFT) s.Include(ssShift);
  if (Keys & MK_CONTROL) s.Include(ssCtrl);
  if (Keys & MK_LBUTTON) s.Include(ssLeft);
  if (Keys & MK_RBUTTON) s.Include(ssRight);
  if (Keys & MK_MBUTTON) s.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}

// --- WM_SETCURSOR ------------------------------------------------------------------------
// Over the client area the cursor is the screen's (when set), else that of
// the control under the mouse, windowless children included.
void TWinControl::WMSetCursor(TMessage& Message) {
  if (reinterpret_cast<HWND>(Message.WParam) == FHandle && LOWORD(Message.LParam) == HTCLIENT) {
    TCursor cursor = ScreenCursorValue;
    if (cursor == crDefault) {
      POINT p;
      GetCursorPos(&p);
      TControl* c = ControlAtPos(ScreenToClient(TPoint{p.x, p.y}), false);
      cursor = c ? c->Cursor() : Cursor();
      if (ComponentState().Contains(csDesigning)) cursor = crDefault;
    }
    if (cursor != crDefault) {
      ::SetCursor(GetCursorHandle(cursor));
      Message.Result = 1;
      return;
    }
  }
  DefaultHandler(Message);
}

// --- TMouse ------------------------------------------------------------------------------
namespace {
TMouse TheMouse;
}
TMouse* const Mouse = &TheMouse;

TPoint TMouse::CursorPos() const {
  POINT p{0, 0};
  GetCursorPos(&p);
  return TPoint{p.x, p.y};
}

void TMouse::SetCursorPos(const TPoint& Value) { ::SetCursorPos(Value.X, Value.Y); }

HWND TMouse::Capture() const { return GetCapture(); }

void TMouse::SetCapture(HWND Value) {
  if (Value)
    ::SetCapture(Value);
  else
    ReleaseCapture();
}

bool TMouse::MousePresent() const { return GetSystemMetrics(SM_MOUSEPRESENT) != 0; }

bool TMouse::WheelPresent() const { return GetSystemMetrics(SM_MOUSEWHEELPRESENT) != 0; }

int TMouse::WheelScrollLines() const {
  UINT lines = 3;
  if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 3;
  return int(lines);
}
