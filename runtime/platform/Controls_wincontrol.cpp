// TWinControl: the window behind a control, made on demand under a class
// named after the runtime class, the one window procedure of all runtime
// windows, the child lists, showing and re-creation, and the reflection of
// parent notifications to the child they concern.
#include <algorithm>
#include <map>
#include <unordered_map>

#include "Controls.h"
#include "Controls_internal.h"
#include "SysUtils.h"

namespace {

const TResStringRec SParentRequired{L"SParentRequired", L"Control '%s' has no parent window"};

// The control whose window CreateWindowEx is making on this thread: the
// window procedure binds it at the window's first message.
thread_local TWinControl* CreationControl = nullptr;

// The procedure of the system class behind each runtime class, by class name.
std::map<String, WNDPROC>& ClassProcs() {
  static std::map<String, WNDPROC> procs;
  return procs;
}

// The object of each window of this process. A window property would be read
// through the window server on every message; which object a window belongs
// to is this process's own business, so the table stays here. Made once and
// never freed: windows may still be destroyed while statics go away.
class TWindowBindings {
 public:
  TWinControl* Find(HWND AWnd) {
    AcquireSRWLockShared(&FLock);
    const auto it = FMap.find(AWnd);
    TWinControl* control = it == FMap.end() ? nullptr : it->second;
    ReleaseSRWLockShared(&FLock);
    return control;
  }
  void Bind(HWND AWnd, TWinControl* AControl) {
    AcquireSRWLockExclusive(&FLock);
    FMap[AWnd] = AControl;
    ReleaseSRWLockExclusive(&FLock);
  }
  void Unbind(HWND AWnd) {
    AcquireSRWLockExclusive(&FLock);
    FMap.erase(AWnd);
    ReleaseSRWLockExclusive(&FLock);
  }

 private:
  SRWLOCK FLock = SRWLOCK_INIT;
  std::unordered_map<HWND, TWinControl*> FMap;
};

TWindowBindings& Bindings() {
  static TWindowBindings* bindings = new TWindowBindings;
  return *bindings;
}

WNDPROC ClassProcOf(HWND Wnd) {
  wchar_t name[256];
  if (GetClassNameW(Wnd, name, 256) > 0) {
    auto it = ClassProcs().find(name);
    if (it != ClassProcs().end() && it->second) return it->second;
  }
  return DefWindowProcW;
}

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

}  // namespace

// Only this process's windows are in the table: the window under the mouse may
// belong to another program of ours (a second console, a test beside this
// one), whose objects mean nothing here.
TWinControl* FindControl(HWND Handle) {
  if (!Handle) return nullptr;
  return Bindings().Find(Handle);
}

// Every runtime window's procedure. Nothing may leave it as an exception (D-5).
LRESULT CALLBACK ControlWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  // Only this process's windows come here.
  TWinControl* control = Bindings().Find(Wnd);
  if (!control && CreationControl) {
    control = CreationControl;
    CreationControl = nullptr;
    control->FHandle = Wnd;
    Bindings().Bind(Wnd, control);
  }
  if (!control) return CallWindowProcW(ClassProcOf(Wnd), Wnd, Msg, WParam, LParam);
  if (Msg == WM_NCDESTROY) {
    const WNDPROC def = control->FDefWndProc ? control->FDefWndProc : DefWindowProcW;
    Bindings().Unbind(Wnd);
    if (control->FHandle == Wnd) {
      control->FHandle = nullptr;
      control->FShowing = false;
    }
    return CallWindowProcW(def, Wnd, Msg, WParam, LParam);
  }
  // An object on its way out hears nothing more; the window ends as the
  // system class would end it.
  if (control->ComponentState().Contains(csDestroying))
    return CallWindowProcW(control->FDefWndProc ? control->FDefWndProc : DefWindowProcW, Wnd, Msg, WParam, LParam);
  try {
    return control->Perform(Msg, WParam, LParam);
  } catch (...) {
    HandleCallbackException(control);
  }
  return 0;
}

// --- Construction ------------------------------------------------------------------------
TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
  FDefWndProc = DefWindowProcW;
  FBrush = new TBrush();
  FBrush->SetColor(Color());
}

