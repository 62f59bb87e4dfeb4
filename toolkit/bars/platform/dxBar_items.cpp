// Bar components and their lists, and the items: published values, the hint
// that follows the caption, change propagation to the links, the click chain
// with the action link, assignment and streaming.
#include <algorithm>

#include "dxBar_internal.h"
#include "dxBarControl_win.h"

// --- Bar components ------------------------------------------------------------------------

TdxBarComponent::~TdxBarComponent() {
  // The lists that show the component forget it (they do not own it).
  while (!FNotifyLists.empty()) {
    TdxBarComponentList* list = FNotifyLists.back();
    FNotifyLists.pop_back();
    list->Remove(this);
  }
}

void TdxBarComponent::ComponentChanged(bool WholeList) {
  if (ComponentState().Contains(csDestroying)) return;
  for (TdxBarComponentList* list : std::vector<TdxBarComponentList*>(FNotifyLists))
    list->ComponentChanged(this, WholeList);
}

bool TdxBarComponent::CanBeDeleted(bool) {
  return !FBarManager || !FBarManager->Designer() || FBarManager->CanDesign(this);
}

void TdxBarComponent::DeleteFromSelection(TdxBarComponent*& Reference, bool Destruction) {
  if (!CanBeDeleted(Destruction)) return;
  Reference = nullptr;
  Free();
}

void TdxBarComponent::GetMasterObjects(TList* AList) {
  if (Owner() && AList->IndexOf(Owner()) < 0) AList->Add(Owner());
}

uint8_t TdxBarComponent::GetSelectionStatus() { return FBarManager ? FBarManager->GetSelectionStatus(this) : 0; }

bool TdxBarComponent::IsSelected() { return FBarManager && FBarManager->IsSelected(this); }

void TdxBarComponent::SelectComponent(int AOperation) {
  if (FBarManager) FBarManager->SelectComponent(this, AOperation);
}

TdxBarComponentList::~TdxBarComponentList() {
  for (int i = 0; i < Count(); ++i) {
    auto& lists = Items(i)->FNotifyLists;
    lists.erase(std::remove(lists.begin(), lists.end(), this), lists.end());
  }
}

void TdxBarComponentList::ComponentChanged(TdxBarComponent* AComponent, bool WholeList) {
  DoChanged(WholeList ? nullptr : AComponent, ccnChanged);
}

void TdxBarComponentList::DoNotifyComponent(TComponent* AComponent, TListNotification AAction) {
  inherited::DoNotifyComponent(AComponent, AAction);
  auto* component = dynamic_cast<TdxBarComponent*>(AComponent);
  if (!component) return;
  auto& lists = component->FNotifyLists;
  if (AAction == lnAdded) {
    if (std::find(lists.begin(), lists.end(), this) == lists.end()) lists.push_back(this);
  } else {
    lists.erase(std::remove(lists.begin(), lists.end(), this), lists.end());
  }
}

void TdxObjectList::AddUnique(TObject* AObject) {
  if (AObject && IndexOf(AObject) < 0) Add(AObject);
}

void TdxObjectList::CopyTo(TObjectList* ADest) const {
  ADest->Clear();
  ADest->SetCapacity(Capacity());
  auto* unique = dynamic_cast<TdxObjectList*>(ADest);
  for (int i = 0; i < Count(); ++i) {
    if (unique) unique->AddUnique(Items(i));
    else ADest->Add(Items(i));
  }
}

// --- Items ---------------------------------------------------------------------------------

namespace {

// The manager an item joins: the owner itself, the manager of the owner, else the first one.
TdxBarManager* ManagerForOwner(TComponent* AOwner) {
  if (auto* manager = dynamic_cast<TdxBarManager*>(AOwner)) return manager;
  if (TdxBarManager* manager = FindManagerOfOwner(AOwner)) return manager;
  return dxBarManagerCount() > 0 ? dxBarManagers(0) : nullptr;
}

// The caption as the hint shows it: its first "&" and its first "..." removed.
String CleanCaption(String Text) {
  const size_t amp = Text.find(L'&');
  if (amp != String::npos) Text.erase(amp, 1);
  const size_t dots = Text.find(L"...");
  if (dots != String::npos) Text.erase(dots, 3);
  return Text;
}

}  // namespace

