// The page-control styles: the standard base every style shares (navigator,
// tab sizes, the order one tab is drawn in, the 3D frame), the notebook Tabs
// style (native or classic) with its Flat variant, and the banded ExtraFlat,
// UltraFlat and Office11 styles.
// The unit registers the styles with the painter registry in one ordered list.
#pragma once

#include <vector>

#include "cxPC_win.h"
#include "dxOffice11_win.h"

// What a navigator glyph is drawn with.
struct TcxPCNavigatorButtonInfo {
  TColor BrushColor = clBtnText;
  TColor PenColor = clBtnText;
  bool Enabled = true;
  bool SmallCross = false;
};

struct TcxPCNavigatorButtonPosition {
  TcxPCNavigatorButton Button;
  TRect Rect;
};
using TcxPCNavigatorButtonPositions = std::vector<TcxPCNavigatorButtonPosition>;

class TcxPCStandardPainter : public TcxPCCustomPainter {
  VAMIRE_PC_PAINTER(TcxPCStandardPainter, TcxPCCustomPainter)
 public:
  explicit TcxPCStandardPainter(TcxCustomTabControl* ATabControl);

  // --- New operations
  virtual void DrawTab(int AVisibleIndex);
  virtual bool GetNavigatorButtonInfo(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonInfo& AInfo);
  virtual void CalculateNavigatorAreaBounds(const TcxPCNavigatorButtons& AButtons);
  virtual void CalculateNavigatorButtons(const TcxPCNavigatorButtons& AButtons);
  virtual int GetNavigatorAreaWidth(const TcxPCNavigatorButtons& AButtons);
  virtual TColor GetNavigatorButtonColor(TcxPCNavigatorButtonState AState);
  virtual TColor GetNavigatorArrowColor(TcxPCNavigatorButtonState AState);
  virtual TcxPCNavigatorButtonState GetNavigatorArrowOffset(TcxPCNavigatorButton AButton, TPoint& AOffset);
  virtual int GetNavigatorButtonHeight() { return 20; }
  virtual int GetNavigatorButtonWidth(TcxPCNavigatorButton AButton);
  virtual int GetMinTabNormalHeight();
  virtual int GetStandardMinTabWidth() { return 42; }
  virtual TColor GetBackgroundColor();
  virtual int GetMinFrameSize() { return 2 * GetFrameThickness(); }
  virtual int GetTabExtraWidth(int AVisibleIndex);
  virtual void GetTabsRowMargins(TRect& AMargins) { AMargins = TRect{}; }
  virtual int GetTabContentHeight();
  virtual void DrawTabFocusRect(int AVisibleIndex, const TRect& R);
  virtual void DrawNavigatorButton(TcxPCNavigatorButton AButton, const TRect& R);
  virtual void FillNavigatorButton(const TRect& R, TcxPCNavigatorButtonState AState);
  virtual void DrawNavigatorButtonFrame(TRect& R, TcxPCNavigatorButtonState AState);
  virtual void DrawFrameBorder(const TRect& R);
  virtual void DrawTabShape(TcxTab* ATab, int AVisibleIndex) = 0;
  virtual void PrepareTabBitmap(TcxTab* /*ATab*/, int /*AVisibleIndex*/) {}
  virtual void GetNavigatorButtons(const TcxPCNavigatorButtons& AButtons, TcxPCNavigatorButtonPositions& AList);

  // --- Base operations
  int CalculateTabNormalWidth(TcxTab* ATab) override;
  void GetTabImageOffsets(int AVisibleIndex, int AOffsets[4]) override;
  void GetImageOnlyTabOffsets(int, int AOffsets[2]) override { AOffsets[0] = AOffsets[1] = 0; }
  void GetTabTextOffsets(int AVisibleIndex, int AOffsets[4]) override;
  int GetFrameThickness() override { return 2; }
  int GetImageTextDistance(int) override { return 6; }
  int GetMinTabWidth(int AVisibleIndex) override;
  TColor GetTabColor(int AVisibleIndex) override;
  void GetTextMargins(int AVisibleIndex, int AMargins[2]) override;
  TPoint GetTabsSpacing() override;
  void GetTabsAreaInfo(const TcxPCNavigatorButtons& AButtons, TcxPCTabsAreaInfo& AInfo) override;
  void GetTruncatedTextMargins(int AVisibleIndex, int AMargins[2]) override;
  void SetTabImageAndTextRects(int AVisibleIndex, const TRect& AImageRect, const TRect& ATextRect) override;
  bool GetNavigatorButtonAt(int X, int Y, TcxPCNavigatorButton& AButton) override;
  int GetTabDrawState(int AVisibleIndex) override;
  void PaintAll() override;
  void DrawNavigatorButtons() override;
  void DrawFrame() override;
  void DrawTabs() override;
  void InvalidateNavigatorButtons(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonState AOld) override;
  void InvalidateNavigatorArea() override;
  void RepaintTab(int AVisibleIndex, TcxPCTabChangeReason AReason) override;
  int CalculateTabNormalHeight() override;
  TRect GetGoDialogButtonRect() override;

