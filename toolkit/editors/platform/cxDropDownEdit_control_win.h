// The drop-down editor: a text editor with a drop-down button that opens a
// popup window under (or above) itself. It owns the protocol every drop-down
// kind shares: F4, Alt+Up and Alt+Down open and close the popup, Enter and
// Esc close it accepting or not, the drop-down button opens it, leaving the
// editor closes it; the events around opening and closing; and the popup size
// the user dragged to, kept in the properties. What the popup holds is the
// kinds' own (the combo box's list, the popup editor's control).
#pragma once

#include "cxDropDownEdit_win.h"
#include "cxTextEdit_control_win.h"

class TcxCustomDropDownEdit;

// What the drop-down editor adds to the text editor's calculation: its
// button is drawn pressed while the popup is open when it keeps pressed (asked
// for, or the native look with visual styles), and takes no hot state while
// the popup was open under the mouse.
class TcxCustomDropDownEditViewData : public TcxCustomTextEditViewData {
  VAMIRE_CLASS(TcxCustomDropDownEditViewData, TcxCustomTextEditViewData)
 public:
  using TcxCustomTextEditViewData::TcxCustomTextEditViewData;
  bool CanButtonBeHot() override { return !HotAndOpen; }
  bool IsButtonDrawnPressed(int AButtonIndex) override;

  bool PopupOpen = false;
  bool HotAndOpen = false;
  bool KeepPressed = false;
};

class TcxCustomDropDownEditProperties : public TcxCustomTextEditProperties {
  VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(TcxCustomDropDownEditProperties, TcxCustomTextEditProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TcxCustomDropDownEditProperties(TPersistent* AOwner)
      : TcxCustomDropDownEditProperties(AOwner, StaticClass()) {}
  void Assign(TPersistent* Source) override;

  static TClass GetContainerClass();
  static TClass GetViewDataClass() { return TcxCustomDropDownEditViewData::StaticClass(); }
  TcxCustomEditViewData* CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted, bool AFlag = false) override;

  bool ImmediateDropDown() const { return FImmediateDropDown; }
  void SetImmediateDropDown(bool Value) { SetField(FImmediateDropDown, Value); }
  bool ImmediatePopup() const { return FImmediatePopup; }
  void SetImmediatePopup(bool Value) { SetField(FImmediatePopup, Value); }
  TAlignment PopupAlignment() const { return FPopupAlignment; }
  void SetPopupAlignment(TAlignment Value) { SetField(FPopupAlignment, Value); }
  bool PopupAutoSize() const { return FPopupAutoSize; }
  void SetPopupAutoSize(bool Value) { SetField(FPopupAutoSize, Value); }
  bool PopupClientEdge() const { return FPopupClientEdge; }
  void SetPopupClientEdge(bool Value) { SetField(FPopupClientEdge, Value); }
  // The stored sizes are kept in range and report no change.
  int PopupHeight() const { return FPopupHeight; }
  void SetPopupHeight(int Value) { FPopupHeight = NormalizePopupHeight(Value, FPopupMinHeight); }
  int PopupWidth() const { return FPopupWidth; }
  void SetPopupWidth(int Value) { FPopupWidth = NormalizePopupWidth(Value, FPopupMinWidth); }
  int PopupMinHeight() const { return FPopupMinHeight; }
  void SetPopupMinHeight(int Value);
  int PopupMinWidth() const { return FPopupMinWidth; }
  void SetPopupMinWidth(int Value);
  bool PopupSizeable() const { return FPopupSizeable; }
  void SetPopupSizeable(bool Value) { SetField(FPopupSizeable, Value); }
  bool PopupSysPanelStyle() const { return FPopupSysPanelStyle; }
  void SetPopupSysPanelStyle(bool Value) { SetField(FPopupSysPanelStyle, Value); }
  bool PostPopupValueOnTab() const { return FPostPopupValueOnTab; }
  void SetPostPopupValueOnTab(bool Value) { SetField(FPostPopupValueOnTab, Value); }
  // Unpublished: below or above the editor (vertical) or beside it.
  TcxPopupDirection PopupDirection = pdVertical;
  TcxPopupAlignVert PopupVertAlignment = pavBottom;
  // Unpublished: the drop-down button stays drawn pressed while the popup is open.
  bool KeepPressed = false;

  virtual int GetDropDownButtonIndex() { return 0; }
  virtual bool DropDownOnClick() { return false; }
  virtual bool DelaysImmediatePost() { return false; }
  virtual bool PopupAdjustsToWorkArea() { return true; }
  // The popup editor's control takes the focus; the combo's list leaves it in the editor.
  virtual bool PopupTakesFocus() { return false; }
  // The popup's class: each kind may size its popup its own way.
  virtual TClass GetPopupWindowClass();

  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnCloseUp;
  TNotifyEvent OnInitPopup;
  TNotifyEvent OnPopup;
  TNotifyEvent OnFinalizePopup;

 protected:
  TcxCustomDropDownEditProperties(TPersistent* AOwner, TClass AKind);

 private:
  template <class T>
  void SetField(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }

