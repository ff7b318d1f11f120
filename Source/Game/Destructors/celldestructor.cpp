#include "Game/Destructors/celldestructor.h"

#include <cmath>

#include "Core/vantile_frametimer.h"
#include "Core/vantile_log.h"
#include "Core/vantile_random.h"
#include "Game/Board/gamecell.h"
#include "Game/Destructors/boardanimation.h"
#include "Game/Paths/basepath.h"

namespace DestructorUtil {

float frameMs()
{
    return static_cast<float>(Vantile::CFrameTimer::Instance().timeSinceLastFrame());
}

float randomFraction()
{
    return Vantile::RandomFraction();
}

size_t randomPick(size_t nSize)
{
    return nSize <= 1 ? 0 : static_cast<size_t>(Vantile::Random()) % nSize;
}

std::string vectorText(const D3DXVECTOR3& v)
{
    return Vantile::FormatString("{%f;%f;%f}", v.x, v.y, v.z);
}

D3DXVECTOR3 normalised(const D3DXVECTOR3& v)
{
    const float fLength = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return fLength > 0.0f ? v / fLength : v;
}

void writeDump(const std::string& strLine)
{
    Vantile::CLog::Instance().Write(Vantile::LOG_INFO, strLine);
}

}  // namespace DestructorUtil

namespace {

float dot(const D3DXVECTOR3& a, const D3DXVECTOR3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

}  // namespace

CCellDestructor::CCellDestructor(const D3DXVECTOR3& vStart, const D3DXVECTOR3& vEnd, float fSpeed,
                                 const CellRefList& cells, const char* szTexture, float fAngle)
    : m_pSprite(std::make_unique<CBoardAnimation>(szTexture, true)),
      m_vCurrent(vStart),
      m_vStart(vStart),
      m_vEnd(vEnd),
      m_fSpeed(fSpeed),
      m_Cells(cells)
{
    m_pSprite->setRotation(fAngle);
}

CCellDestructor::~CCellDestructor() = default;

void CCellDestructor::update()
{
    m_pSprite->advance(Vantile::CFrameTimer::Instance().frameSeconds());
    MoveStraight(m_vStart, m_vEnd, DestructorUtil::frameMs(), m_fSpeed, m_vCurrent);
}

bool CCellDestructor::isPassed(const D3DXVECTOR3& vCell) const
{
    return dot(DestructorUtil::normalised(vCell - m_vStart), DestructorUtil::normalised(vCell - m_vCurrent)) < 0.0f;
}

void CCellDestructor::collectCells(CellRefList& cells, bool&)
{
    CellRefList remaining;
    for (CellRef ref : m_Cells) {
        if (*ref && isPassed((*ref)->position()))
            cells.push_back(ref);
        else
            remaining.push_back(ref);
    }
    m_Cells.swap(remaining);
    if (isDone()) {
        cells.insert(cells.end(), m_Cells.begin(), m_Cells.end());
        m_Cells.clear();
    }
}

bool CCellDestructor::isDone() const
{
    return m_vCurrent == m_vEnd;
}

void CCellDestructor::renderFront()
{
    m_pSprite->draw(m_vCurrent);
}

void CCellDestructor::dump() const
{
    DestructorUtil::writeDump("!+ CCellDestructor {");
    DestructorUtil::writeDump("!+ pos: " + DestructorUtil::vectorText(m_vCurrent));
    DestructorUtil::writeDump("!+ } // CCellDestructor");
}
