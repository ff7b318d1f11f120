// The 8 x 8 match-3 board: cells and holes, selection by click or drag,
// swaps, runs, falls and refills, the trunk, possible moves, shuffles and
// the destructors that special items and power-ups start.
//
// The board never calls the game session. It holds its own evaluation
// request (event 1) back until every item is idle, then posts it to the
// game context; the session answers with processMatches.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Game/Destructors/celldestructor.h"
#include "Game/Board/scorepopups.h"
#include "Game/Destructors/trunkeffect.h"
#include "Game/Items/animationcallback.h"
#include "Game/Level/level.h"
#include "d3d/d3dx8.h"

class CBoardAnimation;
class CGameCell;
class IBoardAquarium;
class CGameItem;
class IBoardSounds;

class CGameField : public IAnimationCallback {
public:
    enum { SIZE = 8 };
    static constexpr float CELL_SIZE = 55.0f;

    typedef std::vector<CGameCell*> Segment;
    typedef std::vector<Segment> SegmentList;
    typedef std::vector<std::vector<CGameCell*>> GroupList;
    typedef std::vector<std::pair<CGameCell*, CGameCell*>> MoveList;
    // Cells with the items they held before a shuffle.
    typedef std::vector<std::pair<CGameCell*, CGameItem*>> Placement;

    CGameField();
    ~CGameField();

    // Level entry.
    void initCells(const std::string& strPicture);
    void Load(const std::string& strFileName);
    // A level file read elsewhere; the name is only for messages.
    void LoadBytes(const std::string& strFileName, const std::string& strBytes);
    // Applies cell records already read (Load and tests share this).
    void applyLevel(const CLevel::Cells& cells);
    void reset();
    const CLevel& level() const { return m_Level; }

    // Input in board units.
    void mouseDown(const D3DXVECTOR3& vPoint);
    void mouseMove(const D3DXVECTOR3& vPoint);
    void mouseUp(const D3DXVECTOR3& vPoint);
    void swap(CGameCell* pA, CGameCell* pB, bool bFirst, float fSpeed);

    // Evaluation (event 1).
    bool processMatches(bool& bBigCombo);
    void findRuns(const SegmentList& segments, GroupList& groups) const;
    bool hitCell(CGameCell* pCell, bool bDestroy, bool bPlayerMove);

    // Falls and refills.
    int drawItemType();
    void refill();
    void checkLevel() const;
    void fillEmptyCells();
    void findPossibleMoves(MoveList& moves);
    void shuffle();
    bool trunkAtBottom(CGameCell*& pCell) const;
    bool isSettled() const;
    void dump() const;

    // Power-ups 0 to 4 spent on a cell.
    void usePowerup(int nPowerup, CGameCell* pCell);

    void update();
    void render();

    CGameCell* cellAt(const D3DXVECTOR3& vPoint) const;
    CGameCell* cell(int nRow, int nColumn) const { return m_ppCells[nRow][nColumn]; }
    bool isSelectable(const CGameCell* pCell) const;
    static bool areNeighbours(const CGameCell* pA, const CGameCell* pB);
    static D3DXVECTOR3 cellCentre(int nRow, int nColumn);

    // A cell a destructor may take: an idle item that is not the trunk.
    bool isDestroyable(const CGameCell* pCell) const;
    CellRef refOf(const CGameCell* pCell) const;
    // Items still moving, or an evaluation not yet answered.
    bool isBusy() const { return m_bBusy || m_bEvaluationDue; }
    CGameCell* selected() const { return m_pSelected; }
    const SegmentList& columnSegments() const { return m_ColumnSegments; }
    const SegmentList& rowSegments() const { return m_RowSegments; }
    void setTimeFreezeNext(bool bSet) { m_bTimeFreezeNext = bSet; }
    bool isTimeFreezeNext() const { return m_bTimeFreezeNext; }
    bool isTrunkOpening() const { return m_TrunkEffect.isActive(); }
    size_t destructorCount() const { return m_Destructors.size() + m_DestructorsToDelete.size(); }
    // Special items made from runs since the level began.
    int specialsMade() const { return m_nSpecialsMade; }
    // Sounds go to the game context unless someone else listens.
    void setSounds(IBoardSounds* pSounds) { m_pSounds = pSounds; }
    // The aquarium drawn around the board and fed from its cleared cells.
    void setAquarium(IBoardAquarium* pAquarium) { m_pAquarium = pAquarium; }

