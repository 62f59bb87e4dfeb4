// The toolkit's variants: the one order over every value, the equality that
// takes booleans as texts, the type tests, and the stream form with its tags,
// exact bytes and the reader's refusal of damaged data.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "FMTBcd.h"
#include "SqlTimeStamp.h"
#include "cxDataConsts.h"
#include "cxVariants.h"
#include "dxCore.h"
#include "support/InvariantFormats.h"

namespace {

using Bytes = std::vector<uint8_t>;

using VariantsTest = InvariantFormatsTest;

Bytes Write(const Variant& v) {
  TMemoryStream s;
  WriteVariantToStream(&s, v);
  const auto* p = static_cast<const uint8_t*>(s.Memory());
  return Bytes(p, p + s.Size());
}

Variant Read(const Bytes& bytes, int64_t* end = nullptr) {
  TMemoryStream s;
  if (!bytes.empty()) s.WriteBuffer(bytes.data(), int32_t(bytes.size()));
  s.SetPosition(0);
  Variant v = ReadVariantFromStream(&s);
  if (end) *end = s.Position();
  return v;
}

// The message of the read error the bytes raise, or a marker when none is raised.
String ReadErrorOf(const Bytes& bytes) {
  try {
    Read(bytes);
  } catch (const EReadError& e) {
    return e.Message();
  }
  return L"<read>";
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes r;
  for (const Bytes& p : parts) r.insert(r.end(), p.begin(), p.end());
  return r;
}

Bytes Le(uint64_t v, int n) {
  Bytes r;
  for (int i = 0; i < n; ++i) r.push_back(uint8_t(v >> (8 * i)));
  return r;
}

// --- Order ------------------------------------------------------------------------------

TEST_F(VariantsTest, OneOrderAcrossEmptyNullNumbersStringsDatesAndArrays) {
  const Variant empty, null = Null(), five(5), seven(7), half(2.5), abc(L"abc"), abd(L"abd"), numText(L"5");
  const Variant date = VarFromDateTime(2.0), two(2), yes(true), minusOne(-1);
  const Variant arr12 = VarArrayOf({1, 2}), arr123 = VarArrayOf({1, 2, 3}), arr13 = VarArrayOf({1, 3});
  const Variant arr9 = VarArrayOf({9}), none = VarArrayOf({});
  struct Case {
    const char* name;
    const Variant& a;
    const Variant& b;
    int expected;
  } const cases[] = {
      // Empty before everything, Null next, two of either equal.
      {"empty-empty", empty, empty, 0},
      {"empty-null", empty, null, -1},
      {"null-empty", null, empty, 1},
      {"empty-number", empty, five, -1},
      {"number-empty", five, empty, 1},
      {"null-null", null, null, 0},
      {"null-number", null, five, -1},
      {"number-null", five, null, 1},
      {"null-string", null, abc, -1},
      {"string-null", abc, null, 1},
      // Numbers by value across their kinds; dates are numbers too.
      {"5-5", five, five, 0},
      {"5-7", five, seven, -1},
      {"7-5", seven, five, 1},
      {"5-2.5", five, half, 1},
      {"date-2", date, two, 0},
      {"date-5", date, five, -1},
      {"true--1", yes, minusOne, 0},
      {"5-'5'", five, numText, 0},
      // A number and a text that is no number can't be ordered: -1 both ways.
      {"5-abc", five, abc, -1},
      {"abc-5", abc, five, -1},
      {"abc-abd", abc, abd, -1},
      {"abd-abc", abd, abc, 1},
      {"abc-abc", abc, abc, 0},
      // Arrays after every other value, by their high bounds, then element by element.
      {"array-number", arr12, five, 1},
      {"number-array", five, arr12, -1},
      {"empty-array", empty, arr12, -1},
      {"array-null", arr12, null, 1},
      {"[1,2]-[1,2,3]", arr12, arr123, -1},
      {"[1,2,3]-[9]", arr123, arr9, 2},
      {"[1,2]-[1,3]", arr12, arr13, -1},
      {"[1,3]-[1,2]", arr13, arr12, 1},
      {"[1,2]-[1,2]", arr12, arr12, 0},
      {"[]-[]", none, none, 0},
      {"[]-[9]", none, arr9, -1},
  };
  for (const Case& c : cases) {
    const int r = CompareVariants(c.a, c.b);
    EXPECT_EQ(r < 0 ? -1 : r > 0 ? 1 : 0, c.expected < 0 ? -1 : c.expected > 0 ? 1 : 0) << c.name;
    if (c.expected == 2) {
      EXPECT_EQ(r, 2) << c.name << ": the difference of the high bounds";
    }
    EXPECT_EQ(SameVariants(c.a, c.b), c.expected == 0) << c.name;
  }
}

TEST_F(VariantsTest, SimpleAndArrayComparisonsHandOnToEachOther) {
  EXPECT_EQ(CompareVariantArrays(Variant(5), Variant(6)), -1);
  EXPECT_EQ(CompareVariantArrays(VarArrayOf({1}), Variant(6)), 1);
  EXPECT_EQ(CompareVariantArrays(Variant(6), VarArrayOf({1})), -1);
  EXPECT_EQ(CompareSimpleVariants(Variant(6), Variant(5)), 1);
  // Nested arrays compare element by element, deeply.
  EXPECT_EQ(CompareVariants(VarArrayOf({1, VarArrayOf({2, 3})}), VarArrayOf({1, VarArrayOf({2, 4})})), -1);
  // Decimal numbers and time stamps take part in the order.
  EXPECT_EQ(CompareVariants(VarFMTBcdCreate(StrToBcd(L"2.5")), Variant(3)), -1);
  EXPECT_EQ(CompareVariants(VarFMTBcdCreate(StrToBcd(L"2.5")), Variant(2.5)), 0);
  EXPECT_EQ(CompareVariants(VarSQLTimeStampCreate(DateTimeToSQLTimeStamp(2.5)), VarFromDateTime(2.0)), 1);
  EXPECT_EQ(CompareVariants(VarFMTBcdCreate(StrToBcd(L"2.5")), Variant(L"abc")), -1);
  // Arrays that do not start at 0 compare where both have elements.
  Variant from1 = VarArrayCreate({1, 2}, varVariant), from0 = VarArrayCreate({0, 2}, varVariant);
  VarArrayPut(from1, 5, {1});
  VarArrayPut(from1, 6, {2});
  VarArrayPut(from0, L"x", {0});
  VarArrayPut(from0, 5, {1});
  VarArrayPut(from0, 6, {2});
  EXPECT_EQ(CompareVariants(from1, from0), 0);
  VarArrayPut(from0, 7, {2});
  EXPECT_EQ(CompareVariants(from1, from0), -1);
}

TEST_F(VariantsTest, EqualityTakesBooleansAsTheirTexts) {
  struct Case {
    const char* name;
    Variant a, b;
    bool equal;
  } const cases[] = {
      {"true-'True'", Variant(true), Variant(L"True"), true},
      {"'False'-false", Variant(L"False"), Variant(false), true},
      {"true-'true'", Variant(true), Variant(L"true"), false},
      {"true--1 as texts", Variant(true), Variant(-1), false},
      {"true-null", Variant(true), Null(), false},
      {"null-null", Null(), Null(), true},
      {"true-array", Variant(true), VarArrayOf({1}), false},
      {"1-1.0", Variant(1), Variant(1.0), true},
      {"'a'-'b'", Variant(L"a"), Variant(L"b"), false},
  };
  for (const Case& c : cases) EXPECT_EQ(AreVariantsEqual(c.a, c.b), c.equal) << c.name;
}

TEST_F(VariantsTest, TypeTests) {
  EXPECT_TRUE(IsVariantNullOrEmpty(Null()));
  EXPECT_TRUE(IsVariantNullOrEmpty(Variant(L"")));
  EXPECT_TRUE(IsVariantNullOrEmpty(Variant::OleStr(L"")));
  EXPECT_FALSE(IsVariantNullOrEmpty(Variant()));
  EXPECT_FALSE(IsVariantNullOrEmpty(Variant(L" ")));
  EXPECT_FALSE(IsVariantNullOrEmpty(Variant(0)));

  EXPECT_TRUE(IsNumericVariant(Variant(5)));
  EXPECT_TRUE(IsNumericVariant(Variant(2.5)));
  EXPECT_TRUE(IsNumericVariant(Variant(Currency::FromInt(1))));
  EXPECT_TRUE(IsNumericVariant(VarFMTBcdCreate(StrToBcd(L"1.5"))));
  EXPECT_FALSE(IsNumericVariant(Variant(L"5")));
  EXPECT_FALSE(IsNumericVariant(VarFromDateTime(1)));
  EXPECT_FALSE(IsNumericVariant(Null()));

  EXPECT_TRUE(IsDateTimeVariant(VarFromDateTime(1)));
  EXPECT_TRUE(IsDateTimeVariant(VarSQLTimeStampCreate(DateTimeToSQLTimeStamp(1))));
  EXPECT_FALSE(IsDateTimeVariant(Variant(1.0)));
}

// --- Stream form ------------------------------------------------------------------------

TEST_F(VariantsTest, EveryTagIsWrittenAsItsExactBytesAndReadBack) {
  TSQLTimeStamp stamp = DateTimeToSQLTimeStamp(2.0);
  struct Case {
    const char* name;
    Variant value;
    Bytes bytes;
    TVarType readType;
  } const cases[] = {
      {"Null", Null(), {0}, varNull},
      {"Empty", Variant(), {13}, varEmpty},
      {"int 5", Variant(5), {2, 5}, varShortInt},
      {"int -128", Variant(-128), {2, 0x80}, varShortInt},
      {"int 127", Variant(127), {2, 0x7F}, varShortInt},
      {"int 200", Variant(200), {3, 0xC8, 0x00}, varSmallint},
      {"int -129", Variant(-129), {3, 0x7F, 0xFF}, varSmallint},
      {"smallint 32767", Variant(int16_t(32767)), {3, 0xFF, 0x7F}, varSmallint},
      {"int 32768", Variant(32768), {4, 0x00, 0x80, 0x00, 0x00}, varInteger},
      {"int -2147483648", Variant(INT32_MIN), {4, 0x00, 0x00, 0x00, 0x80}, varInteger},
      {"int64 2147483648", Variant(int64_t(2147483648LL)), {19, 0, 0, 0, 0x80, 0, 0, 0, 0}, varInt64},
      {"int64 -2147483649", Variant(int64_t(-2147483649LL)), {19, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF},
       varInt64},
      {"byte 200", Variant(uint8_t(200)), {3, 0xC8, 0x00}, varSmallint},
      {"shortint -1", Variant(int8_t(-1)), {2, 0xFF}, varShortInt},
      {"word 65535", Variant(uint16_t(65535)), {4, 0xFF, 0xFF, 0, 0}, varInteger},
      {"longword 4000000000", Variant(uint32_t(4000000000u)), Concat({{19}, Le(4000000000u, 8)}), varInt64},
      {"double 1.5", Variant(1.5), {5, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F}, varDouble},
      {"double -0.5", Variant(-0.5), {5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0xBF}, varDouble},
      {"single 1.5", Variant(1.5f), {15, 0x00, 0x00, 0xC0, 0x3F}, varSingle},
      {"currency 1.2345", Variant(Currency::FromScaled(12345)), {16, 0x39, 0x30, 0, 0, 0, 0, 0, 0}, varCurrency},
      {"date 2.0", VarFromDateTime(2.0), {17, 0, 0, 0, 0, 0, 0, 0, 0x40}, varDate},
      {"string ab", Variant(L"ab"), {6, 2, 'a', 'b'}, varString},
      {"string empty", Variant(L""), {6, 0}, varString},
      {"olestr ab", Variant::OleStr(L"ab"), {18, 2, 0, 0, 0, 'a', 0, 'b', 0}, varOleStr},
      {"true", Variant(true), {9}, varBoolean},
      {"false", Variant(false), {8}, varBoolean},
      {"array [1,'a']", VarArrayOf({1, L"a"}), {1, 2, 2, 2, 1, 6, 1, 'a'}, varArray | varVariant},
      {"array []", VarArrayOf({}), {1, 2, 0}, varArray | varVariant},
      {"decimal 12.5 as its text", VarFMTBcdCreate(StrToBcd(L"12.5")), {6, 4, '1', '2', '.', '5'}, varString},
      {"time stamp as its date", VarSQLTimeStampCreate(stamp), {17, 0, 0, 0, 0, 0, 0, 0, 0x40}, varDate},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Write(c.value), c.bytes) << c.name;
    int64_t end = 0;
    const Variant back = Read(c.bytes, &end);
    EXPECT_EQ(back.VarType(), c.readType) << c.name;
    EXPECT_EQ(end, int64_t(c.bytes.size())) << c.name << ": the whole item is read";
    EXPECT_EQ(CompareVariants(back, c.value), 0) << c.name;
  }
}

