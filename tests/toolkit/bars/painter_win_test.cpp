// The painter a manager's style picks, in either prefix and with the
// visual-styles library played by a fake that says themes are active.
#include "bars_test_support.h"
#include "support/TestPrefix.h"

namespace {

using namespace bars_test;
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TBarUnits);

// Themes active, every class opens, nothing is drawn. The theme manager is told
// of the change as the system would tell it.
HTHEME WINAPI FakeOpen(HWND, LPCWSTR) { return HTHEME(0x51); }
HRESULT WINAPI FakeClose(HTHEME) { return S_OK; }
BOOL WINAPI FakeTrue() { return TRUE; }
HRESULT WINAPI FakeNoColor(HTHEME, int, int, int, COLORREF*) { return E_FAIL; }

class TActiveThemes {
 public:
  TActiveThemes() {
    TdxUxThemeApi api;
    api.Loaded = true;
    api.OpenThemeData = &FakeOpen;
    api.CloseThemeData = &FakeClose;
    api.IsThemeActive = &FakeTrue;
    api.IsAppThemed = &FakeTrue;
    api.GetThemeColor = &FakeNoColor;
    ReleaseAllThemeHandles();
    FPrevious = SetUxThemeApi(api);
    Changed();
  }
  ~TActiveThemes() {
    ReleaseAllThemeHandles();
    SetUxThemeApi(FPrevious);
    Changed();
  }
  static void Changed() {
    if (TdxThemeChangedEventReceiver* receiver = ThemeChangedEventReceiver())
      SendMessageW(receiver->Handle(), WM_THEMECHANGED, 0, 0);
  }

 private:
  TdxUxThemeApi FPrevious;
};

struct TStyleCase {
  TdxBarManagerStyle Style;
  TcxLookAndFeelKind Kind;
  bool Native;
  TdxBarManagerStyle Effective;
  TClass Painter;
  const char* What;
};

void CheckStyles(const std::vector<TStyleCase>& Cases, const char* Where) {
  THostForm* form = MakeForm();
  auto* m = new TdxBarManager(form);
  for (const TStyleCase& c : Cases) {
    m->LookAndFeel()->SetKind(c.Kind);
    m->LookAndFeel()->SetNativeStyle(c.Native);
    m->SetStyle(c.Style);
    EXPECT_EQ(m->GetEffectiveStyle(), c.Effective) << Where << ": " << c.What;
    EXPECT_EQ(m->GetPainterClassInUse(), c.Painter) << Where << ": " << c.What;
  }
  form->Free();
}

TEST(BarPainterTest, StyleTableWithoutThemes) {
  const bool themed = vamire_test::InThemedPrefix() && CanUseThemes();
  const TClass xp = themed ? TdxBarXPPainter::StaticClass() : TdxBarEnhancedPainter::StaticClass();
  CheckStyles(
      {
          {bmsXP, lfStandard, false, bmsXP, xp, "XP asked: the XP painter only with themes"},
          {bmsStandard, lfFlat, true, bmsStandard, TdxBarStandardPainter::StaticClass(), "standard"},
          {bmsEnhanced, lfFlat, false, bmsEnhanced, TdxBarEnhancedPainter::StaticClass(), "enhanced"},
          {bmsFlat, lfFlat, false, bmsFlat, TdxBarFlatPainter::StaticClass(), "flat"},
          {bmsOffice11, lfFlat, false, bmsOffice11, TdxBarOffice11Painter::StaticClass(), "office 11"},
          {bmsUseLookAndFeel, lfUltraFlat, false, bmsFlat, TdxBarFlatPainter::StaticClass(), "ultra flat"},
          {bmsUseLookAndFeel, lfFlat, false, bmsEnhanced, TdxBarEnhancedPainter::StaticClass(), "flat kind"},
          {bmsUseLookAndFeel, lfStandard, false, bmsStandard, TdxBarStandardPainter::StaticClass(), "standard kind"},
          {bmsUseLookAndFeel, lfOffice11, false, bmsOffice11, TdxBarOffice11Painter::StaticClass(), "office kind"},
      },
      vamire_test::InThemedPrefix() ? "themed prefix" : "plain prefix");
}

