// Component ownership, names, free notification, persistence and collections.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Classes.h"

namespace {

std::vector<String> GFreed;  // names of components in the order they were freed

class TProbe : public TComponent {
  VAMIRE_CLASS(TProbe, TComponent)
 public:
  using TComponent::TComponent;
  ~TProbe() override { GFreed.push_back(Name()); }

  // A reference to a component owned elsewhere, cleared when that one goes.
  void SetBuddy(TComponent* Value) {
    if (FBuddy) FBuddy->RemoveFreeNotification(this);
    FBuddy = Value;
    if (FBuddy) FBuddy->FreeNotification(this);
  }
  TComponent* Buddy() const { return FBuddy; }
  std::vector<std::pair<TComponent*, TOperation>> Heard;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    inherited::Notification(AComponent, Operation);
    Heard.emplace_back(AComponent, Operation);
    if (Operation == opRemove && AComponent == FBuddy) FBuddy = nullptr;
  }

 private:
  TComponent* FBuddy = nullptr;
};

TProbe* Named(TComponent* owner, const wchar_t* name) {
  auto* c = new TProbe(owner);
  c->SetName(name);
  return c;
}

TEST(ComponentTest, FreeingAnOwnerFreesItsComponentsLastToFirst) {
  GFreed.clear();
  auto* form = Named(nullptr, L"Form");
  auto* a = Named(form, L"A");
  Named(form, L"B");
  Named(a, L"A1");
  EXPECT_EQ(form->ComponentCount(), 2);
  EXPECT_EQ(a->Owner(), form);
  EXPECT_EQ(form->FindComponent(L"b"), form->Components(1));  // names compare without case
  form->Free();
  EXPECT_EQ(GFreed, (std::vector<String>{L"Form", L"B", L"A", L"A1"}));
}

TEST(ComponentTest, OwnedComponentsAreMarkedDestroyingBeforeAnyDestructorRuns) {
  struct TWatcher : TComponent {
    using TComponent::TComponent;
    TComponent* Sibling = nullptr;
    bool* SiblingWasDestroying = nullptr;
    ~TWatcher() override { *SiblingWasDestroying = Sibling->ComponentState().Contains(csDestroying); }
  };
  auto* form = new TComponent(nullptr);
  auto* sibling = new TComponent(form);
  auto* watcher = new TWatcher(form);  // freed before its sibling
  bool seen = false;
  watcher->Sibling = sibling;
  watcher->SiblingWasDestroying = &seen;
  form->Free();
  EXPECT_TRUE(seen);
}

TEST(ComponentTest, FreedComponentClearsReferencesThroughNotification) {
  GFreed.clear();
  auto* form1 = Named(nullptr, L"Form1");
  auto* form2 = Named(nullptr, L"Form2");
  auto* label = Named(form1, L"Label1");
  auto* edit = Named(form2, L"Edit1");
  auto* sibling = Named(form2, L"Edit2");
  label->SetBuddy(edit);    // owned elsewhere: free notification
  sibling->SetBuddy(edit);  // same owner: the owner tells its components
  EXPECT_TRUE(edit->ComponentState().Contains(csFreeNotification));
  edit->Free();
  EXPECT_EQ(label->Buddy(), nullptr);
  EXPECT_EQ(sibling->Buddy(), nullptr);
  EXPECT_EQ(form2->ComponentCount(), 1);
  // Withdrawn notifications are not sent: freeing the watcher first leaves nothing dangling.
  auto* edit3 = Named(form2, L"Edit3");
  label->SetBuddy(edit3);
  label->SetBuddy(nullptr);
  label->Heard.clear();
  edit3->Free();
  EXPECT_TRUE(label->Heard.empty());
  form1->Free();
  form2->Free();
}

TEST(ComponentTest, WatcherFreedBeforeTheWatchedLeavesNoSubscription) {
  auto* watched = new TProbe(nullptr);
  auto* watcher = new TProbe(nullptr);
  watcher->SetBuddy(watched);
  watcher->Free();
  EXPECT_FALSE(watched->ComponentState().Contains(csFreeNotification));
  watched->Free();  // would reach the freed watcher if it were still subscribed
}

