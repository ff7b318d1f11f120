// The colour-vision simulation: each deficiency merges the colour pairs it
// is known to confuse and keeps the ones it is not, greys stay grey, and
// the surface version keeps transparency.
#include <gtest/gtest.h>

#include <cmath>

#include "art_vision.h"

namespace {

using Art::EVision;

double Distance(EVision vision, const double a[3], const double b[3])
{
    double sa[3] = {a[0], a[1], a[2]}, sb[3] = {b[0], b[1], b[2]};
    Art::SimulatePixel(vision, sa);
    Art::SimulatePixel(vision, sb);
    return std::sqrt(std::pow(sa[0] - sb[0], 2) + std::pow(sa[1] - sb[1], 2) + std::pow(sa[2] - sb[2], 2));
}

TEST(ArtVisionTest, EachVisionConfusesItsOwnPairOnly)
{
    const double kRed[3] = {0.8, 0.35, 0.1}, kGreen[3] = {0.45, 0.55, 0.1};
    const double kBlue[3] = {0.2, 0.45, 0.8}, kSeaGreen[3] = {0.2, 0.6, 0.45};
    const double fRedGreen = Distance(EVision::Normal, kRed, kGreen);
    const double fBlueGreen = Distance(EVision::Normal, kBlue, kSeaGreen);
    for (EVision vision : {EVision::Deutan, EVision::Protan}) {
        EXPECT_LT(Distance(vision, kRed, kGreen), fRedGreen * 0.4);
        EXPECT_GT(Distance(vision, kBlue, kSeaGreen), fBlueGreen * 0.9);
    }
    EXPECT_LT(Distance(EVision::Tritan, kBlue, kSeaGreen), fBlueGreen * 0.4);
    EXPECT_GT(Distance(EVision::Tritan, kRed, kGreen), fRedGreen * 0.9);
}

TEST(ArtVisionTest, GreysStayAndGreyVisionHasNoHue)
{
    for (EVision vision : {EVision::Deutan, EVision::Protan, EVision::Tritan, EVision::Grey})
        for (double v : {0.0, 0.3, 1.0}) {
            double rgb[3] = {v, v, v};
            Art::SimulatePixel(vision, rgb);
            for (double c : rgb)
                EXPECT_NEAR(v, c, 0.02);
        }
    double orange[3] = {1.0, 0.5, 0.1};
    Art::SimulatePixel(EVision::Grey, orange);
    EXPECT_DOUBLE_EQ(orange[0], orange[1]);
    EXPECT_DOUBLE_EQ(orange[1], orange[2]);
}

TEST(ArtVisionTest, SurfaceKeepsAlphaAndNamesAreChecked)
{
    cairo_surface_t* pSurface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 2, 1);
    auto* pPixels = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(pSurface));
    pPixels[0] = 0x80804000;  // half-transparent orange, premultiplied
    pPixels[1] = 0;
    cairo_surface_mark_dirty(pSurface);
    Art::SimulateVision(pSurface, EVision::Grey);
    cairo_surface_flush(pSurface);
    EXPECT_EQ(0x80u, pPixels[0] >> 24);
    EXPECT_EQ((pPixels[0] >> 16) & 0xFF, pPixels[0] & 0xFF);
    EXPECT_EQ(0u, pPixels[1]);
    cairo_surface_destroy(pSurface);

    EVision vision = EVision::Normal;
    EXPECT_TRUE(Art::ParseVision("tritan", vision));
    EXPECT_EQ(EVision::Tritan, vision);
    EXPECT_FALSE(Art::ParseVision("normal", vision));
    EXPECT_FALSE(Art::ParseVision("deuteranopia", vision));
}

}  // namespace
