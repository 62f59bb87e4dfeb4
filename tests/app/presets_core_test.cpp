// The stored native-matrix record read back: the split that the record's
// reader uses, and which splices a record replays when it is whole, empty,
// cut or damaged (D-25).
#include <gtest/gtest.h>

#include "PresetRecord.h"

namespace {

TEST(SplitStringTest, EmptyPiecesBeforeADelimiterAreDroppedAndTheLastPieceIsAlwaysKept) {
  struct {
    const wchar_t* Text;
    const wchar_t* Delimiter;
    std::vector<String> Pieces;
  } cases[] = {
      {L"3,1,", L",", {L"3", L"1", L""}},
      {L"3,1", L",", {L"3", L"1"}},
      {L"", L",", {L""}},
      {L",,3,,1", L",", {L"3", L"1"}},
      {L",", L",", {L""}},
      {L"0,0,0,0,0", L",", {L"0", L"0", L"0", L"0", L"0"}},
      {L"a::b::", L"::", {L"a", L"b", L""}},
      {L"a:b", L"", {L"a:b"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(String(c.Text)));
    EXPECT_EQ(SplitString(c.Text, c.Delimiter), c.Pieces);
  }
}

TEST(NativeRecordTest, OnlyCompleteEntriesUpToTheCountAreReplayed) {
  const TRecordedSplice first{1, 1, 2, 2, 3}, second{3, 1, 3, 2, 5};
  struct {
    const char* Name;
    const wchar_t* Value;
    std::vector<TRecordedSplice> Splices;
  } cases[] = {
      {"two splices as a recording stores them", L"2,1,1,2,2,3,3,1,3,2,5,", {first, second}},
      {"no record", L"0", {}},
      {"the all-zero value", L"0,0,0,0,0", {}},
      {"count 0 with entries behind it", L"0,1,1,2,2,3,", {}},
      {"a negative count", L"-1,1,1,2,2,3,", {}},
      {"a count that is no number", L"x,1,1,2,2,3,", {}},
      {"an empty value", L"", {}},
      {"a count below the entries present", L"1,1,1,2,2,3,3,1,3,2,5,", {first}},
      {"a count above the entries present (a cut record)", L"9,1,1,2,2,3,3,1,3", {first}},
      {"a number inside that is no number", L"2,1,1,2,2,3,3,x,3,2,5,", {first}},
      {"the last entry without its closing comma", L"2,1,1,2,2,3,3,1,3,2,5", {first, second}},
      {"a count too large for an integer", L"99999999999,1,1,2,2,3,", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(ReadNativeRecord(c.Value), c.Splices);
  }
  EXPECT_EQ(FormatNativeRecord(2, L"1,1,2,2,3,3,1,3,2,5,"), L"2,1,1,2,2,3,3,1,3,2,5,");
}

}  // namespace
