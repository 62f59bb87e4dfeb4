#include "cxPCPaintersFactory.h"

#include <algorithm>
#include <memory>

namespace {

std::unique_ptr<TcxPCPaintersFactory>& Registry() {
  static std::unique_ptr<TcxPCPaintersFactory> registry;
  return registry;
}

const wchar_t* const kFactory = L"TcxPCPaintersFactory";

}  // namespace

void TcxPCPaintersFactory::Add(TcxPCPainterClass AClass) {
  if (AClass && std::find(FClasses.begin(), FClasses.end(), AClass) == FClasses.end()) FClasses.push_back(AClass);
}

bool TcxPCPaintersFactory::Remove(TcxPCPainterClass AClass) {
  FClasses.erase(std::remove(FClasses.begin(), FClasses.end(), AClass), FClasses.end());
  return FClasses.empty();
}

TcxPCPainterClass TcxPCPaintersFactory::FindPainterClass(TcxPCStyleID AStyleID) const {
  for (TcxPCPainterClass c : FClasses)
    if (c->GetStyleID() == AStyleID) return c;
  return nullptr;
}

TcxPCStyleID TcxPCPaintersFactory::GetLookAndFeelStyleID(TcxLookAndFeel* ALookAndFeel) const {
  for (auto it = FClasses.rbegin(); it != FClasses.rend(); ++it)
    if ((*it)->IsLookAndFeelSupported(ALookAndFeel)) return (*it)->GetStyleID();
  return -1;
}

TcxPCStyleID TcxPCPaintersFactory::GetDefaultStyleID(TcxLookAndFeel* ALookAndFeel) const {
  if (FClasses.empty()) PCError(kFactory, L"GetDefaultStyleID", &scxPCNoRegisteredStyles);
  for (auto it = FClasses.rbegin(); it != FClasses.rend(); ++it)
    if ((*it)->IsNativeFor(ALookAndFeel)) return (*it)->GetStyleID();
  return FClasses.front()->GetStyleID();
}

TcxPCCustomPainter* TcxPCPaintersFactory::GetPainterInstance(TcxPCPainterClass AClass,
                                                             TcxCustomTabControl* ATabControl) const {
  if (!AClass) PCError(kFactory, L"GetPainterInstance", &scxPCPainterClassError);
  return static_cast<TcxPCCustomPainter*>(AClass->Create(ATabControl));
}

void TcxPCPaintersFactory::ReleasePainter(TcxPCCustomPainter* APainter) const { delete APainter; }

TcxPCPaintersFactory* PaintersFactory() { return Registry().get(); }

void RegisterPainterClass(TcxPCPainterClass AClass) {
  if (!Registry()) Registry() = std::make_unique<TcxPCPaintersFactory>();
  Registry()->Add(AClass);
}

void UnregisterPainterClass(TcxPCPainterClass AClass) {
  if (Registry() && Registry()->Remove(AClass)) Registry().reset();
}

TcxPCPainterClass FindPainterClass(TcxPCStyleID AStyleID) {
  return Registry() ? Registry()->FindPainterClass(AStyleID) : nullptr;
}

TcxPCStyleID GetLookAndFeelStyleID(TcxLookAndFeel* ALookAndFeel) {
  return Registry() ? Registry()->GetLookAndFeelStyleID(ALookAndFeel) : -1;
}

TcxPCStyleID GetDefaultStyleID(TcxLookAndFeel* ALookAndFeel) {
  if (!Registry()) PCError(kFactory, L"GetDefaultStyleID", &scxPCNoRegisteredStyles);
  return Registry()->GetDefaultStyleID(ALookAndFeel);
}

TcxPCCustomPainter* GetPainterInstance(TcxPCPainterClass AClass, TcxCustomTabControl* ATabControl) {
  if (!AClass) PCError(kFactory, L"GetPainterInstance", &scxPCPainterClassError);
  return static_cast<TcxPCCustomPainter*>(AClass->Create(ATabControl));
}

void ReleasePainter(TcxPCCustomPainter* APainter) { delete APainter; }

void cxPCPaintersFactory_Finalize() { Registry().reset(); }

const TUnitEntry cxPCPaintersFactoryUnit{L"cxPCPaintersFactory", nullptr, &cxPCPaintersFactory_Finalize};
