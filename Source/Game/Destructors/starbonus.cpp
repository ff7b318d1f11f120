#include "Game/Destructors/starbonus.h"

#include <algorithm>
#include <cmath>

#include "Core/vantile_frametimer.h"
#include "Core/vantile_log.h"
#include "Game/Board/gamecell.h"
#include "Game/Destructors/boardanimation.h"

namespace {

const float ARM_STEP = 0.05f;
const float PARTICLE_DISTANCE = 45.0f;
const float PI = 3.14159265f;

struct ArmLook {
    D3DXVECTOR3 vOffset;
    float fRotation;
};

ArmLook armLook(int nDirection)
{
    switch (nDirection) {
    case CStarCellDestructor::eLeft:
        return {D3DXVECTOR3(-PARTICLE_DISTANCE, 0.0f, 0.0f), PI};
    case CStarCellDestructor::eUp:
        return {D3DXVECTOR3(0.0f, PARTICLE_DISTANCE, 0.0f), PI / 2.0f};
    case CStarCellDestructor::eDown:
        return {D3DXVECTOR3(0.0f, -PARTICLE_DISTANCE, 0.0f), -PI / 2.0f};
    default:
        return {D3DXVECTOR3(PARTICLE_DISTANCE, 0.0f, 0.0f), 0.0f};
    }
}

}  // namespace

CStarCellDestructor::CStarCellDestructor(CellRef cell, float fAppearOffset, int nDirection)
    : m_pParticle(std::make_unique<CBoardAnimation>("particle_seastar.ifl")), m_pCell(cell),
      m_fAppearOffset(fAppearOffset)
{
    const ArmLook look = armLook(nDirection);
    m_pParticle->setPosition((*cell)->position() + look.vOffset);
    m_pParticle->setRotation(look.fRotation);
}

CStarCellDestructor::~CStarCellDestructor() = default;

void CStarCellDestructor::update()
{
    m_fTime += Vantile::CFrameTimer::Instance().frameSeconds();
    if (m_fTime >= m_fAppearOffset)
        m_pParticle->advance(Vantile::CFrameTimer::Instance().frameSeconds());
}

void CStarCellDestructor::collectCells(CellRefList& cells, bool& bOrdinaryRemoval)
{
    if (isDue() && m_pCell) {
        cells.push_back(m_pCell);
        m_pCell = nullptr;
    }
    bOrdinaryRemoval = true;
}

bool CStarCellDestructor::isDone() const
{
    return isDue() && !m_pCell;
}

void CStarCellDestructor::renderFront()
{
    if (m_fTime > m_fAppearOffset)
        m_pParticle->draw();
}

void CStarCellDestructor::dump() const
{
    DestructorUtil::writeDump("!+ CStarCellDestructor {");
    DestructorUtil::writeDump("!+ pos: " + DestructorUtil::vectorText(m_pParticle->position()));
    DestructorUtil::writeDump(Vantile::FormatString("!+ m_fTime: %f", m_fTime));
    DestructorUtil::writeDump(Vantile::FormatString("!+ m_fAppearOffset: %f", m_fAppearOffset));
    DestructorUtil::writeDump(Vantile::FormatString("!+ m_fMaxAppearOffset: %f", m_fMaxAppearOffset));
    DestructorUtil::writeDump(Vantile::FormatString("!+ m_pCell: 0x%08x",
                                                    static_cast<unsigned>(reinterpret_cast<uintptr_t>(m_pCell))));
    DestructorUtil::writeDump("!+ } // CStarCellDestructor ");
}

CStarBonus::CStarBonus() = default;
CStarBonus::~CStarBonus() = default;

void CStarBonus::start(CellRef usedCell, const Arms& arms)
{
    const int directions[4] = {CStarCellDestructor::eLeft, CStarCellDestructor::eRight, CStarCellDestructor::eDown,
                               CStarCellDestructor::eUp};
    for (size_t i = 0; i < arms.size(); ++i) {
        float fOffset = 0.0f;
        for (CellRef cell : arms[i]) {
            if (cell == usedCell)
                continue;
            m_Children.push_back(std::make_unique<CStarCellDestructor>(cell, fOffset, directions[i]));
            fOffset += ARM_STEP;
        }
    }
    m_pStar = std::make_unique<CBoardAnimation>("seastar_move.ifl", true);
    m_pStar->setPosition((*usedCell)->position());
}

void CStarBonus::update()
{
    m_pStar->advance(Vantile::CFrameTimer::Instance().frameSeconds());
    for (auto& pChild : m_Children)
        pChild->update();
    m_Children.erase(std::remove_if(m_Children.begin(), m_Children.end(),
                                    [](const std::unique_ptr<CStarCellDestructor>& p) { return p->isDone(); }),
                     m_Children.end());
}

void CStarBonus::collectCells(CellRefList& cells, bool& bOrdinaryRemoval)
{
    for (auto& pChild : m_Children)
        pChild->collectCells(cells, bOrdinaryRemoval);
    bOrdinaryRemoval = true;
}

void CStarBonus::renderFront()
{
    for (auto& pChild : m_Children)
        pChild->renderFront();
    if (m_pStar)
        m_pStar->draw();
}

void CStarBonus::dump() const
{
    DestructorUtil::writeDump("!+ CStarBonus {");
    if (m_pStar)
        DestructorUtil::writeDump("!+ pos: " + DestructorUtil::vectorText(m_pStar->position()));
    DestructorUtil::writeDump(Vantile::FormatString("!+ contains %u destructors {", unsigned(m_Children.size())));
    for (const auto& pChild : m_Children)
        pChild->dump();
    DestructorUtil::writeDump("} // destructors");
    DestructorUtil::writeDump("!+ } // CStarBonus");
}
