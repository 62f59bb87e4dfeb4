// The lookup data and its popup list under Wine: the list made once on the
// popup and filled from the items, the current key and the highlight kept
// apart while the list shows, the current-key event fired once per change
// and once per choice, the key following the editor's text, the row that
// follows the real pointer, wheel scrolling, and the rows as they are painted.
#include "support/RealKeys.h"
#include "support/WindowCapture.h"
#include "lookup_test_support.h"

namespace {

using namespace lookup_test;
using popuplist_test::ClickAt;
using popuplist_test::PumpFor;
using test_support::Pump;

testing::Environment* const units = testing::AddGlobalTestEnvironment(new TLookupUnits);

// The editor side the lookup data reads: its properties' items and its text.
class TLookupHostEdit : public TcxCustomEdit {
  VAMIRE_CLASS(TLookupHostEdit, TcxCustomEdit)
 public:
  explicit TLookupHostEdit(TComponent* AOwner) : TcxCustomEdit(AOwner, false, TcxTextEditProperties::StaticClass()) {}
  TcxCustomTextEditProperties* TextProperties() {
    return static_cast<TcxCustomTextEditProperties*>(ActiveProperties());
  }
};

class LookupDataTest : public testing::Test {
 protected:
  void SetUp() override {
    form = test_support::MakeForm(420, 320);
    controls_test::ShowQuietly(form);
    edit = new TLookupHostEdit(form);
    edit->SetParent(form);
    edit->SetBounds(20, 20, 160, 21);
    for (const wchar_t* item : {L"Apple", L"apricot", L"Banana"}) edit->TextProperties()->LookupItems()->Add(item);
    data = new TTestLookupData(edit);
    events.Data = data;
    events.Editor = edit;
    // A pointer left over a list from another test would move its highlight.
    SetCursorPos(0, 0);
    data->WriteKeyChangedEvent(TNotifyEvent(&events, &TKeyEvents::KeyChanged));
    popup = new TcxCustomPopupWindow(edit);
    popup->SetCaptureFocus(false);
    popup->SetBounds(0, 0, 160, 90);
    Pump();
  }
  void TearDown() override {
    if (popup && IsPopupVisible(popup)) popup->CloseUp();
    delete data;
    delete form;
    Pump();
  }
  // The popup shown with the list placed on it, over its whole client area.
  TTestEditListBox* ShowList() {
    data->PrepareList(popup);
    popup->Popup(nullptr);
    data->SetListBounds(popup->ClientRect());
    PumpFor(50);
    return static_cast<TTestEditListBox*>(data->GetListControl());
  }
  TPoint RowCenterOnScreen(TTestEditListBox* AList, int ARow) {
    const TRect r = AList->ItemRect(ARow);
    return AList->ClientToScreen(TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }

  test_support::THostForm* form = nullptr;
  TLookupHostEdit* edit = nullptr;
  TTestLookupData* data = nullptr;
  TcxCustomPopupWindow* popup = nullptr;
  TKeyEvents events;
};

TEST_F(LookupDataTest, TheListIsMadeOnceOnThePopupAndFilledFromTheItems) {
  EXPECT_EQ(data->GetListControl(), nullptr) << "no list before the first popup";
  data->MakeItemCurrent(2);
  edit->SetText(L"Banana");
  TTestEditListBox* list = ShowList();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Owner(), popup);
  EXPECT_EQ(list->Parent(), popup);
  EXPECT_EQ(list->Items()->Count(), 3);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->Style(), lbOwnerDrawFixed);
  EXPECT_EQ(list->ItemHeight(), list->GetItemHeightAt(-1));
  EXPECT_EQ(list->GetHeightForRows(4), 4 * FontTextHeight(list->Font(), L"Wg"));
  EXPECT_EQ(list->Font()->Name(), edit->Style()->GetEffectiveFont()->Name());
  // The list takes the items' count, not their texts: the lookup data gives those.
  String text;
  list->GetItemText(1, text);
  EXPECT_EQ(text, String());
  EXPECT_EQ(list->GetItemWidth(0), 0);

  edit->TextProperties()->LookupItems()->Add(L"Cherry");
  data->PropertiesChanged();
  EXPECT_EQ(list->Items()->Count(), 4);
  popup->CloseUp();
  data->PrepareList(popup);
  EXPECT_EQ(data->GetListControl(), list) << "made once per lookup data";
}

