// The runtime's object model above the root unit: persistent objects,
// components with owners and free notifications, collections, pointer and
// object lists, string lists, the class registry used by streaming, and the
// event types shared by the control units. Needs no Win32.
#pragma once

#include <cstdint>
#include <vector>

#include "Streams.h"
#include "System.h"

class TFiler;
class TReader;
class TWriter;
class TPersistent;
class TComponent;
class TCollection;
class TCollectionItem;
class TStrings;
class TStringList;

// --- Resource strings of the unit -------------------------------------------------------
extern const TResStringRec SAssignError;         // Cannot assign a %s to a %s
extern const TResStringRec SClassNotFound;       // Class %s not found
extern const TResStringRec SDuplicateClass;      // A class named %s already exists
extern const TResStringRec SListIndexError;      // List index out of bounds (%d)
extern const TResStringRec SListCapacityError;   // List capacity out of bounds (%d)
extern const TResStringRec SListCountError;      // List count out of bounds (%d)
extern const TResStringRec SDuplicateString;     // String list does not allow duplicates
extern const TResStringRec SSortedListError;     // Operation not allowed on sorted list
extern const TResStringRec SDuplicateName;       // A component named %s already exists
extern const TResStringRec SInvalidName;         // '%s' is not a valid component name
extern const TResStringRec SInvalidProperty;     // Invalid property value

namespace vamire_detail {
// The text of Msg with each %s / %d replaced by the next argument, in order.
String FormatRes(PResStringRec Msg, std::initializer_list<String> Args);
}  // namespace vamire_detail

// --- Exceptions -------------------------------------------------------------------------
VAMIRE_EXCEPTION(EListError, Exception)
VAMIRE_EXCEPTION(EStringListError, Exception)
VAMIRE_EXCEPTION(EComponentError, Exception)
// Errors of the component reader and writer, among them an unknown class name.
VAMIRE_EXCEPTION(EFilerError, EStreamError)
VAMIRE_EXCEPTION(EClassNotFound, EFilerError)

// Installs the Win32 parts of the unit (comparison by the user's locale);
// defined in the platform layer. Harmless to call more than once.
void InstallPlatformClasses();

// --- Shared enumerations and event types ------------------------------------------------
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem, 8>;
enum TMouseButton { mbLeft, mbRight, mbMiddle };

using TMouseEvent = TMethod<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TMethod<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = TMethod<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = TMethod<void(TObject* Sender, wchar_t& Key)>;
using TGetStrProc = TMethod<void(const String& S)>;

enum TOperation { opInsert, opRemove };
enum TDuplicates { dupIgnore, dupAccept, dupError };
enum TListNotification { lnAdded, lnExtracted, lnDeleted };
enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

// The runtime's quick sort over positions L..R. `compare(i, p)` compares the
// entries at positions i and p, `exchange(i, j)` swaps two entries. Entries
// that compare equal may change their relative order. The scans are bounded,
// so a comparison that is not a consistent order cannot run past the range.
template <class Compare, class Exchange>
void RuntimeQuickSort(int L, int R, Compare compare, Exchange exchange) {
  if (L >= R) return;
  int I, J;
  do {
    I = L;
    J = R;
    int P = (L + R) / 2;
    do {
      while (I < R && compare(I, P) < 0) ++I;
      while (J > L && compare(J, P) > 0) --J;
      if (I <= J) {
        if (I != J) exchange(I, J);
        if (P == I) P = J;
        else if (P == J) P = I;
        ++I;
        --J;
      }
    } while (I <= J);
    if (L < J) RuntimeQuickSort(L, J, compare, exchange);
    L = I;
  } while (I < R);
}

// --- Class registry ---------------------------------------------------------------------
// Classes known to the streaming system by name. Classes are registered into
// the class group whose group class they descend from (the group of
// TPersistent unless StartClassGroup made another one).
void RegisterClass(TClass AClass);
void RegisterClasses(std::initializer_list<TClass> classes);
void UnRegisterClass(TClass AClass);
void UnRegisterClasses(std::initializer_list<TClass> classes);
// The registered class of that name (case-insensitive) in an active group, or null.
TClass GetClass(const String& ClassName);
// As GetClass, raising EClassNotFound "Class %s not found" when there is none.
TClass FindClass(const String& ClassName);
// Starts a group for AClass and its descendants.
void StartClassGroup(TClass AClass);
// Puts AClass's descendants into the group of AncestorClass.
void GroupDescendentsWith(TClass AClass, TClass AncestorClass);
// The group class of the group that takes AClass.
TClass ClassGroupOf(TClass AClass);
// Makes the group of AClass the only active one besides the base group;
// answers the group class of the previously active group.
TClass ActivateClassGroup(TClass AClass);

