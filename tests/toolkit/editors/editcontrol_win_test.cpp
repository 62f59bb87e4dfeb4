// The editor control on a real form: auto-size with its anchors and Align,
// hosted editors, keys through the application's message loop with the
// keyboard state set (Esc, Enter, Ctrl+Enter, the clear key), validation on
// leaving with OnValidate, change events and their lock, a repository item of
// the wrong kind, the wheel cursor, and a form round trip with anchors.
#include <gtest/gtest.h>

#include <memory>

#include "FormText.h"
#include "Menus.h"
#include "Streams.h"
#include "editcontrol_test_support.h"

using namespace editcontrol_test;
using test_support::THostForm;

namespace {

class TEditControlUnits : public edit_test::TEditUnits {
 public:
  void SetUp() override {
    edit_test::TEditUnits::SetUp();
    EditControlTestStreamed::Register();
    RegisterClasses({THostForm::StaticClass()});
  }
  void TearDown() override {
    EditControlTestStreamed::Unregister();
    edit_test::TEditUnits::TearDown();
  }
};
const auto* const GEnvironment = testing::AddGlobalTestEnvironment(new TEditControlUnits);

void SetModifiers(bool ACtrl, bool AShift = false) {
  BYTE state[256] = {};
  if (ACtrl) state[VK_CONTROL] = state[VK_LCONTROL] = 0x80;
  if (AShift) state[VK_SHIFT] = state[VK_LSHIFT] = 0x80;
  SetKeyboardState(state);
}

// A key pressed on the focused window, through the loop that turns it into
// characters and dialog keys.
void PressKey(HWND AWindow, WORD AKey, bool ACtrl = false) {
  SetModifiers(ACtrl);
  PostMessageW(AWindow, WM_KEYDOWN, AKey, 1);
  Application->ProcessMessages();
  PostMessageW(AWindow, WM_KEYUP, AKey, LPARAM(0xC0000001));
  Application->ProcessMessages();
  SetModifiers(false);
}

void TypeText(HWND AWindow, const wchar_t* AText) {
  for (const wchar_t* c = AText; *c; ++c) PostMessageW(AWindow, WM_CHAR, *c, 1);
  Application->ProcessMessages();
}

class TEditFixture : public testing::Test {
 protected:
  void SetUp() override {
    Form = test_support::MakeForm(420, 300);
    Application->OnException = TExceptionEvent(&Log, &TEditLog::Exception);
  }
  void TearDown() override {
    Application->OnException = TExceptionEvent();
    delete Form;
    SetModifiers(false);
  }
  TTestEdit* NewEdit(int ALeft, int ATop, const wchar_t* AValue = L"") {
    auto* edit = new TTestEdit(Form);
    edit->HorzAnchor = false;
    edit->SetAutoSize(false);
    edit->SetBounds(ALeft, ATop, 120, 21);
    edit->SetParent(Form);
    edit->SetEditValue(Variant(AValue));
    return edit;
  }
  // The form shown with a Cancel and a Default button, the editor focused.
  TTestEdit* FocusedEditOnDialog() {
    Cancel = new TButton(Form);
    Cancel->SetParent(Form);
    Cancel->SetBounds(200, 250, 80, 25);
    Cancel->SetCancel(true);
    Cancel->OnClick = TNotifyEvent(&CancelLog, &TEditLog::Click);
    Ok = new TButton(Form);
    Ok->SetParent(Form);
    Ok->SetBounds(100, 250, 80, 25);
    Ok->SetDefault(true);
    Ok->OnClick = TNotifyEvent(&OkLog, &TEditLog::Click);
    TTestEdit* edit = NewEdit(10, 10, L"start");
    edit->OnKeyPress = TKeyPressEvent(&Log, &TEditLog::KeyPress);
    edit->Properties()->OnValidate = TcxEditValidateEvent(&Log, &TEditLog::Validate);
    edit->Properties()->OnButtonClick = TcxEditButtonClickEvent(&Log, &TEditLog::ButtonClick);
    Form->Show();
    edit->SetFocus();
    Application->ProcessMessages();
    return edit;
  }

