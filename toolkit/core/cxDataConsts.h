// The data layer's message texts, filed in the resource-string repository as one product.
#pragma once

#include "System.h"
#include "Units.h"

// The product under which the unit files its texts.
extern const wchar_t* const cxDataConstsProductName;

extern const TResStringRec cxSDataReadError;
extern const TResStringRec cxSDataWriteError;
extern const TResStringRec cxSDataItemExistError;
extern const TResStringRec cxSDataRecordIndexError;
extern const TResStringRec cxSDataItemIndexError;
extern const TResStringRec cxSDataProviderModeError;
extern const TResStringRec cxSDataInvalidStreamFormat;
extern const TResStringRec cxSDataRowIndexError;
extern const TResStringRec cxSDataCustomDataSourceInvalidCompare;
extern const TResStringRec cxSDBDetailFilterControllerNotFound;
extern const TResStringRec cxSDBNotInGridMode;
extern const TResStringRec cxSDBKeyFieldNotFound;

// Unit start files the product (on the first start only); unit end removes it.
void cxDataConsts_Initialize();
void cxDataConsts_Finalize();
// The entry for the program's unit list.
extern const TUnitEntry cxDataConstsUnit;
