// The tab control's vocabulary and its layout arithmetic, kept apart from any
// window so it can be checked natively: where tabs go along the strip, how they
// split into rows and how the rows are balanced, stretched, ordered and placed,
// which navigator buttons a single-line strip needs, and the margin and point
// turning that painters use to draw a shape once for tabs on top. The control,
// its tabs and its painters are in platform/cxPC_win.h.
#pragma once

#include <cstdint>
#include <vector>

#include "Streaming.h"
#include "System.h"
#include "Types.h"

enum TcxTabPosition { tpTop, tpBottom, tpLeft, tpRight };
VAMIRE_ENUM_NAMES(TcxTabPosition, L"tpTop", L"tpBottom", L"tpLeft", L"tpRight")

enum TcxPCNavigatorPosition { npLeftTop, npLeftBottom, npRightTop, npRightBottom };
VAMIRE_ENUM_NAMES(TcxPCNavigatorPosition, L"npLeftTop", L"npLeftBottom", L"npRightTop", L"npRightBottom")

enum TcxPCNavigatorButton { nbTopLeft, nbBottomRight, nbGoDialog, nbClose };
using TcxPCNavigatorButtons = TSet<TcxPCNavigatorButton, 4>;

enum TcxPCNavigatorButtonState { nbsNormal, nbsPressed, nbsHot, nbsDisabled };

enum TcxPCOption {
  pcoAlwaysShowGoDialogButton, pcoCloseButton, pcoFixedTabWidthWhenRotated, pcoGoDialog, pcoGradient,
  pcoGradientClientArea, pcoNoArrows, pcoRedrawOnResize, pcoSort, pcoTopToBottomText, pcoUsePageColorForTab
};
VAMIRE_ENUM_NAMES(TcxPCOption, L"pcoAlwaysShowGoDialogButton", L"pcoCloseButton", L"pcoFixedTabWidthWhenRotated",
                  L"pcoGoDialog", L"pcoGradient", L"pcoGradientClientArea", L"pcoNoArrows", L"pcoRedrawOnResize",
                  L"pcoSort", L"pcoTopToBottomText", L"pcoUsePageColorForTab")
using TcxPCOptions = TSet<TcxPCOption, 16>;

// Stored as 177.
constexpr TcxPCOptions cxPCDefaultOptions{pcoAlwaysShowGoDialogButton, pcoGradient, pcoGradientClientArea,
                                          pcoRedrawOnResize};
// A change of any of these re-lays out; of the repaint group only repaints.
constexpr TcxPCOptions cxPCLayoutOptions{pcoAlwaysShowGoDialogButton, pcoCloseButton, pcoFixedTabWidthWhenRotated,
                                         pcoGoDialog, pcoGradient, pcoGradientClientArea, pcoNoArrows,
                                         pcoTopToBottomText};
constexpr TcxPCOptions cxPCRepaintOptions{pcoGradient, pcoGradientClientArea, pcoUsePageColorForTab};

// The 16-bit value a form stores for an option set, and back.
std::uint16_t PCOptionsToInt(const TcxPCOptions& AOptions);
TcxPCOptions PCOptionsFromInt(std::uint16_t AValue);

enum TcxTabSlantKind { skCutCorner, skSlant };
VAMIRE_ENUM_NAMES(TcxTabSlantKind, L"skCutCorner", L"skSlant")
enum TcxTabSlantPosition { spLeft, spRight };
VAMIRE_ENUM_NAMES(TcxTabSlantPosition, L"spLeft", L"spRight")
using TcxTabSlantPositions = TSet<TcxTabSlantPosition, 2>;

// 0 takes the style from the look-and-feel; any other value names a registered painter class.
using TcxPCStyleID = int;
constexpr TcxPCStyleID cxPCDefaultStyle = 0;

// One pair per tab row: the lowest and highest visible index in view on it, -1 for none.
struct TcxPCLineIndexBounds {
  int Left = -1, Right = -1;
  friend bool operator==(const TcxPCLineIndexBounds&, const TcxPCLineIndexBounds&) = default;
};
using TcxPCLineIndexBoundsArray = std::vector<TcxPCLineIndexBounds>;

// What a painter tells the layout about the strip once the navigator buttons
// of a set are placed.
struct TcxPCTabsAreaInfo {
  TRect TabsAreaRect;          // the part of the control the strip may use
  int FirstShift = 0;          // added to the far edge of the top/left tab area
  int SecondShift = 0;         // added to the near edge of the bottom/right tab area
  int RowSpacing = 0;          // least distance between the two tab areas when rows lie on both sides
  int RowLength = 0;           // room along the strip; below 1 there is no room
  TRect RowsBounds;            // where rows stack across the strip; its along start is where tabs start
};

