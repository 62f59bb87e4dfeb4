// Status panes: windowless framed rectangles showing one line of text that
// can blink its colour on the process-wide blink clock, and the marquee pane
// whose caption scrolls through it on a timer, composed off screen so each
// step replaces the pane's content in one copy.
#pragma once

#include <windows.h>

#include "ExtCtrls.h"
#include "RzCommon_win.h"
#include "StdCtrls.h"

class TRzCustomStatusPane : public TGraphicControl, public IFrameControllerClient {
  VAMIRE_CLASS(TRzCustomStatusPane, TGraphicControl)
 public:
  explicit TRzCustomStatusPane(TComponent* AOwner);
  ~TRzCustomStatusPane() override;
  bool GetInterface(const TGUID& iid, void** obj) override;
  void Loaded() override;
  void SetAutoSize(bool Value) override;

  int BorderWidth() const { return FBorderWidth; }
  virtual void SetBorderWidth(int Value);
  TColor FillColor() const { return FFillColor; }
  virtual void SetFillColor(TColor Value);
  bool ParentFillColor() const { return FParentFillColor; }
  virtual void SetParentFillColor(bool Value);
  TColor FlatColor() const { return FFlatColor; }
  virtual void SetFlatColor(TColor Value);
  int FlatColorAdjustment() const { return FFlatColorAdjustment; }
  virtual void SetFlatColorAdjustment(int Value);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  virtual void SetFrameStyle(TFrameStyle Value);
  TRzFrameController* FrameController() const { return FFrameController; }
  virtual void SetFrameController(TRzFrameController* Value);
  TRzFrameControllerNotifications FrameControllerNotifications() const { return FFrameControllerNotifications; }
  void SetFrameControllerNotifications(TRzFrameControllerNotifications Value) {
    FFrameControllerNotifications = Value;
  }
  bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value);

  TAlignment Alignment() const { return FAlignment; }
  virtual void SetAlignment(TAlignment Value);
  bool AutoHint() const { return FAutoHint; }
  void SetAutoHint(bool Value) { FAutoHint = Value; }
  int DefaultWidth() const { return FDefaultWidth; }
  virtual void SetDefaultWidth(int Value);
  int CaptionOffset() const { return FCaptionOffset; }
  virtual void SetCaptionOffset(int Value);
  bool Blinking() const { return FBlinking; }
  virtual void SetBlinking(bool Value);
  TColor BlinkColor() const { return FBlinkColor; }
  virtual void SetBlinkColor(TColor Value);
  // The process-wide blink clock's intervals: shared by every pane, applied
  // from its next toggle.
  virtual std::uint16_t BlinkIntervalOff() const;
  virtual void SetBlinkIntervalOff(std::uint16_t Value);
  virtual std::uint16_t BlinkIntervalOn() const;
  virtual void SetBlinkIntervalOn(std::uint16_t Value);

  // The text colour drawn now: the font's, or the blink colour while shown.
  TColor CurrentTextColor() const { return FCurrentTextColor; }
  // State 0 shows the font's colour, any other the blink colour; repaints at once.
  virtual void Blink(int State);
  void FrameControllerChanged() override;
  // The client rectangle inside BorderWidth and the frame.
  virtual TRect GetTextRect();
  // What AutoSize makes the width: DefaultWidth without a caption.
  virtual int GetAutoWidth();
  // No host status bar has a size grip here.
  virtual bool IsInSizeGrip(const TRect&) { return false; }

  bool IsFillColorStored() const { return !FParentFillColor; }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TStartDragEvent OnStartDock;
  TEndDragEvent OnEndDock;

 protected:
  void Paint() override;
  virtual void DrawCaption(const String& Text);
  virtual void DrawFrame();
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Sets Width from GetAutoWidth when AutoSize, unless the pane is being read.
  void AdjustWidth();
  // The plain pane's caption drawing, also the marquee's when it stands still.
  void DrawStaticCaption(const String& Text);

 private:
  template <class T>
  bool Store(T& Field, const T& Value);

  int FBorderWidth = 1;
  TColor FFillColor = clBtnFace;
  bool FParentFillColor = true;
  TColor FFlatColor = clBtnShadow;
  int FFlatColorAdjustment = 30;
  TFrameStyle FFrameStyle = fsFlat;
  TRzFrameController* FFrameController = nullptr;
  TRzFrameControllerNotifications FFrameControllerNotifications = AllFrameControllerNotifications();
  bool FTransparent = true;
  TAlignment FAlignment = taLeftJustify;
  bool FAutoHint = false;
  int FDefaultWidth = 40;
  int FCaptionOffset = 2;
  bool FBlinking = false;
  TColor FBlinkColor = clHighlight;
  TColor FNormalTextColor = clBlack;
  TColor FCurrentTextColor = clBlack;
};

class TRzStatusPane : public TRzCustomStatusPane {
  VAMIRE_CLASS(TRzStatusPane, TRzCustomStatusPane)
 public:
  using TRzCustomStatusPane::TRzCustomStatusPane;
};

using TRzScrollDisplayEvent = TMethod<void(TObject* Sender, int CurrentStep, int TotalSteps)>;

class TRzMarqueeStatus : public TRzStatusPane {
  VAMIRE_CLASS(TRzMarqueeStatus, TRzStatusPane)
 public:
  explicit TRzMarqueeStatus(TComponent* AOwner);
  ~TRzMarqueeStatus() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TRzScrollType ScrollType() const { return FScrollType; }
  // The timer runs exactly when the type is not stNone, whatever Scrolling is.
  void SetScrollType(TRzScrollType Value);
  bool Scrolling() const { return FScrolling; }
  // Stopping also brings the caption back to its entry edge.
  virtual void SetScrolling(bool Value);
  std::uint16_t ScrollSize() const { return FScrollSize; }
  // Pixels per tick; 0 is taken as 1.
  virtual void SetScrollSize(std::uint16_t Value);
  std::uint16_t ScrollDelay() const { return FScrollDelay; }
  void SetScrollDelay(std::uint16_t Value);

  // Pixels the caption has travelled since it entered.
  int ScrollOffset() const { return FOffset; }
  // Offset at which the caption has fully left: its width plus the pane's.
  int WrapLimit() const { return FWrapLimit; }
  // The scroll timer; its OnTimer is the tick (a test fires it, D-61).
  TTimer* ScrollTimer() const { return FTimer; }

  TRzScrollDisplayEvent OnScrollDisplay;
  TNotifyEvent OnScrollComplete;

 protected:
  void DrawCaption(const String& Text) override;
  void Dispatch(TMessage& Message) override;

 private:
  void TimerTick(TObject* Sender);
  void UpdateWrapLimit();

  TRzScrollType FScrollType = stRightToLeft;
  bool FScrolling = true;
  std::uint16_t FScrollSize = 1;
  std::uint16_t FScrollDelay = 100;
  int FOffset = 0;
  int FWrapLimit = 0;
  TBitmap* FBitmap;
  TTimer* FTimer;
};

// Registers the panes for form files.
extern const TUnitEntry RzStatusUnit;
