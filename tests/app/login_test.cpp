// The administrator windows: login and logout on TForm7 with the main
// window's role state, and the password change on TForm8 with real keys.
// Every message box is answered through the dialog service and its text
// asserted exactly.
#include <gtest/gtest.h>

#include <cctype>
#include <memory>

#include "CfgIni.h"
#include "Dialogs.h"
#include "DialogService.h"
#include "SysUtils.h"
#include "TestMainWindow.h"
#include "Unit7.h"
#include "Unit8.h"
#include "cxButtons_win.h"

namespace {

using app_test::TTestMainWindow;
using test_support::Pump;

// One key typed for real, then the application's own loop serves it for 100 ms
// (its key handling turns Enter on a button into a press, as in the program).
void Type(WORD key) {
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = key;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
  const DWORD start = GetTickCount();
  do {
    Application->ProcessMessages();
    Sleep(5);
  } while (GetTickCount() - start < 100);
}

template <class T>
using TFormPtr = std::unique_ptr<T, void (*)(T*)>;

template <class T>
TFormPtr<T> MakeShown() {
  TFormPtr<T> form{TCustomForm::Create<T>(nullptr), [](T* f) { f->Free(); }};
  form->Show();
  SetForegroundWindow(form->Handle());
  Pump();
  return form;
}

// Presses a button as its form file binds it.
void Press(TcxButton* button) { button->OnClick(button); }

// The one message a press shows, answered with OK.
String MessageOf(const std::function<void()>& press) {
  TDialogAnswerScope scope;
  scope.Expect(dkMessageDlg, mrOk);
  press();
  EXPECT_EQ(scope.Requests().size(), 1u);
  return scope.Requests().empty() ? String() : scope.Requests()[0].Text;
}

struct TLoginCase {
  const wchar_t* Typed;
  const wchar_t* Stored;
  bool LoggedIn;
  bool Maintenance;
};

const TLoginCase LoginCases[] = {
    {L"9174", L"9174", true, false},     // the default password
    {L"40716", L"1234", true, true},     // the built-in maintenance password
    {L"40716", L"40716", true, true},    // stored equal to it: still maintenance
    {L"x", L"9174", false, false},       // wrong: the window stays, the text too
    {L"", L"", true, false},             // after an empty password was stored
};

class LoginTest : public testing::TestWithParam<int> {
 protected:
  int Language() const { return GetParam(); }
};

TEST_P(LoginTest, LoginTable) {
  for (const TLoginCase& c : LoginCases) {
    SCOPED_TRACE(testing::Message() << "typed \"" << link_test::Utf8(c.Typed) << "\", stored \""
                                    << link_test::Utf8(c.Stored) << "\"");
    TTestMainWindow main;
    main.LanguageFlag = Language();
    main.Role.AdminPassword = c.Stored;
    auto form = MakeShown<TForm7>();
    form->MaskEdit1->SetText(c.Typed);
    const String message = MessageOf([&] { Press(form->Button1); });
    EXPECT_EQ(main.Role.AdminLoggedIn, c.LoggedIn);
    EXPECT_EQ(main.Role.MaintenanceLogin, c.Maintenance);
    EXPECT_EQ(main.Debug, c.Maintenance);
    EXPECT_EQ(main.Memo1()->Visible(), c.Maintenance);
    if (c.LoggedIn) {
      EXPECT_EQ(message, Language() == 1 ? L"OK, Please logout in time after operation"
                                         : L"管理员登录成功，请操作完成后及时退出");
      EXPECT_EQ(main.RolePanel, Language() == 1 ? L"User ： Administrator" : L"操作权限 ： 管理员");
      EXPECT_FALSE(form->Visible());
      EXPECT_EQ(form->MaskEdit1->Text(), L"");
      EXPECT_FALSE(form->MaskEdit1->Enabled());
      EXPECT_FALSE(form->Button1->Enabled());
      EXPECT_TRUE(form->Button4->Enabled());
      EXPECT_TRUE(form->Button3->Enabled());
      EXPECT_EQ(main.ControlUpdates, 1);
      EXPECT_TRUE(main.FlagsAtUpdate.AdminLoggedIn);
      EXPECT_EQ(main.FlagsAtUpdate.DebugMode, c.Maintenance);
    } else {
      EXPECT_EQ(message, Language() == 1 ? L"Password is wrong，please check and input again!"
                                         : L"密码错误，请确认后重新输入!");
      EXPECT_EQ(main.RolePanel, L"");
      EXPECT_TRUE(form->Visible());
      EXPECT_EQ(form->MaskEdit1->Text(), c.Typed);
      EXPECT_EQ(main.ControlUpdates, 0);
    }
  }
}

TEST_P(LoginTest, LogoutWithNobodyLoggedInSetsTheOperatorText) {
  TTestMainWindow main;
  main.LanguageFlag = Language();
  auto form = MakeShown<TForm7>();
  Press(form->Button4);
  EXPECT_EQ(main.RolePanel, Language() == 1 ? L"User ： Operator" : L"操作权限 ： 操作员");
  EXPECT_FALSE(main.Role.AdminLoggedIn);
  EXPECT_FALSE(main.Role.MaintenanceLogin);
  EXPECT_FALSE(main.Debug);
  EXPECT_TRUE(form->Visible());
  EXPECT_FALSE(form->Button4->Enabled());
  EXPECT_FALSE(form->Button3->Enabled());
  EXPECT_TRUE(form->Button1->Enabled());
  EXPECT_TRUE(form->MaskEdit1->Enabled());
  EXPECT_TRUE(form->Button2->Focused());
  EXPECT_EQ(main.ControlUpdates, 1);
}

TEST_P(LoginTest, MaintenanceLogoutHidesTheTestPagesAndTheLogPane) {
  TTestMainWindow main;
  main.ShowHost();
  main.LanguageFlag = Language();
  auto form = MakeShown<TForm7>();
  form->MaskEdit1->SetText(MaintenancePassword);
  MessageOf([&] { Press(form->Button1); });
  main.PageControl1()->SetVisible(true);  // as the debug mode shows them
  Pump();
  ASSERT_FALSE(form->Visible());
  form->Show();
  SetForegroundWindow(form->Handle());
  Pump();
  EXPECT_TRUE(form->Button4->Focused());
  EXPECT_FALSE(form->Label1->Enabled());
  Press(form->Button4);
  EXPECT_FALSE(main.Debug);
  // The states are recomputed without the debug flag: the manual-debug entry
  // and the test tabs go with the logout.
  EXPECT_FALSE(main.FlagsAtUpdate.DebugMode);
  EXPECT_FALSE(main.FlagsAtUpdate.AdminLoggedIn);
  EXPECT_FALSE(main.Role.AdminLoggedIn);
  EXPECT_FALSE(main.Role.MaintenanceLogin);
  EXPECT_FALSE(main.PageControl1()->Visible());
  EXPECT_FALSE(main.Memo1()->Visible());
  EXPECT_TRUE(form->Visible());
  EXPECT_TRUE(form->Label1->Enabled());
}

TEST_P(LoginTest, ShowFocusesThePasswordAndSetsTheLanguage) {
  TTestMainWindow main;
  main.LanguageFlag = Language();
  auto form = MakeShown<TForm7>();
  EXPECT_TRUE(form->MaskEdit1->Focused());
  EXPECT_TRUE(form->Label1->Enabled());
  if (Language() == 1) {
    EXPECT_EQ(form->Caption(), L" Administrator Manage");
    EXPECT_EQ(form->Label1->Caption(), L"Input Admin Password:");
    EXPECT_EQ(form->Button3->Caption(), L"Reset Password");
    EXPECT_EQ(form->Button3->Left(), 142);
    EXPECT_EQ(form->Button3->Width(), 131);
  } else {
    EXPECT_EQ(form->Caption(), L"管理员");
    EXPECT_EQ(form->Button3->Caption(), L"修改密码");
  }
}

TEST_P(LoginTest, ResetPasswordOpensThePasswordWindowAndCloseHides) {
  TTestMainWindow main;
  main.LanguageFlag = Language();
  auto login = MakeShown<TForm7>();
  TFormPtr<TForm8> password{TCustomForm::Create<TForm8>(nullptr), [](TForm8* f) { f->Free(); }};
  Press(login->Button3);
  EXPECT_TRUE(password->Visible());
  EXPECT_TRUE(password->Edit1->Focused());
  Press(password->Button2);
  EXPECT_FALSE(password->Visible());
  Press(login->Button2);
  EXPECT_FALSE(login->Visible());
}

// Typed for real: the ninth character is refused, and Enter goes to "登录"
// so that a second Enter logs in.
TEST_P(LoginTest, TypedPasswordStopsAtEightAndEnterLogsIn) {
  TTestMainWindow main;
  main.LanguageFlag = Language();
  main.Role.AdminPassword = L"12345678";
  auto form = MakeShown<TForm7>();
  for (WORD key : {'1', '2', '3', '4', '5', '6', '7', '8', '9'}) Type(key);
  EXPECT_EQ(form->MaskEdit1->Text(), L"12345678");
  Type(VK_RETURN);
  EXPECT_TRUE(form->Button1->Focused());
  TDialogAnswerScope scope;
  scope.Expect(dkMessageDlg, mrOk);
  Type(VK_RETURN);
  EXPECT_TRUE(main.Role.AdminLoggedIn);
  EXPECT_EQ(scope.Requests().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Languages, LoginTest, testing::Values(0, 1),
                         [](const testing::TestParamInfo<int>& info) {
                           return info.param == 1 ? "English" : "Chinese";
                         });

// --- TForm8 -------------------------------------------------------------------------------

class PasswordTest : public testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    main.LanguageFlag = GetParam();
    main.Role.AdminPassword = L"9174";
    file = ProgramFolder() + L"password_test_" + IntToStr(int(GetCurrentProcessId())) + L".ini";
    DeleteFileW(file.c_str());
    form = std::make_unique<TFormPtr<TForm8>>(MakeShown<TForm8>());
    Form()->SettingsFile = file;
  }
  void TearDown() override {
    form.reset();
    DeleteFileW(file.c_str());
  }
  TForm8* Form() { return form->get(); }
  bool English() const { return GetParam() != 0; }
  void TypeText(const char* text) {
    for (const char* p = text; *p; ++p) Type(WORD(toupper(*p)));  // the key of the letter, typed unshifted
  }

