// The extended editors' strings and colour tables, and the readers of the
// integer and colour texts an operator types.
#include <gtest/gtest.h>

#include <set>

#include "SysUtils.h"
#include "cxExtEditConsts.h"
#include "cxExtEditUtils.h"

namespace {

TEST(ExtEditConsts, FiledOnceUnderTheProductInOrderAndTakenBackByTheLastEnd) {
  TdxResourceStringsRepository* repository = GetResourceStringsRepository();
  ASSERT_EQ(repository->IndexOfProduct(cxExtEditorsLibraryProductName), -1);
  cxExtEditConsts_Initialize();
  cxExtEditConsts_Initialize();
  ASSERT_EQ(repository->ProductCount(), 1);
  TdxProductResourceStrings* product = repository->Products(repository->IndexOfProduct(cxExtEditorsLibraryProductName));
  EXPECT_EQ(product->Count(), 41);
  const PResStringRec* filed = cxExtEditConstsFiled();
  EXPECT_EQ(filed[0], &scxSEditRepositoryColorComboBoxItem);
  EXPECT_EQ(filed[14], &scxLoadingFonts);
  EXPECT_EQ(filed[40], &cxSEditRichEditSelectAllCaption);
  for (int i = 0; i < cxExtEditConstsCount; ++i)
    EXPECT_EQ(product->Values(product->IndexOf(filed[i]->Identifier)), filed[i]) << i;
  cxExtEditConsts_Finalize();
  EXPECT_GE(repository->IndexOfProduct(cxExtEditorsLibraryProductName), 0) << "one start is still counted";
  cxExtEditConsts_Finalize();
  EXPECT_EQ(repository->IndexOfProduct(cxExtEditorsLibraryProductName), -1);
}

TEST(ExtEditConsts, TextsAsTheEditorsShowThem) {
  EXPECT_EQ(ResolveResourceString(&scxLoadingFonts), L"Loading ...");
  EXPECT_EQ(ResolveResourceString(&cxSColorComboBoxDefaultDescription), L"Color not selected");
  EXPECT_EQ(ResolveResourceString(&scxSEditRepositoryFontNameComboBoxItem),
            L"FontNameComboBox |Represents a editor with font functionality");
  EXPECT_EQ(ResolveResourceString(&scxUDAssociated), L" is already associated with ");
  // The damaged text reads as words again.
  EXPECT_EQ(ResolveResourceString(&cxSCheckControlIncorrectItemCount),
            L"The number of items cannot be greater than 64, if the EditValueFormat is cvfInteger");
}

TEST(ExtEditConsts, ColourTables) {
  struct Case {
    std::span<const TcxColorNameEntry> Table;
    std::size_t Count;
    const wchar_t* First[3];
    const wchar_t* Last;
  };
  const Case cases[] = {
      {cxColorConstantNames(), 52, {L"clBlack", L"clMaroon", L"clGreen"}, L"clWindowText"},
      {cxHTML4ColorNames(), 16, {L"Black", L"Silver", L"Gray"}, L"Aqua"},
      {cxX11ColorNames(), 140, {L"AliceBlue", L"AntiqueWhite", L"Aqua"}, L"YellowGreen"},
      {cxX11OrderedColorNames(), 140, {L"LightPink", L"Pink", L"Crimson"}, L"Black"},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(c.Table.size(), c.Count);
    for (int i = 0; i < 3; ++i) EXPECT_STREQ(c.Table[i].Name, c.First[i]);
    EXPECT_STREQ(c.Table.back().Name, c.Last);
    std::set<String> names;
    for (const TcxColorNameEntry& e : c.Table) names.insert(e.Name);
    EXPECT_EQ(names.size(), c.Count) << c.First[0] << ": a name twice";
  }
  // The two X11 orders hold the same names with the same colours.
  std::set<std::pair<String, TColor>> alpha, hue;
  for (const TcxColorNameEntry& e : cxX11ColorNames()) alpha.insert({e.Name, e.Color});
  for (const TcxColorNameEntry& e : cxX11OrderedColorNames()) hue.insert({e.Name, e.Color});
  EXPECT_EQ(alpha, hue);
  std::set<TColor> colours;
  for (const TcxColorNameEntry& e : cxX11ColorNames()) colours.insert(e.Color);
  EXPECT_EQ(colours.size(), 138u) << "only Aqua/Cyan and Fuchsia/Magenta share a colour";
  // TColor numbers keep red in the low byte.
  EXPECT_EQ(cxX11ColorNames()[2].Color, clAqua);
  EXPECT_EQ(cxX11OrderedColorNames()[0].Color, TColor(0xC1B6FF));
  EXPECT_EQ(cxHTML4ColorNames()[5].Color, clRed);
  EXPECT_EQ(cxColorConstantNames()[16].Color, TColor(0x00C0DCC0));
  EXPECT_EQ(cxColorConstantNames()[29].Color, clDefault);
  EXPECT_STREQ(cxColorConstantNames()[45].Name, L"clNone");
  EXPECT_EQ(cxColorConstantNames()[45].Color, clNone);
}

TEST(ExtEditUtils, IntegerTexts) {
  struct Case {
    const wchar_t* Text;
    bool Integer;
  };
  const Case cases[] = {
      {L"12", true},          {L" -7 ", true},        {L"+5", true},           {L"2147483647", true},
      {L"-2147483648", true}, {L"2147483648", false}, {L"-2147483649", false}, {L"0x10", false},
      {L"-$10", false},       {L"$10", false},        {L"", false},            {L"  ", false},
      {L"-", false},          {L"1-2", false},        {L"12a", false},         {L"- 1", false},
      {L"1 2", false},        {L"--1", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsIntegerText(c.Text), c.Integer) << c.Text;
    // What the test accepts, ExtractInteger reads as the same number.
    if (c.Integer) {
      EXPECT_EQ(ExtractInteger(c.Text, false), StrToInt(Trim(c.Text))) << c.Text;
    }
  }
}

TEST(ExtEditUtils, ExtractInteger) {
  struct Case {
    const wchar_t* Text;
    bool StopAtForeign;
    int Value;
  };
  const Case cases[] = {
      {L"a1b2", false, 12}, {L"a1b2", true, 0},   {L"1b2", true, 1},     {L"", false, 0},
      {L"abc", false, 0},   {L"-42", false, -42}, {L"x-4y2", false, -42}, {L"0x10", false, 10},
      {L"-$10", false, -10}, {L" 7 ", true, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ExtractInteger(c.Text, c.StopAtForeign), c.Value) << c.Text;
  for (const wchar_t* malformed : {L"1-2", L"-", L"a-b", L"99999999999"})
    EXPECT_THROW(ExtractInteger(malformed, false), EConvertError) << malformed;
}

TEST(ExtEditUtils, TextToColor) {
  struct Case {
    const wchar_t* Text;
    bool Named;
    TColor Color;
  };
  const Case cases[] = {
      {L" $FF ", true, 255},       {L"$ff", true, 255},           {L"$00FF00", true, 0x00FF00},
      {L"$FFFFFFFF", true, -1},    {L"$000000001", true, 1},      {L"clNavy", true, clNavy},
      {L"CLRED", true, clRed},     {L"clBtnFace", true, clBtnFace}, {L"12", true, 12},
      {L" -3 ", true, -3},         {L"$zz", false, 0},            {L"$", false, 0},
      {L"$12g", false, 0},         {L"$1FFFFFFFF", false, 0},     {L"$ FF", false, 0},
      {L"12a", false, 0},          {L"", false, 0},               {L"   ", false, 0},
      {L"0x10", false, 0},         {L"-$10", false, 0},           {L"Red", false, 0},
  };
  for (const Case& c : cases) {
    TColor color = 0x0BADBAD;
    EXPECT_EQ(TextToColor(c.Text, color), c.Named) << c.Text;
    EXPECT_EQ(color, c.Named ? c.Color : TColor(0x0BADBAD)) << c.Text;
  }
}

TEST(ExtEditUtils, SizesAndEmptyValues) {
  EXPECT_EQ(GetRectWidthOrZero(TRect{10, 0, 4, 0}), 0);
  EXPECT_EQ(GetRectWidthOrZero(TRect{4, 0, 10, 0}), 6);
  EXPECT_EQ(GetRectHeightOrZero(TRect{0, 9, 0, 3}), 0);
  EXPECT_EQ(GetRectHeightOrZero(TRect{0, 3, 0, 9}), 6);
  EXPECT_TRUE(IsNullOrEmptyVariant(Variant()));
  EXPECT_TRUE(IsNullOrEmptyVariant(Null()));
  EXPECT_FALSE(IsNullOrEmptyVariant(Variant(0)));
  EXPECT_FALSE(IsNullOrEmptyVariant(Variant(String())));
}

}  // namespace
