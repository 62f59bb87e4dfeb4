// The text editors' rules that need no window.
#include "cxTextEdit.h"

#include <algorithm>
#include <cmath>

#include "DateTime.h"
#include "cxEditConsts.h"

// --- Length, case, password ----------------------------------------------------------------
int NormalizeMaxLength(int AValue) { return std::max(AValue, 0); }

int EffectiveMaxLength(bool AAssigned, int AValue, bool AHasProvider, int AProviderValue) {
  if (AAssigned) return AValue;
  return AHasProvider ? AProviderValue : 0;
}

String ApplyCharCase(const String& AText, int ACharCase) {
  switch (ACharCase) {
    case cxCharCaseUpper:
      return AnsiUpperCase(AText);
    case cxCharCaseLower:
      return AnsiLowerCase(AText);
    default:
      return AText;
  }
}

String PasswordText(size_t ALength, wchar_t APasswordChar) {
  return String(ALength, APasswordChar == 0 ? L'*' : APasswordChar);
}

String TransformDisplayText(const String& AText, TcxEditEchoMode AEchoMode, wchar_t APasswordChar, int ACharCase) {
  if (AEchoMode == eemPassword) return PasswordText(AText.size(), APasswordChar);
  return ApplyCharCase(AText, ACharCase);
}

// --- Value bounds --------------------------------------------------------------------------
bool HasValueBound(int AKind, const TcxValueBounds& ABounds) {
  if (ABounds.MinAssigned != ABounds.MaxAssigned)
    return AKind == cxLowerBound ? ABounds.MinAssigned : ABounds.MaxAssigned;
  return ABounds.Max > ABounds.Min;
}

bool HasValueBounds(const TcxValueBounds& ABounds) {
  return HasValueBound(cxLowerBound, ABounds) || HasValueBound(cxUpperBound, ABounds);
}

bool IsValueOutOfBounds(const Variant& AValue, const TcxValueBounds& ABounds) {
  const TVarType type = AValue.VarType();
  if (!VarIsNumeric(AValue) && type != varDate) return false;
  const double value = type == varDate ? AValue.AsDate() : AValue.AsDouble();
  // A not-a-number compares false both ways: no bound says it is outside.
  return (HasValueBound(cxLowerBound, ABounds) && value < ABounds.Min) ||
         (HasValueBound(cxUpperBound, ABounds) && value > ABounds.Max);
}

// --- Display and edit formats --------------------------------------------------------------
String CalcDisplayFormat(const TcxFormatSources& S) {
  if (S.DisplayFormatAssigned) return S.DisplayFormat;
  if (S.HasProvider && !S.ProviderDisplayFormat.empty()) return S.ProviderDisplayFormat;
  return S.DefaultDisplayFormat;
}

TcxDisplayFormatOptions CalcDisplayFormatOptions(const TcxFormatSources& S) {
  TcxDisplayFormatOptions result;
  if (S.EditFormatAssigned) {
    result.Format = S.EditFormat;
    return result;
  }
  if ((!S.HasEditor || !S.Hosted) && S.HasProvider) result.IsCurrency = S.ProviderIsCurrency;
  if (S.HasProvider && !S.ProviderEditFormat.empty()) {
    result.Format = S.ProviderEditFormat;
    return result;
  }
  if (S.DisplayFormatAssigned)
    result.Format = S.DisplayFormat;
  else if (S.HasProvider && !S.ProviderDisplayFormat.empty())
    result.Format = S.ProviderDisplayFormat;
  else if (!S.DefaultDisplayFormat.empty())
    result.Format = S.DefaultDisplayFormat;
  else if (S.HasProvider)
    result.FromData = !S.CapabilitiesHaveBit2 && S.ProviderDisplayTextFromData;
  if (!S.UseDisplayFormatWhenEditing) result.Format.clear();
  return result;
}

// --- Fixed lists ---------------------------------------------------------------------------
bool IsLookupItemText(const String& AText, const std::vector<String>& AItems) {
  return std::any_of(AItems.begin(), AItems.end(), [&](const String& item) { return AnsiSameText(item, AText); });
}

bool IsFixedListTextValid(String& AText, TcxTextEditingStyle AStyle, bool AUsesLookupData,
                          const std::vector<String>& AItems, int ACharCase) {
  const bool listStyle = AStyle == tesCompleteFromList || AStyle == tesPickFromList;
  if (!AText.empty() && listStyle && AUsesLookupData && !IsLookupItemText(AText, AItems)) return false;
  AText = ApplyCharCase(AText, ACharCase);
  return true;
}

