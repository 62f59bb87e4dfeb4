#include "cxClasses.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "SysUtils.h"
#include "dxCore.h"

// --- Text, method and value helpers -----------------------------------------------------

String TextBeforeBar(const String& AValue) {
  std::size_t bar = AValue.find(L'|');
  return bar == String::npos ? AValue : AValue.substr(0, bar);
}

const wchar_t* CharPtrAt(const String& S, int APosition) { return S.c_str() + (APosition - 1); }

void FireNotifyEvent(TObject* ASender, const TNotifyEvent& AEvent) {
  if (AEvent) AEvent(ASender);
}

TPersistent* GetOwnerOf(TPersistent* APersistent) { return APersistent ? APersistent->GetOwner() : nullptr; }

TSize NewSize(int cx, int cy) { return {cx, cy}; }

int RangeMidpoint(int A, int B) {
  std::int64_t sum = std::int64_t(A) + B;
  return int(sum >= 0 ? sum / 2 : -((-sum + 1) / 2));
}

int SignOfReal(double x) { return x >= 0 ? 1 : -1; }

void StripNonIdentifierChars(String& S) {
  S.erase(std::remove_if(S.begin(), S.end(), [](wchar_t c) { return !IsAsciiLetter(c) && !IsAsciiDigit(c) && c != L'_'; }),
          S.end());
}

bool IsComponentNameFree(TComponent* AOwner, const String& AName) {
  if (!AOwner) return true;
  for (int i = 0; i < AOwner->ComponentCount(); ++i) {
    TComponent* component = AOwner->Components(i);
    if (component == AOwner) continue;
    if (SameText(component->Name(), AName)) return false;
    if (!IsComponentNameFree(component, AName)) return false;
  }
  return true;
}

bool GenerateUniqueComponentName(TComponent* AOwner, TComponent* APrefixComponent, TComponent* AComponent,
                                 String& AName, const String& ABaseName, const String& AClassPrefix) {
  String base = ABaseName;
  StripNonIdentifierChars(base);
  if (base.empty() || IsAsciiDigit(base[0])) {
    String className = AComponent ? AComponent->ClassName() : String();
    String classPart;
    if (!AClassPrefix.empty() && className.size() >= AClassPrefix.size() &&
        SameText(className.substr(0, AClassPrefix.size()), AClassPrefix))
      classPart = className.substr(AClassPrefix.size());
    else if (!className.empty() && className[0] == L'T')
      classPart = className.substr(1);
    else
      classPart = className;
    base = classPart + base;
  }
  if (APrefixComponent) base = APrefixComponent->Name() + base;
  for (int number = ABaseName.empty() ? 1 : 0;; ++number) {
    String candidate = number > 0 ? base + std::to_wstring(number) : base;
    if (IsComponentNameFree(AOwner, candidate)) {
      AName = candidate;
      return true;
    }
    if (number == INT_MAX) return false;
  }
}

// --- TcxRegisteredClassList -------------------------------------------------------------

bool TcxRegisteredClassList::Find(TClass AItemClass, int& AIndex) const {
  AIndex = -1;
  for (int i = Count() - 1; i >= 0; --i) {
    TClass itemClass = FItems[std::size_t(i)].ItemClass;
    if (AItemClass->InheritsFrom(itemClass)) {
      AIndex = i;
      return true;
    }
    if (itemClass->InheritsFrom(AItemClass)) AIndex = i;
  }
  return false;
}

void TcxRegisteredClassList::AddRegistration(TClass AItemClass, TClass ARegisteredClass) {
  int index;
  if (Find(AItemClass, index))
    ++index;
  else if (index < 0)
    index = Count();
  FItems.insert(FItems.begin() + index, TcxRegisteredClassListItemData{AItemClass, ARegisteredClass});
}

void TcxRegisteredClassList::RemoveRegistration(TClass AItemClass, TClass ARegisteredClass) {
  std::erase_if(FItems, [&](const TcxRegisteredClassListItemData& item) {
    return item.ItemClass == AItemClass && item.RegisteredClass == ARegisteredClass;
  });
}

TClass TcxRegisteredClassList::FindRegisteredClass(TClass AItemClass) const {
  int index;
  return AItemClass && Find(AItemClass, index) ? FItems[std::size_t(index)].RegisteredClass : nullptr;
}

