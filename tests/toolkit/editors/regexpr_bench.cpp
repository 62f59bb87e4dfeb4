// Measures the regular-expression engine as the mask editor uses it. For three
// representative masks, side by side with the platform's std::regex doing the same
// work: compiling, and answering at every keystroke whether the text typed so far
// is complete (ours steps once per character; std::regex matches the whole prefix
// again). Then the expressions at the engine's limits: compile time and the cost
// of one keystroke, median and slowest.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "SysUtils.h"
#include "cxRegExpr.h"

namespace {

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

template <class F>
double MedianUs(int Rounds, F&& Work) {
  std::vector<double> times;
  for (int i = 0; i < Rounds; ++i) {
    const auto start = Clock::now();
    Work();
    times.push_back(Microseconds(Clock::now() - start));
  }
  return Median(times);
}

struct TBenchCase {
  const char* Name;
  const wchar_t* Expr;
  const wchar_t* Platform;  // the same expression in the platform's syntax
  const wchar_t* Text;      // a text the expression accepts
};

int GRefused = 0;

void Representative(const TBenchCase& c) {
  const double compileUs = MedianUs(301, [&] {
    TcxRegExpr expr;
    expr.CompileSource(c.Expr);
  });
  const double platformCompileUs = MedianUs(301, [&] { std::wregex re(c.Platform); });

  TcxRegExpr expr;
  expr.CompileSource(c.Expr);
  const std::wstring text = c.Text;
  const double feedUs = MedianUs(301, [&] {
    expr.Restart();
    for (wchar_t t : text) {
      wchar_t ch = t;
      if (!expr.Advance(ch)) ++GRefused;
      (void)expr.IsAccepting();
    }
    if (!expr.IsAccepting()) ++GRefused;
  });
  const std::wregex re(c.Platform);
  const double platformFeedUs = MedianUs(301, [&] {
    bool complete = false;
    for (std::size_t n = 1; n <= text.size(); ++n) complete = std::regex_match(text.begin(), text.begin() + n, re);
    if (!complete) ++GRefused;
  });
  const double perChar = feedUs / double(text.size()), platformPerChar = platformFeedUs / double(text.size());
  std::printf("%-20s compile %7.1f us  std::regex %7.1f us  (std/ours %.1f)   keystroke %6.3f us  std::regex %7.3f us  "
              "(std/ours %.1f)\n",
              c.Name, compileUs, platformCompileUs, platformCompileUs / compileUs, perChar, platformPerChar,
              platformPerChar / perChar);
}

struct TLimitCase {
  const char* Name;
  String Expr;
  String Text;  // typed one character at a time
};

void AtTheLimits(const TLimitCase& c) {
  const double compileUs = MedianUs(5, [&] {
    TcxRegExpr expr;
    expr.CompileSource(c.Expr);
  });
  TcxRegExpr expr;
  expr.CompileSource(c.Expr);
  std::vector<double> keystrokes;
  int largestSet = 0;
  for (wchar_t t : c.Text) {
    wchar_t ch = t;
    const auto start = Clock::now();
    if (!expr.Advance(ch)) ++GRefused;
    (void)expr.IsAccepting();
    keystrokes.push_back(Microseconds(Clock::now() - start));
    largestSet = std::max(largestSet, expr.Automat()->Current().Count());
  }
  std::printf("%-44s compile %9.0f us   keystroke median %8.1f us  slowest %8.1f us  (%d states at most)\n", c.Name,
              compileUs, Median(keystrokes), *std::max_element(keystrokes.begin(), keystrokes.end()), largestSet);
}

}  // namespace

// Under Windows the program is built with the wide entry point.
#ifdef _WIN32
int wmain() {
#else
int main() {
#endif
  const TBenchCase cases[] = {
      {"date", L"(0?[1-9]|[12]\\d|3[01])/(0?[1-9]|1[0-2])/(19|20)\\d\\d",
       L"(0?[1-9]|[12]\\d|3[01])/(0?[1-9]|1[0-2])/(19|20)\\d\\d", L"28/02/2024"},
      {"ip address", L"([01]?\\d\\d?|2[0-4]\\d|25[0-5])('.'([01]?\\d\\d?|2[0-4]\\d|25[0-5])){3}",
       L"([01]?\\d\\d?|2[0-4]\\d|25[0-5])(\\.([01]?\\d\\d?|2[0-4]\\d|25[0-5])){3}", L"192.168.100.254"},
      {"nested alternation", L"((\\w+|'\"'[^\"]*'\"')(','\\s*(\\d{1,3}|[a-f]+|(x|y)+)){0,4}\\s*';')+",
       L"((\\w+|\"[^\"]*\")(,\\s*(\\d{1,3}|[a-f]+|(x|y)+)){0,4}\\s*;)+", L"alpha, 123, abc, xyxy;\"quoted text\", 7;"},
  };
  FormatSettings().DateSeparator = L'/';
  for (const auto& c : cases) Representative(c);

  String run;
  for (int i = 0; i < 45000; ++i) run += L"a?";
  const TLimitCase limits[] = {
      {"run of 45,000 optional items", run + L"b", String(200, L'a') + L"b"},
      {"optional item in a repeated group x19", L"((a?){1000}){19}", String(200, L'a')},
      {"optional chain of 1000 repeated x30", L"(a{0,1000}){30}", String(1000, L'a')},
      {"199 groups around a{0,1000}, repeated x25", String(199, L'(') + L"a{0,1000}" + String(199, L')') + L"{0,25}",
       String(200, L'a')},
  };
  for (const auto& c : limits) AtTheLimits(c);
  if (GRefused) std::printf("SOME TEXT WAS REFUSED (%d)\n", GRefused);
  return GRefused ? 1 : 0;
}
