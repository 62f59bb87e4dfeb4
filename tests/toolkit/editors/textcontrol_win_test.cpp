// The text editor with its EDIT on a real form: which keys reach the EDIT
// and which the editor (real keys), the length limit on every path that puts
// text in, the clipboard, WM_GETTEXT into a short buffer, the item index's
// events, quiet validation when a modal form closes, and the unfocused
// painting of right-aligned and password text into a memory DC.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "FormText.h"
#include "Streams.h"
#include "support/RealKeys.h"
#include "support/WindowCapture.h"
#include "cxDWMApi.h"
#include "cxTextEdit_control_win.h"
#include "textedit_test_support.h"

using test_support::THostForm;

namespace {

class TTextControlUnits : public edit_test::TTextEditUnits {
 public:
  void SetUp() override {
    edit_test::TTextEditUnits::SetUp();
    RegisterClasses({THostForm::StaticClass()});
  }
};
const auto* const GEnvironment = testing::AddGlobalTestEnvironment(new TTextControlUnits);

struct TKeyLog : TObject {
  std::vector<uint16_t> Downs, Ups, After;
  std::vector<wchar_t> Presses;
  int Changes = 0, Clicks = 0, Validations = 0;
  bool Refuse = false;
  void KeyDown(TObject*, uint16_t& Key, TShiftState) { Downs.push_back(Key); }
  void KeyUp(TObject*, uint16_t& Key, TShiftState) { Ups.push_back(Key); }
  void KeyPress(TObject*, wchar_t& Key) { Presses.push_back(Key); }
  void AfterKeyDown(TObject*, uint16_t& Key, TShiftState) { After.push_back(Key); }
  void Change(TObject*) { ++Changes; }
  void Click(TObject*) { ++Clicks; }
  void Validate(TObject*, Variant&, String& AErrorText, bool& AError) {
    ++Validations;
    if (!Refuse) return;
    AError = true;
    AErrorText = L"refused";
  }
};

// An editor that takes Tab itself, as a hosted one does.
class TTabTakingEdit : public TcxTextEdit {
  VAMIRE_CLASS(TTabTakingEdit, TcxTextEdit)
 public:
  using TcxTextEdit::TcxTextEdit;
  bool TakesTabKey() override { return true; }
};

// An editor over a fixed item list standing in for the lookup data: the
// item index's rules are the editor's own.
class TItemsEdit : public TcxTextEdit {
  VAMIRE_CLASS(TItemsEdit, TcxTextEdit)
 public:
  using TcxTextEdit::TcxTextEdit;
  std::vector<String> Items{L"Apple", L"apricot", L"Banana"};
  Variant Key = Variant::Null();
  Variant ReadLookupKey() override { return Key; }
  void WriteLookupKey(const Variant& AKey) override { Key = AKey; }
  bool GetLookupKeyText(const Variant& AKey, String& AText) override {
    if (AKey.IsNull() || AKey.IsEmpty()) return false;
    const int i = AKey.AsInteger();
    if (i < 0 || i >= int(Items.size())) return false;
    AText = Items[size_t(i)];
    return true;
  }
};

// A number kind: its value is the number the text reads as.
class TCountProperties : public TcxTextEditProperties {
  VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(TCountProperties, TcxTextEditProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TCountProperties(TPersistent* AOwner) : TcxTextEditProperties(AOwner, StaticClass()) {}
  bool IsEditValueNumeric() override { return true; }
};

class TCountEdit : public TcxTextEdit {
  VAMIRE_CLASS(TCountEdit, TcxTextEdit)
 public:
  explicit TCountEdit(TComponent* AOwner) : TcxTextEdit(AOwner, TCountProperties::StaticClass()) {}
  void DisplayToEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool) override {
    AEditValue = Variant(int(wcstol(VarToStr(ADisplayValue).c_str(), nullptr, 10)));
  }
};

// A fixed list, as a combo box's: only an item's text is a valid text.
class TFixedListProperties : public TcxTextEditProperties {
  VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(TFixedListProperties, TcxTextEditProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TFixedListProperties(TPersistent* AOwner) : TcxTextEditProperties(AOwner, StaticClass()) {}
  TcxTextEditingStyle GetEditingStyle() override { return tesCompleteFromList; }
};

class TFixedListEdit : public TcxTextEdit {
  VAMIRE_CLASS(TFixedListEdit, TcxTextEdit)
 public:
  explicit TFixedListEdit(TComponent* AOwner) : TcxTextEdit(AOwner, TFixedListProperties::StaticClass()) {}
};

void SetClipboardText(const String& AText) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (AText.size() + 1) * sizeof(wchar_t));
  auto* p = static_cast<wchar_t*>(GlobalLock(data));
  std::copy(AText.begin(), AText.end(), p);
  p[AText.size()] = 0;
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
}

