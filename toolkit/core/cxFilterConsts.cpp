#include "cxFilterConsts.h"

#include "dxCore.h"

const wchar_t* const cxFilterConstsProductName = L"Toolkit Filter";

const TResStringRec cxSFilterOperatorEqual{L"cxSFilterOperatorEqual", L"equals"};
const TResStringRec cxSFilterOperatorNotEqual{L"cxSFilterOperatorNotEqual", L"does not equal"};
const TResStringRec cxSFilterOperatorLess{L"cxSFilterOperatorLess", L"is less than"};
const TResStringRec cxSFilterOperatorLessEqual{L"cxSFilterOperatorLessEqual", L"is less than or equal to"};
const TResStringRec cxSFilterOperatorGreater{L"cxSFilterOperatorGreater", L"is greater than"};
const TResStringRec cxSFilterOperatorGreaterEqual{L"cxSFilterOperatorGreaterEqual", L"is greater than or equal to"};
const TResStringRec cxSFilterOperatorLike{L"cxSFilterOperatorLike", L"like"};
const TResStringRec cxSFilterOperatorNotLike{L"cxSFilterOperatorNotLike", L"not like"};
const TResStringRec cxSFilterOperatorBetween{L"cxSFilterOperatorBetween", L"between"};
const TResStringRec cxSFilterOperatorNotBetween{L"cxSFilterOperatorNotBetween", L"not between"};
const TResStringRec cxSFilterOperatorInList{L"cxSFilterOperatorInList", L"in"};
const TResStringRec cxSFilterOperatorNotInList{L"cxSFilterOperatorNotInList", L"not in"};
const TResStringRec cxSFilterOperatorYesterday{L"cxSFilterOperatorYesterday", L"is yesterday"};
const TResStringRec cxSFilterOperatorToday{L"cxSFilterOperatorToday", L"is today"};
const TResStringRec cxSFilterOperatorTomorrow{L"cxSFilterOperatorTomorrow", L"is tomorrow"};
const TResStringRec cxSFilterOperatorLast7Days{L"cxSFilterOperatorLast7Days", L"is last 7 days"};
const TResStringRec cxSFilterOperatorLastWeek{L"cxSFilterOperatorLastWeek", L"is last week"};
const TResStringRec cxSFilterOperatorLast14Days{L"cxSFilterOperatorLast14Days", L"is last 14 days"};
const TResStringRec cxSFilterOperatorLastTwoWeeks{L"cxSFilterOperatorLastTwoWeeks", L"is last two weeks"};
const TResStringRec cxSFilterOperatorLast30Days{L"cxSFilterOperatorLast30Days", L"is last 30 days"};
const TResStringRec cxSFilterOperatorLastMonth{L"cxSFilterOperatorLastMonth", L"is last month"};
const TResStringRec cxSFilterOperatorLastYear{L"cxSFilterOperatorLastYear", L"is last year"};
const TResStringRec cxSFilterOperatorPast{L"cxSFilterOperatorPast", L"is past"};
const TResStringRec cxSFilterOperatorThisWeek{L"cxSFilterOperatorThisWeek", L"is this week"};
const TResStringRec cxSFilterOperatorThisMonth{L"cxSFilterOperatorThisMonth", L"is this month"};
const TResStringRec cxSFilterOperatorThisYear{L"cxSFilterOperatorThisYear", L"is this year"};
const TResStringRec cxSFilterOperatorNext7Days{L"cxSFilterOperatorNext7Days", L"is next 7 days"};
const TResStringRec cxSFilterOperatorNextWeek{L"cxSFilterOperatorNextWeek", L"is next week"};
const TResStringRec cxSFilterOperatorNext14Days{L"cxSFilterOperatorNext14Days", L"is next 14 days"};
const TResStringRec cxSFilterOperatorNextTwoWeeks{L"cxSFilterOperatorNextTwoWeeks", L"is next two weeks"};
const TResStringRec cxSFilterOperatorNext30Days{L"cxSFilterOperatorNext30Days", L"is next 30 days"};
const TResStringRec cxSFilterOperatorNextMonth{L"cxSFilterOperatorNextMonth", L"is next month"};
const TResStringRec cxSFilterOperatorNextYear{L"cxSFilterOperatorNextYear", L"is next year"};
const TResStringRec cxSFilterOperatorFuture{L"cxSFilterOperatorFuture", L"is future"};
const TResStringRec cxSFilterAndCaption{L"cxSFilterAndCaption", L"and"};
const TResStringRec cxSFilterOrCaption{L"cxSFilterOrCaption", L"or"};
const TResStringRec cxSFilterNotCaption{L"cxSFilterNotCaption", L"not"};
const TResStringRec cxSFilterBlankCaption{L"cxSFilterBlankCaption", L"blank"};
const TResStringRec cxSFilterOperatorIsNull{L"cxSFilterOperatorIsNull", L"is blank"};
const TResStringRec cxSFilterOperatorIsNotNull{L"cxSFilterOperatorIsNotNull", L"is not blank"};
const TResStringRec cxSFilterOperatorBeginsWith{L"cxSFilterOperatorBeginsWith", L"begins with"};
const TResStringRec cxSFilterOperatorDoesNotBeginWith{L"cxSFilterOperatorDoesNotBeginWith", L"does not begin with"};
const TResStringRec cxSFilterOperatorEndsWith{L"cxSFilterOperatorEndsWith", L"ends with"};
const TResStringRec cxSFilterOperatorDoesNotEndWith{L"cxSFilterOperatorDoesNotEndWith", L"does not end with"};
const TResStringRec cxSFilterOperatorContains{L"cxSFilterOperatorContains", L"contains"};
const TResStringRec cxSFilterOperatorDoesNotContain{L"cxSFilterOperatorDoesNotContain", L"does not contain"};
const TResStringRec cxSFilterBoxAllCaption{L"cxSFilterBoxAllCaption", L"(All)"};
const TResStringRec cxSFilterBoxCustomCaption{L"cxSFilterBoxCustomCaption", L"(Custom...)"};
const TResStringRec cxSFilterBoxBlanksCaption{L"cxSFilterBoxBlanksCaption", L"(Blanks)"};
const TResStringRec cxSFilterBoxNonBlanksCaption{L"cxSFilterBoxNonBlanksCaption", L"(NonBlanks)"};

