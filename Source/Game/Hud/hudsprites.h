// The HUD's pictures, each with the place it is drawn at while the panels
// are in; the left panel draws them moved by the offset, the right panel
// moved against it. Private to the HUD.
#pragma once

#include <memory>
#include <string>

#include "Game/Sprites/sprite.h"

struct SHudPlace {
    const char* pszTexture;
    int nAnchor;
    D3DXVECTOR3 vBase;
};

class CHudSprites {
public:
    // Left panel.
    static const SHudPlace MENU_FACE;
    static const SHudPlace LEFT_MAST;
    static const SHudPlace LEFT_CHAIN_A;
    static const SHudPlace LEFT_CHAIN_B;
    static const D3DXVECTOR3 PLATE_FROM_CHAIN;
    static const D3DXVECTOR3 FRAME_FROM_END;
    static const D3DXVECTOR3 SHUFFLE_FROM_FRAME;
    static const SHudPlace POWERUP_LIGHT;
    // Right panel.
    static const SHudPlace RIGHT_MAST;
    static const SHudPlace RIGHT_CHAIN_A;
    static const SHudPlace RIGHT_CHAIN_B;
    static const D3DXVECTOR3 LEVEL_PLATE_FROM_END;
    static const SHudPlace SCORE_WINDOW;
    static const D3DXVECTOR3 SCORE_FROM_WINDOW;
    static const SHudPlace TIME_SCALE;
    static const SHudPlace TIME_CHAIN;
    static const D3DXVECTOR3 HEART_FROM_CHAIN;
    static const D3DXVECTOR3 GEAR;
    static const D3DXVECTOR3 SMALL_GEAR;
    static constexpr float SMALL_GEAR_SIZE = 50.0f;

    CHudSprites();

    CSprite menuFace, leftMast, leftChainA, leftChainB, plate, frame, powerupLight;
    CSprite rightMast, rightChainA, rightChainB, levelPlate, scoreWindow, timeScale, scaleFrozen;
    CSprite timeChain, chainFrozen, heart, gear, smallGear;
};

// The idle, full and armed pictures of the chosen power-up.
class CPowerupMarkers {
public:
    static constexpr int COUNT = 5;
    // Centred at this point plus the panel's offset.
    static const D3DXVECTOR3 PLACE;

    // An index outside 0 to 4 makes no markers.
    static bool hasMarkers(int nPowerup) { return nPowerup >= 0 && nPowerup < COUNT; }
    static const char* idleName(int nPowerup);
    static const char* fullName(int nPowerup);
    static const char* armedName(int nPowerup);

    explicit CPowerupMarkers(int nPowerup);
    CSprite idle, full, armed;
};
