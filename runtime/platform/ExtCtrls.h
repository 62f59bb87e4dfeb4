// The timer component: a window timer on a hidden window of its own, so its
// event runs on the thread that created it, from that thread's message loop.
#pragma once

#include <windows.h>

#include "Classes.h"
#include "HiddenWindow.h"

class TTimer : public TComponent {
  VAMIRE_CLASS(TTimer, TComponent)
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Milliseconds; 0 stops the timer. Any change starts the count again.
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned Value);
  TNotifyEvent OnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent Value);

 protected:
  // Runs OnTimer; descendants may do more on each tick.
  virtual void Timer();

 private:
  void UpdateTimer();
  void WndProc(TMessage& Message);

  HWND FWindowHandle = nullptr;
  unsigned FInterval = 1000;
  bool FEnabled = true;
  TNotifyEvent FOnTimer;
};
