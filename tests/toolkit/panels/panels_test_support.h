// Shared pieces of the panel tests: a memory surface whose pixels read back
// as runtime colours, pixel tables written with one letter per colour, and
// the panel library's units started for the test program.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include <cstring>

#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "RzCommon_win.h"
#include "RzPanel.h"
#include "RzStatus.h"
#include "StdCtrls.h"
#include "Threads.h"
#include "Units.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "runtime/graphics_test_support.h"
#include "support/HostForm.h"

namespace panels_test {

using test_support::THostForm;
using test_support::MakeForm;
using test_support::Pump;

using graphics_test::Rgb;

// The units the panels stand on and their own, started once per program in
// the program's order (the system's colour and scheme readers installed).
class TPanelUnits : public ::testing::Environment {
 public:
  void SetUp() override {
    InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                     dxThemeManagerUnit, RzCommonUnit, RzPanelUnit, RzStatusUnit});
  }
  void TearDown() override { FinalizeUnits(); }
};

// A font drawn without smoothing, so text pixels are exactly the text colour (D-59).
inline void UseCrispFont(TFont* font, int height = -13) {
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfWeight = FW_NORMAL;
  lf.lfQuality = NONANTIALIASED_QUALITY;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::wcscpy(lf.lfFaceName, L"Tahoma");
  font->SetHandle(CreateFontIndirectW(&lf));
}

// The bounding box of the pixels of one colour in a capture (empty when none).
inline TRect PixelsOf(const vamire_test::Capture& cap, std::uint32_t rgb, const TRect& within) {
  TRect box{within.Right, within.Bottom, within.Left, within.Top};
  for (int y = within.Top; y < within.Bottom; ++y)
    for (int x = within.Left; x < within.Right; ++x)
      if (cap.At(x, y) == rgb) {
        box.Left = std::min<int>(box.Left, x);
        box.Top = std::min<int>(box.Top, y);
        box.Right = std::max<int>(box.Right, x + 1);
        box.Bottom = std::max<int>(box.Bottom, y + 1);
      }
  return box.Left < box.Right ? box : TRect{};
}

// Rows of letters, one per pixel; Legend says which colour each letter is.
using TPixelTable = std::vector<std::string>;
using TLegend = std::map<char, TColor>;

struct TPanelSurface : graphics_test::Surface {
  TPanelSurface(int width, int height, TColor background) : Surface(width, height), Background(background) {
    Fill(background);
  }
  // True when every pixel has the colour of its letter ('.' the background).
  ::testing::AssertionResult Shows(const TPixelTable& Expected, const TLegend& Legend) {
    const vamire_test::Capture cap = Cap();
    std::string report;
    bool same = true;
    for (int y = 0; y < Height; ++y) {
      for (int x = 0; x < Width; ++x) {
        const char letter = y < int(Expected.size()) && x < int(Expected[y].size()) ? Expected[y][x] : '.';
        const TColor color = letter == '.' ? Background : Legend.at(letter);
        const bool match = cap.At(x, y) == Rgb(color);
        same = same && match;
        report += match ? letter : '?';
      }
      report += '\n';
    }
    if (same) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixels differing from the table are '?':\n" << report;
  }
  TColor Background;
};

}  // namespace panels_test
