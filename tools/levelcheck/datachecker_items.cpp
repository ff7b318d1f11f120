// The item data of "init.lua" that the board relies on for every type a
// level can put on it: colours, and for each state the board enters a
// layer with the name it waits for, ending when the board needs it to end
// and never when a path or the player must end it.
#include "Core/vantile_exception.h"
#include "Game/Items/animationmanager.h"
#include "Resources/vantile_ifl.h"
#include "Resources/vantile_resource.h"
#include "Resources/vantile_resourcemanager.h"
#include "levelcheck/datachecker.h"

namespace {

const char* const SCRIPT_FILE = "init.lua";
// The normal look is switched off when the "delete" layer shows its
// eleventh frame.
const size_t DELETE_MIN_FRAMES = 11;

bool endless(const ANIDATA& data)
{
    return !data.bLimited || data.nRepeatCount >= ENDLESS_REPEAT;
}

std::string typeText(int nType)
{
    return "type " + codeText(codeFromItemType(nType));
}

}  // namespace

void CDataSetChecker::checkItemType(int nType)
{
    if (nType == eNoItem)
        return;
    try {
        CAnimationManager::Instance().getTypeColorInfo(nType);
    } catch (const Vantile::Exception&) {
        fail(SCRIPT_FILE, typeText(nType) + " is used by a level but has no colour info");
    }
    if (nType == eTrunk) {
        checkLayers(nType, eNormal, nullptr, false);
        checkLayers(nType, eFalling, "falling", false);
        checkLayers(nType, eTrunkFall, "trunk_fall", true);
        checkLayers(nType, eTrunkOpen, "trunk_open", true);
        return;
    }
    checkLayers(nType, eCursor, nullptr, false);
    checkLayers(nType, eNormal, nullptr, false);
    checkLayers(nType, eMoving, "move", false);
    checkLayers(nType, eDeleting, "delete", true);
    checkLayers(nType, eDeleting2, "delete2", true);
    checkLayers(nType, eFalling, "falling", false);
}

// Without szName the state is a resting look: it must neither end nor
// block, or the item is never idle and the board waits for ever.
void CDataSetChecker::checkLayers(int nType, int nState, const char* szName, bool bMustEnd)
{
    const std::string strWhere = typeText(nType) + " state " + std::to_string(nState);
    const CAnimationManager::AniDataList& layers = CAnimationManager::Instance().getAniData(nType, nState);
    if (layers.empty()) {
        fail(SCRIPT_FILE, strWhere + " has no animation layer, but the board enters it");
        return;
    }
    bool bNamed = false;
    for (const ANIDATA& data : layers) {
        const bool bRequired = szName && data.strName == szName;
        bNamed = bNamed || bRequired;
        if (!szName && (!endless(data) || data.bBlocking))
            fail(SCRIPT_FILE, strWhere + " layer \"" + data.strName + "\" must be endless and not blocking");
        if (bRequired && bMustEnd != !endless(data))
            fail(SCRIPT_FILE, strWhere + " layer \"" + data.strName + "\" must " +
                                  (bMustEnd ? "be limited to a finite repeat count" : "be endless, its path ends it"));
        if (bRequired && bMustEnd && data.nRepeatCount <= 0)
            fail(SCRIPT_FILE, strWhere + " layer \"" + data.strName + "\" must play at least once");
        checkTexture(nType, data.strName, data.strTexture, bRequired && nState == eDeleting ? DELETE_MIN_FRAMES : 1);
    }
    if (szName && !bNamed)
        fail(SCRIPT_FILE, strWhere + " needs a layer named \"" + szName + "\"");
}

void CDataSetChecker::checkTexture(int nType, const std::string& strLayer, const std::string& strTexture,
                                   size_t nMinFrames)
{
    if (!m_CheckedTextures.insert(strTexture + "#" + std::to_string(nMinFrames)).second)
        return;
    const std::string strWhere = typeText(nType) + " layer \"" + strLayer + "\" texture " + strTexture;
    if (!fileExists(strTexture)) {
        fail(SCRIPT_FILE, strWhere + " is missing");
        return;
    }
    size_t nFrames = 1;
    if (Vantile::IsIflName(strTexture)) {
        Vantile::CResource list(strTexture);
        list.Load();
        const Vantile::IflList ifl = Vantile::ParseIfl(reinterpret_cast<const char*>(list.GetData()), list.GetSize());
        for (const std::string& strFrame : ifl.frames)
            if (!fileExists(strFrame))
                fail(SCRIPT_FILE, strWhere + " lists the missing frame " + strFrame);
        nFrames = ifl.frames.size();
    }
    if (nFrames < nMinFrames)
        fail(SCRIPT_FILE, strWhere + " has " + std::to_string(nFrames) + " frames, the board needs " +
                              std::to_string(nMinFrames));
}

bool CDataSetChecker::fileExists(const std::string& strName) const
{
    Vantile::CVFSFile file;
    return Vantile::CResourceManager::Instance().GetVFS().GetFile(0, strName, file) >= 0;
}
