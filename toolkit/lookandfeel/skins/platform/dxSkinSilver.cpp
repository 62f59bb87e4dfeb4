// The built-in skin "Silver".
#include "dxSkinSilver.h"

namespace {
TdxSkinUnitSkins Skins({{L"Silver", L"Silver", &TdxSilverPainter::Instance, &CreateSkinPainterInfo}});
using TUnit = TdxSkinUnitProcedures<Skins>;
}  // namespace

TcxCustomLookAndFeelPainterClass TdxSilverPainter::Instance() {
  static const auto* instance = new TdxSilverPainter();
  return instance;
}
TdxSkinLookAndFeelPainterInfo* TdxSilverPainter::GetSkinInfo() const { return Skins.Info(); }
String TdxSilverPainter::GetSkinUnitName() const { return L"dxSkinSilver"; }

const TUnitEntry dxSkinSilverUnit{L"dxSkinSilver", TUnit::Initialize, TUnit::Finalize};
