// The single-line text editor and the EDIT window inside it. The editor draws
// its frame, buttons and background; a real EDIT does the typing, caret,
// selection, clipboard and input-method work. That EDIT is a servant: it
// offers every message to its editor first, forwards keys, mouse, focus and
// drag, asks before it lets a change through, and is reached by the editor
// only through the inner-edit interfaces its helper object implements.
#pragma once

#include <windows.h>

#include "StdCtrls.h"
#include "cxEdit_control_win.h"
#include "cxTextEdit_win.h"
#include "cxTextEditLookup_win.h"

class TcxCustomInnerTextEdit;
class TcxCustomTextEdit;

// What the text editors ask of their inner edit besides the common channel.
class IcxInnerTextEdit : public virtual IcxCustomInnerEdit {
  VAMIRE_INTERFACE(IcxInnerTextEdit, IcxCustomInnerEdit, "{4F0C2B8E-61D3-4A7B-9E25-D8A13C7F0B62}")
 public:
  virtual void EraseSelectedText() = 0;
  virtual void CopySelectedText() = 0;
  virtual TAlignment ReadAlignment() = 0;
  virtual bool ReadAutoSelect() = 0;
  virtual TEditCharCase ReadCharCase() = 0;
  virtual TcxEditEchoMode ReadEchoMode() = 0;
  virtual int FirstVisibleCharIndex() = 0;
  virtual bool ReadHideSelection() = 0;
  virtual uint8_t ReadImeTrailByte() = 0;
  virtual TImeMode ReadImeMode() = 0;
  virtual String ReadImeName() = 0;
  virtual bool ReadKeyEatenByEditor() = 0;
  virtual int ReadMaxLength() = 0;
  virtual bool IsMultiLineControl() = 0;
  virtual bool ReadOEMConvert() = 0;
  virtual TNotifyEvent ReadAfterSetSelEvent() = 0;
  virtual wchar_t ReadPasswordChar() = 0;
  virtual int ReadSelLength() = 0;
  virtual int ReadSelStart() = 0;
  virtual String ReadSelText() = 0;
  virtual bool ReadUseLeftAlignmentOnEditing() = 0;
  virtual void SelectAllText() = 0;
  virtual void WriteAlignment(TAlignment Value) = 0;
  virtual void WriteAutoSelect(bool Value) = 0;
  virtual void WriteCharCase(TEditCharCase Value) = 0;
  virtual void WriteEchoMode(TcxEditEchoMode Value) = 0;
  virtual void WriteHideSelection(bool Value) = 0;
  virtual void WriteKeyEatenByEditor(bool Value) = 0;
  virtual void WriteImeMode(TImeMode Value) = 0;
  virtual void WriteImeName(const String& Value) = 0;
  virtual void WriteMaxLength(int Value) = 0;
  virtual void WriteOEMConvert(bool Value) = 0;
  virtual void WriteAfterSetSelEvent(TNotifyEvent Value) = 0;
  virtual void WritePasswordChar(wchar_t Value) = 0;
  virtual void WriteSelLength(int Value) = 0;
  virtual void WriteSelStart(int Value) = 0;
  virtual void WriteSelText(const String& Value) = 0;
  virtual void WriteUseLeftAlignmentOnEditing(bool Value) = 0;
};

