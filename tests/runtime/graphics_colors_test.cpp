// The colour name table both ways and the number forms of colours.
#include <gtest/gtest.h>

#include <vector>

#include "GraphicsColors.h"

namespace {

struct NamedColor {
  const wchar_t* Name;
  std::uint32_t Value;
};

const NamedColor kNamed[] = {
    {L"clBlack", 0x000000},          {L"clMaroon", 0x000080},      {L"clGreen", 0x008000},
    {L"clYellow", 0x00FFFF},         {L"clRed", 0x0000FF},         {L"clBlue", 0xFF0000},
    {L"clLime", 0x00FF00},           {L"clFuchsia", 0xFF00FF},     {L"clAqua", 0xFFFF00},
    {L"clWhite", 0xFFFFFF},          {L"clGray", 0x808080},        {L"clSilver", 0xC0C0C0},
    {L"clMoneyGreen", 0xC0DCC0},     {L"clSkyBlue", 0xF0CAA6},     {L"clCream", 0xF0FBFF},
    {L"clMedGray", 0xA4A0A0},        {L"clNone", 0x1FFFFFFF},      {L"clDefault", 0x20000000},
    {L"clScrollBar", 0xFF000000},    {L"clBtnFace", 0xFF00000F},   {L"clBtnShadow", 0xFF000010},
    {L"clBtnHighlight", 0xFF000014}, {L"cl3DDkShadow", 0xFF000015}, {L"cl3DLight", 0xFF000016},
    {L"clInfoBk", 0xFF000018},       {L"clHotLight", 0xFF00001A},  {L"clMenuBar", 0xFF00001E},
    {L"clWindowText", 0xFF000008},   {L"clHighlight", 0xFF00000D},
};

TEST(ColorNamesTest, EveryNameMapsToItsValueAndBack) {
  for (const auto& c : kNamed) {
    SCOPED_TRACE(testing::Message() << std::wstring(c.Name).c_str());
    TColor color = 0;
    ASSERT_TRUE(IdentToColor(c.Name, color));
    EXPECT_EQ(std::uint32_t(color), c.Value);
    EXPECT_EQ(ColorToString(color), c.Name);
    EXPECT_EQ(StringToColor(c.Name), color);
  }
}

TEST(ColorNamesTest, TableHoldsTheRuntimesFiftyTwoNamesInOrder) {
  std::size_t count = 0;
  const TIdentMapEntry* table = ColorIdentTable(count);
  ASSERT_EQ(count, 52u);
  EXPECT_STREQ(table[0].Name, L"clBlack");
  EXPECT_STREQ(table[15].Name, L"clWhite");
  EXPECT_STREQ(table[16].Name, L"clMoneyGreen");
  EXPECT_STREQ(table[19].Name, L"clMedGray");
  EXPECT_STREQ(table[20].Name, L"clActiveBorder");
  EXPECT_STREQ(table[29].Name, L"clDefault");
  EXPECT_STREQ(table[45].Name, L"clNone");
  EXPECT_STREQ(table[51].Name, L"clWindowText");

  struct Sink {
    std::vector<String> names;
    void Add(const String& s) { names.push_back(s); }
  } sink;
  GetColorValues(TGetStrProc(&sink, &Sink::Add));
  ASSERT_EQ(sink.names.size(), 52u);
  EXPECT_EQ(sink.names[17], L"clSkyBlue");
}

TEST(ColorNamesTest, SharedValuesAnswerTheFirstNameAndAliasesAreNotNames) {
  EXPECT_EQ(ColorToString(clDkGray), L"clGray");
  EXPECT_EQ(ColorToString(clLtGray), L"clSilver");
  TColor c = 0;
  EXPECT_FALSE(IdentToColor(L"clDkGray", c));
  EXPECT_TRUE(IdentToColor(L"CLRED", c));
  EXPECT_EQ(c, clRed);
  EXPECT_FALSE(IdentToColor(L"clRedd", c));
  EXPECT_FALSE(IdentToColor(L"clRe", c));
}

TEST(ColorNamesTest, UnnamedColoursUseTheHexForm) {
  struct Case {
    std::uint32_t Value;
    const wchar_t* Text;
  } cases[] = {
      {0x00123456, L"$00123456"}, {0x000000FE, L"$000000FE"}, {0xFF000019, L"$FF000019"},
      {0x02ABCDEF, L"$02ABCDEF"}, {0x80000000, L"$80000000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColorToString(TColor(c.Value)), c.Text);
    EXPECT_EQ(std::uint32_t(StringToColor(c.Text)), c.Value);
  }
}

TEST(ColorNamesTest, NumbersInEveryFormAndErrorsForTheRest) {
  struct Case {
    const wchar_t* Text;
    std::uint32_t Value;
  } good[] = {
      {L"255", 255}, {L"-1", 0xFFFFFFFF}, {L"$ff00", 0xFF00}, {L"0x10", 16},
      {L"+7", 7},    {L"  42", 42},       {L"$FFFFFFFF", 0xFFFFFFFF},
  };
  for (const auto& c : good) EXPECT_EQ(std::uint32_t(StringToColor(c.Text)), c.Value) << c.Value;
  for (const wchar_t* bad : {L"", L"$", L"red", L"12a", L"$1FFFFFFFF", L"4294967296", L"3000000000"}) {
    try {
      StringToColor(bad);
      ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), L"'" + String(bad) + L"' is not a valid integer value");
    }
  }
}

}  // namespace
