// The colour combo box: a fixed-list combo box whose value is a colour and
// whose rows show a framed colour box beside the colour's name. The list is
// the recently used colours (MRU) above the application's custom colours
// above a prepared list; a colour outside the list is named by the naming
// convention or written as a number. An optional button runs the system
// colour dialog and adds the chosen colour. The console's subtitle window
// refills the items with its 18 colours and reads and writes Text as a name.
#pragma once

#include "Dialogs.h"
#include "cxColorComboBox.h"
#include "cxDropDownEdit_combo_win.h"

class TcxCustomColorComboBox;
class TcxCustomColorComboBoxProperties;

enum TcxColorBoxAlign { cbaLeft, cbaRight };
enum TcxColorComboStyle { cxccsComboList, cxccsComboEdit };
enum TcxColorDialogType { cxcdtDefault, cxcdtCustom };
enum TcxDefaultColorStyle { cxdcClear, cxdcColor, cxdcHatched, cxdcText, cxdcCustom };
VAMIRE_ENUM_NAMES(TcxColorBoxAlign, L"cbaLeft", L"cbaRight")
VAMIRE_ENUM_NAMES(TcxColorComboStyle, L"cxccsComboList", L"cxccsComboEdit")
VAMIRE_ENUM_NAMES(TcxColorDialogType, L"cxcdtDefault", L"cxcdtCustom")
VAMIRE_ENUM_NAMES(TcxDefaultColorStyle, L"cxdcClear", L"cxdcColor", L"cxdcHatched", L"cxdcText", L"cxdcCustom")
VAMIRE_ENUM_NAMES(TcxColorNamingConvention, L"cxncNone", L"cxncTesmar", L"cxncHTML4", L"cxncX11")
VAMIRE_ENUM_NAMES(TcxColorValueFormat, L"cxcvRGB", L"cxcvHexadecimal", L"cxcvInteger")
VAMIRE_ENUM_NAMES(TcxColorPrepareList, L"cxplNone", L"cxplTesmar", L"cxplHTML4", L"cxplX11", L"cxplX11Ordered")

using TcxGetDefaultColorEvent = TMethod<void(TObject* Sender, TColor& AColor)>;
using TcxNamingConventionEvent = TMethod<void(TObject* Sender, TColor AColor, String& AColorDescription)>;
using TcxSelectCustomColorEvent =
    TMethod<void(TObject* Sender, TColor& AColor, String& AColorDescription, bool& AddToList)>;

// A 1-pixel frame in ABackground, inside it one in AFrameColor, then the inside
// by the style: clear (background), colour or custom (AColor), hatched (a
// diagonal cross hatch in AColor over the background). Nothing for an empty R.
void DrawColorBox(TcxCanvas* ACanvas, const TRect& R, TColor AFrameColor, TcxDefaultColorStyle AStyle,
                  TColor ABackground, TColor AColor);

// --- Items ------------------------------------------------------------------------------------
class TcxColorComboBoxItem : public TCollectionItem {
  VAMIRE_CLASS(TcxColorComboBoxItem, TCollectionItem)
 public:
  using TCreateArg = TCollection;
  explicit TcxColorComboBoxItem(TCollection* ACollection) : TCollectionItem(ACollection) {}
  void Assign(TPersistent* Source) override;
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  const String& Description() const { return FDescription; }
  void SetDescription(const String& Value);
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  bool IsCustomColor() const { return FIsCustomColor; }
  void SetIsCustomColor(bool Value) { FIsCustomColor = Value; }

 private:
  TColor FColor = clBlack;
  String FDescription;
  int FTag = 0;
  bool FIsCustomColor = true;
};

class TcxColorComboBoxItems : public TOwnedCollection {
  VAMIRE_CLASS(TcxColorComboBoxItems, TOwnedCollection)
 public:
  TcxColorComboBoxItems(TPersistent* AOwner) : TOwnedCollection(AOwner, TcxColorComboBoxItem::StaticClass()) {}
  TcxColorComboBoxItem* Items(int Index) const { return static_cast<TcxColorComboBoxItem*>(TCollection::Items(Index)); }

  // --- Virtual operations, in slot order
  virtual TcxColorComboBoxItem* FindColorItem(TColor AColor);
  // None when the colour is already in the collection.
  virtual TcxColorComboBoxItem* AddColor(TColor AColor, const String& ADescription);
  virtual TcxColorComboBoxItem* InsertColor(int AIndex, TColor AColor, const String& ADescription);
  virtual void MoveColor(int AFromIndex, int AToIndex);
  virtual void ClearCustom();
  virtual void ClearPrepared();

  int IndexOfColor(TColor AColor) const;
  TNotifyEvent OnChange;

 protected:
  void Update(TCollectionItem* Item) override;
};

