// Pointer, object, component and interface lists.
#include <gtest/gtest.h>

#include <vector>

#include "Classes.h"

namespace {

int* P(intptr_t v) { return reinterpret_cast<int*>(v); }

int CompareValues(void* a, void* b) {
  auto x = reinterpret_cast<intptr_t>(a), y = reinterpret_cast<intptr_t>(b);
  return x < y ? -1 : x > y ? 1 : 0;
}

class TLoggingList : public TList {
 public:
  std::vector<std::pair<void*, TListNotification>> Log;

 protected:
  void Notify(void* Ptr, TListNotification Action) override { Log.emplace_back(Ptr, Action); }
};

TEST(ListTest, IndexErrorsNameTheIndex) {
  TList list;
  list.Add(P(1));
  list.Add(P(2));
  struct TCase {
    void (*op)(TList&);
    const wchar_t* message;
  } cases[] = {
      {[](TList& l) { l.Items(2); }, L"List index out of bounds (2)"},
      {[](TList& l) { l.Items(-1); }, L"List index out of bounds (-1)"},
      {[](TList& l) { l.Delete(5); }, L"List index out of bounds (5)"},
      {[](TList& l) { l.Insert(3, nullptr); }, L"List index out of bounds (3)"},
      {[](TList& l) { l.Exchange(0, 9); }, L"List index out of bounds (9)"},
      {[](TList& l) { l.Move(0, 2); }, L"List index out of bounds (2)"},
      {[](TList& l) { l.SetCapacity(1); }, L"List capacity out of bounds (1)"},
      {[](TList& l) { l.SetCount(-1); }, L"List count out of bounds (-1)"},
  };
  for (const TCase& c : cases) {
    try {
      c.op(list);
      ADD_FAILURE() << "no error";
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
  EXPECT_EQ(list.Count(), 2);  // nothing changed on the way
  EXPECT_EQ(list.Items(1), P(2));
}

TEST(ListTest, EditingOperationsAndTheirNotifications) {
  TLoggingList list;
  list.Add(P(1));
  list.Add(nullptr);
  list.Add(P(3));
  list.Insert(0, P(4));  // 4 1 nil 3
  list.Move(0, 3);       // 1 nil 3 4
  list.Exchange(0, 1);   // nil 1 3 4
  list.Pack();           // 1 3 4
  EXPECT_EQ(list.List(), (std::vector<void*>{P(1), P(3), P(4)}));
  EXPECT_EQ(list.Extract(P(3)), P(3));
  EXPECT_EQ(list.Extract(P(9)), nullptr);
  EXPECT_EQ(list.Remove(P(4)), 1);
  EXPECT_EQ(list.Remove(P(4)), -1);
  list.SetItems(0, P(5));
  list.Clear();
  using N = std::pair<void*, TListNotification>;
  EXPECT_EQ(list.Log, (std::vector<N>{{P(1), lnAdded}, {P(3), lnAdded}, {P(4), lnAdded}, {P(3), lnExtracted},
                                      {P(4), lnDeleted}, {P(1), lnDeleted}, {P(5), lnAdded}, {P(5), lnDeleted}}));
}

TEST(ListTest, SortOrdersWithTheRuntimeQuickSort) {
  TList list;
  for (intptr_t v : {5, 3, 9, 1, 3, 7, 2, 8, 1}) list.Add(P(v));
  list.Sort(&CompareValues);
  std::vector<void*> want;
  for (intptr_t v : {1, 1, 2, 3, 3, 5, 7, 8, 9}) want.push_back(P(v));
  EXPECT_EQ(list.List(), want);
  // A comparison that is no order at all ends without leaving the list.
  list.Sort([](void*, void*) { return -1; });
  list.Sort([](void*, void*) { return 1; });
  EXPECT_EQ(list.Count(), 9);
}

std::vector<String> GFreed;
class TNamed : public TComponent {
 public:
  using TComponent::TComponent;
  ~TNamed() override { GFreed.push_back(Name()); }
};

TEST(ObjectListTest, OwningListFreesDeletedButNotExtractedObjects) {
  GFreed.clear();
  auto* kept = new TNamed(nullptr);
  kept->SetName(L"Kept");
  {
    TObjectList list;
    for (const wchar_t* n : {L"A", L"B"}) {
      auto* c = new TNamed(nullptr);
      c->SetName(n);
      list.Add(c);
    }
    list.Add(kept);
    list.Delete(0);
    EXPECT_EQ(list.Extract(kept), kept);
  }
  EXPECT_EQ(GFreed, (std::vector<String>{L"A", L"B"}));
  TObjectList borrowed(false);
  borrowed.Add(kept);
  borrowed.Clear();
  EXPECT_EQ(GFreed.size(), 2u);
  kept->Free();
}

TEST(ComponentListTest, FreedComponentsLeaveTheList) {
  TComponentList list(false);
  auto* a = new TComponent(nullptr);
  auto* b = new TComponent(nullptr);
  list.Add(a);
  list.Add(b);
  list.Add(a);  // twice
  list.Remove(a);
  a->Free();  // still listed once: that entry goes too
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Items(0), b);
  list.Extract(b);
  b->Free();  // no longer listed, and no notification reaches the list
  EXPECT_EQ(list.Count(), 0);
}

TEST(ComponentListTest, OwningListFreesItsComponentsOnce) {
  GFreed.clear();
  auto* owner = new TComponent(nullptr);
  {
    TComponentList list;
    auto* c = new TNamed(owner);
    c->SetName(L"C");
    list.Add(c);
  }
  EXPECT_EQ(owner->ComponentCount(), 0);
  owner->Free();
  EXPECT_EQ(GFreed, std::vector<String>{L"C"});
}

class TCounted : public TInterfacedObject {
 public:
  explicit TCounted(int* freed) : FFreed(freed) {}
  ~TCounted() override { ++*FFreed; }

 private:
  int* FFreed;
};

TEST(InterfaceListTest, HoldsAReferenceToEachEntry) {
  int freed = 0;
  auto* obj = new TCounted(&freed);
  {
    TInterfaceList list;
    list.Add(obj);
    list.Add(obj);
    EXPECT_EQ(obj->RefCount(), 2);
    list.Delete(0);
    EXPECT_EQ(obj->RefCount(), 1);
    EXPECT_EQ(list.IndexOf(obj), 0);
  }
  EXPECT_EQ(freed, 1);
}

}  // namespace
