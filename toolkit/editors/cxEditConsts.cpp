#include "cxEditConsts.h"

const wchar_t* const cxEditorsLibraryProductName = L"Toolkit Editors";

#define CX_EDIT_STRING(Name, Text) const TResStringRec Name = {L## #Name, Text};

CX_EDIT_STRING(scxRegExprLine, L"Line")
CX_EDIT_STRING(scxRegExprChar, L"Char")
CX_EDIT_STRING(scxRegExprNotAssignedSourceStream, L"The source stream is not assigned")
CX_EDIT_STRING(scxRegExprEmptySourceStream, L"The source stream is empty")
CX_EDIT_STRING(scxRegExprCantUsePlusQuantifier, L"The '+' quantifier cannot be applied here")
CX_EDIT_STRING(scxRegExprCantUseStarQuantifier, L"The '*' quantifier cannot be applied here")
CX_EDIT_STRING(scxRegExprCantCreateEmptyAlt, L"The alternative should not be empty")
CX_EDIT_STRING(scxRegExprCantCreateEmptyBlock, L"The block should not be empty")
CX_EDIT_STRING(scxRegExprIllegalSymbol, L"Illegal '%s'")
CX_EDIT_STRING(scxRegExprIllegalQuantifier, L"Illegal quantifier '%s'")
CX_EDIT_STRING(scxRegExprNotSupportQuantifier, L"The parameter quantifiers are not supported")
CX_EDIT_STRING(scxRegExprIllegalIntegerValue, L"Illegal integer value")
CX_EDIT_STRING(scxRegExprTooBigReferenceNumber, L"Too big reference number")
CX_EDIT_STRING(scxRegExprCantCreateEmptyEnum, L"Can't create empty enumeration")
CX_EDIT_STRING(scxRegExprSubrangeOrder, L"The starting character of the subrange must be less than the finishing one")
CX_EDIT_STRING(scxRegExprHexNumberExpected0, L"Hexadecimal number expected")
CX_EDIT_STRING(scxRegExprHexNumberExpected, L"Hexadecimal number expected but '%s' found")
CX_EDIT_STRING(scxRegExprMissing, L"Missing '%s'")
CX_EDIT_STRING(scxRegExprUnnecessary, L"Unnecessary '%s'")
CX_EDIT_STRING(scxRegExprIncorrectSpace, L"The space character is not allowed after '\\'")
CX_EDIT_STRING(scxRegExprNotCompiled, L"Regular expression is not compiled")
CX_EDIT_STRING(scxRegExprIncorrectParameterQuantifier, L"Incorrect parameter quantifier")
CX_EDIT_STRING(scxRegExprCantUseParameterQuantifier, L"The parameter quantifier cannot be applied here")
CX_EDIT_STRING(scxRegExprTooComplex, L"The expression is too complex")
CX_EDIT_STRING(scxRegExprNestedTooDeeply, L"The groups are nested too deeply")

#undef CX_EDIT_STRING

namespace {

// Registration order is the order of the editor string table.
void AddResourceStringNames(TdxProductResourceStrings* product) {
  for (PResStringRec res : {
           &scxRegExprLine,
           &scxRegExprChar,
           &scxRegExprNotAssignedSourceStream,
           &scxRegExprEmptySourceStream,
           &scxRegExprCantUsePlusQuantifier,
           &scxRegExprCantUseStarQuantifier,
           &scxRegExprCantCreateEmptyAlt,
           &scxRegExprCantCreateEmptyBlock,
           &scxRegExprIllegalSymbol,
           &scxRegExprIllegalQuantifier,
           &scxRegExprNotSupportQuantifier,
           &scxRegExprIllegalIntegerValue,
           &scxRegExprTooBigReferenceNumber,
           &scxRegExprCantCreateEmptyEnum,
           &scxRegExprSubrangeOrder,
           &scxRegExprHexNumberExpected0,
           &scxRegExprHexNumberExpected,
           &scxRegExprMissing,
           &scxRegExprUnnecessary,
           &scxRegExprIncorrectSpace,
           &scxRegExprNotCompiled,
           &scxRegExprIncorrectParameterQuantifier,
           &scxRegExprCantUseParameterQuantifier,
           &scxRegExprTooComplex,
           &scxRegExprNestedTooDeeply,
       })
    product->Add(res->Identifier, res);
}

TdxResourceStringsUnit GUnit(cxEditorsLibraryProductName, &AddResourceStringNames);

}  // namespace

String cxGetResourceStringFmt(PResStringRec res, const String& Arg) {
  String text = ResolveResourceString(res);
  const auto at = text.find(L"%s");
  if (at != String::npos) text.replace(at, 2, Arg);
  return text;
}

void cxEditConsts_Initialize() { GUnit.Start(); }

void cxEditConsts_Finalize() { GUnit.End(); }
