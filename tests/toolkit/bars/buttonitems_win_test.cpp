// The button and static item kinds: radio groups of checked buttons, the
// style and group setters, large buttons read from and written to form files
// with their image indexes kept in step, separators refused by toolbars, the
// application-menu item showing another button, and the registry's rows.
#include "bars_test_support.h"
#include "dxBarButtons_win.h"

namespace {

using namespace bars_test;
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TBarUnits);

class TClickCounter : public TObject {
  VAMIRE_CLASS(TClickCounter, TObject)
 public:
  int Clicks = 0;
  void Click(TObject*) { ++Clicks; }
};

class ButtonItemsTest : public testing::Test {
 protected:
  void SetUp() override {
    Form = MakeForm();
    Form->SetName(L"Host");
    Manager = new TdxBarManager(Form);
    Manager->SetName(L"Bars");
  }
  void TearDown() override { Form->Free(); }
  template <class T = TdxBarButton>
  T* Make(const String& Caption) {
    auto* item = new T(Form);
    item->SetCaption(Caption);
    item->SetCategory(0);
    return item;
  }
  std::vector<TdxBarButton*> Group(int Count, bool AllowAllUp) {
    std::vector<TdxBarButton*> buttons;
    for (int i = 0; i < Count; ++i) {
      TdxBarButton* b = Make(L"Mode " + IntToStr(i));
      b->SetButtonStyle(bsChecked);
      b->SetGroupIndex(1);
      buttons.push_back(b);
    }
    buttons.front()->SetAllowAllUp(AllowAllUp);
    return buttons;
  }
  static std::vector<bool> Downs(const std::vector<TdxBarButton*>& Buttons) {
    std::vector<bool> downs;
    for (TdxBarButton* b : Buttons) downs.push_back(b->Down());
    return downs;
  }
  THostForm* Form = nullptr;
  TdxBarManager* Manager = nullptr;
};

TEST_F(ButtonItemsTest, ThreeCheckedButtonsOfOneGroup) {
  std::vector<TdxBarButton*> g = Group(3, false);
  for (TdxBarButton* b : g) EXPECT_FALSE(b->AllowAllUp());
  g[0]->SetDown(true);
  EXPECT_EQ(Downs(g), (std::vector<bool>{true, false, false}));
  g[1]->Click();
  EXPECT_EQ(Downs(g), (std::vector<bool>{false, true, false})) << "pressing the second lowers the first";
  g[1]->SetDown(false);
  EXPECT_EQ(Downs(g), (std::vector<bool>{false, true, false})) << "the last one down stays down";
  g[1]->Click();
  EXPECT_TRUE(g[1]->Down()) << "nor does a click raise it";

  g[2]->SetAllowAllUp(true);
  for (TdxBarButton* b : g) EXPECT_TRUE(b->AllowAllUp()) << "the group shares the answer";
  g[1]->SetDown(false);
  EXPECT_EQ(Downs(g), (std::vector<bool>{false, false, false}));
  g[2]->Click();
  g[2]->Click();
  EXPECT_EQ(Downs(g), (std::vector<bool>{false, false, false})) << "a click toggles";

  // Another group is not touched.
  TdxBarButton* other = Make(L"Other");
  other->SetButtonStyle(bsChecked);
  other->SetGroupIndex(2);
  other->SetDown(true);
  g[0]->SetDown(true);
  EXPECT_TRUE(other->Down());
}

