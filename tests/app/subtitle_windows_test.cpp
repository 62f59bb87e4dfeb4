// The two subtitle windows streamed from their form files: the frame they
// make for themselves, the steps from an injected work area, the marquee and
// the vertical label moved by fired ticks (D-61), the colour key of a
// transparent subtitle, the hit test and refit through the window's own
// messages, and the drag with the real pointer (D-98).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "SysUtils.h"
#include "TestMainWindow.h"
#include "support/HostForm.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"
#include "uSubtitleSettings.h"

using test_support::Pump;

namespace {

TRect& InjectedArea() {
  static TRect area{0, 0, 1920, 1050};
  return area;
}
TRect InjectedWorkArea() { return InjectedArea(); }

void Tick(TTimer* timer) { timer->OnTimer()(timer); }

// Shown (centred, as the form says) and then moved where the test wants it.
void PlaceAt(TForm* window, int left, int top) {
  window->Show();
  SetWindowPos(window->Handle(), nullptr, left, top, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
  Pump();
}

// Serves the window for a while, so what it paints reaches the screen.
void Settle(int ms = 150) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    Pump();
    Sleep(10);
  }
}

void Shot(HWND wnd, const std::wstring& name) {
  Settle();
  const std::wstring prefix = vamire_test::InThemedPrefix() ? L"_themed" : L"_plain";
  EXPECT_TRUE(vamire_test::CaptureWindow(wnd).SavePng(L"subtitle_" + name + prefix + L".png"));
}

TSubtitleSettings Settings(const String& text, const String& interval, const String& color = L"clYellow",
                           bool transparent = false) {
  TSubtitleSettings s;
  s.DisplayText = text;
  s.FontName = L"宋体";
  s.ColorName = color;
  s.FontSize = 36;
  s.BgColorName = L"clNavy";
  s.Interval = interval;
  s.Transparent = transparent;
  return s;
}

class SubtitleWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    app_test::StartUnitsOnce();
    InjectedArea() = TRect{0, 0, 1920, 1050};
    FPreviousArea = SetSubtitleWorkAreaProc(&InjectedWorkArea);
    Horizontal = TCustomForm::Create<TfrmLEDDisplay>(nullptr);
    Upright = TCustomForm::Create<TForm19>(nullptr);
    ASSERT_NE(Horizontal->rzmrqstsText, nullptr);
    ASSERT_NE(Upright->Label1, nullptr);
  }
  void TearDown() override {
    delete Horizontal;
    delete Upright;
    SetSubtitleWorkAreaProc(FPreviousArea);
  }
  TRzMarqueeStatus* Marquee() { return Horizontal->rzmrqstsText; }

  TfrmLEDDisplay* Horizontal = nullptr;
  TForm19* Upright = nullptr;

 private:
  TWorkAreaProc FPreviousArea = nullptr;
};

TEST_F(SubtitleWindows, BothAreBorderlessPopupsOfTheDesktopOffTheTaskBarAndOnTop) {
  for (TForm* window : {static_cast<TForm*>(Horizontal), static_cast<TForm*>(Upright)}) {
    const HWND h = window->Handle();
    const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE), ex = GetWindowLongPtrW(h, GWL_EXSTYLE);
    SCOPED_TRACE(UTF8Encode(window->ClassName()));
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_CLIPCHILDREN);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_NE(GetWindow(h, GW_OWNER), Application->Handle()) << "owned by the desktop, not the application";
  }
  EXPECT_EQ(Horizontal->ClientWidth(), 566);
  EXPECT_EQ(Horizontal->ClientHeight(), 113);
  EXPECT_EQ(Marquee()->BoundsRect(), (TRect{-8, -8, -8 + 566 + 19, -8 + 113 + 16}));
  EXPECT_EQ(Marquee()->Alignment(), taCenter);
  EXPECT_EQ(Upright->ClientWidth(), 131);
  EXPECT_EQ(Upright->ClientHeight(), 400);
  EXPECT_FALSE(Upright->Timer1->Enabled());
}