// --- Numbers shown as text -----------------------------------------------------------------
namespace {

// The decimal number a text holds: blanks around, a sign, the settings'
// decimal separator and an exponent; too large a number is none.
bool TextToDouble(const String& AText, const TFormatSettings& ASettings, double& AValue) {
  return TryStrToFloat(AText, AValue, ASettings) && std::isfinite(AValue);
}

// A double holds 15 significant digits for sure; more would print noise that reads back differently.
int HeldPrecision(int APrecision) { return std::clamp(APrecision, 1, 15); }

String FormatNumber(double AValue, const TcxNumberDisplayParams& P, const TFormatSettings& S) {
  if (P.Editing) {
    if (P.IsCurrency) return FloatToStrF(AValue, ffFixed, HeldPrecision(P.Precision), S.CurrencyDecimals, S);
    if (!P.EditFormat.empty()) return FormatFloat(P.EditFormat, AValue, S);
    return FloatToStrF(AValue, ffGeneral, HeldPrecision(P.Precision), 0, S);
  }
  if (!P.DisplayFormat.empty()) return FormatFloat(P.DisplayFormat, AValue, S);
  return FloatToStr(AValue, S);
}

}  // namespace

bool NumberTextToDisplayText(const String& AText, const TcxNumberDisplayParams& AParams,
                             const TFormatSettings& ASettings, String& AResult) {
  double value = 0;
  if (!TextToDouble(AText, ASettings, value)) return false;
  AResult = FormatNumber(value, AParams, ASettings);
  return true;
}

String NumericDisplayText(const Variant& AValue, const TcxNumberDisplayParams& AParams,
                          const TFormatSettings& ASettings) {
  if (AValue.IsNull() || AValue.IsEmpty()) return String();
  if (VarIsStr(AValue)) {
    const String text = AValue.AsString();
    String result;
    // The plain text shows when a format has nothing to work on.
    if (!AParams.Editing && AParams.DisplayFormat.empty()) return text;
    return NumberTextToDisplayText(text, AParams, ASettings, result) ? result : text;
  }
  if (VarIsNumeric(AValue)) {
    if (!AParams.Editing && AParams.DisplayFormat.empty()) return AValue.AsString();
    const double value = AValue.AsDouble();
    if (!std::isfinite(value)) return AValue.AsString();
    return FormatNumber(value, AParams, ASettings);
  }
  throw EConvertError(ResolveResourceString(&cxSEditNumericValueConvertError));
}

String PlainDisplayText(const Variant& AValue) {
  // An array has no plain text; one of several dimensions shows empty as
  // before, and so does a one-dimensional one instead of raising while painting.
  if (AValue.IsArray()) return String();
  return VarToStr(AValue);
}

// --- Text drawing --------------------------------------------------------------------------
unsigned TextEditDrawTextFlags(int AHorzAlignment, int AVertAlignment) {
  // Horizontal: the runtime's left, right, centre; vertical: top, bottom, centre.
  static constexpr unsigned horz[] = {0, 2, 1};
  static constexpr unsigned vert[] = {0, 32, 16};
  const unsigned h = AHorzAlignment >= 0 && AHorzAlignment < 3 ? horz[AHorzAlignment] : 0;
  const unsigned v = AVertAlignment >= 0 && AVertAlignment < 3 ? vert[AVertAlignment] : 0;
  return h | v | 512u | 262144u | 524288u;
}

TRect TextEditTextOffsets(const TRect& AContentOffsets, bool AHosted, TcxTextEditingStyle AStyle,
                          int AHorzAlignment) {
  TRect r = AContentOffsets;
  if (AHosted || (AStyle != tesPickFromList && AStyle != tesNoText)) return r;
  ++r.Top;
  --r.Bottom;
  if (AHorzAlignment == 1)
    ++r.Right;
  else
    ++r.Left;
  return r;
}

void ClipTextSelection(int ALength, int& AStart, int& ASelLength) {
  if (AStart < 0 || AStart >= ALength) {
    ASelLength = 0;
    return;
  }
  ASelLength = std::clamp(ASelLength, 0, ALength - AStart);
}
