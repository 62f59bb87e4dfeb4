#include "cxEditConsts.h"

const wchar_t* const cxEditorsLibraryProductName = L"Toolkit Editors";

#define CX_EDIT_STRINGS(S) \
  S(scxRegExprLine, L"Line") \
  S(scxRegExprChar, L"Char") \
  S(scxRegExprNotAssignedSourceStream, L"The source stream is not assigned") \
  S(scxRegExprEmptySourceStream, L"The source stream is empty") \
  S(scxRegExprCantUsePlusQuantifier, L"The '+' quantifier cannot be applied here") \
  S(scxRegExprCantUseStarQuantifier, L"The '*' quantifier cannot be applied here") \
  S(scxRegExprCantCreateEmptyAlt, L"The alternative should not be empty") \
  S(scxRegExprCantCreateEmptyBlock, L"The block should not be empty") \
  S(scxRegExprIllegalSymbol, L"Illegal '%s'") \
  S(scxRegExprIllegalQuantifier, L"Illegal quantifier '%s'") \
  S(scxRegExprNotSupportQuantifier, L"The parameter quantifiers are not supported") \
  S(scxRegExprIllegalIntegerValue, L"Illegal integer value") \
  S(scxRegExprTooBigReferenceNumber, L"Too big reference number") \
  S(scxRegExprCantCreateEmptyEnum, L"Can't create empty enumeration") \
  S(scxRegExprSubrangeOrder, L"The starting character of the subrange must be less than the finishing one") \
  S(scxRegExprHexNumberExpected0, L"Hexadecimal number expected") \
  S(scxRegExprHexNumberExpected, L"Hexadecimal number expected but '%s' found") \
  S(scxRegExprMissing, L"Missing '%s'") \
  S(scxRegExprUnnecessary, L"Unnecessary '%s'") \
  S(scxRegExprIncorrectSpace, L"The space character is not allowed after '\\'") \
  S(scxRegExprNotCompiled, L"Regular expression is not compiled") \
  S(scxRegExprIncorrectParameterQuantifier, L"Incorrect parameter quantifier") \
  S(scxRegExprCantUseParameterQuantifier, L"The parameter quantifier cannot be applied here") \
  S(scxRegExprTooComplex, L"The expression is too complex") \
  S(scxRegExprNestedTooDeeply, L"The groups are nested too deeply")

CX_EDIT_STRINGS(DX_RESOURCE_STRING)

namespace {

constexpr PResStringRec kStrings[] = {CX_EDIT_STRINGS(DX_RESOURCE_STRING_ADDRESS)};
TdxResourceStringsUnit GUnit(cxEditorsLibraryProductName, &AddResourceStrings<kStrings>);

}  // namespace

String cxGetResourceStringFmt(PResStringRec res, const String& Arg) {
  String text = ResolveResourceString(res);
  const auto at = text.find(L"%s");
  if (at != String::npos) text.replace(at, 2, Arg);
  return text;
}

void cxEditConsts_Initialize() { GUnit.Start(); }

void cxEditConsts_Finalize() { GUnit.End(); }
