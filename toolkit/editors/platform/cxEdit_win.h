// The model under every editor: its settings object (properties) with the
// edit buttons and the alignments, the four editor styles and the style
// controller they share, the view data that turns settings and state into a
// view info, and the view info that paints the editor's border, background
// and buttons. Also the edit repository whose items share one properties
// object among editors, the plain data binding, and the registries every
// editor kind fills when its unit starts.
#pragma once

#include <windows.h>

#include <vector>

#include "Graphics.h"
#include "StdCtrls.h"
#include "Units.h"
#include "Variants.h"
#include "cxDataStorage.h"
#include "cxClasses.h"
#include "cxContainer_win.h"
#include "cxEdit.h"
#include "cxEditConsts.h"

class TcxCustomEditProperties;
class TcxCustomEditViewData;
class TcxCustomEditViewInfo;
class TcxEditButtons;
class TcxEditRepository;
class TcxCustomEdit;
struct TcxEditSizeProperties;

using TcxEditButtonClickEvent = TMethod<void(TObject* Sender, int AButtonIndex)>;
using TcxEditClosePopupEvent = TMethod<void(TObject* Sender, int AReason)>;
using TcxEditValidateEvent =
    TMethod<void(TObject* Sender, Variant& DisplayValue, String& ErrorText, bool& Error)>;

// --- Default values of a data source --------------------------------------------------------
// A data source's answers used where a value is not assigned.
class IcxEditDefaultValuesProvider : public virtual IInterface {
  VAMIRE_INTERFACE(IcxEditDefaultValuesProvider, IInterface, "{4F1B7C2E-6A0D-4E59-9C83-2B5E1D7A40F6}")
 public:
  virtual bool AllowsEditMode() = 0;
  virtual void ClearUsages() = 0;
  virtual TAlignment DefaultAlignment() = 0;
  virtual int DefaultBlobKind() = 0;
  virtual bool DefaultCanModify() = 0;
  virtual String DefaultDisplayFormat() = 0;
  virtual String DefaultEditFormat() = 0;
  virtual String DefaultEditMask() = 0;
  virtual int DefaultValueType() = 0;
  virtual int DefaultMaxLength() = 0;
  virtual double DefaultMaxValue() = 0;
  virtual double DefaultMinValue() = 0;
  virtual int DefaultPrecision() = 0;
  virtual bool DefaultReadOnly() = 0;
  virtual bool TreatsEmptyAsZero() = 0;
  virtual TObject* ProviderSelf() = 0;
  virtual bool IsDataBound() = 0;
  virtual bool SuppressesFormatting() = 0;
  virtual bool IsDisplayTextFromData() = 0;
  virtual bool IsDataAvailable() = 0;
  virtual bool IsDisplayFormatDefined(bool AIsCurrencyValueAccepted) = 0;
  virtual bool IsCurrency() = 0;
  virtual bool AcceptsAnyChar() = 0;
  virtual bool IsValidChar(wchar_t AChar) = 0;
};

// The plain provider the plain data binding owns: no data source behind it.
class TcxCustomEditDefaultValuesProvider : public TcxIUnknownObject, public IcxEditDefaultValuesProvider {
  VAMIRE_CLASS(TcxCustomEditDefaultValuesProvider, TcxIUnknownObject)
 public:
  explicit TcxCustomEditDefaultValuesProvider(TObject* AOwner = nullptr) : FOwner(AOwner) {}
  ~TcxCustomEditDefaultValuesProvider() override;
  bool GetInterface(const TGUID& iid, void** obj) override;
  int32_t QueryInterface(const TGUID& iid, void** obj) override { return TcxIUnknownObject::QueryInterface(iid, obj); }
  int32_t _AddRef() override { return -1; }
  int32_t _Release() override { return -1; }

  bool AllowsEditMode() override { return true; }
  void ClearUsages() override;
  TAlignment DefaultAlignment() override { return taLeftJustify; }
  int DefaultBlobKind() override { return 3; }
  bool DefaultCanModify() override { return true; }
  String DefaultDisplayFormat() override { return String(); }
  String DefaultEditFormat() override { return String(); }
  String DefaultEditMask() override { return String(); }
  int DefaultValueType() override { return 0; }
  int DefaultMaxLength() override { return 0; }
  double DefaultMaxValue() override { return 0.0; }
  double DefaultMinValue() override { return 0.0; }
  int DefaultPrecision() override { return 15; }
  bool DefaultReadOnly() override { return false; }
  bool TreatsEmptyAsZero() override { return false; }
  TObject* ProviderSelf() override { return this; }
  bool IsDataBound() override { return false; }
  bool SuppressesFormatting() override { return false; }
  bool IsDisplayTextFromData() override { return false; }
  bool IsDataAvailable() override { return true; }
  bool IsDisplayFormatDefined(bool) override { return false; }
  bool IsCurrency() override { return false; }
  bool AcceptsAnyChar() override { return false; }
  bool IsValidChar(wchar_t) override { return true; }

  TObject* Owner() const { return FOwner; }

 private:
  TObject* FOwner;
};

// --- Alignment and assigned values ----------------------------------------------------------
class TcxEditAlignment : public TPersistent {
  VAMIRE_CLASS(TcxEditAlignment, TPersistent)
 public:
  explicit TcxEditAlignment(TPersistent* AOwner) : FOwner(AOwner) {}
  static TObject* CreateFresh() { return new TcxEditAlignment(nullptr); }
  void Assign(TPersistent* Source) override;
  TPersistent* GetOwner() override { return FOwner; }

  TAlignment Horz() const { return FHorz; }
  // Marks Horz assigned; reports unless it was already assigned with this value.
  void SetHorz(TAlignment Value);
  TcxEditVertAlignment Vert() const { return FVert; }
  void SetVert(TcxEditVertAlignment Value);
  bool IsHorzAssigned() const { return FIsHorzAssigned; }
  // Clears the assigned flag and reports.
  void Reset();
  bool IsHorzStored() const { return FIsHorzAssigned; }
  bool IsVertStored() const { return FVert != taTopJustify; }

