#pragma once

#include "Veltis/Audio/DSP/Algorithm/CBiquad.h"

#include <cstdint>

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Algorithm {

// Two sections of the same place in two independent chains (the left and the right channel) in the two
// lanes of a vector: each lane performs exactly the operations of CBiquad::ProcessSample in the same
// order, so both outputs keep their bits while one instruction serves both channels.
class CBiquadPair {
public:
    typedef double Lanes __attribute__((vector_size(16)));
    typedef float FloatLanes __attribute__((vector_size(8)));
    typedef int32_t MaskLanes __attribute__((vector_size(8)));
    typedef int64_t WideMaskLanes __attribute__((vector_size(16)));

    void Load(const CBiquad& left, const CBiquad& right)
    {
        b0 = Lanes{left.b0, right.b0};
        b1 = Lanes{left.b1, right.b1};
        b2 = Lanes{left.b2, right.b2};
        c1 = Lanes{left.c1, right.c1};
        c2 = Lanes{left.c2, right.c2};
        x1 = Lanes{left.x1, right.x1};
        x2 = Lanes{left.x2, right.x2};
        y1 = Lanes{left.y1, right.y1};
        y2 = Lanes{left.y2, right.y2};
    }

    // The histories go back; the coefficients never change here.
    void Store(CBiquad& left, CBiquad& right) const
    {
        left.x1 = x1[0];
        left.x2 = x2[0];
        left.y1 = y1[0];
        left.y2 = y2[0];
        right.x1 = x1[1];
        right.x2 = x2[1];
        right.y1 = y1[1];
        right.y2 = y2[1];
    }

    // Forced inline: a call would keep the sections' state in memory across the callers' sample loops.
    __attribute__((always_inline)) FloatLanes ProcessSample(FloatLanes input)
    {
        const Lanes x = __builtin_convertvector(input, Lanes);
        Lanes acc = (((x2 * b2 + x1 * b1) + y1 * c1) + y2 * c2) + x * b0;
        FloatLanes out = __builtin_convertvector(acc, FloatLanes);
        // The exponent fields of both outputs: all 0 (zero, subnormal) or from the runaway bound up (a
        // runaway, not finite) are rare.
        MaskLanes exponent;
        __builtin_memcpy(&exponent, &out, sizeof exponent);
        exponent &= kExponentMask;
        const MaskLanes zero = exponent == 0;
        const MaskLanes runaway = exponent >= static_cast<int32_t>(kRunawayExponentBits << 23);
        const MaskLanes rare = zero | runaway;
        int64_t any;
        __builtin_memcpy(&any, &rare, sizeof any);
        if (__builtin_expect(any != 0, 0)) {
            // As the scalar section: a zero or subnormal output is written and fed back as 0; a non-finite
            // one is written unchanged and a finite runaway as 0, and both restart that lane's history.
            MaskLanes bits;
            __builtin_memcpy(&bits, &out, sizeof bits);
            bits &= ~(zero | (runaway & (exponent != kExponentMask)));
            __builtin_memcpy(&out, &bits, sizeof out);
            acc = (Lanes)((WideMaskLanes)acc & ~__builtin_convertvector(zero, WideMaskLanes));
            const WideMaskLanes keep = ~__builtin_convertvector(rare & ~zero, WideMaskLanes);
            x2 = (Lanes)((WideMaskLanes)x1 & keep);
            x1 = (Lanes)((WideMaskLanes)x & keep);
            y2 = (Lanes)((WideMaskLanes)y1 & keep);
            y1 = (Lanes)((WideMaskLanes)acc & keep);
            return out;
        }
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = acc;
        return out;
    }

    Lanes b0, b1, b2, c1, c2;
    Lanes x1, x2, y1, y2;

private:
    static constexpr int32_t kExponentMask = 0x7F800000;
};

} // namespace Algorithm
} // namespace DSP
} // namespace Audio
} // namespace Veltis
