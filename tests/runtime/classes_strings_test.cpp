// String lists: sorting, finding, duplicates, text forms, names and values.
#include <gtest/gtest.h>

#include <vector>

#include "Classes.h"
#include "Streams.h"

namespace {

std::vector<String> All(const TStrings& s) {
  std::vector<String> r;
  for (int i = 0; i < s.Count(); ++i) r.push_back(s.Strings(i));
  return r;
}

TEST(StringListTest, SortedAddWithEachDuplicatesMode) {
  struct TCase {
    TDuplicates dup;
    std::vector<String> want;
    bool raises;
  } cases[] = {
      {dupIgnore, {L"apple", L"Banana", L"cherry"}, false},
      {dupAccept, {L"apple", L"banana", L"Banana", L"cherry", L"cherry"}, false},  // before its equals
      {dupError, {L"apple", L"Banana", L"cherry"}, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(int(c.dup));
    TStringList list;
    list.SetDuplicates(c.dup);
    list.SetSorted(true);
    bool raised = false;
    for (const wchar_t* s : {L"cherry", L"Banana", L"apple", L"banana", L"cherry"}) {
      try {
        list.Add(s);
      } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), L"String list does not allow duplicates");
        raised = true;
      }
    }
    EXPECT_EQ(raised, c.raises);
    EXPECT_EQ(All(list), c.want);
  }
}

TEST(StringListTest, FindGivesMatchOrInsertPosition) {
  TStringList list;
  list.SetDuplicates(dupAccept);
  list.SetSorted(true);
  for (const wchar_t* s : {L"b", L"d", L"d", L"d", L"f"}) list.Add(s);
  struct TCase {
    const wchar_t* s;
    bool found;
    int index;
  } cases[] = {{L"a", false, 0}, {L"b", true, 0}, {L"c", false, 1}, {L"D", true, 1}, {L"e", false, 4}, {L"g", false, 5}};
  for (const TCase& c : cases) {
    int index = -1;
    EXPECT_EQ(list.Find(c.s, index), c.found) << int(c.s[0]);
    EXPECT_EQ(index, c.index) << int(c.s[0]);
  }
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf(L"D"), -1);
  EXPECT_EQ(list.IndexOf(L"d"), 1);
}

TEST(StringListTest, ChangingCaseSensitivitySortsAgain) {
  TStringList list;
  list.SetDuplicates(dupAccept);
  list.SetSorted(true);
  list.SetCommaText(L"b,B,a,A");
  list.SetCaseSensitive(true);
  for (const wchar_t* s : {L"a", L"A", L"b", L"B"}) {
    int index = -1;
    EXPECT_TRUE(list.Find(s, index)) << int(s[0]);
    EXPECT_EQ(list.Strings(index), s);
  }
}

TEST(StringListTest, SortedListRefusesPositionalChangesWithoutLosingEntries) {
  TStringList list;
  list.Add(L"b");
  list.Add(L"a");
  list.SetSorted(true);
  EXPECT_EQ(All(list), (std::vector<String>{L"a", L"b"}));
  for (auto op : {+[](TStringList& l) { l.Insert(0, L"x"); }, +[](TStringList& l) { l.Move(0, 1); },
                  +[](TStringList& l) { l.SetStrings(0, L"z"); }}) {
    try {
      op(list);
      ADD_FAILURE() << "no error";
    } catch (const EStringListError& e) {
      EXPECT_EQ(e.Message(), L"Operation not allowed on sorted list");
    }
  }
  EXPECT_EQ(All(list), (std::vector<String>{L"a", L"b"}));
  try {
    list.Strings(2);
    ADD_FAILURE();
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), L"List index out of bounds (2)");
  }
}

int ByLength(TStringList* list, int a, int b) {
  return int(list->Strings(a).size()) - int(list->Strings(b).size());
}

TEST(StringListTest, CustomSortKeepsObjectsWithTheirStrings) {
  TStringList list;
  TStringList tag1, tag2, tag3;
  list.AddObject(L"ccc", &tag3);
  list.AddObject(L"a", &tag1);
  list.AddObject(L"bb", &tag2);
  list.CustomSort(&ByLength);
  EXPECT_EQ(All(list), (std::vector<String>{L"a", L"bb", L"ccc"}));
  EXPECT_EQ(list.Objects(0), &tag1);
  EXPECT_EQ(list.IndexOfObject(&tag3), 2);
}

TEST(StringListTest, TextUsesCrLfAndReadsEveryLineBreak) {
  struct TCase {
    const wchar_t* text;
    std::vector<String> lines;
  } cases[] = {
      {L"", {}},
      {L"a", {L"a"}},
      {L"a\r\nb\r\n", {L"a", L"b"}},
      {L"a\nb\rc", {L"a", L"b", L"c"}},
      {L"a\r\n\r\n", {L"a", L""}},
      {L"\n\rx", {L"", L"", L"x"}},  // LF CR is two breaks
      {L"中文\r\n", {L"中文"}},
  };
  for (const TCase& c : cases) {
    TStringList list;
    list.SetText(c.text);
    EXPECT_EQ(All(list), c.lines);
  }
  TStringList list;
  list.Add(L"x");
  list.Add(L"");
  EXPECT_EQ(list.Text(), L"x\r\n\r\n");
}

