// The bar model without windows: items (hint, notifications, visibility, the
// click chain with an action), link collections (separators, group starts,
// recency, accelerators, merging), bars (main menu, merge errors, captions,
// reset question), categories and groups.
#include <vector>

#include "DialogService.h"
#include "bars_test_support.h"

using enum TdxBarItemMergeKind;

namespace {

using namespace bars_test;
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TBarUnits);

class TItem : public TdxBarItem {
  VAMIRE_CLASS(TItem, TdxBarItem)
 public:
  using TdxBarItem::TdxBarItem;
};

// A sub item of the tests: its own links, merged with another by caption.
class TSubItem : public TdxBarItem, public IdxBarLinksOwner {
  VAMIRE_CLASS(TSubItem, TdxBarItem)
 public:
  explicit TSubItem(TComponent* AOwner) : TdxBarItem(AOwner) {
    FOwnLinks = std::make_unique<TdxBarSubMenuControlItemLinks>(BarManager(), this);
    SetMergeKind(mkMergeByCaption);
  }
  ~TSubItem() override { FOwnLinks.reset(); }
  TdxBarItemLinks* SubItemLinks() override { return FOwnLinks.get(); }
  bool CanMergeWith(TdxBarItem* AItem) override { return dynamic_cast<TSubItem*>(AItem) != nullptr; }
  bool CanContainItem(TdxBarItem*, String&) override { return true; }
  TComponent* GetInstance() override { return this; }
  TdxBarItemLinks* GetItemLinks() override { return FOwnLinks.get(); }

 private:
  std::unique_ptr<TdxBarSubMenuControlItemLinks> FOwnLinks;
};

// A links owner that takes only items without "!" in their caption.
class TPickyOwner : public IdxBarLinksOwner {
 public:
  bool CanContainItem(TdxBarItem* AItem, String& AErrorText) override {
    if (AItem->Caption().find(L'!') == String::npos) return true;
    AErrorText = L"Not here: " + AItem->Caption();
    return false;
  }
  TComponent* GetInstance() override { return nullptr; }
  TdxBarItemLinks* GetItemLinks() override { return nullptr; }
};

struct TCounter {
  int Calls = 0;
  std::vector<TObject*> Senders;
  void Notify(TObject* Sender) {
    ++Calls;
    Senders.push_back(Sender);
  }
  void ListChanged(TObject*, TComponent*, TcxComponentCollectionNotification) { ++Calls; }
  void Clicked(TdxBarManager*, TdxBarItem* Item) { Senders.push_back(Item); }
};

class BarModelTest : public testing::Test {
 protected:
  void SetUp() override {
    Form = MakeForm();
    Manager = new TdxBarManager(Form);
    Manager->SetStyle(bmsFlat);
  }
  void TearDown() override { Form->Free(); }
  template <class T = TItem>
  T* Item(const String& Caption, int Category = 0) {
    auto* item = new T(Form);
    item->SetCaption(Caption);
    item->SetCategory(Category);
    return item;
  }
  std::vector<String> Shown(TdxBarItemLinks* Links) {
    std::vector<String> captions;
    for (int i = 0; i < Links->GetShownLinkCount(); ++i) captions.push_back(Links->GetShownLink(i)->Caption());
    return captions;
  }
  THostForm* Form = nullptr;
  TdxBarManager* Manager = nullptr;
};

// --- Items ---------------------------------------------------------------------------------

TEST_F(BarModelTest, TheHintFollowsTheCaption) {
  struct {
    const wchar_t* Hint;  // set after the caption "&Open..."
    const wchar_t* After;  // once the caption is "&Save"
  } cases[] = {
      {L"", L"Save"},
      {L"Open|Opens a file", L"Save|Opens a file"},
      {L"Something else", L"Something else"},
  };
  for (const auto& c : cases) {
    TItem* item = Item(L"&Open...");
    EXPECT_EQ(item->Hint(), L"Open") << "an empty hint takes the cleaned caption";
    item->SetHint(c.Hint);
    if (*c.Hint == 0) item->SetHint(L"");
    item->SetCaption(L"&Save");
    EXPECT_EQ(item->Hint(), c.After) << UTF8Encode(c.Hint);
  }
}

TEST_F(BarModelTest, ARepeatedCaptionNotifiesOnce) {
  TItem* item = Item(L"One");
  TdxBarComponentList list;
  TCounter counter;
  list.OnComponentListChanged = TcxComponentListChangeEvent(&counter, &TCounter::ListChanged);
  list.Add(item);
  const int before = counter.Calls;
  item->SetCaption(L"Two");
  item->SetCaption(L"Two");
  EXPECT_EQ(counter.Calls, before + 1);
  EXPECT_EQ(item->NotifyListCount(), 1);
  list.Remove(item);
  EXPECT_EQ(item->NotifyListCount(), 0) << "a list that lets the item go is forgotten";
}

