// The component reader: values of the binary form stream, components with
// their properties and children, fixups of component references, Loaded.
#include <algorithm>

#include "Streaming.h"
#include "SysUtils.h"

using vamire_detail::FormatRes;

namespace {

[[noreturn]] void InvalidStream() { throw EReadError(LoadResString(&SInvalidImage)); }

using vamire_detail::TSaved;

// A new component of the class the stream names.
TComponent* CreateComponent(const String& className, TComponent* owner) {
  TClass cls = FindClass(className);
  if (!cls->InheritsFrom(TComponent::StaticClass())) throw EReadError(FormatRes(&SNotAComponent, {className}));
  return static_cast<TComponent*>(cls->Create(owner));
}

}  // namespace

void TComponent::ReadState(TReader* Reader) { Reader->ReadData(this); }

// --- Values -------------------------------------------------------------------------------

void TReader::ReadBytes(void* Buffer, int64_t Count) {
  if (Count > 0) FStream->ReadBuffer(Buffer, int32_t(Count));
}

void TReader::Enter() {
  if (++FDepth > MaxFilerDepth) {
    --FDepth;
    throw EReadError(LoadResString(&SNestingTooDeep));
  }
}

void TReader::InvalidValue() { throw EReadError(LoadResString(&SInvalidPropertyValue)); }

// A length of Bytes bytes counting items of UnitSize bytes, checked against
// what the stream still holds, so a damaged length can't ask for gigabytes.
int64_t TReader::ReadLength(int Bytes, int UnitSize) {
  uint8_t b[4] = {};
  ReadBytes(b, Bytes);
  int64_t n = Bytes == 1 ? b[0] : int64_t(int32_t(b[0] | b[1] << 8 | b[2] << 16 | uint32_t(b[3]) << 24));
  if (n < 0 || n * UnitSize > FStream->Size() - FStream->Position()) throw EReadError(LoadResString(&SReadError));
  return n;
}

TValueType TReader::ReadValue() {
  uint8_t b = 0;
  ReadBytes(&b, 1);
  if (b > vaLast) InvalidStream();
  return TValueType(b);
}

TValueType TReader::NextValue() {
  const TValueType v = ReadValue();
  FStream->Seek(-1, soCurrent);
  return v;
}

// Looks at the raw byte: a component's prefix flags (0xF0 and up) are no value tag.
bool TReader::EndOfList() {
  uint8_t b = 0;
  ReadBytes(&b, 1);
  FStream->Seek(-1, soCurrent);
  return b == vaNull;
}

void TReader::ReadListBegin() {
  if (ReadValue() != vaList) InvalidValue();
}

void TReader::ReadListEnd() {
  if (ReadValue() != vaNull) InvalidValue();
}

void TReader::SkipValue() {
  Enter();
  switch (ReadValue()) {
    case vaNull: case vaFalse: case vaTrue: case vaNil: break;
    case vaList:
      while (!EndOfList()) SkipValue();
      ReadListEnd();
      break;
    case vaInt8: FStream->Seek(1, soCurrent); break;
    case vaInt16: FStream->Seek(2, soCurrent); break;
    case vaInt32: case vaSingle: FStream->Seek(4, soCurrent); break;
    case vaInt64: case vaDouble: case vaCurrency: case vaDate: FStream->Seek(8, soCurrent); break;
    case vaExtended: FStream->Seek(10, soCurrent); break;
    case vaString: case vaIdent: FStream->Seek(ReadLength(1, 1), soCurrent); break;
    case vaLString: case vaBinary: case vaUTF8String: FStream->Seek(ReadLength(4, 1), soCurrent); break;
    case vaWString: FStream->Seek(ReadLength(4, 2) * 2, soCurrent); break;
    case vaSet:
      while (!ReadStr().empty()) {}
      break;
    case vaCollection:
      while (!EndOfList()) {
        if (NextValue() >= vaInt8 && NextValue() <= vaInt32) ReadInteger();
        ReadListBegin();
        while (!EndOfList()) {
          ReadStr();
          SkipValue();
        }
        ReadListEnd();
      }
      ReadListEnd();
      break;
  }
  if (FStream->Position() > FStream->Size()) throw EReadError(LoadResString(&SReadError));
  Leave();
}

