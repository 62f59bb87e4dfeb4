#include "cxFilterConsts.h"

#include "dxCore.h"

const wchar_t* const cxFilterConstsProductName = L"Toolkit Filter";

#define CX_FILTER_STRINGS(S) \
  S(cxSFilterOperatorEqual, L"equals") \
  S(cxSFilterOperatorNotEqual, L"does not equal") \
  S(cxSFilterOperatorLess, L"is less than") \
  S(cxSFilterOperatorLessEqual, L"is less than or equal to") \
  S(cxSFilterOperatorGreater, L"is greater than") \
  S(cxSFilterOperatorGreaterEqual, L"is greater than or equal to") \
  S(cxSFilterOperatorLike, L"like") \
  S(cxSFilterOperatorNotLike, L"not like") \
  S(cxSFilterOperatorBetween, L"between") \
  S(cxSFilterOperatorNotBetween, L"not between") \
  S(cxSFilterOperatorInList, L"in") \
  S(cxSFilterOperatorNotInList, L"not in") \
  S(cxSFilterOperatorYesterday, L"is yesterday") \
  S(cxSFilterOperatorToday, L"is today") \
  S(cxSFilterOperatorTomorrow, L"is tomorrow") \
  S(cxSFilterOperatorLast7Days, L"is last 7 days") \
  S(cxSFilterOperatorLastWeek, L"is last week") \
  S(cxSFilterOperatorLast14Days, L"is last 14 days") \
  S(cxSFilterOperatorLastTwoWeeks, L"is last two weeks") \
  S(cxSFilterOperatorLast30Days, L"is last 30 days") \
  S(cxSFilterOperatorLastMonth, L"is last month") \
  S(cxSFilterOperatorLastYear, L"is last year") \
  S(cxSFilterOperatorPast, L"is past") \
  S(cxSFilterOperatorThisWeek, L"is this week") \
  S(cxSFilterOperatorThisMonth, L"is this month") \
  S(cxSFilterOperatorThisYear, L"is this year") \
  S(cxSFilterOperatorNext7Days, L"is next 7 days") \
  S(cxSFilterOperatorNextWeek, L"is next week") \
  S(cxSFilterOperatorNext14Days, L"is next 14 days") \
  S(cxSFilterOperatorNextTwoWeeks, L"is next two weeks") \
  S(cxSFilterOperatorNext30Days, L"is next 30 days") \
  S(cxSFilterOperatorNextMonth, L"is next month") \
  S(cxSFilterOperatorNextYear, L"is next year") \
  S(cxSFilterOperatorFuture, L"is future") \
  S(cxSFilterAndCaption, L"and") \
  S(cxSFilterOrCaption, L"or") \
  S(cxSFilterNotCaption, L"not") \
  S(cxSFilterBlankCaption, L"blank") \
  S(cxSFilterOperatorIsNull, L"is blank") \
  S(cxSFilterOperatorIsNotNull, L"is not blank") \
  S(cxSFilterOperatorBeginsWith, L"begins with") \
  S(cxSFilterOperatorDoesNotBeginWith, L"does not begin with") \
  S(cxSFilterOperatorEndsWith, L"ends with") \
  S(cxSFilterOperatorDoesNotEndWith, L"does not end with") \
  S(cxSFilterOperatorContains, L"contains") \
  S(cxSFilterOperatorDoesNotContain, L"does not contain") \
  S(cxSFilterBoxAllCaption, L"(All)") \
  S(cxSFilterBoxCustomCaption, L"(Custom...)") \
  S(cxSFilterBoxBlanksCaption, L"(Blanks)") \
  S(cxSFilterBoxNonBlanksCaption, L"(NonBlanks)")

CX_FILTER_STRINGS(DX_RESOURCE_STRING)

namespace {

constexpr PResStringRec kStrings[] = {CX_FILTER_STRINGS(DX_RESOURCE_STRING_ADDRESS)};
TdxResourceStringsUnit GUnit(cxFilterConstsProductName, &AddResourceStrings<kStrings>);

}  // namespace

void cxFilterConsts_Initialize() { GUnit.Start(); }

void cxFilterConsts_Finalize() { GUnit.End(); }

const TUnitEntry cxFilterConstsUnit{L"cxFilterConsts", cxFilterConsts_Initialize, cxFilterConsts_Finalize};
