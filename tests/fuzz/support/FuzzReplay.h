// The inputs a fuzz target keeps in the tree (seeds and every input that once
// failed), embedded in its replay test, and the target's entry function.
#pragma once

#include <cstddef>
#include <cstdint>

struct TFuzzInput {
  const char* Name;  // seeds/... or regressions/...
  const unsigned char* Data;
  size_t Size;
};

extern const TFuzzInput FuzzKeptInputs[];
extern const size_t FuzzKeptCount;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size);
