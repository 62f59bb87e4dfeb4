// Variants: type codes, conversions and their errors, the runtime's comparisons, arrays.
#include <gtest/gtest.h>

#include <functional>

#include "Variants.h"
#include "support/InvariantFormats.h"

namespace {

// The message of the variant error a call raises, prefixed by its class name.
String VariantErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const EVariantError& e) {
    return e.ClassName() + L": " + e.Message();
  }
  return L"<no EVariantError>";
}

using VariantTest = InvariantFormatsTest;

TEST_F(VariantTest, TypeCodesOfTheValueKinds) {
  struct Case {
    Variant value;
    TVarType type;
    const wchar_t* name;
  } cases[] = {
      {Variant(), varEmpty, L"Empty"},
      {Null(), varNull, L"Null"},
      {Variant(int16_t(1)), varSmallint, L"Smallint"},
      {Variant(1), varInteger, L"Integer"},
      {Variant(1.5f), varSingle, L"Single"},
      {Variant(1.5), varDouble, L"Double"},
      {Variant(Currency::FromInt(3)), varCurrency, L"Currency"},
      {VarFromDateTime(2.0), varDate, L"Date"},
      {Variant::OleStr(L"w"), varOleStr, L"OleStr"},
      {Variant(true), varBoolean, L"Boolean"},
      {Variant(int8_t(-1)), varShortInt, L"ShortInt"},
      {Variant(uint8_t(1)), varByte, L"Byte"},
      {Variant(uint16_t(1)), varWord, L"Word"},
      {Variant(uint32_t(1)), varLongWord, L"LongWord"},
      {Variant(int64_t(1)), varInt64, L"Int64"},
      {Variant(L"s"), varString, L"String"},
      {VarArrayOf({1, 2}), TVarType(varArray | varVariant), L"Array Variant"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VarType(c.value), c.type) << String(c.name);
    EXPECT_EQ(VarTypeAsText(c.type), c.name);
  }
  EXPECT_TRUE(VarIsNull(Null()));
  EXPECT_FALSE(VarIsNull(Variant()));
  EXPECT_TRUE(VarIsEmpty(Variant()));
  EXPECT_TRUE(VarIsNumeric(Variant(true)));
  EXPECT_TRUE(VarIsNumeric(Variant(Currency::FromInt(1))));
  EXPECT_FALSE(VarIsNumeric(VarFromDateTime(1)));
  EXPECT_FALSE(VarIsNumeric(Variant(L"1")));
  EXPECT_TRUE(VarIsStr(Variant::OleStr(L"")));
}

TEST_F(VariantTest, Conversions) {
  EXPECT_EQ(Variant(L" 12 ").AsInteger(), 12);
  EXPECT_EQ(Variant(L"$1F").AsInteger(), 31);
  EXPECT_EQ(Variant(L"2.5").AsInteger(), 2);  // halves to even
  EXPECT_EQ(Variant(3.5).AsInteger(), 4);
  EXPECT_EQ(Variant(true).AsInteger(), -1);
  EXPECT_EQ(Variant().AsInteger(), 0);
  EXPECT_EQ(Variant(uint32_t(4000000000u)).AsInt64(), 4000000000);
  EXPECT_EQ(Variant(L"1.5").AsDouble(), 1.5);
  EXPECT_EQ(Variant(Currency::FromDouble(1.2345)).AsDouble(), 1.2345);
  EXPECT_EQ(Variant(L"True").AsBoolean(), true);
  EXPECT_EQ(Variant(0.0).AsBoolean(), false);
  EXPECT_EQ(Variant(true).AsString(), L"True");
  EXPECT_EQ(Variant(false).AsString(), L"False");
  EXPECT_EQ(Variant(-7).AsString(), L"-7");
  EXPECT_EQ(Variant(0.1).AsString(), L"0.1");
  EXPECT_EQ(Variant(Currency::FromDouble(1.2345)).AsString(), L"1.2345");
  EXPECT_EQ(VarFromDateTime(EncodeDate(2026, 3, 5) + EncodeTime(14, 7, 9, 0)).AsString(), L"3/5/2026 2:07:09 PM");
  EXPECT_EQ(Variant().AsString(), L"");
  EXPECT_EQ(VarToStr(Null()), L"");
  EXPECT_EQ(VarToStrDef(Null(), L"-"), L"-");
  EXPECT_EQ(Variant(L"3/5/2026").AsDate(), EncodeDate(2026, 3, 5));
  EXPECT_EQ(Variant(L"1.00005").AsCurrency(), Currency::FromScaled(10000));  // rounded to the nearest step, even

  Variant i = VarAsType(Variant(L"42"), varInteger);
  EXPECT_EQ(VarType(i), varInteger);
  EXPECT_EQ(i.AsInteger(), 42);
  Variant w = VarAsType(Variant(42), varOleStr);
  EXPECT_EQ(VarType(w), varOleStr);
  EXPECT_EQ(w.AsString(), L"42");
  EXPECT_EQ(VarType(VarAsType(Variant(7), varByte)), varByte);
  EXPECT_EQ(VarAsType(Variant(true), varInteger).AsInteger(), -1);
}

