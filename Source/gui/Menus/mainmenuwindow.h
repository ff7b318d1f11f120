// The main menu: five image buttons on their backboard, the player line
// with its change-profile button. Buttons fire the window's named events;
// the GUI manager decides what each one opens.
#pragma once

#include <string>

#include "gui/Framework/basewindow.h"

class CSprite;

// A "Velmora/MainMenuButton" showing two "MenuTexts" images, 237 x 52.
CEGUI::Window* createMainMenuButton(float fX, float fY, const std::string& strNormal, const std::string& strHover);

class CMainMenuWindow : public CBaseWindow {
public:
    ~CMainMenuWindow() override;

    void create() override;
    // Tints the fish behind the menu, then shows the window.
    void show() override;
    void render() override;
    // An empty name hides the whole player line.
    void setPlayerName(const std::string& strName);

    CEGUI::Window* getChangeProfileButton() const { return m_pChangeProfile; }
    CEGUI::Window* getNameLabel() const { return m_pName; }

private:
    void addButton(float fX, float fY, const char* pszImage, const CEGUI::String& strEvent);
    void addPlayerLine();

    CEGUI::Window* m_pCaption = nullptr;
    CEGUI::Window* m_pName = nullptr;
    CEGUI::Window* m_pChangeProfile = nullptr;
    CSprite* m_pBackground = nullptr;
};

// New game, continue or back to the main menu.
class CSelectGameWindow : public CBaseWindow {
public:
    ~CSelectGameWindow() override;

    void create() override;
    void render() override;
    void setContinueEnabled(bool bEnabled);
    CEGUI::Window* getContinueButton() const { return m_pContinue; }

private:
    bool onBack(const CEGUI::EventArgs& args);
    bool onKeyUp(const CEGUI::EventArgs& args);

    CEGUI::Window* m_pContinue = nullptr;
    CSprite* m_pBackground = nullptr;
};

// Plays the click and fires the named event of the window.
class CFireOnClick {
public:
    CFireOnClick(CEGUI::EventSet* pTarget, const CEGUI::String& strEvent, bool bClick)
        : m_pTarget(pTarget), m_strEvent(strEvent), m_bClick(bClick)
    {
    }
    bool operator()(const CEGUI::EventArgs& args) const;

private:
    CEGUI::EventSet* m_pTarget;
    CEGUI::String m_strEvent;
    bool m_bClick;
};
