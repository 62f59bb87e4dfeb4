// The filter control's texts, filed under a product of their own so an
// application can replace them by name. No control here shows them; the
// editors' filter helpers belong with them.
#pragma once

#include "System.h"
#include "Units.h"

// The product the filter-control strings are filed under.
extern const wchar_t* const cxFilterControlProductName;

// In the order they are filed.
extern const TResStringRec cxSFilterRootButtonCaption;
extern const TResStringRec cxSFilterBoolOperatorAnd;
extern const TResStringRec cxSFilterBoolOperatorOr;
extern const TResStringRec cxSFilterBoolOperatorNotAnd;
extern const TResStringRec cxSFilterBoolOperatorNotOr;
extern const TResStringRec cxSFilterAddCondition;
extern const TResStringRec cxSFilterAddGroup;
extern const TResStringRec cxSFilterRemoveRow;
extern const TResStringRec cxSFilterClearAll;
extern const TResStringRec cxSFilterFooterAddCondition;
extern const TResStringRec cxSFilterGroupCaption;
extern const TResStringRec cxSFilterRootGroupCaption;
extern const TResStringRec cxSFilterControlNullString;
extern const TResStringRec cxSFilterErrorBuilding;
extern const TResStringRec cxSFilterDialogCaption;
extern const TResStringRec cxSFilterDialogInvalidValue;
extern const TResStringRec cxSFilterDialogUse;
extern const TResStringRec cxSFilterDialogSingleCharacter;
extern const TResStringRec cxSFilterDialogCharactersSeries;
extern const TResStringRec cxSFilterDialogOperationAnd;
extern const TResStringRec cxSFilterDialogOperationOr;
extern const TResStringRec cxSFilterDialogRows;
extern const TResStringRec cxSFilterControlDialogCaption;
extern const TResStringRec cxSFilterControlDialogNewFile;
extern const TResStringRec cxSFilterControlDialogOpenDialogCaption;
extern const TResStringRec cxSFilterControlDialogSaveDialogCaption;
extern const TResStringRec cxSFilterControlDialogActionSaveCaption;
extern const TResStringRec cxSFilterControlDialogActionSaveHint;
extern const TResStringRec cxSFilterControlDialogActionOpenCaption;
extern const TResStringRec cxSFilterControlDialogActionOpenHint;
extern const TResStringRec cxSFilterControlDialogActionApplyCaption;
extern const TResStringRec cxSFilterControlDialogActionOkCaption;
extern const TResStringRec cxSFilterControlDialogActionCancelCaption;
extern const TResStringRec cxSFilterControlDialogFileExt;
extern const TResStringRec cxSFilterControlDialogFileFilter;
constexpr int cxFilterControlStrsCount = 35;

// The records in the order they are filed (cxFilterControlStrsCount of them).
const PResStringRec* cxFilterControlStrsFiled();

// Unit start files the product (on the first start only); unit end removes it.
void cxFilterControlStrs_Initialize();
void cxFilterControlStrs_Finalize();
extern const TUnitEntry cxFilterControlStrsUnit;
