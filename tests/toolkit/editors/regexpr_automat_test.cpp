// The automaton behind an expression: history and undo, forced characters with
// automatic completion, locale separators at test time, and bounded work.
#include <gtest/gtest.h>

#include <set>

#include "regexpr_feed.h"

namespace {

// Records what the automaton steps over by itself.
class TForcedLog {
 public:
  void Added(wchar_t Ch) { Log += std::string("+") + char(Ch); }
  void Removed() { Log += "-"; }
  void Attach(TcxRegExpr& Expr) {
    Expr.OnForcedCharAdded = TcxRegExprForcedCharAddedEvent(this, &TForcedLog::Added);
    Expr.OnForcedCharRemoved = TcxRegExprForcedCharRemovedEvent(this, &TForcedLog::Removed);
  }
  std::string Log;
};

TEST(RegExprHistory, StepBackUndoesExactlyOneCharacter) {
  TcxRegExpr expr;
  expr.CompileSource(L"\\d\\d");
  EXPECT_TRUE(expr.IsAtStart());
  EXPECT_FALSE(expr.StepBack()) << "nothing to undo at the start";
  EXPECT_TRUE(expr.IsAtStart());
  EXPECT_EQ(Feed(expr, L"12"), "++ A");
  EXPECT_EQ(expr.Automat()->HistoryCount(), 2);
  EXPECT_TRUE(expr.StepBack());
  EXPECT_FALSE(expr.IsAccepting());
  EXPECT_FALSE(expr.IsAtStart());
  EXPECT_EQ(Feed(expr, L"3"), "+ A");
  EXPECT_TRUE(expr.StepBack());
  EXPECT_TRUE(expr.StepBack());
  EXPECT_TRUE(expr.IsAtStart());
}

TEST(RegExprHistory, RestartEmptiesTheHistory) {
  TcxRegExpr expr;
  expr.CompileSource(L"\\d*");
  EXPECT_EQ(Feed(expr, L"0123456789"), "++++++++++ A");
  EXPECT_EQ(expr.Automat()->HistoryCount(), 10);
  expr.Restart();
  EXPECT_EQ(expr.Automat()->HistoryCount(), 0);
  EXPECT_TRUE(expr.IsAtStart());
  EXPECT_FALSE(expr.StepBack());
}

TEST(RegExprHistory, AdvanceTextSkipsRefusedCharacters) {
  TcxRegExpr expr;
  expr.CompileSource(L"\\d\\d'-'\\d\\d");
  expr.SetAutoComplete(true);
  String accepted;
  expr.AdvanceText(L"1x2-34", accepted);
  EXPECT_EQ(accepted, L"12-34");
  EXPECT_TRUE(expr.IsAccepting());
  EXPECT_EQ(expr.Automat()->HistoryCount(), 5);
}

TEST(RegExprAutoComplete, StepsOverForcedCharactersAndBack) {
  TcxRegExpr expr;
  TForcedLog log;
  log.Attach(expr);
  expr.CompileSource(L"\\d\\d'-'\\d\\d");
  expr.SetAutoComplete(true);
  EXPECT_EQ(Feed(expr, L"12"), "++ I");
  EXPECT_EQ(log.Log, "+-");
  EXPECT_EQ(expr.Automat()->HistoryCount(), 3) << "the forced hyphen is a step of its own";
  EXPECT_TRUE(expr.StepBack());
  EXPECT_EQ(log.Log, "+--");
  EXPECT_EQ(expr.Automat()->HistoryCount(), 1) << "back after the first digit";
  EXPECT_EQ(Feed(expr, L"2-"), "+- I") << "the hyphen was added again, a typed one is refused";
  EXPECT_EQ(log.Log, "+--+-");
}

TEST(RegExprAutoComplete, StopsWhereTheTextMayEnd) {
  TcxRegExpr expr;
  TForcedLog log;
  log.Attach(expr);
  expr.SetAutoComplete(true);
  expr.CompileSource(L"\\dx?");
  EXPECT_EQ(Feed(expr, L"1"), "+ A");
  EXPECT_EQ(log.Log, "");
}

TEST(RegExprAutoComplete, LeadingForcedCharactersAtCompilationAndWhenSwitchedOn) {
  TForcedLog log;
  TcxRegExpr expr;
  log.Attach(expr);
  expr.SetAutoComplete(true);
  expr.CompileSource(L"'+7('\\d");
  EXPECT_EQ(log.Log, "+++7+(");
  EXPECT_EQ(expr.Automat()->HistoryCount(), 3);
  EXPECT_FALSE(expr.IsAtStart());

  TForcedLog later;
  TcxRegExpr off;
  later.Attach(off);
  off.CompileSource(L"ab|ac");
  EXPECT_EQ(later.Log, "");
  off.SetAutoComplete(true);
  EXPECT_EQ(later.Log, "+a") << "both alternatives force the a, then they differ";
  off.Restart();
  EXPECT_TRUE(off.IsAtStart()) << "no forced step after a restart";
}

TEST(RegExprAutoComplete, SeparatorsAreForcedInTheLocaleCharacter) {
  TLocaleSeparators locale(L'-', L'.', L',');
  TcxRegExpr expr;
  TForcedLog log;
  log.Attach(expr);
  expr.CompileSource(L"\\d:\\d");
  expr.SetAutoComplete(true);
  EXPECT_EQ(Feed(expr, L"1"), "+ I");
  EXPECT_EQ(log.Log, "+.");
}

TEST(RegExprLocale, SeparatorItemsFollowTheLocaleAtTestTime) {
  TcxRegExpr expr;
  {
    TLocaleSeparators locale(L'/', L':', L'.');
    expr.CompileSource(L"\\d:\\d\\p/");
    EXPECT_EQ(Feed(expr, L"1:"), "++ I");
    expr.Restart();
  }
  TLocaleSeparators changed(L'-', L'.', L',');
  EXPECT_EQ(Feed(expr, L"1:.2.-"), "+-++++ A") << "the decimal separator was taken at compilation";
}

TEST(RegExprDescribe, GroupsAndAlternativesReadBack) {
  TcxRegExprParserBlockItem group;
  group.Alts().AddAlt()->Add(std::make_unique<TcxRegExprParserSimpleItem>(std::make_unique<TcxRegExprAll>()));
  group.ReplaceQuantifier(std::make_unique<TcxRegExprStarQuantifier>());
  String text;
  group.Describe(text);
  EXPECT_EQ(Narrow(text), "<Start_Block>\r\n<Start_Alt>\r\nitem --> \r\n<Finish_Alt>\r\n<Finish_Block> --> *\r\n");
}

TEST(RegExprDescribe, NestedGroupsReadBackInOrder) {
  const auto simple = [](std::unique_ptr<TcxRegExprQuantifier> q) {
    auto item = std::make_unique<TcxRegExprParserSimpleItem>(std::make_unique<TcxRegExprAll>());
    item->ReplaceQuantifier(std::move(q));
    return item;
  };
  auto inner = std::make_unique<TcxRegExprParserBlockItem>();
  inner->Alts().AddAlt()->Add(simple(std::make_unique<TcxRegExprPlusQuantifier>()));
  inner->ReplaceQuantifier(std::make_unique<TcxRegExprQuestionQuantifier>());
  TcxRegExprParserBlockItem group;
  TcxRegExprParserAlt* first = group.Alts().AddAlt();
  first->Add(simple(nullptr));
  first->Add(std::move(inner));
  group.Alts().AddAlt()->Add(simple(std::make_unique<TcxRegExprStarQuantifier>()));
  String text;
  group.Describe(text);
  EXPECT_EQ(Narrow(text),
            "<Start_Block>\r\n"
            "<Start_Alt>\r\nitem --> \r\n"
            "<Start_Block>\r\n<Start_Alt>\r\nitem --> +\r\n<Finish_Alt>\r\n<Finish_Block> --> ?\r\n"
            "<Finish_Alt>\r\n"
            "<Start_Alt>\r\nitem --> *\r\n<Finish_Alt>\r\n"
            "<Finish_Block> --> \r\n");
}

// --- Bounded work -------------------------------------------------------------------

TEST(RegExprBounded, RepeatedAlternativesKeepTheStateSetSmall) {
  TcxRegExpr expr;
  expr.CompileSource(L"(a|a)*");
  int largest = 0;
  for (int i = 0; i < 10000; ++i) {
    wchar_t ch = L'a';
    ASSERT_TRUE(expr.Advance(ch));
    largest = std::max(largest, expr.Automat()->Current().Count());
  }
  EXPECT_LE(largest, 2);
  EXPECT_TRUE(expr.IsAccepting());
  EXPECT_EQ(expr.Automat()->HistoryCount(), 10000);
}

TEST(RegExprBounded, NestedRepetitionsKeepTheStateSetSmall) {
  TcxRegExpr expr;
  expr.CompileSource(L"((a|a)+|(a|a)+b)*c");
  for (int i = 0; i < 2000; ++i) {
    wchar_t ch = L'a';
    ASSERT_TRUE(expr.Advance(ch));
    ASSERT_LE(expr.Automat()->Current().Count(), 4);
    ASSERT_LE(expr.Automat()->NextCandidates()->Count(), 8);
  }
  EXPECT_EQ(Feed(expr, L"c"), "+ A");
}

TEST(RegExprBounded, PassThroughLoopEnds) {
  // An unbounded repetition of a group that matches empty links its pass-through
  // states into a loop.
  TcxRegExpr expr;
  expr.CompileSource(L"(a?){2,}b");
  EXPECT_EQ(Feed(expr, L"b"), "+ A");
  expr.Restart();
  EXPECT_EQ(Feed(expr, L"aaaab"), "+++++ A");
  expr.Restart();
  expr.SetAutoComplete(true);
  EXPECT_TRUE(expr.IsAtStart());

  TcxRegExpr nested;
  nested.CompileSource(L"((a?){2,}){1,}");
  EXPECT_EQ(Feed(nested, L"aab"), "++- A");
}

TEST(RegExprBounded, ZeroRepetitionMatchesEmptyText) {
  TcxRegExpr alone;
  alone.CompileSource(L"x{0}");
  EXPECT_TRUE(alone.IsAccepting());
  EXPECT_EQ(Feed(alone, L"x"), "- A");

  TcxRegExpr between;
  between.CompileSource(L"ax{0}b");
  EXPECT_EQ(Feed(between, L"axb"), "+-+ A");

  TcxRegExpr atEnd;
  atEnd.CompileSource(L"ax{0}");
  EXPECT_EQ(Feed(atEnd, L"a"), "+ A");
}

TEST(RegExprBounded, OptionalRepetitionLetsTheTextEnd) {
  TcxRegExpr expr;
  expr.CompileSource(L"a\\d{0,2}");
  EXPECT_EQ(Feed(expr, L"a"), "+ A");
  EXPECT_EQ(Feed(expr, L"123"), "++- A");
}

TEST(RegExprBounded, BackReferenceToARepeatedGroup) {
  // The repetition replaces the group it copies; a later reference still finds
  // the group as written.
  TcxRegExpr expr;
  expr.CompileSource(L"(a|b){2}\\1");
  EXPECT_EQ(Feed(expr, L"abba"), "+++- A");
}

TEST(RegExprBounded, GroupNestingIsBounded) {
  const auto nested = [](int depth) { return String(depth, L'(') + L"a" + String(depth, L')'); };
  TcxRegExpr expr;
  expr.CompileSource(nested(200));
  EXPECT_EQ(Feed(expr, L"a"), "+ A");
  try {
    expr.CompileSource(nested(20000));
    FAIL();
  } catch (const EcxRegExprError& e) {
    ASSERT_EQ(e.Errors().Count(), 1);
    EXPECT_EQ(Narrow(e.Errors().Items(0).MessageWithPosition()), "Line1, Char201: The groups are nested too deeply");
  }
}

TEST(RegExprBounded, LongRunOfOptionalItems) {
  String source;
  for (int i = 0; i < 300; ++i) source += L"a?";
  TcxRegExpr expr;
  expr.CompileSource(source + L"b");
  EXPECT_EQ(Feed(expr, String(300, L'a') + L"ab"), std::string(300, '+') + "-+ A");
}

// States and successor links of the graph an expression compiled to, counted
// from its start state (the expression stands at the start).
struct TGraphSize {
  std::size_t States = 0;
  std::size_t Links = 0;
};

TGraphSize GraphSize(const TcxRegExpr& Expr) {
  std::vector<const TcxRegExprState*> pending{Expr.Automat()->Current().Item(0)};
  std::set<const TcxRegExprState*> seen(pending.begin(), pending.end());
  TGraphSize size;
  while (!pending.empty()) {
    const TcxRegExprStates& next = pending.back()->Successors();
    pending.pop_back();
    size.Links += std::size_t(next.Count());
    for (int i = 0; i < next.Count(); ++i)
      if (seen.insert(next.Item(i)).second) pending.push_back(next.Item(i));
  }
  size.States = seen.size();
  return size;
}

TEST(RegExprBounded, RunOfOptionalItemsLinksInLinearSpace) {
  // Each item leads on to every optional item after it; linked one by one, a run of
  // n of them took n*n/2 links, and every keystroke walked them all.
  const int n = 4000;
  String source;
  for (int i = 0; i < n; ++i) source += L"a?";
  TcxRegExpr expr;
  expr.CompileSource(source + L"b");
  const TGraphSize size = GraphSize(expr);
  EXPECT_LE(size.States, std::size_t(2 * n + 2));
  EXPECT_LE(size.Links, std::size_t(4 * n + 2));
  EXPECT_EQ(Feed(expr, L"aaab"), "++++ A");
  expr.Restart();
  EXPECT_EQ(Feed(expr, L"b"), "+ A");

  TcxRegExpr grouped;  // the same run inside a group, reached again by a back reference
  grouped.CompileSource(L"(" + source + L")x\\1");
  EXPECT_LE(GraphSize(grouped).Links, std::size_t(2 * (5 * n + 6)));
  EXPECT_EQ(Feed(grouped, L"aaxa"), "++++ A");
}

struct TDeepCase {
  const char* Name;
  String Source;
  const wchar_t* Input;
  const char* Marks;
  const char* Forced;  // what automatic completion steps over at the start
};

TEST(RegExprBounded, DeepChainsOfOptionalGroupsOnAProgramSizedStack) {
  // Each case stays within every compile limit. The first links some 40,000
  // pass-through states one after another, all walked by the first keystroke; the
  // others nest groups a thousand deep, copied, linked and freed level by level.
  const TDeepCase cases[] = {
      {"optional item repeated in a repeated group", L"((a?){1000}){19}", L"aab", "++- A", "+a"},
      {"optional chain repeated", L"(a{0,1000}){12}", L"aaaab", "++++- A", "+a"},
      {"nesting at every limit", String(199, L'(') + L"a{0,1000}" + String(199, L')') + L"{0,25}x", L"aax",
       "+++ A", ""},
      {"repetitions of repetitions", L"(((a{1,1000}){1,2}){1,2}){1,2}b", L"aaab", "++++ A", "+a"},
  };
  for (const TDeepCase& c : cases) {
    std::string marks, forced;
    int forcedSteps = -1;
    RunOnStack(1024 * 1024, [&] {
      TcxRegExpr expr;
      try {
        expr.CompileSource(c.Source);
      } catch (const EcxRegExprError& e) {
        marks = Narrow(e.Message());
        return;
      }
      marks = Feed(expr, c.Input);
      TForcedLog log;
      log.Attach(expr);
      expr.Restart();
      expr.SetAutoComplete(true);
      forced = log.Log;
      forcedSteps = expr.Automat()->HistoryCount();
      while (expr.StepBack()) {
      }
    });
    EXPECT_EQ(marks, c.Marks) << c.Name;
    EXPECT_EQ(forced, c.Forced) << c.Name;
    EXPECT_EQ(forcedSteps, int(forced.size() / 2)) << c.Name;
  }
}

TEST(RegExprBounded, LargestRepetitionCompiles) {
  TcxRegExpr expr;
  expr.CompileSource(L"a{1000}");
  EXPECT_EQ(Feed(expr, String(999, L'a')), std::string(999, '+') + " I");
  EXPECT_EQ(Feed(expr, L"aa"), "+- A");
  expr.CompileSource(L"a{0,1000}");
  EXPECT_EQ(Feed(expr, String(1000, L'a')), std::string(1000, '+') + " A");
}

}  // namespace
