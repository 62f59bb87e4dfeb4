// The toolkit's radio button, TcxRadioButton: a runtime TRadioButton whose
// window is owner-drawn, so that the glyph comes from the look-and-feel
// painter, the caption from the toolkit's text routine, and the control can
// show its parent through it. Checking, the unchecking of the other radio
// buttons of the same parent and the click on checking stay TRadioButton's.
#pragma once

#include <windows.h>

#include <memory>

#include "Menus.h"
#include "StdCtrls.h"
#include "Units.h"
#include "cxControls_win.h"
#include "cxGraphics_win.h"
#include "cxGroupBox_win.h"
#include "cxLookAndFeels.h"

// The look of the glyph: from the enabled state and the mouse.
enum TcxRadioButtonState { rbsDisabled, rbsHot, rbsNormal, rbsPressed };

class TcxRadioButton : public TRadioButton, public IcxLookAndFeelOwner, public IcxMouseTrackingCaller {
  VAMIRE_CLASS(TcxRadioButton, TRadioButton)
 public:
  explicit TcxRadioButton(TComponent* AOwner);
  ~TcxRadioButton() override;
  bool GetInterface(const TGUID& iid, void** obj) override;

  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
  void SetLookAndFeel(TcxLookAndFeel* Value) { FLookAndFeel->Assign(Value); }
  // A TPopupMenu or a component with IcxPopupMenuHandler; anything else is taken as none.
  TComponent* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TComponent* Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  // State read by tests: the glyph's look and where it was last drawn.
  TcxRadioButtonState ButtonState() const { return FButtonState; }
  TRect GlyphRect() const { return FGlyphRect; }

  // Only the rectangle (0, 0, Width, Height), without erasing: the drawing covers it.
  void Invalidate() override;
  // False while designing.
  bool Focused() override;

  // IcxLookAndFeelOwner, IcxMouseTrackingCaller. MouseLeave refreshes the state
  // as for a point outside and ends the tracking.
  TcxLookAndFeel* GetLookAndFeel() override { return FLookAndFeel.get(); }
  void MouseLeave() override;

 protected:
  // Shrinks the caption rectangle by the margins of the look, WordWrap and Alignment.
  virtual void AdjustTextRect(TRect& R, bool ANative);
  // Shows the menu at a screen point; answers whether one was shown.
  virtual bool DoShowPopupMenu(TComponent* AMenu, int X, int Y);
  // The whole control in Color, unless the background is transparent.
  virtual void FillBackground();
  virtual void DrawCaption(TcxCanvas* ACanvas, bool ANative);
  // A radio group's button answers whether its group is hosted by another control.
  virtual bool IsHostedButton();
  virtual bool UsesParentBackground();
  virtual bool IsNativeStyle();
  virtual bool IsTransparent();
  virtual bool IsTransparentBackground();
  virtual void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  virtual void DrawRadioButton(bool AFocusOnly);
  // AButton: 0 none, 1 left, 2 right, 3 middle.
  virtual void RefreshState(int AButton, TShiftState AShift, const TPoint& P);
  virtual void EnabledChanged();
  virtual void MouseEnter();

  void CreateParams(TCreateParams& Params) override;
  void CreateHandle() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  // A paint into a given device context draws there at once: the system
  // button would ask its parent to have it drawn (WM_DRAWITEM), a round trip
  // through the window system for every button.
  void DefaultHandler(TMessage& Message) override;
  void DoEnter() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DoContextPopup(TPoint MousePos, bool& Handled) override;
  TPopupMenu* GetPopupMenu() override { return nullptr; }

  TcxCanvas* Canvas() const { return FCanvas.get(); }
  TcxCustomLookAndFeelPainterClass Painter() const { return FLookAndFeel->Painter(); }

 private:
  void CNDrawItem(TMessage& Message);
  // Draws the whole button into DC as the owner-draw notification would.
  void PaintInto(HDC DC);
  void WMContextMenu(TMessage& Message);
  // The state for the pointer where it is now.
  void RefreshStateFromCursor(int AButton);
  bool IsDesigning() const { return ComponentState().Contains(csDesigning); }

  std::unique_ptr<TCanvas> FPaintCanvas;
  std::unique_ptr<TcxCanvas> FCanvas;
  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
  TcxRadioButtonState FButtonState = rbsNormal;
  TRect FGlyphRect{};
  TComponent* FPopupMenu = nullptr;
  bool FTransparent = false;
};

// --- Radio group --------------------------------------------------------------------------------
// A group box holding one radio button per item in columns; its value is the
// checked item's Value (or Caption when the Value is Null), DefaultValue
// when none is checked.
class TcxCustomRadioGroup;

