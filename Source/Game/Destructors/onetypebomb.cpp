#include "Game/Destructors/onetypebomb.h"

#include "Core/vantile_frametimer.h"
#include "Core/vantile_log.h"
#include "Game/Board/gamecell.h"
#include "Game/Destructors/powerupparts.h"

namespace {

const float PEARL_SPREAD_MS = 400.0f;

}  // namespace

COneTypeBomb::COneTypeBomb() = default;
COneTypeBomb::~COneTypeBomb() = default;

void COneTypeBomb::start(CellRef usedCell, const CellRefList& targets)
{
    m_pUsedCell = usedCell;
    m_pFlare = PowerupParts::makeFlareAt(usedCell);
    m_pInner = PowerupParts::makeAt("pearl_lev1.ifl", usedCell, true);
    m_pOuter = PowerupParts::makeAt("pearl_lev2.ifl", usedCell, true);
    m_fBaseDelay = (m_pInner->length() + m_fGrowTime) * 1000.0f;
    for (CellRef target : targets) {
        Pearl pearl;
        pearl.pTarget = target;
        pearl.fStartTime = m_fBaseDelay + DestructorUtil::randomFraction() * PEARL_SPREAD_MS;
        pearl.pInner = PowerupParts::makeAt("pearl_lev1.ifl", target, true);
        pearl.pOuter = PowerupParts::makeAt("pearl_lev2.ifl", target, true);
        pearl.pFlare = PowerupParts::makeFlareAt(target);
        pearl.grow.init(0.0f, 1.0f, m_fGrowTime);
        m_Pearls.push_back(std::move(pearl));
    }
}

void COneTypeBomb::update()
{
    const float fSeconds = Vantile::CFrameTimer::Instance().frameSeconds();
    m_fLastFrameTime = DestructorUtil::frameMs();
    m_fElapsed += m_fLastFrameTime;
    PowerupParts::advanceOnce(m_pFlare, fSeconds);
    bool bAnyAppeared = false, bAllGrown = true;
    for (Pearl& pearl : m_Pearls) {
        if (!hasAppeared(pearl))
            continue;
        bAnyAppeared = true;
        bAllGrown = advancePearl(pearl, fSeconds) && bAllGrown;
    }
    if (bAnyAppeared && bAllGrown) {
        PowerupParts::advance(m_pOuter, fSeconds);
        PowerupParts::advance(m_pInner, fSeconds);
    }
}

bool COneTypeBomb::advancePearl(Pearl& pearl, float fSeconds)
{
    if (pearl.grow.isRunning()) {
        pearl.grow.update(fSeconds);
        pearl.pInner->setAlpha(pearl.grow.getValue());
        pearl.pOuter->setAlpha(pearl.grow.getValue());
        return false;
    }
    PowerupParts::advanceOnce(pearl.pFlare, fSeconds);
    pearl.pInner->advance(fSeconds);
    pearl.pOuter->advance(fSeconds);
    return true;
}

void COneTypeBomb::collectCells(CellRefList& cells, bool&)
{
    PowerupParts::deliverDue(
        m_Pearls, [this](const Pearl& pearl) { return m_fElapsed + m_fLastFrameTime >= pearl.fStartTime; }, cells);
    if (!m_Pearls.empty() || !m_pUsedCell)
        return;
    cells.push_back(m_pUsedCell);
    m_pUsedCell = nullptr;
    m_pFlare.reset();
    m_pOuter.reset();
    m_pInner.reset();
}

void COneTypeBomb::renderBack()
{
    PowerupParts::draw(m_pFlare);
    PowerupParts::draw(m_pInner);
    for (const Pearl& pearl : m_Pearls) {
        if (!hasAppeared(pearl))
            continue;
        if (!pearl.grow.isRunning())
            PowerupParts::draw(pearl.pFlare);
        pearl.pInner->draw();
    }
}

void COneTypeBomb::renderFront()
{
    PowerupParts::draw(m_pOuter);
    for (const Pearl& pearl : m_Pearls)
        if (hasAppeared(pearl))
            pearl.pOuter->draw();
}

void COneTypeBomb::dump() const
{
    DestructorUtil::writeDump("!+ COneTypeBomb {");
    DestructorUtil::writeDump(Vantile::FormatString("!+ contains %u elements {", unsigned(m_Pearls.size())));
    for (const Pearl& pearl : m_Pearls)
        DestructorUtil::writeDump("!+ pos: " + DestructorUtil::vectorText((*pearl.pTarget)->position()));
    DestructorUtil::writeDump("!+ } // elements");
    DestructorUtil::writeDump("!+ } // COneTypeBomb");
}
