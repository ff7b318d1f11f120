// Where the back buffer lives. When the window shows it pixel for pixel
// (the drawable is the back buffer's size) and the window's own buffers
// hold what it needs, the back buffer is the window's buffer: frames are
// drawn straight into it and Present only swaps. Otherwise it is an FBO
// that Present copies into the window, scaled and letterboxed.
//
// The window's rows run bottom up while ours run top down, so while the
// back buffer is the target the device mirrors rows: the clip origin is
// the upper left (GL then also mirrors which pixels an edge through their
// centres covers, and keeps the front face, so pictures stay identical to
// the offscreen ones), viewports and Clear rectangles are mirrored, and
// reads and writes of its pixels flip rows. Without clip control the
// back buffer stays offscreen.
// The window's depth-stencil buffer only pairs with the window's colour;
// a program that pairs either with a surface of its own moves the back
// buffer into an FBO, content kept, for the rest of the device's life.
#include "d3d/d3d8_local.h"
#include "d3d/d3d8_testhooks.h"
#include "system/win32_sdl.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

namespace d3d8 {

namespace {

GLint AttachmentBits(GLenum attachment, GLenum name)
{
    GLint bits = 0;
    glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, attachment, name, &bits);
    return bits;
}

}  // namespace

// Decided when the back buffer is made (creation, Reset); a window that
// changes size afterwards makes the device need a Reset.
bool CDevice::WindowCanHoldBackBuffer()
{
    // Asked every time: it also tells reads which of the window's buffers
    // holds the frame.
    const bool suits = WindowBuffersSuit();
    SDL_Window* window = LiveWindow();
    if (!window || m_bWindowRefused || !m_bClipControl)
        return false;
    int width, height;
    SDL_GL_GetDrawableSize(window, &width, &height);
    RECT box;
    PlatformLetterbox(m_hWnd, width, height, &box);
    return (UINT)width == m_Params.BackBufferWidth && (UINT)height == m_Params.BackBufferHeight &&
           box.left == 0 && box.top == 0 && box.right == width && box.bottom == height && suits;
}

// The same bits as our own targets (RGBA8, D24S8), so pictures stay the
// same whichever holds the back buffer, and no multisampling, which
// read-backs and copies could not take.
bool CDevice::WindowBuffersSuit()
{
    MakeCurrent();
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    GLint buffer = GL_BACK, sampleBuffers = 0;
    glGetIntegerv(GL_DRAW_BUFFER, &buffer);
    glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
    m_eWindowBuffer = (GLenum)buffer;
    const GLenum colour = buffer == GL_FRONT ? GL_FRONT_LEFT : GL_BACK_LEFT;
    bool suits = sampleBuffers == 0 && AttachmentBits(colour, GL_FRAMEBUFFER_ATTACHMENT_RED_SIZE) == 8 &&
                 AttachmentBits(colour, GL_FRAMEBUFFER_ATTACHMENT_GREEN_SIZE) == 8 &&
                 AttachmentBits(colour, GL_FRAMEBUFFER_ATTACHMENT_BLUE_SIZE) == 8;
    if (HasAlpha(m_Params.BackBufferFormat))
        suits = suits && AttachmentBits(colour, GL_FRAMEBUFFER_ATTACHMENT_ALPHA_SIZE) == 8;
    if (m_Params.EnableAutoDepthStencil)
        suits = suits && AttachmentBits(GL_DEPTH, GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE) == 24 &&
                AttachmentBits(GL_STENCIL, GL_FRAMEBUFFER_ATTACHMENT_STENCIL_SIZE) == 8;
    // A query the window's buffers cannot answer leaves an error behind.
    while (glGetError() != GL_NO_ERROR) {
    }
    return suits;
}

void CDevice::MoveBackBufferOffWindow()
{
    m_bWindowRefused = true;
    if (!m_pBackBuffer || !m_pBackBuffer->InWindow())
        return;
    m_pBackBuffer->MoveOffWindow();
    GLbitfield copied = GL_COLOR_BUFFER_BIT;
    GLuint depth = 0;
    if (m_pAutoDepth) {
        m_pAutoDepth->MoveOffWindow();
        depth = m_pAutoDepth->Renderbuffer();
        copied |= GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT;
    }
    const GLint width = m_pBackBuffer->Desc().Width, height = m_pBackBuffer->Desc().Height;
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_nDrawFbo);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D,
                           m_pBackBuffer->Texture(), 0);
    glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depth);
    glDrawBuffer(GL_COLOR_ATTACHMENT0);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    glReadBuffer(m_eWindowBuffer);
    glDisable(GL_SCISSOR_TEST);
    glBlitFramebuffer(0, 0, width, height, 0, height, width, 0, copied, GL_NEAREST);
}

