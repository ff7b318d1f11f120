#include "Game/Destructors/lightningbomb.h"

#include "Core/vantile_frametimer.h"
#include "Core/vantile_log.h"
#include "Game/Board/gamecell.h"
#include "Game/Destructors/powerupparts.h"

namespace {

const float FIRST_DELAY_MS = 200.0f;
const float STEP_MS = 50.0f;
const float FLICKER_SECONDS = 0.05f;
const float FADE_SECONDS = 0.5f;
const float HALF_CELL = 27.0f;
const float PI = 3.14159265f;

}  // namespace

CBasePowerup::CBasePowerup() : m_pFlare(std::make_unique<CFlareAnimation>()), m_fFlareDuration(m_pFlare->length())
{
}

CBasePowerup::~CBasePowerup() = default;

void CBasePowerup::start(CellRef usedCell, const CellRefList&)
{
    m_pFlare->setPosition((*usedCell)->position());
}

void CBasePowerup::update()
{
    PowerupParts::advanceOnce(m_pFlare, Vantile::CFrameTimer::Instance().frameSeconds());
}

void CBasePowerup::renderFront()
{
    PowerupParts::draw(m_pFlare);
}

CLightningBomb::CLightningBomb(bool bLeftHalf, bool bLowerHalf) : m_bLeftHalf(bLeftHalf), m_bLowerHalf(bLowerHalf) {}

CLightningBomb::~CLightningBomb() = default;

void CLightningBomb::start(CellRef usedCell, const CellRefList& targets)
{
    const float fHalf = m_fFlareDuration / 2.0f;
    CBasePowerup::start(usedCell, targets);
    m_pUsedCell = usedCell;
    float fDue = fHalf * 1000.0f + FIRST_DELAY_MS;
    for (CellRef target : targets) {
        m_Schedule.push_back({target, fDue});
        fDue += STEP_MS;
    }
    m_fElapsed = 0.0f;
    buildAlphaCurve(fHalf);
    m_pFadeOut = PowerupParts::makeAt("ray_fade_out.ifl", usedCell);
    makeFlash(**usedCell);
}

void CLightningBomb::buildAlphaCurve(float fHoldSeconds)
{
    m_AlphaCurve.addWait(0.0f, fHoldSeconds);
    for (int i = 0; i < 3; ++i) {
        m_AlphaCurve.addWait(1.0f, FLICKER_SECONDS);
        m_AlphaCurve.addWait(0.5f, FLICKER_SECONDS);
    }
    m_AlphaCurve.addDecrement(1.0f, 0.0f, FADE_SECONDS);
}

// The bolt's picture runs from its bottom-left corner to its top-right; it
// is turned so that its start lies on the used cell's outer corner, the one
// facing away from the board's centre.
void CLightningBomb::makeFlash(const CGameCell& cell)
{
    static const float ROTATIONS[4] = {-PI, PI / 2.0f, -PI / 2.0f, 0.0f};
    static const D3DXVECTOR3 CORNERS[4] = {
        D3DXVECTOR3(HALF_CELL, HALF_CELL, 0.0f), D3DXVECTOR3(HALF_CELL, -HALF_CELL, 0.0f),
        D3DXVECTOR3(-HALF_CELL, HALF_CELL, 0.0f), D3DXVECTOR3(-HALF_CELL, -HALF_CELL, 0.0f)};
    const int k = m_bLeftHalf * 2 + m_bLowerHalf;
    m_pFlash = std::make_unique<CBoardAnimation>("flash-02.dds", true);
    m_pFlash->setRotation(ROTATIONS[k]);
    m_pFlash->setPosition(cell.position() + CORNERS[k]);
    m_pFlash->setAlpha(0.0f);
}

void CLightningBomb::update()
{
    CBasePowerup::update();
    m_fElapsed += DestructorUtil::frameMs();
    m_AlphaCurve.update(Vantile::CFrameTimer::Instance().frameSeconds());
    PowerupParts::advanceOnce(m_pFadeOut, Vantile::CFrameTimer::Instance().frameSeconds());
}

void CLightningBomb::collectCells(CellRefList& cells, bool&)
{
    if (m_pUsedCell) {
        cells.push_back(m_pUsedCell);
        m_pUsedCell = nullptr;
    }
    PowerupParts::deliverDue(
        m_Schedule, [this](const Strike& strike) { return strike.fDue < m_fElapsed; }, cells);
}

void CLightningBomb::renderFront()
{
    if (m_pFlash) {
        m_pFlash->setAlpha(m_AlphaCurve.getValue());
        m_pFlash->draw();
    }
    CBasePowerup::renderFront();
    PowerupParts::draw(m_pFadeOut);
}

void CLightningBomb::dump() const
{
    DestructorUtil::writeDump("!+ CLightningBomb {");
    DestructorUtil::writeDump("!+ } // CLightningBomb");
}
