// Drives the real dialogs from inside their own modal loop, for the tests that
// show them: a thread timer finds the dialog and runs one step per tick.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "Dialogs.h"
#include "DialogService.h"
#include "support/WindowCapture.h"

namespace dialogs_test {

// Drives a real modal dialog from inside its own message loop: a thread timer
// fires while the dialog waits, finds this thread's dialog window and runs
// the next step on it, one step per tick. The dialog service's answerer is
// out of the way meanwhile. A dialog still open well after the last step is
// ended, so a fault fails the test instead of hanging it.
class DialogDriver {
 public:
  using Step = std::function<void(HWND Dialog)>;

  explicit DialogDriver(std::vector<Step> Steps) : FSteps(std::move(Steps)), FAnswerer(SetDialogAnswerer(nullptr)) {
    Current = this;
    FTimer = SetTimer(nullptr, 0, 20, &DialogDriver::Tick);
  }
  ~DialogDriver() {
    KillTimer(nullptr, FTimer);
    Current = nullptr;
    SetDialogAnswerer(FAnswerer);
    EXPECT_EQ(FNext, FSteps.size()) << "the dialog closed before every step ran";
  }
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

 private:
  static BOOL CALLBACK MatchDialog(HWND Wnd, LPARAM Out) {
    wchar_t cls[64] = {};
    GetClassNameW(Wnd, cls, 64);
    if (IsWindowVisible(Wnd) && (wcscmp(cls, L"TMessageForm") == 0 || wcscmp(cls, L"#32770") == 0)) {
      *reinterpret_cast<HWND*>(Out) = Wnd;
      return FALSE;
    }
    return TRUE;
  }
  static HWND FindDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &DialogDriver::MatchDialog, LPARAM(&found));
    return found;
  }

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    DialogDriver* self = Current;
    if (!self) return;
    try {
      HWND dialog = FindDialog();
      if (!dialog) return;
      if (self->FNext < self->FSteps.size()) {
        self->FSteps[self->FNext++](dialog);
      } else if (++self->FIdleTicks > 100) {
        ADD_FAILURE() << "the dialog stayed open after the last step";
        EndDialog(dialog, -2);
      }
    } catch (...) {
      ADD_FAILURE() << "a step raised an exception";
    }
  }

  static inline DialogDriver* Current = nullptr;
  std::vector<Step> FSteps;
  size_t FNext = 0;
  int FIdleTicks = 0;
  TDialogAnswerer* FAnswerer;
  UINT_PTR FTimer = 0;
};

inline String TextOf(HWND Wnd) {
  String text(size_t(GetWindowTextLengthW(Wnd)) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(Wnd, text.data(), int(text.size()))));
  return text;
}

inline String ClassOf(HWND Wnd) {
  wchar_t cls[64] = {};
  GetClassNameW(Wnd, cls, 64);
  return cls;
}

// The dialog's children of a window class, left to right.
inline std::vector<HWND> Children(HWND Dialog, const String& Class) {
  std::vector<HWND> found;
  for (HWND c = GetWindow(Dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (_wcsicmp(ClassOf(c).c_str(), Class.c_str()) == 0) found.push_back(c);
  std::sort(found.begin(), found.end(), [](HWND a, HWND b) {
    RECT ra, rb;
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.left < rb.left;
  });
  return found;
}

inline std::vector<String> ButtonCaptions(HWND Dialog) {
  std::vector<String> captions;
  for (HWND b : Children(Dialog, L"Button")) captions.push_back(TextOf(b));
  return captions;
}

inline void Click(HWND Dialog, const String& Caption) {
  for (HWND b : Children(Dialog, L"Button"))
    if (TextOf(b) == Caption) {
      SendMessageW(b, BM_CLICK, 0, 0);
      return;
    }
  ADD_FAILURE() << "no button " << Caption;
}

inline void Capture(HWND Dialog, const wchar_t* File) {
  RedrawWindow(Dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const vamire_test::Capture shot = vamire_test::CaptureWindow(Dialog);
  EXPECT_TRUE(shot.SavePng(File));
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const uint32_t background = uint32_t(GetRValue(face)) << 16 | uint32_t(GetGValue(face)) << 8 | GetBValue(face);
  EXPECT_GT(shot.CountNot(background), size_t(shot.Width) * 4);  // more than the frame: text and buttons
}

}  // namespace dialogs_test