TEST_F(VariantsTest, LongStringsSwitchToTheFourByteLengthAfter255) {
  const String s255(255, L'x'), s256(256, L'y');
  const Bytes b255 = Write(Variant(s255)), b256 = Write(Variant(s256));
  ASSERT_EQ(b255.size(), 2u + 255);
  EXPECT_EQ(b255[0], 6);
  EXPECT_EQ(b255[1], 255);
  ASSERT_EQ(b256.size(), 5u + 256);
  EXPECT_EQ(Bytes(b256.begin(), b256.begin() + 5), (Bytes{12, 0x00, 0x01, 0x00, 0x00}));
  EXPECT_EQ(Read(b255).AsString(), s255);
  EXPECT_EQ(Read(b256).AsString(), s256);
  EXPECT_EQ(Read(b256).VarType(), varString);
}

TEST_F(VariantsTest, DoublesKeepTheirExactValue) {
  for (double d : {0.1, 1.0 / 3.0, -123456.789e-300, 4.9406564584124654e-324, 1.7976931348623157e308, -0.0}) {
    const double back = Read(Write(Variant(d))).AsDouble();
    EXPECT_EQ(std::memcmp(&back, &d, sizeof d), 0) << d;
  }
}

// A text the ANSI code page can't hold would lose its characters as an 8-bit
// string; it goes as a wide one.
TEST_F(VariantsTest, TextBeyondTheCodePageIsWrittenWide) {
  const String arabic = L"\u0628\u0627\u0628";
  const Bytes bytes = Write(Variant(arabic));
  EXPECT_EQ(bytes, (Bytes{18, 3, 0, 0, 0, 0x28, 0x06, 0x27, 0x06, 0x28, 0x06}));
  EXPECT_EQ(Read(bytes).AsString(), arabic);
}