TEST_F(BarModelTest, VisibilityFollowsTheCustomizingState) {
  struct {
    TdxBarItemVisible Visible;
    bool AtRunTime, WhileCustomizing;
  } cases[] = {{ivAlways, true, true}, {ivInCustomizing, false, true}, {ivNever, false, false}};
  TdxBar* bar = Manager->AddToolbar();
  for (const auto& c : cases) {
    TItem* item = Item(L"Item");
    item->SetVisible(c.Visible);
    TdxBarItemLink* link = bar->ItemLinks()->AddItem(item);
    EXPECT_EQ(item->IsShownNow(), c.AtRunTime);
    EXPECT_EQ(link->GetVisibleIndex() >= 0, c.AtRunTime);
    Manager->SetCustomizing(true);
    bar->ItemLinks()->RebuildLinkLists();
    EXPECT_EQ(item->IsShownNow(), c.WhileCustomizing);
    EXPECT_EQ(link->GetVisibleIndex() >= 0, c.WhileCustomizing);
    Manager->SetCustomizing(false);
    item->Free();
  }
}

TEST_F(BarModelTest, TheClickChainWithAnAction) {
  auto* actions = new TActionList(Form);
  auto* action = new TAction(Form);
  action->SetActionList(actions);
  action->SetCaption(L"&Print");
  action->SetShortCut(0x4050);
  TCounter executed, updated, other, clicks;
  action->SetOnExecute(TNotifyEvent(&executed, &TCounter::Notify));
  action->OnUpdate = TNotifyEvent(&updated, &TCounter::Notify);
  Manager->OnClickItem = TdxBarClickItemEvent(&clicks, &TCounter::Clicked);
  TItem* item = Item(L"");
  item->SetAction(action);
  EXPECT_EQ(item->Caption(), L"&Print") << "the action's values are taken";
  EXPECT_EQ(item->ShortCut(), 0x4050);
  EXPECT_TRUE(item->OnClick() == action->OnExecute());
  item->Click();
  EXPECT_EQ(executed.Calls, 1);
  EXPECT_EQ(updated.Calls, 1) << "run through the action, which updates first";
  ASSERT_EQ(clicks.Senders.size(), 1u);
  EXPECT_EQ(clicks.Senders[0], item) << "the manager is told first";
  action->SetCaption(L"&Print all");
  EXPECT_EQ(item->Caption(), L"&Print all") << "later changes of the action follow";

  item->SetOnClick(TNotifyEvent(&other, &TCounter::Notify));
  item->Click();
  EXPECT_EQ(other.Calls, 1) << "a different OnClick runs instead of the action";
  EXPECT_EQ(executed.Calls, 1);

  action->SetEnabled(false);
  EXPECT_FALSE(item->Enabled()) << "Enabled follows the action";
  EXPECT_TRUE(item->OnClick() == action->OnExecute()) << "a change of the action applies all its values again";
  item->Click();
  EXPECT_EQ(executed.Calls + other.Calls, 2) << "a disabled item does nothing";
  EXPECT_EQ(clicks.Senders.size(), 2u);

  action->Free();
  EXPECT_EQ(item->Action(), nullptr) << "a freed action is let go";
  item->SetEnabled(true);
  item->Click();
  EXPECT_EQ(executed.Calls, 2) << "the handler it kept runs by itself";
  EXPECT_EQ(updated.Calls, 1);
}

TEST_F(BarModelTest, AssignToAnActionAndSmallRules) {
  TItem* item = Item(L"&Copy");
  item->SetVisible(ivInCustomizing);
  item->SetHelpContext(7);
  TAction action(nullptr);
  action.SetVisible(false);
  item->AssignTo(&action);
  EXPECT_EQ(action.Caption(), L"&Copy");
  EXPECT_EQ(action.HelpContext(), 7);
  EXPECT_FALSE(action.Visible()) << "ivInCustomizing leaves the action's Visible as it was";
  item->SetVisible(ivAlways);
  item->AssignTo(&action);
  EXPECT_TRUE(action.Visible());
  TBitmap bitmap;
  EXPECT_THROW(item->AssignTo(&bitmap), EConvertError) << "other destinations raise the assignment error";

  item->SetMergeOrder(-5);
  EXPECT_EQ(item->MergeOrder(), 0);
  item->SetWidth(20);
  item->SetWidth(-3);
  EXPECT_EQ(item->Width(), 20) << "negative widths are ignored";

  // An owner that is no manager and owns none: the first registered manager.
  TComponent loose(nullptr);
  auto* stray = new TItem(&loose);
  EXPECT_EQ(stray->BarManager(), Manager);
}