HWND InnerWindow(TcxCustomTextEdit* AEdit) { return AEdit->GetInnerTextEdit()->InnerWindowControl()->Handle(); }

class TTextControlFixture : public testing::Test {
 protected:
  void SetUp() override { Form = test_support::MakeForm(420, 260); }
  void TearDown() override { delete Form; }
  template <class E = TcxTextEdit>
  E* NewEdit(const wchar_t* AText, int ATop = 10) {
    auto* edit = new E(Form);
    edit->SetParent(Form);
    edit->SetBounds(10, ATop, 160, 21);
    edit->SetText(AText);
    return edit;
  }
  void ShowAndFocus(TcxCustomTextEdit* AEdit) {
    Form->Show();
    SetForegroundWindow(Form->Handle());
    AEdit->SetFocus();
    test_support::PumpFor(50);
    ASSERT_TRUE(AEdit->Focused());
  }
  THostForm* Form = nullptr;
  TKeyLog Log;
};

// --- Routing ----------------------------------------------------------------------------------
TEST_F(TTextControlFixture, TabReachesOnlyTheEditorsKeyDown) {
  auto* edit = NewEdit<TTabTakingEdit>(L"abc");
  edit->OnKeyDown = TKeyEvent(&Log, &TKeyLog::KeyDown);
  edit->OnKeyUp = TKeyEvent(&Log, &TKeyLog::KeyUp);
  edit->OnKeyPress = TKeyPressEvent(&Log, &TKeyLog::KeyPress);
  ShowAndFocus(edit);
  edit->SetSelStart(3);
  test_support::Type({VK_TAB});
  EXPECT_EQ(Log.Downs, std::vector<uint16_t>{VK_TAB});
  EXPECT_TRUE(Log.Presses.empty());
  EXPECT_TRUE(Log.Ups.empty());
  EXPECT_EQ(edit->Text(), L"abc");
  EXPECT_TRUE(edit->Focused());
}

// A key the EDIT ignores goes on to the editor's after-key-down; one that
// moved the caret or changed the text does not.
TEST_F(TTextControlFixture, OnlyKeysTheEditIgnoresReachAfterKeyDown) {
  auto* edit = NewEdit(L"abc");
  edit->OnAfterKeyDown = TKeyEvent(&Log, &TKeyLog::AfterKeyDown);
  ShowAndFocus(edit);
  edit->SetSelStart(3);
  test_support::Type({VK_RIGHT});
  EXPECT_EQ(Log.After, std::vector<uint16_t>{VK_RIGHT});
  test_support::Type({VK_LEFT});
  EXPECT_EQ(Log.After.size(), 1u);
  EXPECT_EQ(edit->SelStart(), 2);
  test_support::Type({VK_HOME});
  test_support::Type({VK_LEFT});
  EXPECT_EQ(Log.After, (std::vector<uint16_t>{VK_RIGHT, VK_LEFT}));
  test_support::Type({VK_DELETE});
  EXPECT_EQ(Log.After.size(), 2u);
  EXPECT_EQ(edit->Text(), L"bc");
}