// --- View -------------------------------------------------------------------------------------
class TcxCustomColorComboBoxViewInfo : public TcxCustomTextEditViewInfo {
  VAMIRE_CLASS(TcxCustomColorComboBoxViewInfo, TcxCustomTextEditViewInfo)
 public:
  TcxCustomColorComboBoxViewInfo() = default;
  // The box beside (or instead of) the text, and the focus rectangle around a lone box.
  void PaintBackgroundAndBorder(TcxCanvas* ACanvas) override;
  void Shift(int DX, int DY) override;

  TRect ColorBoxRect;
  TColor ColorBoxColor = clNone;
  TColor ColorBoxBackground = clWindow;
  TColor ColorBoxFrameColor = clBtnShadow;
  TcxDefaultColorStyle DefaultColorStyle = cxdcColor;
  bool Found = false;
  bool ShowDescriptions = true;
  TcxColorBoxAlign ColorBoxAlign = cbaLeft;
  int ColorBoxWidth = 30;
  bool FocusBox = false;
};

class TcxCustomColorComboBoxViewData : public TcxCustomDropDownEditViewData {
  VAMIRE_CLASS(TcxCustomColorComboBoxViewData, TcxCustomDropDownEditViewData)
 public:
  using TcxCustomDropDownEditViewData::TcxCustomDropDownEditViewData;
  TcxCustomColorComboBoxProperties* ColorProperties() const;

  // The base calculation, then the colour box at its side of the text area.
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, int AButtonCode, TShiftState AShift,
                 TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  virtual void InitColorBoxParams(TcxCustomColorComboBoxViewInfo* AViewInfo);
  TSize CalcEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue, const TcxEditSizeProperties& ASize) override;
};

// --- List -------------------------------------------------------------------------------------
class TcxCustomColorComboBoxListBox : public TcxComboBoxListBox {
  VAMIRE_CLASS(TcxCustomColorComboBoxListBox, TcxComboBoxListBox)
 public:
  using TCreateArg = TComponent;
  explicit TcxCustomColorComboBoxListBox(TComponent* AOwner) : TcxComboBoxListBox(AOwner) {}
  bool DoDrawItem(int AIndex, const TRect& ARect, TOwnerDrawState AState) override;
  // At least 16, the last MRU row 3 taller for the double separator.
  int GetItemHeightAt(int AIndex) override;
  int GetItemWidth(int AIndex) override;
};

class TcxColorComboBoxLookupData : public TcxComboBoxLookupData {
  VAMIRE_CLASS(TcxColorComboBoxLookupData, TcxComboBoxLookupData)
 public:
  using TCreateArg = TPersistent;
  explicit TcxColorComboBoxLookupData(TPersistent* AOwner) : TcxComboBoxLookupData(AOwner) {}
  TClass GetListBoxClass() override { return TcxCustomColorComboBoxListBox::StaticClass(); }
};

// --- Properties -------------------------------------------------------------------------------
class TcxCustomColorComboBoxProperties : public TcxCustomComboBoxProperties {
  VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(TcxCustomColorComboBoxProperties, TcxCustomComboBoxProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TcxCustomColorComboBoxProperties(TPersistent* AOwner)
      : TcxCustomColorComboBoxProperties(AOwner, StaticClass()) {}
  ~TcxCustomColorComboBoxProperties() override;
  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;

  static TClass GetContainerClass();
  static TClass GetViewDataClass() { return TcxCustomColorComboBoxViewData::StaticClass(); }
  static TClass GetViewInfoClass() { return TcxCustomColorComboBoxViewInfo::StaticClass(); }
  static TClass GetLookupDataClass() { return TcxColorComboBoxLookupData::StaticClass(); }
  TcxCustomEditViewData* CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted, bool AFlag = false) override;

