#include "gui/Menus/menunames.h"

#include "Business/xmllocale.h"
#include "Game/Context/gamecontext.h"

const char* const MENU_MUSIC = "muz.ogg";
const char* const CLICK_SOUND = "Click.ogg";

CEGUI::String MenuLocaleText(int nId)
{
    const CXMLLocale* pLocale = CXMLLocale::Instance();
    return CEGUI::String(pLocale ? pLocale->getText(nId).c_str() : "");
}

CEGUI::String NameToGui(const std::string& strName)
{
    return CEGUI::String(reinterpret_cast<const CEGUI::utf8*>(strName.c_str()));
}

std::string NameFromGui(const CEGUI::String& strText)
{
    return std::string(strText.c_str());
}

CEGUI::String MenuOkCaption()
{
    CEGUI::String strCaption;
    strCaption += CEGUI::utf32(0x041E);
    strCaption += CEGUI::utf32('K');
    return strCaption;
}

void PlayClick()
{
    CGameContext::Instance().playSound(CLICK_SOUND, false, 1.0f);
}
