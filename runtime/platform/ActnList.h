// Actions, as far as the program uses them: the hint action that the
// application executes whenever its hint changes and no OnHint handler takes
// it, so that a control showing hints (a status pane with AutoHint) can
// show the hint of the control under the mouse.
#pragma once

#include "Classes.h"
#include "Controls.h"

class TBasicAction : public TComponent {
  VAMIRE_CLASS(TBasicAction, TComponent)
 public:
  using TComponent::TComponent;
  // OnExecute when assigned. Otherwise the action is offered to the controls
  // of every form, each form's controls parent first in child order, as
  // CM_ACTIONEXECUTE with the action in LParam, until one answers non-zero.
  // True when a handler or a control took it.
  virtual bool Execute();
  TNotifyEvent OnExecute;
};

class THintAction : public TBasicAction {
  VAMIRE_CLASS(THintAction, TBasicAction)
 public:
  using TBasicAction::TBasicAction;
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }

 private:
  String FHint;
};

// Offers Action to Control and then to its children, depth first; true when
// one of them answered CM_ACTIONEXECUTE with a non-zero result.
bool OfferActionToControls(TControl* Control, TBasicAction* Action);
