// The compiler half of the regular-expression unit: the lexer, the parser with
// its quantifier and repetition rules, and the error reporting.
#include "cxRegExpr.h"

#include "SysUtils.h"
#include "cxRegExpr_shared.h"

using namespace cxRegExprDetail;

namespace {

bool IsHexDigit(wchar_t Ch) {
  return IsAsciiDigit(Ch) || (AsciiUpper(Ch) >= L'A' && AsciiUpper(Ch) <= L'F');
}

int HexValue(wchar_t Ch) {
  if (Ch <= L'9') return Ch - L'0';
  if (Ch <= L'F') return Ch - L'A' + 10;
  return Ch - L'a' + 10;
}

// A repetition count above this is refused: every count copies the repeated item.
constexpr int MaxRepeatCount = 1000;
// The states the parsed items may hold, copies made by repetitions and back
// references included; beyond this the expression is refused as too complex. The
// graph holds at most twice as many (a link state per optional item), and a
// keystroke walks each state and link at most once, so this bounds the work and
// the memory of every keystroke.
constexpr std::size_t MaxStateCount = 100000;
// Lexems beyond this many are refused the same way, before they are parsed.
constexpr int MaxLexemCount = 2 * int(MaxStateCount);
// Groups nest in the parser's own recursion; a depth no mask needs is refused.
constexpr int MaxGroupDepth = 200;

}  // namespace

// --- The expression: compilation ----------------------------------------------------

TcxRegExpr::TcxRegExpr() = default;

TcxRegExpr::~TcxRegExpr() = default;

void TcxRegExpr::ClearAll() {
  FSource.clear();
  FErrors.Clear();
  FLexems.Clear();
  FGroups.clear();
  FReplaced.clear();
  FAutomat.reset();
  FReadPos = 0;
  FLexemPos = 0;
  FCurrentChar = 0;
  FCurrentLine = 1;
  FCompiled = false;
  FStateBudget = 0;
  FTooComplex = false;
}

void TcxRegExpr::RaiseErrors() { throw EcxRegExprError(FErrors); }

void TcxRegExpr::CompileSource(const String& Source) {
  if (!FFirstCompilation) ClearAll();
  FFirstCompilation = false;
  FSource = Source;
  bool blank = true;
  for (wchar_t c : FSource)
    if (!IsBlank(c)) {
      blank = false;
      break;
    }
  if (blank) {
    AddError(0, 0, Res(scxRegExprEmptySourceStream));
    RaiseErrors();
  }
  LexAll();
  if (FErrors.Count() > 0) RaiseErrors();
  auto alts = ParseAll();
  if (FErrors.Count() > 0) {
    FGroups.clear();
    FReplaced.clear();
    RaiseErrors();
  }
  FAutomat = std::make_unique<TcxRegExprAutomat>(std::move(alts), this);
  FCompiled = true;
  if (FAutoComplete) FAutomat->StepForwardForced();
}

void TcxRegExpr::CheckCompiled() const {
  if (!FCompiled) throw EcxEditError(Res(scxRegExprNotCompiled));
}

void TcxRegExpr::AddError(int Line, int Char, const String& Message) { FErrors.Add(Line, Char, Message); }

void TcxRegExpr::AddLexem(int Code, const String& Text, int Line, int Char) {
  if (FTooComplex) return;
  if (FLexems.Count() >= MaxLexemCount) {
    FTooComplex = true;
    AddError(Line, Char, Res(scxRegExprTooComplex));
    return;
  }
  FLexems.Add(TcxLexem{Code, Text, Line, Char});
}

bool TcxRegExpr::ReadChar(wchar_t& Ch) {
  if (FReadPos >= FSource.size()) return false;
  Ch = FSource[FReadPos++];
  if (Ch == 13) ++FCurrentLine;
  if (Ch == 10) FCurrentChar = 0;
  else ++FCurrentChar;
  return true;
}

bool TcxRegExpr::PeekChar(wchar_t& Ch) const {
  if (FReadPos >= FSource.size()) return false;
  Ch = FSource[FReadPos];
  return true;
}

