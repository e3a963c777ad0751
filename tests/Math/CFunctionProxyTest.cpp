#include "Veltis/Math/CBinaryFunctionProxy.h"
#include "Veltis/Math/CConstantFunction.h"
#include "Veltis/Math/CFunctionProxy.h"
#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/TBinaryFunction.h"
#include "Veltis/Math/TFunction.h"
#include "Veltis/Runtime/CObjectsFactory.h"

#include "support/CountedFunctions.h"
#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Veltis::Math;
using VeltisTest::CCountedBinaryFunction;
using VeltisTest::CCountedFunction;
using VeltisTest::CFunctionCounters;

namespace {

typedef TFunction<&FunctionsLibrary::Identity> IdentityFunction;
typedef TBinaryFunction<&FunctionsLibrary::Average> AverageFunction;

class CFunctionProxyTest : public VeltisTest::CCountedFunctionsFixture {};

TEST_F(CFunctionProxyTest, NullTargetForwardsToTheSharedFallbackWithoutOwningIt)
{
    {
        CFunctionProxy unary(nullptr, true);
        CBinaryFunctionProxy binary(nullptr, true);
        EXPECT_EQ(unary.GetValue(3.0f), 3.0f);
        EXPECT_EQ(binary.GetValue(2.0f, 4.0f), 3.0f);
        unary.SetFunction(nullptr, true);
        EXPECT_EQ(unary.GetValue(-2.0f), -2.0f);
    }
    // Proxies deleted the fallbacks if they had owned them; the shared instances still work.
    EXPECT_EQ(IdentityFunction::GetInstance().GetValue(5.0f), 5.0f);
    EXPECT_EQ(AverageFunction::GetInstance().GetValue(1.0f, 3.0f), 2.0f);
}

TEST_F(CFunctionProxyTest, OwnershipDecidesWhetherTargetsAreDeleted)
{
    struct Case {
        bool owned;
        int aliveAfterRetarget; // of the first target, besides the second
        int aliveAfterDestruction;
    };
    const Case kCases[] = {{true, 0, 0}, {false, 1, 2}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.owned);
        CFunctionCounters::Reset();
        CCountedFunction* first = new CCountedFunction(2.0f, 0.0f);
        CCountedFunction* second = new CCountedFunction(3.0f, 0.0f);
        {
            CFunctionProxy proxy(first, c.owned);
            EXPECT_EQ(proxy.GetValue(1.0f), 2.0f);
            proxy.SetFunction(second, c.owned);
            EXPECT_EQ(CFunctionCounters::Alive(), 1 + c.aliveAfterRetarget);
            EXPECT_EQ(proxy.GetValue(1.0f), 3.0f);
        }
        EXPECT_EQ(CFunctionCounters::Alive(), c.aliveAfterDestruction);
        if (!c.owned) {
            delete first;
            delete second;
        }
    }
}

TEST_F(CFunctionProxyTest, TwoProxiesShareOneTargetOwnedByTheFirst)
{
    const CCountedFunction source(2.0f, 1.0f);
    IFunction* shared = source.Clone();
    auto first = std::make_unique<CFunctionProxy>(nullptr, false);
    CFunctionProxy second(nullptr, false);
    first->SetFunction(shared, true);
    second.SetFunction(shared, false);
    EXPECT_EQ(second.GetValue(1.0f), 3.0f);
    first.reset();
    EXPECT_EQ(CFunctionCounters::Alive(), 1); // only the source: the first proxy deleted the clone
    second.SetFunction(nullptr, false);
    EXPECT_EQ(second.GetValue(4.0f), 4.0f);
}

TEST_F(CFunctionProxyTest, CloneOwnsAPrivateCopyOfTheTarget)
{
    CCountedFunction target(2.0f, 0.0f);
    CFunctionProxy proxy(&target, false);
    std::unique_ptr<IFunction> clone(proxy.Clone());
    EXPECT_EQ(CFunctionCounters::Alive(), 2);
    target.Set(5.0f, 0.0f);
    EXPECT_EQ(clone->GetValue(1.0f), 2.0f);
    EXPECT_EQ(proxy.GetValue(1.0f), 5.0f);
    clone.reset();
    EXPECT_EQ(CFunctionCounters::Alive(), 1);

    // Over the fallback, the clone gets its own identity object, which it may delete.
    CFunctionProxy overFallback;
    std::unique_ptr<IFunction> fallbackClone(overFallback.Clone());
    EXPECT_EQ(fallbackClone->GetValue(6.0f), 6.0f);
    fallbackClone.reset();
    EXPECT_EQ(IdentityFunction::GetInstance().GetValue(6.0f), 6.0f);
}

