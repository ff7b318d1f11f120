// What the game's parts share: the game event queue, which the session
// drains once per frame, and a few values several parts read or write.
// Parts never call the session directly; they post events here.
#pragma once

#include <deque>
#include <memory>
#include <string>

#include "d3d/d3dx8.h"

// Base of the records some events carry; the queue owns them.
class CGameEventPayload {
public:
    virtual ~CGameEventPayload() = default;
};

struct GameEvent {
    int nCode = 0;
    std::shared_ptr<CGameEventPayload> pPayload;
};

class CGameContext {
public:
    static CGameContext& Instance();

    void postEvent(int nCode);
    void postEvent(const GameEvent& event);
    bool peekEvent(GameEvent& out) const;
    void popEvent();
    size_t eventCount() const { return m_Events.size(); }

    // Borders count as inside; the corners may be given in any order.
    static bool isInRect(const D3DXVECTOR3& vPoint, const D3DXVECTOR3& vCornerA,
                         const D3DXVECTOR3& vCornerB);

    // The per-user folder "Quellon 1.0" in the user's data home.
    static std::string dataFolder();
    // The folder of the running program.
    static std::string programFolder();
    // The game data's root: the folder "game" (or its archive "game.dat")
    // beside the program in a build tree, else the installed
    // "../share/quellon/game" next to the program's "bin".
    static std::string gameFolder();

    // Sound calls: they apply the gains below and forward to the sound
    // manager.
    // fVolume is 0..1 before the effect gain; the won-level tune plays at 0.6.
    void playSound(const std::string& strName, bool bLoop = false, float fVolume = 1.0f);
    void stopSound(const std::string& strName);
    void setTrackVolume(const std::string& strName, float fVolume);
    void fadeOutAllMusic(float fSpeed);

    // The values below as the process starts with them; the queue stays.
    void resetValues();

    D3DXVECTOR3 m_vMouse;
    D3DXVECTOR3 m_vTrunk;
    bool m_bTrunkShown;
    bool m_bMouseOffBoard;
    D3DXVECTOR3 m_vWhirl;
    int m_nCellSize;
    bool m_bPowerupArmed;
    int m_nPowerup;
    float m_fEffectGain;
    float m_fMusicGain;

private:
    CGameContext();
    CGameContext(const CGameContext&) = delete;
    CGameContext& operator=(const CGameContext&) = delete;

    std::deque<GameEvent> m_Events;
};
