// The toolkit's scroll bar and a control's own bars: range checks, the parts
// and states a painter is asked for, a skin switching the bar's 3D look off,
// thumb dragging with its band, streams, a bar freed by its own scroll
// handler; which bars a control shows (without bars that switch each other
// on and off), where they go, and how they follow the system's metrics.
#include "scrollbar_test_support.h"

using namespace controls_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TControlsUnits);

class ScrollBarTest : public testing::Test {
 protected:
  void SetUp() override {
    form = MakeForm();
    ShowQuietly(form);
    bar = new TcxScrollBar(form);
    bar->SetBounds(10, 10, 121, 17);
    bar->SetParent(form);
    TRecordingPainterScope::Use(bar->LookAndFeel());
    log.Attach(bar);
  }
  void TearDown() override { delete form; }
  // The calls of one paint of the whole bar.
  std::vector<TPartCall> Paint() {
    TRecordingPainter::Get()->Take();
    bar->Repaint();
    return TRecordingPainter::Get()->Take();
  }
  void Send(UINT Msg, int X, int Y) {
    SendMessageW(bar->Handle(), Msg, Msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(X, Y));
  }
  TRecordingPainterScope painter;
  THostForm* form = nullptr;
  TcxScrollBar* bar = nullptr;
  TScrollLog log;
};

TEST_F(ScrollBarTest, ARangeIsCheckedAsAWholeAndAnInvalidOneChangesNothing) {
  bar->SetRangeAndPosition(0, 100, 30, 100);
  EXPECT_EQ(bar->PageSize(), 100) << "a page as long as the range is accepted";
  EXPECT_EQ(log.Changes, 1);
  try {
    bar->SetRangeAndPosition(0, 100, 40, 101);
    ADD_FAILURE() << "a page one longer must raise";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), L"Scrollbar property out of range");
  }
  EXPECT_THROW(bar->SetMax(-1), EInvalidOperation);
  EXPECT_EQ(bar->Max(), 100);
  EXPECT_EQ(bar->Position(), 30);
  EXPECT_EQ(bar->PageSize(), 100);
  bar->SetRangeAndPosition(0, 50, 80, 0);
  EXPECT_EQ(bar->Position(), 50) << "kept inside the range";
  EXPECT_EQ(log.Changes, 2);
  TRecordingPainter::Get()->Take();
  bar->SetRangeAndPosition(0, 50, 50, 0);
  EXPECT_TRUE(TRecordingPainter::Get()->Take().empty()) << "nothing changed: nothing painted";
  EXPECT_EQ(log.Changes, 2);
}

TEST_F(ScrollBarTest, ThePainterIsAskedForEachPartInItsState) {
  bar->SetRangeAndPosition(0, 99, 45, 10);
  EXPECT_EQ(Paint(), (std::vector<TPartCall>{{sbpNone, cxbsNormal, {0, 0, 121, 17}, true},
                                             {sbpLineUp, cxbsNormal, {0, 0, 17, 17}, true},
                                             {sbpLineDown, cxbsNormal, {104, 0, 121, 17}, true},
                                             {sbpThumbnail, cxbsNormal, {56, 0, 65, 17}, true},
                                             {sbpPageUp, cxbsNormal, {17, 0, 56, 17}, true},
                                             {sbpPageDown, cxbsNormal, {65, 0, 104, 17}, true}}))
      << "with the system's 17-pixel arrows";

  // A painter with hot parts shows the part under the mouse, and the pressed one.
  TRecordingPainter::Get()->Hot = true;
  Send(WM_MOUSEMOVE, 110, 5);
  auto calls = Paint();
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[2].State, cxbsHot);
  EXPECT_EQ(calls[1].State, cxbsNormal);
  Send(WM_LBUTTONDOWN, 110, 5);
  calls = Paint();
  EXPECT_EQ(calls[2].State, cxbsPressed);
  Send(WM_MOUSEMOVE, 5, 5);
  calls = Paint();
  EXPECT_EQ(calls[1].State, cxbsNormal) << "another part is not hot while one is pressed";
  EXPECT_EQ(calls[2].State, cxbsNormal);
  Send(WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(bar->PressedPart(), sbpNone);

  // Disabled: every part disabled, and no thumb.
  bar->SetEnabled(false);
  calls = Paint();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[1].State, cxbsDisabled);
  EXPECT_EQ(calls[2].State, cxbsDisabled);

  // Turned vertical: the extent swaps and the painter hears of a vertical bar.
  bar->SetEnabled(true);
  bar->SetPosition(45);
  bar->SetKind(sbVertical);
  EXPECT_EQ(bar->Width(), 17);
  EXPECT_EQ(bar->Height(), 121);
  calls = Paint();
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[0], (TPartCall{sbpNone, cxbsNormal, {0, 0, 17, 121}, false}));
  EXPECT_EQ(calls[3], (TPartCall{sbpThumbnail, cxbsNormal, {0, 56, 17, 65}, false}));
}