TWinControl::~TWinControl() {
  Destroying();
  if (TWinControl* root = dynamic_cast<TWinControl*>(RootControl()); root && root != this) {
    if (root->FActiveControl == this || (root->FActiveControl && root->FActiveControl->IsChildOf(this)))
      root->FActiveControl = nullptr;
  }
  // Children go first, each taking its own window with it; then this window.
  while (!FControls.empty() || !FWinControls.empty()) {
    TControl* child = !FWinControls.empty() ? static_cast<TControl*>(FWinControls.back()) : FControls.back();
    Remove(child);
    child->Free();
  }
  if (FHandle) DestroyWindowHandle();
  if (FParent) FParent->RemoveControl(this);
  delete FBrush;
}

TWinControl* TWinControl::CreateParented(TClass AClass, HWND ParentWindow) {
  TObject* obj = AClass->Create(nullptr);
  auto* control = dynamic_cast<TWinControl*>(obj);
  if (!control) {
    delete obj;
    throw EInvalidCast(L"Class " + AClass->ClassName() + L" is not a windowed control");
  }
  control->SetParentWindow(ParentWindow);
  return control;
}

// --- Children ----------------------------------------------------------------------------
TControl* TWinControl::Controls(int Index) const {
  const int wc = int(FControls.size());
  if (Index < 0 || Index >= ControlCount()) TList::Error(&SListIndexError, Index);
  // Windowless children first, then windowed ones, each in z-order.
  return Index < wc ? FControls[size_t(Index)] : FWinControls[size_t(Index - wc)];
}

void TWinControl::Insert(TControl* AControl) {
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    FWinControls.push_back(w);
    FTabList.push_back(w);
  } else {
    FControls.push_back(AControl);
  }
  AControl->FParent = this;
}

void TWinControl::Remove(TControl* AControl) {
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    std::erase(FTabList, w);
    std::erase(FWinControls, w);
  } else {
    std::erase(FControls, AControl);
  }
  if (FActiveControl && (FActiveControl == AControl || FActiveControl->IsChildOf(dynamic_cast<TWinControl*>(AControl))))
    FActiveControl = nullptr;
  AControl->FParent = nullptr;
}

void TWinControl::InsertControl(TControl* AControl) {
  if (!AControl || AControl->FParent == this) return;
  if (AControl == this) throw EInvalidOperation(LoadResString(&vamire_controls::SControlParentSetToSelf));
  if (AControl->FParent) AControl->FParent->RemoveControl(AControl);
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
  Insert(AControl);
  if (!AControl->ComponentState().Contains(csReading)) {
    AControl->Perform(CM_PARENTCOLORCHANGED);
    AControl->Perform(CM_PARENTFONTCHANGED);
    AControl->Perform(CM_PARENTSHOWHINTCHANGED);
    if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
      AControl->Perform(CM_PARENTCTL3DCHANGED);
      w->UpdateControlState();
    } else if (HandleAllocated()) {
      AControl->Invalidate();
    }
    AlignControl(AControl);
  }
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
}

void TWinControl::RemoveControl(TControl* AControl) {
  if (!AControl || AControl->FParent != this) return;
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    if (TWinControl* root = dynamic_cast<TWinControl*>(RootControl())) {
      if (root->FActiveControl && (root->FActiveControl == w || root->FActiveControl->IsChildOf(w)))
        root->FActiveControl = nullptr;
    }
    // A window leaving its parent goes; it comes back under the new one.
    if (!ComponentState().Contains(csDestroying)) w->DestroyHandle();
  } else if (HandleAllocated()) {
    vamire_controls::InvalidateInParent(AControl, true);
  }
  Remove(AControl);
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
  if (!ComponentState().Contains(csDestroying)) Realign();
}

bool TWinControl::ContainsControl(TControl* Control) const {
  for (TControl* c = Control; c; c = c->FParent)
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(const TPoint& Pos, bool AllowDisabled, bool AllowWinControls) {
  auto hit = [&](TControl* c) {
    if (!(c->Visible() || (c->ComponentState().Contains(csDesigning) && !c->ControlStyle().Contains(csNoDesignVisible))))
      return false;
    if (!(c->Enabled() || AllowDisabled)) return false;
    const TPoint p{Pos.X - c->FLeft, Pos.Y - c->FTop};
    if (p.X < 0 || p.Y < 0 || p.X >= c->FWidth || p.Y >= c->FHeight) return false;
    return c->Perform(CM_HITTEST, 0, MAKELPARAM(p.X, p.Y)) != 0;
  };
  if (AllowWinControls) {
    for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it)
      if (hit(*it)) return *it;
  }
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
    if (hit(*it)) return *it;
  return nullptr;
}