  TNotifyEvent OnChanged;

 private:
  friend class TcxCustomEditProperties;
  void DoChanged();
  TPersistent* FOwner;
  TAlignment FHorz = taLeftJustify;
  bool FIsHorzAssigned = false;
  TcxEditVertAlignment FVert = taTopJustify;
};

class TcxCustomEditPropertiesValues : public TPersistent {
  VAMIRE_CLASS(TcxCustomEditPropertiesValues, TPersistent)
 public:
  using TCreateArg = TcxCustomEditProperties;
  explicit TcxCustomEditPropertiesValues(TcxCustomEditProperties* AOwner) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;
  TPersistent* GetOwner() override;
  // All flags false inside an update of the owner.
  virtual void ClearAssignedFlags();

  bool MaxValue() const { return FMaxValue; }
  void SetMaxValue(bool Value) { SetFlag(FMaxValue, Value); }
  bool MinValue() const { return FMinValue; }
  void SetMinValue(bool Value) { SetFlag(FMinValue, Value); }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { SetFlag(FReadOnly, Value); }
  TcxCustomEditProperties* Properties() const { return FOwner; }

 private:
  void SetFlag(bool& AFlag, bool Value);
  TcxCustomEditProperties* FOwner;
  bool FMaxValue = false;
  bool FMinValue = false;
  bool FReadOnly = false;
};

