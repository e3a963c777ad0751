#include "Veltis/Math/CConstFunctionValuesMux.h"
#include "Veltis/Math/CConstantFunction.h"
#include "Veltis/Math/CFunctionsComposition.h"
#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/TFunctionsOperation.h"
#include "Veltis/Runtime/CObjectsFactory.h"

#include "support/CountedFunctions.h"
#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace Veltis::Math;
using VeltisTest::CCountedFunction;
using VeltisTest::CFunctionCounters;

namespace {

typedef TFunctionsOperation<&FunctionsLibrary::Sum> SumOperation;
typedef TFunctionsOperation<&FunctionsLibrary::Difference> DifferenceOperation;
typedef TFunctionsOperation<&FunctionsLibrary::Product> ProductOperation;
typedef TFunctionsOperation<&FunctionsLibrary::Division> DivisionOperation;

class TNFunctionsAggregateTest : public VeltisTest::CCountedFunctionsFixture {
protected:
    // Fills an owning aggregate's slots: a null pointer leaves the slot empty.
    template <class A>
    static void Fill(A& aggregate, const std::vector<IFunction*>& functions)
    {
        aggregate.SetCount(static_cast<int>(functions.size()));
        for (size_t i = 0; i < functions.size(); ++i)
            aggregate.SetFunction(static_cast<int>(i), functions[i]);
    }
};

TEST_F(TNFunctionsAggregateTest, CompositionAppliesSlotZeroFirstAndSkipsNullSlots)
{
    CFunctionsComposition empty;
    EXPECT_EQ(empty.GetValue(3.0f), 3.0f);
    CFunctionsComposition nulls(3, 1);
    EXPECT_EQ(nulls.GetValue(3.0f), 3.0f);

    CFunctionsComposition chain(0, 1);
    Fill(chain, {new CCountedFunction(1.0f, 1.0f), nullptr, new CCountedFunction(2.0f, 0.0f)});
    EXPECT_EQ(chain.GetValue(1.0f), 4.0f); // g(f(1)) with f = x + 1, g = 2x
}

TEST_F(TNFunctionsAggregateTest, OperationsFoldLeftToRightFromSlotZero)
{
    struct Case {
        const char* name;
        std::unique_ptr<TNFunctionsAggregate<IFunction>> operation;
        std::vector<float> slotValues; // NaN marks a null slot
        float expected;
    };
    const float kNull = NAN;
    std::vector<Case> cases;
    cases.push_back({"sum", std::make_unique<SumOperation>(0, 1), {1.0f, 2.0f, 4.0f}, 7.0f});
    cases.push_back({"difference", std::make_unique<DifferenceOperation>(0, 1), {10.0f, 2.0f, 3.0f}, 5.0f});
    cases.push_back({"product", std::make_unique<ProductOperation>(0, 1), {2.0f, kNull, 5.0f}, 10.0f});
    cases.push_back({"division", std::make_unique<DivisionOperation>(0, 1), {8.0f, 2.0f, 2.0f}, 2.0f});
    cases.push_back({"difference from null", std::make_unique<DifferenceOperation>(0, 1), {kNull, 3.0f}, -3.0f});
    cases.push_back({"product from null", std::make_unique<ProductOperation>(0, 1), {kNull, 3.0f}, 0.0f});
    cases.push_back({"division from null", std::make_unique<DivisionOperation>(0, 1), {kNull, 3.0f}, 0.0f});
    cases.push_back({"empty product", std::make_unique<ProductOperation>(0, 1), {}, 0.0f});
    cases.push_back({"empty division", std::make_unique<DivisionOperation>(0, 1), {}, 0.0f});
    cases.push_back({"by zero", std::make_unique<DivisionOperation>(0, 1), {1.0f, 0.0f}, INFINITY});
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<IFunction*> functions;
        for (float v : c.slotValues)
            functions.push_back(std::isnan(v) ? nullptr : new CCountedFunction(0.0f, v));
        Fill(*c.operation, functions);
        EXPECT_EQ(c.operation->GetValue(1.0f), c.expected);
    }
    DivisionOperation zeroByZero(0, 1);
    Fill(zeroByZero, {new CCountedFunction(0.0f, 0.0f), new CCountedFunction(0.0f, 0.0f)});
    EXPECT_TRUE(std::isnan(zeroByZero.GetValue(1.0f)));
}

