#include "Veltis/Graphics/CHSVColorRange.h"

#include <gtest/gtest.h>

#include <limits>

using Veltis::Core::CColor;
using Veltis::Graphics::CHSVColorRange;

namespace VeltisTest {
namespace {

void ExpectColor(const CColor& actual, int r, int g, int b)
{
    EXPECT_EQ(actual.r, r);
    EXPECT_EQ(actual.g, g);
    EXPECT_EQ(actual.b, b);
}

TEST(CHSVColorRangeTest, DefaultRangeRunsFromBlackToWhite)
{
    CHSVColorRange range;
    struct Case {
        float position;
        int grey;
    };
    // Outside 0..1 the components are kept within a byte instead of wrapping.
    const Case kCases[] = {{0, 0}, {0.5f, 127}, {1, 255}, {2, 255}, {-1, 0}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.position);
        CColor color(1, 2, 3);
        range.GetColor(c.position, color);
        ExpectColor(color, c.grey, c.grey, c.grey);
    }
    float r = -1, g = -1, b = -1;
    range.GetColorF(0.5f, r, g, b);
    EXPECT_FLOAT_EQ(r, 127.5f * 0.003921569f);
    EXPECT_EQ(r, g);
    EXPECT_EQ(r, b);
}

TEST(CHSVColorRangeTest, HueIsInterpolatedWithoutWrappingRound)
{
    struct Case {
        const char* name;
        CColor low, high;
        float position;
        float r, g, b;
    };
    const Case kCases[] = {
        {"red to green", {255, 0, 0}, {0, 255, 0}, 0.5f, 1, 1, 0},
        // Hue 0 to hue 4 passes through green, not magenta.
        {"red to blue", {255, 0, 0}, {0, 0, 255}, 0.5f, 0, 1, 0},
        // Hue 5.498 to hue 0 passes hue 2.749.
        {"pink to red", {255, 0, 128}, {255, 0, 0}, 0.5f, 0, 1, 0.749f},
        {"pink itself", {255, 0, 128}, {255, 0, 128}, 0.3f, 1, 0, 128 / 255.0f},
        {"black end", {0, 0, 0}, {255, 0, 0}, 0, 0, 0, 0},
        // A grey end has hue 0.
        {"grey to red", {100, 100, 100}, {255, 0, 0}, 0.5f, 177.5f / 255, 88.75f / 255, 88.75f / 255},
        {"grey itself", {100, 100, 100}, {255, 0, 0}, 0, 100 / 255.0f, 100 / 255.0f, 100 / 255.0f},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CHSVColorRange range;
        range.SetLowColor(c.low);
        range.SetHighColor(c.high);
        float r = -1, g = -1, b = -1;
        range.GetColorF(c.position, r, g, b);
        EXPECT_NEAR(r, c.r, 1e-4);
        EXPECT_NEAR(g, c.g, 1e-4);
        EXPECT_NEAR(b, c.b, 1e-4);
        CColor color;
        range.GetColor(c.position, color);
        // Truncated, so a float just below a whole number loses one.
        EXPECT_NEAR(color.r, static_cast<int>(c.r * 255), 1);
        EXPECT_NEAR(color.g, static_cast<int>(c.g * 255), 1);
        EXPECT_NEAR(color.b, static_cast<int>(c.b * 255), 1);
    }

    CHSVColorRange redToGreen;
    redToGreen.SetLowColor(CColor(255, 0, 0));
    redToGreen.SetHighColor(CColor(0, 255, 0));
    CColor midpoint;
    redToGreen.GetColor(0.5f, midpoint);
    ExpectColor(midpoint, 255, 255, 0);
    CHSVColorRange greyToRed;
    greyToRed.SetLowColor(CColor(100, 100, 100));
    greyToRed.SetHighColor(CColor(255, 0, 0));
    greyToRed.GetColor(0.5f, midpoint);
    ExpectColor(midpoint, 177, 88, 88);
}

TEST(CHSVColorRangeTest, HuesOutsideTheSectorsLeaveTheColourAlone)
{
    CHSVColorRange range;
    range.SetLowColor(CColor(255, 0, 0));
    range.SetHighColor(CColor(255, 0, 128));
    const float kPositions[] = {1.2f, -0.3f, std::numeric_limits<float>::quiet_NaN(),
                                std::numeric_limits<float>::infinity()};
    for (float position : kPositions) {
        SCOPED_TRACE(position);
        CColor color(1, 2, 3);
        range.GetColor(position, color);
        ExpectColor(color, 1, 2, 3);
        float r = 7, g = 8, b = 9;
        range.GetColorF(position, r, g, b);
        EXPECT_EQ(r, 7);
        EXPECT_EQ(g, 8);
        EXPECT_EQ(b, 9);
    }
    // Truncation puts hue -0.5 into sector 0.
    CColor color(1, 2, 3);
    range.GetColor(-0.09f, color);
    EXPECT_EQ(color.r, 255);
}

} // namespace
} // namespace VeltisTest
