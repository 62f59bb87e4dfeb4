// Tab layout: sizes, the single-line strip with its scroll range and navigator
// set, rows with balancing and stretching, row order and placement.
#include <algorithm>

#include "cxPC.h"

namespace {

TRect EmptyRect() { return TRect{}; }

}  // namespace

int TcxPCLayout::MaxRotatedTabWidth() {
  const int value = Settings.MaxRotatedTabWidth;
  if (value > 0) return std::max(value, FHost->GetMinTabWidth(-1));
  return value;
}

bool TcxPCLayout::IsReversedOrder() const {
  return IsReversedVerticalStrip(Settings.TabPosition, Settings.Rotate, Settings.Options) ||
         IsReversedHorizontalStrip(Settings.TabPosition, Settings.Rotate, Settings.Options);
}

int TcxPCLayout::TabExtent(int AVisibleIndex) {
  return Settings.Rotate ? TabHeight : FHost->LayoutTab(AVisibleIndex).NormalWidth;
}

TPoint TcxPCLayout::RowSpacing() {
  const TPoint spacing = FHost->GetTabsSpacing();
  return Settings.Rotate ? TPoint{spacing.Y, spacing.X} : spacing;
}

TcxPCNavigatorButtons TcxPCLayout::GetNavigatorButtons(bool AAllFit) const {
  TcxPCNavigatorButtons result;
  if (Settings.MultiLine) return result;
  const TcxPCOptions& o = Settings.Options;
  if (o.Contains(pcoCloseButton)) result.Include(nbClose);
  if (!AAllFit && !o.Contains(pcoNoArrows)) result += TcxPCNavigatorButtons{nbTopLeft, nbBottomRight};
  if (o.Contains(pcoGoDialog) && (!AAllFit || o.Contains(pcoAlwaysShowGoDialogButton))) result.Include(nbGoDialog);
  return result;
}

bool TcxPCLayout::IsNavigatorButtonEnabled(TcxPCNavigatorButton AButton) {
  const TcxPCNavigatorButton forward = IsReversedOrder() ? nbTopLeft : nbBottomRight;
  switch (AButton) {
    case nbTopLeft:
    case nbBottomRight:
      if (AButton == forward)
        return !(LastVisibleTab == FHost->LayoutTabCount() - 1 &&
                 (LastTabFullyVisible || LastVisibleTab == FirstVisibleTab));
      return FirstVisibleTab > 0;
    case nbClose: return SelectedVisibleTab != -1;
    default: return true;
  }
}

bool TcxPCLayout::CalculateTabsArea(const TcxPCNavigatorButtons& AButtons) {
  NavigatorButtons = AButtons;
  TabsAreaInfo = TcxPCTabsAreaInfo{};
  FHost->GetTabsAreaInfo(AButtons, TabsAreaInfo);
  return !NoRoom();
}

void TcxPCLayout::CalculateTabNormalSizes() {
  TabHeight = FHost->CalculateTabNormalHeight();
  const int count = FHost->LayoutTabCount();
  for (int i = 0; i < count; ++i) FHost->LayoutTab(i).NormalWidth = FHost->CalculateTabNormalWidth(i);
}

void TcxPCLayout::Calculate() {
  FirstTabsArea = SecondTabsArea = EmptyRect();
  const int count = FHost->LayoutTabCount();
  if (FirstVisibleTab == -1 && count > 0) FirstVisibleTab = 0;
  if (FirstVisibleTab >= count) FirstVisibleTab = count - 1;
  LastVisibleTab = FirstVisibleTab;
  if (SelectedVisibleTab >= count) SelectedVisibleTab = -1;
  RowCount = 0;
  NearRowCount = 0;
  if (count == 0) {
    CalculateTabsArea({});
    FHost->NavigatorButtonsLaidOut();
    return;
  }
  CalculateTabNormalSizes();
  if (Settings.MultiLine)
    CalculateMultiLine();
  else
    CalculateSingleLine();
}

void TcxPCLayout::CalculateSingleLine() {
  RowCount = 1;
  NearRowCount = (Settings.TabPosition == tpTop || Settings.TabPosition == tpLeft) ? 1 : 0;
  if (!LayOutLine()) return;
  for (int i = FirstVisibleTab; i <= LastVisibleTab; ++i) {
    FHost->LayoutTab(i).Row = 0;
    FHost->LayoutTab(i).DisplayRow = 0;
  }
  CalculateRowExtent();
  PlaceRows();
}

