// PNG files of the skin compiler's pictures: straight-alpha RGBA, every row
// unfiltered, one IDAT compressed by zlib at its best level, no time or text
// chunks, so the same pixels give the same bytes on every run.
#pragma once

#include <cstdint>
#include <vector>

#include "SkinRaster.h"

namespace skinc {

std::vector<std::uint8_t> EncodePng(const TRaster& ARaster);

}  // namespace skinc