  const TcxPCNavigatorButtonPositions& NavigatorButtonList() const { return FNavigatorButtons; }
  const TRect& NavigatorArea() const { return FNavigatorArea; }

 protected:
  // The style kind of the painter's own class: 0 tab, 1 button, 2 flat button.
  int StyleKind() const { return PainterClass()->GetStyleKind(); }
  bool TabsAreHorizontal() const;
  // The shown buttons' widths and the spacing between them.
  int GetNavigatorButtonsLength(const TcxPCNavigatorButtons& AButtons);
  // The navigator sits at the start of the strip.
  bool IsNavigatorAtStart() const;
  void DrawNavigatorGlyph(TcxPCNavigatorButton AButton, const TPoint& AOrigin, const TcxPCNavigatorButtonInfo& AInfo,
                          TColor APen, TColor ABrush);
  // A one-pixel line from A to B including B.
  void DrawLine(int X1, int Y1, int X2, int Y2, TColor AColor);
  // A one-pixel polyline through the points, its last pixel included.
  void DrawPoints(std::initializer_list<TPoint> APoints, TColor AColor) {
    DrawPolyline(APoints.begin(), int(APoints.size()) - 1, nullptr, AColor);
  }
  // Shortens a row rectangle by the navigator's width at the navigator's end.
  void TakeNavigatorOff(TRect& ARow, int AWidth);
  // Top and left in one colour, bottom and right in the other, one pixel inside R.
  void FrameTwoColors(const TRect& R, TColor ALeftTop, TColor ARightBottom);

 private:
  TcxPCNavigatorButtonPositions FNavigatorButtons;
  TRect FNavigatorArea;
};

// Notebook tabs: through the system's "Tab" theme when the look-and-feel asks
// for the native look and themes work, else with classic 3D lines.
class TcxPCTabsPainter : public TcxPCStandardPainter {
  VAMIRE_PC_PAINTER(TcxPCTabsPainter, TcxPCStandardPainter)
 public:
  using TcxPCStandardPainter::TcxPCStandardPainter;
  static TcxPCStyleID GetStyleID() { return 1; }
  static String GetStyleName() { return L"Tabs"; }
  static bool IsLookAndFeelSupported(TcxLookAndFeel* ALookAndFeel);
  static bool IsNativeFor(TcxLookAndFeel* ALookAndFeel);

  virtual void CalculateFocusRect(const TRect& ABounds, TRect& R) { R = InflateRectXY(ABounds, -2, -2); }
  virtual void DrawNativeTab(HDC DC, int AVisibleIndex, const TRect& R);
  virtual void GetTabCornerColors(int AVisibleIndex, TColor& AFirst, TColor& ALast);
  virtual void DrawTabCorners(int AVisibleIndex);
  virtual void DrawClassicTabBorder(int AVisibleIndex);
  virtual void DrawNativeClientArea(TcxCanvas* ACanvas);