TdxBarItem::TdxBarItem(TComponent* AOwner) : TdxBarComponent(AOwner) {
  if (TdxBarManager* manager = ManagerForOwner(AOwner)) SetBarManager(manager);
  FStylesData = std::make_unique<TdxBarItemStylesData>(this, GetStyleCount(),
                                                       TdxBarItemStyleChangeEvent(this, &TdxBarItem::StyleChangeHandler));
  FGlyph = std::make_unique<TBitmap>();
  FGlyph->OnChange = TNotifyEvent(this, &TdxBarItem::GlyphBitmapChanged);
  FLargeGlyph = std::make_unique<TBitmap>();
  FLargeGlyph->OnChange = TNotifyEvent(this, &TdxBarItem::LargeGlyphBitmapChanged);
}

void TdxBarItem::BeforeDestruction() {
  inherited::BeforeDestruction();
  if (FItemDestroying) return;
  FItemDestroying = true;
  if (OnDestroy) OnDestroy(this);
  const bool lock = FBarManager && !FBarManager->IsDestroying() && !FLinks.empty() && !FBarManager->IsUpdateLocked();
  if (lock) FBarManager->LockUpdate();
  TdxBarFinally unlock([&] {
    if (lock) FBarManager->UnlockUpdate(true, true);
  });
  while (!FLinks.empty()) delete FLinks.back();
}

TdxBarItem::~TdxBarItem() {
  if (!FItemDestroying) BeforeDestruction();
  FStylesData.reset();
  FActionLink.reset();
  FGlyph->OnChange = nullptr;
  FLargeGlyph->OnChange = nullptr;
  InvalidateObjectLinks(this);
  SetBarManager(nullptr);
}

void TdxBarItem::SetBarManager(TdxBarManager* Value) {
  if (FBarManager == Value) return;
  if (FBarManager) FBarManager->RemoveItem(this);
  FBarManager = Value;
  if (FBarManager) FBarManager->AddItem(this);
}

TdxBarItemLink* TdxBarItem::Links(int Index) const {
  return Index >= 0 && Index < LinkCount() ? FLinks[size_t(Index)] : nullptr;
}

void TdxBarItem::AddLink(TdxBarItemLink* ALink) {
  if (std::find(FLinks.begin(), FLinks.end(), ALink) == FLinks.end()) FLinks.push_back(ALink);
}

void TdxBarItem::RemoveLink(TdxBarItemLink* ALink) {
  FLinks.erase(std::remove(FLinks.begin(), FLinks.end(), ALink), FLinks.end());
}

bool TdxBarItem::IsShownNow() {
  const bool customizing = FBarManager && FBarManager->IsCustomizingOrDesigning();
  switch (Visible()) {
    case ivAlways: return customizing || IsShownAtRunTime();
    case ivInCustomizing: return customizing;
    default: return false;
  }
}

TcxStyle* TdxBarItem::Style() const { return FStylesData->Style(0); }

void TdxBarItem::SetStyle(TcxStyle* Value) { FStylesData->SetStyle(0, Value); }

TcxViewParams TdxBarItem::GetStyleViewParams() const { return FStylesData->ViewParams(0); }

void TdxBarItem::StyleChangeHandler(int AKind) {
  if (FItemDestroying || ComponentState().Contains(csDestroying)) return;
  if (AKind == sckSize) Changed(TdxBarControlKinds{0, 1, 2});
  else if (AKind == sckColor) UpdateControls();
}

TCustomImageList* TdxBarItem::Images() const { return FBarManager ? FBarManager->Images() : nullptr; }

String TdxBarItem::GetDefaultCaption() { return ResolveResourceString(&dxSBAR_NEWITEMCAPTION); }

TClass TdxBarItem::GetItemControlClass() {
  TdxBarItemList* registry = GetBarItemRegistry();
  return registry ? registry->ControlClassOf(ClassType()) : nullptr;
}

bool TdxBarItem::CanBePlacedOn(int, TdxBar*, String& AReason) {
  AReason.clear();
  return true;
}

// --- Published values -----------------------------------------------------------------------

bool TdxBarItem::HintFollowsCaption() const {
  if (FHint.empty()) return true;
  return FHint.substr(0, FHint.find(L'|')) == CleanCaption(FCaption);
}

void TdxBarItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  const bool follows = !FApplyingAction && SubItemLinks() == nullptr && HintFollowsCaption();
  FCaption = Value;
  if (ComponentState().Contains(csLoading)) return;
  if (follows) {
    const size_t bar = FHint.find(L'|');
    FHint = CleanCaption(Value) + (bar == String::npos ? String() : FHint.substr(bar));
  }
  CaptionChanged();
}

void TdxBarItem::SetHint(const String& Value) { FHint = Value; }

void TdxBarItem::SetDescription(const String& Value) { FDescription = Value; }

void TdxBarItem::SetAlign(TdxBarItemAlign Value) {
  if (FAlign == Value) return;
  FAlign = Value;
  Changed(TdxBarControlKinds{0, 1, 2});
}

void TdxBarItem::SetGlyphLayout(TdxBarGlyphLayout Value) {
  if (FGlyphLayout == Value) return;
  FGlyphLayout = Value;
  Changed(TdxBarControlKinds{0, 1, 2});
}

void TdxBarItem::SetShowCaption(bool Value) {
  if (FShowCaption == Value) return;
  FShowCaption = Value;
  Changed(TdxBarControlKinds{0, 1, 2});
}

void TdxBarItem::SetPaintStyle(TdxBarPaintStyle Value) {
  if (FPaintStyle == Value) return;
  FPaintStyle = Value;
  if (!ComponentState().Contains(csLoading)) PaintStyleChanged();
}

void TdxBarItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  GlyphChanged();
}

void TdxBarItem::SetLargeImageIndex(int Value) {
  if (FLargeImageIndex == Value) return;
  FLargeImageIndex = Value;
  LargeGlyphChanged();
}

void TdxBarItem::SetShortCut(uint16_t Value) {
  if (FShortCut == Value) return;
  FShortCut = Value;
  if (!ComponentState().Contains(csLoading)) ShortCutChanged();
}

void TdxBarItem::SetWidth(int Value) {
  if (Value < 0 || Value == FWidth) return;
  FWidth = Value;
  WidthChanged();
}

bool TdxBarItem::Enabled() const {
  if (FBarManager && !FBarManager->IsDesigning() && FBarManager->InCustomizing() && FCategory >= 0) return true;
  return FEnabled;
}

void TdxBarItem::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  if (!ComponentState().Contains(csLoading)) EnabledChanged();
}

void TdxBarItem::SetVisible(TdxBarItemVisible Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  if (ComponentState().Contains(csDesigning)) return;
  if (!ComponentState().Contains(csLoading) || (FBarManager && !FBarManager->IsLoading())) VisibleChanged();
}

void TdxBarItem::SetCategory(int Value) {
  if (ComponentState().Contains(csLoading)) {
    FCategory = Value;
    return;
  }
  if (!FBarManager || Value < 0 || Value >= FBarManager->Categories()->Count()) return;
  const int current = FBarManager->IndexOfItem(this);
  int last = -1;
  for (int i = 0; i < FBarManager->ItemCount(); ++i)
    if (FBarManager->Items(i) != this && FBarManager->Items(i)->FCategory == Value) last = i;
  if (current >= 0 && last >= 0) FBarManager->MoveItem(current, last < current ? last + 1 : last);
  FCategory = Value;
  ComponentChanged(true);
}

// A value that the action supplies is not written: the action gives it back.
bool TdxBarItem::IsCaptionStored() const { return !FActionLink || !FActionLink->IsCaptionLinked(); }
bool TdxBarItem::IsEnabledStored() const { return !FActionLink || !FActionLink->IsEnabledLinked(); }
bool TdxBarItem::IsHelpContextStored() const { return !FActionLink || !FActionLink->IsHelpContextLinked(); }
bool TdxBarItem::IsHintStored() const { return !FActionLink || !FActionLink->IsHintLinked(); }
bool TdxBarItem::IsImageIndexStored() const { return !FActionLink || !FActionLink->IsImageIndexLinked(); }
bool TdxBarItem::IsShortCutStored() const { return !FActionLink || !FActionLink->IsShortCutLinked(); }
bool TdxBarItem::IsVisibleStored() const { return !FActionLink || !FActionLink->IsVisibleLinked(); }
bool TdxBarItem::IsOnClickStored() const { return !FActionLink || !FActionLink->IsOnExecuteLinked(); }