// Without BeepOnEnter the editor eats Enter's character before the EDIT
// (which would beep on it); with it the EDIT gets the character.
TEST_F(TTextControlFixture, EnterReachesTheEditOnlyWithBeepOnEnter) {
  for (const bool beep : {false, true}) {
    auto* edit = NewEdit(L"abc");
    edit->SetBeepOnEnter(beep);
    edit->OnKeyPress = TKeyPressEvent(&Log, &TKeyLog::KeyPress);
    Log.Presses.clear();
    ShowAndFocus(edit);
    // Read between the character and the key's release, which starts afresh.
    INPUT key[2] = {};
    key[0].type = key[1].type = INPUT_KEYBOARD;
    key[0].ki.wVk = key[1].ki.wVk = VK_RETURN;
    key[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &key[0], sizeof(INPUT));
    test_support::PumpFor(60);
    EXPECT_EQ(Log.Presses, std::vector<wchar_t>{L'\r'}) << beep;
    EXPECT_EQ(edit->GetInnerTextEdit()->ReadKeyEatenByEditor(), !beep) << beep;
    SendInput(1, &key[1], sizeof(INPUT));
    test_support::PumpFor(30);
    EXPECT_EQ(edit->Text(), L"abc");
    delete edit;
  }
}

TEST_F(TTextControlFixture, ClearChangesNothingWhenReadOnly) {
  for (const bool readOnly : {true, false}) {
    auto* edit = NewEdit(L"abcdef");
    edit->Properties()->SetReadOnly(readOnly);
    ShowAndFocus(edit);
    edit->SetSelection(1, 3);
    SendMessageW(InnerWindow(edit), WM_CLEAR, 0, 0);
    EXPECT_EQ(edit->Text(), readOnly ? L"abcdef" : L"aef") << readOnly;
    delete edit;
  }
}

// The selection read through the inner edit's interface stays where it was
// until the input-method character has come through as WM_CHAR.
TEST_F(TTextControlFixture, SelectionHoldsWhileAnInputMethodCharacterIsPending) {
  auto* edit = NewEdit(L"abc");
  ShowAndFocus(edit);
  edit->SetSelection(1, 1);
  IcxInnerTextEdit* inner = edit->GetInnerTextEdit();
  SendMessageW(InnerWindow(edit), WM_IME_CHAR, 0x4E2D, 1);
  EXPECT_EQ(inner->ReadSelStart(), 1);
  EXPECT_EQ(inner->ReadSelLength(), 1);
  inner->WriteSelStart(0);  // diverted to the saved selection meanwhile
  EXPECT_EQ(inner->ReadSelStart(), 0);
  test_support::PumpFor(30);
  EXPECT_EQ(edit->Text(), L"a\x4E2D" L"c");
  EXPECT_EQ(inner->ReadSelStart(), 2);
  EXPECT_EQ(inner->ReadSelLength(), 0);
}

// --- Length limit -------------------------------------------------------------------------------
struct TLimitCase {
  const wchar_t* Name;
  const wchar_t* Start;
  int SelStart, SelLength;
  bool Focused;
  bool Paste;  // else SelText
  const wchar_t* Inserted;
  const wchar_t* Expected;
};

TEST_F(TTextControlFixture, MaxLengthCutsWhatAUserInsertsToTheRoomLeft) {
  const TLimitCase cases[] = {
      {L"paste at the end", L"abcd", 4, 0, true, true, L"xyz", L"abcdx"},
      {L"paste in the middle keeps the end", L"abcd", 1, 0, true, true, L"xyz", L"axbcd"},
      {L"paste over a selection", L"abcde", 1, 2, true, true, L"xyz", L"axyde"},
      {L"focused SelText into a full text", L"abcde", 2, 0, true, false, L"x", L"abcde"},
      {L"unfocused SelText is code's", L"abcde", 2, 0, false, false, L"x", L"abxcde"},
      {L"unfocused paste is code's", L"abcd", 4, 0, false, true, L"xyz", L"abcdxyz"},
      {L"five Chinese characters fit", L"", 0, 0, true, true, L"\x4E2D\x6587\x5B57\x7B26\x4E32", L"\x4E2D\x6587\x5B57\x7B26\x4E32"},
      {L"the sixth does not", L"", 0, 0, true, true, L"\x4E2D\x6587\x5B57\x7B26\x4E32\x6D4B", L"\x4E2D\x6587\x5B57\x7B26\x4E32"},
      {L"no half of a surrogate pair", L"abcd", 4, 0, true, true, L"\xD83D\xDE00", L"abcd"},
      {L"a pair that fits", L"abc", 3, 0, true, true, L"\xD83D\xDE00" L"z", L"abc\xD83D\xDE00"},
  };
  for (const TLimitCase& c : cases) {
    auto* edit = NewEdit(c.Start);
    auto* other = NewEdit(L"", 60);
    edit->Properties()->SetMaxLength(5);
    ShowAndFocus(c.Focused ? edit : other);
    edit->SetSelection(c.SelStart, c.SelLength);
    if (c.Paste) {
      SetClipboardText(c.Inserted);
      edit->PasteFromClipboard();
    } else {
      edit->SetSelText(c.Inserted);
    }
    test_support::Pump();
    EXPECT_EQ(edit->Text(), String(c.Expected)) << std::wstring(c.Name);
    delete edit;
    delete other;
  }
}

