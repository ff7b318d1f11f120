// Reading the sea chart, the routes' points and the route check.
#include "art_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "art_tables.h"

namespace Art {

namespace {

// How near a route's dots may come to a coast, a reef, the compass or the
// title, and to another route, in chart pixels.
const double LAND_CLEARANCE = 9.0;
const double ROUTE_CLEARANCE = 8.0;
// The step past the arrival the walker may take.
const double TAIL = 4.0;

double Number(const Tokens& line, size_t nIndex, const std::string& strPath)
{
    if (nIndex >= line.size())
        throw std::runtime_error(strPath + ": \"" + line[0] + "\" needs more values");
    char* pEnd = nullptr;
    const double fValue = strtod(line[nIndex].c_str(), &pEnd);
    if (*pEnd != '\0')
        throw std::runtime_error(strPath + ": \"" + line[nIndex] + "\" is not a number");
    return fValue;
}

std::vector<SChartPoint> Points(const Tokens& line, size_t nFirst, const std::string& strPath)
{
    if (line.size() <= nFirst || (line.size() - nFirst) % 2 != 0)
        throw std::runtime_error(strPath + ": \"" + line[0] + "\" needs pairs of x and y");
    std::vector<SChartPoint> points;
    for (size_t i = nFirst; i < line.size(); i += 2)
        points.push_back({Number(line, i, strPath), Number(line, i + 1, strPath)});
    return points;
}

void ReadLine(const Tokens& line, const std::string& strPath, SChart& chart)
{
    const std::string& strKey = line[0];
    if (strKey == "title") {
        for (size_t i = 1; i < line.size(); ++i)
            chart.strTitle += (i > 1 ? " " : "") + line[i];
    } else if (strKey == "cartouche") {
        for (size_t i = 0; i < 4; ++i)
            chart.afCartouche[i] = Number(line, i + 1, strPath);
    } else if (strKey == "compass") {
        chart.compass = {Number(line, 1, strPath), Number(line, 2, strPath), Number(line, 3, strPath)};
    } else if (strKey == "spacing") {
        chart.fSpacing = Number(line, 1, strPath);
    } else if (strKey == "island" && line.size() > 1) {
        chart.islands.push_back({line[1], Points(line, 2, strPath)});
    } else if (strKey == "reef") {
        chart.reefs.push_back({Number(line, 1, strPath), Number(line, 2, strPath), Number(line, 3, strPath)});
    } else if (strKey == "stop") {
        chart.stops.push_back({Number(line, 1, strPath), Number(line, 2, strPath)});
        chart.vias.emplace_back();
    } else if (strKey == "via" && !chart.stops.empty()) {
        std::vector<SChartPoint> points = Points(line, 1, strPath);
        chart.vias[chart.stops.size() - 1].insert(chart.vias.back().end(), points.begin(), points.end());
    } else {
        throw std::runtime_error(strPath + ": cannot read the line \"" + strKey + " ...\"");
    }
}

SChartPoint Lerp(const SChartPoint& a, const SChartPoint& b, double t)
{
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

double Distance(const SChartPoint& a, const SChartPoint& b)
{
    return std::hypot(b.x - a.x, b.y - a.y);
}

// Catmull-Rom between p1 and p2.
SChartPoint Spline(const SChartPoint& p0, const SChartPoint& p1, const SChartPoint& p2, const SChartPoint& p3, double t)
{
    const auto axis = [t](double a, double b, double c, double d) {
        return 0.5 * (2 * b + (c - a) * t + (2 * a - 5 * b + 4 * c - d) * t * t + (3 * b - a - 3 * c + d) * t * t * t);
    };
    return {axis(p0.x, p1.x, p2.x, p3.x), axis(p0.y, p1.y, p2.y, p3.y)};
}

double PointToPiece(const SChartPoint& p, const SChartPoint& a, const SChartPoint& b)
{
    const double dx = b.x - a.x, dy = b.y - a.y, fLength2 = dx * dx + dy * dy;
    const double t = fLength2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / fLength2, 0.0, 1.0) : 0.0;
    return Distance(p, {a.x + dx * t, a.y + dy * t});
}

double Cross(const SChartPoint& o, const SChartPoint& a, const SChartPoint& b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool PiecesCross(const SChartPoint& a, const SChartPoint& b, const SChartPoint& c, const SChartPoint& d)
{
    return Cross(a, b, c) * Cross(a, b, d) < 0 && Cross(c, d, a) * Cross(c, d, b) < 0;
}

double PieceToPiece(const SChartPoint& a, const SChartPoint& b, const SChartPoint& c, const SChartPoint& d)
{
    if (PiecesCross(a, b, c, d))
        return 0.0;
    return std::min({PointToPiece(a, c, d), PointToPiece(b, c, d), PointToPiece(c, a, b), PointToPiece(d, a, b)});
}

// Nearest approach of two polylines.
double LineToLine(const std::vector<SChartPoint>& a, const std::vector<SChartPoint>& b)
{
    double fNearest = 1e9;
    for (size_t i = 1; i < a.size(); ++i)
        for (size_t j = 1; j < b.size(); ++j)
            fNearest = std::min(fNearest, PieceToPiece(a[i - 1], a[i], b[j - 1], b[j]));
    return fNearest;
}

bool Inside(const SChartPoint& p, const std::vector<SChartPoint>& polygon)
{
    bool bInside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
        if ((polygon[i].y > p.y) != (polygon[j].y > p.y) &&
            p.x < (polygon[j].x - polygon[i].x) * (p.y - polygon[i].y) / (polygon[j].y - polygon[i].y) + polygon[i].x)
            bInside = !bInside;
    return bInside;
}

double LineToCircle(const std::vector<SChartPoint>& line, const SCircle& circle)
{
    double fNearest = 1e9;
    for (size_t i = 1; i < line.size(); ++i)
        fNearest = std::min(fNearest, PointToPiece({circle.x, circle.y}, line[i - 1], line[i]) - circle.r);
    return fNearest;
}

// What a route is checked over: its drawn points, without the tail.
std::vector<SChartPoint> DrawnRoute(const SChart& chart, size_t nRoute)
{
    std::vector<SChartPoint> points = RoutePoints(chart, nRoute);
    points.pop_back();
    return points;
}

void CheckLand(const SChart& chart, size_t nRoute, const std::vector<SChartPoint>& route, std::vector<std::string>& faults)
{
    const std::string strRoute = "route " + std::to_string(nRoute) + ": ";
    for (const SIsland& island : chart.islands) {
        std::vector<SChartPoint> coast = CoastLine(island);
        coast.push_back(coast.front());
        const bool bOnLand = std::any_of(route.begin(), route.end(), [&](const SChartPoint& p) { return Inside(p, coast); });
        if (bOnLand || LineToLine(route, coast) < LAND_CLEARANCE)
            faults.push_back(strRoute + "runs over or too near " + island.strName);
    }
    for (const SCircle& reef : chart.reefs)
        if (LineToCircle(route, reef) < LAND_CLEARANCE)
            faults.push_back(strRoute + "runs over the reef at " + std::to_string(int(reef.x)) + " " +
                             std::to_string(int(reef.y)));
    if (LineToCircle(route, chart.compass) < LAND_CLEARANCE)
        faults.push_back(strRoute + "runs over the compass rose");
    const double* c = chart.afCartouche;
    const std::vector<SChartPoint> title = {{c[0] - c[2] / 2, c[1] - c[3] / 2}, {c[0] + c[2] / 2, c[1] - c[3] / 2},
                                            {c[0] + c[2] / 2, c[1] + c[3] / 2}, {c[0] - c[2] / 2, c[1] + c[3] / 2},
                                            {c[0] - c[2] / 2, c[1] - c[3] / 2}};
    if (std::any_of(route.begin(), route.end(), [&](const SChartPoint& p) { return Inside(p, title); }) ||
        LineToLine(route, title) < LAND_CLEARANCE)
        faults.push_back(strRoute + "runs over the title");
}

}  // namespace

SChart ReadChart(const std::string& strPath)
{
    SChart chart;
    for (const Tokens& line : ReadTable(strPath))
        ReadLine(line, strPath, chart);
    if (chart.stops.size() < 2)
        throw std::runtime_error(strPath + ": a chart needs two stops at least");
    if (chart.fSpacing < 4)
        throw std::runtime_error(strPath + ": the dots' spacing is too small");
    for (const SIsland& island : chart.islands)
        if (island.outline.size() < 3)
            throw std::runtime_error(strPath + ": the island " + island.strName + " needs three points");
    return chart;
}

std::vector<SChartPoint> CoastLine(const SIsland& island, int nSamples)
{
    const std::vector<SChartPoint>& p = island.outline;
    const size_t n = p.size();
    std::vector<SChartPoint> coast;
    for (size_t i = 0; i < n; ++i)
        for (int s = 0; s < nSamples; ++s)
            coast.push_back(Spline(p[(i + n - 1) % n], p[i], p[(i + 1) % n], p[(i + 2) % n], double(s) / nSamples));
    return coast;
}

size_t RouteCount(const SChart& chart)
{
    return chart.stops.size() - 1;
}

std::vector<SChartPoint> RoutePoints(const SChart& chart, size_t nRoute)
{
    std::vector<SChartPoint> corners = {chart.stops[nRoute]};
    corners.insert(corners.end(), chart.vias[nRoute].begin(), chart.vias[nRoute].end());
    corners.push_back(chart.stops[nRoute + 1]);
    double fLength = 0;
    for (size_t i = 1; i < corners.size(); ++i)
        fLength += Distance(corners[i - 1], corners[i]);
    // Dots evenly spread, as near the spacing as a whole number allows.
    const int nSteps = std::max(2, int(std::lround(fLength / chart.fSpacing)));
    std::vector<SChartPoint> points;
    size_t nCorner = 1;
    double fBefore = 0;
    for (int k = 0; k < nSteps; ++k) {
        const double fAt = fLength * k / nSteps;
        while (nCorner + 1 < corners.size() && fBefore + Distance(corners[nCorner - 1], corners[nCorner]) < fAt)
            fBefore += Distance(corners[nCorner - 1], corners[nCorner]), ++nCorner;
        const double fPiece = Distance(corners[nCorner - 1], corners[nCorner]);
        points.push_back(Lerp(corners[nCorner - 1], corners[nCorner], fPiece > 0 ? (fAt - fBefore) / fPiece : 0));
    }
    const SChartPoint& arrival = corners.back();
    const SChartPoint& before = points.back();
    points.push_back(arrival);
    const double fLast = std::max(Distance(before, arrival), 1e-6);
    points.push_back({arrival.x + (arrival.x - before.x) / fLast * TAIL, arrival.y + (arrival.y - before.y) / fLast * TAIL});
    return points;
}

std::vector<std::string> CheckChart(const SChart& chart)
{
    std::vector<std::string> faults;
    std::vector<std::vector<SChartPoint>> routes;
    for (size_t i = 0; i < RouteCount(chart); ++i) {
        routes.push_back(DrawnRoute(chart, i));
        CheckLand(chart, i, routes.back(), faults);
    }
    for (size_t i = 0; i < routes.size(); ++i)
        for (size_t j = i + 1; j < routes.size(); ++j) {
            std::vector<SChartPoint> a = routes[i], b = routes[j];
            // Neighbours share a harbour: leave out the pieces that meet it.
            if (j == i + 1) {
                a.pop_back();
                b.erase(b.begin());
            }
            if (LineToLine(a, b) < ROUTE_CLEARANCE)
                faults.push_back("routes " + std::to_string(i) + " and " + std::to_string(j) + " cross or touch");
        }
    return faults;
}

}  // namespace Art
