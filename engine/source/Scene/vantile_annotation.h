// Debug drawing: lines, axes, boxes and circles made on request while the
// facility is active. Lines live until the end of the frame that made them;
// the annotation render stage queues them. The application registers the
// facility as a frame handler.
#pragma once

#include <memory>
#include <vector>

#include "Core/vantile_framehandler.h"
#include "Scene/vantile_linerendertarget.h"

namespace Vantile {

class CAnnotation : public CFrameHandler {
public:
    static CAnnotation& Instance();

    void SetActive(bool bActive) { m_bActive = bActive; }
    bool IsActive() const { return m_bActive; }

    // Each call does nothing while the facility is inactive.
    void AddLine(const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo, D3DCOLOR dwColor);
    // x red, y green, z blue from the matrix's position along its rows.
    void AddAxes(const D3DXMATRIX& mFrame, float fLength);
    // The twelve edges of the box between two corners.
    void AddBox(const D3DXVECTOR3& vMin, const D3DXVECTOR3& vMax, D3DCOLOR dwColor);
    // A closed polygon around the z axis of the centre.
    void AddCircle(const D3DXVECTOR3& vCentre, float fRadius, int nSegments, D3DCOLOR dwColor);

    size_t GetLineCount() const { return m_Lines.size(); }
    void EnqueueLines();
    bool frameEnded(const FrameEvent& evt) override;

private:
    CAnnotation() = default;

    bool m_bActive = false;
    std::vector<std::unique_ptr<CLineRenderTarget>> m_Lines;
};

}  // namespace Vantile
