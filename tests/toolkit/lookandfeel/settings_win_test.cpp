// Look-and-feel settings: the master chain and its effective values, changes
// fanned out through masters, listeners that come and go during a
// notification (D-42), the controllers on the root, form streams that keep
// only assigned values, and the system-palette listener.
#include <memory>

#include "FormText.h"
#include "Streaming.h"
#include "lookandfeel2_test_support.h"

namespace {

using namespace lookandfeel2_test;

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TLookAndFeelUnits);

// Counts the changes a look-and-feel reports, with the values of each.
struct TChangeLog : TObject {
  std::vector<TcxLookAndFeelValues> Changes;
  void Changed(TcxLookAndFeel*, TcxLookAndFeelValues AValues) { Changes.push_back(AValues); }
  void Attach(TcxLookAndFeel* ALookAndFeel) {
    ALookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(this, &TChangeLog::Changed);
  }
};

// Every test starts from a root with nothing assigned and no controller.
class LookAndFeelTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(Root(), nullptr);
    ASSERT_EQ(cxLookAndFeelControllerCount(), 0);
    Root()->ClearAssignedValues();
    Root()->OnChanged = nullptr;
  }
  void TearDown() override {
    Root()->ClearAssignedValues();
    Root()->OnChanged = nullptr;
    SetcxUseSkins(true);
  }
  static TcxLookAndFeel* Root() { return GlobalRootLookAndFeel(); }
  static TcxCustomLookAndFeelPainterClass KindPainter(TcxLookAndFeelKind AKind) { return GetPainterOfKind(AKind); }
};

TEST_F(LookAndFeelTest, AFreshLookAndFeelFollowsTheRootAndDrawsNativeWhereThemesServe) {
  TcxLookAndFeel laf(nullptr);
  EXPECT_EQ(laf.Master(), Root());
  EXPECT_TRUE(laf.AssignedValues().Empty());
  EXPECT_EQ(laf.Kind(), lfUltraFlat);
  EXPECT_TRUE(laf.NativeStyle());
  EXPECT_EQ(laf.SkinName(), L"");
  EXPECT_EQ(Root()->Master(), nullptr);
  const TcxCustomLookAndFeelPainterClass expected =
      CanUseThemes() ? TcxWinXPLookAndFeelPainter::Instance() : TcxUltraFlatLookAndFeelPainter::Instance();
  EXPECT_EQ(laf.Painter(), expected);
  EXPECT_EQ(Root()->Painter(), expected);
}

TEST_F(LookAndFeelTest, EffectiveValuesComeDownTheChainForWhatIsNotAssigned) {
  TcxLookAndFeel middle(nullptr), leaf(nullptr);
  leaf.SetMaster(&middle);
  EXPECT_EQ(leaf.Master(), &middle);
  Root()->SetKind(lfFlat);
  Root()->SetSkinName(L"Blue");
  EXPECT_EQ(middle.Kind(), lfFlat);
  EXPECT_EQ(leaf.Kind(), lfFlat);
  EXPECT_EQ(leaf.SkinName(), L"Blue");

  // A Kind assigned in the middle stops the root's Kind there, not its SkinName.
  middle.SetKind(lfOffice11);
  Root()->SetKind(lfStandard);
  Root()->SetSkinName(L"Black");
  EXPECT_EQ(middle.Kind(), lfOffice11);
  EXPECT_EQ(leaf.Kind(), lfOffice11);
  EXPECT_EQ(leaf.SkinName(), L"Black");

  // Clearing the assigned values brings the inherited ones back at once.
  middle.ClearAssignedValues();
  EXPECT_EQ(leaf.Kind(), lfStandard);
  leaf.SetNativeStyle(false);
  EXPECT_EQ(leaf.AssignedValues(), TcxLookAndFeelValues{lfvNativeStyle});
  EXPECT_FALSE(leaf.NativeStyle());
  EXPECT_TRUE(middle.NativeStyle());
}

