#include "Veltis/Math/TBinaryFunction.h"

#include "Veltis/Math/IConstant.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Runtime/TObjectFactory.h"
#include "Veltis/Serialization/CTypeSerializer.h"
#include "Veltis/Serialization/CXmlDataObject.h"
#include "Veltis/Serialization/TRuntimeDeSerializer.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cmath>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <type_traits>

using namespace Veltis::Math;
using Veltis::Runtime::CObjectsFactory;

namespace FL = Veltis::Math::FunctionsLibrary;

namespace {

template <class C, class = void>
struct THasSharedInstance : std::false_type {};
template <class C>
struct THasSharedInstance<C, std::void_t<decltype(C::GetInstance())>> : std::true_type {};

// Nothing in the system asks for a shared distance or vector length, so there are none.
static_assert(!THasSharedInstance<TBinaryFunction<&FL::Distance>>::value, "Distance has no shared instance");
static_assert(!THasSharedInstance<TBinaryFunction<&FL::Module>>::value, "Module has no shared instance");
static_assert(THasSharedInstance<TBinaryFunction<&FL::Average>>::value, "Average has a shared instance");
static_assert(std::is_same<decltype(TBinaryFunction<&FL::Sum>::GetInstance()), TBinaryFunction<&FL::Sum>&>::value,
              "the shared instance is handed out as its class");

template <float (*F)(float, float)>
IBinaryFunction* FromClassPointer(void* object)
{
    return static_cast<TBinaryFunction<F>*>(object);
}

template <float (*F)(float, float)>
IBinaryFunction* SharedInstance()
{
    if constexpr (THasSharedInstance<TBinaryFunction<F>>::value)
        return &TBinaryFunction<F>::GetInstance();
    else
        return nullptr;
}

struct Row {
    const char* name;
    float (*kernel)(float, float);
    const char* classId;
    bool shared;
    IBinaryFunction* (*fromClassPointer)(void*);
    IBinaryFunction* (*sharedInstance)();
};

#define VELTIS_ROW(F, id, shared) {#F, &FL::F, id, shared, &FromClassPointer<&FL::F>, &SharedInstance<&FL::F>}

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

// Pairs that tell the operand order and ties apart.
const float kSamplePoints[][2] = {{3.0f, 4.0f}, {4.0f, 3.0f}, {2.0f, 2.0f}, {0.0f, -0.0f}, {-0.0f, 0.0f},
                                  {-1.5f, 0.0f}, {0.0f, 0.0f}, {1.0f, 0.0f}};

bool SameValue(float a, float b)
{
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

void ExpectEvaluatesAs(const IBinaryFunction& function, float (*kernel)(float, float))
{
    for (const auto& p : kSamplePoints) {
        SCOPED_TRACE(testing::Message() << p[0] << ", " << p[1]);
        EXPECT_TRUE(SameValue(function.GetValue(p[0], p[1]), kernel(p[0], p[1])));
    }
}

void* Create(const char* classId, const char* interfaceId)
{
    return CObjectsFactory::GetInstance()->CreateObject(classId, interfaceId);
}

std::string WithSwappedCase(const char* id)
{
    std::string text(id);
    for (char& c : text) {
        if (std::isupper(static_cast<unsigned char>(c)))
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (std::islower(static_cast<unsigned char>(c)))
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace

TEST(TBinaryFunction, EveryClassHasThePublishedIdentifierAndAllAreDistinct)
{
    ASSERT_EQ(static_cast<int>(sizeof(kRows) / sizeof(kRows[0])), kBinaryFunctionClassCount);
    std::set<std::string> seen;
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(std::strlen(row.classId), 38u);
        EXPECT_TRUE(seen.insert(row.classId).second);

        std::unique_ptr<IBinaryFunction> created(
            static_cast<IBinaryFunction*>(Create(row.classId, IBinaryFunction::kInterfaceId)));
        ASSERT_NE(created, nullptr);
        EXPECT_STREQ(created->GetTypeId(), row.classId);
        ExpectEvaluatesAs(*created, row.kernel);
        std::unique_ptr<IBinaryFunction> clone(created->Clone());
        EXPECT_STREQ(clone->GetTypeId(), row.classId);
        if (IBinaryFunction* shared = row.sharedInstance()) {
            EXPECT_STREQ(shared->GetTypeId(), row.classId);
        }
    }
}

TEST(TBinaryFunction, RegistryCreatesByInterfaceAndByClassOnly)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        void* byClass = Create(row.classId, row.classId);
        ASSERT_NE(byClass, nullptr);
        std::unique_ptr<IBinaryFunction> fromClass(row.fromClassPointer(byClass));
        EXPECT_STREQ(fromClass->GetTypeId(), row.classId);
        ExpectEvaluatesAs(*fromClass, row.kernel);

        std::unique_ptr<IBinaryFunction> single(
            row.fromClassPointer(CObjectsFactory::GetInstance()->CreateObject(row.classId)));
        ASSERT_NE(single, nullptr);

        EXPECT_EQ(Create(row.classId, IFunction::kInterfaceId), nullptr);
        EXPECT_EQ(Create(row.classId, IConstant::kInterfaceId), nullptr);
        const std::string swapped = WithSwappedCase(row.classId);
        EXPECT_EQ(Create(swapped.c_str(), IBinaryFunction::kInterfaceId), nullptr);
        EXPECT_EQ(Create(swapped.c_str(), swapped.c_str()), nullptr);
    }
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
    std::set<const IBinaryFunction*> addresses;
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        IBinaryFunction* shared = row.sharedInstance();
        EXPECT_EQ(shared != nullptr, row.shared);
        if (shared == nullptr)
            continue;
        EXPECT_EQ(row.sharedInstance(), shared);
        EXPECT_TRUE(addresses.insert(shared).second);

        IBinaryFunction* clone = shared->Clone();
        EXPECT_NE(clone, shared);
        EXPECT_STREQ(clone->GetTypeId(), row.classId);
        delete clone;
        ExpectEvaluatesAs(*shared, row.kernel);
    }
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
    using namespace Veltis::Serialization;
    const TBinaryFunction<&FL::Product> written;
    char* text = nullptr;
    {
        CXmlDataObject document("Root");
        CTypeSerializer member(&written);
        ASSERT_TRUE(document.WriteObject("curve", member));
        ASSERT_TRUE(document.GetText(text));
    }
    std::unique_ptr<char[]> owned(text);
    // The object itself writes nothing: its class identifier is the whole state.
    EXPECT_NE(std::strstr(text, "<content />"), nullptr) << text;
    EXPECT_NE(std::strstr(text, written.GetTypeId()), nullptr) << text;

