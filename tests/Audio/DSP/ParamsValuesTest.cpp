#include "Veltis/Audio/DSP/CConstParamsValuesMux.h"
#include "Veltis/Audio/DSP/CDynamicParamsVariations.h"
#include "Veltis/Audio/DSP/CParamsValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace Veltis::Audio::DSP;

namespace {

// The value at sample k as a filter advancing its terms after each sample sees it.
std::vector<float> Trajectory(const CDynamicParamsVariations& variations, int samples, int stride)
{
    const int sets = variations.GetCount();
    float terms[3] = {};
    for (int s = 0; s < sets; ++s)
        terms[s] = variations.GetAt(s).GetValue(0);
    std::vector<float> values;
    for (int k = 0; k < samples; ++k) {
        if (k % stride == 0)
            values.push_back(terms[0]);
        terms[1] += terms[2];
        terms[0] += terms[1];
    }
    return values;
}

void Fill(CDynamicParamsVariations& variations, const std::vector<std::vector<float>>& sets)
{
    variations.SetCount(static_cast<int>(sets.size()));
    for (size_t s = 0; s < sets.size(); ++s) {
        variations.GetAt(static_cast<int>(s)).SetSize(static_cast<int>(sets[s].size()), false);
        for (size_t i = 0; i < sets[s].size(); ++i)
            variations.GetAt(static_cast<int>(s)).SetValue(static_cast<int>(i), sets[s][i]);
    }
}

} // namespace

TEST(ParamsValues, RangeCheckedReadsAndWrites)
{
    const float initial[3] = {1, 2, 3};
    CParamsValues values(3, initial);
    EXPECT_EQ(values.GetValue(2), 3.0f);
    EXPECT_EQ(values.GetValue(3), 0.0f);
    EXPECT_EQ(values.GetValue(-1), 0.0f);
    values.SetValue(3, 9.0f);
    values.SetValue(-1, 9.0f);
    EXPECT_EQ(CParamsValues(values).GetValue(1), 2.0f);
    EXPECT_EQ(CParamsValues(2).GetValue(1), 0.0f);
    EXPECT_EQ(CParamsValues(-4).GetCount(), 0);
    EXPECT_EQ(CParamsValues(0).GetValue(0), 0.0f);
}

TEST(ParamsValues, MuxShowsTheFirstVectorThenTheSecond)
{
    const float a[2] = {1, 2}, b[3] = {3, 4, 5};
    CParamsValues first(2, a), second(3, b);
    CConstParamsValuesMux mux(first, second);
    EXPECT_EQ(mux.GetCount(), 5);
    EXPECT_EQ(mux.GetValue(2), 3.0f);
    EXPECT_EQ(mux.GetValue(4), 5.0f);
    const float c[1] = {6};
    CParamsValues third(1, c);
    mux.SetSources(third, first);
    EXPECT_EQ(mux.GetCount(), 3);
    EXPECT_EQ(mux.GetValue(1), 1.0f);
}

TEST(ParamsVariations, SetsDescribeTheTrajectoryAndAdaptToTwiceTheRate)
{
    CDynamicParamsVariations ramp;
    Fill(ramp, {{0}, {0.25f}});
    EXPECT_EQ(Trajectory(ramp, 4, 1), (std::vector<float>{0, 0.25f, 0.5f, 0.75f}));

    CDynamicParamsVariations curve;
    Fill(curve, {{0}, {1}, {2}});
    EXPECT_EQ(Trajectory(curve, 4, 1), (std::vector<float>{0, 3, 8, 15}));
    AdaptParamsVariationsToDoubleRate(curve);
    EXPECT_EQ(curve.GetAt(1).GetValue(0), 0.75f);
    EXPECT_EQ(curve.GetAt(2).GetValue(0), 0.5f);
    EXPECT_EQ(Trajectory(curve, 8, 2), (std::vector<float>{0, 3, 8, 15}));

    AdaptParamsVariationsToDoubleRate(ramp);
    EXPECT_EQ(ramp.GetAt(1).GetValue(0), 0.125f);
    EXPECT_EQ(ramp.GetAt(0).GetValue(0), 0.0f);
}

TEST(ParamsVariations, TrimDropsTrailingSetsWithoutChange)
{
    struct Case {
        const char* name;
        std::vector<std::vector<float>> sets;
        int kept;
    };
    const Case kCases[] = {
        {"set 2 all zero", {{1, 1}, {0, 0.5f}, {0, 0}}, 2},
        {"set 1 all zero", {{1, 1}, {0, 0}}, 1},
        {"one zero set", {{0, 0}}, 1},
        {"no set", {}, 0},
        {"not a number is no change", {{1}, {NAN}}, 1},
        {"empty sets", {{1}, {}, {}}, 1},
        {"last set changes", {{1}, {0}, {-1e-30f}}, 3},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CDynamicParamsVariations variations;
        Fill(variations, c.sets);
        TrimParamsVariations(variations);
        EXPECT_EQ(variations.GetCount(), c.kept);
    }
}

TEST(ParamsVariations, SetCountsChangeWithinCapacityAndKeepTheSets)
{
    CDynamicParamsVariations variations(3, 4);
    variations.GetAt(2).SetValue(3, 7.0f);
    const float* storage = variations.GetAt(2).GetData();
    variations.SetCount(0);
    variations.SetCount(3);
    EXPECT_EQ(variations.GetCapacity(), 3);
    EXPECT_EQ(variations.GetAt(2).GetData(), storage);
    EXPECT_EQ(variations.GetAt(2).GetValue(3), 7.0f);

    // Sets kept beyond the count are sized too, so that showing them again allocates nothing.
    variations.SetCount(1);
    variations.SetParamsCount(2);
    variations.SetCount(3);
    EXPECT_EQ(variations.GetAt(2).GetCount(), 2);
    EXPECT_EQ(variations.GetAt(2).GetCapacity(), 4);
    variations.SetParamsCount(1, true);
    EXPECT_EQ(variations.GetAt(2).GetCapacity(), 1);
}