TControl* TWinControl::FindChildControl(const String& ControlName) {
  for (int i = 0; i < ControlCount(); ++i)
    if (CompareText(Controls(i)->Name(), ControlName) == 0) return Controls(i);
  return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  for (int i = 0; i < ControlCount(); ++i) {
    Controls(i)->WindowProc()(Message);
    if (Message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT Msg) {
  TMessage m{Msg, 0, 0, 0};
  Broadcast(m);
}

// --- Handles -----------------------------------------------------------------------------
HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (FParent) FParent->HandleNeeded();
  CreateHandle();
}

void TWinControl::SetParentWindow(HWND Value) {
  if (FParent || FParentWindow == Value) return;
  if (FHandle && Value) {
    ::SetParent(FHandle, Value);
  } else {
    DestroyHandle();
  }
  FParentWindow = Value;
  UpdateControlState();
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params = TCreateParams{};
  Params.Caption = FText;
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (FControlStyle.Contains(csAcceptsControls)) {
    Params.Style |= WS_CLIPCHILDREN;
    Params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (!ComponentState().Contains(csDesigning) && !Enabled()) Params.Style |= WS_DISABLED;
  if (FTabStop) Params.Style |= WS_TABSTOP;
  Params.X = FLeft;
  Params.Y = FTop;
  Params.Width = FWidth;
  Params.Height = FHeight;
  Params.WndParent = FParent ? FParent->Handle() : FParentWindow;
  Params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  Params.WindowClass.lpfnWndProc = DefWindowProcW;
  Params.WindowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  Params.WindowClass.hbrBackground = nullptr;
  Params.WindowClass.hInstance = ModuleInstance();
  Params.WinClassName = ClassName();
}

void TWinControl::AddSingleBorder(TCreateParams& Params, bool Single) {
  if (!Single) return;
  if (Ctl3D())
    Params.ExStyle |= WS_EX_CLIENTEDGE;
  else
    Params.Style |= WS_BORDER;
}

void TWinControl::CreateSubClass(TCreateParams& Params, const wchar_t* ControlClassName) {
  WNDCLASSW wc{};
  if (!GetClassInfoW(nullptr, ControlClassName, &wc) && !GetClassInfoW(ModuleInstance(), ControlClassName, &wc))
    RaiseLastOSError();
  // The runtime class takes the system class's behaviour and extra bytes;
  // it is private to the program.
  const UINT keep = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_PARENTDC | CS_SAVEBITS | CS_BYTEALIGNCLIENT;
  Params.WindowClass = wc;
  Params.WindowClass.style = wc.style & keep;
  Params.WindowClass.hInstance = ModuleInstance();
}

namespace {
// Registers the runtime class once; a class of that name made another way is
// replaced, so its windows reach the runtime's procedure.
void RegisterControlClass(TCreateParams& Params) {
  const String& name = Params.WinClassName;
  WNDCLASSW existing{};
  const HINSTANCE inst = ModuleInstance();
  if (GetClassInfoW(inst, name.c_str(), &existing)) {
    if (existing.lpfnWndProc == ControlWndProc) return;
    UnregisterClassW(name.c_str(), inst);
  }
  WNDCLASSW wc = Params.WindowClass;
  wc.lpfnWndProc = ControlWndProc;
  wc.hInstance = inst;
  wc.lpszClassName = name.c_str();
  ClassProcs()[name] = Params.WindowClass.lpfnWndProc;
  if (!RegisterClassW(&wc)) RaiseLastOSError();
}
}  // namespace

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (!params.WndParent && (params.Style & WS_CHILD)) {
    auto* owner = dynamic_cast<TWinControl*>(Owner());
    if (owner && owner->ComponentState().Contains(csReading))
      params.WndParent = owner->Handle();
    else
      throw EInvalidOperation(vamire_detail::FormatRes(&SParentRequired, {Name()}));
  }
  FDefWndProc = params.WindowClass.lpfnWndProc ? params.WindowClass.lpfnWndProc : DefWindowProcW;
  RegisterControlClass(params);
  CreateWindowHandle(params);
  if (!FHandle) RaiseLastOSError();
  if (!FindControl(FHandle)) Bindings().Bind(FHandle, this);
  // Child windows carry their handle as id, so parents can find them from
  // notifications that only name an id.
  if (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_CHILD)
    SetWindowLongPtrW(FHandle, GWLP_ID, LONG_PTR(DWORD(reinterpret_cast<UINT_PTR>(FHandle))));
  SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
  InitializeWindow();
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
  TWinControl* previous = CreationControl;
  CreationControl = this;
  HWND wnd = CreateWindowExW(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(), Params.Style,
                             Params.X, Params.Y, Params.Width, Params.Height, Params.WndParent, nullptr,
                             ModuleInstance(), Params.Param);
  CreationControl = previous;
  if (wnd) FHandle = wnd;
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  CreateWnd();
  if (FParent) {
    // Just below the next sibling up that has a window, so z-order holds.
    HWND after = HWND_TOP;
    auto it = std::find(FParent->FWinControls.begin(), FParent->FWinControls.end(), this);
    if (it != FParent->FWinControls.end()) {
      for (++it; it != FParent->FWinControls.end(); ++it)
        if ((*it)->FHandle) {
          after = (*it)->FHandle;
          break;
        }
    }
    SetWindowPos(FHandle, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  UpdateBounds();
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->UpdateAnchorRules();
}

void TWinControl::DestroyHandle() {
  FControlState.Include(csDestroyingHandle);
  try {
    for (TWinControl* child : std::vector<TWinControl*>(FWinControls)) child->DestroyHandle();
  } catch (...) {
    FControlState.Exclude(csDestroyingHandle);
    throw;
  }
  FControlState.Exclude(csDestroyingHandle);
  if (FHandle) DestroyWnd();
}

void TWinControl::DestroyWnd() {
  // The window's text outlives it (an edit's typed text comes back with the new window).
  const int len = int(SendMessageW(FHandle, WM_GETTEXTLENGTH, 0, 0));
  String text(size_t(std::max(len, 0)) + 1, L'\0');
  const int got = int(SendMessageW(FHandle, WM_GETTEXT, WPARAM(len + 1), reinterpret_cast<LPARAM>(text.data())));
  text.resize(size_t(std::clamp(got, 0, len)));
  FText = text;
  DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
  vamire_controls::WindowDestroying(this);
  FControlState.Exclude(csClicked);
  HWND wnd = FHandle;
  if (wnd) {
    if (!DestroyWindow(wnd)) {
      // Already gone with its parent: only the binding is left to drop.
      Bindings().Unbind(wnd);
    }
  }
  FHandle = nullptr;
  FShowing = false;
}

void TWinControl::RecreateWnd() {
  if (FHandle) Perform(CM_RECREATEWND);
}

void TWinControl::CMRecreateWnd(TMessage&) {
  const bool wasFocused = Focused();
  DestroyHandle();
  UpdateControlState();
  if (wasFocused && FHandle) ::SetFocus(FHandle);
}

// --- Showing -----------------------------------------------------------------------------
void TWinControl::UpdateControlState() {
  for (TWinControl* p = FParent; p; p = p->FParent)
    if (!p->FShowing) return;
  UpdateShowing();
}

void TWinControl::UpdateShowing() {
  const bool show = (Visible() || (ComponentState().Contains(csDesigning) && !FControlStyle.Contains(csNoDesignVisible))) &&
                    !FControlState.Contains(csReadingState);
  if (show) {
    if (!FHandle) CreateHandle();
    for (TWinControl* child : std::vector<TWinControl*>(FWinControls)) child->UpdateShowing();
  }
  if (FHandle && FShowing != show) {
    FShowing = show;
    try {
      Perform(CM_SHOWINGCHANGED);
    } catch (...) {
      FShowing = !show;
      throw;
    }
  }
  if (!show)
    for (TWinControl* child : std::vector<TWinControl*>(FWinControls)) child->UpdateShowing();
}

void TWinControl::CMShowingChanged(TMessage&) {
  const UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, flags | (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::ShowControl(TControl* AControl) {
  (void)AControl;
  if (FParent) FParent->ShowControl(this);
}

void TWinControl::CMVisibleChanged(TMessage& Message) {
  if (!Visible() && FParent) {
    if (TWinControl* root = dynamic_cast<TWinControl*>(RootControl())) {
      if (root->FActiveControl && (root->FActiveControl == this || root->FActiveControl->IsChildOf(this))) {
        if (Focused() || (root->FActiveControl->HandleAllocated() && root->FActiveControl->Focused()))
          root->SelectNext(root->FActiveControl, true, true);
      }
    }
  }
  (void)Message;
  UpdateControlState();
}

void TWinControl::CMEnabledChanged(TMessage&) {
  if (FHandle) EnableWindow(FHandle, Enabled());
  Invalidate();
}

void TWinControl::CMColorChanged(TMessage&) {
  FBrush->SetColor(Color());
  NotifyControls(CM_PARENTCOLORCHANGED);
  Invalidate();
}

void TWinControl::CMFontChanged(TMessage&) {
  if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
  NotifyControls(CM_PARENTFONTCHANGED);
  Invalidate();
}

void TWinControl::CMTextChanged(TMessage&) {}

void TWinControl::CMCursorChanged(TMessage&) {
  POINT p;
  if (FHandle && GetCursorPos(&p) && WindowFromPoint(p) == FHandle) SendMessageW(FHandle, WM_SETCURSOR, reinterpret_cast<WPARAM>(FHandle), HTCLIENT);
}

void TWinControl::CMSysColorChange(TMessage&) {
  FBrush->SetColor(Color());
  NotifyControls(CM_SYSCOLORCHANGE);
}

void TWinControl::WMSysColorChange(TMessage& Message) {
  Perform(CM_SYSCOLORCHANGE);
  DefaultHandler(Message);
}

// --- Bounds ------------------------------------------------------------------------------
void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!CheckNewSize(AWidth, AHeight)) return;
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  if (FHandle && !IsIconic(FHandle)) {
    // WM_SIZE/WM_MOVE bring the new bounds back (UpdateBounds), realign and resize.
    SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    const bool sized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    // Without a window the layout still follows, so it is right when one comes.
    if (sized) {
      Realign();
      if (!ComponentState().Contains(csLoading)) Resize();
    }
  }
  UpdateAnchorRules();
  RequestAlign();
}

void TWinControl::UpdateBounds() {
  if (!FHandle || IsIconic(FHandle)) return;
  RECT r;
  GetWindowRect(FHandle, &r);
  if (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_CHILD) {
    HWND parent = GetParent(FHandle);
    if (parent) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  const TRect nr{r.left, r.top, r.right, r.bottom};
  if (nr != BoundsRect()) {
    UpdateBoundsRect(nr);
    UpdateAnchorRules();
  }
}

void TWinControl::WMSize(TMessage& Message) {
  UpdateBounds();
  DefaultHandler(Message);
  Realign();
  if (!ComponentState().Contains(csLoading)) Resize();
}

void TWinControl::WMMove(TMessage& Message) {
  DefaultHandler(Message);
  UpdateBounds();
}

void TWinControl::WMWindowPosChanged(TMessage& Message) { DefaultHandler(Message); }

void TWinControl::WMWindowPosChanging(TMessage& Message) {
  // Constraints hold for sizes the user drags too.
  auto* wp = reinterpret_cast<WINDOWPOS*>(Message.LParam);
  if (wp && !(wp->flags & SWP_NOSIZE)) {
    int w = wp->cx, h = wp->cy;
    if (CheckNewSize(w, h)) {
      wp->cx = w;
      wp->cy = h;
    } else {
      wp->flags |= SWP_NOSIZE;
    }
  }
  DefaultHandler(Message);
}

TRect TWinControl::GetClientRect() {
  if (FHandle) {
    RECT r;
    ::GetClientRect(FHandle, &r);
    return TRect{r.left, r.top, r.right, r.bottom};
  }
  return TControl::GetClientRect();
}

TPoint TWinControl::GetClientOrigin() {
  if (FHandle) {
    POINT p{0, 0};
    ::ClientToScreen(FHandle, &p);
    return TPoint{p.x, p.y};
  }
  return TControl::GetClientOrigin();
}

void TWinControl::SetZOrder(bool TopMost) {
  if (!FParent) {
    if (FHandle) SetWindowPos(FHandle, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return;
  }
  if (!vamire_controls::MoveToEnd(FParent->FWinControls, this, TopMost)) return;
  if (FHandle) SetWindowPos(FHandle, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::SetParent(TWinControl* AParent) {
  if (FParent == AParent) return;
  if (!AParent && FParentWindow == nullptr && FHandle && !ComponentState().Contains(csDestroying)) DestroyHandle();
  TControl::SetParent(AParent);
}

void TWinControl::ChangeScale(int M, int D) {
  DisableAlign();
  try {
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->ChangeScale(M, D);
    TControl::ChangeScale(M, D);
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

void TWinControl::SetBorderWidth(int Value) {
  Value = std::max(Value, 0);
  if (FBorderWidth == Value) return;
  FBorderWidth = Value;
  Perform(CM_BORDERCHANGED);
  Realign();
  Invalidate();
}

void TWinControl::SetParentBackground(bool Value) {
  if (ParentBackground() == Value) return;
  if (Value)
    FControlStyle.Include(csParentBackground);
  else
    FControlStyle.Exclude(csParentBackground);
  Invalidate();
}

// --- Streaming ---------------------------------------------------------------------------
void TWinControl::ReadState(TReader* Reader) {
  DisableAlign();
  try {
    TControl::ReadState(Reader);
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
  if (FParent) Perform(CM_PARENTCTL3DCHANGED);
  // Windows held back while reading come now, if the parent shows.
  UpdateControlState();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}

void TWinControl::Notification(TComponent* AComponent, TOperation Operation) {
  TControl::Notification(AComponent, Operation);
}

void TWinControl::GetChildren(TGetChildProc Proc, TComponent* Root) {
  // Children this control owns, or that the root owns, in z-order.
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (c->Owner() == Root) Proc(c);
  }
}

void TWinControl::SetChildOrder(TComponent* Child, int Order) {
  auto* c = dynamic_cast<TControl*>(Child);
  if (!c || c->FParent != this) return;
  if (auto* w = dynamic_cast<TWinControl*>(c)) {
    auto& list = FWinControls;
    std::erase(list, w);
    list.insert(list.begin() + std::clamp(Order - int(FControls.size()), 0, int(list.size())), w);
  } else {
    std::erase(FControls, c);
    FControls.insert(FControls.begin() + std::clamp(Order, 0, int(FControls.size())), c);
  }
}

// --- Dispatch ----------------------------------------------------------------------------
void TWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS: {
      // Ask the top-level control to accept this one as the focused control.
      TControl* root = RootControl();
      if (auto* top = dynamic_cast<TWinControl*>(root); top && !top->ComponentState().Contains(csDestroying))
        if (!top->SetFocusedControl(this)) return;
      break;
    }
    case WM_KILLFOCUS:
      if (FControlState.Contains(csFocusing)) return;
      break;
    case WM_NCHITTEST:
      TControl::WndProc(Message);
      if (Message.Result == HTTRANSPARENT && ControlAtPos(ScreenToClient(TPoint{short(LOWORD(Message.LParam)), short(HIWORD(Message.LParam))}), false))
        Message.Result = HTCLIENT;
      return;
    case WM_MOUSELEAVE:
      vamire_controls::MouseLeftWindow(this);
      break;
    default:
      if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST && Message.Msg != WM_MOUSEWHEEL) {
        if (IsControlMouseMsg(Message)) {
          // The child may have taken the window away (Parent := nullptr in a handler).
          if (Message.Result == 0 && FHandle) DefWindowProcW(FHandle, Message.Msg, Message.WParam, Message.LParam);
          return;
        }
      } else if (Message.Msg >= WM_KEYFIRST && Message.Msg <= WM_KEYLAST) {
        if (Dragging()) return;
      }
      break;
  }
  TControl::WndProc(Message);
}

bool TWinControl::IsControlMouseMsg(TMessage& Message) {
  TControl* control = nullptr;
  if (FHandle && GetCapture() == FHandle) {
    TControl* cc = vamire_controls::CapturedChild();
    if (cc && cc->FParent == this) control = cc;
  } else {
    const TWMMouse m{Message};
    control = ControlAtPos(TPoint{m.XPos(), m.YPos()}, false);
  }
  if (!control) return false;
  const TWMMouse m{Message};
  const int x = m.XPos() - control->FLeft, y = m.YPos() - control->FTop;
  Message.Result = control->Perform(Message.Msg, Message.WParam, MAKELPARAM(x, y));
  return true;
}

void TWinControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: WMPaint(Message); return;
    case WM_ERASEBKGND: WMEraseBkgnd(Message); return;
    case WM_PRINTCLIENT:
      // Paints the client area into the DC given, as WM_PAINT would: a
      // transparent child draws its parent's face behind itself this way.
      if (Message.WParam && (!(Message.LParam & PRF_CHECKVISIBLE) || Visible()))
        Perform(WM_PAINT, Message.WParam, 0);
      return;
    case WM_COMMAND: WMCommand(Message); return;
    case WM_NOTIFY: WMNotify(Message); return;
    case WM_SYSCOLORCHANGE: WMSysColorChange(Message); return;
    case WM_HSCROLL: WMHScroll(Message); return;
    case WM_VSCROLL: WMVScroll(Message); return;
    case WM_COMPAREITEM: WMCompareItem(Message); return;
    case WM_DELETEITEM: WMDeleteItem(Message); return;
    case WM_DRAWITEM: WMDrawItem(Message); return;
    case WM_MEASUREITEM: WMMeasureItem(Message); return;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: WMCtlColor(Message); return;
    case WM_CHARTOITEM: WMCharToItem(Message); return;
    case WM_VKEYTOITEM: WMVKeyToItem(Message); return;
    case WM_PARENTNOTIFY: WMParentNotify(Message); return;
    case WM_SETFOCUS: WMSetFocus(Message); return;
    case WM_KILLFOCUS: WMKillFocus(Message); return;
    case WM_KEYDOWN: WMKeyDown(Message); return;
    case WM_SYSKEYDOWN: WMSysKeyDown(Message); return;
    case WM_KEYUP: WMKeyUp(Message); return;
    case WM_SYSKEYUP: WMSysKeyUp(Message); return;
    case WM_CHAR: WMChar(Message); return;
    case WM_SYSCOMMAND: WMSysCommand(Message); return;
    case WM_SETCURSOR: WMSetCursor(Message); return;
    case WM_SIZE: WMSize(Message); return;
    case WM_MOVE: WMMove(Message); return;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(Message); return;
    case WM_WINDOWPOSCHANGING: WMWindowPosChanging(Message); return;
    case WM_GETDLGCODE: WMGetDlgCode(Message); return;
    case CN_KEYDOWN: CNKeyDown(Message); return;
    case CN_KEYUP: CNKeyUp(Message); return;
    case CN_CHAR: CNChar(Message); return;
    case CN_SYSKEYDOWN: CNSysKeyDown(Message); return;
    case CN_SYSCHAR: CNSysChar(Message); return;
    case CM_ENTER: CMEnter(Message); return;
    case CM_EXIT: CMExit(Message); return;
    case CM_DIALOGKEY: CMDialogKey(Message); return;
    case CM_DIALOGCHAR: CMDialogChar(Message); return;
    case CM_FOCUSCHANGED: CMFocusChanged(Message); return;
    case CM_SHOWINGCHANGED: CMShowingChanged(Message); return;
    case CM_VISIBLECHANGED: CMVisibleChanged(Message); return;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); return;
    case CM_COLORCHANGED: CMColorChanged(Message); return;
    case CM_FONTCHANGED: CMFontChanged(Message); return;
    case CM_TEXTCHANGED: CMTextChanged(Message); return;
    case CM_CURSORCHANGED: CMCursorChanged(Message); return;
    case CM_INVALIDATE: CMInvalidate(Message); return;
    case CM_RECREATEWND: CMRecreateWnd(Message); return;
    case CM_SYSCOLORCHANGE: CMSysColorChange(Message); return;
    case CM_CHILDKEY: CMChildKey(Message); return;
    default: TControl::Dispatch(Message); return;
  }
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (!FHandle) {
    TControl::DefaultHandler(Message);
    return;
  }
  switch (Message.Msg) {
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC: {
      const HDC dc = reinterpret_cast<HDC>(Message.WParam);
      SetTextColor(dc, COLORREF(ColorToRGB(Font()->Color())));
      SetBkColor(dc, COLORREF(ColorToRGB(FBrush->Color())));
      Message.Result = reinterpret_cast<LRESULT>(FBrush->Handle());
      return;
    }
    default:
      break;
  }
  // The runtime's own messages mean nothing to a system class.
  if (Message.Msg >= CM_BASE && Message.Msg < 0xC000) {
    Message.Result = 0;
    return;
  }
  Message.Result = CallWindowProcW(FDefWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
}

// --- Reflection --------------------------------------------------------------------------
namespace {
// Sends the notification back to the runtime child it concerns; false when
// the window is not a runtime child of Parent.
bool ReflectTo(TWinControl* Parent, HWND Child, TMessage& Message) {
  TWinControl* control = FindControl(Child);
  if (!control || control == Parent) return false;
  Message.Result = control->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
  return true;
}
}  // namespace

void TWinControl::WMCommand(TMessage& Message) {
  if (!ReflectTo(this, reinterpret_cast<HWND>(Message.LParam), Message)) DefaultHandler(Message);
}

void TWinControl::WMNotify(TMessage& Message) {
  auto* hdr = reinterpret_cast<NMHDR*>(Message.LParam);
  if (!hdr || !ReflectTo(this, hdr->hwndFrom, Message)) DefaultHandler(Message);
}

void TWinControl::WMHScroll(TMessage& Message) {
  if (!ReflectTo(this, reinterpret_cast<HWND>(Message.LParam), Message)) DefaultHandler(Message);
}

void TWinControl::WMVScroll(TMessage& Message) {
  if (!ReflectTo(this, reinterpret_cast<HWND>(Message.LParam), Message)) DefaultHandler(Message);
}

void TWinControl::WMCompareItem(TMessage& Message) {
  auto* s = reinterpret_cast<COMPAREITEMSTRUCT*>(Message.LParam);
  if (!s || !ReflectTo(this, s->hwndItem, Message)) DefaultHandler(Message);
}

void TWinControl::WMDeleteItem(TMessage& Message) {
  auto* s = reinterpret_cast<DELETEITEMSTRUCT*>(Message.LParam);
  if (!s || !ReflectTo(this, s->hwndItem, Message)) DefaultHandler(Message);
}

void TWinControl::WMDrawItem(TMessage& Message) {
  auto* s = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
  if (!s || s->CtlType == ODT_MENU || !ReflectTo(this, reinterpret_cast<HWND>(s->hwndItem), Message))
    DefaultHandler(Message);
}

// WM_MEASUREITEM names the child only by id.
void TWinControl::WMMeasureItem(TMessage& Message) {
  auto* s = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
  if (s && s->CtlType != ODT_MENU) {
    for (TWinControl* c : FWinControls) {
      if (c->FHandle && UINT(GetDlgCtrlID(c->FHandle)) == s->CtlID) {
        Message.Result = c->Perform(CN_MEASUREITEM, Message.WParam, Message.LParam);
        return;
      }
    }
  }
  DefaultHandler(Message);
}

void TWinControl::WMCtlColor(TMessage& Message) {
  if (!ReflectTo(this, reinterpret_cast<HWND>(Message.LParam), Message)) DefaultHandler(Message);
}

void TWinControl::WMCharToItem(TMessage& Message) {
  if (!ReflectTo(this, reinterpret_cast<HWND>(Message.LParam), Message)) DefaultHandler(Message);
}

void TWinControl::WMVKeyToItem(TMessage& Message) {
  if (!ReflectTo(this, reinterpret_cast<HWND>(Message.LParam), Message)) DefaultHandler(Message);
}

void TWinControl::WMParentNotify(TMessage& Message) {
  const UINT event = LOWORD(Message.WParam);
  if ((event == WM_CREATE || event == WM_DESTROY) && ReflectTo(this, reinterpret_cast<HWND>(Message.LParam), Message))
    return;
  DefaultHandler(Message);
}

void TWinControl::WMSysCommand(TMessage& Message) { DefaultHandler(Message); }

void TWinControl::WMGetDlgCode(TMessage& Message) { DefaultHandler(Message); }

void TWinControl::CMInvalidate(TMessage& Message) {
  if (!FHandle) return;
  if (FParent) FParent->Perform(CM_INVALIDATE, 1, 0);
  if (Message.WParam == 0) InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
}
