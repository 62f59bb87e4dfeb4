// Class objects, events and resource strings of the runtime's root unit.
#include <gtest/gtest.h>

#include <memory>

#include "SysUtils.h"
#include "System.h"

namespace {

class TAnimal : public TObject {
  VAMIRE_CLASS(TAnimal, TObject)
 public:
  virtual int Legs() const = 0;
};

class TDog : public TAnimal {
  VAMIRE_CLASS(TDog, TAnimal)
 public:
  int Legs() const override { return 4; }
  void Bark(TObject*) { ++barks; }
  void Growl(TObject*) { ++growls; }
  int barks = 0, growls = 0;
};

TEST(ClassObjectTest, NamesParentsAndInheritance) {
  TDog dog;
  EXPECT_EQ(dog.ClassName(), L"TDog");
  EXPECT_EQ(dog.ClassParent(), TAnimal::StaticClass());
  EXPECT_TRUE(dog.InheritsFrom(TObject::StaticClass()));
  EXPECT_FALSE(TAnimal::StaticClass()->InheritsFrom(TDog::StaticClass()));
  EXPECT_EQ(TDog::StaticClass(), TDog::StaticClass());
}

TEST(ClassObjectTest, VirtualConstructorBuildsTheRightClassAndRefusesAbstractOnes) {
  TClass cls = TDog::StaticClass();
  std::unique_ptr<TObject> made(cls->Create());
  ASSERT_NE(dynamic_cast<TDog*>(made.get()), nullptr);
  EXPECT_EQ(made->ClassType(), cls);
  EXPECT_FALSE(TAnimal::StaticClass()->CanCreate());
  EXPECT_THROW(TAnimal::StaticClass()->Create(), EClassCreateError);
  struct TNeedsArgs : TObject {
    explicit TNeedsArgs(int) {}
  };
  EXPECT_FALSE(vamire_detail::CreatorOf<TNeedsArgs>());  // no constructor to call: not creatable
}

TEST(EventTest, CallsTheBoundMethodAndComparesByObjectAndMethod) {
  TDog a, b;
  TNotifyEvent none;
  EXPECT_FALSE(none);
  TNotifyEvent bark(&a, &TDog::Bark);
  bark(nullptr);
  EXPECT_EQ(a.barks, 1);
  EXPECT_TRUE(bark == TNotifyEvent(&a, &TDog::Bark));
  EXPECT_FALSE(bark == TNotifyEvent(&b, &TDog::Bark));
  EXPECT_FALSE(bark == TNotifyEvent(&a, &TDog::Growl));
  EXPECT_FALSE(bark == none);
}

TEST(ExceptionTest, CopiesKeepMessageAndClass) {
  try {
    throw EConvertError(L"'x' is not a valid integer value");
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), L"'x' is not a valid integer value");
    EXPECT_EQ(e.ClassName(), L"EConvertError");
  }
}

TEST(ResourceStringTest, BuiltInTextWithoutTableEntry) {
  static const TResStringRec rec{L"sProbe", L"Probe text"};
  EXPECT_EQ(LoadResString(&rec), L"Probe text");
  EXPECT_EQ(LoadResString(nullptr), L"");
}

TEST(ExceptionTest, FormattedConstructorsFromTextAndResource) {
  static const TResStringRec rec{L"sOutOf", L"Item %d of %d: %s"};
  const String name = L"COM5";
  struct TCase {
    Exception e;
    const wchar_t* message;
  } cases[] = {
      {EConvertError(L"'%s' is not a valid integer value", {name}), L"'COM5' is not a valid integer value"},
      {Exception(&rec, {3, 4, name}), L"Item 3 of 4: COM5"},
      {Exception(&rec), L"Item %d of %d: %s"},
  };
  for (const TCase& c : cases) EXPECT_EQ(c.e.Message(), c.message);
}

enum TProbeFlag { pfA, pfB, pfC, pfHigh = 70 };
using TProbeFlags = TSet<TProbeFlag, pfHigh + 1>;

TEST(SetTest, OperationsAsTheRuntimesSets) {
  constexpr TProbeFlags ab{pfA, pfB};
  static_assert(ab.Contains(pfB) && !ab.Contains(pfC));
  TProbeFlags s = ab;
  s.Include(pfHigh).Exclude(pfA);
  EXPECT_TRUE(s.Contains(pfHigh));  // beyond the first word
  EXPECT_EQ(s, (TProbeFlags{pfB, pfHigh}));
  EXPECT_EQ(ab + s, (TProbeFlags{pfA, pfB, pfHigh}));
  EXPECT_EQ(ab - s, TProbeFlags{pfA});
  EXPECT_EQ(ab * s, TProbeFlags{pfB});
  EXPECT_TRUE(TProbeFlags{pfB} <= ab);
  EXPECT_FALSE(s <= ab);
  EXPECT_TRUE((ab - ab).Empty());
}

TEST(GuidTest, ParsesAndPrintsTheBracedForm) {
  constexpr TGUID g = TGUID::Parse("{5e33a2a7-0c77-415F-A359-112103E54937}");
  static_assert(g.D1 == 0x5E33A2A7 && g.D2 == 0x0C77 && g.D3 == 0x415F && g.D4[0] == 0xA3 && g.D4[7] == 0x37);
  EXPECT_EQ(g.ToString(), L"{5E33A2A7-0C77-415F-A359-112103E54937}");
  EXPECT_FALSE(g == IInterface::IID);
}

int Reversed(const String& a, const String& b, bool) { return b.compare(a); }

TEST(LocaleCompareTest, InstalledComparisonReplacesTheBuiltInOne) {
  EXPECT_EQ(LocaleCompare(L"abc", L"ABC", true), 0);
  EXPECT_LT(LocaleCompare(L"apple", L"Banana", true), 0);
  TLocaleCompare old = SetLocaleCompare(&Reversed);
  EXPECT_GT(LocaleCompare(L"a", L"b", false), 0);
  SetLocaleCompare(nullptr);
  EXPECT_LT(LocaleCompare(L"a", L"b", false), 0);
  SetLocaleCompare(old);
}

}  // namespace
