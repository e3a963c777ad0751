#include "Veltis/Math/CBinaryFunctionsCombination.h"
#include "Veltis/Math/CConstant.h"
#include "Veltis/Math/CConstantsCombination.h"
#include "Veltis/Math/CFunctionsCombination.h"
#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/TBinaryFunction.h"
#include "Veltis/Math/TFunction.h"
#include "Veltis/Runtime/CObjectsFactory.h"

#include "support/CountedFunctions.h"
#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace Veltis::Math;
using VeltisTest::CCountedBinaryFunction;
using VeltisTest::CCountedConstant;
using VeltisTest::CCountedFunction;
using VeltisTest::CFunctionCounters;

namespace {

typedef TBinaryFunction<&FunctionsLibrary::Average> AverageFunction;
typedef TBinaryFunction<&FunctionsLibrary::Difference> DifferenceFunction;
typedef TBinaryFunction<&FunctionsLibrary::Power> PowerFunction;
typedef TBinaryFunction<&FunctionsLibrary::Sum> SumFunction;

class TNFunctionsCombinationTest : public VeltisTest::CCountedFunctionsFixture {};

TEST_F(TNFunctionsCombinationTest, FirstOperandIsTheCombineFunctionsX)
{
    const CFunctionsCombination difference(new CCountedFunction(2.0f, 0.0f), new CCountedFunction(0.0f, 1.0f),
                                           DifferenceFunction::GetInstance().Clone(), true);
    EXPECT_EQ(difference.GetValue(3.0f), 5.0f); // 2x - 1

    const CBinaryFunctionsCombination power(TBinaryFunction<&FunctionsLibrary::X>::GetInstance().Clone(),
                                            TBinaryFunction<&FunctionsLibrary::Y>::GetInstance().Clone(),
                                            PowerFunction::GetInstance().Clone(), true);
    EXPECT_EQ(power.GetValue(2.0f, 3.0f), 8.0f);

    const CConstantsCombination sum(new CConstant(2.0f), new CConstant(3.0f), SumFunction::GetInstance().Clone(), true);
    EXPECT_EQ(sum.GetValue(), 5.0f);
}

TEST_F(TNFunctionsCombinationTest, FactoryMadeCombinationsUseTheSharedDefaults)
{
    Veltis::Runtime::CObjectsFactory* registry = Veltis::Runtime::CObjectsFactory::GetInstance();
    std::unique_ptr<IConstant> constants(
        static_cast<IConstant*>(registry->CreateObject(CConstantsCombination::kClassId, IConstant::kInterfaceId)));
    std::unique_ptr<IFunction> functions(
        static_cast<IFunction*>(registry->CreateObject(CFunctionsCombination::kClassId, IFunction::kInterfaceId)));
    std::unique_ptr<IBinaryFunction> surfaces(static_cast<IBinaryFunction*>(
        registry->CreateObject(CBinaryFunctionsCombination::kClassId, IBinaryFunction::kInterfaceId)));
    ASSERT_TRUE(constants && functions && surfaces);
    EXPECT_EQ(constants->GetValue(), 0.0f);
    EXPECT_EQ(functions->GetValue(4.0f), 4.0f);
    EXPECT_EQ(surfaces->GetValue(1.0f, 2.0f), 1.5f);
    EXPECT_EQ(registry->CreateObject(CFunctionsCombination::kClassId, IConstant::kInterfaceId), nullptr);
    // Destroying them deleted no shared object.
    constants.reset();
    functions.reset();
    surfaces.reset();
    EXPECT_EQ(AverageFunction::GetInstance().GetValue(1.0f, 2.0f), 1.5f);
    EXPECT_EQ(CConstantsCombination().GetValue(), 0.0f);
}

TEST_F(TNFunctionsCombinationTest, NotOwnedMembersOutliveTheCombinationAndItsReads)
{
    CCountedFunction f(1.0f, 0.0f);
    CCountedFunction g(2.0f, 0.0f);
    CCountedBinaryFunction combine(1.0f, 1.0f);
    {
        CFunctionsCombination combination(&f, &g, &combine, false);
        EXPECT_EQ(combination.GetValue(1.0f), 3.0f);
    }
    EXPECT_EQ(CFunctionCounters::Alive(), 3);

    // A read replaces members it does not own without deleting them, then owns what it holds.
    for (const bool complete : {true, false}) {
        SCOPED_TRACE(complete);
        CFunctionsCombination combination(&f, &g, &combine, false);
        std::string body = VeltisTest::Member("func1", CCountedFunction::kClassId, "<a>3</a><b>0</b>");
        if (complete)
            body += VeltisTest::Member("func2", CCountedFunction::kClassId, "<a>4</a><b>0</b>") +
                    VeltisTest::Member("combineFunction", SumFunction::kClassId);
        auto document = VeltisTest::LoadXmlBody(body);
        EXPECT_EQ(combination.DeSerialize(*document), complete);
        EXPECT_EQ(CFunctionCounters::Alive(), complete ? 5 : 4);
        EXPECT_EQ(combination.GetValue(1.0f), complete ? 7.0f : 2.0f); // failed members: Identity, Average
    }
    EXPECT_EQ(CFunctionCounters::Alive(), 3);
}

TEST_F(TNFunctionsCombinationTest, OneObjectAsBothOperandsIsDeletedOnce)
{
    CCountedFunction* both = new CCountedFunction(2.0f, 0.0f);
    {
        CFunctionsCombination square(both, both, TBinaryFunction<&FunctionsLibrary::Product>::GetInstance().Clone(), true);
        EXPECT_EQ(square.GetValue(3.0f), 36.0f);
    }
    EXPECT_EQ(CFunctionCounters::Alive(), 0);
}

TEST_F(TNFunctionsCombinationTest, CloneOfANotOwningCombinationOwnsThreeNewCopies)
{
    CCountedFunction f(1.0f, 0.0f);
    CCountedFunction g(2.0f, 0.0f);
    CCountedBinaryFunction combine(1.0f, -1.0f);
    const CFunctionsCombination combination(&f, &g, &combine, false);
    std::unique_ptr<IFunction> clone(combination.Clone());
    EXPECT_EQ(CFunctionCounters::Alive(), 6);
    f.Set(10.0f, 0.0f);
    EXPECT_EQ(clone->GetValue(1.0f), -1.0f);
    EXPECT_EQ(combination.GetValue(1.0f), 8.0f);
    clone.reset();
    EXPECT_EQ(CFunctionCounters::Alive(), 3);
}

// A missing, unknown, null or unreadable member gives the class's default and a false read; the
// object stays complete and owns what it holds.
TEST_F(TNFunctionsCombinationTest, UnreadableMembersBecomeDefaults)
{
    const std::string kSum = VeltisTest::Member("combineFunction", SumFunction::kClassId);
    const std::string kFunc1 = VeltisTest::Member("func1", CCountedFunction::kClassId, "<a>2</a><b>0</b>");
    const std::string kFunc2 = VeltisTest::Member("func2", CCountedFunction::kClassId, "<a>3</a><b>0</b>");
    struct Case {
        std::string body;
        float expectedAtTwo;
    };
    const Case kCases[] = {
        {kFunc1 + kFunc2 + kSum, 10.0f},
        {kFunc1 + kSum, 6.0f},                                                    // func2: Identity
        {kFunc1 + VeltisTest::NullMember("func2") + kSum, 6.0f},                  // stored as null
        {kFunc1 + VeltisTest::Member("func2", CCountedFunction::kClassId, "<a>3</a>") + kSum, 6.0f},
        {kFunc1 + VeltisTest::Member("func2", "{BAD}") + kSum, 6.0f},
        {kFunc1 + kFunc2, 5.0f},                                                  // combine: Average
        {kFunc1 + kFunc2 + VeltisTest::NullMember("combineFunction"), 5.0f},
        {"", 2.0f},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.body);
        auto document = VeltisTest::LoadXmlBody(c.body);
        CFunctionsCombination combination(new CCountedFunction(), new CCountedFunction(), new CCountedBinaryFunction(), true);
        EXPECT_EQ(combination.DeSerialize(*document), &c == &kCases[0]);
        EXPECT_EQ(combination.GetValue(2.0f), c.expectedAtTwo);
        std::unique_ptr<IFunction> clone(combination.Clone());
        EXPECT_EQ(clone->GetValue(2.0f), c.expectedAtTwo);
    }

