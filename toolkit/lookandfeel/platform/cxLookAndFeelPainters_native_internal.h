// What the two files of the native painter share: the theme of a kind, the
// sizes and content rectangles it reports, and drawing a part into a canvas.
#pragma once

#include "cxLookAndFeelPainters_native_win.h"
#include "dxThemeManager.h"

namespace cxnative {

// The cached theme of the kind, or null when themes can't draw it.
inline HTHEME Theme(TdxThemedObjectType AKind) { return AcquireThemeHandle(AKind); }
// The part's size (no rectangle, no DC); false when the theme has none.
bool PartSize(HTHEME ATheme, int APart, int AState, THEMESIZE AKind, TSize& ASize);
// The content rectangle of a 100 x 100 part; false when the theme has none.
bool ContentRect100(HTHEME ATheme, int APart, int AState, TRect& AContent);
// The part drawn over R on the canvas.
void DrawPart(TcxCanvas* ACanvas, HTHEME ATheme, int APart, int AState, const TRect& R);
// A theme colour; false when the theme has none.
bool ThemeColor(HTHEME ATheme, int APart, int AState, int AProperty, TColor& AColor);

}  // namespace cxnative
