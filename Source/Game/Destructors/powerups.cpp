#include "Game/Destructors/powerups.h"

std::unique_ptr<CBaseCellDestructor> MakePowerup(const CGameField&, int, CellRef)
{
    return nullptr;
}

const char* PowerupSound(int nPowerup)
{
    static const char* const SOUNDS[] = {"use_seaurchin.ogg", "use_mussel.ogg", "use_turtle.ogg", "use_scat.ogg",
                                         "use_cara.ogg"};
    return nPowerup >= 0 && nPowerup < 5 ? SOUNDS[nPowerup] : "";
}
