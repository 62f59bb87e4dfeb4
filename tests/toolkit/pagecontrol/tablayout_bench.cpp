// What laying out a multi-line tab strip costs next to the system's tab control
// (TCS_MULTILINE): the same captions ("Page 1" .. "Page N") put into a 400 x 300
// control, 24 and 500 of them; the toolkit control measures each caption with
// its font and lays the rows out (split, balance, stretch, order, place), the
// system one takes TCM_INSERTITEM for each and lays out at TCM_ADJUSTRECT.
// Prints the medians of one whole fill-and-layout for each and the ratio.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "ExtCtrls.h"
#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "Runtime.h"
#include "StdCtrls.h"
#include "Threads.h"
#include "cxControls_win.h"
#include "cxDWMApi.h"
#include "cxLookAndFeelPainters_win.h"
#include "cxLookAndFeels.h"
#include "cxPCPaintersFactory.h"
#include "cxPC_win.h"
#include "dxGDIPlusAPI.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "support/BenchTiming.h"

namespace {

class TBenchForm : public TForm {
  VAMIRE_CLASS(TBenchForm, TForm)
 public:
  using TForm::TForm;
};

// Metrics as a tab style has them: the caption's width and height with a
// padding, two pixels between rows; nothing is drawn.
class TBenchPainter : public TcxPCCustomPainter {
  VAMIRE_PC_PAINTER(TBenchPainter, TcxPCCustomPainter)
 public:
  using TcxPCCustomPainter::TcxPCCustomPainter;
  static TcxPCStyleID GetStyleID() { return 1; }

  int CalculateTabNormalWidth(TcxTab* ATab) override {
    TSize size{};
    MeasureTabText(ATab, ATab->Caption(), nullptr, size);
    return size.cx + 12;
  }
  int CalculateTabNormalHeight() override { return GetMaxCaptionHeight() + 6; }
  int GetMinTabWidth(int) override { return 12; }
  TPoint GetTabsSpacing() override { return TPoint{0, 2}; }
  void GetTabsAreaInfo(const TcxPCNavigatorButtons&, TcxPCTabsAreaInfo& AInfo) override {
    const int w = TabControl()->Width(), h = TabControl()->Height();
    AInfo.TabsAreaRect = TRect{0, 0, w, h};
    AInfo.RowLength = w - 4;
    AInfo.RowsBounds = TRect{2, 2, w - 2, h};
  }
  void GetTabImageOffsets(int, int AOffsets[4]) override { std::fill(AOffsets, AOffsets + 4, 0); }
  void GetImageOnlyTabOffsets(int, int AOffsets[2]) override { std::fill(AOffsets, AOffsets + 2, 0); }
  void GetTabTextOffsets(int, int AOffsets[4]) override { std::fill(AOffsets, AOffsets + 4, 0); }
  int GetImageTextDistance(int) override { return 0; }
  TColor GetTabColor(int) override { return clBtnFace; }
  void GetTextMargins(int, int AMargins[2]) override { AMargins[0] = AMargins[1] = 6; }
  void GetTruncatedTextMargins(int, int AMargins[2]) override { AMargins[0] = AMargins[1] = 6; }
  void SetTabImageAndTextRects(int, const TRect&, const TRect&) override {}
  int GetTabDrawState(int) override { return 0; }
  bool GetNavigatorButtonAt(int, int, TcxPCNavigatorButton&) override { return false; }
  TRect GetGoDialogButtonRect() override { return TRect{}; }
  void DrawNavigatorButtons() override {}
  void DrawFrame() override {}
  void DrawTabs() override {}
};

String Caption(int i) { return L"Page " + std::to_wstring(i + 1); }

void FillToolkit(TcxCustomTabControl* AControl, int ACount) {
  AControl->Tabs()->BeginUpdate();
  AControl->Tabs()->Clear();
  for (int i = 0; i < ACount; ++i) AControl->Tabs()->Add(Caption(i));
  AControl->Tabs()->EndUpdate();
}

void FillSystem(HWND ATabs, int ACount) {
  SendMessageW(ATabs, TCM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < ACount; ++i) {
    String text = Caption(i);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(ATabs, TCM_INSERTITEMW, WPARAM(i), LPARAM(&item));
  }
  RECT r{0, 0, 400, 300};
  SendMessageW(ATabs, TCM_ADJUSTRECT, FALSE, LPARAM(&r));
}

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                   dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit,
                   cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit,
                   cxControlsUnit, cxPCPaintersFactoryUnit, cxPCUnit});
  RegisterPainterClass(TBenchPainter::PainterStaticClass());
  Application->Initialize();
  InitCommonControls32();
  TBenchForm* form = TCustomForm::Create<TBenchForm>(nullptr);
  form->SetBounds(0, 0, 840, 340);
  form->HandleNeeded();

  auto* toolkit = new TcxCustomTabControl(form);
  toolkit->SetBounds(10, 10, 400, 300);
  toolkit->SetParent(form);
  toolkit->SetMultiLine(true);
  const HWND system = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | TCS_MULTILINE, 420, 10, 400,
                                      300, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(system, WM_SETFONT, WPARAM(toolkit->Font()->Handle()), TRUE);

  std::printf("Multi-line tab layout in a 400 x 300 control, median of one fill and layout:\n");
  for (int count : {24, 500}) {
    const int rounds = count < 100 ? 15 : 5, repeats = count < 100 ? 10 : 1;
    const auto [ours, theirs] = vamire_bench::MeasureSideBySide([&] { FillToolkit(toolkit, count); },
                                                                [&] { FillSystem(system, count); }, rounds, repeats);
    const int systemRows = int(SendMessageW(system, TCM_GETROWCOUNT, 0, 0));
    std::printf("  %3d tabs: toolkit %9.1f us (%d rows)   system %9.1f us (%d rows)   ratio %.2f\n", count, ours,
                toolkit->RowCount(), theirs, systemRows, ours / theirs);
  }
  DestroyWindow(system);
  delete form;
  UnregisterPainterClass(TBenchPainter::PainterStaticClass());
  FinalizeUnits();
  return 0;
}
