// One square of the board: its place, its background, the item it holds
// and the item it is removing.
#pragma once

#include <memory>
#include <string>

#include "Game/Board/cellbackground.h"
#include "Game/Hints/hintcell.h"
#include "Game/Items/animationcallback.h"
#include "d3d/d3dx8.h"

class CBoardAnimation;
class CGameItem;

class CGameCell final : public IAnimationCallback, public IHintCell {
public:
    CGameCell(const D3DXVECTOR3& vPos, int nColumn, int nRow);
    ~CGameCell();

    const D3DXVECTOR3& position() const override { return m_vPos; }
    int column() const { return m_nColumn; }
    int row() const { return m_nRow; }
    bool exists() const { return m_bExists; }
    void setExists(bool bExists) { m_bExists = bExists; }
    bool isCleared() const { return m_bCleared; }

    CGameItem* item() const { return m_pItem; }
    // Takes the item, deleting the one held before.
    void setItem(CGameItem* pItem);
    // Gives the item up without deleting it.
    CGameItem* takeItem();
    CGameItem* itemToDelete() const { return m_pItemToDelete; }
    bool isDeleting() const { return m_bDeleting; }
    // Moves the item into its removal look; the look's end deletes it.
    void startRemoval(int nState);
    // Deletes both items and forgets a pending removal (a new level).
    void clearItems();
    // Back to the uncleared picture tile (a new level).
    void resetBackground();
    // The first clear of the background plays the disintegration.
    void clearBackground();

    // The hint highlight and marker the tooltips switch, and the level
    // picture the uncleared tile is cut from.
    CCellBackground& background() { return m_Background; }
    const CCellBackground& background() const { return m_Background; }
    // The possible-move glow under the item and the blinking marker.
    void setHintHighlight(bool bOn) override;

    bool isIdle() const;
    void setCallback(IAnimationCallback* pCallback) { m_pCallback = pCallback; }

    void update();
    void renderBackground();
    void renderItems();

    void onEvent(const std::string& strName) override;

private:
    void deleteRemovedItem();

    D3DXVECTOR3 m_vPos;
    int m_nColumn;
    int m_nRow;
    CGameItem* m_pItem = nullptr;
    CGameItem* m_pItemToDelete = nullptr;
    bool m_bDeleting = false;
    // The removed item's look has ended; it is deleted once its own update
    // has returned, never from inside it.
    bool m_bDeleteDue = false;
    bool m_bExists = true;
    bool m_bCleared = false;
    CCellBackground m_Background;
    std::unique_ptr<CBoardAnimation> m_pDisintegrate;
    IAnimationCallback* m_pCallback = nullptr;
};
