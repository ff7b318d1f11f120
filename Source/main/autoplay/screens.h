// What the headless players see: which screen is up, read from the game's
// state and the GUI's top window, as a player tells them apart by eye. The
// autoplayer and the monkey share it.
#pragma once

#include <vector>

class CGame;

enum class Screen {
    None,
    Logo,
    Loading,
    // Naming a new player: the first player's dialog or the profile
    // chooser's new-player entry.
    NameDialog,
    MainMenu,
    GameChoice,
    // The new-game question (OK / Cancel).
    Question,
    // The profile chooser's question before deleting a player (Yes / No).
    DeleteQuestion,
    // A complaint with OK only (an empty or taken name).
    MessageBox,
    ProfileChooser,
    RenameDialog,
    Options,
    HighScores,
    Rules,
    Credits,
    // A GUI window none of the above names.
    OtherMenu,
    Story,
    Map,
    MiniGame,
    // The power-up chooser before a level.
    LevelStart,
    Play,
    TimeOut,
    // Level play with a tooltip over it.
    Tooltip,
    // The after-win dialog.
    Won,
    Lost,
    GameOver,
    FinalStory,
};

// "main-menu", "time-out", ...: the names of the pictures and reports.
const char* ScreenName(Screen screen);
// Every screen but None, in the order above.
const std::vector<Screen>& AllScreens();
Screen DetectScreen(CGame& game);
// Nothing fading, no window about to replace the top one, and in play the
// HUD's panels in place.
bool IsScreenSettled(CGame& game);
inline bool IsLevelScreen(Screen screen)
{
    return screen == Screen::Play || screen == Screen::TimeOut || screen == Screen::Tooltip;
}
// A screen of the menu state, drawn by the GUI's window stack.
bool IsMenuScreen(Screen screen);
