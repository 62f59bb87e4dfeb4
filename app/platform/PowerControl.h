// The power group of the main window ("电源开关"): power on, at once to the
// selection fields or panel by panel with a pause between them, standby, and
// the delayed box stored as it changes. They read the main window through
// IPowerWindow and send through the link routines, pausing through SleepMs.
#pragma once

#include "Settings.h"
#include "System.h"
#include "WallFrame.h"

class IPowerWindow {
 public:
  virtual ~IPowerWindow() = default;

  virtual TWallSelection GridSelection() = 0;  // stringgrid1's selection rectangle
  virtual bool DelayedPowerOn() = 0;           // CheckBox1 "延迟开机"
  virtual String DelaySeconds() = 0;           // LabeledEdit10, as typed
};

// TForm1.BitBtn5Click. Delayed: one frame per panel of the grid's selection,
// rows outer, each followed by the seconds field's pause, read again for
// every panel; a seconds text that is no number raises EConvertError after
// the first frame.
void PowerOn(IPowerWindow& window);
// TForm1.BitBtn6Click: standby to the selection fields, never delayed.
void Standby();
// TForm1.CheckBox1Click: [setting] "KJ".
void StoreDelayedPowerOn(ISettingsStore& store, bool delayed);
