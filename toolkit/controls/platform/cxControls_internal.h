// What the files of the controls unit share and nobody else needs.
#pragma once

#include "cxClasses.h"

// The object link of a step that may free its object, given back at the end of the scope.
class TcxObjectLinkGuard {
 public:
  explicit TcxObjectLinkGuard(TObject* AObject) : FLink(CreateObjectLink(AObject)) {}
  ~TcxObjectLinkGuard() { FreeObjectLink(FLink); }
  TcxObjectLinkGuard(const TcxObjectLinkGuard&) = delete;
  TcxObjectLinkGuard& operator=(const TcxObjectLinkGuard&) = delete;
  bool Alive() const { return FLink->Target() != nullptr; }

 private:
  TcxObjectLink* FLink;
};

// Set first thing when the unit ends: the process-wide objects are not made again.
extern bool cxControlsFinalizing;

// Frees the settings controller at the unit's end.
void FreeSettingsController();
// Frees the tracking timers left running and their list at the unit's end.
void FreeMouseTrackingTimers();
// Frees the shared off-screen buffer of the controls' painting at the unit's end.
void FreePaintBuffer();
