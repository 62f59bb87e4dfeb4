// The sub-picture windows (TForm12, Tform13) on the wire, the wall
// controller on COM5 and the selection fields 1,1 - 2,2: the rectangle moved
// and resized with the real pointer, the two frames of a finished drag with
// the 200 ms pause between them (recorded, and once measured at the peer),
// the channel, open, close and swap commands, and the linkage's routing.
#include <windows.h>

#include <gtest/gtest.h>

#include "EventMainWindow.h"
#include "Unit12.h"
#include "Unit13.h"
#include "Unit14.h"
#include "support/RealKeys.h"

namespace {

using app_test::Events;
using app_test::MakeWindow;
using app_test::TRecordedPauses;

// The real pointer: each step waits until the system has it, then serves
// the windows a while.
template <class F>
void WaitFor(F done) {
  const DWORD start = GetTickCount();
  while (!done() && GetTickCount() - start < 1000) test_support::PumpFor(5);
}

void MoveTo(const TPoint& p) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  in.mi.dx = LONG((p.X * 65535 + GetSystemMetrics(SM_CXSCREEN) / 2) / (GetSystemMetrics(SM_CXSCREEN) - 1));
  in.mi.dy = LONG((p.Y * 65535 + GetSystemMetrics(SM_CYSCREEN) / 2) / (GetSystemMetrics(SM_CYSCREEN) - 1));
  SendInput(1, &in, sizeof(INPUT));
  SetCursorPos(p.X, p.Y);  // the absolute scaling may round
  WaitFor([p] {
    POINT c{};
    return GetCursorPos(&c) && c.x == p.X && c.y == p.Y;
  });
  test_support::PumpFor(40);
}

void Button(DWORD flags, int key, bool down) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof(INPUT));
  WaitFor([key, down] { return (GetAsyncKeyState(key) < 0) == down; });
  test_support::PumpFor(60);
}

// A drag over the preview with the left (move) or right (resize) button,
// from a point of the rectangle by (dx, dy), in steps.
void DragRect(TSubPictureForm* form, bool left, int dx, int dy) {
  const TSubRect r = form->Rect();
  const TPoint from = form->Label8->ClientToScreen(TPoint{r.Left + r.Width / 2, r.Top + r.Height / 2});
  MoveTo(from);
  Button(left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN, left ? VK_LBUTTON : VK_RBUTTON, true);
  const int steps = 4;
  for (int i = 1; i <= steps; ++i) MoveTo(TPoint{from.X + dx * i / steps, from.Y + dy * i / steps});
  Button(left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP, left ? VK_LBUTTON : VK_RBUTTON, false);
}

void ExpectRect(const TSubRect& got, const TSubRect& expected) {
  EXPECT_EQ(got.Left, expected.Left);
  EXPECT_EQ(got.Top, expected.Top);
  EXPECT_EQ(got.Width, expected.Width);
  EXPECT_EQ(got.Height, expected.Height);
}

String Frame(int cmd, int par) {
  wchar_t text[32];
  swprintf(text, 32, L"->C6,11,22,%02X,%02X,BB", cmd, par);
  return text;
}

class SubPictureTest : public app_test::TEventPeerTest {
 protected:
  void SetUp() override {
    TEventPeerTest::SetUp();
    UseLinkedMatrices();
  }

  template <class T>
  void ShowForm(T* form) {
    form->Show();
    SetForegroundWindow(form->Handle());
    test_support::PumpFor(150);
  }
};

TEST_F(SubPictureTest, ShowSizesThePreviewBySelectionAndResetsTheRectangleAsEachWindowDoes) {
  auto roaming = MakeWindow<TForm12>();
  ShowForm(roaming.get());
  EXPECT_EQ(roaming->Caption(), L"子画面漫游");
  EXPECT_EQ(roaming->Image1->Width(), 200);
  EXPECT_EQ(roaming->Image1->Height(), 200);
  EXPECT_EQ(roaming->Panel1->Width(), 202) << "the panel 2 pixels larger";
  ExpectRect(roaming->Rect(), {1, 1, 40, 40});
  EXPECT_EQ(roaming->Label7->Caption(), L"VBRAND");
  EXPECT_TRUE(roaming->CheckBox1->Checked()) << "the scale lock at start";
  EXPECT_EQ(roaming->ComboBox1->Items()->Count(), 2);

  // A rectangle moved, then a 6-row selection: 400 x 400, the rectangle kept.
  roaming->SetRect({50, 60, 40, 40});
  roaming->Hide();
  Main.Splice().Grid = {1, 1, 2, 6};
  ShowForm(roaming.get());
  EXPECT_EQ(roaming->Image1->Width(), 400);
  EXPECT_EQ(roaming->Image1->Height(), 400);
  ExpectRect(roaming->Rect(), {50, 60, 40, 40});
  EXPECT_GE(roaming->ClientHeight(), roaming->Panel1->Top() + 402) << "the window holds its preview";

  auto variant = MakeWindow<Tform13>();
  variant->SetRect({50, 60, 40, 40});
  ShowForm(variant.get());
  EXPECT_EQ(variant->Caption(), L"Form13");
  EXPECT_EQ(variant->Image1->Width(), 200);
  EXPECT_EQ(variant->Image1->Height(), 500) << "capped at 500";
  ExpectRect(variant->Rect(), {1, 1, 20, 20});
  EXPECT_EQ(variant->Limits().MaxWidth, 202);
  EXPECT_EQ(variant->Limits().MaxHeight, 502);
  EXPECT_FALSE(variant->CheckBox1->Checked());
  EXPECT_EQ(variant->ComboBox1->Items()->Count(), 4);
  EXPECT_EQ(Received("com5", 1).at("com5"), "") << "showing sends nothing";
}

