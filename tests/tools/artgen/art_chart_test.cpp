// The level map's chart: the shipped routes keep to the sea, and the check
// finds a route over land, over a reef or across another one.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "art_chart.h"
#include "support/temp_folder.h"

namespace {

// Three stops west to east at y 300 past an island lying across y 200.
const char* const kSmallChart =
    "title Test\n"
    "cartouche 400 40 100 40\n"
    "compass 60 540 30\n"
    "spacing 15\n"
    "island Rock 300 180 360 170 420 180 420 220 360 230 300 220\n"
    "stop 100 300\n"
    "stop 300 300\n"
    "stop 500 300\n";

bool Mentions(const std::vector<std::string>& faults, const std::string& strText)
{
    for (const std::string& strFault : faults)
        if (strFault.find(strText) != std::string::npos)
            return true;
    return false;
}

TEST(ArtChartTest, ShippedRoutesKeepToTheSea)
{
    const Art::SChart chart = Art::ReadChart(std::string(getenv("QUELLON_SOURCE_DIR")) + "/content/map/chart.txt");
    // One route between each two of the game's 50 levels.
    EXPECT_EQ(Art::RouteCount(chart), 49u);
    const std::vector<std::string> faults = Art::CheckChart(chart);
    EXPECT_TRUE(faults.empty()) << faults.front();
    for (size_t i = 0; i < Art::RouteCount(chart); ++i) {
        const std::vector<Art::SChartPoint> points = Art::RoutePoints(chart, i);
        ASSERT_GE(points.size(), 4u) << i;
        // The route starts where the last one arrived.
        EXPECT_DOUBLE_EQ(points.front().x, chart.stops[i].x) << i;
        EXPECT_DOUBLE_EQ(points[points.size() - 2].y, chart.stops[i + 1].y) << i;
    }
}

TEST(ArtChartTest, DotsAreEvenlySpacedAlongTheTurningPoints)
{
    CTempFolder folder;
    const Art::SChart chart =
        Art::ReadChart(folder.write("chart.txt", std::string(kSmallChart) + "via 500 390\nstop 620 390\n"));
    // 90 down to the turning point, then 120 to the right: 14 steps of 15.
    const std::vector<Art::SChartPoint> points = Art::RoutePoints(chart, 2);
    ASSERT_EQ(points.size(), 16u);
    for (size_t q = 1; q + 1 < points.size(); ++q)
        EXPECT_NEAR(std::hypot(points[q].x - points[q - 1].x, points[q].y - points[q - 1].y), 15.0, 1e-6) << q;
    EXPECT_DOUBLE_EQ(points[6].y, 390.0);
    // The untouched tail runs on a little past the arrival.
    EXPECT_GT(points.back().x, 620.0);
}

TEST(ArtChartTest, CheckFindsRoutesOverLandAndAcrossEachOther)
{
    struct Case {
        const char* pszExtra;
        const char* pszFault;
    };
    const Case cases[] = {
        {"via 360 200\nstop 700 300\n", "Rock"},              // through the island
        {"reef 600 300 6\nstop 700 300\n", "reef"},           // over a reef
        {"stop 520 500\nstop 60 520\n", "compass"},           // over the compass rose
        {"stop 400 60\n", "title"},                           // over the title
        {"stop 500 400\nstop 200 400\nstop 200 260\n", "routes 0 and 4"},  // back across the first route
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszExtra);
        CTempFolder folder;
        const Art::SChart chart = Art::ReadChart(folder.write("chart.txt", std::string(kSmallChart) + c.pszExtra));
        EXPECT_TRUE(Mentions(Art::CheckChart(chart), c.pszFault));
    }
    CTempFolder folder;
    EXPECT_TRUE(Art::CheckChart(Art::ReadChart(folder.write("chart.txt", kSmallChart))).empty());
}

TEST(ArtChartTest, MalformedChartsAreRefused)
{
    const char* const kBad[] = {
        "stop 1 2\n",                                        // one stop, no route
        "stop 1 2\nstop 3 x\n",                              // not a number
        "stop 1 2\nstop 3 4\nisland A 1 2 3 4\n",            // two points are no coast
        "stop 1 2\nstop 3 4\nvia 5\n",                       // half a point
        "stop 1 2\nstop 3 4\nharbour 5 6\n",                 // unknown line
    };
    for (const char* pszText : kBad) {
        SCOPED_TRACE(pszText);
        CTempFolder folder;
        EXPECT_THROW(Art::ReadChart(folder.write("chart.txt", pszText)), std::runtime_error);
    }
}

}  // namespace
