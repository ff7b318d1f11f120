// The GUI manager's answers to its windows' events.
#include "gui/Framework/gui.h"

#include "Business/profilelist.h"
#include "Business/profilesstore.h"
#include "Core/vantile_root.h"
#include "Game/Context/gameevents.h"
#include "gui/Menus/mainmenuwindow.h"
#include "gui/Menus/messagebox.h"
#include "gui/Menus/settingswindow.h"
#include "gui/Menus/topscoreswindow.h"
#include "gui/Menus/userwindows.h"
#include "gui/Menus/whoareyouwindow.h"

bool CGui::onPlayGame(const CEGUI::EventArgs&)
{
    if (m_pStore->profiles()->current()) {
        m_pSelectGame->show();
    } else {
        m_pWhoAreYou->show();
        m_bPlayRequested = true;
    }
    return true;
}

bool CGui::onQuit(const CEGUI::EventArgs&)
{
    Vantile::CRoot::Instance().queueEndRendering();
    return true;
}

bool CGui::onOptions(const CEGUI::EventArgs&)
{
    m_pSettings->show();
    return true;
}

bool CGui::onRules(const CEGUI::EventArgs&)
{
    return true;
}

bool CGui::onHighScores(const CEGUI::EventArgs&)
{
    m_pTopScores->show();
    return true;
}

bool CGui::onChangeProfile(const CEGUI::EventArgs&)
{
    m_pWhoAreYou->show();
    return true;
}

bool CGui::onChooserOk(const CEGUI::EventArgs&)
{
    updatePlayerName();
    if (CProfile* pProfile = m_pStore->profiles()->current())
        pProfile->m_bInLevel = false;
    updateContinueButton();
    if (m_bPlayRequested)
        m_pSelectGame->show();
    return true;
}

bool CGui::onChooserCancel(const CEGUI::EventArgs&)
{
    updatePlayerName();
    return true;
}

bool CGui::onQuestionOk(const CEGUI::EventArgs&)
{
    CGameContext::Instance().postEvent(eEventNewGame);
    return true;
}

bool CGui::onNameOk(const CEGUI::EventArgs& args)
{
    const CCreateUserWindow* pDialog = static_cast<const CCreateUserWindow*>(
        static_cast<const CDialogEventArgs&>(args).m_pDialog);
    CProfileList* pProfiles = m_pStore->profiles();
    pProfiles->setCurrent(pProfiles->create(pDialog->getName()));
    m_pStore->save();
    updatePlayerName();
    updateContinueButton();
    return true;
}

bool CGui::onNewGame(const CEGUI::EventArgs&)
{
    const CProfile* pProfile = m_pStore->profiles()->current();
    if (pProfile && (pProfile->m_nLevel != -1 || pProfile->m_bInLevel))
        m_pQuestion->show();
    else
        CGameContext::Instance().postEvent(eEventNewGame);
    return true;
}

bool CGui::onContinueGame(const CEGUI::EventArgs&)
{
    CGameContext::Instance().postEvent(eEventContinueGame);
    return true;
}