// Implements the interfaces for the inner edit, which owns it (no reference counting).
class TcxCustomInnerTextEditHelper : public TcxInterfacedPersistent,
                                     public IcxContainerInnerControl,
                                     public IcxInnerTextEdit {
  VAMIRE_CLASS(TcxCustomInnerTextEditHelper, TcxInterfacedPersistent)
 public:
  explicit TcxCustomInnerTextEditHelper(TcxCustomInnerTextEdit* AEdit);
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
  TcxEditEchoMode ReadEchoMode() override;
  int FirstVisibleCharIndex() override;
  bool ReadHideSelection() override;
  uint8_t ReadImeTrailByte() override;
  TImeMode ReadImeMode() override;
  String ReadImeName() override;
  bool ReadKeyEatenByEditor() override;
  int ReadMaxLength() override;
  bool IsMultiLineControl() override { return false; }
  bool ReadOEMConvert() override;
  TNotifyEvent ReadAfterSetSelEvent() override;
  wchar_t ReadPasswordChar() override;
  int ReadSelLength() override;
  int ReadSelStart() override;
  String ReadSelText() override;
  bool ReadUseLeftAlignmentOnEditing() override;
  void SelectAllText() override;
  void WriteAlignment(TAlignment Value) override;
  void WriteAutoSelect(bool Value) override;
  void WriteCharCase(TEditCharCase Value) override;
  void WriteEchoMode(TcxEditEchoMode Value) override;
  void WriteHideSelection(bool Value) override;
  void WriteKeyEatenByEditor(bool Value) override;
  void WriteImeMode(TImeMode Value) override;
  void WriteImeName(const String& Value) override;
  void WriteMaxLength(int Value) override;
  void WriteOEMConvert(bool Value) override;
  void WriteAfterSetSelEvent(TNotifyEvent Value) override;
  void WritePasswordChar(wchar_t Value) override;
  void WriteSelLength(int Value) override;
  void WriteSelStart(int Value) override;
  void WriteSelText(const String& Value) override;
  void WriteUseLeftAlignmentOnEditing(bool Value) override;

  TcxCustomInnerTextEdit* InnerControl;
  // The selection kept while the characters of one input-method character arrive.
  int SavedSelStart = 0;
  int SavedSelLength = 0;
};

// What a key or character found before the EDIT handled it.
struct TcxCustomInnerTextEditPrevState {
  bool HasText = false;
  String Text;
  int SelStart = 0;
  int SelLength = 0;
};
void SaveInnerEditState(IcxInnerTextEdit* AControl, bool AWithText, TcxCustomInnerTextEditPrevState& AState);
bool HasInnerEditStateChanged(IcxInnerTextEdit* AControl, const TcxCustomInnerTextEditPrevState& AState);

class TcxCustomInnerTextEdit : public TCustomEdit {
  VAMIRE_CLASS(TcxCustomInnerTextEdit, TCustomEdit)
  friend class TcxCustomInnerTextEditHelper;

 public:
  explicit TcxCustomInnerTextEdit(TComponent* AOwner);
  ~TcxCustomInnerTextEdit() override;
  bool GetInterface(const TGUID& iid, void** obj) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  bool CanFocus() override;
  void DragDrop(TObject* Source, int X, int Y) override;

  // The editor that owns it, while neither is being destroyed.
  TcxCustomEdit* Editor() const;
  TcxCustomInnerTextEditHelper* Implementor() const { return FImplementor; }
  TAlignment Alignment() const { return FAlignment; }
  TcxEditEchoMode EchoMode() const { return FEchoMode; }
  // The password character the editor asks for (the window's own is TCustomEdit's).
  wchar_t PasswordChar() const { return FPasswordChar; }
  bool UseLeftAlignmentOnEditing() const { return FUseLeftAlignmentOnEditing; }
  int ImeCharsPending() const { return FImeCharsPending; }
  bool KeyEatenByEditor() const { return FKeyEatenByEditor; }
  TImeMode ImeMode() const { return FImeMode; }
  const String& ImeName() const { return FImeName; }

  virtual void AdjustMargins();

  TNotifyEvent OnAfterSetSel;

 protected:
  virtual void MouseEnter(TControl* AControl);
  virtual void MouseLeave(TControl* AControl);

  void CreateParams(TCreateParams& Params) override;
  void CreateWindowHandle(const TCreateParams& Params) override;
  void CreateWnd() override;
  void CreateHandle() override;
  void DefaultHandler(TMessage& Message) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void Change() override;
  void Click() override;
  void DblClick() override;
  void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  // The editor's horizontal alignment as the window is made with it.
  TAlignment GetStyleAlignment();

