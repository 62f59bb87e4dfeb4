// Value encoding of the component stream, the published-property registry
// and the identifier maps. The reader and writer are in Streaming_reader.cpp
// and Streaming_writer.cpp.
#include "Streaming.h"

#include <cmath>
#include <map>
#include <memory>

#include "GraphicsColors.h"
#include "SysUtils.h"

const TResStringRec SInvalidImage{L"SInvalidImage", L"Invalid stream format"};
const TResStringRec SInvalidPropertyValue{L"SInvalidPropertyValue", L"Invalid property value"};
const TResStringRec SUnknownProperty{L"SUnknownProperty", L"Property %s does not exist"};
const TResStringRec SPropertyError{L"SPropertyError", L"Error reading %s.%s: %s"};
const TResStringRec SMethodNotFound{L"SMethodNotFound", L"Method %s not found in %s"};
const TResStringRec SComponentNotFound{L"SComponentNotFound", L"Component %s not found"};
const TResStringRec SAncestorNotFound{L"SAncestorNotFound", L"Ancestor for '%s' not found"};
const TResStringRec SNotAComponent{L"SNotAComponent", L"Class %s is not a component class"};
const TResStringRec SNestingTooDeep{L"SNestingTooDeep", L"Form data nested too deeply"};

// --- Extended floats ----------------------------------------------------------------------

void DoubleToExtended(double value, uint8_t out[10]) {
  uint64_t mantissa = 0;
  uint16_t se = std::signbit(value) ? 0x8000 : 0;
  const double a = std::fabs(value);
  if (std::isnan(value)) {
    se |= 0x7FFF;
    mantissa = 0xC000000000000000ull;
  } else if (std::isinf(value)) {
    se |= 0x7FFF;
    mantissa = 0x8000000000000000ull;
  } else if (a != 0) {
    int exp = 0;
    const double frac = std::frexp(a, &exp);  // a = frac * 2^exp, frac in [0.5, 1)
    mantissa = uint64_t(std::ldexp(frac, 64));  // exact: doubles carry 53 bits
    se |= uint16_t(exp - 1 + 16383);
  }
  for (int i = 0; i < 8; ++i) out[i] = uint8_t(mantissa >> (8 * i));
  out[8] = uint8_t(se);
  out[9] = uint8_t(se >> 8);
}

double ExtendedToDouble(const uint8_t in[10]) {
  uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= uint64_t(in[i]) << (8 * i);
  const uint16_t se = uint16_t(in[8] | in[9] << 8);
  const int exp = se & 0x7FFF;
  const bool negative = (se & 0x8000) != 0;
  double v;
  if (exp == 0x7FFF) v = (mantissa << 1) ? NAN : INFINITY;
  else if (mantissa == 0) v = 0;
  else v = std::ldexp(double(mantissa), exp - 16383 - 63);
  return negative ? -v : v;
}

// --- Identifier maps ----------------------------------------------------------------------

int TEnumNames::IndexOf(const String& name) const {
  for (int i = 0; i < Count; ++i)
    if (SameText(name, Names[i])) return i;
  return -1;
}

bool IdentToInt(const String& ident, int& value, const TIdentMapEntry* map, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    if (SameText(ident, map[i].Name)) {
      value = map[i].Value;
      return true;
    }
  return false;
}

bool IntToIdent(int value, String& ident, const TIdentMapEntry* map, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    if (map[i].Value == value) {
      ident = map[i].Name;
      return true;
    }
  return false;
}

const TIdentMapper ColorIdentMapper{
    [](const String& ident, int& value) {
      TColor c = 0;
      if (!IdentToColor(ident, c)) return false;
      value = c;
      return true;
    },
    [](int value, String& ident) { return ColorToIdent(TColor(value), ident); }};

// --- Published registry -------------------------------------------------------------------

namespace {

struct TClassTable {
  TPublishedProvider Provider;
  bool Built = false;
  std::vector<TPublishedEntry> Entries;
  bool AllBuilt = false;
  std::vector<const TPropInfo*> All;  // with the ancestors'
};

std::map<TClass (*)(), TPublishedProvider>& Pending() {
  static std::map<TClass (*)(), TPublishedProvider> pending;
  return pending;
}

std::map<TClass, std::unique_ptr<TClassTable>>& Tables() {
  static std::map<TClass, std::unique_ptr<TClassTable>> tables;
  return tables;
}

// Moves registrations made before their class objects were asked for into the table.
void Settle() {
  auto& pending = Pending();
  if (pending.empty()) return;
  for (auto& [cls, provider] : pending) {
    auto& t = Tables()[cls()];
    t = std::make_unique<TClassTable>();
    t->Provider = provider;
  }
  pending.clear();
  for (auto& [cls, t] : Tables()) t->AllBuilt = false;
}

TClassTable* Own(TClass cls) {
  Settle();
  auto it = Tables().find(cls);
  if (it == Tables().end()) return nullptr;
  TClassTable* t = it->second.get();
  if (!t->Built) {
    t->Entries = t->Provider();
    t->Built = true;
  }
  return t;
}

}  // namespace

void RegisterPublished(TClass (*cls)(), TPublishedProvider provider) { Pending()[cls] = provider; }