void TdxBarItem::GlyphBitmapChanged(TObject*) { GlyphChanged(); }

void TdxBarItem::LargeGlyphBitmapChanged(TObject*) { LargeGlyphChanged(); }

// --- Change propagation --------------------------------------------------------------------
// Each change reaches the item controls of the links that show the item, and
// the lists that name it.

namespace {

// A notice may rebuild a bar control and so free controls: the links are
// walked from a copy and each control is asked for again.
template <class F>
void TellControls(const std::vector<TdxBarItemLink*>& Links, F Notice) {
  for (TdxBarItemLink* link : std::vector<TdxBarItemLink*>(Links))
    if (TdxBarItemControl* control = link->Control()) Notice(control);
}

}  // namespace

void TdxBarItem::CaptionChanged() {
  TellControls(FLinks, [](TdxBarItemControl* c) { c->CaptionChanged(); });
  ComponentChanged();
}

void TdxBarItem::EnabledChanged() {
  TellControls(FLinks, [](TdxBarItemControl* c) { c->EnabledChanged(); });
}

void TdxBarItem::GlyphChanged() {
  TellControls(FLinks, [](TdxBarItemControl* c) { c->GlyphChanged(); });
  ComponentChanged();
}

void TdxBarItem::LargeGlyphChanged() {
  TellControls(FLinks, [](TdxBarItemControl* c) { c->LargeGlyphChanged(); });
  ComponentChanged();
}

void TdxBarItem::ShortCutChanged() {
  Changed(TdxBarControlKinds{2});
  ComponentChanged();
}

void TdxBarItem::WidthChanged() {
  TellControls(FLinks, [](TdxBarItemControl* c) { c->WidthChanged(); });
}

void TdxBarItem::VisibleChanged() {
  {
    if (FBarManager) FBarManager->LockUpdate();
    TdxBarFinally unlock([this] {
      if (FBarManager) FBarManager->UnlockUpdate(true, true);
    });
    for (TdxBarItemLink* link : std::vector<TdxBarItemLink*>(FLinks))
      if (TdxBarItemLinks* links = link->GetLinks()) links->RebuildLinkLists();
    ComponentChanged();
  }
  // Each bar control that shows a link of the item makes its item controls
  // anew once the lock is gone: a link just hidden has a control to lose, one
  // just shown has none yet.
  std::vector<TCustomdxBarControl*> bars;
  for (TdxBarItemLink* link : FLinks)
    if (TCustomdxBarControl* bar = link->BarControl())
      if (std::find(bars.begin(), bars.end(), bar) == bars.end()) bars.push_back(bar);
  for (TCustomdxBarControl* bar : bars) bar->Rebuild();
}

void TdxBarItem::Changed(TdxBarControlKinds) {}

// --- Shortcuts and clicks ------------------------------------------------------------------

bool TdxBarItem::HandleShortCut(uint16_t AShortCut) {
  if (!Enabled()) return false;
  if (IsClickable() && AShortCut == FShortCut && AShortCut != 0) {
    Click();
    return true;
  }
  if (TdxBarItemLinks* links = SubItemLinks())
    for (int i = 0; AShortCut != 0 && i < links->Count(); ++i)
      if (TdxBarItem* item = links->Links(i)->Item(); item && item->HandleShortCut(AShortCut)) return true;
  return false;
}

void TdxBarItem::Click() {
  if (IsClickable()) DoClick();
}

void TdxBarItem::DoClick() {
  if (!Enabled()) return;
  TcxObjectLink* alive = CreateObjectLink(this);
  TdxBarFinally free([alive] { FreeObjectLink(alive); });
  if (FBarManager) FBarManager->DoClickItem(this);
  if (alive->Target()) DoExecute();
}

void TdxBarItem::DoExecute() {
  if (FOnClick && (!Action() || Action()->OnExecute() != FOnClick)) {
    FOnClick(this);
    return;
  }
  if (!ComponentState().Contains(csDesigning) && FActionLink) FActionLink->Execute(this);
}

// --- Actions -------------------------------------------------------------------------------

TBasicAction* TdxBarItem::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

