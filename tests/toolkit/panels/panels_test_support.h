// Shared pieces of the panel tests: a memory surface whose pixels read back
// as runtime colours, pixel tables written with one letter per colour, and
// the panel library's units started for the test program.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "RzCommon_win.h"
#include "Units.h"
#include "runtime/graphics_test_support.h"

namespace panels_test {

using graphics_test::Rgb;

// The units of the library, started once per program (system colour and
// scheme readers installed as the program does).
class TPanelUnits : public ::testing::Environment {
 public:
  void SetUp() override { InitializeUnits({RzCommonUnit}); }
  void TearDown() override { FinalizeUnits(); }
};

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
