// A chain of value functions played one after the other.
#pragma once

#include <memory>
#include <vector>

#include "Game/Paths/valuefunction.h"

class CComplexFunction {
public:
    CComplexFunction() = default;
    virtual ~CComplexFunction() = default;
    CComplexFunction(const CComplexFunction&) = delete;
    CComplexFunction& operator=(const CComplexFunction&) = delete;

    // Appends a function the caller keeps owning.
    void add(IBaseFunction* pFunction);
    void addWait(float fValue, float fDuration);
    void addDecrement(float fFrom, float fTo, float fDuration);
    // A null representation keeps the raw sine.
    void addSinus(float fFromAngle, float fToAngle, float fDuration,
                  const CValueRepresentation* pRepresentation);

    // Moves on at most one segment per update, then advances the current
    // one.
    void update(float fDt);
    float getValue() const;
    bool isRunning() const;

private:
    void addOwned(std::unique_ptr<IBaseFunction> pFunction);

    IBaseFunction* m_pCurrent = nullptr;
    size_t m_nCurrent = 0;
    std::vector<IBaseFunction*> m_Sequence;
    std::vector<std::unique_ptr<IBaseFunction>> m_Owned;
};
