// Which painter a look-and-feel hands out, over NativeStyle x Kind x SkinName
// x UseSkins, in both prefixes: each expected branch is read from whether
// themes can be used in the prefix the program runs in (D-45).
#include "lookandfeel2_test_support.h"

namespace {

using namespace lookandfeel2_test;

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TLookAndFeelUnits);

class TFakeSkinPainter : public TcxOffice11LookAndFeelPainter {
 public:
  static TcxCustomLookAndFeelPainterClass Instance() {
    static const auto* instance = new TFakeSkinPainter();
    return instance;
  }
};

TEST(PainterChoiceTest, ThemesServeInTheThemedPrefixOnly) {
  EXPECT_EQ(CanUseThemes(), vamire_test::InThemedPrefix());
}

TEST(PainterChoiceTest, NativeStyleKindSkinNameAndUseSkinsDecideThePainter) {
  ASSERT_TRUE(ExtendedStylePainterRegistry()->Register(L"FakeSkin", TFakeSkinPainter::Instance(), nullptr));
  const bool themes = CanUseThemes();
  const TcxLookAndFeelKind kinds[] = {lfFlat, lfStandard, lfUltraFlat, lfOffice11};
  // A registered name in either letter case, a name no painter bears, none.
  const wchar_t* const names[] = {L"FakeSkin", L"FAKESKIN", L"Unknown", L""};
  int cases = 0;
  for (bool onRoot : {false, true})
    for (bool native : {false, true})
      for (TcxLookAndFeelKind kind : kinds)
        for (const wchar_t* name : names)
          for (bool useSkins : {true, false}) {
            TcxLookAndFeel laf(nullptr);
            // Assigned on the look-and-feel itself, or inherited from the root.
            TcxLookAndFeel* edited = onRoot ? GlobalRootLookAndFeel() : &laf;
            SetcxUseSkins(useSkins);
            edited->SetNativeStyle(native);
            edited->SetKind(kind);
            edited->SetSkinName(name);
            edited->Refresh();
            const bool skinFound = _wcsicmp(name, L"FakeSkin") == 0;
            TcxCustomLookAndFeelPainterClass expected = GetPainterOfKind(kind);
            if (native && themes) expected = TcxWinXPLookAndFeelPainter::Instance();
            else if (!native && skinFound && useSkins) expected = TFakeSkinPainter::Instance();
            EXPECT_EQ(laf.Painter(), expected) << "root " << onRoot << ", native " << native << ", kind " << kind
                                               << ", skin " << std::string(name, name + wcslen(name)) << ", use skins "
                                               << useSkins;
            EXPECT_EQ(laf.CurrentSkinPainter() != nullptr, !native && skinFound && useSkins);
            GlobalRootLookAndFeel()->ClearAssignedValues();
            ++cases;
          }
  EXPECT_EQ(cases, 128);
  SetcxUseSkins(true);
  ExtendedStylePainterRegistry()->Unregister(L"FakeSkin");
}

TEST(PainterChoiceTest, AskedForParticularThemedObjectsTheNativePainterNeedsEachOfThem) {
  TcxLookAndFeel laf(nullptr);
  laf.SetKind(lfOffice11);
  const bool themes = CanUseThemes();
  EXPECT_EQ(laf.GetPainterForThemeObjects({totButton, totScrollBar}),
            themes ? TcxWinXPLookAndFeelPainter::Instance() : TcxOffice11LookAndFeelPainter::Instance());
  EXPECT_EQ(laf.GetPainterForThemeObject(totTab),
            themes ? TcxWinXPLookAndFeelPainter::Instance() : TcxOffice11LookAndFeelPainter::Instance());
  {
    // A class the style does not theme falls back to the kind's painter.
    TFakeThemeLibrary fake;
    fake.Refuse(L"Tab");
    EXPECT_EQ(laf.GetPainterForThemeObject(totTab), TcxOffice11LookAndFeelPainter::Instance());
    EXPECT_EQ(laf.GetPainterForThemeObjects({totButton, totTab}), TcxOffice11LookAndFeelPainter::Instance());
    EXPECT_EQ(laf.GetPainterForThemeObject(totButton), TcxWinXPLookAndFeelPainter::Instance());
  }
  laf.SetNativeStyle(false);
  EXPECT_EQ(laf.GetPainterForThemeObjects({totButton}), TcxOffice11LookAndFeelPainter::Instance());
}

}  // namespace
