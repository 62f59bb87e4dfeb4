// The editor strings: filed under the editor library's product, read through the
// repository, so a replacement text takes effect in the engines' messages.
#include <gtest/gtest.h>

#include "cxEditConsts.h"
#include "cxRegExpr.h"

namespace {

TEST(EditConsts, FiledUnderTheProductAndTakenBackAtUnitEnd) {
  TdxResourceStringsRepository* repository = GetResourceStringsRepository();
  ASSERT_EQ(repository->IndexOfProduct(cxEditorsLibraryProductName), -1);
  cxEditConsts_Initialize();
  const int index = repository->IndexOfProduct(cxEditorsLibraryProductName);
  ASSERT_GE(index, 0);
  TdxProductResourceStrings* product = repository->Products(index);
  EXPECT_EQ(product->Count(), cxEditConstsCount);
  EXPECT_EQ(cxEditConstsCount, 105);
  const int at = product->IndexOf(L"scxRegExprSubrangeOrder");
  ASSERT_GE(at, 0);
  EXPECT_EQ(product->Values(at), &scxRegExprSubrangeOrder);
  EXPECT_EQ(ResolveResourceString(product->Values(at)),
            L"The starting character of the subrange must be less than the finishing one");
  EXPECT_GE(product->IndexOf(L"scxRegExprNotSupportQuantifier"), 0);
  // The engine's limits are filed too, each with its own text.
  EXPECT_EQ(product->Values(product->IndexOf(L"scxRegExprTooComplex")), &scxRegExprTooComplex);
  EXPECT_EQ(product->Values(product->IndexOf(L"scxRegExprNestedTooDeeply")), &scxRegExprNestedTooDeeply);
  cxEditConsts_Finalize();
  EXPECT_EQ(repository->IndexOfProduct(cxEditorsLibraryProductName), -1);
}

TEST(EditConsts, TextsAsTheEditorsShowThem) {
  EXPECT_EQ(String(scxRegExprIncorrectSpace.Identifier), L"scxRegExprIncorrectSpace");
  EXPECT_EQ(ResolveResourceString(&scxRegExprIncorrectSpace), L"The space character is not allowed after '\\'");
  EXPECT_EQ(cxGetResourceStringFmt(&scxRegExprMissing, L")"), L"Missing ')'");
  EXPECT_EQ(cxGetResourceStringFmt(&scxRegExprLine, L"x"), L"Line");
  EXPECT_EQ(ResolveResourceString(&scxRegExprTooComplex), L"The expression is too complex");
  EXPECT_EQ(ResolveResourceString(&scxRegExprNestedTooDeeply), L"The groups are nested too deeply");
}

TEST(EditConsts, ReplacedTextReachesTheEngineMessages) {
  SetResourceStringOverrides(TdxResourceStringOverrideMode::ByResource,
                             {TdxResourceStringOverrideKey{String(), &scxRegExprMissing},
                              TdxResourceStringOverrideKey{String(), &scxRegExprLine}},
                             {L"Es fehlt '%s'", L"Zeile"});
  TcxRegExpr expr;
  try {
    expr.CompileSource(L"[a");
    FAIL();
  } catch (const EcxRegExprError& e) {
    EXPECT_EQ(e.Errors().Items(0).Message(), L"Es fehlt ']'");
    EXPECT_EQ(e.Errors().Items(0).MessageWithPosition(), L"Zeile1, Char3: Es fehlt ']'");
  }
  FreeResourceStringOverrides();
}

}  // namespace
