// The packed form of streamed bitmap data: runs of equal or differing blocks
// of one pixel's size. Reading trusts no count: every run is checked against
// the bytes that remain before it is copied.
#include <algorithm>
#include <cstring>

#include "Streams.h"
#include "cxGraphics.h"

namespace {

constexpr std::size_t HeaderSize = 10;
constexpr std::uint8_t LiteralRun = 0x80;

[[noreturn]] void Damaged() { throw EReadError(&SReadError); }

void PutLE32(std::uint8_t* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = std::uint8_t(value >> (8 * i));
}

std::uint32_t GetLE32(const std::uint8_t* at) {
  return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 | std::uint32_t(at[3]) << 24;
}

bool SameBlock(const std::uint8_t* a, const std::uint8_t* b, std::size_t size) { return std::memcmp(a, b, size) == 0; }

// Appends the runs of Count blocks of Size bytes at Data.
void PackRuns(const std::uint8_t* data, std::size_t count, std::size_t size, std::vector<std::uint8_t>& out) {
  auto block = [&](std::size_t i) { return data + i * size; };
  std::size_t i = 0;
  while (i < count) {
    if (i + 1 < count && SameBlock(block(i), block(i + 1), size)) {
      std::size_t j = i + 1;
      while (j < count && j - i < cxPackedBitmapMaxRun && SameBlock(block(j), block(i), size)) ++j;
      out.push_back(std::uint8_t(j - i));
      out.insert(out.end(), block(i), block(i) + size);
      i = j;
    } else {
      // Differing blocks; one equal to its predecessor ends the run early, as
      // the two start the next repeat run.
      std::size_t j = i + 1;
      while (j < count && j - i < cxPackedBitmapMaxRun && !SameBlock(block(j), block(j - 1), size)) ++j;
      if (j < count && j - i < cxPackedBitmapMaxRun && j - 1 > i) --j;
      out.push_back(std::uint8_t(LiteralRun | (j - i)));
      out.insert(out.end(), block(i), block(j));
      i = j;
    }
  }
}

}  // namespace

std::vector<std::uint8_t> PackBitmapData(const std::uint8_t* Data, std::size_t Size, int BitsPerPixel) {
  const std::size_t blockSize = std::size_t(std::clamp(BitsPerPixel / 8, 1, 255));
  const std::size_t rest = Size % blockSize;
  std::vector<std::uint8_t> out(HeaderSize);
  PutLE32(out.data() + 4, cxPackedBitmapSignature);
  out[8] = std::uint8_t(cxPackedBitmapVersion);
  out[9] = std::uint8_t(cxPackedBitmapVersion >> 8);
  out.push_back(std::uint8_t(blockSize));
  out.push_back(std::uint8_t(rest));
  out.insert(out.end(), Data, Data + rest);
  PackRuns(Data + rest, (Size - rest) / blockSize, blockSize, out);
  PutLE32(out.data(), std::uint32_t(out.size() - HeaderSize));
  return out;
}

std::vector<std::uint8_t> UnpackBitmapData(std::uint16_t Version, const std::uint8_t* Data, std::size_t Size) {
  std::vector<std::uint8_t> out;
  if (Version != 1 && Version != 2) return out;
  std::size_t pos = 0, blockSize = 1;
  if (Version == 2) {
    if (Size < 2) Damaged();
    blockSize = Data[0];
    const std::size_t rest = Data[1];
    pos = 2;
    if (blockSize == 0 || rest > Size - pos) Damaged();
    out.assign(Data + pos, Data + pos + rest);
    pos += rest;
  }
  while (pos < Size) {
    const std::uint8_t control = Data[pos++];
    const std::size_t count = control & ~LiteralRun;
    const std::size_t needed = control & LiteralRun ? count * blockSize : blockSize;
    if (needed > Size - pos) Damaged();
    if (control & LiteralRun) {
      out.insert(out.end(), Data + pos, Data + pos + needed);
    } else {
      for (std::size_t i = 0; i < count; ++i) out.insert(out.end(), Data + pos, Data + pos + needed);
    }
    pos += needed;
  }
  return out;
}

bool ReadPackedBitmapData(TStream* Stream, std::vector<std::uint8_t>& Unpacked) {
  const std::int64_t start = Stream->Position();
  const std::int64_t available = Stream->Size() - start;
  if (available < std::int64_t(HeaderSize)) return false;
  std::uint8_t header[HeaderSize];
  Stream->ReadBuffer(header, std::int32_t(HeaderSize));
  if (GetLE32(header + 4) != cxPackedBitmapSignature) {
    Stream->SetPosition(start);
    return false;
  }
  const std::uint32_t length = GetLE32(header);
  // Checked against what the stream holds before allocating.
  if (std::int64_t(length) > available - std::int64_t(HeaderSize)) Damaged();
  std::vector<std::uint8_t> packed(length);
  if (length) Stream->ReadBuffer(packed.data(), std::int32_t(length));
  Unpacked = UnpackBitmapData(std::uint16_t(header[8] | header[9] << 8), packed.data(), packed.size());
  return true;
}

void CheckBitmapRecordLength(TStream* Stream) {
  const std::int64_t start = Stream->Position();
  const std::int64_t available = Stream->Size() - start;
  if (available < 4) Damaged();
  std::uint8_t length[4];
  Stream->ReadBuffer(length, 4);
  Stream->SetPosition(start);
  const std::int32_t size = std::int32_t(GetLE32(length));
  if (size < 0 || size > available - 4) Damaged();
}