// --- Orientation ------------------------------------------------------------------------------
// Vertical tabs are taller than wide and show their caption turned.
bool IsVerticalTab(TcxTabPosition APosition, bool ARotate);
bool IsReversedVerticalStrip(TcxTabPosition APosition, bool ARotate, const TcxPCOptions& AOptions);
bool IsReversedHorizontalStrip(TcxTabPosition APosition, bool ARotate, const TcxPCOptions& AOptions);
// 0 horizontal; a vertical tab 1 (reads upwards) or 2 (pcoTopToBottomText).
int GetTabCaptionRotation(TcxTabPosition APosition, bool ARotate, const TcxPCOptions& AOptions);
// Top, bottom, left, right: the side a tab's shape is drawn for.
enum TcxPCTabSide { tsTop, tsBottom, tsLeft, tsRight };
// The shape a painter draws, 1 to 12, by side and caption rotation.
int GetTabLayoutKind(TcxPCTabSide ASide, int ARotation);

// Margins given as Left, Top, Right, Bottom for tabs on top, turned to a side and back.
TRect RotateMarginsToSide(const TRect& AMargins, TcxTabPosition APosition);
TRect RotateMarginsFromSide(const TRect& AMargins, TcxTabPosition APosition);
// A point given for a tab on top, turned into R for side 0 top, 1 bottom, 2 left, 3 right.
void RotatePoint(const TRect& R, TPoint& P, int ASide);
void RotatePoints(const TRect& R, TPoint* APoints, int ASide, int ALastIndex);

// Raises Right to Left and Bottom to Top.
TRect NormalizeRect(const TRect& R);
TRect ApplyRectCorrection(const TRect& R, const TRect& ADeltas);
int CountNavigatorButtons(const TcxPCNavigatorButtons& AButtons);
bool IsOneOf(int A, int B, int X);
// The X or the Y of a point, or the left/top or right/bottom edge of a rectangle.
int PointAxis(const TPoint& P, bool AX);
int& PointAxis(TPoint& P, bool AX);
int& RectNearEdge(TRect& R, bool AX);
int& RectFarEdge(TRect& R, bool AX);
int RectNearEdge(const TRect& R, bool AX);
int RectFarEdge(const TRect& R, bool AX);

// --- Layout ---------------------------------------------------------------------------------
// The place of one tab: the row the split gave it, the row it is shown on,
// its width along the strip, and the top-left corner of its normal rectangle.
struct TcxPCTabLayoutInfo {
  int Row = 0;
  int DisplayRow = 0;
  int NormalWidth = 0;
  TPoint Position;
};

// What the layout asks of the control and its painter. Visible indexes count
// the visible tabs only.
class IcxPCLayoutHost {
 public:
  virtual int LayoutTabCount() = 0;
  virtual TcxPCTabLayoutInfo& LayoutTab(int AVisibleIndex) = 0;
  virtual int CalculateTabNormalHeight() = 0;
  virtual int CalculateTabNormalWidth(int AVisibleIndex) = 0;
  // -1: the least width of any tab.
  virtual int GetMinTabWidth(int AVisibleIndex) = 0;
  // X along a row, Y between rows (the layout swaps them for turned tabs).
  virtual TPoint GetTabsSpacing() = 0;
  virtual void GetTabsAreaInfo(const TcxPCNavigatorButtons& AButtons, TcxPCTabsAreaInfo& AInfo) = 0;
  virtual bool KeepsSelectedRowAdjacent() = 0;
  // The caption width of a tab in its own font (the length of turned tabs).
  virtual int MeasureTabCaptionWidth(int AVisibleIndex) = 0;
  // The shown navigator buttons were chosen again: states of buttons gone are
  // cleared, those of the shown ones brought up to date.
  virtual void NavigatorButtonsLaidOut() = 0;

 protected:
  ~IcxPCLayoutHost() = default;
};

// The settings the layout reads; the control keeps its properties here.
struct TcxPCLayoutSettings {
  TcxTabPosition TabPosition = tpTop;
  bool MultiLine = false;
  bool Rotate = false;
  bool RaggedRight = false;
  bool ScrollOpposite = false;
  TcxPCOptions Options = cxPCDefaultOptions;
  int MaxRotatedTabWidth = 0;  // as stored; see TcxPCLayout::MaxRotatedTabWidth
};

