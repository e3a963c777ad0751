#include "Veltis/Math/CBinaryFunctionComposition.h"
#include "Veltis/Math/CBinaryFunctionProxy.h"
#include "Veltis/Math/CBinaryFunctionsCombination.h"
#include "Veltis/Math/CConstant.h"
#include "Veltis/Math/CConstantBinaryFunction.h"
#include "Veltis/Math/CConstantComposition.h"
#include "Veltis/Math/CConstantFunction.h"
#include "Veltis/Math/CConstantsCombination.h"
#include "Veltis/Math/CFunctionProxy.h"
#include "Veltis/Math/CFunctionsCombination.h"
#include "Veltis/Math/CFunctionsComposition.h"
#include "Veltis/Math/CSweptCurvesFunction.h"
#include "Veltis/Math/CSweptValues.h"
#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/TBinaryFunction.h"
#include "Veltis/Math/TFunction.h"
#include "Veltis/Math/TFunctionsOperation.h"

#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Veltis::Math;

namespace {

template <float (*F)(float)>
IFunction* Unary()
{
    return new TFunction<F>();
}

template <float (*F)(float, float)>
IBinaryFunction* Binary()
{
    return new TBinaryFunction<F>();
}

// sqrt(|x|) + 0.5 * (x - 2) chained through a proxy over a swept curve of x, a product and a composition.
IFunction* MakeCurveTree()
{
    auto* sweep = new CSweptValues();
    sweep->SetMaxPointsCount(4);
    sweep->SetDefaultValue(-1.0f);
    for (int i = 0; i < 6; ++i)
        sweep->AddPoint(0.25f * static_cast<float>(i), static_cast<float>(i * i));

    auto* product = new TFunctionsOperation<&FunctionsLibrary::Product>(3, 1);
    product->SetFunction(0, new CConstantFunction(0.5f));
    product->SetFunction(2, new CFunctionsCombination(Unary<&FunctionsLibrary::Identity>(), new CConstantFunction(2.0f),
                                                      Binary<&FunctionsLibrary::Difference>(), true));

    auto* chain = new CFunctionsComposition(2, 1);
    chain->SetFunction(0, Unary<&FunctionsLibrary::Abs>());
    chain->SetFunction(1, new CFunctionProxy(Unary<&FunctionsLibrary::SquareRoot>(), true));

    auto* sum = new TFunctionsOperation<&FunctionsLibrary::Sum>(4, 1);
    sum->SetFunction(0, chain);
    sum->SetFunction(1, product);
    sum->SetFunction(2, new CFunctionProxy(sweep, true));
    sum->SetFunction(3, new TFunctionsOperation<&FunctionsLibrary::Division>(0, 1));
    auto* difference = new TFunctionsOperation<&FunctionsLibrary::Difference>(2, 1);
    difference->SetFunction(0, sum);
    difference->SetFunction(1, new CFunctionProxy());
    return difference;
}

IBinaryFunction* MakeSurfaceTree()
{
    auto* swept = new CSweptCurvesFunction();
    swept->SetMaxPointsCount(3);
    swept->SetDefaultValue(CConstantFunction(4.0f));
    swept->AddPoint(0.0f, CFunctionsCombination(Unary<&FunctionsLibrary::Square>(), new CConstantFunction(1.0f),
                                                Binary<&FunctionsLibrary::Sum>(), true));
    swept->AddPoint(0.5f, CFunctionProxy());
    swept->AddPoint(1.5f, *std::unique_ptr<IFunction>(MakeCurveTree()));

    auto* combination = new CBinaryFunctionsCombination(
        swept,
        new CBinaryFunctionComposition(Unary<&FunctionsLibrary::Negate>(), new CConstantBinaryFunction(3.0f), true),
        new CBinaryFunctionProxy(Binary<&FunctionsLibrary::Max>(), true), true);
    return new CBinaryFunctionsCombination(combination, new CBinaryFunctionProxy(),
                                           Binary<&FunctionsLibrary::Product>(), true);
}

IConstant* MakeConstantTree()
{
    auto* power = new CConstantsCombination(new CConstant(2.0f), new CConstant(10.0f), Binary<&FunctionsLibrary::Power>(), true);
    auto* logarithm = new CConstantComposition(Unary<&FunctionsLibrary::Log>(), power, true);
    return new CConstantsCombination(logarithm,
                                     new CConstantComposition(new CFunctionProxy(MakeCurveTree(), true), new CConstant(0.75f), true),
                                     Binary<&FunctionsLibrary::Difference>(), true);
}

const float kSamples[] = {-3.0f, -1.25f, -0.6f, -0.1f, 0.0f, 0.3f, 1.0f, 2.5f};

TEST(FunctionTreeRoundTrip, CurveTreeEvaluatesEqualAfterReading)
{
    std::unique_ptr<IFunction> tree(MakeCurveTree());
    bool ok = false;
    std::unique_ptr<IFunction> read(VeltisTest::RoundTripThroughXml<IFunction>(*tree, &ok));
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(ok);
    for (float x : kSamples)
        EXPECT_EQ(read->GetValue(x), tree->GetValue(x)) << x;
    // The second generation writes the same document as the first.
    EXPECT_EQ(VeltisTest::WriteMemberToXml(read.get()), VeltisTest::WriteMemberToXml(tree.get()));
}

TEST(FunctionTreeRoundTrip, SurfaceTreeEvaluatesEqualAfterReading)
{
    std::unique_ptr<IBinaryFunction> tree(MakeSurfaceTree());
    bool ok = false;
    std::unique_ptr<IBinaryFunction> read(VeltisTest::RoundTripThroughXml<IBinaryFunction>(*tree, &ok));
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(ok);
    for (float x : kSamples)
        for (float y : kSamples)
            EXPECT_EQ(read->GetValue(x, y), tree->GetValue(x, y)) << x << ", " << y;
    EXPECT_EQ(VeltisTest::WriteMemberToXml(read.get()), VeltisTest::WriteMemberToXml(tree.get()));
}

TEST(FunctionTreeRoundTrip, ConstantTreeEvaluatesEqualAfterReading)
{
    std::unique_ptr<IConstant> tree(MakeConstantTree());
    bool ok = false;
    std::unique_ptr<IConstant> read(VeltisTest::RoundTripThroughXml<IConstant>(*tree, &ok));
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(ok);
    EXPECT_EQ(read->GetValue(), tree->GetValue());
    std::unique_ptr<IConstant> clone(read->Clone());
    EXPECT_EQ(clone->GetValue(), tree->GetValue());
}

// Dropping any value text of the document fails the read of the tree, never crashes or leaks
// (LeakSanitizer watches); whatever object a failed read still hands over evaluates.
TEST(FunctionTreeRoundTrip, TruncatedDocumentsFailCleanly)
{
    std::unique_ptr<IBinaryFunction> tree(MakeSurfaceTree());
    const std::string text = VeltisTest::WriteMemberToXml(tree.get());
    int damagedCount = 0;
    for (size_t cut = 0; cut < text.size(); cut += 97) {
        std::string damaged = text;
        const size_t close = damaged.find('>', cut);
        if (close == std::string::npos)
            break;
        const size_t open = damaged.find('<', close);
        if (open == std::string::npos)
            break;
        if (open == close + 1)
            continue;
        // Drops the text between one tag and the next: a value.
        damaged.erase(close + 1, open - close - 1);
        ++damagedCount;
        SCOPED_TRACE(damaged.substr(close > 80 ? close - 80 : 0, 120));
        auto document = VeltisTest::LoadXml(damaged);
        Veltis::Serialization::TRuntimeDeSerializer<IBinaryFunction> reader;
        EXPECT_FALSE(document->ReadObject("object", reader));
        std::unique_ptr<IBinaryFunction> read(reader.GetObject());
        if (read) {
            for (float x : kSamples)
                read->GetValue(x, 1.0f);
        }
    }
    EXPECT_GT(damagedCount, 10);
}

} // namespace
