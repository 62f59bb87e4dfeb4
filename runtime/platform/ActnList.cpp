#include "ActnList.h"

#include <algorithm>

#include "Forms.h"
#include "Streaming.h"

bool OfferActionToControls(TControl* Control, TBasicAction* Action) {
  if (!Control) return false;
  if (Control->Perform(CM_ACTIONEXECUTE, 0, reinterpret_cast<LPARAM>(Action)) != 0) return true;
  if (auto* parent = dynamic_cast<TWinControl*>(Control))
    for (int i = 0; i < parent->ControlCount(); ++i)
      if (OfferActionToControls(parent->Controls(i), Action)) return true;
  return false;
}

// --- Basic action and its links ------------------------------------------------------------

TBasicAction::~TBasicAction() {
  // Clients learn through free notification; their links only forget the action.
  while (!FClients.empty()) FClients.back()->SetAction(nullptr);
}

bool TBasicAction::Execute() {
  if (FOnExecute) {
    FOnExecute(this);
    return true;
  }
  for (int i = 0; Screen && i < Screen->FormCount(); ++i)
    if (OfferActionToControls(Screen->Forms(i), this)) return true;
  return false;
}

bool TBasicAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

void TBasicAction::SetOnExecute(const TNotifyEvent& Value) {
  if (FOnExecute == Value) return;
  // A client whose OnExecute no longer follows the old handler keeps its own.
  const std::vector<TBasicActionLink*> clients = FClients;
  for (TBasicActionLink* link : clients)
    if (link->IsOnExecuteLinked()) link->SetOnExecute(Value);
  FOnExecute = Value;
  Change();
}

void TBasicAction::Change() {
  const std::vector<TBasicActionLink*> clients = FClients;
  for (TBasicActionLink* link : clients)
    if (std::find(FClients.begin(), FClients.end(), link) != FClients.end()) link->Change();
}

void TBasicAction::RegisterChanges(TBasicActionLink* Link) { FClients.push_back(Link); }

void TBasicAction::UnRegisterChanges(TBasicActionLink* Link) {
  FClients.erase(std::remove(FClients.begin(), FClients.end(), Link), FClients.end());
}

TBasicActionLink::~TBasicActionLink() {
  if (FAction) FAction->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* Value) {
  if (Value == FAction) return;
  if (FAction) FAction->UnRegisterChanges(this);
  FAction = Value;
  if (FAction) FAction->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent*) { return FAction && FAction->Execute(); }

bool TBasicActionLink::Update() { return FAction && FAction->Update(); }

void TBasicActionLink::Change() {
  if (OnChange) OnChange(FAction);
}

// --- Custom action -------------------------------------------------------------------------

bool TBasicAction::HasClient(TBasicActionLink* Link) const {
  return std::find(FClients.begin(), FClients.end(), Link) != FClients.end();
}

TCustomAction::~TCustomAction() { SetActionList(nullptr); }

// A client compares its own value with the action's old one, so the clients
// are written before the action stores the new value.
template <class T, class Setter>
void TCustomAction::Propagate(T& Field, const T& Value, bool (TActionLink::*IsLinked)(), Setter Set) {
  if (Field == Value) return;
  for (TBasicActionLink* client : ClientSnapshot())
    if (auto* link = dynamic_cast<TActionLink*>(client); link && HasClient(link) && (link->*IsLinked)())
      (link->*Set)(Value);
  Field = Value;
  Change();
}

void TCustomAction::SetCaption(const String& Value) {
  Propagate(FCaption, Value, &TActionLink::IsCaptionLinked, &TActionLink::SetCaption);
}
void TCustomAction::SetChecked(bool Value) {
  Propagate(FChecked, Value, &TActionLink::IsCheckedLinked, &TActionLink::SetChecked);
}
void TCustomAction::SetEnabled(bool Value) {
  Propagate(FEnabled, Value, &TActionLink::IsEnabledLinked, &TActionLink::SetEnabled);
}
void TCustomAction::SetHelpContext(int Value) {
  Propagate(FHelpContext, Value, &TActionLink::IsHelpContextLinked, &TActionLink::SetHelpContext);
}
void TCustomAction::SetHint(const String& Value) {
  Propagate(FHint, Value, &TActionLink::IsHintLinked, &TActionLink::SetHint);
}
void TCustomAction::SetImageIndex(int Value) {
  Propagate(FImageIndex, Value, &TActionLink::IsImageIndexLinked, &TActionLink::SetImageIndex);
}
void TCustomAction::SetShortCut(TShortCut Value) {
  Propagate(FShortCut, Value, &TActionLink::IsShortCutLinked, &TActionLink::SetShortCut);
}
void TCustomAction::SetVisible(bool Value) {
  Propagate(FVisible, Value, &TActionLink::IsVisibleLinked, &TActionLink::SetVisible);
}

