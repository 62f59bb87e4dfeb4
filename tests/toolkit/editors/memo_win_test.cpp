// The memo over its real multi-line EDIT: defaults and registration, the line
// breaks of a replaced selection, Ctrl+A and Enter as typed keys, the short
// display text, the length limit, a clear the editor refuses, Lines as the
// value (Chinese lines too), and a screenshot with the mirrored scroll bar.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "support/RealKeys.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"
#include "cxMemo_win.h"
#include "textedit_test_support.h"

using test_support::THostForm;

namespace {

class TMemoUnits : public edit_test::TTextEditUnits {
 public:
  void SetUp() override {
    edit_test::TTextEditUnits::SetUp();
    InitializeUnits({cxMemoUnit});
    RegisterClasses({THostForm::StaticClass()});
  }
};
const auto* const GEnvironment = testing::AddGlobalTestEnvironment(new TMemoUnits);

struct TMemoLog : TObject {
  std::vector<uint16_t> Downs;
  void KeyDown(TObject*, uint16_t& Key, TShiftState) { Downs.push_back(Key); }
  int Changes = 0, ValueChanges = 0;
  bool Refuse = false;
  void Change(TObject*) { ++Changes; }
  void ValueChanged(TObject*) { ++ValueChanges; }
  void Editing(TObject*, bool& CanEdit) { CanEdit = !Refuse; }
};

HWND InnerWindow(TcxMemo* AMemo) { return AMemo->GetInnerMemo()->InnerWindowControl()->Handle(); }

class TMemoFixture : public testing::Test {
 protected:
  void SetUp() override { Form = test_support::MakeForm(420, 300); }
  void TearDown() override { delete Form; }
  TcxMemo* NewMemo(const wchar_t* AText = L"") {
    auto* memo = new TcxMemo(Form);
    memo->SetParent(Form);
    memo->SetBounds(10, 10, 240, 120);
    memo->Lines()->SetText(AText);
    return memo;
  }
  void ShowAndFocus(TcxMemo* AMemo) {
    Form->Show();
    SetForegroundWindow(Form->Handle());
    AMemo->SetFocus();
    test_support::PumpFor(50);
    ASSERT_TRUE(AMemo->Focused());
  }
  THostForm* Form = nullptr;
  TMemoLog Log;
};

TEST(TMemoRegistration, PropertiesFilterHelperAndClassAreRegistered) {
  TcxRegisteredClasses* registry = EditPropertiesRegistry();
  const int memo = registry->IndexOf(TcxMemoProperties::StaticClass());
  ASSERT_GE(memo, 0);
  EXPECT_EQ(registry->Descriptions(memo).substr(0, 4), L"Memo");
  EXPECT_EQ(GetFilterEditsController()->FindHelper(TcxMemoProperties::StaticClass()),
            TcxFilterMemoHelper::StaticClass());
  uint64_t operators = 0;
  TcxFilterMemoHelper::GetAllowedOperators(nullptr, true, true, operators, true);
  EXPECT_EQ(operators, 1920u);
  EXPECT_NE(FindClass(L"TcxMemo"), nullptr);
}

TEST_F(TMemoFixture, NewMemoHasItsSizeAndDefaults) {
  auto* memo = new TcxMemo(Form);
  EXPECT_EQ(memo->Width(), 185);
  EXPECT_EQ(memo->Height(), 89);
  TcxMemoProperties* p = memo->Properties();
  EXPECT_TRUE(p->WordWrap());
  EXPECT_TRUE(p->WantReturns());
  EXPECT_FALSE(p->WantTabs());
  EXPECT_FALSE(p->AutoSelect());
  EXPECT_EQ(p->ScrollBars(), ssNone);
  EXPECT_EQ(p->Alignment()->Vert(), taTopJustify);
  EXPECT_TRUE(p->IsMultiLine());
  EXPECT_NE(p->GetEditCapabilities() & 2048u, 0u);
  ASSERT_NE(memo->GetInnerMemo(), nullptr);
  EXPECT_TRUE(memo->GetInnerMemo()->IsMultiLineControl());
  p->SetVisibleLineCount(-3);
  EXPECT_EQ(p->VisibleLineCount(), 0);
}

TEST_F(TMemoFixture, ReplacedSelectionGetsTheEditsLineBreaks) {
  struct {
    const wchar_t* Inserted;
    const wchar_t* Expected;
  } cases[] = {
      {L"a\n\rb", L"a\r\n\r\nb"},
      {L"a\r\nb", L"a\r\nb"},
      {L"1\n\r2\n\r3", L"1\r\n\r\n2\r\n\r\n3"},
  };
  auto* memo = NewMemo();
  memo->HandleNeeded();
  for (const auto& c : cases) {
    memo->Lines()->Clear();
    SendMessageW(InnerWindow(memo), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(c.Inserted));
    EXPECT_EQ(VarToStr(memo->EditValue()), String(c.Expected));
  }
}

// The EDIT selects all on the Ctrl+A character itself; what the memo adds is
// that the key-down stops at the editor (OnKeyDown never sees the A).
TEST_F(TMemoFixture, CtrlASelectsAllOnlyWithTextAndWithoutShiftOrAlt) {
  struct {
    const wchar_t* Text;
    std::vector<WORD> Keys;
    bool Eaten;
  } cases[] = {
      {L"one\r\ntwo", {VK_CONTROL, 'A'}, true},
      {L"one\r\ntwo", {VK_CONTROL, VK_SHIFT, 'A'}, false},
      {L"one\r\ntwo", {VK_CONTROL, VK_MENU, 'A'}, false},
      {L"", {VK_CONTROL, 'A'}, false},
  };
  for (const auto& c : cases) {
    auto* memo = NewMemo(c.Text);
    memo->OnKeyDown = TKeyEvent(&Log, &TMemoLog::KeyDown);
    Log.Downs.clear();
    ShowAndFocus(memo);
    memo->SetSelStart(0);
    memo->SetSelLength(0);
    std::vector<INPUT> down, up;
    for (WORD key : c.Keys) {
      INPUT i{};
      i.type = INPUT_KEYBOARD;
      i.ki.wVk = key;
      down.push_back(i);
      i.ki.dwFlags = KEYEVENTF_KEYUP;
      up.insert(up.begin(), i);
    }
    SendInput(UINT(down.size()), down.data(), sizeof(INPUT));
    test_support::PumpFor(60);
    const bool sawA = std::find(Log.Downs.begin(), Log.Downs.end(), uint16_t('A')) != Log.Downs.end();
    EXPECT_EQ(sawA, !c.Eaten) << c.Keys.size();
    if (c.Eaten) EXPECT_EQ(memo->SelLength(), 8);
    SendInput(UINT(up.size()), up.data(), sizeof(INPUT));
    test_support::PumpFor(60);
    EXPECT_EQ(memo->Text(), String(c.Text));
    delete memo;
  }
}

TEST_F(TMemoFixture, EnterBreaksTheLineOnlyWhenTheMemoWantsReturns) {
  for (const bool want : {true, false}) {
    auto* memo = NewMemo(L"ab");
    memo->Properties()->SetWantReturns(want);
    ShowAndFocus(memo);
    memo->SetSelStart(1);
    test_support::Type({VK_RETURN});
    EXPECT_EQ(memo->Text(), want ? String(L"a\r\nb") : String(L"ab")) << want;
    delete memo;
  }
}

TEST_F(TMemoFixture, ShortDisplayTextIsTheFirstLine) {
  auto* memo = NewMemo();
  TcxMemoProperties* p = memo->Properties();
  EXPECT_EQ(p->GetDisplayText(Variant(String(L"ab\r\ncd")), false), L"ab");
  EXPECT_EQ(p->GetDisplayText(Variant(String(L"ab\r\ncd")), true), L"ab\r\ncd");
  EXPECT_EQ(p->GetDisplayText(Variant(String(300, L'q')), false), String(250, L'q'));
}

TEST_F(TMemoFixture, InsertionStopsAtMaxLength) {
  auto* memo = NewMemo(L"12345678");
  memo->Properties()->SetMaxLength(10);
  ShowAndFocus(memo);
  memo->SetSelStart(8);
  memo->SetSelLength(0);
  memo->SetSelText(L"abcde");
  EXPECT_EQ(memo->Text(), L"12345678ab");
  memo->SetSelText(L"z");
  EXPECT_EQ(memo->Text(), L"12345678ab");
}

// WM_CLEAR goes through the editor: refused by OnEditing, the text stays.
TEST_F(TMemoFixture, ClearIsRefusedWhenTheEditorRefusesEditing) {
  for (const bool refuse : {true, false}) {
    auto* memo = NewMemo(L"keep this");
    memo->OnEditing = TcxEditEditingEvent(&Log, &TMemoLog::Editing);
    Log.Refuse = refuse;
    ShowAndFocus(memo);
    memo->SetSelStart(0);
    memo->SetSelLength(5);
    SendMessageW(InnerWindow(memo), WM_CLEAR, 0, 0);
    test_support::Pump();
    EXPECT_EQ(memo->Text(), refuse ? String(L"keep this") : String(L"this")) << refuse;
    delete memo;
  }
}

TEST_F(TMemoFixture, LinesAreTheValueAndChineseLinesSurvive) {
  auto* memo = NewMemo();
  memo->Properties()->OnEditValueChanged = TNotifyEvent(&Log, &TMemoLog::ValueChanged);
  memo->HandleNeeded();
  memo->Lines()->Add(L"欢迎光临");
  memo->Lines()->Add(L"第二行 line");
  EXPECT_EQ(VarToStr(memo->EditValue()), L"欢迎光临\r\n第二行 line");
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Lines()->Strings(1), L"第二行 line");
  // One OnEditValueChanged for the new value, none for the text the editor writes into its EDIT.
  Log.ValueChanges = 0;
  memo->SetEditValue(Variant(String(L"新的\r\n文本")));
  EXPECT_EQ(Log.ValueChanges, 1);
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Lines()->Strings(0), L"新的");
  // The Lines setter takes the whole list at once.
  std::unique_ptr<TStringList> list(new TStringList);
  list->Add(L"甲");
  list->Add(L"乙");
  list->Add(L"丙");
  memo->SetLines(list.get());
  EXPECT_EQ(VarToStr(memo->EditValue()), L"甲\r\n乙\r\n丙");
  memo->SetEditValue(Variant(String(L"新的\r\n文本")));
  // The text survives the EDIT being made again for another scroll-bar setting.
  memo->Properties()->SetScrollBars(ssVertical);
  EXPECT_EQ(VarToStr(memo->EditValue()), L"新的\r\n文本");
  EXPECT_TRUE(memo->ScrollBarsApplied());
}

