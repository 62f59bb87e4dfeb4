// The built-in skin "LiquidSky".
#include "dxSkinLiquidSky.h"

namespace {
TdxSkinUnitSkins Skins({{L"LiquidSky", L"LiquidSky", &TdxLiquidSkyPainter::Instance, &CreateSkinPainterInfo}});
using TUnit = TdxSkinUnitProcedures<Skins>;
}  // namespace

TcxCustomLookAndFeelPainterClass TdxLiquidSkyPainter::Instance() {
  static const auto* instance = new TdxLiquidSkyPainter();
  return instance;
}
TdxSkinLookAndFeelPainterInfo* TdxLiquidSkyPainter::GetSkinInfo() const { return Skins.Info(); }
String TdxLiquidSkyPainter::GetSkinUnitName() const { return L"dxSkinLiquidSky"; }

const TUnitEntry dxSkinLiquidSkyUnit{L"dxSkinLiquidSky", TUnit::Initialize, TUnit::Finalize};
