// Class objects, events and resource strings of the runtime's root unit.
#include <gtest/gtest.h>

#include <memory>

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

}  // namespace
