#include "Game/Fish/fishworld.h"

#include <algorithm>

#include "Core/vantile_log.h"
#include "Objects/vantile_sceneloader.h"
#include "Scene/vantile_device.h"
#include "Scene/vantile_skinnode.h"
#include "Steering/vantile_steerframehandler.h"

namespace {

// Species scales are given for a fish of this scale swimming at the base
// speeds.
const float BASE_SCALE = 0.2f;
const float HEAD_LINK = 40.0f;
const float HEAD_SPEED = 25.0f;
const float FIRST_LINK = 0.1f;
const float BODY_ANIMATION_SPEED = 2.0f;
const char* const SEGMENTS[] = {"Fish001", "Fish002", "Fish003", "Fish004"};
const DWORD WHITE_FOG = 0xFFFFFFFF;

// Rows 0 to 2 and the translation; the homogeneous corner stays 1 so the
// matrix still maps points to points.
void ScaleMatrix(D3DXMATRIX& m, float fScale)
{
    for (int nRow = 0; nRow < 4; ++nRow)
        for (int nColumn = 0; nColumn < 3; ++nColumn)
            m.m[nRow][nColumn] *= fScale;
}

// Skins find their bones from the top of their tree; the segments are
// about to move out of it onto the chain, so the bones are looked up now.
void ResolveSkins(Vantile::CNode& node, const Vantile::CNode& root)
{
    if (auto* pSkin = dynamic_cast<Vantile::CSkinNode*>(&node))
        pSkin->ResolveBones(root);
    for (size_t i = 0; i < node.GetChildCount(); ++i)
        ResolveSkins(*node.GetChild(i), root);
}

D3DXVECTOR3 Translation(const D3DXMATRIX& m)
{
    return D3DXVECTOR3(m._41, m._42, m._43);
}

}  // namespace

const std::vector<CFishWorld::SSpecies>& CFishWorld::species()
{
    static const std::vector<SSpecies> table = {
        {"emperiorangel.object", 0.20833333f}, {"buterfly.object", 0.20833333f},
        {"moorish.object", 0.20833333f},       {"picasso.object", 0.20833333f},
        {"Surgeon.object", 0.20833333f},       {"Crown_trigger.object", 0.20833333f},
        {"percula.object", 0.16666667f},
    };
    return table;
}

CFishWorld& CFishWorld::Instance()
{
    static CFishWorld world;
    return world;
}

CFishWorld::CFishWorld() = default;

CFishWorld::~CFishWorld()
{
    ClearFish();
}

void CFishWorld::CreateFishSchools(bool bFront, const std::vector<int>& counts)
{
    const std::vector<SSpecies>& table = species();
    if (counts.size() > table.size())
        Vantile::CLog::Instance().Write(Vantile::LOG_ERROR,
                                        Vantile::FormatString("Fish counts for %zu species, only %zu known",
                                                              counts.size(), table.size()));
    for (size_t i = 0; i < std::min(counts.size(), table.size()); ++i)
        CreateSchool(table[i].pszObject, counts[i], bFront, table[i].fScale, false);
}

CFish* CFishWorld::AddFish(bool bFront, float fSize)
{
    CFish* pFish = new CFish(m_ProximityDB, fSize, &m_Food);
    if (m_pSteerHandler)
        m_pSteerHandler->addVehicle(pFish);
    (bFront ? m_FrontFish : m_BackFish).push_back(pFish);
    pFish->setIgnoreFood(bFront);
    return pFish;
}

void CFishWorld::CreateSchool(const std::string& strObject, int nCount, bool bFront, float fScale, bool bFollow)
{
    CFish* pFirst = nullptr;
    for (int i = 0; i < nCount; ++i) {
        CFish* pFish = AddFish(bFront, fScale / BASE_SCALE);
        buildBody(strObject, fScale, *pFish);
        if (bFollow && pFirst)
            pFish->setLeader(pFirst);
        pFirst = pFirst ? pFirst : pFish;
    }
}