TEST_F(TTextControlFixture, AFullTextRefusesTyping) {
  auto* edit = NewEdit(L"abcde");
  edit->Properties()->SetMaxLength(5);
  ShowAndFocus(edit);
  edit->SetSelStart(5);
  test_support::Type({'Z'});
  EXPECT_EQ(edit->Text(), L"abcde");
  test_support::Type({VK_BACK});
  test_support::Type({'Z'});
  EXPECT_EQ(edit->Text(), L"abcdz");
}

TEST_F(TTextControlFixture, TypedTextBecomesTheValueOnLeaving) {
  auto* edit = NewEdit(L"");
  auto* other = NewEdit(L"", 60);
  edit->Properties()->OnChange = TNotifyEvent(&Log, &TKeyLog::Change);
  edit->Properties()->OnValidate = TcxEditValidateEvent(&Log, &TKeyLog::Validate);
  ShowAndFocus(edit);
  test_support::Type({'4'});
  test_support::Type({'2'});
  EXPECT_EQ(edit->Text(), L"42");
  EXPECT_EQ(Log.Changes, 2);
  EXPECT_TRUE(edit->EditModified());
  other->SetFocus();
  test_support::PumpFor(30);
  EXPECT_EQ(Log.Validations, 1);
  EXPECT_EQ(VarToStr(edit->EditValue()), L"42");
}

TEST_F(TTextControlFixture, CutAndCopyGoThroughTheClipboard) {
  auto* edit = NewEdit(L"abcdef");
  ShowAndFocus(edit);
  edit->SetSelection(2, 2);
  edit->CutToClipboard();
  EXPECT_EQ(edit->Text(), L"abef");
  edit->SetSelStart(0);
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->Text(), L"cdabef");
  edit->SetSelection(0, 1);
  SetClipboardText(L"");
  edit->CopyToClipboard();
  edit->SetSelStart(6);
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->Text(), L"cdabefc");
}

// --- WM_GETTEXT ---------------------------------------------------------------------------------
TEST_F(TTextControlFixture, GetTextIntoAShortBufferCopiesWhatFitsWholeCharacters) {
  struct TCase {
    const wchar_t* Text;
    int Buffer;
    LRESULT Copied;
    const wchar_t* Expected;
  };
  const TCase cases[] = {
      {L"abcdef", 4, 3, L"abc"},
      {L"abcdef", 1, 0, L""},
      {L"ab\xD83D\xDE00", 4, 2, L"ab"},
      {L"\x4E2D\x6587\x5B57\x7B26", 4, 3, L"\x4E2D\x6587\x5B57"},
      {L"ab", 10, 2, L"ab"},
  };
  auto* edit = NewEdit(L"");
  for (const TCase& c : cases) {
    edit->SetText(c.Text);
    wchar_t buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    EXPECT_EQ(SendMessageW(edit->Handle(), WM_GETTEXT, WPARAM(c.Buffer), reinterpret_cast<LPARAM>(buffer)), c.Copied);
    EXPECT_EQ(String(buffer), String(c.Expected));
  }
  EXPECT_EQ(SendMessageW(edit->Handle(), WM_GETTEXT, 0, 0), 0);
}

