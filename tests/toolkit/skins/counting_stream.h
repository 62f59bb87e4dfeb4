// A stream over bytes that counts what is read from it: the measure of how
// much work a reader does, the same on every machine and under any load.
// Shared by the skin tests and the skin fuzz targets. No Win32, no test framework.
#pragma once

#include <cstdint>
#include <string>

#include "Streams.h"

namespace skins_test {

class TCountingStream : public TStringStream {
 public:
  explicit TCountingStream(const std::string& AData) : TStringStream(AData) {}
  int32_t Read(void* Buffer, int32_t Count) override {
    const int32_t n = TStringStream::Read(Buffer, Count);
    FBytesRead += n;
    return n;
  }
  std::int64_t BytesRead() const { return FBytesRead; }

 private:
  std::int64_t FBytesRead = 0;
};

}  // namespace skins_test