TEST_F(TNFunctionsAggregateTest, SetCountDeletesExactlyTheDroppedOwnedFunctions)
{
    for (const int ownership : {1, 0}) {
        SCOPED_TRACE(ownership);
        CFunctionCounters::Reset();
        std::vector<std::unique_ptr<CCountedFunction>> keep;
        SumOperation sum(0, ownership);
        std::vector<IFunction*> functions;
        for (int i = 0; i < 4; ++i)
            functions.push_back(new CCountedFunction(0.0f, static_cast<float>(1 << i)));
        if (ownership == 0)
            for (IFunction* f : functions)
                keep.emplace_back(dynamic_cast<CCountedFunction*>(f));
        Fill(sum, functions);
        EXPECT_EQ(sum.GetValue(0.0f), 15.0f);
        sum.SetCount(4);
        EXPECT_EQ(sum.GetValue(0.0f), 15.0f);
        sum.SetCount(2);
        EXPECT_EQ(CFunctionCounters::Alive(), ownership == 1 ? 2 : 4);
        EXPECT_EQ(sum.GetValue(0.0f), 3.0f);
        sum.SetCount(5); // grown slots are null
        EXPECT_EQ(sum.GetCount(), 5);
        EXPECT_EQ(sum.GetValue(0.0f), 3.0f);
        sum.SetCount(-1);
        EXPECT_EQ(sum.GetCount(), 0);
        EXPECT_EQ(CFunctionCounters::Alive(), ownership == 1 ? 0 : 4);
    }
}

TEST_F(TNFunctionsAggregateTest, SetFunctionReplacesOwnedFunctionsAndIgnoresBadIndexes)
{
    CFunctionsComposition owning(2, 1);
    owning.SetFunction(0, new CCountedFunction(2.0f, 0.0f));
    IFunction* kept = new CCountedFunction(3.0f, 0.0f);
    owning.SetFunction(0, kept);
    owning.SetFunction(0, kept);
    EXPECT_EQ(CFunctionCounters::Alive(), 1);
    CCountedFunction outside(5.0f, 0.0f);
    owning.SetFunction(2, &outside);
    owning.SetFunction(-1, &outside);
    EXPECT_EQ(owning.GetValue(1.0f), 3.0f);

    CFunctionsComposition referring(1, 0);
    referring.SetFunction(0, &outside);
    referring.SetFunction(0, nullptr);
    EXPECT_EQ(CFunctionCounters::Alive(), 2);
}

TEST_F(TNFunctionsAggregateTest, CopyOfANotOwningAggregateOwnsDeepClones)
{
    CCountedFunction f(2.0f, 0.0f);
    ProductOperation product(2, 0);
    product.SetFunction(0, &f);
    product.SetFunction(1, &f);
    std::unique_ptr<ProductOperation> copy(product.Clone());
    std::unique_ptr<IFunction> asFunction(static_cast<const IFunction&>(product).Clone());
    EXPECT_EQ(CFunctionCounters::Alive(), 5);
    f.Set(1.0f, 0.0f);
    EXPECT_EQ(copy->GetValue(3.0f), 36.0f);
    EXPECT_EQ(asFunction->GetValue(3.0f), 36.0f);
    EXPECT_EQ(product.GetValue(3.0f), 9.0f);
    copy.reset();
    asFunction.reset();
    EXPECT_EQ(CFunctionCounters::Alive(), 1);
}

TEST_F(TNFunctionsAggregateTest, NullSlotsRoundTripAsNullMembers)
{
    CFunctionsComposition composition(2, 1);
    composition.SetFunction(0, new CCountedFunction(2.0f, 1.0f));
    const std::string text = VeltisTest::WriteMemberToXml(&composition);
    EXPECT_NE(text.find("<itemCount>2</itemCount>"), std::string::npos);
    EXPECT_NE(text.find("<item1><isNull>1</isNull></item1>"), std::string::npos);
    std::unique_ptr<IFunction> read(VeltisTest::RoundTripThroughXml<IFunction>(composition));
    ASSERT_NE(read, nullptr);
    ASSERT_STREQ(read->GetTypeId(), CFunctionsComposition::kClassId);
    EXPECT_EQ(dynamic_cast<CFunctionsComposition*>(read.get())->GetCount(), 2);
    EXPECT_EQ(read->GetValue(3.0f), 7.0f);
}

