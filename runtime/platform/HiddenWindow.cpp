#include "HiddenWindow.h"

#include <exception>
#include <mutex>
#include <new>

namespace {

const wchar_t kUtilWindowClass[] = L"TPUtilWindow";

LRESULT CALLBACK UtilWindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* method = reinterpret_cast<TWndMethod*>(GetWindowLongPtrW(Wnd, GWLP_USERDATA));
  if (!method) return DefWindowProcW(Wnd, Msg, WParam, LParam);
  TMessage message{Msg, WParam, LParam, 0};
  try {
    (*method)(message);
  } catch (...) {
    HandleCallbackException(nullptr);
  }
  return message.Result;
}

ATOM RegisterUtilWindowClass() {
  static std::once_flag once;
  static ATOM atom = 0;
  std::call_once(once, [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &UtilWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kUtilWindowClass;
    atom = RegisterClassW(&wc);
  });
  return atom;
}

std::mutex GHandlerLock;
TExceptionHandler GHandler;

}  // namespace

HWND AllocateHWnd(TWndMethod Method) {
  if (!RegisterUtilWindowClass()) throw EOutOfResources(L"Cannot register the utility window class");
  HWND wnd = CreateWindowExW(WS_EX_TOOLWINDOW, kUtilWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (!wnd) throw EOutOfResources(L"Cannot create a utility window");
  // Bound only once the window exists, so creation messages take the default path.
  SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new TWndMethod(Method)));
  return wnd;
}

void DeallocateHWnd(HWND Wnd) {
  if (!Wnd) return;
  auto* method = reinterpret_cast<TWndMethod*>(SetWindowLongPtrW(Wnd, GWLP_USERDATA, 0));
  DestroyWindow(Wnd);
  delete method;
}

void SetCallbackExceptionHandler(TExceptionHandler Handler) {
  std::lock_guard<std::mutex> lock(GHandlerLock);
  GHandler = Handler;
}

void HandleCallbackException(TObject* Sender) {
  TExceptionHandler handler;
  {
    std::lock_guard<std::mutex> lock(GHandlerLock);
    handler = GHandler;
  }
  auto report = [&](const Exception& e) {
    if (handler) handler(Sender, e);
    else OutputDebugStringW((L"Unhandled exception: " + e.Message()).c_str());
  };
  try {
    try {
      throw;
    } catch (const Exception& e) {
      report(e);
    } catch (const std::bad_alloc&) {
      report(Exception(L"Out of memory"));
    } catch (const std::exception& e) {
      report(Exception(String(e.what(), e.what() + std::strlen(e.what()))));
    } catch (...) {
      report(Exception(L"Unknown exception"));
    }
  } catch (...) {
    // The handler itself failed; nothing may leave this frame.
    OutputDebugStringW(L"Exception in the exception handler");
  }
}
