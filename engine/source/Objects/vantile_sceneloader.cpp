#include "Objects/vantile_sceneloader.h"

#include <tinyxml.h>

#include <climits>
#include <memory>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Core/vantile_number.h"
#include "Core/vantile_xml.h"
#include "Resources/vantile_resource.h"
#include "Scene/vantile_camera.h"
#include "Scene/vantile_light.h"
#include "Scene/vantile_nodeanimator.h"
#include "Scene/vantile_particleemitter.h"
#include "Scene/vantile_skinnode.h"

namespace Vantile {

namespace {

// TinyXML's own recursion bounds how deep a document can be; this keeps our
// walk well inside the stack as well.
const int MAX_SCENE_DEPTH = 256;

// Coordinates, sizes, speeds and colours of a scene all lie well inside
// this; a larger number is a damaged file, not a far-away node.
const float MAX_SCENE_NUMBER = 1.0e6f;

[[noreturn]] void RefuseNumber(const TiXmlElement& element, const char* pszName, const char* pszText)
{
    VANTILE_EXCEPT(0, FormatString("Scene attribute [%s] of <%s> is not a number in range: [%s]", pszName,
                                   element.Value(), pszText),
                   "CSceneLoader::ReadSceneNode");
}

// An absent attribute keeps the default; a present one must be a whole
// decimal number within the scene's range.
float ReadFloat(const TiXmlElement& element, const char* pszName, float fDefault)
{
    const char* pszText = element.Attribute(pszName);
    float fValue = fDefault;
    if (pszText && !ParseFloat(pszText, -MAX_SCENE_NUMBER, MAX_SCENE_NUMBER, fValue))
        RefuseNumber(element, pszName, pszText);
    return fValue;
}

int ReadInt(const TiXmlElement& element, const char* pszName, int nDefault)
{
    const char* pszText = element.Attribute(pszName);
    int nValue = nDefault;
    if (pszText && !ParseInteger(pszText, INT_MIN, INT_MAX, nValue))
        RefuseNumber(element, pszName, pszText);
    return nValue;
}

// Missing elements fall back to the identity's.
D3DXMATRIX ReadMatrix(const TiXmlElement& element)
{
    D3DXMATRIX m = IdentityMatrix();
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const char szName[4] = {'_', char('1' + r), char('1' + c), '\0'};
            m.m[r][c] = ReadFloat(element, szName, m.m[r][c]);
        }
    }
    return m;
}

std::vector<std::string> SplitAtCommas(const char* pszList)
{
    std::vector<std::string> pieces;
    if (!pszList)
        return pieces;
    const std::string strList(pszList);
    size_t nStart = 0;
    for (size_t nComma; (nComma = strList.find(',', nStart)) != std::string::npos; nStart = nComma + 1)
        pieces.push_back(strList.substr(nStart, nComma - nStart));
    pieces.push_back(strList.substr(nStart));
    return pieces;
}

std::unique_ptr<CNode> MakeEmitter(const TiXmlElement& emitter, const std::string& strName, const D3DXMATRIX& mLocal)
{
    auto pEmitter = std::make_unique<CParticleEmitter>(strName, mLocal);
    pEmitter->m_fTTL = ReadFloat(emitter, "TTL", pEmitter->m_fTTL);
    pEmitter->m_fGenSpeed = ReadFloat(emitter, "GenSpeed", pEmitter->m_fGenSpeed);
    pEmitter->m_fVelocity = ReadFloat(emitter, "Velocity", pEmitter->m_fVelocity);
    pEmitter->m_fAVelocity = ReadFloat(emitter, "AVelocity", pEmitter->m_fAVelocity);
    pEmitter->m_fStartPhase = ReadFloat(emitter, "Phase", pEmitter->m_fStartPhase);
    pEmitter->m_fWidth = ReadFloat(emitter, "width", pEmitter->m_fWidth);
    pEmitter->m_fHeight = ReadFloat(emitter, "height", pEmitter->m_fHeight);
    pEmitter->m_Objects = SplitAtCommas(emitter.Attribute("Objects"));
    return pEmitter;
}

std::unique_ptr<CNode> MakeLight(const TiXmlElement& light, const std::string& strName, const D3DXMATRIX& mLocal)
{
    auto pLight = std::make_unique<CLight>(strName, mLocal);
    pLight->SetColor(ReadFloat(light, "color_r", 1.0f), ReadFloat(light, "color_g", 1.0f), ReadFloat(light, "color_b", 1.0f));
    pLight->SetShape(ReadInt(light, "type", 0), ReadFloat(light, "tdist", 0.0f), ReadFloat(light, "hotspot", 0.0f),
                     ReadFloat(light, "fallsize", 0.0f));
    return pLight;
}