TEST_F(CFunctionProxyTest, FallbackRoundTripsAsANewOwnedObjectOfItsClass)
{
    const CFunctionProxy unary;
    std::unique_ptr<IFunction> readUnary(VeltisTest::RoundTripThroughXml<IFunction>(unary));
    ASSERT_NE(readUnary, nullptr);
    EXPECT_STREQ(readUnary->GetTypeId(), CFunctionProxy::kClassId);
    EXPECT_EQ(readUnary->GetValue(7.0f), 7.0f);
    EXPECT_NE(VeltisTest::WriteMemberToXml(&unary).find(IdentityFunction::kClassId), std::string::npos);

    const CBinaryFunctionProxy binary;
    std::unique_ptr<IBinaryFunction> readBinary(VeltisTest::RoundTripThroughXml<IBinaryFunction>(binary));
    ASSERT_NE(readBinary, nullptr);
    EXPECT_EQ(readBinary->GetValue(1.0f, 2.0f), 1.5f);
}

TEST_F(CFunctionProxyTest, TargetRoundTripsWithItsState)
{
    const CFunctionProxy proxy(new CCountedFunction(3.0f, -1.0f), true);
    std::unique_ptr<IFunction> read(VeltisTest::RoundTripThroughXml<IFunction>(proxy));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetValue(2.0f), 5.0f);
    EXPECT_EQ(CFunctionCounters::Alive(), 2);
}

// Every damaged "value" leaves the proxy on its fallback, releases what it owned and fails.
TEST_F(CFunctionProxyTest, UnreadableTargetFallsBackAndFails)
{
    const std::string kBodies[] = {
        "",
        VeltisTest::NullMember("value"),
        VeltisTest::Member("value", "{00000000-0000-0000-0000-000000000000}"),
        VeltisTest::Member("value", CConstantFunction::kClassId + std::string("x")),
        VeltisTest::Member("value", CCountedFunction::kClassId, "<a>1</a>"),
        VeltisTest::Member("value", VeltisTest::CCountedConstant::kClassId, "<a>1</a><b>1</b>"),
        "<value><isNull>0</isNull></value>",
    };
    for (const std::string& body : kBodies) {
        SCOPED_TRACE(body);
        auto document = VeltisTest::LoadXmlBody(body);
        CFunctionProxy unary(new CCountedFunction(5.0f, 0.0f), true);
        EXPECT_FALSE(unary.DeSerialize(*document));
        EXPECT_EQ(CFunctionCounters::Alive(), 0);
        EXPECT_EQ(unary.GetValue(2.0f), 2.0f);

        CBinaryFunctionProxy binary(new CCountedBinaryFunction(), true);
        EXPECT_FALSE(binary.DeSerialize(*document));
        EXPECT_EQ(CFunctionCounters::Alive(), 0);
        EXPECT_EQ(binary.GetValue(2.0f, 4.0f), 3.0f);
    }
}

TEST_F(CFunctionProxyTest, ReadReplacesATargetThatIsNotOwnedWithoutDeletingIt)
{
    CCountedFunction external(1.0f, 0.0f);
    CFunctionProxy proxy(&external, false);
    auto document = VeltisTest::LoadXmlBody(VeltisTest::Member("value", CCountedFunction::kClassId, "<a>2</a><b>0</b>"));
    EXPECT_TRUE(proxy.DeSerialize(*document));
    EXPECT_EQ(proxy.GetValue(3.0f), 6.0f);
    EXPECT_EQ(CFunctionCounters::Alive(), 2);
}

TEST_F(CFunctionProxyTest, FactoriesMakeProxiesOverTheirFallbacks)
{
    Veltis::Runtime::CObjectsFactory* registry = Veltis::Runtime::CObjectsFactory::GetInstance();
    std::unique_ptr<IFunction> unary(
        static_cast<IFunction*>(registry->CreateObject(CFunctionProxy::kClassId, IFunction::kInterfaceId)));
    ASSERT_NE(unary, nullptr);
    EXPECT_EQ(unary->GetValue(-4.0f), -4.0f);
    std::unique_ptr<IBinaryFunction> binary(
        static_cast<IBinaryFunction*>(registry->CreateObject(CBinaryFunctionProxy::kClassId, IBinaryFunction::kInterfaceId)));
    ASSERT_NE(binary, nullptr);
    EXPECT_EQ(binary->GetValue(-4.0f, 0.0f), -2.0f);
    EXPECT_EQ(registry->CreateObject(CFunctionProxy::kClassId, IBinaryFunction::kInterfaceId), nullptr);
    EXPECT_EQ(registry->CreateObject(CBinaryFunctionProxy::kClassId, IFunction::kInterfaceId), nullptr);
}

} // namespace