TEST_F(LookAndFeelTest, MastersThatWouldMakeALoopOrAreThemselvesAreRefused) {
  TcxLookAndFeel a(nullptr), b(nullptr), c(nullptr);
  b.SetMaster(&a);
  c.SetMaster(&b);
  a.SetMaster(&a);
  EXPECT_EQ(a.Master(), Root());
  // a under c would pass every change round the ring for ever.
  a.SetMaster(&c);
  EXPECT_EQ(a.Master(), Root());
  Root()->SetMaster(&a);
  EXPECT_EQ(Root()->Master(), nullptr);
  Root()->SetKind(lfFlat);
  EXPECT_EQ(c.Kind(), lfFlat);
}

TEST_F(LookAndFeelTest, AChangeFansOutThroughTheMastersWithTheValuesEachOneSees) {
  TcxLookAndFeel middle(nullptr), leaf(nullptr), sibling(nullptr);
  leaf.SetMaster(&middle);
  middle.SetNativeStyle(false);
  TChangeLog m, l, s;
  m.Attach(&middle);
  l.Attach(&leaf);
  s.Attach(&sibling);

  Root()->SetKind(lfFlat);
  EXPECT_EQ(m.Changes, (std::vector<TcxLookAndFeelValues>{{lfvKind}}));
  EXPECT_EQ(l.Changes, (std::vector<TcxLookAndFeelValues>{{lfvKind}}));
  EXPECT_EQ(s.Changes, (std::vector<TcxLookAndFeelValues>{{lfvKind}}));

  // NativeStyle is the middle's own: its change stops there, with an empty
  // set that reports nothing further.
  m.Changes.clear();
  l.Changes.clear();
  s.Changes.clear();
  Root()->SetNativeStyle(false);
  EXPECT_TRUE(m.Changes.empty());
  EXPECT_TRUE(l.Changes.empty());
  EXPECT_EQ(s.Changes, (std::vector<TcxLookAndFeelValues>{{lfvNativeStyle}}));

  // Setting a value to what it is already reports nothing.
  s.Changes.clear();
  Root()->SetKind(lfFlat);
  EXPECT_TRUE(s.Changes.empty());
  EXPECT_EQ(Root()->AssignedValues(), (TcxLookAndFeelValues{lfvKind, lfvNativeStyle}));
}

TEST_F(LookAndFeelTest, ListenersAddedOrRemovedDuringANotificationFollowTheSnapshot) {
  struct TScenario : TObject {
    TcxLookAndFeel master{nullptr};
    std::unique_ptr<TcxLookAndFeel> first = std::make_unique<TcxLookAndFeel>(nullptr);
    std::unique_ptr<TcxLookAndFeel> second = std::make_unique<TcxLookAndFeel>(nullptr);
    std::unique_ptr<TcxLookAndFeel> third = std::make_unique<TcxLookAndFeel>(nullptr);
    std::unique_ptr<TcxLookAndFeel> added;
    std::vector<std::string> calls;
    void First(TcxLookAndFeel*, TcxLookAndFeelValues) {
      calls.push_back("first");
      second.reset();  // removed meanwhile: skipped
      if (!added) {
        added = std::make_unique<TcxLookAndFeel>(nullptr);  // added meanwhile: not told this time
        added->SetMaster(&master);
        added->OnChanged = TcxLookAndFeelChangedEvent(this, &TScenario::Added);
      }
      // Leaves its master's list: the one after it is still told.
      master.RemoveChangeListener(first.get());
    }
    void Second(TcxLookAndFeel*, TcxLookAndFeelValues) { calls.push_back("second"); }
    void Third(TcxLookAndFeel*, TcxLookAndFeelValues) { calls.push_back("third"); }
    void Added(TcxLookAndFeel*, TcxLookAndFeelValues) { calls.push_back("added"); }
  } s;
  for (TcxLookAndFeel* laf : {s.first.get(), s.second.get(), s.third.get()}) laf->SetMaster(&s.master);
  s.first->OnChanged = TcxLookAndFeelChangedEvent(&s, &TScenario::First);
  s.second->OnChanged = TcxLookAndFeelChangedEvent(&s, &TScenario::Second);
  s.third->OnChanged = TcxLookAndFeelChangedEvent(&s, &TScenario::Third);

  s.master.SetKind(lfStandard);
  EXPECT_EQ(s.calls, (std::vector<std::string>{"first", "third"}));
  EXPECT_EQ(s.master.ChangeListenerCount(), 2);  // third and the one added

  s.calls.clear();
  s.master.SetKind(lfFlat);
  EXPECT_EQ(s.calls, (std::vector<std::string>{"third", "added"}));
}

