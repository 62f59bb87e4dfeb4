// What a bordered panel costs to paint next to the runtime's panel: a form of
// 7 x 36 swatches, as the picture-adjustment window holds them, painted whole
// 100 times with bordered panels and, in the same run, with TPanel of the same
// colours and sizes. Rounds of the two alternate; prints the median time of a
// whole form's paint for each and the ratio.
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

  std::vector<double> ours, runtime;
  for (int round = 0; round < Rounds + 1; ++round) {
    double start = Microseconds();
    PaintSwatches(bordered, dc);
    GdiFlush();
    const double oursTime = Microseconds() - start;
    start = Microseconds();
    PaintSwatches(plain, dc);
    GdiFlush();
    const double runtimeTime = Microseconds() - start;
    if (round == 0) continue;  // warm-up
    ours.push_back(oursTime);
    runtime.push_back(runtimeTime);
  }
  const double a = Median(ours), b = Median(runtime);
  std::printf("%d swatches, %d paints of the whole form each way, medians per paint\n", Columns * Rows, Rounds);
  std::printf("TRzPanel %9.0f us   TPanel %9.0f us   ratio %.3f\n", a, b, a / b);

  SelectObject(dc, oldBitmap);
  DeleteObject(surface);
  DeleteDC(dc);
  delete plain;
  delete bordered;
  FinalizeUnits();
  return 0;
}