// --- Edit buttons ---------------------------------------------------------------------------
class TcxEditButton : public TCollectionItem {
  VAMIRE_CLASS(TcxEditButton, TCollectionItem)
 public:
  explicit TcxEditButton(TCollection* Collection);
  ~TcxEditButton() override;
  void Assign(TPersistent* Source) override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  // The caption without accelerator marks.
  const String& VisibleCaption() const { return FVisibleCaption; }
  TAlignment ContentAlignment() const { return FContentAlignment; }
  void SetContentAlignment(TAlignment Value);
  bool Default() const { return FDefault; }
  // Setting true clears Default on the other buttons of the collection.
  void SetDefault(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Made on first read.
  TBitmap* Glyph();
  bool HasGlyph() const;
  void SetGlyph(TBitmap* Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  TcxEditButtonKind Kind() const { return FKind; }
  void SetKind(TcxEditButtonKind Value);
  bool LeftAlignment() const { return FLeftAlignment; }
  void SetLeftAlignment(bool Value);
  bool Stretchable() const { return FStretchable; }
  void SetStretchable(bool Value);
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  TColor TextColor() const { return FTextColor; }
  void SetTextColor(TColor Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TBitmap* GlyphForStream() { return Glyph(); }
  bool IsGlyphStored() const { return HasGlyph(); }

 private:
  template <class T>
  void SetField(T& AField, const T& AValue);
  void GlyphChanged(TObject* Sender);
  String FCaption;
  String FVisibleCaption;
  TAlignment FContentAlignment = taCenter;
  bool FDefault = false;
  bool FEnabled = true;
  TBitmap* FGlyph = nullptr;
  String FHint;
  TcxEditButtonKind FKind = bkDown;
  bool FLeftAlignment = false;
  bool FStretchable = true;
  int FTag = 0;
  TColor FTextColor = clBtnText;
  bool FVisible = true;
  int FWidth = 0;
};

// The caption with "&" dropped and "&&" made "&".
String RemoveAccelChars(const String& S);

class TcxEditButtons : public TOwnedCollection {
  VAMIRE_CLASS(TcxEditButtons, TOwnedCollection)
 public:
  using TCreateArg = TPersistent;
  // Made by the properties through the class object, with GetButtonClass's items.
  explicit TcxEditButtons(TPersistent* AOwner) : TcxEditButtons(AOwner, GetButtonClass()) {}
  TcxEditButtons(TPersistent* AOwner, TClass AButtonClass);
  static TObject* CreateFresh() { return new TcxEditButtons(nullptr, TcxEditButton::StaticClass()); }
  static TClass GetButtonClass() { return TcxEditButton::StaticClass(); }
  TcxEditButton* Add() { return static_cast<TcxEditButton*>(TCollection::Add()); }
  TcxEditButton* Items(int Index) const { return static_cast<TcxEditButton*>(TCollection::Items(Index)); }
  int VisibleCount() const;
  TNotifyEvent OnChange;

 protected:
  void Update(TCollectionItem* Item) override;
};

// --- Properties -----------------------------------------------------------------------------
// The class object of a properties class: names the classes of the editor kind.
class TcxEditPropertiesClassInfo : public TMetaClass {
 public:
  using TMetaClass::TMetaClass;
  virtual TClass GetAssignedValuesClass() const = 0;
  virtual TClass GetButtonsClass() const = 0;
  virtual TClass GetContainerClass() const = 0;
  virtual TClass GetStyleClass() const = 0;
  virtual TClass GetViewDataClass() const = 0;
  virtual TClass GetViewInfoClass() const = 0;
};
// A kind's class object answers through the kind's static class methods of the
// same names; a family that names more classes passes its own class-object base.
template <class P, class Info = TcxEditPropertiesClassInfo>
class TcxEditPropertiesClassOf : public Info {
 public:
  using Info::Info;
  TClass GetAssignedValuesClass() const override { return P::GetAssignedValuesClass(); }
  TClass GetButtonsClass() const override { return P::GetButtonsClass(); }
  TClass GetContainerClass() const override { return P::GetContainerClass(); }
  TClass GetStyleClass() const override { return P::GetStyleClass(); }
  TClass GetViewDataClass() const override { return P::GetViewDataClass(); }
  TClass GetViewInfoClass() const override { return P::GetViewInfoClass(); }
};
using TcxCustomEditPropertiesClass = const TcxEditPropertiesClassInfo*;
#define VAMIRE_EDIT_PROPERTIES_CLASS(Self, Parent) VAMIRE_CLASS_META(Self, Parent, TcxEditPropertiesClassOf<Self>)

// The settings of an editor, shared by the editors of a repository item.
class TcxCustomEditProperties : public TcxInterfacedPersistent {
  VAMIRE_EDIT_PROPERTIES_CLASS(TcxCustomEditProperties, TcxInterfacedPersistent)
 public:
  using TCreateArg = TPersistent;
  explicit TcxCustomEditProperties(TPersistent* AOwner);
  ~TcxCustomEditProperties() override;
  void Assign(TPersistent* Source) override;
  static TcxCustomEditPropertiesClass ClassInfoOf(TClass AClass) {
    return dynamic_cast<TcxCustomEditPropertiesClass>(AClass);
  }

  // Class methods: each kind redeclares the ones it changes.
  static TClass GetAssignedValuesClass() { return TcxCustomEditPropertiesValues::StaticClass(); }
  static TClass GetButtonsClass() { return TcxEditButtons::StaticClass(); }
  static TClass GetContainerClass();
  static TClass GetStyleClass();
  static TClass GetViewDataClass();
  static TClass GetViewInfoClass();

  void BeginUpdate();
  void EndUpdate(bool AInvoke = true);
  // Fires unless locked or the owner is being destroyed; else marks the change pending.
  void Changed();
  bool IsChangeLocked() const { return FLockChanges || FUpdateCount > 0; }
  void LockChanges(bool Value) { FLockChanges = Value; }
  bool ChangedLocked() const { return FLockChanges; }
  // A properties change is being fired.
  bool IsFiring() const { return FFiringCount > 0; }
  int UpdateCount() const { return FUpdateCount; }

  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { SetField(FAutoSelect, Value); }
  bool BeepOnError() const { return FBeepOnError; }
  void SetBeepOnError(bool Value) { FBeepOnError = Value; }
  TcxEditButtons* Buttons() const { return FButtons; }
  void SetButtons(TcxEditButtons* Value) { FButtons->Assign(Value); }
  int ButtonsViewStyle() const { return FButtonsViewStyle; }
  void SetButtonsViewStyle(int Value) { SetField(FButtonsViewStyle, Value); }
  uint16_t ClearKey() const { return FClearKey; }
  void SetClearKey(uint16_t Value) { FClearKey = Value; }
  uint16_t ClickKey() const { return FClickKey; }
  void SetClickKey(uint16_t Value) { FClickKey = Value; }
  bool ImmediatePost() const { return FImmediatePost; }
  void SetImmediatePost(bool Value) { FImmediatePost = Value; }
  // The public alignment, refreshed from the inner one with the default Horz.
  TcxEditAlignment* Alignment();
  virtual void SetAlignment(TcxEditAlignment* Value);
  TcxEditAlignment* InnerAlignment() const { return FInnerAlignment; }
  double MaxValue() const { return GetMaxValue(); }
  void SetMaxValue(double Value);
  double MinValue() const { return GetMinValue(); }
  void SetMinValue(double Value);
  bool ReadOnly() const { return GetReadOnly(); }
  void SetReadOnly(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value) { SetField(FTransparent, Value); }
  bool UseLeftAlignmentOnEditing() const { return FUseLeftAlignmentOnEditing; }
  void SetUseLeftAlignmentOnEditing(bool Value) { SetField(FUseLeftAlignmentOnEditing, Value); }
  bool UseMouseWheel() const { return FUseMouseWheel; }
  void SetUseMouseWheel(bool Value) { FUseMouseWheel = Value; }
  bool ValidateOnEnter() const { return FValidateOnEnter; }
  void SetValidateOnEnter(bool Value) { FValidateOnEnter = Value; }
  TcxCustomEditPropertiesValues* AssignedValues() const { return FAssignedValues; }
  void SetAssignedValues(TcxCustomEditPropertiesValues* Value) { FAssignedValues->Assign(Value); }
  IcxEditDefaultValuesProvider* DefaultValuesProvider() const { return FProvider; }
  // Reports a change when the owner is an editor.
  void SetDefaultValuesProvider(IcxEditDefaultValuesProvider* Value);
  TPersistent* Owner() const { return FOwner; }
  TcxFreeNotificator* FreeNotificator() const { return FFreeNotificator; }

  bool IsAlignmentStored() const;
  bool IsReadOnlyStored() const { return FAssignedValues->ReadOnly(); }
  bool IsUseLeftAlignmentOnEditingStored() const {
    return FUseLeftAlignmentOnEditing != DefaultUseLeftAlignmentOnEditing();
  }

  // --- Virtual operations, in slot order
  virtual void AlignmentChanged(TObject* Sender);
  virtual void ButtonsChanged(TObject* Sender);
  virtual bool CanValidate() { return false; }
  virtual bool DefaultUseLeftAlignmentOnEditing() const { return true; }
  virtual void DefaultValuesProviderDestroyed();
  virtual void FirePropertiesChanged();
  virtual void FreeNotification(TComponent* /*AComponent*/) {}
  virtual TAlignment GetDefaultHorzAlignment();
  virtual bool IsDisplayFormatUsed() { return false; }
  virtual double GetMaxValue() const;
  virtual double GetMinValue() const;
  virtual bool GetReadOnly() const;
  virtual String GetValidationErrorText();
  virtual bool IsDisplayFormatDefinedByData(bool AEditing);
  virtual bool IsChangeDrivenByText() { return false; }
  virtual bool WantsTabKey() { return false; }
  virtual bool IsDisplayFormatSeparate() { return true; }
  virtual bool IsEditValueChangeTracked() { return false; }
  virtual void AssignExtraData(TcxCustomEditProperties* /*ASource*/) {}
  virtual bool CompareDisplayValues(const Variant& V1, const Variant& V2);
  // A new object of the same class without owner.
  TcxCustomEditProperties* CreateSameClass() const;
  virtual TcxCustomEditViewData* CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted, bool AFlag = false);
  virtual String GetDisplayText(const Variant& /*AValue*/, bool /*AFullText*/ = false) { return String(); }
  virtual unsigned GetEditCapabilities();
  virtual bool IsActivationKey(wchar_t /*AKey*/) { return false; }
  virtual bool IsEditValueValid(const Variant& /*AValue*/) { return true; }
  virtual bool SupportsValueReset() { return false; }
  virtual void PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditing);
  virtual void RestoreDefaults();
  virtual bool IsValueFormattingSupported() { return false; }
  // Runs OnValidate (own, then the repository item's) for AEdit; answers
  // whether the handlers changed the display value's text.
  virtual bool ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError,
                                    TcxCustomEdit* AEdit);

