// The persistent, component and collection bases of cxClasses.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "cxClasses.h"

namespace {

// --- interfaced bases --------------------------------------------------------------------

class TSettings : public TcxInterfacedPersistent {
  VAMIRE_CLASS(TSettings, TcxInterfacedPersistent)
 public:
  using TcxInterfacedPersistent::TcxInterfacedPersistent;
};

TEST(InterfacedBasesTest, OwnershipDecidesLifetime) {
  TcxIUnknownObject object;
  EXPECT_EQ(object._AddRef(), -1);
  EXPECT_EQ(object._Release(), -1);
  void* intf = nullptr;
  EXPECT_EQ(object.QueryInterface(IInterface::IID, &intf), QI_OK);
  EXPECT_EQ(object.QueryInterface(TGUID::Parse("{11111111-2222-3333-4444-555555555555}"), &intf), QI_NOINTERFACE);

  TPersistent owner;
  std::unique_ptr<TObject> made(TSettings::StaticClass()->Create(&owner));  // the virtual constructor
  auto* settings = dynamic_cast<TSettings*>(made.get());
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(settings->GetOwner(), &owner);
  EXPECT_EQ(GetOwnerOf(settings), &owner);
}

// --- TcxComponent ------------------------------------------------------------------------

class TLinkingComponent : public TcxComponent {
  VAMIRE_CLASS(TLinkingComponent, TcxComponent)
 public:
  using TcxComponent::TcxComponent;
  std::vector<TComponent*> collect;

