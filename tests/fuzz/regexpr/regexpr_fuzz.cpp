// A mask editor's regular expression (a form file brings it) compiled, then fed
// keystrokes as an operator types them: characters, deletions, restarts, pasted
// text, with automatic completion and case folding on or off. Every consumed
// character is one history entry; the text consumed so far, fed afresh to the
// same expression, is taken whole and ends in the same accepting state.
#include <cstddef>
#include <cwctype>

#include "FuzzSupport.h"
#include "SysUtils.h"
#include "cxRegExpr.h"

namespace {

// Counts what the automaton steps over by itself.
struct TForced {
  void Added(wchar_t Ch) {
    Text += Ch;
    ++Steps;
  }
  void Removed() {
    fuzz::Check(!Text.empty(), "a forced character removed that was never added");
    Text.pop_back();
    --Steps;
  }
  String Text;  // the characters consumed so far, typed or forced
  int Steps = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 2048) return 0;
  fuzz::TFuzzReader in(data, size);
  // The separators the expression's classes follow, the same natively and under Wine.
  FormatSettings().DateSeparator = L'/';
  FormatSettings().TimeSeparator = L':';
  FormatSettings().DecimalSeparator = L'.';
  const uint8_t flags = in.Byte();
  const String source = in.Text(512);
  // Counts of three digits build up to the engine's hundred thousand states, and a
  // run then takes a second under the sanitizers; the unit tests and the
  // benchmark take the engine to its limits, the fuzzer goes for variety.
  for (std::size_t i = 0; i + 2 < source.size(); ++i)
    if (std::iswdigit(source[i]) && std::iswdigit(source[i + 1]) && std::iswdigit(source[i + 2])) return 0;

  TcxRegExpr expr;
  TForced forced;
  expr.OnForcedCharAdded = TcxRegExprForcedCharAddedEvent(&forced, &TForced::Added);
  expr.OnForcedCharRemoved = TcxRegExprForcedCharRemovedEvent(&forced, &TForced::Removed);
  expr.SetCaseInsensitive(flags & 1);
  expr.SetAutoComplete(flags & 2);
  try {
    expr.CompileSource(source);
  } catch (const EcxRegExprError& e) {
    fuzz::Check(e.Errors().Count() > 0 && !expr.IsCompiled(), "a refused expression without an error");
    return 0;
  }
  fuzz::Check(expr.Automat()->HistoryCount() == forced.Steps, "forced steps at compilation not in the history");

  // Keystrokes: 1 deletes, 2 goes home, 3 pastes the next few bytes, anything else is typed.
  for (int ops = 0; ops < 64 && in.Left() > 0; ++ops) {
    const uint8_t op = in.Byte();
    if (op == 1) {
      const bool back = expr.StepBack();
      if (back) forced.Text.pop_back();
      fuzz::Check(back || expr.Automat()->HistoryCount() == 0, "a step back refused with history left");
    } else if (op == 2) {
      expr.Restart();
      forced.Text.clear();
      fuzz::Check(expr.IsAtStart() && expr.Automat()->HistoryCount() == 0, "a restart not at the start");
    } else if (op == 3) {
      String accepted;
      expr.AdvanceText(in.Text(16), accepted);
      forced.Text += accepted;
    } else {
      // Forced characters the step adds come after the typed one.
      wchar_t ch = wchar_t(op);
      const std::size_t before = forced.Text.size();
      if (expr.Advance(ch)) forced.Text.insert(before, 1, ch);
    }
    fuzz::Check(expr.Automat()->HistoryCount() == int(forced.Text.size()), "history and consumed text differ");
  }

  // Folding case hands back the case written in the expression, which other items
  // may then refuse: the text is fed afresh only when case matters.
  if (!(flags & 1)) {
    TcxRegExpr again;
    again.CompileSource(source);
    String accepted;
    again.AdvanceText(forced.Text, accepted);
    fuzz::Check(accepted == forced.Text, "the consumed text is not taken whole by the same expression");
    fuzz::Check(again.IsAccepting() == expr.IsAccepting(), "the same text ends in a different accepting state");
  }
  while (expr.StepBack()) {
  }
  fuzz::Check(expr.Automat()->HistoryCount() == 0, "steps back did not reach the start");
  return 0;
}
