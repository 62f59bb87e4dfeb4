// The editor control every editor kind derives from: a container that owns a
// properties object (or follows a repository item's), keeps its value as a
// variant, paints through the view info its view data calculates, tracks
// presses on its edit buttons, sizes itself to its content around anchors,
// and runs the change events, validation, posting and keys common to all
// kinds. A kind changes it only through the virtual operations below.
#pragma once

#include "cxEdit_win.h"

class TcxCustomEdit;

// Raised when the typed text is refused.
VAMIRE_EXCEPTION(EcxEditValidationError, EcxEditError)

using TcxEditEditingEvent = TMethod<void(TObject* Sender, bool& CanEdit)>;

// The only channel between an editor and the window control inside it.
class IcxCustomInnerEdit : public virtual IInterface {
  VAMIRE_INTERFACE(IcxCustomInnerEdit, IInterface, "{B3E85D21-7A4C-4F96-8D02-5C19E7A63F48}")
 public:
  virtual TWinControl* InnerWindowControl() = 0;
  virtual TcxCustomEdit* OwnerEditor() = 0;
  // The window procedure the control had before the runtime took it over.
  virtual LRESULT PassToOriginalWndProc(UINT AMsg, WPARAM AWParam, LPARAM ALParam) = 0;
  // The inner control handles WM_CUT and WM_PASTE itself.
  virtual bool AllowsClipboardMessages() = 0;
  virtual Variant ReadValue() = 0;
  virtual TNotifyEvent ReadChangeEvent() = 0;
  virtual bool ReadReadOnly() = 0;
  virtual void LockBoundsChange(bool ALock) = 0;
  virtual void FocusWithoutAutoSelect() = 0;
  virtual void WriteValue(const Variant& Value) = 0;
  virtual void AttachToParent(TWinControl* AParent) = 0;
  virtual void WriteChangeEvent(TNotifyEvent Value) = 0;
  virtual void WriteReadOnly(bool Value) = 0;
};

// What the measuring step of auto-size is given: MaxWidth < 0 means unbounded.
struct TcxEditSizeProperties {
  int Height = -1;
  int MaxLineCount = 0;
  int Width = -1;
};

// Holds OnChange and OnEditValueChanged back while locked.
struct TcxEditChangeEventsCatcher {
  int LockCount = 0;
  bool OnChangeEvent = false;
  bool OnEditValueChangedEvent = false;
};

class TcxCustomEditContainer : public TcxContainer {
  VAMIRE_CLASS(TcxCustomEditContainer, TcxContainer)
 public:
  explicit TcxCustomEditContainer(TComponent* AOwner) : TcxContainer(AOwner) {}

 protected:
  using TcxContainer::TcxContainer;
};

class TcxCustomEdit : public TcxCustomEditContainer, public IcxEditItemListener {
  VAMIRE_CLASS(TcxCustomEdit, TcxCustomEditContainer)
  // The inner edit forwards keys, mouse and focus to its editor's own handlers.
  friend class TcxCustomInnerTextEdit;
  friend class TcxCustomInnerMemo;

 public:
  // A standalone editor with the base properties.
  explicit TcxCustomEdit(TComponent* AOwner) : TcxCustomEdit(AOwner, false, nullptr) {}
  // What a host uses; nothing in the program makes a hosted editor.
  static TcxCustomEdit* CreateHosted(TClass AEditClass, TComponent* AOwner, bool AIsHosted);
  ~TcxCustomEdit() override;
  void BeforeDestruction() override;
  bool GetInterface(const TGUID& iid, void** obj) override;

  static TClass GetPropertiesClass() { return TcxCustomEditProperties::StaticClass(); }

  // --- Properties and repository item
  TcxCustomEditProperties* Properties() const { return FProperties; }
  void SetProperties(TcxCustomEditProperties* Value) { FProperties->Assign(Value); }
  // The item's properties when an item is set, else the own ones.
  TcxCustomEditProperties* ActiveProperties();
  TcxEditRepositoryItem* RepositoryItem() const { return FRepositoryItem; }
  void SetRepositoryItem(TcxEditRepositoryItem* Value);
  bool IsRepositoryItemAcceptable(TcxEditRepositoryItem* AItem);
  TcxEditDataBinding* DataBinding() const { return FDataBinding; }
  TcxCustomEditStyle* EditStyle() const { return static_cast<TcxCustomEditStyle*>(Style()); }
  TcxCustomEditViewInfo* EditViewInfo() const { return static_cast<TcxCustomEditViewInfo*>(FViewInfo); }

