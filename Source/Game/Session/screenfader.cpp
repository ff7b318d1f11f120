#include "Game/Session/screenfader.h"

#include <algorithm>
#include <cmath>

#include "Scene/vantile_fademeshnode.h"

void CScreenFader::start(float fFadeSeconds)
{
    m_fProgress = m_fProgress > 0.5f && m_fProgress < 1.0f ? 1.0f - m_fProgress : 0.0f;
    m_fRate = 1.0f / fFadeSeconds;
}

bool CScreenFader::advance(float fSeconds, bool bPaused)
{
    bool bMidpoint = false;
    if (m_fProgress < 1.0f) {
        if (m_fProgress < 0.5f) {
            m_bMidpoint = false;
        } else if (!m_bMidpoint) {
            m_fProgress = 0.5f;
            m_bMidpoint = true;
            bMidpoint = true;
        }
        m_fProgress += fSeconds * m_fRate;
    }
    m_fProgress = std::min(m_fProgress, 1.0f);
    m_nAlpha = static_cast<int>((1.0f - 2.0f * std::fabs(0.5f - m_fProgress)) * 255.0f);
    if (bPaused)
        m_nAlpha = std::max(m_nAlpha, PAUSED_ALPHA);
    if (m_pMesh)
        m_pMesh->SetColor(color());
    return bMidpoint;
}
