#include "cxLibraryStrs.h"

#include "dxCore.h"

const wchar_t* const cxLibraryStrsProductName = L"Toolkit Library";

const TResStringRec scxCantCreateRegistryKey{L"scxCantCreateRegistryKey", L"Can't create the registry key: \\%s"};
const TResStringRec scxCantOpenRegistryKey{L"scxCantOpenRegistryKey", L"Can't open the registry key: \\%s"};
const TResStringRec scxErrorStoreObject{L"scxErrorStoreObject", L"Error store %s object"};
const TResStringRec scxConverterCantCreateStyleRepository{L"scxConverterCantCreateStyleRepository", L"Can't create the Style Repository"};
const TResStringRec cxSDateToday{L"cxSDateToday", L"today"};
const TResStringRec cxSDateYesterday{L"cxSDateYesterday", L"yesterday"};
const TResStringRec cxSDateTomorrow{L"cxSDateTomorrow", L"tomorrow"};
const TResStringRec cxSDateSunday{L"cxSDateSunday", L"Sunday"};
const TResStringRec cxSDateMonday{L"cxSDateMonday", L"Monday"};
const TResStringRec cxSDateTuesday{L"cxSDateTuesday", L"Tuesday"};
const TResStringRec cxSDateWednesday{L"cxSDateWednesday", L"Wednesday"};
const TResStringRec cxSDateThursday{L"cxSDateThursday", L"Thursday"};
const TResStringRec cxSDateFriday{L"cxSDateFriday", L"Friday"};
const TResStringRec cxSDateSaturday{L"cxSDateSaturday", L"Saturday"};
const TResStringRec cxSDateFirst{L"cxSDateFirst", L"first"};
const TResStringRec cxSDateSecond{L"cxSDateSecond", L"second"};
const TResStringRec cxSDateThird{L"cxSDateThird", L"third"};
const TResStringRec cxSDateFourth{L"cxSDateFourth", L"fourth"};
const TResStringRec cxSDateFifth{L"cxSDateFifth", L"fifth"};
const TResStringRec cxSDateSixth{L"cxSDateSixth", L"sixth"};
const TResStringRec cxSDateSeventh{L"cxSDateSeventh", L"seventh"};
const TResStringRec cxSDateBOM{L"cxSDateBOM", L"bom"};
const TResStringRec cxSDateEOM{L"cxSDateEOM", L"eom"};
const TResStringRec cxSDateNow{L"cxSDateNow", L"now"};

namespace {

void AddResourceStringNames(TdxProductResourceStrings* product) {
  product->Add(L"scxCantCreateRegistryKey", &scxCantCreateRegistryKey);
  product->Add(L"scxCantOpenRegistryKey", &scxCantOpenRegistryKey);
  product->Add(L"scxErrorStoreObject", &scxErrorStoreObject);
  product->Add(L"scxConverterCantCreateStyleRepository", &scxConverterCantCreateStyleRepository);
  product->Add(L"cxSDateToday", &cxSDateToday);
  product->Add(L"cxSDateYesterday", &cxSDateYesterday);
  product->Add(L"cxSDateTomorrow", &cxSDateTomorrow);
  product->Add(L"cxSDateSunday", &cxSDateSunday);
  product->Add(L"cxSDateMonday", &cxSDateMonday);
  product->Add(L"cxSDateTuesday", &cxSDateTuesday);
  product->Add(L"cxSDateWednesday", &cxSDateWednesday);
  product->Add(L"cxSDateThursday", &cxSDateThursday);
  product->Add(L"cxSDateFriday", &cxSDateFriday);
  product->Add(L"cxSDateSaturday", &cxSDateSaturday);
  product->Add(L"cxSDateFirst", &cxSDateFirst);
  product->Add(L"cxSDateSecond", &cxSDateSecond);
  product->Add(L"cxSDateThird", &cxSDateThird);
  product->Add(L"cxSDateFourth", &cxSDateFourth);
  product->Add(L"cxSDateFifth", &cxSDateFifth);
  product->Add(L"cxSDateSixth", &cxSDateSixth);
  product->Add(L"cxSDateSeventh", &cxSDateSeventh);
  product->Add(L"cxSDateBOM", &cxSDateBOM);
  product->Add(L"cxSDateEOM", &cxSDateEOM);
  product->Add(L"cxSDateNow", &cxSDateNow);
}

TdxResourceStringsUnit GUnit(cxLibraryStrsProductName, &AddResourceStringNames);

}  // namespace

void cxLibraryStrs_Initialize() { GUnit.Start(); }

void cxLibraryStrs_Finalize() { GUnit.End(); }

const TUnitEntry cxLibraryStrsUnit{L"cxLibraryStrs", cxLibraryStrs_Initialize, cxLibraryStrs_Finalize};