// The node's type comes from its first "camera" or "emitter"; a "light"
// counts only until one of those follows.
std::unique_ptr<CNode> MakeTypedNode(const TiXmlElement& element, const std::string& strName,
                                     const D3DXMATRIX& mLocal)
{
    std::unique_ptr<CNode> pNode;
    for (const TiXmlElement* p = element.FirstChildElement(); p; p = p->NextSiblingElement()) {
        const std::string strType = p->ValueStr();
        if (strType == "camera")
            return std::make_unique<CCamera>(strName, mLocal, 43.0f, 1.0f, 20000.0f);
        if (strType == "emitter")
            return MakeEmitter(*p, strName, mLocal);
        if (strType == "light")
            pNode = MakeLight(*p, strName, mLocal);
    }
    return pNode ? std::move(pNode) : std::make_unique<CNode>(strName, mLocal);
}

void ResolveSkins(CNode& node, const CNode& root)
{
    if (CSkinNode* pSkin = dynamic_cast<CSkinNode*>(&node))
        pSkin->ResolveBones(root);
    for (size_t i = 0; i < node.GetChildCount(); ++i)
        ResolveSkins(*node.GetChild(i), root);
}

}  // namespace

CSceneLoader& CSceneLoader::Instance()
{
    static CSceneLoader s_Instance;
    return s_Instance;
}

CObject* CSceneLoader::GetObject(const std::string& strFileName)
{
    const auto it = m_Objects.find(strFileName);
    if (it != m_Objects.end())
        return it->second.get();
    std::unique_ptr<CObject> pObject(new CObject(strFileName));
    CObject* pResult = pObject.get();
    m_Objects[strFileName] = std::move(pObject);
    return pResult;
}

CNode* CSceneLoader::LoadScene(const std::string& strFileName)
{
    CResource file(strFileName);
    file.Load();
    const std::string strText(reinterpret_cast<const char*>(file.GetData()), file.GetSize());
    file.Unload();
    return LoadSceneFromText(strText, strFileName);
}

CNode* CSceneLoader::LoadSceneFromText(const std::string& strText, const std::string& strName)
{
    TiXmlDocument document;
    std::string strReason = ParseXml(strText, document);
    const TiXmlElement* pRoot = document.RootElement();
    const TiXmlNode* pFirst = pRoot && strReason.empty() ? pRoot->FirstChild() : nullptr;
    if (strReason.empty() && (!pFirst || !pFirst->ToElement()))
        strReason = "no scene node first in the root";
    if (!strReason.empty()) {
        CLog::Instance().Write(LOG_ERROR, FormatString("Failed to load scene file [%s]: %s", strName.c_str(),
                                                       strReason.c_str()));
        return nullptr;
    }
    CNode* pScene = ReadSceneNode(*pFirst->ToElement(), 0);
    ResolveSkins(*pScene, *pScene);
    return pScene;
}

CNode* CSceneLoader::ReadSceneNode(const TiXmlElement& element, int nDepth)
{
    if (nDepth > MAX_SCENE_DEPTH)
        VANTILE_EXCEPT(0, "Scene nodes nested too deeply", "CSceneLoader::ReadSceneNode");
    const char* pszName = element.Attribute("name");
    std::unique_ptr<CNode> pNode = MakeTypedNode(element, pszName ? pszName : "", ReadMatrix(element));
    if (element.Attribute("cameras")) {
        for (const std::string& strGroup : SplitAtCommas(element.Attribute("cameras")))
            pNode->AddGroup(strGroup);
    }
    AttachChildren(element, *pNode, nDepth);
    return pNode.release();
}

void CSceneLoader::AttachChildren(const TiXmlElement& element, CNode& node, int nDepth)
{
    for (const TiXmlElement* p = element.FirstChildElement(); p; p = p->NextSiblingElement()) {
        if (p->ValueStr() == "node")
            node.AddChild(ReadSceneNode(*p, nDepth + 1));
        else if (p->ValueStr() == "mesh")
            AttachMesh(*p, node);
    }
}

// The object's animation moves the scene node: scene files carry no keys
// of their own.
void CSceneLoader::AttachMesh(const TiXmlElement& mesh, CNode& node)
{
    const char* pszName = mesh.Attribute("name");
    CObject* pObject = GetObject(pszName ? pszName : "");
    if (!pObject->GetRoot())
        return;
    CNode* pClone = pObject->GetRoot()->Clone();
    node.AddChild(pClone);
    if (pClone->GetAnimator()) {
        node.SetAnimator(std::unique_ptr<CNodeAnimator>(new CNodeAnimator(*pClone->GetAnimator())));
        pClone->SetAnimator(nullptr);
    }
}

}  // namespace Vantile
