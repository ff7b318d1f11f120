// The rules page and, behind its second button, the credits page: full
// pages of the game's art with a button or two written on them. The rules
// page plays its little show while it is on top.
#pragma once

#include <memory>

#include "gui/Framework/basedialogwindow.h"

class CCreditsWindow : public CBaseDialogWindow {
public:
    void create() override;
    CEGUI::Window* getCloseButton() const { return m_pClose; }

private:
    bool onClose(const CEGUI::EventArgs& args);

    CEGUI::Window* m_pClose = nullptr;
};

class CRulesDemo;

class CRulesWindow : public CBaseDialogWindow {
public:
    CRulesWindow();
    ~CRulesWindow() override;

    void create() override;
    // The page, and over it the show, made on the first call.
    void render() override;
    CEGUI::Window* getCloseButton() const { return m_pClose; }
    CEGUI::Window* getCreditsButton() const { return m_pCredits; }
    CCreditsWindow* getCreditsPage() const { return m_pCreditsPage.get(); }

private:
    bool onClose(const CEGUI::EventArgs& args);
    bool onCredits(const CEGUI::EventArgs& args);

    CEGUI::Window* m_pClose = nullptr;
    CEGUI::Window* m_pCredits = nullptr;
    std::unique_ptr<CCreditsWindow> m_pCreditsPage;
    std::unique_ptr<CRulesDemo> m_pDemo;
};