 protected:
  void CollectFakeLinkComponents(TList* AList) override {
    for (TComponent* c : collect) AList->Add(c);
  }
};

TEST(CxComponentTest, FakeLinksOnlyAtDesignTime) {
  TComponent form(nullptr);
  auto* component = new TLinkingComponent(&form);
  TComponent a(nullptr), b(nullptr), c(nullptr), d(nullptr);
  component->collect = {&a, &b, &c, &d};
  component->SetFakeComponentLink1(&d);
  component->RefreshFakeLinks();  // at run time: unchanged
  EXPECT_EQ(component->FakeComponentLink1(), &d);
  EXPECT_EQ(component->FakeComponentLink2(), nullptr);

  component->SetDesigning(true);
  component->RefreshFakeLinks();
  EXPECT_EQ(component->FakeComponentLink1(), &a);
  EXPECT_EQ(component->FakeComponentLink2(), &b);
  EXPECT_EQ(component->FakeComponentLink3(), &c);
  component->collect = {&b};
  component->Loaded();  // loading refreshes them
  EXPECT_EQ(component->FakeComponentLink1(), &b);
  EXPECT_EQ(component->FakeComponentLink2(), nullptr);
  EXPECT_EQ(component->FakeComponentLink3(), nullptr);

  TLinkingComponent unowned(nullptr);
  unowned.SetDesigning(true);
  unowned.collect = {&a};
  unowned.RefreshFakeLinks();  // no owner: nothing to do
  EXPECT_EQ(unowned.FakeComponentLink1(), nullptr);
}

TEST(CxComponentTest, FreeingALinkedComponentEmptiesItsLink) {
  TComponent form(nullptr);
  auto* component = new TLinkingComponent(&form);
  auto* first = new TComponent(&form);
  auto* second = new TComponent(nullptr);
  component->collect = {first, second};
  component->SetDesigning(true);
  component->RefreshFakeLinks();
  ASSERT_EQ(component->FakeComponentLink2(), second);
  delete second;
  EXPECT_EQ(component->FakeComponentLink1(), first);
  EXPECT_EQ(component->FakeComponentLink2(), nullptr);
  component->SetFakeComponentLink3(first);
  delete first;
  EXPECT_EQ(component->FakeComponentLink1(), nullptr);
  EXPECT_EQ(component->FakeComponentLink3(), nullptr);
}

TEST(CxComponentTest, FreeingTheOwnerClearsLinksToOwnedComponents) {
  auto* form = new TComponent(nullptr);
  auto* component = new TcxComponent(form);
  TcxObjectLink* link = CreateObjectLink(component);
  form->Free();
  EXPECT_EQ(link->Target(), nullptr);
  FreeObjectLink(link);
}

// --- TcxOwnedInterfacedCollection ---------------------------------------------------------

class TValueItem : public TcxInterfacedCollectionItem {
  VAMIRE_CLASS(TValueItem, TcxInterfacedCollectionItem)
 public:
  using TcxInterfacedCollectionItem::TcxInterfacedCollectionItem;
  int Value = 0;
  void Touch() { Changed(false); }
};

struct TCollectionWatcher {
  std::vector<TCollectionItem*> changes;
  void Changed(TObject*, TCollectionItem* item) { changes.push_back(item); }
  int ByValue(TObject*, TCollectionItem* a, TCollectionItem* b) {
    return static_cast<TValueItem*>(a)->Value - static_cast<TValueItem*>(b)->Value;
  }
};

std::vector<int> Values(TCollection& c) {
  std::vector<int> v;
  for (int i = 0; i < c.Count(); ++i) v.push_back(static_cast<TValueItem*>(c.Items(i))->Value);
  return v;
}

TValueItem* AddValue(TCollection& c, int value) {
  auto* item = static_cast<TValueItem*>(c.Add());
  item->Value = value;
  return item;
}

TEST(OwnedInterfacedCollectionTest, SortedWithoutCompareKeepsItsOrder) {
  TcxOwnedInterfacedCollection items(nullptr, TValueItem::StaticClass());
  items.SetSorted(true);
  for (int v : {3, 1, 2}) AddValue(items, v);
  items.BeginUpdate();
  items.EndUpdate();
  EXPECT_EQ(Values(items), (std::vector<int>{3, 1, 2}));
}

TEST(OwnedInterfacedCollectionTest, CompareSortsAfterWholeChangesOnly) {
  TcxOwnedInterfacedCollection items(nullptr, TValueItem::StaticClass());
  TCollectionWatcher watcher;
  items.OnChange = TcxOwnedInterfacedCollectionChangeEvent(&watcher, &TCollectionWatcher::Changed);
  items.OnCompare = TcxOwnedInterfacedCollectionCompareEvent(&watcher, &TCollectionWatcher::ByValue);
  TValueItem* first = AddValue(items, 3);
  AddValue(items, 1);
  AddValue(items, 2);
  items.SetSorted(true);  // takes effect with the next whole change
  EXPECT_EQ(Values(items), (std::vector<int>{3, 1, 2}));
  first->Value = 9;
  watcher.changes.clear();
  first->Touch();  // one item's change: reported, not sorted
  EXPECT_EQ(Values(items), (std::vector<int>{9, 1, 2}));
  ASSERT_EQ(watcher.changes.size(), 1u);
  EXPECT_EQ(watcher.changes[0], first);

  // Nested updates: one sort and one report when the outermost ends.
  watcher.changes.clear();
  items.BeginUpdate();
  items.BeginUpdate();
  AddValue(items, 0);
  items.EndUpdate();
  EXPECT_EQ(Values(items), (std::vector<int>{9, 1, 2, 0}));
  EXPECT_TRUE(watcher.changes.empty());
  items.EndUpdate();
  EXPECT_EQ(Values(items), (std::vector<int>{0, 1, 2, 9}));
  ASSERT_EQ(watcher.changes.size(), 1u);
  EXPECT_EQ(watcher.changes[0], nullptr);
  EXPECT_FALSE(items.IsDestroying());
}

TEST(OwnedInterfacedCollectionTest, ItemsCountThroughTheOwnersInterface) {
  struct TCountingOwner : TPersistent, virtual IInterface {
    int refs = 0;
    int32_t QueryInterface(const TGUID& iid, void** obj) override { return GetInterface(iid, obj) ? QI_OK : QI_NOINTERFACE; }
    int32_t _AddRef() override { return ++refs; }
    int32_t _Release() override { return --refs; }
    bool GetInterface(const TGUID& iid, void** obj) override {
      return InterfaceTable<IInterface>(this, iid, obj) || TPersistent::GetInterface(iid, obj);
    }
  } owner;
  TcxOwnedInterfacedCollection owned(&owner, TValueItem::StaticClass());
  auto* item = static_cast<TValueItem*>(owned.Add());
  EXPECT_EQ(item->_AddRef(), 1);
  EXPECT_EQ(item->_Release(), 0);
  TcxOwnedInterfacedCollection unowned(nullptr, TValueItem::StaticClass());
  EXPECT_EQ(static_cast<TValueItem*>(unowned.Add())->_AddRef(), -1);
  EXPECT_EQ(owned._AddRef(), -1);
}

TEST(CxStringListTest, SortFollowsTheCompareEvent) {
  struct TByLength {
    int Compare(TStringList* list, int a, int b) { return int(list->Strings(a).size()) - int(list->Strings(b).size()); }
  } byLength;
  TcxStringList list;
  for (const wchar_t* s : {L"ccc", L"a", L"bb"}) list.Add(s);
  list.Sort();
  EXPECT_EQ(list.Strings(0), L"a");
  EXPECT_EQ(list.Strings(2), L"ccc");
  list.Clear();
  for (const wchar_t* s : {L"b", L"aaa", L"cc"}) list.Add(s);
  list.OnCompare = TcxStringListCompareEvent(&byLength, &TByLength::Compare);
  list.Sort();
  EXPECT_EQ(list.Strings(0), L"b");
  EXPECT_EQ(list.Strings(1), L"cc");
  EXPECT_EQ(list.Strings(2), L"aaa");
}

// --- component collections ---------------------------------------------------------------

class TTestBar;
class TTestManager : public TComponent {
  VAMIRE_CLASS(TTestManager, TComponent)
 public:
  explicit TTestManager(TComponent* AOwner);
  ~TTestManager() override { delete Bars; }
  TcxComponentCollection* Bars;
};

class TTestBar : public TcxComponentCollectionItem {
  VAMIRE_CLASS(TTestBar, TcxComponentCollectionItem)
 public:
  using TcxComponentCollectionItem::TcxComponentCollectionItem;
  int Caption = 0;
  TcxComponentCollection* GetCollectionFor(TComponent* AParent) override {
    auto* manager = dynamic_cast<TTestManager*>(AParent);
    return manager ? manager->Bars : nullptr;
  }
  void Assign(TPersistent* Source) override {
    if (auto* bar = dynamic_cast<TTestBar*>(Source)) Caption = bar->Caption;
    else inherited::Assign(Source);
  }
};

class TOtherItem : public TcxComponentCollectionItem {
  VAMIRE_CLASS(TOtherItem, TcxComponentCollectionItem)
 public:
  using TcxComponentCollectionItem::TcxComponentCollectionItem;
  TcxComponentCollection* GetCollectionFor(TComponent*) override { return nullptr; }
};

TTestManager::TTestManager(TComponent* AOwner)
    : TComponent(AOwner), Bars(new TcxComponentCollection(this, TTestBar::StaticClass())) {}

struct TChange {
  TcxComponentCollectionItem* item;
  TcxComponentCollectionNotification action;
  friend bool operator==(const TChange&, const TChange&) = default;
};

struct TChangeLog {
  std::vector<TChange> changes;
  void Changed(TObject*, TcxComponentCollectionItem* item, TcxComponentCollectionNotification action) {
    changes.push_back({item, action});
  }
};

class ComponentCollectionTest : public testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TComponent>(nullptr);
    manager = new TTestManager(form.get());
    manager->Bars->OnChange = TcxComponentCollectionChangeEvent(&log, &TChangeLog::Changed);
  }
  TcxComponentCollection& bars() { return *manager->Bars; }
  TChangeLog log;  // outlives the form, whose end still reports
  std::unique_ptr<TComponent> form;
  TTestManager* manager = nullptr;
};