TEST_F(ButtonItemsTest, StyleAndGroupSetters) {
  TdxBarButton* plain = Make(L"Plain");
  plain->SetGroupIndex(5);
  EXPECT_EQ(plain->GroupIndex(), 0) << "kept only for checked styles";
  plain->SetDown(true);
  EXPECT_FALSE(plain->Down()) << "a button that does not check is never down";

  struct TCase {
    TdxBarButtonStyle Style;
    bool Checks, DropsDown;
  };
  for (const TCase& c : std::vector<TCase>{{bsDefault, false, false},
                                           {bsChecked, true, false},
                                           {bsDropDown, false, true},
                                           {bsCheckedDropDown, true, true}}) {
    TdxBarButton* b = Make(L"Styled");
    b->SetButtonStyle(c.Style);
    EXPECT_EQ(b->ButtonStyle(), c.Style);
    EXPECT_EQ(b->IsCheckable(), c.Checks);
    EXPECT_EQ(b->HasDropDownPart(), c.DropsDown);
  }

  // The last button down of a group that must keep one down is released all the same.
  std::vector<TdxBarButton*> g = Group(2, false);
  g[0]->SetDown(true);
  g[0]->SetButtonStyle(bsCheckedDropDown);
  EXPECT_FALSE(g[0]->Down()) << "setting the style releases Down";
  g[1]->SetDown(true);
  g[1]->SetGroupIndex(3);
  EXPECT_FALSE(g[1]->Down()) << "so does a new group";
  EXPECT_EQ(g[1]->GroupIndex(), 3);

  TClickCounter counter;
  TdxBarButton* check = Make(L"Check");
  check->SetButtonStyle(bsChecked);
  check->SetOnClick(TNotifyEvent(&counter, &TClickCounter::Click));
  check->Click();
  EXPECT_TRUE(check->Down());
  EXPECT_EQ(counter.Clicks, 1);
  check->SetEnabled(false);
  check->Click();
  EXPECT_TRUE(check->Down()) << "a disabled button neither toggles";
  EXPECT_EQ(counter.Clicks, 1) << "nor clicks";
}

TEST_F(ButtonItemsTest, TextsActionsAndAccelerators) {
  EXPECT_EQ(Make(L"")->GetDefaultCaption(), L"New Button");
  EXPECT_EQ(Make<TdxBarSeparator>(L"")->GetDefaultCaption(), L"New Separator");
  EXPECT_TRUE(Make<TdxBarLabel>(L"")->ShowCaption());
  TdxBarLargeButton* large = Make<TdxBarLargeButton>(L"Large");
  EXPECT_TRUE(large->ShowCaption());
  EXPECT_EQ(large->GlyphLayout(), glTop);
  EXPECT_TRUE(large->SyncImageIndex());

  // At run time: the item's actions plus the paint style; large buttons without it.
  const uint16_t item = Make<TdxBarLabel>(L"")->GetSupportedActions();
  EXPECT_EQ(Make(L"")->GetSupportedActions(), item | 0x20);
  EXPECT_EQ(large->GetSupportedActions(), item & ~0x20);
  EXPECT_EQ(Make<TdxBarSeparator>(L"")->GetSupportedActions(), item & ~0x1000);

  TdxBar* bar = Manager->AddToolbar();
  TdxBarButton* b = Make(L"&Print");
  TdxBarItemLink* link = bar->ItemLinks()->AddItem(b);
  struct TCase {
    TdxBarPaintStyle Style;
    bool Activates;
  };
  for (const TCase& c :
       std::vector<TCase>{{psStandard, false}, {psCaption, true}, {psCaptionInMenu, false}, {psCaptionGlyph, true}}) {
    b->SetPaintStyle(c.Style);
    EXPECT_EQ(b->CanActivateByAccelerator(link), c.Activates) << int(c.Style);
  }
  b->SetEnabled(false);
  EXPECT_FALSE(b->CanActivateByAccelerator(link));
  TdxBarItemLink* largeLink = bar->ItemLinks()->AddItem(large);
  large->SetPaintStyle(psCaption);
  EXPECT_TRUE(large->CanActivateByAccelerator(largeLink));
  large->SetShowCaption(false);
  EXPECT_FALSE(large->CanActivateByAccelerator(largeLink)) << "large buttons also need their caption shown";

  // A checked action drives Down, and Down is then not written.
  auto* action = new TAction(Form);
  action->SetCaption(L"Grid");
  action->SetChecked(true);
  TdxBarButton* bound = Make(L"");
  bound->SetButtonStyle(bsChecked);
  bound->SetAction(action);
  EXPECT_TRUE(bound->Down());
  EXPECT_FALSE(bound->IsDownStored());
  action->SetChecked(false);
  EXPECT_FALSE(bound->Down());
}

