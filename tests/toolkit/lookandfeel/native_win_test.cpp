// The native painter, in both prefixes (D-45): the themed classes, parts and
// states it draws with, asserted through the recording fake; the system
// style's own drawing compared with a direct call of the theme library where
// themes serve; and, where they don't, the standard look's pixels exactly.
#include <vssym32.h>

#include <functional>

#include "lookandfeel2_test_support.h"

namespace {

using namespace lookandfeel2_test;

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TLookAndFeelUnits);

const TcxCustomLookAndFeelPainterClass kNative = TcxWinXPLookAndFeelPainter::Instance();
const TcxCustomLookAndFeelPainterClass kStandard = TcxStandardLookAndFeelPainter::Instance();
const auto* const kNativePainter = static_cast<const TcxWinXPLookAndFeelPainter*>(kNative);

using TDraw = std::function<void(TcxCustomLookAndFeelPainterClass, TcxCanvas*, const TRect&)>;

struct TPartCase {
  const char* What;
  TDraw Draw;
  std::wstring Class;
  int Part, State;
};

TEST(NativePartsTest, EachElementDrawsItsClassPartAndState) {
  TFakeThemeLibrary fake;
  fake.Sizes[{L"Button", BP_RADIOBUTTON}] = SIZE{13, 13};
  const TRect r{0, 0, 40, 20};
  auto cell = [](TcxButtonState s, bool tool) {
    return [s, tool](auto p, auto c, const TRect& r) { p->PaintButtonCell(c, r, L"", s, true, clDefault, clDefault, false, tool); };
  };
  auto scroll = [](bool horizontal, TcxScrollBarPart part, TcxButtonState s) {
    return [=](auto p, auto c, const TRect& r) { p->PaintScrollBarPart(c, horizontal, r, part, s); };
  };
  auto check = [](TcxButtonState s, TcxCheckBoxState checked) {
    return [=](auto p, auto c, const TRect& r) { p->PaintCheckBox(c, r, s, checked); };
  };
  const TPartCase cases[] = {
      {"default button", cell(cxbsDefault, false), L"Button", BP_PUSHBUTTON, PBS_DEFAULTED},
      {"normal button", cell(cxbsNormal, false), L"Button", BP_PUSHBUTTON, PBS_NORMAL},
      {"hot button", cell(cxbsHot, false), L"Button", BP_PUSHBUTTON, PBS_HOT},
      {"pressed button", cell(cxbsPressed, false), L"Button", BP_PUSHBUTTON, PBS_PRESSED},
      {"disabled button", cell(cxbsDisabled, false), L"Button", BP_PUSHBUTTON, PBS_DISABLED},
      {"tool button", cell(cxbsHot, true), L"ToolBar", 1, PBS_HOT},
      {"button face", [](auto p, auto c, const TRect& r) { p->PaintButtonFace(c, r, cxbsPressed); }, L"Button", 1, 3},
      {"unchecked hot", check(cxbsHot, cbsUnchecked), L"Button", BP_CHECKBOX, CBS_UNCHECKEDHOT},
      {"checked pressed", check(cxbsPressed, cbsChecked), L"Button", BP_CHECKBOX, CBS_CHECKEDPRESSED},
      {"checked disabled", check(cxbsDisabled, cbsChecked), L"Button", BP_CHECKBOX, CBS_CHECKEDDISABLED},
      {"radio", [](auto p, auto c, const TRect&) { p->DrawRadioButton(c, 3, 4, cxbsHot, true, false, clDefault, false); },
       L"Button", BP_RADIOBUTTON, RBS_CHECKEDHOT},
      {"arrow up pressed", scroll(false, sbpLineUp, cxbsPressed), L"ScrollBar", SBP_ARROWBTN, 3},
      {"arrow down pressed", scroll(false, sbpLineDown, cxbsPressed), L"ScrollBar", SBP_ARROWBTN, 7},
      {"arrow left pressed", scroll(true, sbpLineUp, cxbsPressed), L"ScrollBar", SBP_ARROWBTN, 11},
      {"arrow right pressed", scroll(true, sbpLineDown, cxbsPressed), L"ScrollBar", SBP_ARROWBTN, 15},
      {"arrow right default", scroll(true, sbpLineDown, cxbsDefault), L"ScrollBar", SBP_ARROWBTN, 13},
      {"horizontal thumb", scroll(true, sbpThumbnail, cxbsHot), L"ScrollBar", SBP_THUMBBTNHORZ, SCRBS_HOT},
      {"vertical thumb disabled", scroll(false, sbpThumbnail, cxbsDisabled), L"ScrollBar", SBP_THUMBBTNVERT,
       SCRBS_DISABLED},
      {"track before, horizontal", scroll(true, sbpPageUp, cxbsNormal), L"ScrollBar", SBP_LOWERTRACKHORZ, 1},
      {"track after, horizontal", scroll(true, sbpPageDown, cxbsPressed), L"ScrollBar", SBP_UPPERTRACKHORZ, 3},
      {"track before, vertical", scroll(false, sbpPageUp, cxbsNormal), L"ScrollBar", SBP_LOWERTRACKVERT, 1},
      {"track after, vertical", scroll(false, sbpPageDown, cxbsNormal), L"ScrollBar", SBP_UPPERTRACKVERT, 1},
      {"size grip", [](auto p, auto c, const TRect& r) { p->PaintSizeGrip(c, r); }, L"ScrollBar", SBP_SIZEBOX, 1},
      {"group box", [](auto p, auto c, const TRect& r) { p->PaintGroupBoxFrame(c, r, true, cxgpTop, cxBordersAll); },
       L"Button", BP_GROUPBOX, GBS_NORMAL},
      {"disabled group box",
       [](auto p, auto c, const TRect& r) { p->PaintGroupBoxFrame(c, r, false, cxgpTop, cxBordersAll); }, L"Button",
       BP_GROUPBOX, GBS_DISABLED},
      {"header", [](auto p, auto c, const TRect& r) {
         p->PaintHeader(c, r, r, {}, cxBordersAll, cxbsDisabled, taLeftJustify, vaCenter, false, false, L"", nullptr,
                        clDefault, clDefault, nullptr, false);
       }, L"Header", HP_HEADERITEM, HIS_NORMAL},
      {"pressed header", [](auto p, auto c, const TRect& r) {
         p->PaintHeader(c, r, r, {nLeft}, cxBordersAll, cxbsPressed, taLeftJustify, vaCenter, false, false, L"",
                        nullptr, clDefault, clDefault, nullptr, false);
       }, L"Header", HP_HEADERITEM, HIS_PRESSED},
      {"tree button", [](auto p, auto c, const TRect& r) { p->PaintTreeButton(c, r, true, clDefault); }, L"TreeView",
       TVP_GLYPH, GLPS_OPENED},
      {"collapsed chevron", [](auto p, auto c, const TRect& r) { p->PaintChevronButton(c, r, false, cxbsHot); },
       L"ExplorerBar", 7, 2},
      {"drop button", [](auto p, auto c, const TRect& r) { p->PaintDropButton(c, r, cxbsPressed, false); },
       L"ComboBox", CP_DROPDOWNBUTTON, 3},
      {"close button", [](auto p, auto c, const TRect& r) { p->PaintCrossButton(c, r, cxbsDefault); }, L"Window",
       WP_SMALLCLOSEBUTTON, 1},
      {"nav button hot", [](auto p, auto c, const TRect& r) { p->PaintNavButton(c, r, cxbsHot); }, L"ToolBar", 1, 5},
      {"nav button default", [](auto p, auto c, const TRect& r) { p->PaintNavButton(c, r, cxbsDefault); }, L"ToolBar",
       1, 2},
      {"thumb, ticks above", [](auto p, auto c, const TRect& r) { p->DrawTrackBarThumb(c, r, cxbsDisabled, true, tbtaUp, clRed); },
       L"TrackBar", TKP_THUMBTOP, TUS_DISABLED},
      {"thumb, ticks right", [](auto p, auto c, const TRect& r) { p->DrawTrackBarThumb(c, r, cxbsDefault, false, tbtaDown, clRed); },
       L"TrackBar", TKP_THUMBRIGHT, TUS_HOT},
      {"thumb, both sides", [](auto p, auto c, const TRect& r) { p->DrawTrackBarThumb(c, r, cxbsNormal, false, tbtaBoth, clRed); },
       L"TrackBar", TKP_THUMBVERT, TUS_NORMAL},
      {"vertical track",
       [](auto p, auto c, const TRect& r) { p->DrawTrackBarTrack(c, r, r, false, true, false, clRed); }, L"TrackBar",
       TKP_TRACKVERT, 1},
      {"tab", [](auto p, auto c, const TRect& r) { p->PaintTabItem(c, r, L"", nullptr, cxbsHot, {bLeft, bTop, bRight}, false); },
       L"Tab", TABP_TABITEM, 2},
      {"control border", [](auto p, auto c, const TRect& r) { p->PaintControlBorder(c, r); }, L"ListView", 5, 0},
      {"vertical separator", [](auto p, auto c, const TRect& r) { p->PaintBorderEdges(c, r, true); }, L"ToolBar", 5, 1},
      {"horizontal separator", [](auto p, auto c, const TRect& r) { p->PaintBorderEdges(c, r, false); }, L"ToolBar", 6,
       1},
      {"progress frame", [](auto p, auto c, const TRect& r) {
         TRect frame = r;
         p->PaintProgressFrame(c, frame);
       }, L"Header", 2, 1},
  };
  for (const TPartCase& c : cases) {
    CanvasSurface s(40, 20);
    fake.TakeCalls();
    c.Draw(kNative, &s.Cx, r);
    const std::vector<TThemeCall> calls = fake.TakeCalls();
    ASSERT_FALSE(calls.empty()) << c.What;
    EXPECT_EQ(calls.front().Class, c.Class) << c.What;
    EXPECT_EQ(calls.front().Part, c.Part) << c.What;
    EXPECT_EQ(calls.front().State, c.State) << c.What;
  }
}

