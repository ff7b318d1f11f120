#include "Game/Session/loadingprogress.h"

#include <algorithm>

#include "Game/Session/game.h"
#include "Game/Sprites/spriteloader.h"

void CLoadingProgress::frame(CGame& game)
{
    // The loading screen already works while it fades in; it gives way to
    // the menu once it has been fully shown and everything is loaded.
    if (game.getState() != CGame::eLoading || game.fader().progress() < 0.5f || game.isTransition())
        return;
    CSpriteLoader& loader = CSpriteLoader::Instance();
    const int nRemaining = static_cast<int>(loader.count());
    std::string strName;
    if (nRemaining > 0)
        loader.loadNext(strName);
    if (loader.count() == 0 && game.fader().progress() >= 1.0f) {
        loader.setFinished(true);
        game.requestState(CGame::eMainMenu);
    }
    // Sprites queued after the total was taken cannot make it divide by 0
    // or pass 100.
    const int nPercent = m_nTotal > 0 ? (m_nTotal - nRemaining) * 100 / m_nTotal : 100;
    game.setLoadingProgress(std::min(100, std::max(0, nPercent)));
}