void TcxPCLayout::SpreadAlongRowRect() {
  const bool x = IsAlongX();
  for (TRect* area : {&FirstTabsArea, &SecondTabsArea}) {
    RectNearEdge(*area, x) = RectNearEdge(TabsAreaInfo.TabsAreaRect, x);
    RectFarEdge(*area, x) = RectFarEdge(TabsAreaInfo.TabsAreaRect, x);
  }
}

bool TcxPCLayout::LayOutLine() {
  const int last = FHost->LayoutTabCount() - 1;
  const int remembered = FirstVisibleTab;
  FirstVisibleTab = 0;
  if (!CalculateTabsArea(GetNavigatorButtons(true))) return false;
  PositionTabsInLine(FirstVisibleTab, last, true);
  if (!LastTabFullyVisible) {
    FirstVisibleTab = remembered;
    if (!CalculateTabsArea(GetNavigatorButtons(false))) return false;
    PositionTabsInLine(FirstVisibleTab, last, false);
    // No empty room at the end of the strip while earlier tabs are scrolled away.
    if (LastTabFullyVisible) {
      while (FirstVisibleTab > 0) {
        --FirstVisibleTab;
        PositionTabsInLine(FirstVisibleTab, last, false);
        if (!LastTabFullyVisible) {
          ++FirstVisibleTab;
          PositionTabsInLine(FirstVisibleTab, last, false);
          break;
        }
      }
    }
  }
  FHost->NavigatorButtonsLaidOut();
  SpreadAlongRowRect();
  return true;
}

void TcxPCLayout::PositionTabsInLine(int AFirst, int ALast, bool APositionAll) {
  const bool x = IsAlongX();
  const int length = TabsAreaInfo.RowLength;
  const int start = RectNearEdge(TabsAreaInfo.RowsBounds, x);
  const bool reversed = IsReversedOrder();
  const int direction = reversed ? -1 : 1;
  int cursor = reversed ? start + length - 1 : start;
  const int end = reversed ? start : start + length - 1;
  auto beyond = [&](int at) { return reversed ? at < end : at > end; };
  const int spacing = RowSpacing().X;
  int farEdge = cursor;
  for (int i = AFirst; i <= ALast; ++i) {
    LastVisibleTab = i;
    farEdge = cursor + direction * (TabExtent(i) - 1);
    PointAxis(FHost->LayoutTab(i).Position, x) = reversed ? farEdge : cursor;
    cursor = farEdge + direction * (spacing + 1);
    if (!APositionAll && beyond(cursor)) break;
  }
  LastTabFullyVisible = !beyond(farEdge) && LastVisibleTab == ALast;
}

void TcxPCLayout::CalculateMultiLine() {
  if (!CalculateTabsArea({})) {
    FHost->NavigatorButtonsLaidOut();
    return;
  }
  FHost->NavigatorButtonsLaidOut();
  AssignRows();
  if (RowCount == 1) {
    if (!LayOutLine()) return;
  } else {
    LayOutRows();
    if (NoRoom()) return;
    SpreadAlongRowRect();
  }
  CalculateRowExtent();
  OrderRows();
}

void TcxPCLayout::AssignRows() {
  const int count = FHost->LayoutTabCount();
  const int length = TabsAreaInfo.RowLength;
  const int spacing = RowSpacing().X;
  const bool balance = !(Settings.Rotate && Settings.RaggedRight);
  RowCount = 1;
  int used = 0;
  int runStart = 0;  // the first tab after the last long one
  auto balanceRun = [&](int ALastTab) {
    if (balance && runStart <= ALastTab && FHost->LayoutTab(runStart).Row != FHost->LayoutTab(ALastTab).Row)
      BalanceRows(runStart, ALastTab);
  };
  for (int i = 0; i < count; ++i) {
    const int extent = TabExtent(i);
    TcxPCTabLayoutInfo& tab = FHost->LayoutTab(i);
    if (extent < length) {
      if (length < used + extent) {
        ++RowCount;
        used = extent + spacing;
      } else {
        used += extent + spacing;
      }
      tab.Row = RowCount - 1;
      continue;
    }
    if (used != 0) {
      ++RowCount;
      used = 0;
    }
    balanceRun(i - 1);
    if (!Settings.Rotate && FHost->GetMinTabWidth(i) < length) tab.NormalWidth = length;
    tab.Row = RowCount - 1;
    if (i != count - 1) ++RowCount;
    runStart = i + 1;
  }
  balanceRun(count - 1);
}

