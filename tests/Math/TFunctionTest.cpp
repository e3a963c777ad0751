#include "Veltis/Math/TFunction.h"

#include "Veltis/Core/TOwnership.h"
#include "Veltis/Core/TOwnershipWithClone.h"
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IConstant.h"
#include "Veltis/Runtime/TObjectFactory.h"

#include "support/FunctionClassChecks.h"

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

using namespace Veltis::Math;
using namespace VeltisTest;

namespace FL = Veltis::Math::FunctionsLibrary;

namespace {

// Nothing in the system asks for a shared decibel-to-amplitude object, so there is none.
static_assert(!THasSharedInstance<TFunction<&FL::FromdB>>::value, "FromdB has no shared instance");
static_assert(THasSharedInstance<TFunction<&FL::Identity>>::value, "Identity has a shared instance");
static_assert(std::is_same<decltype(TFunction<&FL::Abs>::GetInstance()), IFunction&>::value,
              "the shared instance is handed out as an IFunction");

typedef TFunctionClassRow<IFunction, float (*)(float)> Row;

#define VELTIS_ROW(F, id, shared) \
    {#F, &FL::F, id, shared, &FromClassPointer<IFunction, TFunction<&FL::F>>, \
     &SharedInstanceOf<IFunction, TFunction<&FL::F>>}

// The published identifiers, written out independently of the code's table.
const Row kRows[] = {
    VELTIS_ROW(Identity, "{83A9F6B1-2360-44f2-9EA2-C0A75A47A554}", true),
    VELTIS_ROW(Negate, "{69196412-EAD8-45aa-B0F6-BD128B2E5E8E}", true),
    VELTIS_ROW(Square, "{F31A0DDB-1670-420a-AA0B-4AED41271DBC}", true),
    VELTIS_ROW(SquareRoot, "{9BA5267D-D300-4315-8C25-BDF46423F139}", true),
    VELTIS_ROW(Exp, "{40211AEA-B310-4254-BE94-B7E5B99CE707}", true),
    VELTIS_ROW(Log, "{7367BBAB-A156-48b9-A512-4F1912C56839}", true),
    VELTIS_ROW(NormExp, "{FB1F81BF-F8E7-40ba-8EBE-403988A2E994}", true),
    VELTIS_ROW(NormLog, "{94E073D9-BACD-49be-B08C-A70980F5E84E}", true),
    VELTIS_ROW(NormExp1, "{8D0E0F88-5C79-4f48-AD24-1C6BE1A8904B}", true),
    VELTIS_ROW(NormLog1, "{10DF14BD-357A-4458-905B-369AD2FD8B21}", true),
    VELTIS_ROW(NormExp2, "{47C095AC-4502-4b60-97D3-B3D3F3A7A87A}", true),
    VELTIS_ROW(NormLog2, "{716AB1B3-FEA8-4dec-B3EA-99B1CCDF852D}", true),
    VELTIS_ROW(NormExp3, "{F9CA1474-22AE-400b-AFC8-D9A077738A81}", true),
    VELTIS_ROW(NormLog3, "{7F4CF089-3DF2-40e4-83F3-736603B40160}", true),
    VELTIS_ROW(TodB, "{9C5BC273-DBD2-4900-B2C7-BAA8A4284487}", true),
    VELTIS_ROW(FromdB, "{18C4A2D7-BD79-486a-B12E-B21F32FBBF0F}", false),
    VELTIS_ROW(Not, "{F6D3F1CB-9FC7-414e-A0EF-A5D60928AC52}", true),
    VELTIS_ROW(Cos, "{8D84EA0E-1D78-4169-96A2-A6C37A8ACD46}", true),
    VELTIS_ROW(Sin, "{50F1B4E0-13CD-42b1-AD49-4D63F0CF2432}", true),
    VELTIS_ROW(Tan, "{4E0F4888-B561-4e5a-9563-315B667D1E18}", true),
    VELTIS_ROW(Cosh, "{83C7C189-D7BB-4b92-899F-892D82545E44}", true),
    VELTIS_ROW(Sinh, "{07429AE8-D018-4df8-B2F3-C9534773818F}", true),
    VELTIS_ROW(Tanh, "{37350F24-0D6A-43ac-BAF2-EC78838DA237}", true),
    VELTIS_ROW(Floor, "{D40F8690-718C-4618-8C0F-0557C0DE4093}", true),
    VELTIS_ROW(Ceil, "{BC7532AE-67AC-4498-9173-B49FBADBBCD8}", true),
    VELTIS_ROW(Round, "{D5FB4F0A-614D-422e-877F-87FB9894ADCB}", true),
    VELTIS_ROW(Abs, "{7D162F87-5903-4052-9DE6-1A40211A5812}", true),
};

#undef VELTIS_ROW

} // namespace

