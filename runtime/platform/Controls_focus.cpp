// Focus, tab order and the keyboard: the active control of the top-level
// control, CM_ENTER/CM_EXIT, the key events, and the routing of keys through
// CN_KEYDOWN, dialog keys and accelerators.
#include <algorithm>

#include "Controls.h"
#include "Controls_internal.h"

namespace {
const TResStringRec SCannotFocus{L"SCannotFocus", L"Cannot focus a disabled or invisible window"};

TWinControl* TopWinControl(TControl* Control) { return dynamic_cast<TWinControl*>(Control->RootControl()); }
}  // namespace

TShiftState KeyboardStateToShiftState() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  if (GetKeyState(VK_LBUTTON) < 0) s.Include(ssLeft);
  if (GetKeyState(VK_RBUTTON) < 0) s.Include(ssRight);
  if (GetKeyState(VK_MBUTTON) < 0) s.Include(ssMiddle);
  return s;
}

TShiftState KeyDataToShiftState(LPARAM KeyData) {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
  if (KeyData & 0x20000000) s.Include(ssAlt);
  return s;
}

bool IsAccel(WPARAM VK, const String& Str) {
  for (size_t i = 0; i + 1 < Str.size(); ++i) {
    if (Str[i] != L'&') continue;
    if (Str[i + 1] == L'&') {  // "&&" is a plain ampersand
      ++i;
      continue;
    }
    wchar_t a[2] = {Str[i + 1], 0}, b[2] = {wchar_t(VK), 0};
    CharUpperBuffW(a, 1);
    CharUpperBuffW(b, 1);
    return a[0] == b[0];
  }
  return false;
}

bool IsControlKeyMsg(MSG& Msg) {
  if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST) return false;
  // The window holding the mouse (a drag, for one) hears keys first.
  HWND wnd = GetCapture();
  if (!wnd) {
    wnd = Msg.hwnd;
    // A window inside a runtime control (a combo box's edit) is served by that control.
    while (wnd && !FindControl(wnd)) wnd = GetParent(wnd);
  }
  if (!wnd) return false;
  return SendMessageW(wnd, CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
}

