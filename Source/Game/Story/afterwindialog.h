// The dialog after a won level: five rolling counters on a treasure chest
// count up the level score, the combo bonus, the time bonus, the level's
// total and the new total one after another, while board items rain down
// into the chest and the treasure pile rises with the levels won.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Game/Items/animationcallback.h"
#include "d3d/d3dx8.h"

class CGameItem;
class CRollingCounter;
class CSprite;

class CAfterWinDialog : public IAnimationCallback {
public:
    static constexpr int COUNTERS = 5;
    static constexpr int MAX_LEVEL = 50;
    static constexpr int ITEMS_PER_SHOWING = 140;

    // The falling items: at most one made a frame, every ITEM_PERIOD
    // seconds, until the showing's items are made.
    class CItemsGenerator {
    public:
        static constexpr float ITEM_PERIOD = 0.05f;

        // A falling item and whether it is still on its way down.
        class CALLBACKITEM : public IAnimationCallback {
        public:
            CALLBACKITEM(IAnimationCallback* pOwner, std::unique_ptr<CGameItem> pItem);
            ~CALLBACKITEM();
            void onEvent(const std::string& strName) override;

            IAnimationCallback* m_pOwner;
            std::unique_ptr<CGameItem> m_pItem;
            bool m_bActive = true;
        };

        // nextType gives the kind of each new item.
        CItemsGenerator(IAnimationCallback* pOwner, std::function<int()> nextType);
        ~CItemsGenerator();

        void start(int nItems);
        void step(float fSeconds, bool bDraw);
        int itemsLeft() const { return m_nItemsLeft; }
        size_t falling() const { return m_Items.size(); }

    private:
        void makeItem();

        int m_nItemsLeft = 0;
        float m_fElapsed = 0.0f;
        IAnimationCallback* m_pOwner;
        std::function<int()> m_NextType;
        std::vector<std::unique_ptr<CALLBACKITEM>> m_Items;
    };

    // Without bDraw nothing is drawn and no texture is loaded; the counts
    // and the items run all the same.
    CAfterWinDialog(std::function<int()> nextType, bool bDraw);
    ~CAfterWinDialog();

    void show(int nTotal, int nLevelScore, int nComboBonus, int nTimeBonus);
    void update(float fSeconds);
    void onEvent(const std::string&) override {}

    int level() const { return m_nLevel; }
    void setLevel(int nLevel) { m_nLevel = nLevel; }
    // Where the treasure pile stands now: higher for later levels, and
    // rising by one level's step while the new total counts in.
    float treasureHeight() const;
    const CRollingCounter& counter(int i) const { return *m_Counters[size_t(i)]; }
    const CItemsGenerator& generator() const { return m_Generator; }
    // The value counter i's digits show at the moment.
    static int shownValue(const CRollingCounter& counter);

private:
    void runCounters(float fSeconds);

    bool m_bDraw;
    std::unique_ptr<CSprite> m_pBackground;
    std::unique_ptr<CSprite> m_pPanel;
    std::unique_ptr<CSprite> m_pTreasure;
    std::array<std::unique_ptr<CRollingCounter>, COUNTERS> m_Counters;
    CItemsGenerator m_Generator;
    int m_nLevel = 20;
    // The total before the level and the level's own total: the pile
    // rises one level's step while counter 5 passes from one to the other.
    int m_nRiseBase = 0;
    int m_nRiseSpan = 0;
};
