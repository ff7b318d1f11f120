// The level map shown between levels: a sea chart on which a dotted route
// leads from level to level. Finished routes stand complete with a cross
// at each level reached; the route to the next level is drawn dot by dot
// as if a ship sailed along it, two dots a second.
//
// Body by role: map.cpp (entering, drawing, loading the routes),
// mapsegment.cpp (one route and its marks).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Game/Paths/pointpath.h"
#include "d3d/d3dx8.h"

class CSprite;

class CMap {
public:
    static constexpr const char* BACKGROUND = "map.jpg";
    static constexpr const char* CROSS = "x_map.dds";
    static constexpr const char* ARRIVAL_MARK = "X_map.ifl";
    static constexpr const char* DOT = "small_map.ifl";
    static constexpr const char* ROUTES_OBJECT = "path_segments.object";
    // Route nodes are named "path_00" on; the loader looks this far.
    static constexpr int MAX_ROUTES = 50;
    // The walker's speed, in units a second of its progress.
    static constexpr float WALK_SPEED = 30.0f;

    // The walker along one route.
    using CPointPath = ::CPointPath;

    // How a route point shows.
    enum MarkLook {
        eHidden,         // not reached yet, or the route's last point
        eStartCross,     // the game's starting point
        eEndCross,       // the arrival of a finished route
        eDotStill,       // a dot on its last frame
        eDotPlaying,     // a dot just reached, playing its animation once
        eArrivalPlaying  // the arrival mark of the route being revealed, looping
    };

    // One route: its walker and one mark per point.
    class CSegment {
    public:
        // bNotFirst is false only for the first route: its first point is
        // the game's start. Sprites are made only with bSprites (there is
        // a device); their textures load at once.
        CSegment(const std::vector<D3DXVECTOR3>& points, bool bNotFirst, bool bSprites);
        ~CSegment();

        // The walker back at the start, its dots unplayed.
        void restart();
        void walk(float fSeconds);
        // Points the walker has reached, at most the number of points.
        int pointsReached() const;
        bool isFinished() const { return m_Walker.isFinished(); }
        int pointCount() const { return int(m_Points.size()); }
        const D3DXVECTOR3& point(int nIndex) const { return m_Points[size_t(nIndex)]; }
        const CPointPath& walker() const { return m_Walker; }
        // Mark q uses the animated arrival mark, not a dot.
        bool isArrivalMark(int nMark) const;
        // How mark q shows: past routes stand complete.
        MarkLook look(int nMark, bool bPast) const;
        void render(bool bPast, float fSeconds);
        // Before the first level only the start shows, its mark looping.
        void renderFirstMark(float fSeconds);

    private:
        void renderMark(int nMark, bool bPast, float fSeconds);

        std::vector<D3DXVECTOR3> m_Points;
        CPointPath m_Walker;
        bool m_bNotFirst;
        std::unique_ptr<CSprite> m_pStartCross;
        std::unique_ptr<CSprite> m_pEndCross;
        std::vector<std::unique_ptr<CSprite>> m_Marks;
    };

    // The chart is made only with bSprites (there is a device).
    explicit CMap(bool bSprites);
    virtual ~CMap();

    // Appends the routes of the object file, "path_00" on, in name order;
    // routes of fewer than two points are left out. Throws when the file
    // is missing or damaged.
    void loadRoutes(const std::string& strObject = ROUTES_OBJECT);
    void addSegment(const std::vector<D3DXVECTOR3>& points);

    // nLevel is the level about to be played, counted from 0. A level
    // beyond the routes reveals the last route again.
    void enter(int nLevel, float fSeconds);
    // Draws the chart and the routes; true only when the next level is
    // the first.
    bool render(float fSeconds);
    bool isArrived() const;

    size_t segmentCount() const { return m_Segments.size(); }
    const CSegment& segment(size_t nIndex) const { return *m_Segments[nIndex]; }
    int currentIndex() const { return m_nCurrentIndex; }
    const CSegment* current() const { return m_pCurrent; }

private:
    bool m_bSprites;
    std::unique_ptr<CSprite> m_pBackground;
    std::vector<std::unique_ptr<CSegment>> m_Segments;
    CSegment* m_pCurrent = nullptr;
    int m_nCurrentIndex = -1;
};
