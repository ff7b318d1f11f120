#include "main/autoplay/shotqueue.h"

#include "RenderSystem/vantile_framepicture.h"

void CShotQueue::Render()
{
    if (m_strPending.empty())
        return;
    if (!Vantile::SaveFramePicture(m_strPending))
        m_strFailed = m_strPending;
    m_strPending.clear();
}
