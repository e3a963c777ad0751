#include "Veltis/Runtime/CObjectsFactory.h"

#include "RegistryProbe/IRegistryProbe.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Veltis::Runtime;

namespace {

class IShape {
public:
    static constexpr const char* kInterfaceId = "{11111111-2222-4aaa-BBBB-CCCCCCCCCCCC}";
    virtual int GetCorners() const = 0;
    virtual ~IShape() {}
};

class IOther {
public:
    static constexpr const char* kInterfaceId = "{22222222-3333-4bbb-CCCC-DDDDDDDDDDDD}";
    virtual ~IOther() {}
};

// A second base ahead of IShape, so that the IShape part sits at another address than the object.
class CPadding {
public:
    virtual ~CPadding() {}
    int m_Padding = 7;
};

class CSquare : public CPadding, public IShape {
public:
    static constexpr const char* kClassId = "{33333333-4444-4ccc-DDDD-EEEEEEEEEEEE}";
    int GetCorners() const override { return 4; }
};

class CTriangle : public IShape {
public:
    static constexpr const char* kClassId = "{44444444-5555-4ddd-EEEE-FFFFFFFFFFFF}";
    int GetCorners() const override { return 3; }
};

// A factory that hands out triangles under the square's key, to see which factory a lookup uses.
class CTriangleForSquareFactory : public virtual IObjectFactory {
public:
    void* CreateObject(const char*, const char*) override { return static_cast<IShape*>(new CTriangle()); }
    void* CreateObject(const char* classId) override { return CreateObject(classId, classId); }
};

TEST(CObjectsFactory, CreatesByClassAndByInterfaceOnly)
{
    CObjectsFactory registry;
    TObjectFactory<CSquare, CSquare> byClass;
    TObjectFactory<CSquare, IShape> byInterface;
    ASSERT_TRUE(registry.RegisterFactory(CSquare::kClassId, CSquare::kClassId, &byClass));
    ASSERT_TRUE(registry.RegisterFactory(CSquare::kClassId, IShape::kInterfaceId, &byInterface));

    std::unique_ptr<CSquare> square(static_cast<CSquare*>(registry.CreateObject(CSquare::kClassId)));
    ASSERT_NE(square, nullptr);
    EXPECT_EQ(square->m_Padding, 7);
    EXPECT_EQ(square->GetCorners(), 4);

    std::unique_ptr<IShape> shape(static_cast<IShape*>(registry.CreateObject(CSquare::kClassId, IShape::kInterfaceId)));
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->GetCorners(), 4);

    struct Case { const char* classId; const char* interfaceId; };
    const Case kNullCases[] = {
        {CSquare::kClassId, IOther::kInterfaceId},
        {CTriangle::kClassId, CTriangle::kClassId},
        {"{33333333-4444-4CCC-DDDD-EEEEEEEEEEEE}", "{33333333-4444-4CCC-DDDD-EEEEEEEEEEEE}"},
        {"", ""},
        {"", IShape::kInterfaceId},
        {nullptr, nullptr},
        {CSquare::kClassId, nullptr},
    };
    for (const Case& c : kNullCases) {
        SCOPED_TRACE(testing::Message() << (c.classId ? c.classId : "(null)") << " / "
                                        << (c.interfaceId ? c.interfaceId : "(null)"));
        EXPECT_EQ(registry.CreateObject(c.classId, c.interfaceId), nullptr);
    }
    EXPECT_EQ(registry.CreateObject(""), nullptr);
    EXPECT_EQ(registry.CreateObject(nullptr), nullptr);
}

TEST(CObjectsFactory, DuplicateRegistrationKeepsTheFirstFactory)
{
    CObjectsFactory registry;
    TObjectFactory<CSquare, IShape> first;
    CTriangleForSquareFactory second;
    EXPECT_TRUE(registry.RegisterFactory(CSquare::kClassId, IShape::kInterfaceId, &first));
    EXPECT_FALSE(registry.RegisterFactory(CSquare::kClassId, IShape::kInterfaceId, &second));

    std::unique_ptr<IShape> shape(static_cast<IShape*>(registry.CreateObject(CSquare::kClassId, IShape::kInterfaceId)));
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->GetCorners(), 4);
}

TEST(CObjectsFactory, RegistrationsUnderDifferentInterfacesAreSeparateKeys)
{
    CObjectsFactory registry;
    TObjectFactory<CSquare, IShape> squares;
    CTriangleForSquareFactory triangles;
    EXPECT_TRUE(registry.RegisterFactory(CSquare::kClassId, IShape::kInterfaceId, &squares));
    EXPECT_TRUE(registry.RegisterFactory(CSquare::kClassId, IOther::kInterfaceId, &triangles));
    EXPECT_EQ(registry.CreateObject(CSquare::kClassId, CSquare::kClassId), nullptr);
}

TEST(TObjectFactory, CreatesOnlyForItsOwnPair)
{
    TObjectFactory<CSquare, IShape> byInterface;
    TObjectFactory<CSquare, CSquare> byClass;
    // The single-identifier form asks for (class, class), which only the class-keyed factory makes.
    EXPECT_EQ(byInterface.CreateObject(CSquare::kClassId), nullptr);
    EXPECT_EQ(byInterface.CreateObject(CTriangle::kClassId, IShape::kInterfaceId), nullptr);
    EXPECT_EQ(byClass.CreateObject(CSquare::kClassId, IShape::kInterfaceId), nullptr);
    std::unique_ptr<CSquare> square(static_cast<CSquare*>(byClass.CreateObject(CSquare::kClassId)));
    EXPECT_NE(square, nullptr);
}

TEST(CObjectsFactory, ClassRegisteredOnlyByAStaticInitialiserIsCreatable)
{
    using VeltisTest::IRegistryProbe;
    CObjectsFactory* registry = CObjectsFactory::GetInstance();
    ASSERT_EQ(registry, CObjectsFactory::GetInstance());

    std::unique_ptr<IRegistryProbe> probe(static_cast<IRegistryProbe*>(
        registry->CreateObject(VeltisTest::kRegistryProbeClassId, IRegistryProbe::kInterfaceId)));
    ASSERT_NE(probe, nullptr);
    EXPECT_STREQ(probe->GetName(), "CRegistryProbe");

    // The static initialiser registered both keys; a second registration of either is refused.
    CTriangleForSquareFactory other;
    EXPECT_FALSE(RegisterObjectFactory(VeltisTest::kRegistryProbeClassId, IRegistryProbe::kInterfaceId, &other));
    EXPECT_FALSE(RegisterObjectFactory(VeltisTest::kRegistryProbeClassId, VeltisTest::kRegistryProbeClassId, &other));
}

} // namespace
