// The administrator role's rules and the debug window's input, without a
// window: which password logs in as what, and which bytes a typed text makes.
// The windows' own tests cover the texts in both languages and the wire.
#include <gtest/gtest.h>

#include "AdminLogin.h"
#include "DebugInput.h"
#include "SysUtils.h"
#include "WallFrame.h"

namespace {

TEST(AdminLoginTest, PasswordsDecideTheRole) {
  const struct {
    const wchar_t* Typed;
    const wchar_t* Stored;
    TLoginOutcome Outcome;
  } cases[] = {
      {L"9174", L"9174", TLoginOutcome::Administrator},
      {L"40716", L"9174", TLoginOutcome::Maintenance},
      {L"40716", L"40716", TLoginOutcome::Maintenance},
      {L"", L"", TLoginOutcome::Administrator},
      {L"", L"9174", TLoginOutcome::Wrong},
      {L"Abc", L"abc", TLoginOutcome::Wrong},  // compared case-sensitively
      {L"abc", L"abc", TLoginOutcome::Administrator},
      {L"9174 ", L"9174", TLoginOutcome::Wrong},
      {L"4071", L"40716", TLoginOutcome::Wrong},
  };
  for (const auto& c : cases) EXPECT_EQ(DecideLogin(c.Typed, c.Stored), c.Outcome) << int(c.Outcome);
}

TEST(AdminLoginTest, RolePanelTextsUseTheFullWidthColon) {
  EXPECT_EQ(RolePanelText(0, true), L"操作权限 ： 管理员");
  EXPECT_EQ(RolePanelText(1, false), L"User ： Operator");
  // The password window speaks English for any flag but 0, the login window only for 1.
  EXPECT_EQ(PasswordChangedMessage(2), L"Password be changed successfully, please remember it!");
  EXPECT_EQ(LoginWrongMessage(2), L"密码错误，请确认后重新输入!");
}

TEST(DebugInputTest, TypedTextToBytes) {
  const struct {
    const wchar_t* Typed;
    const wchar_t* Digits;
    const char* Bytes;  // as the link's echo writes them
  } cases[] = {
      {L"C6 11 33 20 02 BB", L"C611332002BB", "C6,11,33,20,02,BB"},
      {L"c6,11;33\t20", L"c6113320", "C6,11,33,20"},
      {L"C6-11-3", L"C6113", "C6,11"},
      {L"G0 0x12", L"0012", "00,12"},
      {L"0xff 0XFF", L"0ff0FF", "0F,F0,FF"},
      {L"全角Ａ５ 5a", L"5a", "5A"},  // full-width digits are no digits
      {L"", L"", ""},
      {L"7", L"7", ""},
  };
  for (const auto& c : cases) {
    const String digits = HexDigitsOf(c.Typed);
    EXPECT_EQ(digits, c.Digits);
    const std::vector<uint8_t> bytes = HexPairsToBytes(digits);
    EXPECT_EQ(UTF8Encode(HexByteList(bytes.data(), bytes.size())), c.Bytes);
  }
}

}  // namespace
