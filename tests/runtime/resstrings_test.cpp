// Resource strings prefer the program's string table over the built-in text.
#include <gtest/gtest.h>

#include "System.h"

namespace {

TEST(ResourceStringTableTest, TableEntryReplacesTheBuiltInText) {
  static const TResStringRec inTable{L"sInTable", L"Built-in text", 4001};
  static const TResStringRec notInTable{L"sMissing", L"Only built in", 4002};
  EXPECT_EQ(LoadResString(&inTable), L"Text from the string table");
  EXPECT_EQ(LoadResString(&notInTable), L"Only built in");
}

}  // namespace
