#include "System.h"

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