// --- Item index ---------------------------------------------------------------------------------
TEST_F(TTextControlFixture, SetItemIndexFiresOnlyForANewIndex) {
  auto* edit = NewEdit<TItemsEdit>(L"");
  Form->Show();
  edit->Properties()->OnChange = TNotifyEvent(&Log, &TKeyLog::Change);
  edit->OnClick = TNotifyEvent(&Log, &TKeyLog::Click);
  edit->SetItemIndex(1);
  EXPECT_EQ(edit->Text(), L"apricot");
  EXPECT_EQ(edit->ItemIndex(), 1);
  EXPECT_EQ(Log.Changes, 1);
  EXPECT_EQ(Log.Clicks, 1);
  edit->SetItemIndex(1);
  EXPECT_EQ(Log.Changes, 1);
  EXPECT_EQ(Log.Clicks, 1);
  edit->SetItemIndex(2);
  EXPECT_EQ(edit->Text(), L"Banana");
  EXPECT_EQ(Log.Changes, 2);
  EXPECT_EQ(Log.Clicks, 2);
  edit->SetItemIndex(-1);
  EXPECT_EQ(edit->ItemIndex(), -1);
  EXPECT_EQ(Log.Clicks, 3);
}

// The same over the text properties' own lookup items.
TEST_F(TTextControlFixture, SetItemIndexOverTheLookupItems) {
  auto* edit = NewEdit(L"");
  for (const wchar_t* item : {L"Apple", L"apricot", L"Banana", L"Apple"}) edit->Properties()->LookupItems()->Add(item);
  Form->Show();
  edit->Properties()->OnChange = TNotifyEvent(&Log, &TKeyLog::Change);
  edit->OnClick = TNotifyEvent(&Log, &TKeyLog::Click);
  edit->SetItemIndex(2);
  EXPECT_EQ(edit->Text(), L"Banana");
  EXPECT_EQ(edit->ItemIndex(), 2);
  EXPECT_EQ(Log.Changes, 1);
  EXPECT_EQ(Log.Clicks, 1);
  edit->SetItemIndex(2);
  EXPECT_EQ(Log.Changes, 1);
  EXPECT_EQ(Log.Clicks, 1);
  edit->SetItemIndex(3);  // the second Apple, once chosen, reads as itself
  EXPECT_EQ(edit->Text(), L"Apple");
  EXPECT_EQ(edit->ItemIndex(), 3);
  EXPECT_EQ(Log.Changes, 2);
  EXPECT_EQ(Log.Clicks, 2);
}

// A list-style editor never takes a text that is not an item, from code,
// a paste or the clipboard path alike; an item's text it takes.
TEST_F(TTextControlFixture, AListStyleEditorKeepsOnlyItemTexts) {
  auto* edit = new TFixedListEdit(Form);
  edit->SetParent(Form);
  edit->SetBounds(10, 10, 160, 21);
  for (const wchar_t* item : {L"Apple", L"apricot", L"Banana"}) edit->Properties()->LookupItems()->Add(item);
  ShowAndFocus(edit);
  edit->SetText(L"Pear");
  EXPECT_EQ(edit->Text(), L"");
  edit->SetText(L"Banana");
  EXPECT_EQ(edit->Text(), L"Banana");
  SetClipboardText(L"Pear");
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->Text(), L"Banana");
  edit->SetSelText(L"Pear");
  EXPECT_EQ(edit->Text(), L"Banana");
  SetClipboardText(L"Apple");
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->Text(), L"Apple");
}

// --- Modal forms --------------------------------------------------------------------------------
struct TModalScript : TObject {
  TcxTextEdit* Edit = nullptr;
  TCustomForm* Dialog = nullptr;
  TModalResult Result = mrOk;
  void Run(TObject*) {
    SetForegroundWindow(Dialog->Handle());
    Edit->SetFocus();
    test_support::PumpFor(50);
    test_support::Type({'7'});
    Dialog->SetModalResult(Result);
  }
};

