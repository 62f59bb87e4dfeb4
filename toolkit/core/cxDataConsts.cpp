#include "cxDataConsts.h"

#include "dxCore.h"

const wchar_t* const cxDataConstsProductName = L"Toolkit Data";

const TResStringRec cxSDataReadError{L"cxSDataReadError", L"Stream read error"};
const TResStringRec cxSDataWriteError{L"cxSDataWriteError", L"Stream write error"};
const TResStringRec cxSDataItemExistError{L"cxSDataItemExistError", L"Item already exists"};
const TResStringRec cxSDataRecordIndexError{L"cxSDataRecordIndexError", L"RecordIndex out of range"};
const TResStringRec cxSDataItemIndexError{L"cxSDataItemIndexError", L"ItemIndex out of range"};
const TResStringRec cxSDataProviderModeError{L"cxSDataProviderModeError", L"This operation is not supported in provider mode"};
const TResStringRec cxSDataInvalidStreamFormat{L"cxSDataInvalidStreamFormat", L"Invalid stream format"};
const TResStringRec cxSDataRowIndexError{L"cxSDataRowIndexError", L"RowIndex out of range"};
const TResStringRec cxSDataCustomDataSourceInvalidCompare{L"cxSDataCustomDataSourceInvalidCompare", L"GetInfoForCompare not implemented"};
const TResStringRec cxSDBDetailFilterControllerNotFound{L"cxSDBDetailFilterControllerNotFound", L"DetailFilterController not found"};
const TResStringRec cxSDBNotInGridMode{L"cxSDBNotInGridMode", L"DataController not in GridMode"};
const TResStringRec cxSDBKeyFieldNotFound{L"cxSDBKeyFieldNotFound", L"Key Field not found"};

namespace {

void AddResourceStringNames(TdxProductResourceStrings* product) {
  product->Add(L"cxSDataReadError", &cxSDataReadError);
  product->Add(L"cxSDataWriteError", &cxSDataWriteError);
  product->Add(L"cxSDataItemExistError", &cxSDataItemExistError);
  product->Add(L"cxSDataRecordIndexError", &cxSDataRecordIndexError);
  product->Add(L"cxSDataItemIndexError", &cxSDataItemIndexError);
  product->Add(L"cxSDataProviderModeError", &cxSDataProviderModeError);
  product->Add(L"cxSDataInvalidStreamFormat", &cxSDataInvalidStreamFormat);
  product->Add(L"cxSDataRowIndexError", &cxSDataRowIndexError);
  product->Add(L"cxSDataCustomDataSourceInvalidCompare", &cxSDataCustomDataSourceInvalidCompare);
  product->Add(L"cxSDBDetailFilterControllerNotFound", &cxSDBDetailFilterControllerNotFound);
  product->Add(L"cxSDBNotInGridMode", &cxSDBNotInGridMode);
  product->Add(L"cxSDBKeyFieldNotFound", &cxSDBKeyFieldNotFound);
}

TdxResourceStringsUnit GUnit(cxDataConstsProductName, &AddResourceStringNames);

}  // namespace

void cxDataConsts_Initialize() { GUnit.Start(); }

void cxDataConsts_Finalize() { GUnit.End(); }

const TUnitEntry cxDataConstsUnit{L"cxDataConsts", cxDataConsts_Initialize, cxDataConsts_Finalize};
