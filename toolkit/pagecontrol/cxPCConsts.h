// The page control's message strings, filed under its product in the toolkit's
// resource-string repository so an application can replace them by name, and
// the way its error texts are built: "Class.Method: " and the string.
#pragma once

#include "System.h"
#include "dxCore.h"

// The product the page-control strings are filed under.
extern const wchar_t* const cxPCLibraryProductName;

extern const TResStringRec scxPCImageListIndexError;
extern const TResStringRec scxPCNoBaseImages;
extern const TResStringRec scxPCNoRegisteredStyles;
extern const TResStringRec scxPCPageIndexError;
extern const TResStringRec scxPCPainterClassError;
extern const TResStringRec scxPCStandardStyleError;
extern const TResStringRec scxPCStyleNameError;
extern const TResStringRec scxPCTabCountEqualsZero;
extern const TResStringRec scxPCTabIndexError;
extern const TResStringRec scxPCTabVisibleIndexOutsOfBounds;
extern const TResStringRec scxPCVisibleTabListEmpty;
extern const TResStringRec scxPCAllowRotateError;

// The string, read through the repository, with its %d and %s filled in order.
String cxPCFormatResourceString(PResStringRec AText, std::initializer_list<String> AArgs = {});
// Raises EdxException "AClassName.AMethodName: " followed by the formatted string.
[[noreturn]] void PCError(const String& AClassName, const String& AMethodName, PResStringRec AText,
                          std::initializer_list<String> AArgs = {});

// Unit start files the product (on the first start only); unit end removes it.
void cxPCConsts_Initialize();
void cxPCConsts_Finalize();
