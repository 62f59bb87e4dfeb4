// The library core's message texts and smart date words, filed in the resource-string
// repository as one product.
#pragma once

#include "System.h"
#include "Units.h"

// The product under which the unit files its texts.
extern const wchar_t* const cxLibraryStrsProductName;

extern const TResStringRec scxCantCreateRegistryKey;
extern const TResStringRec scxCantOpenRegistryKey;
extern const TResStringRec scxErrorStoreObject;
extern const TResStringRec scxConverterCantCreateStyleRepository;
extern const TResStringRec cxSDateToday;
extern const TResStringRec cxSDateYesterday;
extern const TResStringRec cxSDateTomorrow;
extern const TResStringRec cxSDateSunday;
extern const TResStringRec cxSDateMonday;
extern const TResStringRec cxSDateTuesday;
extern const TResStringRec cxSDateWednesday;
extern const TResStringRec cxSDateThursday;
extern const TResStringRec cxSDateFriday;
extern const TResStringRec cxSDateSaturday;
extern const TResStringRec cxSDateFirst;
extern const TResStringRec cxSDateSecond;
extern const TResStringRec cxSDateThird;
extern const TResStringRec cxSDateFourth;
extern const TResStringRec cxSDateFifth;
extern const TResStringRec cxSDateSixth;
extern const TResStringRec cxSDateSeventh;
extern const TResStringRec cxSDateBOM;
extern const TResStringRec cxSDateEOM;
extern const TResStringRec cxSDateNow;

// Unit start files the product (on the first start only); unit end removes it.
void cxLibraryStrs_Initialize();
void cxLibraryStrs_Finalize();
// The entry for the program's unit list.
extern const TUnitEntry cxLibraryStrsUnit;
