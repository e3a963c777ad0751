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
    typedef uint32_t BitLanes __attribute__((vector_size(8)));

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

    FloatLanes ProcessSample(FloatLanes input)
    {
        const Lanes x = __builtin_convertvector(input, Lanes);
        Lanes acc = (((x2 * b2 + x1 * b1) + y1 * c1) + y2 * c2) + x * b0;
        FloatLanes out = __builtin_convertvector(acc, FloatLanes);
        BitLanes exponent;
        __builtin_memcpy(&exponent, &out, sizeof exponent);
        exponent = (exponent >> 23) & 0xFFu;
        // The one unsigned comparison of IsZeroSubnormalOrNotFinite, in both lanes.
        const auto rare = exponent - 1u >= 254u;
        // The rare lanes as the scalar section treats them, inline for the reason CBiquad gives.
        if (__builtin_expect((rare[0] | rare[1]) != 0, 0)) {
            Lanes keep = Lanes{1.0, 1.0};
            for (int lane = 0; lane < 2; ++lane) {
                if (!rare[lane])
                    continue;
                if (exponent[lane] == 0u) {
                    out[lane] = 0.0f;
                    acc[lane] = 0.0;
                } else {
                    keep[lane] = 0.0;
                }
            }
            if (keep[0] == 0.0 || keep[1] == 0.0) {
                // A non-finite lane restarts its whole history and is written unchanged.
                Lanes nx1 = x, nx2 = x1, ny1 = acc, ny2 = y1;
                for (int lane = 0; lane < 2; ++lane) {
                    if (keep[lane] == 0.0)
                        nx1[lane] = nx2[lane] = ny1[lane] = ny2[lane] = 0.0;
                }
                x2 = nx2;
                x1 = nx1;
                y2 = ny2;
                y1 = ny1;
                return out;
            }
        }
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = acc;
        return out;
    }

    Lanes b0, b1, b2, c1, c2;
    Lanes x1, x2, y1, y2;
};

} // namespace Algorithm
} // namespace DSP
} // namespace Audio
} // namespace Veltis
