// The vertical subtitle window (TForm19): one character per line in a label
// that climbs up the window on a timer and starts again from the bottom.
// Chosen only with the settings window's hidden "垂直显示" box.
#pragma once

#include <windows.h>

#include "ExtCtrls.h"
#include "StdCtrls.h"
#include "uLEDDisplay.h"

class TForm19 : public TSubtitleWindow {
  VAMIRE_CLASS(TForm19, TSubtitleWindow)
 public:
  using TSubtitleWindow::TSubtitleWindow;
  void AfterConstruction() override;

  // Caption, timer interval (interval + 10 ms), font (raises EConvertError
  // for a colour name the runtime can't convert), and with a moving text
  // and no kept background the label's colour.
  void ApplySubtitleStyle(const TSubtitleStyle& Style);

  // The motion kept from the last show: pixels per tick and the scroll height.
  int Step() const { return FStep; }
  int ScrollHeight() const { return FScrollHeight; }

  TLabel* Label1 = nullptr;
  TTimer* Timer1 = nullptr;

  void FormShow(TObject* Sender);
  void Timer1Timer(TObject* Sender);

 protected:
  void Refit() override;

 private:
  void SpanLabel(int width);

  int FStep = 1;
  int FScrollHeight = 0;
};
