// The memo: a text editor whose inner window is a real multi-line EDIT. The
// EDIT types, wraps, scrolls, selects and talks to the input method; the
// editor keeps the value, validation, change events and painting of the text
// editor, adds the line settings (ScrollBars, VisibleLineCount, WantReturns,
// WantTabs, WordWrap) and the Lines list, and lays its own scroll bars over
// the EDIT's native ones, mirrored through the container.
#pragma once

#include "StdCtrls.h"
#include "cxMemo.h"
#include "cxTextEdit_control_win.h"

class TcxCustomInnerMemo;
class TcxCustomMemo;

// What the memo asks of its inner window besides the text editor's channel.
class IcxInnerMemo : public virtual IcxInnerTextEdit {
  VAMIRE_INTERFACE(IcxInnerMemo, IcxInnerTextEdit, "{B2E7D1A4-3C58-4F0E-9A61-7D20C4E8F913}")
 public:
  virtual TPoint ReadCaretPos() = 0;
  virtual TStrings* ReadLines() = 0;
  virtual TScrollStyle ReadScrollBars() = 0;
  virtual bool ReadWantReturns() = 0;
  virtual bool ReadWantTabs() = 0;
  virtual bool ReadWordWrap() = 0;
  virtual void WriteCaretPos(const TPoint& Value) = 0;
  virtual void WriteScrollBars(TScrollStyle Value) = 0;
  virtual void WriteWantReturns(bool Value) = 0;
  virtual void WriteWantTabs(bool Value) = 0;
  virtual void WriteWordWrap(bool Value) = 0;
};

// --- Properties -----------------------------------------------------------------------------
class TcxCustomMemoProperties : public TcxCustomTextEditProperties {
  VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(TcxCustomMemoProperties, TcxCustomTextEditProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TcxCustomMemoProperties(TPersistent* AOwner) : TcxCustomMemoProperties(AOwner, StaticClass()) {}
  void Assign(TPersistent* Source) override;

  static TClass GetContainerClass();
  static TClass GetViewDataClass();
  static TClass GetViewInfoClass();

  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value) { SetField(FScrollBars, Value); }
  int VisibleLineCount() const { return FVisibleLineCount; }
  // A negative count is stored as 0.
  void SetVisibleLineCount(int Value) { SetField(FVisibleLineCount, Value < 0 ? 0 : Value); }
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { SetField(FWantReturns, Value); }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { SetField(FWantTabs, Value); }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { SetField(FWordWrap, Value); }

  bool WantsTabKey() { return FWantTabs; }
  bool IsMultiLine() override { return true; }
  // The text capabilities plus word wrap (2048).
  unsigned GetEditCapabilities() override;
  bool IsValueFormattingSupported() override;
  using TcxCustomTextEditProperties::GetDisplayText;
  // AFullText false: the first line, at most 250 characters (MemoDisplayText).
  String GetDisplayText(const Variant& AValue, bool AFullText, bool ADisplayForm) override;
  TcxCustomEditViewData* CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted, bool AFlag = false) override;

 protected:
  TcxCustomMemoProperties(TPersistent* AOwner, TClass AKind);

 private:
  template <class T>
  void SetField(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  TScrollStyle FScrollBars = ssNone;
  int FVisibleLineCount = 0;
  bool FWantReturns = true;
  bool FWantTabs = false;
  bool FWordWrap = true;
};