TEST_F(ButtonItemsTest, ASeparatorIsRefusedByAToolbar) {
  TdxBarSeparator* separator = Make<TdxBarSeparator>(L"Presets");
  String reason;
  EXPECT_TRUE(separator->CanBePlacedOn(1, nullptr, reason));
  EXPECT_EQ(reason, L"");
  TdxBar* bar = Manager->AddToolbar();
  EXPECT_FALSE(separator->CanBePlacedOn(0, bar, reason));
  EXPECT_EQ(reason, L"A separator item cannot be placed on the specified toolbar");
  try {
    bar->ItemLinks()->AddItem(separator);
    ADD_FAILURE() << "the toolbar takes no separator";
  } catch (const EdxException& e) {
    EXPECT_NE(e.Message().find(L"A separator item cannot be placed on the specified toolbar"), String::npos)
        << e.Message();
  }
  EXPECT_EQ(bar->ItemLinks()->Count(), 0);
}

TEST_F(ButtonItemsTest, TheApplicationMenuItemFollowsItsExternalItem) {
  auto* item = Make<TdxBarApplicationMenuButtonItem>(L"Own");
  EXPECT_EQ(item->Visible(), ivNever) << "nothing of its own is shown";
  EXPECT_EQ(item->Caption(), L"Own");

  TClickCounter counter;
  TdxBarButton* external = Make(L"&File");
  external->SetHint(L"File commands");
  external->SetImageIndex(3);
  external->SetOnClick(TNotifyEvent(&counter, &TClickCounter::Click));
  item->SetExternalItem(external);
  EXPECT_EQ(item->Caption(), L"&File");
  EXPECT_EQ(item->Hint(), L"File commands");
  EXPECT_EQ(item->ImageIndex(), 3);
  EXPECT_EQ(item->Visible(), ivAlways);
  EXPECT_EQ(item->Glyph(), external->Glyph());
  item->Click();
  EXPECT_EQ(counter.Clicks, 1) << "a click runs the external button's";
  external->SetEnabled(false);
  EXPECT_FALSE(item->Enabled());

  delete external;
  EXPECT_EQ(item->ExternalItem(), nullptr) << "a freed external item is let go";
  EXPECT_EQ(item->Caption(), L"Own");
  EXPECT_EQ(item->Visible(), ivNever);
}

// --- Large buttons in form files -----------------------------------------------------------

// A form with a manager and one large button as the writer puts it, with the
// image values of a case put in at the button's place.
String FormWithLargeButton(const String& Values) {
  THostForm* form = TCustomForm::Create<THostForm>(nullptr);
  form->SetName(L"Host");
  auto* manager = new TdxBarManager(form);
  manager->SetName(L"Bars");
  auto* big = new TdxBarLargeButton(form);
  big->SetName(L"Big");
  big->SetCaption(L"Wall");
  big->SetCategory(0);
  String text = WriteFormText(form);
  form->Free();
  const String anchor = L"    Caption = 'Wall'\n";
  const size_t at = text.find(anchor);
  if (at != String::npos) text.insert(at + anchor.size(), Values);
  return text;
}

struct TLargeCase {
  const char* Name;
  String Values;
  int ImageIndex, LargeImageIndex;
  bool Sync;
};

