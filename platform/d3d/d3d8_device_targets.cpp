// Render targets, scenes and Clear.
#include "d3d/d3d8_local.h"

#include <algorithm>

namespace d3d8 {

void CDevice::AttachTargets()
{
    MakeCurrent();
    const bool colourInWindow = TargetInWindow();
    const bool depthInWindow = m_pDepthStencil && m_pDepthStencil->InWindow();
    if (depthInWindow ? !colourInWindow : colourInWindow && m_pDepthStencil)
        MoveBackBufferOffWindow();
    ApplyClipOrigin();
    if (TargetInWindow()) {
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        return;
    }
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_nDrawFbo);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D,
                           m_pRenderTarget ? m_pRenderTarget->Texture() : 0,
                           m_pRenderTarget ? m_pRenderTarget->Level() : 0);
    glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                              m_pDepthStencil ? m_pDepthStencil->Renderbuffer() : 0);
    glDrawBuffer(GL_COLOR_ATTACHMENT0);
}

// Rows of our targets run top down from GL row 0, so Direct3D rectangles
// are GL rectangles as they are; the window's are mirrored.
void CDevice::ApplyViewport()
{
    glViewport(m_Viewport.X, TargetRow(m_Viewport.Y, m_Viewport.Y + m_Viewport.Height),
               m_Viewport.Width, m_Viewport.Height);
    glDepthRange(m_Viewport.MinZ, m_Viewport.MaxZ);
}

HRESULT CDevice::SetRenderTarget(IDirect3DSurface8* renderTarget, IDirect3DSurface8* depthStencil)
{
    CSurface* target = renderTarget ? static_cast<CSurface*>(renderTarget) : m_pRenderTarget;
    CSurface* depth = static_cast<CSurface*>(depthStencil);
    if (!target || !target->IsRenderTarget() || (!target->Texture() && !target->InWindow()))
        return D3DERR_INVALIDCALL;
    if (depth && !IsDepthFormat(depth->Desc().Format))
        return D3DERR_INVALIDCALL;
    FlushDraws();
    m_pRenderTarget = target;
    m_pDepthStencil = depth;
    AttachTargets();
    // Direct3D 8 resets the viewport to the whole new target.
    m_Viewport = {0, 0, target->Desc().Width, target->Desc().Height, 0.0f, 1.0f};
    return D3D_OK;
}

HRESULT CDevice::GetRenderTarget(IDirect3DSurface8** surface)
{
    if (!surface)
        return D3DERR_INVALIDCALL;
    m_pRenderTarget->AddRef();
    *surface = m_pRenderTarget;
    return D3D_OK;
}

HRESULT CDevice::GetDepthStencilSurface(IDirect3DSurface8** surface)
{
    if (!surface)
        return D3DERR_INVALIDCALL;
    *surface = m_pDepthStencil;
    if (!m_pDepthStencil)
        return D3DERR_NOTFOUND;
    m_pDepthStencil->AddRef();
    return D3D_OK;
}

HRESULT CDevice::BeginScene()
{
    if (m_bInScene)
        return D3DERR_INVALIDCALL;
    m_bInScene = true;
    return D3D_OK;
}

HRESULT CDevice::EndScene()
{
    if (!m_bInScene)
        return D3DERR_INVALIDCALL;
    FlushDraws();
    m_bInScene = false;
    return D3D_OK;
}

HRESULT CDevice::Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z,
                       DWORD stencil)
{
    if ((flags & (D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL)) && !m_pDepthStencil)
        return D3DERR_INVALIDCALL;
    if (count > 0 && !rects)
        return D3DERR_INVALIDCALL;
    FlushDraws();
    MakeCurrent();
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, DrawFramebuffer());
    float rgba[4];
    ColorToFloats(color, rgba);
    glClearColor(rgba[0], rgba[1], rgba[2], rgba[3]);
    glClearDepth(z);
    glClearStencil((GLint)stencil);
    // Clear ignores the write masks of the pipeline states.
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glStencilMask(0xff);
    GLbitfield mask = ((flags & D3DCLEAR_TARGET) ? GL_COLOR_BUFFER_BIT : 0) |
                      ((flags & D3DCLEAR_ZBUFFER) ? GL_DEPTH_BUFFER_BIT : 0) |
                      ((flags & D3DCLEAR_STENCIL) ? GL_STENCIL_BUFFER_BIT : 0);
    D3DRECT viewport = {(LONG)m_Viewport.X, (LONG)m_Viewport.Y,
                        (LONG)(m_Viewport.X + m_Viewport.Width),
                        (LONG)(m_Viewport.Y + m_Viewport.Height)};
    glEnable(GL_SCISSOR_TEST);
    for (DWORD i = 0; i < std::max<DWORD>(count, 1); ++i) {
        D3DRECT r = viewport;
        if (count > 0) {
            r.x1 = std::max(r.x1, rects[i].x1);
            r.y1 = std::max(r.y1, rects[i].y1);
            r.x2 = std::min(r.x2, rects[i].x2);
            r.y2 = std::min(r.y2, rects[i].y2);
        }
        if (r.x2 <= r.x1 || r.y2 <= r.y1)
            continue;
        glScissor(r.x1, TargetRow(r.y1, r.y2), r.x2 - r.x1, r.y2 - r.y1);
        glClear(mask);
    }
    glDisable(GL_SCISSOR_TEST);
    return D3D_OK;
}

}  // namespace d3d8
