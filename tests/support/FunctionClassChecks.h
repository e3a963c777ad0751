#pragma once

#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/CTypeSerializer.h"
#include "Veltis/Serialization/CXmlDataObject.h"
#include "Veltis/Serialization/TRuntimeDeSerializer.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <type_traits>

// Checks shared by the unary and binary function-object families: each family's test lists its classes
// as rows (kernel, published identifier, whether it has a shared instance) and runs these over them.
namespace VeltisTest {

template <class C, class = void>
struct THasSharedInstance : std::false_type {};
template <class C>
struct THasSharedInstance<C, std::void_t<decltype(C::GetInstance())>> : std::true_type {};

// The shared instance of a class, or null for a class that has none.
template <class Interface, class C>
Interface* SharedInstanceOf()
{
    if constexpr (THasSharedInstance<C>::value)
        return &C::GetInstance();
    else
        return nullptr;
}

// The registry hands out void pointers of the class type when asked by class identifier.
template <class Interface, class C>
Interface* FromClassPointer(void* object)
{
    return static_cast<C*>(object);
}

template <class Interface, class Kernel>
struct TFunctionClassRow {
    const char* name;
    Kernel kernel;
    const char* classId;
    bool shared;
    Interface* (*fromClassPointer)(void*);
    Interface* (*sharedInstance)();
};

// Same value bit for bit, any NaN matching any NaN.
inline bool SameValue(float a, float b)
{
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

inline const float kUnarySamplePoints[] = {-2.5f, -1.0f, -0.0f, 0.0f, 0.25f, 0.5f, 1.0f, 3.0f};
// Pairs that tell the operand order and ties apart.
inline const float kBinarySamplePoints[][2] = {{3.0f, 4.0f},  {4.0f, 3.0f}, {2.0f, 2.0f}, {0.0f, -0.0f},
                                               {-0.0f, 0.0f}, {-1.5f, 0.0f}, {0.0f, 0.0f}, {1.0f, 0.0f}};

inline void ExpectSameFunction(const Veltis::Math::IFunction& function, float (*kernel)(float))
{
    for (float x : kUnarySamplePoints) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(SameValue(function.GetValue(x), kernel(x)));
    }
}

inline void ExpectSameFunction(const Veltis::Math::IBinaryFunction& function, float (*kernel)(float, float))
{
    for (const auto& p : kBinarySamplePoints) {
        SCOPED_TRACE(testing::Message() << p[0] << ", " << p[1]);
        EXPECT_TRUE(SameValue(function.GetValue(p[0], p[1]), kernel(p[0], p[1])));
    }
}

inline void ExpectSameFunction(const Veltis::Math::IFunction& function, const Veltis::Math::IFunction& expected)
{
    for (float x : kUnarySamplePoints) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(SameValue(function.GetValue(x), expected.GetValue(x)));
    }
}

inline void ExpectSameFunction(const Veltis::Math::IBinaryFunction& function,
                               const Veltis::Math::IBinaryFunction& expected)
{
    for (const auto& p : kBinarySamplePoints) {
        SCOPED_TRACE(testing::Message() << p[0] << ", " << p[1]);
        EXPECT_TRUE(SameValue(function.GetValue(p[0], p[1]), expected.GetValue(p[0], p[1])));
    }
}

inline void* CreateRegistered(const char* classId, const char* interfaceId)
{
    return Veltis::Runtime::CObjectsFactory::GetInstance()->CreateObject(classId, interfaceId);
}

inline std::string WithSwappedCase(const char* id)
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

// Every row's identifier is a distinct braced GUID, the registry creates the class by it and the
// family's interface, the object evaluates its kernel, and clones and the shared instance carry it.
template <class Interface, class Kernel, size_t N>
void ExpectPublishedAndDistinctIdentifiers(const TFunctionClassRow<Interface, Kernel> (&rows)[N], int classCount)
{
    ASSERT_EQ(static_cast<int>(N), classCount);
    std::set<std::string> seen;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(std::strlen(row.classId), 38u);
        EXPECT_TRUE(seen.insert(row.classId).second);

        std::unique_ptr<Interface> created(
            static_cast<Interface*>(CreateRegistered(row.classId, Interface::kInterfaceId)));
        ASSERT_NE(created, nullptr);
        EXPECT_STREQ(created->GetTypeId(), row.classId);
        ExpectSameFunction(*created, row.kernel);
        std::unique_ptr<Interface> clone(created->Clone());
        EXPECT_STREQ(clone->GetTypeId(), row.classId);
        if (Interface* shared = row.sharedInstance()) {
            EXPECT_STREQ(shared->GetTypeId(), row.classId);
        }
    }
}

