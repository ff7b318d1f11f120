#include "gui/Menus/rulesdemo.h"

#include "Game/Items/animationdata.h"
#include "Game/Items/gameitem.h"
#include "Game/Sprites/sprite.h"
#include "Game/Sprites/spritevbarray.h"

namespace {

const int FIRST_KIND = 2;
const int SECOND_KIND = 1;
const D3DXVECTOR3 FIRST_HOME(-242.0f, 125.0f, 0.0f);
const D3DXVECTOR3 SECOND_HOME(-189.0f, 125.0f, 0.0f);
const D3DXVECTOR3 ORIGIN(0.0f, 0.0f, 0.0f);
const char* const MOVE_LAYER = "move";

struct SCreature {
    const char* pszTexture;
    D3DXVECTOR3 vPosition;
};
const SCreature CREATURES[] = {
    {"trunk.ifl", D3DXVECTOR3(217.0f, 42.0f, 0.0f)},
    {"crab_move.ifl", D3DXVECTOR3(-230.0f, -45.0f, 0.0f)},
    {"coin_horse.ifl", D3DXVECTOR3(219.0f, -116.0f, 0.0f)},
};

}  // namespace

CRulesDemo::CRulesDemo(bool bDraw) : m_bDraw(bDraw), m_Homes{FIRST_HOME, SECOND_HOME}
{
    m_Items[0] = std::make_unique<CGameItem>(FIRST_KIND);
    m_Items[1] = std::make_unique<CGameItem>(SECOND_KIND);
    for (const std::unique_ptr<CGameItem>& pItem : m_Items)
        pItem->setListener(this);
    if (!m_bDraw)
        return;
    for (const SCreature& creature : CREATURES) {
        m_Creatures.push_back(std::make_unique<CSprite>(creature.pszTexture, CSprite::WHITE, false, true));
        m_Creatures.back()->setPosition(creature.vPosition);
    }
}

CRulesDemo::~CRulesDemo() = default;

void CRulesDemo::update(float fSeconds)
{
    m_fCountdown -= fSeconds;
    if (m_fCountdown <= 0.0f) {
        swap();
        m_bSwapBackPending = true;
        m_fCountdown = SWAP_PERIOD;
    }
    for (size_t i = 0; i < m_Items.size(); ++i)
        m_Items[i]->update(m_Homes[i]);
    // The swap back changes the items' layers, so it comes before they are
    // drawn: the frame shows the new move rather than a gap.
    if (m_bSwapBackNow) {
        m_bSwapBackNow = false;
        swap();
    }
    if (!m_bDraw)
        return;
    for (size_t i = 0; i < m_Items.size(); ++i)
        m_Items[i]->render(m_Homes[i]);
    CSpriteVBArray::Instance().submitAll();
    for (const std::unique_ptr<CSprite>& pCreature : m_Creatures)
        pCreature->draw();
}

void CRulesDemo::onEvent(const std::string& strName)
{
    if (strName == MOVE_LAYER && m_bSwapBackPending) {
        m_bSwapBackPending = false;
        m_bSwapBackNow = true;
    }
}

// Each item moves from where it stands to the other's home, which becomes
// its own.
void CRulesDemo::swap()
{
    std::swap(m_Homes[0], m_Homes[1]);
    m_Items[0]->setState(eMoving, m_Homes[1] - m_Homes[0], ORIGIN, 0.0f, SWAP_SPEED);
    m_Items[1]->setState(eMoving, m_Homes[0] - m_Homes[1], ORIGIN, 0.0f, SWAP_SPEED);
}
