// Resource strings, the class registry and the persistent bases.
#include "Classes.h"

#include <algorithm>

#include "SysUtils.h"

const TResStringRec SAssignError{L"SAssignError", L"Cannot assign a %s to a %s"};
const TResStringRec SClassNotFound{L"SClassNotFound", L"Class %s not found"};
const TResStringRec SDuplicateClass{L"SDuplicateClass", L"A class named %s already exists"};
const TResStringRec SListIndexError{L"SListIndexError", L"List index out of bounds (%d)"};
const TResStringRec SListCapacityError{L"SListCapacityError", L"List capacity out of bounds (%d)"};
const TResStringRec SListCountError{L"SListCountError", L"List count out of bounds (%d)"};
const TResStringRec SDuplicateString{L"SDuplicateString", L"String list does not allow duplicates"};
const TResStringRec SSortedListError{L"SSortedListError", L"Operation not allowed on sorted list"};
const TResStringRec SDuplicateName{L"SDuplicateName", L"A component named %s already exists"};
const TResStringRec SInvalidName{L"SInvalidName", L"'%s' is not a valid component name"};
const TResStringRec SInvalidProperty{L"SInvalidProperty", L"Invalid property value"};

String vamire_detail::FormatRes(PResStringRec Msg, std::initializer_list<String> Args) {
  const String format = LoadResString(Msg);
  String result;
  auto arg = Args.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == L'%' && i + 1 < format.size()) {
      const wchar_t spec = format[i + 1];
      if (spec == L'%') {
        result += L'%';
        ++i;
        continue;
      }
      if ((spec == L's' || spec == L'd') && arg != Args.end()) {
        result += *arg++;
        ++i;
        continue;
      }
    }
    result += format[i];
  }
  return result;
}

using vamire_detail::FormatRes;

// --- Class registry ---------------------------------------------------------------------

namespace {

// How many steps up from `cls` `ancestor` is; -1 when it is no ancestor.
int Distance(TClass cls, TClass ancestor) {
  int d = 0;
  for (TClass c = cls; c; c = c->ClassParent(), ++d)
    if (c == ancestor) return d;
  return -1;
}

struct TClassGroup {
  std::vector<TClass> GroupClasses;
  std::vector<TClass> Classes;
  bool Active = true;

  // Steps from `cls` to the nearest group class it descends from; -1 when none.
  int Reach(TClass cls) const {
    int best = -1;
    for (TClass g : GroupClasses) {
      int d = Distance(cls, g);
      if (d >= 0 && (best < 0 || d < best)) best = d;
    }
    return best;
  }
  TClass Find(const String& name) const {
    for (TClass c : Classes)
      if (SameText(c->ClassName(), name)) return c;
    return nullptr;
  }
};

struct TClassGroups {
  std::vector<TClassGroup> Groups;  // the first is the base group of TPersistent
  TClass ActiveClass = TPersistent::StaticClass();

  TClassGroups() {
    Groups.emplace_back();
    Groups[0].GroupClasses.push_back(TPersistent::StaticClass());
  }

  TClassGroup& GroupOf(TClass cls) {
    TClassGroup* best = &Groups[0];
    int bestReach = -1;
    for (TClassGroup& g : Groups) {
      int r = g.Reach(cls);
      if (r >= 0 && (bestReach < 0 || r < bestReach)) {
        best = &g;
        bestReach = r;
      }
    }
    return *best;
  }
  bool Registered(TClass cls) const {
    for (const TClassGroup& g : Groups)
      if (std::find(g.Classes.begin(), g.Classes.end(), cls) != g.Classes.end()) return true;
    return false;
  }
};

TClassGroups& Groups() {
  static TClassGroups groups;
  return groups;
}

void RegisterOne(TClass cls) {
  TClassGroups& groups = Groups();
  if (groups.Registered(cls)) return;
  TClassGroup& group = groups.GroupOf(cls);
  if (TClass other = group.Find(cls->ClassName()); other && other != cls)
    throw EFilerError(FormatRes(&SDuplicateClass, {cls->ClassName()}));
  group.Classes.push_back(cls);
}

}  // namespace

void RegisterClass(TClass AClass) {
  if (!AClass) return;
  // Ancestors up to TPersistent come along, so a reader finds them by name too.
  const TClass root = TPersistent::StaticClass();
  const bool persistent = AClass->InheritsFrom(root);
  for (TClass c = AClass; c; c = c->ClassParent()) {
    RegisterOne(c);
    if (!persistent || c == root) break;
  }
}