  void GetTabRectCorrection(int AVisibleIndex, TRect& ADeltas) override;
  void PaintTabSheetBackground(HDC DC, TObject* ATabSheet) override;
  TcxPCNavigatorButtonState GetNavigatorArrowOffset(TcxPCNavigatorButton AButton, TPoint& AOffset) override;
  int GetNavigatorButtonHeight() override { return IsNativePainting() ? 17 : 20; }
  int GetNavigatorButtonWidth(TcxPCNavigatorButton AButton) override;
  TRect GetDisplayAreaMargins() override;
  TRect GetTabsAreaMargins() override;
  void GetTabImageOffsets(int AVisibleIndex, int AOffsets[4]) override;
  void GetTabTextOffsets(int AVisibleIndex, int AOffsets[4]) override;
  void GetImageOnlyTabOffsets(int AVisibleIndex, int AOffsets[2]) override;
  std::unique_ptr<TcxRegion> CreateTabClipRegion(int AVisibleIndex) override;
  TcxRegionCombineMode GetTabClipOperation(int AVisibleIndex) override;
  void GetTextMargins(int AVisibleIndex, int AMargins[2]) override;
  void GetTruncatedTextMargins(int AVisibleIndex, int AMargins[2]) override { GetTextMargins(AVisibleIndex, AMargins); }
  void GetNativeTabPartAndState(int AVisibleIndex, int& APart, int& AState) override;
  void GetTabsAreaInfo(const TcxPCNavigatorButtons& AButtons, TcxPCTabsAreaInfo& AInfo) override;
  void SetTabImageAndTextRects(int AVisibleIndex, const TRect& AImageRect, const TRect& ATextRect) override;
  void InvalidateTab(int AVisibleIndex) override;
  bool IsNativePainting() override;
  bool IsFrameVisible() override { return true; }
  void DrawNavigatorButton(TcxPCNavigatorButton AButton, const TRect& R) override;
  void DrawClientArea() override;
  void DrawTabs() override;
  void RepaintTab(int AVisibleIndex, TcxPCTabChangeReason AReason) override;
  int GetTabContentHeight() override;
  void DrawTabShape(TcxTab* ATab, int AVisibleIndex) override;
  void PrepareTabBitmap(TcxTab* ATab, int AVisibleIndex) override;

 protected:
  // The selected tab's rectangle reaching one pixel into the page.
  TRect TabRectTowardsPage(int AVisibleIndex);
  void DrawClassicTabShape(int AVisibleIndex);
};

// The Tabs geometry drawn flat with one-pixel lines, never natively.
class TcxPCFlatPainter : public TcxPCTabsPainter {
  VAMIRE_PC_PAINTER(TcxPCFlatPainter, TcxPCTabsPainter)
 public:
  using TcxPCTabsPainter::TcxPCTabsPainter;
  static TcxPCStyleID GetStyleID() { return 7; }
  static String GetStyleName() { return L"Flat"; }
  static bool IsLookAndFeelSupported(TcxLookAndFeel* ALookAndFeel);

  int GetFrameThickness() override { return 1; }
  std::unique_ptr<TcxRegion> CreateTabClipRegion(int AVisibleIndex) override;
  TcxRegionCombineMode GetTabClipOperation(int) override { return roIntersect; }
  bool IsNativePainting() override { return false; }
  bool IsFrameVisible() override { return true; }
  TcxPCNavigatorButtonState GetNavigatorArrowOffset(TcxPCNavigatorButton AButton, TPoint& AOffset) override;
  int GetNavigatorButtonHeight() override { return TcxPCTabsPainter::GetNavigatorButtonHeight() - 2; }
  int GetNavigatorButtonWidth(TcxPCNavigatorButton AButton) override {
    return TcxPCTabsPainter::GetNavigatorButtonWidth(AButton) - 2;
  }
  void DrawNavigatorButtonFrame(TRect& R, TcxPCNavigatorButtonState AState) override;
  void DrawFrameBorder(const TRect& R) override;
  void DrawClassicTabBorder(int AVisibleIndex) override;
};

// Tab rows drawn as bands across the control: flat tabs divided by thin
// separators, the active tab framed and joined to the page by a strip of its
// colour. ExtraFlat uses the system colours with a light and a dark side.
class TcxPCExtraFlatPainter : public TcxPCStandardPainter {
  VAMIRE_PC_PAINTER(TcxPCExtraFlatPainter, TcxPCStandardPainter)
 public:
  using TcxPCStandardPainter::TcxPCStandardPainter;
  static TcxPCStyleID GetStyleID() { return 5; }
  static String GetStyleName() { return L"ExtraFlat"; }

