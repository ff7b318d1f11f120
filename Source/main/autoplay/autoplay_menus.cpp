// The menus and dialogs, clicked where a player sees their buttons.
#include "main/autoplay/autoplayer.h"

#include "system/win32.h"

namespace {

// Button centres on the 800 x 600 screen.
struct SPoint {
    int nX;
    int nY;
};
const SPoint NAME_OK = {331, 383};
const SPoint PLAY_BUTTON = {390, 210};
const SPoint QUIT_BUTTON = {413, 524};
const SPoint NEW_GAME_BUTTON = {391, 215};
// Yes in the Yes/No form, OK in the OK/Cancel form.
const SPoint QUESTION_YES = {331, 472};
const SPoint MESSAGE_OK = {399, 472};

const char* const PLAYER_NAME = "Autoplay";

}  // namespace

void CAutoPlayer::actOnMenu(CGame&, Screen screen)
{
    switch (screen) {
    case Screen::NameDialog:
        m_Input.typeText(PLAYER_NAME);
        click(NAME_OK.nX, NAME_OK.nY);
        break;
    case Screen::MainMenu:
        if (isDone())
            click(QUIT_BUTTON.nX, QUIT_BUTTON.nY);
        else
            click(PLAY_BUTTON.nX, PLAY_BUTTON.nY);
        break;
    case Screen::GameChoice: click(NEW_GAME_BUTTON.nX, NEW_GAME_BUTTON.nY); break;
    case Screen::Question: click(QUESTION_YES.nX, QUESTION_YES.nY); break;
    case Screen::MessageBox: click(MESSAGE_OK.nX, MESSAGE_OK.nY); break;
    // Any other window is left the way a player leaves it.
    default: pressKey(VK_ESCAPE); break;
    }
    // A click that changes nothing is tried again a while later.
    m_fWait = 2.0f;
}
