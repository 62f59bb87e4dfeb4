// The check box: an editor without an inner window that draws a check glyph
// and its caption itself. Its value is the editor's EditValue; three values of
// its properties (ValueChecked, ValueUnchecked, ValueGrayed) map a value to a
// check state, so a check box edits a Boolean, a number or a text alike.
// Also the caption items the button groups build on, the check-glyph drawing
// routine and the check box's action link and filter helper. The arithmetic
// is in cxCheckBox.h.
#pragma once

#include <memory>

#include "ActnList.h"
#include "cxCheckBox.h"
#include "cxClasses.h"
#include "cxEdit_control_win.h"
#include "cxTextEdit_win.h"

// A variant property of a form file (a Boolean, a number, a text or Null),
// read and written by the defined entries that stream the mapped values.
Variant ReadStreamedVariant(TReader* Reader);
void WriteStreamedVariant(TWriter* Writer, const Variant& Value);

// Equal in type and value (Null equals Null): what the value setters compare.
bool VarIdentical(const Variant& A, const Variant& B);

// Runs AChange inside one update of AProperties, so its changes report once.
template <class F>
void UpdateEditProperties(TcxCustomEditProperties* AProperties, F AChange) {
  AProperties->BeginUpdate();
  try {
    AChange();
  } catch (...) {
    AProperties->EndUpdate();
    throw;
  }
  AProperties->EndUpdate();
}

// --- Caption items ----------------------------------------------------------------------------
class TcxCaptionItem : public TCollectionItem {
  VAMIRE_CLASS(TcxCaptionItem, TCollectionItem)
 public:
  explicit TcxCaptionItem(TCollection* Collection) : TCollectionItem(Collection) {}
  void Assign(TPersistent* Source) override;
  const String& Caption() const { return FCaption; }
  // A different text re-sorts a sorted collection, else reports the item changed.
  void SetCaption(const String& Value);
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }

 private:
  String FCaption;
  int FTag = 0;
};

// Sorted, the items follow their captions in the locale's case-insensitive order.
class TcxCaptionItems : public TcxOwnedInterfacedCollection {
  VAMIRE_CLASS(TcxCaptionItems, TcxOwnedInterfacedCollection)
 public:
  TcxCaptionItems(TPersistent* AOwner, TCollectionItemClass AItemClass)
      : TcxOwnedInterfacedCollection(AOwner, AItemClass) {}
  int OrderItems(TCollectionItem* AItem1, TCollectionItem* AItem2) override;
  TcxCaptionItem* Items(int Index) const { return static_cast<TcxCaptionItem*>(TCollection::Items(Index)); }
  String Captions(int Index) const { return Items(Index)->Caption(); }
};

// --- Properties -------------------------------------------------------------------------------
class TcxCustomCheckBoxProperties : public TcxCustomEditProperties {
  VAMIRE_EDIT_PROPERTIES_CLASS(TcxCustomCheckBoxProperties, TcxCustomEditProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TcxCustomCheckBoxProperties(TPersistent* AOwner);
  ~TcxCustomCheckBoxProperties() override;
  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;

  static TClass GetContainerClass();
  static TClass GetStyleClass();
  static TClass GetViewDataClass();
  static TClass GetViewInfoClass();
  TcxCustomEditViewData* CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted, bool AFlag = false) override;

