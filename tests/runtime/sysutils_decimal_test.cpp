// Decimal numbers, SQL time stamps and the custom variant types that carry them.
#include <gtest/gtest.h>

#include "FMTBcd.h"
#include "SqlTimeStamp.h"
#include "support/InvariantFormats.h"

namespace {

using DecimalTest = InvariantFormatsTest;

TEST_F(DecimalTest, TextsGoThereAndBackInTheirShortestForm) {
  struct Case {
    const wchar_t* in;
    const wchar_t* out;
  } const cases[] = {
      {L"0", L"0"},          {L"-0", L"0"},        {L"12.50", L"12.5"},   {L"  -007.25 ", L"-7.25"},
      {L".5", L"0.5"},       {L"1e3", L"1000"},    {L"1.5E-3", L"0.0015"}, {L"+42", L"42"},
      {L"123456789012345678901234567890.0123456789", L"123456789012345678901234567890.0123456789"},
  };
  for (const Case& c : cases) {
    TBcd bcd;
    ASSERT_TRUE(TryStrToBcd(c.in, bcd)) << c.in;
    EXPECT_EQ(BcdToStr(bcd), c.out) << c.in;
  }
  TBcd bcd;
  const String tooLong(65, L'9');
  for (const wchar_t* bad : {L"", L"-", L"1.2.3", L"abc", L"1e", L"1e99999", L"1,5", tooLong.c_str()})
    EXPECT_FALSE(TryStrToBcd(bad, bcd)) << bad;
  EXPECT_THROW(StrToBcd(L"x"), EBcdException);
  // The layout: digit count, sign and places, nibbles from the high one.
  bcd = StrToBcd(L"-12.5");
  EXPECT_EQ(bcd.Precision, 3);
  EXPECT_EQ(bcd.SignSpecialPlaces, 0x81);
  EXPECT_EQ(bcd.Fraction[0], 0x12);
  EXPECT_EQ(bcd.Fraction[1], 0x50);
}

TEST_F(DecimalTest, ComparisonIsNumeric) {
  struct Case {
    const wchar_t *a, *b;
    int expected;
  } const cases[] = {{L"1", L"2", -1},    {L"10", L"9", 1},     {L"-10", L"-9", -1}, {L"0.5", L"0.50", 0},
                     {L"-0", L"0", 0},    {L"-1", L"0.1", -1},  {L"1.01", L"1.1", -1}, {L"100", L"1e2", 0}};
  for (const Case& c : cases) EXPECT_EQ(BcdCompare(StrToBcd(c.a), StrToBcd(c.b)), c.expected) << c.a << " " << c.b;
}

TEST_F(DecimalTest, ConversionsToAndFromNumbers) {
  EXPECT_EQ(BcdToStr(IntegerToBcd(INT64_MIN)), L"-9223372036854775808");
  EXPECT_EQ(BcdToStr(DoubleToBcd(0.1)), L"0.1");
  EXPECT_EQ(BcdToDouble(StrToBcd(L"0.1")), 0.1);
  EXPECT_EQ(BcdToStr(CurrToBcd(Currency::FromScaled(-12345))), L"-1.2345");
  EXPECT_EQ(BcdToCurr(StrToBcd(L"1.23455")), Currency::FromScaled(12346));  // half to even
  EXPECT_EQ(BcdToCurr(StrToBcd(L"1.23445")), Currency::FromScaled(12344));
  EXPECT_EQ(BcdToCurr(StrToBcd(L"1.234451")), Currency::FromScaled(12345));
  EXPECT_EQ(BcdToCurr(StrToBcd(L"-922337203685477.5808")), Currency::FromScaled(INT64_MIN));
  EXPECT_THROW(BcdToCurr(StrToBcd(L"922337203685477.5808")), EBcdOverflowException);
  EXPECT_THROW(DoubleToBcd(1.0 / 0.0), EBcdOverflowException);
}

TEST_F(DecimalTest, DecimalVariants) {
  const Variant v = VarFMTBcdCreate(StrToBcd(L"2.5"));
  EXPECT_EQ(v.VarType(), VarFMTBcd());
  EXPECT_GE(VarFMTBcd(), varFirstCustom);
  EXPECT_EQ(v.AsString(), L"2.5");
  EXPECT_EQ(v.AsDouble(), 2.5);
  EXPECT_EQ(v.AsCurrency(), Currency::FromScaled(25000));
  EXPECT_EQ(v.AsInteger(), 2);  // the runtime's rounding, halves to even
  EXPECT_TRUE(v == Variant(2.5));
  EXPECT_TRUE(Variant(2) < v);
  EXPECT_TRUE(v == Variant(L"2.5"));
  EXPECT_THROW((void)(v == Variant(L"abc")), EVariantError);
  EXPECT_EQ(BcdToStr(VarToBcd(Variant(7))), L"7");
  EXPECT_EQ(BcdToStr(VarToBcd(VarAsType(Variant(L"-3.25"), VarFMTBcd()))), L"-3.25");
  EXPECT_THROW(VarToBcd(Null()), EVariantTypeCastError);
  EXPECT_THROW(VarAsType(Variant(L"x"), VarFMTBcd()), EVariantTypeCastError);
  const Variant copy = v;
  EXPECT_EQ(copy.AsString(), L"2.5");
  EXPECT_EQ(VarCompareValue(v, Variant(3)), vrLessThan);
}

TEST_F(DecimalTest, TimeStampsAndTheirVariants) {
  const TDateTime moment = EncodeDate(2024, 2, 29) + EncodeTime(13, 45, 30, 250);
  const TSQLTimeStamp stamp = DateTimeToSQLTimeStamp(moment);
  EXPECT_EQ(stamp.Year, 2024);
  EXPECT_EQ(stamp.Month, 2);
  EXPECT_EQ(stamp.Day, 29);
  EXPECT_EQ(stamp.Hour, 13);
  EXPECT_EQ(stamp.Minute, 45);
  EXPECT_EQ(stamp.Second, 30);
  EXPECT_EQ(stamp.Fractions, 250u);
  EXPECT_NEAR(SQLTimeStampToDateTime(stamp), moment, 1e-9);
  // Before 1899-12-30 the time still goes the right way round.
  const TDateTime old = EncodeDate(1890, 1, 1) - EncodeTime(6, 0, 0, 0);
  EXPECT_NEAR(SQLTimeStampToDateTime(DateTimeToSQLTimeStamp(old)), old, 1e-9);

  TSQLTimeStamp timeOnly;
  timeOnly.Hour = 12;
  EXPECT_EQ(SQLTimeStampToDateTime(timeOnly), 0.5);
  TSQLTimeStamp bad = stamp;
  bad.Month = 13;
  EXPECT_THROW(SQLTimeStampToDateTime(bad), EConvertError);
  bad = stamp;
  bad.Fractions = 1000;
  EXPECT_THROW(SQLTimeStampToDateTime(bad), EConvertError);

  const Variant v = VarSQLTimeStampCreate(stamp);
  EXPECT_EQ(v.VarType(), VarSQLTimeStamp());
  EXPECT_NE(VarSQLTimeStamp(), VarFMTBcd());
  EXPECT_NEAR(v.AsDate(), moment, 1e-9);
  EXPECT_EQ(v.AsString(), DateTimeToStr(v.AsDate()));
  EXPECT_TRUE(VarFromDateTime(moment - 1) < v);
  EXPECT_THROW(VarSQLTimeStampCreate(bad).AsDate(), EVariantTypeCastError);
  EXPECT_EQ(VarToSQLTimeStamp(VarFromDateTime(moment)).Fractions, 250u);
  EXPECT_THROW(VarToSQLTimeStamp(Variant(1e12)), EVariantTypeCastError);
  EXPECT_THROW(VarToSQLTimeStamp(Null()), EVariantTypeCastError);
}

}  // namespace
