// The built-in skin "Blue": the painter that stands for it in the registry of
// named painters, and the unit that reads and files it at start.
#pragma once

#include "dxSkinsDefaultPainters_win.h"

class TdxBluePainter : public TdxSkinLookAndFeelPainter {
  VAMIRE_CLASS(TdxBluePainter, TdxSkinLookAndFeelPainter)
 public:
  static TcxCustomLookAndFeelPainterClass Instance();
  // The info this unit made, while it is filed.
  TdxSkinLookAndFeelPainterInfo* GetSkinInfo() const override;
  String GetSkinUnitName() const override;

 protected:
  TdxBluePainter() = default;
};

extern const TUnitEntry dxSkinBlueUnit;
