#include "ActnList.h"

#include "Forms.h"

bool OfferActionToControls(TControl* Control, TBasicAction* Action) {
  if (!Control) return false;
  if (Control->Perform(CM_ACTIONEXECUTE, 0, reinterpret_cast<LPARAM>(Action)) != 0) return true;
  if (auto* parent = dynamic_cast<TWinControl*>(Control))
    for (int i = 0; i < parent->ControlCount(); ++i)
      if (OfferActionToControls(parent->Controls(i), Action)) return true;
  return false;
}

bool TBasicAction::Execute() {
  if (OnExecute) {
    OnExecute(this);
    return true;
  }
  for (int i = 0; Screen && i < Screen->FormCount(); ++i)
    if (OfferActionToControls(Screen->Forms(i), this)) return true;
  return false;
}