// The letterbox copy: the FBO scaled into the drawable with the aspect
// kept, black bars around.
void CDevice::CopyToWindow(SDL_Window* window)
{
    int drawableW, drawableH;
    SDL_GL_GetDrawableSize(window, &drawableW, &drawableH);
    RECT box;
    PlatformLetterbox(m_hWnd, drawableW, drawableH, &box);
    UINT width = m_pBackBuffer->Desc().Width, height = m_pBackBuffer->Desc().Height;

    BindForRead(m_pBackBuffer.get());
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    // Only the bars of a letterbox need black; a frame that fills the
    // window covers every pixel of it.
    if (box.left > 0 || box.top > 0 || box.right < drawableW || box.bottom < drawableH) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    bool scaled = (UINT)(box.right - box.left) != width || (UINT)(box.bottom - box.top) != height;
    glBlitFramebuffer(0, 0, width, height, box.left, drawableH - box.top, box.right,
                      drawableH - box.bottom, GL_COLOR_BUFFER_BIT, scaled ? GL_LINEAR : GL_NEAREST);
}

void CDevice::WriteToWindow(const RECT& rect, const BYTE* rgba)
{
    const GLsizei width = rect.right - rect.left, height = rect.bottom - rect.top;
    const GLint windowHeight = m_pBackBuffer->Desc().Height;
    MakeCurrent();
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, m_nReadFbo);
    glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    glBlitFramebuffer(0, 0, width, height, rect.left, windowHeight - rect.top, rect.right,
                      windowHeight - rect.bottom, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, 0, 0);
    glDeleteTextures(1, &texture);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, DrawFramebuffer());
}

std::vector<BYTE> CDevice::ReadWindow(int* width, int* height)
{
    *width = *height = 0;
    SDL_Window* window = LiveWindow();
    if (!window)
        return {};
    FlushDraws();
    MakeCurrent();
    SDL_GL_GetDrawableSize(window, width, height);
    std::vector<BYTE> rows((size_t)*width * *height * 4), flipped(rows.size());
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    glReadBuffer(m_eWindowBuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, *width, *height, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
    const size_t pitch = (size_t)*width * 4;
    for (int row = 0; row < *height; ++row)
        std::copy_n(&rows[(size_t)(*height - 1 - row) * pitch], pitch, &flipped[(size_t)row * pitch]);
    return flipped;
}

bool CDevice::HasClipControl()
{
    GLint major = 0, minor = 0, extensions = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    if (major > 4 || (major == 4 && minor >= 5))
        return true;
    glGetIntegerv(GL_NUM_EXTENSIONS, &extensions);
    for (GLint i = 0; i < extensions; ++i) {
        const char* name = (const char*)glGetStringi(GL_EXTENSIONS, (GLuint)i);
        if (name && std::strcmp(name, "GL_ARB_clip_control") == 0)
            return true;
    }
    return false;
}

void CDevice::ApplyClipOrigin()
{
    if (m_bClipControl)
        glClipControl(TargetInWindow() ? GL_UPPER_LEFT : GL_LOWER_LEFT, GL_NEGATIVE_ONE_TO_ONE);
}

GLint CDevice::TargetRow(LONG top, LONG bottom) const
{
    return TargetInWindow() ? (GLint)m_pRenderTarget->Desc().Height - bottom : top;
}

}  // namespace d3d8

bool D3DDeviceDrawsToWindow(IDirect3DDevice8* device)
{
    return device && d3d8::AsDevice(device)->BackBufferInWindow();
}

std::vector<BYTE> D3DDeviceReadWindow(IDirect3DDevice8* device, int* width, int* height)
{
    *width = *height = 0;
    return device ? d3d8::AsDevice(device)->ReadWindow(width, height) : std::vector<BYTE>();
}
