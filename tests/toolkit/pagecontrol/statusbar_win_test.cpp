// The status bar under Wine: the console's three panels laid out, text
// changes that recalculate and repaint once (later, D-79), the grip and its
// hit test, border extents per painter, panel widths, clicks, hints, the
// keyboard poll on fired ticks with an injected key reader (D-46, D-61), the
// lamps from the layer's resources (D-35) and the console's form text.
#include "ActnList.h"
#include "FormText.h"
#include "statusbar_test_support.h"

using namespace statusbar_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TStatusBarUnits);

struct TBarFixture : testing::Test {
  THostForm* Form = MakeForm();
  ~TBarFixture() override { delete Form; }
  TCountingStatusBar* ConsoleBar(TdxStatusBarPaintStyle Style = stpsStandard) {
    TCountingStatusBar* bar = MakeConsoleBar(Form);
    bar->SetPaintStyle(Style);
    bar->HandleNeeded();
    return bar;
  }
  static TRect Bounds(TdxCustomStatusBar* Bar, int I) { return Bar->ViewInfo()->Panels()[std::size_t(I)].Bounds; }
  static int Wide(const TRect& R) { return R.Right - R.Left; }
};

TEST_F(TBarFixture, TheConsolesFixedPanelsTakeTheirWidthsAndTheLastTheRest) {
  TCountingStatusBar* bar = ConsoleBar();
  ASSERT_FALSE(bar->IsSizeGripAllocated());  // the form is not sizeable
  ASSERT_EQ(bar->ViewInfo()->Panels().size(), 3u);
  const int client = bar->ClientWidth();
  EXPECT_EQ(Bounds(bar, 0), (TRect{0, 2, 202, 20}));
  EXPECT_EQ(bar->ViewInfo()->Panels()[0].SeparatorBounds, (TRect{202, 2, 204, 20}));
  EXPECT_EQ(Bounds(bar, 1), (TRect{204, 2, 406, 20}));
  EXPECT_EQ(Bounds(bar, 2), (TRect{408, 2, client, 20}));
  EXPECT_TRUE(bar->ViewInfo()->Panels()[2].SeparatorBounds == TRect{});
}

TEST_F(TBarFixture, ANewTextRecalculatesAndPaintsOnceLaterTheSameTextNothing) {
  TCountingStatusBar* bar = ConsoleBar();
  Form->Show();
  Pump();
  UpdateWindow(bar->Handle());
  const int paints = bar->Paints, layouts = bar->CalculateCount();
  bar->Panels()->Items(0)->SetText(L"COM5 已打开");
  EXPECT_EQ(bar->CalculateCount(), layouts + 1);
  EXPECT_EQ(bar->Paints, paints) << "no synchronous paint";
  EXPECT_TRUE(GetUpdateRect(bar->Handle(), nullptr, FALSE));
  UpdateWindow(bar->Handle());
  EXPECT_EQ(bar->Paints, paints + 1);
  bar->Panels()->Items(0)->SetText(L"COM5 已打开");
  EXPECT_EQ(bar->CalculateCount(), layouts + 1);
  EXPECT_FALSE(GetUpdateRect(bar->Handle(), nullptr, FALSE));
  bar->Panels()->Items(0)->SetText(L"com5 已打开");  // another case is another text
  EXPECT_EQ(bar->CalculateCount(), layouts + 2);
  Form->Hide();
}