TEST_F(BarModelTest, TheCategorySetterMovesTheItem) {
  Manager->Categories()->Add(L"Edit");
  TItem* a = Item(L"A", 0);
  TItem* b = Item(L"B", 1);
  TItem* c = Item(L"C", 0);
  EXPECT_EQ(Manager->IndexOfItem(c), 1) << "behind A, the last item of category 0";
  c->SetCategory(1);
  EXPECT_EQ(Manager->IndexOfItem(c), 2) << "at B's place, the last of category 1, which stood after it";
  EXPECT_EQ(Manager->IndexOfItem(b), 1);
  a->SetCategory(1);
  EXPECT_EQ(Manager->IndexOfItem(a), 2);
  EXPECT_EQ(Manager->IndexOfItem(b), 0);
  b->SetCategory(7);
  EXPECT_EQ(b->Category(), 1) << "an invalid index is ignored";
}

// --- Links ---------------------------------------------------------------------------------

TEST_F(BarModelTest, SeparatorsArePrunedOnlyAtRunTime) {
  // Separators stand in menus only.
  TPickyOwner menu;
  TdxBarSubMenuControlItemLinks menuLinks(Manager, &menu);
  TdxBarItemLinks* links = &menuLinks;
  links->AddItem(Item(L"A"));
  links->AddItem(Item<TdxBarSeparator>(L"S1"));
  links->AddItem(Item<TdxBarSeparator>(L"S2"));
  links->AddItem(Item(L"B"));
  links->AddItem(Item<TdxBarSeparator>(L"S3"));
  links->RebuildLinkLists();
  EXPECT_EQ(Shown(links), (std::vector<String>{L"A", L"S2", L"B"}));
  Manager->SetCustomizing(true);
  links->RebuildLinkLists();
  EXPECT_EQ(Shown(links), (std::vector<String>{L"A", L"S1", L"S2", L"B", L"S3"}));
}

TEST_F(BarModelTest, AHiddenLinkPassesItsGroupStart) {
  // Separators stand in menus only.
  TPickyOwner menu;
  TdxBarSubMenuControlItemLinks menuLinks(Manager, &menu);
  TdxBarItemLinks* links = &menuLinks;
  TdxBarItemLink* a = links->AddItem(Item(L"A"));
  TdxBarItemLink* hidden = links->AddItem(Item(L"H"));
  TdxBarItemLink* b = links->AddItem(Item(L"B"));
  hidden->SetBeginGroup(true);
  hidden->SetVisible(false);
  EXPECT_TRUE(b->BeginGroup());
  EXPECT_FALSE(a->BeginGroup());
  a->SetBeginGroup(true);
  EXPECT_FALSE(a->BeginGroup()) << "never at the first shown place";
  hidden->SetVisible(true);
  EXPECT_FALSE(b->BeginGroup());
  // A group start right after a separator is not drawn twice.
  TdxBarItemLink* separator = links->InsertLink(2);
  separator->SetItem(Item<TdxBarSeparator>(L"S"));
  b->SetBeginGroup(true);
  links->RebuildLinkLists();
  EXPECT_FALSE(b->BeginGroup());
}

