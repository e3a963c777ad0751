#pragma once

#include "aax/AAX_ITaperDelegate.h"

// A straight line from the minimum (normalised 0) to the maximum (normalised 1). A Precision of -1
// means the real value is not rounded.
template <class T, int Precision = -1> class AAX_CLinearTaperDelegate : public AAX_ITaperDelegate<T> {
public:
    AAX_CLinearTaperDelegate(T minimum = 0, T maximum = 1) : m_Minimum(minimum), m_Maximum(maximum) {}

    AAX_CLinearTaperDelegate* Clone() const override { return new AAX_CLinearTaperDelegate(*this); }
    T GetMaximumValue() const override { return m_Maximum; }
    T GetMinimumValue() const override { return m_Minimum; }
    T ConstrainRealValue(T value) const override
    {
        if (value > m_Maximum)
            return m_Maximum;
        return value < m_Minimum ? m_Minimum : value;
    }
    T NormalizedToReal(double normalizedValue) const override
    {
        double real = static_cast<double>(m_Minimum) +
                      normalizedValue * (static_cast<double>(m_Maximum) - static_cast<double>(m_Minimum));
        // Constrained before narrowing, which gives the same value and never converts out of range.
        if (real > static_cast<double>(m_Maximum))
            real = static_cast<double>(m_Maximum);
        else if (real < static_cast<double>(m_Minimum))
            real = static_cast<double>(m_Minimum);
        return ConstrainRealValue(static_cast<T>(real));
    }
    double RealToNormalized(T realValue) const override
    {
        return (static_cast<double>(ConstrainRealValue(realValue)) - static_cast<double>(m_Minimum)) /
               (static_cast<double>(m_Maximum) - static_cast<double>(m_Minimum));
    }

private:
    T m_Minimum;
    T m_Maximum;
};
