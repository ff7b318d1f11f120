#include "Game/MiniGame/minigame.h"

#include <algorithm>

#include "Core/vantile_log.h"
#include "Core/vantile_random.h"
#include "Game/MiniGame/minigamepond.h"
#include "Game/Sprites/sprite.h"

namespace {

struct SKindRow {
    int nId;
    const char* szBase;
    const char* szStill;
    const char* szFish;
};

// The table order is the game's: the sub-lists keep it.
const SKindRow KIND_ROWS[] = {
    {7, "cell_acanthurus_tripple", "0012", ""},
    {8, "cell_bicolor_angel_tripple", "0012", ""},
    {1, "cell_butterfly_tripple", "0012", "buterfly.object"},
    {2, "cell_emperior_angel", "0012", "EmperiorAngel.object"},
    {9, "cell_convict_tang_tripple", "0012", ""},
    {10, "cell_flame_angel_tripple", "0012", ""},
    {11, "cell_hepatus_tripple", "0012", ""},
    {12, "cell_Juvenal_tripple", "0012", ""},
    {4, "cell_morish_idol_tripple", "0012", "moorish.object"},
    {13, "cell_majestic_angel_tripple", "0012", ""},
    {5, "cell_percula_tripple", "0012", "Percula.object"},
    {14, "cell_purple_tang_tripple", "0011", ""},
    {15, "cell_regal_angel_tripple", "0012", ""},
    {16, "cell_yellow_angel_tripple", "0012", ""},
    {3, "cell_Fish_Surgeon", "0012", "Surgeon.object"},
    {6, "cell_Picasso_triggerfish", "0012", "picasso.object"},
};

const float HALF = CMiniGame::CELL_SIZE / 2.0f;

// Element rand() mod n of the list, taken out of it.
CMiniGameCell* drawCell(std::vector<CMiniGameCell*>& cells)
{
    const size_t nIndex = cells.size() == 1 ? 0 : size_t(Vantile::Random()) % cells.size();
    CMiniGameCell* pCell = cells[nIndex];
    cells.erase(cells.begin() + long(nIndex));
    return pCell;
}

int clampedSide(int nSide)
{
    return std::min(std::max(nSide, 1), CMiniGame::MAX_SIDE);
}

}  // namespace

CMiniGame::CMiniGame(bool bDraw) : m_bDraw(bDraw)
{
    makeKinds();
    if (m_bDraw)
        m_pBackground = std::make_unique<CSprite>(BACKGROUND, CSprite::WHITE, false, true);
}

CMiniGame::~CMiniGame() = default;

void CMiniGame::makeKinds()
{
    for (const SKindRow& row : KIND_ROWS) {
        SMiniGameKind kind;
        kind.nId = row.nId;
        kind.strOpen = std::string(row.szBase) + ".ifl";
        kind.strStill = std::string(row.szBase) + "_" + row.szStill + ".dds";
        kind.strClose = std::string(row.szBase) + "_return.ifl";
        kind.strFish = row.szFish;
        m_Kinds.push_back(kind);
        (kind.hasFish() ? m_FishKinds : m_DecoyKinds).push_back(kind);
    }
}

D3DXVECTOR3 CMiniGame::cellCentre(int nColumn, int nRow) const
{
    return D3DXVECTOR3(CELL_SIZE * nColumn + (m_vOrigin.x - CELL_SIZE * m_nColumns / 2.0f),
                       (CELL_SIZE * m_nRows / 2.0f + m_vOrigin.y) - CELL_SIZE * nRow, 0.0f);
}

void CMiniGame::setup(const D3DXVECTOR3& vOrigin, int nColumns, int nRows, int nFish)
{
    if (clampedSide(nColumns) != nColumns || clampedSide(nRows) != nRows)
        Vantile::CLog::Instance().Write(
            Vantile::LOG_ERROR, Vantile::FormatString("A memory game of %d x %d cells is kept to 8 x 8", nColumns, nRows));
    m_Cells.clear();
    m_Border.clear();
    m_pHovered = m_pFirst = m_pSecond = nullptr;
    m_nColumns = clampedSide(nColumns);
    m_nRows = clampedSide(nRows);
    m_vOrigin = vOrigin;
    makeCells();
    dealPairs(nFish);
    makeBorder();
    m_Freed.clear();
    m_bFishFreed = false;
    if (m_pPond)
        m_pPond->clearFish();
    m_Fade.init(0.0f, 1.0f, FADE_SECONDS);
}

void CMiniGame::makeCells()
{
    for (int i = 0; i < m_nRows; ++i)
        for (int j = 0; j < m_nColumns; ++j)
            m_Cells.push_back(std::make_unique<CMiniGameCell>(cellCentre(j, i), j, i, *this, m_bDraw));
}

// Pairs of cells drawn at random: the first pair shows the fish, every
// later one a random decoy, so decoys may come twice.
void CMiniGame::dealPairs(int nFish)
{
    std::vector<CMiniGameCell*> pending;
    for (const auto& pCell : m_Cells)
        pending.push_back(pCell.get());
    const SMiniGameKind* pKind = &fishKind(nFish);
    while (pending.size() >= 2) {
        drawCell(pending)->setKind(*pKind);
        drawCell(pending)->setKind(*pKind);
        pKind = &m_DecoyKinds[size_t(Vantile::Random()) % m_DecoyKinds.size()];
    }
    if (!pending.empty())
        pending.front()->setTakenQuietly();
}

// A fish value that names no kind gives the table's first, a decoy.
const SMiniGameKind& CMiniGame::fishKind(int nFish) const
{
    for (const SMiniGameKind& kind : m_Kinds)
        if (kind.nId == nFish)
            return kind;
    return m_Kinds.front();
}

// Edges over and under every column, the corners, and the sides of the
// rows between the first and the last.
void CMiniGame::makeBorder()
{
    if (!m_bDraw)
        return;
    const float xFirst = cellCentre(0, 0).x, xLast = cellCentre(m_nColumns - 1, 0).x;
    const float yFirst = cellCentre(0, 0).y, yLast = cellCentre(0, m_nRows - 1).y;
    for (int j = 0; j < m_nColumns; ++j) {
        addBorder("mg_cell_v_edge.dds", 5, cellCentre(j, 0).x, yFirst + HALF);
        addBorder("mg_cell_bv_edge.dds", 6, cellCentre(j, 0).x, yLast - HALF);
    }
    addBorder("mg_left_top_edge.dds", 3, xFirst - HALF, yFirst - HALF);
    addBorder("mg_right_top_edge.dds", 2, xLast + HALF, yFirst - HALF);
    for (int i = 1; i + 1 < m_nRows; ++i) {
        addBorder("mg_left_edge.dds", 7, xFirst - HALF, cellCentre(0, i).y);
        addBorder("mg_right_edge.dds", 8, xLast + HALF, cellCentre(0, i).y);
    }
    if (m_nRows > 1) {
        addBorder("mg_left_bottom_edge.dds", 1, xFirst - HALF, yLast + HALF);
        addBorder("mg_right_bottom_edge.dds", 0, xLast + HALF, yLast + HALF);
    }
}

void CMiniGame::addBorder(const char* szTexture, int nAnchor, float x, float y)
{
    auto pPiece = std::make_unique<CSprite>(szTexture, CSprite::WHITE, false, true);
    pPiece->setAnchor(nAnchor);
    pPiece->setPosition(D3DXVECTOR3(x, y, 0.0f));
    m_Border.push_back(std::move(pPiece));
}
