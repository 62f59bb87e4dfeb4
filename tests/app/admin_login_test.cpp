// The administrator role's rules without a window: which password logs in as
// what. The windows' table tests cover the texts in both languages.
#include <gtest/gtest.h>

#include "AdminLogin.h"

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

}  // namespace
