// A unit's list of streamed classes: its start makes each class known by name
// with its table, its end takes both back, and a fresh instance of each class
// can be checked against its table's defaults.
#include <gtest/gtest.h>

#include <algorithm>

#include "Streaming.h"

namespace {

class TDeclPlain : public TPersistent {
  VAMIRE_CLASS(TDeclPlain, TPersistent)
 public:
  TDeclPlain() = default;
  int Count() const { return FCount; }
  void SetCount(int Value) { FCount = Value; }
  bool Shown() const { return FShown; }
  void SetShown(bool Value) { FShown = Value; }

 private:
  int FCount = 3;
  bool FShown = true;
};

// Its constructor and its table disagree on Caption: the planted mismatch.
class TDeclPlanted : public TDeclPlain {
  VAMIRE_CLASS(TDeclPlanted, TDeclPlain)
 public:
  TDeclPlanted() = default;
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value) { FCaption = Value; }

 private:
  String FCaption = L"made";
};

// Made through its own maker: it has no constructor without arguments.
class TDeclWithArgs : public TPersistent {
  VAMIRE_CLASS(TDeclWithArgs, TPersistent)
 public:
  TDeclWithArgs(int ASize, int) : FSize(ASize) {}
  static TObject* CreateFresh() { return new TDeclWithArgs(7, 0); }
  int Size() const { return FSize; }
  void SetSize(int Value) { FSize = Value; }

 private:
  int FSize;
};

}  // namespace

VAMIRE_STREAMED_CLASSES(DeclStreamed, TDeclPlain, TDeclPlanted, TDeclWithArgs)
VAMIRE_STREAMED_TABLE(DeclStreamed, TDeclPlain,
                      Prop(L"Count", &TDeclPlain::Count, &TDeclPlain::SetCount).Default(int64_t(3)),
                      Prop(L"Shown", &TDeclPlain::Shown, &TDeclPlain::SetShown).Default(true))
VAMIRE_STREAMED_TABLE(DeclStreamed, TDeclPlanted,
                      Prop(L"Caption", &TDeclPlanted::Caption, &TDeclPlanted::SetCaption).Default(L"table"))
VAMIRE_STREAMED_TABLE(DeclStreamed, TDeclWithArgs,
                      Prop(L"Size", &TDeclWithArgs::Size, &TDeclWithArgs::SetSize).Default(int64_t(7)))

namespace {

bool Lists(TClass cls) {
  const auto all = StreamedClasses();
  return std::any_of(all.begin(), all.end(), [&](const TStreamedClassInfo& i) { return i.Class == cls; });
}

TEST(StreamedClasses, StartRegistersNameAndTableEndTakesBothBack) {
  EXPECT_EQ(GetClass(L"TDeclPlain"), nullptr);
  DeclStreamed::Register();
  EXPECT_EQ(GetClass(L"TDeclPlanted"), TDeclPlanted::StaticClass());
  EXPECT_TRUE(Lists(TDeclPlain::StaticClass()));
  ASSERT_NE(FindPublished(TDeclPlanted::StaticClass(), L"Count"), nullptr) << "a descendant shows its ancestor's";
  EXPECT_NE(FindPublished(TDeclPlanted::StaticClass(), L"Caption"), nullptr);
  DeclStreamed::Unregister();
  EXPECT_EQ(GetClass(L"TDeclPlain"), nullptr);
  EXPECT_FALSE(Lists(TDeclPlain::StaticClass()));
  EXPECT_EQ(FindPublished(TDeclPlanted::StaticClass(), L"Caption"), nullptr);
  EXPECT_EQ(FindPublished(TDeclPlanted::StaticClass(), L"Count"), nullptr);
  // A second start works as the first.
  DeclStreamed::Register();
  EXPECT_NE(FindPublished(TDeclPlain::StaticClass(), L"Shown"), nullptr);
  DeclStreamed::Unregister();
}

TEST(StreamedClasses, DefaultsCheckFindsThePlantedMismatchOnly) {
  DeclStreamed::Register();
  std::vector<String> found;
  for (const TStreamedClassInfo& info : StreamedClasses()) {
    ASSERT_NE(info.CreateFresh, nullptr) << info.Class->ClassName();
    TObject* fresh = info.CreateFresh();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->ClassType(), info.Class);
    for (const String& m : PublishedDefaultMismatches(fresh)) found.push_back(m);
    delete fresh;
  }
  DeclStreamed::Unregister();
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0], L"TDeclPlanted.Caption: \"made\", default \"table\"");
}

TEST(StreamedClasses, OrdinalMismatchNamesBothValues) {
  DeclStreamed::Register();
  TDeclPlain plain;
  plain.SetCount(5);
  plain.SetShown(false);
  const std::vector<String> found = PublishedDefaultMismatches(&plain);
  DeclStreamed::Unregister();
  EXPECT_EQ(found, (std::vector<String>{L"TDeclPlain.Count: 5, default 3", L"TDeclPlain.Shown: 0, default 1"}));
}

}  // namespace
