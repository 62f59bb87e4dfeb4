// The built-in skin "Silver": the painter that stands for it in the registry of
// named painters, and the unit that reads and files it at start.
#pragma once

#include "dxSkinsDefaultPainters_win.h"

class TdxSilverPainter : public TdxSkinLookAndFeelPainter {
  VAMIRE_CLASS(TdxSilverPainter, TdxSkinLookAndFeelPainter)
 public:
  static TcxCustomLookAndFeelPainterClass Instance();
  // The info this unit made, while it is filed.
  TdxSkinLookAndFeelPainterInfo* GetSkinInfo() const override;
  String GetSkinUnitName() const override;

 protected:
  TdxSilverPainter() = default;
};

extern const TUnitEntry dxSkinSilverUnit;
