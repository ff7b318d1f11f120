// Fish food: pellets that sink from cleared cells to the seabed, where the
// fish find and eat them, and the seabed's height curve they settle on.
#pragma once

#include <list>
#include <memory>
#include <string>
#include <vector>


#include "Game/Sprites/sprite.h"

// The seabed profile: points ordered by x, of which x and y count.
class CHeights {
public:
    void setPoints(std::vector<D3DXVECTOR3> points) { m_Points = std::move(points); }
    const std::vector<D3DXVECTOR3>& points() const { return m_Points; }
    // Where food comes to rest: the curve's height 5 below it between its
    // ends, held level beyond them. Without points, the bottom of the
    // screen.
    float heightAt(float x) const;

private:
    std::vector<D3DXVECTOR3> m_Points;
};

class CFishFood {
public:
    // At most this many pellets lie on the floor; the next one to land
    // makes the last landed one fade away.
    static constexpr int MAX_LANDED = 10;

    struct SPellet {
        D3DXVECTOR3 vPosition;
        float fSpeed;
        float fHeightOffset;
        std::string strTexture;
        bool bSinking = true;
        bool bActive = true;
        // 1 while active; falls once the pellet is let go, and the pellet
        // is removed at 0.
        float fFade = 1.0f;
        std::unique_ptr<CSprite> pSprite;
    };
    typedef std::list<SPellet> PelletList;

    CFishFood();
    ~CFishFood();

    // One or two pellets scattered around the point.
    void drop(const D3DXVECTOR3& vPoint);
    void add(const D3DXVECTOR3& vPosition, float fSpeed, float fHeightOffset, const std::string& strTexture);
    // Sinks, settles, lets go of the oldest landed pellets and fades the
    // ones let go.
    void update(float fSeconds);
    // The active pellet nearest to the point, or null.
    const SPellet* nearest(const D3DXVECTOR3& vPoint) const;
    // Eats (removes) an active pellet within fReach of the point; false
    // when there is none.
    bool eatNear(const D3DXVECTOR3& vPoint, float fReach);
    void clear() { m_Pellets.clear(); }

    // The pellets on the floor (and the fading ones) behind the board, the
    // sinking ones in front of it.
    void drawSettled();
    void drawSinking();

    CHeights& floor() { return m_Floor; }
    const PelletList& pellets() const { return m_Pellets; }
    int landedCount() const;

private:
    void settle(SPellet& pellet, float fSeconds);
    void letGoOfLastLanded();
    static void draw(SPellet& pellet);

    PelletList m_Pellets;
    CHeights m_Floor;
};
