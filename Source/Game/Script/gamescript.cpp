#include "Game/Script/gamescript.h"

#include <cstdlib>

#include "Game/Context/gamecontext.h"
#include "Game/Items/animationmanager.h"
#include "Scripting/vantile_luabind.h"
#include "Scripting/vantile_scriptingmanager.h"

namespace {

// luabind publishes constants as members of a class; these carry no data.
struct UseColorTable {};
struct AnimationTypeTable {};
struct ItemTypeTable {};

void setTypeColorInfo(int nType, const std::string& strColor1, const std::string& strColor2,
                      const std::string& strColor3)
{
    CAnimationManager::Instance().setTypeColorInfo(
        nType, {parseHexColor(strColor1), parseHexColor(strColor2), parseHexColor(strColor3)});
}

void addAniData(int nItemType, int nAnimType, const std::string& strName, const std::string& strTexture,
                int nColor, int nRepeatCount, bool bLimited, bool bBlocking, bool bFitToDuration)
{
    ANIDATA data;
    data.strName = strName;
    data.strTexture = strTexture;
    data.bLimited = bLimited;
    data.nColor = nColor;
    data.nRepeatCount = nRepeatCount;
    data.bBlocking = bBlocking;
    data.bFitToDuration = bFitToDuration;
    Vantile::GuardScriptCall("addAniData",
                             [&] { CAnimationManager::Instance().addAniData(nItemType, nAnimType, data); });
}

// The other parameter names the script may set belong to features this
// game does without; they are accepted so old scripts still run.
void setParam(const std::string& strName, const std::string& strValue)
{
    if (strName == "cellsize")
        CGameContext::Instance().m_nCellSize = atoi(strValue.c_str());
}

void checkAniData()
{
    Vantile::GuardScriptCall("checkAniData", [] { CAnimationManager::Instance().checkAniData(); });
}

luabind::scope constantTables()
{
    using luabind::value;
    return luabind::class_<UseColorTable>("ct").enum_("constants")[
               value("eUseWhiteColor", eUseWhiteColor), value("eUseColor1", eUseColor1),
               value("eUseColor2", eUseColor2), value("eUseColor3", eUseColor3)],
           luabind::class_<AnimationTypeTable>("at").enum_("constants")[
               value("eCursor", eCursor), value("eNormal", eNormal), value("eMoving", eMoving),
               value("eAppearing", eAppearing), value("eClick1", eClick1), value("eClick2", eClick2),
               value("eClick3", eClick3), value("eMatching", eMatching), value("eDeleting", eDeleting),
               value("eDeleting2", eDeleting2), value("ePickUp", ePickUp), value("eGameOver", eGameOver),
               value("eFalling", eFalling), value("eTrunkFall", eTrunkFall), value("eTrunkOpen", eTrunkOpen)],
           luabind::class_<ItemTypeTable>("it").enum_("constants")[
               value("e01", 1), value("e02", 2), value("e03", 3), value("e04", 4), value("e05", 5),
               value("e06", 6), value("e07", 7), value("e08", 8), value("e09", 9), value("e10", 10),
               value("eHorz", eHorz), value("eVert", eVert), value("eVertHorz", eVertHorz),
               value("eTrunk", eTrunk), value("eHeart", eHeart), value("eTimeFreeze", eTimeFreeze)];
}

}  // namespace

void RegisterGameScript()
{
    static bool bRegistered = false;
    if (bRegistered)
        return;
    bRegistered = true;
    luabind::module(Vantile::CScriptingManager::Instance().GetLuaState())[
        luabind::def("checkAniData", &checkAniData),
        luabind::def("setParam", &setParam),
        luabind::def("addAniData", &addAniData),
        luabind::def("setTypeColorInfo", &setTypeColorInfo),
        constantTables()
    ];
}

void RunStartupScript(const std::string& strFileName)
{
    RegisterGameScript();
    Vantile::CScriptingManager::Instance().RunFile(strFileName);
}