void TcxPCLayout::BalanceRows(int AFirstTab, int ALastTab) {
  const int length = TabsAreaInfo.RowLength;
  const int spacing = RowSpacing().X;
  const int firstRow = FHost->LayoutTab(AFirstTab).Row;
  std::vector<int> extents;
  for (int i = AFirstTab; i <= ALastTab; ++i) extents.push_back(TabExtent(i));

  // Rows as (first, last) positions into extents.
  TRowRun current;
  for (int i = AFirstTab; i <= ALastTab; ++i) {
    const int row = FHost->LayoutTab(i).Row - firstRow;
    if (int(current.First.size()) <= row) {
      current.First.push_back(i - AFirstTab);
      current.Last.push_back(i - AFirstTab);
    } else {
      current.Last[row] = i - AFirstTab;
    }
  }
  const int rows = int(current.First.size());
  auto fill = [&](int first, int last) {
    int sum = 0;
    for (int i = first; i <= last; ++i) sum += extents[i];
    return sum + spacing * (last - first);
  };
  auto score = [&](const TRowRun& run) {
    TcxPCRowScore result;
    for (int r = 0; r < rows; ++r) result.Add(length - fill(run.First[r], run.Last[r]));
    return result;
  };
  // A move that would empty its donor row is refused outright.
  auto accepts = [&](int oldFill, int newFirst, int newLast) {
    const int newFill = fill(newFirst, newLast);
    return newFill <= length && length - newFill < length - oldFill;
  };
  auto canPullBack = [&](const TRowRun& run, int r) {
    return r >= 1 && run.First[r - 1] < run.Last[r - 1] &&
           accepts(fill(run.First[r], run.Last[r]), run.Last[r - 1], run.Last[r]);
  };
  auto pullBack = [](TRowRun& run, int r) { --run.Last[r - 1], --run.First[r]; };
  auto canPullForward = [&](const TRowRun& run, int r) {
    return r + 1 < rows && run.First[r + 1] < run.Last[r + 1] &&
           accepts(fill(run.First[r], run.Last[r]), run.First[r], run.First[r + 1]);
  };
  auto pullForward = [](TRowRun& run, int r) { ++run.Last[r], ++run.First[r + 1]; };

  for (;;) {
    const TcxPCRowScore start = score(current);
    bool changed = false;
    TRowRun work = current;
    for (int r = rows - 1; r >= 1 && !changed; --r) {
      while (canPullBack(work, r)) {
        const TcxPCRowScore before = score(work);
        pullBack(work, r);
        if (score(work) > before) break;
      }
      if (score(work) < start) {
        current = work;
        changed = true;
      }
    }
    for (int r = 0; r < rows && !changed; ++r) {
      TRowRun trial = current;
      if (!canPullForward(trial, r)) continue;
      pullForward(trial, r);
      if (score(trial) < start) {
        current = trial;
        changed = true;
      }
    }
    for (int r = 0; r < rows && !changed; ++r) {
      TRowRun trial = current;
      if (!canPullBack(trial, r)) continue;
      pullBack(trial, r);
      if (score(trial) < start) {
        current = trial;
        changed = true;
      }
    }
    if (!changed) break;
  }
  for (int r = 0; r < rows; ++r)
    for (int i = current.First[r]; i <= current.Last[r]; ++i) FHost->LayoutTab(AFirstTab + i).Row = firstRow + r;
}

void TcxPCLayout::LayOutRows() {
  if (!CalculateTabsArea({})) return;
  const bool stretch = !Settings.Rotate && !Settings.RaggedRight;
  const int count = FHost->LayoutTabCount();
  const int length = TabsAreaInfo.RowLength;
  const int spacing = RowSpacing().X;
  int first = 0;
  while (first < count) {
    int last = first;
    while (last + 1 < count && FHost->LayoutTab(last + 1).Row == FHost->LayoutTab(first).Row) ++last;
    if (stretch) {
      long long widths = 0;
      int rowFill = spacing * (last - first);
      for (int i = first; i <= last; ++i) {
        widths += FHost->LayoutTab(i).NormalWidth;
        rowFill += TabExtent(i);
      }
      const int free = length - rowFill;
      if (free > 0 && widths > 0) {
        int given = 0;
        for (int i = first; i < last; ++i) {
          TcxPCTabLayoutInfo& tab = FHost->LayoutTab(i);
          const int gain = int(tab.NormalWidth * static_cast<long long>(free) / widths);
          tab.NormalWidth += gain;
          given += gain;
        }
        FHost->LayoutTab(last).NormalWidth += free - given;
      }
    }
    PositionTabsInLine(first, last, false);
    first = last + 1;
  }
}