TEST_F(VariantsTest, WritingRefusesMultiDimensionalArraysAndUnconvertibleValues) {
  Variant grid = VarArrayCreate({0, 1, 0, 1}, varVariant);
  TSQLTimeStamp bad;
  bad.Year = 2020;
  bad.Month = 13;
  bad.Day = 1;
  for (const Variant& v : {grid, VarSQLTimeStampCreate(bad), VarArrayOf({1, grid})}) {
    TMemoryStream s;
    try {
      WriteVariantToStream(&s, v);
      ADD_FAILURE() << "no write error";
    } catch (const EWriteError& e) {
      EXPECT_EQ(e.Message(), L"Stream write error");
    }
  }
}

// An array holding every tag, its count and its elements, nested once.
Bytes EveryTag() {
  return Write(VarArrayOf({Null(), Variant(), Variant(5), Variant(200), Variant(70000), Variant(int64_t(1) << 40),
                           Variant(1.5), Variant(1.5f), Variant(Currency::FromScaled(7)), VarFromDateTime(3.0),
                           Variant(L"ab"), Variant(String(300, L'z')), Variant::OleStr(L"w"), Variant(true),
                           Variant(false), VarArrayOf({1, VarArrayOf({})})}));
}

TEST_F(VariantsTest, EveryTruncationPointRaisesTheReadError) {
  const Bytes whole = EveryTag();
  ASSERT_EQ(CompareVariants(Read(whole), Read(whole)), 0);
  for (size_t n = 0; n < whole.size(); ++n)
    EXPECT_EQ(ReadErrorOf(Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(n))), L"Stream read error") << n;
}