TEST(NativePartsTest, CompositePartsDrawEveryPieceTheyAreMadeOf) {
  TFakeThemeLibrary fake;
  fake.Sizes[{L"ScrollBar", SBP_GRIPPERHORZ}] = SIZE{8, 8};
  CanvasSurface s(60, 20);
  // A thumb wide enough for its gripper gets it in the same state.
  kNative->PaintScrollBarPart(&s.Cx, true, {0, 0, 60, 17}, sbpThumbnail, cxbsPressed);
  EXPECT_EQ(fake.TakeCalls(), (std::vector<TThemeCall>{{L"ScrollBar", SBP_THUMBBTNHORZ, 3, {0, 0, 60, 17}},
                                                       {L"ScrollBar", SBP_GRIPPERHORZ, 3, {0, 0, 60, 17}}}));
  kNative->PaintScrollBarPart(&s.Cx, true, {0, 0, 5, 17}, sbpThumbnail, cxbsNormal);
  EXPECT_EQ(fake.TakeCalls().size(), 1u) << "no room for the gripper";
  kNative->PaintScrollBarPart(&s.Cx, true, {0, 0, 0, 17}, sbpThumbnail, cxbsNormal);
  EXPECT_TRUE(fake.TakeCalls().empty());

  kNative->PaintProgressBlock(&s.Cx, {0, 0, 60, 20}, {3, 3, 20, 17}, TcxViewStyleParams(), false);
  EXPECT_EQ(fake.TakeCalls(), (std::vector<TThemeCall>{{L"Progress", PP_BAR, 1, {0, 0, 60, 20}},
                                                       {L"Progress", PP_CHUNK, 1, {3, 3, 20, 17}}}));

  // With the NORMALCOLOR scheme a normal header with neighbours is its right-hand part.
  fake.ThemeFile = L"Luna.msstyles";
  fake.ColorName = L"NormalColor";
  Office11ColorsRefresh();
  kNative->PaintHeader(&s.Cx, {0, 0, 60, 20}, {0, 0, 60, 20}, {nRight}, cxBordersAll, cxbsNormal, taLeftJustify,
                       vaCenter, false, false, L"Name", nullptr, clDefault, clDefault, nullptr, false);
  EXPECT_EQ(fake.TakeCalls().front().Part, HP_HEADERITEMRIGHT);
  ASSERT_EQ(fake.Texts.size(), 1u);
  EXPECT_EQ(fake.Texts[0].Text, L"Name");
  EXPECT_EQ(fake.Texts[0].Flags, DWORD(DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_EDITCONTROL));
  fake.ThemeFile.clear();
  Office11ColorsRefresh();
}