TEST_F(TBarFixture, TheGripOnASizeableFormOnlyWhileNotMaximised) {
  THostForm* sizeable = MakeForm(600, 200, bsSizeable);
  TCountingStatusBar* bar = MakeConsoleBar(sizeable);
  bar->SetPaintStyle(stpsStandard);
  sizeable->Show();
  Pump();
  EXPECT_TRUE(bar->IsSizeGripAllocated());
  // The last panel makes room for the grip: 428 + 2 + 16.
  const TRect r = bar->ClientRect();
  POINT corner{r.Right - 3, r.Bottom - 3};
  ClientToScreen(bar->Handle(), &corner);
  EXPECT_EQ(SendMessageW(bar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTBOTTOMRIGHT);
  POINT middle{r.Right / 2, r.Bottom - 3};
  ClientToScreen(bar->Handle(), &middle);
  EXPECT_NE(SendMessageW(bar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(middle.x, middle.y)), HTBOTTOMRIGHT);
  bar->SetSizeGrip(false);
  EXPECT_FALSE(bar->IsSizeGripAllocated());
  bar->SetSizeGrip(true);
  sizeable->SetWindowState(wsMaximized);
  Pump();
  EXPECT_FALSE(bar->IsSizeGripAllocated());
  POINT maxCorner{bar->ClientWidth() - 3, bar->ClientHeight() - 3};
  ClientToScreen(bar->Handle(), &maxCorner);
  EXPECT_NE(SendMessageW(bar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(maxCorner.x, maxCorner.y)), HTBOTTOMRIGHT);
  delete sizeable;
}

TEST_F(TBarFixture, BorderWidthMovesThePanelsOnlyWhereThePainterTakesIt) {
  struct Case {
    TdxStatusBarPaintStyle style;
    TPoint firstPanel;
  };
  for (const Case& c : {Case{stpsStandard, {3, 5}}, Case{stpsFlat, {3, 5}}, Case{stpsOffice11, {1, 1}}}) {
    TCountingStatusBar* bar = ConsoleBar(c.style);
    bar->SetBorderWidth(3);
    EXPECT_EQ(Bounds(bar, 0).TopLeft(), c.firstPanel) << int(c.style);
    bar->SetBorderWidth(-4);
    EXPECT_EQ(bar->BorderWidth(), 0);
    delete bar;
  }
}

TEST_F(TBarFixture, PanelWidthsAndStyleSizes) {
  TCountingStatusBar* bar = ConsoleBar();
  TdxStatusBarPanel* p = bar->Panels()->Items(0);
  p->SetWidth(10);
  EXPECT_EQ(p->Width(), 20);
  p->SetMinWidth(-5);
  EXPECT_EQ(p->MinWidth(), 0);

  p->SetPanelStyleClassName(L"TdxStatusBarKeyboardStatePanelStyle");
  auto* keys = dynamic_cast<TdxStatusBarKeyboardStatePanelStyle*>(p->PanelStyle());
  ASSERT_NE(keys, nullptr);
  EXPECT_TRUE(p->Fixed());
  keys->SetKeyboardStates({});
  EXPECT_EQ(p->Width(), 50);
  p->SetPanelStyleClassName(L"TdxStatusBarStateIndicatorPanelStyle");
  auto* lamps = dynamic_cast<TdxStatusBarStateIndicatorPanelStyle*>(p->PanelStyle());
  ASSERT_NE(lamps, nullptr);
  EXPECT_EQ(p->Width(), 20);
  TdxStatusBarStateIndicatorItem* item = lamps->Indicators()->Add();
  lamps->Indicators()->Add()->SetIndicatorType(sitGreen);
  // Spacing + two lamps of 17 and their spacing + the bevel's content extents.
  EXPECT_EQ(p->Width(), 4 + 2 * (17 + 4) + 2);
  item->SetVisible(false);
  EXPECT_EQ(p->Width(), 4 + (17 + 4) + 2);
  p->SetPanelStyleClassName(L"TNoSuchStyle");
  EXPECT_EQ(p->PanelStyleClassName(), L"TdxStatusBarStateIndicatorPanelStyle");
}

TEST_F(TBarFixture, EverySevenLampsComeFromTheLayersResources) {
  TCountingStatusBar* bar = ConsoleBar();
  TdxStatusBarPanel* p = bar->Panels()->Items(0);
  p->SetPanelStyleClassName(L"TdxStatusBarStateIndicatorPanelStyle");
  auto* lamps = static_cast<TdxStatusBarStateIndicatorPanelStyle*>(p->PanelStyle());
  std::vector<std::uint32_t> centres;
  for (int t = sitOff; t <= sitPurple; ++t) {
    TdxStatusBarStateIndicatorItem* item = lamps->Indicators()->Add();
    item->SetIndicatorType(TdxStatusBarStateIndicatorType(t));
    ASSERT_EQ(item->Bitmap()->Width(), 17) << t;
    ASSERT_EQ(item->Bitmap()->Height(), 8) << t;
    centres.push_back(Rgb(item->Bitmap()->Canvas()->Pixels(8, 4)));
  }
  std::sort(centres.begin(), centres.end());
  EXPECT_EQ(std::unique(centres.begin(), centres.end()), centres.end()) << "seven different lamps";
}

TEST_F(TBarFixture, ClicksAndDoubleClicksReachThePanelUnderTheMouse) {
  struct TLog : TObject {
    std::vector<std::string> Events;
    void Click(TObject*) { Events.push_back("click"); }
    void DblClick(TObject*) { Events.push_back("dblclick"); }
  } log;
  TCountingStatusBar* bar = ConsoleBar();
  TdxStatusBarPanel* p = bar->Panels()->Items(1);
  p->OnClick = TNotifyEvent(&log, &TLog::Click);
  p->OnDblClick = TNotifyEvent(&log, &TLog::DblClick);
  const LPARAM at = MAKELPARAM(300, 10);
  SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, at);
  SendMessageW(bar->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(log.Events, (std::vector<std::string>{"click", "dblclick", "click"}));
  SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 10));
  SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 10));
  EXPECT_EQ(log.Events.size(), 3u);
}

