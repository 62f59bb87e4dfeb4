// Groups of items, the manager's categories (which keep the items' category
// indexes in step), backgrounds and key-tip data.
#include <algorithm>

#include "dxBar_internal.h"

// --- Groups --------------------------------------------------------------------------------

TdxBarGroup::TdxBarGroup(TComponent* AOwner) : TdxBarComponent(AOwner) {
  FItems = std::make_unique<TdxBarComponentList>();
}

TdxBarGroup::~TdxBarGroup() {
  FItems.reset();
  SetBarManager(nullptr);
}

void TdxBarGroup::SetBarManager(TdxBarManager* Value) {
  if (FBarManager == Value) return;
  if (FBarManager) FBarManager->RemoveGroupFromList(this);
  FBarManager = Value;
  if (FBarManager) FBarManager->AddGroupToList(this);
}

TComponent* TdxBarGroup::GetParentComponent() { return FBarManager; }

void TdxBarGroup::SetParentComponent(TComponent* Value) {
  if (auto* manager = dynamic_cast<TdxBarManager*>(Value)) SetBarManager(manager);
}

void TdxBarGroup::SetName(const String& NewName) {
  inherited::SetName(NewName);
  ComponentChanged();
}

bool TdxBarGroup::Contains(TdxBarComponent* AComponent, int ADepth) const {
  if (ADepth > 64) return true;
  for (int i = 0; i < FItems->Count(); ++i) {
    TdxBarComponent* member = FItems->Items(i);
    if (member == AComponent) return true;
    if (auto* group = dynamic_cast<TdxBarGroup*>(member); group && group->Contains(AComponent, ADepth + 1))
      return true;
  }
  return false;
}

void TdxBarGroup::AddItem(TdxBarComponent* AComponent) {
  if (!AComponent || IndexOfItem(AComponent) >= 0) return;
  auto* group = dynamic_cast<TdxBarGroup*>(AComponent);
  if (AComponent == this || (group && group->Contains(this)))
    throw EdxException(ResolveResourceString(&dxSBAR_RECURSIVEGROUPS));
  FItems->Add(AComponent);
  AComponent->FreeNotification(this);
}

void TdxBarGroup::RemoveItem(TdxBarComponent* AComponent) { FItems->Remove(AComponent); }

int TdxBarGroup::IndexOfItem(TdxBarComponent* AComponent) const { return FItems->IndexOf(AComponent); }

int TdxBarGroup::ItemCount() const { return FItems->Count(); }

TdxBarComponent* TdxBarGroup::Items(int Index) const {
  return Index >= 0 && Index < FItems->Count() ? FItems->Items(Index) : nullptr;
}

void TdxBarGroup::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && FItems) FItems->Remove(AComponent);
}

template <class F>
void TdxBarGroup::ForEachLocked(bool ForEnabled, F Action) {
  const TComponentState state = ComponentState();
  const bool lock = FBarManager && !state.Contains(csLoading) && !state.Contains(csDestroying);
  (void)ForEnabled;
  if (lock) FBarManager->LockUpdate();
  TdxBarFinally unlock([&] {
    if (lock) FBarManager->UnlockUpdate(true, true);
  });
  for (int i = 0; i < FItems->Count(); ++i) Action(FItems->Items(i));
}

void TdxBarGroup::SetEnabled(bool Value) {
  FEnabled = Value;
  ForEachLocked(true, [Value](TdxBarComponent* C) { C->SetEnabled(Value); });
}

void TdxBarGroup::SetVisible(TdxBarItemVisible Value) {
  FVisible = Value;
  ForEachLocked(false, [Value](TdxBarComponent* C) { C->SetVisible(Value); });
}

void TdxBarGroup::SetGroupIndex(int AIndex) {
  if (!FBarManager) return;
  const int from = FBarManager->IndexOfGroup(this);
  if (from >= 0 && AIndex >= 0 && AIndex < FBarManager->GroupCount()) FBarManager->MoveGroup(from, AIndex);
}

// "Items" names the members; an inherited group writes them only when they differ.
bool TdxBarGroup::ItemNamesDiffer(TFiler* Filer) {
  auto* ancestor = dynamic_cast<TdxBarGroup*>(Filer->Ancestor());
  if (!ancestor) return true;
  if (ancestor->ItemCount() != ItemCount()) return true;
  for (int i = 0; i < ItemCount(); ++i)
    if (ancestor->Items(i)->Name() != Items(i)->Name()) return true;
  return false;
}

void TdxBarGroup::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(L"Items", TReaderProc(this, &TdxBarGroup::ReadItems),
                        TWriterProc(this, &TdxBarGroup::WriteItems), ItemNamesDiffer(Filer));
}

