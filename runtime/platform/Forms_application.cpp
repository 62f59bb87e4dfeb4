// The application object: its window, the message loop and the handling of
// exceptions that reach the loop or a callback.
#include <cwctype>
#include <exception>
#include <new>

#include "Forms.h"
#include "DialogService.h"
#include "Menus.h"
#include "SysUtils.h"
#include "Threads.h"

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {

const wchar_t kApplicationClass[] = L"TApplication";

ATOM RegisterApplicationClass(WNDPROC Proc) {
  static ATOM atom = [Proc] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    if (!wc.hIcon) wc.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512) /* IDI_APPLICATION */);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    wc.lpszClassName = kApplicationClass;
    return RegisterClassW(&wc);
  }();
  return atom;
}

// The text of any exception caught by the current catch block.
Exception CurrentException() {
  try {
    throw;
  } catch (const Exception& e) {
    return e;
  } catch (const std::bad_alloc&) {
    return Exception(L"Out of memory");
  } catch (const std::exception& e) {
    return Exception(String(e.what(), e.what() + std::strlen(e.what())));
  } catch (...) {
    return Exception(L"Unknown exception");
  }
}

bool IsAbort(const Exception& E) { return E.InheritsFrom(EAbort::StaticClass()); }

}  // namespace

// --- Construction ---------------------------------------------------------------------------

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
  CreateHandle();
  SetCallbackExceptionHandler(TExceptionHandler(this, &TApplication::DoHandleException));
}

TApplication::~TApplication() {
  // The forms go first, while the application they ask about is still whole.
  Destroying();
  DestroyComponents();
  FMainForm = nullptr;
  SetCallbackExceptionHandler(nullptr);
  if (FHandle) {
    SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
    DestroyWindow(FHandle);
    FHandle = nullptr;
  }
}

void TApplication::CreateHandle() {
  if (FHandle) return;
  if (!RegisterApplicationClass(&TApplication::MainWndProc)) throw EOutOfResources(L"Cannot register the application window class");
  // A top-level window that is never shown: the owner of every form, and the
  // window that hears application-wide broadcasts (activation, display changes).
  FHandle = CreateWindowExW(0, kApplicationClass, Title().c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!FHandle) throw EOutOfResources(L"Cannot create the application window");
  SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void (*InitProc)() = nullptr;

void TApplication::Initialize() {
  if (InitProc) InitProc();
  CreateHandle();
}

String TApplication::Title() const {
  if (FTitleSet) return FTitle;
  return ChangeFileExt(ExtractFileName(ExeName()), String());
}

void TApplication::SetTitle(const String& Value) {
  FTitle = Value;
  FTitleSet = true;
  if (FHandle) SetWindowTextW(FHandle, Value.c_str());
}

String TApplication::ExeName() const { return ParamStr(0); }

void TApplication::FormCreated(TCustomForm* Form) {
  Form->AfterConstruction();
  if (!FMainForm) FMainForm = Form;
}

TCustomForm* TApplication::CreateForm(TClass FormClass) {
  if (!FormClass || !FormClass->InheritsFrom(TCustomForm::StaticClass()))
    throw EInvalidOperation(L"CreateForm needs a form class");
  auto* form = static_cast<TCustomForm*>(FormClass->Create(this));
  try {
    FormCreated(form);
  } catch (...) {
    form->Free();
    throw;
  }
  return form;
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FMainForm) FMainForm = nullptr;
  if (AComponent == FHintControl) {
    FHintControl = nullptr;
    HideHint();
    StopHintTimer();
  }
  if (AComponent == FHintWindow) FHintWindow = nullptr;
}

LRESULT CALLBACK TApplication::MainWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* app = reinterpret_cast<TApplication*>(GetWindowLongPtrW(Wnd, GWLP_USERDATA));
  if (!app) return DefWindowProcW(Wnd, Msg, WParam, LParam);
  TMessage message{Msg, WParam, LParam, 0};
  try {
    app->WndProc(message);
  } catch (...) {
    HandleCallbackException(app);
  }
  return message.Result;
}

// --- Message loop -----------------------------------------------------------------------------