  TcxEditButtonClickEvent OnButtonClick;
  TNotifyEvent OnChange;
  TcxEditClosePopupEvent OnClosePopup;
  TNotifyEvent OnEditValueChanged;
  TcxEditValidateEvent OnValidate;
  // Set by the owning editor or repository item.
  TNotifyEvent OnPropertiesChanged;

 private:
  template <class T>
  void SetField(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  bool IsOwnerDestroying() const;

 protected:
  // A kind that names other buttons or assigned-values classes passes its own
  // class object: the constructor makes its parts before the kind's exists.
  TcxCustomEditProperties(TPersistent* AOwner, TClass AKind);

 private:
  TPersistent* FOwner;
  bool FAutoSelect = true;
  bool FBeepOnError = false;
  TcxEditButtons* FButtons = nullptr;
  int FButtonsViewStyle = 0;
  bool FChangePending = false;
  uint16_t FClearKey = 0;
  uint16_t FClickKey = 16397;
  TcxFreeNotificator* FFreeNotificator = nullptr;
  bool FImmediatePost = false;
  TcxEditAlignment* FInnerAlignment = nullptr;
  int FFiringCount = 0;
  double FMaxValue = 0;
  double FMinValue = 0;
  bool FReadOnly = false;
  bool FTransparent = false;
  int FUpdateCount = 0;
  bool FUseLeftAlignmentOnEditing = true;
  bool FUseMouseWheel = true;
  bool FValidateOnEnter = false;
  TcxEditAlignment* FAlignment = nullptr;
  TcxCustomEditPropertiesValues* FAssignedValues = nullptr;
  bool FLockChanges = false;
  IcxEditDefaultValuesProvider* FProvider = nullptr;
};

// The live properties objects, in creation order (empty outside the unit's life).
const std::vector<TcxCustomEditProperties*>& LivePropertiesList();

// --- Styles ---------------------------------------------------------------------------------
class TcxCustomEditStyle : public TcxContainerStyle {
  VAMIRE_CLASS(TcxCustomEditStyle, TcxContainerStyle)
 public:
  explicit TcxCustomEditStyle(TcxContainerStyleCreateParams* AParams);
  TcxCustomEditStyle(TPersistent* AOwner, bool ADirectAccessMode, TcxContainerStyle* AParentStyle = nullptr,
                     TcxContainerStateIndex AState = csiNormal);
  static TObject* CreateFresh();
  void Assign(TPersistent* Source) override;

  TcxEditBorderStyle BorderStyle() const { return TcxEditBorderStyle(TcxContainerStyle::BorderStyle()); }
  void SetBorderStyle(TcxEditBorderStyle Value) { TcxContainerStyle::SetBorderStyle(TcxContainerBorderStyle(Value)); }
  TcxEditButtonStyle ButtonStyle() const;
  void SetButtonStyle(TcxEditButtonStyle Value);
  TcxEditButtonTransparency ButtonTransparency() const;
  void SetButtonTransparency(TcxEditButtonTransparency Value);
  TcxEditPopupBorderStyle PopupBorderStyle() const;
  void SetPopupBorderStyle(TcxEditPopupBorderStyle Value);
  bool GradientButtons() const;
  void SetGradientButtons(bool Value);
  bool Gradient() const;
  void SetGradient(bool Value);
  TcxEditGradientDirection GradientDirection() const;
  void SetGradientDirection(TcxEditGradientDirection Value);
  bool PopupCloseButton() const { return FPopupCloseButton; }
  void SetPopupCloseButton(bool Value) { FPopupCloseButton = Value; }

  bool IsValueAssigned(TcxContainerStyleValue AValue) const override;
  int GetValueCount() const override { return cxEditStyleValueCount; }
  bool GetValueName(TcxContainerStyleValue AValue, String& AName) const override;
  bool IsButtonStyleStored() const { return IsStoredValue(svButtonStyle, L"ButtonStyle"); }
  bool IsButtonTransparencyStored() const { return IsStoredValue(svButtonTransparency, L"ButtonTransparency"); }
  bool IsPopupBorderStyleStored() const { return IsStoredValue(svPopupBorderStyle, L"PopupBorderStyle"); }
  bool IsGradientStored() const { return IsStoredValue(svGradient, L"Gradient"); }
  bool IsGradientDirectionStored() const { return IsStoredValue(svGradientDirection, L"GradientDirection"); }

 protected:
  virtual TcxEditButtonStyle GetDefaultButtonStyle() const;
  virtual TcxEditButtonTransparency GetDefaultButtonTransparency() const;
  virtual bool GetDefaultGradient() const;
  virtual bool GetDefaultGradientButtons() const;
  virtual TcxEditGradientDirection GetDefaultGradientDirection() const;
  virtual TcxEditPopupBorderStyle GetDefaultPopupBorderStyle() const;
  TcxStyleController* GetDefaultStyleControllerFor() const override;
  TcxContainerStyleValues GetUnpublishedStyleValues() const override;

 private:
  // The style that assigns AValue: this one or one along the controller chain.
  const TcxCustomEditStyle* FindAssigning(TcxContainerStyleValue AValue) const;
  template <class T>
  void SetValue(T& AField, const T& AValue, TcxContainerStyleValue ABit);
  // Writes to a state style go to the normal one.
  TcxCustomEditStyle* WriteTarget();

