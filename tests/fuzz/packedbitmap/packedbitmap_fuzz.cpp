// The streamed data of a toolkit bitmap, packed or plain, as a form file or an
// image list holds it (or damaged on disk): the reader unpacks it and checks
// the runtime's record before anything is allocated for it. What unpacks must
// pack and unpack again to the same bytes, and never grow past 127 blocks per
// block read.
#include <vector>

#include "FuzzSupport.h"
#include "Streams.h"
#include "cxGraphics.h"

namespace {

std::vector<std::uint8_t> Unpack(const std::vector<std::uint8_t>& packed, bool& isPacked) {
  TMemoryStream stream;
  if (!packed.empty()) stream.WriteBuffer(packed.data(), std::int32_t(packed.size()));
  stream.SetPosition(0);
  std::vector<std::uint8_t> unpacked;
  isPacked = ReadPackedBitmapData(&stream, unpacked);
  if (!isPacked) {
    fuzz::Check(stream.Position() == 0, "plain data was not put back");
    CheckBitmapRecordLength(&stream);
    return unpacked;
  }
  TMemoryStream record;
  if (!unpacked.empty()) record.WriteBuffer(unpacked.data(), std::int32_t(unpacked.size()));
  record.SetPosition(0);
  CheckBitmapRecordLength(&record);
  return unpacked;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  const std::vector<std::uint8_t> input(data, data + size);
  bool isPacked = false;
  std::vector<std::uint8_t> unpacked;
  try {
    unpacked = Unpack(input, isPacked);
  } catch (const Exception&) {
    return 0;
  }
  if (!isPacked) return 0;
  fuzz::Check(unpacked.size() <= size * 127, "unpacked data grew past its bound");
  // The block size the data was packed with, where the version records one.
  const int bits = size > 10 && data[8] == 2 && data[9] == 0 ? 8 * data[10] : 8;
  const std::vector<std::uint8_t> repacked = PackBitmapData(unpacked.data(), unpacked.size(), bits);
  bool again = false;
  fuzz::Check(Unpack(repacked, again) == unpacked && again, "repacked data unpacks differently");
  return 0;
}
