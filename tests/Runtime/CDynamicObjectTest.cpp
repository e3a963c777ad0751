#include "Veltis/Runtime/CDynamicObject.h"

#include "Veltis/Core/TOwnership.h"
#include "Veltis/Runtime/FacetIdentifiers.h"
#include "Veltis/Runtime/TTypeInfo.h"

#include "support/CountedObject.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

using namespace Veltis::Runtime;
using Veltis::Core::TOwnership;
using VeltisTest::CCountedObject;

namespace {

class IFacet {
public:
    virtual int GetId() const = 0;
    virtual ~IFacet() {}
};

// The facet interface is not the first base, so its address differs from the object's.
class CFacet : public CCountedObject, public IFacet {
public:
    explicit CFacet(int id) : m_Id(id) {}
    int GetId() const override { return m_Id; }
    int m_Id;
};

class DynamicObjectTest : public testing::Test {
protected:
    void SetUp() override { CCountedObject::ResetCounters(); }
};

TEST_F(DynamicObjectTest, FacetsAreFoundByTheirIdentifier)
{
    CFacet* refresh = new CFacet(1);
    CFacet* params = new CFacet(2);
    {
        CDynamicObject object;
        EXPECT_TRUE(object.AddObject(new TOwnership<IFacet>(refresh, 1), kRefreshTimeFacetId));
        EXPECT_TRUE(object.AddObject(new TOwnership<IFacet>(params, 1), kConstParamInfoFacetId));

        EXPECT_EQ(static_cast<IFacet*>(object.GetObject(kRefreshTimeFacetId)), static_cast<IFacet*>(refresh));
        const CDynamicObject& constant = object;
        EXPECT_EQ(static_cast<const IFacet*>(constant.GetObject(kConstParamInfoFacetId))->GetId(), 2);

        // Identifiers are compared as exact text: a copy matches, another case does not.
        const std::string copy(kRefreshTimeFacetId);
        EXPECT_EQ(object.GetObject(copy.c_str()), object.GetObject(kRefreshTimeFacetId));
        EXPECT_EQ(object.GetObject("{27D125AE-F5BF-49A3-BFC1-50C5E94910B9}"), nullptr);
        EXPECT_EQ(object.GetObject(kCollectionFacetId), nullptr);
        EXPECT_EQ(object.GetObject(""), nullptr);
        EXPECT_EQ(object.GetObject(nullptr), nullptr);
        EXPECT_EQ(CCountedObject::Alive(), 2);
    }
    EXPECT_EQ(CCountedObject::Alive(), 0);
}

TEST_F(DynamicObjectTest, SecondFacetUnderOneIdentifierIsDeletedAndTheFirstStays)
{
    CFacet unowned(9);
    {
        CDynamicObject object;
        CFacet* first = new CFacet(1);
        EXPECT_TRUE(object.AddObject(new TOwnership<IFacet>(first, 1), kRefreshTimeFacetId));
        EXPECT_FALSE(object.AddObject(new TOwnership<IFacet>(new CFacet(2), 1), kRefreshTimeFacetId));
        EXPECT_EQ(CCountedObject::Alive(), 2); // first and unowned
        EXPECT_EQ(static_cast<IFacet*>(object.GetObject(kRefreshTimeFacetId))->GetId(), 1);

        // A refused holder that does not own its facet leaves the facet alone.
        EXPECT_FALSE(object.AddObject(new TOwnership<IFacet>(&unowned, 0), kRefreshTimeFacetId));
        EXPECT_TRUE(object.AddObject(new TOwnership<IFacet>(&unowned, 0), kCollectionFacetId));
        EXPECT_FALSE(object.AddObject(new TOwnership<IFacet>(new CFacet(3), 1), nullptr));
        EXPECT_FALSE(object.AddObject(nullptr, kConstCollectionFacetId));
        EXPECT_EQ(object.GetObject(kConstCollectionFacetId), nullptr);
        EXPECT_EQ(CCountedObject::Alive(), 2);
    }
    // The owned facet went with the object; the unowned one is still alive.
    EXPECT_EQ(CCountedObject::Alive(), 1);
    EXPECT_EQ(unowned.GetId(), 9);
}

TEST_F(DynamicObjectTest, TypeInfoIsSharedAndNamesTheClass)
{
    CDynamicObject a;
    CDynamicObject b;
    const IDynamicObject& asInterface = a;
    EXPECT_EQ(&a.GetTypeInfo(), &b.GetTypeInfo());
    EXPECT_EQ(&asInterface.GetTypeInfo(), &TTypeInfo<CDynamicObject>::GetInstance());
    EXPECT_STREQ(a.GetTypeInfo().GetTypeName(), "CDynamicObject");
    EXPECT_STREQ(a.GetTypeInfo().GetTypeId(), "{333790A5-1B99-4191-9302-B44A3503D4E4}");
}

TEST(FacetIdentifiers, AreDistinctWellFormedGuids)
{
    const char* const kIds[] = {
        kRefreshTimeFacetId,        kConstActionFacetId,          kConstParamInfoFacetId,
        kParamCaptureFacetId,       kCurveCaptureFacetId,         kSurfaceCaptureFacetId,
        kStringCaptureFacetId,      kConstParamCaptureFacetId,    kConstCurveCaptureFacetId,
        kConstSurfaceCaptureFacetId, kConstStringCaptureFacetId,  kValueChangedEventProviderFacetId,
        kConstCollectionFacetId,    kCollectionFacetId,
    };
    std::set<std::string> seen;
    for (const char* id : kIds) {
        SCOPED_TRACE(id);
        ASSERT_EQ(std::strlen(id), 38u);
        EXPECT_EQ(id[0], '{');
        EXPECT_EQ(id[37], '}');
        for (int dash : {9, 14, 19, 24})
            EXPECT_EQ(id[dash], '-');
        EXPECT_TRUE(seen.insert(id).second);
    }
}

} // namespace
