// The combo box on a real form with real keys and pointer: how many rows its
// list shows and when it scrolls, DropDownRows ignoring 0, Home and End in
// the fixed list, a mouse choice firing OnChange once before OnCloseUp, no
// window without items, the console's ItemIndex/Text/Items contract as one
// table, a combo box read from form text with its items and change handler,
// and the open list captured in two looks ("editors_combo_*.png").
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "FormText.h"
#include "Streaming.h"
#include "cxDropDownEdit_combo_win.h"
#include "edit_test_support.h"
#include "pointer_test_support.h"
#include "support/RealKeys.h"
#include "support/WindowCapture.h"

using pointer_test::ScreenRect;
using test_support::PumpFor;
using test_support::THostForm;
using test_support::Type;

namespace {

class TComboUnits : public testing::Environment {
 public:
  void SetUp() override {
    try {
      edit_test::StartEditUnits();
      InitializeUnits({cxContainerPopupsUnit, cxDrawTextUtilsUnit, cxTextEditUnit, cxDropDownEditUnit});
    } catch (const Exception& e) {
      FAIL() << "the units did not start: " << std::string(e.Message().begin(), e.Message().end());
    }
    Application->Initialize();
  }
  void TearDown() override { FinalizeUnits(); }
};
const auto* const GEnvironment = testing::AddGlobalTestEnvironment(new TComboUnits);

struct TEventLog : TObject {
  std::vector<std::string> Events;
  void Change(TObject*) { Events.push_back("change"); }
  void CloseUp(TObject*) { Events.push_back("closeup"); }
  int Count(const std::string& AEvent) const { return int(std::count(Events.begin(), Events.end(), AEvent)); }
};

// The console's own items: serial ports, and the long lists some windows fill.
std::vector<String> Items(int ACount) {
  std::vector<String> items;
  for (int i = 1; i <= ACount; ++i) items.push_back(L"COM" + std::to_wstring(i));
  return items;
}

class ComboBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    form = test_support::MakeForm(420, 320);
    form->SetBounds(80, 80, 420, 320);
    combo = new TcxComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(20, 30, 180, 21);
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(20, 260, 180, 21);
    combo->Properties()->OnChange = TNotifyEvent(&log, &TEventLog::Change);
    combo->Properties()->OnCloseUp = TNotifyEvent(&log, &TEventLog::CloseUp);
    form->Show();
    SetForegroundWindow(form->Handle());
    combo->SetFocus();
    PumpFor(50);
  }
  void TearDown() override {
    delete form;
    test_support::Pump();
    EXPECT_TRUE(VisiblePopups().empty());
  }
  void Fill(const std::vector<String>& AItems) {
    TStringList* items = combo->Properties()->Items();
    items->BeginUpdate();
    items->Clear();
    for (const String& item : AItems) items->Add(item);
    items->EndUpdate();
  }
  TcxCustomEditListBox* List() {
    IcxTextEditLookupData* lookup = combo->GetLookupData();
    return lookup ? lookup->GetListControl() : nullptr;
  }
  void Open() {
    Type({VK_F4});
    PumpFor(30);
  }

  THostForm* form = nullptr;
  TcxComboBox* combo = nullptr;
  TEdit* other = nullptr;
  TEventLog log;
};

TEST_F(ComboBoxTest, ShowsUpToDropDownRowsAndScrollsPastThem) {
  struct TCase {
    int Items;
    int Rows;
    bool Scrolls;
  };
  for (const TCase& c : {TCase{3, 3, false}, TCase{20, 8, true}}) {
    SCOPED_TRACE(c.Items);
    Fill(Items(c.Items));
    Open();
    ASSERT_TRUE(combo->DroppedDown());
    TcxCustomEditListBox* list = List();
    ASSERT_NE(list, nullptr);
    const int row = list->GetItemHeightAt(0);
    ASSERT_GT(row, 0);
    EXPECT_EQ(list->Height(), c.Rows * row);
    EXPECT_EQ(list->ClientHeight() / row, c.Rows) << "whole rows only";
    // Auto width: never narrower than the editor; room for the scroll bar when rows stay hidden.
    const TRect popup = ScreenRect(combo->PopupWindow()->Handle());
    EXPECT_GE(GetRectWidth(popup), GetRectWidth(combo->GetPopupOwnerBounds()));
    const TSize wanted = combo->CalcPopupClientSize();
    int widest = 0;
    for (int i = 0; i < c.Items; ++i) widest = std::max(widest, list->GetItemWidth(i));
    EXPECT_EQ(wanted.cx, widest + 4 + (c.Scrolls ? GetSystemMetrics(SM_CXVSCROLL) : 0));
    // The last row is reached by scrolling only when there are more than the rows shown.
    Type({VK_CONTROL, VK_NEXT});
    PumpFor(30);
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETTOPINDEX, 0, 0) > 0, c.Scrolls);
    Type({VK_ESCAPE});
    PumpFor(30);
    ASSERT_FALSE(combo->DroppedDown());
  }
}

