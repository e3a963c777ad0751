#include "Veltis/Math/CSweptValues.h"
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Runtime/CObjectsFactory.h"

#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

using namespace Veltis::Math;

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

// Samples (0, 1) and (1, 3) in a ring of 2, default value -7.
CSweptValues MakeTwoSamples()
{
    CSweptValues swept;
    swept.SetMaxPointsCount(2);
    swept.SetDefaultValue(-7.0f);
    swept.AddPoint(0.0f, 1.0f);
    swept.AddPoint(1.0f, 3.0f);
    return swept;
}

TEST(CSweptValues, DefaultValueBeforeAnySample)
{
    CSweptValues swept;
    EXPECT_EQ(swept.GetValue(0.0f), 0.0f);
    swept.SetDefaultValue(2.0f);
    swept.SetMaxPointsCount(4);
    for (float x : {0.0f, -1.0f, 5.0f, kNaN})
        EXPECT_EQ(swept.GetValue(x), 2.0f);
}

TEST(CSweptValues, OneSampleGivesItsValueOnlyFromTheNewestOn)
{
    CSweptValues swept;
    swept.SetMaxPointsCount(4);
    swept.SetDefaultValue(-1.0f);
    ASSERT_TRUE(swept.AddPoint(3.0f, 9.0f));
    EXPECT_EQ(swept.GetValue(0.0f), 9.0f);
    EXPECT_EQ(swept.GetValue(2.0f), 9.0f);
    EXPECT_EQ(swept.GetValue(-0.5f), -1.0f);
}

TEST(CSweptValues, InterpolatesBetweenSamplesAndGivesTheDefaultOutsideTheSpan)
{
    const CSweptValues swept = MakeTwoSamples();
    struct Case {
        float x;
        float expected;
    };
    const Case kCases[] = {
        {-0.5f, 2.0f}, {-0.25f, 2.5f}, {0.0f, 3.0f}, {0.5f, 3.0f}, {-1.0f, -7.0f}, {-2.0f, -7.0f}, {kNaN, -7.0f},
        {-kInf, -7.0f},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(swept.GetValue(c.x), c.expected);
    }
}

TEST(CSweptValues, WrappedRingKeepsTheNewestSamples)
{
    CSweptValues swept;
    swept.SetMaxPointsCount(4);
    swept.SetDefaultValue(-1.0f);
    for (int i = 0; i <= 5; ++i)
        ASSERT_TRUE(swept.AddPoint(static_cast<float>(i), static_cast<float>(10 + i)));
    EXPECT_EQ(swept.GetPointsCount(), 4);
    EXPECT_EQ(swept.GetCurrentIndex(), 1);
    EXPECT_EQ(swept.GetPointsPerSecond(), 1.0f);
    EXPECT_EQ(swept.GetValue(-2.5f), 12.5f);
    EXPECT_EQ(swept.GetValue(-0.5f), 14.5f);
    EXPECT_EQ(swept.GetValue(-3.0f), -1.0f);
}

TEST(CSweptValues, PointsPerSecondFollowsTheSampleDensity)
{
    CSweptValues swept;
    swept.SetMaxPointsCount(8);
    swept.AddPoint(0.0f, 0.0f);
    swept.AddPoint(0.05f, 0.0f);
    swept.AddPoint(0.1f, 0.0f);
    EXPECT_NEAR(swept.GetPointsPerSecond(), 20.0f, 1e-4f);
}

TEST(CSweptValues, RefusesTimesThatDoNotIncrease)
{
    CSweptValues swept = MakeTwoSamples();
    EXPECT_FALSE(swept.AddPoint(1.0f, 100.0f));
    EXPECT_FALSE(swept.AddPoint(0.5f, 100.0f));
    EXPECT_FALSE(swept.AddPoint(kNaN, 100.0f));
    EXPECT_EQ(swept.GetPointsCount(), 2);
    EXPECT_EQ(swept.GetValue(0.0f), 3.0f);
    EXPECT_EQ(swept.GetValue(-0.5f), 2.0f);

    // Without a ring nothing can be stored.
    CSweptValues noRing;
    EXPECT_FALSE(noRing.AddPoint(0.0f, 1.0f));
    EXPECT_EQ(noRing.GetValue(0.0f), 0.0f);
}