TEST_F(TNFunctionsAggregateTest, FactoryMadeAggregateIsEmptyAndOwnsWhatItReads)
{
    CCountedFunction outside(1.0f, 0.0f);
    for (const char* classId : {CFunctionsComposition::kClassId, SumOperation::kClassId, DifferenceOperation::kClassId,
                                ProductOperation::kClassId, DivisionOperation::kClassId}) {
        SCOPED_TRACE(classId);
        std::unique_ptr<IFunction> made(static_cast<IFunction*>(
            Veltis::Runtime::CObjectsFactory::GetInstance()->CreateObject(classId, IFunction::kInterfaceId)));
        ASSERT_NE(made, nullptr);
        EXPECT_STREQ(made->GetTypeId(), classId);
        auto* aggregate = dynamic_cast<TNFunctionsAggregate<IFunction>*>(made.get());
        ASSERT_NE(aggregate, nullptr);
        EXPECT_EQ(aggregate->GetCount(), 0);
        // Not owning: dropping a slot leaves its function alone.
        aggregate->SetCount(1);
        aggregate->SetFunction(0, &outside);
        aggregate->SetCount(0);
        auto document = VeltisTest::LoadXmlBody(VeltisTest::Element(
            "functions", "<itemCount>1</itemCount>" + VeltisTest::Member("item0", CCountedFunction::kClassId, "<a>1</a><b>2</b>")));
        EXPECT_TRUE(made->DeSerialize(*document));
        EXPECT_EQ(aggregate->GetCount(), 1);
        EXPECT_EQ(CFunctionCounters::Alive(), 2);
    }
}

// A failed read keeps nothing it read, leaves the aggregate empty and owning, and leaks nothing.
TEST_F(TNFunctionsAggregateTest, FailedReadKeepsNoSlots)
{
    const std::string kItem0 = VeltisTest::Member("item0", CCountedFunction::kClassId, "<a>1</a><b>2</b>");
    const std::string kBodies[] = {
        "",
        VeltisTest::Element("functions", kItem0),
        VeltisTest::Element("functions", "<itemCount>2</itemCount>" + kItem0),
        VeltisTest::Element("functions", "<itemCount>2</itemCount>" + kItem0 + VeltisTest::Member("item1", "{NOPE}")),
        VeltisTest::Element("functions", "<itemCount>2</itemCount>" + kItem0 +
                                             VeltisTest::Member("item1", CCountedFunction::kClassId, "<a>1</a>")),
        VeltisTest::Element("functions", "<itemCount>-3</itemCount>"),
        VeltisTest::Element("functions", "<itemCount>2000000000</itemCount>" + kItem0),
    };
    CCountedFunction outside(1.0f, 0.0f);
    for (const std::string& body : kBodies) {
        SCOPED_TRACE(body);
        auto document = VeltisTest::LoadXmlBody(body);
        SumOperation owning(0, 1);
        Fill(owning, {new CCountedFunction(), new CCountedFunction()});
        EXPECT_FALSE(owning.DeSerialize(*document));
        EXPECT_EQ(owning.GetCount(), 0);
        EXPECT_EQ(owning.GetValue(1.0f), 0.0f);
        EXPECT_EQ(CFunctionCounters::Alive(), 1);

        SumOperation referring(1, 0);
        referring.SetFunction(0, &outside);
        EXPECT_FALSE(referring.DeSerialize(*document));
        EXPECT_EQ(CFunctionCounters::Alive(), 1);
        // Now owning: what it is given later is deleted with it.
        referring.SetCount(1);
        referring.SetFunction(0, new CCountedFunction());
    }
}

TEST_F(TNFunctionsAggregateTest, MuxShowsTheFirstSourceThenTheSecond)
{
    // A minimal source over constant curves.
    class CSource : public Veltis::Containers::IConstValueVector<const IFunction&> {
    public:
        explicit CSource(std::vector<float> values)
        {
            for (float v : values)
                m_Functions.emplace_back(v);
        }
        int GetCount() const override { return static_cast<int>(m_Functions.size()); }
        const IFunction& GetValue(int index) const override { return m_Functions[index]; }
        std::vector<CConstantFunction> m_Functions;
    };
    CSource first({1.0f, 2.0f, 3.0f});
    CSource second({4.0f, 5.0f});
    CConstFunctionValuesMux mux(&first, &second);
    EXPECT_EQ(mux.GetCount(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(mux.GetValue(i).GetValue(0.0f), static_cast<float>(i + 1));
    EXPECT_EQ(&mux.GetValue(3), &second.m_Functions[0]);
    mux.SetSources(&second, &first);
    EXPECT_EQ(mux.GetValue(0).GetValue(0.0f), 4.0f);
    EXPECT_EQ(mux.GetValue(2).GetValue(0.0f), 1.0f);
    second.m_Functions.emplace_back(6.0f);
    EXPECT_EQ(mux.GetCount(), 6);
    EXPECT_EQ(mux.GetValue(3).GetValue(0.0f), 1.0f);
}

} // namespace
