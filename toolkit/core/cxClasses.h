// The small containers and bases the toolkit keeps its registrations and
// references in: class registries ordered by inheritance, owning object lists,
// object links that die with their object, a free-notification component, the
// proportional width distributor, text and naming helpers, and the persistent,
// component and collection bases the toolkit's settings and items derive from.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Classes.h"
#include "System.h"
#include "Units.h"
#include "Types.h"

// --- Text, method and value helpers -----------------------------------------------------

// The part before the first "|", or the whole text.
String TextBeforeBar(const String& AValue);
// The character at a 1-based position.
const wchar_t* CharPtrAt(const String& S, int APosition);
// Calls the event with the sender when it is assigned.
void FireNotifyEvent(TObject* ASender, const TNotifyEvent& AEvent);
template <class Sig>
bool MethodsEqual(const TMethod<Sig>& AMethod1, const TMethod<Sig>& AMethod2) {
  return AMethod1 == AMethod2;
}
TPersistent* GetOwnerOf(TPersistent* APersistent);
TSize NewSize(int cx, int cy);
// floor((A + B) / 2), also for negative sums.
int RangeMidpoint(int A, int B);
// 1 for x >= 0, else -1.
int SignOfReal(double x);
// Keeps 0-9, A-Z, a-z and "_" in their order.
void StripNonIdentifierChars(String& S);
// True when neither the owner's components nor theirs, recursively, have the
// name (compared without regard to case).
bool IsComponentNameFree(TComponent* AOwner, const String& AName);
// The first free name built from the base name (or the component's class
// name), behind the name of APrefixComponent when given, with a number when
// needed. False only when every number is taken.
bool GenerateUniqueComponentName(TComponent* AOwner, TComponent* APrefixComponent, TComponent* AComponent,
                                 String& AName, const String& ABaseName = String(),
                                 const String& AClassPrefix = String());

// --- Class registries -------------------------------------------------------------------

struct TcxRegisteredClassListItemData {
  TClass ItemClass;
  TClass RegisteredClass;
};

// Maps item classes to registered classes; a lookup answers the registration
// of the nearest registered ancestor (or of the class itself).
class TcxRegisteredClassList : public TObject {
  VAMIRE_CLASS(TcxRegisteredClassList, TObject)
 public:
  TcxRegisteredClassList() = default;

  // True with the entry of the class or its nearest registered ancestor; false
  // with the first entry of a descendant class, or -1 when there is none.
  virtual bool Find(TClass AItemClass, int& AIndex) const;
  virtual void AddRegistration(TClass AItemClass, TClass ARegisteredClass);
  // Removes every entry with both classes.
  virtual void RemoveRegistration(TClass AItemClass, TClass ARegisteredClass);
  TClass FindRegisteredClass(TClass AItemClass) const;

  int Count() const { return int(FItems.size()); }
  const TcxRegisteredClassListItemData& Items(int Index) const;

 private:
  // Ancestors stand before their descendants; equal item classes in registration order.
  std::vector<TcxRegisteredClassListItemData> FItems;
};

class TcxRegisteredClasses;

// Descriptions with their classes; its sort asks the registry to compare.
class TcxRegisteredClassesStringList : public TStringList {
  VAMIRE_CLASS(TcxRegisteredClassesStringList, TStringList)
 public:
  explicit TcxRegisteredClassesStringList(TcxRegisteredClasses* AOwner) : FOwner(AOwner) {}
  TcxRegisteredClasses* Owner() const { return FOwner; }
  void Sort() override;

 private:
  TcxRegisteredClasses* FOwner;
};

// Registered classes with display descriptions. A description may carry more
// text after a "|"; the description proper is the part before it.
class TcxRegisteredClasses : public TObject {
  VAMIRE_CLASS(TcxRegisteredClasses, TObject)
 public:
  // With ARegisterClasses each newly registered class is also made known to streaming.
  explicit TcxRegisteredClasses(bool ARegisterClasses = false);
  ~TcxRegisteredClasses() override;

  // Case-insensitive, locale-aware order of two descriptions proper.
  virtual int CompareItems(int AIndex1, int AIndex2);
  virtual void Sort();

