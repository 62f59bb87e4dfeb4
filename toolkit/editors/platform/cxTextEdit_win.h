// The text editors' model: the settings object every text-like editor shares
// (case, password echo, lookup items, maximum length, display and edit formats
// and the rules that turn a value into its display text), the view data that
// fills a view info for a value, and the view info that paints the editor's
// text with its selection and focus rectangle. The editor control comes on top.
#pragma once

#include <windows.h>

#include <bitset>

#include "cxDrawTextUtils_win.h"
#include "cxEdit_win.h"
#include "cxFormats.h"
#include "cxTextEdit.h"

enum TImeMode { imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata, imChinese,
                imSHanguel, imHanguel };
VAMIRE_ENUM_NAMES(TImeMode, L"imDisable", L"imClose", L"imOpen", L"imDontCare", L"imSAlpha", L"imAlpha", L"imHira",
                  L"imSKata", L"imKata", L"imChinese", L"imSHanguel", L"imHanguel")
VAMIRE_ENUM_NAMES(TcxEditEchoMode, L"eemNormal", L"eemPassword")
VAMIRE_ENUM_NAMES(TcxTextEditingStyle, L"tesFreeText", L"tesCompleteFromList", L"tesPickFromList", L"tesNoText")

class TcxCustomTextEditProperties;
class TcxCustomTextEditViewInfo;

using TcxNewLookupDisplayTextEvent = TMethod<void(TObject* Sender, const String& AText)>;

// --- Assigned values ------------------------------------------------------------------------
class TcxTextEditPropertiesValues : public TcxCustomEditPropertiesValues {
  VAMIRE_CLASS(TcxTextEditPropertiesValues, TcxCustomEditPropertiesValues)
 public:
  using TCreateArg = TcxCustomEditProperties;
  explicit TcxTextEditPropertiesValues(TcxCustomEditProperties* AOwner) : TcxCustomEditPropertiesValues(AOwner) {}
  static TObject* CreateFresh() { return new TcxTextEditPropertiesValues(nullptr); }
  void Assign(TPersistent* Source) override;
  void ClearAssignedFlags() override;

  bool DisplayFormat() const { return FDisplayFormat; }
  void SetDisplayFormat(bool Value);
  bool EditFormat() const { return FEditFormat; }
  void SetEditFormat(bool Value);
  bool MaxLength() const { return FMaxLength; }
  // A change goes to the owner's MaxLengthChanged.
  void SetMaxLength(bool Value);

  // An assigned empty format is written only where the owner publishes the format.
  bool IsDisplayFormatStored() const;
  bool IsEditFormatStored() const;
  bool IsMaxValueStored() const;
  bool IsMinValueStored() const;

 private:
  TcxCustomTextEditProperties* TextOwner() const;
  // The flag is set, the owner's value is empty or 0, and its class publishes AName.
  bool IsFlagStored(bool AFlag, bool AOwnerValueEmpty, const wchar_t* AName) const;
  bool FDisplayFormat = false;
  bool FEditFormat = false;
  bool FMaxLength = false;
};

// --- Properties -----------------------------------------------------------------------------
// The class object of a text properties class adds the lookup data class.
class TcxTextEditPropertiesClassInfo : public TcxEditPropertiesClassInfo {
 public:
  using TcxEditPropertiesClassInfo::TcxEditPropertiesClassInfo;
  virtual TClass GetLookupDataClass() const = 0;
};
template <class P>
class TcxTextEditPropertiesClassOf : public TcxEditPropertiesClassOf<P, TcxTextEditPropertiesClassInfo> {
 public:
  using TcxEditPropertiesClassOf<P, TcxTextEditPropertiesClassInfo>::TcxEditPropertiesClassOf;
  TClass GetLookupDataClass() const override { return P::GetLookupDataClass(); }
};
#define VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(Self, Parent) \
  VAMIRE_CLASS_META(Self, Parent, TcxTextEditPropertiesClassOf<Self>)

