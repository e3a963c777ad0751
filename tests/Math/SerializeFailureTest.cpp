#include "Veltis/Math/CBinaryFunctionComposition.h"
#include "Veltis/Math/CConstantComposition.h"
#include "Veltis/Math/CConstantsCombination.h"
#include "Veltis/Math/CFunctionProxy.h"
#include "Veltis/Math/CFunctionsComposition.h"
#include "Veltis/Math/CSweptCurvesFunction.h"
#include "Veltis/Math/CSweptValues.h"

#include "support/CFailingWriteStream.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace Veltis::Math;
using VeltisTest::CFailingWriteStream;

namespace {

// Every writer of several members writes them all in its order and reports false when any one write
// fails, whichever it was.
TEST(SerializeFailure, EveryMemberIsWrittenAndAnyFailureIsReported)
{
    struct Case {
        const char* name;
        std::function<bool(Veltis::Serialization::IWriteDataStream&)> write;
        std::vector<std::string> names;
    };
    const CConstantsCombination combination;
    const CConstantComposition constantComposition;
    const CBinaryFunctionComposition binaryComposition;
    const CFunctionProxy proxy;
    const CFunctionsComposition aggregate(2, 0);
    CSweptValues values;
    values.SetMaxPointsCount(2);
    CSweptCurvesFunction curves;
    curves.SetMaxPointsCount(2);
    const std::vector<std::string> kRing = {"version", "values", "times", "currentIndex", "mask",
                                            "pointsCount", "duration", "pointsPerSecond", "defaultValue"};
    const Case kCases[] = {
        {"combination", [&](auto& s) { return combination.Serialize(s); }, {"func1", "func2", "combineFunction"}},
        {"constant composition", [&](auto& s) { return constantComposition.Serialize(s); }, {"function", "constFunction"}},
        {"binary composition", [&](auto& s) { return binaryComposition.Serialize(s); }, {"function", "binaryFunction"}},
        {"proxy", [&](auto& s) { return proxy.Serialize(s); }, {"value"}},
        {"aggregate", [&](auto& s) { return aggregate.Serialize(s); }, {"functions"}},
        {"swept values", [&](auto& s) { return values.Serialize(s); }, kRing},
        {"swept curves", [&](auto& s) { return curves.Serialize(s); }, kRing},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CFailingWriteStream clean;
        EXPECT_TRUE(c.write(clean));
        EXPECT_EQ(clean.GetNames(), c.names);
        for (const std::string& failing : c.names) {
            SCOPED_TRACE(failing);
            CFailingWriteStream stream({failing});
            EXPECT_FALSE(c.write(stream));
            EXPECT_EQ(stream.GetNames(), c.names);
        }
    }
}

} // namespace
