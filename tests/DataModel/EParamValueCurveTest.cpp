#include "Veltis/DataModel/Objects/EParamValueCurve.h"

#include "Veltis/Math/IFunction.h"
#include "Veltis/Math/TFunction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace Veltis::DataModel::Objects;
using Veltis::Math::IFunction;

namespace {

struct SPair {
    const IFunction* function = nullptr;
    const IFunction* inverse = nullptr;
};

SPair FunctionsOf(int curve)
{
    SPair pair;
    GetParamValueCurveFunctions(static_cast<EParamValueCurve>(curve), pair.function, pair.inverse);
    return pair;
}

TEST(EParamValueCurveTest, CurvesMapForwardAndBack)
{
    struct Case {
        int curve;
        float x, expected;
    };
    const Case kCases[] = {
        {eParamValueCurveLog3, 0.5f, std::log(501.0f) / std::log(1001.0f)},
        {eParamValueCurveSquareRoot, 0.25f, 0.5f},
        {eParamValueCurveSquare, 0.5f, 0.25f},
        {eParamValueCurveLog, 1.0f, 1.0f},
        {eParamValueCurveExp2, 0.0f, 0.0f},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(kParamValueCurveNames[c.curve]);
        const SPair pair = FunctionsOf(c.curve);
        EXPECT_NEAR(pair.function->GetValue(c.x), c.expected, 1e-6f);
        EXPECT_NEAR(pair.inverse->GetValue(pair.function->GetValue(c.x)), c.x, 1e-5f);
    }
}

TEST(EParamValueCurveTest, EveryCurveIsInvertedByItsInverseOnTheUnitRange)
{
    for (int curve = 0; curve < kParamValueCurveCount; ++curve) {
        SCOPED_TRACE(kParamValueCurveNames[curve]);
        const SPair pair = FunctionsOf(curve);
        for (float x = 0.0f; x <= 1.0f; x += 0.125f)
            EXPECT_NEAR(pair.inverse->GetValue(pair.function->GetValue(x)), x, 2e-5f);
        EXPECT_NEAR(pair.function->GetValue(1.0f), 1.0f, 1e-6f);
    }
}

TEST(EParamValueCurveTest, LinearLikeAndUnknownCurvesAreTheSharedIdentity)
{
    const IFunction* identity = &Veltis::Math::TFunction<&Veltis::Math::FunctionsLibrary::Identity>::GetInstance();
    for (int curve : {3, 6, 9, 13, -1, 1000}) {
        SCOPED_TRACE(curve);
        const SPair pair = FunctionsOf(curve);
        EXPECT_EQ(pair.function, identity);
        EXPECT_EQ(pair.inverse, identity);
    }
    const SPair log3 = FunctionsOf(0);
    EXPECT_EQ(FunctionsOf(12).function, log3.inverse);
}

TEST(EParamValueCurveTest, NamesAreLookedUpByIndexAndMappedBackExactly)
{
    EXPECT_STREQ(GetParamValueCurveName(eParamValueCurveSquareRoot), "Square Root");
    EXPECT_STREQ(GetParamValueCurveUserName(eParamValueCurveSquareRoot), "Fast 1");
    EXPECT_STREQ(GetParamValueCurveUserName(eParamValueCurveExp3), "Slow 5");
    EXPECT_EQ(GetParamValueCurveName(static_cast<EParamValueCurve>(13)), nullptr);
    EXPECT_EQ(GetParamValueCurveUserName(static_cast<EParamValueCurve>(-1)), nullptr);

    for (int curve = 0; curve < kParamValueCurveCount; ++curve) {
        EParamValueCurve found = eParamValueCurveLinear;
        EXPECT_TRUE(FindParamValueCurve(kParamValueCurveNames[curve], found));
        EXPECT_EQ(found, curve);
    }
    for (const char* name : {"linear", "Fast 5", "Square Root ", "", static_cast<const char*>(nullptr)}) {
        SCOPED_TRACE(name ? name : "null");
        EParamValueCurve found = eParamValueCurveExp;
        EXPECT_FALSE(FindParamValueCurve(name, found));
        EXPECT_EQ(found, eParamValueCurveExp);
    }
}

} // namespace
