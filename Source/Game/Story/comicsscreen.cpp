#include "Game/Story/comicsscreen.h"

#include <algorithm>
#include <cstdio>

#include "Core/vantile_log.h"
#include "Game/Sprites/sprite.h"
#include "Game/Story/storypages.h"
#include "Resources/vantile_texturemanager.h"
#include "system/win32.h"

namespace {

// The page anchor that puts the picture's top-left corner at the position.
const int TOP_LEFT = 0;
const int FIRST_DIGIT = '1';
const int LAST_DIGIT = '5';

}  // namespace

CComicsScreen::CComicsScreen(std::unique_ptr<IComicsButtons> pButtons, bool bDraw)
    : m_pButtons(std::move(pButtons)), m_bDraw(bDraw)
{
    if (m_bDraw)
        m_pBackground = std::make_unique<CSprite>(BACKGROUND, CSprite::WHITE, false, false);
    if (m_pButtons)
        m_pButtons->showSheet();
}

// Story pictures are big and seen once: they leave the texture cache with
// the screen.
CComicsScreen::~CComicsScreen()
{
    Vantile::CTextureManager& textures = Vantile::CTextureManager::Instance();
    for (SPage& page : m_Pages)
        if (page.pSprite) {
            textures.RemoveTexture(page.strImage);
            page.pSprite.reset();
        }
    if (m_pBackground) {
        textures.RemoveTexture(BACKGROUND);
        m_pBackground.reset();
    }
}

void CComicsScreen::addPage(const std::string& strImage, const D3DXVECTOR3& vPosition, int nKey)
{
    SPage page;
    page.strImage = strImage;
    page.vPosition = vPosition;
    page.bVisible = m_Pages.empty();
    if (m_bDraw) {
        page.pSprite = std::make_unique<CSprite>(strImage, CSprite::WHITE, false, false);
        page.pSprite->setAnchor(TOP_LEFT);
        page.pSprite->setPosition(vPosition);
        page.pSprite->SetAlpha(0.0f);
    }
    m_Order.emplace(nKey, m_Pages.size());
    m_Pages.push_back(std::move(page));
}

void CComicsScreen::addGroupBoundary(int nPages)
{
    m_Boundaries.push_back(nPages);
}

void CComicsScreen::addSet(const SStorySet& set)
{
    for (const SStoryPage& page : set.pages)
        addPage(page.szImage, D3DXVECTOR3(page.fX, page.fY, 0.0f), page.nKey);
    for (int nBoundary : set.boundaries)
        addGroupBoundary(nBoundary);
}

bool CComicsScreen::revealNext()
{
    if (m_pButtons && m_pButtons->isSkipPushed())
        return false;
    bool bRevealed = false;
    for (SPage& page : m_Pages)
        if (!page.bVisible) {
            page.bVisible = true;
            page.bFadingIn = true;
            bRevealed = true;
            break;
        }
    fadeOutFinishedGroups();
    return bRevealed;
}

// Once more pages are out than a boundary counts, the pages before it go.
void CComicsScreen::fadeOutFinishedGroups()
{
    const int nVisible = int(std::count_if(m_Pages.begin(), m_Pages.end(), [](const SPage& p) { return p.bVisible; }));
    for (int nBoundary : m_Boundaries)
        if (nBoundary < nVisible)
            for (int i = 0; i < nBoundary && i < int(m_Pages.size()); ++i)
                m_Pages[size_t(i)].bFadingIn = false;
}

void CComicsScreen::update(float fSeconds)
{
    if (m_pBackground)
        m_pBackground->drawAt(D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    for (const auto& entry : m_Order)
        drawPage(m_Pages[entry.second], fSeconds);
}

// A faded-out page stays drawn at alpha 0: it only leaves with the screen.
void CComicsScreen::drawPage(SPage& page, float fSeconds)
{
    if (!page.bVisible)
        return;
    page.fAlpha += page.bFadingIn ? fSeconds : -fSeconds;
    page.fAlpha = std::min(1.0f, std::max(0.0f, page.fAlpha));
    if (!page.pSprite)
        return;
    page.pSprite->SetAlpha(page.fAlpha);
    page.pSprite->drawAt(page.vPosition);
}

std::vector<size_t> CComicsScreen::drawingOrder() const
{
    std::vector<size_t> order;
    for (const auto& entry : m_Order)
        order.push_back(entry.second);
    return order;
}

void CComicsScreen::onKey(int nVirtualKey)
{
    if (nVirtualKey >= FIRST_DIGIT && nVirtualKey <= LAST_DIGIT) {
        const int nPage = nVirtualKey - FIRST_DIGIT;
        if (nPage >= int(m_Pages.size()))
            return;
        m_nSelected = nPage;
        const D3DXVECTOR3& v = m_Pages[size_t(nPage)].vPosition;
        char szLine[96];
        snprintf(szLine, sizeof szLine, "ID[%d] vpos[%f,%f,%f]", nPage, v.x, v.y, v.z);
        Vantile::CLog::Instance().Write(Vantile::LOG_INFO, szLine);
        return;
    }
    if (m_nSelected < 0)
        return;
    D3DXVECTOR3& v = m_Pages[size_t(m_nSelected)].vPosition;
    switch (nVirtualKey) {
    case VK_LEFT: v.x -= 1.0f; break;
    case VK_UP: v.y += 1.0f; break;
    case VK_RIGHT: v.x += 1.0f; break;
    case VK_DOWN: v.y -= 1.0f; break;
    default: break;
    }
}