TEST_F(ScrollBarTest, ASkinSwitchesTheBarsOwn3DLookOffUntilItGoes) {
  EXPECT_FALSE(bar->TControl::Ctl3D()) << "the recorder is a skin";
  EXPECT_TRUE(bar->Ctl3D()) << "as set";
  bar->LookAndFeel()->SetNativeStyle(true);
  bar->LookAndFeel()->SetSkinName(L"");
  bar->LookAndFeel()->SetNativeStyle(false);
  EXPECT_TRUE(bar->TControl::Ctl3D());
  bar->SetCtl3D(false);
  TRecordingPainterScope::Use(bar->LookAndFeel());
  bar->LookAndFeel()->SetSkinName(L"");
  EXPECT_FALSE(bar->TControl::Ctl3D()) << "a 3D look set off stays off";
}

TEST_F(ScrollBarTest, TheThumbFollowsTheMouseNearTheBarAndSnapsBackFarFromIt) {
  bar->SetRangeAndPosition(0, 99, 45, 10);
  log.Changes = 0;
  Send(WM_LBUTTONDOWN, 60, 8);  // on the thumb (56..65)
  EXPECT_EQ(bar->PressedPart(), sbpThumbnail);
  Send(WM_MOUSEMOVE, 80, 8);
  EXPECT_EQ(bar->ViewInfo()->Rects().Thumb, (TRect{76, 0, 85, 17}));
  EXPECT_EQ(bar->Position(), 68);
  Send(WM_MOUSEMOVE, 80, 8 + 17 + 136);
  EXPECT_EQ(bar->Position(), 45) << "outside the band the position returns";
  Send(WM_MOUSEMOVE, 80, 140);
  EXPECT_EQ(bar->Position(), 68) << "inside again, tracking resumes";
  Send(WM_MOUSEMOVE, 150, 8);
  EXPECT_EQ(bar->Position(), 90) << "the thumb stays between the arrows";
  const int changesWhileTracking = log.Changes;
  Send(WM_LBUTTONUP, 150, 8);
  EXPECT_EQ(bar->PressedPart(), sbpNone);
  EXPECT_EQ(bar->Position(), 90);
  EXPECT_EQ(log.Changes, changesWhileTracking + 1) << "the drag's end reports the new position";
  const auto codes = log.Codes();
  ASSERT_GE(codes.size(), 3u);
  EXPECT_EQ(codes.front(), scTrack);
  EXPECT_EQ(codes[codes.size() - 2], scPosition);
  EXPECT_EQ(codes.back(), scEndScroll);
  // The band does not bind an unlimited bar.
  bar->SetUnlimitedTracking(true);
  Send(WM_LBUTTONDOWN, 100, 8);
  Send(WM_MOUSEMOVE, 60, 400);
  EXPECT_EQ(bar->Position(), 44);
  Send(WM_LBUTTONUP, 60, 400);
}

TEST_F(ScrollBarTest, ScrollCodesAndClicksMoveByTheirSteps) {
  bar->SetRangeAndPosition(0, 100, 50, 10);
  bar->SetSmallChange(3);
  bar->SetLargeChange(10);
  struct TCase {
    TPoint At;
    int Expected;
  };
  for (const TCase c : {TCase{{5, 5}, 47}, TCase{{115, 5}, 50}, TCase{{20, 5}, 40}, TCase{{100, 5}, 50}}) {
    Send(WM_LBUTTONDOWN, c.At.X, c.At.Y);
    EXPECT_EQ(bar->Position(), c.Expected);
    Send(WM_LBUTTONUP, c.At.X, c.At.Y);
  }
  SendMessageW(bar->Handle(), CN_HSCROLL, scBottom, 0);
  EXPECT_EQ(bar->Position(), 100);
  SendMessageW(bar->Handle(), CN_HSCROLL, scTop, 0);
  EXPECT_EQ(bar->Position(), 0);
  // A handler may change the position asked for; it stays in the range.
  struct TDoubler : TObject {
    void Scroll(TObject*, TScrollCode, int& Pos) { Pos *= 20; }
  } doubler;
  bar->OnScroll = TScrollEvent(&doubler, &TDoubler::Scroll);
  SendMessageW(bar->Handle(), CN_HSCROLL, scLineDown, 0);
  EXPECT_EQ(bar->Position(), 60);
  SendMessageW(bar->Handle(), CN_HSCROLL, scPageDown, 0);
  EXPECT_EQ(bar->Position(), 100);
}