  bool AllowSelectColor() const { return FAllowSelectColor; }
  void SetAllowSelectColor(bool Value);
  TcxColorBoxAlign ColorBoxAlign() const { return FColorBoxAlign; }
  void SetColorBoxAlign(TcxColorBoxAlign Value) { SetField(FColorBoxAlign, Value); }
  TColor ColorBoxFrameColor() const { return FColorBoxFrameColor; }
  void SetColorBoxFrameColor(TColor Value) { SetField(FColorBoxFrameColor, Value); }
  int ColorBoxWidth() const { return FColorBoxWidth; }
  void SetColorBoxWidth(int Value) { SetField(FColorBoxWidth, Value < 0 ? 0 : Value); }
  TcxColorComboStyle ColorComboStyle() const { return FColorComboStyle; }
  void SetColorComboStyle(TcxColorComboStyle Value) { SetField(FColorComboStyle, Value); }
  TcxColorDialogType ColorDialogType() const { return FColorDialogType; }
  void SetColorDialogType(TcxColorDialogType Value) { FColorDialogType = Value; }
  TcxColorValueFormat ColorValueFormat() const { return FColorValueFormat; }
  void SetColorValueFormat(TcxColorValueFormat Value);
  TcxColorComboBoxItems* CustomColors() const { return FCustomColors; }
  void SetCustomColors(TcxColorComboBoxItems* Value) { FCustomColors->Assign(Value); }
  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor Value) { SetField(FDefaultColor, Value); }
  TcxDefaultColorStyle DefaultColorStyle() const { return FDefaultColorStyle; }
  void SetDefaultColorStyle(TcxDefaultColorStyle Value) { SetField(FDefaultColorStyle, Value); }
  const String& DefaultDescription() const { return FDefaultDescription; }
  void SetDefaultDescription(const String& Value);
  bool IsDefaultDescriptionStored() const;
  int MaxMRUColors() const { return FMaxMRUColors; }
  // Lowering it drops the surplus from the end.
  void SetMaxMRUColors(int Value);
  TcxColorNamingConvention NamingConvention() const { return FNamingConvention; }
  void SetNamingConvention(TcxColorNamingConvention Value);
  TcxColorPrepareList PrepareList() const { return FPrepareList; }
  void SetPrepareList(TcxColorPrepareList Value);
  bool ShowDescriptions() const { return FShowDescriptions; }
  void SetShowDescriptions(bool Value) { SetField(FShowDescriptions, Value); }

  // Custom colours first, then the prepared ones.
  TcxColorComboBoxItems* Items() const { return FItems; }
  TcxColorComboBoxItems* GetItems() const { return FItems; }
  TcxColorComboBoxItems* MRUColors() const { return FMRUColors; }

  // --- Index space: MRU colours first, then the items
  int ListCount() const { return FMRUColors->Count() + FItems->Count(); }
  TColor GetColorByIndex(int AIndex) const;
  // -1 when not found or not a colour.
  int IndexOfColor(const Variant& AValue) const;
  // The text of a list row: the naming of its colour.
  String GetListText(int AIndex);
  // The naming of a colour with OnNamingConvention applied.
  String NameColor(TColor AColor, const String& ADescription);
  // The text of a value (and the colour drawn for it).
  String GetColorText(const Variant& AValue, TColor& AColor, bool AForEdit);
  bool IsColorInList(const Variant& AValue) { return IndexOfColor(AValue) >= 0; }
  // Rebuilds the prepared and custom parts of the list.
  void RebuildColorList(TcxColorPrepareList AKind, bool AKeepCustom, bool AKeepMRU);

  // --- Virtual operations, in slot order
  virtual bool Reserved() { return false; }
  // 0 nothing changed, 1 moved to the top, 2 added.
  virtual int AddMRUColor(TColor AColor);
  virtual bool DeleteMRUColor(TColor AColor);
  virtual void ClearMRUColors();
  virtual void DoGetDefaultColor(TColor& AColor);

  // --- Operations of the text properties
  bool IsEditValueNumeric() override { return true; }
  bool IsChangeDrivenByText() override { return false; }
  bool IsValueFormattingSupported() override { return false; }
  bool IsDisplayValueValid(Variant&, bool) override { return true; }
  unsigned GetEditCapabilities() override;
  void PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditing) override;
  using TcxCustomTextEditProperties::GetDisplayText;
  String GetDisplayText(const Variant& AValue, bool AFullText, bool ADisplayForm) override;
  bool CompareDisplayValues(const Variant& V1, const Variant& V2) override;

  TNotifyEvent OnAddedMRUColor;
  TNotifyEvent OnDeletedMRUColor;
  TcxGetDefaultColorEvent OnGetDefaultColor;
  TcxNamingConventionEvent OnNamingConvention;
  TcxSelectCustomColorEvent OnSelectCustomColor;
  // Fired after the list was rebuilt (the editor's handler resets its value).
  TNotifyEvent OnColorListLoaded;

 protected:
  TcxCustomColorComboBoxProperties(TPersistent* AOwner, TClass AKind);

 private:
  template <class T>
  void SetField(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  void CustomColorsChanged(TObject* Sender);
  void ItemsChanged(TObject* Sender);
  // The combo box's string items follow the colour list, so its list and keys work on the names.
  void SyncListTexts();
  void UpdateButtons();
  void ReadItems(TReader* Reader);
  void ReadPrepareInfo(TReader* Reader);

  TcxColorComboBoxItems* FItems = nullptr;
  TcxColorComboBoxItems* FCustomColors = nullptr;
  TcxColorComboBoxItems* FMRUColors = nullptr;
  bool FAllowSelectColor = false;
  TcxColorBoxAlign FColorBoxAlign = cbaLeft;
  TColor FColorBoxFrameColor = clBtnShadow;
  int FColorBoxWidth = 30;
  TcxColorComboStyle FColorComboStyle = cxccsComboEdit;
  TcxColorDialogType FColorDialogType = cxcdtDefault;
  TcxColorValueFormat FColorValueFormat = cxcvRGB;
  TColor FDefaultColor = clWindow;
  TcxDefaultColorStyle FDefaultColorStyle = cxdcColor;
  String FDefaultDescription;
  int FMaxMRUColors = 10;
  TcxColorNamingConvention FNamingConvention = cxncTesmar;
  TcxColorPrepareList FPrepareList = cxplTesmar;
  bool FShowDescriptions = true;
  bool FSyncingTexts = false;
};

