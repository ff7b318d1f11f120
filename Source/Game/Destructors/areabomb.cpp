#include "Game/Destructors/areabomb.h"

#include "Core/vantile_frametimer.h"
#include "Game/Board/gamecell.h"
#include "Game/Destructors/powerupparts.h"

// The spray is drawn at 320 x 320 units; its length sets the timer, so the
// art must run longer than the 300 ms the block leaves before its end.
CBomb::CBomb()
    : m_pFadeOut(std::make_unique<CBoardAnimation>("cara_fade_out.ifl")),
      m_pFlare(std::make_unique<CFlareAnimation>()),
      m_pSpray(std::make_unique<CBoardAnimation>("cara_spray.ifl"))
{
    m_fTimer = m_pSpray->length() * 1000.0f;
}

CBomb::~CBomb() = default;

void CBomb::start(CellRef usedCell, const CellRefList& targets)
{
    m_Cells = targets;
    m_Cells.push_back(usedCell);
    const D3DXVECTOR3& vAt = (*usedCell)->position();
    m_pSpray->setPosition(vAt);
    m_pFadeOut->setPosition(vAt);
    m_pFlare->setPosition(vAt);
}

void CBomb::update()
{
    const float fSeconds = Vantile::CFrameTimer::Instance().frameSeconds();
    m_pSpray->advance(fSeconds);
    PowerupParts::advanceOnce(m_pFlare, fSeconds);
    PowerupParts::advanceOnce(m_pFadeOut, fSeconds);
    if (!isFinished())
        m_fTimer -= DestructorUtil::frameMs();
}

void CBomb::collectCells(CellRefList& cells, bool& bOrdinaryRemoval)
{
    if (!isDone() || m_Cells.empty())
        return;
    cells.insert(cells.end(), m_Cells.begin(), m_Cells.end());
    m_Cells.clear();
    bOrdinaryRemoval = false;
}

void CBomb::renderFront()
{
    m_pSpray->draw();
    PowerupParts::draw(m_pFlare);
    PowerupParts::draw(m_pFadeOut);
}

void CBomb::dump() const
{
    DestructorUtil::writeDump("!+ CBomb {");
    DestructorUtil::writeDump("!+ } // CBomb");
}