TEST(ComponentTest, NamesAreIdentifiersAndUniquePerOwner) {
  auto form = std::make_unique<TComponent>(nullptr);
  auto* a = Named(form.get(), L"Button1");
  struct TCase {
    const wchar_t* name;
    const wchar_t* message;  // null: accepted
  } cases[] = {
      {L"Button1", nullptr},  // unchanged
      {L"button1", nullptr},  // own name in another case
      {L"_x9", nullptr},
      {L"", nullptr},
      {L"9lives", L"'9lives' is not a valid component name"},
      {L"Two words", L"'Two words' is not a valid component name"},
      {L"Edit1", L"A component named Edit1 already exists"},
      {L"EDIT1", L"A component named EDIT1 already exists"},
  };
  Named(form.get(), L"Edit1");
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "name " << std::string(c.name, c.name + wcslen(c.name)));
    const String before = a->Name();
    if (!c.message) {
      EXPECT_NO_THROW(a->SetName(c.name));
      EXPECT_EQ(a->Name(), c.name);
      a->SetName(L"Button1");
    } else {
      try {
        a->SetName(c.name);
        ADD_FAILURE() << "no error";
      } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), c.message);
      }
      EXPECT_EQ(a->Name(), before);
    }
  }
  // Components without an owner may share names; inserting a duplicate is refused.
  TComponent loose(nullptr);
  loose.SetName(L"Edit1");
  EXPECT_THROW(form->InsertComponent(&loose), EComponentError);
  EXPECT_EQ(loose.Owner(), nullptr);
}

TEST(ComponentTest, OwnerHearsOfInsertAndRemoveAndIndexMoves) {
  auto* form = Named(nullptr, L"Form");
  auto* a = Named(form, L"A");
  auto* b = Named(form, L"B");
  ASSERT_EQ(form->Heard.size(), 2u);
  EXPECT_EQ(form->Heard[0], std::make_pair(static_cast<TComponent*>(a), opInsert));
  b->SetComponentIndex(0);
  EXPECT_EQ(form->Components(0), b);
  EXPECT_EQ(a->ComponentIndex(), 1);
  form->RemoveComponent(a);
  EXPECT_EQ(form->Heard.back(), std::make_pair(static_cast<TComponent*>(a), opRemove));
  EXPECT_EQ(a->Owner(), nullptr);
  EXPECT_THROW(form->Components(1), EListError);
  a->Free();
  form->Free();
}

TEST(ComponentTest, DesigningStateReachesComponentsInsertedLater) {
  auto form = std::make_unique<TComponent>(nullptr);
  auto* early = new TComponent(form.get());
  form->SetDesigning(true);
  auto* late = new TComponent(form.get());
  EXPECT_TRUE(early->ComponentState().Contains(csDesigning));
  EXPECT_TRUE(late->ComponentState().Contains(csDesigning));
  form->IncludeState(csLoading);
  form->Loaded();
  EXPECT_FALSE(form->ComponentState().Contains(csLoading));
}

TEST(ComponentTest, ClassObjectCreatesAComponentWithItsOwner) {
  auto form = std::make_unique<TComponent>(nullptr);
  TObject* made = TProbe::StaticClass()->Create(form.get());
  ASSERT_NE(dynamic_cast<TProbe*>(made), nullptr);
  EXPECT_EQ(form->Components(0), made);
}

// --- Persistent ---------------------------------------------------------------------------

class TPoint3 : public TPersistent {
  VAMIRE_CLASS(TPoint3, TPersistent)
 public:
  int X = 0;
  void Assign(TPersistent* Source) override {
    if (auto* p = dynamic_cast<TPoint3*>(Source)) X = p->X;
    else inherited::Assign(Source);
  }
};

