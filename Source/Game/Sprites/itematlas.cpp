#include "Game/Sprites/itematlas.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_texturemanager.h"
#include "d3d/d3dx8.h"

namespace {

// Each frame's border of repeated edge texels.
const UINT BORDER = 1;

// Page names stay unique for the program's life: a released page's name
// may still be on a removed cache entry.
int g_nPages = 0;

}  // namespace

CItemAtlas::CItemAtlas(UINT nSide) : m_nSide(nSide) {}

void CItemAtlas::release()
{
    for (const SPage& page : m_Pages)
        Vantile::CTextureManager::Instance().RemoveTexture(page.strName);
    m_Pages.clear();
    m_bReleased = true;
}

const CItemAtlas::SAnimation* CItemAtlas::place(const std::string& strTexture)
{
    auto found = m_Animations.find(strTexture);
    if (found == m_Animations.end())
        found = m_Animations.emplace(strTexture, placeFrames(strTexture)).first;
    return found->second.get();
}

std::unique_ptr<CItemAtlas::SAnimation> CItemAtlas::placeFrames(const std::string& strTexture)
{
    if (m_bReleased)
        return nullptr;
    const Vantile::TextureRef texture = Vantile::CTextureManager::Instance().GetTexture(strTexture);
    const Vantile::CTexture* pTexture = texture.GetTexture();
    if (!pTexture || pTexture->GetFrameCount() == 0 || pTexture->GetWidth() == 0 || pTexture->GetHeight() == 0 ||
        pTexture->GetWidth() > MAX_FRAME_SIDE || pTexture->GetHeight() > MAX_FRAME_SIDE)
        return nullptr;
    auto pAnimation = std::make_unique<SAnimation>();
    pAnimation->fLength = texture.GetLength();
    pAnimation->fWidth = float(pTexture->GetWidth());
    pAnimation->fHeight = float(pTexture->GetHeight());
    // The current page, or else a fresh one.
    if (!m_Pages.empty() && placeOnPage(m_Pages.back(), *pTexture, *pAnimation))
        return pAnimation;
    if (openPage() && placeOnPage(m_Pages.back(), *pTexture, *pAnimation))
        return pAnimation;
    return nullptr;
}

// All frames or none: a page that cannot take them all gives their places
// back.
bool CItemAtlas::placeOnPage(SPage& page, const Vantile::CTexture& texture, SAnimation& animation) const
{
    const SPage before = page;
    const UINT nWidth = texture.GetWidth(), nHeight = texture.GetHeight();
    const float fSide = float(m_nSide);
    animation.frames.clear();
    for (size_t i = 0; i < texture.GetFrameCount(); ++i) {
        SSlot slot;
        if (!reserve(page, nWidth, nHeight, slot) ||
            !copyFrame(texture.GetFrame(i), page.pTexture, slot, nWidth, nHeight)) {
            page = before;
            return false;
        }
        // A sprite's rectangle runs from the bottom row up; v grows down.
        STextureRect rect;
        rect.fU0 = float(slot.nX) / fSide;
        rect.fU1 = float(slot.nX + nWidth) / fSide;
        rect.fV0 = float(slot.nY + nHeight) / fSide;
        rect.fV1 = float(slot.nY) / fSide;
        animation.frames.push_back(rect);
    }
    animation.strTexture = page.strName;
    return true;
}

bool CItemAtlas::openPage()
{
    IDirect3DDevice8* pDevice = Vantile::CD3D9RenderSystem::Instance().GetDevice();
    SPage page;
    if (!pDevice ||
        FAILED(D3DXCreateTexture(pDevice, m_nSide, m_nSide, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &page.pTexture)))
        return false;
    page.strName = "item atlas " + std::to_string(++g_nPages);
    Vantile::CTextureManager& manager = Vantile::CTextureManager::Instance();
    manager.SetFromDeviceTexture(manager.CreateEmpty(page.strName).GetTexture(), page.pTexture);
    page.pTexture->Release();
    m_Pages.push_back(page);
    return true;
}

// The frame's own place, inside its border.
bool CItemAtlas::reserve(SPage& page, UINT nWidth, UINT nHeight, SSlot& slot) const
{
    const UINT nCellWidth = nWidth + 2 * BORDER, nCellHeight = nHeight + 2 * BORDER;
    if (page.nNextX + nCellWidth > m_nSide) {
        page.nNextX = 0;
        page.nNextY += page.nShelfHeight;
        page.nShelfHeight = 0;
    }
    if (page.nNextY + nCellHeight > m_nSide)
        return false;
    slot = {page.nNextX + BORDER, page.nNextY + BORDER};
    page.nNextX += nCellWidth;
    page.nShelfHeight = std::max(page.nShelfHeight, nCellHeight);
    return true;
}

bool CItemAtlas::copyFrame(IDirect3DTexture8* pFrame, IDirect3DTexture8* pPage, const SSlot& slot, UINT nWidth,
                           UINT nHeight)
{
    D3DSURFACE_DESC desc;
    if (!pFrame || FAILED(pFrame->GetLevelDesc(0, &desc)) || desc.Format != D3DFMT_A8R8G8B8 ||
        desc.Width != nWidth || desc.Height != nHeight)
        return false;
    D3DLOCKED_RECT source;
    if (FAILED(pFrame->LockRect(0, &source, nullptr, D3DLOCK_READONLY)))
        return false;
    const RECT cell = {LONG(slot.nX - BORDER), LONG(slot.nY - BORDER), LONG(slot.nX + nWidth + BORDER),
                       LONG(slot.nY + nHeight + BORDER)};
    D3DLOCKED_RECT target;
    if (FAILED(pPage->LockRect(0, &target, &cell, 0))) {
        pFrame->UnlockRect(0);
        return false;
    }
    // Rows above and below repeat the frame's first and last; each row's
    // first and last texel are repeated left and right.
    for (UINT nRow = 0; nRow < nHeight + 2 * BORDER; ++nRow) {
        const UINT nSourceRow = std::min(std::max(nRow, BORDER) - BORDER, nHeight - 1);
        const auto* pdwIn = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(source.pBits) +
                                                              size_t(nSourceRow) * size_t(source.Pitch));
        auto* pdwOut = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(target.pBits) +
                                                   size_t(nRow) * size_t(target.Pitch));
        std::fill(pdwOut, pdwOut + BORDER, pdwIn[0]);
        std::memcpy(pdwOut + BORDER, pdwIn, nWidth * sizeof(uint32_t));
        std::fill(pdwOut + BORDER + nWidth, pdwOut + 2 * BORDER + nWidth, pdwIn[nWidth - 1]);
    }
    pPage->UnlockRect(0);
    pFrame->UnlockRect(0);
    return true;
}