class TcxMemoProperties : public TcxCustomMemoProperties {
  VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(TcxMemoProperties, TcxCustomMemoProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TcxMemoProperties(TPersistent* AOwner) : TcxCustomMemoProperties(AOwner, StaticClass()) {}
  // The horizontal part of the inherited alignment object, as the memo streams it.
  TAlignment HorzAlignment() const;
  void SetHorzAlignment(TAlignment Value);
};

// --- View data and view info ------------------------------------------------------------------
class TcxCustomMemoViewInfo : public TcxCustomTextEditViewInfo {
  VAMIRE_CLASS(TcxCustomMemoViewInfo, TcxCustomTextEditViewInfo)
 public:
  TcxCustomMemoViewInfo() = default;
};

class TcxCustomMemoViewData : public TcxCustomTextEditViewData {
  VAMIRE_CLASS(TcxCustomMemoViewData, TcxCustomTextEditViewData)
 public:
  TcxCustomMemoViewData(TcxCustomEditProperties* AProperties, TcxContainerStyle* AStyle, bool AIsHosted)
      : TcxCustomTextEditViewData(AProperties, AStyle, AIsHosted) {}
  TcxCustomMemoProperties* MemoProperties() const { return static_cast<TcxCustomMemoProperties*>(Properties); }

  // Top-aligned, multi-line; word break while the memo wraps without a horizontal bar.
  unsigned GetDrawTextFlags() override;
  // Standalone (1, 1, 1, 3), hosted (1, 1, 1, 1).
  TRect GetTextOffsets() override;
  int GetVisibleLineCount() override;
  // The text's size; with VisibleLineCount n at least n rows of "Zg" plus the
  // vertical offsets, and a horizontal scroll bar's height when it has one.
  TSize CalcEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue, const TcxEditSizeProperties& ASize) override;
};

// --- Inner memo -----------------------------------------------------------------------------
class TcxCustomInnerMemoHelper : public TcxInterfacedPersistent,
                                 public IcxContainerInnerControl,
                                 public IcxInnerMemo {
  VAMIRE_CLASS(TcxCustomInnerMemoHelper, TcxInterfacedPersistent)
 public:
  explicit TcxCustomInnerMemoHelper(TcxCustomInnerMemo* AMemo);
  bool GetInterface(const TGUID& iid, void** obj) override;
  int32_t QueryInterface(const TGUID& iid, void** obj) override { return TcxInterfacedPersistent::QueryInterface(iid, obj); }
  int32_t _AddRef() override { return -1; }
  int32_t _Release() override { return -1; }

  // IcxContainerInnerControl
  TWinControl* GetControl() override;
  TcxContainer* GetControlContainer() override;
  // IcxCustomInnerEdit
  TWinControl* InnerWindowControl() override;
  TcxCustomEdit* OwnerEditor() override;
  LRESULT PassToOriginalWndProc(UINT AMsg, WPARAM AWParam, LPARAM ALParam) override;
  bool AllowsClipboardMessages() override { return false; }
  Variant ReadValue() override;
  TNotifyEvent ReadChangeEvent() override;
  bool ReadReadOnly() override;
  void LockBoundsChange(bool ALock) override;
  void FocusWithoutAutoSelect() override;
  void WriteValue(const Variant& Value) override;
  void AttachToParent(TWinControl* AParent) override;
  void WriteChangeEvent(TNotifyEvent Value) override;
  void WriteReadOnly(bool Value) override;
  // IcxInnerTextEdit
  void EraseSelectedText() override;
  void CopySelectedText() override;
  TAlignment ReadAlignment() override;
  bool ReadAutoSelect() override;
  TEditCharCase ReadCharCase() override;
  TcxEditEchoMode ReadEchoMode() override { return eemNormal; }
  int FirstVisibleCharIndex() override;
  bool ReadHideSelection() override;
  uint8_t ReadImeTrailByte() override { return 0; }
  TImeMode ReadImeMode() override;
  String ReadImeName() override;
  bool ReadKeyEatenByEditor() override;
  int ReadMaxLength() override;
  bool IsMultiLineControl() override { return true; }
  bool ReadOEMConvert() override;
  TNotifyEvent ReadAfterSetSelEvent() override;
  wchar_t ReadPasswordChar() override { return 0; }
  int ReadSelLength() override;
  int ReadSelStart() override;
  String ReadSelText() override;
  bool ReadUseLeftAlignmentOnEditing() override { return false; }
  void SelectAllText() override;
  void WriteAlignment(TAlignment Value) override;
  void WriteAutoSelect(bool Value) override;
  void WriteCharCase(TEditCharCase Value) override;
  void WriteEchoMode(TcxEditEchoMode) override {}
  void WriteHideSelection(bool Value) override;
  void WriteKeyEatenByEditor(bool Value) override;
  void WriteImeMode(TImeMode Value) override;
  void WriteImeName(const String& Value) override;
  void WriteMaxLength(int Value) override;
  void WriteOEMConvert(bool Value) override;
  void WriteAfterSetSelEvent(TNotifyEvent Value) override;
  void WritePasswordChar(wchar_t) override {}
  void WriteSelLength(int Value) override;
  void WriteSelStart(int Value) override;
  void WriteSelText(const String& Value) override;
  void WriteUseLeftAlignmentOnEditing(bool) override {}
  // IcxInnerMemo
  TPoint ReadCaretPos() override;
  TStrings* ReadLines() override;
  TScrollStyle ReadScrollBars() override;
  bool ReadWantReturns() override;
  bool ReadWantTabs() override;
  bool ReadWordWrap() override;
  void WriteCaretPos(const TPoint& Value) override;
  void WriteScrollBars(TScrollStyle Value) override;
  void WriteWantReturns(bool Value) override;
  void WriteWantTabs(bool Value) override;
  void WriteWordWrap(bool Value) override;

  TcxCustomInnerMemo* InnerControl;
};

