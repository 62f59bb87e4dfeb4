// JPEG fixtures encoded in the test with libjpeg, so no picture file has to
// live in the tree and every byte of one is known to the test.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace test_support {

// Encodes a picture; pixel(x, y, out) writes `components` bytes (RGB or gray).
inline std::vector<std::uint8_t> EncodeJpeg(int width, int height, int components,
                                            const std::function<void(int, int, std::uint8_t*)>& pixel) {
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &out, &size);
  c.image_width = JDIMENSION(width);
  c.image_height = JDIMENSION(height);
  c.input_components = components;
  c.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 95, TRUE);
  jpeg_start_compress(&c, TRUE);
  std::vector<std::uint8_t> row(size_t(width * components));
  while (int(c.next_scanline) < height) {
    for (int x = 0; x < width; ++x) pixel(x, int(c.next_scanline), &row[size_t(x * components)]);
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  std::vector<std::uint8_t> data(out, out + size);
  std::free(out);
  jpeg_destroy_compress(&c);
  return data;
}

}  // namespace test_support
