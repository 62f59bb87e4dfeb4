// Picture data handed to the PNG loader (from a file, a form file or a skin):
// the loader's own walk of the chunks before any decoder sees the data. What
// it accepts has a size within bounds; the checksum runs the same in pieces.
#include <vector>

#include "FuzzSupport.h"
#include "dxGDIPlusClasses.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  TSize picture{};
  const String problem = CheckPngData(data, size, picture);
  if (problem.empty()) {
    fuzz::Check(HasPngSignature(data, size), "accepted without a signature");
    fuzz::Check(picture.cx > 0 && picture.cy > 0 &&
                    std::uint64_t(picture.cx) * std::uint64_t(picture.cy) <= dxMaxPngPixels,
                "accepted a size out of range");
  }
  const std::size_t half = size / 2;
  fuzz::Check(PngCrc32(data + half, size - half, PngCrc32(data, half)) == PngCrc32(data, size),
              "the checksum differs in pieces");
  return 0;
}