// --- Focus -------------------------------------------------------------------------------
// Every parent up to the top-level control must be visible and enabled; the
// top-level control itself is the form's business.
bool TWinControl::CanFocus() {
  TWinControl* top = TopWinControl(this);
  for (TControl* c = this; c && c != top; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return top == this ? (Visible() && Enabled()) : true;
}

bool TWinControl::Focused() { return FHandle && GetFocus() == FHandle; }

void TWinControl::SetFocus() {
  TWinControl* top = TopWinControl(this);
  if (top && top != this) {
    top->FocusControl(this);
    return;
  }
  if (!CanFocus()) throw EInvalidOperation(LoadResString(&SCannotFocus));
  ::SetFocus(Handle());
}

void TWinControl::FocusControl(TWinControl* Control) {
  if (!Control) return;
  if (!Control->CanFocus()) throw EInvalidOperation(LoadResString(&SCannotFocus));
  ::SetFocus(Control->Handle());
}

bool TWinControl::SetFocusedControl(TWinControl* Control) {
  if (FActiveControl == Control) return true;
  TWinControl* old = FActiveControl;
  FActiveControl = Control;
  SendEnterExit(old, Control);
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
  return true;
}

void TWinControl::SendEnterExit(TWinControl* OldFocus, TWinControl* NewFocus) {
  std::vector<TWinControl*> newChain;
  for (TWinControl* p = NewFocus; p && p->Parent(); p = p->Parent()) newChain.push_back(p);
  TWinControl* common = nullptr;
  for (TWinControl* p = OldFocus; p && p->Parent(); p = p->Parent()) {
    if (std::find(newChain.begin(), newChain.end(), p) != newChain.end()) {
      common = p;
      break;
    }
    p->Perform(CM_EXIT);
  }
  auto stop = common ? std::find(newChain.begin(), newChain.end(), common) : newChain.end();
  for (auto it = std::make_reverse_iterator(stop); it != newChain.rend(); ++it) (*it)->Perform(CM_ENTER);
}

void TWinControl::CMFocusChanged(TMessage& Message) { Broadcast(Message); }

void TWinControl::CMEnter(TMessage&) { DoEnter(); }
void TWinControl::CMExit(TMessage&) { DoExit(); }

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::WMSetFocus(TMessage& Message) { DefaultHandler(Message); }
void TWinControl::WMKillFocus(TMessage& Message) { DefaultHandler(Message); }

// --- Tab order ---------------------------------------------------------------------------
int TWinControl::TabOrder() const {
  if (!FParent) return -1;
  auto& list = FParent->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (!FParent) return;
  auto& list = FParent->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  const int pos = Value < 0 ? int(list.size()) : std::min(Value, int(list.size()));
  list.insert(list.begin() + pos, this);
}

void TWinControl::SetTabStop(bool Value) {
  if (FTabStop == Value) return;
  FTabStop = Value;
  if (FHandle) {
    LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
    SetWindowLongPtrW(FHandle, GWL_STYLE, Value ? (style | WS_TABSTOP) : (style & ~LONG_PTR(WS_TABSTOP)));
  }
  Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) {
  for (TWinControl* c : FTabList) {
    List.push_back(c);
    c->GetTabOrderList(List);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const int count = int(list.size());
  auto found = std::find(list.begin(), list.end(), CurControl);
  int start = found == list.end() ? (GoForward ? count - 1 : 0) : int(found - list.begin());
  int i = start;
  do {
    if (GoForward) {
      if (++i == count) i = 0;
    } else {
      if (i == 0) i = count;
      --i;
    }
    TWinControl* c = list[size_t(i)];
    if (c != CurControl && c->CanFocus() && (!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this))
      return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  if (TWinControl* c = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop)) c->SetFocus();
}

// --- Keys --------------------------------------------------------------------------------
bool TWinControl::DoKeyDown(TMessage& Message) {
  TWinControl* top = TopWinControl(this);
  if (top && top != this && top->KeyPreview() && top->DoKeyDown(Message)) return true;
  uint16_t key = uint16_t(Message.WParam);
  if (!FControlStyle.Contains(csNoStdEvents)) {
    KeyDown(key, KeyDataToShiftState(Message.LParam));
    Message.WParam = key;
    if (key == 0) return true;
  }
  return false;
}

bool TWinControl::DoKeyUp(TMessage& Message) {
  TWinControl* top = TopWinControl(this);
  if (top && top != this && top->KeyPreview() && top->DoKeyUp(Message)) return true;
  uint16_t key = uint16_t(Message.WParam);
  if (!FControlStyle.Contains(csNoStdEvents)) {
    KeyUp(key, KeyDataToShiftState(Message.LParam));
    Message.WParam = key;
    if (key == 0) return true;
  }
  return false;
}

bool TWinControl::DoKeyPress(TMessage& Message) {
  TWinControl* top = TopWinControl(this);
  if (top && top != this && top->KeyPreview() && top->DoKeyPress(Message)) return true;
  wchar_t ch = wchar_t(Message.WParam);
  if (!FControlStyle.Contains(csNoStdEvents)) {
    KeyPress(ch);
    Message.WParam = WPARAM(ch);
    if (ch == 0) return true;
  }
  return false;
}

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(wchar_t& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::WMKeyDown(TMessage& Message) {
  if (!DoKeyDown(Message)) DefaultHandler(Message);
}

void TWinControl::WMSysKeyDown(TMessage& Message) {
  if (!DoKeyDown(Message)) DefaultHandler(Message);
}

void TWinControl::WMKeyUp(TMessage& Message) {
  if (!DoKeyUp(Message)) DefaultHandler(Message);
}

void TWinControl::WMSysKeyUp(TMessage& Message) {
  if (!DoKeyUp(Message)) DefaultHandler(Message);
}

void TWinControl::WMChar(TMessage& Message) {
  if (!DoKeyPress(Message)) DefaultHandler(Message);
}

// A key offered before the window gets it: a parent may take it (CM_CHILDKEY),
// then Tab, arrows, Enter and Esc go to the top-level control as dialog keys
// unless this control wants them.
void TWinControl::CNKeyDown(TMessage& Message) {
  Message.Result = 1;
  if (!ComponentState().Contains(csDesigning)) {
    if (Perform(CM_CHILDKEY, Message.WParam, reinterpret_cast<LPARAM>(this)) != 0) return;
    LRESULT mask = 0;
    switch (Message.WParam) {
      case VK_TAB: mask = DLGC_WANTTAB; break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN: mask = DLGC_WANTARROWS; break;
      case VK_RETURN:
      case VK_EXECUTE:
      case VK_ESCAPE:
      case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    }
    if (mask != 0 && Perform(CM_WANTSPECIALKEY, Message.WParam, Message.LParam) == 0 &&
        (Perform(WM_GETDLGCODE) & mask) == 0) {
      if (TWinControl* top = TopWinControl(this)) {
        if (top->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0) return;
      }
    }
  }
  Message.Result = 0;
}

void TWinControl::CNSysKeyDown(TMessage& Message) {
  Message.Result = 0;
  if (Perform(CM_CHILDKEY, Message.WParam, reinterpret_cast<LPARAM>(this)) != 0) Message.Result = 1;
}

void TWinControl::CNKeyUp(TMessage& Message) { Message.Result = 0; }

void TWinControl::CNChar(TMessage& Message) {
  Message.Result = 0;
  if (ComponentState().Contains(csDesigning)) return;
  if ((Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0) {
    if (TWinControl* top = TopWinControl(this); top && top->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0)
      Message.Result = 1;
  }
}

// Alt+letter: an accelerator of any control of the top-level control.
void TWinControl::CNSysChar(TMessage& Message) {
  Message.Result = 0;
  if (ComponentState().Contains(csDesigning)) return;
  if (TWinControl* top = TopWinControl(this); top && top->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0)
    Message.Result = 1;
}

void TWinControl::CMChildKey(TMessage& Message) {
  Message.Result = FParent ? FParent->Perform(CM_CHILDKEY, Message.WParam, Message.LParam) : 0;
}

// The top-level control moves the focus with Tab and the arrows; every
// control offers the key to its children (a default button takes Enter).
void TWinControl::CMDialogKey(TMessage& Message) {
  if (!FParent && GetKeyState(VK_MENU) >= 0) {
    switch (Message.WParam) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
          Message.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (FActiveControl && FActiveControl->Parent()) {
          FActiveControl->Parent()->SelectNext(FActiveControl, Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN,
                                               false);
          Message.Result = 1;
          return;
        }
        break;
    }
  }
  Broadcast(Message);
}

void TWinControl::CMDialogChar(TMessage& Message) { Broadcast(Message); }
