// The status bar drawn from the skin in force: the skin's "StatusBar" element
// of the bars group behind the whole bar and its "SizeGrip" element of the
// common group as the grip (D-84). Without a skin, or where the skin lacks an
// element, it draws as the Standard painter.
#pragma once

#include "Units.h"
#include "dxStatusBar_win.h"

class TdxSkinElement;

class TdxStatusBarSkinPainter : public TdxStatusBarStandardPainter {
  VAMIRE_CLASS(TdxStatusBarSkinPainter, TdxStatusBarStandardPainter)
 public:
  static TdxStatusBarPainterClass Instance();

  // The bar's skin element, or null when the bar's look-and-feel has no skin or the skin lacks it.
  static TdxSkinElement* BarElement(TdxCustomStatusBar* ABar);
  static TdxSkinElement* GripElement(TdxCustomStatusBar* ABar);

  void PlaceContainerControl(TdxStatusBarContainerPanelStyle* AStyle) const override;
  bool PanelsMayCoverSizeGrip(TdxCustomStatusBar* ABar) const override;
  bool PaintsSizeGripFirst() const override { return false; }
  void AdjustTextColor(TdxCustomStatusBar* ABar, TColor& AColor, bool AActive) const override;
  TRect GetBorderExtents(TdxCustomStatusBar* ABar) const override;
  int GetSeparatorWidthFor(TdxCustomStatusBar* ABar) const override;
  void PaintBorders(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, TRect& R) const override;
  void PaintEmptyPanel(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, TRect R) const override;
  void DrawSeparator(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, const TRect& R) const override;
  void FillPanelBackground(TdxCustomStatusBar* ABar, TdxStatusBarPanel* APanel, const TRect& R,
                           TcxCanvas* ACanvas) const override;
  void PaintSizeGrip(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, bool AOverlapped, TRect R) const override;

 protected:
  TdxStatusBarSkinPainter() = default;
};

// Unit start files the painter with the status bar, with or without GDI+
// (D-87); end takes it back.
void dxSkinsdxStatusBarPainter_Initialize();
void dxSkinsdxStatusBarPainter_Finalize();
extern const TUnitEntry dxSkinsdxStatusBarPainterUnit;