TEST(CSweptValues, SetMaxPointsCountRoundsToAPowerOfTwoAndDropsEverySample)
{
    struct Case {
        int n;
        int ringSize;
    };
    const Case kCases[] = {{0, 1}, {1, 2}, {2, 2}, {3, 4}, {5, 8}, {7, 8}, {8, 8}, {9, 16}, {100, 128}, {-5, 1},
                           {INT_MAX, 1 << 30}, {(1 << 30) + 1, 1 << 30}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(CSweptValues::GetRingSize(c.n), c.ringSize);
    }
    for (const Case& c : kCases) {
        if (c.ringSize > 128)
            continue;
        SCOPED_TRACE(c.n);
        CSweptValues swept = MakeTwoSamples();
        swept.SetMaxPointsCount(c.n);
        EXPECT_EQ(swept.GetMaxPointsCount(), c.ringSize);
        EXPECT_EQ(swept.GetPointsCount(), 0);
        EXPECT_EQ(swept.GetValue(0.0f), -7.0f);
        ASSERT_TRUE(swept.AddPoint(5.0f, 1.0f));
        EXPECT_EQ(swept.GetCurrentIndex(), 0);
    }
    // Even an unchanged size drops the samples.
    CSweptValues swept = MakeTwoSamples();
    swept.SetMaxPointsCount(2);
    EXPECT_EQ(swept.GetValue(-0.5f), -7.0f);
    EXPECT_TRUE(swept.AddPoint(-10.0f, 0.0f));
}

TEST(CSweptValues, StartOffsetSaturatesAndMapsNaNToTheLowerBound)
{
    struct Case {
        float x;
        float pointsPerSecond;
        int expected;
    };
    const Case kCases[] = {
        {-2.5f, 1.0f, -2},      {-0.2f, 1.0f, 0},         {-1.0f, 20.0f, -19},         {-1e30f, 1e10f, INT_MIN},
        {1e30f, 1e10f, INT_MAX}, {kNaN, 1.0f, INT_MIN},   {-1.0f, kNaN, INT_MIN},      {-kInf, 1.0f, INT_MIN},
        {-1.0f, kInf, INT_MIN}, {-3e9f, 1.0f, INT_MIN},   {3e9f, 1.0f, INT_MAX},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.x << " * " << c.pointsPerSecond);
        EXPECT_EQ(CSweptValues::GetStartOffset(c.x, c.pointsPerSecond), c.expected);
    }
}

// The bracket does not depend on where the search starts: uneven spacing, where the density estimate is
// far off, gives the same values as evenly spaced samples would.
TEST(CSweptValues, UnevenSpacingFindsTheSameBracketAsALinearScan)
{
    CSweptValues swept;
    swept.SetMaxPointsCount(64);
    float times[100];
    float t = 0.0f;
    for (int i = 0; i < 100; ++i) {
        t += (i % 10 == 0) ? 5.0f : 0.01f * static_cast<float>(1 + i % 3);
        times[i] = t;
        ASSERT_TRUE(swept.AddPoint(t, static_cast<float>(i)));
    }
    const float newest = times[99];
    for (int k = 0; k < 400; ++k) {
        const float x = -static_cast<float>(k) * 0.2f - 0.003f;
        const float target = newest + x;
        float expected = 0.0f;
        if (target > times[36]) {
            int i = 36;
            while (!(target <= times[i + 1]))
                ++i;
            expected = (target - times[i]) / (times[i + 1] - times[i]) * 1.0f + static_cast<float>(i);
        }
        SCOPED_TRACE(x);
        EXPECT_EQ(swept.GetValue(x), expected);
    }
}

TEST(CSweptValues, CloneEvaluatesLikeItsSource)
{
    CSweptValues swept;
    swept.SetMaxPointsCount(4);
    for (int i = 0; i < 6; ++i)
        swept.AddPoint(0.5f * static_cast<float>(i), static_cast<float>(i * i));
    std::unique_ptr<IFunction> clone(swept.Clone());
    const CSweptValues& copy = dynamic_cast<const CSweptValues&>(*clone);
    EXPECT_EQ(copy.GetPointsCount(), swept.GetPointsCount());
    EXPECT_EQ(copy.GetMaxPointsCount(), swept.GetMaxPointsCount());
    for (float x = 0.5f; x > -3.0f; x -= 0.125f)
        EXPECT_EQ(clone->GetValue(x), swept.GetValue(x)) << x;
}

TEST(CSweptValues, WrappedRingRoundTripsSlotBySlot)
{
    CSweptValues swept;
    swept.SetMaxPointsCount(4);
    swept.SetDefaultValue(-3.0f);
    swept.SetDuration(2.5f);
    for (int i = 0; i <= 5; ++i)
        swept.AddPoint(static_cast<float>(i), static_cast<float>(10 + i));
    const std::string text = VeltisTest::WriteMemberToXml(&swept);
    // Slot 0 holds the sample of time 4, not the oldest one.
    EXPECT_NE(text.find("<value0>14</value0>"), std::string::npos);
    EXPECT_NE(text.find("<valueCount>4</valueCount>"), std::string::npos);
    bool ok = false;
    std::unique_ptr<IFunction> read(VeltisTest::RoundTripThroughXml<IFunction>(swept, &ok));
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(ok);
    const CSweptValues& copy = dynamic_cast<const CSweptValues&>(*read);
    EXPECT_EQ(copy.GetDuration(), 2.5f);
    EXPECT_EQ(copy.GetPointsCount(), 4);
    for (float x = 0.5f; x > -4.0f; x -= 0.25f)
        EXPECT_EQ(read->GetValue(x), swept.GetValue(x)) << x;
}