TEST(BarPainterTest, StyleTableWithThemesInjected) {
  TActiveThemes themes;
  ASSERT_TRUE(CanUseThemes());
  CheckStyles(
      {
          {bmsXP, lfStandard, false, bmsXP, TdxBarXPPainter::StaticClass(), "XP with themes"},
          {bmsUseLookAndFeel, lfStandard, true, bmsXP, TdxBarXPPainter::StaticClass(), "native look-and-feel"},
          {bmsUseLookAndFeel, lfUltraFlat, false, bmsFlat, TdxBarFlatPainter::StaticClass(), "not native"},
          {bmsStandard, lfStandard, true, bmsStandard, TdxBarStandardPainter::StaticClass(), "standard stays"},
      },
      "themes injected");
}

TEST(BarPainterTest, NativeLookWithoutThemesFallsBackToItsKind) {
  // A look-and-feel that asks for the native style where no themes are usable.
  const TdxUxThemeApi previous = SetUxThemeApi(TdxUxThemeApi());
  TActiveThemes::Changed();
  CheckStyles({{bmsUseLookAndFeel, lfUltraFlat, true, bmsFlat, TdxBarFlatPainter::StaticClass(), "native off"},
               {bmsXP, lfUltraFlat, true, bmsXP, TdxBarEnhancedPainter::StaticClass(), "XP without themes"}},
              "no themes");
  SetUxThemeApi(previous);
  TActiveThemes::Changed();
}

TEST(BarPainterTest, LookAndFeelChangesRestyleAndStyleCopiesOut) {
  THostForm* form = MakeForm();
  auto* m = new TdxBarManager(form);
  m->LookAndFeel()->SetNativeStyle(false);
  m->LookAndFeel()->SetKind(lfOffice11);
  EXPECT_EQ(m->GetPainterClassInUse(), TdxBarOffice11Painter::StaticClass());
  m->LookAndFeel()->SetKind(lfStandard);
  EXPECT_EQ(m->GetPainterClassInUse(), TdxBarStandardPainter::StaticClass()) << "a look-and-feel change restyles";

  TcxLookAndFeel target(nullptr);
  struct {
    TdxBarManagerStyle Style;
    TcxLookAndFeelKind Kind;
    bool Native;
  } copies[] = {{bmsFlat, lfUltraFlat, false}, {bmsOffice11, lfOffice11, false}, {bmsStandard, lfFlat, false},
                {bmsEnhanced, lfFlat, false}};
  for (const auto& c : copies) {
    m->SetStyle(c.Style);
    target.SetSkinName(L"Anything");
    m->ApplyStyleToLookAndFeel(&target);
    EXPECT_EQ(target.Kind(), c.Kind) << c.Style;
    EXPECT_EQ(target.NativeStyle(), c.Native) << c.Style;
    EXPECT_TRUE(target.SkinName().empty()) << c.Style;
  }
  m->SetStyle(bmsUseLookAndFeel);
  m->LookAndFeel()->SetKind(lfUltraFlat);
  m->ApplyStyleToLookAndFeel(&target);
  EXPECT_EQ(target.Kind(), lfUltraFlat) << "assigned from the manager's own look-and-feel";

  SetdxBarSkinPainterClass(TdxBarOffice11Painter::StaticClass());
  EXPECT_EQ(dxBarSkinPainterClass(), TdxBarOffice11Painter::StaticClass());
  SetdxBarSkinPainterClass(nullptr);
  EXPECT_EQ(dxBarSkinPainterClass(), TdxBarStandardPainter::StaticClass()) << "the standard painter until filed";
  form->Free();
}

}  // namespace
