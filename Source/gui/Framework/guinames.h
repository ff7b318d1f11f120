// The GUI's vocabulary: every widget type the game creates windows of, the
// names of the events its windows fire, and the properties the framework
// sets. The types and properties are defined by the scheme and looks in the
// game's data.
#pragma once

#include <CEGUI/String.h>

namespace GuiWidget {
extern const CEGUI::String DefaultWindow;
extern const CEGUI::String StaticImage;
extern const CEGUI::String Button;
extern const CEGUI::String DialogButton;
extern const CEGUI::String MainMenuButton;
extern const CEGUI::String TextBox;
extern const CEGUI::String Listbox;
extern const CEGUI::String MultiColumnList;
extern const CEGUI::String Checkbox;
extern const CEGUI::String Slider;
extern const CEGUI::String LeftAlignedText;
extern const CEGUI::String RightAlignedText;
extern const CEGUI::String DoubleText;
extern const CEGUI::String CenteredText;
// Defined by the data with the others; the game makes no window of these.
extern const CEGUI::String FrameWindow;
extern const CEGUI::String StaticText;
extern const CEGUI::String HorizontalScrollbar;
extern const CEGUI::String ToolTipText;
extern const CEGUI::String RadioButton;
extern const CEGUI::String SimpleLabel;
}  // namespace GuiWidget

namespace GuiEvent {
extern const CEGUI::String OnClosing;
extern const CEGUI::String OnOk;
extern const CEGUI::String OnCancel;
extern const CEGUI::String OnYes;
extern const CEGUI::String OnNo;
extern const CEGUI::String PlayGame;
extern const CEGUI::String Options;
extern const CEGUI::String HighScores;
extern const CEGUI::String Rules;
extern const CEGUI::String Quit;
extern const CEGUI::String ChangeProfile;
extern const CEGUI::String NewGame;
extern const CEGUI::String ContinueGame;
extern const CEGUI::String MainMenu;
}  // namespace GuiEvent

namespace GuiProperty {
extern const CEGUI::String Image;
extern const CEGUI::String HoverImage;
extern const CEGUI::String NormalTextColour;
extern const CEGUI::String HoverTextColour;
extern const CEGUI::String PushedTextColour;
extern const CEGUI::String TextColour1;
extern const CEGUI::String TextColour2;
extern const CEGUI::String FrameEnabled;
extern const CEGUI::String BackgroundEnabled;
extern const CEGUI::String HeaderHeight;
}  // namespace GuiProperty

// The image set of the button captions; images are named "MenuTexts/<name>".
extern const CEGUI::String MENU_TEXTS_PREFIX;
// The fonts the windows name.
extern const CEGUI::String STYLO_FONT;
extern const CEGUI::String DOMCASL_FONT;
extern const CEGUI::String HINT_FONT;