  TcxEditButtonStyle FButtonStyle = btsDefault;
  TcxEditButtonTransparency FButtonTransparency = ebtNone;
  TcxEditPopupBorderStyle FPopupBorderStyle = epbsDefault;
  bool FGradientButtons = false;
  bool FGradient = false;
  TcxEditGradientDirection FGradientDirection = dirDown;
  bool FPopupCloseButton = true;
};

class TcxEditStyle : public TcxCustomEditStyle {
  VAMIRE_CLASS(TcxEditStyle, TcxCustomEditStyle)
 public:
  using TcxCustomEditStyle::TcxCustomEditStyle;
  static TObject* CreateFresh();
};

class TcxEditStyleController : public TcxStyleController {
  VAMIRE_CLASS(TcxEditStyleController, TcxStyleController)
 public:
  explicit TcxEditStyleController(TComponent* AOwner);
  TClass ContainerStyleClass() const override { return TcxEditStyle::StaticClass(); }
  TcxEditStyle* EditStyle() const { return static_cast<TcxEditStyle*>(StyleNormal()); }
  TcxEditStyle* EditStyleFocused() const { return static_cast<TcxEditStyle*>(StyleFocused()); }
  TcxEditStyle* EditStyleDisabled() const { return static_cast<TcxEditStyle*>(StyleDisabled()); }
  TcxEditStyle* EditStyleHot() const { return static_cast<TcxEditStyle*>(StyleHot()); }
};

// The controller whose styles supply the values no editor style assigns; made
// at the unit's start, null before and after.
TcxEditStyleController* GetDefaultEditStyleController();

// --- View info --------------------------------------------------------------------------------
class TcxEditButtonViewInfo : public TPersistent {
  VAMIRE_CLASS(TcxEditButtonViewInfo, TPersistent)
 public:
  TcxEditButtonViewInfo() = default;
  // Native state, background colour, bounds, style and state.
  void Assign(TPersistent* Source) override;
  // Style, state, background colour and native state differ.
  bool DiffersFrom(const TcxEditButtonViewInfo* AOld) const;

  TRect Bounds;
  TRect VisibleBounds;
  TColor BackgroundColor = clBtnFace;
  String Caption;
  String VisibleCaption;
  TAlignment ContentAlignment = taCenter;
  bool Default = false;
  TBitmap* Glyph = nullptr;  // the button's, not owned
  String Hint;
  TcxEditButtonKind Kind = bkDown;
  bool LeftAlignment = false;
  bool Stretchable = true;
  bool Gradient = false;
  bool Hosted = false;
  bool OuterEdge = false;
  bool ContentSide = false;
  TcxEditButtonState State = ebsNormal;
  TcxEditButtonStyle Style = bts3D;
  TColor TextColor = clBtnText;
  bool Transparent = false;
  int NativePart = 1;
  int NativeState = 1;
  bool NativeBackgroundPartlyTransparent = false;
  bool SingleDropDown = false;
  int ButtonIndex = 0;
  int Width = 0;
};

using TcxEditDrawBackgroundEvent = TMethod<void(TObject* Sender, TcxCanvas* ACanvas, bool& Handled)>;
using TcxEditDrawButtonEvent = TMethod<void(TObject* Sender, TcxCanvas* ACanvas, int AButtonIndex, bool& Handled)>;
using TcxEditDrawButtonBorderEvent = TMethod<void(TObject* Sender, TcxCanvas* ACanvas, int AButtonIndex,
                                                  TRect& ABackgroundRect, TRect& AContentRect, bool& Handled)>;
using TcxEditDrawButtonBackgroundEvent =
    TMethod<void(TObject* Sender, TcxCanvas* ACanvas, const TRect& R, int AButtonIndex, bool& Handled)>;
using TcxEditGetButtonStateEvent = TMethod<void(TObject* Sender, int AButtonIndex, TcxEditButtonState& AState)>;
using TcxEditPaintEvent = TMethod<void(TObject* Sender, TcxCanvas* ACanvas)>;
using TcxEditGetDisplayTextEvent = TMethod<void(TObject* Sender, String& AText)>;
using TcxEditGetDefaultButtonWidthEvent = TMethod<void(TObject* Sender, int AButtonIndex, int& AWidth)>;

class TcxCustomEditViewInfo : public TcxContainerViewInfo {
  VAMIRE_CLASS(TcxCustomEditViewInfo, TcxContainerViewInfo)
 public:
  TcxCustomEditViewInfo() = default;
  ~TcxCustomEditViewInfo() override;

  virtual TClass GetButtonViewInfoClass() const { return TcxEditButtonViewInfo::StaticClass(); }
  // -2 outside the border rectangle, a button's index, else -1.
  virtual int GetPartIndexAt(const TPoint& P) const;
  // -1: the content area between the buttons bordering it; else the button's bounds.
  virtual TRect GetPartRect(int APartIndex) const;
  virtual bool RepaintsOnStateChange() const { return true; }
  virtual void DrawButton(TcxCanvas* ACanvas, int AButtonIndex);
  // Glyph buttons and skinned editors compose their buttons off screen.
  bool DrawsButtonOffScreen(const TcxEditButtonViewInfo* B) const;
  virtual void StoreButtonStates();
  virtual void PaintButton(TcxCanvas* ACanvas, int AButtonIndex);
  // The background and text colours and the two rectangles of a button's frame.
  virtual void DrawButtonBorderByStyle(TcxCanvas* ACanvas, int AButtonIndex, TRect& ABackgroundRect,
                                       TRect& AContentRect, TColor& APenColor, TColor& ABrushColor);
  virtual void DrawButtonContent(TcxCanvas* ACanvas, int AButtonIndex, const TRect& AContentRect, TColor APenColor,
                                 TColor ABrushColor, bool ANeedOffsetContent);
  // Fills a button's background: the Office11 gradient where the style asks for it, else solid.
  virtual void DrawButtonBackground(TcxCanvas* ACanvas, int AButtonIndex, const TRect& R, TColor ABrushColor);
  // The skin's editor background and text colours for the state; clDefault both without a skin.
  virtual void GetSkinColors(TColor& ABackground, TColor& AText) const;
  // The background kind (CalcEditBackgroundKind) for the view info's state; a
  // hosted editor's hook, given a canvas, draws R and answers whether it did.
  int GetBackgroundKind(TcxCanvas* ACanvas, const TRect& R);
  // Draws R by the kind, the device context saved around it; without
  // AWithButtons the buttons' rectangle is left out first.
  void DrawBackgroundByKind(TcxCanvas* ACanvas, const TRect& R, bool AWithButtons, const TRect& AButtonsRect);
  virtual int FindPressedButton() const;
  virtual bool IsPointOverButton(const TPoint& P) const { return GetPartIndexAt(P) >= 0; }
  virtual String GetHintText(int APartIndex) const;
  // The hint for the point P (relative to the view info): the short hint of the
  // button under it, in the rectangle a hint window takes for it, placed at the
  // cursor below the cursor's picture (screen coordinates). False without a text.
  virtual bool GetHintInfo(TcxCanvas* ACanvas, const TPoint& P, String& AText, bool& AMultiLine, TRect& ARect);
  virtual void InvalidateAll(HWND AWindow);
  // Invalidates what differs from AOld; answers whether anything was.
  virtual bool InvalidateChangedParts(HWND AWindow, TcxCustomEditViewInfo* AOld);

