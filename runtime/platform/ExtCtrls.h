// The timer component: a window timer on a hidden window of its own, so its
// event runs on the thread that created it, from that thread's message loop.
// Also the panel, the image, the radio group and the edit with a label.
#pragma once

#include <windows.h>

#include <vector>

#include "Classes.h"
#include "Controls.h"
#include "HiddenWindow.h"
#include "StdCtrls.h"
#include "Units.h"

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

// --- Panel ----------------------------------------------------------------------------
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
VAMIRE_ENUM_NAMES(TBevelCut, L"bvNone", L"bvLowered", L"bvRaised", L"bvSpace")
using TPanelBevel = TBevelCut;
using TBevelWidth = int;

// Draws a frame Width pixels wide just inside Rect, TopColor on the top and
// left edges and BottomColor on the others, and shrinks Rect to what is left.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

// A container with an outer bevel, a band of BorderWidth, an inner bevel and
// its caption on one line. Children are placed inside all three.
class TCustomPanel : public TCustomControl {
  VAMIRE_CLASS(TCustomPanel, TCustomControl)
 public:
  explicit TCustomPanel(TComponent* AOwner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TPanelBevel BevelInner() const { return FBevelInner; }
  void SetBevelInner(TPanelBevel Value);
  TPanelBevel BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TPanelBevel Value);
  TBevelWidth BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(TBevelWidth Value);
  // bsSingle gives the window a border (sunken when Ctl3D).
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  bool FullRepaint() const { return FFullRepaint; }
  void SetFullRepaint(bool Value) { FFullRepaint = Value; }
  bool Locked() const { return FLocked; }
  void SetLocked(bool Value) { FLocked = Value; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;

 private:
  TAlignment FAlignment = taCenter;
  TPanelBevel FBevelInner = bvNone;
  TPanelBevel FBevelOuter = bvRaised;
  TBevelWidth FBevelWidth = 1;
  TBorderStyle FBorderStyle = bsNone;
  bool FFullRepaint = true;
  bool FLocked = false;
};

class TPanel : public TCustomPanel {
  VAMIRE_CLASS(TPanel, TCustomPanel)
 public:
  using TCustomPanel::TCustomPanel;
};

// --- Image ----------------------------------------------------------------------------
// Shows a picture. Stretch fills the control; Proportional keeps the aspect
// (and shrinks a picture too big to fit); Center centres what is drawn.
class TImage : public TGraphicControl {
  VAMIRE_CLASS(TImage, TGraphicControl)
 public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;

  TPicture* Picture() const { return FPicture; }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
  bool Center() const { return FCenter; }
  void SetCenter(bool Value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  bool Proportional() const { return FProportional; }
  void SetProportional(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // The canvas of the picture's bitmap; an empty picture gets a bitmap of the
  // control's size first. A picture of another kind raises EInvalidOperation.
  TCanvas* Canvas();
  // Where the picture is drawn, in client coordinates.
  TRect DestRect();

 protected:
  bool CanAutoSize(int& NewWidth, int& NewHeight) override;
  void Paint() override;

 private:
  void PictureChanged(TObject* Sender);

  TPicture* FPicture;
  bool FCenter = false;
  bool FStretch = false;
  bool FProportional = false;
  bool FTransparent = false;
  bool FDrawing = false;
};

// --- Radio group ----------------------------------------------------------------------
// A group box with one radio button per line of Items, in Columns columns.
// ItemIndex is the checked one (-1: none); a change by click or by code runs
// OnClick. The buttons belong to the group and are not streamed.
class TCustomRadioGroup : public TCustomGroupBox {
  VAMIRE_CLASS(TCustomRadioGroup, TCustomGroupBox)
 public:
  explicit TCustomRadioGroup(TComponent* AOwner);
  ~TCustomRadioGroup() override;

  TStrings* Items() const { return FItems; }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  // 1..16.
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  int ButtonCount() const { return int(FButtons.size()); }
  TRadioButton* Buttons(int Index) const { return FButtons.at(size_t(Index)); }

  void Loaded() override;

 protected:
  void Dispatch(TMessage& Message) override;

 private:
  void ItemsChange(TObject* Sender);
  void ButtonClick(TObject* Sender);
  void UpdateButtons();
  void ArrangeButtons();

  TStringList* FItems;
  std::vector<TRadioButton*> FButtons;
  int FItemIndex = -1;
  int FColumns = 1;
  bool FUpdating = false;
};

class TRadioGroup : public TCustomRadioGroup {
  VAMIRE_CLASS(TRadioGroup, TCustomRadioGroup)
 public:
  using TCustomRadioGroup::TCustomRadioGroup;
};

// --- Edit with a label ----------------------------------------------------------------
enum TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };
VAMIRE_ENUM_NAMES(TLabelPosition, L"lpAbove", L"lpBelow", L"lpLeft", L"lpRight")

// The label of a TLabeledEdit: a sub-component whose properties are streamed
// with the edit ("EditLabel.Caption").
class TBoundLabel : public TCustomLabel {
  VAMIRE_CLASS(TBoundLabel, TCustomLabel)
 public:
  explicit TBoundLabel(TComponent* AOwner);

 protected:
  // A new caption resizes the label; its edit places it again, so a label
  // left of the edit grows leftwards instead of running into it.
  void AdjustBounds() override;
};

// An edit that keeps a label beside it: the label follows the edit's bounds,
// parent, visibility and enabled state, and its accelerator focuses the edit.
class TCustomLabeledEdit : public TCustomEdit {
  VAMIRE_CLASS(TCustomLabeledEdit, TCustomEdit)
 public:
  explicit TCustomLabeledEdit(TComponent* AOwner);

  TBoundLabel* EditLabel() const { return FEditLabel; }
  TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition Value);
  // Pixels between label and edit.
  int LabelSpacing() const { return FLabelSpacing; }
  void SetLabelSpacing(int Value);
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(TWinControl* AParent) override;

 protected:
  friend class TBoundLabel;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

 private:
  void PlaceLabel();

  TBoundLabel* FEditLabel = nullptr;
  TLabelPosition FLabelPosition = lpAbove;
  int FLabelSpacing = 3;
};

class TLabeledEdit : public TCustomLabeledEdit {
  VAMIRE_CLASS(TLabeledEdit, TCustomLabeledEdit)
 public:
  using TCustomLabeledEdit::TCustomLabeledEdit;
};

// Registers the unit's classes for the form reader.
extern const TUnitEntry ExtCtrlsUnit;
