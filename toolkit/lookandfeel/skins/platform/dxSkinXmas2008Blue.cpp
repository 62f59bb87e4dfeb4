// The built-in skin "Xmas2008Blue".
#include "dxSkinXmas2008Blue.h"

namespace {
TdxSkinUnitSkins Skins({{L"Xmas2008Blue", L"Xmas2008Blue", &TdxXmas2008BluePainter::Instance, &CreateSkinPainterInfo}});
using TUnit = TdxSkinUnitProcedures<Skins>;
}  // namespace

TcxCustomLookAndFeelPainterClass TdxXmas2008BluePainter::Instance() {
  static const auto* instance = new TdxXmas2008BluePainter();
  return instance;
}
TdxSkinLookAndFeelPainterInfo* TdxXmas2008BluePainter::GetSkinInfo() const { return Skins.Info(); }
String TdxXmas2008BluePainter::GetSkinUnitName() const { return L"dxSkinXmas2008Blue"; }

const TUnitEntry dxSkinXmas2008BlueUnit{L"dxSkinXmas2008Blue", TUnit::Initialize, TUnit::Finalize};
