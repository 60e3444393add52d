#pragma once

#include <cstdint>
#include <vector>

// Pictures are rendered from their drawings at two sizes; these pick the one to draw from
// and scale it to the size a control has at the current screen scale.

struct PixelSize {
    int width = 0;
    int height = 0;
};

enum class PictureRendering { Single, Double };

// The smallest rendering that covers `shown`, so that a picture is only ever scaled down,
// and up only beyond twice its size.
PictureRendering RenderingFor(PixelSize shown, PixelSize single);

// Pixels of four 8-bit channels, rows top to bottom.
struct Pixels {
    PixelSize size;
    std::vector<std::uint8_t> bytes;  // width * height * 4
};

// `from` at `size`, each target pixel the average of the source area it covers, so that
// thin lines and text stay even when scaled down.
Pixels ScalePixels(const Pixels& from, PixelSize size);
