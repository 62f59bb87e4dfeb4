// The mask edit and the focus: leaving it incomplete is refused with the
// runtime's error (the focus stays), Esc abandons the changes, and pasted text
// is typed in through the mask.
#include <gtest/gtest.h>

#include "Mask.h"
#include "extctrls_test_support.h"

using namespace extctrls_test;

namespace {

struct TErrors : TObject {
  std::vector<String> Messages;
  void Handle(TObject* /*Sender*/, const Exception& E) { Messages.push_back(E.Message()); }
};

struct TFocusScene {
  TErrors errors;
  THost host{nullptr};
  TMaskEdit* edit;
  TEdit* other;
  TFocusScene() {
    SetCallbackExceptionHandler(TExceptionHandler(&errors, &TErrors::Handle));
    host.SetBounds(40, 40, 240, 100);
    edit = new TMaskEdit(&host);
    edit->SetParent(&host);
    edit->SetBounds(10, 10, 150, 24);
    edit->SetEditMask(L"!90:00;1;_");
    other = new TEdit(&host);
    other->SetParent(&host);
    other->SetBounds(10, 50, 150, 24);
    host.Show();
    SetForegroundWindow(host.Handle());
    edit->SetFocus();
    PumpMessages();
  }
  ~TFocusScene() { SetCallbackExceptionHandler(TExceptionHandler()); }
  void Type(const String& keys) {
    for (const wchar_t k : keys) SendMessageW(edit->Handle(), WM_CHAR, k, 1);
    PumpMessages();
  }
};

TEST(MaskEditFocusTest, LeavingAnIncompleteEntryIsRefused) {
  TFocusScene s;
  ASSERT_EQ(GetFocus(), s.edit->Handle());
  s.Type(L"\x01" L"12");
  s.other->SetFocus();
  PumpMessages();
  ASSERT_EQ(s.errors.Messages.size(), 1u);
  EXPECT_EQ(s.errors.Messages[0], L"Invalid input value.  Use escape key to abandon changes");
  EXPECT_EQ(GetFocus(), s.edit->Handle()) << "the focus stays in the edit";
  DWORD start = 0, stop = 0;
  SendMessageW(s.edit->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&stop));
  EXPECT_EQ(start, 3u) << "the caret waits at the first place to fill";
  EXPECT_EQ(stop, 3u);

  s.Type(L"45");
  s.other->SetFocus();
  PumpMessages();
  EXPECT_EQ(s.errors.Messages.size(), 1u) << "a complete entry may be left";
  EXPECT_EQ(GetFocus(), s.other->Handle());
  EXPECT_EQ(s.edit->Text(), L"12:45");
}

TEST(MaskEditFocusTest, EscBringsBackTheTextFromWhenTheFocusCame) {
  TFocusScene s;
  s.other->SetFocus();
  s.edit->SetText(L"08:15");
  s.edit->SetFocus();
  PumpMessages();
  SendMessageW(s.edit->Handle(), EM_SETSEL, 0, 0);
  s.Type(L"1");
  EXPECT_EQ(s.edit->EditText(), L"18:15");
  s.Type(L"\x1b");
  EXPECT_EQ(s.edit->EditText(), L"08:15");
  s.other->SetFocus();
  PumpMessages();
  EXPECT_TRUE(s.errors.Messages.empty());
}

TEST(MaskEditFocusTest, PastedTextIsTypedThroughTheMask) {
  TFocusScene s;
  ASSERT_TRUE(OpenClipboard(s.host.Handle()));
  EmptyClipboard();
  const wchar_t text[] = L"7x45";
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, sizeof(text));
  memcpy(GlobalLock(mem), text, sizeof(text));
  GlobalUnlock(mem);
  SetClipboardData(CF_UNICODETEXT, mem);
  CloseClipboard();
  SendMessageW(s.edit->Handle(), EM_SETSEL, 0, 0);
  s.Type(L"\x16");  // Ctrl+V
  EXPECT_EQ(s.edit->EditText(), L"74:5_");
}

}  // namespace
