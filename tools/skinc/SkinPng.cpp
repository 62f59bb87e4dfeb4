#include "SkinPng.h"

#include <zlib.h>

#include <stdexcept>

namespace skinc {

namespace {

void Put32(std::vector<std::uint8_t>& AOut, std::uint32_t AValue) {
  for (int shift = 24; shift >= 0; shift -= 8) AOut.push_back(std::uint8_t(AValue >> shift));
}

void Chunk(std::vector<std::uint8_t>& AOut, const char* AType, const std::vector<std::uint8_t>& AData) {
  Put32(AOut, std::uint32_t(AData.size()));
  const std::size_t start = AOut.size();
  AOut.insert(AOut.end(), AType, AType + 4);
  AOut.insert(AOut.end(), AData.begin(), AData.end());
  Put32(AOut, std::uint32_t(crc32(0, AOut.data() + start, uInt(AOut.size() - start))));
}

// One compressor for every picture, reset between them: making one per
// picture costs more than the compression of a small picture.
class TDeflater {
 public:
  TDeflater() {
    if (deflateInit(&FStream, Z_BEST_COMPRESSION) != Z_OK) throw std::runtime_error("zlib did not start");
  }
  ~TDeflater() { deflateEnd(&FStream); }
  std::vector<std::uint8_t> Compress(std::vector<std::uint8_t>& ARaw) {
    if (deflateReset(&FStream) != Z_OK) throw std::runtime_error("zlib did not reset");
    std::vector<std::uint8_t> packed(deflateBound(&FStream, uLong(ARaw.size())));
    FStream.next_in = ARaw.data();
    FStream.avail_in = uInt(ARaw.size());
    FStream.next_out = packed.data();
    FStream.avail_out = uInt(packed.size());
    if (deflate(&FStream, Z_FINISH) != Z_STREAM_END) throw std::runtime_error("zlib could not compress a picture");
    packed.resize(packed.size() - FStream.avail_out);
    return packed;
  }

 private:
  z_stream FStream{};
};

}  // namespace

std::vector<std::uint8_t> EncodePng(const TRaster& ARaster) {
  if (ARaster.Width() <= 0 || ARaster.Height() <= 0) throw std::runtime_error("an empty picture has no PNG form");
  std::vector<std::uint8_t> raw;
  raw.reserve(std::size_t(ARaster.Height()) * (std::size_t(ARaster.Width()) * 4 + 1));
  for (int y = 0; y < ARaster.Height(); ++y) {
    raw.push_back(0);  // filter: none
    for (int x = 0; x < ARaster.Width(); ++x) {
      const TRgba p = ARaster.Pixel(x, y);
      raw.insert(raw.end(), {p.R, p.G, p.B, p.A});
    }
  }
  static TDeflater deflater;
  const std::vector<std::uint8_t> packed = deflater.Compress(raw);

  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  Put32(header, std::uint32_t(ARaster.Width()));
  Put32(header, std::uint32_t(ARaster.Height()));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter set, no interlace
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", packed);
  Chunk(png, "IEND", {});
  return png;
}

}  // namespace skinc
