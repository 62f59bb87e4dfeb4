// The built-in skin "Blue".
#include "dxSkinBlue.h"

namespace {
TdxSkinUnitSkins Skins({{L"Blue", L"Blue", &TdxBluePainter::Instance, &CreateSkinPainterInfo}});
using TUnit = TdxSkinUnitProcedures<Skins>;
}  // namespace

TcxCustomLookAndFeelPainterClass TdxBluePainter::Instance() {
  static const auto* instance = new TdxBluePainter();
  return instance;
}
TdxSkinLookAndFeelPainterInfo* TdxBluePainter::GetSkinInfo() const { return Skins.Info(); }
String TdxBluePainter::GetSkinUnitName() const { return L"dxSkinBlue"; }

const TUnitEntry dxSkinBlueUnit{L"dxSkinBlue", TUnit::Initialize, TUnit::Finalize};
