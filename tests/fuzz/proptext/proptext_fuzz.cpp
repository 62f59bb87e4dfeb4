// Property values as text, the way one component hands a setting to another
// by name: any text either raises the conversion error and leaves the value,
// or sets a value whose own text reads back to the same value.
#include "FuzzSupport.h"
#include "SysUtils.h"
#include "proptext_target.h"

using namespace proptext_test;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 512) return 0;
  const String text = fuzz::Narrow(data, size);
  for (const wchar_t* name : {L"Color", L"Shade", L"Shades", L"Flag", L"Count", L"Big", L"Ratio"}) {
    TTarget target(nullptr);
    String before, after, again;
    GetPropText(&target, name, before);
    try {
      fuzz::Check(SetPropText(&target, name, text), "a published property answered missing");
    } catch (const EConvertError&) {
      GetPropText(&target, name, after);
      fuzz::Check(after == before, "refused text changed the value");
      continue;
    }
    GetPropText(&target, name, after);
    TTarget copy(nullptr);
    fuzz::Check(SetPropText(&copy, name, after), "a value's own text was refused");
    GetPropText(&copy, name, again);
    fuzz::Check(again == after, "a value's text does not read back to it");
  }
  return 0;
}