  THostForm* Form = nullptr;
  TButton* Cancel = nullptr;
  TButton* Ok = nullptr;
  TEditLog Log, CancelLog, OkLog;
};

// --- Auto-size -----------------------------------------------------------------------------------------
TEST_F(TEditFixture, AnchoredAutoSizeKeepsTheRightEdgeOrTheCentre) {
  struct TCase {
    TAlignment Alignment;
    int Left, Width, Anchor, NewWidth, NewLeft;
  };
  const TCase cases[] = {
      {taRightJustify, 100, 60, 160, 90, 70},
      {taLeftJustify, 100, 60, 160, 40, 120},  // any alignment but the centre anchors the right edge
      {taCenter, 0, 101, 51, 51, 25},
      {taCenter, 10, 100, 60, 31, 44},
  };
  for (const TCase& c : cases) {
    TTestEdit* edit = NewEdit(c.Left, 40);
    edit->HorzAnchor = true;
    edit->Properties()->Alignment()->SetHorz(c.Alignment);
    edit->SetBounds(c.Left, 40, c.Width, 21);
    edit->CalcAutoSizeAnchor();
    EXPECT_EQ(edit->AnchorX(), c.Anchor) << c.Left << " " << c.Width;
    edit->ForcedSize = TSize{c.NewWidth, 21};
    edit->SetAutoSize(true);
    EXPECT_EQ(edit->Width(), c.NewWidth);
    EXPECT_EQ(edit->Left(), c.NewLeft) << c.Left << " " << c.Width;
    delete edit;
  }
}

TEST_F(TEditFixture, AGrowingTextKeepsARightAnchoredEditorsRightEdge) {
  TTestEdit* edit = NewEdit(200, 40, L"ab");
  edit->HorzAnchor = true;
  edit->Properties()->Alignment()->SetHorz(taRightJustify);
  edit->SetAutoSize(true);
  const int right = edit->Left() + edit->Width();
  const int narrow = edit->Width();
  edit->SetEditValue(Variant(L"a much longer text"));
  EXPECT_GT(edit->Width(), narrow + 20);
  EXPECT_EQ(edit->Left() + edit->Width(), right);
  // Without an anchor the left edge stays.
  TTestEdit* free = NewEdit(10, 80, L"ab");
  free->SetAutoSize(true);
  free->SetEditValue(Variant(L"a much longer text"));
  EXPECT_EQ(free->Left(), 10);
  EXPECT_EQ(free->Width(), edit->Width());
}

TEST_F(TEditFixture, AlignDecidesWhichSidesFollowTheContent) {
  struct TCase {
    TAlign Align;
    bool WidthFollows, HeightFollows;
  };
  const TCase cases[] = {
      {alNone, true, true},   {alTop, false, true},   {alBottom, false, true},
      {alLeft, true, false},  {alRight, true, false}, {alClient, false, false},
  };
  const TSize content{77, 33};
  for (const TCase& c : cases) {
    TTestEdit* edit = NewEdit(5, 5);
    edit->ForcedSize = content;
    edit->SetAlign(c.Align);
    edit->SetAutoSize(true);
    const TRect client = Form->ClientRect();
    const int expectedWidth = c.WidthFollows ? content.cx : client.Right;
    const int expectedHeight = c.HeightFollows ? content.cy : client.Bottom;
    EXPECT_EQ(edit->Width(), expectedWidth) << int(c.Align);
    EXPECT_EQ(edit->Height(), expectedHeight) << int(c.Align);
    delete edit;
  }
}

TEST_F(TEditFixture, AHostedEditorNeverAutoSizes) {
  auto* hosted = static_cast<TTestEdit*>(TcxCustomEdit::CreateHosted(TTestEdit::StaticClass(), Form, true));
  EXPECT_TRUE(hosted->IsHosted());
  EXPECT_FALSE(hosted->AutoSize());
  hosted->ForcedSize = TSize{77, 33};
  hosted->SetParent(Form);
  hosted->SetBounds(5, 5, 120, 21);
  hosted->SetAutoSize(true);
  EXPECT_FALSE(hosted->AutoSize());
  EXPECT_FALSE(hosted->CanAutoSize());
  EXPECT_EQ(hosted->BoundsRect(), (TRect{5, 5, 125, 26}));
  // The window's context menu never reaches a hosted editor's default handling.
  TMessage m{WM_CONTEXTMENU, 0, 0, 0};
  hosted->DefaultHandler(m);
  EXPECT_EQ(m.Result, 0);
}

TEST_F(TEditFixture, AHostedEditorActivatesValidatesAndKeepsItsFlagsThroughAFailingHandler) {
  auto* hosted = static_cast<TTestEdit*>(TcxCustomEdit::CreateHosted(TTestEdit::StaticClass(), Form, true));
  hosted->SetParent(Form);
  hosted->SetBounds(5, 5, 120, 21);
  hosted->Properties()->OnChange = TNotifyEvent(&Log, &TEditLog::FailingChange);
  EXPECT_THROW(hosted->SetEditValue(Variant(L"cell")), Exception);
  EXPECT_EQ(Log.FlagsSeen, std::make_pair(true, true)) << "both flags read true inside the handler";
  EXPECT_FALSE(hosted->ModifiedSinceEnter());
  EXPECT_FALSE(hosted->EditModified());
  hosted->Properties()->OnChange = TNotifyEvent();

  Form->Show();
  TcxCustomEditData* data = nullptr;
  EXPECT_TRUE(hosted->Activate(data));
  Application->ProcessMessages();
  EXPECT_TRUE(hosted->IsActivated());
  EXPECT_TRUE(hosted->Focused());
  Log.Refused = L"cellx";
  Log.RefusalText = L"No such wall";
  hosted->Properties()->OnValidate = TcxEditValidateEvent(&Log, &TEditLog::Validate);
  TypeText(hosted->Handle(), L"x");
  EXPECT_THROW(hosted->Deactivate(), EcxEditValidationError);
  TypeText(hosted->Handle(), L"y");
  EXPECT_TRUE(hosted->Deactivate());
  EXPECT_EQ(VarToStr(hosted->EditValue()), L"cellxy");
  EXPECT_TRUE(hosted->IsValidated());
}

TEST_F(TEditFixture, AHostedEditorPostsToItsHostAndTakesAQuickSecondClickAsADoubleClick) {
  auto* hosted = static_cast<TTestEdit*>(TcxCustomEdit::CreateHosted(TTestEdit::StaticClass(), Form, true));
  hosted->SetParent(Form);
  hosted->SetBounds(5, 5, 120, 21);
  hosted->OnPostEditValue = TNotifyEvent(&Log, &TEditLog::Change);
  hosted->OnDblClick = TNotifyEvent(&Log, &TEditLog::Click);
  Form->Show();
  TcxCustomEditData* data = nullptr;
  hosted->ActivateByMouse(TShiftState{}, 25, 15, data);
  Application->ProcessMessages();
  EXPECT_TRUE(hosted->IsActivated());
  // The second press of the host's click lands on the text within the double-click time.
  SendMessageW(hosted->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
  SendMessageW(hosted->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
  EXPECT_EQ(Log.Clicks, 1);
  SendMessageW(hosted->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
  SendMessageW(hosted->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
  EXPECT_EQ(Log.Clicks, 1) << "the timer runs once per activation";

  TypeText(hosted->Handle(), L"z");
  EXPECT_TRUE(hosted->ModifiedSinceEnter());
  hosted->PostEditValue();
  EXPECT_EQ(Log.Changes, 1);
  EXPECT_EQ(VarToStr(hosted->EditValue()), L"z");
  EXPECT_FALSE(hosted->ModifiedSinceEnter());
  EXPECT_FALSE(hosted->IsPosting());
}

TEST_F(TEditFixture, ButtonsGiveTheirHintsAndAnswerTheirAccelerators) {
  TTestEdit* edit = NewEdit(10, 10, L"Wall 1");
  TcxEditButton* go = edit->Properties()->Buttons()->Add();
  go->SetKind(bkText);
  go->SetCaption(L"&Go");
  go->SetHint(L"Go|Shows the wall");
  edit->Properties()->Buttons()->Add();
  edit->Properties()->OnButtonClick = TcxEditButtonClickEvent(&Log, &TEditLog::ButtonClick);
  edit->SetHint(L"The wall|Its name");
  edit->SetShowHint(true);
  edit->HandleNeeded();
  RefreshViewStateAtCursor(edit, false);
  ASSERT_EQ(edit->EditViewInfo()->ButtonCount(), 2);
  struct TCase {
    int Part;
    const wchar_t* Hint;
  };
  for (const TCase& c : {TCase{0, L"Go"}, TCase{1, L"The wall"}, TCase{-1, L"The wall"}}) {
    const TRect r = edit->EditViewInfo()->GetPartRect(c.Part);
    THintInfo info;
    info.CursorPos = TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    EXPECT_EQ(edit->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)), 0);
    EXPECT_EQ(info.HintStr, c.Hint) << c.Part;
    EXPECT_EQ(info.CursorRect, r) << c.Part;
  }
  THintInfo outside;
  outside.CursorPos = TPoint{-4, 30};
  EXPECT_EQ(edit->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&outside)), -1);

  EXPECT_EQ(edit->Perform(CM_DIALOGCHAR, L'g', 0), 1);
  EXPECT_EQ(Log.ButtonClicks, std::vector<int>{0});
  EXPECT_EQ(edit->Perform(CM_DIALOGCHAR, L'x', 0), 0);
  EXPECT_EQ(Log.ButtonClicks, std::vector<int>{0});
}

// --- Keys --------------------------------------------------------------------------------------------------
TEST_F(TEditFixture, KeysByKeyAndState) {
  struct TCase {
    const char* Name;
    const wchar_t* Typed;  // typed first, so the editor holds a change
    WORD Key;
    bool Ctrl;
    bool ValidateOnEnter;
    int DefaultEditButton;  // -1: none
    const wchar_t* Refused;
    // What follows.
    int CancelClicks, OkClicks;
    std::vector<int> EditButtonClicks;
    const wchar_t* Text;
    bool Modified;
    int Errors;
    bool CharSwallowed;  // the key's character never reached the key-press handler
  };
  const TCase cases[] = {
      {"Esc unmodified goes to Cancel", L"", VK_ESCAPE, false, false, -1, L"", 1, 0, {}, L"start", false, 0, true},
      {"Esc modified restores", L"xy", VK_ESCAPE, false, false, -1, L"", 0, 0, {}, L"start", true, 0, true},
      {"Enter passes on", L"", VK_RETURN, false, false, -1, L"", 0, 1, {}, L"start", false, 0, true},
      {"Enter validates", L"xy", VK_RETURN, false, true, -1, L"", 0, 0, {}, L"startxy", true, 0, false},
      {"Enter refused is consumed", L"xy", VK_RETURN, false, true, -1, L"startxy", 0, 0, {}, L"startxy", true, 1, false},
      {"Ctrl+Enter clicks the sole default", L"", VK_RETURN, true, false, 1, L"", 0, 0, {1}, L"start", false, 0, true},
      {"Ctrl+Enter without default", L"", VK_RETURN, true, false, -1, L"", 0, -1, {}, L"start", false, 0, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Log.Reset();
    CancelLog.Reset();
    OkLog.Reset();
    Log.Refused = c.Refused;
    Log.RefusalText = L"No such wall";
    TTestEdit* edit = FocusedEditOnDialog();
    edit->Properties()->SetValidateOnEnter(c.ValidateOnEnter);
    edit->Properties()->Buttons()->Add();
    edit->Properties()->Buttons()->Add();
    if (c.DefaultEditButton >= 0) edit->Properties()->Buttons()->Items(c.DefaultEditButton)->SetDefault(true);
    TypeText(edit->Handle(), c.Typed);
    const int typedChars = int(Log.Chars.size());
    PressKey(edit->Handle(), c.Key, c.Ctrl);
    EXPECT_EQ(CancelLog.Clicks, c.CancelClicks);
    if (c.OkClicks >= 0) {
      EXPECT_EQ(OkLog.Clicks, c.OkClicks);
    }
    EXPECT_EQ(Log.ButtonClicks, c.EditButtonClicks);
    EXPECT_EQ(edit->GetDisplayText(), c.Text);
    EXPECT_EQ(edit->ModifiedSinceEnter(), c.Modified);
    EXPECT_EQ(int(Log.Errors.size()), c.Errors);
    if (c.CharSwallowed) {
      EXPECT_EQ(int(Log.Chars.size()), typedChars);
    }
    EXPECT_TRUE(edit->Focused());
    delete edit;
    delete Cancel;
    delete Ok;
  }
}

TEST_F(TEditFixture, EscAfterAChangeSelectsAllAndSwallowsItsCharacter) {
  Log.Reset();
  TTestEdit* edit = FocusedEditOnDialog();
  TypeText(edit->Handle(), L"x");
  EXPECT_TRUE(edit->EditModified());
  const int selections = edit->SelectAllCount;
  SetModifiers(false);
  // The loop's translation queues the key's character right behind it.
  PostMessageW(edit->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  Application->ProcessMessages();
  EXPECT_EQ(edit->GetDisplayText(), L"start");
  EXPECT_FALSE(edit->EditModified());
  EXPECT_EQ(edit->SelectAllCount, selections + 1);
  EXPECT_EQ(Log.Chars, std::vector<wchar_t>{L'x'});
  EXPECT_EQ(CancelLog.Clicks, 0);
  // The next Esc, nothing changed, reaches the form.
  PressKey(edit->Handle(), VK_ESCAPE);
  EXPECT_EQ(CancelLog.Clicks, 1);
}

TEST_F(TEditFixture, TheClearKeyGivesNull) {
  TTestEdit* edit = FocusedEditOnDialog();
  edit->Properties()->SetClearKey(ShortCut(VK_DELETE, TShiftState{ssCtrl}));
  edit->Properties()->OnEditValueChanged = TNotifyEvent(&Log, &TEditLog::ValueChanged);
  PressKey(edit->Handle(), VK_DELETE, false);
  EXPECT_EQ(VarToStr(edit->EditValue()), L"start") << "Delete alone is no clear key";
  PressKey(edit->Handle(), VK_DELETE, true);
  EXPECT_TRUE(edit->EditValue().IsNull());
  EXPECT_EQ(edit->GetDisplayText(), L"");
  EXPECT_TRUE(edit->EditModified());
  EXPECT_TRUE(edit->IsValidated());
  EXPECT_EQ(Log.ValueChanges, 1);
  EXPECT_EQ(CancelLog.Clicks + OkLog.Clicks, 0);
}

// --- Validation on leaving ------------------------------------------------------------------------------
TEST_F(TEditFixture, ARefusedTextKeepsTheFocusAndBeepsOnlyWhenAsked) {
  struct TCase {
    const wchar_t* ErrorText;
    bool BeepOnError;
    int Errors, Beeps;
  };
  const TCase cases[] = {
      {L"No such wall", true, 1, 1},
      {L"No such wall", false, 1, 0},
      {L"", true, 0, 1},  // an empty text aborts silently
      {L"", false, 0, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "text '" << UTF8Encode(c.ErrorText) << "' beep " << c.BeepOnError);
    Log.Reset();
    Log.Refused = L"startx";
    Log.RefusalText = c.ErrorText;
    TTestEdit* edit = FocusedEditOnDialog();
    edit->Properties()->SetBeepOnError(c.BeepOnError);
    TypeText(edit->Handle(), L"x");
    const int selections = edit->SelectAllCount;
    const TBeepCounter beeps;
    Ok->SetFocus();
    Application->ProcessMessages();
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(int(Log.Errors.size()), c.Errors);
    if (c.Errors) {
      EXPECT_EQ(Log.Errors[0], L"EcxEditValidationError: No such wall");
    }
    EXPECT_EQ(TBeepCounter::Count, c.Beeps);
    EXPECT_GT(edit->SelectAllCount, selections);
    EXPECT_EQ(VarToStr(edit->EditValue()), L"start") << "a refused text is not taken";
    EXPECT_EQ(Log.Validations, 1);
    // Accepted once the text changes.
    TypeText(edit->Handle(), L"y");
    Ok->SetFocus();
    Application->ProcessMessages();
    EXPECT_TRUE(Ok->Focused());
    EXPECT_EQ(VarToStr(edit->EditValue()), L"startxy");
    delete edit;
    delete Cancel;
    delete Ok;
  }
}

TEST_F(TEditFixture, AnEditorThatCannotTakeTheFocusStillRaisesItsErrorOnce) {
  TTestEdit* edit = NewEdit(10, 10, L"start");
  Log.Refused = L"startx";
  Log.RefusalText = L"No such wall";
  edit->Properties()->OnValidate = TcxEditValidateEvent(&Log, &TEditLog::Validate);
  edit->Properties()->SetBeepOnError(true);
  edit->SetInternalDisplayValue(Variant(L"startx"));
  edit->SetEditModified(true);
  edit->SetEnabled(false);
  const TBeepCounter beeps;
  EXPECT_THROW(edit->ValidateEdit(true), EcxEditValidationError);
  EXPECT_EQ(TBeepCounter::Count, 1);
  EXPECT_TRUE(edit->IsValidated());
  EXPECT_TRUE(edit->ValidateEdit(true)) << "reported once";
}

// --- Value and change events ------------------------------------------------------------------------------
TEST_F(TEditFixture, ValuesByCodeFireTheChangeEventsButNoClick) {
  TTestEdit* edit = NewEdit(10, 10);
  edit->OnClick = TNotifyEvent(&Log, &TEditLog::Click);
  edit->Properties()->OnChange = TNotifyEvent(&Log, &TEditLog::Change);
  edit->Properties()->OnEditValueChanged = TNotifyEvent(&Log, &TEditLog::ValueChanged);
  edit->SetEditValue(Variant(L"one"));
  EXPECT_EQ(Log.Changes, 1);
  EXPECT_EQ(Log.ValueChanges, 1);
  edit->SetEditValue(Variant(L"one"));
  EXPECT_EQ(Log.Changes, 1) << "an equal value is no change";
  EXPECT_EQ(Log.Clicks, 0);
  EXPECT_FALSE(edit->EditModified());

  // Three changes under the lock fire once at the unlock; without Invoke none.
  edit->LockChangeEvents(true);
  for (const wchar_t* v : {L"a", L"b", L"c"}) edit->SetEditValue(Variant(v));
  EXPECT_EQ(Log.Changes, 1);
  edit->LockChangeEvents(false);
  EXPECT_EQ(Log.Changes, 2);
  EXPECT_EQ(Log.ValueChanges, 2);
  edit->LockChangeEvents(true);
  edit->SetEditValue(Variant(L"d"));
  edit->LockChangeEvents(false, false);
  EXPECT_EQ(Log.Changes, 2);
  edit->LockChangeEvents(false);
  edit->LockChangeEvents(true);
  edit->LockChangeEvents(false);
  EXPECT_EQ(Log.Changes, 2) << "the counter never went below 0";
}

// A filter editor is prepared from read-only source properties through the
// editor, and reads back the editor's value with its full display text.
TEST_F(TEditFixture, AFilterEditorIsPreparedThroughItsEditorAndReadsItsValue) {
  TTestEdit* edit = NewEdit(10, 10);
  TTestEditProperties source(nullptr);
  source.SetReadOnly(true);
  source.Buttons()->Add();
  source.OnChange = TNotifyEvent(&Log, &TEditLog::Change);
  auto helper = dynamic_cast<TcxCustomFilterEditHelperClass>(TcxCustomFilterEditHelper::StaticClass());
  ASSERT_NE(helper, nullptr);
  EXPECT_EQ(helper->GetEditorClass(), nullptr);
  helper->InitializeFilterEdit(edit, &source);
  EXPECT_FALSE(edit->ActiveProperties()->ReadOnly());
  EXPECT_EQ(edit->ActiveProperties()->Buttons()->Count(), 0);
  EXPECT_FALSE(edit->ActiveProperties()->OnChange);
  edit->SetEditValue(Variant(42));
  String text;
  Variant value;
  helper->GetFilterValue(edit, edit->ActiveProperties(), text, value);
  EXPECT_EQ(value, Variant(42));
  EXPECT_EQ(text, L"42");
  helper->AssignFilterValue(edit, edit->ActiveProperties(), Variant(7));
  EXPECT_EQ(edit->EditValue(), Variant(42)) << "the base helper puts nothing into the editor";
  EXPECT_TRUE(helper->AcceptsValue(nullptr, Variant(L"anything")));
  EXPECT_TRUE(helper->AcceptsValue(TcxIntegerValueType::Class(), Variant(L"12")));
  EXPECT_FALSE(helper->AcceptsValue(TcxIntegerValueType::Class(), Variant(L"twelve")));
}

TEST_F(TEditFixture, ARepositoryItemOfAnotherKindIsRefused) {
  TTestEdit* edit = NewEdit(10, 10);
  auto* repository = new TcxEditRepository(Form);
  TcxEditRepositoryItem* base = repository->CreateItem(TcxEditRepositoryItem::StaticClass());
  try {
    edit->SetRepositoryItem(base);
    ADD_FAILURE() << "accepted";
  } catch (const EcxEditError& e) {
    EXPECT_EQ(e.Message(), L"The repository item is not acceptable");
  }
  EXPECT_EQ(edit->RepositoryItem(), nullptr);
  EXPECT_EQ(base->ListenerCount(), 0);
}

TEST_F(TEditFixture, TheWheelCursorIsTheEditorsOwn) {
  const HCURSOR cursor = GetCursorHandle(crcxEditMouseWheel);
  EXPECT_NE(cursor, GetCursorHandle(crArrow));
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 16u);
  EXPECT_EQ(info.yHotspot, 16u);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  EXPECT_EQ(TcxCustomEditProperties::GetContainerClass(), TcxCustomEdit::StaticClass());
}

// --- Streaming ------------------------------------------------------------------------------------------------
TEST_F(TEditFixture, AFormRoundTripKeepsTheAnchorAndLeavesOutWhatAutoSizeComputes) {
  TTestEdit* edit = new TTestEdit(Form);
  edit->SetName(L"Edit1");
  edit->HorzAnchor = true;
  edit->Properties()->Alignment()->SetHorz(taCenter);
  edit->SetParent(Form);
  edit->HandleNeeded();
  edit->SetEditValue(Variant(L"Wall 12"));
  edit->SetBounds(40, 30, 120, 21);
  const int width = edit->Width();
  ASSERT_LT(width, 120) << "the width follows the text";
  const int anchor = 40 + width / 2 + width % 2;
  edit->CalcAutoSizeAnchor();
  ASSERT_EQ(edit->AnchorX(), anchor);

  TMemoryStream out;
  WriteComponentToStream(&out, Form);
  const std::string bytes(static_cast<const char*>(out.Memory()), size_t(out.Size()));
  const String text = FormBinaryToText(bytes);
  EXPECT_NE(text.find(L"AnchorX = " + IntToStr(anchor)), String::npos) << UTF8Encode(text);
  EXPECT_EQ(text.find(L"AnchorY"), String::npos);
  EXPECT_EQ(text.find(L"    Width ="), String::npos) << "an auto-width editor keeps no width";
  EXPECT_EQ(text.find(L"    Height ="), String::npos) << "an auto-sizing editor keeps no height";
  EXPECT_NE(text.find(L"Alignment.Horz = taCenter"), String::npos) << UTF8Encode(text);

  // Read back where the text is another width: the centre stays at the anchor.
  THostForm* other = test_support::MakeForm(420, 300);
  String moved = text;
  const size_t at = moved.find(L"AnchorX = ");
  moved.replace(at, moved.find(L'\n', at) - at, L"AnchorX = 150");
  TStringStream in(FormTextToBinary(moved));
  try {
    ReadComponentFromStream(&in, other);
  } catch (const Exception& e) {
    delete other;
    FAIL() << UTF8Encode(e.ClassName() + L": " + e.Message());
  }
  auto* read = dynamic_cast<TTestEdit*>(other->FindComponent(L"Edit1"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->AnchorX(), 150);
  EXPECT_EQ(read->Properties()->Alignment()->Horz(), taCenter);
  // Its value is not streamed: it measures its empty text.
  const int readWidth = read->Width();
  EXPECT_LT(readWidth, width);
  EXPECT_EQ(read->Left(), 150 - readWidth / 2 - readWidth % 2);
  EXPECT_EQ(read->Top(), 30);
  delete other;
}

}  // namespace
