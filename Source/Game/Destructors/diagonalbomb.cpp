#include "Game/Destructors/diagonalbomb.h"

#include <algorithm>

#include "Core/vantile_frametimer.h"
#include "Core/vantile_log.h"
#include "Game/Board/gamecell.h"
#include "Game/Destructors/powerupparts.h"

namespace {

const float TURTLE_SPEED = 300.0f;
const float PI = 3.14159265f;
// The art faces up-right.
const float RAY_ANGLES[4] = {0.0f, -PI / 2.0f, PI, PI / 2.0f};

}  // namespace

CDiagonalBomb::CDiagonalBomb() : m_pFlare(std::make_unique<CFlareAnimation>()) {}

CDiagonalBomb::~CDiagonalBomb() = default;

void CDiagonalBomb::start(CellRef usedCell, const Rays& rays)
{
    const D3DXVECTOR3& vFrom = (*usedCell)->position();
    for (size_t i = 0; i < rays.size(); ++i)
        if (!rays[i].cells.empty())
            m_Children.push_back(std::make_unique<CCellDestructor>(vFrom, rays[i].vEnd, TURTLE_SPEED, rays[i].cells,
                                                                   "turtle_move.ifl", RAY_ANGLES[i]));
    m_pFlare->setPosition(vFrom);
    m_pUsedCell = usedCell;
}

void CDiagonalBomb::update()
{
    PowerupParts::advanceOnce(m_pFlare, Vantile::CFrameTimer::Instance().frameSeconds());
    for (auto& pChild : m_Children)
        pChild->update();
}

// The used cell goes with the first call: waiting for the flare instead
// would keep it on the board for good when the flare is shorter than a
// frame.
void CDiagonalBomb::collectCells(CellRefList& cells, bool& bOrdinaryRemoval)
{
    for (auto& pChild : m_Children)
        pChild->collectCells(cells, bOrdinaryRemoval);
    m_Children.erase(std::remove_if(m_Children.begin(), m_Children.end(),
                                    [](const std::unique_ptr<CCellDestructor>& p) { return p->isDone(); }),
                     m_Children.end());
    bOrdinaryRemoval = true;
    if (!m_bDelivered) {
        cells.push_back(m_pUsedCell);
        m_bDelivered = true;
    }
}

void CDiagonalBomb::renderFront()
{
    for (size_t i = 0; i < m_Children.size(); ++i) {
        m_Children[i]->renderFront();
        if (i == 0)
            PowerupParts::draw(m_pFlare);
    }
    if (m_Children.empty())
        PowerupParts::draw(m_pFlare);
}

void CDiagonalBomb::dump() const
{
    DestructorUtil::writeDump("!+ CDiagonalBomb {");
    if (m_pUsedCell)
        DestructorUtil::writeDump("!+ pos: " + DestructorUtil::vectorText((*m_pUsedCell)->position()));
    DestructorUtil::writeDump(Vantile::FormatString("!+ contains %u destructors {", unsigned(m_Children.size())));
    for (const auto& pChild : m_Children)
        pChild->dump();
    DestructorUtil::writeDump("!+ } // destructors");
    DestructorUtil::writeDump("!+ } // CDiagonalBomb");
}