using TPersistentClass = TClass;
using TComponentClass = TClass;

// --- TPersistent ------------------------------------------------------------------------
class TPersistent : public TObject {
  VAMIRE_CLASS(TPersistent, TObject)
 public:
  TPersistent() = default;

  // Copies Source into this object; a class that cannot raises
  // EConvertError "Cannot assign a <source class> to a <this class>".
  virtual void Assign(TPersistent* Source);
  virtual String GetNamePath();
  // The object that owns this one for streaming and naming, or null.
  virtual TPersistent* GetOwner();
  // Lets the filer read and write data that is not a plain property.
  virtual void DefineProperties(TFiler* Filer);

 protected:
  virtual void AssignTo(TPersistent* Dest);
  [[noreturn]] void AssignError(TPersistent* Source);
};

// Implements IInterface without reference counting of its own: the counts go
// to the owner's interface when it has one, else do nothing. Ownership decides
// the lifetime.
class TInterfacedPersistent : public TPersistent, public virtual IInterface {
  VAMIRE_CLASS(TInterfacedPersistent, TPersistent)
 public:
  TInterfacedPersistent() = default;
  int32_t QueryInterface(const TGUID& iid, void** obj) override;
  int32_t _AddRef() override;
  int32_t _Release() override;
  bool GetInterface(const TGUID& iid, void** obj) override;

 private:
  IInterface* OwnerInterface();
};

// --- TComponent -------------------------------------------------------------------------
enum TComponentStateItem {
  csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating,
  csFixups, csFreeNotification, csInline, csDesignInstance
};
using TComponentState = TSet<TComponentStateItem, 16>;
enum TComponentStyleItem { csInheritable, csCheckPropAvail, csSubComponent, csTransient };
using TComponentStyle = TSet<TComponentStyleItem, 8>;

using TGetChildProc = TMethod<void(TComponent* Child)>;

// A component: named, owned by another component (which frees it), and told
// through Notification when components it watches are inserted or removed.
// References to components owned elsewhere are cleared in
// Notification(AComponent, opRemove) after FreeNotification.
class TComponent : public TPersistent, public virtual IInterface {
  VAMIRE_CLASS(TComponent, TPersistent)
 public:
  using TCreateArg = TComponent;
  // Joins AOwner at once. The owner's Notification(opInsert) runs while only
  // the TComponent part is built: compare the pointer there, don't cast it.
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  void BeforeDestruction() override;

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return int(FComponents.size()); }
  TComponent* Components(int Index) const;
  int ComponentIndex() const;
  void SetComponentIndex(int Value);
  TComponent* FindComponent(const String& AName) const;

  const String& Name() const { return FName; }
  virtual void SetName(const String& NewName);
  intptr_t Tag() const { return FTag; }
  void SetTag(intptr_t Value) { FTag = Value; }
  TComponentState ComponentState() const { return FComponentState; }
  TComponentStyle ComponentStyle() const { return FComponentStyle; }

  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  void DestroyComponents();
  // Marks this component and its owned components as being destroyed.
  void Destroying();

  // Asks AComponent to call Notification(AComponent, opRemove) on this one when it is freed.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  virtual bool HasParent();
  virtual TComponent* GetParentComponent();
  virtual void SetParentComponent(TComponent* Value);
  // Calls Proc for each child the component streams, Root being the streamed root.
  virtual void GetChildren(TGetChildProc Proc, TComponent* Root);
  virtual void SetChildOrder(TComponent* Child, int Order);
  // The component reader and writer (Streaming.h) stream the component's own
  // data through these; children are owned by GetChildOwner (null: the root)
  // and parented by GetChildParent (this component unless overridden).
  virtual void ReadState(TReader* Reader);
  virtual void WriteState(TWriter* Writer);
  virtual TComponent* GetChildOwner() { return nullptr; }
  virtual TComponent* GetChildParent() { return this; }

  String GetNamePath() override;
  TPersistent* GetOwner() override;

  int32_t QueryInterface(const TGUID& iid, void** obj) override;
  int32_t _AddRef() override;
  int32_t _Release() override;
  bool GetInterface(const TGUID& iid, void** obj) override;

  // Called once the whole form holding the component has been read.
  virtual void Loaded();
  // Set and clear csUpdating around a change of the component's contents.
  virtual void Updating();
  virtual void Updated();
  // For the component reader and writer (csLoading, csReading, csWriting,
  // csAncestor, csInline): they mark the components they process.
  void IncludeState(TComponentStateItem Item) { FComponentState.Include(Item); }
  void ExcludeState(TComponentStateItem Item) { FComponentState.Exclude(Item); }

  // Turns csDesigning on or off (there is no form designer; tests use it).
  void SetDesigning(bool Value, bool SetChildren = true);

 protected:
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  virtual void ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName);
  virtual void ValidateInsert(TComponent* AComponent);
  virtual void ValidateContainer(TComponent* AComponent);
  virtual void ChangeName(const String& NewName);
  void SetComponentStyle(TComponentStyle Value) { FComponentStyle = Value; }

 private:
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);
  void RemoveNotification(TComponent* AComponent);

  TComponent* FOwner = nullptr;
  String FName;
  intptr_t FTag = 0;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  TComponentState FComponentState;
  TComponentStyle FComponentStyle{csInheritable};
};

