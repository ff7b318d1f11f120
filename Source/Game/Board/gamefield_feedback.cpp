// The board's answers to the player that carry no rules: the burst of
// colour over each cleared item.
#include "Game/Board/gamefield.h"

#include <algorithm>

#include "Core/vantile_frametimer.h"
#include "Game/Board/gamecell.h"
#include "Game/Destructors/boardanimation.h"
#include "Game/Items/animationmanager.h"

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

void CGameField::updateBursts()
{
    const float fSeconds = Vantile::CFrameTimer::Instance().frameSeconds();
    for (auto& pBurst : m_Bursts)
        pBurst->advance(fSeconds);
    m_Bursts.erase(std::remove_if(m_Bursts.begin(), m_Bursts.end(),
                                  [](const std::unique_ptr<CBoardAnimation>& p) { return p->isFinished(); }),
                   m_Bursts.end());
}

void CGameField::renderBursts() const
{
    for (const auto& pBurst : m_Bursts)
        pBurst->draw();
}