 private:
  TcxCustomTextEdit* TextEditor() const;
  TcxCustomTextEditProperties* ActiveTextProperties() const;
  bool IsEditorHosted() const;
  TPoint ToEditor(int X, int Y) const { return TPoint{X + Left(), Y + Top()}; }
  void WMChar(TMessage& Message);
  void WMKeyDownMessage(TMessage& Message);
  void WMImeChar(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);
  void WMPaintMessage(TMessage& Message);
  void PaintAlignedText(HDC ADC);
  bool PaintsAlignedText();
  void WMSetFocusMessage(TMessage& Message);
  void WMKillFocusMessage(TMessage& Message);
  void RecreateIfShown();

  TcxCustomInnerTextEditHelper* FImplementor = nullptr;
  TAlignment FAlignment = taLeftJustify;
  TcxEditEchoMode FEchoMode = eemNormal;
  wchar_t FPasswordChar = 0;
  bool FUseLeftAlignmentOnEditing = true;
  int FImeCharsPending = 0;
  uint8_t FImeTrailByte = 0;
  bool FKeyEatenByEditor = false;
  int FBoundsLockCount = 0;
  bool FConstructing = true;
  bool FBufferedRepaintPending = false;
  TImeMode FImeMode = imDontCare;
  String FImeName;
};

// The character under the caret of an inner text edit (0 for any other control
// and for an empty text).
int CaretCharIndex(TWinControl* AControl);

// --- The text editor ---------------------------------------------------------------------------
class TcxCustomTextEdit : public TcxCustomEdit {
  VAMIRE_CLASS(TcxCustomTextEdit, TcxCustomEdit)
  friend class TcxCustomInnerTextEdit;

 public:
  explicit TcxCustomTextEdit(TComponent* AOwner) : TcxCustomTextEdit(AOwner, TcxCustomTextEditProperties::StaticClass()) {}
  ~TcxCustomTextEdit() override;
  void BeforeDestruction() override;
  static TClass GetPropertiesClass() { return TcxCustomTextEditProperties::StaticClass(); }

  TcxCustomTextEditProperties* ActiveTextProperties() {
    return static_cast<TcxCustomTextEditProperties*>(ActiveProperties());
  }
  TcxCustomTextEditViewInfo* TextViewInfo() const {
    return static_cast<TcxCustomTextEditViewInfo*>(EditViewInfo());
  }

  // --- Text surface
  int SelStart() { return GetSelStart(); }
  void SetSelStart(int Value);
  int SelLength() { return GetSelLength(); }
  void SetSelLength(int Value);
  String SelText();
  int GetSelStart();
  int GetSelLength();
  int ItemIndex() { return GetItemIndex(); }
  bool BeepOnEnter() const { return FBeepOnEnter; }
  void SetBeepOnEnter(bool Value) { FBeepOnEnter = Value; }
  bool FindSelection() const { return FFindSelection; }
  void SetFindSelection(bool Value);
  bool LookupUpdating() const { return FLookupUpdating; }
  void SetLookupUpdating(bool Value) { FLookupUpdating = Value; }
  bool SettingTextInternally() const { return FSettingTextInternally; }
  bool SwallowNextEnterEsc() const { return FSwallowNextEnterEsc; }
  void SetSwallowNextEnterEsc(bool Value) { FSwallowNextEnterEsc = Value; }
  // The lookup object made from the properties' lookup-data class (null without one).
  TObject* LookupData() const { return FLookupData; }
  IcxInnerTextEdit* GetInnerTextEdit();
  void SetSelection(int AStart, int ALength);
  int GetCaretCharIndex();
  void CheckScrollAndSelection();