TEST_F(LookAndFeelTest, AFreedMasterHandsItsFollowersBackToTheRoot) {
  TcxLookAndFeel leaf(nullptr);
  Root()->SetKind(lfOffice11);
  {
    TcxLookAndFeel master(nullptr);
    master.SetKind(lfFlat);
    leaf.SetMaster(&master);
    EXPECT_EQ(leaf.Kind(), lfFlat);
  }
  EXPECT_EQ(leaf.Master(), Root());
  EXPECT_EQ(leaf.Kind(), lfOffice11);
  EXPECT_EQ(Root()->ChangeListenerCount(), 1);
}

TEST_F(LookAndFeelTest, AssignCopiesTheAssignedValuesAndTheMaster) {
  TcxLookAndFeel master(nullptr), source(nullptr), target(nullptr);
  master.SetKind(lfStandard);
  source.SetMaster(&master);
  source.SetSkinName(L"Silver");
  TChangeLog log;
  log.Attach(&target);
  target.Assign(&source);
  EXPECT_EQ(target.Master(), &master);
  EXPECT_EQ(target.AssignedValues(), TcxLookAndFeelValues{lfvSkinName});
  EXPECT_EQ(target.Kind(), lfStandard);
  EXPECT_EQ(target.SkinName(), L"Silver");
  EXPECT_EQ(log.Changes, (std::vector<TcxLookAndFeelValues>{{lfvKind, lfvSkinName}})) << "reported once";
}

TEST_F(LookAndFeelTest, PainterStylesSetNativeStyleOrTheKind) {
  TcxLookAndFeel laf(nullptr);
  struct {
    TcxLookAndFeelStyle Style;
    bool Native;
    TcxLookAndFeelKind Kind;
  } cases[] = {{lfsFlat, false, lfFlat},
               {lfsStandard, false, lfStandard},
               {lfsOffice11, false, lfOffice11},
               {lfsUltraFlat, false, lfUltraFlat},
               {lfsNative, true, lfUltraFlat}};
  for (const auto& c : cases) {
    laf.SetPainterStyle(c.Style);
    EXPECT_EQ(laf.NativeStyle(), c.Native) << c.Style;
    EXPECT_EQ(laf.Kind(), c.Kind) << c.Style;
  }
}

// --- Controllers --------------------------------------------------------------------------
TEST_F(LookAndFeelTest, ControllersEditTheRootAndTheLastOneLeavingResetsIt) {
  auto first = std::make_unique<TcxLookAndFeelController>(nullptr);
  auto second = std::make_unique<TcxLookAndFeelController>(nullptr);
  EXPECT_EQ(cxLookAndFeelControllerCount(), 2);
  TcxLookAndFeel laf(nullptr);
  first->SetKind(lfFlat);
  first->SetNativeStyle(false);
  second->SetSkinName(L"Black");
  EXPECT_EQ(laf.Kind(), lfFlat);
  EXPECT_FALSE(laf.NativeStyle());
  EXPECT_EQ(second->Kind(), lfFlat);
  EXPECT_EQ(Root()->AssignedValues(), (TcxLookAndFeelValues{lfvKind, lfvNativeStyle, lfvSkinName}));

  // A look-and-feel other than the root takes no controller.
  laf.AddChangeListener(first.get());
  EXPECT_EQ(laf.ChangeListenerCount(), 0);
  EXPECT_EQ(cxLookAndFeelControllerCount(), 2);

  first.reset();
  EXPECT_EQ(laf.Kind(), lfFlat);
  second.reset();
  EXPECT_EQ(cxLookAndFeelControllerCount(), 0);
  EXPECT_TRUE(Root()->AssignedValues().Empty());
  EXPECT_EQ(laf.Kind(), lfUltraFlat);
  EXPECT_TRUE(laf.NativeStyle());
  EXPECT_EQ(laf.SkinName(), L"");

  TcxLookAndFeelController third(nullptr);
  third.SetKind(lfStandard);
  third.ResetToDefaults();
  EXPECT_EQ(Root()->Kind(), lfUltraFlat);
  EXPECT_TRUE(Root()->NativeStyle());
}

