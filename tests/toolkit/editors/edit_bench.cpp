// What an editor's model costs: view data and paint of a 121 x 21 editor with
// a drop-down button on a memory DC, next to a system EDIT of that size
// printing itself (WM_PRINT) plus DrawFrameControl's combo button, in the same
// run; and fills through the brush cache next to CreateSolidBrush, FillRect
// and DeleteObject. Prints the medians and the ratios.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "Runtime.h"
#include "edit_test_support.h"
#include "support/BenchTiming.h"

int wmain() {
  InstallPlatformRuntime();
  edit_test::StartEditUnits();
  Application->Initialize();

  auto surface = std::make_unique<edit_test::TMemoryCanvas>(121, 21);
  HDC dc = surface->Dc;
  TcxCanvas& cx = surface->Cx;

  TcxCustomEditProperties properties(nullptr);
  properties.Buttons()->Add();
  TcxContainerStyles styles(nullptr, TcxEditStyle::StaticClass());
  auto* style = static_cast<TcxEditStyle*>(styles.Style());
  style->SetColor(clWindow);
  TcxCustomEditViewInfo viewInfo;
  auto ours = [&] {
    std::unique_ptr<TcxCustomEditViewData> data(properties.CreateViewData(style, false));
    data->Calculate(&cx, TRect{0, 0, 121, 21}, TPoint{-1, -1}, 0, {}, &viewInfo, false);
    viewInfo.Render(&cx);
  };

  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 121, 21, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  const int w = GetSystemMetrics(SM_CYHSCROLL);
  auto platform = [&] {
    SendMessageW(edit, WM_PRINT, WPARAM(dc), PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
    RECT button{121 - 2 - w, 2, 121 - 2, 19};
    DrawFrameControl(dc, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
  };

  struct TLook {
    const char* Name;
    TcxLookAndFeelKind Kind;
  };
  const TLook looks[] = {{"standard", lfStandard}, {"flat", lfFlat}, {"ultra-flat", lfUltraFlat}, {"Office11", lfOffice11}};
  std::printf("View data and paint of a 121 x 21 editor with a drop-down button (median us of one):\n");
  std::printf("  look         ours      system EDIT + combo button   ratio\n");
  for (const TLook& look : looks) {
    style->LookAndFeel()->SetKind(look.Kind);
    const auto [a, b] = vamire_bench::MeasureSideBySide(ours, platform, 31, 200);
    std::printf("  %-10s  %7.2f   %7.2f                      %5.2f\n", look.Name, a, b, a / b);
  }
  // Where our time goes, in the standard look.
  style->LookAndFeel()->SetKind(lfStandard);
  auto calculate = [&] {
    std::unique_ptr<TcxCustomEditViewData> data(properties.CreateViewData(style, false));
    data->Calculate(&cx, TRect{0, 0, 121, 21}, TPoint{-1, -1}, 0, {}, &viewInfo, false);
  };
  auto paint = [&] { viewInfo.Render(&cx); };
  const auto [calc, draw] = vamire_bench::MeasureSideBySide(calculate, paint, 31, 200);
  std::printf("  standard: view data %.2f us, paint %.2f us\n", calc, draw);

  // Fills of 64 colours in turn: the cache keeps them all after the first round.
  int next = 0;
  const RECT r{0, 0, 8, 8};
  auto cached = [&] {
    FillRectWithCachedBrush(&cx, TRect{0, 0, 8, 8}, TColor(0x102030 + (next++ & 63) * 0x010101));
  };
  auto created = [&] {
    HBRUSH brush = CreateSolidBrush(COLORREF(0x102030 + (next++ & 63) * 0x010101));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  };
  const auto [c, s] = vamire_bench::MeasureSideBySide(cached, created, 31, 2000);
  std::printf("Fill of an 8 x 8 rectangle (median us of one): cache %.3f, CreateSolidBrush/FillRect/DeleteObject "
              "%.3f, ratio %.2f\n", c, s, c / s);

  DestroyWindow(edit);
  surface.reset();
  FinalizeUnits();
  return 0;
}
