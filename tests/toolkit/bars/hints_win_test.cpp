// The library's one hint: requested, shown and hidden by its timers, whose
// ticks the tests fire instead of waiting; the quick re-show after a hint
// vanished; disabled items; shortcut texts.
#include "bars_test_support.h"

namespace {

using namespace bars_test;
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TBarUnits);

// An object under the mouse that has a hint (or not), enabled or not.
class THintSource : public TcxIUnknownObject, public IdxBarHintSource {
  VAMIRE_CLASS(THintSource, TcxIUnknownObject)
 public:
  THintSource(const String& AHint, const String& AShortCut, bool AEnabled = true)
      : Hint(AHint), ShortCut(AShortCut), Enabled(AEnabled) {}
  bool GetInterface(const TGUID& iid, void** obj) override {
    return InterfaceTable<IdxBarHintSource>(this, iid, obj) || inherited::GetInterface(iid, obj);
  }
  bool HasHint(String& AHint, String& AShortCut) override {
    AHint = Hint;
    AShortCut = ShortCut;
    return !Hint.empty();
  }
  bool IsEnabled() override { return Enabled; }
  String Hint, ShortCut;
  bool Enabled;
};

class BarHintTest : public testing::Test {
 protected:
  void SetUp() override {
    Form = MakeForm();
    Manager = new TdxBarManager(Form);
    ASSERT_NE(dxBarHintWindow(), nullptr);
  }
  void TearDown() override {
    Manager->HideHint();
    if (dxBarHintReshowTimerRunning()) dxBarFireHintReshowTimer();
    Form->Free();
  }
  static bool Shown() { return dxBarHintWindow()->IsShown(); }
  static String Text() { return dxBarHintWindow()->ShownText(); }
  THostForm* Form = nullptr;
  TdxBarManager* Manager = nullptr;
};

TEST_F(BarHintTest, ShowHintOffChangesNothing) {
  THintSource open(L"Open", L"Ctrl+O");
  Manager->SetShowHint(false);
  Manager->UpdateHint(true, String(), &open);
  EXPECT_EQ(Manager->HintObject(), nullptr) << "not even the hint object";
  EXPECT_FALSE(dxBarHintTimerRunning());
  EXPECT_FALSE(Shown());
}

TEST_F(BarHintTest, ShowThenHideByTheirTimers) {
  THintSource open(L"Open", L"Ctrl+O");
  Manager->UpdateHint(true, String(), &open);
  EXPECT_EQ(Manager->HintObject(), &open);
  EXPECT_TRUE(dxBarHintTimerRunning()) << "the show delay runs";
  EXPECT_FALSE(Shown());
  EXPECT_EQ(dxBarHintWindow()->ShowDelay(), 1000);
  dxBarFireHintTimer();
  EXPECT_TRUE(Shown());
  EXPECT_EQ(Text(), L"Open") << "no shortcut unless asked for";
  EXPECT_TRUE(dxBarHintTimerRunning()) << "the hide delay runs";
  EXPECT_EQ(dxBarHintWindow()->HideDelay(), 10000);
  dxBarFireHintTimer();
  EXPECT_FALSE(Shown());
  EXPECT_FALSE(dxBarHintTimerRunning());
  dxBarHintWindow()->ScreenTipMode = true;
  EXPECT_EQ(dxBarHintWindow()->ShowDelay(), 900);
  EXPECT_EQ(dxBarHintWindow()->HideDelay(), 200000);
  dxBarHintWindow()->ScreenTipMode = false;
}

TEST_F(BarHintTest, AHintThatVanishedLetsTheNextShowAtOnce) {
  THintSource open(L"Open", String()), save(L"Save", String());
  Manager->UpdateHint(true, String(), &open);
  dxBarFireHintTimer();
  ASSERT_TRUE(Shown());
  Manager->UpdateHint(true, String(), nullptr);
  EXPECT_FALSE(Shown()) << "nothing with a hint under the mouse";
  EXPECT_TRUE(dxBarHintQuickReshow());
  EXPECT_TRUE(dxBarHintReshowTimerRunning());
  Manager->UpdateHint(true, String(), &save);
  EXPECT_TRUE(Shown()) << "within the 400 ms: at once";
  EXPECT_EQ(Text(), L"Save");
  Manager->HideHint();
  EXPECT_FALSE(Shown());
  dxBarFireHintReshowTimer();
  EXPECT_FALSE(dxBarHintQuickReshow());
  EXPECT_FALSE(dxBarHintReshowTimerRunning());
  Manager->UpdateHint(true, String(), &open);
  EXPECT_FALSE(Shown()) << "after the 400 ms the show delay applies again";
  EXPECT_TRUE(dxBarHintTimerRunning());
}

TEST_F(BarHintTest, DisabledItemsAndShortCuts) {
  THintSource cut(L"Cut", L"Ctrl+X", false);
  Manager->ShowHintForDisabledItems = false;
  Manager->UpdateHint(true, String(), &cut);
  dxBarFireHintTimer();
  EXPECT_FALSE(Shown()) << "a disabled item shows no hint";
  EXPECT_FALSE(dxBarHintTimerRunning());
  Manager->ShowHintForDisabledItems = true;
  Manager->UpdateHint(true, String(), &cut);
  dxBarFireHintTimer();
  EXPECT_TRUE(Shown());
  EXPECT_EQ(Text(), L"Cut");
  Manager->HideHint();
  Manager->SetShowShortCutInHint(true);
  Manager->UpdateHint(true, String(), &cut);
  dxBarFireHintTimer();
  EXPECT_EQ(Text(), L"Cut (Ctrl+X)");
  Manager->HideHint();
  Manager->UpdateHint(true, L"Plain text", &cut);
  dxBarFireHintTimer();
  EXPECT_EQ(Text(), L"Plain text") << "a text wins and has no shortcut";
}

TEST_F(BarHintTest, ATickForAManagerBeingFreedDoesNothing) {
  THintSource open(L"Open", String());
  Manager->UpdateHint(true, String(), &open);
  ASSERT_TRUE(dxBarHintTimerRunning());
  Form->Free();
  EXPECT_FALSE(dxBarHintTimerRunning()) << "the manager's timer goes with it";
  dxBarFireHintTimer();
  EXPECT_FALSE(Shown());
  Form = MakeForm();
  Manager = new TdxBarManager(Form);
}

}  // namespace
