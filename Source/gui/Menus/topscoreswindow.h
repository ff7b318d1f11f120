// The high-score table: every player by score, highest first.
#pragma once

#include "gui/Framework/basedialogwindow.h"

namespace CEGUI {
class MultiColumnList;
}
class CProfilesStore;

class CTopScoresWindow : public CBaseDialogWindow {
public:
    void create() override;
    void show() override;

    void setStore(CProfilesStore* pStore) { m_pStore = pStore; }
    CEGUI::MultiColumnList* getList() const { return m_pList; }

private:
    void fillList();

    CEGUI::MultiColumnList* m_pList = nullptr;
    CProfilesStore* m_pStore = nullptr;
};
