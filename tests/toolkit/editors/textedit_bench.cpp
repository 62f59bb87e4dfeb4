// What a text editor's view costs: view data and paint of a 121 x 21 text
// editor showing a value with a selection, on a memory DC, next to a system
// EDIT of that size and text printing itself (WM_PRINT) with the same
// selection, in the same run, in two looks. Prints the medians and the ratios.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "Runtime.h"
#include "support/BenchTiming.h"
#include "textedit_test_support.h"

int wmain() {
  InstallPlatformRuntime();
  edit_test::StartEditUnits();
  InitializeUnits({cxDrawTextUtilsUnit, cxTextEditUnit});
  Application->Initialize();

  auto surface = std::make_unique<edit_test::TMemoryCanvas>(121, 21);
  HDC dc = surface->Dc;
  TcxCanvas& cx = surface->Cx;

  const wchar_t* const text = L"Wall 01 splice";
  TcxTextEditProperties properties(nullptr);
  TcxContainerStyles styles(nullptr, TcxEditStyle::StaticClass());
  auto* style = static_cast<TcxEditStyle*>(styles.Style());
  style->SetColor(clWindow);
  style->LookAndFeel()->SetNativeStyle(false);
  TcxCustomTextEditViewInfo viewInfo;
  auto ours = [&] {
    std::unique_ptr<TcxCustomTextEditViewData> data(
        static_cast<TcxCustomTextEditViewData*>(properties.CreateViewData(style, false)));
    data->EditValue = Variant(text);
    data->SelStart = 5;
    data->SelLength = 2;
    data->Calculate(&cx, TRect{0, 0, 121, 21}, TPoint{-1, -1}, 0, {}, &viewInfo, false);
    viewInfo.Render(&cx);
  };

  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", text, WS_POPUP | ES_AUTOHSCROLL | ES_NOHIDESEL, 0, 0, 121,
                              21, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(edit, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  SendMessageW(edit, EM_SETSEL, 5, 7);
  auto platform = [&] { SendMessageW(edit, WM_PRINT, WPARAM(dc), PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND); };

  struct TLook {
    const char* Name;
    TcxLookAndFeelKind Kind;
  };
  const TLook looks[] = {{"standard", lfStandard}, {"ultra-flat", lfUltraFlat}};
  std::printf("View data and paint of a 121 x 21 text editor with a selection (median us of one):\n");
  std::printf("  look         ours      system EDIT   ratio\n");
  for (const TLook& look : looks) {
    style->LookAndFeel()->SetKind(look.Kind);
    const auto [a, b] = vamire_bench::MeasureSideBySide(ours, platform, 31, 200);
    std::printf("  %-10s  %7.2f   %7.2f       %5.2f\n", look.Name, a, b, a / b);
  }

  DestroyWindow(edit);
  surface.reset();
  FinalizeUnits();
  return 0;
}