TEST_F(ComboBoxTest, DropDownRowsZeroOrBelowKeepsTheOldValue) {
  TcxComboBoxProperties* p = combo->Properties();
  EXPECT_EQ(p->DropDownRows(), 8);
  p->SetDropDownRows(5);
  for (int ignored : {0, -1, -100}) {
    p->SetDropDownRows(ignored);
    EXPECT_EQ(p->DropDownRows(), 5) << ignored;
  }
  Fill(Items(20));
  Open();
  ASSERT_TRUE(combo->DroppedDown());
  EXPECT_EQ(List()->Height(), 5 * List()->GetItemHeightAt(0));
  Type({VK_ESCAPE});
}

TEST_F(ComboBoxTest, HomeAndEndChooseTheEndsInTheFixedListOnlyAndNothingWraps) {
  Fill(Items(5));
  combo->Properties()->SetDropDownListStyle(lsFixedList);
  combo->SetItemIndex(2);
  log.Events.clear();
  Type({VK_END});
  EXPECT_EQ(combo->ItemIndex(), 4);
  EXPECT_EQ(combo->Text(), L"COM5");
  Type({VK_DOWN});
  EXPECT_EQ(combo->ItemIndex(), 4) << "Down on the last item stays";
  Type({VK_HOME});
  EXPECT_EQ(combo->ItemIndex(), 0);
  Type({VK_UP});
  EXPECT_EQ(combo->ItemIndex(), 0) << "Up on the first item stays";
  EXPECT_EQ(log.Count("change"), 2);
  // With free text Home moves the caret and leaves the item alone.
  combo->Properties()->SetDropDownListStyle(lsEditList);
  combo->SetItemIndex(3);
  Type({VK_HOME});
  EXPECT_EQ(combo->ItemIndex(), 3);
  EXPECT_EQ(combo->SelStart(), 0);
}

TEST_F(ComboBoxTest, AMouseChoiceFiresOnChangeOnceThenOnCloseUp) {
  Fill(Items(6));
  Open();
  ASSERT_TRUE(combo->DroppedDown());
  TcxCustomEditListBox* list = List();
  const int row = list->GetItemHeightAt(0);
  POINT p{10, row * 3 + row / 2};
  ClientToScreen(list->Handle(), &p);
  pointer_test::MoveTo(TPoint{p.x, p.y});
  PumpFor(30);
  pointer_test::MouseInput(MOUSEEVENTF_LEFTDOWN);
  pointer_test::MouseInput(MOUSEEVENTF_LEFTUP);
  PumpFor(60);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->Text(), L"COM4");
  EXPECT_EQ(combo->ItemIndex(), 3);
  EXPECT_EQ(log.Events, (std::vector<std::string>{"change", "closeup"}));
  EXPECT_EQ(GetFocus(), combo->InnerControl()->Handle()) << "the focus stays in the editor";
}

TEST_F(ComboBoxTest, WithoutItemsF4ShowsNoWindow) {
  int inits = 0;
  struct TCounter : TObject {
    int* Count;
    void Init(TObject*) { ++*Count; }
  } counter;
  counter.Count = &inits;
  combo->Properties()->OnInitPopup = TNotifyEvent(&counter, &TCounter::Init);
  Open();
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_TRUE(VisiblePopups().empty());
  EXPECT_EQ(inits, 1);
  // Items added afterwards: the list opens.
  Fill(Items(2));
  Open();
  EXPECT_TRUE(combo->DroppedDown());
  Type({VK_ESCAPE});
}