  // Does nothing for a class already registered (its description stays).
  void Register(TClass AClass, const String& ADescription);
  void Unregister(TClass AClass);
  // Exact, case-sensitive class name.
  TClass FindByClassName(const String& AClassName) const;

  int Count() const { return FItems->Count(); }
  TClass Items(int Index) const;
  String Descriptions(int Index) const;
  int IndexOf(TClass AClass) const;
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);

 private:
  std::unique_ptr<TcxRegisteredClassesStringList> FItems;
  bool FRegisterClasses;
  bool FSorted = false;
};

// --- Object lists -----------------------------------------------------------------------

// A pointer list of objects that frees them when it owns them. The plain list
// operations never free; FreeAll, FreeAndDelete and FreeAndRemove do.
class TcxObjectList : public TList {
  VAMIRE_CLASS(TcxObjectList, TList)
 public:
  explicit TcxObjectList(bool AOwnObjects = true) : FOwnObjects(AOwnObjects) {}
  ~TcxObjectList() override;

  void Clear() override { FreeAll(); }
  // When owning, frees the objects first to last; then empties the list.
  void FreeAll();
  void FreeAndDelete(int Index);
  // The former index of the freed object, or -1 when it is not listed.
  int FreeAndRemove(TObject* AObject);
  TObject* GetItem(int Index) const { return static_cast<TObject*>(Get(Index)); }
  bool OwnObjects() const { return FOwnObjects; }

 private:
  bool FOwnObjects;
};

using TcxEventHandler = TMethod<void(TObject* Sender, const void* EventArgs)>;

class TcxEventHandlerCollection : public TObject {
  VAMIRE_CLASS(TcxEventHandlerCollection, TObject)
 public:
  TcxEventHandlerCollection() = default;
  void Add(const TcxEventHandler& AEvent);
  void Remove(const TcxEventHandler& AEvent);
  int Count() const { return int(FEvents.size()); }
  // Calls every handler in the order they were added.
  void CallHandlers(TObject* Sender, const void* EventArgs);

 private:
  std::vector<TcxEventHandler> FEvents;
};

// --- Object links -----------------------------------------------------------------------
// Code that runs something able to free its own object (a handler, a local
// message loop) takes a link first and checks Target() after each step.

class TcxObjectLink : public TObject {
  VAMIRE_CLASS(TcxObjectLink, TObject)
 public:
  TcxObjectLink() = default;
  // The linked object, or null once it has been freed.
  TObject* Target() const { return FTarget; }

 private:
  friend class TcxObjectLinkController;
  TObject* FTarget = nullptr;
};

// The live links. Exists while at least one link does.
class TcxObjectLinkController : public TObject {
  VAMIRE_CLASS(TcxObjectLinkController, TObject)
 public:
  TcxObjectLinkController() = default;
  TcxObjectLink* AddLink(TObject* AObject);
  void RemoveLink(TcxObjectLink* ALink);
  void ClearLinks(TObject* AObject);
  int LinkCount() const { return int(FLinks.size()); }

 private:
  std::vector<TcxObjectLink*> FLinks;
};

// Null for a null object.
TcxObjectLink* CreateObjectLink(TObject* AObject);
// Null does nothing.
void FreeObjectLink(TcxObjectLink* ALink);
// Clears every link to the object; destructors of linkable classes call it first.
void InvalidateObjectLinks(TObject* AObject);
// The controller, or null when no link exists.
TcxObjectLinkController* ObjectLinkController();

// --- Free notification ------------------------------------------------------------------

using TcxFreeNotificationEvent = TMethod<void(TComponent* Sender)>;

// Watches components and reports each one that is being freed.
class TcxFreeNotificator : public TComponent {
  VAMIRE_CLASS(TcxFreeNotificator, TComponent)
 public:
  using TComponent::TComponent;
  void AddSender(TComponent* ASender);
  void RemoveSender(TComponent* ASender);
  TcxFreeNotificationEvent OnFreeNotification;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
};

// --- Proportional widths ----------------------------------------------------------------