TEST_F(ScrollBarTest, ABarFreedByItsOwnScrollHandlerIsLeftAlone) {
  auto* victim = new TQuarantinedScrollBar(form);
  victim->SetBounds(10, 40, 121, 17);
  victim->SetParent(form);
  struct TFreer : TObject {
    void Scroll(TObject* Sender, TScrollCode, int&) { delete Sender; }
  } freer;
  victim->OnScroll = TScrollEvent(&freer, &TFreer::Scroll);
  SendMessageW(victim->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 5));
  EXPECT_TRUE(TQuarantine::Holds(victim));
  EXPECT_TRUE(TQuarantine::Intact());
  ReleaseCapture();
}

TEST_F(ScrollBarTest, AStreamTakesTheValuesInAnyOrderAndChecksThemTogether) {
  auto* loaded = new TcxScrollBar(form);
  loaded->SetParent(form);
  // Max is read first: below the default Min it would be refused one by one.
  LoadFromText(loaded, L"object Loaded: TcxScrollBar\n  Kind = sbVertical\n  LargeChange = 5\n  Max = -5\n"
                       L"  Min = -10\n  PageSize = 2\n  Position = -7\n  UnlimitedTracking = True\nend\n");
  EXPECT_EQ(loaded->Kind(), sbVertical);
  EXPECT_EQ(loaded->Min(), -10);
  EXPECT_EQ(loaded->Max(), -5);
  EXPECT_EQ(loaded->PageSize(), 2);
  EXPECT_EQ(loaded->Position(), -7);
  EXPECT_EQ(loaded->LargeChange(), 5);
  EXPECT_TRUE(loaded->UnlimitedTracking());
  const String text = SaveToText(loaded);
  EXPECT_NE(text.find(L"  Kind = sbVertical\n  LargeChange = 5\n  Max = -5\n  Min = -10\n  PageSize = 2\n"
                      L"  Position = -7\n"),
            String::npos)
      << UTF8Encode(text);
  auto* bad = new TcxScrollBar(form);
  bad->SetParent(form);
  try {
    LoadFromText(bad, L"object Bad: TcxScrollBar\n  Max = 5\n  Min = 10\nend\n");
    ADD_FAILURE() << "a range that is wrong as a whole is refused";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find(L"Scrollbar property out of range"), String::npos) << UTF8Encode(e.Message());
  }
}

// --- A control's own bars ---------------------------------------------------------------------
class ControlScrollBarsTest : public testing::Test {
 protected:
  void SetUp() override {
    form = MakeForm();
    control = new TScrollingControl(form);
    control->SetBounds(10, 10, 200, 100);
    control->SetParent(form);
    ShowQuietly(form);
    t = GetSystemMetrics(SM_CYHSCROLL);
    ASSERT_EQ(GetSystemMetrics(SM_CXVSCROLL), t) << "the tables assume square corners";
  }
  void TearDown() override { delete form; }
  void Show(int AWidth, int AHeight) {
    control->ContentWidth = AWidth;
    control->ContentHeight = AHeight;
    try {
      control->UpdateScrollBars();
    } catch (const Exception& e) {
      ADD_FAILURE() << UTF8Encode(e.Message());
    }
  }
  THostForm* form = nullptr;
  TScrollingControl* control = nullptr;
  int t = 0;
};

