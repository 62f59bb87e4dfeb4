#include "ImgListData.h"

#include <cstdint>
#include <cstdlib>

namespace {

std::uint32_t Little16(const std::uint8_t* p) { return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8; }
std::uint32_t Little32(const std::uint8_t* p) { return Little16(p) | Little16(p + 2) << 16; }

// One bitmap of the system list's stream at pos: its file header, a
// BITMAPINFOHEADER, the colour table and the pixels, all present; pos moves past it. Null when
// sound, else what is wrong.
struct TStreamedBitmap {
  int Width = 0, Height = 0, BitCount = 0;
};
const wchar_t* CheckStreamedBitmap(const std::uint8_t* data, std::size_t size, std::size_t& pos, TStreamedBitmap& b) {
  if (size - pos < 14 + 40) return L"bitmap cut short";
  const std::uint8_t* file = data + pos;
  if (file[0] != 'B' || file[1] != 'M') return L"no bitmap where one belongs";
  const std::uint8_t* info = file + 14;
  const std::int32_t width = std::int32_t(Little32(info + 4)), height = std::int32_t(Little32(info + 8));
  b.BitCount = int(Little16(info + 14));
  if (Little32(info) != 40 || width <= 0 || height == 0 || height == INT32_MIN || Little16(info + 12) != 1)
    return L"bitmap header";
  if (b.BitCount != 1 && b.BitCount != 4 && b.BitCount != 8 && b.BitCount != 16 && b.BitCount != 24 &&
      b.BitCount != 32)
    return L"bitmap depth";
  if (Little32(info + 16) != 0) return L"bitmap compression";
  b.Width = width;
  b.Height = std::abs(height);
  if (b.Width > 0x8000 || b.Height > 0x8000) return L"bitmap size";
  const std::size_t colours = b.BitCount <= 8 ? std::size_t(1) << b.BitCount : 0;
  const std::size_t stride = (std::size_t(b.Width) * std::size_t(b.BitCount) + 31) / 32 * 4;
  const std::size_t total = 14 + 40 + colours * 4 + stride * std::size_t(b.Height);
  if (total > size - pos) return L"bitmap cut short";
  pos += total;
  return nullptr;
}

}  // namespace

String CheckImageListData(const std::uint8_t* Data, std::size_t Size) {
  constexpr std::size_t kHeader = 28;
  if (Size < kHeader || Little16(Data) != 0x4C49) return String(L"no image list header");
  const std::uint32_t version = Little16(Data + 2);
  if (version != 0x0101 && version != 0x0600) return String(L"unknown image list version");
  const std::uint32_t count = Little16(Data + 4), capacity = Little16(Data + 6);
  const std::uint32_t cx = Little16(Data + 10), cy = Little16(Data + 12), flags = Little16(Data + 18);
  if (cx == 0 || cy == 0 || count > capacity) return String(L"image list header");
  std::size_t pos = kHeader;
  TStreamedBitmap image, mask;
  if (const wchar_t* problem = CheckStreamedBitmap(Data, Size, pos, image)) return problem;
  // Room for every image the header counts, in tiles of the image size.
  if (std::uint64_t(image.Width / cx) * std::uint64_t(image.Height / cy) < count || std::uint32_t(image.Width) < cx ||
      std::uint32_t(image.Height) < cy)
    return String(L"bitmap too small for the images");
  if (flags & 0x0001) {  // masked
    if (const wchar_t* problem = CheckStreamedBitmap(Data, Size, pos, mask)) return problem;
    if (mask.BitCount != 1 || mask.Width != image.Width || mask.Height != image.Height)
      return String(L"mask does not match the images");
  }
  return String();
}