TEST(NativePartsTest, ThemedTextIsAlignedAndMultiLineTextMovesDownForItsAlignment) {
  TFakeThemeLibrary fake;
  CanvasSurface s(200, 100);
  HTHEME theme = AcquireThemeHandle(totButton);
  kNativePainter->PaintThemeText(&s.Cx, theme, 1, 2, {}, {10, 10, 190, 90}, taRightJustify, vaBottom, false, true,
                                 true, L"&One", nullptr, clRed, clDefault);
  kNativePainter->PaintThemeText(&s.Cx, theme, 1, 2, {}, {10, 10, 190, 90}, taCenter, vaBottom, true, false, false,
                                 L"One line", nullptr, clRed, clDefault);
  kNativePainter->PaintThemeText(&s.Cx, theme, 1, 2, {}, {10, 10, 190, 90}, taCenter, vaCenter, false, false, false,
                                 L"", nullptr, clRed, clDefault);
  ASSERT_EQ(fake.Texts.size(), 2u) << "an empty text draws nothing";
  EXPECT_EQ(fake.Texts[0].Flags, DWORD(DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | DT_END_ELLIPSIS | DT_EDITCONTROL));
  EXPECT_EQ(fake.Texts[0].Rect, (TRect{10, 10, 190, 90}));
  EXPECT_EQ(fake.Texts[1].Flags, DWORD(DT_CENTER | DT_BOTTOM | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL));
  const int lineHeight = s.Cx.MeasureTextHeight(L"One line");
  EXPECT_EQ(fake.Texts[1].Rect, (TRect{10, 90 - lineHeight, 190, 90}));
}