  TTestMainWindow main;
  String file;
  std::unique_ptr<TFormPtr<TForm8>> form;
};

TEST_P(PasswordTest, WrongOldPasswordFocusesItAgain) {
  Form()->Edit1->SetText(L"1111");
  Form()->Edit2->SetText(L"5555");
  Form()->Edit3->SetText(L"5555");
  EXPECT_EQ(MessageOf([&] { Press(Form()->Button1); }),
            English() ? L"old password is not correct，please check and input again!" : L"旧密码输入不正确，请确认后重新输入");
  EXPECT_TRUE(Form()->Edit1->Focused());
  EXPECT_EQ(main.Role.AdminPassword, L"9174");
  EXPECT_TRUE(Form()->Visible());
  EXPECT_EQ(TCfgIni(file).ReadString(L"config", L"password", L"none"), L"none");
}

TEST_P(PasswordTest, MismatchFocusesTheNewPassword) {
  Form()->Edit1->SetText(L"9174");
  Form()->Edit2->SetText(L"5555");
  Form()->Edit3->SetText(L"5556");
  EXPECT_EQ(MessageOf([&] { Press(Form()->Button1); }),
            English() ? L"new password can not be confirmed，please check and input again!"
                      : L"两次输入密码不符，请确认后重新输入");
  EXPECT_TRUE(Form()->Edit2->Focused());
  EXPECT_EQ(main.Role.AdminPassword, L"9174");
}

