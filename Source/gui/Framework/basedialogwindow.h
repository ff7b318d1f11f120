// A dialog: a window with OK and Cancel image buttons, Enter and Escape as
// their keys, and a painted background. Closing fires "OnOk" or "OnCancel"
// and then "OnClosing", each with the dialog in its arguments.
#pragma once

#include <CEGUI/EventArgs.h>

#include "gui/Framework/basewindow.h"

class CSprite;

class CBaseDialogWindow : public CBaseWindow {
public:
    enum class Result { Ok, Cancel };

    CBaseDialogWindow() = default;
    ~CBaseDialogWindow() override;

    // The base container, then the OK and Cancel buttons at (0, 0) until
    // the subclass places them, their clicks, "OnOk" and "OnCancel", and
    // the container's key-up.
    void create() override;
    // Draws the background, if the subclass made one.
    void render() override;

    // Plays the click and closes, unless validate() refuses. While the
    // dialog's close is already on its way, repeated presses do nothing.
    virtual bool onOk(const CEGUI::EventArgs& args);
    virtual bool onCancel(const CEGUI::EventArgs& args);
    // Escape is Cancel, Enter is OK.
    virtual bool onKeyUp(const CEGUI::EventArgs& args);
    // Shows its own message when it refuses.
    virtual bool validate() { return true; }

    // OK closes only with m_bCloseOnOk; Cancel always closes. The close
    // itself waits for the screen fade, so the events fire first.
    void close(Result result);

    CEGUI::Window* getOkButton() const { return m_pOk; }
    CEGUI::Window* getCancelButton() const { return m_pCancel; }
    void setCloseOnOk(bool bCloseOnOk) { m_bCloseOnOk = bCloseOnOk; }

protected:
    CEGUI::Window* m_pOk = nullptr;
    CEGUI::Window* m_pCancel = nullptr;
    CSprite* m_pBackground = nullptr;
    bool m_bCloseOnOk = true;
};

// The arguments of a dialog's events: handlers read the dialog from them.
class CDialogEventArgs : public CEGUI::EventArgs {
public:
    explicit CDialogEventArgs(CBaseDialogWindow* pDialog) : m_pDialog(pDialog) {}

    CBaseDialogWindow* m_pDialog;
};
