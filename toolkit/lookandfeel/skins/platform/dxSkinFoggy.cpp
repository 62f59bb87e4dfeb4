// The built-in skin "Foggy".
#include "dxSkinFoggy.h"

namespace {
TdxSkinUnitSkins Skins({{L"Foggy", L"Foggy", &TdxFoggyPainter::Instance, &CreateSkinPainterInfo}});
using TUnit = TdxSkinUnitProcedures<Skins>;
}  // namespace

TcxCustomLookAndFeelPainterClass TdxFoggyPainter::Instance() {
  static const auto* instance = new TdxFoggyPainter();
  return instance;
}
TdxSkinLookAndFeelPainterInfo* TdxFoggyPainter::GetSkinInfo() const { return Skins.Info(); }
String TdxFoggyPainter::GetSkinUnitName() const { return L"dxSkinFoggy"; }

const TUnitEntry dxSkinFoggyUnit{L"dxSkinFoggy", TUnit::Initialize, TUnit::Finalize};
