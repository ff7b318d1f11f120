// The partner's logo, shown centred for three seconds before the game
// loads. Only made when the partner's picture ships with the game.
#pragma once

#include <memory>

class CSprite;

class CPreSplash {
public:
    static constexpr const char* LOGO = "partner_logo.png";
    static constexpr float SECONDS = 3.0f;

    // Without bDraw the countdown runs and nothing is drawn.
    explicit CPreSplash(bool bDraw);
    ~CPreSplash();

    // Posts the logo-done event in the frame the countdown runs out.
    void update(float fSeconds);
    void render();
    bool isDone() const { return m_bDone; }

    // Whether the partner's picture can be opened.
    static bool isShipped();

private:
    std::unique_ptr<CSprite> m_pLogo;
    float m_fRemaining = SECONDS;
    bool m_bDone = false;
};
