// The memo's window-free text rules: the short display text a host asks for
// and the line breaks of a text replacing the selection.
#include <gtest/gtest.h>

#include "cxMemo.h"

namespace {

TEST(TMemoText, ShortDisplayTextIsTheFirstLineOrTwoHundredFiftyCharacters) {
  const String longText(300, L'x');
  const String lateBreak = String(260, L'y') + L"\r\nz";
  struct {
    String Text;
    bool Full;
    String Expected;
  } cases[] = {
      {L"ab\r\ncd", false, L"ab"},
      {L"ab\ncd", false, L"ab"},
      {L"ab\rcd", false, L"ab"},
      {L"ab\r\ncd", true, L"ab\r\ncd"},
      {longText, false, String(250, L'x')},
      {longText, true, longText},
      {lateBreak, false, String(250, L'y')},
      {L"short", false, L"short"},
      {L"", false, L""},
      {L"\r\nfirst empty", false, L""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MemoDisplayText(c.Text, c.Full), c.Expected) << std::string(c.Text.begin(), c.Text.begin() + std::min<size_t>(c.Text.size(), 12));
}

// A cut at 250 never leaves half of a surrogate pair behind.
TEST(TMemoText, ShortDisplayTextKeepsSurrogatePairsWhole) {
  const String text = String(249, L'a') + L"\xD83D\xDE00" + L"tail";
  EXPECT_EQ(MemoDisplayText(text, false), String(249, L'a'));
}

TEST(TMemoText, LfCrBecomesTwoLineBreaks) {
  struct {
    const wchar_t* Text;
    const wchar_t* Expected;
  } cases[] = {
      {L"a\n\rb", L"a\r\n\r\nb"},
      {L"a\r\nb", L"a\r\nb"},
      {L"a\nb", L"a\nb"},
      {L"a\rb", L"a\rb"},
      {L"1\n\r2\n\r3\n\r", L"1\r\n\r\n2\r\n\r\n3\r\n\r\n"},
      {L"\r\n\r", L"\r\n\r"},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(ConvertMemoLineBreaks(c.Text), String(c.Expected));
}

}  // namespace