  bool FImmediateDropDown = true;
  bool FImmediatePopup = false;
  TAlignment FPopupAlignment = taLeftJustify;
  bool FPopupAutoSize = true;
  bool FPopupClientEdge = false;
  int FPopupHeight = 0;
  int FPopupMinHeight = 0;
  int FPopupMinWidth = 0;
  bool FPopupSizeable = false;
  bool FPopupSysPanelStyle = false;
  int FPopupWidth = 0;
  bool FPostPopupValueOnTab = false;
};

class TcxCustomDropDownEdit : public TcxCustomTextEdit,
                              public IcxEditPopupWindowOwner,
                              public IcxDropDownProtocolHost {
  VAMIRE_CLASS(TcxCustomDropDownEdit, TcxCustomTextEdit)
 public:
  explicit TcxCustomDropDownEdit(TComponent* AOwner)
      : TcxCustomDropDownEdit(AOwner, TcxCustomDropDownEditProperties::StaticClass()) {}
  ~TcxCustomDropDownEdit() override;
  void BeforeDestruction() override;
  static TClass GetPropertiesClass() { return TcxCustomDropDownEditProperties::StaticClass(); }

  TcxCustomDropDownEditProperties* ActiveDropDownProperties() {
    return static_cast<TcxCustomDropDownEditProperties*>(ActiveProperties());
  }
  TcxCustomEditPopupWindow* PopupWindow() const { return FPopupWindow; }
  TcxDropDownPopupProtocol* Protocol() const { return FProtocol.get(); }
  bool IsPopupOpen() override;
  bool DroppedDown() { return IsPopupOpen(); }
  void SetDroppedDown(bool Value);
  bool Focused() override;
  // A paste that changed the text opens the popup and re-finds the item there.
  void PasteFromClipboard() override;
  // The reason the last opening closed for (0 also while none).
  TcxEditCloseUpReason FirstCloseReason() const;
  bool UserResizedPopup() const { return FUserResized; }

  // --- New virtual operations, in slot order
  virtual bool CanDropDown() override { return false; }
  void CloseUp(TcxEditCloseUpReason AReason) override;
  virtual TcxCustomEditPopupWindow* CreatePopupWindow();
  virtual void DoCloseUp();
  void DoFinalizePopup() override;
  virtual void DoInitPopup();
  virtual void DoPopup();
  virtual void DropDown();
  TWinControl* GetPopupFocusedControl() override;
  // Abstract in spirit: the kinds measure their content.
  TSize CalcPopupClientSize() override { return TSize{}; }
  virtual void InitializePopupWindow();
  void SetupPopupClient(const TRect& R) override;
  void PreparePopupWindow() override;
  void SavePopupSize() override;
  // The lookup data places its list on the popup, when the kind shows one there.
  virtual void InitializeLookupPopup();

  // IcxEditPopupWindowOwner
  TRect GetPopupOwnerBounds() override;
  void PopupResizedByUser() override { FUserResized = true; }
  bool CanResizePopupClient(TSize& AClientSize, const TSize& AMaxClientSize) override;

  // IcxDropDownProtocolHost
  bool IsEditorWindowVisible() override { return HandleAllocated() && IsWindowVisible(Handle()); }
  void InitPopupHooks() override;
  void PopupShownHooks() override;
  void TakePopupValue(TcxEditCloseUpReason AReason) override;
  void LockChangeEvents(bool ALock) override { TcxCustomEdit::LockChangeEvents(ALock); }
  void FinalizePopupHooks() override;
  void CloseUpHooks(TcxEditCloseUpReason AReason) override;

 protected:
  TcxCustomDropDownEdit(TComponent* AOwner, TClass APropertiesClass);

  // The value the popup shows goes into the editor (the kinds' lists); nothing here.
  virtual void TakeValueFromPopup(TcxEditCloseUpReason);
  void Initialize() override;
  void HandleEditKey(uint16_t& Key, TShiftState Shift) override;
  void DoEditKeyPress(wchar_t& Key) override;
  void DoButtonDown(int AButtonIndex) override;
  void HandleTabLeave(TShiftState Shift) override;
  bool TakesTabKey() override;
  void PropertiesChanged(TObject* Sender) override;
  void DoExit() override;
  void DestroyWnd() override;
  void InitializeViewData(TcxCustomEditViewData* AViewData) override;
  // A press on the editor outside its buttons closes an open popup; a click
  // in the text opens the popup of a kind that drops down on click.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // With the popup open the wheel scrolls the list.
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void Dispatch(TMessage& Message) override;
  // The list's row becomes the current item: Click when that changed it.
  void ChooseLookupItem();

 private:
  void PopupCloseQuery(TObject* Sender, bool& CanClose);

  TcxCustomEditPopupWindow* FPopupWindow = nullptr;
  std::unique_ptr<TcxDropDownPopupProtocol> FProtocol;
  bool FUserResized = false;
  // The message time of the press that closed the popup from outside: that
  // same press on the drop-down button must not open it again.
  LONG FClosedAtMessageTime = -1;
};

