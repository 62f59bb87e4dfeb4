// Forms and frames: window styles from the border settings, showing, modal
// loops, closing with its actions, activation and the active control, the
// layered-window attributes, the main menu and the icon.
#include <algorithm>

#include "Forms.h"
#include "Menus.h"

namespace {

const TResStringRec SCannotShowModal{L"SCannotShowModal", L"Cannot make a visible window modal"};
const TResStringRec SCannotFocus{L"SCannotFocus", L"Cannot focus a disabled or invisible window"};

// SetLayeredWindowAttributes, bound at run time: systems without it show the
// form opaque instead of failing to start.
using TSetLayeredWindowAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
TSetLayeredWindowAttributes LayeredAttributesProc() {
  static const TSetLayeredWindowAttributes proc = reinterpret_cast<TSetLayeredWindowAttributes>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetLayeredWindowAttributes")));
  return proc;
}

// The windows of this thread a modal form disables, so that they can be
// enabled again when it ends.
struct TTaskWindows {
  HWND Except;
  std::vector<HWND> Disabled;
};

BOOL CALLBACK DisableTaskWindow(HWND Wnd, LPARAM Data) {
  auto* list = reinterpret_cast<TTaskWindows*>(Data);
  if (Wnd != list->Except && IsWindowVisible(Wnd) && IsWindowEnabled(Wnd)) {
    EnableWindow(Wnd, FALSE);
    list->Disabled.push_back(Wnd);
  }
  return TRUE;
}

TRect WindowRectOf(HWND Wnd) {
  RECT r{};
  GetWindowRect(Wnd, &r);
  return TRect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

// --- Construction and destruction -----------------------------------------------------------

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
  FFormState.Include(fsCreating);
  SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
  SetVisible(false);
  SetParentColor(false);
  SetParentFont(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
  FPixelsPerInch = ScreenLogPixels();
  FIcon = new TIcon;
  FIcon->OnChange = TNotifyEvent(this, &TCustomForm::IconChanged);
  FCanvas = new TControlCanvas;
  FCanvas->SetControl(this);
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  if (Screen) Screen->RemoveForm(this);
  delete FCanvas;
  delete FIcon;
}

void TCustomForm::AfterConstruction() {
  if (FConstructed) return;
  FConstructed = true;
  InitInheritedComponent(this, TForm::StaticClass());
  FFormState.Exclude(fsCreating);
  DoCreate();
}

void TCustomForm::BeforeDestruction() {
  // Freeing the main form while the loop runs ends the program, which would
  // otherwise go on without a window.
  if (Application && Application->MainForm() == this && Application->Running()) Application->Terminate();
  inherited::BeforeDestruction();
  if (FConstructed) {
    try {
      DoDestroy();
    } catch (...) {
      if (Application) Application->HandleException(this);
    }
  }
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::DoDestroy() {
  if (OnDestroy) OnDestroy(this);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FWantedControl) FWantedControl = nullptr;
  if (AComponent == FMenu) FMenu = nullptr;
}

// --- Window ---------------------------------------------------------------------------------

void TCustomForm::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style &= ~DWORD(WS_VISIBLE);
  if (Parent() || ParentWindow()) return;  // a form placed inside another window keeps the child styles
  Params.WndParent = Application ? Application->Handle() : nullptr;
  Params.Style &= ~DWORD(WS_CHILD | WS_GROUP | WS_TABSTOP);
  Params.Style |= WS_CLIPCHILDREN;
  switch (FBorderStyle) {
    case bsNone:
      Params.Style |= WS_POPUP;
      break;
    case bsSingle:
    case bsToolWindow:
      Params.Style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      Params.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      Params.Style |= WS_POPUP | WS_CAPTION;
      Params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
  }
  if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) Params.ExStyle |= WS_EX_TOOLWINDOW;
  if (FBorderStyle != bsNone) {
    if (FBorderIcons.Contains(biSystemMenu)) Params.Style |= WS_SYSMENU;
    const bool framedForMinMax = FBorderStyle == bsSingle || FBorderStyle == bsSizeable;
    if (framedForMinMax && FBorderIcons.Contains(biMinimize)) Params.Style |= WS_MINIMIZEBOX;
    if (framedForMinMax && FBorderIcons.Contains(biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
    // The help button only shows where there is no minimise or maximise box.
    if (FBorderIcons.Contains(biHelp) && (Params.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0)
      Params.ExStyle |= WS_EX_CONTEXTHELP;
  }
  if (FFormStyle == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
  if ((FAlphaBlend || FTransparentColor) && LayeredAttributesProc()) Params.ExStyle |= WS_EX_LAYERED;
  if (FPosition == poDefault || FPosition == poDefaultPosOnly) Params.X = Params.Y = CW_USEDEFAULT;
  if (FPosition == poDefault || FPosition == poDefaultSizeOnly) Params.Width = Params.Height = CW_USEDEFAULT;
}

void TCustomForm::CreateWnd() {
  inherited::CreateWnd();
  // A layered window stays invisible until its attributes are set.
  UpdateLayered();
  UpdateIcon();
  if (FMenu) {
    ::SetMenu(FHandle, FMenu->Handle());
    FMenu->SetWindowHandle(FHandle);
  }
  if (FPosition == poDefault || FPosition == poDefaultPosOnly || FPosition == poDefaultSizeOnly) {
    const TRect r = WindowRectOf(FHandle);
    UpdateBoundsRect(r);
  }
}

// The system destroys a window's menu with the window; the main menu's
// handle must outlive it (a re-created window takes it again).
void TCustomForm::DestroyWnd() {
  if (FMenu && HandleAllocated()) {
    if (GetMenu(FHandle) == FMenu->Handle()) ::SetMenu(FHandle, nullptr);
    FMenu->SetWindowHandle(nullptr);
  }
  inherited::DestroyWnd();
}

void TCustomForm::RecreateIfAllocated() {
  if (HandleAllocated()) RecreateWnd();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateIfAllocated();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (Value == FBorderIcons) return;
  FBorderIcons = Value;
  RecreateIfAllocated();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  if (Value == FFormStyle) return;
  FFormStyle = Value;
  if (HandleAllocated() && !Parent())
    SetWindowPos(FHandle, Value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// --- Layered window, icon, menu ---------------------------------------------------------------

void TCustomForm::SetAlphaBlend(bool Value) {
  if (Value == FAlphaBlend) return;
  FAlphaBlend = Value;
  UpdateLayered();
}

void TCustomForm::SetAlphaBlendValue(uint8_t Value) {
  if (Value == FAlphaBlendValue) return;
  FAlphaBlendValue = Value;
  UpdateLayered();
}

void TCustomForm::SetTransparentColor(bool Value) {
  if (Value == FTransparentColor) return;
  FTransparentColor = Value;
  UpdateLayered();
}

void TCustomForm::SetTransparentColorValue(TColor Value) {
  if (Value == FTransparentColorValue) return;
  FTransparentColorValue = Value;
  UpdateLayered();
}

void TCustomForm::UpdateLayered() {
  if (!HandleAllocated() || Parent()) return;
  TSetLayeredWindowAttributes setAttributes = LayeredAttributesProc();
  if (!setAttributes) return;
  const LONG_PTR exStyle = GetWindowLongPtrW(FHandle, GWL_EXSTYLE);
  if (FAlphaBlend || FTransparentColor) {
    if (!(exStyle & WS_EX_LAYERED)) SetWindowLongPtrW(FHandle, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    const DWORD flags = (FAlphaBlend ? LWA_ALPHA : 0) | (FTransparentColor ? LWA_COLORKEY : 0);
    setAttributes(FHandle, COLORREF(ColorToRGB(FTransparentColorValue)), FAlphaBlendValue, flags);
  } else if (exStyle & WS_EX_LAYERED) {
    SetWindowLongPtrW(FHandle, GWL_EXSTYLE, exStyle & ~LONG_PTR(WS_EX_LAYERED));
    RedrawWindow(FHandle, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

void TCustomForm::SetIcon(TIcon* Value) { FIcon->Assign(Value); }

void TCustomForm::IconChanged(TObject*) { UpdateIcon(); }

// A form without an icon of its own shows the application's (the class icon).
void TCustomForm::UpdateIcon() {
  if (!HandleAllocated() || Parent()) return;
  HICON icon = FIcon->Empty() ? nullptr : FIcon->Handle();
  SendMessageW(FHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(FHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void TCustomForm::SetMenu(TMainMenu* Value) {
  if (Value == FMenu) return;
  if (FMenu) {
    FMenu->RemoveFreeNotification(this);
    FMenu->SetWindowHandle(nullptr);
  }
  FMenu = Value;
  if (FMenu) FMenu->FreeNotification(this);
  if (HandleAllocated() && !Parent()) {
    ::SetMenu(FHandle, FMenu ? FMenu->Handle() : nullptr);
    if (FMenu) FMenu->SetWindowHandle(FHandle);
    DrawMenuBar(FHandle);
  }
}

// --- Showing ----------------------------------------------------------------------------------

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TCustomForm::SetWindowState(TWindowState Value) {
  if (Value == FWindowState) return;
  FWindowState = Value;
  if (HandleAllocated() && Showing()) {
    static const int commands[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
    ShowWindow(FHandle, commands[Value]);
  }
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

// Places the form as Position says, each time it is shown.
void TCustomForm::ApplyPosition() {
  if (Parent()) return;
  TRect area;
  switch (FPosition) {
    case poScreenCenter:
      area = TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
      break;
    case poDesktopCenter:
      area = Screen ? Screen->DesktopRect() : TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
      break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
      TCustomForm* around = Application ? Application->MainForm() : nullptr;
      if (FPosition == poOwnerFormCenter)
        if (auto* owner = dynamic_cast<TCustomForm*>(Owner())) around = owner;
      if (!around || around == this || !around->HandleAllocated()) {
        area = TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
      } else {
        area = WindowRectOf(around->Handle());
      }
      break;
    }
    default:
      return;
  }
  const int left = area.Left + (area.Right - area.Left - Width()) / 2;
  const int top = area.Top + (area.Bottom - area.Top - Height()) / 2;
  SetBounds(left, top, Width(), Height());
}

// The form shows or hides its window itself: OnShow first, placed, in the
// window state it has.
void TCustomForm::ShowingChanged() {
  if (Showing()) {
    FFormState.Include(fsShowing);
    try {
      DoShow();
    } catch (...) {
      FFormState.Exclude(fsShowing);
      throw;
    }
    FFormState.Exclude(fsShowing);
    ApplyPosition();
    int command = SW_SHOWNORMAL;
    if (FWindowState == wsMaximized) command = SW_SHOWMAXIMIZED;
    else if (FWindowState == wsMinimized) command = SW_SHOWMINIMIZED;
    if (!Parent()) ShowWindow(FHandle, command);
    else SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    FFormState.Include(fsVisible);
  } else {
    DoHide();
    if (!Parent() && GetActiveWindow() == FHandle && Application && Application->MainForm() &&
        Application->MainForm() != this) {
      // Give the activation back to a window of the program, not to another program.
      HWND next = GetWindow(FHandle, GW_HWNDNEXT);
      while (next && (!IsWindowVisible(next) || !IsWindowEnabled(next))) next = GetWindow(next, GW_HWNDNEXT);
      if (next) SetActiveWindow(next);
    }
    ShowWindow(FHandle, SW_HIDE);
    FFormState.Exclude(fsVisible);
  }
}

// --- Modal loop -------------------------------------------------------------------------------

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || FFormState.Contains(fsModal) || FFormStyle == fsMDIChild)
    throw EInvalidOperation(LoadResString(&SCannotShowModal));
  if (HWND capture = GetCapture()) SendMessageW(capture, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  FFormState.Include(fsModal);
  HWND activeWindow = GetActiveWindow();
  TTaskWindows windows{Handle(), {}};
  EnumThreadWindows(GetCurrentThreadId(), &DisableTaskWindow, reinterpret_cast<LPARAM>(&windows));
  if (Application) Application->ModalStarted();
  auto finish = [&] {
    if (Visible()) Hide();
    for (HWND wnd : windows.Disabled)
      if (IsWindow(wnd)) EnableWindow(wnd, TRUE);
    if (activeWindow && IsWindow(activeWindow)) SetActiveWindow(activeWindow);
    FFormState.Exclude(fsModal);
    if (Application) Application->ModalFinished();
  };
  const int quits = Application->QuitCount();
  try {
    FModalResult = mrNone;
    Show();
    do {
      try {
        Application->HandleMessage();
      } catch (...) {
        Application->HandleException(this);
      }
      if (Application->QuitCount() != quits) FModalResult = mrCancel;
      else if (FModalResult != mrNone) CloseModal();
    } while (FModalResult == mrNone);
  } catch (...) {
    finish();
    throw;
  }
  finish();
  return FModalResult;
}

// A modal result was set: the form closes unless CloseQuery or OnClose keeps it.
void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  if (action == caNone) FModalResult = mrNone;
  else if (action == caFree) Release();
}

// --- Closing ----------------------------------------------------------------------------------

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}

void TCustomForm::Close() {
  if (FFormState.Contains(fsModal)) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  switch (action) {
    case caNone:
      return;
    case caMinimize:
      // Minimising keeps the program running, main form or not.
      SetWindowState(wsMinimized);
      return;
    case caHide:
      if (Application && Application->MainForm() == this) Application->Terminate();
      else Hide();
      return;
    case caFree:
      if (Application && Application->MainForm() == this) Application->Terminate();
      else Release();
      return;
  }
}

void TCustomForm::Release() { PostMessageW(Handle(), CM_RELEASE, 0, 0); }

// --- Activation and the active control ----------------------------------------------------------

TWinControl* TCustomForm::ActiveControl() const {
  if (FWantedControl) return FWantedControl;
  return TWinControl::ActiveControl();
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (Control && (Control == this || !Control->IsChildOf(this)))
    throw EInvalidOperation(LoadResString(&SCannotFocus));
  if (FWantedControl) FWantedControl->RemoveFreeNotification(this);
  FWantedControl = Control;
  if (FWantedControl) FWantedControl->FreeNotification(this);
  if (Control && FActive && !ComponentState().Contains(csLoading)) {
    if (!Control->CanFocus()) throw EInvalidOperation(LoadResString(&SCannotFocus));
    Control->SetFocus();
  }
}

void TCustomForm::FocusControl(TWinControl* Control) {
  if (!FActive && Control && Control != this) {
    // Remembered, focused when the form is activated.
    SetActiveControl(Control);
    return;
  }
  inherited::FocusControl(Control);
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
  const bool result = inherited::SetFocusedControl(Control);
  if (Control != this && FWantedControl != Control) {
    if (FWantedControl) FWantedControl->RemoveFreeNotification(this);
    FWantedControl = nullptr;
  }
  if (Screen) {
    Screen->SetFocusedForm(this);
    Screen->SetActiveControl(Control == this ? nullptr : Control);
  }
  return result;
}

// The focus goes to the active control, else to the first control in tab
// order, else to the form's own window.
void TCustomForm::SetWindowFocus() {
  TWinControl* target = ActiveControl();
  if (!target || !target->CanFocus()) target = FindNextControl(nullptr, true, true, false);
  if (target && target->CanFocus()) target->SetFocus();
  else ::SetFocus(FHandle);
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::WMActivate(TMessage& Message) {
  inherited::Dispatch(Message);
  const bool active = LOWORD(Message.WParam) != WA_INACTIVE;
  if (active == FActive) return;
  FActive = active;
  if (active) {
    FFormState.Include(fsActivated);
    if (Screen) Screen->SetActiveForm(this);
    if (!HIWORD(Message.WParam)) SetWindowFocus();  // not while minimised
    Activate();
  } else {
    Deactivate();
  }
}

// --- Messages ---------------------------------------------------------------------------------

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::WMSize(TMessage& Message) {
  switch (Message.WParam) {
    case SIZE_MAXIMIZED:
      FWindowState = wsMaximized;
      break;
    case SIZE_MINIMIZED:
      FWindowState = wsMinimized;
      break;
    case SIZE_RESTORED:
      FWindowState = wsNormal;
      break;
    default:
      break;
  }
  inherited::Dispatch(Message);
}

void TCustomForm::WMMenuMessage(TMessage& Message) {
  const bool fromMenu = Message.Msg != WM_COMMAND || Message.LParam == 0;
  if (fromMenu && FMenu && FMenu->HandleMenuMessage(FHandle, Message)) return;
  inherited::Dispatch(Message);
}

void TCustomForm::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_SHOWINGCHANGED:
      ShowingChanged();
      return;
    case WM_ACTIVATE:
      WMActivate(Message);
      return;
    case WM_CLOSE:
      WMClose(Message);
      return;
    case WM_QUERYENDSESSION:
      Message.Result = CloseQuery() ? 1 : 0;
      return;
    case WM_SIZE:
      WMSize(Message);
      return;
    case WM_COMMAND:
    case WM_INITMENUPOPUP:
    case WM_MENUSELECT:
    case WM_MENUCHAR:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      WMMenuMessage(Message);
      return;
    case CM_RELEASE:
      // Freed by the application window, never inside this form's own
      // window procedure.
      if (Application) PostMessageW(Application->Handle(), CM_RELEASE, reinterpret_cast<WPARAM>(FHandle), 0);
      return;
    default:
      inherited::Dispatch(Message);
  }
}

// --- Painting ---------------------------------------------------------------------------------

void TCustomForm::PaintWindow(HDC DC) {
  FCanvas->Lock();
  FCanvas->SetHandle(DC);
  try {
    Paint();
  } catch (...) {
    FCanvas->SetHandle(nullptr);
    FCanvas->Unlock();
    throw;
  }
  FCanvas->SetHandle(nullptr);
  FCanvas->Unlock();
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

// --- Frames -----------------------------------------------------------------------------------

TCustomFrame::TCustomFrame(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
  SetBounds(0, 0, 320, 240);
}

void TCustomFrame::AfterConstruction() {
  if (FResourceRead) return;
  FResourceRead = true;
  InitInheritedComponent(this, TFrame::StaticClass());
}

// Placed on a form by the form's resource: the frame's own resource first,
// then what the form's resource changes.
void TCustomFrame::ReadState(TReader* Reader) {
  AfterConstruction();
  inherited::ReadState(Reader);
}

// --- Client size without a window ---------------------------------------------------------------
// Form resources give the client size. Before the window exists it is
// turned into a window size with the frame the styles will give; while the
// resource is read it waits for Loaded, when the border settings are known.

TRect TCustomForm::FrameInsets() {
  TCreateParams params;
  CreateParams(params);
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, params.Style, FMenu != nullptr && !Parent(), params.ExStyle);
  return TRect{-r.left, -r.top, r.right, r.bottom};
}

TRect TCustomForm::GetClientRect() {
  if (HandleAllocated()) return inherited::GetClientRect();
  const TRect f = FrameInsets();
  return TRect{0, 0, std::max(0, Width() - f.Left - f.Right), std::max(0, Height() - f.Top - f.Bottom)};
}

void TCustomForm::SetClientSize(TPoint Value) {
  if (HandleAllocated()) {
    inherited::SetClientSize(Value);
    return;
  }
  const TRect f = FrameInsets();
  SetBounds(Left(), Top(), Value.X + f.Left + f.Right, Value.Y + f.Top + f.Bottom);
  // The frame may change with properties read later (BorderStyle): again in Loaded.
  if (ComponentState().Contains(csLoading)) {
    FLoadedClientSize = Value;
    FHasLoadedClientSize = true;
  }
}

void TCustomForm::GetChildren(TGetChildProc Proc, TComponent* Root) {
  inherited::GetChildren(Proc, Root);
  // A form written as the root also carries the components it owns that sit in no
  // control (timers, ports, menus, style controllers); reading already takes them back.
  if (Root != this) return;
  for (int i = 0; i < ComponentCount(); ++i)
    if (TComponent* c = Components(i); !c->HasParent()) Proc(c);
}

void TCustomForm::Loaded() {
  inherited::Loaded();
  if (FHasLoadedClientSize) {
    FHasLoadedClientSize = false;
    SetClientSize(FLoadedClientSize);
  }
}

void TCustomFrame::UpdateShowing() {
  if (!Parent() && !ParentWindow()) return;
  inherited::UpdateShowing();
}

TCustomForm* GetParentForm(TControl* Control) {
  if (!Control) return nullptr;
  while (Control->Parent()) Control = Control->Parent();
  return dynamic_cast<TCustomForm*>(Control);
}

// --- Published properties -----------------------------------------------------------------------
VAMIRE_PUBLISHED(TCustomForm,
                 Prop(L"BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
                     .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize}),
                 Prop(L"BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle).Default(bsSizeable),
                 Prop(L"ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight).NoDefault(),
                 Prop(L"ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth).NoDefault(),
                 Prop(L"FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle).Default(fsNormal),
                 Prop(L"Position", &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDesigned),
                 Prop(L"WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState).Default(wsNormal),
                 Prop(L"KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(false),
                 Prop(L"AlphaBlend", &TCustomForm::AlphaBlend, &TCustomForm::SetAlphaBlend).Default(false),
                 Prop(L"AlphaBlendValue", &TCustomForm::AlphaBlendValue, &TCustomForm::SetAlphaBlendValue)
                     .Default(255),
                 Prop(L"TransparentColor", &TCustomForm::TransparentColor, &TCustomForm::SetTransparentColor)
                     .Default(false),
                 Prop(L"TransparentColorValue", &TCustomForm::TransparentColorValue,
                      &TCustomForm::SetTransparentColorValue)
                     .Idents(&ColorIdentMapper)
                     .Default(clBlack),
                 Prop(L"Icon", &TCustomForm::Icon, &TCustomForm::SetIcon),
                 Prop(L"Menu", &TCustomForm::Menu, &TCustomForm::SetMenu),
                 Prop(L"ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl),
                 Prop(L"PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch).NoDefault(),
                 Prop(L"TextHeight", &TCustomForm::TextHeight, &TCustomForm::SetTextHeight).NoDefault(),
                 Prop(L"OldCreateOrder", &TCustomForm::OldCreateOrder, &TCustomForm::SetOldCreateOrder)
                     .Default(false),
                 Prop(L"Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled).Default(true),
                 Prop(L"OnCreate", &TCustomForm::OnCreate),
                 Prop(L"OnDestroy", &TCustomForm::OnDestroy),
                 Prop(L"OnShow", &TCustomForm::OnShow),
                 Prop(L"OnHide", &TCustomForm::OnHide),
                 Prop(L"OnActivate", &TCustomForm::OnActivate),
                 Prop(L"OnDeactivate", &TCustomForm::OnDeactivate),
                 Prop(L"OnPaint", &TCustomForm::OnPaint),
                 Prop(L"OnClose", &TCustomForm::OnClose),
                 Prop(L"OnCloseQuery", &TCustomForm::OnCloseQuery),
                 Prop(L"OnKeyDown", &TCustomForm::OnKeyDown),
                 Prop(L"OnKeyPress", &TCustomForm::OnKeyPress),
                 Prop(L"OnKeyUp", &TCustomForm::OnKeyUp))