    CXmlDataObject document("Root");
    ASSERT_TRUE(document.LoadFromMemory(text, static_cast<int>(std::strlen(text))));
    TRuntimeDeSerializer<IBinaryFunction> reader;
    ASSERT_TRUE(document.ReadObject("curve", reader));
    std::unique_ptr<IBinaryFunction> readBack(reader.GetObject());
    ASSERT_NE(readBack, nullptr);
    EXPECT_STREQ(readBack->GetTypeId(), written.GetTypeId());
    for (const auto& p : kSamplePoints) {
        SCOPED_TRACE(testing::Message() << p[0] << ", " << p[1]);
        EXPECT_TRUE(SameValue(readBack->GetValue(p[0], p[1]), written.GetValue(p[0], p[1])));
    }
}

TEST(TBinaryFunction, AReadIgnoresWhateverTheContentHolds)
{
    using namespace Veltis::Serialization;
    CXmlDataObject document("Root");
    const TBinaryFunction<&FL::Product> written;
    const char kStray[] = "<Root><curve><isNull>0</isNull><type>%s</type><content><a>1</a></content></curve></Root>";
    char text[256];
    std::snprintf(text, sizeof text, kStray, written.GetTypeId());
    ASSERT_TRUE(document.LoadFromMemory(text, static_cast<int>(std::strlen(text))));
    TRuntimeDeSerializer<IBinaryFunction> reader;
    EXPECT_TRUE(document.ReadObject("curve", reader));
    std::unique_ptr<IBinaryFunction> readBack(reader.GetObject());
    ASSERT_NE(readBack, nullptr);
    EXPECT_STREQ(readBack->GetTypeId(), written.GetTypeId());
}