TEST_F(SubtitleWindows, TheMarqueeStepComesFromTheWorkAreaAndTheIntervalSetsItsScroll) {
  struct {
    int Width, Step;
  } areas[] = {{1920, 3}, {1366, 2}, {500, 1}};
  for (const auto& a : areas) {
    InjectedArea() = TRect{0, 0, a.Width, 700};
    Horizontal->FormShow(Horizontal);
    EXPECT_EQ(Marquee()->ScrollSize(), a.Step) << a.Width;
  }
  OpenSubtitleDisplay(Settings(L"欢迎", L"0"), false, Horizontal, Upright);
  EXPECT_EQ(Marquee()->ScrollType(), stNone) << "interval 0: static";
  EXPECT_FALSE(Marquee()->ScrollTimer()->Enabled());
  OpenSubtitleDisplay(Settings(L"欢迎", L"70000"), false, Horizontal, Upright);
  EXPECT_EQ(Marquee()->ScrollType(), stRightToLeft);
  EXPECT_EQ(Marquee()->ScrollDelay(), 65535) << "the pane's delay is 16-bit (D-98)";
  OpenSubtitleDisplay(Settings(L"欢迎", L"120"), false, Horizontal, Upright);
  EXPECT_EQ(Marquee()->ScrollDelay(), 120);
  EXPECT_EQ(Marquee()->Caption(), L"欢迎");
  EXPECT_EQ(Marquee()->Font()->Name(), L"宋体");
  EXPECT_EQ(Marquee()->Font()->Size(), 36);
  EXPECT_EQ(Marquee()->Font()->Color(), clYellow);
  EXPECT_EQ(Marquee()->FillColor(), clNavy);
  EXPECT_TRUE(Horizontal->Visible());
  EXPECT_FALSE(Upright->Visible());
  CloseSubtitleDisplay(Horizontal, Upright);
  EXPECT_FALSE(Horizontal->Visible());
}

TEST_F(SubtitleWindows, FiredTicksMoveTheMarqueeByItsStepAndWrapIt) {
  InjectedArea() = TRect{0, 0, 1920, 1050};
  OpenSubtitleDisplay(Settings(L"控制室 Control room", L"60000"), false, Horizontal, Upright);
  EXPECT_EQ(Marquee()->ScrollSize(), 3);
  Shot(Horizontal->Handle(), L"horizontal_start");
  for (int i = 1; i <= 100; ++i) {
    Tick(Marquee()->ScrollTimer());
    ASSERT_EQ(Marquee()->ScrollOffset(), 3 * i);
  }
  // Each tick paints the pane at once: what the window shows now, unrepainted,
  // is what a full repaint shows.
  const HWND h = Horizontal->Handle();
  HDC dc = GetDC(h);
  const vamire_test::Capture ticked = vamire_test::CaptureDC(dc, 0, 0, Horizontal->ClientWidth(), Horizontal->ClientHeight());
  ReleaseDC(h, dc);
  const vamire_test::Capture repainted = vamire_test::CaptureClient(h);
  EXPECT_TRUE(ticked.Pixels == repainted.Pixels);
  EXPECT_GT(ticked.CountNot(0x000080), 100u) << "text on the navy fill";
  Shot(h, L"horizontal_midscroll");
  const int limit = Marquee()->WrapLimit();
  ASSERT_GT(limit, 585);
  int ticks = 100;
  while (Marquee()->ScrollOffset() != 0 && ticks < 10000) {
    Tick(Marquee()->ScrollTimer());
    ++ticks;
  }
  EXPECT_EQ(ticks, (limit + 2) / 3) << "back at the entry edge once the text has left";
}

TEST_F(SubtitleWindows, AStaticSubtitleIsCentredAndStaysPut) {
  OpenSubtitleDisplay(Settings(L"欢迎光临", L"0"), false, Horizontal, Upright);
  Shot(Horizontal->Handle(), L"horizontal_static");
  const vamire_test::Capture shot = vamire_test::CaptureClient(Horizontal->Handle());
  // The yellow glyphs lie about the middle of the client area.
  int left = shot.Width, right = -1;
  for (int y = 0; y < shot.Height; ++y)
    for (int x = 0; x < shot.Width; ++x)
      if (shot.At(x, y) == 0xFFFF00) left = std::min(left, x), right = std::max(right, x);
  ASSERT_LT(left, right) << "no text drawn";
  // The pane is centred on its own width, 8 pixels left of the window and 11 right of it.
  EXPECT_NEAR((left + right) / 2, (-8 + 577) / 2, 6);
}

