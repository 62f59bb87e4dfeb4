// One step of the horizontal subtitle: a fired tick of the marquee moving a
// caption across a 1920-pixel-wide, transparent subtitle window (the pane
// composes its strip off screen and copies it), side by side with the
// platform doing the same step on a plain layered window of that size:
// ScrollWindowEx by the step and DrawText of the strip it uncovers.
#include <windows.h>

#include <cstdio>

#include "ConsoleForms.h"
#include "Runtime.h"
#include "support/BenchTiming.h"
#include "support/HostForm.h"
#include "uSubtitleSettings.h"

namespace {

const int Width = 1920, Height = 113, Step = 3;
const wchar_t* const Text = L"\u6B22\u8FCE\u5149\u4E34 Welcome to the control room";

HFONT PlainFont() {
  return CreateFontW(-48, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"\u5B8B\u4F53");
}

struct TPlain {
  int Offset = 0;
  int TextWidth = 0;
  HFONT Font = PlainFont();
};
TPlain plainState;

void PaintStrip(HDC dc, const RECT& strip) {
  HBRUSH key = CreateSolidBrush(RGB(128, 0, 0));
  FillRect(dc, &strip, key);
  DeleteObject(key);
  HGDIOBJ old = SelectObject(dc, plainState.Font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 0, 0));
  RECT text{Width - plainState.Offset, 0, Width - plainState.Offset + plainState.TextWidth, Height};
  IntersectClipRect(dc, strip.left, strip.top, strip.right, strip.bottom);
  DrawTextW(dc, Text, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, old);
}

LRESULT CALLBACK PlainProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_PAINT) return DefWindowProcW(wnd, msg, wp, lp);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(wnd, &ps);
  PaintStrip(dc, ps.rcPaint);
  EndPaint(wnd, &ps);
  return 0;
}

HWND MakePlainWindow(bool transparent) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PlainProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VamireMarqueeBenchPlain";
  static const ATOM registered = RegisterClassW(&wc);
  (void)registered;
  HWND wnd = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"plain",
                             WS_POPUP | WS_VISIBLE, 0, 400, Width, Height, nullptr, nullptr, wc.hInstance, nullptr);
  if (transparent)
    SetLayeredWindowAttributes(wnd, RGB(128, 0, 0), 255, LWA_COLORKEY);
  else
    SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) & ~WS_EX_LAYERED);
  HDC dc = GetDC(wnd);
  HGDIOBJ old = SelectObject(dc, plainState.Font);
  SIZE size{};
  GetTextExtentPoint32W(dc, Text, int(wcslen(Text)), &size);
  plainState.TextWidth = size.cx;
  SelectObject(dc, old);
  ReleaseDC(wnd, dc);
  UpdateWindow(wnd);
  return wnd;
}

void PlainStep(HWND wnd) {
  plainState.Offset = (plainState.Offset + Step) % (plainState.TextWidth + Width);
  ScrollWindowEx(wnd, -Step, 0, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
  UpdateWindow(wnd);
}

// The median microseconds of our step and of the platform's, transparent or not.
void Measure(bool transparent) {
  auto* horizontal = TCustomForm::Create<TfrmLEDDisplay>(nullptr);
  auto* upright = TCustomForm::Create<TForm19>(nullptr);
  TSubtitleSettings s;
  s.DisplayText = Text;
  s.FontName = L"\u5B8B\u4F53";
  s.ColorName = L"clRed";
  s.FontSize = 36;
  s.BgColorName = L"clWhite";
  s.Interval = L"60000";  // no real tick while measuring
  s.Transparent = transparent;
  OpenSubtitleDisplay(s, false, horizontal, upright);
  SetWindowPos(horizontal->Handle(), nullptr, 0, 200, Width, Height, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(horizontal->Handle(), WM_NCHITTEST, 0, 0);  // the pane follows the new size
  horizontal->rzmrqstsText->SetScrollSize(Step);
  test_support::Pump();
  HWND plain = MakePlainWindow(transparent);
  TTimer* timer = horizontal->rzmrqstsText->ScrollTimer();
  const auto [ours, platform] = vamire_bench::MeasureSideBySide([&] { timer->OnTimer()(timer); },
                                                                [&] { PlainStep(plain); }, 31, 20);
  std::printf("One marquee step, %d x %d %s subtitle window, %d pixels (median of 31 rounds of 20):\n", Width,
              Height, transparent ? "transparent (layered)" : "opaque", Step);
  std::printf("  marquee tick (compose and copy)          %8.1f us\n", ours);
  std::printf("  platform, ScrollWindowEx and DrawText    %8.1f us\n", platform);
  std::printf("  ratio %.2f (goal 2)\n", ours / platform);
  DestroyWindow(plain);
  delete horizontal;
  delete upright;
}

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  StartConsoleUnits();
  Measure(true);
  Measure(false);
  return 0;
}
