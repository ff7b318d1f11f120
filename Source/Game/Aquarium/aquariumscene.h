// The aquarium behind the board: the level's scene of pictures and swaying
// plants, held by the scene manager, and the large animals that swim past
// one at a time, held by the animal manager. Two render stages draw them
// behind everything; the board's drawing draws the scene's front layers.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Renderstages/vantile_renderstage.h"

class CSprite;
class TiXmlElement;

namespace Vantile {
class CNode;
}

class CAquariumScene {
public:
    CAquariumScene() = default;
    // The two big pictures leave the texture cache with the scene; the
    // plants and small pictures share theirs with other scenes.
    ~CAquariumScene();
    CAquariumScene(const CAquariumScene&) = delete;
    CAquariumScene& operator=(const CAquariumScene&) = delete;

    void DrawBackground();
    // Back plants, the foreground picture, front plants, small pictures.
    void Draw();

    CSprite* m_pBackground = nullptr;
    CSprite* m_pForeground = nullptr;
    std::vector<Vantile::CNode*> m_BackPlants;
    std::vector<Vantile::CNode*> m_FrontPlants;
    std::vector<CSprite*> m_FrontSprites;
};

class CSceneManager {
public:
    static CSceneManager& Instance();

    // Builds the scene from the file and makes it current; a file that is
    // not well-formed or lacks "root", "bg" or "fg" throws Exception code 0
    // "Failed to load scene file [name]".
    void LoadScene(const std::string& strFileName);
    void ChangeScene(const std::string& strFileName);
    void ReleaseScene();
    void SetVisible(bool bVisible) { m_bVisible = bVisible; }
    // The current scene while it is shown, otherwise null.
    CAquariumScene* GetScene() const { return m_bVisible ? m_pScene.get() : nullptr; }

private:
    CSceneManager() = default;
    static void addPlant(CAquariumScene& scene, const TiXmlElement& element);
    static void addSprite(CAquariumScene& scene, const TiXmlElement& element);

    std::unique_ptr<CAquariumScene> m_pScene;
    bool m_bVisible = false;
};

class CAnimalManager {
public:
    // Each animal swims this long before the next one is chosen.
    static constexpr float SWIM_SECONDS = 50.0f;

    static CAnimalManager& Instance();
    ~CAnimalManager();

    void AddAnimal(Vantile::CNode* pAnimal);
    void AddScene(unsigned nIndex, Vantile::CNode* pRoot);
    void SetScene(unsigned nIndex);
    // Moves the path scene on and the current animal along its path.
    void Update(float fSeconds);
    // Another animal (never the same twice running) on a random path,
    // from the path's beginning.
    void PickNext();
    void Release();

    Vantile::CNode* currentAnimal() const;
    Vantile::CNode* currentPath() const { return m_pDummy; }
    float timeLeft() const { return m_fTimeLeft; }

private:
    CAnimalManager() = default;

    std::vector<Vantile::CNode*> m_Animals;
    std::map<unsigned, Vantile::CNode*> m_Scenes;
    Vantile::CNode* m_pCurrentScene = nullptr;
    Vantile::CNode* m_pDummy = nullptr;
    Vantile::CNode* m_pAnimal = nullptr;
    float m_fTimeLeft = 0.0f;
};

// Stage 5 of the pipeline: the scene's background picture.
class CSceneLoaderRenderStage : public Vantile::IRenderStage {
public:
    void Render() override;
};

// The animals, with the aquarium camera, while a scene is shown.
class CAnimalRenderStage : public Vantile::IRenderStage {
public:
    void Render() override;
};