// --- Lexer --------------------------------------------------------------------------

void TcxRegExpr::LexAll() {
  int depth = 0;
  wchar_t ch;
  while (!FTooComplex && ReadChar(ch)) {
    const int line = FCurrentLine, pos = FCurrentChar;
    if (IsBlank(ch) || LexShared(ch, line, pos)) continue;
    switch (ch) {
      case L'(':
        if (++depth == MaxGroupDepth + 1) AddError(line, pos, Res(scxRegExprNestedTooDeeply));
        AddLexem(cxLexemOperator, String(1, ch), line, pos);
        break;
      case L')':
        --depth;
        AddLexem(cxLexemOperator, String(1, ch), line, pos);
        break;
      case L'*':
      case L'+':
      case L'?':
      case L'|':
        AddLexem(cxLexemOperator, String(1, ch), line, pos);
        break;
      case L'.':
        AddLexem(cxLexemAll, String(1, ch), line, pos);
        break;
      case L'[':
        AddLexem(cxLexemOperator, String(1, ch), line, pos);
        LexSet();
        break;
      case L'{':
        AddLexem(cxLexemOperator, String(1, ch), line, pos);
        LexRepetition();
        break;
      default:
        AddLexem(cxLexemLiteral, String(1, ch), line, pos);
    }
  }
  if (FTooComplex) return;
  if (depth > 0) AddError(0, 0, Res(scxRegExprMissing, L")"));
  else if (depth < 0) AddError(0, 0, Res(scxRegExprUnnecessary, L")"));
}

bool TcxRegExpr::LexShared(wchar_t Ch, int Line, int Char) {
  switch (Ch) {
    case L'\'':
      LexQuoted();
      return true;
    case L'/':
      AddLexem(cxLexemDateSeparator, String(1, Ch), Line, Char);
      return true;
    case L':':
      AddLexem(cxLexemTimeSeparator, String(1, Ch), Line, Char);
      return true;
    case L'\\':
      LexEscape(Line, Char);
      return true;
    default:
      return false;
  }
}

void TcxRegExpr::LexQuoted() {
  wchar_t ch;
  while (ReadChar(ch)) {
    const int line = FCurrentLine, pos = FCurrentChar;
    if (ch == L'\'') {
      wchar_t next;
      if (!PeekChar(next) || next != L'\'') return;
      ReadChar(next);
    }
    AddLexem(cxLexemLiteral, String(1, ch), line, pos);
  }
  AddError(FCurrentLine, FCurrentChar + 1, Res(scxRegExprMissing, L" ' "));
}

void TcxRegExpr::LexEscape(int Line, int Char) {
  wchar_t ch;
  if (!ReadChar(ch)) return;
  if (ch >= L'1' && ch <= L'9') {
    AddLexem(cxLexemReference, String(1, ch), Line, Char);
    return;
  }
  if (IsBlank(ch)) {
    AddError(FCurrentLine, FCurrentChar, Res(scxRegExprIncorrectSpace));
    return;
  }
  int code = -1;
  wchar_t literal = ch;
  switch (ch) {
    case L'd': code = cxLexemDigit; break;
    case L'D': code = cxLexemNotDigit; break;
    case L'w': code = cxLexemIdLetter; break;
    case L'W': code = cxLexemNotIdLetter; break;
    case L's': code = cxLexemSpace; break;
    case L'S': code = cxLexemNotSpace; break;
    case L'a': literal = 7; break;
    case L'e': literal = 27; break;
    case L'f': literal = 12; break;
    case L'n': literal = 10; break;
    case L'r': literal = 13; break;
    case L't': literal = 9; break;
    case L'p': literal = LocaleDecimalSeparator(); break;
    case L'x': {
      int value = 0;
      for (int i = 0; i < 2; ++i) {
        wchar_t digit;
        if (!ReadChar(digit)) {
          AddError(FCurrentLine, FCurrentChar + 1, Res(scxRegExprHexNumberExpected0));
          return;
        }
        if (!IsHexDigit(digit)) {
          AddError(FCurrentLine, FCurrentChar, Res(scxRegExprHexNumberExpected, String(1, digit)));
          return;
        }
        value = value * 16 + HexValue(digit);
      }
      literal = wchar_t(value);
      break;
    }
    default: break;
  }
  if (code >= 0) AddLexem(code, String(1, ch), Line, Char);
  else AddLexem(cxLexemLiteral, String(1, literal), Line, Char);
}