TEST_F(SubtitleWindows, TheVerticalLabelClimbsByItsStepAndStartsAgainFromTheBottom) {
  InjectedArea() = TRect{0, 30, 1280, 1030};  // 1000 high
  OpenSubtitleDisplay(Settings(L"中文a", L"40"), true, Horizontal, Upright);
  EXPECT_TRUE(Upright->Visible());
  EXPECT_FALSE(Horizontal->Visible());
  EXPECT_EQ(Upright->Label1->Caption(), L"中\n文\na\n");
  EXPECT_EQ(Upright->Timer1->Interval(), 50u);
  EXPECT_TRUE(Upright->Timer1->Enabled());
  Upright->Timer1->SetEnabled(false);  // the test fires its ticks
  EXPECT_EQ(Upright->Step(), 3);
  EXPECT_EQ(Upright->Label1->Top(), 400) << "starts just below the visible area";
  EXPECT_EQ(Upright->Label1->BoundsRect().Left, 0) << "across the whole window";
  EXPECT_EQ(Upright->Label1->Width(), 131);
  const int H = Upright->ScrollHeight();
  EXPECT_GT(H, 0);
  int ticks = 0;
  do {
    Tick(Upright->Timer1);
    ++ticks;
    if (ticks == 70) Shot(Upright->Handle(), L"vertical_midscroll");
  } while (Upright->Label1->Top() != 400 && ticks < 10000);
  EXPECT_EQ(ticks, (400 + H + 2) / 3) << "wrapped to the bottom once the text was above the top";
}

TEST_F(SubtitleWindows, AVerticalSubtitleWithNoIntervalStandsAtTheTop) {
  OpenSubtitleDisplay(Settings(L"字幕", L"0"), true, Horizontal, Upright);
  EXPECT_FALSE(Upright->Timer1->Enabled());
  EXPECT_EQ(Upright->Label1->Top(), 0);
  Shot(Upright->Handle(), L"vertical_static");
}

