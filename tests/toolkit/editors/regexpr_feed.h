// Feeding text into a compiled expression one character at a time, as the mask
// editor does keystroke by keystroke.
#pragma once

#include <string>

#include "SysUtils.h"
#include "cxRegExpr.h"

// One mark per character: '+' taken, '-' refused (the position stays); then
// " A" when the text may end there, " I" when it may not.
inline std::string Feed(TcxRegExpr& Expr, const String& Text) {
  std::string marks;
  for (wchar_t c : Text) {
    wchar_t ch = c;
    marks += Expr.Advance(ch) ? '+' : '-';
  }
  marks += Expr.IsAccepting() ? " A" : " I";
  return marks;
}

inline std::string Narrow(const String& s) { return std::string(s.begin(), s.end()); }

// The locale separators the tests expect, restored afterwards.
class TLocaleSeparators {
 public:
  TLocaleSeparators(wchar_t Date, wchar_t Time, wchar_t Decimal) : FSaved(FormatSettings()) {
    FormatSettings().DateSeparator = Date;
    FormatSettings().TimeSeparator = Time;
    FormatSettings().DecimalSeparator = Decimal;
  }
  ~TLocaleSeparators() { FormatSettings() = FSaved; }

 private:
  TFormatSettings FSaved;
};
