#include "Game/Rules/playevents.h"

#include "Business/profile.h"
#include "Game/Board/boardsounds.h"
#include "Game/Board/gamefield.h"
#include "Game/Context/gameevents.h"
#include "Game/Hud/gamegui.h"

CPlayEvents::CPlayEvents(CGameField& field, CGameGui& hud, CScoring& scoring, IBoardSounds* pSounds)
    : m_Field(field), m_Hud(hud), m_Scoring(scoring), m_pSounds(pSounds)
{
}

CPlayEvents::Result CPlayEvents::handle(const GameEvent& event, CProfile& profile, bool bLevelPlay,
                                        float fBonusSeconds)
{
    switch (event.nCode) {
    case eEventEvaluateBoard:
        if (!bLevelPlay)
            return eStopDrain;
        evaluate();
        return eHandled;
    case eEventTrunkOpened:
        m_Hud.slideOut();
        return eHandled;
    case eEventItemCleared:
        itemCleared(event, profile, fBonusSeconds);
        return eHandled;
    case eEventExtraLife:
        playSound("Lifes.ogg");
        CScoring::extraLife(profile);
        showScore(profile);
        return eHandled;
    case eEventShuffle:
        m_Field.shuffle();
        return eHandled;
    case eEventPowerItemCleared:
        m_Hud.addPowerupCharge(POWER_ITEM_CHARGE);
        return eHandled;
    case eEventPowerupUsed:
        m_Hud.resetPowerup();
        CGameContext::Instance().m_bPowerupArmed = false;
        return eHandled;
    case eEventTimeFreeze:
        m_Hud.addFrozenTime(SNOWFLAKE_SECONDS);
        return eHandled;
    case eEventTrunkHome:
        m_Scoring.setTimerStopped(true);
        return eHandled;
    case eEventTrunkTune:
        playSound("Muz Winner.ogg");
        return eHandled;
    case eEventItemGameOver:
        return eHandled;
    default:
        return eNotPlay;
    }
}

void CPlayEvents::evaluate()
{
    bool bBigCombo = false;
    const bool bFound = m_Field.processMatches(bBigCombo);
    const CScoring::Evaluation result = m_Scoring.evaluated(bFound, bBigCombo);
    if (result.bDisarmTimeFreeze)
        m_Field.setTimeFreezeNext(false);
    if (!result.strSound.empty())
        playSound(result.strSound.c_str());
    if (result.bArmTimeFreeze)
        m_Field.setTimeFreezeNext(true);
}

void CPlayEvents::itemCleared(const GameEvent& event, CProfile& profile, float fBonusSeconds)
{
    const auto* pRecord = dynamic_cast<const CClearedItemPayload*>(event.pPayload.get());
    if (!pRecord)
        return;
    // A bonus match also drops food for the aquarium fish, once they swim
    // behind the board.
    m_Scoring.itemsCleared(pRecord->m_nCount, profile);
    if (pRecord->m_nCount != 0)
        m_Hud.giveTimeBack(fBonusSeconds);
    showScore(profile);
}

void CPlayEvents::showScore(const CProfile& profile)
{
    m_Hud.setScore(profile.m_nLevelScore);
    m_Hud.setLives(profile.m_nLives);
}

void CPlayEvents::playSound(const char* szName, float fVolume)
{
    if (m_pSounds)
        m_pSounds->playSound(szName, fVolume);
    else
        CGameContext::Instance().playSound(szName, false, fVolume);
}
