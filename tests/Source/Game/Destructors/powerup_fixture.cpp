#include "powerup_fixture.h"

#include <map>

#include "Game/Context/gamecontext.h"
#include "Game/Items/animationmanager.h"

namespace {

class CTimedVisual : public ILayerVisual {
public:
    CTimedVisual(const std::string& strTexture, float fLength, std::vector<CTimedVisualSource::Draw>& draws)
        : m_strTexture(strTexture), m_fLength(fLength), m_Draws(draws)
    {
    }
    int frameCount() const override { return 10; }
    float length() const override { return m_fLength; }
    void draw(const D3DXVECTOR3&, int, float, uint32_t dwTint) override
    {
        m_Draws.push_back({m_strTexture, float(dwTint >> 24) / 255.0f});
    }

private:
    std::string m_strTexture;
    float m_fLength;
    std::vector<CTimedVisualSource::Draw>& m_Draws;
};

}  // namespace

const Layout FULL = {
    "56789567", "78956789", "95678956", "67895678", "89567895", "56789567", "78956789", "95678956",
};

std::shared_ptr<ILayerVisual> CTimedVisualSource::create(const std::string& strTexture)
{
    static const std::map<std::string, float> LENGTHS = {
        {"flare.ifl", FLARE_LENGTH},        {"seaurchin.ifl", URCHIN_LENGTH},
        {"seaurchin_fade_in.ifl", URCHIN_FADE_IN_LENGTH}, {"cara_spray.ifl", SPRAY_LENGTH},
        {"pearl_lev1.ifl", PEARL_LENGTH},   {"pearl_lev2.ifl", PEARL_LENGTH},
        {"cara_fade_out.ifl", 0.3f},        {"ray_fade_out.ifl", 0.3f},
        {"turtle_move.ifl", 0.5f},          {"flash-02.dds", 0.0f},
    };
    const auto it = LENGTHS.find(strTexture);
    if (it == LENGTHS.end())
        return nullptr;
    return std::make_shared<CTimedVisual>(strTexture, it->second, m_Draws);
}

std::vector<float> CTimedVisualSource::alphasOf(const std::string& strTexture) const
{
    std::vector<float> alphas;
    for (const Draw& draw : m_Draws)
        if (draw.strTexture == strTexture)
            alphas.push_back(draw.fAlpha);
    return alphas;
}

std::string CellName(int nRow, int nColumn)
{
    return std::to_string(nRow) + "," + std::to_string(nColumn);
}

std::vector<std::string> PowerupRun::cells() const
{
    std::vector<std::string> names;
    for (const Delivery& d : deliveries)
        names.push_back(CellName(d.nRow, d.nColumn));
    return names;
}

void PowerupTest::SetUp()
{
    BoardTest::SetUp();
    CAnimationManager::Instance().setVisualSource(&m_Visuals);
}

void PowerupTest::TearDown()
{
    CGameContext::Instance().m_bPowerupArmed = false;
    BoardTest::TearDown();
    CAnimationManager::Instance().setVisualSource(nullptr);
}

PowerupRun PowerupTest::run(int nPowerup, int nRow, int nColumn, int nMaxFrames)
{
    PowerupRun result;
    std::unique_ptr<CBaseCellDestructor> pBomb = MakePowerup(m_Field, nPowerup, m_Field.refOf(at(nRow, nColumn)));
    if (!pBomb)
        return result;
    for (int nFrame = 1; nFrame <= nMaxFrames; ++nFrame) {
        m_pDriver->frame();
        pBomb->update();
        if (result.nDoneFrame < 0) {
            CellRefList cells;
            bool bOrdinary = true;
            pBomb->collectCells(cells, bOrdinary);
            for (CellRef ref : cells)
                result.deliveries.push_back({(*ref)->row(), (*ref)->column(), nFrame, bOrdinary});
            if (pBomb->isDone())
                result.nDoneFrame = nFrame;
        }
        pBomb->renderBack();
        pBomb->renderFront();
        if (result.nDoneFrame >= 0 && pBomb->isFinished()) {
            result.nFinishedFrame = nFrame;
            break;
        }
    }
    return result;
}

void PowerupTest::spend(int nPowerup, int nRow, int nColumn)
{
    CGameContext& context = CGameContext::Instance();
    context.m_bPowerupArmed = true;
    context.m_nPowerup = nPowerup;
    m_Field.mouseDown(at(nRow, nColumn)->position());
    m_Field.mouseUp(at(nRow, nColumn)->position());
    context.m_bPowerupArmed = false;
}
