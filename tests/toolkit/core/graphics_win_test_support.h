// A 32-bit memory DC wrapped by a runtime canvas and a TcxCanvas, with the
// pixel helpers of the toolkit core's drawing tests.
#pragma once

#include <cstring>
#include <functional>
#include <string>

#include "cxGraphics_win.h"
#include "runtime/graphics_test_support.h"

namespace core_graphics_test {

using graphics_test::Rgb;

struct CanvasSurface : graphics_test::Surface {
  CanvasSurface(int width, int height) : Surface(width, height), Cx(&Canvas) {}
  // The pixels as the device holds them, whatever origins the test set.
  vamire_test::Capture Cap() {
    const int saved = SaveDC(Dc);
    SetWindowOrgEx(Dc, 0, 0, nullptr);
    SetViewportOrgEx(Dc, 0, 0, nullptr);
    vamire_test::Capture cap = Surface::Cap();
    RestoreDC(Dc, saved);
    return cap;
  }
  // Which pixels differ from the colour, as a string of '#' and '.' rows.
  std::string Mask(TColor background) {
    vamire_test::Capture cap = Cap();
    std::string mask;
    for (int y = 0; y < Height; ++y) {
      for (int x = 0; x < Width; ++x) mask += cap.At(x, y) == Rgb(background) ? '.' : '#';
      mask += '\n';
    }
    return mask;
  }
  TcxCanvas Cx;
};

// The mask a predicate gives over a width x height area, in Mask's form.
inline std::string ExpectedMask(int width, int height, const std::function<bool(int, int)>& inside) {
  std::string mask;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) mask += inside(x, y) ? '#' : '.';
    mask += '\n';
  }
  return mask;
}

inline bool InRect(int x, int y, const TRect& r) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

// A font drawn without smoothing, so text pixels are exactly the text colour.
inline void UseCrispFont(TFont* font, int height = -13) {
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfWeight = FW_NORMAL;
  lf.lfQuality = NONANTIALIASED_QUALITY;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::wcscpy(lf.lfFaceName, L"Tahoma");
  font->SetHandle(CreateFontIndirectW(&lf));
}

}  // namespace core_graphics_test