TEST_F(VariantsTest, DamagedCountsLengthsAndTagsRaiseTheReadError) {
  struct Case {
    const char* name;
    Bytes bytes;
  } const cases[] = {
      {"array count 2^31-1", {1, 4, 0xFF, 0xFF, 0xFF, 0x7F, 0}},
      {"array count 2^62", Concat({{1, 19}, Le(uint64_t(1) << 62, 8), {0}})},
      {"array count negative", {1, 2, 0xFF, 0}},
      {"array count as a text", {1, 6, 1, '3', 0, 0, 0}},
      {"array count as an array", {1, 1, 2, 0}},
      {"array count as a double", {1, 5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F, 0}},
      {"long string length 2^31-1", {12, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}},
      {"long string length negative", {12, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}},
      {"wide string count 2^30", {18, 0x00, 0x00, 0x00, 0x40, 'a', 0}},
      {"wide string count negative", {18, 0xFE, 0xFF, 0xFF, 0xFF}},
      {"wide string odd bytes", {18, 2, 0, 0, 0, 'a', 0, 'b'}},
      {"tag 7", {7}},
      {"tag 10", {10, 0, 0, 0, 0}},
      {"tag 11", {11}},
      {"tag 14", {14}},
      {"tag 20", {20, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"tag 255", {255}},
      {"empty stream", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadErrorOf(c.bytes), L"Stream read error") << c.name;
}

Bytes Nested(int levels) {
  Bytes b;
  for (int i = 0; i < levels; ++i) b.insert(b.end(), {1, 2, 1});
  b.push_back(0);  // the innermost element: Null
  return b;
}

TEST_F(VariantsTest, NestingIsBoundedWithoutExhaustingTheStack) {
  Variant v = Read(Nested(cxMaxVariantStreamDepth));
  for (int i = 0; i < cxMaxVariantStreamDepth; ++i) {
    ASSERT_TRUE(v.IsArray()) << i;
    v = Variant(v[0]);
  }
  EXPECT_TRUE(v.IsNull());
  EXPECT_EQ(ReadErrorOf(Nested(cxMaxVariantStreamDepth + 1)), L"Stream read error");
  EXPECT_EQ(ReadErrorOf(Nested(200000)), L"Stream read error");
}

// Arrays nested as deep as the reader takes go there and back; one level more
// is refused when written, so no stream is written that can't be read.
TEST_F(VariantsTest, WritingRefusesNestingTheReaderWouldRefuse) {
  auto nested = [](int levels) {
    Variant v = Null();
    for (int i = 0; i < levels; ++i) v = VarArrayOf({v});
    return v;
  };
  const Variant deepest = nested(cxMaxVariantStreamDepth);
  const Bytes bytes = Write(deepest);
  EXPECT_EQ(bytes, Nested(cxMaxVariantStreamDepth));
  EXPECT_EQ(CompareVariants(Read(bytes), deepest), 0);
  TMemoryStream s;
  try {
    WriteVariantToStream(&s, nested(cxMaxVariantStreamDepth + 1));
    ADD_FAILURE() << "no write error";
  } catch (const EWriteError& e) {
    EXPECT_EQ(e.Message(), L"Stream write error");
  }
}

// The reader's message is the data unit's own text, not a replacement filed in the repository.
TEST_F(VariantsTest, ReadErrorTextIsTheUnitsOwnResourceString) {
  SetResourceStringOverrides(TdxResourceStringOverrideMode::ByResource, {{L"", &cxSDataReadError}}, {L"replaced"});
  EXPECT_EQ(ResolveResourceString(&cxSDataReadError), L"replaced");
  EXPECT_EQ(ReadErrorOf({7}), L"Stream read error");
  FreeResourceStringOverrides();
}

TEST_F(VariantsTest, FixedSizeReadersAndWriters) {
  TMemoryStream s;
  WriteStreamAnsiString(&s, "abc");
  WriteStreamWideString(&s, L"\u4E2D\u6587");
  WriteStreamByte(&s, 0xAB);
  WriteStreamSmallInt(&s, -2);
  WriteStreamWord(&s, 0xFFFE);
  WriteStreamInteger(&s, -3);
  WriteStreamInt64(&s, INT64_MIN);
  WriteStreamCurrency(&s, Currency::FromScaled(-12345));
  WriteStreamDateTime(&s, 45000.25);
  WriteStreamExtended(&s, -2.75);
  const auto* p = static_cast<const uint8_t*>(s.Memory());
  EXPECT_EQ(Bytes(p, p + 15), (Bytes{3, 0, 0, 0, 'a', 'b', 'c', 2, 0, 0, 0, 0x2D, 0x4E, 0x87, 0x65}));
  EXPECT_EQ(s.Size(), 15 + 1 + 2 + 2 + 4 + 8 + 8 + 8 + 10);
  s.SetPosition(0);
  EXPECT_EQ(ReadStreamAnsiString(&s), "abc");
  EXPECT_EQ(ReadStreamWideString(&s), L"\u4E2D\u6587");
  EXPECT_EQ(ReadStreamByte(&s), 0xAB);
  EXPECT_EQ(ReadStreamSmallInt(&s), -2);
  EXPECT_EQ(ReadStreamWord(&s), 0xFFFE);
  EXPECT_EQ(ReadStreamInteger(&s), -3);
  EXPECT_EQ(ReadStreamInt64(&s), INT64_MIN);
  EXPECT_EQ(ReadStreamCurrency(&s), Currency::FromScaled(-12345));
  EXPECT_EQ(ReadStreamDateTime(&s), 45000.25);
  EXPECT_EQ(ReadStreamExtended(&s), -2.75);
  EXPECT_THROW(ReadStreamByte(&s), EReadError);

  // A length beyond what is left is refused before anything is allocated.
  TMemoryStream damaged;
  WriteStreamInteger(&damaged, 0x7FFFFFFF);
  damaged.SetPosition(0);
  EXPECT_THROW(ReadStreamAnsiString(&damaged), EReadError);
  damaged.SetPosition(0);
  EXPECT_THROW(ReadStreamWideString(&damaged), EReadError);
}

}  // namespace