// The layout state of one tab control and the steps that compute it.
class TcxPCLayout {
 public:
  explicit TcxPCLayout(IcxPCLayoutHost* AHost) : FHost(AHost) {}

  TcxPCLayoutSettings Settings;

  // Visible indexes; -1 when none.
  int FirstVisibleTab = -1;
  int LastVisibleTab = -1;
  bool LastTabFullyVisible = false;
  int SelectedVisibleTab = -1;
  int RowCount = 0;
  int RowExtent = 0;
  int NearRowCount = 0;
  int TabHeight = 0;           // the common tab height
  int WidestRotatedCaption = 0;
  TRect FirstTabsArea, SecondTabsArea;
  TcxPCNavigatorButtons NavigatorButtons;
  TcxPCTabsAreaInfo TabsAreaInfo;

  // The whole layout; the caller has cleared its own state beyond the visible count.
  void Calculate();
  // The common height and every visible tab's width, from the painter.
  void CalculateTabNormalSizes();
  // Shown buttons := AButtons and the painter's record for them; false without room.
  bool CalculateTabsArea(const TcxPCNavigatorButtons& AButtons);
  // Scrolls the single-line strip so the tab is in view; the caller re-lays out.
  void MakeTabVisible(int AVisibleIndex);
  // Display rows again (after a selection change or a ScrollOpposite change), then placement.
  void OrderRows();
  // Across positions and both tab areas from the display rows.
  void PlaceRows();
  // Row extent and the widest turned caption.
  void CalculateRowExtent();

  // The stored MaxRotatedTabWidth raised to the painter's least tab width.
  int MaxRotatedTabWidth();
  TcxPCNavigatorButtons GetNavigatorButtons(bool AAllFit) const;
  bool IsNavigatorButtonEnabled(TcxPCNavigatorButton AButton);
  // Tabs are placed from the far end of the strip.
  bool IsReversedOrder() const;
  bool IsVertical() const { return IsVerticalTab(Settings.TabPosition, Settings.Rotate); }
  // The along axis is X for tabs on top or bottom.
  bool IsAlongX() const { return Settings.TabPosition == tpTop || Settings.TabPosition == tpBottom; }
  int TabExtent(int AVisibleIndex);
  // The visible indexes a paint or a hit test considers.
  void GetTabsInViewRange(int& AFirst, int& ALast);
  TcxPCLineIndexBoundsArray GetRowTabRanges();
  // The normal rectangle of a visible tab from its position.
  TRect TabNormalRect(int AVisibleIndex);
  // The tab area that clips a tab: the first for display rows below the near row count.
  const TRect& TabsAreaOf(int AVisibleIndex);
  // Top or left side (true) for a display row.
  bool IsNearRow(int ADisplayRow) const { return ADisplayRow < NearRowCount; }
  // Tabs-area margins for tabs on top (Top the tab side), 0 when tabs are hidden or there are no rows.
  TRect GetTabsAreaMargins(bool AHideTabs, int AWidth, int AHeight);

 private:
  struct TRowRun {
    std::vector<int> First, Last;  // one interval per row
  };
  bool NoRoom() const { return TabsAreaInfo.RowLength < 1; }
  TPoint RowSpacing();  // X along a row, Y between rows, turned with Rotate
  bool LayOutLine();
  void LayOutRows();
  void CalculateSingleLine();
  void CalculateMultiLine();
  void AssignRows();
  void BalanceRows(int AFirstTab, int ALastTab);
  void PositionTabsInLine(int AFirst, int ALast, bool APositionAll);
  void SpreadAlongRowRect();

  IcxPCLayoutHost* FHost;
};

// An exact sum of powers of two: the score of a run of tab rows, 2 to the
// power of each row's free pixels, compared without rounding (a double
// overflows at 1,024 free pixels).
class TcxPCRowScore {
 public:
  void Add(int AExponent);
  friend bool operator<(const TcxPCRowScore& A, const TcxPCRowScore& B) { return Compare(A, B) < 0; }
  friend bool operator>(const TcxPCRowScore& A, const TcxPCRowScore& B) { return Compare(A, B) > 0; }
  friend bool operator==(const TcxPCRowScore& A, const TcxPCRowScore& B) { return Compare(A, B) == 0; }

 private:
  static int Compare(const TcxPCRowScore& A, const TcxPCRowScore& B);
  std::vector<std::uint64_t> FWords;  // lowest first
};