  // --- Value
  Variant EditValue() const { return FEditValue; }
  void SetEditValue(const Variant& Value) { AssignEditValue(Value); }
  bool EditModified() const { return FEditModified; }
  void SetEditModified(bool Value);
  bool ModifiedSinceEnter() const { return FModifiedSinceEnter; }
  void SetModifiedSinceEnter(bool Value);
  bool IsPosting() const { return FPosting; }
  bool IsValidated() const { return FValidated; }
  bool IsValidating() const { return FValidating; }
  // Esc undid a change on its key-down: its character is not the editor's.
  bool EscHandled() const { return FEscHandled; }
  virtual bool ValidateEdit(bool ARaiseOnError);
  void PostEditValue(bool AValidateFirst = true);
  bool HasValueToPost();
  void LockChangeEvents(bool ALock, bool AInvoke = true);
  // Forgets an OnEditValueChanged held back by the lock (the editor wrote its own value).
  void DropPendingEditValueChanged() { FChangeEventsCatcher.OnEditValueChangedEvent = false; }
  void LockClick(bool ALock);
  bool DoEditing();
  bool CanReset();
  // A value chosen from the lookup items: it counts as modified, and Click fires.
  void SetModifiedAndClick();
  // Standalone, or the active properties' UseMouseWheel, or Ctrl held.
  bool CanUseMouseWheel(TShiftState AShift);

  // --- Hosted mode
  bool IsHosted() override { return FIsHosted; }
  bool Activate(TcxCustomEditData*& AEditData);
  bool ActivateByKey(wchar_t AKey, TcxCustomEditData*& AEditData);
  bool ActivateByMouse(TShiftState AShift, int X, int Y, TcxCustomEditData*& AEditData);
  bool Deactivate();
  bool IsActivated() const { return FActivated; }

