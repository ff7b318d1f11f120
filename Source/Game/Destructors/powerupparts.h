// Pieces the power-ups share: the flare where one is used, and the looks
// that are dropped once they have played, after which every use of them
// is skipped.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "Game/Destructors/boardanimation.h"
#include "Game/Destructors/celldestructor.h"

class CFlareAnimation : public CBoardAnimation {
public:
    CFlareAnimation() : CBoardAnimation("flare.ifl") {}
};

namespace PowerupParts {
std::unique_ptr<CBoardAnimation> makeAt(const char* szTexture, CellRef cell, bool bLoop = false);
std::unique_ptr<CBoardAnimation> makeFlareAt(CellRef cell);
// Seconds of one pass, read from a look made only for that.
float lengthOf(const char* szTexture);
// Advances a one-shot and drops it once it has played.
void advanceOnce(std::unique_ptr<CBoardAnimation>& pAnimation, float fSeconds);
void advance(const std::unique_ptr<CBoardAnimation>& pAnimation, float fSeconds);
void draw(const std::unique_ptr<CBoardAnimation>& pAnimation);

// Hands over the targets of the records that are due and drops those
// records, keeping the others in order.
template <class TRecord, class TDue>
void deliverDue(std::vector<TRecord>& records, TDue isDue, CellRefList& cells)
{
    for (const TRecord& record : records)
        if (isDue(record))
            cells.push_back(record.pTarget);
    records.erase(std::remove_if(records.begin(), records.end(), isDue), records.end());
}
}  // namespace PowerupParts
