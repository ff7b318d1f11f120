// The level map's sea chart as its source file gives it (chart.txt): the
// islands, reefs, compass rose and title, and the harbours of the levels
// with the turning points between them. The chart's art, the routes the
// game walks and the check that no route runs over land or across another
// all come from here.
#pragma once

#include <string>
#include <vector>

namespace Art {

// Chart pixels: x to the right, y down, 800 x 600.
struct SChartPoint {
    double x = 0, y = 0;
};

struct SIsland {
    std::string strName;
    std::vector<SChartPoint> outline;
};

struct SCircle {
    double x = 0, y = 0, r = 0;
};

struct SChart {
    std::string strTitle;
    SCircle compass;
    // Centre and size of the title's scroll.
    double afCartouche[4] = {400, 44, 300, 64};
    double fSpacing = 15;
    std::vector<SIsland> islands;
    std::vector<SCircle> reefs;
    std::vector<SChartPoint> stops;
    // Turning points of the route that leaves stop i.
    std::vector<std::vector<SChartPoint>> vias;
};

// Throws std::runtime_error naming the line of anything it cannot read.
SChart ReadChart(const std::string& strPath);

// An island's coast: a closed smooth curve through its points, as many
// samples a point as asked.
std::vector<SChartPoint> CoastLine(const SIsland& island, int nSamples = 8);

// The points of route i (stop i to stop i + 1): the start, a dot every
// spacing or so, the arrival, and one short step on past it that is
// never drawn.
std::vector<SChartPoint> RoutePoints(const SChart& chart, size_t nRoute);
size_t RouteCount(const SChart& chart);

// Everything wrong with the routes, one line each: a route over or too
// near land, a reef, the compass or the title, or crossing another route.
std::vector<std::string> CheckChart(const SChart& chart);

}  // namespace Art
