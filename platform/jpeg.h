#pragma once
// JPEG decoding from memory through libjpeg, into 8-bit RGB pixels.

#include <cstdint>
#include <span>
#include <vector>

namespace platform {

// Pixels row by row from the top, three bytes (red, green, blue) each, no padding.
struct RgbImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// Decodes a whole JPEG file held in memory. A damaged or unsupported file (libjpeg's warnings
// of corrupt data included) raises Error(ErrorKind::Jpeg) with libjpeg's message and its
// message code.
RgbImage decodeJpeg(std::span<const std::uint8_t> data);

} // namespace platform