  // --- New operations
  virtual int GetRowSpacing() { return 3; }
  virtual void GetActiveTabFocusRect(TRect& R);
  virtual void GetSeparatorIndents(int& AFirst, int& ASecond) { AFirst = ASecond = 2; }
  // AVisibleIndex -1 paints the row background.
  virtual void DrawTabBackground(TcxCanvas* ACanvas, const TRect& R, int AVisibleIndex);
  virtual void CorrectDisplayAreaMargins(TRect& AMargins);
  virtual TColor GetTabsAreaColor();
  virtual void GetTabsAreaStripRect(TRect& R);
  virtual void GetTabRowBounds(int AFirstVisibleIndex, bool AWholeRow, TRect& R);
  virtual int GetSeparatorWidth() { return 1; }
  virtual TColor LightFaceColor();
  virtual bool IsRowFramed() { return false; }
  // Draws on the three sides away from the page and leaves R inside them.
  virtual void DrawActiveTabBorder(TRect& R);
  virtual void DrawSeparator(const TRect& R);
  virtual void DrawRowBorder(const TRect& R, int ARow);

  // --- Overrides
  int CalculateTabNormalWidth(TcxTab* ATab) override;
  void GetTabRectCorrection(int AVisibleIndex, TRect& ADeltas) override;
  int GetNavigatorButtonSpacing(TcxPCNavigatorButton AButton, TcxPCNavigatorButton ANextButton) override;
  int GetNavigatorAreaSideIndent() override { return 6; }
  int GetNavigatorAreaLeadingIndent() override { return IsRowFramed() ? GetFrameThickness() + 1 : 1; }
  TRect GetDisplayAreaMargins() override;
  TColor GetDefaultColor() override;
  TRect GetTabsAreaMargins() override;
  void GetTabImageOffsets(int AVisibleIndex, int AOffsets[4]) override;
  void GetTabTextOffsets(int AVisibleIndex, int AOffsets[4]) override;
  int GetFrameThickness() override { return 1; }
  int GetMinTabWidth(int AVisibleIndex) override { return GetTabExtraWidth(AVisibleIndex); }
  TColor GetTabColor(int AVisibleIndex) override;
  void GetTextMargins(int AVisibleIndex, int AMargins[2]) override;
  void GetTruncatedTextMargins(int AVisibleIndex, int AMargins[2]) override {
    GetTextMargins(AVisibleIndex, AMargins);
  }
  TPoint GetTabsSpacing() override;
  void GetTabsAreaInfo(const TcxPCNavigatorButtons& AButtons, TcxPCTabsAreaInfo& AInfo) override;
  void Paint() override;
  void DrawClientArea() override;
  void DrawFrame() override;
  void DrawTabs() override;
  void RepaintTab(int AVisibleIndex, TcxPCTabChangeReason AReason) override;
  int CalculateTabNormalHeight() override;
  bool GetNavigatorButtonInfo(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonInfo& AInfo) override;
  TColor GetNavigatorButtonColor(TcxPCNavigatorButtonState AState) override;
  TColor GetNavigatorArrowColor(TcxPCNavigatorButtonState AState) override;
  TcxPCNavigatorButtonState GetNavigatorArrowOffset(TcxPCNavigatorButton AButton, TPoint& AOffset) override;
  int GetNavigatorButtonHeight() override { return 13; }
  int GetNavigatorButtonWidth(TcxPCNavigatorButton) override { return 13; }
  int GetMinTabNormalHeight() override { return 17; }
  TColor GetBackgroundColor() override { return clBtnFace; }
  int GetTabExtraWidth(int AVisibleIndex) override;
  int GetTabContentHeight() override { return TcxPCStandardPainter::GetTabContentHeight() - 3; }
  void DrawNavigatorButtonFrame(TRect& R, TcxPCNavigatorButtonState AState) override;
  void DrawTabShape(TcxTab* ATab, int AVisibleIndex) override;

 protected:
  int ActiveTab() const;
  // The tabs are shown and lie in at least one row.
  bool TabsShownInRows();
  // The row rectangle of a display row, across the whole control; empty without tabs on it.
  TRect RowRect(int ADisplayRow);
  // The frame's two colours: top and left, bottom and right.
  virtual void GetFrameColors(TColor& ALight, TColor& ADark) {
    ALight = clBtnHighlight;
    ADark = clBtnShadow;
  }
  // One-pixel line along an edge of R, that edge's pixels taken off R.
  void TakeEdgeLine(TRect& R, TcxTabPosition AEdge, TColor AColor);
};

