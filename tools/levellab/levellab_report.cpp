// The lab's figures for people: a Markdown table and the difficulty curve
// drawn with cairo (win rate and time margin above, boards without a move
// below, one column per level).
#include <cairo.h>

#include <algorithm>
#include <cstdio>

#include "levellab.h"

namespace {

const double WIDTH = 1000.0, HEIGHT = 620.0;
const double LEFT = 60.0, RIGHT = 20.0;
// The two panels: top and height of each.
const double CURVE_TOP = 50.0, CURVE_HEIGHT = 330.0;
const double DEAD_TOP = 440.0, DEAD_HEIGHT = 140.0;
const double DEAD_SCALE = 10.0;  // boards per 100 moves at the panel's top

std::string Row(const SLevelFigures& level)
{
    std::string strKinds;
    for (int nKind : level.kinds)
        strKinds += (strKinds.empty() ? "" : " ") + std::to_string(nKind);
    char szRow[512];
    snprintf(szRow, sizeof(szRow),
             "| %d | %s | %s | %d | %d | %d/%zu | %.0f s (%.0f %%) | %.0f %% | %.0f | %.0f | %.1f | %.2f | %.2f |\n",
             level.nLevel, level.strName.c_str(), strKinds.c_str(), level.nPeriod, level.nBonusTime, level.wins(),
             level.runs.size(), level.medianUsed() * float(level.nPeriod), level.medianUsed() * 100.0f,
             level.margin() * 100.0f, level.medianMoves(),
             level.medianScore(), level.deadPer100Moves(), level.meanShuffles(), level.meanPowerups());
    return szRow;
}

void Text(cairo_t* pCairo, double x, double y, const std::string& strText, double fSize = 12.0)
{
    cairo_set_font_size(pCairo, fSize);
    cairo_move_to(pCairo, x, y);
    cairo_show_text(pCairo, strText.c_str());
}

// The frame of a panel with nSteps horizontal guides up to fMax.
void Panel(cairo_t* pCairo, double fTop, double fHeight, int nSteps, double fMax, const char* szUnit)
{
    cairo_set_line_width(pCairo, 1.0);
    for (int i = 0; i <= nSteps; ++i) {
        const double y = fTop + fHeight - fHeight * i / nSteps;
        cairo_set_source_rgb(pCairo, 0.85, 0.87, 0.9);
        cairo_move_to(pCairo, LEFT, y);
        cairo_line_to(pCairo, WIDTH - RIGHT, y);
        cairo_stroke(pCairo);
        cairo_set_source_rgb(pCairo, 0.3, 0.3, 0.35);
        char szLabel[32];
        snprintf(szLabel, sizeof(szLabel), "%.0f%s", fMax * i / nSteps, szUnit);
        Text(pCairo, 8.0, y + 4.0, szLabel, 11.0);
    }
}

double ColumnX(size_t i, size_t nCount)
{
    return LEFT + (WIDTH - LEFT - RIGHT) * (double(i) + 0.5) / double(nCount);
}

void DrawCurve(cairo_t* pCairo, const std::vector<SLevelFigures>& levels)
{
    const double fColumn = (WIDTH - LEFT - RIGHT) / double(levels.size());
    Panel(pCairo, CURVE_TOP, CURVE_HEIGHT, 4, 100.0, " %");
    // Win rate: pale bars.
    cairo_set_source_rgb(pCairo, 0.62, 0.8, 0.95);
    for (size_t i = 0; i < levels.size(); ++i) {
        const double fBar = CURVE_HEIGHT * levels[i].winRate();
        cairo_rectangle(pCairo, ColumnX(i, levels.size()) - fColumn * 0.35, CURVE_TOP + CURVE_HEIGHT - fBar,
                        fColumn * 0.7, fBar);
    }
    cairo_fill(pCairo);
    // Time margin: a dark line with a dot per level.
    cairo_set_source_rgb(pCairo, 0.8, 0.3, 0.1);
    cairo_set_line_width(pCairo, 2.0);
    for (size_t i = 0; i < levels.size(); ++i)
        cairo_line_to(pCairo, ColumnX(i, levels.size()), CURVE_TOP + CURVE_HEIGHT * (1.0 - levels[i].margin()));
    cairo_stroke(pCairo);
    for (size_t i = 0; i < levels.size(); ++i) {
        cairo_arc(pCairo, ColumnX(i, levels.size()), CURVE_TOP + CURVE_HEIGHT * (1.0 - levels[i].margin()), 3.0,
                  0.0, 6.2832);
        cairo_fill(pCairo);
    }
}

void DrawDeadBoards(cairo_t* pCairo, const std::vector<SLevelFigures>& levels)
{
    const double fColumn = (WIDTH - LEFT - RIGHT) / double(levels.size());
    Panel(pCairo, DEAD_TOP, DEAD_HEIGHT, 2, DEAD_SCALE, "");
    cairo_set_source_rgb(pCairo, 0.45, 0.45, 0.55);
    for (size_t i = 0; i < levels.size(); ++i) {
        const double fBar = DEAD_HEIGHT * std::min(1.0, levels[i].deadPer100Moves() / DEAD_SCALE);
        cairo_rectangle(pCairo, ColumnX(i, levels.size()) - fColumn * 0.35, DEAD_TOP + DEAD_HEIGHT - fBar,
                        fColumn * 0.7, fBar);
    }
    cairo_fill(pCairo);
    // Bars past the top carry their value.
    for (size_t i = 0; i < levels.size(); ++i)
        if (levels[i].deadPer100Moves() > DEAD_SCALE) {
            char szValue[16];
            snprintf(szValue, sizeof(szValue), "%.0f", levels[i].deadPer100Moves());
            Text(pCairo, ColumnX(i, levels.size()) - 7.0, DEAD_TOP - 2.0, szValue, 9.0);
        }
    // The most boards without a move a level may have.
    const double y = DEAD_TOP + DEAD_HEIGHT * (1.0 - 3.0 / DEAD_SCALE);
    cairo_set_source_rgb(pCairo, 0.85, 0.1, 0.1);
    cairo_set_line_width(pCairo, 1.5);
    cairo_move_to(pCairo, LEFT, y);
    cairo_line_to(pCairo, WIDTH - RIGHT, y);
    cairo_stroke(pCairo);
}

void DrawLabels(cairo_t* pCairo, const std::vector<SLevelFigures>& levels)
{
    cairo_set_source_rgb(pCairo, 0.1, 0.12, 0.2);
    Text(pCairo, LEFT, 22.0, "Win rate (bars) and median time margin (line) per level", 15.0);
    Text(pCairo, LEFT, DEAD_TOP - 12.0, "Boards without a possible move per 100 moves (red: the limit of 3)", 13.0);
    for (size_t i = 0; i < levels.size(); ++i)
        if (levels.size() <= 12 || levels[i].nLevel % 5 == 0 || i == 0)
            Text(pCairo, ColumnX(i, levels.size()) - 6.0, HEIGHT - 18.0, std::to_string(levels[i].nLevel), 11.0);
    Text(pCairo, WIDTH / 2.0 - 15.0, HEIGHT - 3.0, "level", 11.0);
}

}  // namespace

std::string LabTable(const std::vector<SLevelFigures>& levels)
{
    std::string strTable =
        "| level | name | kinds | clock s | bonus s | won | time used | margin | moves | score | no move /100 | "
        "shuffles | power-ups |\n|---|---|---|---|---|---|---|---|---|---|---|---|---|\n";
    for (const SLevelFigures& level : levels)
        strTable += Row(level);
    return strTable;
}

bool DrawLabPlot(const std::vector<SLevelFigures>& levels, const std::string& strPath)
{
    cairo_surface_t* pSurface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, int(WIDTH), int(HEIGHT));
    cairo_t* pCairo = cairo_create(pSurface);
    cairo_set_source_rgb(pCairo, 1.0, 1.0, 1.0);
    cairo_paint(pCairo);
    cairo_select_font_face(pCairo, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    if (!levels.empty()) {
        DrawCurve(pCairo, levels);
        DrawDeadBoards(pCairo, levels);
        DrawLabels(pCairo, levels);
    }
    cairo_destroy(pCairo);
    const bool bWritten = cairo_surface_write_to_png(pSurface, strPath.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(pSurface);
    return bWritten;
}