  void PaintBackgroundAndBorder(TcxCanvas* ACanvas) override;
  void Assign(TcxContainerViewInfo* AViewInfo) override;
  TcxRegion* CreateUpdateRegion(TcxContainerViewInfo* AViewInfo) override;
  void Shift(int DX, int DY) override;
  void Render(TcxCanvas* ACanvas) override;

  int ButtonCount() const { return int(Buttons.size()); }
  TcxEditButtonViewInfo* Button(int AIndex) const { return Buttons[AIndex]; }
  void ClearButtons();
  TcxEditButtonViewInfo* AddButton();
  // The painter the look-and-feel chose for the last calculation.
  TcxCustomLookAndFeelPainterClass LookPainter() const;

  std::vector<TcxEditButtonViewInfo*> Buttons;
  TcxEditBorderStyle EditBorderStyle = ebsSingle;
  int PressedButton = -1;
  int SelectedButton = -1;
  int LastPressedButton = -1;
  int LastSelectedButton = -1;
  TObject* Edit = nullptr;
  bool IsHosted = false;
  TRect InnerEditRect;
  TRect ShadowRect;
  TFont* Font = nullptr;  // the style's, not owned
  TColor TextColor = clWindowText;
  bool Transparent = false;
  bool Enabled = true;
  bool Focused = false;
  unsigned PaintOptions = 0;
  HWND WindowHandle = nullptr;
  bool UsesOffice11 = false;  // ultra-flat buttons use the Office11 colours
  bool HasOwnBorder = true;   // standalone with a border
  TcxEditPopupBorderStyle PopupBorderStyle = epbsDefault;
  TcxLookAndFeel* LookAndFeel = nullptr;  // the style's
  // The editor draws its parent's themed background behind it (its UsesNativeBackground).
  bool NativeBackground = false;

  TcxEditPaintEvent OnPaint;
  TcxEditDrawBackgroundEvent OnDrawBackground;
  TcxEditDrawButtonEvent OnDrawButton;
  TcxEditDrawButtonBorderEvent OnDrawButtonBorder;
  TcxEditDrawButtonBackgroundEvent OnDrawButtonBackground;
  TcxEditGetButtonStateEvent OnGetButtonState;

 private:
  void DrawNativeButton(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButton, TRect& AContentRect);
  // Border, background and content of one button on ACanvas.
  void DrawButtonLayers(TcxCanvas* ACanvas, int AButtonIndex);
  bool FPaintingButton = false;
};

// --- View data ------------------------------------------------------------------------------
// What an editor tells the view data about itself (no editor: the defaults).
struct TcxEditViewState {
  bool Enabled = true;
  bool Focused = false;
  bool DesignTime = false;
  bool HasHScrollBar = false;
  bool HasVScrollBar = false;
  int HScrollBarHeight = 0;
  int VScrollBarWidth = 0;
  int CapturedButton = -1;
  HWND Window = nullptr;
};

class TcxCustomEditViewData : public TPersistent {
  VAMIRE_CLASS(TcxCustomEditViewData, TPersistent)
 public:
  TcxCustomEditViewData(TcxCustomEditProperties* AProperties, TcxContainerStyle* AStyle, bool AIsHosted);
  static TObject* CreateFresh() { return nullptr; }

  // Fills AViewInfo for ABounds and the mouse at P (-1, -1: nowhere);
  // AButtonCode 0 none, 1 left, 2 right, 3 middle; AIsMouseEvent: a press.
  virtual void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, int AButtonCode,
                         TShiftState AShift, TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent);
  virtual void CalcButtons(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo, const TPoint& P, int AButtonCode,
                           TShiftState AShift, bool AIsMouseEvent);
  virtual void InitButtonViewInfo(TcxEditButtonViewInfo* AButtonViewInfo, TcxEditButton* AButton);
  virtual bool CanButtonBeHot() { return true; }
  virtual bool IsButtonDrawnPressed(int /*AButtonIndex*/) { return false; }
  virtual bool IsFixedWidthButton(int /*AButtonIndex*/) { return false; }
  virtual void CalcKindSpecificParts(TcxCanvas*, TcxCustomEditViewInfo*) {}
  virtual TColor GetBorderColor(bool AHotOrFocused);
  // Background when no skin gives one: the style's, or the theme's edit face for a native editor.
  TColor GetBackgroundColor(int ANativeState);
  virtual TRect GetBorderExtent();
  virtual TcxEditBorderStyle GetEffectiveBorderStyle();
  virtual TRect GetNativeContentMargins();
  virtual bool HasShadow();
  virtual int GetEditButtonWidth(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo);
  virtual String EditValueToDisplayText(const Variant&) { return String(); }
  // The editor's size for its content (auto-size): the border, buttons and
  // scroll bars around what CalcEditContentSize measures.
  virtual TSize CalcEditSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                             const TcxEditSizeProperties& ASize, TcxCustomEditViewInfo* AViewInfo);
  // Zero here; the kinds that show a value measure it.
  virtual TSize CalcEditContentSize(TcxCanvas*, const Variant&, const TcxEditSizeProperties&) { return {}; }
  // Native when the look-and-feel of the style draws natively.
  static bool UsesNativeBorder(TcxLookAndFeel* ALookAndFeel);
  TcxEditButtonStyle EffectiveButtonStyle();

  TcxCustomEditProperties* Properties;
  TcxContainerStyle* Style;
  TcxCustomEditStyle* EditStyle() const { return static_cast<TcxCustomEditStyle*>(Style); }
  bool IsHosted;
  TcxEditViewState State;
  TRect HostedBorderRect;
  TRect ContentOffsets;
  int ButtonsCount = 0;
  TAlignment HorzAlignment = taLeftJustify;
  TcxEditVertAlignment VertAlignment = taTopJustify;
  bool NativeStyle = false;
  bool Hot = false;
  TcxEditButtonsLayout Layout;

  TcxEditGetDisplayTextEvent OnGetDisplayText;
  TcxEditGetDefaultButtonWidthEvent OnGetDefaultButtonWidth;

 protected:
  virtual void InitFromProperties();
  bool IsSkinned() const;
};