  // The side of the glyph, kept in the edit alignment's horizontal part.
  TAlignment CheckAlignment() { return Alignment()->Horz(); }
  void SetCheckAlignment(TAlignment Value) { Alignment()->SetHorz(Value); }
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { SetField(FAllowGrayed, Value); }
  // Only an old form's entry sets it; the control takes it over at the next change.
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  const String& DisplayChecked() const { return FDisplayChecked; }
  void SetDisplayChecked(const String& Value) { SetField(FDisplayChecked, Value); }
  const String& DisplayUnchecked() const { return FDisplayUnchecked; }
  void SetDisplayUnchecked(const String& Value) { SetField(FDisplayUnchecked, Value); }
  const String& DisplayGrayed() const { return FDisplayGrayed; }
  void SetDisplayGrayed(const String& Value) { SetField(FDisplayGrayed, Value); }
  bool FullFocusRect() const { return FFullFocusRect; }
  void SetFullFocusRect(bool Value) { SetField(FFullFocusRect, Value); }
  // Made on first read; a change of the bitmap reports a change.
  virtual TBitmap* GetGlyph();
  void SetGlyph(TBitmap* Value);
  bool HasGlyph() const { return FGlyph != nullptr; }
  int GlyphCount() const { return FGlyphCount; }
  void SetGlyphCount(int Value);
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value) { SetField(FMultiLine, Value); }
  TcxCheckBoxNullValueShowingStyle NullStyle() const { return FNullStyle; }
  void SetNullStyle(TcxCheckBoxNullValueShowingStyle Value) { SetField(FNullStyle, Value); }
  bool UseAlignmentWhenInplace() const { return FUseAlignmentWhenInplace; }
  void SetUseAlignmentWhenInplace(bool Value) { SetField(FUseAlignmentWhenInplace, Value); }
  // The checked and unchecked values refuse Null; none of the three takes a
  // value equal (same type and value) to one of the three, except while loading.
  const Variant& ValueChecked() const { return FValueChecked; }
  void SetValueChecked(const Variant& Value);
  const Variant& ValueGrayed() const { return FValueGrayed; }
  void SetValueGrayed(const Variant& Value);
  const Variant& ValueUnchecked() const { return FValueUnchecked; }
  void SetValueUnchecked(const Variant& Value);
  // The three together, when they differ pairwise and the first two are not Null.
  void SetStateValues(const Variant& AChecked, const Variant& AUnchecked, const Variant& AGrayed);

  bool IsDisplayCheckedStored() const;
  bool IsDisplayUncheckedStored() const;
  bool IsDisplayGrayedStored() const;
  bool IsValueCheckedStored() const;
  bool IsValueGrayedStored() const { return !FValueGrayed.IsNull(); }
  bool IsValueUncheckedStored() const;
  bool IsGlyphStored() const { return FGlyph != nullptr && !FGlyph->Empty(); }
  TBitmap* GlyphForStream() { return GetGlyph(); }

  // The check state of a value: equal to ValueChecked checked, to
  // ValueUnchecked unchecked, anything else grayed.
  TcxCheckBoxState GetStateOfValue(const Variant& AValue);
  Variant StateToValue(TcxCheckBoxState AState) const;
  // The hook of embedded layouts: answers false, so the standalone rules hold.
  virtual bool UsesEmbeddedLayout() { return false; }

  bool CanValidate() override { return true; }
  bool IsChangeDrivenByText() override { return true; }
  bool IsEditValueChangeTracked() override { return true; }
  bool CompareDisplayValues(const Variant& V1, const Variant& V2) override;
  String GetDisplayText(const Variant& AValue, bool AFullText = false) override;
  unsigned GetEditCapabilities() override { return 1453; }
  bool IsActivationKey(wchar_t AKey) override { return AKey == L' '; }
  bool IsEditValueValid(const Variant& AValue) override;
  bool SupportsValueReset() override { return true; }
  void PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditing) override;

 private:
  template <class T>
  void SetField(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  bool IsOwnerLoading() const;
  bool AcceptsValue(const Variant& AValue, bool ANullAllowed) const;
  void GlyphChanged(TObject* Sender);
  void ReadCaption(TReader* Reader) { SetCaption(Reader->ReadString()); }
  void ReadValueChecked(TReader* Reader) { SetValueChecked(ReadStreamedVariant(Reader)); }
  void ReadValueGrayed(TReader* Reader) { SetValueGrayed(ReadStreamedVariant(Reader)); }
  void ReadValueUnchecked(TReader* Reader) { SetValueUnchecked(ReadStreamedVariant(Reader)); }
  void WriteValueChecked(TWriter* Writer) { WriteStreamedVariant(Writer, FValueChecked); }
  void WriteValueGrayed(TWriter* Writer) { WriteStreamedVariant(Writer, FValueGrayed); }
  void WriteValueUnchecked(TWriter* Writer) { WriteStreamedVariant(Writer, FValueUnchecked); }

  bool FAllowGrayed = false;
  String FCaption;
  String FDisplayChecked, FDisplayUnchecked, FDisplayGrayed;
  bool FFullFocusRect = false;
  TBitmap* FGlyph = nullptr;
  int FGlyphCount = 6;
  bool FMultiLine = false;
  TcxCheckBoxNullValueShowingStyle FNullStyle = nssGrayedChecked;
  bool FUseAlignmentWhenInplace = false;
  Variant FValueChecked{true};
  Variant FValueGrayed = Variant::Null();
  Variant FValueUnchecked{false};
};