// The model hangs under the head; its four segments move onto a chain of
// links trailing the head, so the body bends as the fish turns.
void CFishWorld::buildBody(const std::string& strObject, float fScale, CFish& fish)
{
    const float fSize = fScale / BASE_SCALE;
    auto* pHead = new Vantile::CChainNode("ChainRoot", nullptr, HEAD_LINK, fSize * HEAD_SPEED);
    Vantile::CNode* pBody = Vantile::CSceneLoader::Instance().GetObject(strObject)->GetRoot()->Clone();
    pBody->PlayAnimation(true, true, BODY_ANIMATION_SPEED);
    pHead->AddChild(pBody);
    ResolveSkins(*pBody, *pBody);
    ScaleMatrix(*pBody->GetLocalMatrix(), fScale);
    static_cast<Vantile::CLocalSpace&>(*pHead) = static_cast<const Vantile::CLocalSpace&>(fish);
    fish.setBody(pHead, hangSegments(*pBody, *pHead, fish, fScale, strObject));
}

// Each segment rides the link after the one it sits on in the model, held
// a link's length ahead of it; the last stays with the model.
std::vector<Vantile::CChainNode*> CFishWorld::hangSegments(Vantile::CNode& body, Vantile::CChainNode& head,
                                                           const CFish& fish, float fScale,
                                                           const std::string& strObject) const
{
    std::vector<Vantile::CChainNode*> links;
    Vantile::CNode* pPrevious = nullptr;
    Vantile::CChainNode* pLeader = &head;
    float fLink = FIRST_LINK;
    for (const char* pszSegment : SEGMENTS) {
        Vantile::CNode* pSegment = body.FindChild(pszSegment);
        if (!pSegment) {
            Vantile::CLog::Instance().Write(Vantile::LOG_ERROR, Vantile::FormatString(
                "Fish \"%s\" has no segment \"%s\"", strObject.c_str(), pszSegment));
            break;
        }
        if (pPrevious && pPrevious->GetParent())
            pPrevious->GetParent()->RemoveChild(pPrevious);
        ScaleMatrix(*pSegment->GetLocalMatrix(), fScale);
        if (pPrevious) {
            const D3DXVECTOR3 vGap = Translation(*pSegment->GetLocalMatrix()) - Translation(*pPrevious->GetLocalMatrix());
            fLink = D3DXVec3Length(&vGap);
            pPrevious->GetLocalMatrix()->_41 = fLink;
        }
        auto* pLink = new Vantile::CChainNode("ChainChild", pLeader, fLink, 0.0f);
        static_cast<Vantile::CLocalSpace&>(*pLink) = static_cast<const Vantile::CLocalSpace&>(fish);
        if (m_pRoot)
            m_pRoot->AddChild(pLink);
        pLink->AddChild(pPrevious);
        links.push_back(pLink);
        pLeader = pLink;
        pPrevious = pSegment;
        pSegment->SetAnimationApply(false);
    }
    return links;
}

void CFishWorld::processHeads(const std::vector<CFish*>& fish)
{
    for (CFish* pFish : fish)
        if (pFish->headNode())
            pFish->headNode()->Process(Vantile::PROCESS_ALL);
}

void CFishWorld::ProcessFrontFish()
{
    processHeads(m_FrontFish);
}

// Skinned bodies take the fog colour current while they animate: white
// leaves the back fish unfogged.
void CFishWorld::ProcessBackFish()
{
    IDirect3DDevice8* pDevice = Vantile::SceneDevice();
    if (!pDevice) {
        processHeads(m_BackFish);
        return;
    }
    Vantile::CRenderStateScope fog(pDevice, D3DRS_FOGCOLOR, WHITE_FOG);
    processHeads(m_BackFish);
}

void CFishWorld::MoveBackToFront()
{
    for (CFish* pFish : m_BackFish) {
        pFish->setIgnoreFood(true);
        m_FrontFish.push_back(pFish);
    }
    m_BackFish.clear();
}

void CFishWorld::ClearFish()
{
    if (m_pSteerHandler)
        m_pSteerHandler->clear();
    for (std::vector<CFish*>* pList : {&m_FrontFish, &m_BackFish}) {
        for (CFish* pFish : *pList)
            delete pFish;
        pList->clear();
    }
}

void CFishWorld::RemoveFish(CFish* pFish)
{
    if (m_pSteerHandler)
        m_pSteerHandler->removeVehicle(pFish);
    for (std::vector<CFish*>* pList : {&m_FrontFish, &m_BackFish}) {
        pList->erase(std::remove(pList->begin(), pList->end(), pFish), pList->end());
        for (CFish* pOther : *pList)
            if (pOther->leader() == pFish)
                pOther->setLeader(nullptr);
    }
    delete pFish;
}