TEST_F(LookupDataTest, SetItemCountAppendsAndDeletesEmptyRows) {
  TTestEditListBox* list = ShowList();
  list->SetItemCount(7);
  EXPECT_EQ(list->Items()->Count(), 7);
  list->SetItemCount(1);
  EXPECT_EQ(list->Items()->Count(), 1);
  list->SetItemCount(0);
  EXPECT_EQ(list->Items()->Count(), 0);
}

TEST_F(LookupDataTest, CurrentKeyAndHighlight) {
  TTestEditListBox* list = ShowList();
  data->MakeItemCurrent(1);
  EXPECT_EQ(data->KeyIndex(), 1);
  EXPECT_EQ(data->ListIndex(), 1);
  EXPECT_EQ(list->ItemIndex(), 1);
  data->MakeItemCurrent(3);  // past the items: ignored
  data->MakeItemCurrent(-2);
  EXPECT_EQ(data->KeyIndex(), 1);
  // The highlight moves alone and goes back to the key when the popup closes.
  data->SelectListItem(2);
  EXPECT_EQ(data->KeyIndex(), 1);
  EXPECT_EQ(list->ItemIndex(), 2);
  data->FinalizePopup();
  EXPECT_EQ(data->ListIndex(), 1);
  EXPECT_EQ(list->ItemIndex(), 1);
  data->MakeItemCurrent(-1);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(data->ReadKey().AsInteger(), -1);
  String text = L"stale";
  data->GetKeyText(Variant(2), text);
  EXPECT_EQ(text, L"Banana");
  data->GetKeyText(Variant(-1), text);
  EXPECT_EQ(text, String());
  EXPECT_EQ(events.Count, 0) << "making an item current fires nothing";
}

TEST_F(LookupDataTest, StepsMoveTheKeyWhileNoListShowsAndOnlyTheHighlightWhileOneDoes) {
  data->StepItem(cxLookupStepNext, false);
  data->StepItem(cxLookupStepNext, false);
  EXPECT_EQ(data->KeyIndex(), 1);
  EXPECT_EQ(events.Keys, (std::vector<int>{0, 1}));
  data->StepItem(cxLookupStepLast, false);
  data->StepItem(cxLookupStepNext, false);  // the end stays
  EXPECT_EQ(data->KeyIndex(), 2);
  EXPECT_EQ(events.Keys, (std::vector<int>{0, 1, 2}));

  TTestEditListBox* list = ShowList();
  data->StepItem(cxLookupStepFirst, false);
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_EQ(data->KeyIndex(), 2) << "only the highlight moves";
  EXPECT_EQ(events.Count, 3);
  data->StepItem(cxLookupStepPrior, true);
  EXPECT_EQ(list->ItemIndex(), 2) << "wrapped";
  // With ImmediateUpdateText the key follows the list at once.
  edit->TextProperties()->SetImmediateUpdateText(true);
  data->StepItem(cxLookupStepPrior, false);
  EXPECT_EQ(data->KeyIndex(), 1);
  EXPECT_EQ(events.Count, 4);
}

TEST_F(LookupDataTest, WritingAKeyFiresOncePerChangeAndForAnotherText) {
  data->WriteKey(Variant(2));
  EXPECT_EQ(events.Count, 1);
  edit->SetText(L"Banana");
  data->WriteKey(Variant(2));
  EXPECT_EQ(events.Count, 1) << "same key, same text";
  edit->SetText(L"banana");
  data->WriteKey(Variant(2));
  EXPECT_EQ(events.Count, 2) << "same key, the text differs in case";
  data->WriteKey(Variant(9));
  EXPECT_EQ(events.Count, 2) << "a key outside the items changes nothing";
  data->WriteKey(Null());
  EXPECT_EQ(data->KeyIndex(), -1);
  EXPECT_EQ(events.Count, 3);
}