TEST_F(BarModelTest, RecencyThresholdAndLimits) {
  Manager->SetMostRecentItemsPercents(50);
  TdxBar* bar = Manager->AddToolbar();
  TdxBarItemLinks* links = bar->ItemLinks();
  TdxBarItemLink* a = links->AddItem(Item(L"A"));
  TdxBarItemLink* b = links->AddItem(Item(L"B"));
  TdxBarItemLink* c = links->AddItem(Item(L"C"));
  a->SetUseCount(0);
  b->SetUseCount(2);
  c->SetUseCount(10);
  c->MoveToRecentIndex(0);
  b->MoveToRecentIndex(1);
  a->MoveToRecentIndex(2);
  EXPECT_EQ(links->GetRecentLinkCount(), 1) << "threshold 0 + 10 * 50 / 100 = 5: only C";
  b->SetUseCount(5);
  EXPECT_EQ(links->GetRecentLinkCount(), 2);
  a->SetUseCount(7);
  EXPECT_EQ(links->GetRecentLinkCount(), 1) << "threshold 5 + 5 * 50 / 100 = 8 (rounded)";
  a->SetUseCount(10);
  b->SetUseCount(10);
  EXPECT_EQ(links->GetRecentLinkCount(), -1) << "every link would be shown anyway";
  a->MarkAsRecentlyUsed();
  EXPECT_EQ(a->GetRecentIndex(), 0);
  EXPECT_EQ(a->UseCount(), 11);

  links->SetRecentLinkLimit(0);
  EXPECT_EQ(links->GetShownLinkCount(), 0) << "a limit of 0 shows nothing";
  links->SetRecentLinkLimit(2);
  EXPECT_EQ(Shown(links), (std::vector<String>{L"A", L"C"})) << "the first two recent links, in visible order";
  links->SetRecentLinkLimit(-1);
  EXPECT_EQ(links->GetShownLinkCount(), 3);

  Manager->SetStyle(bmsStandard);
  EXPECT_EQ(links->GetRecentLinkCount(), -1);
  links->SetRecentLinkLimit(3);
  EXPECT_EQ(links->RecentLinkLimit(), -1);
}

