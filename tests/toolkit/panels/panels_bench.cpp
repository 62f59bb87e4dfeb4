// What a bordered panel costs to paint next to the platform: a form of 7 x 36
// swatches, as the picture-adjustment window holds them, painted whole 100
// times with bordered panels and, in the same run, with the system's static
// controls of the same colours and sizes (the colour given through
// WM_CTLCOLORSTATIC, the one-pixel raised edge through DrawEdge, as a program
// gives a static an edge), and with the runtime's TPanel. Rounds take turns;
// prints the median time of a whole form's paint for each and the ratios.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "Runtime.h"
#include "RzPanel.h"
#include "RzStatus.h"
#include "StdCtrls.h"
#include "Threads.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "support/WindowCapture.h"

namespace {

constexpr int Columns = 36, Rows = 7, Cell = 18, Rounds = 100;

class TBenchForm : public TForm {
  VAMIRE_CLASS(TBenchForm, TForm)
 public:
  using TForm::TForm;
};

double Microseconds() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return double(counter.QuadPart) * 1e6 / double(frequency.QuadPart);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

TColor SwatchColor(int Column, int Row) {
  return JoinColorHls(std::uint8_t(Column * 239 / Columns), 200, std::uint8_t(50 + Row * 24));
}

// A form holding the 252 swatches as panels of class T.
template <class T>
TBenchForm* SwatchForm() {
  TBenchForm* form = TCustomForm::Create<TBenchForm>(nullptr);
  form->SetBounds(0, 0, Columns * Cell + 24, Rows * Cell + 60);
  for (int row = 0; row < Rows; ++row)
    for (int column = 0; column < Columns; ++column) {
      T* panel = new T(form);
      panel->SetBounds(8 + column * Cell, 8 + row * Cell, Cell, Cell);
      panel->SetColor(SwatchColor(column, row));
      panel->SetCaption(L"");
      panel->SetParent(form);
    }
  form->HandleNeeded();
  return form;
}

// Erase and paint of every swatch, as their windows' WM_ERASEBKGND and WM_PAINT do.
void PaintSwatches(TBenchForm* form, HDC dc) {
  for (int i = 0; i < form->ControlCount(); ++i) {
    auto* panel = static_cast<TWinControl*>(form->Controls(i));
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, panel->Left(), panel->Top(), nullptr);
    panel->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
  }
}

// The system's statics on a plain window that answers their colour.
LRESULT CALLBACK HostProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  if (AMsg == WM_CTLCOLORSTATIC)
    return GetWindowLongPtrW(reinterpret_cast<HWND>(ALParam), GWLP_USERDATA);
  return DefWindowProcW(AWnd, AMsg, AWParam, ALParam);
}

struct TSystemSwatches {
  HWND Host = nullptr;
  std::vector<HWND> Statics;
  std::vector<HBRUSH> Brushes;

  TSystemSwatches() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &HostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VamireSwatchHost";
    RegisterClassW(&wc);
    Host = CreateWindowW(wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, Columns * Cell + 24, Rows * Cell + 60,
                         nullptr, nullptr, wc.hInstance, nullptr);
    for (int row = 0; row < Rows; ++row)
      for (int column = 0; column < Columns; ++column) {
        HWND item = CreateWindowW(L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 8 + column * Cell, 8 + row * Cell,
                                  Cell, Cell, Host, nullptr, wc.hInstance, nullptr);
        Brushes.push_back(CreateSolidBrush(ColorToRGB(SwatchColor(column, row))));
        SetWindowLongPtrW(item, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Brushes.back()));
        Statics.push_back(item);
      }
  }
  ~TSystemSwatches() {
    DestroyWindow(Host);
    for (HBRUSH brush : Brushes) DeleteObject(brush);
  }

  void Paint(HDC dc) const {
    for (HWND item : Statics) {
      RECT bounds;
      GetWindowRect(item, &bounds);
      MapWindowPoints(HWND_DESKTOP, Host, reinterpret_cast<POINT*>(&bounds), 2);
      const int saved = SaveDC(dc);
      SetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
      SendMessageW(item, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
      SendMessageW(item, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
      RECT edge{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
      DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
      RestoreDC(dc, saved);
    }
  }
};

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                   dxThemeManagerUnit, RzCommonUnit, RzPanelUnit, RzStatusUnit});
  TBenchForm* bordered = SwatchForm<TRzPanel>();
  TBenchForm* plain = SwatchForm<TPanel>();

  const int width = bordered->Width(), height = bordered->Height();
  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP surface = vamire_test::CreateTopDownDib(dc, width, height, &bits);
  HGDIOBJ oldBitmap = SelectObject(dc, surface);

  const TSystemSwatches system;
  std::vector<double> ours, statics, runtime;
  auto timed = [&](auto paint) {
    const double start = Microseconds();
    paint();
    GdiFlush();
    return Microseconds() - start;
  };
  for (int round = 0; round < Rounds + 1; ++round) {
    const double oursTime = timed([&] { PaintSwatches(bordered, dc); });
    const double staticsTime = timed([&] { system.Paint(dc); });
    const double runtimeTime = timed([&] { PaintSwatches(plain, dc); });
    if (round == 0) continue;  // warm-up
    ours.push_back(oursTime);
    statics.push_back(staticsTime);
    runtime.push_back(runtimeTime);
  }
  const double a = Median(ours), s = Median(statics), b = Median(runtime);
  std::printf("%d swatches, %d paints of the whole form each way, medians per paint\n", Columns * Rows, Rounds);
  std::printf("TRzPanel %9.0f us   system statics %9.0f us   TPanel %9.0f us\n", a, s, b);
  std::printf("TRzPanel / system statics %.3f   TPanel / system statics %.3f\n", a / s, b / s);

  SelectObject(dc, oldBitmap);
  DeleteObject(surface);
  DeleteDC(dc);
  delete plain;
  delete bordered;
  FinalizeUnits();
  return 0;
}