// Closing a dialog with OK takes the typed text as the value without a
// message, and a refused text raises nothing either; Cancel leaves it unvalidated.
TEST_F(TTextControlFixture, ClosingAModalDialogValidatesQuietly) {
  struct TCase {
    TModalResult Result;
    bool Refuse;
    int Validations;
    const wchar_t* Value;
  };
  const TCase cases[] = {{mrOk, false, 1, L"7"}, {mrCancel, false, 0, L""}, {mrOk, true, 1, L""}};
  for (const TCase& c : cases) {
    THostForm* dialog = test_support::MakeForm(300, 120);
    auto* edit = new TcxTextEdit(dialog);
    edit->SetParent(dialog);
    edit->SetBounds(10, 10, 120, 21);
    TKeyLog log;
    log.Refuse = c.Refuse;
    edit->Properties()->OnValidate = TcxEditValidateEvent(&log, &TKeyLog::Validate);
    TModalScript script;
    script.Edit = edit;
    script.Dialog = dialog;
    script.Result = c.Result;
    dialog->OnShow = TNotifyEvent(&script, &TModalScript::Run);
    TModalResult result = mrNone;
    EXPECT_NO_THROW(result = dialog->ShowModal());
    EXPECT_EQ(result, c.Result);
    EXPECT_EQ(edit->Text(), L"7");
    EXPECT_EQ(log.Validations, c.Validations) << int(c.Result) << c.Refuse;
    EXPECT_EQ(VarToStr(edit->EditValue()), String(c.Value)) << int(c.Result) << c.Refuse;
    delete dialog;
  }
}

TEST_F(TTextControlFixture, BoundsStayWhileLockedAndAPasswordShowsStarsWithoutThemes) {
  auto* edit = NewEdit(L"secret");
  IcxInnerTextEdit* inner = edit->GetInnerTextEdit();
  TWinControl* control = inner->InnerWindowControl();
  const TRect before = control->BoundsRect();
  inner->LockBoundsChange(true);
  control->SetBounds(0, 0, 10, 10);
  EXPECT_EQ(control->BoundsRect(), before);
  inner->LockBoundsChange(false);
  inner->LockBoundsChange(false);  // never below zero
  control->SetBounds(1, 1, 50, 12);
  EXPECT_EQ(control->Width(), 50);
  edit->Properties()->SetEchoMode(eemPassword);
  Form->Show();
  test_support::Pump();
  EXPECT_EQ(SendMessageW(InnerWindow(edit), EM_GETPASSWORDCHAR, 0, 0), LRESULT(L'*'));
  EXPECT_EQ(edit->Text(), L"secret");
}

