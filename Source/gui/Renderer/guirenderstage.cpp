#include "gui/Renderer/guirenderstage.h"

#include "gui/Renderer/ceguirenderer.h"

void CGUIRenderStage::Render()
{
    if (m_pRenderer)
        m_pRenderer->EnqueueGeometry();
}
