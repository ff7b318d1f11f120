// The frame pipeline's GUI step: what CEGUI drew this frame goes into the
// render queue, to be drawn with the stage that flushes the queue next.
#pragma once

#include "Renderstages/vantile_renderstage.h"

class CCEGUIRenderer;

class CGUIRenderStage : public Vantile::IRenderStage {
public:
    explicit CGUIRenderStage(CCEGUIRenderer* pRenderer) : m_pRenderer(pRenderer) {}

    void Render() override;

private:
    CCEGUIRenderer* m_pRenderer;
};