bool TApplication::ProcessMessage(MSG& Msg) {
  if (!PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (Msg.message == WM_QUIT) {
    FTerminated = true;
    ++FQuitCount;
    return true;
  }
  bool handled = false;
  if (OnMessage) OnMessage(Msg, handled);
  if (!handled && !IsHintMsg(Msg) && !IsKeyMsg(Msg) && !IsDlgMsg(Msg)) {
    TranslateMessage(&Msg);
    DispatchMessageW(&Msg);
  }
  return true;
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) Idle(msg);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::Idle(const MSG&) {
  bool done = true;
  try {
    if (OnIdle) OnIdle(this, done);
  } catch (...) {
    HandleException(this);
  }
  // Calls queued by worker threads run here too, not only when their wake-up
  // message arrives.
  if (GetCurrentThreadId() == MainThreadID && CheckSynchronize()) done = false;
  if (done) WaitMessage();
}

void TApplication::Run() {
  FRunning = true;
  FTerminated = false;
  if (FMainForm && FShowMainForm && !FMainForm->Visible()) {
    // The main form shows as it was designed: maximised or minimised too.
    FMainForm->Show();
  }
  do {
    try {
      HandleMessage();
    } catch (...) {
      HandleException(this);
    }
  } while (!FTerminated);
  FRunning = false;
}

void TApplication::Terminate() { PostQuitMessage(0); }

// A key goes first to the menu of the form it was typed in, then to the
// focused control (CN_ messages), then to the main form's menu.
bool TApplication::IsKeyMsg(MSG& Msg) {
  if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST) return false;
  const bool keyDown = Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN;
  if (keyDown) {
    TWinControl* control = nullptr;
    for (HWND wnd = Msg.hwnd; wnd && !control; wnd = GetParent(wnd)) control = FindControl(wnd);
    TCustomForm* form = GetParentForm(control);
    if (form && form->Menu() && form->Enabled() && form->Menu()->IsShortCut(uint16_t(Msg.wParam), Msg.lParam))
      return true;
  }
  if (IsControlKeyMsg(Msg)) return true;
  if (keyDown && SendMessageW(FHandle, CM_APPKEYDOWN, Msg.wParam, Msg.lParam) != 0) return true;
  return false;
}

bool TApplication::IsDlgMsg(MSG& Msg) { return FDialogHandle && IsDialogMessageW(FDialogHandle, &Msg); }

void TApplication::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ACTIVATEAPP:
      FActive = Message.WParam != 0;
      if (FActive) {
        if (OnActivate) OnActivate(this);
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      break;
    case WM_DISPLAYCHANGE:
    case WM_FONTCHANGE:
      if (Screen) Screen->DisplayChanged();
      break;
    case WM_ENDSESSION:
      if (Message.WParam) Terminate();
      break;
    case WM_CLOSE:
      if (FMainForm) FMainForm->Close();
      return;
    case CM_APPKEYDOWN:
      // A key nothing else took: a shortcut of the main form's menu.
      Message.Result = FMainForm && FMainForm->Menu() && FMainForm->Enabled() &&
                       FMainForm->Menu()->IsShortCut(uint16_t(Message.WParam), Message.LParam);
      return;
    case CM_RELEASE:
      // A form asked to be freed (Release), now that it is out of its own window procedure.
      if (auto* form = dynamic_cast<TCustomForm*>(FindControl(reinterpret_cast<HWND>(Message.WParam))))
        form->Free();
      return;
    case WM_TIMER:
      HintTimerExpired(UINT(Message.WParam));
      return;
    default:
      break;
  }
  Message.Result = DefWindowProcW(FHandle, Message.Msg, Message.WParam, Message.LParam);
}

// --- Message boxes and exceptions ---------------------------------------------------------------

int TApplication::MessageBox(const String& Text, const String& Caption, UINT Flags) {
  HWND owner = GetActiveWindow();
  if (!owner) owner = FHandle;
  return DialogMessageBox(owner, Text, Caption.empty() ? Title() : Caption, Flags);
}

void TApplication::ShowException(const Exception& E) {
  String text = E.Message();
  if (text.empty()) text = E.ClassName();
  const wchar_t last = text.back();
  if (!std::iswspace(last) && String(L".!?\u3002\uFF01\uFF1F").find(last) == String::npos) text += L'.';
  MessageBox(text, Title(), MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException(TObject* Sender) {
  DoHandleException(Sender, CurrentException());
}

void TApplication::DoHandleException(TObject* Sender, const Exception& E) {
  if (IsAbort(E)) return;
  try {
    if (OnException) OnException(Sender, E);
    else ShowException(E);
  } catch (...) {
    // A failing handler must not take the loop down with it.
    OutputDebugStringW(L"Exception in the application's exception handler");
  }
}

// --- Unit start and end ---------------------------------------------------------------------------

void InitForms() {
  if (!Screen) Screen = new TScreen(nullptr);
  if (!Application) Application = new TApplication(nullptr);
}

void DoneForms() {
  if (TApplication* app = Application) {
    app->Free();
    Application = nullptr;
  }
  if (TScreen* screen = Screen) {
    screen->Free();
    Screen = nullptr;
  }
}

const TUnitEntry FormsUnit = {L"Forms", &InitForms, &DoneForms};
