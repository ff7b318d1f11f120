// A HUD button that charges up: a bar fills behind it, and only a full
// bar lets the player press it. The shuffle button fills sideways with
// play time, the power-up button upwards with power items.
#pragma once

#include <memory>
#include <string>

#include "Game/Sprites/spritemap.h"
#include "d3d/d3dx8.h"

class CSimpleAnimation;
class CSprite;

// The GUI window that takes the button's clicks; the HUD's window layer
// gives it, and a HUD without windows (tests, tools) has none.
class IChargeButtonWindow {
public:
    virtual ~IChargeButtonWindow() = default;
    // The window's top-left pixel.
    virtual void setPixelPosition(float fX, float fY) = 0;
    virtual void setEnabled(bool bEnabled) = 0;
    virtual bool isPushed() const = 0;
    virtual bool isHovered() const = 0;
};

class CChargeButton {
public:
    struct SLook {
        const char* pszIdle;
        const char* pszFill;
        const char* pszHover;
        const char* pszPushed;
        const char* pszFullAnimation;
        bool bHorizontal;
        D3DXVECTOR2 vAnimationOffset;
        // The sideways fill is cut against this width, not the button's.
        float fFillSpan;
    };
    static const SLook SHUFFLE;
    static const SLook POWERUP;

    explicit CChargeButton(const SLook& look);
    ~CChargeButton();

    void setWindow(std::unique_ptr<IChargeButtonWindow> pWindow);
    void setPosition(const D3DXVECTOR3& vPosition);
    const D3DXVECTOR3& position() const { return m_vPosition; }
    // Returns true when this made the charge full.
    bool addCharge(float fAmount);
    void resetCharge() { m_fCharge = 0.0f; }
    float charge() const { return m_fCharge; }
    bool isFull() const { return m_fCharge == 1.0f; }
    void setEnabled(bool bEnabled) { m_bEnabled = bEnabled; }
    bool isEnabled() const { return m_bEnabled; }
    // The player may press it: full and enabled.
    bool isClickable() const { return isFull() && m_bEnabled; }
    // The window takes clicks only while the button is clickable.
    void update();
    // While the HUD is inactive the button takes no clicks at all.
    void disableWindow();
    void render();
    // The one-shot played when the bar became full; deleted once played.
    void renderFullAnimation();
    bool isAnimationRunning() const { return m_pAnimation != nullptr || m_bAnimationDue; }

    // The fill's rectangle of texture and size on screen for a charge.
    static void fillCut(const SLook& look, float fCharge, float fTextureWidth, float fTextureHeight,
                        STextureRect& rect, float& fWidth, float& fHeight);

private:
    void makeSprites();
    D3DXVECTOR3 animationPosition() const;

    const SLook& m_Look;
    std::unique_ptr<CSprite> m_pIdle;
    std::unique_ptr<CSprite> m_pFill;
    std::unique_ptr<CSprite> m_pHover;
    std::unique_ptr<CSprite> m_pPushed;
    float m_fCharge = 0.0f;
    bool m_bEnabled = true;
    D3DXVECTOR3 m_vPosition = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    std::unique_ptr<IChargeButtonWindow> m_pWindow;
    std::unique_ptr<CSimpleAnimation> m_pAnimation;
    // The animation is made on the next draw, so charging never needs a
    // device.
    bool m_bAnimationDue = false;
};
