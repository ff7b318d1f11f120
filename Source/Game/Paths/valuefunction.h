// Value functions: one float that changes over time (ramps, waits, sine
// arcs, free fall). dt is in seconds.
#pragma once

#include <memory>

class IBaseFunction {
public:
    virtual ~IBaseFunction() = default;
    virtual void update(float fDt) = 0;
    virtual void reset() = 0;
    virtual bool isRunning() const = 0;
    virtual float getValue() const = 0;
    // Stretches the duration; functions without one ignore it.
    virtual void scale(float fFactor) {}
};

// Counts up from `from` to `to`; it never counts down.
class CIncrementFunction : public IBaseFunction {
public:
    void init(float fFrom, float fTo, float fDuration);
    void update(float fDt) override;
    void reset() override { init(m_fFrom, m_fTo, m_fDuration); }
    bool isRunning() const override { return m_fValue < m_fTo; }
    float getValue() const override { return m_fValue; }
    void scale(float fFactor) override { m_fDuration *= fFactor; }

private:
    float m_fValue = 0;
    float m_fFrom = 0;
    float m_fTo = 0;
    float m_fDuration = 0;
    bool m_bFinished = true;
};

class CDecrementFunction : public IBaseFunction {
public:
    void init(float fTo, float fFrom, float fDuration);
    void update(float fDt) override;
    void reset() override;
    bool isRunning() const override { return m_fElapsed < m_fDuration; }
    float getValue() const override { return m_fValue; }
    void scale(float fFactor) override { m_fDuration *= fFactor; }

private:
    float m_fValue = 0;
    float m_fInitial = 0;
    float m_fTo = 0;
    float m_fFrom = 0;
    float m_fDuration = 0;
    float m_fElapsed = 0;
    bool m_bFinished = true;
};

// Holds a constant value for a while.
class CWaitFunction : public IBaseFunction {
public:
    void init(float fValue, float fDuration);
    void update(float fDt) override { m_fRemaining -= fDt; }
    void reset() override { m_fRemaining = m_fDuration; }
    bool isRunning() const override { return m_fRemaining > 0; }
    float getValue() const override { return m_fValue; }
    void scale(float fFactor) override;

private:
    float m_fValue = 0;
    float m_fDuration = 0;
    float m_fRemaining = 0;
};

// Maps a raw value to the value handed out.
class CValueRepresentation {
public:
    virtual float represent(float fValue) const { return fValue; }
    virtual ~CValueRepresentation() = default;
    virtual CValueRepresentation* clone() const { return new CValueRepresentation(); }
};

// value × amplitude + offset, with a random amplitude of 5 to 15 that each
// clone draws anew.
class CSin2Representator : public CValueRepresentation {
public:
    explicit CSin2Representator(float fOffset);
    float represent(float fValue) const override { return fValue * m_fAmplitude + m_fOffset; }
    CValueRepresentation* clone() const override { return new CSin2Representator(m_fOffset); }
    float amplitude() const { return m_fAmplitude; }
    float offset() const { return m_fOffset; }

private:
    float m_fAmplitude;
    float m_fOffset;
};

// sin of an angle moving from `from` to `to`; holds sin(to) afterwards.
class CSinusFunction : public IBaseFunction {
public:
    CSinusFunction();
    void init(float fFromAngle, float fToAngle, float fDuration);
    // Takes a copy of the representation.
    void init(float fFromAngle, float fToAngle, float fDuration, const CValueRepresentation& representation);
    void update(float fDt) override;
    void reset() override { init(m_fFromAngle, m_fToAngle, m_fDuration); }
    bool isRunning() const override { return m_fElapsed < m_fDuration; }
    float getValue() const override { return m_pRepresentation->represent(m_fRaw); }

private:
    float angleValue() const;

    float m_fFromAngle = 0;
    float m_fToAngle = 0;
    float m_fDuration = 0;
    float m_fElapsed = 0;
    float m_fRaw = 0;
    std::unique_ptr<CValueRepresentation> m_pRepresentation;
};

// Free fall with constant acceleration; stops running when the next step
// of the same length would reach the target distance.
class CFallingFunction : public IBaseFunction {
public:
    void init(float fTargetDistance, float fAcceleration);
    void update(float fDt) override;
    void reset() override { m_fTime = 0; }
    bool isRunning() const override;
    float getValue() const override { return m_fValue; }

private:
    float m_fTargetDistance = 0;
    float m_fValue = 0;
    float m_fTime = 0;
    float m_fAcceleration = 0;
    float m_fLastDt = 0;
};
