// The dialog service: answers reach the caller in the platform's structures,
// and a dialog nobody answers ends at once, cancelled and reported.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "DialogService.h"

namespace {

TEST(DialogServiceTest, MessageBoxAnswerAndRequest) {
  TDialogAnswerScope scope;
  scope.Expect(dkMessageBox, IDYES);
  EXPECT_EQ(DialogMessageBox(nullptr, L"Delete the preset?", L"Console", MB_YESNO | MB_ICONQUESTION), IDYES);
  ASSERT_EQ(scope.Requests().size(), 1u);
  const TDialogRequest& asked = scope.Requests()[0];
  EXPECT_EQ(asked.Kind, dkMessageBox);
  EXPECT_EQ(asked.Text, L"Delete the preset?");
  EXPECT_EQ(asked.Caption, L"Console");
  EXPECT_EQ(asked.Type, UINT(MB_YESNO | MB_ICONQUESTION));
  EXPECT_TRUE(scope.Unanswered().empty());
  EXPECT_EQ(scope.Pending(), 0u);
}

// Without a person the safe button wins: never Yes, never Retry (which
// would ask again for ever).
TEST(DialogServiceTest, CancelResultsOfMessageBoxes) {
  struct Case {
    UINT Type;
    int Expected;
  } cases[] = {
      {MB_OK, IDOK},
      {MB_OKCANCEL, IDCANCEL},
      {MB_YESNO | MB_ICONWARNING, IDNO},
      {MB_YESNOCANCEL, IDCANCEL},
      {MB_ABORTRETRYIGNORE, IDABORT},
      {MB_RETRYCANCEL, IDCANCEL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Type);
    TDialogAnswerScope scope;
    int result = 0;
    EXPECT_NONFATAL_FAILURE(result = DialogMessageBox(nullptr, L"Text", L"Caption", c.Type), "Unanswered message box");
    EXPECT_EQ(result, c.Expected);
    EXPECT_EQ(scope.Unanswered().size(), 1u);
  }
}

TEST(DialogServiceTest, CancelResultsOfMessageDialogs) {
  struct Case {
    TMsgDlgButtons Buttons;
    TModalResult Expected;
  } cases[] = {
      {{mbYes, mbNo, mbCancel}, mrCancel},
      {{mbYes, mbNo}, mrNo},
      {{mbOK}, mrOk},
      {{mbAbort, mbRetry, mbIgnore}, mrAbort},
      {{mbYes, mbYesToAll, mbNoToAll}, mrCancel},
  };
  for (const Case& c : cases) EXPECT_EQ(MsgDlgCancelResult(c.Buttons), c.Expected);
}

// The test program's default answerer fails the running test, names the
// dialog, and the call returns at once with the cancel result.
TEST(DialogServiceTest, UnansweredDialogFailsTheTestAndCancels) {
  int result = -1;
  EXPECT_NONFATAL_FAILURE(result = DialogMessageBox(nullptr, L"Port COM5 is busy", L"Link", MB_OKCANCEL),
                          "Unanswered message box \"Link\": Port COM5 is busy");
  EXPECT_EQ(result, IDCANCEL);
}

// A queued answer of another kind is not used for the dialog asked: it stays
// queued and the dialog is recorded as unanswered.
TEST(DialogServiceTest, AnswerOfAnotherKindIsNotUsed) {
  TDialogAnswerScope scope;
  scope.Expect(dkColor, [](TDialogRequest& r) {
    r.Values.Color = 0x123456;
    return IDOK;
  });
  int result = 0;
  EXPECT_NONFATAL_FAILURE(result = DialogMessageBox(nullptr, L"Text", L"Caption", MB_YESNO), "message box");
  EXPECT_EQ(result, IDNO);
  EXPECT_EQ(scope.Unanswered().size(), 1u);
  EXPECT_EQ(scope.Pending(), 1u);
}

TEST(DialogServiceTest, ScopesNestAndRestore) {
  TDialogAnswerer* before = DialogAnswerer();
  {
    TDialogAnswerScope outer;
    {
      TDialogAnswerScope inner;
      EXPECT_EQ(DialogAnswerer(), &inner);
    }
    EXPECT_EQ(DialogAnswerer(), &outer);
  }
  EXPECT_EQ(DialogAnswerer(), before);
}

TEST(DialogServiceTest, ColorStructureRoundTrip) {
  COLORREF custom[16];
  for (int i = 0; i < 16; ++i) custom[i] = RGB(i, i, i);
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.rgbResult = RGB(1, 2, 3);
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  TDialogAnswerScope scope;
  scope.Expect(dkColor, [](TDialogRequest& r) {
    r.Values.Color = RGB(200, 100, 50);
    r.Values.CustomColors[15] = RGB(9, 9, 9);
    return IDOK;
  });
  scope.Expect(dkColor, 0);
  ASSERT_TRUE(DialogChooseColor(cc));
  EXPECT_EQ(cc.rgbResult, RGB(200, 100, 50));
  EXPECT_EQ(custom[15], RGB(9, 9, 9));
  EXPECT_EQ(custom[3], RGB(3, 3, 3));
  const TDialogRequest& asked = scope.Requests()[0];
  EXPECT_EQ(asked.Values.Color, RGB(1, 2, 3));
  EXPECT_EQ(asked.Values.CustomColors[3], RGB(3, 3, 3));
  EXPECT_EQ(asked.Values.Flags, DWORD(CC_RGBINIT | CC_FULLOPEN));
  // Cancelled: nothing changes.
  EXPECT_FALSE(DialogChooseColor(cc));
  EXPECT_EQ(cc.rgbResult, RGB(200, 100, 50));
}

struct FileDialogFixture : ::testing::Test {
  wchar_t buffer[64] = L"old.txt";
  wchar_t title[16] = L"";
  OPENFILENAMEW ofn{};
  FileDialogFixture() {
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFilter = L"Text\0*.txt\0All\0*.*\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer;
    ofn.nMaxFile = 64;
    ofn.lpstrFileTitle = title;
    ofn.nMaxFileTitle = 16;
    ofn.lpstrInitialDir = L"C:\\walls";
    ofn.lpstrDefExt = L"txt";
    ofn.lpstrTitle = L"Open preset";
    ofn.Flags = OFN_FILEMUSTEXIST;
  }
};

TEST_F(FileDialogFixture, RequestCarriesTheStructure) {
  TDialogAnswerScope scope;
  scope.Expect(dkOpen, [](TDialogRequest& r) {
    r.Values.FileName = L"C:\\walls\\b.ini";
    r.Values.FilterIndex = 2;
    return IDOK;
  });
  ASSERT_TRUE(DialogGetOpenFileName(ofn));
  const TDialogRequest& asked = scope.Requests()[0];
  EXPECT_EQ(asked.Filter, L"Text|*.txt|All|*.*");
  EXPECT_EQ(asked.Caption, L"Open preset");
  EXPECT_EQ(asked.InitialDir, L"C:\\walls");
  EXPECT_EQ(asked.DefaultExt, L"txt");
  EXPECT_EQ(asked.Values.FileName, L"old.txt");
  EXPECT_EQ(asked.Values.FilterIndex, 1);
  EXPECT_EQ(asked.Values.Flags, DWORD(OFN_FILEMUSTEXIST));
  EXPECT_STREQ(buffer, L"C:\\walls\\b.ini");
  EXPECT_EQ(ofn.nFilterIndex, 2u);
  EXPECT_EQ(ofn.nFileOffset, 9);
  EXPECT_EQ(ofn.nFileExtension, 11);
  EXPECT_STREQ(title, L"b.ini");
}

TEST_F(FileDialogFixture, SeveralFilesKeepTheirSeparators) {
  TDialogAnswerScope scope;
  const String names(L"C:\\walls\0a.txt\0b.txt\0", 22);
  scope.Expect(dkSave, [&](TDialogRequest& r) {
    r.Values.FileName = names;
    return IDOK;
  });
  ASSERT_TRUE(DialogGetSaveFileName(ofn));
  EXPECT_EQ(String(buffer, 23), names + L'\0');
  EXPECT_EQ(ofn.nFileOffset, 9);
  EXPECT_STREQ(title, L"");  // several files have no single title
}

// An answer longer than the caller's buffer fails as the platform does; it is
// never written past the buffer's end.
TEST_F(FileDialogFixture, NameLongerThanTheBufferFails) {
  TDialogAnswerScope scope;
  scope.Expect(dkOpen, [](TDialogRequest& r) {
    r.Values.FileName = String(64, L'x');
    return IDOK;
  });
  EXPECT_FALSE(DialogGetOpenFileName(ofn));
  EXPECT_STREQ(buffer, L"old.txt");
}

}  // namespace