const TcxRegisteredClassListItemData& TcxRegisteredClassList::Items(int Index) const {
  if (Index < 0 || Index >= Count()) TList::Error(&SListIndexError, Index);
  return FItems[std::size_t(Index)];
}

// --- TcxRegisteredClasses ---------------------------------------------------------------
// The string list keeps class objects as its entries' objects; they are never
// used as objects, only converted back.

namespace {

TObject* ClassAsObject(TClass AClass) { return reinterpret_cast<TObject*>(const_cast<TMetaClass*>(AClass)); }
TClass ObjectAsClass(TObject* AObject) { return reinterpret_cast<TClass>(AObject); }

int CompareRegisteredClasses(TStringList* List, int Index1, int Index2) {
  return static_cast<TcxRegisteredClassesStringList*>(List)->Owner()->CompareItems(Index1, Index2);
}

}  // namespace

void TcxRegisteredClassesStringList::Sort() { CustomSort(&CompareRegisteredClasses); }

TcxRegisteredClasses::TcxRegisteredClasses(bool ARegisterClasses)
    : FItems(std::make_unique<TcxRegisteredClassesStringList>(this)), FRegisterClasses(ARegisterClasses) {}

TcxRegisteredClasses::~TcxRegisteredClasses() = default;

int TcxRegisteredClasses::CompareItems(int AIndex1, int AIndex2) {
  return AnsiCompareText(Descriptions(AIndex1), Descriptions(AIndex2));
}

void TcxRegisteredClasses::Sort() { FItems->Sort(); }

void TcxRegisteredClasses::Register(TClass AClass, const String& ADescription) {
  if (!AClass || IndexOf(AClass) >= 0) return;
  FItems->AddObject(ADescription, ClassAsObject(AClass));
  if (FSorted) Sort();
  if (FRegisterClasses) RegisterClass(AClass);
}

void TcxRegisteredClasses::Unregister(TClass AClass) {
  int index = IndexOf(AClass);
  if (index >= 0) FItems->Delete(index);
}

TClass TcxRegisteredClasses::FindByClassName(const String& AClassName) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->ClassName() == AClassName) return Items(i);
  return nullptr;
}

TClass TcxRegisteredClasses::Items(int Index) const { return ObjectAsClass(FItems->Objects(Index)); }

String TcxRegisteredClasses::Descriptions(int Index) const { return TextBeforeBar(FItems->Strings(Index)); }

int TcxRegisteredClasses::IndexOf(TClass AClass) const { return FItems->IndexOfObject(ClassAsObject(AClass)); }

void TcxRegisteredClasses::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  if (FSorted) Sort();
}

// --- TcxObjectList ----------------------------------------------------------------------

TcxObjectList::~TcxObjectList() { FreeAll(); }

void TcxObjectList::FreeAll() {
  if (FOwnObjects) {
    // A snapshot, so an object whose destructor touches the list frees no other twice.
    std::vector<void*> objects = List();
    TList::Clear();
    for (void* object : objects)
      if (object) static_cast<TObject*>(object)->Free();
  } else {
    TList::Clear();
  }
}

void TcxObjectList::FreeAndDelete(int Index) {
  TObject* object = GetItem(Index);
  // The entry leaves first, so a destructor that looks at the list never finds it.
  Delete(Index);
  if (object) object->Free();
}

int TcxObjectList::FreeAndRemove(TObject* AObject) {
  int index = IndexOf(AObject);
  if (index >= 0) FreeAndDelete(index);
  return index;
}

// --- TcxEventHandlerCollection ----------------------------------------------------------

void TcxEventHandlerCollection::Add(const TcxEventHandler& AEvent) {
  if (AEvent) FEvents.push_back(AEvent);
}

void TcxEventHandlerCollection::Remove(const TcxEventHandler& AEvent) {
  auto it = std::find(FEvents.begin(), FEvents.end(), AEvent);
  if (it != FEvents.end()) FEvents.erase(it);
}

void TcxEventHandlerCollection::CallHandlers(TObject* Sender, const void* EventArgs) {
  // A handler may remove handlers; the ones present at the start are called.
  std::vector<TcxEventHandler> events = FEvents;
  for (const TcxEventHandler& event : events) event(Sender, EventArgs);
}

// --- Object links -----------------------------------------------------------------------

