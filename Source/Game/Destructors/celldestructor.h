// What removes items other than a three-in-a-row: an object made when a
// special item fires or a power-up is spent, that lives across frames and
// hands cells back to the board over time, in its own order.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "d3d/d3dx8.h"

class CBoardAnimation;
class CGameCell;

// The address of a board slot: the board sees a slot emptied or refilled.
typedef CGameCell* const* CellRef;
typedef std::vector<CellRef> CellRefList;

class CBaseCellDestructor {
public:
    virtual ~CBaseCellDestructor() = default;
    virtual void update() = 0;
    // Appends the cells due now; clearing bOrdinaryRemoval asks for these
    // cells to go at once, without their removal looks.
    virtual void collectCells(CellRefList& cells, bool& bOrdinaryRemoval) = 0;
    virtual bool isDone() const = 0;
    virtual void renderBack() {}
    virtual void renderFront() = 0;
    virtual bool isFinished() const { return isDone(); }
    virtual void dump() const = 0;
};

// A sprite that travels in a straight line and removes the cells it has
// passed; the cells it never passes go when it arrives.
class CCellDestructor : public CBaseCellDestructor {
public:
    CCellDestructor(const D3DXVECTOR3& vStart, const D3DXVECTOR3& vEnd, float fSpeed, const CellRefList& cells,
                    const char* szTexture, float fAngle);
    ~CCellDestructor() override;

    void update() override;
    void collectCells(CellRefList& cells, bool& bOrdinaryRemoval) override;
    bool isDone() const override;
    void renderFront() override;
    void dump() const override;

private:
    bool isPassed(const D3DXVECTOR3& vCell) const;

    std::unique_ptr<CBoardAnimation> m_pSprite;
    D3DXVECTOR3 m_vCurrent;
    D3DXVECTOR3 m_vStart;
    D3DXVECTOR3 m_vEnd;
    float m_fSpeed;
    CellRefList m_Cells;
};

// Shared by the destructors: frame time, the board's random draws, the
// vector text of the dumps.
namespace DestructorUtil {
float frameMs();
float randomFraction();
// Index 0 for a list of one, else rand() modulo the size.
size_t randomPick(size_t nSize);
std::string vectorText(const D3DXVECTOR3& v);
D3DXVECTOR3 normalised(const D3DXVECTOR3& v);
void writeDump(const std::string& strLine);
}  // namespace DestructorUtil
