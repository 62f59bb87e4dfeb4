// The platform-free routines of the base-control unit: accelerator marks,
// typed characters, special keys, shift states and full component names.
#include <gtest/gtest.h>

#include "SysUtils.h"
#include "cxControlsBase.h"

namespace {

TEST(AcceleratorsTest, MarksAreDroppedAndAFinalOneBecomesAnUnderscoreOnlyWhenAsked) {
  struct TCase {
    const wchar_t* text;
    bool markLast;
    const wchar_t* expected;
  };
  const TCase cases[] = {{L"&File", false, L"File"},  {L"Save &As", true, L"Save As"}, {L"A&&B", false, L"A&B"},
                         {L"&&&x", false, L"&x"},     {L"File&", true, L"File_"},     {L"File&", false, L"File"},
                         {L"&", true, L"_"},          {L"", true, L""},               {L"文件(&F)", false, L"文件(F)"}};
  for (const TCase& c : cases) {
    EXPECT_EQ(RemoveAcceleratorsW(c.text, c.markLast), c.expected) << c.text << " " << c.markLast;
  }
  EXPECT_EQ(RemoveAccelerators("&Open&&Close&", true), "Open&Close_");
}

TEST(ComponentNameTest, OwnersComeFirstJoinedByPoints) {
  TComponent form(nullptr);
  form.SetName(L"Form1");
  auto* panel = new TComponent(&form);
  panel->SetName(L"Panel1");
  auto* button = new TComponent(panel);
  button->SetName(L"Button1");
  EXPECT_EQ(GetFullComponentName(button), L"Form1.Panel1.Button1");
  EXPECT_EQ(GetFullComponentName(&form), L"Form1");
  EXPECT_EQ(GetFullComponentName(nullptr), L"");
}

TEST(InputCharTest, NumericCharsFollowTheKindAndTheLocaleSeparator) {
  TFormatSettings& settings = FormatSettings();
  const wchar_t saved = settings.DecimalSeparator;
  settings.DecimalSeparator = L',';
  struct TCase {
    wchar_t c;
    int kind;
    bool expected;
  };
  const TCase cases[] = {{L'7', 0, true},  {L'-', 0, true},  {L'+', 3, true},  {L',', 0, false}, {L',', 1, true},
                         {L',', 2, true},  {L'.', 1, false}, {L'e', 1, false}, {L'e', 2, true},  {L'E', 2, true},
                         {L'e', 3, false}, {L',', 3, false}, {L'x', 2, false}};
  for (const TCase& c : cases) EXPECT_EQ(IsNumericInputChar(c.c, c.kind), c.expected) << int(c.c) << " kind " << c.kind;
  settings.DecimalSeparator = saved;

  EXPECT_FALSE(IsTextChar(L'\x1F'));
  EXPECT_TRUE(IsTextChar(L' '));
  EXPECT_TRUE(IsTextChar(L'中'));
}

TEST(InputCharTest, SpecialKeysAreExactlyTheNonTypingOnes) {
  const int special[] = {3, 8, 9, 12, 13, 16, 20, 27, 33, 47, 91, 145, 160, 165, 229, 246, 254};
  const int typing[] = {0, 1, 2, 4, 7, 10, 11, 14, 15, 21, 26, 28, 32, 48, 65, 90, 146, 159, 166, 228, 230, 245, 255, 256,
                        0x0130};
  for (int key : special) EXPECT_TRUE(IsSpecialVirtualKey(std::uint16_t(key))) << key;
  for (int key : typing) EXPECT_FALSE(IsSpecialVirtualKey(std::uint16_t(key))) << key;
  EXPECT_EQ(NormalizeKeyCode(0x41), 0x41);
}

TEST(ShiftStateTest, MouseKeysAndButtonTests) {
  EXPECT_EQ(ShiftStateToMouseKeys({}), 0u);
  EXPECT_EQ(ShiftStateToMouseKeys({ssShift, ssCtrl, ssAlt, ssDouble}), cxMK_SHIFT | cxMK_CONTROL);
  EXPECT_EQ(ShiftStateToMouseKeys({ssLeft, ssRight, ssMiddle}), cxMK_LBUTTON | cxMK_RBUTTON | cxMK_MBUTTON);

  EXPECT_TRUE(IsNoKeyOrButtonDown({}));
  for (TShiftStateItem item : {ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble})
    EXPECT_FALSE(IsNoKeyOrButtonDown({item})) << item;

  EXPECT_TRUE(IsLeftButtonOnly({ssLeft}, false));
  EXPECT_FALSE(IsLeftButtonOnly({ssLeft, ssDouble}, false));
  EXPECT_TRUE(IsLeftButtonOnly({ssLeft, ssDouble}, true));
  EXPECT_FALSE(IsLeftButtonOnly({}, true));
  for (TShiftStateItem item : {ssShift, ssAlt, ssCtrl, ssRight, ssMiddle})
    EXPECT_FALSE(IsLeftButtonOnly({ssLeft, item}, true)) << item;
}

TEST(ComponentReadyTest, LoadingWritingAndDestroyingAreNotReady) {
  TComponent component(nullptr);
  EXPECT_TRUE(IsComponentReady(&component));
  for (TComponentStateItem state : {csLoading, csWriting, csDestroying}) {
    component.IncludeState(state);
    EXPECT_FALSE(IsComponentReady(&component)) << state;
    component.ExcludeState(state);
  }
  component.IncludeState(csReading);
  EXPECT_TRUE(IsComponentReady(&component));
}

}  // namespace