TEST(NativePartsTest, SizesComeFromTheThemeAndTheThumbIsNeverShorterThanEight) {
  TFakeThemeLibrary fake;
  EXPECT_EQ(kNative->GetMinScrollBarThumbSize(true), 8) << "no size from the theme";
  fake.Sizes[{L"ScrollBar", SBP_GRIPPERHORZ}] = SIZE{3, 3};
  fake.SendThemeChange();
  EXPECT_EQ(kNative->GetMinScrollBarThumbSize(true), 8);
  fake.Sizes[{L"ScrollBar", SBP_GRIPPERVERT}] = SIZE{10, 9};
  EXPECT_EQ(kNative->GetMinScrollBarThumbSize(false), 14) << "the true size and 4";
  fake.Sizes[{L"TreeView", TVP_GLYPH}] = SIZE{9, 9};
  fake.Sizes[{L"Button", BP_CHECKBOX}] = SIZE{13, 13};
  fake.Sizes[{L"Window", WP_SMALLCLOSEBUTTON}] = SIZE{14, 13};
  EXPECT_EQ(kNative->GetTreeButtonSize(), 9);
  EXPECT_EQ(kNative->GetPlusMinusBoxSize(), 9);
  EXPECT_EQ(kNative->GetCheckGlyphSize(), (TSize{13, 13}));
  EXPECT_EQ(kNative->GetCrossButtonSize(), (TSize{18, 17}));
  EXPECT_EQ(kNative->GetCheckFrameWidth(), 0);
  EXPECT_EQ(kNative->GetBorderWidth(), 1);
  EXPECT_EQ(kNative->GetPainterStyle(), lfsNative);
  EXPECT_TRUE(kNative->IsThemeColorSource());
  fake.SetActive(false);
  EXPECT_EQ(kNative->GetTreeButtonSize(), 12);
  EXPECT_EQ(kNative->GetPlusMinusBoxSize(), 9);
  EXPECT_EQ(kNative->GetCheckFrameWidth(), 2);
  EXPECT_EQ(kNative->GetBorderWidth(), 2);
  EXPECT_EQ(kNative->GetPainterStyle(), lfsNative) << "still the native style";
  EXPECT_FALSE(kNative->IsThemeColorSource());
}