int64_t TReader::ReadInt64() {
  const TValueType v = ReadValue();
  uint8_t b[8] = {};
  switch (v) {
    case vaInt8: ReadBytes(b, 1); return int8_t(b[0]);
    case vaInt16: ReadBytes(b, 2); return int16_t(b[0] | b[1] << 8);
    case vaInt32: ReadBytes(b, 4); return int32_t(b[0] | b[1] << 8 | b[2] << 16 | uint32_t(b[3]) << 24);
    case vaInt64: {
      ReadBytes(b, 8);
      uint64_t u = 0;
      for (int i = 7; i >= 0; --i) u = u << 8 | b[i];
      return int64_t(u);
    }
    default: InvalidValue();
  }
}

int32_t TReader::ReadInteger() {
  const int64_t v = ReadInt64();
  if (v < INT32_MIN || v > INT32_MAX) InvalidValue();
  return int32_t(v);
}

bool TReader::ReadBoolean() {
  const TValueType v = ReadValue();
  if (v != vaTrue && v != vaFalse) InvalidValue();
  return v == vaTrue;
}

double TReader::ReadFloat() {
  const TValueType v = NextValue();
  if (v >= vaInt8 && v <= vaInt32) return double(ReadInteger());
  if (v == vaInt64) return double(ReadInt64());
  ReadValue();
  uint8_t b[10] = {};
  switch (v) {
    case vaExtended: ReadBytes(b, 10); return ExtendedToDouble(b);
    case vaSingle: {
      ReadBytes(b, 4);
      float f;
      std::memcpy(&f, b, 4);
      return f;
    }
    case vaDouble: case vaDate: {
      ReadBytes(b, 8);
      double d;
      std::memcpy(&d, b, 8);
      return d;
    }
    case vaCurrency: {
      ReadBytes(b, 8);
      int64_t c;
      std::memcpy(&c, b, 8);
      return double(c) / 10000.0;
    }
    default: InvalidValue();
  }
}

String TReader::ReadString() {
  const TValueType v = ReadValue();
  switch (v) {
    case vaString: case vaLString: {
      AnsiString s(size_t(ReadLength(v == vaString ? 1 : 4, 1)), '\0');
      ReadBytes(s.data(), int64_t(s.size()));
      return AnsiToString(s);
    }
    case vaUTF8String: {
      std::string s(size_t(ReadLength(4, 1)), '\0');
      ReadBytes(s.data(), int64_t(s.size()));
      return UTF8Decode(s);
    }
    case vaWString: {
      const int64_t n = ReadLength(4, 2);
      std::vector<uint8_t> b(size_t(n * 2));
      ReadBytes(b.data(), n * 2);
      std::u16string s(size_t(n), u'\0');
      for (int64_t i = 0; i < n; ++i) s[size_t(i)] = char16_t(b[size_t(2 * i)] | b[size_t(2 * i + 1)] << 8);
      return UTF16ToString(s);
    }
    default: InvalidValue();
  }
}

String TReader::ReadStr() {
  std::string s(size_t(ReadLength(1, 1)), '\0');
  ReadBytes(s.data(), int64_t(s.size()));
  return UTF8Decode(s);
}

std::vector<uint8_t> TReader::ReadBinary() {
  if (ReadValue() != vaBinary) InvalidValue();
  std::vector<uint8_t> data(size_t(ReadLength(4, 1)));
  ReadBytes(data.data(), int64_t(data.size()));
  return data;
}

String TReader::ReadIdent() {
  switch (ReadValue()) {
    case vaIdent: return ReadStr();
    case vaFalse: return L"False";
    case vaTrue: return L"True";
    case vaNil: return L"nil";
    case vaNull: return L"Null";
    default: InvalidValue();
  }
}

