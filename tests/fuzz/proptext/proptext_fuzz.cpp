// Property values as text, the way one component hands a setting to another
// by name: any text either raises the conversion error and leaves the value,
// or sets a value whose own text reads back to the same value.
#include "FuzzSupport.h"
#include "PropText.h"
#include "SysUtils.h"

namespace {

enum TShade { shLight, shMedium, shDark };
VAMIRE_ENUM_NAMES(TShade, L"shLight", L"shMedium", L"shDark")
using TShades = TSet<TShade, 3>;

class TTarget : public TComponent {
  VAMIRE_CLASS(TTarget, TComponent)
 public:
  using TComponent::TComponent;
  TColor Color() const { return FColor; }
  void SetColor(TColor v) { FColor = v; }
  TShade Shade() const { return FShade; }
  void SetShade(TShade v) { FShade = v; }
  TShades Shades() const { return FShades; }
  void SetShades(TShades v) { FShades = v; }
  bool Flag() const { return FFlag; }
  void SetFlag(bool v) { FFlag = v; }
  int64_t Big() const { return FBig; }
  void SetBig(int64_t v) { FBig = v; }
  double Ratio() const { return FRatio; }
  void SetRatio(double v) { FRatio = v; }

 private:
  TColor FColor = clBtnFace;
  TShade FShade = shMedium;
  TShades FShades;
  bool FFlag = false;
  int64_t FBig = 0;
  double FRatio = 0;
};

VAMIRE_PUBLISHED(TTarget, Prop(L"Color", &TTarget::Color, &TTarget::SetColor).Idents(&ColorIdentMapper),
                 Prop(L"Shade", &TTarget::Shade, &TTarget::SetShade), Prop(L"Shades", &TTarget::Shades, &TTarget::SetShades),
                 Prop(L"Flag", &TTarget::Flag, &TTarget::SetFlag), Prop(L"Big", &TTarget::Big, &TTarget::SetBig),
                 Prop(L"Ratio", &TTarget::Ratio, &TTarget::SetRatio))

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 512) return 0;
  const String text = fuzz::Narrow(data, size);
  for (const wchar_t* name : {L"Color", L"Shade", L"Shades", L"Flag", L"Big", L"Ratio"}) {
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
