#include "Veltis/Math/CBinaryFunctionComposition.h"
#include "Veltis/Math/CConstant.h"
#include "Veltis/Math/CConstantComposition.h"
#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/TBinaryFunction.h"
#include "Veltis/Math/TFunction.h"
#include "Veltis/Runtime/CObjectsFactory.h"

#include "support/CountedFunctions.h"
#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

using namespace Veltis::Math;
using VeltisTest::CCountedBinaryFunction;
using VeltisTest::CCountedConstant;
using VeltisTest::CCountedFunction;
using VeltisTest::CFunctionCounters;

namespace {

typedef TFunction<&FunctionsLibrary::Identity> IdentityFunction;
typedef TBinaryFunction<&FunctionsLibrary::Average> AverageFunction;

class CConstantCompositionTest : public VeltisTest::CCountedFunctionsFixture {};

TEST_F(CConstantCompositionTest, OuterFunctionReceivesTheInnerValue)
{
    const CConstantComposition e(TFunction<&FunctionsLibrary::Exp>::GetInstance().Clone(), new CConstant(1.0f), true);
    EXPECT_EQ(e.GetValue(), expf(1.0f));

    const CBinaryFunctionComposition negatedDifference(TFunction<&FunctionsLibrary::Negate>::GetInstance().Clone(),
                                                       TBinaryFunction<&FunctionsLibrary::Difference>::GetInstance().Clone(),
                                                       true);
    EXPECT_EQ(negatedDifference.GetValue(5.0f, 2.0f), -3.0f);
}

TEST_F(CConstantCompositionTest, FactoryMadeCompositions)
{
    Veltis::Runtime::CObjectsFactory* registry = Veltis::Runtime::CObjectsFactory::GetInstance();
    std::unique_ptr<IConstant> constant(
        static_cast<IConstant*>(registry->CreateObject(CConstantComposition::kClassId, IConstant::kInterfaceId)));
    std::unique_ptr<IBinaryFunction> surface(static_cast<IBinaryFunction*>(
        registry->CreateObject(CBinaryFunctionComposition::kClassId, IBinaryFunction::kInterfaceId)));
    ASSERT_TRUE(constant && surface);
    EXPECT_EQ(constant->GetValue(), 0.0f);
    EXPECT_EQ(surface->GetValue(1.0f, 4.0f), 2.5f);
    EXPECT_EQ(registry->CreateObject(CConstantComposition::kClassId, IFunction::kInterfaceId), nullptr);

    // A clone of the factory-made surface owns private copies; destroying both spares the shared ones.
    std::unique_ptr<IBinaryFunction> clone(surface->Clone());
    clone.reset();
    surface.reset();
    EXPECT_EQ(AverageFunction::GetInstance().GetValue(1.0f, 4.0f), 2.5f);
    EXPECT_EQ(IdentityFunction::GetInstance().GetValue(4.0f), 4.0f);
}

TEST_F(CConstantCompositionTest, EachHolderDecidesForItsOwnMember)
{
    CCountedFunction outer(2.0f, 0.0f);
    CCountedConstant inner(3.0f);
    {
        CConstantComposition composition(&outer, &inner, false);
        EXPECT_EQ(composition.GetValue(), 6.0f);
        std::unique_ptr<IConstant> clone(composition.Clone());
        EXPECT_EQ(CFunctionCounters::Alive(), 4);
        EXPECT_EQ(clone->GetValue(), 6.0f);
    }
    EXPECT_EQ(CFunctionCounters::Alive(), 2);

    // A read that fails for the inner member only: the outer member read is owned, the inner one is a
    // new owned constant 0; the members given without ownership are left alone.
    CConstantComposition composition(&outer, &inner, false);
    auto document = VeltisTest::LoadXmlBody(VeltisTest::Member("function", CCountedFunction::kClassId, "<a>1</a><b>5</b>"));
    EXPECT_FALSE(composition.DeSerialize(*document));
    EXPECT_EQ(composition.GetValue(), 5.0f);
    EXPECT_EQ(CFunctionCounters::Alive(), 3);
}

TEST_F(CConstantCompositionTest, UnreadableMembersBecomeFallbacks)
{
    const std::string kOuter = VeltisTest::Member("function", CCountedFunction::kClassId, "<a>2</a><b>0</b>");
    const std::string kConstant = VeltisTest::Member("constFunction", CCountedConstant::kClassId, "<a>0</a><b>3</b>");
    const std::string kSurface = VeltisTest::Member("binaryFunction", CCountedBinaryFunction::kClassId, "<a>1</a><b>2</b>");
    struct Case {
        std::string body;
        bool expectedResult;
        float constantValue;
        float surfaceAtOneTwo;
    };
    const Case kCases[] = {
        {kOuter + kConstant + kSurface, true, 6.0f, 10.0f},
        {kConstant + kSurface, false, 3.0f, 5.0f},                               // function: Identity
        {VeltisTest::NullMember("function") + kConstant + kSurface, false, 3.0f, 5.0f},
        {kOuter, false, 0.0f, 3.0f},                                             // constant 0, Average
        {kOuter + VeltisTest::Member("constFunction", CCountedConstant::kClassId, "<b>1</b>") +
             VeltisTest::Member("binaryFunction", CCountedBinaryFunction::kClassId, "<b>1</b>"),
         false, 0.0f, 3.0f},
        {kOuter + VeltisTest::NullMember("constFunction") + VeltisTest::NullMember("binaryFunction"), false, 0.0f, 3.0f},
        {"", false, 0.0f, 1.5f},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.body);
        auto document = VeltisTest::LoadXmlBody(c.body);
        CConstantComposition constant(new CCountedFunction(), new CCountedConstant(), true);
        EXPECT_EQ(constant.DeSerialize(*document), c.expectedResult);
        EXPECT_EQ(constant.GetValue(), c.constantValue);
        CBinaryFunctionComposition surface(new CCountedFunction(), new CCountedBinaryFunction(), true);
        EXPECT_EQ(surface.DeSerialize(*document), c.expectedResult);
        EXPECT_EQ(surface.GetValue(1.0f, 2.0f), c.surfaceAtOneTwo);
        std::unique_ptr<IBinaryFunction> clone(surface.Clone());
        EXPECT_EQ(clone->GetValue(1.0f, 2.0f), c.surfaceAtOneTwo);
    }
    // Destroying compositions whose members came from failed reads spared the shared instances.
    EXPECT_EQ(AverageFunction::GetInstance().GetValue(1.0f, 2.0f), 1.5f);
    EXPECT_EQ(IdentityFunction::GetInstance().GetValue(2.0f), 2.0f);
}

TEST_F(CConstantCompositionTest, CompositionsRoundTrip)
{
    const CConstantComposition constant(new CCountedFunction(2.0f, 1.0f), new CCountedConstant(4.0f), true);
    std::unique_ptr<IConstant> readConstant(VeltisTest::RoundTripThroughXml<IConstant>(constant));
    ASSERT_NE(readConstant, nullptr);
    EXPECT_EQ(readConstant->GetValue(), 9.0f);

    const CBinaryFunctionComposition surface;
    std::unique_ptr<IBinaryFunction> readSurface(VeltisTest::RoundTripThroughXml<IBinaryFunction>(surface));
    ASSERT_NE(readSurface, nullptr);
    EXPECT_STREQ(readSurface->GetTypeId(), CBinaryFunctionComposition::kClassId);
    EXPECT_EQ(readSurface->GetValue(3.0f, 5.0f), 4.0f);
}

} // namespace
