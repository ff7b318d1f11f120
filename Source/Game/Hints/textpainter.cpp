#include "Game/Hints/textpainter.h"

namespace {

ITextPainter* g_pPainter = nullptr;

}  // namespace

ITextPainter* TextPainter()
{
    return g_pPainter;
}

void SetTextPainter(ITextPainter* pPainter)
{
    g_pPainter = pPainter;
}