TEST(StringListTest, CommaTextQuotesWhereNeededAndRoundTrips) {
  struct TCase {
    std::vector<String> lines;
    const wchar_t* comma;
  } cases[] = {
      {{}, L""},
      {{L""}, L"\"\""},
      {{L"", L""}, L","},
      {{L"a", L"b c", L"d,e", L"say \"hi\""}, L"a,\"b c\",\"d,e\",\"say \"\"hi\"\"\""},
      {{L"x", L"", L"y"}, L"x,,y"},
      {{L"tab\there"}, L"\"tab\there\""},
  };
  for (const TCase& c : cases) {
    TStringList list;
    for (const String& s : c.lines) list.Add(s);
    EXPECT_EQ(list.CommaText(), c.comma);
    TStringList back;
    back.SetCommaText(list.CommaText());
    EXPECT_EQ(All(back), c.lines);
  }
  // Unquoted blanks separate too, and blanks around entries are dropped.
  TStringList list;
  list.SetCommaText(L" a b , \"c d\" ,e,");
  EXPECT_EQ(All(list), (std::vector<String>{L"a", L"b", L"c d", L"e", L""}));
  list.SetDelimiter(L';');
  list.SetQuoteChar(L'\'');
  list.SetDelimitedText(L"x;'y;z'");
  EXPECT_EQ(All(list), (std::vector<String>{L"x", L"y;z"}));
  EXPECT_EQ(list.DelimitedText(), L"x;'y;z'");
}

TEST(StringListTest, NamesAndValues) {
  TStringList list;
  list.SetText(L"Port=COM5\r\nbaud=9600\r\nplain\r\nempty=\r\n");
  EXPECT_EQ(list.Values(L"PORT"), L"COM5");
  EXPECT_EQ(list.Names(1), L"baud");
  EXPECT_EQ(list.Names(2), L"");
  EXPECT_EQ(list.ValueFromIndex(2), L"");  // no separator: no value
  EXPECT_EQ(list.IndexOfName(L"empty"), 3);
  list.SetValues(L"baud", L"19200");
  list.SetValues(L"parity", L"none");
  list.SetValues(L"Port", L"");
  EXPECT_EQ(All(list), (std::vector<String>{L"baud=19200", L"plain", L"empty=", L"parity=none"}));
}

class TCounter : public TObject {
 public:
  int changes = 0, changings = 0;
  void Change(TObject*) { ++changes; }
  void Changing(TObject*) { ++changings; }
};

TEST(StringListTest, ChangeEventsWaitForTheOutermostEndUpdate) {
  TCounter counter;
  TStringList list;
  list.OnChange = TNotifyEvent(&counter, &TCounter::Change);
  list.OnChanging = TNotifyEvent(&counter, &TCounter::Changing);
  list.Add(L"a");
  EXPECT_EQ(counter.changes, 1);
  EXPECT_EQ(counter.changings, 1);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add(L"b");
  list.SetText(L"x\ny");
  list.EndUpdate();
  EXPECT_EQ(counter.changes, 1);
  list.EndUpdate();
  EXPECT_EQ(counter.changes, 2);
  EXPECT_EQ(counter.changings, 2);
}

TEST(StringListTest, AssignExchangeMoveAndEquals) {
  TStringList a, b;
  a.SetText(L"1\n2\n3");
  b.Assign(&a);
  EXPECT_TRUE(b.Equals(&a));
  b.Exchange(0, 2);
  b.Move(0, 1);
  EXPECT_EQ(All(b), (std::vector<String>{L"2", L"3", L"1"}));
  EXPECT_FALSE(b.Equals(&a));
  b.AddStrings(&a);
  EXPECT_EQ(b.Count(), 6);
}

TEST(StringListTest, StreamsCarryTheTextFromThePosition) {
  TMemoryStream stream;
  TStringList a;
  a.SetText(L"one\ntwo");
  a.SaveToStream(&stream);
  EXPECT_EQ(stream.Size(), 10);  // "one\r\ntwo\r\n"
  stream.SetPosition(5);
  TStringList b;
  b.Add(L"stale");
  b.LoadFromStream(&stream);
  EXPECT_EQ(All(b), std::vector<String>{L"two"});
  b.LoadFromStream(&stream);  // at the end: empty
  EXPECT_EQ(b.Count(), 0);
}

int Reversed(const String& x, const String& y, bool) { return y.compare(x); }

TEST(StringListTest, SortsWithTheInstalledLocaleComparison) {
  TLocaleCompare old = SetLocaleCompare(&Reversed);
  TStringList list;
  list.SetCommaText(L"b,c,a");
  list.SetSorted(true);
  SetLocaleCompare(old);
  EXPECT_EQ(list.CommaText(), L"c,b,a");
}

}  // namespace