TEST(TFunction, EveryClassHasThePublishedIdentifierAndAllAreDistinct)
{
    ExpectPublishedAndDistinctIdentifiers(kRows, kFunctionClassCount);
}

TEST(TFunction, EachClassEvaluatesItsOwnKernel)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<IFunction> created(
            static_cast<IFunction*>(CreateRegistered(row.classId, IFunction::kInterfaceId)));
        ASSERT_NE(created, nullptr);
        ExpectSameFunction(*created, row.kernel);
    }
}

TEST(TFunction, RegistryCreatesByInterfaceAndByClassOnly)
{
    ExpectRegistryCreatesByInterfaceAndByClassOnly(kRows, {IBinaryFunction::kInterfaceId, IConstant::kInterfaceId});
}

TEST(TFunction, FactoriesCheckBothIdentifiers)
{
    typedef TFunction<&FL::Abs> CAbs;
    Veltis::Runtime::TObjectFactory<CAbs, IFunction> byInterface;
    Veltis::Runtime::TObjectFactory<CAbs, CAbs> byClass;

    // The single-identifier form asks for (class id, class id), which the interface-keyed factory refuses.
    EXPECT_EQ(byInterface.CreateObject(CAbs::kClassId), nullptr);
    std::unique_ptr<CAbs> single(static_cast<CAbs*>(byClass.CreateObject(CAbs::kClassId)));
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(single->GetValue(-2.0f), 2.0f);

    std::unique_ptr<IFunction> viaInterface(
        static_cast<IFunction*>(byInterface.CreateObject(CAbs::kClassId, IFunction::kInterfaceId)));
    ASSERT_NE(viaInterface, nullptr);
    EXPECT_EQ(byClass.CreateObject(CAbs::kClassId, IFunction::kInterfaceId), nullptr);
    EXPECT_EQ(byInterface.CreateObject(TFunction<&FL::Log>::kClassId, IFunction::kInterfaceId), nullptr);
}

TEST(TFunction, SharedInstancesAreOnePerClassAndCloneIntoIndependentObjects)
{
    ExpectSharedInstancesOnePerClassWithIndependentClones(kRows);
}

TEST(TFunction, SharedInstancesEvaluateTheirKernels)
{
    EXPECT_EQ(TFunction<&FL::Identity>::GetInstance().GetValue(0.25f), 0.25f);
    EXPECT_EQ(TFunction<&FL::Negate>::GetInstance().GetValue(0.25f), -0.25f);
    EXPECT_EQ(TFunction<&FL::Not>::GetInstance().GetValue(0.25f), 0.0f);
    EXPECT_EQ(TFunction<&FL::Not>::GetInstance().GetValue(0.0f), 1.0f);
    EXPECT_EQ(TFunction<&FL::SquareRoot>::GetInstance().GetValue(-1.0f), 0.0f);
    EXPECT_EQ(TFunction<&FL::Round>::GetInstance().GetValue(-2.5f), -3.0f);
}

TEST(TFunction, HoldersWithoutOwnershipLeaveTheSharedInstanceIntact)
{
    using Veltis::Core::TOwnership;
    using Veltis::Core::TOwnershipWithClone;
    IFunction& shared = TFunction<&FL::Negate>::GetInstance();
    {
        TOwnership<const IFunction> first(&shared, 0);
        TOwnership<const IFunction> second(&shared, 0);
        EXPECT_EQ(first.Get()->GetValue(0.25f), -0.25f);
    }
    TOwnershipWithClone<const IFunction> holder(&shared, 0);
    {
        // A copied holder owns a clone, never the shared instance.
        TOwnershipWithClone<const IFunction> copy(holder);
        EXPECT_NE(copy.Get(), &shared);
        EXPECT_EQ(copy.GetOwned(), 1);
        EXPECT_EQ(copy.Get()->GetValue(2.0f), -2.0f);
    }
    EXPECT_EQ(holder.Get()->GetValue(0.25f), -0.25f);
    EXPECT_EQ(&TFunction<&FL::Negate>::GetInstance(), &shared);
}

TEST(TFunction, CloneOfAnOwnedObjectOutlivesIt)
{
    IFunction* original = TFunction<&FL::FromdB>().Clone();
    std::unique_ptr<IFunction> clone(original->Clone());
    delete original;
    EXPECT_FLOAT_EQ(clone->GetValue(20.0f), 10.0f);
    EXPECT_STREQ(clone->GetTypeId(), "{18C4A2D7-BD79-486a-B12E-B21F32FBBF0F}");
}

TEST(TFunction, WrittenAsAPolymorphicMemberItReadsBackAsAnEqualFunction)
{
    ExpectPolymorphicRoundTrip<IFunction>(TFunction<&FL::Log>());
}

TEST(TFunction, AReadIgnoresWhateverTheContentHolds)
{
    ExpectReadIgnoresContent<IFunction>(TFunction<&FL::Log>());
}
