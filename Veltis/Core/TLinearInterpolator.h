#pragma once

namespace Veltis {
namespace Core {

// Reads a sampled function between two neighbouring samples. Stateless.
template <class X, class Y>
class TLinearInterpolator {
public:
    // table[index + 1] must exist; fraction is the position past table[index], in samples.
    Y Interpolate(const Y* table, int index, X fraction) const
    {
        return table[index] + (table[index + 1] - table[index]) * fraction;
    }
};

} // namespace Core
} // namespace Veltis