TEST_F(ControlScrollBarsTest, TheContentDecidesWhichBarsShowAndEachMakesRoomForTheOther) {
  struct TCase {
    const char* What;
    int Width, Height;
    bool H, V;
  };
  const TCase cases[] = {
      {"fits", 150, 80, false, false},
      {"too tall", 150, 300, false, true},
      {"too wide", 300, 80, true, false},
      {"too tall, and then too wide for the room left", 190, 300, true, true},
      {"too wide, and then too tall for the room left", 300, 90, true, true},
      {"both", 300, 300, true, true},
      {"exactly the size", 200, 100, false, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    Show(c.Width, c.Height);
    EXPECT_EQ(control->IsHScrollBarVisible(), c.H);
    EXPECT_EQ(control->IsVScrollBarVisible(), c.V);
    EXPECT_EQ(control->SizeGrip()->Visible(), c.H && c.V);
    const TRect client = control->GetClientBounds();
    EXPECT_EQ(client, (TRect{0, 0, 200 - (c.V ? t : 0), 100 - (c.H ? t : 0)}));
    if (c.H) {
      EXPECT_EQ(control->HScrollBar()->BoundsRect(), (TRect{0, client.Bottom, client.Right, 100}));
    }
    if (c.V) {
      EXPECT_EQ(control->VScrollBar()->BoundsRect(), (TRect{client.Right, 0, 200, client.Bottom}));
    }
    if (c.H && c.V) {
      EXPECT_EQ(control->SizeGrip()->BoundsRect(), (TRect{200 - t, 100 - t, 200, 100}));
    }
  }
}

TEST_F(ControlScrollBarsTest, SettingsAndOptionsShapeTheBars) {
  control->SetScrollBars(ssVertical);
  Show(300, 300);
  EXPECT_FALSE(control->IsHScrollBarVisible()) << "the control allows no horizontal bar";
  EXPECT_TRUE(control->IsVScrollBarVisible());
  control->SetScrollBars(ssBoth);
  control->AllowHide = false;
  Show(150, 80);
  EXPECT_TRUE(control->IsHScrollBarVisible()) << "a bar that may not hide shows disabled";
  EXPECT_FALSE(control->HScrollBar()->Enabled());
  EXPECT_FALSE(control->VScrollBar()->Enabled());
  // With a border, the bars stand inside it.
  control->AllowHide = true;
  control->SetBorderStyle(cxcbsDefault);
  control->LookAndFeel()->SetNativeStyle(false);
  control->LookAndFeel()->SetKind(lfStandard);
  Show(300, 300);
  EXPECT_EQ(control->VScrollBar()->BoundsRect(), (TRect{198 - t, 2, 198, 98 - t}));
}

TEST_F(ControlScrollBarsTest, PixelBarsThatOnlyNeedEachOtherBothGo) {
  control->FixedPageWidth = 200 - t;
  control->FixedPageHeight = 100 - t;
  Show(200, 100);
  EXPECT_TRUE(control->IsHScrollBarVisible()) << "bars by lines keep each other";
  EXPECT_TRUE(control->IsVScrollBarVisible());
  control->Pixel = true;
  Show(200, 100);
  EXPECT_FALSE(control->IsHScrollBarVisible()) << "by pixels, the content fits once both are gone";
  EXPECT_FALSE(control->IsVScrollBarVisible());
  Show(201, 100);
  EXPECT_TRUE(control->IsHScrollBarVisible()) << "one pixel more does not fit";
}

TEST_F(ControlScrollBarsTest, BarsThatWouldSwitchEachOtherOffStayDisabledInsteadOfFlickering) {
  control->Contrary = true;
  control->UpdateScrollBars();
  EXPECT_TRUE(control->IsVScrollBarVisible());
  EXPECT_FALSE(control->VScrollBar()->Enabled());
  EXPECT_LT(control->Computations, 10);
}

TEST_F(ControlScrollBarsTest, TheBarsScrollTheControlAndFocusIt) {
  Show(300, 300);
  SendMessageW(control->VScrollBar()->Handle(), CN_VSCROLL, scLineDown, 0);
  EXPECT_EQ(control->Scrolled, (std::vector<std::pair<TScrollBarKind, int>>{{sbVertical, 1}}))
      << "bars that were never tracked report no end of scrolling";
  EXPECT_TRUE(control->IsInternalControl(control->VScrollBar()));
  EXPECT_TRUE(control->IsInternalControl(control->SizeGrip()));
  EXPECT_FALSE(control->IsInternalControl(form));
}

TEST_F(ControlScrollBarsTest, ASystemMetricsChangeResizesTheBarsOfEveryControl) {
  auto* second = new TScrollingControl(form);
  second->SetParent(form);
  TcxSettingsController* controller = cxSettingsController();
  ASSERT_NE(controller, nullptr);
  const int listed = controller->ListenerCount();
  EXPECT_GE(listed, 2);
  Show(300, 300);
  control->HScrollBar()->SetHeight(5);
  second->VScrollBar()->SetWidth(6);
  SendMessageW(controller->Handle(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
  Pump();
  EXPECT_EQ(control->HScrollBar()->Height(), t);
  EXPECT_EQ(second->VScrollBar()->Width(), GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(control->HScrollBar()->BoundsRect(), (TRect{0, 100 - t, 200 - t, 100})) << "and places them anew";
  delete second;
  EXPECT_EQ(controller->ListenerCount(), listed - 1);
}

}  // namespace
