// The text editors' window-free rules: maximum length, value bounds, which
// format wins, fixed-list validity with case conversion, password text, and
// numbers written back as the editor shows them.
#include <gtest/gtest.h>

#include "cxTextEdit.h"

namespace {

std::string Narrow(const String& S) { return std::string(S.begin(), S.end()); }

TEST(TextEditRules, MaxLength) {
  EXPECT_EQ(NormalizeMaxLength(-3), 0);
  EXPECT_EQ(NormalizeMaxLength(0), 0);
  EXPECT_EQ(NormalizeMaxLength(12), 12);
  struct Case {
    bool Assigned;
    int Value;
    bool HasProvider;
    int ProviderValue;
    int Expected;
  };
  const Case cases[] = {
      {true, 0, true, 40, 0},    // an assigned 0 wins over the data source's size
      {true, 7, false, 0, 7},
      {false, 7, true, 40, 40},  // not assigned: the data source's
      {false, 7, false, 40, 0},  // neither: unlimited
  };
  for (const Case& c : cases)
    EXPECT_EQ(EffectiveMaxLength(c.Assigned, c.Value, c.HasProvider, c.ProviderValue), c.Expected)
        << c.Assigned << " " << c.Value << " " << c.HasProvider;
}

TEST(TextEditRules, ValueBounds) {
  struct Case {
    bool MinAssigned, MaxAssigned;
    double Min, Max;
    bool Lower, Upper;
  };
  const Case cases[] = {
      {false, false, 0, 0, false, false},  // fresh: no bound
      {true, false, 5, 0, true, false},    // only the minimum: only the lower bound, whatever the maximum
      {false, true, 0, -5, false, true},   // only the maximum, even below the minimum
      {true, true, 1, 10, true, true},     // both with max > min
      {true, true, 10, 1, false, false},   // both, max below min: none
      {true, true, 3, 3, false, false},    // equal: none
      {false, false, 1, 10, true, true},   // from a data source: max > min counts
  };
  for (const Case& c : cases) {
    const TcxValueBounds b{c.MinAssigned, c.MaxAssigned, c.Min, c.Max};
    EXPECT_EQ(HasValueBound(cxLowerBound, b), c.Lower) << c.MinAssigned << c.MaxAssigned << " " << c.Min;
    EXPECT_EQ(HasValueBound(cxUpperBound, b), c.Upper) << c.MinAssigned << c.MaxAssigned << " " << c.Min;
    EXPECT_EQ(HasValueBounds(b), c.Lower || c.Upper);
  }

  const TcxValueBounds range{true, true, 1, 10};
  const TcxValueBounds floor{true, false, 1, 0};
  struct ValueCase {
    Variant Value;
    const TcxValueBounds* Bounds;
    bool Out;
  };
  const ValueCase values[] = {
      {Variant(0), &range, true},         {Variant(1), &range, false},     {Variant(10.0), &range, false},
      {Variant(10.5), &range, true},      {Variant(1000), &floor, false},  {Variant(-1), &floor, true},
      {Variant(L"0"), &range, false},     // a text is not checked: the editor converts first
      {Null(), &range, false},            {Variant(), &range, false},
      {Variant::FromDate(45000.0), &range, true},  // a date counts by its day number
  };
  for (const ValueCase& v : values)
    EXPECT_EQ(IsValueOutOfBounds(v.Value, *v.Bounds), v.Out) << Narrow(VarToStr(v.Value));
}

TEST(TextEditRules, DisplayFormatPrecedence) {
  // Each row adds one more source; the first that applies wins.
  struct Case {
    const char* What;
    TcxFormatSources Sources;
    String Display;          // not editing
    String Editing;          // the editing format
    bool IsCurrency;
    bool FromData;
  };
  TcxFormatSources none;
  TcxFormatSources provider = none;
  provider.HasProvider = true;
  provider.ProviderIsCurrency = true;
  provider.ProviderDisplayFormat = L"#,##0.00";
  provider.ProviderDisplayTextFromData = true;
  TcxFormatSources ownDefault = none;
  ownDefault.DefaultDisplayFormat = L"0.0";
  TcxFormatSources assigned = provider;
  assigned.DisplayFormatAssigned = true;
  assigned.DisplayFormat = L"0.000";
  TcxFormatSources assignedEmpty = provider;
  assignedEmpty.DisplayFormatAssigned = true;
  TcxFormatSources kept = assigned;
  kept.UseDisplayFormatWhenEditing = true;
  TcxFormatSources providerEdit = kept;
  providerEdit.ProviderEditFormat = L"0.0000";
  TcxFormatSources editFormat = providerEdit;
  editFormat.EditFormatAssigned = true;
  editFormat.EditFormat = L"00";
  TcxFormatSources hosted = kept;
  hosted.HasEditor = true;
  hosted.Hosted = true;
  TcxFormatSources fromData = provider;
  fromData.ProviderDisplayFormat.clear();
  TcxFormatSources fromDataBit2 = fromData;
  fromDataBit2.CapabilitiesHaveBit2 = true;
  const Case cases[] = {
      {"nothing", none, L"", L"", false, false},
      {"class default", ownDefault, L"0.0", L"", false, false},
      {"data source", provider, L"#,##0.00", L"", true, false},
      {"assigned wins over the data source", assigned, L"0.000", L"", true, false},
      {"an assigned empty format is a format", assignedEmpty, L"", L"", true, false},
      {"kept while editing", kept, L"0.000", L"0.000", true, false},
      {"the data source's edit format", providerEdit, L"0.000", L"0.0000", true, false},
      {"an assigned edit format wins, no currency", editFormat, L"0.000", L"00", false, false},
      {"a hosted editor takes no currency", hosted, L"0.000", L"0.000", false, false},
      {"text from the data", fromData, L"", L"", true, true},
      {"not from data with capability bit 2", fromDataBit2, L"", L"", true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CalcDisplayFormat(c.Sources), c.Display) << c.What;
    const TcxDisplayFormatOptions o = CalcDisplayFormatOptions(c.Sources);
    EXPECT_EQ(o.Format, c.Editing) << c.What;
    EXPECT_EQ(o.IsCurrency, c.IsCurrency) << c.What;
    EXPECT_EQ(o.FromData, c.FromData) << c.What;
  }
}

TEST(TextEditRules, FixedListValidityWithCharCase) {
  const std::vector<String> items{L"Red", L"green", L"VIDEO2"};
  struct Case {
    const wchar_t* Text;
    TcxTextEditingStyle Style;
    bool UsesLookup;
    int CharCase;
    bool Valid;
    const wchar_t* Result;
  };
  const Case cases[] = {
      {L"green", tesPickFromList, true, cxCharCaseNormal, true, L"green"},
      {L"GREEN", tesPickFromList, true, cxCharCaseNormal, true, L"GREEN"},   // items compare without case
      {L"red", tesCompleteFromList, true, cxCharCaseUpper, true, L"RED"},   // accepted, then in upper case
      {L"Video2", tesPickFromList, true, cxCharCaseLower, true, L"video2"},
      {L"blue", tesPickFromList, true, cxCharCaseNormal, false, L"blue"},    // not an item: refused, unchanged
      {L"blue", tesCompleteFromList, true, cxCharCaseUpper, false, L"blue"},
      {L"", tesPickFromList, true, cxCharCaseNormal, true, L""},            // empty is always accepted
      {L"blue", tesFreeText, true, cxCharCaseUpper, true, L"BLUE"},         // free text takes anything
      {L"blue", tesNoText, true, cxCharCaseNormal, true, L"blue"},
      {L"blue", tesPickFromList, false, cxCharCaseNormal, true, L"blue"},   // no lookup data: no list to check
  };
  for (const Case& c : cases) {
    String text = c.Text;
    EXPECT_EQ(IsFixedListTextValid(text, c.Style, c.UsesLookup, items, c.CharCase), c.Valid) << Narrow(c.Text);
    EXPECT_EQ(text, String(c.Result)) << Narrow(c.Text);
  }
}

TEST(TextEditRules, PasswordAndCaseTransform) {
  struct Case {
    const wchar_t* Text;
    TcxEditEchoMode Echo;
    wchar_t PasswordChar;
    int CharCase;
    const wchar_t* Shown;
  };
  const Case cases[] = {
      {L"secret", eemPassword, 0, cxCharCaseNormal, L"******"},  // #0 shows '*'
      {L"secret", eemPassword, L'#', cxCharCaseUpper, L"######"},  // the case does not matter then
      {L"", eemPassword, 0, cxCharCaseNormal, L""},
      {L"\x62f\x63a\x8a00", eemPassword, L'\x25cf', cxCharCaseNormal, L"\x25cf\x25cf\x25cf"},  // one per character
      {L"MiXed", eemNormal, L'#', cxCharCaseNormal, L"MiXed"},   // a password char alone hides nothing
      {L"MiXed", eemNormal, 0, cxCharCaseUpper, L"MIXED"},
      {L"MiXed", eemNormal, 0, cxCharCaseLower, L"mixed"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TransformDisplayText(c.Text, c.Echo, c.PasswordChar, c.CharCase), String(c.Shown)) << Narrow(c.Text);
}

TEST(TextEditRules, NumbersShownAsText) {
  TFormatSettings dot = TFormatSettings::Invariant();
  TFormatSettings comma = dot;
  comma.DecimalSeparator = L',';
  comma.ThousandSeparator = L'.';
  TcxNumberDisplayParams general;
  general.Editing = true;
  TcxNumberDisplayParams fourDigits = general;
  fourDigits.Precision = 4;
  TcxNumberDisplayParams currency = general;
  currency.IsCurrency = true;
  TcxNumberDisplayParams editFormat = general;
  editFormat.EditFormat = L"000.0";
  TcxNumberDisplayParams display;
  display.DisplayFormat = L"#,##0.00";
  TcxNumberDisplayParams plain;
  struct Case {
    Variant Value;
    const TcxNumberDisplayParams* Params;
    const TFormatSettings* Settings;
    const wchar_t* Shown;
  };
  const Case cases[] = {
      {Variant(L" 12.50 "), &general, &dot, L"12.5"},
      {Variant(L"1e3"), &general, &dot, L"1000"},
      {Variant(L"3.14159"), &fourDigits, &dot, L"3.142"},
      {Variant(L"2,5"), &general, &comma, L"2,5"},
      {Variant(L"2.5"), &general, &comma, L"2.5"},  // no number with that separator: kept as typed
      {Variant(L"7"), &currency, &dot, L"7.00"},
      {Variant(L"7.5"), &editFormat, &dot, L"007.5"},
      {Variant(1234.5), &display, &dot, L"1,234.50"},
      {Variant(L"1234.5"), &display, &dot, L"1,234.50"},
      {Variant(1234.5), &plain, &dot, L"1234.5"},  // no format: the plain text
      {Variant(L"abc"), &general, &dot, L"abc"},   // not a number: nothing is lost
      {Variant(L"abc"), &display, &dot, L"abc"},
      {Variant(L"1e999"), &general, &dot, L"1e999"},  // too large for a number: kept as typed
      {Null(), &display, &dot, L""},
      {Variant(), &general, &dot, L""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(NumericDisplayText(c.Value, *c.Params, *c.Settings), String(c.Shown)) << Narrow(VarToStr(c.Value));
  EXPECT_THROW(NumericDisplayText(VarArrayOf({Variant(1), Variant(2)}), general, dot), EConvertError);
  EXPECT_THROW(NumericDisplayText(Variant::FromDate(45000.0), display, dot), EConvertError);

  EXPECT_EQ(PlainDisplayText(Variant(L"text")), L"text");
  EXPECT_EQ(PlainDisplayText(Null()), L"");
  EXPECT_EQ(PlainDisplayText(VarArrayCreate({0, 1, 0, 1}, varVariant)), L"");
}

TEST(TextEditRules, DrawFlagsOffsetsAndSelection) {
  // Left, right, centre by the runtime's alignment order; top, bottom, centre.
  EXPECT_EQ(TextEditDrawTextFlags(0, 0), 512u | 262144u | 524288u);
  EXPECT_EQ(TextEditDrawTextFlags(1, 1), 2u | 32u | 512u | 262144u | 524288u);
  EXPECT_EQ(TextEditDrawTextFlags(2, 2), 1u | 16u | 512u | 262144u | 524288u);

  const TRect offsets{1, 1, 1, 3};
  EXPECT_EQ(TextEditTextOffsets(offsets, false, tesFreeText, 0), offsets);
  EXPECT_EQ(TextEditTextOffsets(offsets, false, tesPickFromList, 0), (TRect{2, 2, 1, 2}));
  EXPECT_EQ(TextEditTextOffsets(offsets, false, tesNoText, 1), (TRect{1, 2, 2, 2}));
  EXPECT_EQ(TextEditTextOffsets(offsets, true, tesPickFromList, 0), offsets);

  struct Case {
    int Start, Length, ClippedLength;
  };
  const Case cases[] = {{0, 3, 3}, {2, 10, 3}, {5, 1, 0}, {-1, 2, 0}, {4, 1, 1}, {1, -2, 0}};
  for (const Case& c : cases) {
    int start = c.Start, length = c.Length;
    ClipTextSelection(5, start, length);
    EXPECT_EQ(length, c.ClippedLength) << c.Start << " " << c.Length;
  }
}

}  // namespace