namespace {

void AddResourceStringNames(TdxProductResourceStrings* product) {
  product->Add(L"cxSFilterOperatorEqual", &cxSFilterOperatorEqual);
  product->Add(L"cxSFilterOperatorNotEqual", &cxSFilterOperatorNotEqual);
  product->Add(L"cxSFilterOperatorLess", &cxSFilterOperatorLess);
  product->Add(L"cxSFilterOperatorLessEqual", &cxSFilterOperatorLessEqual);
  product->Add(L"cxSFilterOperatorGreater", &cxSFilterOperatorGreater);
  product->Add(L"cxSFilterOperatorGreaterEqual", &cxSFilterOperatorGreaterEqual);
  product->Add(L"cxSFilterOperatorLike", &cxSFilterOperatorLike);
  product->Add(L"cxSFilterOperatorNotLike", &cxSFilterOperatorNotLike);
  product->Add(L"cxSFilterOperatorBetween", &cxSFilterOperatorBetween);
  product->Add(L"cxSFilterOperatorNotBetween", &cxSFilterOperatorNotBetween);
  product->Add(L"cxSFilterOperatorInList", &cxSFilterOperatorInList);
  product->Add(L"cxSFilterOperatorNotInList", &cxSFilterOperatorNotInList);
  product->Add(L"cxSFilterOperatorYesterday", &cxSFilterOperatorYesterday);
  product->Add(L"cxSFilterOperatorToday", &cxSFilterOperatorToday);
  product->Add(L"cxSFilterOperatorTomorrow", &cxSFilterOperatorTomorrow);
  product->Add(L"cxSFilterOperatorLast7Days", &cxSFilterOperatorLast7Days);
  product->Add(L"cxSFilterOperatorLastWeek", &cxSFilterOperatorLastWeek);
  product->Add(L"cxSFilterOperatorLast14Days", &cxSFilterOperatorLast14Days);
  product->Add(L"cxSFilterOperatorLastTwoWeeks", &cxSFilterOperatorLastTwoWeeks);
  product->Add(L"cxSFilterOperatorLast30Days", &cxSFilterOperatorLast30Days);
  product->Add(L"cxSFilterOperatorLastMonth", &cxSFilterOperatorLastMonth);
  product->Add(L"cxSFilterOperatorLastYear", &cxSFilterOperatorLastYear);
  product->Add(L"cxSFilterOperatorPast", &cxSFilterOperatorPast);
  product->Add(L"cxSFilterOperatorThisWeek", &cxSFilterOperatorThisWeek);
  product->Add(L"cxSFilterOperatorThisMonth", &cxSFilterOperatorThisMonth);
  product->Add(L"cxSFilterOperatorThisYear", &cxSFilterOperatorThisYear);
  product->Add(L"cxSFilterOperatorNext7Days", &cxSFilterOperatorNext7Days);
  product->Add(L"cxSFilterOperatorNextWeek", &cxSFilterOperatorNextWeek);
  product->Add(L"cxSFilterOperatorNext14Days", &cxSFilterOperatorNext14Days);
  product->Add(L"cxSFilterOperatorNextTwoWeeks", &cxSFilterOperatorNextTwoWeeks);
  product->Add(L"cxSFilterOperatorNext30Days", &cxSFilterOperatorNext30Days);
  product->Add(L"cxSFilterOperatorNextMonth", &cxSFilterOperatorNextMonth);
  product->Add(L"cxSFilterOperatorNextYear", &cxSFilterOperatorNextYear);
  product->Add(L"cxSFilterOperatorFuture", &cxSFilterOperatorFuture);
  product->Add(L"cxSFilterAndCaption", &cxSFilterAndCaption);
  product->Add(L"cxSFilterOrCaption", &cxSFilterOrCaption);
  product->Add(L"cxSFilterNotCaption", &cxSFilterNotCaption);
  product->Add(L"cxSFilterBlankCaption", &cxSFilterBlankCaption);
  product->Add(L"cxSFilterOperatorIsNull", &cxSFilterOperatorIsNull);
  product->Add(L"cxSFilterOperatorIsNotNull", &cxSFilterOperatorIsNotNull);
  product->Add(L"cxSFilterOperatorBeginsWith", &cxSFilterOperatorBeginsWith);
  product->Add(L"cxSFilterOperatorDoesNotBeginWith", &cxSFilterOperatorDoesNotBeginWith);
  product->Add(L"cxSFilterOperatorEndsWith", &cxSFilterOperatorEndsWith);
  product->Add(L"cxSFilterOperatorDoesNotEndWith", &cxSFilterOperatorDoesNotEndWith);
  product->Add(L"cxSFilterOperatorContains", &cxSFilterOperatorContains);
  product->Add(L"cxSFilterOperatorDoesNotContain", &cxSFilterOperatorDoesNotContain);
  product->Add(L"cxSFilterBoxAllCaption", &cxSFilterBoxAllCaption);
  product->Add(L"cxSFilterBoxCustomCaption", &cxSFilterBoxCustomCaption);
  product->Add(L"cxSFilterBoxBlanksCaption", &cxSFilterBoxBlanksCaption);
  product->Add(L"cxSFilterBoxNonBlanksCaption", &cxSFilterBoxNonBlanksCaption);
}

TdxResourceStringsUnit GUnit(cxFilterConstsProductName, &AddResourceStringNames);

}  // namespace

void cxFilterConsts_Initialize() { GUnit.Start(); }

void cxFilterConsts_Finalize() { GUnit.End(); }

const TUnitEntry cxFilterConstsUnit{L"cxFilterConsts", cxFilterConsts_Initialize, cxFilterConsts_Finalize};
