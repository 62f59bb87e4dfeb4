// What the skin painter's tests share: the units the built-in skins stand
// on, the skin units in the program's order, and a counter of a
// look-and-feel's changes.
#pragma once

#include <vector>

#include "Units.h"
#include "cxLookAndFeels.h"
#include "dxSkinBlack.h"
#include "dxSkinBlue.h"
#include "dxSkinFoggy.h"
#include "dxSkinLiquidSky.h"
#include "dxSkinSilver.h"
#include "dxSkinXmas2008Blue.h"
#include "dxSkinsCore_win.h"
#include "dxSkinsDefaultPainters_win.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace skinunits_test {

// Up to the skin core, as the program starts them.
inline std::vector<TUnitEntry> BaseUnits() {
  return {dxUxThemeUnit, dxThemeManagerUnit, dxGDIPlusAPIUnit, dxCoreUnit,          cxClassesUnit,
          dxGDIPlusClassesUnit, cxGraphicsUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit,
          dxSkinsCoreUnit};
}

inline std::vector<TUnitEntry> SkinUnits() {
  return {dxSkinsDefaultPaintersUnit, dxSkinSilverUnit, dxSkinLiquidSkyUnit,    dxSkinBlueUnit,
          dxSkinBlackUnit,            dxSkinFoggyUnit,  dxSkinXmas2008BlueUnit};
}

// Counts the changes a look-and-feel reports while it lives.
class TChangeCounter : public TObject {
 public:
  explicit TChangeCounter(TcxLookAndFeel* ALookAndFeel) : FLookAndFeel(ALookAndFeel) {
    FPrevious = ALookAndFeel->OnChanged;
    ALookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(this, &TChangeCounter::Changed);
  }
  ~TChangeCounter() override { FLookAndFeel->OnChanged = FPrevious; }
  int Count = 0;

 private:
  void Changed(TcxLookAndFeel*, TcxLookAndFeelValues) { ++Count; }
  TcxLookAndFeel* FLookAndFeel;
  TcxLookAndFeelChangedEvent FPrevious;
};

inline void Start(const std::vector<TUnitEntry>& AUnits) { InitializeUnits(AUnits.data(), AUnits.size()); }

}  // namespace skinunits_test