void TcxRegExpr::LexSet() {
  bool first = true;
  wchar_t ch;
  while (ReadChar(ch)) {
    const int line = FCurrentLine, pos = FCurrentChar;
    if (IsBlank(ch)) continue;
    if (LexShared(ch, line, pos)) {
      first = false;
      continue;
    }
    switch (ch) {
      case L']':
        AddLexem(cxLexemOperator, String(1, ch), line, pos);
        return;
      case L'^':
        AddLexem(first ? cxLexemOperator : cxLexemLiteral, String(1, ch), line, pos);
        break;
      case L'-': {
        if (first) {
          AddLexem(cxLexemLiteral, String(1, ch), line, pos);
          break;
        }
        // A hyphen just before the closing bracket stands for itself.
        std::size_t ahead = FReadPos;
        while (ahead < FSource.size() && IsBlank(FSource[ahead])) ++ahead;
        if (ahead >= FSource.size()) {
          AddLexem(cxLexemOperator, String(1, ch), line, pos);
          while (ReadChar(ch)) {
          }
          AddError(FCurrentLine, FCurrentChar + 1, Res(scxRegExprMissing, L"]"));
          return;
        }
        AddLexem(FSource[ahead] == L']' ? cxLexemLiteral : cxLexemOperator, String(1, ch), line, pos);
        break;
      }
      default:
        AddLexem(cxLexemLiteral, String(1, ch), line, pos);
    }
    first = false;
  }
  AddError(FCurrentLine, FCurrentChar + 1, Res(scxRegExprMissing, L"]"));
}

void TcxRegExpr::LexRepetition() {
  wchar_t ch;
  while (ReadChar(ch)) {
    const int line = FCurrentLine, pos = FCurrentChar;
    if (IsBlank(ch)) continue;
    if (IsAsciiDigit(ch)) {
      String digits(1, ch);
      wchar_t next;
      while (PeekChar(next) && IsAsciiDigit(next)) {
        ReadChar(next);
        digits += next;
      }
      AddLexem(cxLexemNumber, digits, line, pos);
    } else if (ch == L',' || ch == L'}') {
      AddLexem(cxLexemOperator, String(1, ch), line, pos);
      if (ch == L'}') return;
    } else if (ch == L'\'') {
      AddError(line, pos, Res(scxRegExprIllegalSymbol, L" ' "));
    } else {
      AddError(line, pos, Res(scxRegExprIllegalSymbol, String(1, ch)));
    }
  }
  AddError(FCurrentLine, FCurrentChar + 1, Res(scxRegExprMissing, L"}"));
}

// --- Parser -------------------------------------------------------------------------

namespace {

bool IsOperator(const TcxLexem* Lexem, wchar_t Op) {
  return Lexem && Lexem->Code == cxLexemOperator && Lexem->Text.size() == 1 && Lexem->Text[0] == Op;
}

// The matching item of a class lexem, or null for other kinds.
std::unique_ptr<TcxRegExprItem> ClassItem(int Code) {
  switch (Code) {
    case cxLexemAll: return std::make_unique<TcxRegExprAll>();
    case cxLexemIdLetter: return std::make_unique<TcxRegExprIdLetter>(false);
    case cxLexemNotIdLetter: return std::make_unique<TcxRegExprIdLetter>(true);
    case cxLexemDigit: return std::make_unique<TcxRegExprDigit>(false);
    case cxLexemNotDigit: return std::make_unique<TcxRegExprDigit>(true);
    case cxLexemSpace: return std::make_unique<TcxRegExprSpace>(false);
    case cxLexemNotSpace: return std::make_unique<TcxRegExprSpace>(true);
    case cxLexemDateSeparator: return std::make_unique<TcxRegExprDateSeparator>();
    case cxLexemTimeSeparator: return std::make_unique<TcxRegExprTimeSeparator>();
    default: return nullptr;
  }
}

}  // namespace

