#include "Game/Destructors/powerupparts.h"

#include "Game/Board/gamecell.h"

namespace PowerupParts {

std::unique_ptr<CBoardAnimation> makeAt(const char* szTexture, CellRef cell, bool bLoop)
{
    auto pAnimation = std::make_unique<CBoardAnimation>(szTexture, bLoop);
    pAnimation->setPosition((*cell)->position());
    return pAnimation;
}

std::unique_ptr<CBoardAnimation> makeFlareAt(CellRef cell)
{
    std::unique_ptr<CBoardAnimation> pFlare = std::make_unique<CFlareAnimation>();
    pFlare->setPosition((*cell)->position());
    return pFlare;
}

float lengthOf(const char* szTexture)
{
    return CBoardAnimation(szTexture).length();
}

void advanceOnce(std::unique_ptr<CBoardAnimation>& pAnimation, float fSeconds)
{
    if (!pAnimation)
        return;
    pAnimation->advance(fSeconds);
    if (pAnimation->isFinished())
        pAnimation.reset();
}

void advance(const std::unique_ptr<CBoardAnimation>& pAnimation, float fSeconds)
{
    if (pAnimation)
        pAnimation->advance(fSeconds);
}

void draw(const std::unique_ptr<CBoardAnimation>& pAnimation)
{
    if (pAnimation)
        pAnimation->draw();
}


}  // namespace PowerupParts