void UnregisterPublished(TClass (*cls)()) {
  Pending().erase(cls);
  Tables().erase(cls());
  // Descendants' lists point into the table just gone.
  for (auto& [c, t] : Tables()) t->AllBuilt = false;
}

namespace {
struct TStreamedEntry {
  TClass (*Cls)();
  TObject* (*Fresh)();
};
std::vector<TStreamedEntry>& StreamedList() {
  static std::vector<TStreamedEntry> list;
  return list;
}
}  // namespace

void RegisterStreamedClass(TClass (*cls)(), TPublishedProvider provider, TObject* (*fresh)()) {
  RegisterPublished(cls, provider);
  RegisterClass(cls());
  StreamedList().push_back({cls, fresh});
}

void UnregisterStreamedClass(TClass (*cls)()) {
  auto& list = StreamedList();
  for (auto it = list.begin(); it != list.end(); ++it)
    if (it->Cls == cls) {
      list.erase(it);
      break;
    }
  UnRegisterClass(cls());
  UnregisterPublished(cls);
}

std::vector<TStreamedClassInfo> StreamedClasses() {
  std::vector<TStreamedClassInfo> result;
  for (const auto& e : StreamedList()) result.push_back({e.Cls(), e.Fresh});
  return result;
}

std::vector<String> PublishedDefaultMismatches(TObject* Instance) {
  std::vector<String> result;
  const String cls = Instance->ClassType()->ClassName();
  for (const TPropInfo* p : PublishedProperties(Instance->ClassType())) {
    switch (p->Kind) {
      case pkInteger: case pkInt64: case pkEnum: case pkSet: case pkBool: {
        if (!p->HasDefault || !p->GetOrd) break;
        const int64_t value = p->GetOrd(Instance);
        if (value != p->Default)
          result.push_back(cls + L"." + p->Name + L": " + IntToStr(value) + L", default " + IntToStr(p->Default));
        break;
      }
      case pkString: {
        if (!p->GetStr) break;
        const String value = p->GetStr(Instance);
        if (value != p->DefaultStr)
          result.push_back(cls + L"." + p->Name + L": \"" + value + L"\", default \"" + p->DefaultStr + L"\"");
        break;
      }
      default:
        break;
    }
  }
  return result;
}

const std::vector<const TPropInfo*>& PublishedProperties(TClass cls) {
  static const std::vector<const TPropInfo*> none;
  if (!cls) return none;
  TClassTable* t = Own(cls);
  if (!t) {
    // A class without a table of its own shows its ancestors' properties.
    auto& entry = Tables()[cls];
    entry = std::make_unique<TClassTable>();
    entry->Provider = [] { return std::vector<TPublishedEntry>{}; };
    t = Own(cls);
  }
  if (!t->AllBuilt) {
    t->All = PublishedProperties(cls->ClassParent());
    for (const auto& e : t->Entries) {
      if (e.IsHandler) continue;
      // A redeclared property replaces the ancestor's one in place.
      bool replaced = false;
      for (auto& p : t->All)
        if (SameText(p->Name, e.Prop.Name)) {
          p = &e.Prop;
          replaced = true;
        }
      if (!replaced) t->All.push_back(&e.Prop);
    }
    t->AllBuilt = true;
  }
  return t->All;
}

const TPropInfo* FindPublished(TClass cls, const String& name) {
  for (const TPropInfo* p : PublishedProperties(cls))
    if (SameText(name, p->Name)) return p;
  return nullptr;
}

const THandlerInfo* FindHandler(TClass cls, const String& name) {
  for (TClass c = cls; c; c = c->ClassParent())
    if (TClassTable* t = Own(c))
      for (const auto& e : t->Entries)
        if (e.IsHandler && SameText(name, e.HandlerInfo.Name)) return &e.HandlerInfo;
  return nullptr;
}

String HandlerNameOf(TObject* instance, const TPropInfo& prop, TObject* root) {
  if (!root || !prop.Assigned || !prop.Assigned(instance)) return String();
  for (TClass c = root->ClassType(); c; c = c->ClassParent())
    if (TClassTable* t = Own(c))
      for (const auto& e : t->Entries)
        if (e.IsHandler && prop.IsBound(instance, e.HandlerInfo, root)) return e.HandlerInfo.Name;
  return String();
}

// --- Whole streams ------------------------------------------------------------------------

TComponent* ReadComponentFromStream(TStream* Stream, TComponent* Instance) {
  TReader reader(Stream);
  return reader.ReadRootComponent(Instance);
}

void WriteComponentToStream(TStream* Stream, TComponent* Instance) {
  TWriter writer(Stream);
  writer.WriteRootComponent(Instance);
}

bool CollectionsEqual(TCollection* C1, TCollection* C2) {
  if (C1 == C2) return true;
  if (!C1 || !C2 || C1->Count() != C2->Count() || C1->ClassType() != C2->ClassType()) return false;
  TMemoryStream s1, s2;
  {
    TWriter w(&s1);
    w.WriteCollection(C1);
  }
  {
    TWriter w(&s2);
    w.WriteCollection(C2);
  }
  return s1.Size() == s2.Size() && std::memcmp(s1.Memory(), s2.Memory(), size_t(s1.Size())) == 0;
}
