// The item list's window-free rules: typing scripts over a small list in
// free-text and list styles (completion, the current key kept or cleared, the
// item's spelling), Backspace, an empty list, the step arithmetic of the
// navigation keys and which item ItemIndex names.
#include <gtest/gtest.h>

#include "cxTextEditLookup.h"

namespace {

std::string Narrow(const String& S) {
  std::string result;
  for (wchar_t c : S) result += c < 128 ? char(c) : '?';
  return result;
}

// The lookup data as the editor sees it: a search from the first item that
// makes the found item current, and clears or keeps the key on a miss.
class TFakeLookup : public TcxLookupFinder {
 public:
  TFakeLookup(std::vector<String> AItems, TcxTextEditingStyle AStyle) : Items(std::move(AItems)), Style(AStyle) {}
  bool FindPrefix(String& AText, String& ATail) override {
    int key;
    const bool found = LocateLookupText(Items, Style, -1, false, AText, ATail, key);
    if (key != cxLookupKeyKept) KeyIndex = key;
    return found;
  }
  TcxLookupItemVector Items;
  TcxTextEditingStyle Style;
  int KeyIndex = -1;
};

const std::vector<String> kFruit = {L"Apple", L"apricot", L"Banana"};

// An editor's text with its lookup: each key goes through the typing rules,
// and a key they leave does to the text what an EDIT does with it.
struct TScriptEditor {
  TScriptEditor(std::vector<String> AItems, TcxTextEditingStyle AStyle, bool AIncremental = true)
      : Lookup(std::move(AItems), AStyle), Incremental(AIncremental) {}

  // Answers whether the key was dropped.
  bool Type(wchar_t AKey, wchar_t ATrail = 0) {
    TcxLookupTyping t;
    t.Text = Text;
    t.SelStart = SelStart;
    t.SelLength = SelLength;
    t.FindSelection = FindSelection;
    const bool dropped = LookupKeyPress(t, AKey, Lookup.Style, Incremental, ATrail, Lookup);
    if (t.TextSet || t.TextCleared) Text = t.Text;
    if (t.TextSet || t.SelectionSet || t.TextCleared) {
      SelStart = t.SelStart;
      SelLength = t.SelLength;
    }
    FindSelection = t.FindSelection;
    if (!dropped) {
      // A key the EDIT changes the text with ends a shown completion.
      FindSelection = false;
      if (AKey == 8) {
        if (SelLength == 0 && SelStart > 0) SelLength = 1, --SelStart;
        Text.erase(SelStart, SelLength);
      } else {
        Text.replace(SelStart, SelLength, 1, AKey);
        ++SelStart;
      }
      SelLength = 0;
    }
    return dropped;
  }
  void TypeText(const String& S) {
    for (wchar_t c : S) Type(c);
  }
  // The shown text with the selection in brackets.
  std::string Shown() const {
    return Narrow(Text.substr(0, SelStart)) + "[" + Narrow(Text.substr(SelStart, SelLength)) + "]" +
           Narrow(Text.substr(SelStart + SelLength));
  }

