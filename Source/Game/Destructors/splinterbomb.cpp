#include "Game/Destructors/splinterbomb.h"

#include "Core/vantile_frametimer.h"
#include "Core/vantile_log.h"
#include "Game/Board/gamecell.h"
#include "Game/Destructors/powerupparts.h"

namespace {

const float SPIKE_SPREAD_MS = 700.0f;

}  // namespace

CSplinterBomb::CSplinterBomb() = default;
CSplinterBomb::~CSplinterBomb() = default;

void CSplinterBomb::start(CellRef usedCell, const CellRefList& targets)
{
    m_pUsedCell = usedCell;
    m_pSprite = PowerupParts::makeAt("seaurchin.ifl", usedCell, true);
    m_pFlare = PowerupParts::makeFlareAt(usedCell);
    m_fBaseDelay = (m_pSprite->length() + PowerupParts::lengthOf("seaurchin_fade_in.ifl")) * 1000.0f;
    for (CellRef target : targets) {
        Spike spike;
        spike.fStartTime = m_fBaseDelay + DestructorUtil::randomFraction() * SPIKE_SPREAD_MS;
        spike.pFadeIn = PowerupParts::makeAt("seaurchin_fade_in.ifl", target);
        spike.pFlare = PowerupParts::makeFlareAt(target);
        spike.pSpike = PowerupParts::makeAt("seaurchin.ifl", target);
        spike.pTarget = target;
        m_Spikes.push_back(std::move(spike));
    }
}

void CSplinterBomb::update()
{
    const float fSeconds = Vantile::CFrameTimer::Instance().frameSeconds();
    m_fElapsed += DestructorUtil::frameMs();
    PowerupParts::advance(m_pSprite, fSeconds);
    PowerupParts::advanceOnce(m_pFlare, fSeconds);
    for (Spike& spike : m_Spikes)
        if (hasAppeared(spike))
            advanceSpike(spike, fSeconds);
}

void CSplinterBomb::advanceSpike(Spike& spike, float fSeconds)
{
    if (spike.pFadeIn) {
        PowerupParts::advanceOnce(spike.pFadeIn, fSeconds);
        return;
    }
    PowerupParts::advance(spike.pSpike, fSeconds);
    PowerupParts::advanceOnce(spike.pFlare, fSeconds);
}

void CSplinterBomb::collectCells(CellRefList& cells, bool&)
{
    PowerupParts::deliverDue(
        m_Spikes, [this](const Spike& spike) { return spike.fStartTime < m_fElapsed; }, cells);
    if (!m_Spikes.empty() || !m_pUsedCell)
        return;
    cells.push_back(m_pUsedCell);
    m_pUsedCell = nullptr;
    m_pSprite.reset();
    m_pFlare.reset();
}

void CSplinterBomb::renderFront()
{
    PowerupParts::draw(m_pFlare);
    PowerupParts::draw(m_pSprite);
    for (const Spike& spike : m_Spikes) {
        if (!hasAppeared(spike))
            continue;
        if (spike.pFadeIn) {
            spike.pFadeIn->draw();
            continue;
        }
        PowerupParts::draw(spike.pFlare);
        PowerupParts::draw(spike.pSpike);
    }
}

void CSplinterBomb::dump() const
{
    DestructorUtil::writeDump("!+ CSplinterBomb {");
    if (m_pUsedCell && *m_pUsedCell)
        DestructorUtil::writeDump("!+ pos: " + DestructorUtil::vectorText((*m_pUsedCell)->position()));
    DestructorUtil::writeDump(Vantile::FormatString("!+ contains %u elements {", unsigned(m_Spikes.size())));
    for (const Spike& spike : m_Spikes)
        DestructorUtil::writeDump("!+ pos: " + DestructorUtil::vectorText((*spike.pTarget)->position()));
    DestructorUtil::writeDump("!+ } // elements ");
    DestructorUtil::writeDump("!+ } // CSplinterBomb");
}
