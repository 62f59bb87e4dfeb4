// The resource-string repository: products, their identifiers, listeners,
// the override lookup, and the toolkit's three string units.
#include <gtest/gtest.h>

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

struct TStringUnit {
  const char* unit;
  void (*start)();
  void (*end)();
  const wchar_t* const* product;
  int count;
  const TResStringRec* sample;
  const wchar_t* sampleText;
};

const TStringUnit kStringUnits[] = {
    {"cxDataConsts", cxDataConsts_Initialize, cxDataConsts_Finalize, &cxDataConstsProductName, 12, &cxSDataWriteError,
     L"Stream write error"},
    {"cxLibraryStrs", cxLibraryStrs_Initialize, cxLibraryStrs_Finalize, &cxLibraryStrsProductName, 24,
     &scxCantCreateRegistryKey, L"Can't create the registry key: \\%s"},
    {"cxFilterConsts", cxFilterConsts_Initialize, cxFilterConsts_Finalize, &cxFilterConstsProductName, 50,
     &cxSFilterBoxCustomCaption, L"(Custom...)"},
};

TEST(ToolkitStringUnitsTest, EachUnitFilesItsRowsOnceAndRemovesThemAtEnd) {
  TdxResourceStringsRepository* repo = GetResourceStringsRepository();
  for (const TStringUnit& u : kStringUnits) {
    SCOPED_TRACE(u.unit);
    u.start();
    u.start();  // a second start files nothing more
    int index = repo->IndexOfProduct(*u.product);
    ASSERT_GE(index, 0);
    TdxProductResourceStrings* product = repo->Products(index);
    ASSERT_EQ(product->Count(), u.count);
    EXPECT_EQ(repo->ProductCount(), index + 1);
    // Every identifier resolves to the text of the resource filed under it.
    for (int i = 0; i < product->Count(); ++i) {
      PResStringRec res = product->Values(i);
      EXPECT_EQ(product->Names(i), res->Identifier);
      EXPECT_EQ(ResolveResourceString(res), res->Text);
    }
    int sample = product->IndexOf(u.sample->Identifier);
    ASSERT_GE(sample, 0);
    EXPECT_EQ(ResolveResourceString(product->Values(sample)), u.sampleText);
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
