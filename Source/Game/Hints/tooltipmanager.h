// Tooltips next to the board: the first time a special item of a kind is
// on the board a tooltip explains it; after 20 idle seconds one shows a
// possible move with both cells highlighted; a few numbered ones explain
// power-ups and the mini-game. Each shows once; which ones the player has
// seen is kept in the profile as one character per tooltip.
//
// Body by role: tooltipmanager.cpp (entries, their states and the calls
// that show them), tooltipmanager_render.cpp (fading, drawing and clicks).
#pragma once

#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "d3d/d3dx8.h"

class CSprite;
class IHintCell;

class CTooltipManager {
public:
    // The item-type key of an item that takes more than one hit.
    static constexpr int KEY_DOUBLE_ITEM = 17;
    // Numbered hints.
    static constexpr int HINT_MOVE = 0;
    static constexpr int HINT_POWERUP = 1;
    static constexpr int HINT_MINIGAME_START = 2;
    static constexpr int HINT_MINIGAME_SOLVED = 3;
    // Pictures, and their sizes until they have been drawn once.
    static constexpr const char* BACKGROUND = "tooltip_bg.png";
    static constexpr const char* CLOSE_MARKER = "x.png";
    static constexpr const char* CHECK_MARKER = "check.png";
    static const D3DXVECTOR2 BACKGROUND_SIZE;
    static const D3DXVECTOR2 MARKER_SIZE;
    // Fades in and out by this much a second.
    static constexpr float FADE_RATE = 3.0f;

    struct SEntry {
        IHintCell* pFirstCell = nullptr;
        IHintCell* pSecondCell = nullptr;
        // An entry that is not shown is pending: it may still show.
        bool bShown = false;
        // The background's top-left corner.
        D3DXVECTOR3 vPosition = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
        D3DXVECTOR3 vAnchor = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
        float fAlpha = 0.0f;
        int nTextId = 0;
        int nNumber = 0;
        bool bSoundPlayed = false;
    };

    static CTooltipManager& Instance();
    ~CTooltipManager();

    // The entries for a board's 64 cells, row by row; every one pending.
    void create(const std::vector<IHintCell*>& cells);
    void clear();
    // The board's new cells: the entries are made anew with the states
    // and the switch they had.
    void rebuild(const std::vector<IHintCell*>& cells);
    // The board's cells are going: no entry may point at them.
    void forgetCells();

    // One character per entry: "1" while it may still show.
    std::string save() const;
    // Only a "1" keeps a tooltip to come; a shorter text leaves the
    // entries it has no character for seen.
    void load(const std::string& strText);

    bool isShowing() const { return m_pCurrent && !m_pCurrent->bShown; }
    void showForType(int nKey, IHintCell* pCell);
    void showHint(IHintCell* pCell, IHintCell* pOther);
    void showNumbered(int nHint);
    bool isShowingHint(int nHint) const { return isShowing() && m_pCurrent == hint(nHint); }
    // The possible-move hint on screen points at these cells instead.
    void pointMoveHint(IHintCell* pCell, IHintCell* pOther);
    void makePending(int nHint);
    void showMoveHint();
    int pendingMoveHints() const;
    void close();
    // A click: true when it closes the tooltip. A click on the check spot
    // toggles the switch instead.
    bool hitTest(const D3DXVECTOR3& vMouse);
    void update(float fSeconds);
    void render(const D3DXVECTOR3& vMouse);
    void resetTooltips();

    bool isEnabled() const { return m_bEnabled; }
    void setEnabled(bool bEnabled) { m_bEnabled = bEnabled; }
    const SEntry* current() const { return m_pCurrent; }
    size_t fadingCount() const { return m_Fading.size(); }

private:
    CTooltipManager();
    SEntry* add(int nTextId, const D3DXVECTOR3& vPosition);
    SEntry* hint(int nHint) const;
    void placeNextTo(SEntry& entry, const D3DXVECTOR3& vPoint) const;
    void pointAt(SEntry& entry, IHintCell* pCell, IHintCell* pOther);
    static void highlight(const SEntry& entry, bool bOn);
    // tooltipmanager_render.cpp
    void fadeClosed(float fSeconds);
    void drawEntry(const SEntry& entry, const D3DXVECTOR3& vMouse);
    void makeSprites();
    D3DXVECTOR3 closeSpot(const SEntry& entry) const;
    D3DXVECTOR3 checkSpot(const SEntry& entry) const;

    std::vector<std::unique_ptr<SEntry>> m_Entries;
    SEntry* m_pCurrent = nullptr;
    std::list<SEntry*> m_Fading;
    std::map<int, SEntry*> m_ByType;
    std::map<int, SEntry*> m_ByHint;
    std::vector<SEntry*> m_MoveHints;
    bool m_bEnabled = true;
    std::unique_ptr<CSprite> m_pBackground;
    std::unique_ptr<CSprite> m_pClose;
    std::unique_ptr<CSprite> m_pCheck;
    D3DXVECTOR2 m_vBackground = BACKGROUND_SIZE;
    D3DXVECTOR2 m_vClose = MARKER_SIZE;
    D3DXVECTOR2 m_vCheck = MARKER_SIZE;
};
