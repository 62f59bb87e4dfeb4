// The system image list's own stream, as image lists stream their images in
// forms ("Bitmap"): a header, the images' bitmap and, for a masked list, the
// mask's. The system reads such data without checking it, so it is checked here
// first. Needs no Win32.
#pragma once

#include <cstddef>
#include <cstdint>

#include "System.h"

// Empty when the header and its bitmaps are whole and agree with each other
// (each bitmap uncompressed, of a known depth, with its colour table and every
// row present; room in the images' bitmap for every image the header counts; a
// one-bit mask of the same size). Otherwise what is wrong, in a few words.
String CheckImageListData(const std::uint8_t* Data, std::size_t Size);