  // --- Size
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value) override;
  int GetHeight();
  void SetHeight(int Value) { TControl::SetHeight(Value); }
  int GetWidth() const { return Width(); }
  void SetWidth(int Value) { TControl::SetWidth(Value); }
  int AnchorX() const { return FAnchorX; }
  int AnchorY() const { return FAnchorY; }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // The index of the button pressed with the mouse while captured, or -1.
  int CapturedButton() const { return FCapturedButton; }

  bool IsChildWindow(HWND AWindow);
  virtual bool HasVisibleInnerControl() { return false; }
  IcxCustomInnerEdit* InnerEdit() const { return FInnerEdit; }

  // --- Virtual operations, in slot order (the value, validation and keys ones
  // marked in the comments of the .cpp files)
  virtual void CalcAutoSizeAnchor();
  virtual void AdjustInnerEditPosition();
  virtual void AfterPostValue() { FPosting = false; }
  virtual void BeforePostValue() { FPosting = true; }
  virtual bool CanAutoSize();
  virtual bool CanAutoWidth() { return false; }
  virtual bool IsButtonsOnlyView();
  virtual bool CanKeyDownModifyEdit(uint16_t /*Key*/, TShiftState /*Shift*/) { return false; }
  virtual bool CanKeyPressModifyEdit(wchar_t /*Key*/) { return false; }
  virtual bool CanModify();
  virtual void ChangeHandler(TObject* Sender);
  virtual TcxCustomEditViewData* CreateViewData();
  virtual void DoClickDefaultButton();
  virtual void DoAutoSizeChanged() {}
  virtual void DoButtonClick(int AButtonIndex);
  virtual void DoButtonDown(int /*AButtonIndex*/) {}
  virtual void DoButtonUp(int /*AButtonIndex*/) {}
  virtual void DoChange();
  virtual void DoEditValueChanged();
  virtual void HandleEditKey(uint16_t& Key, TShiftState Shift);
  virtual void DoEditKeyPress(wchar_t& Key) { ValidateKeyPress(Key); }
  virtual void DoEditKeyUp(uint16_t& /*Key*/, TShiftState /*Shift*/) {}
  virtual void HandleTabLeave(TShiftState /*Shift*/) {}
  virtual void DoFocusChanged();
  virtual bool DoValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError);
  virtual void DoOnChange();
  virtual void DoOnEditValueChanged();
  virtual void HandleEnter();
  virtual void ApplyReadOnlyToInnerEdit();
  virtual void FillSizeProperties(TcxEditSizeProperties& ASize);
  virtual Variant GetClearValue() { return Variant::Null(); }
  virtual TClass GetDataBindingClass() { return TcxEditDataBinding::StaticClass(); }
  virtual String GetDisplayText() { return String(); }
  virtual TClass GetEditDataClass() { return nullptr; }
  virtual Variant GetEditingValue();
  virtual Variant CopyEditValue() { return FEditValue; }
  virtual TClass GetInnerEditClass() { return nullptr; }
  virtual void HandleValidationError(const String& AErrorText, bool ACanAbort);
  virtual void Initialize();
  virtual void InitializeEditData() {}
  virtual void InitializeInnerEdit();
  virtual void InitializeViewData(TcxCustomEditViewData* AViewData);
  virtual bool InternalCanEdit() { return true; }
  virtual Variant InternalGetEditingValue() { return CopyEditValue(); }
  virtual void InternalSetDisplayValue(const Variant& /*ADisplayValue*/) {}
  virtual void InternalSetEditValue(const Variant& Value, bool AValidateEditValue);
  virtual void InternalStoreDisplayValue(const Variant& ADisplayValue);
  virtual bool IsActiveControl();
  virtual bool IsOwnButtonWindow() { return false; }
  virtual bool IsDataBoundEditor() { return false; }
  bool IsDataBoundPaintCopy() { return IsDataBoundEditor() && ControlState().Contains(csPaintCopy); }
  virtual bool IsDefaultButtonKey(uint16_t Key, TShiftState Shift);
  bool ShouldStoreEditValue() const { return !FEditValue.IsNull(); }
  virtual bool UsesNativeBackground() { return false; }
  virtual bool IsTransparent() { return !FIsHosted && FTransparent; }
  virtual bool IsValidCharForData(wchar_t AChar);
  virtual bool WantsAfterKeyDown(uint16_t /*Key*/, TShiftState /*Shift*/) { return false; }
  virtual void PaintCopyDraw();
  virtual void PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditing);
  virtual void PropertiesChanged(TObject* Sender);
  virtual bool IsEffectivelyReadOnly();
  virtual void RepositoryItemAssigned() {}
  virtual void RepositoryItemAssigning() {}
  virtual void ResetValue();
  virtual bool ShouldSendActivationKey(wchar_t /*AKey*/) { return true; }
  virtual bool SetDisplayTextChecked(const String& /*AText*/) { return false; }
  virtual void AssignEditValue(const Variant& Value);
  virtual void AssignEditValueWithClick(const Variant& Value);
  virtual void SetInternalDisplayValue(const Variant& /*Value*/) {}
  virtual void UpdateDisplayFromValue() {}
  virtual void UpdateValueFromDisplay() {}
  virtual bool TakesTabKey() { return FIsHosted; }
  virtual bool RefreshesValueOnEnter() { return true; }
  virtual void UpdateDrawValue() {}
  virtual bool ValidateKeyDown(uint16_t& Key, TShiftState Shift);
  virtual bool ValidateKeyPress(wchar_t& Key);
  virtual bool WantNavigationKeys() { return false; }
  virtual bool IsAutoSizeAnchored() { return IsHorzAnchorUsed() || IsVertAnchorUsed(); }
  virtual bool IsHorzAnchorUsed() { return false; }
  virtual bool IsVertAnchorUsed() { return false; }
  virtual bool IsTextInputAllowed() { return false; }
  void SetHostFlag(int Value) { FHostFlag = Value; }
  virtual void SetInternalText(const String& /*Text*/) {}
  virtual void AssignEditValueUnvalidated(const Variant& Value) { InternalSetEditValue(Value, false); }
  virtual void Clear() { AssignEditValue(GetClearValue()); }
  virtual void CopyToClipboard() {}
  virtual void CutToClipboard() {}
  virtual void PasteFromClipboard() {}
  virtual void DisplayToEditValue(const Variant& /*ADisplayValue*/, Variant& /*AEditValue*/, bool /*AEditFocused*/) {}
  virtual void SelectWholeText() {}

  // --- Container and control operations
  void Loaded() override;
  void ReadState(TReader* Reader) override;
  void SetName(const String& NewName) override;
  void SetParent(TWinControl* AParent) override;
  void DefineProperties(TFiler* Filer) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void GetTabOrderList(std::vector<TWinControl*>& List) override;
  bool HandleInnerControlMessage(TMessage& Message) override;
  bool RefreshViewState(const TPoint& P, int AButtonCode, TShiftState AShift, bool ANotify) override;
  void SetFocusToInnerControl() override;
  bool ProcessInnerKeyMessage(TMessage& Message) override { return TcxContainer::ProcessInnerKeyMessage(Message); }
  bool IsTransparentContainer() override { return UsesNativeBackground() || IsTransparent(); }
  bool UsesNativeTheme() override;
  TcxContainerStyleValues GetUnstoredStyleValues() override;
  void DefaultHandler(TMessage& Message) override;

  // IcxEditItemListener
  void ItemRemoved(TcxEditRepositoryItem* Sender) override;
  void PropertiesChanged(TcxEditRepositoryItem* Sender) override;

  // Published.
  TNotifyEvent PropertiesEvents;
  TNotifyEvent OnFocusChanged;
  // Unpublished, for hosts: keys the editor handled or refused.
  TKeyEvent OnAfterKeyDown;
  TcxEditEditingEvent OnEditing;
  TNotifyEvent OnPostEditValue;

 protected:
  // A kind passes its properties class: the constructor makes its properties
  // and, through the class's class methods, its styles and view info.
  TcxCustomEdit(TComponent* AOwner, bool AIsHosted, TClass APropertiesClass);

  bool TabMovesFocus() override { return false; }
  void StateRefreshed() override;
  void GetBorderThickness(TRect& AMargins) override;
  int GetPainterState() override;
  TClass GetStyleClass() override;
  TClass GetViewInfoClass() override;
  void AdjustInnerControlBounds() override;
  bool CanResize(int& NewWidth, int& NewHeight) override;
  void Click() override;
  void DblClick() override;
  void DoEnter() override;
  void DoExit() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Paint() override;
  void RequestAlign() override;
  void CreateHandle() override;
  void FocusChanged() override;
  void Dispatch(TMessage& Message) override;

  // Makes the inner edit of GetInnerEditClass once: a kind with one calls it
  // from its own constructor, where its class methods answer.
  void CreateInnerEdit();
  // Frees the inner edit before the kind's own parts go (the editor is destroying).
  void DestroyInnerEdit();
  bool IsLoading() const { return ComponentState().Contains(csLoading); }
  bool IsEditDestroying() const { return ComponentState().Contains(csDestroying); }
  // Sets the user-action flag for the life of the scope.
  struct TUserActionScope {
    TUserActionScope(TcxCustomEdit* AEdit, bool AValue) : Edit(AEdit), Saved(AEdit->FUserAction) {
      AEdit->FUserAction = AValue;
    }
    ~TUserActionScope() { Edit->FUserAction = Saved; }
    TcxCustomEdit* Edit;
    bool Saved;
  };
  bool UserAction() const { return FUserAction; }
  void SaveModified();
  void RestoreModified();
  // The edit-size calculation of the auto-size: the new width and height.
  void CalculateAutoSize(int& AWidth, int& AHeight);
  bool AutoWidthApplies();
  bool AutoHeightApplies();

  TcxCustomEditProperties* FProperties = nullptr;
  Variant FEditValue;

 private:
  // The lookup data reads the can-modify state, background colour and font of its editor.
  friend class TcxCustomTextEditLookupData;
  void ReadAnchorX(TReader* Reader);
  void ReadAnchorY(TReader* Reader);
  void WriteAnchorX(TWriter* Writer);
  void WriteAnchorY(TWriter* Writer);
  void ReadHeight(TReader* Reader) { SetHeight(Reader->ReadInteger()); }
  void ReadWidth(TReader* Reader) { SetWidth(Reader->ReadInteger()); }
  void WriteHeight(TWriter* Writer);
  void WriteWidth(TWriter* Writer);
  void ApplyExitProcessing();
  void WantHostedKeys();
  template <class F>
  void RefreshForMouseEvent(int AKind, F AHandle);
  void DoubleClickTimerTick(TObject* Sender);
  void FireValidate(Variant& ADisplayValue, String& AErrorText, bool& AError);
  void CMWantSpecialKey(TMessage& Message);
  void CMHintShow(TMessage& Message);
  void CMDialogChar(TMessage& Message);
  void ClipboardMessage(TMessage& Message);

  int FAnchorX = INT_MAX;
  int FAnchorY = INT_MAX;
  bool FAutoSize = true;
  int FCapturedButton = -1;
  TcxEditChangeEventsCatcher FChangeEventsCatcher;
  int FClickLockCount = 0;
  TcxTimer* FDblClickTimer = nullptr;
  TcxCustomEditData* FEditData = nullptr;
  bool FInCanModify = false;
  int FValueWriteLock = 0;
  bool FLastFocusState = false;
  IcxCustomInnerEdit* FInnerEdit = nullptr;
  TRect FContentOffsets;
  bool FContentParamsCached = false;
  bool FValidated = false;
  bool FValidating = false;
  bool FEscHandled = false;
  bool FEscPending = false;
  bool FAnchorReading = false;
  bool FExiting = false;
  bool FIsHosted = false;
  bool FPropertiesPending = false;
  bool FPosting = false;
  bool FUserAction = false;
  bool FModifiedSinceEnter = false;
  bool FEditModified = false;
  Variant FSavedEditValue;
  std::vector<std::pair<bool, bool>> FModifiedStack;
  TcxEditRepositoryItem* FRepositoryItem = nullptr;
  bool FTransparent = false;
  bool FFocusingForError = false;
  TcxEditDataBinding* FDataBinding = nullptr;
  bool FActivated = false;
  int FHostFlag = 0;
  // 1 while a press is refreshed, 2 while a release is.
  int FMouseEventKind = 0;
};

// The screen cursor of the text editors' wheel scrolling ("CXEDIT_MOUSEWHEEL").
constexpr TCursor crcxEditMouseWheel = 4101;

void cxEditControl_Initialize();
void cxEditControl_Finalize();
