#include "Veltis/Audio/DSP/Algorithm/BiquadDesigns.h"
#include "Veltis/Audio/DSP/Algorithm/CBiquadPair.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

using namespace Veltis::Audio::DSP::Algorithm;

namespace {

bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }
bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool SameHistory(const CBiquad& a, const CBiquad& b)
{
    return SameBits(a.x1, b.x1) && SameBits(a.x2, b.x2) && SameBits(a.y1, b.y1) && SameBits(a.y2, b.y2);
}

} // namespace

// Each lane must give the bits of its own scalar section, whatever happens in the other lane: the rare
// outputs (zero, subnormal, a runaway, infinity, NaN) of one lane leave the other lane's history alone.
TEST(CBiquadPairTest, EachLaneMatchesItsScalarSectionBitForBit)
{
    const float kNaN = std::numeric_limits<float>::quiet_NaN();
    const float kInf = std::numeric_limits<float>::infinity();
    const float kHuge = 3e38f;    // overflows to infinity through a gain above 1
    const float kTiny = 1e-40f;   // subnormal in, subnormal or zero out
    struct Case {
        const char* name;
        std::vector<float> left, right;
    };
    const Case kCases[] = {
        {"plain signals", {0.5f, -0.25f, 0.125f, 0.7f, -0.9f, 0.3f}, {-0.1f, 0.2f, 0.6f, -0.6f, 0.05f, 0.0f}},
        {"silence in both lanes", {0.0f, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 0.0f}},
        {"signal, then silence in one lane", {0.5f, 0.0f, 0.0f, 0.0f, 0.0f}, {0.5f, 0.4f, 0.3f, 0.2f, 0.1f}},
        {"subnormals in one lane", {kTiny, -kTiny, kTiny, 0.25f}, {0.25f, 0.5f, -0.5f, 0.25f}},
        {"NaN in the left lane", {0.5f, kNaN, 0.25f, 0.25f, 0.1f}, {0.5f, 0.5f, 0.25f, 0.25f, 0.1f}},
        {"infinity in the right lane", {0.5f, 0.5f, 0.25f, 0.25f}, {0.5f, kInf, 0.25f, -0.25f}},
        {"overflow in one lane, NaN in the other", {kHuge, 0.5f, 0.1f, 0.2f}, {kNaN, 0.5f, 0.1f, 0.2f}},
        {"a finite runaway in one lane", {1e6f, 0.5f, 0.1f, 0.2f}, {0.5f, 0.4f, 0.3f, 0.2f}},
        {"both lanes rare at once", {kNaN, kTiny, 0.0f, 0.5f}, {kInf, 0.0f, kTiny, 0.5f}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CBiquad left, right;
        DesignPeak({0.2f, 0.4f, 4.0f}, left);
        DesignLowShelf({0.05f, 2.5f}, right);
        // History from an earlier signal, so that a restart shows.
        for (float x : {0.3f, -0.2f, 0.1f}) {
            left.ProcessSample(x);
            right.ProcessSample(-x);
        }
        CBiquadPair pair;
        pair.Load(left, right);
        for (size_t k = 0; k < c.left.size(); ++k) {
            SCOPED_TRACE(k);
            const CBiquadPair::FloatLanes out = pair.ProcessSample(CBiquadPair::FloatLanes{c.left[k], c.right[k]});
            EXPECT_TRUE(SameBits(out[0], left.ProcessSample(c.left[k])));
            EXPECT_TRUE(SameBits(out[1], right.ProcessSample(c.right[k])));
            CBiquad storedLeft = left, storedRight = right;
            pair.Store(storedLeft, storedRight);
            EXPECT_TRUE(SameHistory(storedLeft, left));
            EXPECT_TRUE(SameHistory(storedRight, right));
        }
    }
}

TEST(CBiquadPairTest, StoreReturnsTheHistoriesAndLeavesTheCoefficients)
{
    CBiquad left, right;
    DesignHighPass({0.1f}, left);
    DesignLowPass({0.3f}, right);
    left.x1 = 1.0;
    right.y2 = -2.0;
    CBiquadPair pair;
    pair.Load(left, right);
    CBiquad a, b;
    pair.Store(a, b);
    EXPECT_EQ(a.x1, 1.0);
    EXPECT_EQ(b.y2, -2.0);
    EXPECT_EQ(a.b0, 0.0);
    EXPECT_EQ(b.c1, 0.0);
}