// The memo's EDIT. It offers every message to the editor first, forwards keys,
// mouse, focus and drag, lets a change through only when the editor allows it,
// and hides its native scroll bars behind the editor's mirrored ones.
class TcxCustomInnerMemo : public TCustomMemo, public IcxWindowEdgeQuery {
  VAMIRE_CLASS(TcxCustomInnerMemo, TCustomMemo)
  friend class TcxCustomInnerMemoHelper;

 public:
  explicit TcxCustomInnerMemo(TComponent* AOwner);
  ~TcxCustomInnerMemo() override;
  bool GetInterface(const TGUID& iid, void** obj) override;
  int32_t QueryInterface(const TGUID& iid, void** obj) override { return TCustomMemo::QueryInterface(iid, obj); }
  int32_t _AddRef() override { return -1; }
  int32_t _Release() override { return -1; }
  // Painted into another canvas, the memo draws no window edge.
  bool HasWindowEdge() override { return false; }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  bool CanFocus() override;
  void DragDrop(TObject* Source, int X, int Y) override;

  TcxCustomEdit* Editor() const;
  TcxCustomInnerMemoHelper* Implementor() const { return FImplementor; }
  bool AutoSelectOnEnter() const { return FAutoSelect; }
  bool KeyEatenByEditor() const { return FKeyEatenByEditor; }
  // The corner between the two native bars, in window coordinates; empty
  // when either bar cannot be read or is not shown.
  TRect GetScrollBarsCornerRect();

  TNotifyEvent OnAfterSetSel;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWindowHandle(const TCreateParams& Params) override;
  void CreateHandle() override;
  void DefaultHandler(TMessage& Message) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void Click() override;
  void DblClick() override;
  void DoEnter() override;
  void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  TcxCustomMemo* MemoEditor() const;
  TPoint ToEditor(int X, int Y) const { return TPoint{X + Left(), Y + Top()}; }
  void WMKeyDownMessage(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);
  void CNKeyDown(TMessage& Message);
  void WMClear(TMessage& Message);
  void EMReplaceSel(TMessage& Message);
  void WMSetText(TMessage& Message);
  void WMNCPaint(TMessage& Message);
  void WMSetFocusMessage(TMessage& Message);
  void WMKillFocusMessage(TMessage& Message);

  TcxCustomInnerMemoHelper* FImplementor = nullptr;
  bool FAutoSelect = false;
  bool FKeyEatenByEditor = false;
  int FBoundsLockCount = 0;
  int FInternalTextSettingCount = 0;
  bool FEscapePressed = false;
  bool FConstructing = true;
  TImeMode FImeMode = imDontCare;
  String FImeName;
};