    void onEvent(const std::string& strName) override;

private:
    typedef std::vector<std::unique_ptr<CBaseCellDestructor>> DestructorList;

    // gamefield.cpp
    void deleteCells();
    CLevel::Cells existingCells() const;
    void buildSegments();
    void addBoardEvent(int nCode);
    void passHeldEvents();
    bool allCellsIdle() const;
    void playSound(const std::string& strName, float fVolume) const;
    // gamefield_input.cpp
    bool acceptsTarget(const CGameCell* pCell) const;
    void startPlayerSwap(CGameCell* pTarget);
    void dropSelection(bool bRestoreLook);
    // gamefield_matches.cpp
    bool fireSwappedSpecials();
    bool pairInGroups(const GroupList& vertical, const GroupList& horizontal) const;
    void clearGroups(const GroupList& groups, GroupList& cleared);
    void makeSpecials(const GroupList& cleared);
    void removeItem(CGameCell* pCell, bool bPlayerMove, bool& bGone);
    void clearPlayerMarks();
    bool hasRuns() const;
    // gamefield_moves.cpp
    Placement shufflePlacement() const;
    void scramble(const Placement& start);
    void repairRuns(const Placement& start);
    // gamefield_refill.cpp
    void fillSegment(size_t nSegment, Segment& spawns);
    CGameCell* lowestEmpty(const Segment& segment) const;
    CGameCell* lowestItemAbove(const Segment& segment, const CGameCell* pEmpty) const;
    CGameCell* trunkAbove(size_t nSegment) const;
    void startFall(CGameCell* pTo, const CGameCell* pFrom);
    void dropIn(CGameCell* pCell);
    bool maySpawnTrunk() const;
    bool isTopOfColumn(const CGameCell* pCell) const;
    bool isBottomOfColumn(const CGameCell* pCell) const;
    // gamefield_render.cpp
    template <class Visit>
    void forEachExistingCell(Visit visit) const;
    // gamefield_feedback.cpp
    void addClearBurst(const CGameCell* pCell, int nType);
    void addScorePopups(const GroupList& cleared);
    void updateBursts();
    void renderBursts();
    // gamefield_destructors.cpp
    void fireSpecial(CGameCell* pCell, int nType);
    void fireCrabLine(CGameCell* pCell, bool bRow);
    void fireStar(CGameCell* pCell);
    void halvesThrough(const CGameCell* pCell, bool bRow, CellRefList& first, CellRefList& second) const;
    void updateDestructors();
    void removeCollected(const CellRefList& cells, bool bOrdinary);

    std::array<std::array<CGameCell*, SIZE>, SIZE> m_ppCells;
    std::vector<CGameCell*> m_Cells;
    SegmentList m_ColumnSegments;
    SegmentList m_RowSegments;
    CGameCell* m_pSelected = nullptr;
    CGameCell* m_pSwapFirst = nullptr;
    CGameCell* m_pSwapSecond = nullptr;
    CGameCell* m_pLastSwapTarget = nullptr;
    bool m_bMouseDown = false;
    D3DXVECTOR3 m_vMouse = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    CLevel m_Level;
    int m_nFalling = 0;
    bool m_bTimeFreezeNext = false;
    std::vector<int> m_Events;
    bool m_bBusy = false;
    bool m_bEvaluationDue = false;
    DestructorList m_Destructors;
    DestructorList m_DestructorsToDelete;
    std::vector<std::unique_ptr<CBoardAnimation>> m_Animations;
    // Bursts over cleared items and the points of cleared groups, drawn
    // above every item.
    std::vector<std::unique_ptr<CBoardAnimation>> m_Bursts;
    CScorePopups m_Popups;
    // Evaluations in a row that cleared something, the player's move first.
    int m_nChain = 0;
    CTrunkEffect m_TrunkEffect;
    int m_nSpecialsMade = 0;
    IBoardSounds* m_pSounds = nullptr;
    IBoardAquarium* m_pAquarium = nullptr;
    std::string m_strPicture;
};