// What the console's windows do with their combo boxes, in order, on one combo box.
TEST_F(ComboBoxTest, TheConsolesContract) {
  Fill({L"PAL", L"NTSC", L"SECAM"});
  combo->SetFocus();
  struct TStep {
    const char* What;
    std::function<void()> Do;
    int ItemIndex;
    const wchar_t* Text;
    int Changes;  // OnChange fired by the step
  };
  const std::vector<TStep> steps = {
      {"ItemIndex to a new position", [&] { combo->SetItemIndex(1); }, 1, L"NTSC", 1},
      {"ItemIndex to the same position", [&] { combo->SetItemIndex(1); }, 1, L"NTSC", 0},
      {"ItemIndex to -1", [&] { combo->SetItemIndex(-1); }, -1, L"", 1},
      {"Items cleared and refilled, then ItemIndex",
       [&] {
         Fill({});
         Fill({L"COM1", L"COM2", L"COM3"});
         combo->SetItemIndex(2);
       },
       2, L"COM3", 1},
      {"Text set to an item", [&] { combo->SetText(L"COM1"); }, 0, L"COM1", 1},
      {"Text set to an item in other case", [&] { combo->SetText(L"com2"); }, 1, L"com2", 1},
      {"a typed non-item",
       [&] {
         combo->SelectWholeText();
         Type({'X', '9'});
       },
       -1, nullptr, -1},
  };
  for (const TStep& step : steps) {
    SCOPED_TRACE(step.What);
    log.Events.clear();
    step.Do();
    PumpFor(20);
    if (combo->DroppedDown()) Type({VK_ESCAPE});
    EXPECT_EQ(combo->ItemIndex(), step.ItemIndex);
    if (step.Text) EXPECT_EQ(combo->Text(), step.Text);
    if (step.Changes >= 0) EXPECT_EQ(log.Count("change"), step.Changes);
  }
  // Disabled, it neither opens nor steps.
  combo->SetItemIndex(0);
  combo->SetEnabled(false);
  combo->SetDroppedDown(true);
  PumpFor(20);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_FALSE(combo->Enabled());
}

}  // namespace

// A form with the handler its text names.
class TComboForm : public TForm {
  VAMIRE_CLASS(TComboForm, TForm)
 public:
  using TForm::TForm;
  int Changes = 0;
  void cbSignalChange(TObject*) { ++Changes; }
};
VAMIRE_PUBLISHED(TComboForm, Handler(L"cbSignalChange", &TComboForm::cbSignalChange))

TEST(ComboBoxStreaming, AComboBoxReadFromFormTextKeepsItsItemsAndItsChangeHandler) {
  const String text =
      L"object ComboForm: TComboForm\n"
      L"  Left = 60\n  Top = 60\n  Width = 320\n  Height = 200\n"
      L"  object cbSignal: TcxComboBox\n"
      L"    Left = 16\n    Top = 16\n    Width = 140\n    Height = 21\n"
      L"    Properties.Items.Strings = (\n      'VGA'\n      'DVI'\n      'HDMI')\n"
      L"    Properties.OnChange = cbSignalChange\n"
      L"    Style.Font.Height = -12\n"
      L"    TabOrder = 0\n"
      L"    Text = 'DVI'\n"
      L"  end\n"
      L"end\n";
  TComboForm* form = TCustomForm::Create<TComboForm>(nullptr);
  TStringStream in(FormTextToBinary(text));
  try {
    ReadComponentFromStream(&in, form);
  } catch (const Exception& e) {
    delete form;
    FAIL() << UTF8Encode(e.ClassName() + L": " + e.Message());
  }
  auto* combo = dynamic_cast<TcxComboBox*>(form->FindComponent(L"cbSignal"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->Properties()->Items()->Count(), 3);
  EXPECT_EQ(combo->Text(), L"DVI");
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(form->Changes, 0) << "loading fires no change";
  combo->SetItemIndex(2);
  EXPECT_EQ(form->Changes, 1);
  EXPECT_EQ(combo->Text(), L"HDMI");
  delete form;
}

TEST_F(ComboBoxTest, TheOpenListInTwoLooks) {
  Fill({L"Signal 1: VGA", L"Signal 2: DVI", L"Signal 3: HDMI", L"Signal 4: SDI", L"Signal 5: Video"});
  combo->SetItemIndex(1);
  struct TLook {
    TcxLookAndFeelKind Kind;
    bool Native;
    const wchar_t* File;
  };
  for (const TLook& look : {TLook{lfStandard, false, L"editors_combo_standard.png"},
                            TLook{lfUltraFlat, false, L"editors_combo_ultraflat.png"},
                            TLook{lfStandard, true, L"editors_combo_native.png"}}) {
    combo->Style()->LookAndFeel()->SetKind(look.Kind);
    combo->Style()->LookAndFeel()->SetNativeStyle(look.Native);
    Open();
    ASSERT_TRUE(combo->DroppedDown());
    Type({VK_DOWN});
    PumpFor(80);
    // The form and the popup under it, as the screen shows them.
    const TRect f = ScreenRect(form->Handle());
    HDC screen = GetDC(nullptr);
    const vamire_test::Capture cap = vamire_test::CaptureDC(screen, f.Left, f.Top, 240, 200);
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(cap.SavePng(look.File));
    EXPECT_GT(cap.CountNot(cap.At(1, 1)), 200u);
    Type({VK_ESCAPE});
    PumpFor(30);
  }
}