class TcxAutoWidthItem : public TObject {
  VAMIRE_CLASS(TcxAutoWidthItem, TObject)
 public:
  TcxAutoWidthItem() = default;
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value) { FMinWidth = Value; }
  int Width() const { return FWidth; }
  void SetWidth(int Value) { FWidth = Value; }
  bool Fixed() const { return FFixed; }
  void SetFixed(bool Value) { FFixed = Value; }
  // The result of the object's Calculate; -1 until then.
  int ComputedWidth() const { return FComputedWidth; }

 private:
  friend class TcxAutoWidthObject;
  int FMinWidth = 0;
  int FWidth = 0;
  bool FFixed = false;
  int FComputedWidth = -1;
};

// Shares AvailableSpace among its items in proportion to their widths, never
// giving an item less than its minimum; fixed items keep their width.
class TcxAutoWidthObject : public TObject {
  VAMIRE_CLASS(TcxAutoWidthObject, TObject)
 public:
  explicit TcxAutoWidthObject(int ACount = 0);
  ~TcxAutoWidthObject() override;

  TcxAutoWidthItem* AppendItem();
  void Calculate();
  int GetTotalWidth() const;
  int Count() const { return int(FItems.size()); }
  TcxAutoWidthItem* Items(int Index) const;
  // Set by the caller before Calculate.
  int AvailableSpace() const { return FAvailableSpace; }
  void SetAvailableSpace(int Value) { FAvailableSpace = Value; }

 private:
  std::vector<std::unique_ptr<TcxAutoWidthItem>> FItems;
  int FAvailableSpace = 0;
};

// --- Persistent, component and collection bases -----------------------------------------

// Implements the basic interface without reference counting: ownership decides the lifetime.
class TcxIUnknownObject : public TObject, public virtual IInterface {
  VAMIRE_CLASS(TcxIUnknownObject, TObject)
 public:
  TcxIUnknownObject() = default;
  int32_t QueryInterface(const TGUID& iid, void** obj) override;
  int32_t _AddRef() override { return -1; }
  int32_t _Release() override { return -1; }
  bool GetInterface(const TGUID& iid, void** obj) override;
};

class TcxInterfacedPersistent : public TInterfacedPersistent {
  VAMIRE_CLASS(TcxInterfacedPersistent, TInterfacedPersistent)
 public:
  using TCreateArg = TPersistent;
  explicit TcxInterfacedPersistent(TPersistent* AOwner) : FOwner(AOwner) {}
  TPersistent* Owner() const { return FOwner; }
  TPersistent* GetOwner() override { return FOwner; }

 private:
  TPersistent* FOwner;
};

// A component whose destruction clears the object links to it.
class TcxComponent : public TComponent {
  VAMIRE_CLASS(TcxComponent, TComponent)
 public:
  explicit TcxComponent(TComponent* AOwner) : TComponent(AOwner) {}
  ~TcxComponent() override;
  void BeforeDestruction() override;
  void Loaded() override;

  // At design time, keeps the first three collected components as links. A
  // linked component that is freed leaves its link empty.
  void RefreshFakeLinks();
  TComponent* FakeComponentLink1() const { return FFakeComponentLinks[0]; }
  void SetFakeComponentLink1(TComponent* Value) { SetFakeComponentLink(0, Value); }
  TComponent* FakeComponentLink2() const { return FFakeComponentLinks[1]; }
  void SetFakeComponentLink2(TComponent* Value) { SetFakeComponentLink(1, Value); }
  TComponent* FakeComponentLink3() const { return FFakeComponentLinks[2]; }
  void SetFakeComponentLink3(TComponent* Value) { SetFakeComponentLink(2, Value); }

 protected:
  virtual void CollectFakeLinkComponents(TList* AList);
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void SetFakeComponentLink(int Index, TComponent* Value);
  TComponent* FFakeComponentLinks[3] = {};
};

// A collection item whose interface counts go to its collection owner's interface.
class TcxInterfacedCollectionItem : public TCollectionItem, public virtual IInterface {
  VAMIRE_CLASS(TcxInterfacedCollectionItem, TCollectionItem)
 public:
  explicit TcxInterfacedCollectionItem(TCollection* Collection);
  int32_t QueryInterface(const TGUID& iid, void** obj) override;
  int32_t _AddRef() override;
  int32_t _Release() override;
  bool GetInterface(const TGUID& iid, void** obj) override;

 private:
  IInterface* FOwnerInterface = nullptr;
};