// The registry creates by (class id, class id) and by the class id alone, and gives null for the
// other interfaces and for a differently-cased identifier.
template <class Interface, class Kernel, size_t N>
void ExpectRegistryCreatesByInterfaceAndByClassOnly(const TFunctionClassRow<Interface, Kernel> (&rows)[N],
                                                    std::initializer_list<const char*> otherInterfaces)
{
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        void* byClass = CreateRegistered(row.classId, row.classId);
        ASSERT_NE(byClass, nullptr);
        std::unique_ptr<Interface> fromClass(row.fromClassPointer(byClass));
        EXPECT_STREQ(fromClass->GetTypeId(), row.classId);
        ExpectSameFunction(*fromClass, row.kernel);

        std::unique_ptr<Interface> single(
            row.fromClassPointer(Veltis::Runtime::CObjectsFactory::GetInstance()->CreateObject(row.classId)));
        ASSERT_NE(single, nullptr);
        EXPECT_STREQ(single->GetTypeId(), row.classId);

        for (const char* other : otherInterfaces)
            EXPECT_EQ(CreateRegistered(row.classId, other), nullptr) << other;
        const std::string swapped = WithSwappedCase(row.classId);
        EXPECT_EQ(CreateRegistered(swapped.c_str(), Interface::kInterfaceId), nullptr);
        EXPECT_EQ(CreateRegistered(swapped.c_str(), swapped.c_str()), nullptr);
    }
}

// Exactly the rows marked shared have an instance, one address each, stable across calls; a clone
// of it is a separate object of the same class, and deleting the clone leaves the instance working.
template <class Interface, class Kernel, size_t N>
void ExpectSharedInstancesOnePerClassWithIndependentClones(const TFunctionClassRow<Interface, Kernel> (&rows)[N])
{
    std::set<const Interface*> addresses;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Interface* shared = row.sharedInstance();
        EXPECT_EQ(shared != nullptr, row.shared);
        if (shared == nullptr)
            continue;
        EXPECT_EQ(row.sharedInstance(), shared);
        EXPECT_TRUE(addresses.insert(shared).second);

        Interface* clone = shared->Clone();
        EXPECT_NE(clone, shared);
        EXPECT_STREQ(clone->GetTypeId(), row.classId);
        ExpectSameFunction(*clone, row.kernel);
        delete clone;
        ExpectSameFunction(*shared, row.kernel);
    }
}

// A stateless function object written as a polymorphic member reads back as an equal function.
template <class Interface>
void ExpectPolymorphicRoundTrip(const Interface& written)
{
    using namespace Veltis::Serialization;
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
    TRuntimeDeSerializer<Interface> reader;
    ASSERT_TRUE(document.ReadObject("curve", reader));
    std::unique_ptr<Interface> readBack(reader.GetObject());
    ASSERT_NE(readBack, nullptr);
    EXPECT_STREQ(readBack->GetTypeId(), written.GetTypeId());
    ExpectSameFunction(*readBack, written);
}

// A stateless function object's read ignores whatever its content element holds.
template <class Interface>
void ExpectReadIgnoresContent(const Interface& written)
{
    using namespace Veltis::Serialization;
    CXmlDataObject document("Root");
    const char kStray[] = "<Root><curve><isNull>0</isNull><type>%s</type><content><a>1</a></content></curve></Root>";
    char text[256];
    std::snprintf(text, sizeof text, kStray, written.GetTypeId());
    ASSERT_TRUE(document.LoadFromMemory(text, static_cast<int>(std::strlen(text))));
    TRuntimeDeSerializer<Interface> reader;
    EXPECT_TRUE(document.ReadObject("curve", reader));
    std::unique_ptr<Interface> readBack(reader.GetObject());
    ASSERT_NE(readBack, nullptr);
    EXPECT_STREQ(readBack->GetTypeId(), written.GetTypeId());
}

} // namespace VeltisTest
