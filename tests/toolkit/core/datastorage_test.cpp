// Value types: their table (captions, sizes, variant types), comparison of
// slots, conversion to and from variants, display texts, stream forms, and
// the registry of kinds with its unit start and end.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "Classes.h"
#include "FMTBcd.h"
#include "SqlTimeStamp.h"
#include "Units.h"
#include "cxDataStorage.h"
#include "cxVariants.h"
#include "support/InvariantFormats.h"

namespace {

using Bytes = std::vector<uint8_t>;

using ValueTypesTest = InvariantFormatsTest;

// One value slot of a kind, released with it.
class TSlot {
 public:
  explicit TSlot(TcxValueTypeClass AType) : FType(AType), FBuffer(size_t(AType->ValueSize()) + 1, 0) {}
  ~TSlot() { FType->ReleaseValueBuffer(Data()); }
  TSlot(const TSlot&) = delete;
  void* Data() { return FBuffer.data() + 1; }  // deliberately unaligned, as slots in a record may be
  Variant Load() {
    Variant v;
    FType->LoadValue(Data(), v);
    return v;
  }
  TSlot& Store(const Variant& v) {
    FType->StoreValue(Data(), v);
    return *this;
  }

 private:
  TcxValueTypeClass FType;
  std::vector<uint8_t> FBuffer;
};

// A memory stream whose texts are UTF-16.
class TWideMemoryStream : public TMemoryStream, public IcxWideTextStream {
 public:
  bool HoldsWideText() const override { return true; }
};

Bytes Contents(TMemoryStream& s) {
  const auto* p = static_cast<const uint8_t*>(s.Memory());
  return Bytes(p, p + s.Size());
}

Bytes WriteValue(TcxValueTypeClass AType, const Variant& v, TMemoryStream& s) {
  TSlot slot(AType);
  slot.Store(v);
  AType->WriteValueToStream(slot.Data(), &s);
  return Contents(s);
}

Variant ReadValue(TcxValueTypeClass AType, TMemoryStream& s) {
  s.SetPosition(0);
  TSlot slot(AType);
  AType->ReadValueFromStream(slot.Data(), &s);
  EXPECT_EQ(s.Position(), s.Size()) << AType->TypeCaption().c_str();
  return slot.Load();
}

struct TKindRow {
  TcxValueTypeClass Type;
  const wchar_t* Caption;
  int Size;
  TVarType VariantType;
  bool HoldsText;
};

std::vector<TKindRow> KindTable() {
  const int ptr = int(sizeof(void*));
  return {
      {TcxStringValueType::Class(), L"String", ptr, varString, true},
      {TcxWideStringValueType::Class(), L"WideString", ptr, varOleStr, true},
      {TcxSmallintValueType::Class(), L"Smallint", 2, varSmallint, false},
      {TcxIntegerValueType::Class(), L"Integer", 4, varInteger, false},
      {TcxWordValueType::Class(), L"Word", 2, varWord, false},
      {TcxBooleanValueType::Class(), L"Boolean", 1, varBoolean, false},
      {TcxFloatValueType::Class(), L"Float", 8, varDouble, false},
      {TcxCurrencyValueType::Class(), L"Currency", 8, varCurrency, false},
      {TcxDateTimeValueType::Class(), L"DateTime", 8, varDate, false},
      {TcxLargeIntValueType::Class(), L"LargeInt", 8, varInt64, false},
      {TcxFMTBcdValueType::Class(), L"FMTBcd", 34, VarFMTBcd(), false},
      {TcxSQLTimeStampValueType::Class(), L"SQLTimeStamp", 16, VarSQLTimeStamp(), false},
      {TcxVariantValueType::Class(), L"Variant", ptr, varVariant, false},
      {TcxObjectValueType::Class(), L"Object", ptr, sizeof(void*) == 4 ? varInteger : varInt64, false},
  };
}

TEST_F(ValueTypesTest, TheTableOfKinds) {
  for (const TKindRow& row : KindTable()) {
    EXPECT_EQ(row.Type->TypeCaption(), row.Caption);
    EXPECT_EQ(row.Type->ValueSize(), row.Size) << row.Caption;
    EXPECT_EQ(row.Type->VariantType(), row.VariantType) << row.Caption;
    EXPECT_EQ(row.Type->HoldsText(), row.HoldsText) << row.Caption;
    EXPECT_TRUE(row.Type->InheritsFrom(TcxValueType::Class())) << row.Caption;
    EXPECT_FALSE(row.Type->CanCreate()) << row.Caption << ": value types have no instances";
  }
  EXPECT_EQ(TcxWideStringValueType::Class()->ClassParent(), TcxStringValueType::Class());
  EXPECT_EQ(TcxObjectValueType::Class()->ClassParent(), TcxIntegerValueType::Class());
  EXPECT_EQ(TcxValueType::Class()->ClassParent(), TObject::StaticClass());
  EXPECT_EQ(TcxValueType::Class()->TypeCaption(), L"");
  EXPECT_EQ(TcxValueType::Class()->VariantType(), varVariant);
}

TEST_F(ValueTypesTest, SlotsCompareByTheirKind) {
  struct Case {
    const char* name;
    TcxValueTypeClass type;
    Variant a, b;
    int expected;  // sign
  } const cases[] = {
      {"integer min-1", TcxIntegerValueType::Class(), Variant(INT32_MIN), Variant(1), -1},
      {"integer max-min", TcxIntegerValueType::Class(), Variant(INT32_MAX), Variant(INT32_MIN), 1},
      {"smallint", TcxSmallintValueType::Class(), Variant(-32768), Variant(32767), -1},
      {"word", TcxWordValueType::Class(), Variant(65535), Variant(0), 1},
      {"boolean", TcxBooleanValueType::Class(), Variant(false), Variant(true), -1},
      {"float", TcxFloatValueType::Class(), Variant(2.5), Variant(2.5), 0},
      {"float less", TcxFloatValueType::Class(), Variant(-1e300), Variant(1e-300), -1},
      {"currency", TcxCurrencyValueType::Class(), Variant(Currency::FromScaled(INT64_MAX)),
       Variant(Currency::FromScaled(INT64_MIN)), 1},
      {"date", TcxDateTimeValueType::Class(), VarFromDateTime(3.5), VarFromDateTime(3.25), 1},
      {"largeint", TcxLargeIntValueType::Class(), Variant(INT64_MIN), Variant(INT64_MAX), -1},
      {"decimal", TcxFMTBcdValueType::Class(), Variant(L"-10"), Variant(L"9.5"), -1},
      {"string ordinal", TcxStringValueType::Class(), Variant(L"B"), Variant(L"a"), -1},
      {"string equal", TcxStringValueType::Class(), Variant(L"x"), Variant(L"x"), 0},
      {"string empty-null", TcxStringValueType::Class(), Variant(L""), Null(), 0},
      {"widestring", TcxWideStringValueType::Class(), Variant(L"b"), Variant(L"a"), 1},
      {"widestring null-empty", TcxWideStringValueType::Class(), Null(), Variant(L""), -1},
      {"variant", TcxVariantValueType::Class(), Variant(5), Variant(L"abc"), -1},
      {"variant null-value", TcxVariantValueType::Class(), Null(), Variant(1), -1},
  };
  for (const Case& c : cases) {
    TSlot a(c.type), b(c.type);
    a.Store(c.a);
    b.Store(c.b);
    const int r = c.type->CompareBuffers(a.Data(), b.Data());
    EXPECT_EQ(r < 0 ? -1 : r > 0 ? 1 : 0, c.expected) << c.name;
  }
}

TEST_F(ValueTypesTest, NilSlotsOfThePointerKindsSortFirstAndEqualEachOther) {
  for (TcxValueTypeClass type :
       {TcxStringValueType::Class(), TcxWideStringValueType::Class(), TcxVariantValueType::Class()}) {
    TSlot nil1(type), nil2(type), empty(type);
    empty.Store(Variant(L""));
    EXPECT_EQ(type->CompareBuffers(nil1.Data(), nil2.Data()), 0) << type->TypeCaption().c_str();
    EXPECT_EQ(type->CompareBuffers(nil1.Data(), empty.Data()), -1) << type->TypeCaption().c_str();
    EXPECT_EQ(type->CompareBuffers(empty.Data(), nil1.Data()), 1) << type->TypeCaption().c_str();
    EXPECT_TRUE(nil1.Load().IsNull());
    // The items CompareItems gets are the pointers the slots hold.
    const void* item = empty.Data();
    type->DerefValueBuffer(item);
    EXPECT_EQ(item, *static_cast<void* const*>(empty.Data()));
    Variant v;
    type->LoadValueFromPointer(item, v);
    EXPECT_EQ(v.AsString(), L"") << type->TypeCaption().c_str();
  }
}

TEST_F(ValueTypesTest, NullIntoStringSlotsIsEmptyTextButIntoWideStringSlotsStaysNull) {
  TSlot s(TcxStringValueType::Class()), w(TcxWideStringValueType::Class()), v(TcxVariantValueType::Class());
  EXPECT_EQ(s.Store(Null()).Load().VarType(), varString);
  EXPECT_EQ(s.Load().AsString(), L"");
  EXPECT_TRUE(w.Store(Variant(L"x")).Store(Null()).Load().IsNull());
  EXPECT_EQ(*static_cast<void* const*>(w.Data()), nullptr);
  EXPECT_TRUE(v.Store(Null()).Load().IsNull());
  EXPECT_EQ(w.Store(Variant(L"\u4E2D")).Load().VarType(), varOleStr);
  EXPECT_EQ(w.Load().AsString(), L"\u4E2D");
  // A value that is no text leaves the wide slot as it was.
  EXPECT_THROW(w.Store(VarArrayOf({1})), EVariantError);
  EXPECT_EQ(w.Load().AsString(), L"\u4E2D");
}

// Narrowing a wide text to 8 bits on its way to the stream would lose every
// character the ANSI code page lacks; it goes as UTF-16.
TEST_F(ValueTypesTest, WideStringsKeepCharactersTheCodePageLacks) {
  const String text = L"\u0628\u4E2D\u00E9";
  TMemoryStream s;
  EXPECT_EQ(WriteValue(TcxWideStringValueType::Class(), Variant(text), s),
            (Bytes{3, 0, 0, 0, 0x28, 0x06, 0x2D, 0x4E, 0xE9, 0x00}));
  EXPECT_EQ(ReadValue(TcxWideStringValueType::Class(), s).AsString(), text);
}

TEST_F(ValueTypesTest, CurrencyGoesThereAndBackRoundedToTheNearestStep) {
  struct Case {
    Variant in;
    int64_t scaled;
  } const cases[] = {
      {Variant(1.23455), 12346},  // 1.23455 is a little above in binary: up
      {Variant(L"0.00025"), 2},   // exactly half a step: to even
      {Variant(L"0.00035"), 4},
      {Variant(L"-12.3456"), -123456},
      {Variant(Currency::FromScaled(INT64_MIN)), INT64_MIN},
      {Variant(int64_t(922337203685477)), 9223372036854770000},
  };
  for (const Case& c : cases) {
    TSlot slot(TcxCurrencyValueType::Class());
    slot.Store(c.in);
    EXPECT_EQ(slot.Load().AsCurrency().Scaled, c.scaled);
    TMemoryStream s;
    const Bytes bytes = WriteValue(TcxCurrencyValueType::Class(), c.in, s);
    int64_t stored;
    ASSERT_EQ(bytes.size(), 8u);
    std::memcpy(&stored, bytes.data(), 8);
    EXPECT_EQ(stored, c.scaled);
    EXPECT_EQ(ReadValue(TcxCurrencyValueType::Class(), s).AsCurrency().Scaled, c.scaled);
  }
  TSlot slot(TcxCurrencyValueType::Class());
  EXPECT_THROW(slot.Store(Variant(1e300)), EVariantError);
}

TEST_F(ValueTypesTest, DatesGoThereAndBackExactly) {
  const TDateTime moments[] = {0, -693593.75, 2958465.999988426, EncodeDate(2024, 2, 29) + EncodeTime(23, 59, 59, 999),
                               0.1};
  for (TDateTime d : moments) {
    TMemoryStream s;
    const Bytes bytes = WriteValue(TcxDateTimeValueType::Class(), VarFromDateTime(d), s);
    ASSERT_EQ(bytes.size(), 8u);
    EXPECT_EQ(std::memcmp(bytes.data(), &d, 8), 0);
    const Variant back = ReadValue(TcxDateTimeValueType::Class(), s);
    EXPECT_EQ(back.VarType(), varDate);
    EXPECT_EQ(back.AsDate(), d);
  }
  // A date text converts on storing; a time stamp slot loads as a date and streams as one.
  TSlot date(TcxDateTimeValueType::Class());
  EXPECT_EQ(date.Store(Variant(L"2/29/2024")).Load().AsDate(), EncodeDate(2024, 2, 29));
  const TDateTime moment = EncodeDate(2024, 2, 29) + EncodeTime(13, 45, 30, 250);
  TMemoryStream s;
  const Bytes bytes = WriteValue(TcxSQLTimeStampValueType::Class(), VarFromDateTime(moment), s);
  EXPECT_EQ(bytes[0], cxVariantTagDate);
  EXPECT_NEAR(ReadValue(TcxSQLTimeStampValueType::Class(), s).AsDate(), moment, 1e-9);
}

TEST_F(ValueTypesTest, TimeStampsCompareFieldByFieldAndFractionsByOrder) {
  TSQLTimeStamp a, b;
  a.Year = b.Year = 2024;
  a.Month = b.Month = 1;
  a.Day = b.Day = 1;
  a.Fractions = 0;
  b.Fractions = 0xFFFFFFFFu;  // a difference beyond any int
  auto compare = [](const TSQLTimeStamp& x, const TSQLTimeStamp& y) {
    return TcxSQLTimeStampValueType::Class()->CompareBuffers(&x, &y);
  };
  EXPECT_LT(compare(a, b), 0);
  EXPECT_GT(compare(b, a), 0);
  b.Fractions = 0;
  EXPECT_EQ(compare(a, b), 0);
  b.Year = 2020;
  b.Month = 12;
  EXPECT_EQ(compare(a, b), 4);  // the year decides, by its difference
  a.Year = -5;
  EXPECT_EQ(compare(a, b), -2025);
}

TEST_F(ValueTypesTest, EveryKindGoesThroughItsStreamForm) {
  struct Case {
    const char* name;
    TcxValueTypeClass type;
    Variant value;
    Bytes bytes;
  } const cases[] = {
      {"smallint", TcxSmallintValueType::Class(), Variant(-2), {0xFE, 0xFF}},
      {"integer", TcxIntegerValueType::Class(), Variant(-2), {0xFE, 0xFF, 0xFF, 0xFF}},
      {"word", TcxWordValueType::Class(), Variant(258), {0x02, 0x01}},
      {"boolean", TcxBooleanValueType::Class(), Variant(true), {0x01}},
      {"float", TcxFloatValueType::Class(), Variant(1.5), {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F}},
      {"largeint", TcxLargeIntValueType::Class(), Variant(int64_t(-2)), {0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
      {"string", TcxStringValueType::Class(), Variant(L"ab"), {2, 0, 0, 0, 'a', 'b'}},
      {"string nil", TcxStringValueType::Class(), Null(), {0, 0, 0, 0}},
      {"widestring", TcxWideStringValueType::Class(), Variant(L"ab"), {2, 0, 0, 0, 'a', 0, 'b', 0}},
      {"variant", TcxVariantValueType::Class(), Variant(200), {3, 0xC8, 0}},
      {"variant nil", TcxVariantValueType::Class(), Null(), {0}},
      {"decimal", TcxFMTBcdValueType::Class(), Variant(L"-1.5"), {6, 4, '-', '1', '.', '5'}},
  };
  for (const Case& c : cases) {
    TMemoryStream s;
    EXPECT_EQ(WriteValue(c.type, c.value, s), c.bytes) << c.name;
    const Variant back = ReadValue(c.type, s);
    TSlot expected(c.type);
    expected.Store(c.value);
    EXPECT_EQ(CompareVariants(back, expected.Load()), 0) << c.name;
  }
  // Object references never go to a stream.
  TMemoryStream s;
  TSlot object(TcxObjectValueType::Class());
  TcxObjectValueType::Class()->WriteValueToStream(object.Data(), &s);
  TcxObjectValueType::Class()->ReadValueFromStream(object.Data(), &s);
  EXPECT_EQ(s.Size(), 0);
}

TEST_F(ValueTypesTest, FloatsKeepTheirExactValueInTheTenByteForm) {
  for (double d : {0.1, -1.0 / 3.0, 5e-324, 1.7976931348623157e308}) {
    TMemoryStream s;
    EXPECT_EQ(WriteValue(TcxFloatValueType::Class(), Variant(d), s).size(), 10u);
    EXPECT_EQ(ReadValue(TcxFloatValueType::Class(), s).AsDouble(), d);
  }
}

TEST_F(ValueTypesTest, TextsTravelWideOnlyInAStreamMarkedWide) {
  TcxValueTypeClass type = TcxStringValueType::Class();
  const String text = L"\u4E2D\u6587 text";
  TWideMemoryStream wide;
  EXPECT_TRUE(cxStreamHoldsWideText(&wide));
  const Bytes bytes = WriteValue(type, Variant(text), wide);
  ASSERT_EQ(bytes.size(), 4 + 2 * text.size());
  EXPECT_EQ(bytes[0], text.size());
  EXPECT_EQ(bytes[4], 0x2D);
  EXPECT_EQ(bytes[5], 0x4E);
  EXPECT_EQ(ReadValue(type, wide).AsString(), text);

  TMemoryStream narrow;
  EXPECT_FALSE(cxStreamHoldsWideText(&narrow));
  EXPECT_EQ(WriteValue(type, Variant(L"abc"), narrow), (Bytes{3, 0, 0, 0, 'a', 'b', 'c'}));

  // Display texts use the same forms.
  void* p = nullptr;
  type->StoreText(p, L"shown");
  TWideMemoryStream texts;
  type->WriteTextToStream(p, &texts);
  type->WriteTextToStream(nullptr, &texts);
  type->ReleaseTextBuffer(p);
  EXPECT_EQ(p, nullptr);
  texts.SetPosition(0);
  type->ReadTextFromStream(p, &texts);
  EXPECT_EQ(type->LoadText(p), L"shown");
  type->ReadTextFromStream(p, &texts);
  EXPECT_EQ(type->LoadText(p), L"");
  type->ReleaseTextBuffer(p);
  EXPECT_EQ(type->LoadText(nullptr), L"");

  // A damaged length is the read error, with nothing allocated for it.
  TMemoryStream damaged;
  WriteStreamInteger(&damaged, 0x7FFFFFF0);
  damaged.SetPosition(0);
  TSlot slot(type);
  EXPECT_THROW(type->ReadValueFromStream(slot.Data(), &damaged), EReadError);
}

TEST_F(ValueTypesTest, TextsCoercionAndRelease) {
  TSlot b(TcxBooleanValueType::Class()), d(TcxDateTimeValueType::Class()), f(TcxFMTBcdValueType::Class());
  EXPECT_EQ(TcxBooleanValueType::Class()->ValueToText(b.Store(Variant(true)).Data()), L"True");
  EXPECT_EQ(TcxBooleanValueType::Class()->ValueToText(b.Store(Variant(false)).Data()), L"False");
  EXPECT_EQ(TcxDateTimeValueType::Class()->ValueToText(d.Store(VarFromDateTime(EncodeDate(2024, 3, 5))).Data()),
            L"3/5/2024");
  EXPECT_EQ(TcxFMTBcdValueType::Class()->ValueToText(f.Store(Variant(L"0012.340")).Data()), L"12.34");
  TSlot v(TcxVariantValueType::Class());
  EXPECT_EQ(TcxVariantValueType::Class()->ValueToText(v.Store(VarArrayOf({1})).Data()), L"")
      << "a value that can't be a text shows as empty";

  struct Case {
    const char* name;
    TcxValueTypeClass type;
    Variant in;
    bool ok;
    TVarType out;
  } const cases[] = {
      {"integer from text", TcxIntegerValueType::Class(), Variant(L"42"), true, varInteger},
      {"integer from bad text", TcxIntegerValueType::Class(), Variant(L"x"), false, varString},
      {"smallint overflow", TcxSmallintValueType::Class(), Variant(70000), false, varInteger},
      {"null stays", TcxIntegerValueType::Class(), Null(), true, varNull},
      {"variant takes all", TcxVariantValueType::Class(), VarArrayOf({1}), true, varArray | varVariant},
      {"date from text", TcxDateTimeValueType::Class(), Variant(L"3/5/2024"), true, varDate},
      {"decimal from text", TcxFMTBcdValueType::Class(), Variant(L"1.5"), true, VarFMTBcd()},
      {"decimal from bad text", TcxFMTBcdValueType::Class(), Variant(L"1.5x"), false, varString},
  };
  for (const Case& c : cases) {
    Variant value = c.in;
    EXPECT_EQ(c.type->CoerceVariant(value), c.ok) << c.name;
    EXPECT_EQ(value.VarType(), c.out) << c.name;
  }

  // Releasing an object slot frees the object.
  struct TWatched : TObject {
    explicit TWatched(bool& freed) : Freed(freed) {}
    ~TWatched() override { Freed = true; }
    bool& Freed;
  };
  bool freed = false;
  {
    TSlot object(TcxObjectValueType::Class());
    auto* watched = new TWatched(freed);
    object.Store(Variant(reinterpret_cast<intptr_t>(watched)));
    EXPECT_EQ(object.Load().AsInt64(), int64_t(reinterpret_cast<intptr_t>(watched)));
  }
  EXPECT_TRUE(freed);
}

TEST_F(ValueTypesTest, RegistryListsTheKindsInOrderOnceAndEndsWithTheUnit) {
  InitializeUnits({cxDataStorageUnit});
  TcxValueTypeClassList* list = cxValueTypeClassList();
  ASSERT_NE(list, nullptr);
  const std::vector<TKindRow> table = KindTable();
  ASSERT_EQ(list->Count(), int(table.size()));
  for (size_t i = 0; i < table.size(); ++i) EXPECT_EQ(list->Items(int(i)), table[i].Type) << i;
  list->RegisterItem(TcxIntegerValueType::Class());
  EXPECT_EQ(list->Count(), 14) << "a kind registered twice is listed once";
  list->UnregisterItem(TcxIntegerValueType::Class());
  EXPECT_EQ(list->Count(), 13);
  list->RegisterItem(TcxIntegerValueType::Class());
  EXPECT_EQ(list->Items(13), TcxIntegerValueType::Class());
  EXPECT_THROW(list->Items(14), EListError);
  FinalizeUnits();
  EXPECT_EQ(cxValueTypeClassList(), nullptr) << "not made again while the units end";
  InitializeUnits({cxDataStorageUnit});
  EXPECT_EQ(cxValueTypeClassList()->Count(), 14);
  FinalizeUnits();
}

}  // namespace
