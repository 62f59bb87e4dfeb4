// The registry of page-control painter classes: style painters register when
// their unit starts; a tab control asks it for the class of a style ID, for the
// style a look-and-feel calls for, and for its painter object. A later
// registration wins where several classes accept a look-and-feel.
#pragma once

#include <vector>

#include "cxPC_win.h"

class TcxPCPaintersFactory : public TObject {
  VAMIRE_CLASS(TcxPCPaintersFactory, TObject)
 public:
  int Count() const { return int(FClasses.size()); }
  TcxPCPainterClass PainterClass(int AIndex) const { return FClasses.at(std::size_t(AIndex)); }
  // Adds a class unless it is there.
  void Add(TcxPCPainterClass AClass);
  // True when the list became empty.
  bool Remove(TcxPCPainterClass AClass);
  TcxPCPainterClass FindPainterClass(TcxPCStyleID AStyleID) const;
  // From the last class to the first: the first that supports it; -1 when none.
  TcxPCStyleID GetLookAndFeelStyleID(TcxLookAndFeel* ALookAndFeel) const;
  // From the last class to the first: the first native for it, else the first
  // registered; raises "There are no styles registered" without classes.
  TcxPCStyleID GetDefaultStyleID(TcxLookAndFeel* ALookAndFeel) const;
  // A new painter of the class for the control; raises "PCPainterClass is nil" for none.
  TcxPCCustomPainter* GetPainterInstance(TcxPCPainterClass AClass, TcxCustomTabControl* ATabControl) const;
  void ReleasePainter(TcxPCCustomPainter* APainter) const;

 private:
  std::vector<TcxPCPainterClass> FClasses;
};

// The registry from the first registration on; null before it and once the last class left.
TcxPCPaintersFactory* PaintersFactory();
void RegisterPainterClass(TcxPCPainterClass AClass);
void UnregisterPainterClass(TcxPCPainterClass AClass);
// PaintersFactory()'s answers, also without a registry.
TcxPCPainterClass FindPainterClass(TcxPCStyleID AStyleID);
TcxPCStyleID GetLookAndFeelStyleID(TcxLookAndFeel* ALookAndFeel);
TcxPCStyleID GetDefaultStyleID(TcxLookAndFeel* ALookAndFeel);
TcxPCCustomPainter* GetPainterInstance(TcxPCPainterClass AClass, TcxCustomTabControl* ATabControl);
void ReleasePainter(TcxPCCustomPainter* APainter);

// Unit end frees the registry with whatever is still filed.
void cxPCPaintersFactory_Finalize();
extern const TUnitEntry cxPCPaintersFactoryUnit;