const TcxLexem* TcxRegExpr::NextLexem() {
  if (FLexemPos >= FLexems.Count()) return nullptr;
  return &FLexems.Items(FLexemPos++);
}

std::unique_ptr<TcxRegExprParserAlts> TcxRegExpr::ParseAll() {
  FLexemPos = 0;
  FStateBudget = 0;
  FTooComplex = false;
  auto alts = std::make_unique<TcxRegExprParserAlts>();
  while (ParseAlternative(*alts->AddAlt(), true)) {
  }
  if (FErrors.Count() > 0) return nullptr;
  for (int i = 0; i < alts->Count(); ++i) alts->Item(i)->Link();
  for (int i = 0; i < alts->Count(); ++i) alts->Item(i)->MarkAccepting();
  return alts;
}

bool TcxRegExpr::ParseAlternative(TcxRegExprParserAlt& Alt, bool TopLevel) {
  if (FLexemPos >= FLexems.Count()) {
    AddError(0, 0, Res(scxRegExprCantCreateEmptyAlt));
    return false;
  }
  {
    const TcxLexem& first = FLexems.Items(FLexemPos);
    if (IsOperator(&first, L'|')) {
      ++FLexemPos;
      AddError(first.Line, first.Char, Res(scxRegExprCantCreateEmptyAlt));
      return true;
    }
    if (!TopLevel && IsOperator(&first, L')')) {
      ++FLexemPos;
      AddError(first.Line, first.Char, Res(scxRegExprCantCreateEmptyBlock));
      return false;
    }
  }
  while (const TcxLexem* next = NextLexem()) {
    const TcxLexem lexem = *next;
    // Items written in the expression are made even past the budget (the lexems
    // bound them), so that the parse goes on and reports the errors after them.
    if (lexem.Code == cxLexemLiteral) {
      WithinStateBudget(1, lexem);
      Alt.Add(std::make_unique<TcxRegExprParserSimpleItem>(std::make_unique<TcxRegExprSymbol>(lexem.Text[0])));
      continue;
    }
    if (auto item = ClassItem(lexem.Code)) {
      WithinStateBudget(1, lexem);
      Alt.Add(std::make_unique<TcxRegExprParserSimpleItem>(std::move(item)));
      continue;
    }
    if (lexem.Code == cxLexemNumber) {
      AddError(lexem.Line, lexem.Char, Res(scxRegExprIllegalIntegerValue));
      continue;
    }
    if (lexem.Code == cxLexemReference) {
      const std::size_t n = std::size_t(lexem.Text[0] - L'0');
      if (n > FGroups.size()) {
        AddError(lexem.Line, lexem.Char, Res(scxRegExprTooBigReferenceNumber));
      } else if (!FTooComplex && WithinStateBudget(FGroups[n - 1]->StateCount(), lexem)) {
        Alt.Add(FGroups[n - 1]->Duplicate());
      }
      continue;
    }
    // Operators.
    switch (lexem.Text[0]) {
      case L'(':
        WithinStateBudget(2, lexem);
        Alt.Add(ParseGroup());
        break;
      case L')':
        if (!TopLevel) return false;
        AddError(lexem.Line, lexem.Char, Res(scxRegExprIllegalSymbol, L")"));
        break;
      case L'|':
        return true;
      case L'[':
        WithinStateBudget(1, lexem);
        Alt.Add(ParseSet());
        break;
      case L']':
      case L'}':
      case L'-':
        AddError(lexem.Line, lexem.Char, Res(scxRegExprIllegalSymbol, lexem.Text));
        break;
      case L'*':
      case L'+':
      case L'?': {
        TcxRegExprParserItem* last = Alt.Last();
        if (!last) {
          AddError(lexem.Line, lexem.Char, Res(scxRegExprIllegalQuantifier, lexem.Text));
        } else if (lexem.Text[0] == L'?') {
          ApplyQuantifier(Alt, std::make_unique<TcxRegExprQuestionQuantifier>(), lexem);
        } else if (last->MatchesEmpty()) {
          AddError(lexem.Line, lexem.Char,
                   Res(lexem.Text[0] == L'*' ? scxRegExprCantUseStarQuantifier : scxRegExprCantUsePlusQuantifier));
        } else if (lexem.Text[0] == L'*') {
          ApplyQuantifier(Alt, std::make_unique<TcxRegExprStarQuantifier>(), lexem);
        } else {
          ApplyQuantifier(Alt, std::make_unique<TcxRegExprPlusQuantifier>(), lexem);
        }
        break;
      }
      case L'{': {
        if (!Alt.Last()) {
          AddError(lexem.Line, lexem.Char, Res(scxRegExprIncorrectParameterQuantifier));
          break;
        }
        int n, m;
        if (ParseRepeatBounds(n, m)) ExpandRepeat(Alt, n, m, lexem);
        break;
      }
      default:
        break;
    }
  }
  return false;
}

