// Measures the regular-expression engine as the mask editor uses it: compile
// time of three representative expressions, then characters per second fed in
// one at a time (restarting after each complete text).
#include <chrono>
#include <cstdio>

#include "cxRegExpr.h"

namespace {

using Clock = std::chrono::steady_clock;

struct TBenchCase {
  const char* Name;
  const wchar_t* Expr;
  const wchar_t* Text;  // a text the expression accepts
};

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

void Run(const TBenchCase& c) {
  const int compileRounds = 2000;
  auto start = Clock::now();
  for (int i = 0; i < compileRounds; ++i) {
    TcxRegExpr expr;
    expr.CompileSource(c.Expr);
  }
  const double compileUs = Seconds(Clock::now() - start) / compileRounds * 1e6;

  TcxRegExpr expr;
  expr.CompileSource(c.Expr);
  const String text = c.Text;
  long long chars = 0;
  int refused = 0;
  start = Clock::now();
  const auto until = start + std::chrono::seconds(1);
  while (Clock::now() < until) {
    for (int round = 0; round < 200; ++round) {
      for (wchar_t t : text) {
        wchar_t ch = t;
        if (!expr.Advance(ch)) ++refused;
      }
      if (!expr.IsAccepting()) ++refused;
      expr.Restart();
      chars += static_cast<long long>(text.size());
    }
  }
  const double elapsed = Seconds(Clock::now() - start);
  std::printf("%-22s compile %8.1f us   feed %12.0f chars/s%s\n", c.Name, compileUs, chars / elapsed,
              refused ? "   (TEXT REFUSED)" : "");
}

}  // namespace

// Under Windows the program is built with the wide entry point.
#ifdef _WIN32
int wmain() {
#else
int main() {
#endif
  const TBenchCase cases[] = {
      {"date", L"(0?[1-9]|[12]\\d|3[01])/(0?[1-9]|1[0-2])/(19|20)\\d\\d", L"28/02/2024"},
      {"ip address",
       L"([01]?\\d\\d?|2[0-4]\\d|25[0-5])('.'([01]?\\d\\d?|2[0-4]\\d|25[0-5])){3}", L"192.168.100.254"},
      {"nested alternation", L"((\\w+|'\"'[^\"]*'\"')(','\\s*(\\d{1,3}|[a-f]+|(x|y)+)){0,4}\\s*';')+",
       L"alpha, 123, abc, xyxy;\"quoted text\", 7;"},
  };
  for (const auto& c : cases) Run(c);
  return 0;
}
