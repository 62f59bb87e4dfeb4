#include "dxStatusBar.h"

#include "cxClasses.h"

TdxStatusBarLayout dxCalcStatusBarLayout(const std::vector<TdxStatusBarLayoutPanel>& APanels, int ASeparatorWidth,
                                         int AAvailableWidth) {
  TdxStatusBarLayout result;
  const int n = int(APanels.size());
  if (n == 0) return result;
  TcxAutoWidthObject widths(2 * n - 1);
  bool stretching = false;
  for (int i = 0; i < n; ++i) {
    const TdxStatusBarLayoutPanel& p = APanels[std::size_t(i)];
    TcxAutoWidthItem* item = widths.AppendItem();
    item->SetMinWidth(p.MinWidth);
    item->SetWidth(p.Width);
    bool fixed = p.Fixed;
    if (!fixed)
      stretching = true;
    else if (i == n - 1 && !stretching)
      fixed = false;
    item->SetFixed(fixed);
    if (i == n - 1) break;
    TcxAutoWidthItem* separator = widths.AppendItem();
    separator->SetMinWidth(ASeparatorWidth);
    separator->SetWidth(ASeparatorWidth);
    separator->SetFixed(true);
  }
  widths.SetAvailableSpace(AAvailableWidth);
  widths.Calculate();
  result.SizeGripOverlapped = widths.GetTotalWidth() >= AAvailableWidth;
  for (int i = 0; i < widths.Count(); ++i) result.Widths.push_back(widths.Items(i)->ComputedWidth());
  return result;
}