int64_t TReader::ReadSet(const TEnumNames* Names) {
  if (ReadValue() != vaSet) InvalidValue();
  int64_t bits = 0;
  for (String s = ReadStr(); !s.empty(); s = ReadStr()) {
    const int i = Names ? Names->IndexOf(s) : -1;
    if (i < 0 || i >= 64) InvalidValue();
    bits |= int64_t(1) << i;
  }
  return bits;
}

void TReader::ReadSignature() {
  uint8_t b[4] = {};
  if (FStream->Read(b, 4) != 4 || uint32_t(b[0] | b[1] << 8 | b[2] << 16 | uint32_t(b[3]) << 24) != FilerSignature)
    InvalidStream();
}

void TReader::ReadPrefix(TFilerFlags& Flags, int& AChildPos) {
  Flags = TFilerFlags();
  AChildPos = 0;
  uint8_t b = 0;
  ReadBytes(&b, 1);
  if ((b & 0xF0) != 0xF0) {
    FStream->Seek(-1, soCurrent);
    return;
  }
  for (int i = 0; i < 3; ++i)
    if (b >> i & 1) Flags.Include(TFilerFlag(i));
  if (Flags.Contains(ffChildPos)) AChildPos = ReadInteger();
}

// --- Properties ---------------------------------------------------------------------------

void TReader::DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc, bool) {
  if (!FCanHandle && ReadData && SameText(Name, FPropName)) {
    FCanHandle = true;
    ReadData(this);
  }
}

void TReader::DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc, bool) {
  if (FCanHandle || !ReadData || !SameText(Name, FPropName)) return;
  FCanHandle = true;
  if (ReadValue() != vaBinary) InvalidValue();
  TMemoryStream data;
  data.SetSize(ReadLength(4, 1));
  ReadBytes(data.Memory(), data.Size());
  data.SetPosition(0);
  ReadData(&data);
}

void TReader::ReadStrings(TStrings* Strings) {
  ReadListBegin();
  Strings->BeginUpdate();
  try {
    Strings->Clear();
    while (!EndOfList()) Strings->Add(ReadString());
  } catch (...) {
    Strings->EndUpdate();
    throw;
  }
  Strings->EndUpdate();
  ReadListEnd();
}

void TReader::ReadCollection(TCollection* Collection) {
  Enter();
  Collection->BeginUpdate();
  try {
    if (!EndOfList()) Collection->Clear();
    while (!EndOfList()) {
      if (NextValue() >= vaInt8 && NextValue() <= vaInt32) ReadInteger();  // the item's order
      ReadListBegin();
      TCollectionItem* item = Collection->Add();
      while (!EndOfList()) ReadProperty(item);
      ReadListEnd();
    }
    ReadListEnd();
  } catch (...) {
    Collection->EndUpdate();
    Leave();
    throw;
  }
  Collection->EndUpdate();
  Leave();
}