// --- Skin painters ------------------------------------------------------------------------
// A skin painter for the tests: the registry files it under a name.
class TFakeSkinPainter : public TcxOffice11LookAndFeelPainter {
 public:
  static TcxCustomLookAndFeelPainterClass Instance() {
    static const auto* instance = new TFakeSkinPainter();
    return instance;
  }
};

class SkinnedLookAndFeelTest : public LookAndFeelTest {
 protected:
  void SetUp() override {
    LookAndFeelTest::SetUp();
    ASSERT_TRUE(ExtendedStylePainterRegistry()->Register(L"FakeSkin", TFakeSkinPainter::Instance(), nullptr));
  }
  void TearDown() override {
    ExtendedStylePainterRegistry()->Unregister(L"FakeSkin");
    LookAndFeelTest::TearDown();
  }
};

TEST_F(SkinnedLookAndFeelTest, AKnownSkinNameDrawsOnlyWithoutNativeStyleAndWhileSkinsAreUsed) {
  TcxLookAndFeel laf(nullptr);
  TcxLookAndFeelController controller(nullptr);
  controller.SetSkinName(L"FakeSkin");
  EXPECT_EQ(laf.SkinName(), L"FakeSkin");
  EXPECT_EQ(laf.CurrentSkinPainter(), nullptr) << "NativeStyle is still on";
  controller.SetNativeStyle(false);
  EXPECT_EQ(laf.CurrentSkinPainter(), TFakeSkinPainter::Instance());
  EXPECT_EQ(laf.Painter(), TFakeSkinPainter::Instance());

  // Another letter case finds the same painter, yet it is a change of SkinName.
  TChangeLog log;
  log.Attach(&laf);
  controller.SetSkinName(L"fakeskin");
  EXPECT_EQ(log.Changes, (std::vector<TcxLookAndFeelValues>{{lfvSkinName}}));
  EXPECT_EQ(laf.Painter(), TFakeSkinPainter::Instance());

  // Skins off: the kind's painter until skins are on again and the root refreshes.
  SetcxUseSkins(false);
  Root()->Refresh();
  EXPECT_EQ(laf.CurrentSkinPainter(), nullptr);
  EXPECT_EQ(laf.Painter(), KindPainter(lfUltraFlat));
  SetcxUseSkins(true);
  Root()->Refresh();
  EXPECT_EQ(laf.Painter(), TFakeSkinPainter::Instance());

  // The painter's registration going away is heard by those that draw with it.
  ExtendedStylePainterRegistry()->Unregister(L"FakeSkin");
  EXPECT_EQ(laf.Painter(), KindPainter(lfUltraFlat));
  ASSERT_TRUE(ExtendedStylePainterRegistry()->Register(L"FakeSkin", TFakeSkinPainter::Instance(), nullptr));
  EXPECT_EQ(laf.Painter(), KindPainter(lfUltraFlat)) << "only look-and-feels drawing with a skin listen";
  Root()->Refresh();
  EXPECT_EQ(laf.Painter(), TFakeSkinPainter::Instance());
}

// --- Streaming ----------------------------------------------------------------------------
// A component with a look-and-feel, as every toolkit control has.
class TLookAndFeelHolder : public TComponent {
  VAMIRE_CLASS(TLookAndFeelHolder, TComponent)
 public:
  explicit TLookAndFeelHolder(TComponent* AOwner) : TComponent(AOwner), FLookAndFeel(this) {}
  TcxLookAndFeel* LookAndFeel() { return &FLookAndFeel; }
  void SetLookAndFeel(TcxLookAndFeel* Value) { FLookAndFeel.Assign(Value); }

 private:
  TcxLookAndFeel FLookAndFeel;
};
VAMIRE_PUBLISHED(TLookAndFeelHolder,
                 Prop(L"LookAndFeel", &TLookAndFeelHolder::LookAndFeel, &TLookAndFeelHolder::SetLookAndFeel))