  TFakeLookup Lookup;
  bool Incremental;
  String Text;
  int SelStart = 0;
  int SelLength = 0;
  bool FindSelection = false;
};

struct TScriptCase {
  const char* Name;
  TcxTextEditingStyle Style;
  bool Incremental;
  int StartKey;  // the current key before typing
  const wchar_t* Keys;
  const char* Shown;
  int Key;
  bool FindSelection;
};

TEST(LookupTyping, ScriptsOverAList) {
  const TScriptCase cases[] = {
      {"free text completes keeping the typed case", tesFreeText, true, -1, L"ap", "ap[ple]", 0, true},
      {"a third letter moves to the next item", tesFreeText, true, -1, L"apr", "apr[icot]", 1, true},
      {"upper case typed stays upper case", tesFreeText, true, -1, L"AP", "AP[ple]", 0, true},
      {"free text: a miss clears the key", tesFreeText, true, 2, L"x", "x[]", -1, false},
      {"free text: a miss after a completion types over it", tesFreeText, true, -1, L"apx", "apx[]", -1, false},
      {"free text without incremental search", tesFreeText, false, 1, L"ap", "ap[]", 1, false},
      {"complete from list takes the item's spelling", tesCompleteFromList, true, -1, L"AP", "Ap[ple]", 0, true},
      {"complete from list: apr gives apricot", tesCompleteFromList, true, -1, L"APR", "apr[icot]", 1, true},
      {"complete from list refuses a miss, key kept", tesCompleteFromList, true, -1, L"apx", "Ap[ple]", 0, true},
      {"complete from list: a first miss leaves nothing", tesCompleteFromList, true, 2, L"x", "[]", 2, false},
      {"pick from list completes", tesPickFromList, true, -1, L"b", "B[anana]", 2, true},
      {"pick from list: a miss is refused, key kept", tesPickFromList, true, -1, L"bx", "B[anana]", 2, true},
      {"pick from list: a whole item then a new first letter", tesPickFromList, true, -1, L"bananaa", "A[pple]", 0,
       true},
      {"pick from list: a whole item then a miss", tesPickFromList, true, -1, L"bananax", "Banana[]", 2, true},
  };
  for (const TScriptCase& c : cases) {
    TScriptEditor e(kFruit, c.Style, c.Incremental);
    e.Lookup.KeyIndex = c.StartKey;
    e.TypeText(c.Keys);
    EXPECT_EQ(e.Shown(), c.Shown) << c.Name;
    EXPECT_EQ(e.Lookup.KeyIndex, c.Key) << c.Name;
    EXPECT_EQ(e.FindSelection, c.FindSelection) << c.Name;
  }
}

TEST(LookupTyping, ListSpellingReplacesWhatWasTyped) {
  // In the list styles the shown text is the item's own text, letter by letter.
  TScriptEditor e(kFruit, tesCompleteFromList);
  e.TypeText(L"APRI");
  EXPECT_EQ(Narrow(e.Text), "apricot");
}

TEST(LookupTyping, FreeTextSearchesOnlyAtTheEnd) {
  TScriptEditor e(kFruit, tesFreeText);
  e.Text = L"xyz";
  e.SelStart = 1;
  EXPECT_FALSE(e.Type(L'a'));
  EXPECT_EQ(e.Shown(), "xa[]yz");
  EXPECT_EQ(e.Lookup.KeyIndex, -1);
  // With the caret at the end it searches the whole text.
  e.Text = L"b";
  e.SelStart = 1;
  EXPECT_TRUE(e.Type(L'a'));
  EXPECT_EQ(e.Shown(), "ba[nana]");
}

TEST(LookupTyping, BackspaceMarksTheTailThenSearchesAgain) {
  TScriptEditor e(kFruit, tesCompleteFromList);
  e.Text = L"Apple";
  e.SelStart = 2;
  e.Lookup.KeyIndex = 0;
  EXPECT_TRUE(e.Type(8));
  EXPECT_EQ(e.Shown(), "Ap[ple]");
  EXPECT_TRUE(e.FindSelection);
  EXPECT_TRUE(e.Type(8));
  EXPECT_EQ(e.Shown(), "A[pple]");
  EXPECT_EQ(e.Lookup.KeyIndex, 0);
  // The last typed letter goes: the text empties and the key is cleared.
  EXPECT_FALSE(e.Type(8));
  EXPECT_EQ(e.Shown(), "[]");
  EXPECT_EQ(e.Lookup.KeyIndex, -1);
  EXPECT_FALSE(e.FindSelection);
}

TEST(LookupTyping, BackspaceInOtherStyles) {
  {
    // Free text: only a shown completion is searched again.
    TScriptEditor e(kFruit, tesFreeText);
    e.TypeText(L"apr");
    EXPECT_TRUE(e.Type(8));
    EXPECT_EQ(e.Shown(), "ap[ple]");
    EXPECT_EQ(e.Lookup.KeyIndex, 0);
    e.FindSelection = false;
    e.SelLength = 0;
    e.SelStart = 5;
    EXPECT_FALSE(e.Type(8));
    EXPECT_EQ(e.Shown(), "appl[]");
  }
  {
    // Pick from list: Backspace never reaches the text.
    TScriptEditor e(kFruit, tesPickFromList);
    e.TypeText(L"ba");
    EXPECT_TRUE(e.Type(8));
    EXPECT_EQ(e.Shown(), "B[anana]");
    EXPECT_TRUE(e.Type(8));
    EXPECT_EQ(e.Shown(), "B[anana]");
    EXPECT_FALSE(e.FindSelection);
    EXPECT_TRUE(e.Type(8));
    EXPECT_EQ(e.Shown(), "B[anana]");
    EXPECT_EQ(e.Lookup.KeyIndex, 2);
  }
}

TEST(LookupTyping, BackspaceRemovesASurrogatePairAsOneCharacter) {
  const wchar_t hi = wchar_t(0xD834), lo = wchar_t(0xDD1E);
  const String clef{L'a', hi, lo};
  TScriptEditor e({String{L'a', hi, lo, L'x'}, L"ab"}, tesFreeText);
  e.Text = clef + L"x";
  e.SelStart = 3;
  e.SelLength = 1;
  e.FindSelection = true;
  EXPECT_TRUE(e.Type(8));
  // "a" is left of the typed text, and the first item starting with it is shown.
  EXPECT_EQ(e.SelStart, 1);
  EXPECT_EQ(e.Text, e.Lookup.Items.Items[0]);
}

TEST(LookupTyping, AnEmptyListNeverCompletes) {
  const struct {
    TcxTextEditingStyle Style;
    bool Dropped;
  } cases[] = {{tesFreeText, false}, {tesCompleteFromList, true}, {tesPickFromList, true}};
  for (const auto& c : cases) {
    TScriptEditor e({}, c.Style);
    EXPECT_EQ(e.Type(L'a'), c.Dropped) << c.Style;
    EXPECT_EQ(e.Lookup.KeyIndex, -1);
    EXPECT_EQ(e.Shown(), c.Dropped ? "[]" : "a[]") << c.Style;
    EXPECT_FALSE(e.FindSelection) << c.Style;
  }
}

TEST(LookupTyping, ChineseAndImeTrail) {
  TScriptEditor e({L"\u5317\u4eac", L"\u5357\u4eac"}, tesFreeText);
  EXPECT_TRUE(e.Type(L'\u5357'));
  EXPECT_EQ(e.Text, String(L"\u5357\u4eac"));
  EXPECT_EQ(e.SelStart, 1);
  EXPECT_EQ(e.Lookup.KeyIndex, 1);
  // A character whose second half is still on its way: the search counts it,
  // the shown typed part stops before it.
  TScriptEditor t({L"abc", L"abd"}, tesCompleteFromList);
  EXPECT_TRUE(t.Type(L'A', L'B'));
  EXPECT_EQ(t.Shown(), "a[bc]");
  EXPECT_EQ(t.Lookup.KeyIndex, 0);
}

TEST(LookupSearch, MissHandlingByStyle) {
  struct Case {
    TcxTextEditingStyle Style;
    bool Exact;
    const wchar_t* Text;
    bool Clears;
  };
  const Case cases[] = {
      {tesFreeText, false, L"x", true},          {tesNoText, false, L"x", true},
      {tesCompleteFromList, false, L"x", false}, {tesCompleteFromList, false, L"", true},
      {tesCompleteFromList, true, L"x", true},   {tesPickFromList, false, L"x", false},
      {tesPickFromList, false, L"", false},      {tesPickFromList, true, L"x", true},
  };
  TcxLookupItemVector items(kFruit);
  for (const Case& c : cases) {
    String text = c.Text, tail = L"stale";
    int key = 7;
    EXPECT_FALSE(LocateLookupText(items, c.Style, -1, c.Exact, text, tail, key));
    EXPECT_EQ(key, c.Clears ? -1 : cxLookupKeyKept) << c.Style << c.Exact << Narrow(c.Text);
    EXPECT_EQ(tail, String());
  }
}

TEST(LookupSearch, FromAStartAndCaseFolding) {
  TcxLookupItemVector items({L"Apple", L"apricot", L"Apfel", L"\u00c4rger"});
  String text = L"AP", tail;
  int key;
  // From the current item on: the scan starts after it and does not wrap.
  ASSERT_TRUE(LocateLookupText(items, tesCompleteFromList, 1, false, text, tail, key));
  EXPECT_EQ(key, 2);
  EXPECT_EQ(Narrow(text + tail), "Apfel");
  text = L"AP";
  EXPECT_FALSE(LocateLookupText(items, tesPickFromList, 2, false, text, tail, key));
  EXPECT_EQ(key, cxLookupKeyKept);
  // Letters outside ASCII go to the locale's comparison.
  text = L"\u00c4r";
  ASSERT_TRUE(LocateLookupText(items, tesFreeText, -1, false, text, tail, key));
  EXPECT_EQ(key, 3);
  EXPECT_FALSE(LookupTextStartsWith(L"Ap", L"Apple"));
  EXPECT_TRUE(LookupTextStartsWith(L"Apple", L""));
}

TEST(LookupStep, Table) {
  struct Case {
    int Direction;
    bool Wrap;
    int Index, Count, Rows;
    int Expected;
  };
  const Case cases[] = {
      {cxLookupStepFirst, false, 5, 20, 8, 0},
      {cxLookupStepLast, false, -1, 20, 8, 19},
      {cxLookupStepNext, false, -1, 3, 8, 0},
      {cxLookupStepNext, false, 2, 3, 8, 2},  // the end stays
      {cxLookupStepNext, true, 2, 3, 8, 0},   // wrap
      {cxLookupStepPrior, false, 0, 3, 8, 0},
      {cxLookupStepPrior, false, -1, 3, 8, -1},
      {cxLookupStepPrior, true, 0, 3, 8, 2},
      {cxLookupStepPrior, false, 2, 3, 8, 1},
      {cxLookupStepPageDown, false, -1, 20, 8, 6},  // DropDownRows - 2 from none
      {cxLookupStepPageDown, false, 3, 20, 8, 10},
      {cxLookupStepPageDown, false, 15, 20, 8, 19},
      {cxLookupStepPageDown, true, 15, 20, 8, 19},  // wraps only from the last item
      {cxLookupStepPageDown, true, 19, 20, 8, 0},
      {cxLookupStepPageDown, false, 19, 20, 8, 19},
      {cxLookupStepPageDown, false, -1, 3, 8, 2},
      {cxLookupStepPageUp, false, -1, 20, 8, -1},
      {cxLookupStepPageUp, true, -1, 20, 8, 19},
      {cxLookupStepPageUp, false, 10, 20, 8, 3},
      {cxLookupStepPageUp, false, 3, 20, 8, 0},
      {cxLookupStepPageUp, false, 0, 20, 8, 0},
      {cxLookupStepPageUp, true, 0, 20, 8, 19},
      {cxLookupStepPageDown, false, 3, 20, 0, 3},  // no rows: a page key never moves back
      {cxLookupStepNext, false, -1, 0, 8, -1},     // nothing without items
  };
  for (const Case& c : cases)
    EXPECT_EQ(LookupStepIndex(c.Direction, c.Wrap, c.Index, c.Count, c.Rows), c.Expected)
        << c.Direction << " wrap " << c.Wrap << " from " << c.Index << " of " << c.Count;
}

TEST(LookupItemIndex, ReadsTheCurrentItemOnlyWhenTheTextIsIt) {
  TcxLookupItemVector fruit(kFruit);
  TcxLookupItemVector twins({L"Apple", L"Apple", L"Banana"});
  struct Case {
    TcxLookupItemVector* Items;
    int Key;
    const wchar_t* Text;
    int Expected;
  };
  const Case cases[] = {
      {&fruit, 0, L"App", -1},     // a typed prefix while Apple is current
      {&fruit, 0, L"APPLE", 0},    // letter case ignored
      {&fruit, -1, L"banana", 2},  // no key: the first equal item
      {&fruit, 1, L"Apple", 0},    // the current item is another: the first equal one
      {&twins, 1, L"Apple", 1},    // a chosen duplicate reads its own index
      {&twins, -1, L"Apple", 0},
      {&twins, 7, L"Apple", 0},  // a key outside the list
      {&twins, 1, L"", -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReadLookupItemIndex(*c.Items, c.Key, c.Text), c.Expected) << c.Key << " " << Narrow(c.Text);
}

}  // namespace