TEST(LargeButtonStreaming, ImageIndexesReadAndWrittenBack) {
  RegisterClasses({THostForm::StaticClass()});
  const std::vector<TLargeCase> cases = {
      {"only the large index", L"    LargeImageIndex = 4\n", 4, 4, true},
      {"an older file with the small index only", L"    ImageIndex = 3\n", 3, 3, true},
      {"both, not in step",
       L"    ImageIndex = 2\n    LargeImageIndex = 4\n    SyncImageIndex = "
       L"False\n",
       2, 4, false},
      {"both equal, in step", L"    ImageIndex = 5\n    LargeImageIndex = 5\n", 5, 5, true},
  };
  for (const TLargeCase& c : cases) {
    SCOPED_TRACE(c.Name);
    THostForm* form = TCustomForm::Create<THostForm>(nullptr);
    ASSERT_EQ(ReadFormText(FormWithLargeButton(c.Values), form), L"");
    auto* big = dynamic_cast<TdxBarLargeButton*>(form->FindComponent(L"Big"));
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->ImageIndex(), c.ImageIndex);
    EXPECT_EQ(big->LargeImageIndex(), c.LargeImageIndex);
    EXPECT_EQ(big->SyncImageIndex(), c.Sync);
    const String written = WriteFormText(form);
    EXPECT_EQ(written.find(L"ImageIndex = " + IntToStr(c.ImageIndex) + L"\n    LargeImageIndex") != String::npos ||
                  written.find(L"    ImageIndex = ") != String::npos,
              !c.Sync)
        << "the small index is written only when it does not follow:\n"
        << written;
    // Read back, the same values again.
    THostForm* again = TCustomForm::Create<THostForm>(nullptr);
    ASSERT_EQ(ReadFormText(written, again), L"");
    auto* copy = dynamic_cast<TdxBarLargeButton*>(again->FindComponent(L"Big"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->ImageIndex(), c.ImageIndex);
    EXPECT_EQ(copy->LargeImageIndex(), c.LargeImageIndex);
    EXPECT_EQ(copy->SyncImageIndex(), c.Sync);
    again->Free();

    if (c.Sync) {
      // At run time a new small index ends the following; a new large one while following moves both.
      big->SetLargeImageIndex(6);
      EXPECT_EQ(big->ImageIndex(), 6);
      big->SetImageIndex(7);
      EXPECT_FALSE(big->SyncImageIndex());
      EXPECT_EQ(big->LargeImageIndex(), 6);
      EXPECT_NE(WriteFormText(form).find(L"    ImageIndex = 7\n"), String::npos);
      big->SetSyncImageIndex(true);
      EXPECT_EQ(big->ImageIndex(), 6) << "following again copies the large index";
    }
    form->Free();
  }
  UnRegisterClasses({THostForm::StaticClass()});
}

// --- Registry ------------------------------------------------------------------------------

class TMyButton : public TdxBarButton {
  VAMIRE_CLASS(TMyButton, TdxBarButton)
 public:
  using TdxBarButton::TdxBarButton;
};

TEST(ButtonItemRegistry, RowsInOrder) {
  TdxBarItemList* registry = GetBarItemRegistry();
  ASSERT_NE(registry, nullptr);
  std::vector<TClass> classes;
  for (int i = 0; i < registry->Count(); ++i) classes.push_back(registry->ItemClassAt(i));
  const std::vector<TClass> mine = {TdxBarButton::StaticClass(), TdxBarLargeButton::StaticClass(),
                                    TdxBarLabel::StaticClass(), TdxBarSeparator::StaticClass(),
                                    TdxBarApplicationMenuButtonItem::StaticClass()};
  size_t at = 0;
  for (TClass c : classes)
    if (at < mine.size() && c == mine[at]) ++at;
  EXPECT_EQ(at, mine.size()) << "in the registry's order";
  std::vector<TClass> offered;
  for (int i = 0; i < registry->OfferedCount(); ++i) offered.push_back(registry->OfferedItemClass(i));
  EXPECT_NE(std::find(offered.begin(), offered.end(), TdxBarButton::StaticClass()), offered.end());
  EXPECT_NE(std::find(offered.begin(), offered.end(), TdxBarSeparator::StaticClass()), offered.end());
  EXPECT_EQ(std::find(offered.begin(), offered.end(), TdxBarLabel::StaticClass()), offered.end());
  EXPECT_EQ(std::find(offered.begin(), offered.end(), TdxBarApplicationMenuButtonItem::StaticClass()), offered.end());
  EXPECT_NE(FindClass(L"TdxBarLargeButton"), nullptr) << "form files make them by name";
  TMyButton mine2(nullptr);
  EXPECT_EQ(mine2.GetItemControlClass(), nullptr) << "an unregistered subclass gets no control class";
}

}  // namespace