TEST_F(VariantTest, ConversionErrors) {
  struct Case {
    std::function<void()> call;
    const wchar_t* message;
  } cases[] = {
      {[] { Null().AsInteger(); }, L"EVariantTypeCastError: Could not convert variant of type (Null) into type (Integer)"},
      {[] { Null().AsString(); }, L"EVariantTypeCastError: Could not convert variant of type (Null) into type (String)"},
      {[] { Null().AsBoolean(); }, L"EVariantTypeCastError: Could not convert variant of type (Null) into type (Boolean)"},
      {[] { Null().AsDouble(); }, L"EVariantTypeCastError: Could not convert variant of type (Null) into type (Double)"},
      {[] { Variant(L"abc").AsDouble(); }, L"EVariantTypeCastError: Could not convert variant of type (String) into type (Double)"},
      {[] { Variant(L"abc").AsInteger(); }, L"EVariantTypeCastError: Could not convert variant of type (String) into type (Integer)"},
      {[] { Variant::OleStr(L"x").AsBoolean(); }, L"EVariantTypeCastError: Could not convert variant of type (OleStr) into type (Boolean)"},
      {[] { Variant(L"x").AsDate(); }, L"EVariantTypeCastError: Could not convert variant of type (String) into type (Date)"},
      {[] { VarArrayOf({1}).AsString(); }, L"EVariantTypeCastError: Could not convert variant of type (Array Variant) into type (String)"},
      {[] { VarAsType(Null(), varInteger); }, L"EVariantTypeCastError: Could not convert variant of type (Null) into type (Integer)"},
      {[] { VarAsType(Variant(L"x"), varSmallint); }, L"EVariantTypeCastError: Could not convert variant of type (String) into type (Smallint)"},
      {[] { Variant(int64_t(1) << 40).AsInteger(); }, L"EVariantOverflowError: Variant overflow"},
      {[] { VarAsType(Variant(300), varByte); }, L"EVariantOverflowError: Variant overflow"},
      {[] { Variant(1e300).AsCurrency(); }, L"EVariantOverflowError: Variant overflow"},
      {[] { Variant(L"1e300").AsCurrency(); }, L"EVariantOverflowError: Variant overflow"},
      {[] { Variant(L"1e-5000").AsCurrency(); }, L"EVariantTypeCastError: Could not convert variant of type (String) into type (Currency)"},
      {[] { Variant(L"1e99999999999").AsCurrency(); }, L"EVariantTypeCastError: Could not convert variant of type (String) into type (Currency)"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(VariantErrorOf(cases[i].call), cases[i].message) << i;
}

TEST_F(VariantTest, RuntimeOperatorsAndTheirErrors) {
  EXPECT_TRUE(Null() == Null());
  EXPECT_FALSE(Null() == Variant(0));
  EXPECT_FALSE(Null() == Variant());
  EXPECT_TRUE(Null() < Variant(-5));
  EXPECT_FALSE(Variant(-5) < Null());
  EXPECT_FALSE(Null() < Null());
  EXPECT_TRUE(Variant(1) == Variant(1.0));
  EXPECT_TRUE(Variant(2) < Variant(2.5));
  EXPECT_TRUE(Variant(L"abc") < Variant(L"abd"));
  EXPECT_TRUE(Variant(L"abc") == Variant::OleStr(L"abc"));
  EXPECT_TRUE(Variant(L"10") == Variant(10));  // the text is read as a number
  EXPECT_TRUE(Variant(true) == Variant(-1));
  EXPECT_TRUE(Variant() == Variant(0));
  EXPECT_TRUE(Variant() == Variant(L""));
  EXPECT_TRUE(Variant() < Variant(1));
  EXPECT_TRUE(Variant(Currency::FromDouble(1.5)) == Variant(1.5));
  EXPECT_TRUE(VarFromDateTime(2.0) < Variant(3));
  EXPECT_TRUE(Variant(int64_t(1) << 62) < Variant((int64_t(1) << 62) + 1));  // exact beyond double precision

  EXPECT_THROW((void)(Variant(5) == Variant(L"abc")), EVariantTypeCastError);
  EXPECT_THROW((void)(Variant(L"abc") < Variant(5)), EVariantTypeCastError);
  EXPECT_THROW((void)(Variant(true) == Variant(L"True")), EVariantTypeCastError);
  EXPECT_THROW((void)(VarArrayOf({1}) == Variant(1)), EVariantInvalidOpError);

  EXPECT_EQ(VarCompareValue(Variant(1), Variant(2)), vrLessThan);
  EXPECT_EQ(VarCompareValue(Variant(L"b"), Variant(L"a")), vrGreaterThan);
  EXPECT_EQ(VarCompareValue(Variant(5), Variant(L"abc")), vrNotEqual);
  EXPECT_EQ(VarCompareValue(Null(), Null()), vrEqual);
  EXPECT_EQ(VarCompareValue(Null(), Variant(1)), vrNotEqual);
  EXPECT_TRUE(VarSameValue(Variant(1), Variant(1.0)));
  EXPECT_FALSE(VarSameValue(Null(), Variant()));
}

TEST_F(VariantTest, Arrays) {
  Variant a = VarArrayOf({1, L"a", Null()});
  EXPECT_TRUE(VarIsArray(a));
  EXPECT_EQ(VarArrayDimCount(a), 1);
  EXPECT_EQ(VarArrayLowBound(a, 1), 0);
  EXPECT_EQ(VarArrayHighBound(a, 1), 2);
  EXPECT_EQ(VarType(a[1]), varString);
  EXPECT_TRUE(VarIsNull(a[2]));

  Variant copy = a;  // a copy owns its own elements
  VarArrayPut(copy, 9, {0});
  EXPECT_EQ(a[0].AsInteger(), 1);
  EXPECT_EQ(copy[0].AsInteger(), 9);

  Variant bytes = VarArrayCreate({1, 3}, varByte);
  EXPECT_EQ(VarType(bytes), varArray | varByte);
  EXPECT_EQ(VarType(bytes[1]), varByte);
  VarArrayPut(bytes, 7, {3});
  EXPECT_EQ(VarType(bytes[3]), varByte);
  EXPECT_EQ(bytes[3].AsInteger(), 7);
  EXPECT_THROW(VarArrayPut(bytes, 300, {2}), EVariantOverflowError);

  Variant grid = VarArrayCreate({0, 1, 5, 7}, varVariant);
  EXPECT_EQ(VarArrayDimCount(grid), 2);
  EXPECT_EQ(VarArrayLowBound(grid, 2), 5);
  VarArrayPut(grid, L"x", {1, 7});
  EXPECT_EQ(VarArrayGet(grid, {1, 7}).AsString(), L"x");
  EXPECT_TRUE(VarIsEmpty(VarArrayGet(grid, {0, 7})));

  EXPECT_EQ(VarArrayHighBound(VarArrayCreate({0, -1}, varVariant), 1), -1);
  Variant top = VarArrayCreate({INT32_MAX - 2, INT32_MAX}, varByte);  // ends at the largest int
  EXPECT_EQ(VarArrayHighBound(top, 1), INT32_MAX);
  VarArrayPut(top, 5, {INT32_MAX});
  EXPECT_EQ(top[INT32_MAX].AsInteger(), 5);
  EXPECT_EQ(VariantErrorOf([&] { (void)a[3]; }),
            L"EVariantBadIndexError: Variant or safe array index out of bounds");
  EXPECT_EQ(VariantErrorOf([&] { VarArrayGet(grid, {1}); }),
            L"EVariantBadIndexError: Variant or safe array index out of bounds");
  EXPECT_EQ(VariantErrorOf([] { VarArrayHighBound(Variant(1), 1); }), L"EVariantNotAnArrayError: Variant is not an array");
  EXPECT_EQ(VariantErrorOf([] { VarArrayCreate({0}, varVariant); }),
            L"EVariantArrayCreateError: Error creating variant or safe array");
  EXPECT_EQ(VariantErrorOf([] { VarArrayCreate({3, 1}, varVariant); }),
            L"EVariantArrayCreateError: Error creating variant or safe array");
}

}  // namespace