// --- Collections ------------------------------------------------------------------------
using TCollectionItemClass = TClass;

class TCollectionItem : public TPersistent {
  VAMIRE_CLASS(TCollectionItem, TPersistent)
 public:
  using TCreateArg = TCollection;
  explicit TCollectionItem(TCollection* Collection);
  ~TCollectionItem() override;

  TCollection* Collection() const { return FCollection; }
  virtual void SetCollection(TCollection* Value);
  int ID() const { return FID; }
  int Index() const;
  virtual void SetIndex(int Value);
  String DisplayName() { return GetDisplayName(); }
  virtual void SetDisplayName(const String& Value);

  String GetNamePath() override;
  TPersistent* GetOwner() override;

 protected:
  virtual String GetDisplayName();
  // Reports a change to the collection: this item, or every item when AllItems.
  void Changed(bool AllItems);

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};

class TCollection : public TPersistent {
  VAMIRE_CLASS(TCollection, TPersistent)
 public:
  using TCreateArg = void;
  explicit TCollection(TCollectionItemClass ItemClass);
  ~TCollection() override;

  TCollectionItem* Add();
  TCollectionItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  TCollectionItem* FindItemID(int ID) const;
  int Count() const { return int(FItems.size()); }
  TCollectionItem* Items(int Index) const;
  void SetItems(int Index, TCollectionItem* Value);
  TCollectionItemClass ItemClass() const { return FItemClass; }
  TPersistent* Owner() { return GetOwner(); }

  virtual void BeginUpdate();
  virtual void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  void Assign(TPersistent* Source) override;
  String GetNamePath() override;
  // The property name under which the owner streams this collection.
  void SetPropName(const String& Value) { FPropName = Value; }

 protected:
  // Called after a change; Item is null when the whole collection changed.
  virtual void Update(TCollectionItem* Item);
  virtual void Notify(TCollectionItem* Item, TCollectionNotification Action);
  virtual void SetItemName(TCollectionItem* Item);
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);
  void CheckIndex(int Index) const;

  TCollectionItemClass FItemClass;
  std::vector<TCollectionItem*> FItems;
  int FUpdateCount = 0;
  int FNextID = 0;
  String FPropName;
};

// A collection that knows its owner (for streaming and name paths).
class TOwnedCollection : public TCollection {
  VAMIRE_CLASS(TOwnedCollection, TCollection)
 public:
  TOwnedCollection(TPersistent* AOwner, TCollectionItemClass ItemClass)
      : TCollection(ItemClass), FOwner(AOwner) {}
  TPersistent* GetOwner() override { return FOwner; }

 private:
  TPersistent* FOwner;
};

// --- Lists ------------------------------------------------------------------------------
using TListSortCompare = int (*)(void* Item1, void* Item2);

// A list of untyped pointers.
class TList : public TObject {
  VAMIRE_CLASS(TList, TObject)
 public:
  TList() = default;
  ~TList() override;

  int Add(void* Item);
  void Insert(int Index, void* Item);
  void Delete(int Index);
  int Remove(void* Item);
  // Removes Item without deleting it (lnExtracted); answers it, or null when absent.
  void* Extract(void* Item);
  int IndexOf(void* Item) const;
  void Exchange(int Index1, int Index2);
  void Move(int CurIndex, int NewIndex);
  // Removes every null entry.
  void Pack();
  void Sort(TListSortCompare Compare);
  virtual void Clear();
  void* First() const { return Get(0); }
  void* Last() const { return Get(Count() - 1); }
  TList* Expand() { return this; }