// --- Repository, data binding, registries ----------------------------------------------------
class IcxEditItemListener : public virtual IInterface {
  VAMIRE_INTERFACE(IcxEditItemListener, IInterface, "{9A2C6E14-3B7F-4D08-A5E1-7C40F2B93D65}")
 public:
  virtual void ItemRemoved(class TcxEditRepositoryItem* Sender) = 0;
  virtual void PropertiesChanged(class TcxEditRepositoryItem* Sender) = 0;
};

class TcxEditRepositoryItem : public TComponent {
  VAMIRE_CLASS(TcxEditRepositoryItem, TComponent)
 public:
  explicit TcxEditRepositoryItem(TComponent* AOwner);
  ~TcxEditRepositoryItem() override;
  static TClass GetEditPropertiesClass() { return TcxCustomEditProperties::StaticClass(); }
  // The class of this item's properties (through the kind's class method).
  virtual TClass EditPropertiesClass() const { return GetEditPropertiesClass(); }
  virtual String GetBaseName() const;
  virtual void AddListener(IcxEditItemListener* AListener);
  virtual void RemoveListener(IcxEditItemListener* AListener);
  int ListenerCount() const { return int(FListeners.size()); }

  TcxCustomEditProperties* Properties() const { return FProperties; }
  void SetProperties(TcxCustomEditProperties* Value) { FProperties->Assign(Value); }
  TcxEditRepository* Repository() const { return FRepository; }
  void SetRepository(TcxEditRepository* Value);
  bool HasParent() override { return FRepository != nullptr; }
  TComponent* GetParentComponent() override;
  void SetParentComponent(TComponent* Value) override;

  TNotifyEvent PropertiesEvents;

 protected:
  virtual void PropertiesChanged(TObject* Sender);
  // Made by the constructor of a kind that names another properties class.
  void CreateProperties();

 private:
  std::vector<IcxEditItemListener*> FListeners;
  TcxCustomEditProperties* FProperties = nullptr;
  TcxEditRepository* FRepository = nullptr;
};

class TcxEditRepository : public TComponent {
  VAMIRE_CLASS(TcxEditRepository, TComponent)
 public:
  explicit TcxEditRepository(TComponent* AOwner) : TComponent(AOwner) {}
  ~TcxEditRepository() override;
  TcxEditRepositoryItem* CreateItem(TClass AItemClass);
  TcxEditRepositoryItem* CreateItemEx(TClass AItemClass, TComponent* AOwner);
  void RemoveItem(TcxEditRepositoryItem* AItem);
  int Count() const { return int(FItems.size()); }
  TcxEditRepositoryItem* Items(int Index) const { return FItems[Index]; }
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

 private:
  friend class TcxEditRepositoryItem;
  std::vector<TcxEditRepositoryItem*> FItems;
};

// The plain binding: the value lives in the editor.
class TcxEditDataBinding : public TPersistent {
  VAMIRE_CLASS(TcxEditDataBinding, TPersistent)
 public:
  using TCreateArg = TObject;
  explicit TcxEditDataBinding(TObject* AEdit);
  ~TcxEditDataBinding() override;
  static TClass GetDefaultValuesProviderClass() { return TcxCustomEditDefaultValuesProvider::StaticClass(); }
  IcxEditDefaultValuesProvider* GetIDefaultValuesProvider() const { return FProvider; }
  TcxCustomEditDefaultValuesProvider* DefaultValuesProvider() const { return FProvider; }
  TObject* Edit() const { return FEdit; }
  TPersistent* GetOwner() override { return dynamic_cast<TPersistent*>(FEdit); }
  bool ForcesInnerReadOnly() const { return false; }
  bool IsDataAvailable() const { return FProvider->IsDataAvailable(); }
  bool HasNoData() const { return !IsDataAvailable(); }
  virtual bool ExecuteAction(TObject*) { return false; }
  virtual bool UpdateAction(TObject*) { return false; }
  virtual void EditorChanged() {}
  virtual void SetStoredValue(const Variant&) {}
  // The plain binding answers from its editor.
  virtual bool IsEditing();
  virtual bool IsModified();
  virtual Variant GetStoredValue();
  virtual void Reset();
  virtual bool SetEditMode();
  virtual void MarkModifiedIfFocused();
  virtual void UpdateDisplayValue();

 private:
  TObject* FEdit;
  TcxCustomEditDefaultValuesProvider* FProvider;
};

// Per-host state of a hosted editor.
class TcxCustomEditData : public TObject {
  VAMIRE_CLASS(TcxCustomEditData, TObject)
 public:
  explicit TcxCustomEditData(TComponent* AEdit);
  ~TcxCustomEditData() override;
  TComponent* Edit() const { return FEdit; }
  bool Cleared = true;

 private:
  void EditFreed(TComponent* Sender);
  TComponent* FEdit;
  TcxFreeNotificator* FNotificator;
};

