// The little show on the rules page: two board items that trade places
// every few seconds and at once trade back, as a player's swap looks, and
// three animated creatures beside the rules they illustrate.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "Game/Items/animationcallback.h"
#include "d3d/d3dx8.h"

class CGameItem;
class CSprite;

class CRulesDemo : public IAnimationCallback {
public:
    static constexpr float SWAP_PERIOD = 5.0f;
    static constexpr float SWAP_SPEED = 150.0f;

    // Without bDraw nothing is drawn and no texture is loaded.
    explicit CRulesDemo(bool bDraw);
    ~CRulesDemo();

    // One frame of fSeconds: the countdown, then the items and creatures.
    void update(float fSeconds);
    // The end of an item's move brings the swap back, once.
    void onEvent(const std::string& strName) override;

    const D3DXVECTOR3& home(int i) const { return m_Homes[size_t(i)]; }
    const CGameItem& item(int i) const { return *m_Items[size_t(i)]; }
    float countdown() const { return m_fCountdown; }

private:
    void swap();

    bool m_bDraw;
    std::array<std::unique_ptr<CGameItem>, 2> m_Items;
    std::array<D3DXVECTOR3, 2> m_Homes;
    std::vector<std::unique_ptr<CSprite>> m_Creatures;
    float m_fCountdown = SWAP_PERIOD;
    bool m_bSwapBackPending = false;
    // Set from inside an item's update, carried out after it.
    bool m_bSwapBackNow = false;
};