void TcxPCLayout::CalculateRowExtent() {
  if (!Settings.Rotate) {
    RowExtent = TabHeight;
    return;
  }
  int first = 0, last = FHost->LayoutTabCount() - 1;
  if (!Settings.MultiLine && !Settings.Options.Contains(pcoFixedTabWidthWhenRotated)) {
    first = FirstVisibleTab;
    last = first < 0 ? -1 : LastVisibleTab;
  }
  int longest = -1;
  for (int i = first; i <= last; ++i)
    if (longest == -1 || FHost->LayoutTab(i).NormalWidth > FHost->LayoutTab(longest).NormalWidth) longest = i;
  if (longest == -1) {
    RowExtent = WidestRotatedCaption = 0;
    return;
  }
  WidestRotatedCaption = FHost->MeasureTabCaptionWidth(longest);
  RowExtent = FHost->LayoutTab(longest).NormalWidth;
  const int maxWidth = MaxRotatedTabWidth();
  if (maxWidth > 0 && maxWidth >= FHost->GetMinTabWidth(-1) && maxWidth < RowExtent) RowExtent = maxWidth;
}

void TcxPCLayout::OrderRows() {
  const int count = FHost->LayoutTabCount();
  if (RowCount <= 0 || count == 0) return;
  const TcxTabPosition position = Settings.TabPosition;
  const bool topToBottom = Settings.Options.Contains(pcoTopToBottomText);
  const bool reversed = (position == tpLeft || position == tpRight)
                            ? ((!Settings.Rotate && topToBottom) != (position == tpRight))
                            : ((Settings.Rotate && !topToBottom) != (position == tpBottom));
  for (int i = 0; i < count; ++i) {
    TcxPCTabLayoutInfo& tab = FHost->LayoutTab(i);
    tab.DisplayRow = reversed ? RowCount - tab.Row - 1 : tab.Row;
  }
  NearRowCount = RowCount;
  if (SelectedVisibleTab >= 0 && SelectedVisibleTab < count) {
    const int selected = FHost->LayoutTab(SelectedVisibleTab).DisplayRow;
    if (Settings.ScrollOpposite) {
      NearRowCount = selected + 1;
    } else if (FHost->KeepsSelectedRowAdjacent()) {
      for (int i = 0; i < count; ++i) {
        TcxPCTabLayoutInfo& tab = FHost->LayoutTab(i);
        tab.DisplayRow = (tab.DisplayRow + RowCount - selected - 1) % RowCount;
      }
    }
  }
  if (position == tpBottom || position == tpRight) {
    for (int i = 0; i < count; ++i) {
      TcxPCTabLayoutInfo& tab = FHost->LayoutTab(i);
      tab.DisplayRow = RowCount - tab.DisplayRow - 1;
    }
    NearRowCount = RowCount - NearRowCount;
  }
  PlaceRows();
}

void TcxPCLayout::PlaceRows() {
  const bool across = !IsAlongX();  // the across axis is X for side strips
  const int rowsStart = RectNearEdge(TabsAreaInfo.RowsBounds, across);
  const int rowsEnd = RectFarEdge(TabsAreaInfo.RowsBounds, across);
  const int extent = RowExtent;
  const int gap = RowSpacing().Y;
  const int n = RowCount;
  int first, last;
  GetTabsInViewRange(first, last);
  for (int i = first; i <= last && i >= 0; ++i) {
    TcxPCTabLayoutInfo& tab = FHost->LayoutTab(i);
    const int d = tab.DisplayRow;
    PointAxis(tab.Position, across) =
        IsNearRow(d) ? d * (extent + gap) + rowsStart : rowsEnd - (n - d) * extent - (n - d - 1) * gap;
  }
  const TRect& rowRect = TabsAreaInfo.TabsAreaRect;
  RectNearEdge(FirstTabsArea, across) = RectNearEdge(rowRect, across);
  RectFarEdge(FirstTabsArea, across) = std::min(
      RectFarEdge(rowRect, across), rowsStart + NearRowCount * (extent + gap) - gap + TabsAreaInfo.FirstShift);
  RectFarEdge(SecondTabsArea, across) = RectFarEdge(rowRect, across);
  RectNearEdge(SecondTabsArea, across) =
      std::max(RectNearEdge(rowRect, across),
               rowsEnd - (n - NearRowCount) * (extent + gap) + gap + TabsAreaInfo.SecondShift);
  if (NearRowCount > 0 && NearRowCount < n) {
    const TcxTabPosition position = Settings.TabPosition;
    if (position == tpTop || position == tpLeft)
      RectNearEdge(SecondTabsArea, across) =
          std::max(RectNearEdge(SecondTabsArea, across),
                   std::min(RectFarEdge(FirstTabsArea, across) + TabsAreaInfo.RowSpacing, RectFarEdge(rowRect, across)));
    else
      RectFarEdge(FirstTabsArea, across) =
          std::min(RectFarEdge(FirstTabsArea, across),
                   std::max(RectNearEdge(SecondTabsArea, across) - TabsAreaInfo.RowSpacing,
                            RectNearEdge(rowRect, across)));
  }
}

