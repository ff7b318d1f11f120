#include "Game/Paths/valuefunction.h"

#include <cmath>

#include "Core/vantile_random.h"

void CIncrementFunction::init(float fFrom, float fTo, float fDuration)
{
    m_fFrom = fFrom;
    m_fTo = fTo;
    m_fDuration = fDuration;
    m_fValue = fFrom;
    m_bFinished = false;
}

void CIncrementFunction::update(float fDt)
{
    if (m_bFinished)
        return;
    m_fValue += (m_fTo - m_fFrom) * fDt / m_fDuration;
    if (m_fValue >= m_fTo) {
        m_fValue = m_fTo;
        m_bFinished = true;
    }
}

void CDecrementFunction::init(float fTo, float fFrom, float fDuration)
{
    m_fTo = fTo;
    m_fFrom = fFrom;
    m_fDuration = fDuration;
    m_fInitial = fFrom;
    reset();
}

void CDecrementFunction::reset()
{
    m_fValue = m_fInitial;
    m_fElapsed = 0;
    m_bFinished = false;
}

void CDecrementFunction::update(float fDt)
{
    if (m_bFinished)
        return;
    m_fValue -= (m_fFrom - m_fTo) * fDt / m_fDuration;
    m_fElapsed += fDt;
    if (m_fElapsed >= m_fDuration) {
        m_fValue = m_fTo;
        m_bFinished = true;
    }
}

void CWaitFunction::init(float fValue, float fDuration)
{
    m_fValue = fValue;
    m_fDuration = fDuration;
    m_fRemaining = fDuration;
}

void CWaitFunction::scale(float fFactor)
{
    m_fDuration *= fFactor;
    m_fRemaining = m_fDuration;
}

CSin2Representator::CSin2Representator(float fOffset)
    : m_fAmplitude(5.0f + 10.0f * Vantile::RandomFraction()), m_fOffset(fOffset)
{
}

CSinusFunction::CSinusFunction() : m_pRepresentation(new CValueRepresentation())
{
}

void CSinusFunction::init(float fFromAngle, float fToAngle, float fDuration)
{
    m_fFromAngle = fFromAngle;
    m_fToAngle = fToAngle;
    m_fDuration = fDuration;
    m_fElapsed = 0;
    m_fRaw = angleValue();
}

void CSinusFunction::init(float fFromAngle, float fToAngle, float fDuration,
                          const CValueRepresentation& representation)
{
    m_pRepresentation.reset(representation.clone());
    init(fFromAngle, fToAngle, fDuration);
}

float CSinusFunction::angleValue() const
{
    if (m_fElapsed < m_fDuration)
        return std::sin(m_fFromAngle + (m_fToAngle - m_fFromAngle) * m_fElapsed / m_fDuration);
    return std::sin(m_fToAngle);
}

void CSinusFunction::update(float fDt)
{
    m_fElapsed += fDt;
    m_fRaw = angleValue();
}

void CFallingFunction::init(float fTargetDistance, float fAcceleration)
{
    m_fTargetDistance = fTargetDistance;
    m_fAcceleration = fAcceleration;
    m_fTime = 0;
    m_fValue = 0;
    m_fLastDt = 0;
}

void CFallingFunction::update(float fDt)
{
    m_fTime += fDt;
    m_fLastDt = fDt;
    m_fValue = m_fAcceleration * m_fTime * m_fTime / 2;
}

bool CFallingFunction::isRunning() const
{
    const float fNext = m_fTime + m_fLastDt;
    return m_fAcceleration * fNext * fNext / 2 < m_fTargetDistance;
}
