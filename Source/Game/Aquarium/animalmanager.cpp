// The big animals: every so often another one swims along one of the
// path scene's animated dummies.
#include "Core/vantile_frametimer.h"
#include "Core/vantile_log.h"
#include "Core/vantile_random.h"
#include "Game/Aquarium/aquariumscene.h"
#include "Scene/vantile_node.h"

namespace {

const char* const PATHS[] = {"Turtle_Dummy01", "Turtle_Dummy02", "Turtle_Dummy03", "Turtle_Dummy04",
                             "Turtle_Dummy05"};

}  // namespace

CAnimalManager& CAnimalManager::Instance()
{
    static CAnimalManager manager;
    return manager;
}

CAnimalManager::~CAnimalManager()
{
    Release();
}

void CAnimalManager::AddAnimal(Vantile::CNode* pAnimal)
{
    auto* pHolder = new Vantile::CNode();
    pHolder->AddChild(pAnimal);
    m_Animals.push_back(pHolder);
}

void CAnimalManager::AddScene(unsigned nIndex, Vantile::CNode* pRoot)
{
    if (!m_Scenes.emplace(nIndex, pRoot).second)
        delete pRoot;
}

void CAnimalManager::SetScene(unsigned nIndex)
{
    m_pCurrentScene = nullptr;
    m_pDummy = nullptr;
    const auto it = m_Scenes.find(nIndex);
    if (it == m_Scenes.end()) {
        Vantile::CLog::Instance().Write(Vantile::LOG_INFO,
                                        Vantile::FormatString("Failed to set animal scene [%d]", int(nIndex)));
        return;
    }
    m_pCurrentScene = it->second;
}

void CAnimalManager::Update(float fSeconds)
{
    if (!m_pCurrentScene)
        return;
    m_fTimeLeft -= fSeconds;
    if (m_fTimeLeft <= 0 || !m_pDummy) {
        PickNext();
        m_fTimeLeft = SWIM_SECONDS;
    }
    m_pCurrentScene->Process(Vantile::PROCESS_ALL);
    if (!m_pDummy || !m_pAnimal)
        return;
    *m_pAnimal->GetLocalMatrix() = m_pDummy->GetWorldMatrix(0);
    m_pAnimal->Process(Vantile::PROCESS_ALL);
}

void CAnimalManager::PickNext()
{
    std::vector<Vantile::CNode*> paths;
    for (const char* pszPath : PATHS)
        if (Vantile::CNode* pPath = m_pCurrentScene ? m_pCurrentScene->FindChild(pszPath) : nullptr)
            paths.push_back(pPath);
    // Without paths or animals there is nothing to swim.
    if (paths.empty() || m_Animals.empty())
        return;
    m_pDummy = paths[size_t(Vantile::Random()) % paths.size()];
    // A single animal swims again; otherwise never the same one twice.
    Vantile::CNode* pPrevious = m_pAnimal;
    do
        m_pAnimal = m_Animals[size_t(Vantile::Random()) % m_Animals.size()];
    while (m_Animals.size() > 1 && m_pAnimal == pPrevious);
    m_pCurrentScene->StopAnimation(true);
    m_pCurrentScene->PlayAnimation(false, true, 1.0f);
}

void CAnimalManager::Release()
{
    for (auto& entry : m_Scenes)
        delete entry.second;
    m_Scenes.clear();
    for (Vantile::CNode* pHolder : m_Animals)
        delete pHolder;
    m_Animals.clear();
    m_pCurrentScene = nullptr;
    m_pDummy = nullptr;
    m_pAnimal = nullptr;
    m_fTimeLeft = 0.0f;
}

Vantile::CNode* CAnimalManager::currentAnimal() const
{
    return m_pAnimal && m_pAnimal->GetChildCount() ? m_pAnimal->GetChild(0) : nullptr;
}

void CSceneLoaderRenderStage::Render()
{
    if (CAquariumScene* pScene = CSceneManager::Instance().GetScene())
        pScene->DrawBackground();
}

void CAnimalRenderStage::Render()
{
    if (CSceneManager::Instance().GetScene())
        CAnimalManager::Instance().Update(Vantile::CFrameTimer::Instance().frameSeconds());
}
