// Which painter draws the status bar and the button, in the plain prefix and
// in the themed one (D-45): the native look where the system's visual style
// works, the standard one where it does not.
#include "cxButtons_win.h"
#include "cxLookAndFeelPainters_native_win.h"
#include "statusbar_test_support.h"

using namespace statusbar_test;

namespace {

class TChoiceUnits : public TStatusBarUnits {
 public:
  void SetUp() override {
    TStatusBarUnits::SetUp();
    InitializeUnits({cxButtonsUnit});
  }
};
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TChoiceUnits);

TEST(PainterChoice, StatusBarByPaintStyleAndLookAndFeel) {
  const bool themed = vamire_test::InThemedPrefix();
  ASSERT_EQ(CanUseThemes(TdxThemedObjectTypes{totStatus}), themed);
  const TdxStatusBarPainterClass standard = TdxStatusBarStandardPainter::Instance();
  const TdxStatusBarPainterClass xp = themed ? TdxStatusBarXPPainter::Instance() : standard;
  struct Case {
    TdxStatusBarPaintStyle style;
    TcxLookAndFeelKind kind;
    bool native;
    TdxStatusBarPainterClass expected;
  };
  const Case cases[] = {
      {stpsStandard, lfUltraFlat, true, standard},
      {stpsFlat, lfStandard, false, TdxStatusBarFlatPainter::Instance()},
      {stpsXP, lfStandard, false, xp},
      {stpsOffice11, lfStandard, true, TdxStatusBarOffice11Painter::Instance()},
      {stpsUseLookAndFeel, lfStandard, true, xp},
      {stpsUseLookAndFeel, lfStandard, false, standard},
      {stpsUseLookAndFeel, lfFlat, false, standard},
      {stpsUseLookAndFeel, lfUltraFlat, false, TdxStatusBarFlatPainter::Instance()},
      {stpsUseLookAndFeel, lfOffice11, false, TdxStatusBarOffice11Painter::Instance()},
  };
  THostForm* form = MakeForm();
  for (const Case& c : cases) {
    auto* bar = new TdxStatusBar(form);
    bar->SetParent(form);
    bar->LookAndFeel()->SetKind(c.kind);
    bar->LookAndFeel()->SetNativeStyle(c.native);
    bar->SetPaintStyle(c.style);
    EXPECT_EQ(bar->Painter(), c.expected) << int(c.style) << " " << int(c.kind) << " " << c.native;
    delete bar;
  }
  delete form;
}

TEST(PainterChoice, TheButtonDrawsTheOffice11LookAsTheSystemsOrTheStandardButton) {
  const bool themed = vamire_test::InThemedPrefix();
  THostForm* form = MakeForm();
  auto* b = new TcxButton(form);
  b->SetParent(form);
  b->LookAndFeel()->SetNativeStyle(false);
  b->LookAndFeel()->SetKind(lfOffice11);
  EXPECT_EQ(b->GetPainter(), themed ? TcxWinXPLookAndFeelPainter::Instance()
                                    : TcxStandardLookAndFeelPainter::Instance());
  b->LookAndFeel()->SetKind(lfFlat);
  EXPECT_EQ(b->GetPainter(), GetPainterOfKind(lfFlat));
  b->LookAndFeel()->SetNativeStyle(true);
  EXPECT_EQ(b->GetPainter(), themed ? TcxWinXPLookAndFeelPainter::Instance() : GetPainterOfKind(lfFlat));
  delete form;
}

}  // namespace
