#include "cxEditConsts.h"

const wchar_t* const cxEditorsLibraryProductName = L"Toolkit Editors";

// Filed in this order: the editors' texts, then the engine's two limits.
#define CX_EDIT_STRINGS(S) \
  S(cxSEditButtonCancel, L"Cancel") \
  S(cxSEditButtonOK, L"OK") \
  S(cxSEditInvalidRepositoryItem, L"The repository item is not acceptable") \
  S(cxSEditNumericValueConvertError, L"Could not convert to numeric value") \
  S(cxSEditPopupCircularReferencingError, L"Circular referencing is not allowed") \
  S(cxSEditPostError, L"An error occured during posting edit value") \
  S(cxSEditValidateErrorText, L"Invalid input value. Use escape key to abandon changes") \
  S(cxSEditValueOutOfBounds, L"Value out of bounds") \
  S(cxSEditCheckBoxChecked, L"True") \
  S(cxSEditCheckBoxGrayed, L"") \
  S(cxSEditCheckBoxUnchecked, L"False") \
  S(cxSRadioGroupDefaultCaption, L"") \
  S(cxSTextTrue, L"True") \
  S(cxSTextFalse, L"False") \
  S(cxSBlobMemoEmpty, L"(memo)") \
  S(cxSMenuItemCaptionCut, L"Cu&t") \
  S(cxSMenuItemCaptionCopy, L"&Copy") \
  S(cxSMenuItemCaptionPaste, L"&Paste") \
  S(cxSMenuItemCaptionDelete, L"&Delete") \
  S(cxSDatePopupClear, L"Clear") \
  S(scxSCalcError, L"Error") \
  S(scxSEditRepositoryCheckBoxItem, L"CheckBox|Represents a check box control that allows selecting an option") \
  S(scxSEditRepositoryComboBoxItem, L"ComboBox|Represents the combo box editor") \
  S(scxSEditRepositoryImageComboBoxItem, L"ImageComboBox|Represents an editor displaying the list of images and text strings within the dropdown window") \
  S(scxSEditRepositoryMaskItem, L"MaskEdit|Represents a generic masked edit control.") \
  S(scxSEditRepositoryMemoItem, L"Memo|Represents an edit control that allows editing memo data") \
  S(scxSEditRepositoryPopupItem, L"PopupEdit|Represents an edit control with a dropdown list") \
  S(scxSEditRepositorySpinItem, L"SpinEdit|Represents a spin editor") \
  S(scxSEditRepositoryRadioGroupItem, L"RadioGroup|Represents a group of radio buttons") \
  S(scxSEditRepositoryTextItem, L"TextEdit|Represents a single line text editor") \
  S(scxRegExprLine, L"Line") \
  S(scxRegExprChar, L"Char") \
  S(scxRegExprNotAssignedSourceStream, L"The source stream is not assigned") \
  S(scxRegExprEmptySourceStream, L"The source stream is empty") \
  S(scxRegExprCantUsePlusQuantifier, L"The '+' quantifier cannot be applied here") \
  S(scxRegExprCantUseStarQuantifier, L"The '*' quantifier cannot be applied here") \
  S(scxRegExprCantCreateEmptyAlt, L"The alternative should not be empty") \
  S(scxRegExprCantCreateEmptyBlock, L"The block should not be empty") \
  S(scxRegExprIllegalSymbol, L"Illegal '%s'") \
  S(scxRegExprIllegalQuantifier, L"Illegal quantifier '%s'") \
  S(scxRegExprNotSupportQuantifier, L"The parameter quantifiers are not supported") \
  S(scxRegExprIllegalIntegerValue, L"Illegal integer value") \
  S(scxRegExprTooBigReferenceNumber, L"Too big reference number") \
  S(scxRegExprCantCreateEmptyEnum, L"Can't create empty enumeration") \
  S(scxRegExprSubrangeOrder, L"The starting character of the subrange must be less than the finishing one") \
  S(scxRegExprHexNumberExpected0, L"Hexadecimal number expected") \
  S(scxRegExprHexNumberExpected, L"Hexadecimal number expected but '%s' found") \
  S(scxRegExprMissing, L"Missing '%s'") \
  S(scxRegExprUnnecessary, L"Unnecessary '%s'") \
  S(scxRegExprIncorrectSpace, L"The space character is not allowed after '\\'") \
  S(scxRegExprNotCompiled, L"Regular expression is not compiled") \
  S(scxRegExprIncorrectParameterQuantifier, L"Incorrect parameter quantifier") \
  S(scxRegExprCantUseParameterQuantifier, L"The parameter quantifier cannot be applied here") \
  S(scxMaskEditRegExprError, L"Regular expression errors:") \
  S(scxMaskEditInvalidEditValue, L"The edit value is invalid") \
  S(scxMaskEditNoMask, L"None") \
  S(cxSSpinEditInvalidNumericValue, L"Invalid numeric value") \
  S(cxSEditDateConvertError, L"Could not convert to date") \
  S(cxSEditTimeConvertError, L"Could not convert to time") \
  S(cxSBlobButtonOK, L"&OK") \
  S(cxSBlobButtonCancel, L"&Cancel") \
  S(cxSBlobButtonClose, L"&Close") \
  S(cxSBlobMemo, L"(MEMO)") \
  S(cxSBlobPicture, L"(PICTURE)") \
  S(cxSBlobPictureEmpty, L"(picture)") \
  S(cxSMenuItemCaptionLoad, L"&Load...") \
  S(cxSMenuItemCaptionSave, L"Save &As...") \
  S(cxSDatePopupNow, L"Now") \
  S(cxSDatePopupOK, L"OK") \
  S(cxSDatePopupToday, L"Today") \
  S(cxSDateError, L"Invalid date") \
  S(scxSHyperLinkPrefix, L"http:") \
  S(scxSHyperLinkDoubleSlash, L"//") \
  S(cxNavigatorHint_First, L"First record") \
  S(cxNavigatorHint_Prior, L"Prior record") \
  S(cxNavigatorHint_PriorPage, L"Prior page") \
  S(cxNavigatorHint_Next, L"Next record") \
  S(cxNavigatorHint_NextPage, L"Next page") \
  S(cxNavigatorHint_Last, L"Last record") \
  S(cxNavigatorHint_Insert, L"Insert record") \
  S(cxNavigatorHint_Append, L"Append record") \
  S(cxNavigatorHint_Delete, L"Delete record") \
  S(cxNavigatorHint_Edit, L"Edit record") \
  S(cxNavigatorHint_Post, L"Post edit") \
  S(cxNavigatorHint_Cancel, L"Cancel edit") \
  S(cxNavigatorHint_Refresh, L"Refresh data") \
  S(cxNavigatorHint_SaveBookmark, L"Save bookmark") \
  S(cxNavigatorHint_GotoBookmark, L"Go to bookmark") \
  S(cxNavigatorHint_Filter, L"Filter data") \
  S(cxNavigator_DeleteRecordQuestion, L"Delete record?") \
  S(scxSEditRepositoryBlobItem, L"BlobEdit|Represents an editor for binary data") \
  S(scxSEditRepositoryButtonItem, L"ButtonEdit|Represents an edit control with embedded buttons") \
  S(scxSEditRepositoryCalcItem, L"CalcEdit|Represents an edit control with a drop-down calculator") \
  S(scxSEditRepositoryCurrencyItem, L"CurrencyEdit|Represents an editor for currency values") \
  S(scxSEditRepositoryDateItem, L"DateEdit|Represents an edit control with a drop-down calendar") \
  S(scxSEditRepositoryHyperLinkItem, L"HyperLink|Represents a text editor that shows a link") \
  S(scxSEditRepositoryImageItem, L"Image|Represents an image editor") \
  S(scxSEditRepositoryLookupComboBoxItem, L"LookupComboBox|Represents a combo box that looks up its items") \
  S(scxSEditRepositoryMRUItem, L"MRUEdit|Represents a text editor with a list of most recently used items") \
  S(scxSEditRepositoryTimeItem, L"TimeEdit|Represents an editor for time values") \
  S(scxMaskEditIllegalFileFormat, L"Illegal file format") \
  S(scxMaskEditEmptyMaskCollectionFile, L"The mask collection file is empty") \
  S(scxMaskEditMaskCollectionFiles, L"Mask collection files") \
  S(scxRegExprTooComplex, L"The expression is too complex") \
  S(scxRegExprNestedTooDeeply, L"The groups are nested too deeply")

CX_EDIT_STRINGS(DX_RESOURCE_STRING)

namespace {

constexpr PResStringRec kStrings[] = {CX_EDIT_STRINGS(DX_RESOURCE_STRING_ADDRESS)};
TdxResourceStringsUnit GUnit(cxEditorsLibraryProductName, &AddResourceStrings<kStrings>);

}  // namespace

const PResStringRec* cxEditConstsFiled() { return kStrings; }

String cxGetResourceStringFmt(PResStringRec res, const String& Arg) {
  String text = ResolveResourceString(res);
  const auto at = text.find(L"%s");
  if (at != String::npos) text.replace(at, 2, Arg);
  return text;
}

void cxEditConsts_Initialize() { GUnit.Start(); }

void cxEditConsts_Finalize() { GUnit.End(); }

const TUnitEntry cxEditConstsUnit{L"cxEditConsts", &cxEditConsts_Initialize, &cxEditConsts_Finalize};