  int Count() const { return int(FList.size()); }
  void SetCount(int NewCount);
  int Capacity() const { return int(FList.capacity()); }
  void SetCapacity(int NewCapacity);
  void* Items(int Index) const { return Get(Index); }
  void SetItems(int Index, void* Item);
  const std::vector<void*>& List() const { return FList; }

  [[noreturn]] static void Error(PResStringRec Msg, intptr_t Data);

 protected:
  void* Get(int Index) const;
  // Told after an entry was added, extracted or deleted.
  virtual void Notify(void* Ptr, TListNotification Action);

 private:
  std::vector<void*> FList;
};

// A list of objects that frees deleted entries when it owns its objects.
class TObjectList : public TList {
  VAMIRE_CLASS(TObjectList, TList)
 public:
  explicit TObjectList(bool AOwnsObjects = true) : FOwnsObjects(AOwnsObjects) {}
  ~TObjectList() override;

  int Add(TObject* AObject) { return TList::Add(AObject); }
  void Insert(int Index, TObject* AObject) { TList::Insert(Index, AObject); }
  int Remove(TObject* AObject) { return TList::Remove(AObject); }
  TObject* Extract(TObject* Item) { return static_cast<TObject*>(TList::Extract(Item)); }
  int IndexOf(TObject* AObject) const { return TList::IndexOf(AObject); }
  TObject* Items(int Index) const { return static_cast<TObject*>(Get(Index)); }
  void SetItems(int Index, TObject* AObject) { TList::SetItems(Index, AObject); }
  TObject* First() const { return Items(0); }
  TObject* Last() const { return Items(Count() - 1); }
  bool OwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

 protected:
  void Notify(void* Ptr, TListNotification Action) override;

 private:
  bool FOwnsObjects;
};

// A list of components that drops a component as soon as it is freed.
class TComponentList : public TObjectList {
  VAMIRE_CLASS(TComponentList, TObjectList)
 public:
  explicit TComponentList(bool AOwnsObjects = true) : TObjectList(AOwnsObjects) {}
  ~TComponentList() override;

  int Add(TComponent* AComponent) { return TObjectList::Add(AComponent); }
  void Insert(int Index, TComponent* AComponent) { TObjectList::Insert(Index, AComponent); }
  int Remove(TComponent* AComponent) { return TObjectList::Remove(AComponent); }
  TComponent* Extract(TComponent* Item) { return static_cast<TComponent*>(TList::Extract(static_cast<TObject*>(Item))); }
  int IndexOf(TComponent* AComponent) const { return TObjectList::IndexOf(AComponent); }
  TComponent* Items(int Index) const { return static_cast<TComponent*>(static_cast<TObject*>(Get(Index))); }
  TComponent* First() const { return Items(0); }
  TComponent* Last() const { return Items(Count() - 1); }

 protected:
  void Notify(void* Ptr, TListNotification Action) override;
  // Told when a listed component is being freed; removes it from the list.
  virtual void HandleFreeNotify(TObject* Sender, TComponent* AComponent);

 private:
  class TNexus;
  TNexus* FNexus = nullptr;
};

// A list of interfaces that holds a reference to each entry.
class TInterfaceList : public TObject {
  VAMIRE_CLASS(TInterfaceList, TObject)
 public:
  TInterfaceList() = default;
  ~TInterfaceList() override;

  int Add(IInterface* Item);
  void Insert(int Index, IInterface* Item);
  void Delete(int Index);
  int Remove(IInterface* Item);
  int IndexOf(IInterface* Item) const;
  void Exchange(int Index1, int Index2);
  void Clear();
  int Count() const { return int(FList.size()); }
  IInterface* Items(int Index) const;
  void SetItems(int Index, IInterface* Item);
  IInterface* First() const { return Items(0); }
  IInterface* Last() const { return Items(Count() - 1); }

 private:
  std::vector<IInterface*> FList;
};

// --- String lists -----------------------------------------------------------------------
constexpr const wchar_t* sLineBreak = L"\r\n";

// Strings, each with an object, and what every string list can do on top of
// the few operations a descendant implements.
class TStrings : public TPersistent {
  VAMIRE_CLASS(TStrings, TPersistent)
 public:
  TStrings() = default;

  // --- the operations descendants implement
  virtual int Count() const = 0;
  virtual String Strings(int Index) const = 0;
  virtual void SetStrings(int Index, const String& S);
  virtual TObject* Objects(int Index) const;
  virtual void SetObjects(int Index, TObject* AObject);
  virtual void Insert(int Index, const String& S) = 0;
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;

