// The standard edit mask: parsing, the empty texts, fitting raw text into the
// positions, stripping a display text and checking it is complete.
#include <gtest/gtest.h>

#include "Classes.h"
#include "SysUtils.h"
#include "cxStandardMask.h"

namespace {

class StandardMask : public ::testing::Test {
 protected:
  void SetUp() override {
    FSaved = FormatSettings();
    FormatSettings().DateSeparator = L'/';
    FormatSettings().TimeSeparator = L':';
  }
  void TearDown() override { FormatSettings() = FSaved; }

  String Fit(const String& Text, bool UseConverted = true, bool HasLiterals = true) {
    String t = Text;
    FMask.Fit(t, UseConverted, HasLiterals);
    return t;
  }
  String Strip(const String& Text) {
    String t = Text;
    FMask.Strip(t);
    return t;
  }

  TcxStandardMask FMask;
  TFormatSettings FSaved;
};

struct TShapeCase {
  const wchar_t* Mask;
  const wchar_t* EmptyText;
  const wchar_t* EmptyValue;
};

class StandardMaskShape : public StandardMask, public ::testing::WithParamInterface<TShapeCase> {};

TEST_P(StandardMaskShape, EmptyTextAndValue) {
  const TShapeCase& c = GetParam();
  FMask.SetMask(c.Mask);
  EXPECT_EQ(FMask.EmptyText(), c.EmptyText);
  EXPECT_EQ(FMask.EmptyValue(), c.EmptyValue);
  EXPECT_EQ(FMask.Count(), int(String(c.EmptyText).size()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, StandardMaskShape,
    ::testing::Values(TShapeCase{L"00-00", L"__-__", L"  -  "}, TShapeCase{L"00-00;0", L"__-__", L"    "},
                      TShapeCase{L"00-00;1", L"__-__", L"  -  "}, TShapeCase{L"00;1;*", L"**", L"  "},
                      TShapeCase{L"00-00;0;#", L"##-##", L"    "},
                      // ";" anywhere else is a literal, and so is a three-character tail.
                      TShapeCase{L"0;00", L"_;__", L" ;  "}, TShapeCase{L"00;1;", L"__;1;", L"  ;1;"},
                      TShapeCase{L"0;2", L"_;2", L" ;2"},
                      // Escapes: a trailing backslash adds nothing; \0 is a literal zero.
                      TShapeCase{L"0\\", L"_", L" "}, TShapeCase{L"\\00", L"0_", L"0 "},
                      TShapeCase{L"\\;0", L";_", L"; "},
                      // Case switches create no positions.
                      TShapeCase{L">L<l<>C", L"___", L"   "},
                      TShapeCase{L"!999", L"___", L"   "}, TShapeCase{L"(999) 000-0000", L"(___) ___-____",
                                                                     L"(   )    -    "},
                      TShapeCase{L"00/00 00:00", L"__/__ __:__", L"  /     :  "}, TShapeCase{L"", L"", L""}));

TEST_F(StandardMask, FitsDigitsAroundTheLiteral) {
  FMask.SetMask(L"00-00");
  EXPECT_EQ(Fit(L"12ab34"), L"12-34") << "letters are dropped";
  EXPECT_EQ(Fit(L"12-34"), L"12-34") << "a display text lines up with the mask";
  EXPECT_EQ(Fit(L"1234"), L"12-34");
  EXPECT_EQ(Fit(L"1 _4"), L"1_-_4") << "blank and space leave the position blank";
  EXPECT_EQ(Fit(L"123456"), L"12-34");
  EXPECT_EQ(Fit(L""), L"__-__");
}

TEST_F(StandardMask, ValueWithoutLiteralsFillsEveryPosition) {
  FMask.SetMask(L"00-00;0");
  EXPECT_EQ(Fit(L"1234", true, false), L"12-34");
  EXPECT_EQ(Fit(L"12-34", true, true), L"12-34");
  EXPECT_EQ(Strip(L"12-3_"), L"123 ");
  FMask.SetMask(L"00-00");
  EXPECT_EQ(Strip(L"12-3_"), L"12-3 ");
  EXPECT_EQ(Strip(L"12-3"), L"12-3 ") << "a short text counts as blank where it ends";
}

TEST_F(StandardMask, FillFromRight) {
  FMask.SetMask(L"!000");
  EXPECT_TRUE(FMask.FillFromRight());
  EXPECT_EQ(Fit(L"7"), L"__7");
  EXPECT_EQ(Fit(L"78"), L"_78");
  EXPECT_EQ(Fit(L"12345"), L"345");
  FMask.SetMask(L"000");
  EXPECT_FALSE(FMask.FillFromRight()) << "setting a mask starts afresh";
  EXPECT_EQ(Fit(L"7"), L"7__");
}

TEST_F(StandardMask, CaseConversion) {
  FMask.SetMask(L">Ll");
  EXPECT_EQ(Fit(L"ab"), L"AB");
  EXPECT_EQ(Fit(L"ab", false), L"ab") << "the characters as they stood in the text";
  FMask.SetMask(L">L<>l<L");
  EXPECT_EQ(Fit(L"abC"), L"Abc");
  wchar_t ch = L'q';
  EXPECT_TRUE(FMask.Items(0)->Accepts(ch));
  EXPECT_EQ(ch, L'Q');
  ch = L'1';
  EXPECT_FALSE(FMask.Items(0)->Accepts(ch));
}

TEST_F(StandardMask, CharacterClassesArePlainAscii) {
  FMask.SetMask(L"LA");
  EXPECT_EQ(Fit(L"\u00e9x\u00e91"), L"x1") << "an accented letter is no letter here";
  FMask.SetMask(L"C");
  EXPECT_EQ(Fit(L"\u00e9"), L"\u00e9");
  FMask.SetMask(L"#");
  EXPECT_EQ(Fit(L"+"), L"+");
  EXPECT_EQ(Fit(L"a"), L"_");
}

struct TValidCase {
  const wchar_t* Mask;
  const wchar_t* Text;
  bool Valid;
};

class StandardMaskValid : public StandardMask, public ::testing::WithParamInterface<TValidCase> {};

TEST_P(StandardMaskValid, IsValid) {
  const TValidCase& c = GetParam();
  FMask.SetMask(c.Mask);
  const String text = c.Text;
  EXPECT_EQ(FMask.IsValid(text), c.Valid) << "mask " << std::string(c.Mask, c.Mask + wcslen(c.Mask));
}

INSTANTIATE_TEST_SUITE_P(Table, StandardMaskValid,
                         ::testing::Values(TValidCase{L"00-00", L"12-34", true}, TValidCase{L"00-00", L"12-3_", false},
                                           TValidCase{L"00-00", L"12 34", false}, TValidCase{L"00-00", L"12-345", false},
                                           TValidCase{L"00-00", L"12-3", false}, TValidCase{L"9#lac", L"_____", true},
                                           TValidCase{L"9#lac", L"     ", true}, TValidCase{L"0#", L"_5", false},
                                           TValidCase{L"L", L"_", false}, TValidCase{L">L", L"a", true},
                                           TValidCase{L"00;1;*", L"1*", false}, TValidCase{L"90;1;*", L"*1", true},
                                           TValidCase{L"0-0", L"1_1", false}));

TEST_F(StandardMask, SeparatorsAreTakenWhenTheMaskIsSet) {
  FMask.SetMask(L"00:00/0");
  EXPECT_EQ(FMask.EmptyText(), L"__:__/_");
  FormatSettings().TimeSeparator = L'.';
  FormatSettings().DateSeparator = L'-';
  EXPECT_EQ(FMask.EmptyText(), L"__:__/_");
  FMask.SetMask(FMask.Mask());
  EXPECT_EQ(FMask.EmptyText(), L"__.__-_");
}

TEST_F(StandardMask, PositionOutsideTheMaskIsTheRuntimesListError) {
  FMask.SetMask(L"0-0");
  EXPECT_NE(FMask.Items(2), nullptr);
  try {
    FMask.Items(3);
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), L"List index out of bounds (3)");
  }
  EXPECT_THROW(FMask.Items(-1), EListError);
}

}  // namespace
