#include "gui/Framework/guinames.h"

namespace GuiWidget {
const CEGUI::String DefaultWindow = "DefaultWindow";
const CEGUI::String StaticImage = "Velmora/StaticImage";
const CEGUI::String Button = "Velmora/Button";
const CEGUI::String DialogButton = "Velmora/DialogButton";
const CEGUI::String MainMenuButton = "Velmora/MainMenuButton";
const CEGUI::String TextBox = "Velmora/TextBox";
const CEGUI::String Listbox = "Velmora/Listbox";
const CEGUI::String MultiColumnList = "Velmora/MultiColumnList";
const CEGUI::String Checkbox = "Velmora/Checkbox";
const CEGUI::String Slider = "Velmora/Slider";
const CEGUI::String LeftAlignedText = "Velmora/LeftAlignedText";
const CEGUI::String RightAlignedText = "Velmora/RightAlignedText";
const CEGUI::String DoubleText = "Velmora/DoubleText";
const CEGUI::String CenteredText = "Velmora/CenteredText";
const CEGUI::String FrameWindow = "Velmora/FrameWindow";
const CEGUI::String StaticText = "Velmora/StaticText";
const CEGUI::String HorizontalScrollbar = "Velmora/HorizontalScrollbar";
const CEGUI::String ToolTipText = "Velmora/ToolTipText";
const CEGUI::String RadioButton = "Velmora/RadioButton";
const CEGUI::String SimpleLabel = "Velmora/SimpleLabel";
}  // namespace GuiWidget

namespace GuiEvent {
const CEGUI::String OnClosing = "OnClosing";
const CEGUI::String OnOk = "OnOk";
const CEGUI::String OnCancel = "OnCancel";
const CEGUI::String OnYes = "OnYes";
const CEGUI::String OnNo = "OnNo";
const CEGUI::String PlayGame = "PlayGame";
const CEGUI::String Options = "Options";
const CEGUI::String HighScores = "HighScores";
const CEGUI::String Rules = "Rules";
const CEGUI::String Quit = "Quit";
const CEGUI::String ChangeProfile = "ChangeProfile";
const CEGUI::String NewGame = "NewGame";
const CEGUI::String ContinueGame = "ContinueGame";
const CEGUI::String MainMenu = "MainMenu";
}  // namespace GuiEvent

namespace GuiProperty {
const CEGUI::String Image = "Image";
const CEGUI::String HoverImage = "HoverImage";
const CEGUI::String NormalTextColour = "NormalTextColour";
const CEGUI::String HoverTextColour = "HoverTextColour";
const CEGUI::String PushedTextColour = "PushedTextColour";
const CEGUI::String TextColour1 = "TextColour1";
const CEGUI::String TextColour2 = "TextColour2";
const CEGUI::String FrameEnabled = "FrameEnabled";
const CEGUI::String BackgroundEnabled = "BackgroundEnabled";
const CEGUI::String HeaderHeight = "HeaderHeight";
}  // namespace GuiProperty

const CEGUI::String MENU_TEXTS_PREFIX = "MenuTexts/";
const CEGUI::String STYLO_FONT = "Stylo";
const CEGUI::String DOMCASL_FONT = "Domcasl";
const CEGUI::String HINT_FONT = "Hint_font";
