// Shortcut values and their text both ways, and the accelerator marks of
// captions.
#include <gtest/gtest.h>

#include "Menus.h"

namespace {

struct TShortCutCase {
  TShortCut Value;
  const wchar_t* Text;
};

const TShortCutCase kShortCuts[] = {
    {TShortCut(scCtrl | 'S'), L"Ctrl+S"},
    {TShortCut(scShift | VK_DELETE), L"Shift+Del"},
    {VK_F5, L"F5"},
    {TShortCut(scAlt | VK_RETURN), L"Alt+Enter"},
    {TShortCut(scShift | scCtrl | scAlt | 'A'), L"Shift+Ctrl+Alt+A"},
    {TShortCut(scCtrl | '0'), L"Ctrl+0"},
    {TShortCut(scCtrl | VK_F12), L"Ctrl+F12"},
    {VK_INSERT, L"Ins"},
    {VK_BACK, L"BkSp"},
    {VK_ESCAPE, L"Esc"},
    {TShortCut(scCtrl | VK_SPACE), L"Ctrl+Space"},
    {VK_PRIOR, L"PgUp"},
    {TShortCut(scShift | VK_NEXT), L"Shift+PgDn"},
    {VK_UP, L"Up"},
};

TEST(MenuShortCutTest, ValuesAndTextBothWays) {
  for (const TShortCutCase& c : kShortCuts) {
    EXPECT_EQ(ShortCutToText(c.Value), c.Text) << std::hex << c.Value;
    EXPECT_EQ(TextToShortCut(c.Text), c.Value) << c.Text;
  }
}

TEST(MenuShortCutTest, TextIsReadInAnyCaseAndModifierOrder) {
  const struct {
    const wchar_t* Text;
    TShortCut Value;
  } cases[] = {
      {L"ctrl+s", TShortCut(scCtrl | 'S')},
      {L"Ctrl+Shift+A", TShortCut(scShift | scCtrl | 'A')},
      {L"ALT+F4", TShortCut(scAlt | VK_F4)},
      {L"shift+del", TShortCut(scShift | VK_DELETE)},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToShortCut(c.Text), c.Value) << c.Text;
}

TEST(MenuShortCutTest, TextThatNamesNoKeyIsZero) {
  for (const wchar_t* text : {L"", L"Ctrl+", L"Ctrl+Nothing", L"Hyper+S", L"F25", L"S+Ctrl", L"Ctrl+SS"})
    EXPECT_EQ(TextToShortCut(text), 0) << text;
}

TEST(MenuShortCutTest, KeysAndShiftStatesMakeShortCuts) {
  EXPECT_EQ(ShortCut('S', TShiftState{ssCtrl}), TShortCut(scCtrl | 'S'));
  EXPECT_EQ(ShortCut(VK_F2, TShiftState{ssShift, ssAlt}), TShortCut(scShift | scAlt | VK_F2));
  EXPECT_EQ(ShortCut(0x1FF, TShiftState{}), 0) << "a key code above 255 has no shortcut";
  std::uint16_t key = 0;
  TShiftState shift;
  ShortCutToKey(TShortCut(scCtrl | scAlt | 'Q'), key, shift);
  EXPECT_EQ(key, 'Q');
  EXPECT_TRUE(shift == (TShiftState{ssCtrl, ssAlt}));
}

TEST(MenuShortCutTest, AcceleratorMarks) {
  const struct {
    const wchar_t* Caption;
    const wchar_t* Stripped;
    wchar_t Hotkey;
  } cases[] = {
      {L"&File", L"File", L'F'},
      {L"E&xit", L"Exit", L'X'},
      {L"Save && close", L"Save & close", 0},
      {L"A&&B &c", L"A&B c", L'C'},
      {L"End&", L"End", 0},
      {L"Plain", L"Plain", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StripHotkey(c.Caption), c.Stripped) << c.Caption;
    EXPECT_EQ(GetHotkey(c.Caption), c.Hotkey) << c.Caption;
  }
}

}  // namespace