TEST(NativePartsTest, TrackThicknessAndThumbSizeFollowTheThemesTrackBarParts) {
  TFakeThemeLibrary fake;
  fake.Sizes[{L"TrackBar", TKP_TRACK}] = SIZE{40, 4};
  fake.Sizes[{L"TrackBar", TKP_TRACKVERT}] = SIZE{5, 40};
  fake.Sizes[{L"TrackBar", TKP_THUMBBOTTOM}] = SIZE{11, 21};
  fake.SendThemeChange();
  EXPECT_EQ(kNative->GetTrackBarTrackSize(true), 4);
  EXPECT_EQ(kNative->GetTrackBarTrackSize(false), 5);
  CanvasSurface s(60, 40);
  TRect thumb{10, 5, 30, 35};
  kNative->CorrectTrackBarThumbRect(&s.Cx, thumb, true, tbtaDown);
  EXPECT_EQ(thumb.Right - thumb.Left, 11);
  EXPECT_EQ(thumb.Bottom - thumb.Top, 21);
  fake.SetActive(false);
  EXPECT_EQ(kNative->GetTrackBarTrackSize(true), 0) << "unthemed: the control's own TrackSize";
  EXPECT_EQ(kStandard->GetTrackBarTrackSize(false), 0);
}

// --- Against the standard look --------------------------------------------------------------
// A gallery of elements each painter draws; the native painter's pressed
// content does not shift (GetPressedShift 0), so pressed captions are left out.
struct TGalleryCase {
  const char* What;
  TDraw Draw;
};
const TGalleryCase kGallery[] = {
    {"button", [](auto p, auto c, const TRect& r) { p->PaintButtonCell(c, r, L"OK", cxbsNormal, true, clDefault, clDefault, false, false); }},
    {"default button", [](auto p, auto c, const TRect& r) { p->PaintButtonCell(c, r, L"", cxbsDefault, true, clDefault, clDefault, false, false); }},
    {"pressed button", [](auto p, auto c, const TRect& r) { p->PaintButtonCell(c, r, L"", cxbsPressed, true, clDefault, clDefault, false, false); }},
    {"disabled button", [](auto p, auto c, const TRect& r) { p->PaintButtonCell(c, r, L"Off", cxbsDisabled, true, clDefault, clDefault, false, false); }},
    {"check box", [](auto p, auto c, const TRect& r) { p->PaintCheckBox(c, {r.Left, r.Top, r.Left + 13, r.Top + 13}, cxbsNormal, cbsChecked); }},
    {"grayed check box", [](auto p, auto c, const TRect& r) { p->PaintCheckBox(c, {r.Left, r.Top, r.Left + 13, r.Top + 13}, cxbsHot, cbsGrayed); }},
    {"radio button", [](auto p, auto c, const TRect&) { p->DrawRadioButton(c, 2, 2, cxbsNormal, true, false, clDefault, false); }},
    {"arrow button", [](auto p, auto c, const TRect& r) { p->PaintArrowButton(c, r, cxbsHot, adLeft, true); }},
    {"scroll arrow", [](auto p, auto c, const TRect& r) { p->PaintScrollBarPart(c, false, r, sbpLineDown, cxbsNormal); }},
    {"scroll thumb", [](auto p, auto c, const TRect& r) { p->PaintScrollBarPart(c, true, r, sbpThumbnail, cxbsHot); }},
    {"scroll track", [](auto p, auto c, const TRect& r) { p->PaintScrollBarPart(c, true, r, sbpPageDown, cxbsPressed); }},
    {"group box", [](auto p, auto c, const TRect& r) { p->PaintGroupBoxFrame(c, r, true, cxgpTop, cxBordersAll); }},
    {"control border", [](auto p, auto c, const TRect& r) { p->PaintControlBorder(c, r); }},
    {"header", [](auto p, auto c, const TRect& r) {
       p->PaintHeader(c, r, r, {}, cxBordersAll, cxbsNormal, taCenter, vaCenter, false, false, L"", nullptr, clDefault,
                      clBtnFace, nullptr, false);
     }},
    {"tree button", [](auto p, auto c, const TRect& r) { p->PaintTreeButton(c, {r.Left, r.Top, r.Left + 12, r.Top + 12}, false, clDefault); }},
    {"drop button", [](auto p, auto c, const TRect& r) { p->PaintDropButton(c, r, cxbsNormal, true); }},
    {"panel edge", [](auto p, auto c, const TRect& r) { p->PaintPanelEdge(c, r); }},
    {"size grip", [](auto p, auto c, const TRect& r) { p->PaintSizeGrip(c, r); }},
};

