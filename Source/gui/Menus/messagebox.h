// The general message box: a text with OK/Cancel, Yes/No or OK alone.
// In the Yes/No form Enter answers Yes and Escape No; in the OK-only form
// Escape does nothing, so a complaint is always read.
#pragma once

#include "gui/Framework/basedialogwindow.h"

class CMessageBox : public CBaseDialogWindow {
public:
    enum Form { OK_CANCEL = 0, YES_NO = 1, OK_ONLY = 2 };

    void create() override;
    void setText(const CEGUI::String& strText);
    void setForm(Form nForm);
    Form getForm() const { return m_nForm; }
    CEGUI::Window* getTextField() const { return m_pText; }
    CEGUI::Window* getYesButton() const { return m_pYes; }
    CEGUI::Window* getNoButton() const { return m_pNo; }

    bool onOk(const CEGUI::EventArgs& args) override;
    bool onCancel(const CEGUI::EventArgs& args) override;
    bool onYes(const CEGUI::EventArgs& args);
    bool onNo(const CEGUI::EventArgs& args);

private:
    void fireAndClose(const CEGUI::String& strEvent);

    CEGUI::Window* m_pText = nullptr;
    CEGUI::Window* m_pYes = nullptr;
    CEGUI::Window* m_pNo = nullptr;
    Form m_nForm = OK_CANCEL;
};