TEST_F(TBarFixture, OnlyOneTextPanelShowsHints) {
  TCountingStatusBar* bar = ConsoleBar();
  auto text = [&](int i) { return static_cast<TdxStatusBarTextPanelStyle*>(bar->Panels()->Items(i)->PanelStyle()); };
  text(0)->SetAutoHint(true);
  text(2)->SetAutoHint(true);
  EXPECT_FALSE(text(0)->AutoHint());
  EXPECT_TRUE(text(2)->AutoHint());
  THintAction hint(nullptr);
  hint.SetHint(L"提示");
  EXPECT_EQ(bar->Perform(CM_ACTIONEXECUTE, 0, reinterpret_cast<LPARAM>(&hint)), 1);
  EXPECT_EQ(bar->Panels()->Items(2)->Text(), L"提示");
}

std::map<int, SHORT> GKeys;
SHORT FakeKeyState(int AKey) { return GKeys[AKey]; }

TEST_F(TBarFixture, TheKeyboardPanelFollowsToggledKeysOnTheNextTick) {
  GKeys.clear();
  const TdxKeyStateReader previous = SetStatusBarKeyStateReader(&FakeKeyState);
  TCountingStatusBar* bar = ConsoleBar();
  TdxStatusBarPanel* p = bar->Panels()->Items(0);
  p->SetPanelStyleClassName(L"TdxStatusBarKeyboardStatePanelStyle");
  auto* keys = static_cast<TdxStatusBarKeyboardStatePanelStyle*>(p->PanelStyle());
  TTimer* timer = keys->Notifier()->Timer();
  EXPECT_EQ(timer->Interval(), 100u);
  EXPECT_EQ(keys->Notifier()->WatchedKeys(), (std::vector<int>{VK_CAPITAL, VK_NUMLOCK, VK_SCROLL, VK_INSERT}));
  int layouts = bar->CalculateCount();
  GKeys[VK_CAPITAL] = SHORT(0xFF80);  // held down, not toggled: the low byte is unchanged
  timer->OnTimer()(timer);
  EXPECT_EQ(bar->CalculateCount(), layouts);
  GKeys[VK_CAPITAL] = 1;  // toggled on
  timer->OnTimer()(timer);
  EXPECT_EQ(bar->CalculateCount(), layouts + 1);
  EXPECT_TRUE(keys->IsKeyActive(dxksCapsLock));
  EXPECT_FALSE(keys->IsKeyActive(dxksNumLock));
  GKeys[VK_CAPITAL] = SHORT(0xFF81);  // toggled and held down: still on, nothing to repaint
  EXPECT_TRUE(keys->IsKeyActive(dxksCapsLock));
  timer->OnTimer()(timer);
  EXPECT_EQ(bar->CalculateCount(), layouts + 1);
  keys->Notifier()->RemoveKey(VK_NUMLOCK);
  EXPECT_EQ(keys->Notifier()->WatchedKeys(), (std::vector<int>{VK_CAPITAL, VK_SCROLL, VK_INSERT}));
  SetStatusBarKeyStateReader(previous);
}

TEST_F(TBarFixture, TheConsolesFormTextStreams) {
  const String text =
      L"object Main: THostForm\n"
      L"  object StatusBar1: TdxStatusBar\n"
      L"    Left = 0\n"
      L"    Top = 150\n"
      L"    Width = 844\n"
      L"    Height = 20\n"
      L"    Panels = <\n"
      L"      item\n"
      L"        PanelStyleClassName = 'TdxStatusBarTextPanelStyle'\n"
      L"        Text = '未连接'\n"
      L"        Width = 200\n"
      L"      end\n"
      L"      item\n"
      L"        PanelStyleClassName = 'TdxStatusBarTextPanelStyle'\n"
      L"        Width = 200\n"
      L"      end\n"
      L"      item\n"
      L"        PanelStyleClassName = 'TdxStatusBarTextPanelStyle'\n"
      L"        PanelStyle.Alignment = taRightJustify\n"
      L"        BiDiMode = bdLeftToRight\n"
      L"        ParentBiDiMode = False\n"
      L"        Width = 428\n"
      L"      end>\n"
      L"  end\n"
      L"end\n";
  RegisterClasses({THostForm::StaticClass()});
  THostForm form(nullptr);
  TStringStream in(FormTextToBinary(text));
  try {
    ReadComponentFromStream(&in, &form);
  } catch (const Exception& e) {
    FAIL() << UTF8Encode(e.ClassName() + L": " + e.Message());
  }
  auto* bar = dynamic_cast<TdxStatusBar*>(form.FindComponent(L"StatusBar1"));
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->Panels()->Count(), 3);
  EXPECT_EQ(bar->Panels()->Items(0)->Text(), L"未连接");
  EXPECT_EQ(bar->Panels()->Items(2)->Width(), 428);
  EXPECT_FALSE(bar->Panels()->Items(2)->ParentBiDiMode());
  auto* third = dynamic_cast<TdxStatusBarTextPanelStyle*>(bar->Panels()->Items(2)->PanelStyle());
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(third->Alignment(), taRightJustify);
  EXPECT_EQ(bar->ViewInfo()->Panels().size(), 3u) << "laid out once loaded";
  UnRegisterClass(THostForm::StaticClass());
}

}  // namespace