class TcxRadioGroupItem : public TcxButtonGroupItem {
  VAMIRE_CLASS(TcxRadioGroupItem, TcxButtonGroupItem)
 public:
  explicit TcxRadioGroupItem(TCollection* Collection) : TcxButtonGroupItem(Collection) {}
  void Assign(TPersistent* Source) override;
  const Variant& Value() const { return FValue; }
  // An exactly different value is stored and reported as the item's change.
  void SetValue(const Variant& Value);
  void DefineProperties(TFiler* Filer) override;

 private:
  void ReadValue(TReader* Reader) { SetValue(ReadStreamedVariant(Reader)); }
  void WriteValue(TWriter* Writer) { WriteStreamedVariant(Writer, FValue); }
  Variant FValue = Variant::Null();
};

class TcxRadioGroupItems : public TcxButtonGroupItems {
  VAMIRE_CLASS(TcxRadioGroupItems, TcxButtonGroupItems)
 public:
  TcxRadioGroupItems(TPersistent* AOwner, TCollectionItemClass AItemClass) : TcxButtonGroupItems(AOwner, AItemClass) {}
  TcxRadioGroupItem* Items(int Index) const { return static_cast<TcxRadioGroupItem*>(TCollection::Items(Index)); }
  TcxRadioGroupItem* Add() { return static_cast<TcxRadioGroupItem*>(TCollection::Add()); }
};

class TcxCustomRadioGroupProperties : public TcxCustomButtonGroupProperties {
  VAMIRE_EDIT_PROPERTIES_CLASS(TcxCustomRadioGroupProperties, TcxCustomButtonGroupProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TcxCustomRadioGroupProperties(TPersistent* AOwner);
  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;
  static TClass GetContainerClass();

  TcxRadioGroupItems* Items() const { return static_cast<TcxRadioGroupItems*>(TcxCustomButtonGroupProperties::Items()); }
  void SetItems(TcxRadioGroupItems* Value) { TcxCustomButtonGroupProperties::SetItems(Value); }
  const String& DefaultCaption() const { return FDefaultCaption; }
  void SetDefaultCaption(const String& Value);
  bool IsDefaultCaptionStored() const;
  const Variant& DefaultValue() const { return FDefaultValue; }
  void SetDefaultValue(const Variant& Value);
  // The first item whose Value equals AValue, or whose Caption equals its
  // text when its Value is Null; -1 when none.
  int GetItemIndexOfValue(const Variant& AValue);

  int GetColumnCount() override { return GetRadioGroupColumnCount(Columns(), Items()->Count()); }
  bool IsEditValueChangeTracked() override { return true; }
  bool SupportsValueReset() override { return true; }
  bool IsChangeDrivenByText() override { return true; }
  unsigned GetEditCapabilities() override { return TcxCustomButtonGroupProperties::GetEditCapabilities() | 0x210u; }
  void PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditing) override;
  bool CompareDisplayValues(const Variant& V1, const Variant& V2) override;
  String GetDisplayText(const Variant& AValue, bool AFullText = false) override;

 protected:
  TcxButtonGroupItems* CreateItems() override;

 private:
  void ReadDefaultValue(TReader* Reader) { SetDefaultValue(ReadStreamedVariant(Reader)); }
  void WriteDefaultValue(TWriter* Writer) { WriteStreamedVariant(Writer, FDefaultValue); }
  String FDefaultCaption;
  Variant FDefaultValue = Variant::Null();
};

class TcxRadioGroupProperties : public TcxCustomRadioGroupProperties {
  VAMIRE_EDIT_PROPERTIES_CLASS(TcxRadioGroupProperties, TcxCustomRadioGroupProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TcxRadioGroupProperties(TPersistent* AOwner) : TcxCustomRadioGroupProperties(AOwner) {}
};

// A button of a radio group: it draws with the group's look and font, and
// the group decides whether a click may change the checked item.
class TcxCustomRadioGroupButton : public TcxRadioButton, public IcxContainerInnerControl {
  VAMIRE_CLASS(TcxCustomRadioGroupButton, TcxRadioButton)
 public:
  explicit TcxCustomRadioGroupButton(TComponent* AOwner);
  ~TcxCustomRadioGroupButton() override;
  bool GetInterface(const TGUID& iid, void** obj) override;
  TWinControl* GetControl() override { return this; }
  TcxContainer* GetControlContainer() override;

  void SetChecked(bool Value) override;
  bool CanFocus() override;
  TcxCustomRadioGroup* Group() const { return FGroup; }
  int Column = 0;
  int Row = 0;

 protected:
  void Click() override;
  void DoEnter() override;
  void DoExit() override;
  void KeyPress(wchar_t& Key) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  bool IsHostedButton() override;
  bool IsNativeStyle() override;
  bool IsTransparent() override;
  bool UsesParentBackground() override;

