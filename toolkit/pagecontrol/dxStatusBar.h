// The status bar's panel layout, which needs no window: panels and the
// separators between them share the bar's width through the toolkit's
// auto-width calculator. The control itself is in platform/dxStatusBar_win.h.
#pragma once

#include <vector>

// One visible panel as the layout sees it: its widths with the layout extents added.
struct TdxStatusBarLayoutPanel {
  int MinWidth = 0;
  int Width = 0;
  bool Fixed = true;
};

struct TdxStatusBarLayout {
  // Panel, separator, panel, ... (2n - 1 entries for n panels).
  std::vector<int> Widths;
  // The panels and separators asked for at least the whole width.
  bool SizeGripOverlapped = false;
};

// A panel not Fixed stretches; when none of the panels before the last
// stretches, the last one does, so the panels always fill the width.
TdxStatusBarLayout dxCalcStatusBarLayout(const std::vector<TdxStatusBarLayoutPanel>& APanels, int ASeparatorWidth,
                                         int AAvailableWidth);
