// The class registry, interfaces and unit start and end.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Classes.h"
#include "Units.h"

namespace {

class TRegA : public TPersistent {
  VAMIRE_CLASS(TRegA, TPersistent)
};
class TRegB : public TRegA {
  VAMIRE_CLASS(TRegB, TRegA)
};
class TGroupRoot : public TPersistent {
  VAMIRE_CLASS(TGroupRoot, TPersistent)
};
class TGroupLeaf : public TGroupRoot {
  VAMIRE_CLASS(TGroupLeaf, TGroupRoot)
};
class TOtherRegB : public TPersistent {
  // a different class that calls itself TRegB
 public:
  static TClass StaticClass() {
    static const TMetaClass cls(L"TRegB", TPersistent::StaticClass(), nullptr);
    return &cls;
  }
};

TEST(ClassRegistryTest, FindAndGetByName) {
  RegisterClass(TRegB::StaticClass());
  EXPECT_EQ(GetClass(L"TRegB"), TRegB::StaticClass());
  EXPECT_EQ(GetClass(L"tregb"), TRegB::StaticClass());
  EXPECT_EQ(GetClass(L"TRegA"), TRegA::StaticClass());  // ancestors come along
  EXPECT_EQ(FindClass(L"TRegA"), TRegA::StaticClass());
  try {
    FindClass(L"TNoSuch");
    ADD_FAILURE();
  } catch (const EClassNotFound& e) {
    EXPECT_EQ(e.Message(), L"Class TNoSuch not found");
  }
  EXPECT_NO_THROW(RegisterClass(TRegB::StaticClass()));  // again: nothing happens
  EXPECT_THROW(RegisterClass(TOtherRegB::StaticClass()), EFilerError);
  UnRegisterClasses({TRegA::StaticClass(), TRegB::StaticClass()});
  EXPECT_EQ(GetClass(L"TRegB"), nullptr);
}

TEST(ClassRegistryTest, GroupsHideInactiveClasses) {
  StartClassGroup(TGroupRoot::StaticClass());
  RegisterClasses({TGroupLeaf::StaticClass(), TRegA::StaticClass()});
  EXPECT_EQ(ClassGroupOf(TGroupLeaf::StaticClass()), TGroupRoot::StaticClass());
  EXPECT_EQ(ClassGroupOf(TRegA::StaticClass()), TPersistent::StaticClass());
  EXPECT_EQ(GetClass(L"TGroupLeaf"), TGroupLeaf::StaticClass());
  TClass before = ActivateClassGroup(TPersistent::StaticClass());
  EXPECT_EQ(before, nullptr);  // already the active one
  ActivateClassGroup(TRegA::StaticClass());
  StartClassGroup(TRegB::StaticClass());
  ActivateClassGroup(TRegB::StaticClass());
  EXPECT_EQ(GetClass(L"TGroupLeaf"), nullptr);        // its group is inactive
  EXPECT_EQ(GetClass(L"TRegA"), TRegA::StaticClass());  // the base group stays active
  ActivateClassGroup(TGroupRoot::StaticClass());
  EXPECT_EQ(GetClass(L"TGroupLeaf"), TGroupLeaf::StaticClass());
  ActivateClassGroup(TPersistent::StaticClass());
  UnRegisterClasses({TGroupLeaf::StaticClass(), TGroupRoot::StaticClass(), TRegA::StaticClass()});
}

// --- Interfaces ---------------------------------------------------------------------------

class IShape : public virtual IInterface {
  VAMIRE_INTERFACE(IShape, IInterface, "{8A1E2C3D-1111-4A5B-9C0D-0123456789AB}")
 public:
  virtual int Corners() = 0;
};
class ISquare : public IShape {
  VAMIRE_INTERFACE(ISquare, IShape, "{8A1E2C3D-2222-4A5B-9C0D-0123456789AB}")
 public:
  virtual int Side() = 0;
};
class IColored : public virtual IInterface {
  VAMIRE_INTERFACE(IColored, IInterface, "{8A1E2C3D-3333-4A5B-9C0D-0123456789AB}")
 public:
  virtual int Color() = 0;
};

class TSquareComponent : public TComponent, public ISquare {
  VAMIRE_CLASS(TSquareComponent, TComponent)
 public:
  using TComponent::TComponent;
  int Corners() override { return 4; }
  int Side() override { return 3; }
  bool GetInterface(const TGUID& iid, void** obj) override {
    return InterfaceTable<ISquare>(this, iid, obj) || inherited::GetInterface(iid, obj);
  }
};

class TColorObject : public TInterfacedObject, public IColored {
  VAMIRE_CLASS(TColorObject, TInterfacedObject)
 public:
  explicit TColorObject(bool* freed) : FFreed(freed) {}
  ~TColorObject() override { *FFreed = true; }
  int Color() override { return 0xFF; }
  bool GetInterface(const TGUID& iid, void** obj) override {
    return InterfaceTable<IColored>(this, iid, obj) || inherited::GetInterface(iid, obj);
  }

