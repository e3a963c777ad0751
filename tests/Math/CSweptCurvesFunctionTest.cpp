#include "Veltis/Math/CConstantFunction.h"
#include "Veltis/Math/CSweptCurvesFunction.h"
#include "Veltis/Runtime/CObjectsFactory.h"

#include "support/CountedFunctions.h"
#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>

using namespace Veltis::Math;
using VeltisTest::CCountedFunction;
using VeltisTest::CFunctionCounters;

namespace {

class CSweptCurvesFunctionTest : public VeltisTest::CCountedFunctionsFixture {};

// A (time 0) = x + 1 and B (time 1) = 3x in a ring of 2, default curve the constant -7.
std::unique_ptr<CSweptCurvesFunction> MakeTwoCurves()
{
    auto swept = std::make_unique<CSweptCurvesFunction>();
    swept->SetMaxPointsCount(2);
    swept->SetDefaultValue(CConstantFunction(-7.0f));
    swept->AddPoint(0.0f, CCountedFunction(1.0f, 1.0f));
    swept->AddPoint(1.0f, CCountedFunction(3.0f, 0.0f));
    return swept;
}

TEST_F(CSweptCurvesFunctionTest, DefaultCurveBeforeAnySample)
{
    CSweptCurvesFunction swept;
    EXPECT_EQ(swept.GetValue(0.0f, 5.0f), 0.0f);
    swept.SetDefaultValue(CCountedFunction(2.0f, 0.0f));
    swept.SetMaxPointsCount(4);
    for (float x : {0.0f, -1.0f, 3.0f})
        EXPECT_EQ(swept.GetValue(x, 5.0f), 10.0f);
}

TEST_F(CSweptCurvesFunctionTest, InterpolatesCurvesInTime)
{
    auto swept = MakeTwoCurves();
    struct Case {
        float x;
        float y;
        float expected;
    };
    const Case kCases[] = {
        {-0.5f, 2.0f, 4.5f}, // (6 + 3) / 2
        {0.0f, 2.0f, 6.0f},  {0.25f, 2.0f, 6.0f}, {-1.0f, 2.0f, -7.0f}, {-3.0f, 2.0f, -7.0f},
        {-0.25f, 1.0f, 2.75f},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        EXPECT_EQ(swept->GetValue(c.x, c.y), c.expected);
    }
}

TEST_F(CSweptCurvesFunctionTest, RingKeepsItsOwnCopiesAndDeletesTheOldest)
{
    CSweptCurvesFunction swept;
    swept.SetMaxPointsCount(2);
    {
        CCountedFunction curve(1.0f, 0.0f);
        ASSERT_TRUE(swept.AddPoint(0.0f, curve));
        curve.Set(100.0f, 0.0f);
        ASSERT_TRUE(swept.AddPoint(1.0f, curve));
    }
    EXPECT_EQ(CFunctionCounters::Alive(), 2);
    EXPECT_EQ(swept.GetValue(-0.5f, 1.0f), 50.5f);
    // Full ring: the oldest copy goes before the new one is stored; refused samples clone nothing.
    ASSERT_TRUE(swept.AddPoint(2.0f, CCountedFunction(5.0f, 0.0f)));
    EXPECT_EQ(CFunctionCounters::Alive(), 2);
    EXPECT_FALSE(swept.AddPoint(2.0f, CCountedFunction(5.0f, 0.0f)));
    EXPECT_FALSE(swept.AddPoint(1.5f, CCountedFunction(5.0f, 0.0f)));
    EXPECT_EQ(CFunctionCounters::Alive(), 2);
    swept.SetMaxPointsCount(2);
    EXPECT_EQ(CFunctionCounters::Alive(), 0);
    EXPECT_EQ(swept.GetValue(0.0f, 1.0f), 0.0f);

    CSweptCurvesFunction noRing;
    EXPECT_FALSE(noRing.AddPoint(0.0f, CCountedFunction()));
}

TEST_F(CSweptCurvesFunctionTest, SetDefaultValueKeepsAClone)
{
    CSweptCurvesFunction swept;
    CCountedFunction curve(2.0f, 0.0f);
    swept.SetDefaultValue(curve);
    curve.Set(5.0f, 0.0f);
    EXPECT_EQ(swept.GetValue(0.0f, 1.0f), 2.0f);
    swept.SetDefaultValue(CConstantFunction(1.0f));
    EXPECT_EQ(CFunctionCounters::Alive(), 1);
}

TEST_F(CSweptCurvesFunctionTest, CloneSharesNoCurve)
{
    auto swept = MakeTwoCurves();
    std::unique_ptr<IBinaryFunction> clone(swept->Clone());
    EXPECT_EQ(CFunctionCounters::Alive(), 4);
    for (float x = 0.5f; x > -2.0f; x -= 0.125f)
        EXPECT_EQ(clone->GetValue(x, 3.0f), swept->GetValue(x, 3.0f)) << x;
    swept.reset();
    EXPECT_EQ(clone->GetValue(-0.5f, 2.0f), 4.5f);
}

TEST_F(CSweptCurvesFunctionTest, PartlyFilledRingRoundTripsWithNullSlots)
{
    CSweptCurvesFunction swept;
    swept.SetMaxPointsCount(4);
    swept.SetDefaultValue(CCountedFunction(0.0f, -2.0f));
    swept.AddPoint(0.0f, CCountedFunction(1.0f, 1.0f));
    swept.AddPoint(1.0f, CCountedFunction(3.0f, 0.0f));
    const std::string text = VeltisTest::WriteMemberToXml(&swept);
    EXPECT_NE(text.find("<valueCount>4</valueCount>"), std::string::npos);
    EXPECT_NE(text.find("<value2><isNull>1</isNull></value2>"), std::string::npos);
    EXPECT_NE(text.find("<value3><isNull>1</isNull></value3>"), std::string::npos);
    bool ok = false;
    std::unique_ptr<IBinaryFunction> read(VeltisTest::RoundTripThroughXml<IBinaryFunction>(swept, &ok));
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(ok);
    for (float x = 0.5f; x > -2.0f; x -= 0.25f)
        for (float y : {-1.0f, 0.0f, 2.0f})
            EXPECT_EQ(read->GetValue(x, y), swept.GetValue(x, y)) << x << ", " << y;
}

// The persisted body of a ring of counted curves (b = slot index; a null slot where the index is in
// nullSlots), with times equal to the slot index.
std::string CurveRingBody(int values, int times, int mask, int currentIndex, int pointsCount,
                          const std::string& defaultValue, unsigned nullSlots = 0)
{
    std::string items = "<valueCount>" + std::to_string(values) + "</valueCount>";
    for (int i = 0; i < values; ++i) {
        const std::string name = "value" + std::to_string(i);
        items += (nullSlots >> i) & 1u ? VeltisTest::NullMember(name)
                                       : VeltisTest::Member(name, CCountedFunction::kClassId,
                                                            "<a>0</a><b>" + std::to_string(i) + "</b>");
    }
    std::string body = "<version>1</version>" + VeltisTest::Element("values", items);
    items = "<timeCount>" + std::to_string(times) + "</timeCount>";
    for (int i = 0; i < times; ++i)
        items += "<time" + std::to_string(i) + ">" + std::to_string(i) + "</time" + std::to_string(i) + ">";
    body += VeltisTest::Element("times", items);
    body += "<currentIndex>" + std::to_string(currentIndex) + "</currentIndex><mask>" + std::to_string(mask) +
            "</mask><pointsCount>" + std::to_string(pointsCount) +
            "</pointsCount><duration>1</duration><pointsPerSecond>1</pointsPerSecond>" + defaultValue;
    return body;
}

// Unlike swept values, a missing version does not fail the read.
std::string WithoutVersion(std::string body)
{
    const std::string version = "<version>1</version>";
    return body.erase(body.find(version), version.size());
}

TEST_F(CSweptCurvesFunctionTest, PersistenceRejectsInconsistentRingsWithoutLeaking)
{
    const std::string kDefault = VeltisTest::Member("defaultValue", CCountedFunction::kClassId, "<a>0</a><b>5</b>");
    struct Case {
        const char* name;
        std::string body;
        bool result;
        bool kept;
        float defaultValue; // where no sample applies
    };
    const Case kCases[] = {
        {"consistent", CurveRingBody(4, 4, 3, 3, 4, kDefault), true, true, 5.0f},
        {"wrong mask", CurveRingBody(8, 8, 3, 3, 4, kDefault), false, false, 0.0f},
        {"sizes differ", CurveRingBody(4, 8, 3, 3, 4, kDefault), false, false, 0.0f},
        {"too many samples", CurveRingBody(4, 4, 3, 3, 5, kDefault), false, false, 0.0f},
        {"newest slot outside", CurveRingBody(4, 4, 3, INT_MAX, 0, kDefault), false, false, 0.0f},
        {"sample without curve", CurveRingBody(4, 4, 3, 3, 4, kDefault, 1u << 1), false, false, 0.0f},
        {"unused slot without curve", CurveRingBody(4, 4, 3, 3, 3, kDefault, 1u << 0), true, true, 5.0f},
        {"no default curve", CurveRingBody(4, 4, 3, 3, 4, ""), false, true, 0.0f},
        {"null default curve", CurveRingBody(4, 4, 3, 3, 4, VeltisTest::NullMember("defaultValue")), false, true, 0.0f},
        {"no version", WithoutVersion(CurveRingBody(4, 4, 3, 3, 4, kDefault)), true, true, 5.0f},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        auto document = VeltisTest::LoadXmlBody(c.body);
        auto swept = MakeTwoCurves();
        EXPECT_EQ(swept->DeSerialize(*document), c.result);
        if (c.kept) {
            EXPECT_EQ(swept->GetValue(0.0f, 9.0f), 3.0f);
            EXPECT_EQ(swept->GetValue(-0.5f, 9.0f), 2.5f);
            EXPECT_EQ(swept->GetValue(-50.0f, 9.0f), c.defaultValue);
        } else {
            for (float x : {0.0f, -0.5f, -50.0f})
                EXPECT_EQ(swept->GetValue(x, 9.0f), 0.0f);
            EXPECT_FALSE(swept->AddPoint(100.0f, CCountedFunction()));
        }
    }
}

TEST_F(CSweptCurvesFunctionTest, UnreadableCurveFailsTheReadAndLeaksNothing)
{
    std::string body = CurveRingBody(4, 4, 3, 3, 4, VeltisTest::Member("defaultValue", CConstantFunction::kClassId, "<value>1</value>"));
    const std::string good = "<a>0</a><b>2</b>";
    body.replace(body.find(good), good.size(), "<a>0</a>");
    auto document = VeltisTest::LoadXmlBody(body);
    CSweptCurvesFunction swept;
    EXPECT_FALSE(swept.DeSerialize(*document));
    EXPECT_EQ(swept.GetValue(0.0f, 1.0f), 0.0f);
}

TEST_F(CSweptCurvesFunctionTest, FactoriesMakeEmptyObjects)
{
    Veltis::Runtime::CObjectsFactory* registry = Veltis::Runtime::CObjectsFactory::GetInstance();
    std::unique_ptr<IBinaryFunction> made(static_cast<IBinaryFunction*>(
        registry->CreateObject(CSweptCurvesFunction::kClassId, IBinaryFunction::kInterfaceId)));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetValue(-1.0f, 4.0f), 0.0f);
    EXPECT_EQ(registry->CreateObject(CSweptCurvesFunction::kClassId, IFunction::kInterfaceId), nullptr);
}

} // namespace