TEST(PersistentTest, AssignCopiesOrNamesBothClasses) {
  TPoint3 a, b;
  b.X = 7;
  a.Assign(&b);
  EXPECT_EQ(a.X, 7);
  TStringList list;
  struct TCase {
    TPersistent* dest;
    TPersistent* source;
    const wchar_t* message;
  } cases[] = {
      {&a, &list, L"Cannot assign a TStringList to a TPoint3"},
      {&list, &a, L"Cannot assign a TPoint3 to a TStringList"},
      {&a, nullptr, L"Cannot assign a nil to a TPoint3"},
  };
  for (const TCase& c : cases) {
    try {
      c.dest->Assign(c.source);
      ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
}

// --- Collections --------------------------------------------------------------------------

class TColumn : public TCollectionItem {
  VAMIRE_CLASS(TColumn, TCollectionItem)
 public:
  using TCollectionItem::TCollectionItem;
  String Caption;
  void SetCaption(const String& v) {
    Caption = v;
    Changed(false);
  }
  void Assign(TPersistent* Source) override {
    if (auto* c = dynamic_cast<TColumn*>(Source)) Caption = c->Caption;
    else inherited::Assign(Source);
  }
};

class TColumns : public TOwnedCollection {
  VAMIRE_CLASS(TColumns, TOwnedCollection)
 public:
  explicit TColumns(TPersistent* owner) : TOwnedCollection(owner, TColumn::StaticClass()) {}
  std::vector<TCollectionItem*> Updates;
  std::vector<std::pair<TCollectionItem*, TCollectionNotification>> Notes;

 protected:
  void Update(TCollectionItem* Item) override { Updates.push_back(Item); }
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override { Notes.emplace_back(Item, Action); }
};

TEST(CollectionTest, UpdateComesOnceAfterNestedBeginEndUpdate) {
  TComponent owner(nullptr);
  TColumns cols(&owner);
  cols.BeginUpdate();
  cols.BeginUpdate();
  auto* c0 = static_cast<TColumn*>(cols.Add());
  cols.Add();
  c0->SetCaption(L"x");
  cols.Delete(1);
  cols.EndUpdate();
  EXPECT_TRUE(cols.Updates.empty());
  cols.EndUpdate();
  EXPECT_EQ(cols.Updates, std::vector<TCollectionItem*>{nullptr});
  // Outside an update an item's change names the item; a move names none.
  cols.Updates.clear();
  c0->SetCaption(L"y");
  auto* c1 = cols.Add();
  c1->SetIndex(0);
  EXPECT_EQ(cols.Updates, (std::vector<TCollectionItem*>{c0, nullptr, nullptr}));
  EXPECT_EQ(cols.Items(0), c1);
  EXPECT_EQ(c0->Index(), 1);
}

TEST(CollectionTest, IdsGrowAndItemsKnowTheirCollection) {
  TComponent owner(nullptr);
  owner.SetName(L"Grid1");
  TColumns cols(&owner);
  cols.SetPropName(L"Columns");
  cols.Add();
  cols.Add();
  cols.Delete(1);
  TCollectionItem* c = cols.Insert(0);
  EXPECT_EQ(c->ID(), 2);  // never reused
  EXPECT_EQ(cols.FindItemID(0), cols.Items(1));
  EXPECT_EQ(cols.Owner(), &owner);
  EXPECT_EQ(c->GetNamePath(), L"Grid1.Columns[0]");
  EXPECT_EQ(c->DisplayName(), L"TColumn");
  EXPECT_EQ(cols.Notes.front().second, cnAdded);
  EXPECT_THROW(cols.Items(5), EListError);
  c->SetCollection(nullptr);
  EXPECT_EQ(cols.Count(), 1);
  c->Free();
}

TEST(CollectionTest, AssignCopiesItemsAndRefusesOtherClasses) {
  TColumns a(nullptr), b(nullptr);
  static_cast<TColumn*>(a.Add())->Caption = L"one";
  static_cast<TColumn*>(a.Add())->Caption = L"two";
  b.Add();
  b.Updates.clear();
  b.Assign(&a);
  ASSERT_EQ(b.Count(), 2);
  EXPECT_EQ(static_cast<TColumn*>(b.Items(1))->Caption, L"two");
  EXPECT_EQ(b.Updates.size(), 1u);
  TCollection other(TCollectionItem::StaticClass());
  TCollectionItem plain(nullptr);
  EXPECT_THROW(plain.SetCollection(&a), EListError);  // not a TColumn
  EXPECT_EQ(a.Count(), 2);
}

}  // namespace
