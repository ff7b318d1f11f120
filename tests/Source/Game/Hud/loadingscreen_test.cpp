#include "Game/Hud/loadingscreen.h"

#include <gtest/gtest.h>

namespace {

TEST(LoadingScreenTest, BarAndMarkerTravelFromTheirStartToTheirEnd)
{
    struct Case {
        int nPercent;
        float fPixels;
        float fMarkerX;
    };
    for (const Case& c : {Case{0, 338.0f, -174.0f}, Case{40, 480.0f, -32.0f}, Case{100, 693.0f, 181.0f}}) {
        SCOPED_TRACE(c.nPercent);
        float fWidth = 0.0f;
        const STextureRect rect = CLoadingScreen::barRect(c.nPercent, 1024.0f, fWidth);
        EXPECT_FLOAT_EQ(rect.fU1 * 1024.0f, c.fPixels);
        EXPECT_EQ(fWidth, c.fPixels - 1.0f);
        const D3DXVECTOR3 vMarker = CLoadingScreen::markerPosition(c.nPercent, 64.0f);
        EXPECT_NEAR(vMarker.x, c.fMarkerX, 0.01f);
        EXPECT_EQ(vMarker.y, -132.0f);
    }
    CLoadingScreen screen;
    screen.setPercent(140);
    EXPECT_EQ(screen.percent(), 100);
    screen.setPercent(-3);
    EXPECT_EQ(screen.percent(), 0);
}

}  // namespace