// Typed for real along the Enter chain; the ninth character of each field is
// refused; the stored text is what a restarted console logs in with.
TEST_P(PasswordTest, TypedChangeIsStoredAndAcceptedAfterARestart) {
  EXPECT_TRUE(Form()->Edit1->Focused());
  TypeText("9174");
  Type(VK_RETURN);
  EXPECT_TRUE(Form()->Edit2->Focused());
  TypeText("abcdefgh9");
  Type(VK_RETURN);
  EXPECT_TRUE(Form()->Edit3->Focused());
  TypeText("abcdefgh9");
  Type(VK_RETURN);
  EXPECT_TRUE(Form()->Button1->Focused());
  EXPECT_EQ(Form()->Edit2->Text(), L"abcdefgh");
  EXPECT_EQ(Form()->Edit3->Text(), L"abcdefgh");
  EXPECT_EQ(MessageOf([&] { Type(VK_RETURN); }),
            English() ? L"Password be changed successfully, please remember it!" : L"密码更改成功，请牢记密码");
  EXPECT_FALSE(Form()->Visible());
  EXPECT_EQ(main.Role.AdminPassword, L"abcdefgh");
  // A restarted console reads the stored text and logs in with it.
  TTestMainWindow restarted;
  restarted.Role.AdminPassword = TCfgIni(file).ReadString(L"config", L"password", L"9174");
  EXPECT_EQ(DecideLogin(L"abcdefgh", restarted.Role.AdminPassword), TLoginOutcome::Administrator);
}

TEST_P(PasswordTest, OldPasswordFieldStopsAtEight) {
  TypeText("123456789");
  EXPECT_EQ(Form()->Edit1->Text(), L"12345678");
}

TEST_P(PasswordTest, ShowClearsTheFieldsAndSetsTheLanguage) {
  main.ShowHost();
  Form()->Edit2->SetText(L"left");
  Form()->Button2->OnClick(Form()->Button2);
  Pump();
  EXPECT_FALSE(Form()->Visible());
  Form()->Show();
  SetForegroundWindow(Form()->Handle());
  Pump();
  EXPECT_EQ(Form()->Edit2->Text(), L"");
  EXPECT_TRUE(Form()->Edit1->Focused());
  EXPECT_EQ(Form()->Caption(), English() ? L" Change password" : L"修改密码");
  EXPECT_EQ(Form()->Label3->Caption(), English() ? L"Input Again:" : L"确认新密码：  ");
}

// An empty new password typed twice is stored, and then an empty login
// field logs in.
TEST_P(PasswordTest, EmptyNewPasswordIsAccepted) {
  Form()->Edit1->SetText(L"9174");
  MessageOf([&] { Press(Form()->Button1); });
  EXPECT_EQ(main.Role.AdminPassword, L"");
  EXPECT_EQ(TCfgIni(file).ReadString(L"config", L"password", L"none"), L"");
  EXPECT_EQ(DecideLogin(L"", main.Role.AdminPassword), TLoginOutcome::Administrator);
}

INSTANTIATE_TEST_SUITE_P(Languages, PasswordTest, testing::Values(0, 1, 2),
                         [](const testing::TestParamInfo<int>& info) {
                           return info.param == 0 ? "Chinese" : "English" + std::to_string(info.param);
                         });

}  // namespace