using TcxOwnedInterfacedCollectionChangeEvent = TMethod<void(TObject* Sender, TCollectionItem* AItem)>;
using TcxOwnedInterfacedCollectionCompareEvent =
    TMethod<int(TObject* Sender, TCollectionItem* AItem1, TCollectionItem* AItem2)>;

// An owned collection that can keep its items sorted and reports every update.
class TcxOwnedInterfacedCollection : public TOwnedCollection, public virtual IInterface {
  VAMIRE_CLASS(TcxOwnedInterfacedCollection, TOwnedCollection)
 public:
  TcxOwnedInterfacedCollection(TPersistent* AOwner, TCollectionItemClass ItemClass)
      : TOwnedCollection(AOwner, ItemClass) {}
  ~TcxOwnedInterfacedCollection() override;

  // Default order of two items: by index.
  virtual int OrderItems(TCollectionItem* AItem1, TCollectionItem* AItem2);
  int32_t QueryInterface(const TGUID& iid, void** obj) override;
  int32_t _AddRef() override { return -1; }
  int32_t _Release() override { return -1; }
  bool GetInterface(const TGUID& iid, void** obj) override;

  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value) { FSorted = Value; }
  bool IsDestroying() const { return (FState & cxcsDestroying) != 0; }
  TcxOwnedInterfacedCollectionChangeEvent OnChange;
  TcxOwnedInterfacedCollectionCompareEvent OnCompare;

 protected:
  // Sorts first when sorted and the whole collection changed, then reports.
  void Update(TCollectionItem* Item) override;

 private:
  friend void SortCollectionItems(TcxOwnedInterfacedCollection* ACollection);
  enum : unsigned { cxcsDestroying = 1, cxcsUpdating = 2, cxcsSorting = 4 };
  unsigned FState = 0;
  bool FSorted = false;
};

// Puts the items in the order of OnCompare (or OrderItems) unless the
// collection is inside an update or already sorting.
void SortCollectionItems(TcxOwnedInterfacedCollection* ACollection);

using TcxStringListCompareEvent = TMethod<int(TStringList* AList, int AIndex1, int AIndex2)>;

// A string list whose sort follows its compare event when one is assigned.
class TcxStringList : public TStringList {
  VAMIRE_CLASS(TcxStringList, TStringList)
 public:
  TcxStringList() = default;
  void Sort() override;
  TcxStringListCompareEvent OnCompare;
};

enum TcxComponentCollectionNotification { ccnAdded, ccnChanged, ccnRemoving, ccnExtracted, ccnDeleted };
constexpr TcxComponentCollectionNotification ItemAdded = ccnAdded;
constexpr TcxComponentCollectionNotification ItemChanged = ccnChanged;
constexpr TcxComponentCollectionNotification ItemRemoving = ccnRemoving;
constexpr TcxComponentCollectionNotification ItemExtracted = ccnExtracted;
constexpr TcxComponentCollectionNotification ItemDeleted = ccnDeleted;

class TcxComponentCollection;
class TcxComponentCollectionItem;

using TcxComponentCollectionChangeEvent =
    TMethod<void(TObject* Sender, TcxComponentCollectionItem* AItem, TcxComponentCollectionNotification AAction)>;

// A component that is an item of a component collection under a parent component.
class TcxComponentCollectionItem : public TComponent {
  VAMIRE_CLASS(TcxComponentCollectionItem, TComponent)
 public:
  explicit TcxComponentCollectionItem(TComponent* AOwner) : TComponent(AOwner) {}
  ~TcxComponentCollectionItem() override;

  // The collection an item of this class joins under that parent.
  virtual TcxComponentCollection* GetCollectionFor(TComponent* AParent) = 0;
  virtual String DisplayName() { return Name(); }
  // Leaves the current collection and joins the given one (null: leaves only).
  virtual void AssignCollection(TcxComponentCollection* ACollection);
  virtual void MoveToIndex(int AIndex);

  TcxComponentCollection* Collection() const { return FCollection; }
  int ID() const { return FID; }
  int IndexInCollection() const;
  // Reports a change of this item, or of every item with AAllItems.
  void NotifyChanged(bool AAllItems = false);

  bool HasParent() override { return GetParentComponent() != nullptr; }
  TComponent* GetParentComponent() override;
  void SetParentComponent(TComponent* Value) override;