class TcxCheckBoxProperties : public TcxCustomCheckBoxProperties {
  VAMIRE_EDIT_PROPERTIES_CLASS(TcxCheckBoxProperties, TcxCustomCheckBoxProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TcxCheckBoxProperties(TPersistent* AOwner) : TcxCustomCheckBoxProperties(AOwner) {}
};

// The glyph's border look only: a check box never draws a container border.
class TcxCheckBoxStyle : public TcxEditStyle {
  VAMIRE_CLASS(TcxCheckBoxStyle, TcxEditStyle)
 public:
  using TcxEditStyle::TcxEditStyle;
  static TObject* CreateFresh();
  bool BorderShown() const override { return false; }
};

// --- Drawing ----------------------------------------------------------------------------------
// What DrawCheckBoxGlyph needs to know of the box.
struct TcxCheckBoxGlyphParams {
  TcxCheckBoxState State = cbsUnchecked;
  TcxCheckBoxNullValueShowingStyle NullStyle = nssGrayedChecked;
  TcxCustomLookAndFeelPainterClass SkinPainter = nullptr;
  bool Focused = false;
  bool Designing = false;
  bool Opaque = true;  // the background is not transparent
  TColor BackgroundColor = clWindow;
  TColor BorderColor = clBtnShadow;
  bool Native = false;
  TcxContainerBorderStyle BorderStyle = cbsSingle;
  int GlyphCount = 0;
  TBitmap* Glyph = nullptr;
  TcxCheckPaintState PaintState = ecpsNormal;
};
// The glyph in G: a cell of a custom strip, the skin's check box, the
// theme's check-box part, or the drawn look with its border and check mark.
void DrawCheckBoxGlyph(TcxCanvas* ACanvas, const TRect& G, const TcxCheckBoxGlyphParams& P);
// Black where the system check-box bitmap's unchecked and checked cells
// differ (the check mark), white elsewhere; made at the unit's start.
TBitmap* CheckMarkMask();
// The glyph size: a valid custom strip's cell, else the skin painter's, the
// native painter's where the theme opens, else the standard painter's.
TSize GetCheckBoxGlyphSize(TcxLookAndFeel* ALookAndFeel, TBitmap* AGlyph, int AGlyphCount);

// --- View info and view data ------------------------------------------------------------------
class TcxCustomCheckBoxViewInfo : public TcxCustomTextEditViewInfo {
  VAMIRE_CLASS(TcxCustomCheckBoxViewInfo, TcxCustomTextEditViewInfo)
 public:
  TcxCustomCheckBoxViewInfo() = default;
  void PaintBackgroundAndBorder(TcxCanvas* ACanvas) override;
  void DrawText(TcxCanvas* ACanvas) override;
  void Assign(TcxContainerViewInfo* AViewInfo) override;
  TcxRegion* CreateUpdateRegion(TcxContainerViewInfo* AViewInfo) override;
  void Shift(int DX, int DY) override;
  void StoreButtonStates() override;
  int FindPressedButton() const override { return 0; }
  bool IsPointOverButton(const TPoint&) const override { return true; }
  String GetHintText(int) const override { return String(); }
  bool InvalidateChangedParts(HWND AWindow, TcxCustomEditViewInfo* AOld) override;

