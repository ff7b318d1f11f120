// The menus' vocabulary: the images their buttons and backgrounds show,
// the locale ids of their texts, and the conversions between the game's
// strings and the GUI's. Widgets are named by the framework's counter, so
// a window keeps pointers to its widgets instead of looking names up.
#pragma once

#include <string>

#include <CEGUI/String.h>

namespace MenuText {
const int PLAYER_CAPTION = 10;
const int CHANGE_PROFILE = 11;
const int NEW_PLAYER = 25;
const int DELETE_QUESTION = 26;
const int NAME_EMPTY = 27;
const int NAME_TAKEN = 28;
const int NEW_GAME_QUESTION = 29;
const int CREDITS = 61;
}  // namespace MenuText

namespace MenuImage {
const char* const MAIN_MENU_BUTTONS = "main_menu_buttons.dds";
const char* const SELECT_GAME_BUTTONS = "select_game_buttons.dds";
const char* const OPTIONS_BG = "options_bg.dds";
const char* const HIGH_SCORES_BG = "high_scores_bg.dds";
const char* const WHO_ARE_YOU_BG = "who_are_you_bg.dds";
const char* const NEW_USER_BG = "new_user_bg.dds";
const char* const RENAME_USER_BG = "rename_user_bg.dds";
const char* const MESSAGE_BG = "mb_background.dds";
const char* const MESSAGE_OK_BG = "mb_background1.dds";
const char* const RULES_BG = "Rules.dds";
const char* const CREDITS_BG = "Credits.dds";
}  // namespace MenuImage

// The track the main menu plays; the settings preview its loudness on it.
extern const char* const MENU_MUSIC;
extern const char* const CLICK_SOUND;

// The locale text of the id as the GUI shows it.
CEGUI::String MenuLocaleText(int nId);
// Player names are kept as UTF-8 bytes; the GUI holds code points.
CEGUI::String NameToGui(const std::string& strName);
std::string NameFromGui(const CEGUI::String& strText);
// "OK" as the game writes it, with a Cyrillic capital O.
CEGUI::String MenuOkCaption();
void PlayClick();
