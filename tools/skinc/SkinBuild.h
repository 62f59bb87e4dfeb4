// Builds a skin from the catalogue and one description: every group, element
// and property of the catalogue, the pictures drawn from the description's
// styles (or, for the probe skin, flat colours), the values it sets.
//
// The probe pattern: frames are numbered from 0 in catalogue order (element by
// element, the image's frames before the glyph's, each picture's frames in
// its own order); frame n is filled with colour ((n + 1) * 0x5BD1E9) mod 2^24
// (as 0xRRGGBB, fully opaque), except that part p of its nine-part split by
// the margins (p not 4, the centre) takes that colour XOR
// ((p + 1) * 0x1F2B37) mod 2^24. So every element, image and state has a
// colour of its own, and every margin part differs from its centre.
#pragma once

#include <cstdint>
#include <memory>

#include "SkinRaster.h"
#include "SkinSource.h"
#include "dxSkinsCore.h"

namespace skinc {

std::uint32_t ProbeFrameColor(int AFrame);
std::uint32_t ProbePartColor(int AFrame, int APart);

struct TBuildStats {
  int Elements = 0;
  int Pictures = 0;
  int Frames = 0;
};

// Raises std::runtime_error naming the file and line of what is wrong.
std::unique_ptr<TdxSkin> BuildSkin(const TCatalogue& ACatalogue, const TDescription& ADescription,
                                   TBuildStats* AStats = nullptr);

}  // namespace skinc
