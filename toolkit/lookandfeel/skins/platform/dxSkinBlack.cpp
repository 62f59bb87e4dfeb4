// The built-in skin "Black".
#include "dxSkinBlack.h"

namespace {
TdxSkinUnitSkins Skins({{L"Black", L"Black", &TdxBlackPainter::Instance, &CreateSkinPainterInfo}});
using TUnit = TdxSkinUnitProcedures<Skins>;
}  // namespace

TcxCustomLookAndFeelPainterClass TdxBlackPainter::Instance() {
  static const auto* instance = new TdxBlackPainter();
  return instance;
}
TdxSkinLookAndFeelPainterInfo* TdxBlackPainter::GetSkinInfo() const { return Skins.Info(); }
String TdxBlackPainter::GetSkinUnitName() const { return L"dxSkinBlack"; }

const TUnitEntry dxSkinBlackUnit{L"dxSkinBlack", TUnit::Initialize, TUnit::Finalize};