// The whole list is read before anything is kept, so a damaged list leaves
// the group as it was.
void TdxBarGroup::ReadItems(TReader* Reader) {
  auto names = std::make_unique<TStringList>();
  Reader->ReadListBegin();
  while (!Reader->EndOfList()) names->Add(Reader->ReadString());
  Reader->ReadListEnd();
  if (ComponentState().Contains(csLoading)) {
    FLoadedNames = std::move(names);
    return;
  }
  FItems->Clear();
  TComponent* root = FBarManager ? FBarManager->Owner() : Owner();
  for (int i = 0; root && i < names->Count(); ++i)
    if (auto* member = dynamic_cast<TdxBarComponent*>(root->FindComponent(names->Strings(i)))) AddItem(member);
}

void TdxBarGroup::WriteItems(TWriter* Writer) {
  Writer->WriteListBegin();
  for (int i = 0; i < ItemCount(); ++i) Writer->WriteString(Items(i)->Name());
  Writer->WriteListEnd();
}

void TdxBarGroup::Loaded() {
  inherited::Loaded();
  std::unique_ptr<TStringList> names = std::move(FLoadedNames);
  if (!names) return;
  TComponent* root = FBarManager ? FBarManager->Owner() : Owner();
  for (int i = 0; root && i < names->Count(); ++i)
    if (auto* member = dynamic_cast<TdxBarComponent*>(root->FindComponent(names->Strings(i)))) AddItem(member);
}

// --- Categories ----------------------------------------------------------------------------

TdxBarManagerCategories::TdxBarManagerCategories(TdxBarManager* ABarManager) : FBarManager(ABarManager) {
  if (!FBarManager->IsLoading()) Add(ResolveResourceString(&dxSBAR_DEFAULTCATEGORYNAME));
  OnChange = TNotifyEvent(this, &TdxBarManagerCategories::ListChanged);
}

TdxBarManagerCategories::~TdxBarManagerCategories() {
  OnChange = nullptr;
  for (int i = 0; i < Count(); ++i) delete Data(i);
  TStringList::Clear();
}

void TdxBarManagerCategories::ListChanged(TObject*) { FBarManager->NotifyModified(); }

TdxBarCategoryData* TdxBarManagerCategories::Data(int Index) const {
  return static_cast<TdxBarCategoryData*>(Objects(Index));
}

TdxBarCategoryData* TdxBarManagerCategories::EnsureData(int Index) {
  TdxBarCategoryData* data = Data(Index);
  if (!data) {
    data = new TdxBarCategoryData;
    SetObjects(Index, data);
  }
  return data;
}

// Items of categories From..To move by Delta, written straight into the items.
void TdxBarManagerCategories::ShiftItems(int From, int To, int Delta) {
  for (int i = 0; i < FBarManager->ItemCount(); ++i) {
    TdxBarItem* item = FBarManager->Items(i);
    if (item->Category() >= From && item->Category() <= To) item->SetCategoryIndex(item->Category() + Delta);
  }
}

void TdxBarManagerCategories::Clear() {
  for (int i = 0; i < Count(); ++i) {
    delete Data(i);
    TStringList::SetObjects(i, nullptr);
  }
  TStringList::Clear();
}

void TdxBarManagerCategories::Delete(int Index) {
  if (FMoving) return TStringList::Delete(Index);
  if (!IsValid(Index)) return TStringList::Delete(Index);
  std::vector<TdxBarItem*> doomed;
  for (int i = 0; i < FBarManager->ItemCount(); ++i)
    if (FBarManager->Items(i)->Category() == Index) doomed.push_back(FBarManager->Items(i));
  for (TdxBarItem* item : doomed) item->Free();
  ShiftItems(Index + 1, Count() - 1, -1);
  delete Data(Index);
  TStringList::SetObjects(Index, nullptr);
  TStringList::Delete(Index);
  if (Count() == 0) Add(ResolveResourceString(&dxSBAR_DEFAULTCATEGORYNAME));
}

void TdxBarManagerCategories::Insert(int Index, const String& S) { InsertObject(Index, S, nullptr); }

void TdxBarManagerCategories::InsertObject(int Index, const String& S, TObject* AObject) {
  if (!FMoving && IsValid(Index)) ShiftItems(Index, Count() - 1, 1);
  TStringList::InsertObject(Index, S, AObject);
}

void TdxBarManagerCategories::Exchange(int Index1, int Index2) {
  if (IsValid(Index1) && IsValid(Index2) && Index1 != Index2) {
    std::vector<TdxBarItem*> first, second;
    for (int i = 0; i < FBarManager->ItemCount(); ++i) {
      if (FBarManager->Items(i)->Category() == Index1) first.push_back(FBarManager->Items(i));
      if (FBarManager->Items(i)->Category() == Index2) second.push_back(FBarManager->Items(i));
    }
    for (TdxBarItem* item : first) item->SetCategory(Index2);
    for (TdxBarItem* item : second) item->SetCategory(Index1);
  }
  TStringList::Exchange(Index1, Index2);
}