    // The defaults of the other two kinds.
    auto empty = VeltisTest::LoadXmlBody("");
    CConstantsCombination constants(new CCountedConstant(4.0f), new CCountedConstant(4.0f), new CCountedBinaryFunction(), true);
    EXPECT_FALSE(constants.DeSerialize(*empty));
    EXPECT_EQ(constants.GetValue(), 0.0f);
    CBinaryFunctionsCombination surfaces(new CCountedBinaryFunction(), new CCountedBinaryFunction(), new CCountedBinaryFunction(), true);
    EXPECT_FALSE(surfaces.DeSerialize(*empty));
    EXPECT_EQ(surfaces.GetValue(1.0f, 3.0f), 2.0f);
}

TEST_F(TNFunctionsCombinationTest, ConstantsCombinationRoundTrips)
{
    const CConstantsCombination sum(new CConstant(2.0f), new CConstant(3.0f), SumFunction::GetInstance().Clone(), true);
    std::unique_ptr<IConstant> read(VeltisTest::RoundTripThroughXml<IConstant>(sum));
    ASSERT_NE(read, nullptr);
    EXPECT_STREQ(read->GetTypeId(), CConstantsCombination::kClassId);
    EXPECT_EQ(read->GetValue(), 5.0f);
    EXPECT_EQ(sum.GetValue(), 5.0f);
}

} // namespace
