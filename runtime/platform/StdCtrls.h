// The standard controls: push buttons, check boxes and radio buttons over the
// system BUTTON class, edits and memos over EDIT, the scroll bar over
// SCROLLBAR, and the label and group box, which the runtime paints itself.
// Every windowed one is made under its runtime class name (D-7) and keeps its
// values while it has no window; a new window gets them all back.
#pragma once

#include <windows.h>

#include <cstdint>

#include "Classes.h"
#include "Controls.h"
#include "Forms.h"
#include "Graphics.h"
#include "Streaming.h"

// --- Enumerations ---------------------------------------------------------------------
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
VAMIRE_ENUM_NAMES(TAlignment, L"taLeftJustify", L"taRightJustify", L"taCenter")
// Check boxes and radio buttons: the side the caption is on (taLeftJustify
// puts it left of the box, taRightJustify right of it).
using TLeftRight = TAlignment;
enum TTextLayout { tlTop, tlCenter, tlBottom };
VAMIRE_ENUM_NAMES(TTextLayout, L"tlTop", L"tlCenter", L"tlBottom")
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
VAMIRE_ENUM_NAMES(TScrollStyle, L"ssNone", L"ssHorizontal", L"ssVertical", L"ssBoth")
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
VAMIRE_ENUM_NAMES(TEditCharCase, L"ecNormal", L"ecUpperCase", L"ecLowerCase")
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
VAMIRE_ENUM_NAMES(TCheckBoxState, L"cbUnchecked", L"cbChecked", L"cbGrayed")
enum TScrollBarKind { sbHorizontal, sbVertical };
VAMIRE_ENUM_NAMES(TScrollBarKind, L"sbHorizontal", L"sbVertical")
// The scroll bar's request, in the order of the system's SB_ codes.
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
VAMIRE_ENUM_NAMES(TScrollCode, L"scLineUp", L"scLineDown", L"scPageUp", L"scPageDown", L"scPosition", L"scTrack",
                  L"scTop", L"scBottom", L"scEndScroll")
using TScrollBarInc = int16_t;

using TScrollEvent = TMethod<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

// --- Group box ------------------------------------------------------------------------
// A frame with the caption in its top edge; holds other controls.
class TCustomGroupBox : public TCustomControl {
  VAMIRE_CLASS(TCustomGroupBox, TCustomControl)
 public:
  explicit TCustomGroupBox(TComponent* AOwner);

 protected:
  void CreateParams(TCreateParams& Params) override;
  // The frame leaves the caption's height at the top and a few pixels elsewhere.
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  // The caption's accelerator moves the focus to the first control inside.
  void CMDialogChar(TMessage& Message);
};

class TGroupBox : public TCustomGroupBox {
  VAMIRE_CLASS(TGroupBox, TCustomGroupBox)
 public:
  using TCustomGroupBox::TCustomGroupBox;
};