void TcxPCLayout::MakeTabVisible(int AVisibleIndex) {
  if (AVisibleIndex < FirstVisibleTab) {
    FirstVisibleTab = AVisibleIndex;
    return;
  }
  if (AVisibleIndex < LastVisibleTab || (AVisibleIndex == LastVisibleTab && LastTabFullyVisible)) return;
  const bool room = CalculateTabsArea(NavigatorButtons);
  FirstVisibleTab = AVisibleIndex;
  if (!room) return;
  const int spacing = RowSpacing().X;
  const int length = TabsAreaInfo.RowLength;
  int used = TabExtent(AVisibleIndex);
  while (spacing + used < length && FirstVisibleTab > 0) {
    --FirstVisibleTab;
    used += spacing + TabExtent(FirstVisibleTab);
    if (used > length) {
      ++FirstVisibleTab;
      break;
    }
  }
}

void TcxPCLayout::GetTabsInViewRange(int& AFirst, int& ALast) {
  if (Settings.MultiLine) {
    AFirst = 0;
    ALast = FHost->LayoutTabCount() - 1;
  } else if (FirstVisibleTab == -1 || RowCount == 0) {
    AFirst = 0;
    ALast = -1;
  } else {
    AFirst = FirstVisibleTab;
    ALast = LastVisibleTab;
  }
}

TcxPCLineIndexBoundsArray TcxPCLayout::GetRowTabRanges() {
  TcxPCLineIndexBoundsArray result(std::size_t(std::max(RowCount, 0)));
  int first, last;
  GetTabsInViewRange(first, last);
  for (int i = first; i <= last && i >= 0; ++i) {
    const int d = FHost->LayoutTab(i).DisplayRow;
    if (d < 0 || d >= RowCount) continue;
    TcxPCLineIndexBounds& b = result[std::size_t(d)];
    if (b.Left == -1 || i < b.Left) b.Left = i;
    if (i > b.Right) b.Right = i;
  }
  return result;
}

TRect TcxPCLayout::TabNormalRect(int AVisibleIndex) {
  const bool x = IsAlongX();
  const TPoint p = FHost->LayoutTab(AVisibleIndex).Position;
  TRect r{p.X, p.Y, p.X, p.Y};
  RectFarEdge(r, x) += TabExtent(AVisibleIndex);
  RectFarEdge(r, !x) += RowExtent;
  return r;
}

const TRect& TcxPCLayout::TabsAreaOf(int AVisibleIndex) {
  return IsNearRow(FHost->LayoutTab(AVisibleIndex).DisplayRow) ? FirstTabsArea : SecondTabsArea;
}

TRect TcxPCLayout::GetTabsAreaMargins(bool AHideTabs, int AWidth, int AHeight) {
  TRect m;
  if (AHideTabs || RowCount == 0) return m;
  const bool opposite = (Settings.TabPosition == tpTop || Settings.TabPosition == tpLeft)
                            ? NearRowCount != RowCount
                            : NearRowCount != 0;
  const bool noRoom = NoRoom();
  switch (Settings.TabPosition) {
    case tpTop:
      m.Top = FirstTabsArea.Bottom;
      if (opposite) m.Bottom = AHeight - SecondTabsArea.Top;
      break;
    case tpBottom:
      m.Top = noRoom ? 0 : AHeight - SecondTabsArea.Top;
      if (opposite) m.Bottom = FirstTabsArea.Bottom;
      break;
    case tpLeft:
      m.Top = FirstTabsArea.Right;
      if (opposite) m.Bottom = AWidth - SecondTabsArea.Left;
      break;
    case tpRight:
      m.Top = noRoom ? 0 : AWidth - SecondTabsArea.Left;
      if (opposite) m.Bottom = FirstTabsArea.Right;
      break;
  }
  return m;
}
