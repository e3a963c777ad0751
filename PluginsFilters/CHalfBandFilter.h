#pragma once

#include <cstdint>
#include <cstring>
#include <memory>

namespace PluginsFilters {

// A polyphase IIR half-band low-pass at the doubled rate: two branches of cascaded second-order allpass
// sections, H(z) = 0.5 (A(z) + z^-1 B(z)), cut at a quarter of the rate it runs at. Coefficient sets of
// two design families (soft and steep) with 1 to 6 sections per branch.
class CHalfBandFilter {
public:
    // One section y[n] = a (x[n] - y[n-2]) + x[n-2], its histories most recent first.
    struct AllpassSection {
        double a;
        double x1, x2, x3;
        double y1, y2, y3;
    };

    enum { kMaxSections = 6 };

    // Room for capacity sections per branch, all zero, then soft set 4.
    explicit CHalfBandFilter(int capacity);
    CHalfBandFilter(const CHalfBandFilter&) = delete;
    CHalfBandFilter& operator=(const CHalfBandFilter&) = delete;

    // n sections per branch of the soft or steep family, at most the capacity. Soft: 0 or above 6 is
    // set 4; steep: above 6 is set 4, 0 is no section at all.
    void SetCoefficients(int n, bool steep);
    // Histories to zero; coefficients stay.
    void Clear();

    // One sample at the doubled rate: 0.5 (A(x[n]) + B(x[n-1])), in double.
    double Step(double x)
    {
        const double a = RunBranch(m_branchA.get(), m_countA, x);
        const double out = 0.5 * (a + m_previousB);
        m_previousB = RunBranch(m_branchB.get(), m_countB, x);
        return out;
    }

    // The two output samples of one input sample when interpolating by 2, equal bit for bit to Step(s)
    // and Step(0): with zeros between the input samples the odd phase of every section stays at zero, so
    // each branch runs on the even phase only. Valid for a filter only ever run this way since cleared.
    void InterpolatePair(double s, double& first, double& second)
    {
        const double a = RunPhase(m_branchA.get(), m_countA, s);
        first = 0.5 * (a + m_previousB);
        m_previousB = RunPhase(m_branchB.get(), m_countB, s);
        second = 0.5 * (0.0 + m_previousB);
        m_previousB = 0.0;
    }

    // The one output sample of a pair when decimating by 2, equal bit for bit to Step(p0) followed by a
    // discarded Step(p1): branch A is read only at even samples and branch B only at odd ones, so each
    // runs on its own phase. Valid for a filter only ever run this way since cleared.
    double DecimatePair(double p0, double p1)
    {
        const double a = RunPhase(m_branchA.get(), m_countA, p0);
        const double out = 0.5 * (a + m_previousB);
        m_previousB = RunPhase(m_branchB.get(), m_countB, p1);
        return out;
    }

    // Clears the filter when a non-finite sample has entered its recursive histories, which it would
    // otherwise never leave.
    void RecoverFromNonFinite();

    int GetCapacity() const { return m_capacity; }
    int GetSectionCount(int branch) const { return branch == 0 ? m_countA : m_countB; }
    const AllpassSection& GetSection(int branch, int index) const
    {
        return branch == 0 ? m_branchA[index] : m_branchB[index];
    }
    double GetPreviousB() const { return m_previousB; }

    // The coefficient list of one branch (0 for A, 1 for B) of a set, n sections long; null for n
    // outside 1 to 6.
    static const double* GetCoefficients(int n, bool steep, int branch);

private:
    // Zero, denormals and the smallest binade: keeps the recursion out of denormal arithmetic.
    static double FlushTiny(double y)
    {
        uint64_t bits;
        std::memcpy(&bits, &y, sizeof bits);
        return (static_cast<uint32_t>(bits >> 32) & 0x7FE00000u) == 0 ? 0.0 : y;
    }

    // A branch's output as a float, zero when its exponent is 0.
    static double FlushedFloat(double x)
    {
        const float f = static_cast<float>(x);
        uint32_t bits;
        std::memcpy(&bits, &f, sizeof bits);
        return (bits & 0x7F800000u) == 0 ? 0.0f : f;
    }

    // The sections in array order in double, one sample of the doubled rate.
    static double RunBranch(AllpassSection* sections, int count, double x)
    {
        for (int i = 0; i < count; ++i) {
            AllpassSection& s = sections[i];
            s.x3 = s.x2;
            s.x2 = s.x1;
            s.x1 = x;
            s.y3 = s.y2;
            s.y2 = s.y1;
            s.y1 = FlushTiny((x - s.y3) * s.a + s.x3);
            x = s.y1;
        }
        return FlushedFloat(x);
    }

    // The same for one phase only: x1 and y1 hold the previous input and output of that phase, which
    // the full form keeps in x3 and y3 when the phase comes round again.
    static double RunPhase(AllpassSection* sections, int count, double x)
    {
        for (int i = 0; i < count; ++i) {
            AllpassSection& s = sections[i];
            const double y = FlushTiny((x - s.y1) * s.a + s.x1);
            s.x1 = x;
            s.y1 = y;
            x = y;
        }
        return FlushedFloat(x);
    }
    static void ClearSection(AllpassSection& section);

    std::unique_ptr<AllpassSection[]> m_branchA;
    std::unique_ptr<AllpassSection[]> m_branchB;
    int m_capacity;
    int m_countA;
    int m_countB;
    double m_previousB;
};

} // namespace PluginsFilters