// Listens to the locale's formats for as long as it lives.
class TcxCustomTextEditProperties : public TcxCustomEditProperties, public IcxFormatControllerListener {
  VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(TcxCustomTextEditProperties, TcxCustomEditProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TcxCustomTextEditProperties(TPersistent* AOwner)
      : TcxCustomTextEditProperties(AOwner, StaticClass()) {}
  ~TcxCustomTextEditProperties() override;
  bool GetInterface(const TGUID& iid, void** obj) override;
  void Assign(TPersistent* Source) override;
  // The legacy "IsDisplayFormatAssigned", read only.
  void DefineProperties(TFiler* Filer) override;

  static TClass GetAssignedValuesClass() { return TcxTextEditPropertiesValues::StaticClass(); }
  static TClass GetContainerClass();
  static TClass GetViewDataClass();
  static TClass GetViewInfoClass();
  // TcxCustomTextEditLookupData; list kinds may name their own.
  static TClass GetLookupDataClass();

  TcxTextEditPropertiesValues* AssignedValues() const {
    return static_cast<TcxTextEditPropertiesValues*>(TcxCustomEditProperties::AssignedValues());
  }
  void SetAssignedValues(TcxTextEditPropertiesValues* Value) { AssignedValues()->Assign(Value); }

  TEditCharCase CharCase() const { return FCharCase; }
  virtual void SetCharCase(TEditCharCase Value);
  TcxEditEchoMode EchoMode() const { return FEchoMode; }
  void SetEchoMode(TcxEditEchoMode Value) { SetField(FEchoMode, Value); }
  wchar_t PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(wchar_t Value) { SetField(FPasswordChar, Value); }
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value) { SetField(FHideSelection, Value); }
  TImeMode ImeMode() const { return FImeMode; }
  void SetImeMode(TImeMode Value) { SetField(FImeMode, Value); }
  const String& ImeName() const { return FImeName; }
  void SetImeName(const String& Value) { SetField(FImeName, Value); }
  bool ImmediateUpdateText() const { return FImmediateUpdateText; }
  void SetImmediateUpdateText(bool Value) { FImmediateUpdateText = Value; }
  bool IncrementalSearch() const { return FIncrementalSearch; }
  void SetIncrementalSearch(bool Value) { SetField(FIncrementalSearch, Value); }
  TStringList* LookupItems() const { return FLookupItems; }
  // Assigned into the existing list.
  void SetLookupItems(TStringList* Value);
  bool LookupItemsSorted() const;
  void SetLookupItemsSorted(bool Value);
  // The own value when assigned, else the data source's, else 0.
  int MaxLength() const;
  // Negative values store 0; an assigned equal value changes nothing.
  void SetMaxLength(int Value);
  bool OEMConvert() const { return FOEMConvert; }
  void SetOEMConvert(bool Value) { SetField(FOEMConvert, Value); }
  const String& DisplayFormat() const { return FDisplayFormat; }
  void SetDisplayFormat(const String& Value);
  const String& EditFormat() const { return FEditFormat; }
  void SetEditFormat(const String& Value);
  bool UseDisplayFormatWhenEditing() const { return FUseDisplayFormatWhenEditing; }
  void SetUseDisplayFormatWhenEditing(bool Value) { SetField(FUseDisplayFormatWhenEditing, Value); }
  const std::bitset<256>& ValidChars() const { return FValidChars; }
  void SetValidChars(const std::bitset<256>& Value) { FValidChars = Value; }
  bool NoTextEditing() const { return FNoTextEditing; }
  void SetNoTextEditing(bool Value) { SetField(FNoTextEditing, Value); }
  bool FormatChanging() const { return FFormatChanging; }

  bool IsMaxLengthStored() const { return AssignedValues()->MaxLength(); }
  bool IsDisplayFormatStored() const { return AssignedValues()->DisplayFormat(); }
  bool IsEditFormatStored() const { return AssignedValues()->EditFormat(); }

  // --- Virtual operations, in slot order
  // The locale's formats changed: one change reported with FormatChanging on.
  void FormatChanged() override;
  // AEditValue: the editor's edit value of the display value being validated.
  // A number or date outside a bound in force sets AError and the bounds text.
  virtual void CheckValueBounds(const Variant& AEditValue, String& AErrorText, bool& AError);
  virtual Variant GetEmptyDisplayValue() { return Variant(String()); }
  virtual bool IsLookupItemText(const String& AText);
  virtual String GetDefaultDisplayFormat() { return String(); }
  virtual int GetDefaultMaxLength() const;
  virtual int GetDropDownRows() { return 8; }
  virtual TcxTextEditingStyle GetEditingStyle() { return FNoTextEditing ? tesNoText : tesFreeText; }
  virtual bool IsThousandSeparatorUsed(bool /*AEditing*/) { return false; }
  // AEditor: the editor asking, or null; AHosted: it is hosted.
  virtual TcxDisplayFormatOptions GetDisplayFormatOptions(TObject* AEditor, bool AHosted = false);
  virtual bool IsEditValueNumeric() { return false; }
  virtual bool PopupHasLookupList() { return false; }
  virtual bool IsMultiLine() { return false; }
  virtual bool IsLookupListKey(uint16_t /*AKey*/, TShiftState /*AShift*/) { return false; }
  virtual bool HasValueBound(int AKind);
  virtual bool HasValueBounds();
  virtual void NotifyChanged() { Changed(); }
  virtual void MaxLengthChanged() { Changed(); }
  virtual bool UseLookupData();
  virtual void TransformDisplayText(String& AText);
  virtual bool IsDisplayValueValid(Variant& AValue, bool AEditing);

