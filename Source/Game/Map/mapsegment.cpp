// One route of the level map: its walker and a mark on every point. The
// last point only gives the walker somewhere to go after the arrival; it
// is never drawn, and the arrival mark stands on the point before it.
#include "Game/Map/map.h"

#include <algorithm>

#include "Game/Sprites/sprite.h"

namespace {

// A dot at rest shows its last frame.
const float LAST_FRAME_MARGIN = 0.001f;

std::unique_ptr<CSprite> MakeSprite(const char* szTexture, const D3DXVECTOR3& vAt)
{
    auto pSprite = std::make_unique<CSprite>(szTexture, CSprite::WHITE, false, true);
    pSprite->setPosition(vAt);
    pSprite->setTime(0.0f);
    return pSprite;
}

void HoldLastFrame(CSprite& sprite)
{
    sprite.setTime(std::max(0.0f, sprite.getLength() - LAST_FRAME_MARGIN));
}

}  // namespace

CMap::CSegment::CSegment(const std::vector<D3DXVECTOR3>& points, bool bNotFirst, bool bSprites)
    : m_Points(points), m_Walker(points), m_bNotFirst(bNotFirst)
{
    if (!bSprites)
        return;
    m_pStartCross = MakeSprite(CROSS, m_Points.front());
    m_pEndCross = MakeSprite(CROSS, m_Points.front());
    for (int q = 0; q < pointCount(); ++q)
        m_Marks.push_back(MakeSprite(isArrivalMark(q) ? ARRIVAL_MARK : DOT, point(q)));
}

CMap::CSegment::~CSegment() = default;

void CMap::CSegment::restart()
{
    m_Walker = CPointPath(m_Points);
    for (const std::unique_ptr<CSprite>& pMark : m_Marks)
        pMark->setTime(0.0f);
}

void CMap::CSegment::walk(float fSeconds)
{
    const float fMs = fSeconds * 1000.0f, fSpeed = WALK_SPEED;
    m_Walker.update(&fMs, &fSpeed, nullptr);
}

int CMap::CSegment::pointsReached() const
{
    return std::min(m_Walker.getProgress(), pointCount());
}

bool CMap::CSegment::isArrivalMark(int nMark) const
{
    return nMark == pointCount() - 2 || (nMark == 0 && !m_bNotFirst);
}

CMap::MarkLook CMap::CSegment::look(int nMark, bool bPast) const
{
    const int nLast = pointCount() - 2;
    if (nMark > nLast || (!bPast && nMark > pointsReached()))
        return eHidden;
    const bool bArrival = isArrivalMark(nMark);
    if (bPast || nMark == 0) {
        if (nMark == nLast && bArrival)
            return eEndCross;
        if (nMark == 0 && bArrival)
            return eStartCross;
        return eDotStill;
    }
    return nMark == nLast ? eArrivalPlaying : eDotPlaying;
}

void CMap::CSegment::render(bool bPast, float fSeconds)
{
    if (m_Marks.empty())
        return;
    for (int q = 0; q < pointCount(); ++q)
        renderMark(q, bPast, fSeconds);
}

void CMap::CSegment::renderFirstMark(float fSeconds)
{
    if (m_Marks.empty())
        return;
    m_Marks.front()->Animate(fSeconds);
    m_Marks.front()->placeAt(point(0));
}

void CMap::CSegment::renderMark(int nMark, bool bPast, float fSeconds)
{
    CSprite& mark = *m_Marks[size_t(nMark)];
    switch (look(nMark, bPast)) {
    case eHidden: return;
    case eStartCross: m_pStartCross->placeAt(point(nMark)); return;
    case eEndCross: m_pEndCross->placeAt(point(nMark)); return;
    case eDotStill: HoldLastFrame(mark); break;
    case eDotPlaying:
        // A pass completed in this step: the dot rests on its last frame.
        if (!mark.Animate(fSeconds))
            HoldLastFrame(mark);
        break;
    case eArrivalPlaying: mark.Animate(fSeconds); break;
    }
    mark.placeAt(point(nMark));
}