namespace {
TcxObjectLinkController* GLinkController = nullptr;
int GLinkCount = 0;
}  // namespace

TcxObjectLink* TcxObjectLinkController::AddLink(TObject* AObject) {
  auto link = std::make_unique<TcxObjectLink>();
  link->FTarget = AObject;
  FLinks.push_back(link.get());
  return link.release();
}

void TcxObjectLinkController::RemoveLink(TcxObjectLink* ALink) {
  auto it = std::find(FLinks.begin(), FLinks.end(), ALink);
  if (it != FLinks.end()) FLinks.erase(it);
}

void TcxObjectLinkController::ClearLinks(TObject* AObject) {
  std::erase_if(FLinks, [AObject](TcxObjectLink* link) {
    if (link->FTarget != AObject) return false;
    link->FTarget = nullptr;
    return true;
  });
}

TcxObjectLink* CreateObjectLink(TObject* AObject) {
  if (!AObject) return nullptr;
  if (!GLinkController) GLinkController = new TcxObjectLinkController;
  TcxObjectLink* link = GLinkController->AddLink(AObject);
  ++GLinkCount;
  return link;
}

void FreeObjectLink(TcxObjectLink* ALink) {
  if (!ALink) return;
  if (ALink->Target() && GLinkController) GLinkController->RemoveLink(ALink);
  delete ALink;
  if (--GLinkCount == 0) {
    delete GLinkController;
    GLinkController = nullptr;
  }
}

void InvalidateObjectLinks(TObject* AObject) {
  if (GLinkController && AObject) GLinkController->ClearLinks(AObject);
}

TcxObjectLinkController* ObjectLinkController() { return GLinkController; }

// --- TcxFreeNotificator -----------------------------------------------------------------

void TcxFreeNotificator::AddSender(TComponent* ASender) {
  if (ASender) ASender->FreeNotification(this);
}

void TcxFreeNotificator::RemoveSender(TComponent* ASender) {
  if (ASender) ASender->RemoveFreeNotification(this);
}

void TcxFreeNotificator::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && OnFreeNotification) OnFreeNotification(AComponent);
}

// --- TcxAutoWidthObject -----------------------------------------------------------------

TcxAutoWidthObject::TcxAutoWidthObject(int ACount) { FItems.reserve(std::size_t(std::max(ACount, 0))); }

TcxAutoWidthObject::~TcxAutoWidthObject() = default;

TcxAutoWidthItem* TcxAutoWidthObject::AppendItem() {
  FItems.push_back(std::make_unique<TcxAutoWidthItem>());
  return FItems.back().get();
}

TcxAutoWidthItem* TcxAutoWidthObject::Items(int Index) const {
  if (Index < 0 || Index >= Count()) TList::Error(&SListIndexError, Index);
  return FItems[std::size_t(Index)].get();
}

int TcxAutoWidthObject::GetTotalWidth() const {
  int total = 0;
  for (const auto& item : FItems) total += item->FWidth;
  return total;
}

void TcxAutoWidthObject::Calculate() {
  int remainingWidth = FAvailableSpace;
  int remainingTotal = GetTotalWidth();
  for (const auto& item : FItems) item->FComputedWidth = -1;
  auto leave = [&](TcxAutoWidthItem* item, int width) {
    item->FComputedWidth = width;
    remainingWidth -= width;
    remainingTotal -= item->FWidth;
  };
  for (const auto& item : FItems)
    if (item->FFixed) leave(item.get(), item->FWidth);

  bool final = false;
  bool changed;
  do {
    const int available = remainingWidth, total = remainingTotal;
    int runningSum = 0;
    changed = false;
    for (const auto& item : FItems) {
      if (item->FComputedWidth != -1) continue;
      int share = MulDivRounded(runningSum + item->FWidth, available, total) - MulDivRounded(runningSum, available, total);
      if (final) {
        item->FComputedWidth = share;
      } else if (item->FMinWidth >= share) {
        leave(item.get(), item->FMinWidth);
        changed = true;
      }
      runningSum += item->FWidth;
    }
    if (!changed) final = !final;
  } while (remainingTotal != 0 && (changed || final));
}

// --- Unit start and end -----------------------------------------------------------------

void cxClasses_Finalize() { FreeResourceStringOverrides(); }