std::vector<uint32_t> Draw(const TDraw& ADraw, TcxCustomLookAndFeelPainterClass APainter) {
  CanvasSurface s(60, 24);
  ADraw(APainter, &s.Cx, {0, 0, 60, 24});
  return Pixels(s);
}

TEST(NativeFallbackTest, WithoutThemesEveryElementDrawsExactlyAsTheStandardLook) {
  TFakeThemeLibrary fake;
  fake.SetActive(false);
  for (const TGalleryCase& c : kGallery) EXPECT_EQ(Draw(c.Draw, kNative), Draw(c.Draw, kStandard)) << c.What;
  EXPECT_TRUE(fake.Calls.empty());
}

TEST(NativeFallbackTest, AClassTheStyleDoesNotThemeDrawsAsTheStandardLook) {
  TFakeThemeLibrary fake;
  fake.Refuse(L"ScrollBar");
  for (TcxScrollBarPart part : {sbpLineUp, sbpThumbnail, sbpPageDown})
    EXPECT_EQ(Draw([part](auto p, auto c, const TRect& r) { p->PaintScrollBarPart(c, false, r, part, cxbsNormal); },
                   kNative),
              Draw([part](auto p, auto c, const TRect& r) { p->PaintScrollBarPart(c, false, r, part, cxbsNormal); },
                   kStandard))
        << part;
  EXPECT_TRUE(fake.TakeCalls().empty());
  CanvasSurface check(13, 13);
  kNative->PaintCheckBox(&check.Cx, {0, 0, 13, 13}, cxbsNormal, cbsChecked);
  EXPECT_EQ(fake.TakeCalls().size(), 1u) << "buttons are still themed";
}

// The system's own drawing: where themes serve (the themed prefix) the
// painter's pixels are those of a direct call of the theme library for the
// same part and state; elsewhere they are the standard look's.
TEST(NativeSystemStyleTest, ThemedElementsEqualADirectCallOfTheThemeLibrary) {
  struct {
    const char* What;
    TDraw Draw;
    const wchar_t* Class;
    int Part, State;
  } cases[] = {
      {"push button", [](auto p, auto c, const TRect& r) { p->PaintButtonCell(c, r, L"", cxbsHot, true, clDefault, clDefault, false, false); },
       L"Button", BP_PUSHBUTTON, PBS_HOT},
      {"check box", [](auto p, auto c, const TRect& r) { p->PaintCheckGlyph(c, r, cxbsNormal, true, clDefault); },
       L"Button", BP_CHECKBOX, CBS_CHECKEDNORMAL},
      {"scroll arrow", [](auto p, auto c, const TRect& r) { p->PaintArrowButton(c, r, cxbsPressed, adDown, true); },
       L"ScrollBar", SBP_ARROWBTN, ABS_DOWNPRESSED},
      {"scroll track", [](auto p, auto c, const TRect& r) { p->PaintScrollBarPart(c, false, r, sbpPageUp, cxbsNormal); },
       L"ScrollBar", SBP_LOWERTRACKVERT, SCRBS_NORMAL},
      {"group box", [](auto p, auto c, const TRect& r) { p->PaintGroupBoxFrame(c, r, false, cxgpTop, cxBordersAll); },
       L"Button", BP_GROUPBOX, GBS_DISABLED},
  };
  const bool themes = CanUseThemes();
  EXPECT_EQ(themes, vamire_test::InThemedPrefix());
  for (const auto& c : cases) {
    const std::vector<uint32_t> painted = Draw(c.Draw, kNative);
    if (!themes) {
      EXPECT_EQ(painted, Draw(c.Draw, kStandard)) << c.What;
      continue;
    }
    CanvasSurface direct(60, 24);
    HTHEME theme = OpenThemeData(nullptr, c.Class);
    ASSERT_NE(theme, nullptr) << c.What;
    const RECT r{0, 0, 60, 24};
    ASSERT_EQ(UxThemeApi().DrawThemeBackground(theme, direct.Dc, c.Part, c.State, &r, nullptr), S_OK) << c.What;
    CloseThemeData(theme);
    EXPECT_EQ(painted, Pixels(direct)) << c.What;
    EXPECT_GT(direct.Cap().CountNot(0xFFFFFF), 0u) << c.What << ": the style drew something";
  }
}

}  // namespace