  // --- Virtual operations, in slot order
  virtual bool IsPlainTextEditable();
  virtual void LookupItemsChanged();
  virtual void DoEditorHookRefresh() {}
  virtual void DoScrolled();
  virtual void DoSelectionChanged() {}
  virtual void DoTextChanged() {}
  virtual void InnerEditAfterWndProc(TMessage& Message);
  virtual void UpdateInnerEditAppearance();
  virtual bool PrepareNewText(const String& AText, String& ANewText, int& ANewCaret);
  virtual void CheckLookupCompletion();
  virtual void DoLookupCompletion() {}
  virtual void DoOnNewLookupDisplayText(const String& AText);
  virtual int GetTextLineHeight();
  virtual int GetItemIndex();
  virtual String GetSelectedItemText();
  virtual bool IsLookupListShown(bool /*AFromWheel*/) { return false; }
  virtual void ApplyLookupSelection();
  virtual String GetInnerText() { return GetDisplayText(); }
  virtual bool SetInnerText(const String& AText) { return SetDisplayTextChecked(AText); }
  virtual Variant ItemIndexToLookupKey(int AIndex) { return Variant(AIndex); }
  virtual void LookupKeyToEditValue(const Variant& AKey, Variant& AEditValue);
  virtual int LookupKeyToItemIndex(const Variant& AKey);
  virtual bool IsUnboundStandalone();
  virtual void ResetLookupState();
  virtual void UpdateMaskedText() {}
  virtual void SetTextIfEditing(const String& AText);
  virtual void SetItemIndex(int Value);
  virtual void SetSelText(const String& AText);
  virtual void AfterSetSelText() {}
  virtual void SynchronizeLookupText();
  virtual void ClearSelection();
  virtual void ResetThroughDataBinding() { DataBinding()->Reset(); }

  // --- The lookup data, reached through its interface (cxTextEditLookup_editor.cpp)
  // Null without lookup data.
  IcxTextEditLookupData* GetLookupData();
  // The current key (Null without lookup data).
  virtual Variant ReadLookupKey();
  // Makes the key current; a change, or the same key while another text shows, applies the item.
  virtual void WriteLookupKey(const Variant& AKey);
  // The text of the lookup item of that key; false when there is none.
  virtual bool GetLookupKeyText(const Variant& AKey, String& AText);
  virtual bool LookupContainsText(const String& AText);
  // The lookup list's window control, when it has one.
  virtual TWinControl* LookupListControl();

  // --- Operations of the editor base
  void CopyToClipboard() override;
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  bool HasVisibleInnerControl() override;
  void DisplayToEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool AEditFocused) override;
  void SelectWholeText() override;
  void AdjustInnerEditPosition() override;
  bool CanKeyDownModifyEdit(uint16_t Key, TShiftState Shift) override;
  bool CanKeyPressModifyEdit(wchar_t Key) override;
  void ChangeHandler(TObject* Sender) override;
  void DoEditValueChanged() override;
  void DoFocusChanged() override;
  bool DoValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError) override;
  void FillSizeProperties(TcxEditSizeProperties& ASize) override;
  String GetDisplayText() override;
  TClass GetInnerEditClass() override { return FInnerEditClass; }
  bool InternalCanEdit() override { return ActiveTextProperties()->GetEditingStyle() != tesNoText; }
  Variant InternalGetEditingValue() override { return Variant(InnerEditText()); }
  void InternalSetDisplayValue(const Variant& ADisplayValue) override;
  void InternalStoreDisplayValue(const Variant& ADisplayValue) override;
  bool IsValidCharForData(wchar_t AChar) override;
  void PropertiesChanged(TObject* Sender) override;
  bool SetDisplayTextChecked(const String& AText) override;
  void SetInternalDisplayValue(const Variant& Value) override;
  bool WantNavigationKeys() override { return true; }
  void SetInternalText(const String& AText) override;
  void UpdateDisplayFromValue() override;
  void UpdateValueFromDisplay() override;
  void UpdateDrawValue() override;
  void InitializeViewData(TcxCustomEditViewData* AViewData) override;
  bool HandleInnerControlMessage(TMessage& Message) override;
  bool RefreshViewState(const TPoint& P, int AButtonCode, TShiftState AShift, bool ANotify) override;
  void StyleChanged(TObject* Sender) override;
  void Loaded() override;

  // Published.
  TNotifyEvent OnAfterSetSel;

 protected:
  TcxCustomTextEdit(TComponent* AOwner, TClass APropertiesClass);
  // A kind whose inner window is of another class names it here: the base
  // constructor, which makes the inner edit, cannot reach the kind's override.
  TcxCustomTextEdit(TComponent* AOwner, TClass APropertiesClass, TClass AInnerEditClass);

  void GetInnerControlVisibleRect(const TRect& ABounds, TControl* AControl,
                                  TcxContainerInnerControlBounds& ARecord) override;
  void DoExit() override;
  void KeyPress(wchar_t& Key) override;
  void Dispatch(TMessage& Message) override;
  // Typing, Backspace, the navigation keys and the wheel over the lookup items.
  void DoEditKeyPress(wchar_t& Key) override;
  void HandleEditKey(uint16_t& Key, TShiftState Shift) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

  bool IsEditorReady();
  IcxInnerTextEdit* InnerTextEdit() const { return FInnerTextEdit; }

 private:
  void InitializeTextEdit();
  void LookupKeyChanged(TObject*) { ApplyLookupSelection(); }
  // A step of the lookup data from a key or the wheel, with its change and post handling.
  void StepLookupItem(IcxTextEditLookupData* ALookup, int ADirection);
  // The typing rules of a character or Backspace; Key becomes 0 when they drop it.
  void TypeLookupKey(IcxTextEditLookupData* ALookup, wchar_t& Key);
  void InnerEditAfterSetSel(TObject*) { UpdateMaskedText(); }
  // The text the EDIT shows (empty without the inner edit).
  String InnerEditText();
  void WMGetText(TMessage& Message);
  void WMSetText(TMessage& Message);
  void WMCommand(TMessage& Message);
  void WMClear(TMessage& Message);
  void ReplaceTextRequest(TMessage& Message);
  bool IsFocusedForEditing();

  IcxInnerTextEdit* FInnerTextEdit = nullptr;
  TClass FInnerEditClass = TcxCustomInnerTextEdit::StaticClass();
  TObject* FLookupData = nullptr;
  bool FBeepOnEnter = true;
  bool FFindSelection = false;
  bool FLookupUpdating = false;
  bool FSettingTextInternally = false;
  bool FInSetText = false;
  bool FUpdatingDisplay = false;
  bool FAdjustingInnerEdit = false;
  bool FSwallowNextEnterEsc = false;
  int FLastFirstVisibleChar = 0;
  int FLastSelStart = 0;
  int FLastSelLength = 0;
  String FTextOnDestroy;
};

