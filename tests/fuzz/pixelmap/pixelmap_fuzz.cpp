// Pixel maps as people author them: whatever the text, the reader answers a
// map or its line-numbered error, never more; a map it accepts converts to a
// bitmap or cursor file whose headers agree with its size.
#include "FuzzSupport.h"
#include "PixelMap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  TPixelMap map;
  try {
    map = ParsePixelMap(text);
  } catch (const EPixelMapError&) {
    return 0;
  }
  fuzz::Check(map.Width >= 1 && map.Width <= 256 && map.Height >= 1 && map.Height <= 256, "a size within 1..256");
  fuzz::Check(map.Pixels.size() == std::size_t(map.Width) * std::size_t(map.Height), "one pixel per cell");
  for (int p : map.Pixels) fuzz::Check(p >= 0 && p < int(map.Palette.size()), "every pixel names a colour");
  try {
    const std::vector<std::uint8_t> file =
        map.Kind == TPixelMapKind::Cursor ? PixelMapToCursorFile(map) : PixelMapToBitmapFile(map);
    if (map.Kind == TPixelMapKind::Bitmap) {
      const std::uint32_t told = file[2] | file[3] << 8 | file[4] << 16 | std::uint32_t(file[5]) << 24;
      fuzz::Check(told == file.size(), "the file header tells the file's size");
    } else {
      const std::uint32_t image = file[14] | file[15] << 8 | file[16] << 16 | std::uint32_t(file[17]) << 24;
      fuzz::Check(image + 22 == file.size(), "the directory tells the image's size");
    }
  } catch (const EPixelMapError&) {
    // More colours than the depth holds: refused with its message.
  }
  return 0;
}