 private:
  bool* FFreed;
};

TEST(InterfaceTest, SupportsFindsDeclaredAndInheritedInterfaces) {
  TSquareComponent square(nullptr);
  IShape* shape = nullptr;
  ASSERT_TRUE(Supports<IShape>(&square, shape));  // through ISquare
  EXPECT_EQ(shape->Corners(), 4);
  ISquare* sq = nullptr;
  ASSERT_TRUE(Supports<ISquare>(static_cast<IInterface*>(shape), sq));
  EXPECT_EQ(sq->Side(), 3);
  EXPECT_TRUE(Supports<IInterface>(&square));
  EXPECT_FALSE(Supports<IColored>(&square));
  EXPECT_FALSE(Supports<IShape>(static_cast<TObject*>(nullptr)));
  EXPECT_EQ(square._AddRef(), -1);  // ownership decides: counting does nothing
  EXPECT_EQ(square._Release(), -1);
  EXPECT_EQ(IShape::IID.ToString(), L"{8A1E2C3D-1111-4A5B-9C0D-0123456789AB}");
  EXPECT_EQ(IInterface::IID.ToString(), L"{00000000-0000-0000-C000-000000000046}");
}

TEST(InterfaceTest, CountedObjectIsFreedWithItsLastReference) {
  bool freed = false;
  {
    InterfacePtr<IColored> held(new TColorObject(&freed));
    InterfacePtr<IInterface> other;
    ASSERT_TRUE(Supports<IInterface>(held.Get(), other));
    held.Reset();
    EXPECT_FALSE(freed);
    IColored* borrowed = nullptr;
    ASSERT_TRUE(Supports<IColored>(other.Get(), borrowed));
    EXPECT_EQ(borrowed->Color(), 0xFF);
    EXPECT_FALSE(freed);
  }
  EXPECT_TRUE(freed);
}

class TCountingOwner : public TPersistent, public virtual IInterface {
 public:
  int Refs = 0;
  int32_t QueryInterface(const TGUID& iid, void** obj) override {
    return GetInterface(iid, obj) ? QI_OK : QI_NOINTERFACE;
  }
  int32_t _AddRef() override { return ++Refs; }
  int32_t _Release() override { return --Refs; }
  bool GetInterface(const TGUID& iid, void** obj) override {
    return InterfaceTable<IInterface>(this, iid, obj) || TPersistent::GetInterface(iid, obj);
  }
};

class TOwnedSettings : public TInterfacedPersistent {
 public:
  TPersistent* Owner = nullptr;
  TPersistent* GetOwner() override { return Owner; }
};

TEST(InterfaceTest, InterfacedPersistentForwardsCountsToItsOwner) {
  TOwnedSettings settings;
  EXPECT_EQ(settings._AddRef(), -1);  // no owner: nothing counted
  TCountingOwner owner;
  settings.Owner = &owner;
  EXPECT_EQ(settings._AddRef(), 1);
  EXPECT_EQ(owner.Refs, 1);
  EXPECT_EQ(settings._Release(), 0);
  TSquareComponent component(nullptr);
  settings.Owner = &component;
  EXPECT_EQ(settings._AddRef(), -1);  // a component counts nothing either
}

// --- Unit start and end -------------------------------------------------------------------

std::vector<String> GLog;
bool GFinalizingSeen = false;

void InitA() { GLog.push_back(L"+A"); }
void FinA() {
  GLog.push_back(L"-A");
  GFinalizingSeen = IsFinalizing();
}
void InitB() { GLog.push_back(L"+B"); }
void FinB() { GLog.push_back(L"-B"); }
void InitC() { GLog.push_back(L"+C"); }
void FinC() {
  GLog.push_back(L"-C");
  throw Exception(L"end of C failed");
}
void InitBad() { throw Exception(L"start failed"); }

TEST(UnitsTest, StartInOrderEndInReverseOnce) {
  GLog.clear();
  const TUnitEntry units[] = {{L"A", InitA, FinA}, {L"B", InitB, FinB}, {L"N", nullptr, nullptr}, {L"C", InitC, FinC}};
  InitializeUnits(units, 4);
  InitializeUnits(units, 4);  // started already: nothing again
  EXPECT_FALSE(IsFinalizing());
  EXPECT_TRUE(IsUnitStarted(L"B"));
  try {
    FinalizeUnits();
    ADD_FAILURE() << "the end of C raised";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), L"end of C failed");
  }
  FinalizeUnits();  // nothing left to end
  EXPECT_EQ(GLog, (std::vector<String>{L"+A", L"+B", L"+C", L"-C", L"-B", L"-A"}));
  EXPECT_TRUE(GFinalizingSeen);
  EXPECT_TRUE(IsFinalizing());  // stays so: late callers create no singletons
  EXPECT_FALSE(IsUnitStarted(L"B"));
}

TEST(UnitsTest, FailedStartEndsWhatItStarted) {
  GLog.clear();
  InitializeUnits({{L"A", InitA, FinA}});
  EXPECT_FALSE(IsFinalizing());  // a new start begins afresh
  EXPECT_THROW(InitializeUnits({{L"B", InitB, FinB}, {L"Bad", InitBad, nullptr}, {L"C", InitC, FinC}}), Exception);
  EXPECT_EQ(GLog, (std::vector<String>{L"+A", L"+B", L"-B"}));
  EXPECT_TRUE(IsUnitStarted(L"A"));
  EXPECT_FALSE(IsUnitStarted(L"Bad"));
  FinalizeUnits();
  EXPECT_EQ(GLog.back(), L"-A");
}

}  // namespace
