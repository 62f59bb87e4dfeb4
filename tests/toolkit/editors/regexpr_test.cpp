// The regular-expression compiler: what an expression accepts, character by
// character, and the errors it reports with their positions.
#include <gtest/gtest.h>

#include "Classes.h"
#include "regexpr_feed.h"

namespace {

struct TMatchCase {
  const wchar_t* Expr;
  const wchar_t* Input;
  const char* Marks;
};

class RegExprMatch : public ::testing::TestWithParam<TMatchCase> {
 protected:
  TLocaleSeparators FLocale{L'/', L':', L'.'};
};

TEST_P(RegExprMatch, FeedsCharacterByCharacter) {
  const TMatchCase& c = GetParam();
  TcxRegExpr expr;
  expr.CompileSource(c.Expr);
  EXPECT_EQ(Feed(expr, c.Input), c.Marks) << Narrow(c.Expr) << " <- " << Narrow(c.Input);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegExprMatch,
    ::testing::Values(
        // Two digits take two characters; the third is refused and the text may end.
        TMatchCase{L"\\d\\d", L"123", "++- A"}, TMatchCase{L"\\d\\d", L"1", "+ I"},
        TMatchCase{L"\\d\\d", L"a1", "-+ I"},
        // Blanks outside quotes are ignored; quoted text matches them.
        TMatchCase{L"a b  c", L"abc", "+++ A"}, TMatchCase{L"a b  c", L"a b", "+-+ I"},
        TMatchCase{L"'a b'", L"a b", "+++ A"}, TMatchCase{L"'it''s'", L"it's", "++++ A"},
        // Alternatives, groups and quantifiers.
        TMatchCase{L"ab|cd", L"cd", "++ A"}, TMatchCase{L"ab|cd", L"ad", "+- I"},
        TMatchCase{L"a*b", L"aaab", "++++ A"}, TMatchCase{L"a*b", L"b", "+ A"},
        TMatchCase{L"a+", L"", " I"}, TMatchCase{L"a+", L"aaa", "+++ A"},
        TMatchCase{L"ab?c", L"ac", "++ A"}, TMatchCase{L"ab?c", L"abbc", "++-+ A"},
        TMatchCase{L"(ab)+", L"ababa", "+++++ I"}, TMatchCase{L"(ab|c)*d", L"cabd", "++++ A"},
        TMatchCase{L"a*?", L"aa", "++ A"}, TMatchCase{L"a+*", L"aaa", "+++ A"},
        TMatchCase{L"x(a+)?y", L"xy", "++ A"},
        // Sets, ranges, inversion and the classes.
        TMatchCase{L"[a-c]+", L"abcd", "+++- A"}, TMatchCase{L"[^0-9]", L"5x", "-+ A"},
        TMatchCase{L"[a-]", L"-", "+ A"}, TMatchCase{L"[a-]", L"b", "- I"},
        TMatchCase{L"[\\d_]+", L"1_a", "++- A"}, TMatchCase{L"[.(^]+", L".(^)", "+++- A"},
        TMatchCase{L"[\\1]", L"1", "+ A"}, TMatchCase{L"\\w\\W", L"_-", "++ A"},
        TMatchCase{L"\\w", L"\u00e9", "- I"}, TMatchCase{L"\\s\\S", L"\tx", "++ A"},
        TMatchCase{L"\\D", L"7", "- I"}, TMatchCase{L".", L"\u4e2d", "+ A"},
        // Escapes: control characters, hexadecimal codes, operator characters.
        TMatchCase{L"\\x41\\x7a", L"Az", "++ A"}, TMatchCase{L"\\t\\n\\r", L"\t\n\r", "+++ A"},
        TMatchCase{L"\\a\\e\\f", L"\a\x1b\f", "+++ A"}, TMatchCase{L"\\(\\*\\\\", L"(*\\", "+++ A"},
        TMatchCase{L"\\0", L"0", "+ A"},
        TMatchCase{L"(a)\\12", L"aa2", "+++ A"},
        // Special characters outside sets stand for themselves.
        TMatchCase{L"]}-,^", L"]}-,^", "+++++ A"},
        // A back reference repeats the group's pattern, not its text.
        TMatchCase{L"(a|b)\\1", L"ab", "++ A"}, TMatchCase{L"(a|b)\\1", L"ba", "++ A"},
        TMatchCase{L"(a|b)\\1", L"bb", "++ A"}, TMatchCase{L"(a|b)\\1", L"ac", "+- I"},
        // Repetitions.
        TMatchCase{L"a{3}", L"aaaa", "+++- A"}, TMatchCase{L"a{3}", L"aa", "++ I"},
        TMatchCase{L"a{2,4}", L"aaaaa", "++++- A"}, TMatchCase{L"a{2,4}", L"a", "+ I"},
        TMatchCase{L"a{2,4}b", L"aaab", "++++ A"}, TMatchCase{L"a{2,}", L"aaaaaa", "++++++ A"},
        TMatchCase{L"a{ 2 , 3 }", L"aaaa", "+++- A"}, TMatchCase{L"(ab){2}", L"abab", "++++ A"},
        // Separators follow the locale.
        TMatchCase{L"\\d/\\d:\\d", L"1/2:3", "+++++ A"}, TMatchCase{L"[/:]", L":", "+ A"},
        TMatchCase{L"\\d\\p\\d", L"1.5", "+++ A"},
        // A group that matches empty only through its contents stops the accepting marks.
        TMatchCase{L"a(b?)", L"a", "+ I"}, TMatchCase{L"a(b?)", L"ab", "++ A"},
        TMatchCase{L"\\dx?", L"1", "+ A"},
        // Representative masks.
        TMatchCase{L"\\d\\d?/\\d\\d?/\\d\\d\\d\\d", L"12/5/2024", "+++++++++ A"},
        TMatchCase{L"\\d\\d?/\\d\\d?/\\d\\d\\d\\d", L"123", "++- I"},
        TMatchCase{L"([01]?\\d\\d?|2[0-4]\\d|25[0-5])('.'([01]?\\d\\d?|2[0-4]\\d|25[0-5])){3}", L"192.168.0.255",
                   "+++++++++++++ A"},
        TMatchCase{L"([01]?\\d\\d?|2[0-4]\\d|25[0-5])('.'([01]?\\d\\d?|2[0-4]\\d|25[0-5])){3}", L"256.", "++-+ I"}));

TEST(RegExprCase, IgnoringCaseTakesTheCaseOfTheExpression) {
  TcxRegExpr expr;
  expr.SetCaseInsensitive(true);
  expr.CompileSource(L"A[b]");
  wchar_t ch = L'a';
  EXPECT_TRUE(expr.Advance(ch));
  EXPECT_EQ(ch, L'A');
  ch = L'B';
  EXPECT_TRUE(expr.Advance(ch));
  EXPECT_EQ(ch, L'b');

  TcxRegExpr exact;
  exact.CompileSource(L"A[a-c]");
  ch = L'a';
  EXPECT_FALSE(exact.Advance(ch));
  exact.SetCaseInsensitive(true);
  EXPECT_TRUE(exact.Advance(ch));
  ch = L'B';
  EXPECT_FALSE(exact.Advance(ch)) << "a range does not fold case";
}

// --- Errors ---------------------------------------------------------------------------

struct TErrorCase {
  const wchar_t* Expr;
  const char* FirstError;  // with its position, as the mask editor shows it
  int Count;               // every error the compilation reports; 0 = not checked
};

class RegExprErrors : public ::testing::TestWithParam<TErrorCase> {};

TEST_P(RegExprErrors, ReportsMessageAndPosition) {
  const TErrorCase& c = GetParam();
  TcxRegExpr expr;
  try {
    expr.CompileSource(c.Expr);
    FAIL() << Narrow(c.Expr) << " compiled";
  } catch (const EcxRegExprError& e) {
    ASSERT_GT(e.Errors().Count(), 0);
    EXPECT_EQ(Narrow(e.Errors().Items(0).MessageWithPosition()), c.FirstError) << Narrow(c.Expr);
    if (c.Count) {
      EXPECT_EQ(e.Errors().Count(), c.Count) << Narrow(e.Message());
    }
    EXPECT_EQ(expr.Errors().Count(), e.Errors().Count());
  }
  EXPECT_FALSE(expr.IsCompiled());
  EXPECT_EQ(expr.CompiledSource(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegExprErrors,
    ::testing::Values(
        TErrorCase{L"", "The source stream is empty", 1}, TErrorCase{L" \t\r\n", "The source stream is empty", 1},
        TErrorCase{L"a|", "The alternative should not be empty", 1},
        TErrorCase{L"|a", "Line1, Char1: The alternative should not be empty", 1},
        TErrorCase{L"(a|)", "Line1, Char4: The block should not be empty", 1},
        TErrorCase{L"()", "Line1, Char2: The block should not be empty", 1},
        TErrorCase{L"(a", "Missing ')'", 1}, TErrorCase{L"a)", "Unnecessary ')'", 1},
        TErrorCase{L"a)(b", "Line1, Char2: Illegal ')'", 1},
        TErrorCase{L"a**", "Line1, Char3: The '*' quantifier cannot be applied here", 1},
        TErrorCase{L"a?*", "Line1, Char3: The '*' quantifier cannot be applied here", 1},
        TErrorCase{L"a?+", "Line1, Char3: The '+' quantifier cannot be applied here", 1},
        TErrorCase{L"(b?)+", "Line1, Char5: The '+' quantifier cannot be applied here", 1},
        TErrorCase{L"*a", "Line1, Char1: Illegal quantifier '*'", 1},
        TErrorCase{L"a|?", "Line1, Char3: Illegal quantifier '?'", 1},
        TErrorCase{L"a{3,2}", "Line1, Char5: Incorrect parameter quantifier", 1},
        TErrorCase{L"a{,2}", "Line1, Char3: Incorrect parameter quantifier", 1},
        TErrorCase{L"a{}", "Line1, Char3: Incorrect parameter quantifier", 1},
        TErrorCase{L"a?{2}", "Line1, Char3: The parameter quantifier cannot be applied here", 1},
        TErrorCase{L"{2}", "Line1, Char1: Incorrect parameter quantifier", 3},
        TErrorCase{L"a{2x}", "Line1, Char4: Illegal 'x'", 1}, TErrorCase{L"a{'}", "Line1, Char3: Illegal ' ' '", 1},
        TErrorCase{L"a{2", "Line1, Char4: Missing '}'", 1},
        TErrorCase{L"[z-a]", "Line1, Char4: The starting character of the subrange must be less than the finishing one", 1},
        TErrorCase{L"[a-a]", "Line1, Char4: The starting character of the subrange must be less than the finishing one", 1},
        TErrorCase{L"[]", "Line1, Char2: Can't create empty enumeration", 1},
        TErrorCase{L"[^]", "Line1, Char3: Can't create empty enumeration", 1},
        TErrorCase{L"[a-b-c]", "Line1, Char5: Illegal '-'", 1}, TErrorCase{L"[abc", "Line1, Char5: Missing ']'", 1},
        TErrorCase{L"[a-", "Line1, Char4: Missing ']'", 1},
        TErrorCase{L"\\x4", "Line1, Char4: Hexadecimal number expected", 1},
        TErrorCase{L"\\x4g", "Line1, Char4: Hexadecimal number expected but 'g' found", 1},
        TErrorCase{L"a\\ b", "Line1, Char3: The space character is not allowed after '\\'", 1},
        TErrorCase{L"'abc", "Line1, Char5: Missing ' ' '", 1},
        TErrorCase{L"(a)\\2", "Line1, Char4: Too big reference number", 1},
        TErrorCase{L"\\1(a)", "Line1, Char1: Too big reference number", 1},
        // Positions count lines by carriage return; a line starts at position 1.
        TErrorCase{L"a|\r\n|c", "Line2, Char1: The alternative should not be empty", 1},
        TErrorCase{L"a\r\n b**", "Line2, Char4: The '*' quantifier cannot be applied here", 1},
        // Every error is reported, in the order found.
        TErrorCase{L"a**|*", "Line1, Char3: The '*' quantifier cannot be applied here", 2},
        // Repetition counts are bounded, and an overflowing count is refused the same way.
        TErrorCase{L"a{1001}", "Line1, Char3: Incorrect parameter quantifier", 1},
        TErrorCase{L"a{2,1001}", "Line1, Char5: Incorrect parameter quantifier", 1},
        TErrorCase{L"a{99999999999999999999}", "Line1, Char3: Incorrect parameter quantifier", 1},
        // Copies of copies are bounded as well, and the message names the cause.
        TErrorCase{L"(a{1000}){1000}", "Line1, Char10: The expression is too complex", 1}));

TEST(RegExprErrorsList, RepetitionWithoutItemReportsEachLexem) {
  TcxRegExpr expr;
  try {
    expr.CompileSource(L"{2}");
    FAIL();
  } catch (const EcxRegExprError& e) {
    ASSERT_EQ(e.Errors().Count(), 3);
    EXPECT_EQ(Narrow(e.Errors().Items(1).Message()), "Illegal integer value");
    EXPECT_EQ(Narrow(e.Errors().Items(2).Message()), "Illegal '}'");
    EXPECT_EQ(Narrow(e.Message()),
              "Line1, Char1: Incorrect parameter quantifier\r\nLine1, Char2: Illegal integer value\r\n"
              "Line1, Char3: Illegal '}'");
  }
}

TEST(RegExprErrorsList, LimitsNameTheirCause) {
  // References to a group that exists, until the copies exhaust the budget: the
  // reference where it ran out is reported, once.
  String references = L"(a{1000})";
  for (int i = 0; i < 120; ++i) references += L"\\1";
  struct TLimitCase {
    String Source;
    const char* Message;
    int Char;  // 0: a back reference, found in Source
  } cases[] = {
      {references, "The expression is too complex", 0},
      {String(150000, L'a'), "The expression is too complex", 100001},  // parsed items
      {String(250000, L'a'), "The expression is too complex", 200001},  // lexems
  };
  for (const TLimitCase& c : cases) {
    TcxRegExpr expr;
    try {
      expr.CompileSource(c.Source);
      FAIL() << c.Source.size();
    } catch (const EcxRegExprError& e) {
      ASSERT_EQ(e.Errors().Count(), 1) << Narrow(e.Errors().Items(0).MessageWithPosition());
      const TcxRegExprError& error = e.Errors().Items(0);
      EXPECT_EQ(Narrow(error.Message()), c.Message);
      EXPECT_EQ(error.Line(), 1);
      if (c.Char) EXPECT_EQ(error.Char(), c.Char);
      else EXPECT_EQ(c.Source.substr(std::size_t(error.Char() - 1), 2), L"\\1");
    }
  }
}

TEST(RegExprErrorsList, IndexErrorsAreTheRuntimesListError) {
  TcxRegExpr expr;
  expr.CompileSource(L"(a|b)c");
  try {
    expr.Lexems().Items(99);
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(Narrow(e.Message()), "List index out of bounds (99)");
  }
  EXPECT_THROW(expr.Lexems().Items(-1), EListError);
  EXPECT_THROW(expr.Errors().Items(0), EListError);
  EXPECT_THROW(expr.Automat()->Current().Item(1), EListError);
  EXPECT_THROW(expr.Automat()->Current().Item(0)->Successors().Item(9), EListError);
  TcxRegExprParserAlts alts;
  EXPECT_THROW(alts.Item(0), EListError);
  EXPECT_THROW(alts.AddAlt()->Item(0), EListError);
  EXPECT_THROW(EcxRegExprError().Errors().Items(0), EListError);
}

TEST(RegExprErrorsList, ErrorPositionWithoutCharacter) {
  TcxRegExprError atLine(3, 0, L"Oops");
  EXPECT_EQ(Narrow(atLine.MessageWithPosition()), "Line3: Oops");
  TcxRegExprError bare(0, 7, L"Oops");
  EXPECT_EQ(Narrow(bare.MessageWithPosition()), "Oops");
}

TEST(RegExprErrorsList, ErrorsOutliveTheExpression) {
  std::unique_ptr<EcxRegExprError> kept;
  {
    TcxRegExpr expr;
    try {
      expr.CompileSource(L"(a");
    } catch (const EcxRegExprError& e) {
      kept = std::make_unique<EcxRegExprError>(e);
    }
  }
  ASSERT_TRUE(kept);
  ASSERT_EQ(kept->Errors().Count(), 1);
  EXPECT_EQ(Narrow(kept->Errors().Items(0).Message()), "Missing ')'");
  EXPECT_TRUE(kept->InheritsFrom(EcxEditError::StaticClass()));
}

TEST(RegExprCompile, RecompilingReplacesTheExpression) {
  TcxRegExpr expr;
  EXPECT_THROW(expr.CompileSource(L"a**"), EcxRegExprError);
  expr.CompileSource(L"b");
  EXPECT_EQ(expr.Errors().Count(), 0);
  ASSERT_NE(expr.CompiledSource(), nullptr);
  EXPECT_EQ(*expr.CompiledSource(), L"b");
  EXPECT_EQ(Feed(expr, L"ab"), "-+ A");
  EXPECT_THROW(expr.CompileSource(L"(b"), EcxRegExprError);
  EXPECT_FALSE(expr.IsCompiled());
  EXPECT_THROW(expr.IsAccepting(), EcxEditError);
}

TEST(RegExprCompile, MatchingBeforeCompilationRaises) {
  TcxRegExpr expr;
  wchar_t ch = L'a';
  try {
    expr.Advance(ch);
    FAIL();
  } catch (const EcxRegExprError&) {
    FAIL() << "not a compilation error";
  } catch (const EcxEditError& e) {
    EXPECT_EQ(Narrow(e.Message()), "Regular expression is not compiled");
  }
  String accepted;
  EXPECT_THROW(expr.AdvanceText(L"a", accepted), EcxEditError);
  EXPECT_THROW(expr.StepBack(), EcxEditError);
  EXPECT_THROW(expr.Restart(), EcxEditError);
  EXPECT_THROW(expr.IsAtStart(), EcxEditError);
}

TEST(RegExprCompile, LexemsCarryTheirPositions) {
  TcxRegExpr expr;
  expr.CompileSource(L"\\d{12}\r\n'x'");
  const TcxLexems& l = expr.Lexems();
  ASSERT_EQ(l.Count(), 5);
  EXPECT_EQ(l.Items(0).Code, cxLexemDigit);
  EXPECT_EQ(l.Items(0).Char, 1);
  EXPECT_EQ(l.Items(2).Code, cxLexemNumber);
  EXPECT_EQ(Narrow(l.Items(2).Text), "12");
  EXPECT_EQ(l.Items(2).Char, 4);
  EXPECT_EQ(l.Items(4).Code, cxLexemLiteral);
  EXPECT_EQ(l.Items(4).Line, 2);
  EXPECT_EQ(l.Items(4).Char, 2);
}

}  // namespace