// --- Label ----------------------------------------------------------------------------
// Text painted on the parent with DrawText. Its accelerator focuses
// FocusControl.
class TCustomLabel : public TGraphicControl {
  VAMIRE_CLASS(TCustomLabel, TGraphicControl)
 public:
  explicit TCustomLabel(TComponent* AOwner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  bool Transparent() const { return !FControlStyle.Contains(csOpaque); }
  void SetTransparent(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  // A non-owning reference, cleared when that control goes away.
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  void SetAutoSize(bool Value) override;

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  // The text drawn: Caption (descendants may draw something else).
  virtual String GetLabelText();
  // Draws or (with DT_CALCRECT in Flags) measures the text in Rect.
  virtual void DoDrawText(TRect& Rect, UINT Flags);
  // Resizes the label to its text when AutoSize is on, keeping the edge its
  // alignment is anchored to.
  virtual void AdjustBounds();
  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

 private:
  UINT TextFlags() const;

  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
  TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
  VAMIRE_CLASS(TLabel, TCustomLabel)
 public:
  using TCustomLabel::TCustomLabel;
};

// --- Edit -----------------------------------------------------------------------------
// A single-line EDIT window (a memo makes it multi-line).
class TCustomEdit : public TWinControl {
  VAMIRE_CLASS(TCustomEdit, TWinControl)
 public:
  explicit TCustomEdit(TComponent* AOwner);

  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  // Characters the user may type; 0 means no limit of our own.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  bool OEMConvert() const { return FOEMConvert; }
  void SetOEMConvert(bool Value);
  wchar_t PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(wchar_t Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  // Whether the text changed since the flag was last cleared (EM_GETMODIFY).
  bool Modified();
  void SetModified(bool Value);
  void SetAutoSize(bool Value) override;

  // The selection, in characters; without a window, the one the next window gets.
  int SelStart();
  void SetSelStart(int Value);
  int SelLength();
  void SetSelLength(int Value);
  String SelText();
  // Replaces the selection (EM_REPLACESEL, undoable).
  void SetSelText(const String& Value);
  void SelectAll();
  virtual void Clear();
  // These work on the window and make it when there is none (a parent is needed).
  void ClearSelection();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Undo();
  bool CanUndo();
  void ClearUndo();

  TNotifyEvent OnChange;

 protected:
  // Runs OnChange; EN_CHANGE of the window leads here, except while the
  // window is being made.
  virtual void Change();
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& Message) override;
  // AutoSelect: entering by keyboard selects the whole text.
  void DoEnter() override;
  // Fits the height to the font when AutoSize is on.
  virtual void AdjustHeight();

  void CNCommand(TMessage& Message);
  void CMFontChanged(TMessage& Message);

  bool FCreating = false;

 private:
  void ApplyCharCase();

  bool FAutoSelect = true;
  TBorderStyle FBorderStyle = bsSingle;
  TEditCharCase FCharCase = ecNormal;
  bool FHideSelection = true;
  int FMaxLength = 0;
  bool FOEMConvert = false;
  wchar_t FPasswordChar = 0;
  bool FReadOnly = false;
  bool FModified = false;
  int FSelStart = 0, FSelLength = 0;  // kept while the window is re-made
};

class TEdit : public TCustomEdit {
  VAMIRE_CLASS(TEdit, TCustomEdit)
 public:
  using TCustomEdit::TCustomEdit;
};

// --- Memo -----------------------------------------------------------------------------
class TMemoStrings;

// A multi-line edit whose lines are a TStrings bound to it (Lines), valid
// before, with and after its window.
class TCustomMemo : public TCustomEdit {
  VAMIRE_CLASS(TCustomMemo, TCustomEdit)
 public:
  explicit TCustomMemo(TComponent* AOwner);
  ~TCustomMemo() override;

  TStrings* Lines() const;
  void SetLines(TStrings* Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // The caret as column (X) and line (Y).
  TPoint CaretPos();
  void SetCaretPos(const TPoint& Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  // Drops Enter and Tab the memo does not want.
  void KeyPress(wchar_t& Key) override;

 private:
  friend class TMemoStrings;
  TMemoStrings* FLines;
  TAlignment FAlignment = taLeftJustify;
  TScrollStyle FScrollBars = ssNone;
  bool FWantReturns = true;
  bool FWantTabs = false;
  bool FWordWrap = true;
};

class TMemo : public TCustomMemo {
  VAMIRE_CLASS(TMemo, TCustomMemo)
 public:
  using TCustomMemo::TCustomMemo;
};

// --- Buttons --------------------------------------------------------------------------
// The common part of the controls over BUTTON.
class TButtonControl : public TWinControl {
  VAMIRE_CLASS(TButtonControl, TWinControl)
 public:
  explicit TButtonControl(TComponent* AOwner);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

 protected:
  virtual bool GetChecked() { return false; }
  virtual void SetChecked(bool /*Value*/) {}
  // While true, a change of Checked from code runs no click handler (a
  // descendant that sets Checked on its own behalf raises it).
  bool ClicksDisabled() const { return FClicksDisabled; }
  void SetClicksDisabled(bool Value) { FClicksDisabled = Value; }
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  // Check boxes and radio buttons paint their caption on the control's colour.
  void CNCtlColor(TMessage& Message);

 private:
  bool FClicksDisabled = false;
  bool FWordWrap = false;
};

// A push button. Default makes it take Enter anywhere on its form (and look
// so while no other button has the focus); Cancel makes it take Esc.
// ModalResult, when not mrNone, is handed to the parent form on a click.
// A descendant that draws itself adds BS_OWNERDRAW in CreateParams; DrawItem
// then paints it (the base draws a plain push button).
class TButton : public TButtonControl {
  VAMIRE_CLASS(TButton, TButtonControl)
 public:
  explicit TButton(TComponent* AOwner);

  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  // Runs OnClick after handing ModalResult to the form.
  void Click() override;

 protected:
  // The default-button look: BS_DEFPUSHBUTTON or BS_PUSHBUTTON. An owner-drawn
  // window keeps its style; only Active records the state.
  virtual void SetButtonStyle(bool ADefault);
  // Whether the button looks like the default one now.
  bool Active() const { return FActive; }
  bool IsOwnerDrawn();
  virtual void DrawItem(const DRAWITEMSTRUCT& DrawItemStruct);
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void CNCommand(TMessage& Message);
  void CNDrawItem(TMessage& Message);
  void CMDialogKey(TMessage& Message);
  void CMDialogChar(TMessage& Message);
  void CMFocusChanged(TMessage& Message);

 private:
  bool FCancel = false;
  bool FDefault = false;
  bool FActive = false;
  TModalResult FModalResult = mrNone;
};

// A check box with two or (AllowGrayed) three states. Setting Checked or
// State from code runs the click handler, as a click does.
class TCustomCheckBox : public TButtonControl {
  VAMIRE_CLASS(TCustomCheckBox, TButtonControl)
 public:
  explicit TCustomCheckBox(TComponent* AOwner);

  TLeftRight Alignment() const { return FAlignment; }
  void SetAlignment(TLeftRight Value);
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool Checked() { return GetChecked(); }
  void SetChecked(bool Value) override;

 protected:
  bool GetChecked() override { return FState == cbChecked; }
  // A click's next state: unchecked, checked, grayed (when allowed), round.
  virtual void Toggle();
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void CNCommand(TMessage& Message);
  void CMDialogChar(TMessage& Message);

 private:
  TLeftRight FAlignment = taRightJustify;
  bool FAllowGrayed = false;
  TCheckBoxState FState = cbUnchecked;
};

class TCheckBox : public TCustomCheckBox {
  VAMIRE_CLASS(TCheckBox, TCustomCheckBox)
 public:
  using TCustomCheckBox::TCustomCheckBox;
};

// A radio button. Checking it unchecks the other radio buttons of the same
// parent; only a change to checked runs the click handler.
class TRadioButton : public TButtonControl {
  VAMIRE_CLASS(TRadioButton, TButtonControl)
 public:
  explicit TRadioButton(TComponent* AOwner);

  TLeftRight Alignment() const { return FAlignment; }
  void SetAlignment(TLeftRight Value);
  bool Checked() { return GetChecked(); }
  void SetChecked(bool Value) override;

 protected:
  bool GetChecked() override { return FChecked; }
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void CNCommand(TMessage& Message);
  void CMDialogChar(TMessage& Message);

 private:
  TLeftRight FAlignment = taRightJustify;
  bool FChecked = false;
};

// --- Scroll bar -----------------------------------------------------------------------
class TScrollBar : public TWinControl {
  VAMIRE_CLASS(TScrollBar, TWinControl)
 public:
  explicit TScrollBar(TComponent* AOwner);

  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind Value);
  int Min() const { return FMin; }
  void SetMin(int Value) { SetParams(FPosition, Value, FMax); }
  int Max() const { return FMax; }
  void SetMax(int Value) { SetParams(FPosition, FMin, Value); }
  int Position() const { return FPosition; }
  void SetPosition(int Value) { SetParams(Value, FMin, FMax); }
  // The thumb's share of the range; at most Max - Min + 1.
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value);
  TScrollBarInc SmallChange() const { return FSmallChange; }
  void SetSmallChange(TScrollBarInc Value) { FSmallChange = Value; }
  TScrollBarInc LargeChange() const { return FLargeChange; }
  void SetLargeChange(TScrollBarInc Value) { FLargeChange = Value; }
  // Sets the range and position at once; raises EInvalidOperation when
  // AMax < AMin. The position is kept inside the range. OnChange runs when
  // the position changed.
  void SetParams(int APosition, int AMin, int AMax);

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

 protected:
  virtual void Change();
  virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void CNScroll(TMessage& Message);

 private:
  void UpdateScrollInfo();

  TScrollBarKind FKind = sbHorizontal;
  int FMin = 0, FMax = 100, FPosition = 0, FPageSize = 0;
  TScrollBarInc FSmallChange = 1, FLargeChange = 1;
};

namespace vamire_stdctrls {
// The height of a line of Font, measured on the screen (no window needed).
int FontLineHeight(TFont* Font);
// DrawText in Color, or embossed in the system's shadow colours when not
// Enabled (DT_CALCRECT only measures). Rect gets what DrawText answers.
void DrawStateText(HDC DC, const String& Text, RECT& Rect, UINT Flags, bool Enabled, TColor Color);
}  // namespace vamire_stdctrls

// Registers the classes for the form reader (D-4).
extern const TUnitEntry StdCtrlsUnit;

// The list controls (combo and list boxes) live in their own unit.
#if __has_include("StdLists.h")
#include "StdLists.h"
#endif
