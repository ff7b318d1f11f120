#include "Game/Paths/complexfunction.h"

void CComplexFunction::add(IBaseFunction* pFunction)
{
    m_Sequence.push_back(pFunction);
    m_nCurrent = 0;
    m_pCurrent = m_Sequence.front();
}

void CComplexFunction::addOwned(std::unique_ptr<IBaseFunction> pFunction)
{
    add(pFunction.get());
    m_Owned.push_back(std::move(pFunction));
}

void CComplexFunction::addWait(float fValue, float fDuration)
{
    auto pWait = std::make_unique<CWaitFunction>();
    pWait->init(fValue, fDuration);
    addOwned(std::move(pWait));
}

void CComplexFunction::addDecrement(float fFrom, float fTo, float fDuration)
{
    auto pDecrement = std::make_unique<CDecrementFunction>();
    pDecrement->init(fTo, fFrom, fDuration);
    addOwned(std::move(pDecrement));
}

void CComplexFunction::addSinus(float fFromAngle, float fToAngle, float fDuration,
                                const CValueRepresentation* pRepresentation)
{
    auto pSinus = std::make_unique<CSinusFunction>();
    if (pRepresentation)
        pSinus->init(fFromAngle, fToAngle, fDuration, *pRepresentation);
    else
        pSinus->init(fFromAngle, fToAngle, fDuration);
    addOwned(std::move(pSinus));
}

void CComplexFunction::update(float fDt)
{
    if (!m_pCurrent)
        return;
    if (!m_pCurrent->isRunning() && m_nCurrent + 1 < m_Sequence.size())
        m_pCurrent = m_Sequence[++m_nCurrent];
    m_pCurrent->update(fDt);
}

float CComplexFunction::getValue() const
{
    return m_pCurrent ? m_pCurrent->getValue() : 0.0f;
}

bool CComplexFunction::isRunning() const
{
    for (const IBaseFunction* pFunction : m_Sequence) {
        if (pFunction->isRunning())
            return true;
    }
    return false;
}