class TcxColorComboBoxProperties : public TcxCustomColorComboBoxProperties {
  VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(TcxColorComboBoxProperties, TcxCustomColorComboBoxProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TcxColorComboBoxProperties(TPersistent* AOwner) : TcxCustomColorComboBoxProperties(AOwner, StaticClass()) {}
};

// --- The editor -------------------------------------------------------------------------------
class TcxCustomColorComboBox : public TcxCustomComboBox {
  VAMIRE_CLASS(TcxCustomColorComboBox, TcxCustomComboBox)
 public:
  explicit TcxCustomColorComboBox(TComponent* AOwner)
      : TcxCustomColorComboBox(AOwner, TcxCustomColorComboBoxProperties::StaticClass()) {}
  ~TcxCustomColorComboBox() override;
  static TClass GetPropertiesClass() { return TcxCustomColorComboBoxProperties::StaticClass(); }
  TcxCustomColorComboBoxProperties* ActiveColorProperties() {
    return static_cast<TcxCustomColorComboBoxProperties*>(ActiveProperties());
  }

  // The colour the editor shows for its value; writing a different colour sets the value (no Click).
  TColor ColorValue();
  void SetColorValue(TColor Value);
  // Made on first use, owned.
  TColorDialog* ColorDialog();
  bool IsDialogOpen() const { return FDialogOpen; }

  // --- Virtual operations, in slot order
  virtual void SelectColor(TColor AColor, const String& ADescription, bool AAddToList);
  virtual void AddToMRU(TColor AColor);
  virtual void ResetColorValue();
  virtual void SelectCustomColor();

  // --- Overrides
  void LookupKeyToEditValue(const Variant& AKey, Variant& AEditValue) override;
  void DisplayToEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool AEditFocused) override;
  void PropertiesChanged(TObject* Sender) override;
  void CloseUp(TcxEditCloseUpReason AReason) override;
  void AdjustInnerEditPosition() override;

 protected:
  TcxCustomColorComboBox(TComponent* AOwner, TClass APropertiesClass);
  void DoButtonClick(int AButtonIndex) override;
  void DoExit() override;

 private:
  void ColorListLoaded(TObject* Sender);
  TColorDialog* FColorDialog = nullptr;
  bool FDialogOpen = false;
  bool FPropertiesChanging = false;
};

class TcxColorComboBox : public TcxCustomColorComboBox {
  VAMIRE_CLASS(TcxColorComboBox, TcxCustomColorComboBox)
 public:
  using TCreateArg = TComponent;
  explicit TcxColorComboBox(TComponent* AOwner)
      : TcxCustomColorComboBox(AOwner, TcxColorComboBoxProperties::StaticClass()) {}
  static TClass GetPropertiesClass() { return TcxColorComboBoxProperties::StaticClass(); }
  TcxColorComboBoxProperties* Properties() const {
    return static_cast<TcxColorComboBoxProperties*>(TcxCustomEdit::Properties());
  }
  TcxColorComboBoxProperties* GetProperties() const { return Properties(); }
  void SetProperties(TcxColorComboBoxProperties* Value) { TcxCustomEdit::Properties()->Assign(Value); }
  // Not streamed when it is the default colour.
  bool IsColorValueStored();
};

class TcxFilterColorComboBoxHelper : public TcxFilterComboBoxHelper {
  VAMIRE_CLASS_META(TcxFilterColorComboBoxHelper, TcxFilterComboBoxHelper,
                    TcxFilterEditHelperClassOf<TcxFilterColorComboBoxHelper>)
 public:
  TcxFilterColorComboBoxHelper() = default;
  static TClass GetEditorClass() { return TcxColorComboBox::StaticClass(); }
  static void GetAllowedOperators(TcxCustomEditProperties*, bool, bool, uint64_t& AOperators, bool AExtended);
  static void PreparePropertiesForFilter(TcxCustomFilterEditHelperClass AHelper, TcxCustomEditProperties* AProperties,
                                         TcxCustomEditProperties* ASource, bool AKeepButtons);
};

extern const TUnitEntry cxColorComboBoxUnit;
