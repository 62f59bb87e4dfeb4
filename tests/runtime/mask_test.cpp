// Edit masks: how a mask reads, how Text and the edited text convert, typing
// over a mask key by key, and the check made when the edit is left.
#include <gtest/gtest.h>

#include "Mask.h"
#include "extctrls_test_support.h"

using namespace extctrls_test;

namespace {

std::string Narrow(const String& s) {
  std::string r;
  for (wchar_t c : s) r += c < 128 ? char(c) : '?';
  return r;
}

// --- The format ------------------------------------------------------------------------
TEST(EditMaskFormatTest, FieldsBlankAndLiterals) {
  const TEditMaskFormat f(L"!90:00;1;_");
  EXPECT_EQ(f.Length(), 5);
  EXPECT_TRUE(f.SaveLiterals());
  EXPECT_EQ(f.Blank(), L'_');
  EXPECT_TRUE(f.LeadingBlanks());
  EXPECT_EQ(f.EmptyText(), L"__:__");
  EXPECT_FALSE(f.Place(0).Required);
  EXPECT_TRUE(f.Place(1).Required);

  const TEditMaskFormat g(L"(000) 000\\-0000;0;*");
  EXPECT_FALSE(g.SaveLiterals());
  EXPECT_EQ(g.EmptyText(), L"(***) ***-****");
  const TEditMaskFormat escaped(L"00\\;00");
  EXPECT_EQ(escaped.EmptyText(), L"__;__") << "an escaped separator is a literal";
  EXPECT_TRUE(escaped.SaveLiterals());
  EXPECT_FALSE(TEditMaskFormat(L"").IsMasked());
  EXPECT_EQ(TEditMaskFormat(L"a_a").EmptyText(), L"_ _") << "'_' stands for a blank literal";
}

struct TConvertCase {
  const wchar_t* Mask;
  const wchar_t* Text;      // set as Text
  const wchar_t* Edit;      // the edited text it gives
  const wchar_t* TextBack;  // Text read back
};

TEST(EditMaskFormatTest, TextAndEditedTextConvert) {
  const TConvertCase cases[] = {
      {L"!90:00;1;_", L"12:30", L"12:30", L"12:30"},
      {L"!90:00;1;_", L" 9:05", L"_9:05", L" 9:05"},
      {L"00:00;0;_", L"1230", L"12:30", L"1230"},
      {L"000-0000;0;_", L"555", L"555-____", L"555"},        // trailing blanks dropped
      {L"!999;0;_", L"42", L"_42", L"42"},                   // "!": the last places are filled
      {L">LL<ll;0;_", L"abCD", L"ABcd", L"ABcd"},            // case from the mask
      {L"<>LL;0;_", L"aB", L"aB", L"aB"},
      {L"00/00;1;_", L"1x/2y", L"1_/2_", L"1 /2 "},          // refused characters become blanks
      {L"#99;0;_", L"-12", L"-12", L"-12"},
      {L"AAA;0;_", L"a1?", L"a1_", L"a1"},
      {L"CCC;0;_", L"a ?", L"a ?", L"a ?"},
  };
  for (const auto& c : cases) {
    const TEditMaskFormat f(c.Mask);
    const String edit = f.EditFromText(c.Text);
    EXPECT_EQ(edit, String(c.Edit)) << Narrow(c.Mask) << " <- " << Narrow(c.Text);
    EXPECT_EQ(f.TextFromEdit(edit), String(c.TextBack)) << Narrow(c.Mask) << " <- " << Narrow(c.Text);
  }
  EXPECT_EQ(FormatMaskText(L"000-0000;0", L"5551234"), L"555-1234");
  EXPECT_EQ(FormatMaskText(L"(000) 000;0", L"12"), L"(12 )    ");
}

TEST(EditMaskFormatTest, FirstMissingIsTheFirstRequiredBlank) {
  const struct {
    const wchar_t* Mask;
    const wchar_t* Edit;
    int Missing;
  } cases[] = {
      {L"!90:00;1;_", L"_9:30", -1}, {L"!90:00;1;_", L"1_:30", 1}, {L"!90:00;1;_", L"12:3_", 4},
      {L"99-99;1;_", L"__-__", -1},  {L"LL;1;_", L"A1", 1},          {L"00;1;_", L"1", 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TEditMaskFormat(c.Mask).FirstMissing(c.Edit), c.Missing) << Narrow(c.Mask) << " " << Narrow(c.Edit);
}

// --- Typing ----------------------------------------------------------------------------
struct TMaskScene {
  THost host{nullptr};
  TMaskEdit* edit;
  TMaskScene() {
    host.SetBounds(40, 40, 240, 80);
    edit = new TMaskEdit(&host);
    edit->SetParent(&host);
    edit->SetBounds(10, 10, 150, 24);
    host.Show();
  }
  // Keys: a character is typed (WM_CHAR); '\b' is Backspace, '\x7f' the Delete
  // key, '\x01' puts the caret at the start, '\x02' moves it one place right.
  void Type(const String& keys) {
    const HWND w = edit->Handle();
    for (const wchar_t k : keys) {
      if (k == L'\x7f') {
        SendMessageW(w, WM_KEYDOWN, VK_DELETE, 0x01530001);
        SendMessageW(w, WM_KEYUP, VK_DELETE, 0xC1530001);
      } else if (k == L'\x01') {
        SendMessageW(w, EM_SETSEL, 0, 0);
      } else if (k == L'\x02') {
        DWORD s = 0;
        SendMessageW(w, EM_GETSEL, reinterpret_cast<WPARAM>(&s), 0);
        SendMessageW(w, EM_SETSEL, s + 1, s + 1);
      } else {
        SendMessageW(w, WM_CHAR, k, 1);
      }
    }
    PumpMessages();
  }
  int Caret() {
    DWORD s = 0;
    SendMessageW(edit->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&s), 0);
    return int(s);
  }
};

struct TTypingCase {
  const wchar_t* Mask;
  const wchar_t* Keys;
  const wchar_t* Edit;
  const wchar_t* Text;
  int Caret;
};

TEST(MaskEditTest, TypingFillsInputPlacesAndStepsOverLiterals) {
  const TTypingCase cases[] = {
      {L"!90:00;1;_", L"1230", L"12:30", L"12:30", 5},
      {L"!90:00;1;_", L"12:30", L"12:30", L"12:30", 5},          // the literal typed where it stands
      {L"!90:00;1;_", L"1x2", L"12:__", L"12:  ", 3},           // a refused key changes nothing
      {L"!90:00;1;_", L"123\b", L"12:__", L"12:  ", 3},          // Backspace over the literal
      {L"!90:00;1;_", L"1230\b\b\b", L"1_:__", L"1 :  ", 1},
      {L"!90:00;1;_", L"1230\x01\x7f", L"_2:30", L" 2:30", 0},   // Delete blanks at the caret
      {L"!90:00;1;_", L"1230\x01\x02\x02" L"5", L"12:50", L"12:50", 4},  // typing over
      {L"(000) 000-0000;0;_", L"5551234567", L"(555) 123-4567", L"5551234567", 14},
      {L"(000) 000-0000;0;_", L"555x12", L"(555) 12_-____", L"55512", 8},
      {L">LLL;0;*", L"abc", L"ABC", L"ABC", 3},
      {L"LL;0;_", L"abc", L"ab", L"ab", 2},                       // full: nothing more goes in
      {L"\\A000;1;_", L"A12", L"A12_", L"A12 ", 3},              // an escaped mask character is a literal
  };
  for (const auto& c : cases) {
    TMaskScene s;
    s.edit->SetEditMask(c.Mask);
    EXPECT_EQ(s.edit->EditText(), TEditMaskFormat(c.Mask).EmptyText()) << "the mask shows before any typing";
    s.Type(c.Keys);
    EXPECT_EQ(s.edit->EditText(), String(c.Edit)) << Narrow(c.Mask) << " keys " << Narrow(c.Keys);
    EXPECT_EQ(s.edit->Text(), String(c.Text)) << Narrow(c.Mask) << " keys " << Narrow(c.Keys);
    EXPECT_EQ(s.Caret(), c.Caret) << Narrow(c.Mask) << " keys " << Narrow(c.Keys);
  }
}

TEST(MaskEditTest, SelectionIsBlankedByTypingAndDelete) {
  TMaskScene s;
  s.edit->SetEditMask(L"000-000;1;_");
  s.Type(L"123456");
  SendMessageW(s.edit->Handle(), EM_SETSEL, 1, 5);
  s.Type(L"9");
  EXPECT_EQ(s.edit->EditText(), L"19_-_56");
  SendMessageW(s.edit->Handle(), EM_SETSEL, 0, 7);
  s.Type(L"\x7f");
  EXPECT_EQ(s.edit->EditText(), L"___-___");
  EXPECT_EQ(s.edit->Text(), L"   -   ");
}

TEST(MaskEditTest, TextSetFromCodeReadOnlyAndMaskChanges) {
  TMaskScene s;
  s.edit->SetEditMask(L"00:00;0;_");
  s.edit->SetText(L"0915");
  EXPECT_EQ(s.edit->EditText(), L"09:15");
  wchar_t shown[16] = {};
  GetWindowTextW(s.edit->Handle(), shown, 16);
  EXPECT_STREQ(shown, L"09:15");
  s.edit->SetReadOnly(true);
  s.Type(L"\x01" L"7\b\x7f");
  EXPECT_EQ(s.edit->EditText(), L"09:15") << "a read-only edit takes no keys";
  s.edit->SetReadOnly(false);
  s.edit->SetEditMask(L"00.00.00;0;_");
  EXPECT_EQ(s.edit->EditText(), L"09.15.__") << "the text goes over to a new mask";
  s.edit->SetEditMask(L"");
  EXPECT_EQ(s.edit->Text(), L"0915") << "without a mask, a plain edit";
  s.Type(L"\x01x");
  EXPECT_EQ(s.edit->Text(), L"x0915");
  s.edit->Clear();
  EXPECT_EQ(s.edit->Text(), L"");
  s.edit->SetEditMask(L"99;1;_");
  s.edit->Clear();
  EXPECT_EQ(s.edit->EditText(), L"__");
}

TEST(MaskEditTest, TheMaskAndTextSurviveANewWindow) {
  TMaskScene s;
  s.edit->SetEditMask(L"000-000;1;_");
  s.Type(L"12");
  s.edit->SetPasswordChar(L'*');
  s.edit->SetBorderStyle(bsNone);  // makes the window again
  EXPECT_EQ(s.edit->EditText(), L"12_-___");
  s.Type(L"\x01\x02\x02" L"3");
  EXPECT_EQ(s.edit->EditText(), L"123-___");
  EXPECT_EQ(SendMessageW(s.edit->Handle(), EM_GETLIMITTEXT, 0, 0), 7);
}

// --- Validation ------------------------------------------------------------------------
TEST(MaskEditTest, ValidateEditRaisesOnlyForAnIncompleteChange) {
  TMaskScene s;
  s.edit->SetEditMask(L"!90:00;1;_");
  EXPECT_NO_THROW(s.edit->ValidateEdit()) << "an untouched edit passes";
  s.Type(L"12");
  try {
    s.edit->ValidateEdit();
    ADD_FAILURE() << "no error for a missing place";
  } catch (const EDBEditError& e) {
    EXPECT_EQ(e.Message(), L"Invalid input value.  Use escape key to abandon changes");
  }
  EXPECT_EQ(s.Caret(), 3) << "the caret goes to the first missing place";
  s.Type(L"\x01\x02\x02\x02" L"45");
  EXPECT_NO_THROW(s.edit->ValidateEdit());
  EXPECT_EQ(s.edit->Text(), L"12:45");
}

}  // namespace
