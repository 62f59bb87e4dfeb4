// Converts a pixel map (see PixelMap.h) to the bitmap or cursor file the
// resource compiler embeds:
//   pixmapconv MAP.pixmap OUTPUT
// The output is a bitmap or a cursor as the map's first line says. A broken
// map fails the build with its line; no output is left behind then.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "PixelMap.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: pixmapconv MAP.pixmap OUTPUT\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << argv[1] << ": cannot read\n";
    return 1;
  }
  std::ostringstream text;
  text << in.rdbuf();
  try {
    const TPixelMap map = ParsePixelMap(text.str());
    const std::vector<std::uint8_t> data =
        map.Kind == TPixelMapKind::Cursor ? PixelMapToCursorFile(map) : PixelMapToBitmapFile(map);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    if (!out.flush()) {
      std::cerr << argv[2] << ": cannot write\n";
      std::remove(argv[2]);
      return 1;
    }
  } catch (const EPixelMapError& e) {
    std::cerr << argv[1] << ": " << e.what() << "\n";
    std::remove(argv[2]);
    return 1;
  }
  return 0;
}