void TcxRegExpr::ApplyQuantifier(TcxRegExprParserAlt& Alt, std::unique_ptr<TcxRegExprQuantifier> Q,
                                 const TcxLexem& Lexem) {
  TcxRegExprParserItem* last = Alt.Last();
  if (last->HasNoQuantifier()) {
    last->ReplaceQuantifier(std::move(Q));
    return;
  }
  WithinStateBudget(2, Lexem);
  auto group = std::make_unique<TcxRegExprParserBlockItem>();
  group->ReplaceQuantifier(std::move(Q));
  group->Alts().AddAlt()->Add(Alt.ExtractLast());
  Alt.Add(std::move(group));
}

std::unique_ptr<TcxRegExprParserBlockItem> TcxRegExpr::ParseGroup() {
  auto group = std::make_unique<TcxRegExprParserBlockItem>();
  FGroups.push_back(group.get());
  while (ParseAlternative(*group->Alts().AddAlt(), false)) {
  }
  return group;
}

std::unique_ptr<TcxRegExprParserItem> TcxRegExpr::ParseSet() {
  const TcxLexem* next = NextLexem();
  bool inverted = false;
  if (IsOperator(next, L'^')) {
    inverted = true;
    next = NextLexem();
  }
  auto set = std::make_unique<TcxRegExprUserEnumeration>(inverted);
  if (IsOperator(next, L']')) {
    AddError(next->Line, next->Char, Res(scxRegExprCantCreateEmptyEnum));
    return std::make_unique<TcxRegExprParserSimpleItem>(std::move(set));
  }
  if (!next) return std::make_unique<TcxRegExprParserSimpleItem>(std::move(set));
  TcxLexem current = *next;
  while (true) {
    const TcxLexem* ahead = NextLexem();
    if (!ahead) break;
    if (IsOperator(ahead, L'-')) {
      const TcxLexem* end = NextLexem();
      if (!end) break;
      if (current.Text[0] < end->Text[0])
        set->Add(std::make_unique<TcxRegExprSubrange>(current.Text[0], end->Text[0]));
      else
        AddError(end->Line, end->Char, Res(scxRegExprSubrangeOrder));
      next = NextLexem();
      while (IsOperator(next, L'-')) {
        AddError(next->Line, next->Char, Res(scxRegExprIllegalSymbol, L"-"));
        next = NextLexem();
      }
      if (!next) break;
      current = *next;
    } else {
      if (auto item = ClassItem(current.Code)) set->Add(std::move(item));
      else set->Add(std::make_unique<TcxRegExprSymbol>(current.Text[0]));
      current = *ahead;
    }
    if (IsOperator(&current, L']')) break;
  }
  return std::make_unique<TcxRegExprParserSimpleItem>(std::move(set));
}