TEST_F(SubtitleWindows, TransparentRedTextKeysOutMaroon) {
  OpenSubtitleDisplay(Settings(L"透明 Transparent", L"0", L"clRed", true), false, Horizontal, Upright);
  for (TForm* window : {static_cast<TForm*>(Horizontal), static_cast<TForm*>(Upright)}) {
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window->Handle(), &key, &alpha, &flags));
    EXPECT_EQ(key, COLORREF(clMaroon));
    EXPECT_TRUE(flags & LWA_COLORKEY);
    EXPECT_EQ(window->Color(), clMaroon);
  }
  EXPECT_EQ(Marquee()->FillColor(), clMaroon);
  EXPECT_EQ(Upright->Label1->Color(), clMaroon);
  // Over a coloured window of the test, only the glyphs remain.
  test_support::THostForm* desk = test_support::MakeForm(700, 240);
  desk->SetColor(clLime);
  desk->SetBounds(Horizontal->Left() - 60, Horizontal->Top() - 60, 700, 240);
  desk->Show();
  Horizontal->Show();
  Settle(300);
  RECT r{};
  GetWindowRect(desk->Handle(), &r);
  HDC screen = GetDC(nullptr);
  const vamire_test::Capture over = vamire_test::CaptureDC(screen, r.left, r.top, r.right - r.left, r.bottom - r.top);
  ReleaseDC(nullptr, screen);
  EXPECT_TRUE(over.SavePng(std::wstring(L"subtitle_transparent") + (vamire_test::InThemedPrefix() ? L"_themed" : L"_plain") + L".png"));
  delete desk;
  // Not transparent: the key is off again.
  OpenSubtitleDisplay(Settings(L"透明", L"0", L"clRed", false), false, Horizontal, Upright);
  EXPECT_FALSE(GetWindowLongPtrW(Horizontal->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(SubtitleWindows, BadNumbersAndColourNamesGiveTheRuntimesMessagesAndShowNothing) {
  try {
    OpenSubtitleDisplay(Settings(L"x", L"12x"), false, Horizontal, Upright);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"'12x' is not a valid integer value");
  }
  EXPECT_FALSE(Horizontal->Visible());
  EXPECT_FALSE(Upright->Visible());
  EXPECT_EQ(Upright->Color(), clNavy) << "the colour set before stays";
  try {
    OpenSubtitleDisplay(Settings(L"x", L"0", L"clNoSuchColour"), false, Horizontal, Upright);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_NE(e.Message().find(L"clNoSuchColour"), String::npos) << UTF8Encode(e.Message());
  }
  EXPECT_FALSE(Horizontal->Visible());
}

TEST_F(SubtitleWindows, TheHitTestAnswersThroughTheWindowAndRefitsThePane) {
  PlaceAt(Horizontal, 200, 150);
  auto hit = [&](int x, int y) {
    return int(SendMessageW(Horizontal->Handle(), WM_NCHITTEST, 0, MAKELPARAM(x, y)));
  };
  EXPECT_EQ(hit(200 + 564, 150 + 111), HTBOTTOMRIGHT);
  EXPECT_EQ(hit(201, 150 + 111), HTBOTTOMLEFT);
  EXPECT_EQ(hit(400, 151), HTTOP);
  EXPECT_EQ(hit(400, 180), HTCAPTION);
  EXPECT_EQ(hit(400, 220), HTCLIENT);
  // Resized from its edge, the window's pane follows at the next mouse-up.
  SetWindowPos(Horizontal->Handle(), nullptr, 200, 150, 700, 160, SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  SendMessageW(Horizontal->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(Marquee()->Width(), 700 + 19);
  EXPECT_EQ(Marquee()->Height(), 160 + 16);
  Upright->Show();
  SetWindowPos(Upright->Handle(), nullptr, 50, 50, 180, 400, SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  EXPECT_EQ(int(SendMessageW(Upright->Handle(), WM_NCHITTEST, 0, MAKELPARAM(51, 51))), HTTOPLEFT);
  EXPECT_EQ(Upright->Label1->Width(), 180);
}

// Clicks once when `done` is not set in time: ends a move loop that would
// otherwise hold the test.
class TRescueClick {
 public:
  explicit TRescueClick(int ms) : FThread([this, ms] {
      for (int waited = 0; waited < ms && !FDone; waited += 10) Sleep(10);
      if (FDone) return;
      INPUT in[2]{};
      in[0].type = in[1].type = INPUT_MOUSE;
      in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
      in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
      SendInput(2, in, sizeof(INPUT));
    }) {}
  ~TRescueClick() {
    FDone = true;
    FThread.join();
  }

 private:
  std::atomic<bool> FDone{false};
  std::thread FThread;
};

TEST_F(SubtitleWindows, AMoveWithoutAButtonStartsNoMoveLoop) {
  PlaceAt(Horizontal, 200, 150);
  TRescueClick rescue(2000);
  const auto start = std::chrono::steady_clock::now();
  SendMessageW(Horizontal->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(100, 60));
  SendMessageW(Marquee()->Parent()->Handle(), WM_NULL, 0, 0);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  EXPECT_LT(ms.count(), 1000) << "the move returned only with the next click";
  RECT r{};
  GetWindowRect(Horizontal->Handle(), &r);
  EXPECT_EQ(r.left, 200);
}

void MoveTo(int x, int y) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof(INPUT));
}
void Button(DWORD flag) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flag;
  SendInput(1, &in, sizeof(INPUT));
}

TEST_F(SubtitleWindows, PressingAndDraggingMovesTheWindow) {
  OpenSubtitleDisplay(Settings(L"拖动 Drag", L"0"), false, Horizontal, Upright);
  PlaceAt(Horizontal, 200, 150);
  SetForegroundWindow(Horizontal->Handle());
  Settle(200);
  MoveTo(480, 210);
  Settle(100);
  Button(MOUSEEVENTF_LEFTDOWN);
  Settle(100);
  // The pointer's further way and the release come from another thread: the
  // move loop holds this one until the button is up.
  std::thread hand([] {
    for (int step = 1; step <= 10; ++step) {
      Sleep(30);
      MoveTo(480 + 12 * step, 210 + 8 * step);
    }
    Sleep(100);
    Button(MOUSEEVENTF_LEFTUP);
  });
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
  while (std::chrono::steady_clock::now() < end) {
    Pump();
    Sleep(5);
  }
  hand.join();
  Settle(100);
  RECT r{};
  GetWindowRect(Horizontal->Handle(), &r);
  EXPECT_GT(r.left, 200 + 60) << "moved with the pointer";
  EXPECT_GT(r.top, 150 + 40);
  EXPECT_EQ(r.right - r.left, 566) << "moved, not resized";
}

}  // namespace