TEST_F(ComponentCollectionTest, AddedItemsJoinThroughTheirParentWithGrowingIds) {
  TcxComponentCollectionItem* a = bars().AddItem();
  TcxComponentCollectionItem* b = bars().AddItem();
  EXPECT_EQ(a->Owner(), form.get());
  EXPECT_EQ(a->GetParentComponent(), manager);
  EXPECT_TRUE(a->HasParent());
  EXPECT_EQ(b->IndexInCollection(), 1);
  EXPECT_EQ(log.changes, (std::vector<TChange>{{a, ItemAdded}, {b, ItemAdded}}));
  EXPECT_EQ(a->ID(), 0);
  EXPECT_EQ(b->ID(), 1);
  log.changes.clear();
  b->Free();
  EXPECT_EQ(log.changes, (std::vector<TChange>{{b, ItemExtracted}}));
  TcxComponentCollectionItem* c = bars().AddItem();
  EXPECT_EQ(c->ID(), 2);  // never a reused id
  EXPECT_EQ(bars().Count(), 2);
}

TEST_F(ComponentCollectionTest, ItemsOfAnotherClassAreIgnored) {
  TOtherItem other(nullptr);
  bars().AttachItem(&other);
  EXPECT_EQ(bars().Count(), 0);
  EXPECT_TRUE(log.changes.empty());
  EXPECT_EQ(other.Collection(), nullptr);
  EXPECT_FALSE(other.HasParent());
}

