#include <gtest/gtest.h>

#include "ui/PictureScale.h"

TEST(PictureScaleTest, TheSingleRenderingServesOnlySizesItCovers) {
    EXPECT_EQ(RenderingFor({572, 122}, {572, 122}), PictureRendering::Single);
    EXPECT_EQ(RenderingFor({286, 61}, {572, 122}), PictureRendering::Single);
    EXPECT_EQ(RenderingFor({573, 122}, {572, 122}), PictureRendering::Double);
    EXPECT_EQ(RenderingFor({572, 123}, {572, 122}), PictureRendering::Double);
}

TEST(PictureScaleTest, EachPixelAveragesTheAreaItCovers) {
    // Black and white columns: halved, every pixel is their mean; a plain colour stays plain
    // at a scale that splits source pixels.
    Pixels stripes{{4, 2}, {}};
    for (int i = 0; i < 8; ++i) stripes.bytes.insert(stripes.bytes.end(), 4, i % 2 ? 255 : 0);
    Pixels halved = ScalePixels(stripes, {2, 1});
    EXPECT_EQ(halved.bytes, std::vector<std::uint8_t>(8, 128));

    Pixels plain{{8, 4}, std::vector<std::uint8_t>(8 * 4 * 4, 77)};
    Pixels scaled = ScalePixels(plain, {6, 3});
    EXPECT_EQ(scaled.bytes, std::vector<std::uint8_t>(6 * 3 * 4, 77));
}
