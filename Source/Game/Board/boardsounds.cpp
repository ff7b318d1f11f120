#include "Game/Board/boardsounds.h"

#include "Game/Context/gamecontext.h"

namespace {

class CContextSounds final : public IBoardSounds {
public:
    void playSound(const std::string& strName, float fVolume) override
    {
        CGameContext::Instance().playSound(strName, false, fVolume);
    }
    void fadeOutAllMusic(float fSpeed) override { CGameContext::Instance().fadeOutAllMusic(fSpeed); }
};

}  // namespace

IBoardSounds& GameContextSounds()
{
    static CContextSounds sounds;
    return sounds;
}
