// The editor library's message strings, filed under its product in the toolkit's
// resource-string repository so an application can replace them by name, and the
// editors' error class that carries them.
#pragma once

#include "System.h"
#include "dxCore.h"

// The product the editor strings are filed under.
extern const wchar_t* const cxEditorsLibraryProductName;

// Raised by the editors for rejected input and misuse. The mask editor's and the
// regular-expression engine's errors derive from it.
VAMIRE_EXCEPTION(EcxEditError, EdxException)

extern const TResStringRec scxRegExprLine;
extern const TResStringRec scxRegExprChar;
extern const TResStringRec scxRegExprNotAssignedSourceStream;
extern const TResStringRec scxRegExprEmptySourceStream;
extern const TResStringRec scxRegExprCantUsePlusQuantifier;
extern const TResStringRec scxRegExprCantUseStarQuantifier;
extern const TResStringRec scxRegExprCantCreateEmptyAlt;
extern const TResStringRec scxRegExprCantCreateEmptyBlock;
extern const TResStringRec scxRegExprIllegalSymbol;
extern const TResStringRec scxRegExprIllegalQuantifier;
extern const TResStringRec scxRegExprNotSupportQuantifier;
extern const TResStringRec scxRegExprIllegalIntegerValue;
extern const TResStringRec scxRegExprTooBigReferenceNumber;
extern const TResStringRec scxRegExprCantCreateEmptyEnum;
extern const TResStringRec scxRegExprSubrangeOrder;
extern const TResStringRec scxRegExprHexNumberExpected0;
extern const TResStringRec scxRegExprHexNumberExpected;
extern const TResStringRec scxRegExprMissing;
extern const TResStringRec scxRegExprUnnecessary;
extern const TResStringRec scxRegExprIncorrectSpace;
extern const TResStringRec scxRegExprNotCompiled;
extern const TResStringRec scxRegExprIncorrectParameterQuantifier;
extern const TResStringRec scxRegExprCantUseParameterQuantifier;
// The engine's limits, each named as the cause of the refusal.
extern const TResStringRec scxRegExprTooComplex;
extern const TResStringRec scxRegExprNestedTooDeeply;

// The text of an editor string with its one "%s" replaced by Arg, read through
// the repository (an application may have replaced it).
String cxGetResourceStringFmt(PResStringRec res, const String& Arg);

// Unit start files the product (on the first start only); unit end removes it.
void cxEditConsts_Initialize();
void cxEditConsts_Finalize();
