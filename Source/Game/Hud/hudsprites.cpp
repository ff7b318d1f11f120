#include "Game/Hud/hudsprites.h"

namespace {

D3DXVECTOR3 V(float x, float y)
{
    return D3DXVECTOR3(x, y, 0.0f);
}

// Every HUD picture is drawn during play, after loading: made at once.
void Place(CSprite& sprite, int nAnchor)
{
    sprite.setAnchor(nAnchor);
}

}  // namespace

const SHudPlace CHudSprites::MENU_FACE = {"button_menu.dds", 0, V(-400, 290)};
const SHudPlace CHudSprites::LEFT_MAST = {"machta.dds", 2, V(-400, -300)};
const SHudPlace CHudSprites::LEFT_CHAIN_A = {"chain-1.dds", 4, V(-357, 219)};
const SHudPlace CHudSprites::LEFT_CHAIN_B = {"chain-1.dds", 4, V(-283, 219)};
const D3DXVECTOR3 CHudSprites::PLATE_FROM_CHAIN = V(56, 6);
const D3DXVECTOR3 CHudSprites::FRAME_FROM_END = V(-35, -7);
const D3DXVECTOR3 CHudSprites::SHUFFLE_FROM_FRAME = V(5, -14);
const SHudPlace CHudSprites::POWERUP_LIGHT = {"buttons-deadlight_L.dds", 0, V(-400, -65)};
const SHudPlace CHudSprites::RIGHT_MAST = {"machta_right.dds", 3, V(400, -300)};
const SHudPlace CHudSprites::RIGHT_CHAIN_A = {"chain-3.dds", 4, V(293, 292)};
const SHudPlace CHudSprites::RIGHT_CHAIN_B = {"chain-3.dds", 4, V(348, 292)};
const D3DXVECTOR3 CHudSprites::LEVEL_PLATE_FROM_END = V(100, 10);
const SHudPlace CHudSprites::SCORE_WINDOW = {"window-scores.dds", 1, V(400, 189)};
const D3DXVECTOR3 CHudSprites::SCORE_FROM_WINDOW = V(-120, -40);
const SHudPlace CHudSprites::TIME_SCALE = {"shkala.dds", 1, V(400, 90)};
const SHudPlace CHudSprites::TIME_CHAIN = {"chain-2.dds", 1, V(404, 125)};
const D3DXVECTOR3 CHudSprites::HEART_FROM_CHAIN = V(-97, 170);
const D3DXVECTOR3 CHudSprites::GEAR = V(330, 120);
const D3DXVECTOR3 CHudSprites::SMALL_GEAR = V(252, 150);

CHudSprites::CHudSprites()
    : menuFace(MENU_FACE.pszTexture, CSprite::WHITE, false, true),
      leftMast(LEFT_MAST.pszTexture, CSprite::WHITE, false, true),
      leftChainA(LEFT_CHAIN_A.pszTexture, CSprite::WHITE, false, true),
      leftChainB(LEFT_CHAIN_B.pszTexture, CSprite::WHITE, false, true),
      plate("01.dds", CSprite::WHITE, false, true),
      frame("buttons-bonuses.dds", CSprite::WHITE, false, true),
      powerupLight(POWERUP_LIGHT.pszTexture, CSprite::WHITE, false, true),
      rightMast(RIGHT_MAST.pszTexture, CSprite::WHITE, false, true),
      rightChainA(RIGHT_CHAIN_A.pszTexture, CSprite::WHITE, false, true),
      rightChainB(RIGHT_CHAIN_B.pszTexture, CSprite::WHITE, false, true),
      levelPlate("name_level.dds", CSprite::WHITE, false, true),
      scoreWindow(SCORE_WINDOW.pszTexture, CSprite::WHITE, false, true),
      timeScale(TIME_SCALE.pszTexture, CSprite::WHITE, false, true),
      scaleFrozen("shkala_freez.ifl", CSprite::WHITE, false, true),
      timeChain(TIME_CHAIN.pszTexture, CSprite::WHITE, false, true),
      // Colour 0 under the filtered effect: the overlay's own look is the
      // effect's business.
      chainFrozen("chain_2_freez.ifl", 0, true, true),
      heart("heart_num.ifl", CSprite::WHITE, false, true),
      gear("gear.ifl", CSprite::WHITE, false, true),
      smallGear("gear.ifl", SMALL_GEAR_SIZE, SMALL_GEAR_SIZE)
{
    Place(menuFace, MENU_FACE.nAnchor);
    Place(leftMast, LEFT_MAST.nAnchor);
    Place(frame, 0);
    Place(powerupLight, POWERUP_LIGHT.nAnchor);
    Place(rightMast, RIGHT_MAST.nAnchor);
    Place(levelPlate, 1);
    Place(scoreWindow, SCORE_WINDOW.nAnchor);
    Place(timeScale, TIME_SCALE.nAnchor);
    Place(scaleFrozen, TIME_SCALE.nAnchor);
    Place(timeChain, TIME_CHAIN.nAnchor);
    Place(chainFrozen, TIME_CHAIN.nAnchor);
    // The frozen overlays rest at their start until time is frozen.
    scaleFrozen.setTime(0.0f);
    chainFrozen.setTime(0.0f);
}

const D3DXVECTOR3 CPowerupMarkers::PLACE = V(-345, -129);

namespace {

const char* const IDLE[CPowerupMarkers::COUNT] = {"_seaurchin_0000.dds", "pearl.ifl", "turtle_stay.ifl", "ray.ifl",
                                                  "cara.ifl"};
const char* const FULL[CPowerupMarkers::COUNT] = {"seaurchin_move_0000.ifl", "pearl_full.ifl", "turtle_move.ifl",
                                                  "ray_stay.ifl", "cara_spray_move.ifl"};
const char* const ARMED[CPowerupMarkers::COUNT] = {"seaurchin_move_0000.ifl", "pearl_move.ifl", "turtle_move.ifl",
                                                   "ray_move.ifl", "cara_move.ifl"};

}  // namespace

const char* CPowerupMarkers::idleName(int nPowerup)
{
    return IDLE[nPowerup];
}

const char* CPowerupMarkers::fullName(int nPowerup)
{
    return FULL[nPowerup];
}

const char* CPowerupMarkers::armedName(int nPowerup)
{
    return ARMED[nPowerup];
}

CPowerupMarkers::CPowerupMarkers(int nPowerup)
    : idle(idleName(nPowerup), CSprite::WHITE, false, true),
      full(fullName(nPowerup), CSprite::WHITE, false, true),
      armed(armedName(nPowerup), CSprite::WHITE, false, true)
{
}
