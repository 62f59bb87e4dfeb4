// The built-in skin "LiquidSky": the painter that stands for it in the registry of
// named painters, and the unit that reads and files it at start.
#pragma once

#include "dxSkinsDefaultPainters_win.h"

class TdxLiquidSkyPainter : public TdxSkinLookAndFeelPainter {
  VAMIRE_CLASS(TdxLiquidSkyPainter, TdxSkinLookAndFeelPainter)
 public:
  static TcxCustomLookAndFeelPainterClass Instance();
  // The info this unit made, while it is filed.
  TdxSkinLookAndFeelPainterInfo* GetSkinInfo() const override;
  String GetSkinUnitName() const override;

 protected:
  TdxLiquidSkyPainter() = default;
};

extern const TUnitEntry dxSkinLiquidSkyUnit;
