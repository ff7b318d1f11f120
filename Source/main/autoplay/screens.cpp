#include "main/autoplay/screens.h"

#include "Game/Hints/tooltipmanager.h"
#include "Game/Session/game.h"
#include "gui/Framework/windowstack.h"
#include "gui/Menus/mainmenuwindow.h"
#include "gui/Menus/messagebox.h"
#include "gui/Menus/ruleswindow.h"
#include "gui/Menus/settingswindow.h"
#include "gui/Menus/topscoreswindow.h"
#include "gui/Menus/userwindows.h"
#include "gui/Menus/whoareyouwindow.h"

const char* ScreenName(Screen screen)
{
    switch (screen) {
    case Screen::None: return "start";
    case Screen::Logo: return "logo";
    case Screen::Loading: return "loading";
    case Screen::NameDialog: return "name-dialog";
    case Screen::MainMenu: return "main-menu";
    case Screen::GameChoice: return "game-choice";
    case Screen::Question: return "question";
    case Screen::DeleteQuestion: return "delete-question";
    case Screen::MessageBox: return "message";
    case Screen::ProfileChooser: return "profile-chooser";
    case Screen::RenameDialog: return "rename-dialog";
    case Screen::Options: return "options";
    case Screen::HighScores: return "high-scores";
    case Screen::Rules: return "rules";
    case Screen::Credits: return "credits";
    case Screen::OtherMenu: return "menu";
    case Screen::Story: return "story";
    case Screen::Map: return "map";
    case Screen::MiniGame: return "minigame";
    case Screen::LevelStart: return "level-start";
    case Screen::Play: return "play";
    case Screen::TimeOut: return "time-out";
    case Screen::Tooltip: return "tooltip";
    case Screen::Won: return "won";
    case Screen::Lost: return "lost";
    case Screen::GameOver: return "game-over";
    case Screen::FinalStory: return "final-story";
    }
    return "unknown";
}

const std::vector<Screen>& AllScreens()
{
    static const std::vector<Screen> screens = [] {
        std::vector<Screen> all;
        for (int n = int(Screen::Logo); n <= int(Screen::FinalStory); ++n)
            all.push_back(Screen(n));
        return all;
    }();
    return screens;
}

namespace {

// The menu state's screens, by the GUI's top window. A rename dialog is a
// name dialog of its own kind, so it is asked for first.
Screen menuScreen()
{
    CBaseWindow* pTop = CWindowStack::instance().current();
    if (dynamic_cast<CRenameUserWindow*>(pTop))
        return Screen::RenameDialog;
    if (dynamic_cast<CCreateUserWindow*>(pTop))
        return Screen::NameDialog;
    if (dynamic_cast<CMainMenuWindow*>(pTop))
        return Screen::MainMenu;
    if (dynamic_cast<CSelectGameWindow*>(pTop))
        return Screen::GameChoice;
    if (const CMessageBox* pBox = dynamic_cast<CMessageBox*>(pTop)) {
        switch (pBox->getForm()) {
        case CMessageBox::OK_ONLY: return Screen::MessageBox;
        case CMessageBox::YES_NO: return Screen::DeleteQuestion;
        default: return Screen::Question;
        }
    }
    if (dynamic_cast<CWhoAreYouWindow*>(pTop))
        return Screen::ProfileChooser;
    if (dynamic_cast<CSettingsWindow*>(pTop))
        return Screen::Options;
    if (dynamic_cast<CTopScoresWindow*>(pTop))
        return Screen::HighScores;
    if (dynamic_cast<CRulesWindow*>(pTop))
        return Screen::Rules;
    if (dynamic_cast<CCreditsWindow*>(pTop))
        return Screen::Credits;
    return pTop ? Screen::OtherMenu : Screen::None;
}

}  // namespace

Screen DetectScreen(CGame& game)
{
    switch (game.getState()) {
    case CGame::eLogo: return Screen::Logo;
    case CGame::eLoading: return Screen::Loading;
    case CGame::eMap: return Screen::Map;
    case CGame::ePlay:
        if (game.hud().isTimeoutVisible())
            return Screen::TimeOut;
        return CTooltipManager::Instance().isShowing() ? Screen::Tooltip : Screen::Play;
    case CGame::eLevelStart: return Screen::LevelStart;
    case CGame::eWon: return Screen::Won;
    case CGame::eGameOver: return Screen::GameOver;
    case CGame::eLost: return Screen::Lost;
    case CGame::eFinalStory: return Screen::FinalStory;
    case CGame::eMiniGame: return Screen::MiniGame;
    case CGame::eStory: return Screen::Story;
    default: break;
    }
    return menuScreen();
}

bool IsScreenSettled(CGame& game)
{
    if (game.getState() == CGame::ePlay && game.hud().panelOffset() < 0.0f)
        return false;
    return !game.isTransition() && game.fader().progress() >= 1.0f && !CWindowStack::instance().isSwitchPending();
}

bool IsMenuScreen(Screen screen)
{
    switch (screen) {
    case Screen::NameDialog:
    case Screen::MainMenu:
    case Screen::GameChoice:
    case Screen::Question:
    case Screen::DeleteQuestion:
    case Screen::MessageBox:
    case Screen::ProfileChooser:
    case Screen::RenameDialog:
    case Screen::Options:
    case Screen::HighScores:
    case Screen::Rules:
    case Screen::Credits:
    case Screen::OtherMenu: return true;
    default: return false;
    }
}
