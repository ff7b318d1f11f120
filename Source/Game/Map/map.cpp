// The level map: loading its routes, entering it before a level and
// drawing it each frame.
#include "Game/Map/map.h"

#include <algorithm>

#include "Core/vantile_log.h"
#include "Game/Sprites/sprite.h"
#include "Objects/vantile_object.h"
#include "Scene/vantile_node.h"
#include "Scene/vantile_splinenode.h"

namespace {

// A route needs a start and an arrival; shorter splines would have no
// arrival mark to stand on.
const size_t MIN_ROUTE_POINTS = 2;

}  // namespace

CMap::CMap(bool bSprites) : m_bSprites(bSprites)
{
    if (m_bSprites)
        m_pBackground = std::make_unique<CSprite>(BACKGROUND, CSprite::WHITE, false, true);
}

CMap::~CMap() = default;

void CMap::loadRoutes(const std::string& strObject)
{
    Vantile::CObject object(strObject);
    for (int i = 0; i < MAX_ROUTES; ++i) {
        const std::string strName = Vantile::FormatString("path_%02d", i);
        const auto* pSpline = dynamic_cast<const Vantile::CSplineNode*>(object.GetRoot()->FindChild(strName));
        if (pSpline)
            addSegment(pSpline->GetPoints());
    }
}

void CMap::addSegment(const std::vector<D3DXVECTOR3>& points)
{
    if (points.size() < MIN_ROUTE_POINTS) {
        Vantile::CLog::Instance().Write(Vantile::LOG_ERROR, "A map route of fewer than two points is left out");
        return;
    }
    m_Segments.push_back(std::make_unique<CSegment>(points, !m_Segments.empty(), m_bSprites));
}

void CMap::enter(int nLevel, float fSeconds)
{
    m_nCurrentIndex = nLevel - 1;
    m_pCurrent = nullptr;
    if (m_Segments.empty())
        return;
    // Past the last route, the voyage stands finished at its last arrival.
    m_nCurrentIndex = std::min(m_nCurrentIndex, int(m_Segments.size()) - 1);
    m_pCurrent = m_Segments[size_t(std::max(m_nCurrentIndex, 0))].get();
    m_pCurrent->restart();
    m_pCurrent->walk(fSeconds);
}

bool CMap::render(float fSeconds)
{
    if (m_pBackground)
        m_pBackground->placeAt(D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    if (!m_pCurrent)
        return m_nCurrentIndex < 0;
    if (m_nCurrentIndex < 0) {
        m_Segments.front()->renderFirstMark(fSeconds);
        return true;
    }
    m_pCurrent->walk(fSeconds);
    for (int i = 0; i <= m_nCurrentIndex; ++i)
        m_Segments[size_t(i)]->render(i != m_nCurrentIndex, fSeconds);
    return false;
}

bool CMap::isArrived() const
{
    return m_nCurrentIndex < 0 || !m_pCurrent || m_pCurrent->isFinished();
}
