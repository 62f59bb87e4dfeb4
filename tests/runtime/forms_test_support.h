// Shared by the form tests: the forms unit started once per program, and
// small readers of what a window shows.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "Forms.h"
#include "HiddenWindow.h"
#include "Threads.h"

namespace forms_test {

class TFormsEnvironment : public testing::Environment {
 public:
  void SetUp() override { InitializeUnits({ThreadsUnit, FormsUnit}); }
  void TearDown() override { FinalizeUnits(); }
};

inline testing::Environment* const FormsEnvironment = testing::AddGlobalTestEnvironment(new TFormsEnvironment);

}  // namespace forms_test

inline String WindowClassOf(HWND Wnd) {
  wchar_t name[256] = {};
  GetClassNameW(Wnd, name, 256);
  return name;
}

inline String WindowTextOf(HWND Wnd) {
  wchar_t text[512] = {};
  GetWindowTextW(Wnd, text, 512);
  return text;
}

// Actions run from the message queue, in the order posted: each is a message
// posted to a hidden window, so they run inside whatever loop is running then
// (the application's, a modal form's).
class TPostedActions : public TObject {
 public:
  TPostedActions() { FWnd = AllocateHWnd(TWndMethod(this, &TPostedActions::WndProc)); }
  ~TPostedActions() override { DeallocateHWnd(FWnd); }
  void Post(std::function<void()> Action) {
    FActions.push_back(std::move(Action));
    PostMessageW(FWnd, WM_APP, FActions.size() - 1, 0);
  }
  int Ran() const { return FRan; }

 private:
  void WndProc(TMessage& Message) {
    if (Message.Msg != WM_APP) {
      Message.Result = DefWindowProcW(FWnd, Message.Msg, Message.WParam, Message.LParam);
      return;
    }
    ++FRan;
    FActions[Message.WParam]();
  }
  HWND FWnd;
  std::vector<std::function<void()>> FActions;
  int FRan = 0;
};

// Tells whether a component still exists.
class TFreeWatch : public TComponent {
 public:
  explicit TFreeWatch(TComponent* Watched) : TComponent(nullptr), FWatched(Watched) { Watched->FreeNotification(this); }
  ~TFreeWatch() override {
    if (FWatched) FWatched->RemoveFreeNotification(this);
  }
  bool Freed() const { return FWatched == nullptr; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FWatched) FWatched = nullptr;
  }

 private:
  TComponent* FWatched;
};
