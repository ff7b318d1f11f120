// The small stages of the frame pipeline: clearing, cameras, the scene
// walk, drawing and emptying the containers, the debug lines. Each works
// on the current render queue.
#pragma once

#include "Renderstages/vantile_renderstage.h"
#include "d3d/d3d8.h"

namespace Vantile {

class CNode;

class CRSClear : public IRenderStage {
public:
    CRSClear(D3DCOLOR dwColor, bool bClearColor, float fDepth, bool bClearDepth);
    void Render() override;

private:
    D3DCOLOR m_dwColor;
    DWORD m_dwFlags;
    float m_fDepth;
};

class CRSSetCamera : public IRenderStage {
public:
    explicit CRSSetCamera(size_t nIndex) : m_nIndex(nIndex) {}
    void Render() override;

private:
    size_t m_nIndex;
};

// The device's view and projection become the current camera's.
class CRSSetCameraMatrices : public IRenderStage {
public:
    void Render() override;
};

class CRSProcessTree : public IRenderStage {
public:
    CRSProcessTree(CNode* pNode, unsigned nMask) : m_pNode(pNode), m_nMask(nMask) {}
    void Render() override;

private:
    CNode* m_pNode;
    unsigned m_nMask;
};

class CRSRenderTargets : public IRenderStage {
public:
    void Render() override;
};

class CRSClearTargets : public IRenderStage {
public:
    void Render() override;
};

// Queues the debug lines of the annotation facility.
class CRSAnnotation : public IRenderStage {
public:
    void Render() override;
};

}  // namespace Vantile