TEST_F(ComponentCollectionTest, MovingReportsAWholeChange) {
  TcxComponentCollectionItem* a = bars().AddItem();
  TcxComponentCollectionItem* b = bars().AddItem();
  log.changes.clear();
  a->MoveToIndex(0);  // already there: nothing
  EXPECT_TRUE(log.changes.empty());
  a->MoveToIndex(1);
  EXPECT_EQ(bars().Items(0), b);
  EXPECT_EQ(log.changes, (std::vector<TChange>{{nullptr, ItemChanged}}));
  log.changes.clear();
  b->NotifyChanged();
  b->NotifyChanged(true);
  EXPECT_EQ(log.changes, (std::vector<TChange>{{b, ItemChanged}, {nullptr, ItemChanged}}));
}

TEST_F(ComponentCollectionTest, ForcedUnlockInsideAnOuterUpdateReportsOnceAtTheEnd) {
  bars().LockUpdates();
  bars().LockUpdates();
  bars().AddItem();
  bars().UnlockUpdates(true);
  EXPECT_TRUE(log.changes.empty());
  bars().UnlockUpdates(true);
  EXPECT_EQ(log.changes, (std::vector<TChange>{{nullptr, ItemChanged}}));
}

TEST_F(ComponentCollectionTest, RemoveAllAssignAndDestruction) {
  for (int i = 0; i < 3; ++i) static_cast<TTestBar*>(bars().AddItem())->Caption = i + 10;
  TTestManager copy(nullptr);
  TChangeLog copyLog;
  copy.Bars->OnChange = TcxComponentCollectionChangeEvent(&copyLog, &TChangeLog::Changed);
  copy.Bars->AddItem();
  copy.Bars->Assign(&bars());
  ASSERT_EQ(copy.Bars->Count(), 3);
  EXPECT_EQ(static_cast<TTestBar*>(copy.Bars->Items(2))->Caption, 12);
  EXPECT_EQ(copyLog.changes.back(), (TChange{nullptr, ItemChanged}));
  EXPECT_THROW(copy.Bars->Assign(form.get()), EConvertError);

  log.changes.clear();
  bars().RemoveAll();
  EXPECT_EQ(bars().Count(), 0);
  EXPECT_EQ(form->ComponentCount(), 1);  // the items left their owner too
  EXPECT_EQ(log.changes, (std::vector<TChange>{{nullptr, ItemChanged}}));
  log.changes.clear();
  bars().AddItem();
  bars().AddItem();
  log.changes.clear();
  manager->Free();  // the collection's end frees its items and reports nothing
  EXPECT_TRUE(log.changes.empty());
  EXPECT_EQ(form->ComponentCount(), 0);
}

// --- TcxComponentList --------------------------------------------------------------------

class TEditOnly : public TComponent {
  VAMIRE_CLASS(TEditOnly, TComponent)
 public:
  using TComponent::TComponent;
};

class TEditList : public TcxComponentList {
  VAMIRE_CLASS(TEditList, TcxComponentList)
 protected:
  TClass GetAcceptedClass() override { return TEditOnly::StaticClass(); }
};

struct TListLog {
  std::vector<std::pair<TComponent*, TcxComponentCollectionNotification>> changes;
  void Changed(TObject*, TComponent* c, TcxComponentCollectionNotification a) { changes.push_back({c, a}); }
};

TEST(CxComponentListTest, AcceptsItsClassAndReportsChanges) {
  TEditList list;
  TListLog log;
  list.OnComponentListChanged = TcxComponentListChangeEvent(&log, &TListLog::Changed);
  TComponent plain(nullptr);
  TEditOnly edit(nullptr), edit2(nullptr);
  list.Add(&plain);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(log.changes.empty());
  list.Add(&edit);
  ASSERT_EQ(list.Count(), 1);
  ASSERT_EQ(log.changes.size(), 1u);
  EXPECT_EQ(log.changes[0], std::make_pair(static_cast<TComponent*>(&edit), ItemAdded));

  log.changes.clear();
  list.BeginUpdate();
  list.Add(&edit2);
  list.Extract(&edit);
  EXPECT_TRUE(log.changes.empty());
  list.EndUpdate();
  ASSERT_EQ(log.changes.size(), 1u);
  EXPECT_EQ(log.changes[0], std::make_pair(static_cast<TComponent*>(nullptr), ItemChanged));

  log.changes.clear();
  list.BeginUpdate();
  list.EndUpdateNoNotify();
  EXPECT_TRUE(log.changes.empty());
  list.RemoveAll();
  EXPECT_EQ(list.Count(), 0);
  ASSERT_EQ(log.changes.size(), 1u);  // one report for the whole removal
  EXPECT_EQ(log.changes[0].second, ItemChanged);
}

}  // namespace