bool TcxRegExpr::ParseRepeatBounds(int& N, int& M) {
  // A count is a decimal number of at most MaxRepeatCount; larger ones are refused
  // before they can copy the item thousands of times or overflow.
  auto number = [](const TcxLexem& lexem, int& value) {
    if (lexem.Code != cxLexemNumber) return false;
    long long v = 0;
    for (wchar_t c : lexem.Text) {
      v = v * 10 + (c - L'0');
      if (v > MaxRepeatCount) return false;
    }
    value = int(v);
    return true;
  };
  auto fail = [this](const TcxLexem* at) {
    if (at) AddError(at->Line, at->Char, Res(scxRegExprIncorrectParameterQuantifier));
    else AddError(0, 0, Res(scxRegExprIncorrectParameterQuantifier));
    // Skip the rest of the repetition so one mistake gives one error.
    while (at && !IsOperator(at, L'}')) at = NextLexem();
    return false;
  };
  const TcxLexem* lexem = NextLexem();
  if (!lexem || !number(*lexem, N)) return fail(lexem);
  lexem = NextLexem();
  if (IsOperator(lexem, L'}')) {
    M = N;
    return true;
  }
  if (!IsOperator(lexem, L',')) return fail(lexem);
  lexem = NextLexem();
  if (IsOperator(lexem, L'}')) {
    M = -1;
    return true;
  }
  if (!lexem || !number(*lexem, M) || M < N) return fail(lexem);
  lexem = NextLexem();
  if (!IsOperator(lexem, L'}')) return fail(lexem);
  return true;
}

bool TcxRegExpr::WithinStateBudget(std::size_t Added, const TcxLexem& Lexem) {
  if (Added <= MaxStateCount - std::min(FStateBudget, MaxStateCount) && !FTooComplex) {
    FStateBudget += Added;
    return true;
  }
  if (!FTooComplex) AddError(Lexem.Line, Lexem.Char, Res(scxRegExprTooComplex));
  FTooComplex = true;
  return false;
}

void TcxRegExpr::ExpandRepeat(TcxRegExprParserAlt& Alt, int N, int M, const TcxLexem& Brace) {
  TcxRegExprParserItem* x = Alt.Last();
  if (x->MayBeAbsent()) {
    AddError(Brace.Line, Brace.Char, Res(scxRegExprCantUseParameterQuantifier));
    return;
  }
  if (FTooComplex) return;  // counting the item's states again and again would cost more than the budget
  const std::size_t copies = std::size_t(N) + (M < 0 ? 1 : (M > N ? std::size_t(M - N) : 0));
  // Each copy with the group around it; the group G itself.
  if (!WithinStateBudget(copies * (x->StateCount() + 2) + 2, Brace)) return;
  auto group = std::make_unique<TcxRegExprParserBlockItem>();
  TcxRegExprParserAlt* alt = group->Alts().AddAlt();
  for (int i = 0; i < N; ++i) alt->Add(x->Duplicate());
  if (M < 0) {
    auto star = x->Duplicate();
    star->ReplaceQuantifier(std::make_unique<TcxRegExprStarQuantifier>());
    alt->Add(std::move(star));
  } else if (N < M) {
    // The optional tail: (X (X (… X?)?)?)? nested M - N deep.
    TcxRegExprParserAlt* chain = alt;
    for (int depth = N; depth < M - 1; ++depth) {
      auto optional = std::make_unique<TcxRegExprParserBlockItem>();
      optional->ReplaceQuantifier(std::make_unique<TcxRegExprQuestionQuantifier>());
      TcxRegExprParserAlt* inner = optional->Alts().AddAlt();
      inner->Add(x->Duplicate());
      chain->Add(std::move(optional));
      chain = inner;
    }
    auto last = x->Duplicate();
    last->ReplaceQuantifier(std::make_unique<TcxRegExprQuestionQuantifier>());
    chain->Add(std::move(last));
  }
  // Without a required copy the repetition may match nothing at all; saying so
  // lets the text end before it, as X{0} and X{0,m} mean.
  if (N == 0) group->ReplaceQuantifier(std::make_unique<TcxRegExprQuestionQuantifier>());
  FReplaced.push_back(Alt.ExtractLast());
  Alt.Add(std::move(group));
}