int64_t TReader::ReadOrdinal() {
  const TValueType v = NextValue();
  if (v == vaFalse || v == vaTrue) return ReadBoolean() ? 1 : 0;
  return ReadInt64();
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo& Prop) {
  switch (Prop.Kind) {
    case pkInteger: case pkInt64: {
      if (NextValue() == vaIdent) {
        int v = 0;
        if (!Prop.Idents || !Prop.Idents->ToInt(ReadIdent(), v)) InvalidValue();
        Prop.SetOrd(Instance, v);
        return;
      }
      const int64_t v = ReadInt64();
      if (Prop.Kind == pkInteger && (v < INT32_MIN || v > UINT32_MAX)) InvalidValue();
      Prop.SetOrd(Instance, v);
      return;
    }
    case pkBool: Prop.SetOrd(Instance, ReadBoolean() ? 1 : 0); return;
    case pkEnum: {
      if (NextValue() != vaIdent) {
        const int64_t v = ReadInt64();
        if (v < 0 || !Prop.Names || v >= Prop.Names->Count) InvalidValue();
        Prop.SetOrd(Instance, v);
        return;
      }
      const int i = Prop.Names ? Prop.Names->IndexOf(ReadIdent()) : -1;
      if (i < 0) InvalidValue();
      Prop.SetOrd(Instance, i);
      return;
    }
    case pkSet: Prop.SetOrd(Instance, ReadSet(Prop.Names)); return;
    case pkString: Prop.SetStr(Instance, ReadString()); return;
    case pkFloat: Prop.SetFloat(Instance, ReadFloat()); return;
    case pkClass: {
      const TValueType v = ReadValue();
      TObject* obj = Prop.GetObj(Instance);
      if (v == vaNil) {
        if (Prop.SetObj) Prop.SetObj(Instance, nullptr);
        return;
      }
      auto* collection = dynamic_cast<TCollection*>(obj);
      if (v != vaCollection || !collection) InvalidValue();
      ReadCollection(collection);
      return;
    }
    case pkComponent: {
      if (NextValue() == vaNil) {
        ReadValue();
        if (Prop.SetObj) Prop.SetObj(Instance, nullptr);
        return;
      }
      const String name = NextValue() == vaIdent ? ReadIdent() : ReadString();
      if (!Prop.SetObj) InvalidValue();
      String context = Instance->GetNamePath();
      FFixups.push_back({Instance, &Prop, name, context.empty() ? Instance->ClassName() : context});
      return;
    }
    case pkMethod: {
      const String name = ReadIdent();
      if (SameText(name, L"nil")) return;
      const THandlerInfo* h = FRoot ? FindHandler(FRoot->ClassType(), name) : nullptr;
      if (!h) throw EReadError(FormatRes(&SMethodNotFound, {name, FRoot ? FRoot->ClassName() : String(L"?")}));
      if (!Prop.Bind(Instance, *h, FRoot)) InvalidValue();
      return;
    }
  }
}

void TReader::ReadPersistentPath(TPersistent* Instance, const String& Path, const String& FullName) {
  const size_t dot = Path.find(L'.');
  if (dot != String::npos) {
    const TPropInfo* p = FindPublished(Instance->ClassType(), Path.substr(0, dot));
    // A sub-component (an edit's label) is written with its owner, as a nested object is.
    const auto* sub = p && p->Kind == pkComponent ? dynamic_cast<TComponent*>(p->GetObj(Instance)) : nullptr;
    if (p && (p->Kind == pkClass || (sub && sub->ComponentStyle().Contains(csSubComponent))))
      if (auto* nested = dynamic_cast<TPersistent*>(p->GetObj(Instance))) {
        TSaved<int> depth(FDepth);
        Enter();
        ReadPersistentPath(nested, Path.substr(dot + 1), FullName);
        return;
      }
  } else if (const TPropInfo* p = FindPublished(Instance->ClassType(), Path)) {
    ReadPropValue(Instance, *p);
    return;
  }
  if (auto* strings = dynamic_cast<TStrings*>(Instance); strings && SameText(Path, L"Strings")) {
    ReadStrings(strings);
    return;
  }
  // Not published: one of the properties the object defines itself.
  TSaved<String> name(FPropName);
  TSaved<bool> handled(FCanHandle);
  FPropName = Path;
  FCanHandle = false;
  Instance->DefineProperties(this);
  if (!FCanHandle) throw EReadError(FormatRes(&SUnknownProperty, {FullName}));
}

void TReader::ReadProperty(TPersistent* Instance) {
  const String name = ReadStr();
  try {
    ReadPersistentPath(Instance, name, name);
  } catch (const EFilerError&) {
    throw;  // class not found: its own message says it all
  } catch (const Exception& e) {
    String context = Instance->GetNamePath();
    if (context.empty()) context = Instance->ClassName();
    throw EReadError(FormatRes(&SPropertyError, {context, name, e.Message()}));
  }
}

// --- Components ---------------------------------------------------------------------------

void TReader::ReadData(TComponent* Instance) {
  while (!EndOfList()) ReadProperty(Instance);
  ReadListEnd();
  TSaved<TComponent*> owner(FOwner), parent(FParent);
  FOwner = Instance->GetChildOwner();
  if (!FOwner) FOwner = FRoot;
  FParent = Instance->GetChildParent();
  while (!EndOfList()) ReadComponent(nullptr);
  ReadListEnd();
}

