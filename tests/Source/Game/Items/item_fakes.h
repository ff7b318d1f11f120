// Stand-ins for the sprite and path classes, so item logic runs without
// drawing: visuals with chosen frame counts and lengths that record what
// they draw, and straight paths that record which motion was asked for.
#pragma once

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Game/Items/animationcallback.h"
#include "Game/Items/animationmanager.h"
#include "Game/Items/itempath.h"
#include "Game/Items/layervisual.h"

const D3DXVECTOR3 ORIGIN(0.0f, 0.0f, 0.0f);
const D3DXVECTOR3 CELL(40.0f, 110.0f, 0.0f);

// Keeps every name an animation reports.
class CRecordingCallback : public IAnimationCallback {
public:
    void onEvent(const std::string& strName) override { m_Names.push_back(strName); }
    std::vector<std::string> m_Names;
};

struct FakeDraw {
    std::string strTexture;
    D3DXVECTOR3 vPosition;
    int nFrame;
    uint32_t dwTint;
};

class CFakeVisual : public ILayerVisual {
public:
    CFakeVisual(const std::string& strTexture, int nFrames, float fLength, std::vector<FakeDraw>& draws)
        : m_strTexture(strTexture), m_nFrames(nFrames), m_fLength(fLength), m_Draws(draws)
    {
    }
    int frameCount() const override { return m_nFrames; }
    float length() const override { return m_fLength; }
    void draw(const D3DXVECTOR3& vPosition, int nFrame, float, uint32_t dwTint) override
    {
        m_Draws.push_back({m_strTexture, vPosition, nFrame, dwTint});
    }

private:
    std::string m_strTexture;
    int m_nFrames;
    float m_fLength;
    std::vector<FakeDraw>& m_Draws;
};

// Textures default to 10 frames in one second.
class CFakeVisualSource : public ILayerVisualSource {
public:
    std::shared_ptr<ILayerVisual> create(const std::string& strTexture) override
    {
        m_Created.push_back(strTexture);
        const auto it = m_Shapes.find(strTexture);
        const std::pair<int, float> shape = it == m_Shapes.end() ? std::make_pair(10, 1.0f) : it->second;
        return std::make_shared<CFakeVisual>(strTexture, shape.first, shape.second, m_Draws);
    }

    std::map<std::string, std::pair<int, float>> m_Shapes;
    std::vector<std::string> m_Created;
    std::vector<FakeDraw> m_Draws;
};

class CFakePath : public CBasePath {
public:
    CFakePath(const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo) : m_vCurrent(vFrom), m_vTo(vTo) {}
    bool update(const float* pDt, const float* pSpeed, const D3DXVECTOR3*) override
    {
        const float fDt = *pDt, fSpeed = *pSpeed;
        const D3DXVECTOR3 v = m_vTo - m_vCurrent;
        const float fLeft = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
        const float fStep = fDt / 1000.0f * fSpeed;
        m_vCurrent = fStep >= fLeft ? m_vTo : m_vCurrent + v * (fStep / fLeft);
        return !isFinished();
    }
    bool isFinished() const override { return m_vCurrent == m_vTo; }
    D3DXVECTOR3 getPosition() const override { return m_vCurrent; }

private:
    D3DXVECTOR3 m_vCurrent;
    D3DXVECTOR3 m_vTo;
};

class CFakePathSource : public IItemPathSource {
public:
    std::unique_ptr<CBasePath> create(EItemMotion motion, const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo) override
    {
        m_Motions.push_back(motion);
        return std::make_unique<CFakePath>(vFrom, vTo);
    }

    std::vector<EItemMotion> m_Motions;
};

// Installs the fakes into the animation manager for one test and clears
// its tables before and after.
class CItemServices {
public:
    CItemServices()
    {
        CAnimationManager& manager = CAnimationManager::Instance();
        manager.clear();
        manager.setVisualSource(&m_Visuals);
        manager.setPathSource(&m_Paths);
    }
    ~CItemServices()
    {
        CAnimationManager& manager = CAnimationManager::Instance();
        manager.clear();
        manager.setVisualSource(nullptr);
        manager.setPathSource(nullptr);
    }

    static ANIDATA layer(const std::string& strName, const std::string& strTexture, int nRepeat, bool bLimited,
                         bool bBlocking = false, bool bFit = false)
    {
        ANIDATA data;
        data.strName = strName;
        data.strTexture = strTexture;
        data.nRepeatCount = nRepeat;
        data.bLimited = bLimited;
        data.bBlocking = bBlocking;
        data.bFitToDuration = bFit;
        return data;
    }

    CFakeVisualSource m_Visuals;
    CFakePathSource m_Paths;
};