// --- Painting -------------------------------------------------------------------------------------
// The inner edit painted into a memory DC; the expected picture is the same
// text drawn with TextOut at the place the alignment gives.
struct TMemoryDc {
  TMemoryDc(int AWidth, int AHeight) : Width(AWidth), Height(AHeight), Dc(CreateCompatibleDC(nullptr)) {
    void* bits = nullptr;
    Bitmap = vamire_test::CreateTopDownDib(Dc, AWidth, AHeight, &bits);
    Old = SelectObject(Dc, Bitmap);
    RECT r{0, 0, AWidth, AHeight};
    FillRect(Dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  ~TMemoryDc() {
    SelectObject(Dc, Old);
    DeleteObject(Bitmap);
    DeleteDC(Dc);
  }
  vamire_test::Capture Take() const { return vamire_test::CaptureDC(Dc, 0, 0, Width, Height); }
  int Width, Height;
  HDC Dc;
  HBITMAP Bitmap;
  HGDIOBJ Old;
};

TEST_F(TTextControlFixture, UnfocusedRightAlignedAndPasswordTextPaintWhereTheAlignmentPutsThem) {
  struct TCase {
    const wchar_t* Name;
    TAlignment Alignment;
    bool Password;
    const wchar_t* Text;
    const wchar_t* Shown;
  };
  const TCase cases[] = {
      {L"right", taRightJustify, false, L"1234", L"1234"},
      {L"centre", taCenter, false, L"1234", L"1234"},
      {L"password right", taRightJustify, true, L"abcd", L"****"},
  };
  auto* other = NewEdit(L"", 100);
  Form->Show();
  other->SetFocus();
  test_support::PumpFor(30);
  int top = 10;
  for (const TCase& c : cases) {
    auto* edit = NewEdit(L"", top);
    top += 30;
    edit->Properties()->Alignment()->SetHorz(c.Alignment);
    if (c.Password) edit->Properties()->SetEchoMode(eemPassword);
    edit->SetText(c.Text);
    test_support::PumpFor(20);
    TWinControl* inner = edit->GetInnerTextEdit()->InnerWindowControl();
    const TRect client = inner->ClientRect();
    const int w = client.Right - client.Left, h = client.Bottom - client.Top;
    TMemoryDc actual(w, h), expected(w, h);
    SendMessageW(inner->Handle(), WM_PAINT, WPARAM(actual.Dc), 0);
    const DWORD margins = DWORD(SendMessageW(inner->Handle(), EM_GETMARGINS, 0, 0));
    HGDIOBJ oldFont = SelectObject(expected.Dc, inner->Font()->Handle());
    SIZE size{};
    const String shown = c.Shown;
    GetTextExtentPoint32W(expected.Dc, shown.c_str(), int(shown.size()), &size);
    const int left = LOWORD(margins), right = HIWORD(margins);
    const int x = c.Alignment == taRightJustify ? left + w - size.cx - right : left + (w - right - left - size.cx) / 2;
    SetBkColor(expected.Dc, ColorToRGB(inner->Color()));
    SetTextColor(expected.Dc, ColorToRGB(inner->Font()->Color()));
    RECT r{0, 0, w, h};
    ExtTextOutW(expected.Dc, x, 0, ETO_OPAQUE | ETO_CLIPPED, &r, shown.c_str(), UINT(shown.size()), nullptr);
    SelectObject(expected.Dc, oldFont);
    const vamire_test::Capture a = actual.Take(), e = expected.Take();
    EXPECT_EQ(a.Pixels, e.Pixels) << std::wstring(c.Name);
    EXPECT_GT(a.CountNot(ColorToRGB(inner->Color()) & 0xFFFFFF), 10u) << std::wstring(c.Name);
    a.SavePng(String(L"textedit_unfocused_") + (c.Password ? L"password" : c.Name) + L".png");
  }
  // Focused, the text is edited left-aligned by the EDIT itself.
  vamire_test::CaptureWindow(Form->Handle()).SavePng(L"textedit_unfocused_form.png");
}

// Under composition the EDIT repaints through a buffer once after it has
// coloured itself; without composition it never does.
TEST_F(TTextControlFixture, TheBufferedRepaintIsPostedOnlyUnderComposition) {
  struct TFakeDwm {
    static HRESULT WINAPI On(BOOL* AEnabled) {
      *AEnabled = TRUE;
      return S_OK;
    }
  };
  for (const bool composition : {false, true}) {
    TcxDwmApi fake;
    fake.Loaded = true;
    fake.DwmIsCompositionEnabled = composition ? &TFakeDwm::On : nullptr;
    const TcxDwmApi saved = SetDwmApi(fake);
    auto* edit = NewEdit(L"abc");
    Form->Show();
    test_support::PumpFor(20);
    RefreshViewStateAtCursor(edit, false);
    HWND inner = InnerWindow(edit);
    const bool buffered = edit->RepaintThroughBuffer();
    MSG m;
    while (PeekMessageW(&m, inner, CXM_BUFFEREDREPAINT, CXM_BUFFEREDREPAINT, PM_REMOVE)) {
    }
    SendMessageW(edit->Handle(), WM_CTLCOLOREDIT, WPARAM(GetDC(inner)), reinterpret_cast<LPARAM>(inner));
    SendMessageW(edit->Handle(), WM_CTLCOLOREDIT, WPARAM(GetDC(inner)), reinterpret_cast<LPARAM>(inner));
    int posted = 0;
    while (PeekMessageW(&m, inner, CXM_BUFFEREDREPAINT, CXM_BUFFEREDREPAINT, PM_REMOVE)) ++posted;
    SetDwmApi(saved);
    EXPECT_EQ(posted, buffered ? 1 : 0) << composition;
    if (!composition) {
      EXPECT_FALSE(buffered);
    }
    delete edit;
  }
}

// The text properties check a number against the bounds in force before
// OnValidate runs; OnValidate still sees the refused text.
TEST_F(TTextControlFixture, ANumberOutsideTheBoundsIsRefusedBeforeOnValidate) {
  auto* edit = new TCountEdit(Form);
  edit->SetParent(Form);
  edit->Properties()->SetMaxValue(10);
  edit->Properties()->OnValidate = TcxEditValidateEvent(&Log, &TKeyLog::Validate);
  ShowAndFocus(edit);
  struct TCase {
    const wchar_t* Typed;
    bool Accepted;
  };
  for (const TCase& c : {TCase{L"42", false}, TCase{L"7", true}}) {
    edit->SetSelection(0, int(edit->Text().size()));
    edit->SetSelText(c.Typed);
    const int before = Log.Validations;
    bool raised = false;
    try {
      edit->ValidateEdit(true);
    } catch (const EcxEditValidationError& e) {
      raised = true;
      EXPECT_EQ(e.Message(), L"Value out of bounds");
    }
    EXPECT_EQ(raised, !c.Accepted) << std::wstring(c.Typed);
    EXPECT_EQ(Log.Validations, before + 1);
    if (c.Accepted) {
      EXPECT_EQ(edit->EditValue().AsInteger(), 7);
    }
  }
}

// A form keeps what the console's forms set of a text editor and reads it back.
TEST_F(TTextControlFixture, AFormKeepsTheTextWidthAndMaxLength) {
  auto* edit = new TcxTextEdit(Form);
  edit->SetName(L"Edit1");
  edit->SetParent(Form);
  edit->SetBounds(24, 16, 105, 21);
  edit->SetTabOrder(0);
  edit->Properties()->SetMaxLength(5);
  edit->SetText(L"1");
  TMemoryStream out;
  WriteComponentToStream(&out, Form);
  const String text = FormBinaryToText(std::string(static_cast<const char*>(out.Memory()), size_t(out.Size())));
  EXPECT_NE(text.find(L"object Edit1: TcxTextEdit"), String::npos) << UTF8Encode(text);
  EXPECT_NE(text.find(L"Text = '1'"), String::npos) << UTF8Encode(text);
  EXPECT_NE(text.find(L"Properties.MaxLength = 5"), String::npos) << UTF8Encode(text);

  THostForm* other = test_support::MakeForm(420, 260);
  TStringStream in(FormTextToBinary(text));
  try {
    ReadComponentFromStream(&in, other);
  } catch (const Exception& e) {
    delete other;
    FAIL() << UTF8Encode(e.ClassName() + L": " + e.Message());
  }
  auto* read = dynamic_cast<TcxTextEdit*>(other->FindComponent(L"Edit1"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Text(), L"1");
  EXPECT_EQ(VarToStr(read->EditValue()), L"1");
  EXPECT_EQ(read->Properties()->MaxLength(), 5);
  EXPECT_EQ(read->Width(), 105);
  EXPECT_EQ(read->Left(), 24);
  delete other;
}

// --- Small rules ------------------------------------------------------------------------------------
TEST_F(TTextControlFixture, TheDefaultSizeIsOneHundredTwentyOneByTwentyOne) {
  auto* edit = new TcxTextEdit(Form);
  EXPECT_EQ(edit->Width(), 121);
  EXPECT_EQ(edit->Height(), 21);
  EXPECT_EQ(CaretCharIndex(edit->GetInnerTextEdit()->InnerWindowControl()), 0);
  EXPECT_EQ(CaretCharIndex(Form), 0);
}

TEST_F(TTextControlFixture, ACodeWrittenValueShowsAndNeverRaises) {
  auto* edit = NewEdit(L"");
  edit->SetEditValue(Variant(42));
  EXPECT_EQ(edit->Text(), L"42");
  edit->SetEditValue(Variant::Null());
  EXPECT_EQ(edit->Text(), L"");
  edit->SetEditValue(Variant(L"x"));
  EXPECT_NO_THROW(edit->SetEditValue(VarArrayOf({Variant(1), Variant(2)})));
  EXPECT_EQ(edit->Text(), L"") << "a value with no text shows as none";
  edit->SetText(L"typed");
  EXPECT_EQ(VarToStr(edit->EditValue()), L"typed");
}

}  // namespace
