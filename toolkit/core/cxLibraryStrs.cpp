#include "cxLibraryStrs.h"

#include "dxCore.h"

const wchar_t* const cxLibraryStrsProductName = L"Toolkit Library";

#define CX_LIBRARY_STRINGS(S) \
  S(scxCantCreateRegistryKey, L"Can't create the registry key: \\%s") \
  S(scxCantOpenRegistryKey, L"Can't open the registry key: \\%s") \
  S(scxErrorStoreObject, L"Error store %s object") \
  S(scxConverterCantCreateStyleRepository, L"Can't create the Style Repository") \
  S(cxSDateToday, L"today") \
  S(cxSDateYesterday, L"yesterday") \
  S(cxSDateTomorrow, L"tomorrow") \
  S(cxSDateSunday, L"Sunday") \
  S(cxSDateMonday, L"Monday") \
  S(cxSDateTuesday, L"Tuesday") \
  S(cxSDateWednesday, L"Wednesday") \
  S(cxSDateThursday, L"Thursday") \
  S(cxSDateFriday, L"Friday") \
  S(cxSDateSaturday, L"Saturday") \
  S(cxSDateFirst, L"first") \
  S(cxSDateSecond, L"second") \
  S(cxSDateThird, L"third") \
  S(cxSDateFourth, L"fourth") \
  S(cxSDateFifth, L"fifth") \
  S(cxSDateSixth, L"sixth") \
  S(cxSDateSeventh, L"seventh") \
  S(cxSDateBOM, L"bom") \
  S(cxSDateEOM, L"eom") \
  S(cxSDateNow, L"now")

CX_LIBRARY_STRINGS(DX_RESOURCE_STRING)

namespace {

constexpr PResStringRec kStrings[] = {CX_LIBRARY_STRINGS(DX_RESOURCE_STRING_ADDRESS)};
TdxResourceStringsUnit GUnit(cxLibraryStrsProductName, &AddResourceStrings<kStrings>);

}  // namespace

void cxLibraryStrs_Initialize() { GUnit.Start(); }

void cxLibraryStrs_Finalize() { GUnit.End(); }

const TUnitEntry cxLibraryStrsUnit{L"cxLibraryStrs", cxLibraryStrs_Initialize, cxLibraryStrs_Finalize};