  // --- built on them (descendants may override for speed)
  virtual int Add(const String& S);
  virtual int AddObject(const String& S, TObject* AObject);
  virtual void InsertObject(int Index, const String& S, TObject* AObject);
  void Append(const String& S) { Add(S); }
  virtual void AddStrings(TStrings* Strings);
  virtual void Exchange(int Index1, int Index2);
  virtual void Move(int CurIndex, int NewIndex);
  virtual int IndexOf(const String& S) const;
  int IndexOfName(const String& Name) const;
  int IndexOfObject(TObject* AObject) const;
  bool Equals(TStrings* Strings) const;
  virtual int Capacity() const { return Count(); }
  virtual void SetCapacity(int) {}

  String Names(int Index) const;
  String Values(const String& Name) const;
  void SetValues(const String& Name, const String& Value);
  String ValueFromIndex(int Index) const;
  void SetValueFromIndex(int Index, const String& Value);

  // Every string followed by CR LF. Setting splits at CR LF, CR or LF.
  virtual String Text() const;
  virtual void SetText(const String& Value);
  String CommaText() const;
  void SetCommaText(const String& Value);
  String DelimitedText() const;
  void SetDelimitedText(const String& Value);
  wchar_t Delimiter() const { return FDelimiter; }
  void SetDelimiter(wchar_t Value) { FDelimiter = Value; }
  wchar_t QuoteChar() const { return FQuoteChar; }
  void SetQuoteChar(wchar_t Value) { FQuoteChar = Value; }
  wchar_t NameValueSeparator() const { return FNameValueSeparator; }
  void SetNameValueSeparator(wchar_t Value) { FNameValueSeparator = Value; }

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  void Assign(TPersistent* Source) override;

  // The rest of the stream as text in the platform's ANSI code page (D-1),
  // lines as SetText reads them; saving writes Text in that code page.
  virtual void LoadFromStream(TStream* Stream);
  virtual void SaveToStream(TStream* Stream);
  // Through a file stream (platform layer); file errors raise the stream's errors.
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName);

 protected:
  // Compares two strings as this list does (IndexOf, Names, Find).
  virtual int CompareStrings(const String& S1, const String& S2) const;
  virtual void SetUpdateState(bool Updating);
  [[noreturn]] void Error(PResStringRec Msg, intptr_t Data) const;
  void AssignTo(TPersistent* Dest) override;

 private:
  String DelimitedTextWith(wchar_t delimiter, wchar_t quote) const;
  void SetDelimitedTextWith(const String& Value, wchar_t delimiter, wchar_t quote);

  int FUpdateCount = 0;
  wchar_t FDelimiter = L',';
  wchar_t FQuoteChar = L'"';
  wchar_t FNameValueSeparator = L'=';
};

using TStringListSortCompare = int (*)(TStringList* List, int Index1, int Index2);

class TStringList : public TStrings {
  VAMIRE_CLASS(TStringList, TStrings)
 public:
  TStringList() = default;
  ~TStringList() override;

  int Count() const override { return int(FList.size()); }
  String Strings(int Index) const override;
  void SetStrings(int Index, const String& S) override;
  TObject* Objects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;
  int Add(const String& S) override;
  int AddObject(const String& S, TObject* AObject) override;
  void Insert(int Index, const String& S) override;
  void InsertObject(int Index, const String& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  void Move(int CurIndex, int NewIndex) override;
  int IndexOf(const String& S) const override;
  int Capacity() const override { return int(FList.capacity()); }
  void SetCapacity(int NewCapacity) override;

  // Binary search of a sorted list: true when found; Index is the match or
  // where S would be inserted. With dupAccept the first of equal strings.
  virtual bool Find(const String& S, int& Index) const;
  virtual void Sort();
  virtual void CustomSort(TStringListSortCompare Compare);

  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  virtual void Changed();
  virtual void Changing();
  void SetUpdateState(bool Updating) override;
  int CompareStrings(const String& S1, const String& S2) const override;
  // Inserts without the sorted-list check; Index is where the entry goes.
  virtual void InsertItem(int Index, const String& S, TObject* AObject);
  void ExchangeItems(int Index1, int Index2);

 private:
  struct TStringItem {
    String FString;
    TObject* FObject = nullptr;
  };
  void CheckIndex(int Index) const;
  void SortWith(TStringListSortCompare Compare);
  static int CompareItems(TStringList* List, int Index1, int Index2);

  std::vector<TStringItem> FList;
  bool FSorted = false;
  bool FCaseSensitive = false;
  TDuplicates FDuplicates = dupIgnore;
};