// The properties classes of the editor kinds with their descriptions, sorted
// by description; made on first use, freed when the unit ends.
TcxRegisteredClasses* EditPropertiesRegistry();

// The filter helper of a properties class: every operation is a class method.
class TcxCustomFilterEditHelper;
using TcxCustomFilterEditHelperClass = const class TcxFilterEditHelperClassInfo*;
class TcxFilterEditHelperClassInfo : public TMetaClass {
 public:
  using TMetaClass::TMetaClass;
  virtual void ClearEditEvents(TcxCustomEditProperties* AProperties) const = 0;
  virtual bool KeepsDefaultValuesProvider(TcxCustomEditProperties* ASource) const = 0;
  virtual bool KeepsEditButtons() const = 0;
  virtual void GetAllowedOperators(TcxCustomEditProperties* AProperties, bool AHasValueType, bool AIsString,
                                   uint64_t& AOperators, bool AExtended) const = 0;
  virtual void PreparePropertiesForFilter(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* ASource,
                                          bool AKeepButtons) const = 0;
  virtual bool FilterByDisplayText() const = 0;
  virtual void InitializeFilterEdit(TcxCustomEdit* AEdit, TcxCustomEditProperties* ASource) const = 0;
  virtual TClass GetEditorClass() const = 0;
  virtual void GetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AProperties, String& ADisplayText,
                              Variant& AValue) const = 0;
  virtual bool AcceptsValue(TcxValueTypeClass AValueType, const Variant& AValue) const = 0;
  virtual void AssignFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AProperties,
                                 const Variant& AValue) const = 0;
};
template <class H>
class TcxFilterEditHelperClassOf : public TcxFilterEditHelperClassInfo {
 public:
  using TcxFilterEditHelperClassInfo::TcxFilterEditHelperClassInfo;
  void ClearEditEvents(TcxCustomEditProperties* P) const override { H::ClearEditEvents(P); }
  bool KeepsDefaultValuesProvider(TcxCustomEditProperties* S) const override {
    return H::KeepsDefaultValuesProvider(S);
  }
  bool KeepsEditButtons() const override { return H::KeepsEditButtons(); }
  void GetAllowedOperators(TcxCustomEditProperties* P, bool V, bool S, uint64_t& O, bool E) const override {
    H::GetAllowedOperators(P, V, S, O, E);
  }
  void PreparePropertiesForFilter(TcxCustomEditProperties* P, TcxCustomEditProperties* S, bool B) const override {
    H::PreparePropertiesForFilter(this, P, S, B);
  }
  bool FilterByDisplayText() const override { return H::FilterByDisplayText(); }
  void InitializeFilterEdit(TcxCustomEdit* E, TcxCustomEditProperties* S) const override {
    H::InitializeFilterEdit(this, E, S);
  }
  TClass GetEditorClass() const override { return H::GetEditorClass(); }
  void GetFilterValue(TcxCustomEdit* E, TcxCustomEditProperties* P, String& T, Variant& V) const override {
    H::GetFilterValue(E, P, T, V);
  }
  bool AcceptsValue(TcxValueTypeClass T, const Variant& V) const override { return H::AcceptsValue(T, V); }
  void AssignFilterValue(TcxCustomEdit* E, TcxCustomEditProperties* P, const Variant& V) const override {
    H::AssignFilterValue(E, P, V);
  }
};

class TcxCustomFilterEditHelper : public TObject {
  VAMIRE_CLASS_META(TcxCustomFilterEditHelper, TObject, TcxFilterEditHelperClassOf<TcxCustomFilterEditHelper>)
 public:
  TcxCustomFilterEditHelper() = default;
  static void ClearEditEvents(TcxCustomEditProperties* AProperties);
  static bool KeepsDefaultValuesProvider(TcxCustomEditProperties*) { return true; }
  static bool KeepsEditButtons() { return false; }
  // Operators 1 to 10 (1 to 14 extended) as bits; 7 and 8 (like, not like) only for a string value type.
  static void GetAllowedOperators(TcxCustomEditProperties* AProperties, bool AHasValueType, bool AIsString,
                                  uint64_t& AOperators, bool AExtended);
  // AHelper: the class object, so a kind's answers decide.
  static void PreparePropertiesForFilter(TcxCustomFilterEditHelperClass AHelper, TcxCustomEditProperties* AProperties,
                                         TcxCustomEditProperties* ASource, bool AKeepButtons);
  static bool FilterByDisplayText() { return false; }
  // The editor's active properties prepared from ASource, buttons kept as the helper says.
  static void InitializeFilterEdit(TcxCustomFilterEditHelperClass AHelper, TcxCustomEdit* AEdit,
                                   TcxCustomEditProperties* ASource);
  // Each kind's helper names the editor a filter value is typed in; the base none.
  static TClass GetEditorClass() { return nullptr; }
  // The editor's value and its full display text through AProperties.
  static void GetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AProperties, String& ADisplayText,
                             Variant& AValue);
  // Whether the value converts to the value type (no type: any value).
  static bool AcceptsValue(TcxValueTypeClass AValueType, const Variant& AValue);
  static void AssignFilterValue(TcxCustomEdit*, TcxCustomEditProperties*, const Variant&) {}
};

class TcxFilterEditsController : public TcxRegisteredClassList {
  VAMIRE_CLASS(TcxFilterEditsController, TcxRegisteredClassList)
 public:
  TcxFilterEditsController() = default;
  // Stored under the parent class of APropertiesClass.
  void Register(TClass APropertiesClass, TClass AHelperClass);
  void Unregister(TClass APropertiesClass, TClass AHelperClass);
  TcxCustomFilterEditHelperClass FindHelper(TClass APropertiesClass) const;
};
// Made on first use; freed when its last registration goes.
TcxFilterEditsController* GetFilterEditsController();

// --- Unit -----------------------------------------------------------------------------------
void cxEdit_Initialize();
void cxEdit_Finalize();
extern const TUnitEntry cxEditUnit;

#include "cxEdit_control_win.h"
