#include "Resources/vantile_texture.h"

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Core/vantile_random.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_ifl.h"
#include "Resources/vantile_resourcemanager.h"
#include "d3d/d3dx8.h"
#include "system/win32.h"

namespace Vantile {

namespace {

// Start-up profiling: the time spent in every texture load so far.
DWORD g_dwTotalLoadTime = 0;

[[noreturn]] void ThrowLoadFailure(const std::string& strName, HRESULT hr)
{
    VANTILE_EXCEPT(10, "Failed to load texture [" + strName + "] from memory: " +
                           CD3D9RenderSystem::GetErrorDescription(hr),
                   "CTexture::Load");
}

}  // namespace

CTexture::CTexture(const std::string& strName) : CResource(strName)
{
}

CTexture::~CTexture()
{
    ReleaseFrames();
}

void CTexture::ReleaseFrames()
{
    for (IDirect3DTexture8* pFrame : m_Frames)
        pFrame->Release();
    m_Frames.clear();
}

void CTexture::Load(int nMipLevels, D3DFORMAT format)
{
    try {
        CResource::Load();
    } catch (const Exception&) {
        // A missing image is drawn as nothing; the report is in the log.
        return;
    }
    const DWORD dwStart = GetTickCount();
    if (IsIflName(m_strName))
        LoadFrameList(nMipLevels, format);
    else
        LoadImage(nMipLevels, format);
    LogLoadTime(dwStart);
}

void CTexture::LoadImage(int nMipLevels, D3DFORMAT format)
{
    IDirect3DTexture8* pFrame = nullptr;
    try {
        pFrame = CreateFrame(*this, nMipLevels, format);
    } catch (...) {
        Unload();
        throw;
    }
    Unload();
    ReleaseFrames();
    m_Frames.push_back(pFrame);
}

void CTexture::LoadFrameList(int nMipLevels, D3DFORMAT format)
{
    const IflList list = ParseIfl(reinterpret_cast<const char*>(GetData()), GetSize());
    Unload();
    ReleaseFrames();
    m_fFPS = list.fFPS;
    for (const std::string& strFrame : list.frames) {
        CResource frame(strFrame);
        CResourceManager::Instance().GetFile(frame, 0);
        m_Frames.push_back(CreateFrame(frame, nMipLevels, format));
    }
}

IDirect3DTexture8* CTexture::CreateFrame(const CResource& file, int nMipLevels, D3DFORMAT format)
{
    D3DXIMAGE_INFO info = {};
    HRESULT hr = D3DXGetImageInfoFromFileInMemory(file.GetData(), file.GetSize(), &info);
    if (FAILED(hr))
        ThrowLoadFailure(m_strName, hr);
    m_nWidth = info.Width;
    m_nHeight = info.Height;
    IDirect3DTexture8* pTexture = nullptr;
    hr = D3DXCreateTextureFromFileInMemoryEx(CD3D9RenderSystem::Instance().GetDevice(), file.GetData(),
                                             file.GetSize(), info.Width, info.Height, UINT(nMipLevels), 0,
                                             format, D3DPOOL_MANAGED, D3DX_FILTER_LINEAR, D3DX_DEFAULT, 0,
                                             nullptr, nullptr, &pTexture);
    if (FAILED(hr) || !pTexture)
        ThrowLoadFailure(m_strName, FAILED(hr) ? hr : E_FAIL);
    return pTexture;
}

void CTexture::LogLoadTime(DWORD dwStart) const
{
    const DWORD dwElapsed = GetTickCount() - dwStart;
    g_dwTotalLoadTime += dwElapsed;
    CLog::Instance().Write(LOG_INFO, FormatString("texture %s loaded (%d / %d msec)", m_strName.c_str(),
                                                  int(dwElapsed), int(g_dwTotalLoadTime)));
}

void CTexture::SetFromDeviceTexture(IDirect3DTexture8* pTexture)
{
    ReleaseFrames();
    if (!pTexture)
        return;
    pTexture->AddRef();
    m_Frames.push_back(pTexture);
    D3DSURFACE_DESC desc = {};
    if (SUCCEEDED(pTexture->GetLevelDesc(0, &desc)))
        m_bDefaultPool = desc.Pool != D3DPOOL_MANAGED;
}

TextureRef::TextureRef(CTexture* pTexture, float fFPS) : m_pTexture(pTexture), m_fFPS(fFPS)
{
    if (m_pTexture && m_pTexture->GetFrameCount() > 1 && m_fFPS > 0.0f)
        m_fTime = float(Random() % 10001) / 10000.0f * GetLength();
}

float TextureRef::GetLength() const
{
    if (!m_pTexture || !(m_fFPS > 0.0f))
        return 0.0f;
    return float(m_pTexture->GetFrameCount()) / m_fFPS;
}

size_t TextureRef::GetFrameIndex() const
{
    const size_t nCount = m_pTexture ? m_pTexture->GetFrameCount() : 0;
    const double dFrame = double(m_fTime) * double(m_fFPS);
    // A clock run backwards wraps to the last frames; a clock that is not
    // a number, or too far out for 64 bits, shows the first frame.
    if (nCount < 2 || !(dFrame > -9.0e18 && dFrame < 9.0e18))
        return 0;
    const int64_t nCountSigned = int64_t(nCount);
    const int64_t nFrame = int64_t(dFrame) % nCountSigned;
    return size_t(nFrame < 0 ? nFrame + nCountSigned : nFrame);
}

IDirect3DTexture8* TextureRef::GetFrame() const
{
    if (!m_pTexture || m_pTexture->GetFrameCount() == 0)
        return nullptr;
    return m_pTexture->GetFrame(GetFrameIndex());
}

}  // namespace Vantile