bool TCustomAction::Execute() {
  Update();
  return FEnabled && TBasicAction::Execute();
}

void TCustomAction::SetActionList(TActionList* Value) {
  if (FActionList == Value) return;
  if (FActionList)
    FActionList->FActions.erase(std::remove(FActionList->FActions.begin(), FActionList->FActions.end(), this),
                                FActionList->FActions.end());
  FActionList = Value;
  if (FActionList) FActionList->FActions.push_back(this);
}

TComponent* TCustomAction::GetParentComponent() { return FActionList; }

void TCustomAction::SetParentComponent(TComponent* AParent) {
  if (auto* list = dynamic_cast<TActionList*>(AParent)) SetActionList(list);
}

// An action read from a form file joins the list it is written in.
void TCustomAction::ReadState(TReader* Reader) {
  if (auto* list = dynamic_cast<TActionList*>(Reader->Parent())) SetActionList(list);
  inherited::ReadState(Reader);
}

bool TActionLink::IsCaptionLinked() { return HasCustomAction(); }
bool TActionLink::IsCheckedLinked() { return HasCustomAction(); }
bool TActionLink::IsEnabledLinked() { return HasCustomAction(); }
bool TActionLink::IsHelpContextLinked() { return HasCustomAction(); }
bool TActionLink::IsHintLinked() { return HasCustomAction(); }
bool TActionLink::IsImageIndexLinked() { return HasCustomAction(); }
bool TActionLink::IsShortCutLinked() { return HasCustomAction(); }
bool TActionLink::IsVisibleLinked() { return HasCustomAction(); }

// --- Action list ---------------------------------------------------------------------------

TActionList::~TActionList() {
  while (!FActions.empty()) FActions.back()->SetActionList(nullptr);
}

TCustomAction* TActionList::Actions(int Index) const {
  return Index >= 0 && Index < ActionCount() ? FActions[size_t(Index)] : nullptr;
}

void TActionList::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TCustomAction* action : std::vector<TCustomAction*>(FActions))
    if (action->Owner() == Root) Proc(action);
}

void TActionList::SetChildOrder(TComponent* Child, int Order) {
  auto it = std::find(FActions.begin(), FActions.end(), Child);
  if (it == FActions.end() || Order < 0 || Order >= ActionCount()) return;
  auto* action = *it;
  FActions.erase(it);
  FActions.insert(FActions.begin() + Order, action);
}

// --- Form files ----------------------------------------------------------------------------

using CA = TCustomAction;
VAMIRE_STREAMED_CLASSES(ActnListStreamed, TActionList, TAction)
VAMIRE_STREAMED_TABLE(ActnListStreamed, TActionList)
VAMIRE_STREAMED_TABLE(ActnListStreamed, TAction,
                      Prop(L"Caption", &CA::Caption, &CA::SetCaption),
                      Prop(L"Category", &CA::Category, &CA::SetCategory),
                      Prop(L"Checked", &CA::Checked, &CA::SetChecked).Default(false),
                      Prop(L"Enabled", &CA::Enabled, &CA::SetEnabled).Default(true),
                      Prop(L"HelpContext", &CA::HelpContext, &CA::SetHelpContext).Default(int64_t(0)),
                      Prop(L"Hint", &CA::Hint, &CA::SetHint),
                      Prop(L"ImageIndex", &CA::ImageIndex, &CA::SetImageIndex).Default(int64_t(-1)),
                      Prop(L"ShortCut", &CA::ShortCut, &CA::SetShortCut).Default(int64_t(0)),
                      Prop(L"Visible", &CA::Visible, &CA::SetVisible).Default(true),
                      Prop(L"OnExecute", &CA::OnExecute, &CA::SetOnExecute),
                      Prop(L"OnUpdate", &CA::OnUpdate))

namespace {
void ActnList_Initialize() { ActnListStreamed::Register(); }
void ActnList_Finalize() { ActnListStreamed::Unregister(); }
}  // namespace

const TUnitEntry ActnListUnit{L"ActnList", ActnList_Initialize, ActnList_Finalize};
