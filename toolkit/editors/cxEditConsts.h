// The editor library's message strings, filed under its product in the toolkit's
// resource-string repository so an application can replace them by name, and the
// editors' error class that carries them.
#pragma once

#include "System.h"
#include "Units.h"
#include "dxCore.h"

// The product the editor strings are filed under.
extern const wchar_t* const cxEditorsLibraryProductName;

// Raised by the editors for rejected input and misuse. The mask editor's and the
// regular-expression engine's errors derive from it.
VAMIRE_EXCEPTION(EcxEditError, EdxException)

// The editors' texts, in the order they are filed.
extern const TResStringRec cxSEditButtonCancel;
extern const TResStringRec cxSEditButtonOK;
extern const TResStringRec cxSEditInvalidRepositoryItem;
extern const TResStringRec cxSEditNumericValueConvertError;
extern const TResStringRec cxSEditPopupCircularReferencingError;
extern const TResStringRec cxSEditPostError;
extern const TResStringRec cxSEditValidateErrorText;
extern const TResStringRec cxSEditValueOutOfBounds;
extern const TResStringRec cxSEditCheckBoxChecked;
extern const TResStringRec cxSEditCheckBoxGrayed;
extern const TResStringRec cxSEditCheckBoxUnchecked;
extern const TResStringRec cxSRadioGroupDefaultCaption;
extern const TResStringRec cxSTextTrue;
extern const TResStringRec cxSTextFalse;
extern const TResStringRec cxSBlobMemoEmpty;
extern const TResStringRec cxSMenuItemCaptionCut;
extern const TResStringRec cxSMenuItemCaptionCopy;
extern const TResStringRec cxSMenuItemCaptionPaste;
extern const TResStringRec cxSMenuItemCaptionDelete;
extern const TResStringRec cxSDatePopupClear;
extern const TResStringRec scxSCalcError;
extern const TResStringRec scxSEditRepositoryCheckBoxItem;
extern const TResStringRec scxSEditRepositoryComboBoxItem;
extern const TResStringRec scxSEditRepositoryImageComboBoxItem;
extern const TResStringRec scxSEditRepositoryMaskItem;
extern const TResStringRec scxSEditRepositoryMemoItem;
extern const TResStringRec scxSEditRepositoryPopupItem;
extern const TResStringRec scxSEditRepositorySpinItem;
extern const TResStringRec scxSEditRepositoryRadioGroupItem;
extern const TResStringRec scxSEditRepositoryTextItem;
extern const TResStringRec scxRegExprLine;
extern const TResStringRec scxRegExprChar;
extern const TResStringRec scxRegExprNotAssignedSourceStream;
extern const TResStringRec scxRegExprEmptySourceStream;
extern const TResStringRec scxRegExprCantUsePlusQuantifier;
extern const TResStringRec scxRegExprCantUseStarQuantifier;
extern const TResStringRec scxRegExprCantCreateEmptyAlt;
extern const TResStringRec scxRegExprCantCreateEmptyBlock;
extern const TResStringRec scxRegExprIllegalSymbol;
extern const TResStringRec scxRegExprIllegalQuantifier;
extern const TResStringRec scxRegExprNotSupportQuantifier;
extern const TResStringRec scxRegExprIllegalIntegerValue;
extern const TResStringRec scxRegExprTooBigReferenceNumber;
extern const TResStringRec scxRegExprCantCreateEmptyEnum;
extern const TResStringRec scxRegExprSubrangeOrder;
extern const TResStringRec scxRegExprHexNumberExpected0;
extern const TResStringRec scxRegExprHexNumberExpected;
extern const TResStringRec scxRegExprMissing;
extern const TResStringRec scxRegExprUnnecessary;
extern const TResStringRec scxRegExprIncorrectSpace;
extern const TResStringRec scxRegExprNotCompiled;
extern const TResStringRec scxRegExprIncorrectParameterQuantifier;
extern const TResStringRec scxRegExprCantUseParameterQuantifier;
extern const TResStringRec scxMaskEditRegExprError;
extern const TResStringRec scxMaskEditInvalidEditValue;
extern const TResStringRec scxMaskEditNoMask;
extern const TResStringRec cxSSpinEditInvalidNumericValue;
extern const TResStringRec cxSEditDateConvertError;
extern const TResStringRec cxSEditTimeConvertError;
extern const TResStringRec cxSBlobButtonOK;
extern const TResStringRec cxSBlobButtonCancel;
extern const TResStringRec cxSBlobButtonClose;
extern const TResStringRec cxSBlobMemo;
extern const TResStringRec cxSBlobPicture;
extern const TResStringRec cxSBlobPictureEmpty;
extern const TResStringRec cxSMenuItemCaptionLoad;
extern const TResStringRec cxSMenuItemCaptionSave;
extern const TResStringRec cxSDatePopupNow;
extern const TResStringRec cxSDatePopupOK;
extern const TResStringRec cxSDatePopupToday;
extern const TResStringRec cxSDateError;
extern const TResStringRec scxSHyperLinkPrefix;
extern const TResStringRec scxSHyperLinkDoubleSlash;
extern const TResStringRec cxNavigatorHint_First;
extern const TResStringRec cxNavigatorHint_Prior;
extern const TResStringRec cxNavigatorHint_PriorPage;
extern const TResStringRec cxNavigatorHint_Next;
extern const TResStringRec cxNavigatorHint_NextPage;
extern const TResStringRec cxNavigatorHint_Last;
extern const TResStringRec cxNavigatorHint_Insert;
extern const TResStringRec cxNavigatorHint_Append;
extern const TResStringRec cxNavigatorHint_Delete;
extern const TResStringRec cxNavigatorHint_Edit;
extern const TResStringRec cxNavigatorHint_Post;
extern const TResStringRec cxNavigatorHint_Cancel;
extern const TResStringRec cxNavigatorHint_Refresh;
extern const TResStringRec cxNavigatorHint_SaveBookmark;
extern const TResStringRec cxNavigatorHint_GotoBookmark;
extern const TResStringRec cxNavigatorHint_Filter;
extern const TResStringRec cxNavigator_DeleteRecordQuestion;
extern const TResStringRec scxSEditRepositoryBlobItem;
extern const TResStringRec scxSEditRepositoryButtonItem;
extern const TResStringRec scxSEditRepositoryCalcItem;
extern const TResStringRec scxSEditRepositoryCurrencyItem;
extern const TResStringRec scxSEditRepositoryDateItem;
extern const TResStringRec scxSEditRepositoryHyperLinkItem;
extern const TResStringRec scxSEditRepositoryImageItem;
extern const TResStringRec scxSEditRepositoryLookupComboBoxItem;
extern const TResStringRec scxSEditRepositoryMRUItem;
extern const TResStringRec scxSEditRepositoryTimeItem;
extern const TResStringRec scxMaskEditIllegalFileFormat;
extern const TResStringRec scxMaskEditEmptyMaskCollectionFile;
extern const TResStringRec scxMaskEditMaskCollectionFiles;
// The engine's limits, each named as the cause of the refusal.
extern const TResStringRec scxRegExprTooComplex;
extern const TResStringRec scxRegExprNestedTooDeeply;
// How many strings the product files.
constexpr int cxEditConstsCount = 105;

// The text of an editor string with its one "%s" replaced by Arg, read through
// the repository (an application may have replaced it).
String cxGetResourceStringFmt(PResStringRec res, const String& Arg);

// The records in the order they are filed (cxEditConstsCount of them).
const PResStringRec* cxEditConstsFiled();

// Unit start files the product (on the first start only); unit end removes it.
void cxEditConsts_Initialize();
void cxEditConsts_Finalize();
extern const TUnitEntry cxEditConstsUnit;
