#include "Veltis/Graphics/CSimple2DRegion.h"

#include "Native/Harness.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <memory>

using Veltis::Core::C2DPoint;
using Veltis::Core::C2DRectangle;
using Veltis::Graphics::CSimple2DRegion;
using Veltis::Graphics::ISimple2DRegion;

namespace VeltisTest {
namespace {

class CSimple2DRegionTest : public NativeTest {};

void ExpectRectangle(const C2DRectangle& actual, const C2DRectangle& expected)
{
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.width, expected.width);
    EXPECT_EQ(actual.height, expected.height);
}

TEST_F(CSimple2DRegionTest, OperationsChangeBoundsAndEmptiness)
{
    struct Case {
        const char* name;
        C2DRectangle start;
        void (*change)(CSimple2DRegion&);
        C2DRectangle bounds;
    };
    const Case kCases[] = {
        {"new and empty", {0, 0, 0, 0}, [](CSimple2DRegion&) {}, {0, 0, 0, 0}},
        {"negative width", {5, 5, -2, 3}, [](CSimple2DRegion&) {}, {0, 0, 0, 0}},
        {"union into empty", {0, 0, 0, 0}, [](CSimple2DRegion& r) { r.UnionRectangle({10, 10, 5, 5}); }, {10, 10, 5, 5}},
        {"union of two",
         {0, 0, 0, 0},
         [](CSimple2DRegion& r) {
             r.UnionRectangle({10, 10, 5, 5});
             r.UnionRectangle({30, 10, 5, 5});
         },
         {10, 10, 25, 5}},
        {"union of nothing", {10, 10, 5, 5}, [](CSimple2DRegion& r) { r.UnionRectangle({0, 0, 0, 9}); }, {10, 10, 5, 5}},
        {"intersect", {10, 10, 5, 5}, [](CSimple2DRegion& r) { r.IntersectRectangle({12, 0, 100, 100}); }, {12, 10, 3, 5}},
        {"intersect apart", {10, 10, 5, 5}, [](CSimple2DRegion& r) { r.IntersectRectangle({0, 0, 5, 5}); }, {0, 0, 0, 0}},
        {"offset", {10, 10, 5, 5}, [](CSimple2DRegion& r) { r.Offset(C2DPoint(5, -5)); }, {15, 5, 5, 5}},
        {"offset of empty", {0, 0, 0, 0}, [](CSimple2DRegion& r) { r.Offset(C2DPoint(5, -5)); }, {0, 0, 0, 0}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CSimple2DRegion region(c.start);
        c.change(region);
        ExpectRectangle(region.GetBounds(), c.bounds);
        EXPECT_EQ(region.IsEmpty(), c.bounds.width == 0);
        EXPECT_EQ(Native::Harness::LiveObjects("HIShape"), 1u);
    }
    EXPECT_EQ(Native::Harness::LiveObjects(), 0u);
}

TEST_F(CSimple2DRegionTest, IntersectionBoundsLeaveTheRegionAlone)
{
    CSimple2DRegion region(C2DRectangle(10, 10, 5, 5));
    region.UnionRectangle(C2DRectangle(30, 10, 5, 5));
    ExpectRectangle(region.GetIntersectionBounds(C2DRectangle(12, 0, 100, 100)), C2DRectangle(12, 10, 23, 5));
    ExpectRectangle(region.GetIntersectionBounds(C2DRectangle(16, 0, 10, 100)), C2DRectangle(0, 0, 0, 0));
    ExpectRectangle(region.GetBounds(), C2DRectangle(10, 10, 25, 5));
    EXPECT_EQ(Native::Harness::LiveObjects("HIShape"), 1u);
}

TEST_F(CSimple2DRegionTest, ClonesAreIndependent)
{
    CSimple2DRegion region(C2DRectangle(10, 10, 5, 5));
    std::unique_ptr<ISimple2DRegion> clone(region.Clone());
    clone->Offset(C2DPoint(1, 1));
    region.IntersectRectangle(C2DRectangle(0, 0, 12, 12));
    ExpectRectangle(clone->GetBounds(), C2DRectangle(11, 11, 5, 5));
    ExpectRectangle(region.GetBounds(), C2DRectangle(10, 10, 2, 2));

    CSimple2DRegion empty(C2DRectangle(0, 0, 0, 0));
    std::unique_ptr<ISimple2DRegion> emptyClone(empty.Clone());
    EXPECT_TRUE(emptyClone->IsEmpty());
    EXPECT_EQ(Native::Harness::LiveObjects("HIShape"), 4u);
}

} // namespace
} // namespace VeltisTest
