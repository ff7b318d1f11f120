// The board's answers to the player that carry no rules: the burst of
// colour over each cleared item and the points rising from each group.
#include "Game/Board/gamefield.h"

#include <algorithm>

#include "Core/vantile_frametimer.h"
#include "Game/Board/gamecell.h"
#include "Game/Destructors/boardanimation.h"
#include "Game/Items/animationmanager.h"
#include "Game/Rules/scoring.h"

namespace {

const char* const BURST_TEXTURE = "clear_burst.ifl";

}  // namespace

void CGameField::addClearBurst(const CGameCell* pCell, int nType)
{
    // Only a board that draws has the type colours and the texture.
    if (!CAnimationManager::Instance().visualSource())
        return;
    auto pBurst = std::make_unique<CBoardAnimation>(BURST_TEXTURE);
    pBurst->setPosition(pCell->position());
    pBurst->setTint(CAnimationManager::Instance().getTypeColorInfo(nType).color1);
    m_Bursts.push_back(std::move(pBurst));
}

void CGameField::addScorePopups(const GroupList& cleared)
{
    for (const std::vector<CGameCell*>& group : cleared) {
        if (group.empty())
            continue;
        D3DXVECTOR3 vCentre(0.0f, 0.0f, 0.0f);
        for (const CGameCell* pCell : group)
            vCentre += pCell->position();
        m_Popups.add(vCentre / float(group.size()), int(group.size()) * CScoring::POINTS_PER_ITEM, m_nChain);
    }
}

void CGameField::updateBursts()
{
    const float fSeconds = Vantile::CFrameTimer::Instance().frameSeconds();
    m_Popups.update(fSeconds);
    for (auto& pBurst : m_Bursts)
        pBurst->advance(fSeconds);
    m_Bursts.erase(std::remove_if(m_Bursts.begin(), m_Bursts.end(),
                                  [](const std::unique_ptr<CBoardAnimation>& p) { return p->isFinished(); }),
                   m_Bursts.end());
}

void CGameField::renderBursts()
{
    for (const auto& pBurst : m_Bursts)
        pBurst->draw();
    m_Popups.draw();
}