String SaveToText(TComponent* AComponent) {
  TStringStream out;
  TWriter writer(&out);
  writer.WriteRootComponent(AComponent);
  return FormBinaryToText(out.DataString());
}

std::unique_ptr<TLookAndFeelHolder> LoadFromText(const String& AText) {
  auto holder = std::make_unique<TLookAndFeelHolder>(nullptr);
  TStringStream in(FormTextToBinary(AText));
  ReadComponentFromStream(&in, holder.get());
  return holder;
}

TEST_F(LookAndFeelTest, AFormStreamKeepsTheAssignedValuesOnly) {
  RegisterClasses({TLookAndFeelHolder::StaticClass()});
  Root()->SetKind(lfOffice11);  // inherited values are never written
  struct {
    const char* What;
    void (*Edit)(TcxLookAndFeel*);
    const wchar_t* Lines;
  } cases[] = {
      {"nothing", [](TcxLookAndFeel*) {}, L""},
      {"kind", [](TcxLookAndFeel* l) { l->SetKind(lfFlat); }, L"  LookAndFeel.Kind = lfFlat\n"},
      {"native style as it was",
       [](TcxLookAndFeel* l) { l->SetNativeStyle(true); },
       L"  LookAndFeel.NativeStyle = True\n"},
      {"skin name", [](TcxLookAndFeel* l) { l->SetSkinName(L"Blue"); }, L"  LookAndFeel.SkinName = 'Blue'\n"},
      {"empty skin name", [](TcxLookAndFeel* l) { l->SetSkinName(L""); }, L"  LookAndFeel.SkinName = ''\n"},
      {"all",
       [](TcxLookAndFeel* l) {
         l->SetKind(lfStandard);
         l->SetNativeStyle(false);
         l->SetSkinName(L"Black");
       },
       L"  LookAndFeel.Kind = lfStandard\n  LookAndFeel.NativeStyle = False\n  LookAndFeel.SkinName = 'Black'\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    TLookAndFeelHolder holder(nullptr);
    holder.SetName(L"Holder");
    c.Edit(holder.LookAndFeel());
    const String text = SaveToText(&holder);
    EXPECT_EQ(text, String(L"object Holder: TLookAndFeelHolder\n") + c.Lines + L"end\n");
    auto loaded = LoadFromText(text);
    EXPECT_EQ(loaded->LookAndFeel()->AssignedValues(), holder.LookAndFeel()->AssignedValues());
    EXPECT_EQ(loaded->LookAndFeel()->Kind(), holder.LookAndFeel()->Kind());
    EXPECT_EQ(loaded->LookAndFeel()->NativeStyle(), holder.LookAndFeel()->NativeStyle());
    EXPECT_EQ(loaded->LookAndFeel()->SkinName(), holder.LookAndFeel()->SkinName());
    EXPECT_EQ(SaveToText(loaded.get()), text);
  }
  UnRegisterClasses({TLookAndFeelHolder::StaticClass()});
}

TEST_F(LookAndFeelTest, AControllerStreamsWhatDiffersFromItsDefaults) {
  RegisterClasses({TLookAndFeelHolder::StaticClass()});
  auto controller = std::make_unique<TcxLookAndFeelController>(nullptr);
  controller->SetName(L"Controller");
  EXPECT_EQ(SaveToText(controller.get()), L"object Controller: TcxLookAndFeelController\nend\n");
  controller->SetKind(lfFlat);
  controller->SetNativeStyle(false);
  controller->SetSkinName(L"Blue");
  const String text = SaveToText(controller.get());
  EXPECT_EQ(text, L"object Controller: TcxLookAndFeelController\n  Kind = lfFlat\n  NativeStyle = False\n"
                  L"  SkinName = 'Blue'\nend\n");
  controller.reset();
  EXPECT_TRUE(Root()->AssignedValues().Empty());
  // Read back, it edits the root again.
  auto loaded = std::make_unique<TcxLookAndFeelController>(nullptr);
  TStringStream in(FormTextToBinary(text));
  ReadComponentFromStream(&in, loaded.get());
  EXPECT_EQ(Root()->Kind(), lfFlat);
  EXPECT_FALSE(Root()->NativeStyle());
  EXPECT_EQ(Root()->SkinName(), L"Blue");
  loaded.reset();
  UnRegisterClasses({TLookAndFeelHolder::StaticClass()});
}

// --- System colour changes ----------------------------------------------------------------
TEST_F(LookAndFeelTest, ASystemColourChangeRefreshesTheOfficeSetRebuildsTheRadioImagesAndTellsEachLookAndFeelOnce) {
  TInjectedSysColors colors;
  TcxSystemPaletteChangedListener* listener = SystemPaletteChangedListener();
  ASSERT_NE(listener, nullptr);
  SendMessageW(listener->Handle(), WM_SYSCOLORCHANGE, 0, 0);

  TcxLookAndFeel middle(nullptr), leaf(nullptr), own(nullptr);
  leaf.SetMaster(&middle);
  own.SetMaster(&middle);
  own.SetNativeStyle(false);  // hears of the change through its own notifier all the same
  TChangeLog r, m, l, o;
  r.Attach(Root());
  m.Attach(&middle);
  l.Attach(&leaf);
  o.Attach(&own);

  // The order in which notifiers hear: primary ones first, each list last to first.
  struct TOrder : TObject {
    std::vector<std::string> Heard;
    void Primary(TObject*) { Heard.push_back("primary"); }
    void Ordinary(TObject*) { Heard.push_back("ordinary"); }
  } order;
  TcxSystemPaletteChangedNotifier ordinary(false), primary(true);
  ordinary.OnPaletteChanged = TNotifyEvent(&order, &TOrder::Ordinary);
  primary.OnPaletteChanged = TNotifyEvent(&order, &TOrder::Primary);

  // The radio images as the ultra-flat look draws them now.
  TcxRadioButtonImageList* radios = GetRadioButtonImageList();
  ASSERT_NE(radios, nullptr);
  const TSize glyph = radios->GetImageSize();
  const TPoint centre{glyph.cx / 2, glyph.cy / 2};
  auto bodyPixel = [&] {
    CanvasSurface s(glyph.cx, glyph.cy);
    radios->DrawImage(&s.Cx, 0, 0, clDefault, lfUltraFlat, cxbsNormal, false, false, false);
    return s.Cap().At(centre.X, centre.Y);
  };
  EXPECT_EQ(bodyPixel(), Rgb(clWindow));
  const TColor oldFace = Office11Color(1);

  colors.SetShift(3);  // "the system colours change"
  SendMessageW(listener->Handle(), WM_SYSCOLORCHANGE, 0, 0);

  EXPECT_EQ(Office11Color(1), ColorToRGB(clBtnFace));
  EXPECT_NE(Office11Color(1), oldFace);
  EXPECT_EQ(bodyPixel(), Rgb(clWindow)) << "the images were made again from the new colours";
  for (TChangeLog* log : {&r, &m, &l, &o})
    EXPECT_EQ(log->Changes, (std::vector<TcxLookAndFeelValues>{{lfvNativeStyle}}));
  EXPECT_EQ(order.Heard, (std::vector<std::string>{"primary", "ordinary"}));
}

TEST_F(LookAndFeelTest, TheListenerLivesWhileANotifierDoesAndHoldsTheOfficeSet) {
  // The root's notifier and the painters' keep it while the units run.
  TcxSystemPaletteChangedListener* listener = SystemPaletteChangedListener();
  ASSERT_NE(listener, nullptr);
  const int notifiers = listener->NotifierCount();
  EXPECT_GE(notifiers, 2);
  EXPECT_GE(Office11ColorsRefCount(), 1);
  EXPECT_NE(Office11EntryBrush(19), nullptr);
  {
    TcxLookAndFeel laf(nullptr);
    EXPECT_EQ(SystemPaletteChangedListener(), listener);
    EXPECT_EQ(listener->NotifierCount(), notifiers + 1);
  }
  EXPECT_EQ(listener->NotifierCount(), notifiers);
}

}  // namespace
