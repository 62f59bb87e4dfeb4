// Feeding text into a compiled expression one character at a time, as the mask
// editor does keystroke by keystroke.
#pragma once

#include <pthread.h>

#include <cstddef>
#include <exception>
#include <functional>
#include <stdexcept>
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

// Runs Body on a thread of its own with a stack of Bytes (under Windows at least the
// program's own stack reserve), so a walk that recursed once per state fails here
// as it would in the program; Body's exception is raised again in the caller.
inline void RunOnStack(std::size_t Bytes, const std::function<void()>& Body) {
  struct TCall {
    const std::function<void()>* Body;
    std::exception_ptr Error;
  } call{&Body, nullptr};
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  pthread_attr_setstacksize(&attr, Bytes);
  pthread_t thread;
  const int created = pthread_create(
      &thread, &attr,
      [](void* p) -> void* {
        auto* c = static_cast<TCall*>(p);
        try {
          (*c->Body)();
        } catch (...) {
          c->Error = std::current_exception();
        }
        return nullptr;
      },
      &call);
  pthread_attr_destroy(&attr);
  if (created != 0) throw std::runtime_error("no thread for the stack test");
  pthread_join(thread, nullptr);
  if (call.Error) std::rethrow_exception(call.Error);
}