 private:
  friend class TcxComponentCollection;
  TcxComponentCollection* FCollection = nullptr;
  int FID = 0;
};

class TcxComponentCollection : public TPersistent {
  VAMIRE_CLASS(TcxComponentCollection, TPersistent)
 public:
  TcxComponentCollection(TComponent* AParentComponent, TClass AItemClass);
  ~TcxComponentCollection() override;

  // A new item: owned by the parent component's owner, joined through its parent, then named.
  TcxComponentCollectionItem* AddItem();
  // Ignored unless the item is of the item class.
  void AttachItem(TcxComponentCollectionItem* AItem);
  void DetachItem(TcxComponentCollectionItem* AItem);
  // Frees every item, last first, and reports one change.
  void RemoveAll();
  void Assign(TPersistent* Source) override;
  TPersistent* GetOwner() override { return FParentComponent; }

  virtual void LockUpdates();
  // With AForce, reports a change of the whole collection (which reaches OnChange once unlocked).
  virtual void UnlockUpdates(bool AForce = true);
  void BeginUpdate() { LockUpdates(); }
  void EndUpdate(bool AForce = true) { UnlockUpdates(AForce); }
  // Calls UpdateItems while no update is pending.
  void NotifyChanged(TcxComponentCollectionItem* AItem, TcxComponentCollectionNotification AAction);

  TComponent* ParentComponent() const { return FParentComponent; }
  TClass ItemClass() const { return FItemClass; }
  int Count() const { return int(FItems.size()); }
  TcxComponentCollectionItem* Items(int Index) const;
  int IndexOf(const TcxComponentCollectionItem* AItem) const;
  int NextID() const { return FNextID; }
  int UpdateCount() const { return FUpdateCount; }
  TcxComponentCollectionChangeEvent OnChange;

 protected:
  virtual void NotifyItem(TcxComponentCollectionItem* AItem, TcxComponentCollectionNotification AAction);
  virtual void AssignItemName(TcxComponentCollectionItem* AItem);
  virtual void UpdateItems(TcxComponentCollectionItem* AItem, TcxComponentCollectionNotification AAction);

 private:
  friend class TcxComponentCollectionItem;
  void MoveItem(TcxComponentCollectionItem* AItem, int AIndex);
  void FreeItems();

  TComponent* FParentComponent;
  TClass FItemClass;
  std::vector<TcxComponentCollectionItem*> FItems;
  int FUpdateCount = 0;
  int FNextID = 0;
};

using TcxComponentListNotifyEvent =
    TMethod<void(TObject* Sender, TComponent* AComponent, TListNotification AAction)>;
using TcxComponentListChangeEvent =
    TMethod<void(TObject* Sender, TComponent* AComponent, TcxComponentCollectionNotification AAction)>;

// A component list that does not own its components, accepts only components
// of one class and reports additions, removals and changes.
class TcxComponentList : public TComponentList {
  VAMIRE_CLASS(TcxComponentList, TComponentList)
 public:
  TcxComponentList() : TComponentList(false) {}
  ~TcxComponentList() override;

  void LockUpdates() { ++FUpdateCount; }
  // Ends an update and reports a change of the whole list.
  void UnlockUpdates();
  void EndUpdateNoNotify();
  void BeginUpdate() { LockUpdates(); }
  void EndUpdate() { UnlockUpdates(); }
  void RemoveAll();
  int UpdateCount() const { return FUpdateCount; }

  TcxComponentListNotifyEvent OnNotify;
  TcxComponentListChangeEvent OnComponentListChanged;

 protected:
  void Notify(void* Ptr, TListNotification Action) override;
  virtual void DoNotifyComponent(TComponent* AComponent, TListNotification AAction);
  virtual TClass GetAcceptedClass() { return TComponent::StaticClass(); }
  void DoChanged(TComponent* AComponent, TcxComponentCollectionNotification AAction);

 private:
  int FUpdateCount = 0;
};

// Unit start (Win32: the toolkit's components join the class group of the runtime's
// controls, so a form reader that finds controls finds them too) and end (frees the
// resource-string overrides).
void cxClasses_Initialize();
void cxClasses_Finalize();
// Win32: the entry for the program's unit list.
extern const TUnitEntry cxClassesUnit;