  // --- Operations of the editor properties
  void AlignmentChanged(TObject* Sender) override;
  void SetAlignment(TcxEditAlignment* Value) override;
  bool CanValidate() override { return true; }
  // Numbers with bounds in force are checked against them before OnValidate.
  bool ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError, TcxCustomEdit* AEdit) override;
  bool IsDisplayFormatUsed() override { return true; }
  using TcxCustomEditProperties::GetValidationErrorText;
  // Kind 1: "Value out of bounds"; others the editors' usual text.
  String GetValidationErrorText(int AKind);
  bool IsChangeDrivenByText() override { return true; }
  bool IsEditValueChangeTracked() override { return true; }
  bool CompareDisplayValues(const Variant& V1, const Variant& V2) override;
  String GetDisplayText(const Variant& AValue, bool AFullText = false) override {
    return GetDisplayText(AValue, AFullText, true);
  }
  // ADisplayForm false: the editing form, unless a display format is kept apart.
  virtual String GetDisplayText(const Variant& AValue, bool AFullText, bool ADisplayForm);
  unsigned GetEditCapabilities() override;
  bool IsEditValueValid(const Variant& AValue) override { return IsEditValueValid(AValue, false); }
  virtual bool IsEditValueValid(const Variant& AValue, bool AEditing);
  bool SupportsValueReset() override { return GetEditingStyle() != tesNoText; }
  void PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditing) override;
  bool IsValueFormattingSupported() override { return true; }
  TcxCustomEditViewData* CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted, bool AFlag = false) override;

  // The value's text as the properties show it: formatted when the value is
  // valid, a date by the locale, anything else plain.
  String PrepareDisplayText(const Variant& AValue, bool AEditFormat);
  // The inputs of the format choice, the data source's answers included.
  TcxFormatSources FormatSources(TObject* AEditor, bool AHosted);

  TcxNewLookupDisplayTextEvent OnNewLookupDisplayText;

 protected:
  TcxCustomTextEditProperties(TPersistent* AOwner, TClass AKind);

 private:
  template <class T>
  void SetField(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  void LookupItemsChanged(TObject* Sender);
  void ReadIsDisplayFormatAssigned(TReader* Reader);

  TEditCharCase FCharCase = ecNormal;
  TcxEditEchoMode FEchoMode = eemNormal;
  wchar_t FPasswordChar = 0;
  bool FHideSelection = true;
  TImeMode FImeMode = imDontCare;
  String FImeName;
  bool FImmediateUpdateText = false;
  bool FIncrementalSearch = true;
  TStringList* FLookupItems = nullptr;
  int FMaxLength = 0;
  bool FOEMConvert = false;
  String FDisplayFormat;
  String FEditFormat;
  bool FUseDisplayFormatWhenEditing = false;
  std::bitset<256> FValidChars;
  bool FNoTextEditing = false;
  bool FFormatChanging = false;
};

// The text editor's published settings.
class TcxTextEditProperties : public TcxCustomTextEditProperties {
  VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(TcxTextEditProperties, TcxCustomTextEditProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TcxTextEditProperties(TPersistent* AOwner) : TcxCustomTextEditProperties(AOwner, StaticClass()) {}

 protected:
  TcxTextEditProperties(TPersistent* AOwner, TClass AKind) : TcxCustomTextEditProperties(AOwner, AKind) {}
};

// --- View info ------------------------------------------------------------------------------
class TcxCustomTextEditViewInfo : public TcxCustomEditViewInfo {
  VAMIRE_CLASS(TcxCustomTextEditViewInfo, TcxCustomEditViewInfo)
 public:
  TcxCustomTextEditViewInfo() = default;

