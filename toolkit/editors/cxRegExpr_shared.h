// Helpers shared by the two halves of the regular-expression unit: the graph and
// matching (cxRegExpr.cpp) and the compiler (cxRegExpr_compile.cpp).
#pragma once

#include "Classes.h"
#include "cxRegExpr.h"
#include "dxCore.h"

namespace cxRegExprDetail {

// Characters the lexer skips and the space class matches.
inline bool IsBlank(wchar_t Ch) { return Ch == L' ' || Ch == 0 || Ch == 9 || Ch == 10 || Ch == 12 || Ch == 13; }

// The locale's separators as they are at the moment of the call.
inline wchar_t LocaleTimeSeparator() { return GetLocaleTimeSeparator(0); }
inline wchar_t LocaleDateSeparator() { return GetLocaleDateSeparator(0); }
inline wchar_t LocaleDecimalSeparator() { return GetLocaleDecimalSeparator(0); }

// An engine message, read through the repository when it is raised.
inline String Res(const TResStringRec& Rec, const String& Arg = String()) { return cxGetResourceStringFmt(&Rec, Arg); }

inline const String CRLF = L"\r\n";

// Items[Index] of an engine list; an index outside it raises the runtime's list
// error, as every list of the runtime does.
template <class T>
auto CheckedItem(const std::vector<T>& Items, int Index) -> decltype(Items[0]) {
  if (Index < 0 || static_cast<std::size_t>(Index) >= Items.size()) TList::Error(&SListIndexError, Index);
  return Items[static_cast<std::size_t>(Index)];
}

}  // namespace cxRegExprDetail
