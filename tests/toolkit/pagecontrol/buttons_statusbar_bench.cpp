// Repaint of the console's 166 glyph buttons (flat, never focused, a 32 x 32
// glyph above the caption) against 166 system buttons showing the same
// bitmap (BM_SETIMAGE), and one status-bar panel text change with its
// repaint against the system's status bar (SB_SETTEXT). Both sides paint
// into the same memory DC through their windows' own painting; rounds
// alternate; prints the medians and the ratio.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "ExtCtrls.h"
#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "Runtime.h"
#include "StdCtrls.h"
#include "Threads.h"
#include "Units.h"
#include "cxButtons_win.h"
#include "cxClasses.h"
#include "cxControls_win.h"
#include "cxDWMApi.h"
#include "cxLookAndFeels.h"
#include "dxGDIPlusAPI.h"
#include "dxOffice11_win.h"
#include "dxStatusBar_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "support/BenchTiming.h"
#include "support/WindowCapture.h"

namespace {

constexpr int Buttons = 166, Columns = 14, CellW = 84, CellH = 80;

class TBenchForm : public TForm {
  VAMIRE_CLASS(TBenchForm, TForm)
 public:
  using TForm::TForm;
};

TBitmap* NewGlyph() {
  auto* b = new TBitmap();
  b->SetPixelFormat(pf24bit);
  b->SetSize(32, 32);
  b->Canvas()->Brush()->SetColor(0x00FF00FF);
  b->Canvas()->FillRect(TRect{0, 0, 32, 32});
  b->Canvas()->Brush()->SetColor(0x00D08030);
  b->Canvas()->FillRect(TRect{3, 3, 29, 25});
  return b;
}

void PrintClient(HWND AWindow, HDC DC, int X, int Y) {
  const int saved = SaveDC(DC);
  SetViewportOrgEx(DC, X, Y, nullptr);
  SendMessageW(AWindow, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(DC), PRF_CLIENT);
  RestoreDC(DC, saved);
}

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                   dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit,
                   cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit, cxControlsUnit,
                   cxButtonsUnit, dxStatusBarUnit});
  Application->Initialize();
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  const int rows = (Buttons + Columns - 1) / Columns;
  const int width = Columns * CellW, height = rows * CellH;
  std::unique_ptr<TBitmap> glyph(NewGlyph());

  TBenchForm* form = TCustomForm::Create<TBenchForm>(nullptr);
  form->SetBounds(0, 0, width + 20, height + 60);
  std::vector<TcxButton*> ours;
  for (int i = 0; i < Buttons; ++i) {
    auto* b = new TcxButton(form);
    b->SetParent(form);
    b->SetBounds((i % Columns) * CellW, (i / Columns) * CellH, CellW - 4, CellH - 4);
    b->SetCaption(L"拼接");
    b->SetGlyph(glyph.get());
    b->SetLayout(blGlyphTop);
    b->SpeedButtonOptions()->SetFlat(true);
    b->SpeedButtonOptions()->SetCanBeFocused(false);
    ours.push_back(b);
  }
  form->HandleNeeded();
  for (TcxButton* b : ours) b->HandleNeeded();

  HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, width, height, nullptr, nullptr, nullptr, nullptr);
  HBITMAP image = static_cast<HBITMAP>(CopyImage(glyph->Handle(), IMAGE_BITMAP, 0, 0, 0));
  std::vector<HWND> system;
  for (int i = 0; i < Buttons; ++i) {
    HWND w = CreateWindowExW(0, L"BUTTON", L"拼接", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_BITMAP,
                             (i % Columns) * CellW, (i / Columns) * CellH, CellW - 4, CellH - 4, host, nullptr,
                             nullptr, nullptr);
    SendMessageW(w, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image));
    system.push_back(w);
  }

  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP surface = vamire_test::CreateTopDownDib(dc, width, height, &bits);
  HGDIOBJ oldBitmap = SelectObject(dc, surface);

  const auto buttons = vamire_bench::MeasureSideBySide(
      [&] {
        for (TcxButton* b : ours) PrintClient(b->Handle(), dc, b->Left(), b->Top());
      },
      [&] {
        for (int i = 0; i < Buttons; ++i) PrintClient(system[std::size_t(i)], dc, (i % Columns) * CellW, (i / Columns) * CellH);
      },
      21, 3);
  // The drawing alone, without the system's owner-draw request around it.
  const auto drawing = vamire_bench::MeasureSideBySide(
      [&] {
        for (TcxButton* b : ours) {
          DRAWITEMSTRUCT dis{};
          dis.CtlType = ODT_BUTTON;
          dis.hwndItem = b->Handle();
          dis.hDC = dc;
          dis.rcItem = RECT{0, 0, b->Width(), b->Height()};
          const int saved = SaveDC(dc);
          SetViewportOrgEx(dc, b->Left(), b->Top(), nullptr);
          b->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
          RestoreDC(dc, saved);
        }
      },
      [&] {}, 21, 3);
  std::printf("%d glyph buttons, repaint of all, medians (us)\n", Buttons);
  std::printf("(of which the button's own drawing %9.0f)\n", drawing.first);
  std::printf("TcxButton %9.0f   system BUTTON (BM_SETIMAGE) %9.0f   ratio %.3f\n", buttons.first, buttons.second,
              buttons.first / buttons.second);

  // The main window's bar: three panels, the first's text changed and the bar painted.
  auto* bar = new TdxStatusBar(form);
  bar->SetParent(form);
  bar->SetPaintStyle(stpsStandard);
  for (int w : {200, 200, 428}) bar->Panels()->Add()->SetWidth(w);
  bar->HandleNeeded();
  HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, host, nullptr,
                                nullptr, nullptr);
  int parts[] = {202, 404, -1};
  SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
  MoveWindow(status, 0, 0, bar->Width(), bar->Height(), FALSE);
  int tick = 0;
  wchar_t text[64];
  const auto panel = vamire_bench::MeasureSideBySide(
      [&] {
        std::swprintf(text, 64, L"串口已打开 COM%d", ++tick % 10);
        bar->Panels()->Items(0)->SetText(text);
        bar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
      },
      [&] {
        std::swprintf(text, 64, L"串口已打开 COM%d", ++tick % 10);
        SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text));
        SendMessageW(status, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
      },
      41, 50);
  const auto split = vamire_bench::MeasureSideBySide(
      [&] {
        std::swprintf(text, 64, L"串口已打开 COM%d", ++tick % 10);
        bar->Panels()->Items(0)->SetText(text);
      },
      [&] { bar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0); }, 41, 50);
  std::printf("status bar, one panel text changed and repainted, medians (us)\n");
  std::printf("(of which the text change %.1f, the paint %.1f)\n", split.first, split.second);
  std::printf("TdxStatusBar %9.1f   system status bar (SB_SETTEXT) %9.1f   ratio %.3f\n", panel.first, panel.second,
              panel.first / panel.second);

  SelectObject(dc, oldBitmap);
  DeleteObject(surface);
  DeleteDC(dc);
  DestroyWindow(host);
  DeleteObject(image);
  delete form;
  FinalizeUnits();
  return 0;
}