TComponent* TReader::ReadComponent(TComponent* Component) {
  TSaved<int> depth(FDepth);
  Enter();
  TFilerFlags flags;
  int childPos = 0;
  ReadPrefix(flags, childPos);
  const String className = ReadStr();
  const String name = ReadStr();
  TComponent* result = Component;
  bool created = false;
  if (!result && flags.Contains(ffInherited)) {
    result = FOwner ? FOwner->FindComponent(name) : nullptr;
    if (!result) throw EReadError(FormatRes(&SAncestorNotFound, {name}));
  }
  if (!result) {
    result = CreateComponent(className, FOwner);
    created = true;
  }
  try {
    result->IncludeState(csLoading);
    result->IncludeState(csReading);
    if (!name.empty() && result->Name() != name) result->SetName(name);
    if (result->HasParent() && FParent) result->SetParentComponent(FParent);
    if (flags.Contains(ffChildPos) && FParent) FParent->SetChildOrder(result, childPos);
    if (std::find(FLoaded.begin(), FLoaded.end(), result) == FLoaded.end()) FLoaded.push_back(result);
    result->ReadState(this);
  } catch (...) {
    if (created) {
      std::erase_if(FLoaded, [&](TComponent* c) { return c == result || c->Owner() == result; });
      std::erase_if(FFixups, [&](const TFixup& f) { return f.Instance == result; });
      result->Free();
    }
    throw;
  }
  return result;
}

void TReader::ResolveFixups() {
  for (const TFixup& f : FFixups) {
    TComponent* target = nullptr;
    if (SameText(f.Name, FRoot->Name())) {
      target = FRoot;
    } else {
      target = FRoot->FindComponent(f.Name);
      if (!target) {
        // "Owner.Component": a component owned by one of the root's.
        const size_t dot = f.Name.find(L'.');
        if (dot != String::npos)
          if (TComponent* owner = FRoot->FindComponent(f.Name.substr(0, dot)))
            target = owner->FindComponent(f.Name.substr(dot + 1));
      }
    }
    String message;
    if (!target) message = FormatRes(&SComponentNotFound, {f.Name});
    else if (f.Prop->ObjClass && !target->InheritsFrom(f.Prop->ObjClass)) message = LoadResString(&SInvalidPropertyValue);
    if (!message.empty()) throw EReadError(FormatRes(&SPropertyError, {f.Context, f.Prop->Name, message}));
    f.Prop->SetObj(f.Instance, target);
  }
  FFixups.clear();
}

TComponent* TReader::ReadRootComponent(TComponent* Root) {
  ReadSignature();
  TFilerFlags flags;
  int childPos = 0;
  ReadPrefix(flags, childPos);
  const String className = ReadStr();
  const String name = ReadStr();
  const bool created = !Root;
  if (!Root) Root = CreateComponent(className, nullptr);
  try {
    // A second instance of a form keeps the name its owner gave it.
    if (!name.empty() && Root->Name() != name) {
      TComponent* same = Root->Owner() ? Root->Owner()->FindComponent(name) : nullptr;
      if (!same) Root->SetName(name);
    }
    FRoot = FLookupRoot = FOwner = Root;
    FParent = nullptr;
    Root->IncludeState(csLoading);
    Root->IncludeState(csReading);
    FLoaded.assign(1, Root);
    Root->ReadState(this);
    ResolveFixups();
  } catch (...) {
    for (TComponent* c : FLoaded) {
      c->ExcludeState(csReading);
      c->ExcludeState(csLoading);
    }
    FLoaded.clear();
    FFixups.clear();
    if (created) Root->Free();
    throw;
  }
  const std::vector<TComponent*> loaded = std::move(FLoaded);
  FLoaded.clear();
  for (TComponent* c : loaded) c->ExcludeState(csReading);
  for (TComponent* c : loaded) {
    c->Loaded();
    c->ExcludeState(csLoading);
  }
  return Root;
}