  // Lays out the text once per calculation and draws it with the highlighted range.
  virtual void DrawText(TcxCanvas* ACanvas);
  // Background and border, the frame in the background colour, the text and the focus rectangle.
  void PaintBackgroundAndBorder(TcxCanvas* ACanvas) override;
  void Shift(int DX, int DY) override;
  // Whether the text at P (relative to the view info) is cut; then the whole
  // text, its rectangle and whether it is shown on several rows.
  bool GetTruncatedTextHint(const TPoint& P, TcxCanvas* ACanvas, String& AText, TRect& ARect, bool& AMultiLine);
  // A cut text hints its whole text; otherwise the button's hint.
  bool GetHintInfo(TcxCanvas* ACanvas, const TPoint& P, String& AText, bool& AMultiLine, TRect& ARect) override;
  // The cached layout is rebuilt at the next DrawText.
  void InvalidateTextLayout() { FLayoutValid = false; }
  bool IsTextLayoutValid() const { return FLayoutValid; }
  // The rows and text area of the last layout.
  const TcxTextRows& TextRows() const { return FRows; }
  int TextRowCount() const { return FRowCount; }
  const TRect& TextArea() const { return FTextArea; }
  bool TextEndEllipsis() const { return FEndEllipsis; }

  String DisplayText;
  TRect TextBounds;
  TcxTextEditingStyle TextEditingStyle = tesFreeText;
  bool InnerEditShown = false;
  bool PopupOpen = false;
  bool SelectionBarDrawn = false;
  bool IsComboStyle = false;
  int LineLimit = 0;
  unsigned TextFlags = 0;
  int HighlightStart = 0;
  int HighlightLength = 0;
  TColor HighlightTextColor = clNone;
  TColor HighlightColor = clNone;
  // The editor draws the text itself (no inner edit window shows it).
  bool DrawsText = true;

 private:
  void BuildTextLayout(TcxCanvas* ACanvas);
  TcxTextRows FRows;
  int FRowCount = 0;
  TcxTextParams FParams;
  TRect FTextArea;
  bool FEndEllipsis = false;
  bool FLayoutValid = false;
};

// --- View data ------------------------------------------------------------------------------
class TcxCustomTextEditViewData : public TcxCustomEditViewData {
  VAMIRE_CLASS(TcxCustomTextEditViewData, TcxCustomEditViewData)
 public:
  TcxCustomTextEditViewData(TcxCustomEditProperties* AProperties, TcxContainerStyle* AStyle, bool AIsHosted);

  TcxCustomTextEditProperties* TextProperties() const {
    return static_cast<TcxCustomTextEditProperties*>(Properties);
  }

  // --- Virtual operations, in slot order
  virtual bool IsInnerEditVisible() { return InnerEditVisible; }
  virtual int GetVisibleLineCount() { return VisibleLineCount; }
  virtual bool IsComboBoxStyle() { return false; }
  virtual void CalcTextDrawFlags(TcxCanvas* ACanvas, TcxCustomTextEditViewInfo* AViewInfo);
  virtual void PrepareDrawValue(const Variant& AValue, TcxCustomTextEditViewInfo* AViewInfo);
  virtual unsigned GetDrawTextFlags();
  virtual TRect GetTextOffsets();

  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, int AButtonCode, TShiftState AShift,
                 TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  void CalcKindSpecificParts(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo) override;
  String EditValueToDisplayText(const Variant& AValue) override;
  // The size the text needs: width and height of the display text with the
  // view data's flags, limited to AMaxWidth when it is 0 or more.
  virtual TSize CalcEditTextSize(TcxCanvas* ACanvas, const String& AText, int AMaxWidth, bool AWithOffsets);
  // The display text's size in the style's font: one row for a single-line request.
  TSize CalcEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue, const TcxEditSizeProperties& ASize) override;
  // The selection's colours from the style, else the highlight pair.
  void GetSelectionColors(TColor& ABackground, TColor& AText);

  // What the editor tells about its value and text: the value to draw (an
  // empty variant draws no text), the selection, the edit-format flag, the
  // rows a memo shows (0: no limit) and whether an inner edit window shows the text.
  Variant EditValue;
  bool DrawsText = true;
  int SelStart = 0;
  int SelLength = 0;
  bool EditFormat = false;
  int VisibleLineCount = 0;
  bool InnerEditVisible = false;
  // Paint options: 1 an empty text keeps no row, 2 the host allows wrapping, 8 end ellipsis.
  unsigned PaintOptions = 0;
  TColor SelectionBackgroundColor = clDefault;
  TColor SelectionTextColor = clDefault;

 protected:
  void InitFromProperties() override;
  // The properties answer text for values as they are (no formatting).
  bool RawDisplay = false;
};

// --- Unit -----------------------------------------------------------------------------------
void cxTextEdit_Initialize();
void cxTextEdit_Finalize();
extern const TUnitEntry cxTextEditUnit;
