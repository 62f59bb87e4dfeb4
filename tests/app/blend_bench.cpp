// A 100-position drag of the edge-blending window's horizontal bar with its
// label following each change (the pointer's messages sent to the bar, the
// window brought up to date after each), side by side with the platform's
// track bar moved by TBM_SETPOS and a static label set with WM_SETTEXT, on a
// plain window of the same size.
#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <cstdio>

#include "ConsoleForms.h"
#include "Runtime.h"
#include "SysUtils.h"
#include "Unit11.h"
#include "support/BenchTiming.h"
#include "support/HostForm.h"

namespace {

const int Positions = 100;

struct TPlainBlend {
  HWND Window, Bar, Label;
};

TPlainBlend MakePlain(int width, int height) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  TPlainBlend p;
  p.Window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | SS_WHITERECT, 500, 80, width, height, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  p.Label = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 14, 64, 130, 16, p.Window, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  p.Bar = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS, 150, 54, 256, 36, p.Window,
                          nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(p.Bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
  UpdateWindow(p.Window);
  return p;
}

void PlainDrag(const TPlainBlend& p) {
  for (int i = 1; i <= Positions; ++i) {
    SendMessageW(p.Bar, TBM_SETPOS, TRUE, i);
    const String text = L"\u8C03\u8282  " + IntToStr(i);
    SendMessageW(p.Label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    UpdateWindow(p.Window);
  }
  SendMessageW(p.Bar, TBM_SETPOS, TRUE, 0);
  UpdateWindow(p.Window);
}

// The pointer pressed on the thumb, moved one value at a time, let go.
void OurDrag(TForm11* form) {
  TcxTrackBar* bar = form->TrackBar1;
  const TcxTrackBarLayout layout = bar->CalcLayout(bar->Canvas());
  const int y = (layout.Thumb.Top + layout.Thumb.Bottom) / 2;
  const int x0 = (layout.Thumb.Left + layout.Thumb.Right) / 2;
  const HWND h = bar->Handle();
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x0, y));
  for (int i = 1; i <= Positions; ++i) {
    const int x = x0 + int(std::lround(i * layout.TickOffset));
    SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
    UpdateWindow(form->Handle());
    UpdateWindow(h);
  }
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(x0, y));
  bar->SetPosition(0);
  UpdateWindow(h);
}

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  StartConsoleUnits();
  auto* form = TCustomForm::Create<TForm11>(nullptr);
  form->CheckBox1->SetChecked(true);
  form->Show();
  test_support::Pump();
  RECT client{};
  GetClientRect(form->Handle(), &client);
  const TPlainBlend plain = MakePlain(client.right, client.bottom);
  // The drag is the real one: the last value reaches the label.
  String seen;
  {
    TcxTrackBar* bar = form->TrackBar1;
    const TcxTrackBarLayout layout = bar->CalcLayout(bar->Canvas());
    const int y = (layout.Thumb.Top + layout.Thumb.Bottom) / 2, x0 = (layout.Thumb.Left + layout.Thumb.Right) / 2;
    SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x0, y));
    for (int i = 1; i <= Positions; ++i)
      SendMessageW(bar->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x0 + int(std::lround(i * layout.TickOffset)), y));
    SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x0, y));
    seen = form->Label5->Caption();
    bar->SetPosition(0);
  }
  const auto [ours, platform] =
      vamire_bench::MeasureSideBySide([&] { OurDrag(form); }, [&] { PlainDrag(plain); }, 15, 1);
  std::printf("Edge blending, a %d-position drag of the horizontal bar with its label (median of 15 rounds):\n",
              Positions);
  std::printf("  TrackBar1 and Label5                       %9.1f us\n", ours);
  std::printf("  platform, TBM_SETPOS and WM_SETTEXT        %9.1f us\n", platform);
  std::printf("  ratio %.2f (goal 1.5); the label after the drag: %s\n", ours / platform,
              UTF8Encode(seen).c_str());
  DestroyWindow(plain.Window);
  form->Free();
  return 0;
}
