#include "Game/Map/map.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Core/vantile_exception.h"
#include "engine/Objects/object_test_folder.h"
#include "support/log_capture.h"

namespace {

// A frame time exact in binary, so that progress sums without rounding.
const float FRAME = 0.125f;

// A route of n points along x, fStep apart, starting at x0.
std::vector<D3DXVECTOR3> Route(int nPoints, float fStep, float fX0 = 0.0f)
{
    std::vector<D3DXVECTOR3> points;
    for (int i = 0; i < nPoints; ++i)
        points.push_back(D3DXVECTOR3(fX0 + fStep * float(i), 10.0f, 0.0f));
    return points;
}

// Three routes of 6, 4 and 5 points, chained end to start.
void AddThreeRoutes(CMap& map)
{
    map.addSegment(Route(6, 20.0f));
    map.addSegment(Route(4, 30.0f, 100.0f));
    map.addSegment(Route(5, 10.0f, 190.0f));
}

void Play(CMap& map, float fSeconds)
{
    for (float f = 0.0f; f < fSeconds - 1e-4f; f += FRAME)
        map.render(FRAME);
}

std::vector<CMap::MarkLook> Looks(const CMap::CSegment& segment, bool bPast)
{
    std::vector<CMap::MarkLook> looks;
    for (int q = 0; q < segment.pointCount(); ++q)
        looks.push_back(segment.look(q, bPast));
    return looks;
}

TEST(MapTest, RouteArrivesAfterHalfASecondPerPointWhateverItsLength)
{
    // Two routes of 6 points, one short and one long, and one of 4.
    struct Case {
        int nPoints;
        float fStep;
    };
    for (const Case& c : {Case{6, 2.0f}, Case{6, 150.0f}, Case{4, 40.0f}}) {
        SCOPED_TRACE(c.fStep);
        CMap map(false);
        map.addSegment(Route(3, 10.0f, -50.0f));
        map.addSegment(Route(c.nPoints, c.fStep));
        map.enter(2, 0.0f);
        const float fArrival = float(c.nPoints) / 2.0f;
        Play(map, fArrival - FRAME);
        EXPECT_FALSE(map.isArrived());
        EXPECT_EQ(map.current()->pointsReached(), c.nPoints - 1);
        map.render(FRAME);
        EXPECT_TRUE(map.isArrived());
        // Reached points never exceed the route's.
        Play(map, 2.0f);
        EXPECT_EQ(map.current()->pointsReached(), c.nPoints);
    }
}

TEST(MapTest, DotsOfTheRouteBeingRevealedAppearTwoASecond)
{
    CMap map(false);
    AddThreeRoutes(map);
    map.enter(3, 0.0f);
    ASSERT_EQ(map.currentIndex(), 2);
    const CMap::CSegment& route = *map.current();
    using L = CMap::MarkLook;
    EXPECT_EQ(Looks(route, false), (std::vector<L>{CMap::eDotStill, CMap::eHidden, CMap::eHidden, CMap::eHidden,
                                                   CMap::eHidden}));
    Play(map, 1.0f);
    EXPECT_EQ(route.pointsReached(), 2);
    EXPECT_EQ(Looks(route, false), (std::vector<L>{CMap::eDotStill, CMap::eDotPlaying, CMap::eDotPlaying,
                                                   CMap::eHidden, CMap::eHidden}));
    Play(map, 0.5f);
    // The arrival mark loops once reached; the last point never shows.
    EXPECT_EQ(Looks(route, false), (std::vector<L>{CMap::eDotStill, CMap::eDotPlaying, CMap::eDotPlaying,
                                                   CMap::eArrivalPlaying, CMap::eHidden}));
    // Routes already sailed stand complete with crosses; only the first
    // route's start is a cross.
    EXPECT_EQ(Looks(map.segment(0), true), (std::vector<L>{CMap::eStartCross, CMap::eDotStill, CMap::eDotStill,
                                                           CMap::eDotStill, CMap::eEndCross, CMap::eHidden}));
    EXPECT_EQ(Looks(map.segment(1), true),
              (std::vector<L>{CMap::eDotStill, CMap::eDotStill, CMap::eEndCross, CMap::eHidden}));
}

TEST(MapTest, EnteringRestartsOnlyTheCurrentRoute)
{
    CMap map(false);
    AddThreeRoutes(map);
    map.enter(2, 0.0f);
    Play(map, 3.0f);
    EXPECT_TRUE(map.isArrived());
    // The same level again (a lost level comes back by the map).
    map.enter(2, 0.05f);
    EXPECT_FALSE(map.isArrived());
    EXPECT_EQ(map.current(), &map.segment(1));
    EXPECT_EQ(map.current()->pointsReached(), 0);
    // The first route revealed starts from the game's start cross.
    map.enter(1, 0.0f);
    EXPECT_EQ(map.current()->look(0, false), CMap::eStartCross);
}

TEST(MapTest, LevelsOutsideTheRoutes)
{
    struct Case {
        int nLevel;
        int nIndex;
        const CMap::CSegment* (*current)(const CMap&);
        bool bFirst;
    };
    const auto first = [](const CMap& map) { return &map.segment(0); };
    const auto last = [](const CMap& map) { return &map.segment(2); };
    // The first level shows only the start and is there at once; a level
    // beyond the routes (the game's last, or an edited profile's) reveals
    // the last route again.
    for (const Case& c : {Case{0, -1, first, true}, Case{3, 2, last, false}, Case{4, 2, last, false},
                          Case{60, 2, last, false}}) {
        SCOPED_TRACE(c.nLevel);
        CMap map(false);
    AddThreeRoutes(map);
        map.enter(c.nLevel, 0.0f);
        EXPECT_EQ(map.currentIndex(), c.nIndex);
        EXPECT_EQ(map.current(), c.current(map));
        EXPECT_EQ(map.render(FRAME), c.bFirst);
        EXPECT_EQ(map.isArrived(), c.bFirst);
        Play(map, 3.0f);
        EXPECT_TRUE(map.isArrived());
    }
    // A map without routes shows its chart and never waits.
    for (int nLevel : {-1, 0, 1, 7}) {
        CMap empty(false);
        empty.enter(nLevel, FRAME);
        EXPECT_EQ(empty.render(FRAME), nLevel <= 0);
        EXPECT_TRUE(empty.isArrived());
    }
}

TEST(MapTest, LoadsRouteNodesInNameOrderAndLeavesOutUnusableOnes)
{
    CObjectTestFolder folder;
    Vantile::SObjectFile file;
    file.Root.strName = "routes";
    file.Root.mLocal = Vantile::IdentityMatrix();
    const auto node = [](const char* szName, Vantile::ObjectNodeType type, std::vector<D3DXVECTOR3> points) {
        Vantile::SNodeRecord record;
        record.strName = szName;
        record.mLocal = Vantile::IdentityMatrix();
        record.nType = type;
        record.Points = std::move(points);
        return record;
    };
    // Out of order in the file; path_01 is no spline, path_03 a single
    // point; path_04 hangs deeper down.
    file.Root.Children.push_back(node("path_02", Vantile::OBJECT_NODE_SPLINE, Route(3, 5.0f, 200.0f)));
    file.Root.Children.push_back(node("path_00", Vantile::OBJECT_NODE_SPLINE, Route(4, 5.0f)));
    file.Root.Children.push_back(node("path_01", Vantile::OBJECT_NODE_PLAIN, {}));
    file.Root.Children.push_back(node("path_03", Vantile::OBJECT_NODE_SPLINE, Route(1, 5.0f)));
    Vantile::SNodeRecord group = node("group", Vantile::OBJECT_NODE_PLAIN, {});
    group.Children.push_back(node("path_04", Vantile::OBJECT_NODE_SPLINE, Route(5, 5.0f, 400.0f)));
    file.Root.Children.push_back(group);
    folder.Write("routes.object", file);
    CLogCapture log;
    CMap map(false);
    map.loadRoutes("routes.object");
    ASSERT_EQ(map.segmentCount(), 3u);
    EXPECT_EQ(map.segment(0).pointCount(), 4);
    EXPECT_EQ(map.segment(1).point(0).x, 200.0f);
    EXPECT_EQ(map.segment(2).point(0).x, 400.0f);
    // Only the first route found starts at the game's start.
    EXPECT_EQ(map.segment(0).look(0, true), CMap::eStartCross);
    EXPECT_EQ(map.segment(1).look(0, true), CMap::eDotStill);
    EXPECT_NE(log.text().find("fewer than two points"), std::string::npos);
    EXPECT_THROW(map.loadRoutes("missing.object"), Vantile::Exception);
}

TEST(MapTest, RepeatedPointsKeepTheWalkerOnTheRoute)
{
    CMap map(false);
    map.addSegment({{0, 0, 0}, {0, 0, 0}, {30, 40, 0}, {30, 40, 0}, {60, 40, 0}});
    map.enter(1, 0.0f);
    for (int i = 0; i < 40; ++i) {
        map.render(FRAME);
        const D3DXVECTOR3 v = map.current()->walker().getPosition();
        ASSERT_TRUE(std::isfinite(v.x) && std::isfinite(v.y)) << i;
    }
    EXPECT_TRUE(map.isArrived());
}

}  // namespace
