// A component publishing one property of every kind that has a text form
// (and one that has none), for the tests and the fuzz target of PropText.
#pragma once

#include "PropText.h"

namespace proptext_test {

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
  String Text() const { return FText; }
  void SetText(const String& v) { FText = v; }
  int Count() const { return FCount; }
  void SetCount(int v) { FCount = v; }
  int64_t Big() const { return FBig; }
  void SetBig(int64_t v) { FBig = v; }
  double Ratio() const { return FRatio; }
  void SetRatio(double v) { FRatio = v; }
  TComponent* Buddy() const { return FBuddy; }
  void SetBuddy(TComponent* v) { FBuddy = v; }

 private:
  TColor FColor = clBtnFace;
  TShade FShade = shMedium;
  TShades FShades{shLight, shDark};
  bool FFlag = true;
  String FText = L"it's";
  int FCount = -12;
  int64_t FBig = 0;
  double FRatio = 1.5;
  TComponent* FBuddy = nullptr;
};

VAMIRE_PUBLISHED(TTarget,
                 Prop(L"Color", &TTarget::Color, &TTarget::SetColor).Idents(&ColorIdentMapper),
                 Prop(L"Shade", &TTarget::Shade, &TTarget::SetShade),
                 Prop(L"Shades", &TTarget::Shades, &TTarget::SetShades),
                 Prop(L"Flag", &TTarget::Flag, &TTarget::SetFlag),
                 Prop(L"Text", &TTarget::Text, &TTarget::SetText),
                 Prop(L"Count", &TTarget::Count, &TTarget::SetCount),
                 Prop(L"Big", &TTarget::Big, &TTarget::SetBig),
                 Prop(L"Ratio", &TTarget::Ratio, &TTarget::SetRatio),
                 Prop(L"Buddy", &TTarget::Buddy, &TTarget::SetBuddy))

}  // namespace proptext_test
