// The story screen: comic pages over a backdrop, the first shown at once
// and every later one revealed by a click. Group boundaries make the
// pages of a finished page spread fade out as the next spread begins.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Game/Story/comicsbuttons.h"
#include "d3d/d3dx8.h"

class CSprite;
struct SStorySet;

class CComicsScreen {
public:
    static constexpr const char* BACKGROUND = "hisotry-backgr_text.jpg";

    // Without bDraw (no device) the pages keep their state and draw
    // nothing; without buttons nothing can be skipped.
    CComicsScreen(std::unique_ptr<IComicsButtons> pButtons, bool bDraw);
    ~CComicsScreen();
    CComicsScreen(const CComicsScreen&) = delete;
    CComicsScreen& operator=(const CComicsScreen&) = delete;

    // vPosition is the page picture's top-left corner.
    void addPage(const std::string& strImage, const D3DXVECTOR3& vPosition, int nKey);
    void addGroupBoundary(int nPages);
    void addSet(const SStorySet& set);

    // False when the story is over: every page was already out, or the
    // click was on the skip button.
    bool revealNext();
    // Fades the pages and draws the screen.
    void update(float fSeconds);
    // Layout aid: digits 1 to 5 pick a page, the arrows move it a unit.
    void onKey(int nVirtualKey);

    size_t pageCount() const { return m_Pages.size(); }
    bool isVisible(size_t nPage) const { return m_Pages[nPage].bVisible; }
    bool isFadingIn(size_t nPage) const { return m_Pages[nPage].bFadingIn; }
    float alpha(size_t nPage) const { return m_Pages[nPage].fAlpha; }
    const D3DXVECTOR3& position(size_t nPage) const { return m_Pages[nPage].vPosition; }
    // The pages in the order they are drawn, as reveal indices.
    std::vector<size_t> drawingOrder() const;

private:
    struct SPage {
        std::string strImage;
        D3DXVECTOR3 vPosition;
        bool bFadingIn = true;
        bool bVisible = false;
        float fAlpha = 0.0f;
        std::unique_ptr<CSprite> pSprite;
    };

    void fadeOutFinishedGroups();
    void drawPage(SPage& page, float fSeconds);

    std::unique_ptr<IComicsButtons> m_pButtons;
    bool m_bDraw;
    std::vector<SPage> m_Pages;
    std::multimap<int, size_t> m_Order;
    std::vector<int> m_Boundaries;
    std::unique_ptr<CSprite> m_pBackground;
    int m_nSelected = -1;
};