TActionLinkClass TdxBarItem::GetActionLinkClass() { return TdxBarItemActionLink::StaticClass(); }

void TdxBarItem::SetAction(TBasicAction* Value) {
  if (Value == Action()) return;
  if (!Value) {
    FActionLink.reset();
    return;
  }
  const bool loading = Value->ComponentState().Contains(csLoading);
  const bool lock = loading && FBarManager;
  if (lock) FBarManager->LockDesignerModified();
  TdxBarFinally unlock([&] {
    if (lock) FBarManager->UnlockDesignerModified();
  });
  if (!FActionLink) FActionLink.reset(static_cast<TdxBarItemActionLink*>(GetActionLinkClass()->Create(this)));
  FActionLink->SetAction(Value);
  FActionLink->OnChange = TNotifyEvent(this, &TdxBarItem::ActionChangeHandler);
  ActionChange(Value, loading);
  Value->FreeNotification(this);
}

void TdxBarItem::ActionChangeHandler(TObject* Sender) {
  if (Sender == Action()) ActionChange(Sender, false);
}

void TdxBarItem::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action) return;
  FApplyingAction = true;
  TdxBarFinally done([this] { FApplyingAction = false; });
  if (!CheckDefaults || FCaption.empty()) SetCaption(action->Caption());
  if (!CheckDefaults || Enabled()) SetEnabled(action->Enabled());
  if (!CheckDefaults || FHelpContext == 0) FHelpContext = action->HelpContext();
  if (!CheckDefaults || FHint.empty()) FHint = action->Hint();
  if (!CheckDefaults || GetLinkedImageIndex() == -1) SetLinkedImageIndex(action->ImageIndex());
  if (!CheckDefaults || FShortCut == 0) SetShortCut(action->ShortCut());
  if (!CheckDefaults || Visible() == ivAlways) SetVisible(BooleanToItemVisible(action->Visible()));
  if (!CheckDefaults || !FOnClick) FOnClick = action->OnExecute();
}

TdxBarItemActionLink::TdxBarItemActionLink(TObject* AClient)
    : TActionLink(AClient), FItem(dynamic_cast<TdxBarItem*>(AClient)) {}

bool TdxBarItemActionLink::IsCaptionLinked() {
  return TActionLink::IsCaptionLinked() && FItem->FCaption == CustomAction()->Caption();
}
bool TdxBarItemActionLink::IsEnabledLinked() {
  return TActionLink::IsEnabledLinked() && FItem->FEnabled == CustomAction()->Enabled();
}
bool TdxBarItemActionLink::IsHelpContextLinked() {
  return TActionLink::IsHelpContextLinked() && FItem->FHelpContext == CustomAction()->HelpContext();
}
bool TdxBarItemActionLink::IsHintLinked() {
  return TActionLink::IsHintLinked() &&
         (FItem->FHint == CustomAction()->Hint() || (FItem->HintFollowsCaption() && !FItem->FHint.empty()));
}
bool TdxBarItemActionLink::IsImageIndexLinked() {
  return TActionLink::IsImageIndexLinked() && FItem->GetLinkedImageIndex() == CustomAction()->ImageIndex();
}
bool TdxBarItemActionLink::IsShortCutLinked() {
  return TActionLink::IsShortCutLinked() && FItem->FShortCut == CustomAction()->ShortCut();
}
bool TdxBarItemActionLink::IsVisibleLinked() {
  return TActionLink::IsVisibleLinked() && FItem->Visible() == BooleanToItemVisible(CustomAction()->Visible());
}
bool TdxBarItemActionLink::IsOnExecuteLinked() {
  return TActionLink::IsOnExecuteLinked() && Action() && FItem->FOnClick == Action()->OnExecute();
}
void TdxBarItemActionLink::SetCaption(const String& Value) {
  if (IsCaptionLinked()) FItem->SetCaption(Value);
}
void TdxBarItemActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) FItem->SetEnabled(Value);
}
void TdxBarItemActionLink::SetHelpContext(int Value) {
  if (IsHelpContextLinked()) FItem->FHelpContext = Value;
}
void TdxBarItemActionLink::SetHint(const String& Value) {
  if (IsHintLinked()) FItem->FHint = Value;
}
void TdxBarItemActionLink::SetImageIndex(int Value) {
  if (IsImageIndexLinked()) FItem->SetLinkedImageIndex(Value);
}
void TdxBarItemActionLink::SetShortCut(TShortCut Value) {
  if (IsShortCutLinked()) FItem->SetShortCut(Value);
}
void TdxBarItemActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) FItem->SetVisible(BooleanToItemVisible(Value));
}
void TdxBarItemActionLink::SetOnExecute(const TNotifyEvent& Value) {
  if (IsOnExecuteLinked()) FItem->FOnClick = Value;
}