// --- The memo ---------------------------------------------------------------------------------
class TcxCustomMemo : public TcxCustomTextEdit {
  VAMIRE_CLASS(TcxCustomMemo, TcxCustomTextEdit)
  friend class TcxCustomInnerMemo;

 public:
  explicit TcxCustomMemo(TComponent* AOwner) : TcxCustomMemo(AOwner, TcxCustomMemoProperties::StaticClass()) {}
  static TClass GetPropertiesClass() { return TcxCustomMemoProperties::StaticClass(); }
  TcxCustomMemoProperties* ActiveMemoProperties() {
    return static_cast<TcxCustomMemoProperties*>(ActiveProperties());
  }
  // The inner window as IcxInnerMemo (null without one).
  IcxInnerMemo* GetInnerMemo();
  // Outside a user action: the value from the EDIT's text, unmodified since entry.
  void SyncValueFromText();
  bool ScrollBarsApplied() const { return FScrollBarsApplied; }
  bool ClearingSelection() const { return FClearingSelection; }
  int LastScrollPos() const { return FLastScrollPos; }

  // --- Virtual operations, in slot order
  // Enter with WantReturns or Ctrl; Tab with AnyTab or WantTabs.
  virtual bool IsNewLineOrTabKey(uint16_t Key, TShiftState Shift, bool AnyTab);

  // --- Overrides
  bool HasVisibleInnerControl() override { return true; }
  void AdjustInnerEditPosition() override;
  bool CanKeyDownModifyEdit(uint16_t Key, TShiftState Shift) override;
  void ChangeHandler(TObject* Sender) override;
  void PropertiesChanged(TObject* Sender) override;
  bool TakesTabKey() override;
  void CutToClipboard() override;
  void SetSelText(const String& AText) override;
  void ClearSelection() override;
  bool HasScrollBars() override;
  bool CanScrollContent(TcxDirection ADirection) override;
  void Scroll(TScrollBarKind AScrollBarKind, TScrollCode AScrollCode, int& AScrollPos) override;
  void FillSizeProperties(TcxEditSizeProperties& ASize) override;
  // Only a standalone memo with VisibleLineCount takes the height of its lines.
  bool CanAutoSize() override;

 protected:
  TcxCustomMemo(TComponent* AOwner, TClass APropertiesClass);
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void HandleEditKey(uint16_t& Key, TShiftState Shift) override;

 private:
  bool FScrollBarsApplied = false;
  bool FClearingSelection = false;
  int FLastScrollPos = 0;
  bool FAdjustingMemo = false;
};

class TcxMemo : public TcxCustomMemo {
  VAMIRE_CLASS(TcxMemo, TcxCustomMemo)
 public:
  using TCreateArg = TComponent;
  explicit TcxMemo(TComponent* AOwner) : TcxCustomMemo(AOwner, TcxMemoProperties::StaticClass()) {}
  static TClass GetPropertiesClass() { return TcxMemoProperties::StaticClass(); }
  TcxMemoProperties* Properties() const { return static_cast<TcxMemoProperties*>(TcxCustomEdit::Properties()); }
  void SetProperties(TcxMemoProperties* Value) { TcxCustomEdit::Properties()->Assign(Value); }
  // The EDIT's line list; assigning copies the lines into it.
  TStrings* GetLines();
  TStrings* Lines() { return GetLines(); }
  void SetLines(TStrings* Value);
};

// A filter value for a memo column is typed in a text editor; the operators 7 to 10.
class TcxFilterMemoHelper : public TcxFilterTextEditHelper {
  VAMIRE_CLASS_META(TcxFilterMemoHelper, TcxFilterTextEditHelper, TcxFilterEditHelperClassOf<TcxFilterMemoHelper>)
 public:
  TcxFilterMemoHelper() = default;
  static void GetAllowedOperators(TcxCustomEditProperties*, bool, bool, uint64_t& AOperators, bool) {
    AOperators = 1920;
  }
};

extern const TUnitEntry cxMemoUnit;