TEST_F(BarModelTest, AcceleratorsGoThroughTheKeyboardLayout) {
  TdxBarSubMenuControlItemLinks links(Manager, nullptr);
  TdxBarItemLink* one = links.AddItem(Item(L"Item &1"));
  TdxBarItemLink* letter = links.AddItem(Item(L"&about"));
  const uint16_t vkA = VkKeyScanW(L'a') & 0xFF;
  struct {
    TdxBarItemLink* Link;
    uint16_t Key;
    TShiftState Shift;
    bool Matches;
  } cases[] = {
      {one, L'1', {}, true},          {one, L'1', {ssShift}, false}, {one, L'1', {ssCtrl}, false},
      {letter, vkA, {}, true},        {letter, vkA, {ssShift}, true}, {letter, vkA, {ssCtrl}, false},
      {letter, L'B', {}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.Link->MatchesAccelerator(c.Key, c.Shift), c.Matches) << UTF8Encode(c.Link->Caption()) << " " << c.Key;
  EXPECT_EQ(links.FindLinkByAccelerator(vkA, {ssAlt}, nullptr), letter) << "Alt is left out";
  EXPECT_EQ(links.FindLinkByAccelerator(L'1', {}, letter), one) << "the search wraps";
  letter->Item()->SetEnabled(false);
  EXPECT_EQ(links.FindLinkByAccelerator(vkA, {}, nullptr), nullptr) << "a disabled item is not activated";
}

TEST_F(BarModelTest, LinkingAndFreeingLinks) {
  TdxBar* bar = Manager->AddToolbar();
  const int live = TdxBarItemLink::LiveCount();
  TItem* item = Item(L"Item");
  TdxBarItemLink* link = bar->ItemLinks()->AddItem(item);
  EXPECT_EQ(TdxBarItemLink::LiveCount(), live + 1);
  EXPECT_EQ(item->LinkCount(), 1);
  link->SetItem(nullptr);
  EXPECT_EQ(TdxBarItemLink::LiveCount(), live) << "Item := nil frees the link";
  EXPECT_EQ(bar->ItemLinks()->Count(), 0);
  EXPECT_EQ(item->LinkCount(), 0);

  TPickyOwner picky;
  TdxBarSubMenuControlItemLinks links(Manager, &picky);
  links.AddItem(item);
  try {
    links.AddItem(Item(L"Refused!"));
    ADD_FAILURE() << "the owner's refusal raises";
  } catch (const EdxException& e) {
    EXPECT_EQ(e.Message(), L"Not here: Refused!");
  }
  EXPECT_EQ(links.Count(), 1) << "the refused link is freed";
  EXPECT_EQ(TdxBarItemLink::LiveCount(), live + 1);

  TdxBarItemLink* own = links.Links(0);
  own->SetUserCaption(L"Mine");
  EXPECT_EQ(own->Caption(), L"Mine");
  EXPECT_TRUE(own->UserDefine().Contains(udCaption));
  own->SetUserDefine({});
  EXPECT_EQ(own->UserCaption(), L"");
  EXPECT_EQ(own->Caption(), L"Item");
  item->Free();
  EXPECT_EQ(links.Count(), 0) << "a freed item takes its links along";
  EXPECT_EQ(TdxBarItemLink::LiveCount(), live);
}

TEST_F(BarModelTest, MergingLinksByOrderAndByCaption) {
  TdxBar* target = Manager->AddToolbar();
  TdxBar* source = Manager->AddToolbar();
  TItem* first = Item(L"First");
  TItem* last = Item(L"Last");
  last->SetMergeOrder(10);
  TItem* middle = Item(L"Middle");
  middle->SetMergeOrder(5);
  TSubItem* mine = Item<TSubItem>(L"&File");
  TSubItem* theirs = Item<TSubItem>(L"&File");
  mine->SubItemLinks()->AddItem(Item(L"Open"));
  theirs->SubItemLinks()->AddItem(Item(L"Close"));
  target->ItemLinks()->AddItem(first);
  target->ItemLinks()->AddItem(mine);
  target->ItemLinks()->AddItem(last);
  source->ItemLinks()->AddItem(middle);
  source->ItemLinks()->AddItem(theirs);
  source->SetVisible(true);
  target->Merge(source);
  std::vector<String> captions;
  for (int i = 0; i < target->ItemLinks()->Count(); ++i) captions.push_back(target->ItemLinks()->Links(i)->Caption());
  EXPECT_EQ(captions, (std::vector<String>{L"First", L"&File", L"Middle", L"Last"}))
      << "by MergeOrder: behind the greatest order not above 5";
  EXPECT_EQ(mine->SubItemLinks()->Count(), 2) << "the sub items were merged by caption";
  EXPECT_FALSE(source->Visible()) << "the merged bar is hidden";
  EXPECT_EQ(target->ItemLinks()->Links(2)->MergeOrigin(), source);
  target->UnMerge(source);
  EXPECT_EQ(target->ItemLinks()->Count(), 3);
  EXPECT_EQ(mine->SubItemLinks()->Count(), 1) << "links are unmerged by their origin";
  EXPECT_TRUE(source->Visible()) << "visibility comes back";
}

// --- Bars ----------------------------------------------------------------------------------

TEST_F(BarModelTest, MainMenuCaptionsAndMultiLine) {
  TdxBar* first = Manager->AddToolbar(true);
  TdxBar* second = Manager->AddToolbar();
  EXPECT_TRUE(first->IsMainMenu());
  EXPECT_TRUE(first->MultiLine());
  EXPECT_TRUE(first->WholeRow());
  first->SetMultiLine(false);
  EXPECT_TRUE(first->MultiLine()) << "refused while the main menu";
  second->SetIsMainMenu(true);
  EXPECT_FALSE(first->IsMainMenu());
  EXPECT_FALSE(first->MultiLine());
  EXPECT_EQ(Manager->GetMainMenuBar(), second);
  second->SetCaption(first->Caption());
  EXPECT_NE(second->Caption(), first->Caption()) << "a duplicate caption is ignored";
  first->Free();
  EXPECT_EQ(Manager->Bars()->Count(), 1);
}

struct TBarEvents {
  std::vector<std::string> Seen;
  void Add(TdxBarManager* Sender, TdxBar* Bar) { Seen.push_back(Bar->BarManager() == Sender ? "add" : "add elsewhere"); }
  void Delete(TdxBarManager*, TdxBar* Bar) { Seen.push_back("delete " + UTF8Encode(Bar->Name())); }
  void Visible(TdxBarManager*, TdxBar* Bar) { Seen.push_back(Bar->Visible() ? "shown" : "hidden"); }
  void Docking(TdxBarManager*, TdxBar* Bar) { Seen.push_back("docking " + std::to_string(Bar->DockingStyle())); }
};

TEST_F(BarModelTest, BarEventsAndTheDockingPair) {
  TBarEvents events;
  Manager->SetName(L"Bars");
  Manager->OnBarAdd = TdxBarEvent(&events, &TBarEvents::Add);
  Manager->OnBarDelete = TdxBarEvent(&events, &TBarEvents::Delete);
  Manager->OnBarVisibleChange = TdxBarEvent(&events, &TBarEvents::Visible);
  Manager->OnBarDockingStyleChange = TdxBarEvent(&events, &TBarEvents::Docking);
  TdxBar* bar = Manager->Bars()->Add();
  bar->SetVisible(true);
  bar->SetVisible(true);
  TObject placed;
  bar->SetDockControl(&placed);
  bar->SetDockingStyle(dsLeft);
  EXPECT_EQ(bar->DockControl(), nullptr) << "a docking style of its own lets the placed dock control go";
  bar->DockTo(dsLeft, nullptr);
  bar->SetDockedLeft(-4);
  EXPECT_EQ(bar->DockedLeft(), 0);
  bar->SetRow(-2);
  EXPECT_EQ(bar->Row(), 0);
  bar->Free();
  EXPECT_EQ(events.Seen, (std::vector<std::string>{"add", "shown", "docking 0", "docking 1",
                                                   "delete BarsBar1"}));
  events.Seen.clear();
  Manager->Bars()->Add();
  Form->Free();
  Form = MakeForm();
  EXPECT_EQ(events.Seen, std::vector<std::string>{"add"}) << "no delete while the manager goes";
  Manager = new TdxBarManager(Form);
}

TEST_F(BarModelTest, AnItemMadeForALinkThatFailsIsFreed) {
  class TNoToolbarItem : public TdxBarItem {
   public:
    using TdxBarItem::TdxBarItem;
    bool CanBePlacedOn(int APlaceKind, TdxBar*, String& AReason) override {
      AReason = L"Menus only";
      return APlaceKind != 0;
    }
  };
  TdxBar* bar = Manager->AddToolbar();
  const int items = Manager->ItemCount();
  EXPECT_THROW(bar->ItemLinks()->AddItem(new TNoToolbarItem(Form)), EdxException);
  EXPECT_EQ(bar->ItemLinks()->Count(), 0);
  EXPECT_NE(bar->ItemLinks()->AddItemOfClass(TItem::StaticClass()), nullptr);
  EXPECT_EQ(Manager->ItemCount(), items + 2);
}

TEST_F(BarModelTest, ShortCutsAssignmentAndTheStatusBar) {
  TdxBar* bar = Manager->AddToolbar();
  TItem* save = Item(L"&Save");
  save->SetShortCut(0x4053);
  TCounter clicks;
  save->SetOnClick(TNotifyEvent(&clicks, &TCounter::Notify));
  bar->ItemLinks()->AddItem(Item(L"&Open"));
  bar->ItemLinks()->AddItem(save);
  EXPECT_TRUE(bar->HandleShortCut(0x4053));
  EXPECT_EQ(clicks.Calls, 1);
  EXPECT_FALSE(bar->HandleShortCut(0x4054));
  EXPECT_FALSE(bar->HandleShortCut(0)) << "no key, no search";
  save->SetEnabled(false);
  EXPECT_FALSE(bar->HandleShortCut(0x4053));
  EXPECT_EQ(clicks.Calls, 1);

  bar->ItemLinks()->Links(1)->SetVisible(false);
  bar->KeyTip = L"B";
  bar->SetMultiLine(true);
  bar->SetCaption(L"Source");
  TdxBar* copy = Manager->AddToolbar();
  copy->Assign(bar);
  EXPECT_NE(copy->Caption(), L"Source") << "captions stay unique";
  ASSERT_EQ(copy->ItemLinks()->Count(), 2);
  EXPECT_EQ(copy->ItemLinks()->Links(1)->Item(), save);
  EXPECT_FALSE(copy->ItemLinks()->Links(1)->Visible()) << "visibility is copied once the copy ends";
  EXPECT_EQ(copy->ItemLinks()->GetVisibleLinkCount(), 1);
  EXPECT_EQ(copy->KeyTip, L"") << "key tips and MultiLine are not copied";
  EXPECT_FALSE(copy->MultiLine());

  bar->SetBorderStyle(bbsNone);
  bar->SetDockingStyle(dsBottom);
  bar->SetWholeRow(true);
  EXPECT_TRUE(bar->IsStatusBar());
  EXPECT_TRUE(bar->IsSizeGripShown());
  bar->SetSizeGrip(false);
  EXPECT_FALSE(bar->IsSizeGripShown());
}

TEST_F(BarModelTest, MergeErrorsHaveTheirTexts) {
  TdxBar* a = Manager->AddToolbar();
  TdxBar* b = Manager->AddToolbar();
  TdxBar* c = Manager->AddToolbar();
  a->SetCaption(L"A");
  b->SetCaption(L"B");
  c->SetCaption(L"C");
  a->Merge(b);
  struct {
    std::function<void()> Call;
    const wchar_t* Text;
  } cases[] = {
      {[&] { b->Merge(c); }, L"You cannot merge a toolbar with a toolbar that is already merged"},
      {[&] { a->Merge(nullptr); }, L"You cannot merge with the specified toolbar"},
      {[&] { a->Merge(a); }, L"You cannot merge with the specified toolbar"},
      {[&] { a->Merge(b); }, L"The 'B' toolbar is already merged with the 'A' toolbar"},
      {[&] { c->Merge(a); }, L"The 'A' toolbar has merged toolbars"},
      {[&] { a->UnMerge(a); }, L"You cannot unmerge the specified toolbar"},
      {[&] { c->UnMerge(b); }, L"The 'B' toolbar is not merged with the 'C' toolbar"},
  };
  for (const auto& k : cases) {
    try {
      k.Call();
      ADD_FAILURE() << "no error for " << UTF8Encode(k.Text);
    } catch (const EdxException& e) {
      EXPECT_EQ(e.Message(), k.Text);
    }
  }
  EXPECT_EQ(a->MergedBarCount(), 1) << "nothing changed";
  a->UnMerge(c);
  EXPECT_EQ(a->MergedBarCount(), 1) << "unmerging a bar merged into none does nothing";

  // A bar made by merging goes when its last merged bar leaves.
  TdxBar* made = Manager->AddToolbar();
  made->CreatedByMerging = true;
  made->Merge(c);
  const int bars = Manager->Bars()->Count();
  made->UnMerge(c);
  EXPECT_EQ(Manager->Bars()->Count(), bars - 1);
  TdxBar* kept = Manager->AddToolbar();
  kept->CreatedByMerging = true;
  kept->KeepWhenEmptied = true;
  kept->Merge(c);
  kept->UnMerge(nullptr);
  EXPECT_TRUE(kept->Hidden());
  EXPECT_FALSE(kept->Visible());
}

TEST_F(BarModelTest, TheResetQuestion) {
  TdxBar* bar = Manager->AddToolbar();
  bar->SetCaption(L"Standard");
  TDialogAnswerScope answers;
  answers.Expect(dkMessageBox, IDCANCEL);
  bar->ResetWithConfirmation();
  ASSERT_EQ(answers.Requests().size(), 1u);
  EXPECT_EQ(answers.Requests()[0].Text, L"Are you sure you want to reset the changes made to the 'Standard' toolbar?");
  EXPECT_EQ(answers.Requests()[0].Type & (MB_TYPEMASK | MB_ICONMASK), UINT(MB_OKCANCEL | MB_ICONEXCLAMATION));
}

// --- Categories and groups -----------------------------------------------------------------

TEST_F(BarModelTest, CategoriesKeepTheItemsInStep) {
  struct {
    const char* What;
    std::function<void(TStrings*)> Change;
    std::vector<String> Names;
    std::vector<int> Categories;  // of items a0, b0, c1, d2 (-1: freed)
  } cases[] = {
      {"delete 1", [](TStrings* s) { s->Delete(1); }, {L"Default", L"Two"}, {0, 0, -1, 1}},
      {"move 0 to 2", [](TStrings* s) { s->Move(0, 2); }, {L"One", L"Two", L"Default"}, {2, 2, 0, 1}},
      {"move 2 to 0", [](TStrings* s) { s->Move(2, 0); }, {L"Two", L"Default", L"One"}, {1, 1, 2, 0}},
      {"exchange 0 and 2", [](TStrings* s) { s->Exchange(0, 2); }, {L"Two", L"One", L"Default"}, {2, 2, 1, 0}},
      {"insert at 1", [](TStrings* s) { s->Insert(1, L"New"); }, {L"Default", L"New", L"One", L"Two"}, {0, 0, 2, 3}},
      {"move out of range", [](TStrings* s) { s->Move(0, 9); }, {L"Default", L"One", L"Two"}, {0, 0, 1, 2}},
  };
  for (const auto& c : cases) {
    Manager->Categories()->Clear();
    for (const wchar_t* name : {L"Default", L"One", L"Two"}) Manager->Categories()->Add(name);
    std::vector<TItem*> items{Item(L"a", 0), Item(L"b", 0), Item(L"c", 1), Item(L"d", 2)};
    std::vector<TcxObjectLink*> alive;
    for (TItem* item : items) alive.push_back(CreateObjectLink(item));
    c.Change(Manager->Categories());
    std::vector<String> names;
    for (int i = 0; i < Manager->Categories()->Count(); ++i) names.push_back(Manager->Categories()->Strings(i));
    EXPECT_EQ(names, c.Names) << c.What;
    for (size_t i = 0; i < items.size(); ++i) {
      const int category = alive[i]->Target() ? items[i]->Category() : -1;
      EXPECT_EQ(category, c.Categories[i]) << c.What << " item " << i;
      if (alive[i]->Target()) items[i]->Free();
      FreeObjectLink(alive[i]);
    }
  }
  Manager->Categories()->Clear();
  Manager->Categories()->Add(L"Only");
  Manager->Categories()->Delete(0);
  ASSERT_EQ(Manager->Categories()->Count(), 1);
  EXPECT_EQ(Manager->Categories()->Strings(0), L"Default") << "the list never stays empty";
}

TEST_F(BarModelTest, GroupsSwitchTheirItemsAndRefuseRecursion) {
  TdxBarGroup* outer = Manager->AddGroup();
  TdxBarGroup* inner = Manager->AddGroup();
  TItem* a = Item(L"A");
  TItem* b = Item(L"B");
  outer->AddItem(a);
  outer->AddItem(inner);
  inner->AddItem(b);
  outer->AddItem(a);
  EXPECT_EQ(outer->ItemCount(), 2) << "once each";
  for (TdxBarGroup* looping : {outer, inner}) {
    try {
      inner->AddItem(looping);
      ADD_FAILURE() << "a group that would hold itself";
    } catch (const EdxException& e) {
      EXPECT_EQ(e.Message(), L"You cannot create recursive groups");
    }
  }
  EXPECT_EQ(inner->ItemCount(), 1);
  outer->SetVisible(ivNever);
  EXPECT_EQ(a->Visible(), ivNever);
  EXPECT_EQ(b->Visible(), ivNever) << "nested groups pass it on";
  outer->SetEnabled(false);
  EXPECT_FALSE(b->Enabled());
  EXPECT_FALSE(Manager->IsUpdateLocked());
  b->Free();
  EXPECT_EQ(inner->ItemCount(), 0) << "a freed member leaves the group";
}

// --- Small classes -------------------------------------------------------------------------

TEST_F(BarModelTest, AssigningAnItemAndTheBackgrounds) {
  Manager->Categories()->Add(L"Edit");
  TItem* source = Item(L"&Find...", 1);
  source->SetHint(L"Find|Finds text");
  source->SetMergeKind(mkNone);
  source->SetShortCut(0x4046);
  source->SetImageIndex(3);
  TItem* copy = Item(L"");
  copy->Assign(source);
  EXPECT_EQ(copy->Caption(), L"&Find...");
  EXPECT_EQ(copy->Hint(), L"Find|Finds text") << "the hint is copied as it is";
  EXPECT_EQ(copy->Category(), 1);
  EXPECT_EQ(copy->MergeKind(), mkNone);
  EXPECT_EQ(copy->ShortCut(), 0x4046);
  EXPECT_EQ(copy->ImageIndex(), 3);

  const int updates = Manager->UpdateCount();
  TBitmap tile;
  tile.SetWidth(8);
  tile.SetHeight(8);
  Manager->Backgrounds()->SetBar(&tile);
  EXPECT_EQ(Manager->UpdateCount(), updates + 1) << "a new bar background restyles the manager";
  Manager->Backgrounds()->SetSubMenu(&tile);
  EXPECT_EQ(Manager->UpdateCount(), updates + 1) << "the sub-menu background is only kept";
  EXPECT_EQ(Manager->Backgrounds()->SubMenu()->Width(), 8);
  Manager->Backgrounds()->SetBar(nullptr);
  EXPECT_EQ(Manager->UpdateCount(), updates + 2) << "clearing a background that was there restyles";
}

TEST_F(BarModelTest, ObjectListsAndKeyTips) {
  TdxObjectList list;
  TObject a, b;
  list.AddUnique(&a);
  list.AddUnique(&a);
  list.AddUnique(nullptr);
  list.AddUnique(&b);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Last(), &b);
  EXPECT_EQ(list.ItemOrNil(5), nullptr);
  TdxObjectList copy;
  copy.Add(&b);
  list.CopyTo(&copy);
  EXPECT_EQ(copy.Count(), 2);
  EXPECT_EQ(copy.Items(0), &a);

  struct TWindows : IdxBarKeyTipWindowsManager {
    std::vector<String> Shown;
    int Removed = 0;
    TObject Window;
    TObject* Add(const String& C, const TPoint&, uint8_t, uint8_t, uint8_t) override {
      Shown.push_back(C);
      return &Window;
    }
    void Remove(TObject*) override { ++Removed; }
  } windows;
  TdxBarKeyTipInfo info;
  info.KeyTip = L"fx";
  TdxBarKeyTipData tip(info);
  tip.ShowKeyTipWindow(&windows);
  tip.ShowKeyTipWindow(&windows);
  EXPECT_EQ(windows.Shown, (std::vector<String>{L"FX"}));
  tip.CloseKeyTipWindow(&windows);
  tip.CloseKeyTipWindow(&windows);
  EXPECT_EQ(windows.Removed, 1);
  EXPECT_EQ(tip.Window(), nullptr);
}

}  // namespace
