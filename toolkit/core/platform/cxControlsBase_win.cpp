// The unit's process-wide objects, its message windows and its start and end.
#include "cxControlsBase_win.h"

#include "Threads.h"
#include "cxControlsBase_internal.h"

namespace {

bool GFinalizing = false;
TcxMessageWindow* GMessageWindow = nullptr;
TcxTimerWindow* GTimerWindow = nullptr;
TcxRunningTimerList* GRunningTimerList = nullptr;
TcxWindowProcController* GWindowProcController = nullptr;
TcxSystemController* GSystemController = nullptr;

template <class T>
T* CreatedOnFirstUse(T*& instance) {
  if (!instance && !GFinalizing) instance = new T();
  return instance;
}

template <class T>
void FreeAndNil(T*& instance) {
  delete instance;
  instance = nullptr;
}

// Whether this code runs inside a library rather than the program itself.
bool IsLibrary() {
  HMODULE self = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&GFinalizing), &self);
  return self && self != GetModuleHandleW(nullptr);
}

}  // namespace

UINT cxSkinRefuseMessage = 0;
UINT cxSkinUpdatePainterMessage = 0;
TSetMenuInfo cxSetMenuInfo = nullptr;

TcxMessageWindow* GetMessageWindow() { return CreatedOnFirstUse(GMessageWindow); }
TcxTimerWindow* GetTimerWindow() { return CreatedOnFirstUse(GTimerWindow); }
TcxRunningTimerList* GetRunningTimerList() { return CreatedOnFirstUse(GRunningTimerList); }
TcxWindowProcController* GetWindowProcController() { return CreatedOnFirstUse(GWindowProcController); }
TcxSystemController* GetSystemController() { return GSystemController; }

// --- TcxMessageWindow --------------------------------------------------------------------
TcxMessageWindow::TcxMessageWindow() { FHandle = AllocateHWnd(TWndMethod(this, &TcxMessageWindow::WndProc)); }

TcxMessageWindow::~TcxMessageWindow() { DeallocateHWnd(FHandle); }

void TcxMessageWindow::WndProc(TMessage& Message) {
  Message.Result = DefWindowProcW(FHandle, Message.Msg, Message.WParam, Message.LParam);
}

// --- TcxSystemController -----------------------------------------------------------------
TcxSystemController::TcxSystemController() {
  if (IsLibrary()) HookWakeMainThread();
}

TcxSystemController::~TcxSystemController() { UnhookWakeMainThread(); }

void TcxSystemController::HookWakeMainThread() {
  if (FHooked) return;
  FPrevWakeMainThread = ::WakeMainThread;
  ::WakeMainThread = TNotifyEvent(this, &TcxSystemController::WakeMainThread);
  FHooked = true;
}

void TcxSystemController::UnhookWakeMainThread() {
  if (!FHooked) return;
  ::WakeMainThread = FPrevWakeMainThread;
  FHooked = false;
}

void TcxSystemController::WakeMainThread(TObject*) { PostMessageW(Handle(), CXM_SYNCHRONIZE, 0, 0); }

void TcxSystemController::WndProc(TMessage& Message) {
  if (Message.Msg == CXM_SYNCHRONIZE) CheckSynchronize(0);
  else TcxMessageWindow::WndProc(Message);
}

// --- Unit --------------------------------------------------------------------------------
void cxControlsBase_Initialize() {
  GFinalizing = false;
  cxSetMenuInfo = reinterpret_cast<TSetMenuInfo>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetMenuInfo")));
  cxSkinRefuseMessage = RegisterWindowMessageW(L"{B2CE3777-44D8-4998-9701-47BBBC10B656}");
  cxSkinUpdatePainterMessage = RegisterWindowMessageW(L"{B2CE3777-44D8-1321-4656-12C54AA613BB}");
  RegisterClasses({TcxTimer::StaticClass()});
  GSystemController = new TcxSystemController();
}

void cxControlsBase_Finalize() {
  GFinalizing = true;
  FreeAndNil(GSystemController);
  UnRegisterClasses({TcxTimer::StaticClass()});
  FreeAndNil(GTimerWindow);
  FreeAndNil(GRunningTimerList);
  FreeAndNil(GMessageWindow);
  FreeAndNil(GWindowProcController);
}

const TUnitEntry cxControlsBaseUnit{L"cxControlsBase", cxControlsBase_Initialize, cxControlsBase_Finalize};
