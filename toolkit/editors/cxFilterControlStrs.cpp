#include "cxFilterControlStrs.h"

#include "dxCore.h"

const wchar_t* const cxFilterControlProductName = L"Toolkit Filter Control";

#define CX_FILTER_CONTROL_STRINGS(S) \
  S(cxSFilterRootButtonCaption, L"Filter") \
  S(cxSFilterBoolOperatorAnd, L"AND") \
  S(cxSFilterBoolOperatorOr, L"OR") \
  S(cxSFilterBoolOperatorNotAnd, L"NOT AND") \
  S(cxSFilterBoolOperatorNotOr, L"NOT OR") \
  S(cxSFilterAddCondition, L"Add &Condition") \
  S(cxSFilterAddGroup, L"Add &Group") \
  S(cxSFilterRemoveRow, L"&Remove Row") \
  S(cxSFilterClearAll, L"Clear &All") \
  S(cxSFilterFooterAddCondition, L"press the button to add a new condition") \
  S(cxSFilterGroupCaption, L"applies to the following conditions") \
  S(cxSFilterRootGroupCaption, L"<root>") \
  S(cxSFilterControlNullString, L"<empty>") \
  S(cxSFilterErrorBuilding, L"Cannot build the filter from the source") \
  S(cxSFilterDialogCaption, L"Custom Filter") \
  S(cxSFilterDialogInvalidValue, L"Invalid value") \
  S(cxSFilterDialogUse, L"Use") \
  S(cxSFilterDialogSingleCharacter, L"to represent any single character") \
  S(cxSFilterDialogCharactersSeries, L"to represent any series of characters") \
  S(cxSFilterDialogOperationAnd, L"AND") \
  S(cxSFilterDialogOperationOr, L"OR") \
  S(cxSFilterDialogRows, L"Show rows where:") \
  S(cxSFilterControlDialogCaption, L"Filter builder") \
  S(cxSFilterControlDialogNewFile, L"untitled.flt") \
  S(cxSFilterControlDialogOpenDialogCaption, L"Open an existing filter") \
  S(cxSFilterControlDialogSaveDialogCaption, L"Save the active filter to file") \
  S(cxSFilterControlDialogActionSaveCaption, L"&Save As...") \
  S(cxSFilterControlDialogActionSaveHint, L"Save As|Saves the active filter with a new name") \
  S(cxSFilterControlDialogActionOpenCaption, L"&Open...") \
  S(cxSFilterControlDialogActionOpenHint, L"Open|Opens an existing filter") \
  S(cxSFilterControlDialogActionApplyCaption, L"&Apply") \
  S(cxSFilterControlDialogActionOkCaption, L"OK") \
  S(cxSFilterControlDialogActionCancelCaption, L"Cancel") \
  S(cxSFilterControlDialogFileExt, L"flt") \
  S(cxSFilterControlDialogFileFilter, L"Filters (*.flt)|*.flt")

CX_FILTER_CONTROL_STRINGS(DX_RESOURCE_STRING)

namespace {

constexpr PResStringRec kStrings[] = {CX_FILTER_CONTROL_STRINGS(DX_RESOURCE_STRING_ADDRESS)};
TdxResourceStringsUnit GUnit(cxFilterControlProductName, &AddResourceStrings<kStrings>);

}  // namespace

const PResStringRec* cxFilterControlStrsFiled() { return kStrings; }

void cxFilterControlStrs_Initialize() { GUnit.Start(); }

void cxFilterControlStrs_Finalize() { GUnit.End(); }

const TUnitEntry cxFilterControlStrsUnit{L"cxFilterControlStrs", &cxFilterControlStrs_Initialize,
                                         &cxFilterControlStrs_Finalize};