void TdxBarManagerCategories::Move(int CurIndex, int NewIndex) {
  if (!IsValid(CurIndex) || !IsValid(NewIndex) || CurIndex == NewIndex) return;
  constexpr int Parked = -1000;
  std::vector<TdxBarItem*> moved;
  for (int i = 0; i < FBarManager->ItemCount(); ++i)
    if (FBarManager->Items(i)->Category() == CurIndex) moved.push_back(FBarManager->Items(i));
  for (TdxBarItem* item : moved) item->SetCategoryIndex(Parked);
  if (CurIndex < NewIndex) ShiftItems(CurIndex + 1, NewIndex, -1);
  else ShiftItems(NewIndex, CurIndex - 1, 1);
  for (TdxBarItem* item : moved) item->SetCategoryIndex(NewIndex);
  FMoving = true;
  TdxBarFinally done([this] { FMoving = false; });
  TStringList::Move(CurIndex, NewIndex);
}

void TdxBarManagerCategories::CustomSort(TStringListSortCompare Compare) {
  if (Sorted() || Count() < 2) return;
  BeginUpdate();
  TdxBarFinally end([this] { EndUpdate(); });
  RuntimeQuickSort(
      0, Count() - 1, [&](int I, int P) { return Compare(this, I, P); }, [&](int I, int J) { Exchange(I, J); });
}

void TdxBarManagerCategories::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(L"ItemsVisibles", TReaderProc(this, &TdxBarManagerCategories::ReadItemsVisibles),
                        TWriterProc(this, &TdxBarManagerCategories::WriteItemsVisibles), Count() > 0);
  Filer->DefineProperty(L"Visibles", TReaderProc(this, &TdxBarManagerCategories::ReadVisibles),
                        TWriterProc(this, &TdxBarManagerCategories::WriteVisibles), Count() > 0);
}

void TdxBarManagerCategories::ReadItemsVisibles(TReader* Reader) {
  BeginUpdate();
  TdxBarFinally end([this] { EndUpdate(); });
  Reader->ReadListBegin();
  for (int i = 0; !Reader->EndOfList(); ++i) {
    const int value = Reader->ReadInteger();
    if (i < Count() && value >= ivNever && value <= ivAlways)
      FBarManager->SetCategoryItemsVisible(i, TdxBarItemVisible(value));
  }
  Reader->ReadListEnd();
}

void TdxBarManagerCategories::WriteItemsVisibles(TWriter* Writer) {
  Writer->WriteListBegin();
  for (int i = 0; i < Count(); ++i) Writer->WriteInteger(FBarManager->CategoryItemsVisible(i));
  Writer->WriteListEnd();
}

void TdxBarManagerCategories::ReadVisibles(TReader* Reader) {
  BeginUpdate();
  TdxBarFinally end([this] { EndUpdate(); });
  Reader->ReadListBegin();
  for (int i = 0; !Reader->EndOfList(); ++i) {
    const bool value = Reader->ReadBoolean();
    if (i < Count()) FBarManager->SetCategoryVisible(i, value);
  }
  Reader->ReadListEnd();
}

void TdxBarManagerCategories::WriteVisibles(TWriter* Writer) {
  Writer->WriteListBegin();
  for (int i = 0; i < Count(); ++i) Writer->WriteBoolean(FBarManager->CategoryVisible(i));
  Writer->WriteListEnd();
}

// --- Backgrounds ---------------------------------------------------------------------------

TdxBarBackgrounds::TdxBarBackgrounds(TdxBarManager* ABarManager) : TdxBarPersistent(ABarManager) {
  FBar = std::make_unique<TBitmap>();
  FBar->OnChange = TNotifyEvent(this, &TdxBarBackgrounds::BarChanged);
  FSubMenu = std::make_unique<TBitmap>();
}

TdxBarBackgrounds::~TdxBarBackgrounds() { FBar->OnChange = nullptr; }

void TdxBarBackgrounds::SetBar(TBitmap* Value) {
  const bool wasEmpty = FBar->Empty();
  FBar->OnChange = nullptr;
  FBar->Assign(Value);
  FBar->OnChange = TNotifyEvent(this, &TdxBarBackgrounds::BarChanged);
  if (Value || !wasEmpty) BarChanged(nullptr);
}

void TdxBarBackgrounds::BarChanged(TObject*) {
  if (BarManager()) BarManager()->Restyle();
}

void TdxBarBackgrounds::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxBarBackgrounds*>(Source);
  if (!source) return inherited::Assign(Source);
  SetBar(source->Bar());
  SetSubMenu(source->SubMenu());
}

// --- Key tips ------------------------------------------------------------------------------

String TdxBarKeyTipData::KeyTipText() const { return AnsiUpperCase(Info.KeyTip); }

void TdxBarKeyTipData::ShowKeyTipWindow(IdxBarKeyTipWindowsManager* AManager) {
  if (FWindow || !AManager) return;
  FWindow = AManager->Add(KeyTipText(), Info.BasePoint, Info.HorzAlign, Info.VertAlign, Info.Flags);
}

void TdxBarKeyTipData::CloseKeyTipWindow(IdxBarKeyTipWindowsManager* AManager) {
  if (!FWindow || !AManager) return;
  AManager->Remove(FWindow);
  FWindow = nullptr;
}
