// The start-up window's animation (TForm18.tmr1Timer, one firing every 10 ms):
// fade the logo in over 20 ticks, hold it, fade it out, then hand over to the
// main window. Pure, so the whole schedule is checked tick by tick.
#pragma once

// The tick at which the animation ends: Still * 60 + 40. A negative Still
// counts as 0, so the counter always reaches the end; one too large for the
// counter is cut to the largest it can reach.
int SplashEndTick(int still);

class TSplashSchedule {
 public:
  // enabled: "ifshow" is 1 and the logo file exists (SplashEnabled).
  TSplashSchedule(bool enabled, int still);

  // One firing of the timer. Answers true when this firing ends the
  // animation: stop the timer, hide TForm18, show TForm1.
  bool Tick();

  bool Enabled() const { return FEnabled; }
  int Alpha() const { return FAlpha; }    // the window's alpha after the last tick
  int TickCount() const { return FTick; }  // SplashTick
  int EndTick() const { return FEndTick; }  // SplashEndTick

 private:
  bool FEnabled;
  int FEndTick;
  int FTick = 0;
  int FAlpha = 0;  // the window starts invisible
};
