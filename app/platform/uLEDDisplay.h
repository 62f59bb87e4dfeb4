// The horizontal subtitle window (TfrmLEDDisplay): a borderless window on
// the desktop, above the others, whose marquee pane shows the subtitle text
// static or scrolling right to left. Pressing and dragging anywhere moves
// it, its edges resize it, and the pane follows the new size.
#pragma once

#include <windows.h>

#include "Forms.h"
#include "RzStatus.h"

// The desktop's work area, read when a subtitle window is shown; tests put
// their own in (the default asks the system, SPI_GETWORKAREA).
using TWorkAreaProc = TRect (*)();
TWorkAreaProc SetSubtitleWorkAreaProc(TWorkAreaProc proc);
TRect SubtitleWorkArea();

// What the settings window applies to a subtitle window, in this order.
struct TSubtitleStyle {
  String Text;
  String FontName;
  String ColorName;  // the text colour's name ("clRed", "$00FF8000")
  TColor Background = clWhite;
  int FontSize = 0;
  int Interval = 0;  // ms; below 1 static
  bool KeepBackground = false;
};

// The two subtitle windows share their frame: owned by the desktop window,
// popup, no caption or border, not on the task bar; the hit test of the
// subtitle rules; the drag while the left button is down; the refit on
// mouse-up.
class TSubtitleWindow : public TForm {
  VAMIRE_CLASS(TSubtitleWindow, TForm)
 public:
  using TForm::TForm;
  void Dispatch(TMessage& Message) override;

  // The mouse handlers the window and its pane or label share.
  void SubtitleMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void SubtitleMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

 protected:
  void CreateParams(TCreateParams& Params) override;
  // After the hit test: fit the inner pane or label to the window's size.
  virtual void Refit() {}
};

class TfrmLEDDisplay : public TSubtitleWindow {
  VAMIRE_CLASS(TfrmLEDDisplay, TSubtitleWindow)
 public:
  using TSubtitleWindow::TSubtitleWindow;
  void AfterConstruction() override;

  // Caption, font, colour (raises EConvertError for a name the runtime can't
  // convert, after the caption and font are set), scroll type and delay,
  // and unless kept the fill colour.
  void ApplySubtitleStyle(const TSubtitleStyle& Style);

  TRzMarqueeStatus* rzmrqstsText = nullptr;
  TRzMarqueeStatus* rzmrqstsText1 = nullptr;  // template of the static scroll type
  TRzMarqueeStatus* rzmrqstsText2 = nullptr;  // template of right to left

  void FormShow(TObject* Sender);

 protected:
  void Refit() override;
};
