// Hidden utility windows: a top-level window that is never shown and hands
// every message it receives to one method of an object. Components use it to
// receive posted messages and timers on the thread that created it.
#pragma once

#include <windows.h>

#include "System.h"

// A window message as the methods of the runtime receive it. The method sets
// Result; it is what the window procedure returns.
struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

using TWndMethod = TMethod<void(TMessage& Message)>;

// Creates a hidden window of class "TPUtilWindow" owned by the calling thread
// whose messages go to Method. Messages the method does not want must be
// answered by it with DefWindowProcW, as for any window procedure. The window
// is top level (not message-only), so it also receives broadcasts such as
// WM_SETTINGCHANGE. Raises EOutOfResources when the window can't be made.
HWND AllocateHWnd(TWndMethod Method);
// Destroys a window made by AllocateHWnd; messages arriving while it is
// destroyed go to the default procedure. Null does nothing.
void DeallocateHWnd(HWND Wnd);

// Where an exception that reaches a window procedure, a thread's synchronised
// call or another callback goes: nothing may cross those frames (D-5). The
// application object installs its handler; without one the message is sent to
// the debugger output and the program goes on.
using TExceptionHandler = TMethod<void(TObject* Sender, const Exception& E)>;
void SetCallbackExceptionHandler(TExceptionHandler Handler);
// To be called from inside a catch block: hands the current exception to the
// installed handler. Exceptions not derived from Exception are wrapped.
void HandleCallbackException(TObject* Sender);