TEST_F(LookupDataTest, ChoosingAnItemAppliesItExactlyOnce) {
  TTestEditListBox* list = ShowList();
  data->ChooseListItem();
  EXPECT_EQ(events.Count, 0) << "nothing highlighted";
  struct Case {
    const char* What;
    const wchar_t* Text;
    int Current, Chosen;
  };
  const Case cases[] = {
      {"another item", L"Apple", 0, 2},
      {"the current item, its text shown", L"Banana", 2, 2},
      {"the current item under a typed prefix", L"Ban", 2, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    data->MakeItemCurrent(c.Current);
    edit->SetText(c.Text);
    events.Keys.clear();
    list->SetItemIndex(c.Chosen);
    EXPECT_EQ(data->ListIndex(), c.Chosen) << "the list reports its selection";
    data->ChooseListItem();
    EXPECT_EQ(events.Keys, (std::vector<int>{c.Chosen}));
  }
}

TEST_F(LookupDataTest, TheKeyFollowsTheEditorsText) {
  struct Case {
    const wchar_t* Text;
    int Before, After;
  };
  const Case cases[] = {
      {L"banana", 2, 2},  // the current item, letter case ignored: kept
      {L"ban", -1, 2},    // the first item starting with the text
      {L"ap", 2, 0},
      {L"zz", 1, -1},  // no item: cleared
  };
  for (const Case& c : cases) {
    data->MakeItemCurrent(c.Before);
    edit->SetText(c.Text);
    data->SyncItemIndex();
    EXPECT_EQ(data->KeyIndex(), c.After) << std::string(c.Text, c.Text + wcslen(c.Text));
  }
  EXPECT_EQ(events.Count, 0);
  EXPECT_TRUE(data->ContainsText(L"APRICOT"));
  EXPECT_FALSE(data->ContainsText(L"apri"));
  EXPECT_FALSE(data->IsEmpty());
}

TEST_F(LookupDataTest, PointsInTheListAndItsBounds) {
  TTestEditListBox* list = ShowList();
  EXPECT_EQ(list->BoundsRect(), popup->ClientRect());
  EXPECT_TRUE(list->IsVisibleWindow());
  const TPoint inside = list->ClientToScreen(TPoint{5, 5});
  EXPECT_TRUE(data->IsPointInList(inside));
  EXPECT_FALSE(data->IsPointInList(list->ClientToScreen(TPoint{5, list->Height() + 2})));
  // New bounds keep the horizontal extent the list had.
  SendMessageW(list->Handle(), LB_SETHORIZONTALEXTENT, 500, 0);
  data->SetListBounds(TRect{0, 0, 120, 60});
  EXPECT_EQ(list->BoundsRect(), (TRect{0, 0, 120, 60}));
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETHORIZONTALEXTENT, 0, 0), 500);
  // A new window keeps the rows and the highlight.
  data->SelectListItem(2);
  list->RecreateList();
  list->HandleNeeded();
  EXPECT_EQ(list->Items()->Count(), 3);
  EXPECT_EQ(list->ItemIndex(), 2);
  popup->CloseUp();
  EXPECT_FALSE(list->IsVisibleWindow());
}

TEST_F(LookupDataTest, TheHighlightFollowsTheRealPointerAndAClickChooses) {
  TTestEditListBox* list = ShowList();
  MoveMouseTo(RowCenterOnScreen(list, 1));
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(data->ListIndex(), 1);
  EXPECT_EQ(data->KeyIndex(), -1) << "hovering chooses nothing";
  // Below the last row the highlight stays where it was.
  MoveMouseTo(list->ClientToScreen(TPoint{10, list->Height() - 3}));
  EXPECT_EQ(list->ItemIndex(), 1);
  list->TrackMouse = false;
  MoveMouseTo(RowCenterOnScreen(list, 2));
  EXPECT_EQ(list->ItemIndex(), 1) << "TrackMouse off";
  list->TrackMouse = true;
  ClickAt(RowCenterOnScreen(list, 2));
  EXPECT_EQ(data->ListIndex(), 2);
  data->ChooseListItem();
  EXPECT_EQ(data->KeyIndex(), 2);
  EXPECT_EQ(events.Keys, (std::vector<int>{2}));
}

TEST_F(LookupDataTest, TheWheelScrollsTheListByTheSystemsLines) {
  for (int i = 0; i < 40; ++i) edit->TextProperties()->LookupItems()->Add(L"Item " + IntToStr(i));
  TTestEditListBox* list = ShowList();
  UINT lines = 0;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  ASSERT_GT(lines, 0u);
  ASSERT_LT(lines, 20u);
  const LPARAM at = MAKELPARAM(RowCenterOnScreen(list, 0).X, RowCenterOnScreen(list, 0).Y);
  SendMessageW(list->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), at);
  EXPECT_EQ(list->TopIndex(), int(lines));
  SendMessageW(list->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), at);
  EXPECT_EQ(list->TopIndex(), 0);
  // One page per notch is a page, not four billion lines.
  SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, WHEEL_PAGESCROLL, nullptr, 0);
  SendMessageW(list->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), at);
  SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0);
  EXPECT_GT(list->TopIndex(), 0);
  EXPECT_EQ(data->KeyIndex(), -1) << "scrolling chooses nothing";
}

