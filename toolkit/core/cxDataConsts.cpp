#include "cxDataConsts.h"

#include "dxCore.h"

const wchar_t* const cxDataConstsProductName = L"Toolkit Data";

#define CX_DATA_STRINGS(S) \
  S(cxSDataReadError, L"Stream read error") \
  S(cxSDataWriteError, L"Stream write error") \
  S(cxSDataItemExistError, L"Item already exists") \
  S(cxSDataRecordIndexError, L"RecordIndex out of range") \
  S(cxSDataItemIndexError, L"ItemIndex out of range") \
  S(cxSDataProviderModeError, L"This operation is not supported in provider mode") \
  S(cxSDataInvalidStreamFormat, L"Invalid stream format") \
  S(cxSDataRowIndexError, L"RowIndex out of range") \
  S(cxSDataCustomDataSourceInvalidCompare, L"GetInfoForCompare not implemented") \
  S(cxSDBDetailFilterControllerNotFound, L"DetailFilterController not found") \
  S(cxSDBNotInGridMode, L"DataController not in GridMode") \
  S(cxSDBKeyFieldNotFound, L"Key Field not found")

CX_DATA_STRINGS(DX_RESOURCE_STRING)

namespace {

constexpr PResStringRec kStrings[] = {CX_DATA_STRINGS(DX_RESOURCE_STRING_ADDRESS)};
TdxResourceStringsUnit GUnit(cxDataConstsProductName, &AddResourceStrings<kStrings>);

}  // namespace

void cxDataConsts_Initialize() { GUnit.Start(); }

void cxDataConsts_Finalize() { GUnit.End(); }

const TUnitEntry cxDataConstsUnit{L"cxDataConsts", cxDataConsts_Initialize, cxDataConsts_Finalize};
