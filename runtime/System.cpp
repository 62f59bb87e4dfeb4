#include "System.h"

#include "SysUtils.h"

TClass TObject::StaticClass() {
  static const TMetaClass cls(L"TObject", nullptr, vamire_detail::CreatorOf<TObject>());
  return &cls;
}

TObject* TMetaClass::Create(TObject* arg) const {
  if (!FCreator) throw EClassCreateError(L"Cannot create an instance of the abstract class " + FName);
  return FCreator(arg);
}

namespace {
TResStringLoader GResStringLoader = nullptr;
}

void SetResStringLoader(TResStringLoader loader) { GResStringLoader = loader; }

String LoadResString(PResStringRec res) {
  if (!res) return String();
  String text;
  if (GResStringLoader && res->Id != 0 && GResStringLoader(res, text)) return text;
  return res->Text ? String(res->Text) : String();
}

bool TObject::GetInterface(const TGUID&, void** obj) {
  if (obj) *obj = nullptr;
  return false;
}

String TGUID::ToString() const {
  static const wchar_t kDigits[] = L"0123456789ABCDEF";
  String s = L"{";
  auto put = [&](uint64_t v, int digits) {
    for (int i = digits - 1; i >= 0; --i) s += kDigits[(v >> (4 * i)) & 15];
  };
  put(D1, 8);
  s += L'-';
  put(D2, 4);
  s += L'-';
  put(D3, 4);
  s += L'-';
  put(D4[0], 2);
  put(D4[1], 2);
  s += L'-';
  for (int i = 2; i < 8; ++i) put(D4[i], 2);
  s += L'}';
  return s;
}

// --- TInterfacedObject ----------------------------------------------------------------

bool TInterfacedObject::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IInterface>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

int32_t TInterfacedObject::QueryInterface(const TGUID& iid, void** obj) {
  if (!GetInterface(iid, obj)) return QI_NOINTERFACE;
  _AddRef();
  return QI_OK;
}

int32_t TInterfacedObject::_AddRef() { return ++FRefCount; }

int32_t TInterfacedObject::_Release() {
  const int32_t n = --FRefCount;
  if (n == 0) delete this;
  return n;
}

// --- Locale comparison ----------------------------------------------------------------

namespace {

// SysUtils' comparison: by the user's locale once its platform part is in,
// by code units (with simple case folding) natively.
int BuiltInLocaleCompare(const String& a, const String& b, bool ignoreCase) {
  const int r = ignoreCase ? AnsiCompareText(a, b) : AnsiCompareStr(a, b);
  return r < 0 ? -1 : r > 0 ? 1 : 0;
}

TLocaleCompare GLocaleCompare = &BuiltInLocaleCompare;

}  // namespace

int LocaleCompare(const String& a, const String& b, bool ignoreCase) { return GLocaleCompare(a, b, ignoreCase); }

TLocaleCompare SetLocaleCompare(TLocaleCompare compare) {
  TLocaleCompare old = GLocaleCompare;
  GLocaleCompare = compare ? compare : &BuiltInLocaleCompare;
  return old;
}

// --- Formatted exceptions -------------------------------------------------------------

Exception::Exception(const String& format, std::initializer_list<TVarRec> args) : FMessage(Format(format, args)) {}

Exception::Exception(const TResStringRec* res) : FMessage(LoadResString(res)) {}

Exception::Exception(const TResStringRec* res, std::initializer_list<TVarRec> args)
    : FMessage(Format(LoadResString(res), args)) {}
