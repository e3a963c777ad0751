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
    // The sections in array order in double; the result as a float, zero when its exponent is 0.
    static double RunBranch(AllpassSection* sections, int count, double x)
    {
        for (int i = 0; i < count; ++i) {
            AllpassSection& s = sections[i];
            s.x3 = s.x2;
            s.x2 = s.x1;
            s.x1 = x;
            s.y3 = s.y2;
            s.y2 = s.y1;
            double y = (x - s.y3) * s.a + s.x3;
            // Zero, denormals and the smallest binade: keeps the recursion out of denormal arithmetic.
            uint64_t bits;
            std::memcpy(&bits, &y, sizeof bits);
            if ((static_cast<uint32_t>(bits >> 32) & 0x7FE00000u) == 0)
                y = 0.0;
            s.y1 = y;
            x = y;
        }
        float f = static_cast<float>(x);
        uint32_t fbits;
        std::memcpy(&fbits, &f, sizeof fbits);
        return (fbits & 0x7F800000u) == 0 ? 0.0f : f;
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