// --- Assignment ----------------------------------------------------------------------------

void TdxBarItem::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxBarItem*>(Source);
  if (!source) return inherited::Assign(Source);
  SetAction(source->Action());
  SetAlign(source->Align());
  SetCaption(source->FCaption);
  SetCategory(source->Category());
  SetDescription(source->Description());
  SetEnabled(source->FEnabled);
  SetHelpContext(source->HelpContext());
  FHint = source->FHint;
  SetKeyTip(source->KeyTip());
  SetMergeKind(source->MergeKind());
  SetMergeOrder(source->MergeOrder());
  SetStyle(source->Style());
  SetVisible(source->Visible());
  UserData = source->UserData;
  SetGlyph(source->Glyph());
  SetImageIndex(source->ImageIndex());
  SetLargeGlyph(source->LargeGlyph());
  SetLargeImageIndex(source->LargeImageIndex());
  SetShortCut(source->ShortCut());
  FOnClick = source->FOnClick;
}

void TdxBarItem::AssignTo(TPersistent* Dest) {
  auto* action = dynamic_cast<TCustomAction*>(Dest);
  if (!action) return inherited::AssignTo(Dest);
  action->SetCaption(FCaption);
  action->SetEnabled(FEnabled);
  action->SetHelpContext(FHelpContext);
  action->SetHint(FHint);
  action->SetImageIndex(FImageIndex);
  action->SetShortCut(FShortCut);
  if (Visible() != ivInCustomizing) action->SetVisible(Visible() == ivAlways);
  action->SetOnExecute(FOnClick);
}

// --- Streaming -----------------------------------------------------------------------------

void TdxBarItem::ReadState(TReader* Reader) {
  if (auto* manager = dynamic_cast<TdxBarManager*>(Reader->Parent())) {
    SetBarManager(manager);
    BarManagerChanged();
  }
  inherited::ReadState(Reader);
}

TComponent* TdxBarItem::GetParentComponent() { return HasParent() ? FBarManager : nullptr; }

void TdxBarItem::SetParentComponent(TComponent* Value) {
  if (ComponentState().Contains(csLoading)) return;
  if (auto* manager = dynamic_cast<TdxBarManager*>(Value)) {
    SetBarManager(manager);
    BarManagerChanged();
  }
}

void TdxBarItem::Loaded() {
  inherited::Loaded();
  if (Action()) ActionChange(Action(), true);
  if (OnCreate) OnCreate(this);
}

void TdxBarItem::SetName(const String& NewName) {
  inherited::SetName(NewName);
  if (!(ComponentState().Contains(csDesigning) && NewName.empty())) ComponentChanged();
}

void TdxBarItem::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent && AComponent == Action()) SetAction(nullptr);
}

// --- Customizing ---------------------------------------------------------------------------

bool TdxBarItem::CanBeDeleted(bool Destruction) {
  if (LinkCount() > 0 && !Destruction) return true;
  return TdxBarComponent::CanBeDeleted(Destruction);
}

void TdxBarItem::DeleteFromSelection(TdxBarComponent*& Reference, bool Destruction) {
  if (LinkCount() > 0 && !Destruction) {
    while (!FLinks.empty()) delete FLinks.back();
    return;
  }
  TdxBarComponent::DeleteFromSelection(Reference, Destruction);
}

uint16_t TdxBarItem::GetSupportedActions() {
  if (!ComponentState().Contains(csDesigning)) return 1049;
  return 2;
}

void TdxBarItem::GetMasterObjects(TList* AList) {
  TComponent* owner = FBarManager ? FBarManager->Owner() : Owner();
  if (owner && AList->IndexOf(owner) < 0) AList->Add(owner);
}
