// The real dialogs, driven from inside their own modal loop: the message
// dialog and input box made from in-memory templates, and the platform's
// common dialogs with their hooks.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "Dialogs.h"
#include "HiddenWindow.h"
#include "SysUtils.h"
#include "dialogs_driver.h"
#include "support/WindowCapture.h"

namespace {

using namespace dialogs_test;

const TMsgDlgButtons kAllButtons{mbYes, mbNo,    mbOK,  mbCancel,  mbAbort,    mbRetry,
                                 mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp};

TEST(RealMessageDlgTest, LayoutCaptionsAndTheButtonPressed) {
  const String message = L"Save the changes to preset 3?\r\n保存场景 3 的修改吗?";
  DialogDriver driver({
      [&](HWND dlg) {
        EXPECT_EQ(ClassOf(dlg), L"TMessageForm");
        EXPECT_EQ(TextOf(dlg), L"Confirm");
        EXPECT_EQ(ButtonCaptions(dlg), (std::vector<String>{L"&Yes", L"&No", L"Cancel", L"&Help"}));
        std::vector<String> texts;
        for (HWND s : Children(dlg, L"Static")) texts.push_back(TextOf(s));
        EXPECT_NE(std::find(texts.begin(), texts.end(), message), texts.end());
        bool hasIcon = false;
        for (HWND s : Children(dlg, L"Static")) hasIcon |= SendMessageW(s, STM_GETICON, 0, 0) != 0;
        EXPECT_TRUE(hasIcon);
        // Centred on the screen.
        RECT r;
        GetWindowRect(dlg, &r);
        EXPECT_LE(std::abs((r.left + r.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
        EXPECT_LE(std::abs((r.top + r.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 1);
        // Yes is the default button when there is no OK.
        EXPECT_EQ(LOWORD(SendMessageW(dlg, DM_GETDEFID, 0, 0)), WORD(mrYes));
        Capture(dlg, L"dialogs_messagedlg.png");
        Click(dlg, L"&Help");  // does not close it
      },
      [&](HWND dlg) { Click(dlg, L"&No"); },
  });
  EXPECT_EQ(MessageDlg(message, mtConfirmation, {mbYes, mbNo, mbCancel, mbHelp}, 0), mrNo);
}

TEST(RealMessageDlgTest, EveryButtonInOrderGivesItsResult) {
  struct Case {
    TMsgDlgBtn Button;
    const wchar_t* Caption;
    TModalResult Result;
  } cases[] = {
      {mbYes, L"&Yes", 6},         {mbNo, L"&No", 7},           {mbOK, L"OK", 1},
      {mbCancel, L"Cancel", 2},    {mbAbort, L"&Abort", 3},     {mbRetry, L"&Retry", 4},
      {mbIgnore, L"&Ignore", 5},   {mbAll, L"&All", 8},         {mbNoToAll, L"N&o to All", 9},
      {mbYesToAll, L"Yes to &All", 10},
  };
  std::vector<String> order;
  for (const Case& c : cases) order.push_back(c.Caption);
  order.push_back(L"&Help");
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Caption);
    DialogDriver driver({[&](HWND dlg) {
      EXPECT_EQ(ButtonCaptions(dlg), order);
      Click(dlg, c.Caption);
    }});
    EXPECT_EQ(MessageDlg(L"Pick one", mtWarning, kAllButtons, 0), c.Result);
  }
}

TEST(RealMessageDlgTest, EscapeAndEnter) {
  struct Case {
    TMsgDlgButtons Buttons;
    WPARAM Key;
    TModalResult Expected;
  } cases[] = {
      {{mbYes, mbNo, mbCancel}, VK_ESCAPE, mrCancel},
      {{mbYes, mbNo}, VK_ESCAPE, mrNo},
      {{mbOK}, VK_ESCAPE, mrOk},
      {{mbAbort, mbRetry, mbIgnore}, VK_ESCAPE, mrAbort},
      {{mbYes, mbNo, mbCancel}, VK_RETURN, mrYes},
      {{mbOK, mbCancel}, VK_RETURN, mrOk},
      {{mbAbort, mbRetry, mbIgnore}, VK_RETURN, mrRetry},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "key " << c.Key << ", expected " << c.Expected);
    DialogDriver driver({[&](HWND dlg) {
      HWND target = GetFocus();
      if (!target || (target != dlg && !IsChild(dlg, target))) target = dlg;
      PostMessageW(target, WM_KEYDOWN, c.Key, 1);
      PostMessageW(target, WM_KEYUP, c.Key, LPARAM(0xC0000001u));
    }});
    EXPECT_EQ(MessageDlg(L"Key", mtError, c.Buttons, 0), c.Expected);
  }
}

TEST(RealInputBoxTest, TypedTextIsReturned) {
  const String typed = L"大厅 A";
  DialogDriver driver({
      [&](HWND dlg) {
        EXPECT_EQ(TextOf(dlg), L"Rename preset");
        std::vector<HWND> edits = Children(dlg, L"Edit");
        ASSERT_EQ(edits.size(), 1u);
        EXPECT_EQ(TextOf(edits[0]), L"Scene 1");
        DWORD start = 0, end = 0;
        SendMessageW(edits[0], EM_GETSEL, WPARAM(&start), LPARAM(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 7u);  // all selected: typing replaces it
        EXPECT_EQ(ButtonCaptions(dlg), (std::vector<String>{L"OK", L"Cancel"}));
        for (wchar_t ch : typed) PostMessageW(edits[0], WM_CHAR, ch, 1);
      },
      [&](HWND dlg) {
        EXPECT_EQ(TextOf(Children(dlg, L"Edit")[0]), typed);
        Capture(dlg, L"dialogs_inputbox.png");
        Click(dlg, L"OK");
      },
  });
  EXPECT_EQ(InputBox(L"Rename preset", L"New name for the preset:", L"Scene 1"), typed);
}

TEST(RealInputBoxTest, EscapeKeepsTheValue) {
  DialogDriver driver({
      [&](HWND dlg) {
        HWND edit = Children(dlg, L"Edit")[0];
        PostMessageW(edit, WM_CHAR, L'x', 1);
      },
      [&](HWND dlg) {
        HWND edit = Children(dlg, L"Edit")[0];
        EXPECT_EQ(TextOf(edit), L"x");
        PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 1);
      },
  });
  String value = L"Scene 1";
  EXPECT_FALSE(InputQuery(L"Rename preset", L"New name:", value));
  EXPECT_EQ(value, L"Scene 1");
}

// --- The platform's common dialogs ---------------------------------------------------------

// Records OnShow and OnClose, and the dialog's window as OnShow sees it.
struct DialogEvents : TObject {
  explicit DialogEvents(TCommonDialog& Dialog) : Dialog(Dialog) {
    Dialog.OnShow = TNotifyEvent(this, &DialogEvents::Show);
    Dialog.OnClose = TNotifyEvent(this, &DialogEvents::Close);
  }
  void Show(TObject*) {
    Log.push_back(L"show");
    Shown = Dialog.Handle();
    if (Raise) throw Exception(L"raised in OnShow");
  }
  void Close(TObject*) { Log.push_back(L"close"); }

  TCommonDialog& Dialog;
  std::vector<String> Log;
  HWND Shown = nullptr;
  bool Raise = false;
};

void Press(HWND Dialog, int Id) {
  HWND button = GetDlgItem(Dialog, Id);
  ASSERT_NE(button, nullptr);
  SendMessageW(button, BM_CLICK, 0, 0);
}

TEST(RealCommonDialogTest, ColourDialogOkAndCancel) {
  struct Case {
    int Button;
    bool Accepted;
  } cases[] = {{IDOK, true}, {IDCANCEL, false}};
  for (const Case& c : cases) {
    TColorDialog dialog(nullptr);
    dialog.SetColor(TColor(RGB(10, 20, 30)));
    DialogEvents events(dialog);
    HWND seen = nullptr;
    DialogDriver driver({[&](HWND dlg) {
      seen = dlg;
      EXPECT_EQ(dialog.Handle(), dlg);
      EXPECT_EQ(events.Log, std::vector<String>{L"show"});
      Press(dlg, c.Button);
    }});
    EXPECT_EQ(dialog.Execute(), c.Accepted);
    EXPECT_EQ(events.Log, (std::vector<String>{L"show", L"close"}));
    EXPECT_EQ(events.Shown, seen);
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(dialog.Color(), TColor(RGB(10, 20, 30)));
    EXPECT_EQ(dialog.CustomColors()->Count(), c.Accepted ? 16 : 0);
  }
}

// A TrueType face the font dialog lists (the machine's fonts differ).
int CALLBACK TakeFace(const LOGFONTW* Font, const TEXTMETRICW*, DWORD Type, LPARAM Out) {
  if (!(Type & TRUETYPE_FONTTYPE) || Font->lfFaceName[0] == L'@') return 1;
  *reinterpret_cast<String*>(Out) = Font->lfFaceName;
  return 0;
}

String TrueTypeFace() {
  String face;
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(dc, &query, &TakeFace, LPARAM(&face), 0);
  ReleaseDC(nullptr, dc);
  return face;
}

TEST(RealCommonDialogTest, FontDialogAcceptsTheFontItWasGiven) {
  const String face = TrueTypeFace();
  ASSERT_FALSE(face.empty());
  TFontDialog dialog(nullptr);
  dialog.Font()->SetName(face);
  dialog.Font()->SetSize(10);
  dialog.Font()->SetStyle({fsBold});
  dialog.Font()->SetColor(clRed);
  DialogDriver driver({[&](HWND dlg) { Press(dlg, IDOK); }});
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.Font()->Name(), face);
  EXPECT_EQ(dialog.Font()->Size(), 10);
  EXPECT_EQ(dialog.Font()->Style(), TFontStyles{fsBold});
  EXPECT_EQ(dialog.Font()->Color(), clRed);
}

TEST(RealCommonDialogTest, OpenDialogReturnsTheChosenFile) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const String path = String(folder) + L"vamire dialogs 打开.txt";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  TOpenDialog dialog(nullptr);
  dialog.SetFilter(L"Text|*.txt|All|*.*");
  dialog.SetFileName(path);
  dialog.SetOptions({ofFileMustExist, ofHideReadOnly});
  DialogEvents events(dialog);
  DialogDriver driver({[&](HWND dlg) {
    // The hook serves a child of the explorer-style dialog; Handle is the dialog.
    EXPECT_EQ(dialog.Handle(), dlg);
    Press(dlg, IDOK);
  }});
  const bool accepted = dialog.Execute();
  DeleteFileW(path.c_str());
  ASSERT_TRUE(accepted);
  EXPECT_EQ(CompareText(dialog.FileName(), path), 0) << dialog.FileName();
  EXPECT_EQ(dialog.Files()->Count(), 1);
  EXPECT_EQ(dialog.FilterIndex(), 1);
  EXPECT_EQ(events.Log, (std::vector<String>{L"show", L"close"}));
}

// An exception in OnShow goes to the callback exception handler; the dialog
// goes on and can still be answered.
struct HandlerLog : TObject {
  std::vector<String> Messages;
  void Handle(TObject*, const Exception& E) { Messages.push_back(E.Message()); }
};

TEST(RealCommonDialogTest, ExceptionInOnShowDoesNotEscapeTheHook) {
  HandlerLog handler;
  SetCallbackExceptionHandler(TExceptionHandler(&handler, &HandlerLog::Handle));
  TColorDialog dialog(nullptr);
  DialogEvents events(dialog);
  events.Raise = true;
  DialogDriver driver({[&](HWND dlg) { Press(dlg, IDCANCEL); }});
  EXPECT_FALSE(dialog.Execute());
  SetCallbackExceptionHandler(nullptr);
  EXPECT_EQ(handler.Messages, std::vector<String>{L"raised in OnShow"});
  EXPECT_EQ(events.Log, (std::vector<String>{L"show", L"close"}));
}

// A real dialog is modal to the whole program: the thread's other windows
// take no input while it is up, and afterwards only those enabled before are
// enabled again, the dialog's owner included (here the disabled window, which
// was activated last, is the owner: the platform enables an owner at the end).
TEST(RealDialogModalityTest, OtherWindowsAreDisabledWhileItIsUp) {
  struct Case {
    const char* Name;
    std::function<void()> Run;
    int Close;
  } cases[] = {
      {"message dialog", [] { MessageDlg(L"Modal", mtInformation, {mbOK}, 0); }, IDOK},
      {"input box", [] { InputBox(L"Modal", L"Text:", L""); }, IDCANCEL},
      {"colour dialog", [] { TColorDialog(nullptr).Execute(); }, IDCANCEL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    HWND open = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND closed = CreateWindowExW(0, L"STATIC", L"off", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_DISABLED, 220, 10,
                                  200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(open && closed);
    {
      DialogDriver driver({[&](HWND dlg) {
        EXPECT_FALSE(IsWindowEnabled(open));
        EXPECT_FALSE(IsWindowEnabled(closed));
        EXPECT_TRUE(IsWindowEnabled(dlg));
        Press(dlg, c.Close);
      }});
      c.Run();
    }
    EXPECT_TRUE(IsWindowEnabled(open));
    EXPECT_FALSE(IsWindowEnabled(closed));
    DestroyWindow(open);
    DestroyWindow(closed);
  }
}

}  // namespace