// ExtraFlat with darker single-colour frames: the console's look without visual styles.
class TcxPCUltraFlatPainter : public TcxPCExtraFlatPainter {
  VAMIRE_PC_PAINTER(TcxPCUltraFlatPainter, TcxPCExtraFlatPainter)
 public:
  using TcxPCExtraFlatPainter::TcxPCExtraFlatPainter;
  static TcxPCStyleID GetStyleID() { return 6; }
  static String GetStyleName() { return L"UltraFlat"; }
  static bool IsLookAndFeelSupported(TcxLookAndFeel* ALookAndFeel);

  void GetActiveTabFocusRect(TRect& R) override;
  void DrawActiveTabBorder(TRect& R) override;
  void DrawRowBorder(const TRect& R, int ARow) override;
  int GetNavigatorButtonSpacing(TcxPCNavigatorButton AButton, TcxPCNavigatorButton ANextButton) override;
  int GetNavigatorAreaSideIndent() override { return 3; }
  bool GetNavigatorButtonInfo(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonInfo& AInfo) override;
  TColor GetNavigatorButtonColor(TcxPCNavigatorButtonState AState) override;
  TcxPCNavigatorButtonState GetNavigatorArrowOffset(TcxPCNavigatorButton AButton, TPoint& AOffset) override {
    return TcxPCStandardPainter::GetNavigatorArrowOffset(AButton, AOffset);
  }
  int GetNavigatorButtonHeight() override { return 15; }
  int GetNavigatorButtonWidth(TcxPCNavigatorButton AButton) override;
  void DrawNavigatorButtonFrame(TRect& R, TcxPCNavigatorButtonState AState) override;

 protected:
  void GetFrameColors(TColor& ALight, TColor& ADark) override { ALight = ADark = clBtnShadow; }
};

// The band styles in the Office colour set, with gradients where the
// control's options ask for them.
class TcxPCOffice11Painter : public TcxPCUltraFlatPainter {
  VAMIRE_PC_PAINTER(TcxPCOffice11Painter, TcxPCUltraFlatPainter)
 public:
  using TcxPCUltraFlatPainter::TcxPCUltraFlatPainter;
  static TcxPCStyleID GetStyleID() { return 8; }
  static String GetStyleName() { return L"Office11"; }
  static bool IsLookAndFeelSupported(TcxLookAndFeel* ALookAndFeel);

  virtual TColor GetBorderColor();

  int GetRowSpacing() override { return 1; }
  void GetSeparatorIndents(int& AFirst, int& ASecond) override;
  void DrawTabBackground(TcxCanvas* ACanvas, const TRect& R, int AVisibleIndex) override;
  void CorrectDisplayAreaMargins(TRect&) override {}
  TColor GetTabsAreaColor() override;
  void GetTabsAreaStripRect(TRect& R) override;
  int GetSeparatorWidth() override { return 2; }
  bool IsRowFramed() override { return IsFrameVisible(); }
  void DrawActiveTabBorder(TRect& R) override;
  void DrawSeparator(const TRect& R) override;
  void DrawRowBorder(const TRect& R, int ARow) override;

  TRect GetDisplayAreaMargins() override;
  TColor GetTabColor(int AVisibleIndex) override;
  bool ClipsTabContentOnly(int AVisibleIndex) override;
  bool NeedsRedrawOnResize() override;
  void FillDisplayBackground() override;
  void DrawClientArea() override;
  void DrawFrame() override;
  TColor GetNavigatorArrowColor(TcxPCNavigatorButtonState AState) override;
  TColor GetBackgroundColor() override { return GetBorderColor(); }
  void FillNavigatorButton(const TRect& R, TcxPCNavigatorButtonState AState) override;
  void DrawNavigatorButtonFrame(TRect& R, TcxPCNavigatorButtonState AState) override;
  void PrepareTabContentBitmap(TBitmap* ABitmap, const TRect& R, int AVisibleIndex) override;

 private:
  bool UsesGradient() const;
  // The two colours a tab without a colour of its own (or the row, -1) is shaded with.
  TOffice11ColorPair TabGradient(int AVisibleIndex);
  // A gradient across the row over R, or the half-and-half mix without pcoGradient.
  void FillAcrossRow(HDC DC, const TRect& R, const TOffice11ColorPair& AColors);
};

// The light face colour of the flat styles: the button face with every
// channel raised by 20 (capped at 255), taken once after the unit starts.
TColor PCLightFaceColor();

void cxPCPainters_Initialize();
void cxPCPainters_Finalize();
extern const TUnitEntry cxPCPaintersUnit;
