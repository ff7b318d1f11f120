// The level map between levels: built once with the scene, entered with
// the level about to be played, drawn each frame of the map state with
// its blinking prompt once the route has arrived. A click leaves it
// (game_input.cpp).
#include "Game/Session/game.h"

#include "Core/vantile_frametimer.h"
#include "Game/Hud/gamegui.h"
#include "Game/Map/map.h"

void CGame::buildMap()
{
    if (m_pMap)
        m_pMap->loadRoutes();
}

// Without a chart to show (no device, or no routes) the map passes on at
// once, as if clicked.
void CGame::showMap()
{
    if (!m_pMap || m_pMap->segmentCount() == 0) {
        leaveMap();
        return;
    }
    m_pMap->enter(m_nLevel, Vantile::CFrameTimer::Instance().frameSeconds());
}

// The prompt blinks once the route has arrived; drawn with the GUI's
// text, it lies over the chart's sprites.
void CGame::renderMap(float fSeconds)
{
    if (!m_pMap || m_pMap->segmentCount() == 0)
        return;
    m_pMap->render(fSeconds);
    if (m_pMap->isArrived())
        CGameGui::drawContinuePrompt(Vantile::CFrameTimer::Instance().totalTime() / 1000.0);
}