  TAlignment Alignment = taLeftJustify;
  int CheckBorderInset = 0;
  TcxContainerBorderStyle GlyphBorderLook = cbsSingle;
  TBitmap* Glyph = nullptr;  // the properties', not owned
  int GlyphCount = 0;
  TcxCheckPaintState PreviousPaintState = ecpsNormal;
  TcxCheckPaintState PaintState = ecpsNormal;
  TRect GlyphRect;
  TRect FocusArea;
  bool HasCustomGlyph = false;
  bool CaptionColorAssigned = false;
  bool CaptionEnabled = true;  // drawn plainly, not embossed
  bool Designing = false;
  TcxCheckBoxNullValueShowingStyle NullStyle = nssGrayedChecked;
  TcxCheckBoxState State = cbsUnchecked;
};

class TcxCustomCheckBoxViewData : public TcxCustomEditViewData {
  VAMIRE_CLASS(TcxCustomCheckBoxViewData, TcxCustomEditViewData)
 public:
  using TcxCustomEditViewData::TcxCustomEditViewData;
  static TObject* CreateFresh() { return nullptr; }
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, int AButtonCode, TShiftState AShift,
                 TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  TcxEditBorderStyle GetEffectiveBorderStyle() override { return ebsNone; }
  TSize CalcEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                            const TcxEditSizeProperties& ASize) override;
  TSize CalcEditSize(TcxCanvas* ACanvas, const Variant& AEditValue, const TcxEditSizeProperties& ASize,
                     TcxCustomEditViewInfo* AViewInfo) override;
  virtual TcxTextFlags GetDrawTextFlags();
  TcxCustomCheckBoxProperties* CheckProperties() const {
    return static_cast<TcxCustomCheckBoxProperties*>(Properties);
  }

  // What the editor tells: its caption, state, space key and last paint state.
  String Caption;
  TcxCheckBoxState CheckState = cbsUnchecked;
  bool SpaceHeld = false;
  TcxCheckPaintState PreviousPaintState = ecpsNormal;
  bool PreviewMode = false;
  bool ColorAssigned = false;

 private:
  TAlignment AlignmentInForce();
};

// --- The control ------------------------------------------------------------------------------
class TcxCheckBoxActionLink;

class TcxCustomCheckBox : public TcxCustomEdit {
  VAMIRE_CLASS(TcxCustomCheckBox, TcxCustomEdit)
 public:
  explicit TcxCustomCheckBox(TComponent* AOwner);
  ~TcxCustomCheckBox() override;
  static TClass GetPropertiesClass() { return TcxCustomCheckBoxProperties::StaticClass(); }
  TcxCustomCheckBoxProperties* CheckProperties() const {
    return static_cast<TcxCustomCheckBoxProperties*>(Properties());
  }
  TcxCustomCheckBoxProperties* ActiveCheckProperties() {
    return static_cast<TcxCustomCheckBoxProperties*>(ActiveProperties());
  }
  TcxCustomCheckBoxViewInfo* CheckViewInfo() const { return static_cast<TcxCustomCheckBoxViewInfo*>(EditViewInfo()); }

  bool Checked() { return State() == cbsChecked; }
  void SetChecked(bool Value) { SetState(Value ? cbsChecked : cbsUnchecked); }
  TcxCheckBoxState State();
  // While the form loads only remembered; else a different state becomes
  // the value with a click.
  void SetState(TcxCheckBoxState Value);
  bool IsStateStored();
  // The user's toggle: through DoEditing, so ReadOnly and OnEditing can refuse it.
  virtual void Toggle();
  bool SpaceHeld() const { return FSpaceHeld; }

  TBasicAction* Action() const;
  void SetAction(TBasicAction* Value);
  TcxCheckBoxActionLink* ActionLink() const { return FActionLink.get(); }