 private:
  friend class TcxCustomRadioGroup;
  TcxCustomRadioGroup* FGroup;
  bool FInternalChecking = false;
  bool FInClick = false;
  bool FMouseDownEntry = false;
};

class TcxCustomRadioGroup : public TcxCustomButtonGroup {
  VAMIRE_CLASS(TcxCustomRadioGroup, TcxCustomButtonGroup)
 public:
  explicit TcxCustomRadioGroup(TComponent* AOwner);
  static TClass GetPropertiesClass() { return TcxCustomRadioGroupProperties::StaticClass(); }
  TcxCustomRadioGroupProperties* RadioProperties() {
    return static_cast<TcxCustomRadioGroupProperties*>(ActiveProperties());
  }
  TcxCustomRadioGroupButton* RadioButton(int AIndex) const {
    return static_cast<TcxCustomRadioGroupButton*>(Button(AIndex));
  }

  // While loading, updating or designing the stored index; else the first
  // checked button's, -1 when none.
  int ItemIndex();
  // Clamped to -1 .. button count - 1 and applied as the value.
  void SetItemIndex(int Value);
  void Clear() override { SetItemIndex(-1); }
  void DisplayToEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool AEditFocused) override;
  void SetFocus() override;
  void GetTabOrderList(std::vector<TWinControl*>& List) override;
  bool IsChildControlHost() override { return DialogCharSelecting(); }
  void GetChildren(TGetChildProc, TComponent*) override {}
  TcxButtonGroupMetrics GetButtonMetrics(TcxCanvas* ACanvas) override;
  HWND GetButtonHandle(int AIndex) override { return Button(AIndex)->Handle(); }
  TWinControl* CreateButton() override;
  void SyncButtons() override;
  void Loaded() override;

  // The checked index from the edit value: ApplyEditValue with or without force.
  void ApplyEditValue(const Variant& AValue, bool AForce, bool AUserEdit);
  // A button the user checked.
  void ButtonChecked(TcxCustomRadioGroupButton* AButton);
  bool CanModifyByUser() { return CanModify() && DoEditing(); }

 protected:
  TcxCustomRadioGroup(TComponent* AOwner, bool AIsHosted, TClass APropertiesClass);
  void Initialize() override;
  void InternalSetEditValue(const Variant& Value, bool AValidateEditValue) override;
  void Dispatch(TMessage& Message) override;

 private:
  friend class TcxCustomRadioGroupButton;
  int CheckedIndex() const;
  void CheckButton(int AIndex);
  bool StoresIndex();
  int FStoredItemIndex = -1;
  bool FChecking = false;
};

class TcxRadioGroup : public TcxCustomRadioGroup {
  VAMIRE_CLASS(TcxRadioGroup, TcxCustomRadioGroup)
 public:
  explicit TcxRadioGroup(TComponent* AOwner)
      : TcxCustomRadioGroup(AOwner, false, TcxRadioGroupProperties::StaticClass()) {}
  static TClass GetPropertiesClass() { return TcxRadioGroupProperties::StaticClass(); }
  TcxRadioGroupProperties* Properties() const { return static_cast<TcxRadioGroupProperties*>(FProperties); }
  void SetProperties(TcxRadioGroupProperties* Value) { FProperties->Assign(Value); }
  TcxEditStyle* Style() const { return static_cast<TcxEditStyle*>(TcxContainer::Style()); }
  void SetStyle(TcxEditStyle* Value) { TcxContainer::SetStyle(Value); }
};

// A radio group as a filter value: its items' values and captions.
class TcxFilterRadioGroupHelper : public TcxCustomFilterEditHelper {
  VAMIRE_CLASS_META(TcxFilterRadioGroupHelper, TcxCustomFilterEditHelper,
                    TcxFilterEditHelperClassOf<TcxFilterRadioGroupHelper>)
 public:
  TcxFilterRadioGroupHelper() = default;
  // Equal, not equal, null, not null; with the extended set also operators 13 and 14.
  static void GetAllowedOperators(TcxCustomEditProperties*, bool, bool, uint64_t& AOperators, bool AExtended) {
    AOperators = 1542;
    if (AExtended) AOperators |= (uint64_t(1) << 13) | (uint64_t(1) << 14);
  }
  static bool FilterByDisplayText() { return true; }
};

// Unit start registers TcxRadioButton, TcxRadioGroup and the radio group's
// properties (with their description and filter helper) for forms and the
// editor registries.
void cxRadioGroup_Initialize();
void cxRadioGroup_Finalize();
extern const TUnitEntry cxRadioGroupUnit;