void RegisterClasses(std::initializer_list<TClass> classes) {
  for (TClass c : classes) RegisterClass(c);
}

void UnRegisterClass(TClass AClass) {
  for (TClassGroup& g : Groups().Groups) std::erase(g.Classes, AClass);
}

void UnRegisterClasses(std::initializer_list<TClass> classes) {
  for (TClass c : classes) UnRegisterClass(c);
}

TClass GetClass(const String& ClassName) {
  for (const TClassGroup& g : Groups().Groups)
    if (g.Active)
      if (TClass c = g.Find(ClassName)) return c;
  return nullptr;
}

TClass FindClass(const String& ClassName) {
  TClass c = GetClass(ClassName);
  if (!c) throw EClassNotFound(FormatRes(&SClassNotFound, {ClassName}));
  return c;
}

void StartClassGroup(TClass AClass) {
  TClassGroups& groups = Groups();
  for (const TClassGroup& g : groups.Groups)
    if (std::find(g.GroupClasses.begin(), g.GroupClasses.end(), AClass) != g.GroupClasses.end()) return;
  TClassGroup group;
  group.GroupClasses.push_back(AClass);
  groups.Groups.push_back(std::move(group));
}

void GroupDescendentsWith(TClass AClass, TClass AncestorClass) {
  TClassGroups& groups = Groups();
  TClassGroup& target = groups.GroupOf(AncestorClass);
  if (std::find(target.GroupClasses.begin(), target.GroupClasses.end(), AClass) == target.GroupClasses.end())
    target.GroupClasses.push_back(AClass);
  // Descendants registered before the grouping move into the group.
  for (TClassGroup& g : groups.Groups) {
    if (&g == &target) continue;
    for (auto it = g.Classes.begin(); it != g.Classes.end();) {
      if ((*it)->InheritsFrom(AClass) && &groups.GroupOf(*it) == &target) {
        target.Classes.push_back(*it);
        it = g.Classes.erase(it);
      } else {
        ++it;
      }
    }
  }
}

TClass ClassGroupOf(TClass AClass) {
  TClassGroup& g = Groups().GroupOf(AClass);
  return g.GroupClasses.empty() ? nullptr : g.GroupClasses.front();
}

TClass ActivateClassGroup(TClass AClass) {
  TClassGroups& groups = Groups();
  if (groups.ActiveClass == AClass) return nullptr;
  TClass previous = groups.ActiveClass;
  groups.ActiveClass = AClass;
  TClassGroup* active = &groups.GroupOf(AClass);
  for (size_t i = 0; i < groups.Groups.size(); ++i)
    groups.Groups[i].Active = i == 0 || &groups.Groups[i] == active;
  return previous;
}

// --- TPersistent ------------------------------------------------------------------------

void TPersistent::Assign(TPersistent* Source) {
  if (Source) Source->AssignTo(this);
  else AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) { Dest->AssignError(this); }

void TPersistent::AssignError(TPersistent* Source) {
  const String source = Source ? Source->ClassName() : String(L"nil");
  throw EConvertError(FormatRes(&SAssignError, {source, ClassName()}));
}

String TPersistent::GetNamePath() {
  String result = ClassName();
  if (TPersistent* owner = GetOwner()) {
    String s = owner->GetNamePath();
    if (!s.empty()) result = s + L"." + result;
  }
  return result;
}

TPersistent* TPersistent::GetOwner() { return nullptr; }

void TPersistent::DefineProperties(TFiler*) {}

// --- TInterfacedPersistent --------------------------------------------------------------

IInterface* TInterfacedPersistent::OwnerInterface() {
  TPersistent* owner = GetOwner();
  IInterface* intf = nullptr;
  if (owner) Supports<IInterface>(owner, intf);
  return intf;
}

bool TInterfacedPersistent::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IInterface>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

int32_t TInterfacedPersistent::QueryInterface(const TGUID& iid, void** obj) {
  if (!GetInterface(iid, obj)) return QI_NOINTERFACE;
  _AddRef();
  return QI_OK;
}

int32_t TInterfacedPersistent::_AddRef() {
  IInterface* owner = OwnerInterface();
  return owner ? owner->_AddRef() : -1;
}

int32_t TInterfacedPersistent::_Release() {
  IInterface* owner = OwnerInterface();
  return owner ? owner->_Release() : -1;
}