// The list paints its rows from the lookup data's item texts as a combo would
// feed them; the highlighted row is focused while the focus stays in the form.
class TTextFeedingList : public TTestEditListBox {
  VAMIRE_CLASS(TTextFeedingList, TTestEditListBox)
 public:
  using TCreateArg = TComponent;
  explicit TTextFeedingList(TComponent* AOwner) : TTestEditListBox(AOwner) {}
  TcxCustomTextEditLookupData* Data = nullptr;
  void GetItemText(int AIndex, String& AText) override { Data->GetItemText(AIndex, AText); }
};
class TTextFeedingData : public TTestLookupData {
  VAMIRE_CLASS(TTextFeedingData, TTestLookupData)
 public:
  using TTestLookupData::TTestLookupData;
  TClass GetListBoxClass() override { return TTextFeedingList::StaticClass(); }
};

TEST_F(LookupDataTest, RowsArePaintedWithTheirTextIndentedAndTheHighlightFocused) {
  TTextFeedingData feeding(edit);
  feeding.PrepareList(popup);
  auto* list = static_cast<TTextFeedingList*>(feeding.GetListControl());
  list->Data = &feeding;
  feeding.MakeItemCurrent(1);
  popup->Popup(nullptr);
  feeding.SetListBounds(popup->ClientRect());
  PumpFor(100);
  list->DrawnStates.clear();
  list->Invalidate();
  list->Update();
  ASSERT_EQ(list->DrawnStates.size(), 3u);
  EXPECT_EQ(list->GetItemWidth(2), FontTextWidth(list->Font(), L"Banana"));
  EXPECT_NE(GetFocus(), list->Handle());
  EXPECT_TRUE(list->DrawnStates[1].Contains(odSelected));
  EXPECT_TRUE(list->DrawnStates[1].Contains(odFocused)) << "a shown list paints as focused";
  EXPECT_FALSE(list->FocusRectWanted()) << "free text: no focus rectangle";

  const vamire_test::Capture shot = vamire_test::CaptureClient(list->Handle());
  EXPECT_TRUE(shot.SavePng(L"lookup_list.png"));
  const uint32_t window = ColorToRGB(clWindow), highlight = ColorToRGB(clHighlight);
  const auto bgr = [](uint32_t c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); };
  const int h = list->ItemHeight();
  EXPECT_EQ(shot.At(0, h + h / 2), bgr(highlight)) << "the highlighted row's background";
  EXPECT_EQ(shot.At(shot.Width - 1, h / 2), bgr(window));
  // Text pixels in every row, none in the two indent columns.
  for (int row = 0; row < 3; ++row) {
    const uint32_t background = bgr(row == 1 ? highlight : window);
    int ink = 0;
    for (int y = row * h; y < (row + 1) * h; ++y) {
      for (int x = 0; x < 2; ++x) EXPECT_EQ(shot.At(x, y), background) << "row " << row;
      for (int x = 2; x < 60; ++x) ink += shot.At(x, y) != background;
    }
    EXPECT_GT(ink, 10) << "row " << row;
  }
}

// A pick-from-list or no-text editor's list draws the focus rectangle.
class TPickProperties : public TcxTextEditProperties {
  VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(TPickProperties, TcxTextEditProperties)
 public:
  explicit TPickProperties(TPersistent* AOwner) : TcxTextEditProperties(AOwner, StaticClass()) {}
  TcxTextEditingStyle GetEditingStyle() override { return Style; }
  TcxTextEditingStyle Style = tesPickFromList;
};
class TPickHostEdit : public TcxCustomEdit {
  VAMIRE_CLASS(TPickHostEdit, TcxCustomEdit)
 public:
  explicit TPickHostEdit(TComponent* AOwner) : TcxCustomEdit(AOwner, false, TPickProperties::StaticClass()) {}
};

TEST_F(LookupDataTest, TheFocusRectangleBelongsToTheListStylesWithoutText) {
  auto* pick = new TPickHostEdit(form);
  pick->SetParent(form);
  auto* pickPopup = new TcxCustomPopupWindow(pick);
  TTestLookupData pickData(pick);
  static_cast<TPickProperties*>(pick->ActiveProperties())->LookupItems()->Add(L"One");
  pickData.PrepareList(pickPopup);
  auto* list = static_cast<TTestEditListBox*>(pickData.GetListControl());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->OwnerEdit(), pick);
  EXPECT_TRUE(list->FocusRectWanted());
  static_cast<TPickProperties*>(pick->ActiveProperties())->Style = tesNoText;
  EXPECT_TRUE(list->FocusRectWanted());
  static_cast<TPickProperties*>(pick->ActiveProperties())->Style = tesCompleteFromList;
  EXPECT_FALSE(list->FocusRectWanted());
}

}  // namespace
