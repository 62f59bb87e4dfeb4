// Replays a fuzz target's kept inputs through its entry function, one test per
// input, in the normal test run: an input that once crashed, hung or threw a
// foreign exception fails here, natively and under Wine, if the fault returns.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "FuzzReplay.h"

namespace {

class FuzzReplay : public testing::TestWithParam<size_t> {};

TEST_P(FuzzReplay, EntryAcceptsKeptInput) {
  const TFuzzInput& input = FuzzKeptInputs[GetParam()];
  // The entry answers 0 for every input; anything it does not handle itself
  // (a foreign exception, a crash) is the fault.
  EXPECT_EQ(0, LLVMFuzzerTestOneInput(input.Data, input.Size)) << input.Name;
}

std::vector<size_t> Indices() {
  std::vector<size_t> all;
  for (size_t i = 0; i < FuzzKeptCount; ++i) all.push_back(i);
  return all;
}

std::string InputName(const testing::TestParamInfo<size_t>& info) {
  std::string name;
  for (const char* p = FuzzKeptInputs[info.param].Name; *p; ++p)
    name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
  return name + "_" + std::to_string(info.param);
}

INSTANTIATE_TEST_SUITE_P(Kept, FuzzReplay, testing::ValuesIn(Indices()), InputName);

}  // namespace