TEST_F(TMemoFixture, VisibleLineCountSizesTheContent) {
  auto* memo = NewMemo();
  memo->Properties()->SetVisibleLineCount(3);
  std::unique_ptr<TcxCustomEditViewData> data(memo->Properties()->CreateViewData(memo->Style(), false));
  std::unique_ptr<TBitmap> bitmap(new TBitmap);
  bitmap->SetWidth(10);
  bitmap->SetHeight(10);
  TcxCanvas canvas(bitmap->Canvas());
  const TcxEditSizeProperties size;
  const TSize content = data->CalcEditContentSize(&canvas, Variant(String(L"x")), size);
  const int zg = FontTextHeight(memo->Style()->GetEffectiveFont(), L"Zg");
  EXPECT_GE(content.cy, 3 * zg + 4);
}

// A person's view: a memo with more lines than fit, its own scroll bar over the EDIT's.
TEST_F(TMemoFixture, ScreenshotWithVerticalScrollBar) {
  auto* memo = NewMemo();
  memo->Properties()->SetScrollBars(ssVertical);
  memo->SetBounds(10, 10, 345, 121);
  for (int i = 1; i <= 12; ++i) memo->Lines()->Add(L"第 " + IntToStr(i) + L" 行 subtitle line");
  Form->Show();
  test_support::PumpFor(300);
  const vamire_test::Capture cap = vamire_test::CaptureClient(Form->Handle());
  const std::wstring prefix = vamire_test::InThemedPrefix() ? L"themed" : L"plain";
  EXPECT_TRUE(cap.SavePng(L"editors_memo_" + prefix + L".png"));
  EXPECT_TRUE(memo->ScrollBarsApplied());
  EXPECT_TRUE(IsWindowVisible(InnerWindow(memo)));
}

}  // namespace
