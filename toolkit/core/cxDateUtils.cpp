#include "cxDateUtils.h"

#include "cxLibraryStrs.h"
#include "dxCore.h"

namespace {

TcxSmartDateWords GWords;

const PResStringRec GWordStrings[cxSmartDateWordCount] = {
    &cxSDateToday,    &cxSDateYesterday, &cxSDateTomorrow, &cxSDateSunday, &cxSDateMonday,
    &cxSDateTuesday,  &cxSDateWednesday, &cxSDateThursday, &cxSDateFriday, &cxSDateSaturday,
    &cxSDateFirst,    &cxSDateSecond,    &cxSDateThird,    &cxSDateFourth, &cxSDateFifth,
    &cxSDateSixth,    &cxSDateSeventh,   &cxSDateBOM,      &cxSDateEOM,    &cxSDateNow};

}  // namespace

void LoadSmartDateWords() {
  for (int i = 0; i < cxSmartDateWordCount; ++i) GWords[size_t(i)] = ResolveResourceString(GWordStrings[i]);
}

const TcxSmartDateWords& SmartDateWords() { return GWords; }

void cxDateUtils_Finalize() { GWords = TcxSmartDateWords(); }

const TUnitEntry cxDateUtilsUnit{L"cxDateUtils", nullptr, cxDateUtils_Finalize};
