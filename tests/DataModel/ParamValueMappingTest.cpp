#include "Veltis/DataModel/Objects/ParamValueMapping.h"

#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/Math/CConstantFunction.h"
#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/TFunction.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Veltis::DataModel::Objects;
using Veltis::Math::CConstantFunction;
using Veltis::Math::IFunction;

namespace {

const IFunction& Identity()
{
    return Veltis::Math::TFunction<&Veltis::Math::FunctionsLibrary::Identity>::GetInstance();
}

// A normalised mapping never leaves the target's range, whatever the source value or the function
// gives: the target of a link need not clamp by itself (a host parameter, a proxy).
TEST(ParamValueMappingTest, NormalisedMappingsLandInsideTheTargetRange)
{
    const CConstantFunction above(1.5f), below(-0.5f), notANumber(NAN);
    struct Case {
        const char* name;
        float x;
        const IFunction* function;
        bool reversed, reverseFirst;
        float expected;
    };
    const Case kCases[] = {
        {"source above its maximum", 30.0f, &Identity(), false, false, 20000.0f},
        {"source below its minimum", -20.0f, &Identity(), false, false, 20.0f},
        {"function giving 1.5", 5.0f, &above, false, false, 20000.0f},
        {"function giving -0.5", 5.0f, &below, false, false, 20.0f},
        {"function giving NaN", 5.0f, &notANumber, false, false, 20.0f},
        {"reversed, source below its minimum", -20.0f, &Identity(), true, false, 20000.0f},
        {"reversed first, source below its minimum", -20.0f, &Identity(), true, true, 20000.0f},
        {"within the range", 5.0f, &Identity(), false, false, 10010.0f},
    };
    const CParamInfo from(2, "From", "", "", nullptr, -10.0f, 20.0f, 0.0f);
    const CParamInfo to(2, "To", "Hz", "", nullptr, 20.0f, 20000.0f, 20.0f);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MapParamValue(c.x, *c.function, true, c.reversed, c.reverseFirst, from, to), c.expected);
    }
}

} // namespace