TEST_F(SubPictureTest, DragsWithTheRealPointerSendTheirTwoFramesWithTheRecordedPause) {
  auto form = MakeWindow<TForm12>();
  ShowForm(form.get());
  struct {
    const char* Name;
    bool Left;
    int Dx, Dy;
    TSubRect Expected;
    int First, Second;
  } cases[] = {
      {"moved into the preview", true, 70, 37, {71, 38, 40, 40}, 0xC2, 0xC3},
      {"moved to the top-left corner", true, -300, -300, {1, 1, 40, 40}, 0xC2, 0xC3},
      {"resized at rest", false, 0, 0, {1, 1, 40, 40}, 0xC4, 0xC6},
      {"resized with the lock to 120", false, 30, 80, {1, 1, 94, 94}, 0xC4, 0xC6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    ResetChannels();
    Events().clear();
    {
      TRecordedPauses pauses;
      DragRect(form.get(), c.Left, c.Dx, c.Dy);
    }
    ExpectRect(form->Rect(), c.Expected);
    const TSubWallValues v = c.Left ? MoveValues(c.Expected) : SizeValues(c.Expected);
    EXPECT_EQ(Events(), (std::vector<String>{L"pause 20", Frame(c.First, v.First), L"pause 200", L"pause 20",
                                             Frame(c.Second, v.Second)}));
    EXPECT_EQ(Received("com5", 12).at("com5"),
              vamire_test::Hex({0xC6, 0x11, 0x22, uint8_t(c.First), uint8_t(v.First), 0xBB, 0xC6, 0x11, 0x22,
                                uint8_t(c.Second), uint8_t(v.Second), 0xBB}));
  }
  // The values the table's rectangles give, spelled out once.
  EXPECT_EQ(MoveValues({71, 38, 40, 40}).First, 36);
  EXPECT_EQ(MoveValues({71, 38, 40, 40}).Second, 19);
  EXPECT_EQ(SizeValues({1, 1, 94, 94}).First, 47);
}

// The one real-time case: the top's frame follows the left's 200 ms later.
TEST_F(SubPictureTest, TheSecondFrameOfADragFollowsAtLeast200MillisecondsLater) {
  auto form = MakeWindow<TForm12>();
  ShowForm(form.get());
  DragRect(form.get(), true, 20, 20);
  const auto got = Received("com5", 12);
  EXPECT_EQ(got.at("com5"), "C6 11 22 C2 0B BB C6 11 22 C3 0A BB");
  const std::vector<int64_t> times = peer.ByteTimes("com5");
  ASSERT_EQ(times.size(), 12u);
  EXPECT_GE(times[6] - times[5], 200000) << "microseconds between the two frames";
}

TEST_F(SubPictureTest, TheButtonsSendChannelOpenCloseAndSwapAndClosingTheRoamingWindowSwitchesOff) {
  struct {
    bool Variant;
    int Item;
    const char* Com5;
  } channels[] = {
      {false, 0, "C6 11 22 C1 00 BB"}, {false, 1, "C6 11 22 C1 02 BB"}, {false, -1, "C6 11 22 C1 00 BB"},
      {true, 2, "C6 11 22 C1 03 BB"},  {true, 3, "C6 11 22 C1 05 BB"},
  };
  link_test::TNoPause fast;
  auto roaming = MakeWindow<TForm12>();
  auto variant = MakeWindow<Tform13>();
  ShowForm(roaming.get());
  ShowForm(variant.get());
  for (const auto& c : channels) {
    SCOPED_TRACE(c.Item);
    ResetChannels();
    TSubPictureForm* form = c.Variant ? static_cast<TSubPictureForm*>(variant.get()) : roaming.get();
    form->ComboBox1->SetItemIndex(c.Item);
    SendMessageW(form->BitBtn3->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(Received("com5", 6).at("com5"), c.Com5);
    EXPECT_EQ(form->ComboBox1->Text(), c.Item < 0 ? L"VIDEO" : form->ComboBox1->Items()->Strings(c.Item));
  }
  ResetChannels();
  for (TBitBtn* b : {roaming->BitBtn1, roaming->BitBtn2, roaming->BitBtn4})
    SendMessageW(b->Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(roaming->BitBtn4->Visible()) << "the swap button is hidden, its click still sends";
  variant->Close();
  roaming->Close();
  test_support::PumpFor(50);
  EXPECT_EQ(Received("com5", 24).at("com5"),
            "C6 11 22 C0 01 BB C6 11 22 C0 00 BB C6 11 22 C5 01 BB C6 11 22 C0 00 BB");
}

TEST_F(SubPictureTest, TheLinkagePausesThreeTimesPerPanelAndRoutesOnlyTheChosenMatrix) {
  struct {
    const char* Name;
    int Matrix;
    bool Manual;
    std::vector<String> Expected;
    std::string Com7;
  } cases[] = {
      {"VGA matrix, one output per panel", 1, false,
       {L"pause 7", L"pause 7", L"3V1.", L"pause 7", L"pause 7", L"pause 7", L"3V2.", L"pause 7"}, "3V1.3V2."},
      {"VGA matrix, a wired 0 skipped, a wired 9 routed", 1, true,
       {L"pause 7", L"pause 7", L"pause 7", L"pause 7", L"pause 7", L"3V9.", L"pause 7"}, "3V9."},
      {"video matrix chosen: the VGA wiring is not read", 0, true,
       {L"pause 7", L"3V1.", L"pause 7", L"pause 7", L"pause 7", L"3V2.", L"pause 7", L"pause 7"}, "3V1.3V2."},
      {"no matrix chosen", -1, false, std::vector<String>(6, L"pause 7"), ""},
  };
  auto form = MakeWindow<TForm12>();
  ShowForm(form.get());
  app_test::TSpliceTestWindow& view = Main.Splice();
  view.Grid = {1, 1, 2, 1};
  view.Interval = L"7";
  view.Wiring = {{TWiringFamily::VGA, {{L"0", L"9"}}}};
  form->ComboBox2->SetItemIndex(2);
  form->ComboBox1->SetItemIndex(1);
  form->CheckBox3->SetChecked(true);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    ResetChannels();
    Events().clear();
    view.Cells.clear();
    view.Manual = {{TWiringFamily::VGA, c.Manual}};
    form->ComboBox3->SetItemIndex(c.Matrix);
    {
      TRecordedPauses pauses;
      form->BitBtn51Click(nullptr);
    }
    EXPECT_EQ(Events(), c.Expected);
    EXPECT_EQ(view.Cells.size(), 2u);
    EXPECT_EQ(view.Cells[std::make_pair(2, 1)], L"RGB");
    EXPECT_EQ(Received("com7", c.Com7.size() ? c.Com7.size() : 1).at("com7"), HexOf(c.Com7));
  }
  // Without linkage only the cells are written.
  Events().clear();
  form->CheckBox3->SetChecked(false);
  form->ComboBox1->SetItemIndex(0);
  form->BitBtn51Click(nullptr);
  EXPECT_TRUE(Events().empty());
  EXPECT_EQ(view.Cells[std::make_pair(1, 1)], L"VIDEO");
}

TEST_F(SubPictureTest, TheMatrixListSetsTheSignalTypeTheChannelWindowAndTheBrands) {
  auto form = MakeWindow<TForm12>();
  auto channels = MakeWindow<TForm14>();
  struct {
    int Matrix;
    int SignalType;
    int ChannelItem;
    String Brand;
  } cases[] = {{2, 3, 2, L"DBRAND"}, {1, 2, 1, Main.Matrix.VgaBrandText}, {0, 0, 0, L"VBRAND"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Matrix);
    form->ComboBox3->SetItemIndex(c.Matrix);
    form->ComboBox3Change(nullptr);
    form->ComboBox3Click(nullptr);
    EXPECT_EQ(Main.Matrix.SignalTypeIndex, c.SignalType);
    EXPECT_EQ(channels->ComboBox4->ItemIndex(), c.ChannelItem);
    EXPECT_EQ(channels->Label7->Caption(), c.Brand);
    EXPECT_EQ(form->Label7->Caption(), c.Brand);
  }
  // The channel list chooses the matrix.
  form->ComboBox1->SetItemIndex(1);
  form->ComboBox1Change(nullptr);
  EXPECT_EQ(form->ComboBox3->ItemIndex(), 1);
  form->ComboBox1->SetItemIndex(0);
  form->ComboBox1Change(nullptr);
  EXPECT_EQ(form->ComboBox3->ItemIndex(), 0);
}

}  // namespace