  void Clear() override { SetChecked(false); }
  void DisplayToEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool AEditFocused) override;
  bool IsDataBoundEditor() override { return false; }
  bool UsesNativeBackground() override;
  void Loaded() override;

 protected:
  TcxCustomCheckBox(TComponent* AOwner, bool AIsHosted, TClass APropertiesClass);
  void Initialize() override;
  void InitializeViewData(TcxCustomEditViewData* AViewData) override;
  void InternalSetEditValue(const Variant& Value, bool AValidateEditValue) override;
  void PropertiesChanged(TObject* Sender) override;
  void FillSizeProperties(TcxEditSizeProperties& ASize) override;
  void HandleEditKey(uint16_t& Key, TShiftState Shift) override;
  void DoEditKeyPress(wchar_t& Key) override;
  void DoEditKeyUp(uint16_t& Key, TShiftState Shift) override;
  bool NeedsClientRegion() override { return !IsHosted(); }
  bool PrefersParentColor() override { return true; }
  void StateRefreshed() override;
  TcxContainerStyleValues GetUnstoredStyleValues() override;
  void GetBorderBounds(TRect& R) override;
  void Click() override;
  void DoExit() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);

 private:
  friend class TcxCheckBoxActionLink;
  void DoActionChange(TObject* Sender) { ActionChange(Sender, false); }
  void CMDialogChar(TMessage& Message);
  bool HasNativeLook();

  bool FSpaceHeld = false;
  bool FLoadedStateAssigned = false;
  TcxCheckBoxState FLoadedState = cbsUnchecked;
  std::unique_ptr<TcxCheckBoxActionLink> FActionLink;
};

class TcxCheckBox : public TcxCustomCheckBox {
  VAMIRE_CLASS(TcxCheckBox, TcxCustomCheckBox)
 public:
  explicit TcxCheckBox(TComponent* AOwner) : TcxCustomCheckBox(AOwner, false, TcxCheckBoxProperties::StaticClass()) {}
  static TClass GetPropertiesClass() { return TcxCheckBoxProperties::StaticClass(); }
  TcxCheckBoxProperties* Properties() const { return static_cast<TcxCheckBoxProperties*>(FProperties); }
  void SetProperties(TcxCheckBoxProperties* Value) { FProperties->Assign(Value); }
  TcxCheckBoxStyle* Style() const { return static_cast<TcxCheckBoxStyle*>(TcxContainer::Style()); }
  void SetStyle(TcxCheckBoxStyle* Value) { TcxContainer::SetStyle(Value); }
};

// Follows the action's Checked, Caption, Enabled, Hint and Visible; a
// grayed box does not follow Checked.
class TcxCheckBoxActionLink : public TActionLink {
  VAMIRE_CLASS(TcxCheckBoxActionLink, TActionLink)
 public:
  explicit TcxCheckBoxActionLink(TObject* AClient);
  bool IsCheckedLinked() override;
  void SetChecked(bool Value) override;
  void SetCaption(const String& Value) override;
  void SetEnabled(bool Value) override;
  void SetHint(const String& Value) override;
  void SetVisible(bool Value) override;

 private:
  TcxCustomCheckBox* Box() const { return static_cast<TcxCustomCheckBox*>(Client()); }
};

// A check box as a filter value: the checked and the unchecked value.
class TcxFilterCheckBoxHelper : public TcxCustomFilterEditHelper {
  VAMIRE_CLASS_META(TcxFilterCheckBoxHelper, TcxCustomFilterEditHelper,
                    TcxFilterEditHelperClassOf<TcxFilterCheckBoxHelper>)
 public:
  TcxFilterCheckBoxHelper() = default;
  // Equal, not equal, null, not null (operators 1, 2, 9 and 10).
  static void GetAllowedOperators(TcxCustomEditProperties*, bool, bool, uint64_t& AOperators, bool) {
    AOperators = 1542;
  }
  static bool FilterByDisplayText() { return true; }
};

// Registers the check box (properties, filter helper, the class for forms)
// and builds the check-mark mask; takes them back at its end.
void cxCheckBox_Initialize();
void cxCheckBox_Finalize();
extern const TUnitEntry cxCheckBoxUnit;
