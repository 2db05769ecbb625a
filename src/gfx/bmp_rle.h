#pragma once
#include <cstdint>
#include <functional>
#include <span>

namespace haltwise {

using RlePixelSink = std::function<void(int x, int storedRow, std::uint8_t index)>;

// Decodes BI_RLE8 (8 bits per pixel) or BI_RLE4 (4) data, handing each pixel
// it sets to `put` with its column, its row in the order stored (bottom row
// first) and its palette index. Pixels that a delta or an early end of line
// leaves out are not handed over. Runs and literal pixels past the right
// edge are clipped, escapes past the last row end the picture, and so does
// data that ends without an end-of-bitmap escape; nothing is read outside
// `data` and no pixel outside the picture is handed over.
void DecodeRle(std::span<const std::uint8_t> data, int bitsPerPixel, int width, int height,
               const RlePixelSink& put);

}  // namespace haltwise
