#include "Veltis/Math/TBinaryFunction.h"

#include "Veltis/Math/IConstant.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/Runtime/TObjectFactory.h"

#include "support/FunctionClassChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <type_traits>

using namespace Veltis::Math;
using namespace VeltisTest;

namespace FL = Veltis::Math::FunctionsLibrary;

namespace {

// Nothing in the system asks for a shared distance or vector length, so there are none.
static_assert(!THasSharedInstance<TBinaryFunction<&FL::Distance>>::value, "Distance has no shared instance");
static_assert(!THasSharedInstance<TBinaryFunction<&FL::Module>>::value, "Module has no shared instance");
static_assert(THasSharedInstance<TBinaryFunction<&FL::Average>>::value, "Average has a shared instance");
static_assert(std::is_same<decltype(TBinaryFunction<&FL::Sum>::GetInstance()), TBinaryFunction<&FL::Sum>&>::value,
              "the shared instance is handed out as its class");

typedef TFunctionClassRow<IBinaryFunction, float (*)(float, float)> Row;

#define VELTIS_ROW(F, id, shared) \
    {#F, &FL::F, id, shared, &FromClassPointer<IBinaryFunction, TBinaryFunction<&FL::F>>, \
     &SharedInstanceOf<IBinaryFunction, TBinaryFunction<&FL::F>>}

// The published identifiers, written out independently of the code's table.
const Row kRows[] = {
    VELTIS_ROW(Average, "{9038848C-7E52-4f6e-AE4A-ED90434DA85A}", true),
    VELTIS_ROW(Max, "{B48E24EF-CB0D-4bc6-B55E-370474A89CE7}", true),
    VELTIS_ROW(Min, "{95C6E20A-3D3C-4087-AE9E-33900A0BE55C}", true),
    VELTIS_ROW(Sum, "{A5E6BA89-DBC5-4659-BCAB-6CAD11C0FDB3}", true),
    VELTIS_ROW(Difference, "{B32E9916-D75D-4a9f-B240-C07B49A87E16}", true),
    VELTIS_ROW(Product, "{6CD1764A-CCA1-4872-B522-E5D286388A08}", true),
    VELTIS_ROW(Power, "{F9BD87B6-6B43-4678-BF35-84EB34DC47C2}", true),
    VELTIS_ROW(Division, "{B5669294-5F80-4c67-B405-5D4B61363532}", true),
    VELTIS_ROW(Module, "{5300A115-1DD0-4694-B21A-6D6E1232AF8A}", false),
    VELTIS_ROW(Distance, "{9704DD1D-629D-45ea-AB62-D54657D47EC9}", false),
    VELTIS_ROW(Equality, "{63B8D979-D152-438a-87B6-B48231AA2B6E}", true),
    VELTIS_ROW(NotEqual, "{BA4B3571-18B4-41af-90BE-C43889CFB186}", true),
    VELTIS_ROW(LowerThan, "{A8DC6D2E-36B4-4c13-859A-A79594E40ABA}", true),
    VELTIS_ROW(LowerThanEqual, "{AEE0F237-8EEC-43fc-B440-EFA3DC05AA2E}", true),
    VELTIS_ROW(GreaterThan, "{7C4EE5B2-03D0-4d5c-A040-35E565535C0A}", true),
    VELTIS_ROW(GreaterThanEqual, "{1840E00F-B2A7-46e7-B48B-79ECC2E61AEA}", true),
    VELTIS_ROW(And, "{CB069C1A-0CF5-46e2-B43F-E0DDDCDC739F}", true),
    VELTIS_ROW(Or, "{31547569-62DE-4f2d-817B-E272ACD7E188}", true),
    VELTIS_ROW(X, "{665E9CCB-3130-40d1-A010-CF45501EF826}", true),
    VELTIS_ROW(Y, "{5B8476AC-CC3B-4cd5-9F3B-3AB71CE7E2D0}", true),
};

#undef VELTIS_ROW

} // namespace

TEST(TBinaryFunction, EveryClassHasThePublishedIdentifierAndAllAreDistinct)
{
    ExpectPublishedAndDistinctIdentifiers(kRows, kBinaryFunctionClassCount);
}

TEST(TBinaryFunction, RegistryCreatesByInterfaceAndByClassOnly)
{
    ExpectRegistryCreatesByInterfaceAndByClassOnly(kRows, {IFunction::kInterfaceId, IConstant::kInterfaceId});
}

TEST(TBinaryFunction, FactoriesCheckBothIdentifiers)
{
    typedef TBinaryFunction<&FL::Sum> CSum;
    Veltis::Runtime::TObjectFactory<CSum, IBinaryFunction> byInterface;
    Veltis::Runtime::TObjectFactory<CSum, CSum> byClass;

    EXPECT_EQ(byInterface.CreateObject(CSum::kClassId), nullptr);
    std::unique_ptr<CSum> single(static_cast<CSum*>(byClass.CreateObject(CSum::kClassId)));
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(single->GetValue(1.0f, 2.0f), 3.0f);
    EXPECT_EQ(byClass.CreateObject(CSum::kClassId, IBinaryFunction::kInterfaceId), nullptr);
    EXPECT_EQ(byInterface.CreateObject(TBinaryFunction<&FL::Product>::kClassId, IBinaryFunction::kInterfaceId),
              nullptr);
}

TEST(TBinaryFunction, SharedInstancesAreOnePerClassAndCloneIntoIndependentObjects)
{
    ExpectSharedInstancesOnePerClassWithIndependentClones(kRows);
}

TEST(TBinaryFunction, XIsAlwaysTheLeftOperand)
{
    EXPECT_EQ(TBinaryFunction<&FL::X>::GetInstance().GetValue(3.0f, 4.0f), 3.0f);
    EXPECT_EQ(TBinaryFunction<&FL::Y>::GetInstance().GetValue(3.0f, 4.0f), 4.0f);
    EXPECT_EQ(TBinaryFunction<&FL::Difference>::GetInstance().GetValue(3.0f, 4.0f), -1.0f);
    EXPECT_EQ(TBinaryFunction<&FL::Division>::GetInstance().GetValue(3.0f, 4.0f), 0.75f);
    EXPECT_EQ(TBinaryFunction<&FL::Power>::GetInstance().GetValue(3.0f, 2.0f), 9.0f);
    EXPECT_EQ(TBinaryFunction<&FL::LowerThan>::GetInstance().GetValue(3.0f, 4.0f), 1.0f);
    EXPECT_TRUE(std::isinf(TBinaryFunction<&FL::Division>::GetInstance().GetValue(1.0f, 0.0f)));
}

TEST(TBinaryFunction, WrittenAsAPolymorphicMemberItReadsBackAsAnEqualFunction)
{
    ExpectPolymorphicRoundTrip<IBinaryFunction>(TBinaryFunction<&FL::Product>());
}

TEST(TBinaryFunction, AReadIgnoresWhateverTheContentHolds)
{
    ExpectReadIgnoresContent<IBinaryFunction>(TBinaryFunction<&FL::Product>());
}
