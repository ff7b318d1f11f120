// A number shown by rolling digits: each digit is a strip of the ten
// digits (0 in the bottom row, 9 in the top) seen through a window one row
// high, and it only ever rolls upwards, from 9 over to 0. The HUD's score
// and lives and the after-win dialog's counters use it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Game/Sprites/spritemap.h"
#include "d3d/d3dx8.h"

class CSprite;

class CRollingCounter {
public:
    // One digit's strip and where it stands in it.
    class CDigit {
    public:
        CDigit(const std::string& strTexture, D3DCOLOR dwColor, const D3DXVECTOR3& vPosition);
        CDigit(CDigit&&) noexcept;
        ~CDigit();

        // Rolls the shown value towards the target by fSeconds x 10 rows.
        void update(float fSeconds);
        void setTarget(int nTarget, bool bRoll);
        void reset();
        bool isRolling() const;
        float shown() const { return m_fShown; }
        int target() const { return m_nTarget; }
        void setPosition(const D3DXVECTOR3& vPosition) { m_vPosition = vPosition; }
        const D3DXVECTOR3& position() const { return m_vPosition; }
        // The rows of the strip a shown value lets through: a fractional
        // value shows parts of two neighbouring digits.
        static STextureRect stripRect(float fShown);
        void render();

    private:
        std::string m_strTexture;
        D3DCOLOR m_dwColor;
        D3DXVECTOR3 m_vPosition;
        float m_fShown = 0.0f;
        int m_nTarget = 0;
        // Made on the first draw, so a counter that never draws never
        // touches a device.
        std::unique_ptr<CSprite> m_pSprite;
    };

    // A negative nDigitWidth takes the strip texture's width.
    CRollingCounter(const std::string& strTexture, int nDigits, const D3DXVECTOR3& vPosition, D3DCOLOR dwColor,
                    int nDigitWidth);
    ~CRollingCounter();

    // Shows the value's digits (the last nDigits of them); without bRoll
    // they jump there at once.
    void setValue(int nValue, bool bRoll);
    // Pays nAmount onto the value in payments of nStep, each rolled in
    // once the previous one has settled.
    void addAnimated(int nAmount, int nStep);
    void resetDigits();
    bool isRolling() const;
    void setPosition(const D3DXVECTOR3& vPosition);
    // Pays a pending amount once the digits have settled and rolls them.
    void update(float fSeconds);
    // Draws the digits; with bHideLeadingZeros the ones before the first
    // digit that is not 0 are left out.
    void render(bool bHideLeadingZeros);

    int value() const { return m_nValue; }
    int pending() const { return m_nPending; }
    const std::vector<CDigit>& digits() const { return m_Digits; }

private:
    void payPending();

    std::vector<CDigit> m_Digits;
    int m_nDigitWidth;
    int m_nPending = 0;
    int m_nStep = 0;
    int m_nValue = 0;
};
