// An item on the board: its type, its animated look and its lives. Layer
// ends turn into the item's next state and go on to the listener (the
// cell, the board or a screen that shows items).
#pragma once

#include <memory>
#include <string>

#include "Game/Items/animationcallback.h"
#include "Game/Items/itemanimator.h"

class CAnimationLayer;
class CGameCell;
class ILayerVisual;

class CGameItem final : public IAnimationCallback {
public:
    explicit CGameItem(int nType);
    ~CGameItem();

    int getType() const { return m_nType; }
    int getState() const { return m_Animator.state(); }
    // From and to are offsets from the cell, the delay in milliseconds.
    void setState(int nState, const D3DXVECTOR3& vFrom = D3DXVECTOR3(0.0f, 0.0f, 0.0f),
                  const D3DXVECTOR3& vTo = D3DXVECTOR3(0.0f, 0.0f, 0.0f), float fDelay = 0.0f,
                  float fSpeed = 100.0f);

    // Once per frame, with the frame timer's time.
    void update(const D3DXVECTOR3& vCell);
    void render(const D3DXVECTOR3& vCell);

    // A double item loses a life and shows it; returns the lives left. The
    // board removes the item when this gives 0.
    int hit();
    int getHits() const { return m_nHits; }
    void setHits(int nHits) { m_nHits = nHits; }

    bool isLayerActive(const std::string& strName) const { return m_Animator.isLayerActive(strName); }
    bool isIdle() const { return m_Animator.isIdle(); }
    D3DXVECTOR3 position() const { return m_Animator.position(); }

    void setListener(IAnimationCallback* pListener) { m_pListener = pListener; }
    IAnimationCallback* getListener() const { return m_pListener; }
    void setCell(CGameCell* pCell) { m_pCell = pCell; }
    CGameCell* getCell() const { return m_pCell; }
    // Set while the player's own swap moved the item.
    void setPlayerMark(bool bMark) { m_bPlayerMark = bMark; }
    bool hasPlayerMark() const { return m_bPlayerMark; }

    void onEvent(const std::string& strName) override;

    // A short sideways head-shake of the drawn item (a refused swap); the
    // item's position and paths are untouched.
    void shake() { m_fShakeMs = SHAKE_MS; }
    float shakeOffset() const;

private:
    static constexpr float SHAKE_MS = 400.0f;

    void updateOverlay(float fDt);

    int m_nType;
    CItemAnimator m_Animator;
    // The one-shot look of a lost life, or none.
    std::unique_ptr<CAnimationLayer> m_pOverlay;
    IAnimationCallback* m_pListener = nullptr;
    bool m_bPlayerMark = false;
    int m_nHits = 1;
    // Shown over a double item while it has more than one life.
    std::shared_ptr<ILayerVisual> m_pMarker;
    CGameCell* m_pCell = nullptr;
    float m_fShakeMs = 0.0f;
};
