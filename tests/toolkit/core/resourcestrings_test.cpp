// The resource-string repository: products, their identifiers, listeners,
// the override lookup, and the toolkit's three string units.
#include <gtest/gtest.h>

#include <iterator>
#include <utility>

#include "cxDataConsts.h"
#include "cxFilterConsts.h"
#include "cxLibraryStrs.h"
#include "dxCore.h"

namespace {

const TResStringRec sFirst{L"sFirst", L"first text"};
const TResStringRec sSecond{L"sSecond", L"second text"};
const TResStringRec sThird{L"sThird", L"third text"};

void RegisterTwo(TdxProductResourceStrings* product) {
  product->Add(L"sSecond", &sSecond);
  product->Add(L"sFirst", &sFirst);
}

void RegisterDuplicate(TdxProductResourceStrings* product) {
  product->Add(L"sFirst", &sFirst);
  product->Add(L"sFirst", &sThird);
}

TEST(ResourceStringsRepositoryTest, ProductRunsItsRoutineAndKeepsIdentifiersSorted) {
  TdxProductResourceStrings product(L"P", &RegisterTwo);
  ASSERT_EQ(product.Count(), 2);
  EXPECT_EQ(product.Names(0), L"sFirst");
  EXPECT_EQ(product.Values(0), &sFirst);
  EXPECT_EQ(product.Names(1), L"sSecond");
  EXPECT_EQ(product.IndexOf(L"sSecond"), 1);
  EXPECT_EQ(product.IndexOf(L"sMissing"), -1);
  EXPECT_THROW(product.Names(2), EdxException);
}

TEST(ResourceStringsRepositoryTest, ProductWithoutRoutineIsEmptyAndDuplicateKeepsFirst) {
  TdxProductResourceStrings empty(L"E", nullptr);
  EXPECT_EQ(empty.Count(), 0);
  TdxProductResourceStrings dup(L"D", &RegisterDuplicate);
  ASSERT_EQ(dup.Count(), 1);
  EXPECT_EQ(dup.Values(0), &sFirst);
}

TEST(ResourceStringsRepositoryTest, SameNameTwiceRemovesTheEarlierOne) {
  TdxResourceStringsRepository repo;
  EXPECT_EQ(repo.IndexOfProduct(L"P"), -1);
  repo.AddProduct(L"P", &RegisterTwo);
  repo.AddProduct(L"Q", nullptr);
  repo.AddProduct(L"P", nullptr);
  EXPECT_EQ(repo.ProductCount(), 3);
  EXPECT_EQ(repo.IndexOfProduct(L"P"), 0);
  EXPECT_EQ(repo.IndexOfProduct(L"p"), -1);  // names compare exactly
  repo.RemoveProduct(L"P");
  ASSERT_EQ(repo.ProductCount(), 2);
  EXPECT_EQ(repo.IndexOfProduct(L"P"), 1);
  EXPECT_EQ(repo.Products(1)->Count(), 0);  // the later, empty one stayed
  repo.RemoveProduct(L"Missing");
  EXPECT_EQ(repo.ProductCount(), 2);
}

struct TListener : IdxLocalizerListener {
  void TranslationChanged() override {}
};

TEST(ResourceStringsRepositoryTest, ListenersAreKeptOnceAndLeaveCleanly) {
  TdxResourceStringsRepository repo;
  TListener a, b;
  repo.AttachListener(&a);
  repo.AttachListener(&a);
  EXPECT_EQ(repo.ListenerCount(), 1);
  repo.AttachListener(&b);
  repo.DetachListener(&b);
  repo.DetachListener(&b);
  EXPECT_EQ(repo.ListenerCount(), 1);
  repo.DetachListener(&a);
  EXPECT_EQ(repo.ListenerCount(), 0);
}

TEST(ResourceStringsRepositoryTest, GlobalRepositoryIsCreatedOnceAndFreedAtUnitEnd) {
  TdxResourceStringsRepository* repo = GetResourceStringsRepository();
  EXPECT_EQ(GetResourceStringsRepository(), repo);
  repo->AddProduct(L"Leftover", &RegisterTwo);
  dxCore_Finalize();  // a product still filed is freed with the repository
  EXPECT_EQ(GetResourceStringsRepository()->IndexOfProduct(L"Leftover"), -1);
}

class ResourceStringOverrideTest : public testing::Test {
 protected:
  void TearDown() override { FreeResourceStringOverrides(); }
};

TEST_F(ResourceStringOverrideTest, OffModeAnswersTheResourceText) {
  EXPECT_EQ(FindResourceStringOverride(&sFirst), -1);
  EXPECT_EQ(ResolveResourceString(&sFirst), L"first text");
  EXPECT_EQ(ResolveResourceString(&cxSDataReadError), LoadResString(&cxSDataReadError));
}

TEST_F(ResourceStringOverrideTest, OverridesChangeTheTextAndFreeingRestoresIt) {
  SetResourceStringOverrides(TdxResourceStringOverrideMode::ByResource, {{L"", &sSecond}, {L"", &sFirst}},
                             {L"zweiter", L"erster"});
  EXPECT_EQ(FindResourceStringOverride(&sFirst), 1);
  EXPECT_EQ(ResolveResourceString(&sFirst), L"erster");
  EXPECT_EQ(ResolveResourceString(&sThird), L"third text");

  SetResourceStringOverrides(TdxResourceStringOverrideMode::ByText, {{L"third text", nullptr}}, {L"dritter"});
  EXPECT_EQ(ResolveResourceString(&sThird), L"dritter");
  EXPECT_EQ(ResolveResourceString(&sFirst), L"first text");

  FreeResourceStringOverrides();
  EXPECT_EQ(FindResourceStringOverride(&sThird), -1);
  EXPECT_EQ(ResolveResourceString(&sThird), L"third text");
}

TEST_F(ResourceStringOverrideTest, KeyWithoutReplacementTextFallsBackToTheResource) {
  SetResourceStringOverrides(TdxResourceStringOverrideMode::ByResource, {{L"", &sFirst}}, {});
  EXPECT_EQ(ResolveResourceString(&sFirst), L"first text");
}

// Every text of the three units, as the toolkit shows it, under its identifier.
using TTextRow = std::pair<const wchar_t*, const wchar_t*>;
const TTextRow kDataConstsTexts[] = {
    {L"cxSDataReadError", L"Stream read error"},
    {L"cxSDataWriteError", L"Stream write error"},
    {L"cxSDataItemExistError", L"Item already exists"},
    {L"cxSDataRecordIndexError", L"RecordIndex out of range"},
    {L"cxSDataItemIndexError", L"ItemIndex out of range"},
    {L"cxSDataProviderModeError", L"This operation is not supported in provider mode"},
    {L"cxSDataInvalidStreamFormat", L"Invalid stream format"},
    {L"cxSDataRowIndexError", L"RowIndex out of range"},
    {L"cxSDataCustomDataSourceInvalidCompare", L"GetInfoForCompare not implemented"},
    {L"cxSDBDetailFilterControllerNotFound", L"DetailFilterController not found"},
    {L"cxSDBNotInGridMode", L"DataController not in GridMode"},
    {L"cxSDBKeyFieldNotFound", L"Key Field not found"},
};
const TTextRow kLibraryStrsTexts[] = {
    {L"scxCantCreateRegistryKey", L"Can't create the registry key: \\%s"},
    {L"scxCantOpenRegistryKey", L"Can't open the registry key: \\%s"},
    {L"scxErrorStoreObject", L"Error store %s object"},
    {L"scxConverterCantCreateStyleRepository", L"Can't create the Style Repository"},
    {L"cxSDateToday", L"today"},
    {L"cxSDateYesterday", L"yesterday"},
    {L"cxSDateTomorrow", L"tomorrow"},
    {L"cxSDateSunday", L"Sunday"},
    {L"cxSDateMonday", L"Monday"},
    {L"cxSDateTuesday", L"Tuesday"},
    {L"cxSDateWednesday", L"Wednesday"},
    {L"cxSDateThursday", L"Thursday"},
    {L"cxSDateFriday", L"Friday"},
    {L"cxSDateSaturday", L"Saturday"},
    {L"cxSDateFirst", L"first"},
    {L"cxSDateSecond", L"second"},
    {L"cxSDateThird", L"third"},
    {L"cxSDateFourth", L"fourth"},
    {L"cxSDateFifth", L"fifth"},
    {L"cxSDateSixth", L"sixth"},
    {L"cxSDateSeventh", L"seventh"},
    {L"cxSDateBOM", L"bom"},
    {L"cxSDateEOM", L"eom"},
    {L"cxSDateNow", L"now"},
};
const TTextRow kFilterConstsTexts[] = {
    {L"cxSFilterOperatorEqual", L"equals"},
    {L"cxSFilterOperatorNotEqual", L"does not equal"},
    {L"cxSFilterOperatorLess", L"is less than"},
    {L"cxSFilterOperatorLessEqual", L"is less than or equal to"},
    {L"cxSFilterOperatorGreater", L"is greater than"},
    {L"cxSFilterOperatorGreaterEqual", L"is greater than or equal to"},
    {L"cxSFilterOperatorLike", L"like"},
    {L"cxSFilterOperatorNotLike", L"not like"},
    {L"cxSFilterOperatorBetween", L"between"},
    {L"cxSFilterOperatorNotBetween", L"not between"},
    {L"cxSFilterOperatorInList", L"in"},
    {L"cxSFilterOperatorNotInList", L"not in"},
    {L"cxSFilterOperatorYesterday", L"is yesterday"},
    {L"cxSFilterOperatorToday", L"is today"},
    {L"cxSFilterOperatorTomorrow", L"is tomorrow"},
    {L"cxSFilterOperatorLast7Days", L"is last 7 days"},
    {L"cxSFilterOperatorLastWeek", L"is last week"},
    {L"cxSFilterOperatorLast14Days", L"is last 14 days"},
    {L"cxSFilterOperatorLastTwoWeeks", L"is last two weeks"},
    {L"cxSFilterOperatorLast30Days", L"is last 30 days"},
    {L"cxSFilterOperatorLastMonth", L"is last month"},
    {L"cxSFilterOperatorLastYear", L"is last year"},
    {L"cxSFilterOperatorPast", L"is past"},
    {L"cxSFilterOperatorThisWeek", L"is this week"},
    {L"cxSFilterOperatorThisMonth", L"is this month"},
    {L"cxSFilterOperatorThisYear", L"is this year"},
    {L"cxSFilterOperatorNext7Days", L"is next 7 days"},
    {L"cxSFilterOperatorNextWeek", L"is next week"},
    {L"cxSFilterOperatorNext14Days", L"is next 14 days"},
    {L"cxSFilterOperatorNextTwoWeeks", L"is next two weeks"},
    {L"cxSFilterOperatorNext30Days", L"is next 30 days"},
    {L"cxSFilterOperatorNextMonth", L"is next month"},
    {L"cxSFilterOperatorNextYear", L"is next year"},
    {L"cxSFilterOperatorFuture", L"is future"},
    {L"cxSFilterAndCaption", L"and"},
    {L"cxSFilterOrCaption", L"or"},
    {L"cxSFilterNotCaption", L"not"},
    {L"cxSFilterBlankCaption", L"blank"},
    {L"cxSFilterOperatorIsNull", L"is blank"},
    {L"cxSFilterOperatorIsNotNull", L"is not blank"},
    {L"cxSFilterOperatorBeginsWith", L"begins with"},
    {L"cxSFilterOperatorDoesNotBeginWith", L"does not begin with"},
    {L"cxSFilterOperatorEndsWith", L"ends with"},
    {L"cxSFilterOperatorDoesNotEndWith", L"does not end with"},
    {L"cxSFilterOperatorContains", L"contains"},
    {L"cxSFilterOperatorDoesNotContain", L"does not contain"},
    {L"cxSFilterBoxAllCaption", L"(All)"},
    {L"cxSFilterBoxCustomCaption", L"(Custom...)"},
    {L"cxSFilterBoxBlanksCaption", L"(Blanks)"},
    {L"cxSFilterBoxNonBlanksCaption", L"(NonBlanks)"},
};

struct TStringUnit {
  const char* unit;
  void (*start)();
  void (*end)();
  const wchar_t* const* product;
  const TTextRow* texts;
  std::size_t count;
};

const TStringUnit kStringUnits[] = {
    {"cxDataConsts", cxDataConsts_Initialize, cxDataConsts_Finalize, &cxDataConstsProductName, kDataConstsTexts,
     std::size(kDataConstsTexts)},
    {"cxLibraryStrs", cxLibraryStrs_Initialize, cxLibraryStrs_Finalize, &cxLibraryStrsProductName, kLibraryStrsTexts,
     std::size(kLibraryStrsTexts)},
    {"cxFilterConsts", cxFilterConsts_Initialize, cxFilterConsts_Finalize, &cxFilterConstsProductName,
     kFilterConstsTexts, std::size(kFilterConstsTexts)},
};

TEST(ToolkitStringUnitsTest, EachUnitFilesItsTextsOnceAndRemovesThemAtEnd) {
  TdxResourceStringsRepository* repo = GetResourceStringsRepository();
  for (const TStringUnit& u : kStringUnits) {
    SCOPED_TRACE(u.unit);
    u.start();
    u.start();  // a second start files nothing more
    int index = repo->IndexOfProduct(*u.product);
    ASSERT_GE(index, 0);
    TdxProductResourceStrings* product = repo->Products(index);
    ASSERT_EQ(product->Count(), int(u.count));
    EXPECT_EQ(repo->ProductCount(), index + 1);
    for (std::size_t i = 0; i < u.count; ++i) {
      const auto [identifier, text] = u.texts[i];
      const int at = product->IndexOf(identifier);
      ASSERT_GE(at, 0) << identifier;
      EXPECT_EQ(String(product->Values(at)->Identifier), identifier);
      EXPECT_EQ(ResolveResourceString(product->Values(at)), text) << product->Names(at);
    }
  }
  for (const TStringUnit& u : kStringUnits) {
    u.end();
    EXPECT_GE(repo->IndexOfProduct(*u.product), 0) << u.unit << " removed while still started";
    u.end();
    EXPECT_EQ(repo->IndexOfProduct(*u.product), -1) << u.unit;
    u.end();  // an unbalanced end does nothing
  }
}

TEST(ToolkitStringUnitsTest, ProductNamesAreDistinct) {
  EXPECT_NE(String(cxDataConstsProductName), cxLibraryStrsProductName);
  EXPECT_NE(String(cxDataConstsProductName), cxFilterConstsProductName);
  EXPECT_NE(String(cxLibraryStrsProductName), cxFilterConstsProductName);
}

TEST(ToolkitStringUnitsTest, SmartDateWordsAndFilterOrder) {
  const std::pair<PResStringRec, const wchar_t*> rows[] = {
      {&cxSDateToday, L"today"},          {&cxSDateSaturday, L"Saturday"},
      {&cxSDateSeventh, L"seventh"},      {&cxSDateNow, L"now"},
      {&cxSFilterOperatorNext7Days, L"is next 7 days"},
      {&cxSFilterOperatorNextWeek, L"is next week"},
      {&scxErrorStoreObject, L"Error store %s object"},
      {&cxSDBKeyFieldNotFound, L"Key Field not found"},
  };
  for (auto& [res, text] : rows) EXPECT_EQ(ResolveResourceString(res), text) << res->Identifier;
}

}  // namespace
