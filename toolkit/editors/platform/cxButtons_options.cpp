// Speed-button options: the group settings and the Down state, kept
// consistent across a group through CM_BUTTONPRESSED broadcast to the parent.
#include "cxButtons_win.h"

TPersistent* TcxSpeedButtonOptions::GetOwner() { return FOwner; }

void TcxSpeedButtonOptions::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxSpeedButtonOptions*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  SetGroupIndex(source->GroupIndex());
  SetAllowAllUp(source->AllowAllUp());
  SetCanBeFocused(source->CanBeFocused());
  SetDown(source->Down());
  SetFlat(source->Flat());
  SetTransparent(source->Transparent());
}

bool TcxSpeedButtonOptions::Down() const { return FOwner->FDown; }

void TcxSpeedButtonOptions::SetGroupIndex(int Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  if (Value != 0)
    NotifyGroup();
  else
    SetDown(false);
}

void TcxSpeedButtonOptions::SetAllowAllUp(bool Value) {
  if (FAllowAllUp == Value) return;
  FAllowAllUp = Value;
  NotifyGroup();
}

void TcxSpeedButtonOptions::SetCanBeFocused(bool Value) {
  if (FCanBeFocused == Value) return;
  FCanBeFocused = Value;
  NotifyGroup();
  FOwner->Repaint();
}

void TcxSpeedButtonOptions::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  NotifyGroup();
  if (IsSpeedButton()) FOwner->Invalidate();
}

void TcxSpeedButtonOptions::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  NotifyGroup();
  if (IsSpeedButton()) FOwner->Invalidate();
}

void TcxSpeedButtonOptions::SetDown(bool Value) {
  if (FGroupIndex == 0) Value = false;
  bool& down = FOwner->FDown;
  if (Value == down) return;
  if (down && !FAllowAllUp && FGroupIndex != 0 && !IsSynchronizing()) return;
  down = Value;
  if (Value) NotifyGroup();
  FOwner->Invalidate();
}

void TcxSpeedButtonOptions::NotifyGroup() {
  if (IsSynchronizing() || !IsSpeedButton() || FGroupIndex == 0 || !FOwner->Parent()) return;
  TMessage m = MakeMessage(CM_BUTTONPRESSED, WPARAM(FGroupIndex), reinterpret_cast<LPARAM>(FOwner));
  FOwner->Parent()->Broadcast(m);
}

void TcxSpeedButtonOptions::SynchronizeFrom(TcxCustomButton* ASender) {
  TcxSpeedButtonOptions* source = ASender->SpeedButtonOptions();
  ++FSyncCount;
  try {
    SetCanBeFocused(source->CanBeFocused());
    SetAllowAllUp(source->AllowAllUp());
    SetFlat(source->Flat());
    SetTransparent(source->Transparent());
    if (ASender->Down() && Down()) SetDown(false);
  } catch (...) {
    --FSyncCount;
    throw;
  }
  --FSyncCount;
  FOwner->Invalidate();
}
