// Message dialogs, messages and input boxes answered through the dialog
// service: what they ask and what they return.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>


#include "Dialogs.h"
#include "SysUtils.h"

namespace {

TEST(MessageDlgTest, RequestNamesTypeButtonsAndHelp) {
  struct Case {
    TMsgDlgType Type;
    String Caption;
  } cases[] = {
      {mtWarning, L"Warning"},
      {mtError, L"Error"},
      {mtInformation, L"Information"},
      {mtConfirmation, L"Confirm"},
      {mtCustom, ChangeFileExt(ExtractFileName(ParamStr(0)), L"")},
  };
  for (const Case& c : cases) {
    TDialogAnswerScope scope;
    scope.Expect(dkMessageDlg, mrRetry);
    EXPECT_EQ(MessageDlg(L"Port busy", c.Type, {mbAbort, mbRetry, mbIgnore}, 42), mrRetry);
    ASSERT_EQ(scope.Requests().size(), 1u);
    const TDialogRequest& r = scope.Requests()[0];
    EXPECT_EQ(r.Caption, c.Caption);
    EXPECT_EQ(r.Text, L"Port busy");
    EXPECT_EQ(r.DlgType, c.Type);
    EXPECT_EQ(r.Buttons, (TMsgDlgButtons{mbAbort, mbRetry, mbIgnore}));
    EXPECT_EQ(r.HelpContext, 42);
  }
}

// With an application window the custom caption is the program's title.
TEST(MessageDlgTest, CustomCaptionIsTheApplicationTitle) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TApplication";
  ASSERT_TRUE(RegisterClassW(&wc));
  HWND app = CreateWindowExW(0, L"TApplication", L"大屏幕拼接系统", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(app, nullptr);
  TDialogAnswerScope scope;
  scope.Expect(dkMessageDlg, mrOk);
  ShowMessage(L"Saved");
  DestroyWindow(app);
  UnregisterClassW(L"TApplication", GetModuleHandleW(nullptr));
  ASSERT_EQ(scope.Requests().size(), 1u);
  EXPECT_EQ(scope.Requests()[0].Caption, L"大屏幕拼接系统");
}

TEST(MessageDlgTest, UnansweredReturnsTheCancelResultAndFails) {
  TModalResult result = mrNone;
  EXPECT_NONFATAL_FAILURE(result = MessageDlg(L"Delete preset 3?", mtConfirmation, {mbYes, mbNo}, 0),
                          "Unanswered message dialog \"Confirm\": Delete preset 3?");
  EXPECT_EQ(result, mrNo);
}

TEST(MessageDlgTest, ShowMessageIsACustomDialogWithOk) {
  TDialogAnswerScope scope;
  scope.Expect(dkMessageDlg, mrOk);
  ShowMessage(L"Saved");
  ASSERT_EQ(scope.Requests().size(), 1u);
  EXPECT_EQ(scope.Requests()[0].DlgType, mtCustom);
  EXPECT_EQ(scope.Requests()[0].Buttons, TMsgDlgButtons{mbOK});
  EXPECT_EQ(scope.Requests()[0].Text, L"Saved");
}

TEST(InputBoxTest, AnsweredTextOrTheDefault) {
  struct Case {
    const char* Name;
    int Result;
    String Expected;
  } cases[] = {
      {"accepted", IDOK, L"大厅 A"},
      {"cancelled", IDCANCEL, L"Scene 1"},
      {"closed without a choice", mrNone, L"Scene 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TDialogAnswerScope scope;
    scope.Expect(dkInputBox, [&](TDialogRequest& r) {
      EXPECT_EQ(r.Caption, L"Rename");
      EXPECT_EQ(r.Text, L"New name:");
      EXPECT_EQ(r.Values.Text, L"Scene 1");
      r.Values.Text = L"大厅 A";
      return c.Result;
    });
    EXPECT_EQ(InputBox(L"Rename", L"New name:", L"Scene 1"), c.Expected);
  }
}

TEST(InputBoxTest, UnansweredGivesTheDefaultAndFails) {
  String value = L"keep";
  bool accepted = true;
  EXPECT_NONFATAL_FAILURE(accepted = InputQuery(L"Rename", L"New name:", value), "Unanswered input box \"Rename\"");
  EXPECT_FALSE(accepted);
  EXPECT_EQ(value, L"keep");
}

}  // namespace
