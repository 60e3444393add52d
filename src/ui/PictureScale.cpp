#include "ui/PictureScale.h"

#include <algorithm>
#include <cmath>

namespace {

struct Tap {
    int source;
    float weight;
};

// For each target index, the source indices it covers and by how much; the weights sum to 1.
std::vector<std::vector<Tap>> AreaTaps(int from, int to) {
    std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(to));
    const double step = static_cast<double>(from) / to;
    for (int target = 0; target < to; ++target) {
        const double start = target * step, end = (target + 1) * step;
        for (int source = static_cast<int>(start); source < from && source < end; ++source) {
            double covered = std::min(end, source + 1.0) - std::max(start, static_cast<double>(source));
            if (covered > 0) taps[static_cast<std::size_t>(target)].push_back({source, static_cast<float>(covered / step)});
        }
    }
    return taps;
}

}  // namespace

PictureRendering RenderingFor(PixelSize shown, PixelSize single) {
    return shown.width <= single.width && shown.height <= single.height ? PictureRendering::Single
                                                                        : PictureRendering::Double;
}

Pixels ScalePixels(const Pixels& from, PixelSize size) {
    const auto columns = AreaTaps(from.size.width, size.width);
    const auto rows = AreaTaps(from.size.height, size.height);
    // Rows first into floats, then columns of those into bytes.
    const std::size_t width = static_cast<std::size_t>(size.width);
    std::vector<float> across(width * static_cast<std::size_t>(from.size.height) * 4);
    for (int y = 0; y < from.size.height; ++y) {
        const std::uint8_t* in = &from.bytes[static_cast<std::size_t>(y) * static_cast<std::size_t>(from.size.width) * 4];
        float* out = &across[static_cast<std::size_t>(y) * width * 4];
        for (std::size_t x = 0; x < width; ++x) {
            for (const Tap& tap : columns[x]) {
                for (int channel = 0; channel < 4; ++channel) out[x * 4 + channel] += tap.weight * in[tap.source * 4 + channel];
            }
        }
    }
    Pixels to{size, std::vector<std::uint8_t>(width * static_cast<std::size_t>(size.height) * 4)};
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t i = 0; i < width * 4; ++i) {
            float sum = 0;
            for (const Tap& tap : rows[y]) sum += tap.weight * across[static_cast<std::size_t>(tap.source) * width * 4 + i];
            to.bytes[y * width * 4 + i] = static_cast<std::uint8_t>(std::clamp(std::lround(sum), 0L, 255L));
        }
    }
    return to;
}
