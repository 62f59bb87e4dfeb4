// The page-control styles: the standard base every style shares (navigator,
// tab sizes, the order one tab is drawn in, the 3D frame), the notebook Tabs
// style (native or classic), and the banded ExtraFlat and UltraFlat styles.
// The unit registers the styles with the painter registry in one ordered list.
#pragma once

#include <vector>

#include "cxPC_win.h"

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

// The light face colour of the flat styles: the button face with every
// channel raised by 20 (capped at 255), taken once after the unit starts.
TColor PCLightFaceColor();

void cxPCPainters_Initialize();
void cxPCPainters_Finalize();
extern const TUnitEntry cxPCPaintersUnit;
