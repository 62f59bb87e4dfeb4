// What laying out text through the toolkit costs over the platform: 1 KB (in
// the Chinese code page) of mixed Chinese and Latin text word-wrapped and
// drawn in a 300-pixel column, through DrawFormattedText and, in the same run
// on the same surface with the same font, through DrawTextW with
// DT_WORDBREAK. Rounds of the two alternate; prints the median time of one
// text and the ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "Runtime.h"
#include "SysUtils.h"
#include "cxControlsBase_win.h"
#include "cxDrawTextUtils_win.h"
#include "cxGraphics_win.h"
#include "support/BenchTiming.h"

namespace {

using vamire_bench::Median;

constexpr int Texts = 50, Rounds = 11, Column = 300;

// Sentences of both scripts, with the marks that may not start a row, up to 1024 bytes.
String MixedText() {
  const String sentences[] = {L"视频墙控制台已连接到 COM5 端口，信号源切换完成。",
                              L"The wall controller drives 15 x 15 panels over the serial link. ",
                              L"矩阵 matrix 输出 3 号（VGA）已选中；请确认拼接模式！",
                              L"Presets are stored in cfg.ini and restored at start-up. "};
  String text;
  for (int i = 0; int(StringToAnsi(text, 936).size()) < 1024; ++i) text += sentences[i % 4];
  while (StringToAnsi(text, 936).size() > 1024) text.pop_back();
  return text;
}

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  InitializeUnits({dxCoreUnit, cxGraphicsUnit, cxControlsBaseUnit, cxDrawTextUtilsUnit});
  const String text = MixedText();
  TcxBitmap32 surface(Column + 20, 1200);
  HDC dc = surface.Canvas()->Handle();
  HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH, L"SimSun");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  const TRect column{10, 0, 10 + Column, 1200};

  std::vector<double> system, toolkit;
  int systemHeight = 0, toolkitHeight = 0;
  for (int round = 0; round < Rounds; ++round) {
    double start = vamire_bench::Now();
    for (int i = 0; i < Texts; ++i) {
      TRect r = column;
      systemHeight = DrawTextW(dc, text.c_str(), int(text.size()), AsRect(r), DT_WORDBREAK | DT_NOPREFIX);
    }
    GdiFlush();
    system.push_back((vamire_bench::Now() - start) / Texts);
    start = vamire_bench::Now();
    for (int i = 0; i < Texts; ++i) {
      TRect r = column;
      toolkitHeight = DrawFormattedText(dc, text, r, cxtoWordBreak, 0, 0, nullptr, clNone, clNone, 0, 0, 0, clDefault);
    }
    GdiFlush();
    toolkit.push_back((vamire_bench::Now() - start) / Texts);
  }
  const double s = Median(system), t = Median(toolkit);
  std::printf("%d characters (1 KB in code page 936) of mixed Chinese and Latin text in a %d-pixel column,\n",
              int(text.size()), Column);
  std::printf("%d texts a round, medians of %d rounds\n", Texts, Rounds);
  std::printf("  DrawTextW, DT_WORDBREAK     %8.1f us   height %d\n", s, systemHeight);
  std::printf("  DrawFormattedText           %8.1f us   height %d   ratio %.3f\n", t, toolkitHeight, t / s);
  SelectObject(dc, oldFont);
  DeleteObject(font);
  FinalizeUnits();
  return 0;
}
