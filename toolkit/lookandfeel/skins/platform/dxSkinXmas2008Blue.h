// The built-in skin "Xmas2008Blue": the painter that stands for it in the registry of
// named painters, and the unit that reads and files it at start.
#pragma once

#include "dxSkinsDefaultPainters_win.h"

class TdxXmas2008BluePainter : public TdxSkinLookAndFeelPainter {
  VAMIRE_CLASS(TdxXmas2008BluePainter, TdxSkinLookAndFeelPainter)
 public:
  static TcxCustomLookAndFeelPainterClass Instance();
  // The info this unit made, while it is filed.
  TdxSkinLookAndFeelPainterInfo* GetSkinInfo() const override;
  String GetSkinUnitName() const override;

 protected:
  TdxXmas2008BluePainter() = default;
};

extern const TUnitEntry dxSkinXmas2008BlueUnit;