// What CXM_EDITREPLACETEXT's LParam points to.
struct TcxEditReplaceTextRequest {
  String Text;
  int SelStart = 0;
  int SelLength = 0;
  int CaretAfter = 0;
};

// The published text editor of the forms.
class TcxTextEdit : public TcxCustomTextEdit {
  VAMIRE_CLASS(TcxTextEdit, TcxCustomTextEdit)
 public:
  explicit TcxTextEdit(TComponent* AOwner) : TcxCustomTextEdit(AOwner, TcxTextEditProperties::StaticClass()) {}
  static TClass GetPropertiesClass() { return TcxTextEditProperties::StaticClass(); }
  TcxTextEditProperties* Properties() const { return static_cast<TcxTextEditProperties*>(TcxCustomEdit::Properties()); }
  void SetProperties(TcxTextEditProperties* Value) { TcxCustomEdit::Properties()->Assign(Value); }

 protected:
  TcxTextEdit(TComponent* AOwner, TClass APropertiesClass) : TcxCustomTextEdit(AOwner, APropertiesClass) {}
};

// How a filter row edits a text: selected on entry, the selection kept visible, always with text.
class TcxFilterTextEditHelper : public TcxCustomFilterEditHelper {
  VAMIRE_CLASS_META(TcxFilterTextEditHelper, TcxCustomFilterEditHelper,
                    TcxFilterEditHelperClassOf<TcxFilterTextEditHelper>)
 public:
  TcxFilterTextEditHelper() = default;
  static TClass GetEditorClass() { return TcxTextEdit::StaticClass(); }
  static void PreparePropertiesForFilter(TcxCustomFilterEditHelperClass AHelper, TcxCustomEditProperties* AProperties,
                                         TcxCustomEditProperties* ASource, bool AKeepButtons);
  static void AssignFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties*, const Variant& AValue) {
    AEdit->AssignEditValue(AValue);
  }
};

void cxTextEditControl_Initialize();
void cxTextEditControl_Finalize();