// The persisted body of a ring: its values and times, mask, newest slot and sample count.
std::string RingBody(int values, int times, int mask, int currentIndex, int pointsCount, bool withVersion = true)
{
    std::string body = withVersion ? "<version>1</version>" : "";
    std::string items = "<valueCount>" + std::to_string(values) + "</valueCount>";
    for (int i = 0; i < values; ++i)
        items += "<value" + std::to_string(i) + ">" + std::to_string(i) + "</value" + std::to_string(i) + ">";
    body += VeltisTest::Element("values", items);
    items = "<timeCount>" + std::to_string(times) + "</timeCount>";
    for (int i = 0; i < times; ++i)
        items += "<time" + std::to_string(i) + ">" + std::to_string(i) + "</time" + std::to_string(i) + ">";
    body += VeltisTest::Element("times", items);
    body += "<currentIndex>" + std::to_string(currentIndex) + "</currentIndex><mask>" + std::to_string(mask) +
            "</mask><pointsCount>" + std::to_string(pointsCount) +
            "</pointsCount><duration>1</duration><pointsPerSecond>1</pointsPerSecond><defaultValue>5</defaultValue>";
    return body;
}

std::string NegativeValueCount(std::string body)
{
    const std::string count = "<valueCount>8</valueCount>";
    return body.replace(body.find(count), count.size(), "<valueCount>-8</valueCount>");
}

TEST(CSweptValues, PersistenceRejectsInconsistentRings)
{
    struct Case {
        const char* name;
        std::string body;
        bool kept;
    };
    const Case kCases[] = {
        {"consistent", RingBody(8, 8, 7, 7, 8), true},
        {"wrong mask", RingBody(8, 8, 3, 3, 4), false},
        {"sizes differ", RingBody(8, 4, 7, 3, 4), false},
        {"not a power of two", RingBody(6, 6, 5, 5, 6), false},
        {"below two", RingBody(1, 1, 0, 0, 1), false},
        {"too many samples", RingBody(8, 8, 7, 7, 9), false},
        {"negative sample count", RingBody(8, 8, 7, 7, -1), false},
        {"newest slot outside", RingBody(8, 8, 7, 8, 2), false},
        {"newest slot far outside", RingBody(8, 8, 7, INT_MAX, 0), false},
        {"no newest slot with samples", RingBody(8, 8, 7, -1, 2), false},
        {"missing vector", "<mask>7</mask><currentIndex>0</currentIndex><pointsCount>1</pointsCount>", false},
        {"negative count", NegativeValueCount(RingBody(8, 8, 7, 7, 8)), false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        auto document = VeltisTest::LoadXmlBody(c.body);
        CSweptValues swept = MakeTwoSamples();
        EXPECT_EQ(swept.DeSerialize(*document), c.kept);
        if (c.kept) {
            EXPECT_EQ(swept.GetValue(0.0f), 7.0f);
            EXPECT_EQ(swept.GetValue(-2.5f), 4.5f);
            EXPECT_EQ(swept.GetValue(-7.0f), 5.0f);
            EXPECT_TRUE(swept.AddPoint(8.0f, 8.0f));
        } else {
            for (float x : {0.0f, -1.0f, -100.0f})
                EXPECT_EQ(swept.GetValue(x), 0.0f);
            EXPECT_EQ(swept.GetPointsCount(), 0);
            EXPECT_FALSE(swept.AddPoint(100.0f, 1.0f));
            swept.SetMaxPointsCount(2);
            EXPECT_TRUE(swept.AddPoint(100.0f, 1.0f));
        }
    }
}

TEST(CSweptValues, MissingVersionFailsButKeepsTheRing)
{
    auto document = VeltisTest::LoadXmlBody(RingBody(8, 8, 7, 7, 8, false));
    CSweptValues swept;
    EXPECT_FALSE(swept.DeSerialize(*document));
    EXPECT_EQ(swept.GetPointsCount(), 8);
    EXPECT_EQ(swept.GetValue(-0.5f), 6.5f);
}

TEST(CSweptValues, FactoriesMakeEmptyObjects)
{
    Veltis::Runtime::CObjectsFactory* registry = Veltis::Runtime::CObjectsFactory::GetInstance();
    std::unique_ptr<IFunction> made(static_cast<IFunction*>(registry->CreateObject(CSweptValues::kClassId, IFunction::kInterfaceId)));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetValue(-1.0f), 0.0f);
    std::unique_ptr<CSweptValues> concrete(static_cast<CSweptValues*>(registry->CreateObject(CSweptValues::kClassId)));
    ASSERT_NE(concrete, nullptr);
    EXPECT_EQ(registry->CreateObject(CSweptValues::kClassId, IBinaryFunction::kInterfaceId), nullptr);
}

} // namespace
