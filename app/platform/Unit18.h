// The start-up window: the application's main form, borderless and on top,
// invisible (alpha 0) until its timer fades the logo in, holds it and fades
// it out, then hands over to the main console window. With the animation off
// (no logo, or [StartAnimation] "ifshow" not 1) the main window is shown on
// the first tick. Closing it ends the program. Its layout in Unit18.dfm.
#pragma once

#include <memory>

#include "ExtCtrls.h"
#include "Forms.h"
#include "Settings.h"
#include "SplashSchedule.h"

class TForm18 : public TForm {
  VAMIRE_CLASS(TForm18, TForm)
 public:
  using TForm::TForm;
  ~TForm18() override;

  TImage* img1 = nullptr;  // the logo, stretched and centred over the whole window
  TTimer* tmr1 = nullptr;  // 10 ms, on from creation

  // The window shown when the animation ends: the main console window, which
  // the program body names after making every window. None: the program has
  // nothing to show, and ends.
  TCustomForm* MainWindowForm = nullptr;

  void FormCreate(TObject* Sender);
  void tmr1Timer(TObject* Sender);

  // Steps 3 and 4 of the creation: the [StartAnimation] keys, the logo and
  // the window's size. FormCreate reads them from "cfg.ini"; tests from their
  // own settings.
  void ReadAnimation(ISettingsStore& store);
  const TSplashSchedule& Schedule() const { return FSchedule; }

 protected:
  void Loaded() override;

 private:
  std::unique_ptr<ISettingsStore> FSettings;  // its own settings object, kept for the run
  TSplashSchedule FSchedule{false, 0};
};
