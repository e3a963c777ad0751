#include "Veltis/Core/C2DRectangle.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

using namespace Veltis::Core;

namespace Veltis {
namespace Core {
// Lets failures print rectangles.
std::ostream& operator<<(std::ostream& out, const C2DRectangle& r)
{
    return out << "(" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << ")";
}
} // namespace Core
} // namespace Veltis

namespace {

void ExpectRectangle(const C2DRectangle& actual, int x, int y, int width, int height)
{
    EXPECT_EQ(actual.x, x) << actual;
    EXPECT_EQ(actual.y, y) << actual;
    EXPECT_EQ(actual.width, width) << actual;
    EXPECT_EQ(actual.height, height) << actual;
}

TEST(C2DRectangle, CornerConstructionIncludesBothCornersAndNormalizes)
{
    ExpectRectangle(C2DRectangle(C2DPoint(2, 3), C2DPoint(2, 3)), 2, 3, 1, 1);
    C2DRectangle reversed(C2DPoint(5, 5), C2DPoint(2, 2));
    ExpectRectangle(reversed, 5, 5, -2, -2);
    reversed.Normalize();
    ExpectRectangle(reversed, 3, 3, 2, 2);

    C2DRectangle plain(C2DPoint(1, 2), C2DSize(3, 4));
    plain.Normalize();
    ExpectRectangle(plain, 1, 2, 3, 4);

    C2DRectangle onlyHeight(10, 10, 4, -6);
    onlyHeight.Normalize();
    ExpectRectangle(onlyHeight, 10, 4, 4, 6);
}

TEST(C2DRectangle, InsideExcludesRightAndBottomEdges)
{
    struct Case { C2DPoint point; C2DRectangle rectangle; bool inside; };
    const Case kCases[] = {
        {{0, 0}, {0, 0, 10, 10}, true},   {{9, 9}, {0, 0, 10, 10}, true},
        {{10, 5}, {0, 0, 10, 10}, false}, {{5, 10}, {0, 0, 10, 10}, false},
        {{-1, 5}, {0, 0, 10, 10}, false}, {{5, -1}, {0, 0, 10, 10}, false},
        {{0, 0}, {0, 0, 0, 10}, false},   {{0, 0}, {0, 0, 10, 0}, false},
        {{0, 0}, {0, 0, -5, 10}, false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "(" << c.point.x << ", " << c.point.y << ") in " << c.rectangle);
        EXPECT_EQ(c.point.IsInside(c.rectangle), c.inside);
    }
}

TEST(C2DRectangle, IntersectNeverHasNegativeSizeAndKeepsItsCorner)
{
    struct Case { C2DRectangle a, b, expected; };
    const Case kCases[] = {
        {{0, 0, 10, 10}, {5, 5, 10, 10}, {5, 5, 5, 5}},
        {{0, 0, 10, 10}, {20, 20, 5, 5}, {20, 20, 0, 0}},
        {{0, 0, 10, 10}, {10, 0, 5, 5}, {10, 0, 0, 5}},
        {{0, 0, 10, 10}, {2, 3, 4, 5}, {2, 3, 4, 5}},
        {{5, 5, 10, 10}, {0, 0, 10, 10}, {5, 5, 5, 5}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.a << " & " << c.b);
        const C2DRectangle r = C2DRectangle::Intersect(c.a, c.b);
        ExpectRectangle(r, c.expected.x, c.expected.y, c.expected.width, c.expected.height);
    }
}

TEST(C2DRectangle, SubtractCutsOnlyWhereOneRectangleRemains)
{
    struct Case { C2DRectangle other, expected; };
    const Case kCases[] = {
        {{0, 0, 10, 4}, {0, 4, 10, 6}},      // upper part
        {{0, 6, 10, 10}, {0, 0, 10, 6}},     // lower part
        {{0, 0, 3, 10}, {3, 0, 7, 10}},      // left part
        {{7, -5, 10, 20}, {0, 0, 7, 10}},    // right part
        {{0, 6, 10, 4}, {0, 0, 10, 6}},      // lower part flush with the bottom
        {{7, 0, 3, 10}, {0, 0, 7, 10}},      // right part flush with the right edge
        {{3, 0, 4, 10}, {0, 0, 10, 10}},     // vertical strip inside
        {{2, 2, 3, 3}, {0, 0, 10, 10}},      // hole
        {{0, 3, 10, 4}, {0, 0, 10, 10}},     // horizontal strip inside
        {{-1, -1, 12, 12}, {0, 11, 10, -1}}, // covers all: the upper-part rule applies
        {{0, 20, 10, 5}, {0, 0, 10, 10}},    // below, spanning the width
        {{0, -20, 10, 5}, {0, 0, 10, 10}},   // above, spanning the width
        {{20, 0, 5, 10}, {0, 0, 10, 10}},    // right of it, spanning the height
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "(0, 0, 10, 10) - " << c.other);
        C2DRectangle r(0, 0, 10, 10);
        r.Subtract(c.other);
        ExpectRectangle(r, c.expected.x, c.expected.y, c.expected.width, c.expected.height);
    }
}

TEST(C2DRectangle, ExtremeValuesSaturateInsteadOfOverflowing)
{
    const int32_t kMax = std::numeric_limits<int32_t>::max();
    const int32_t kMin = std::numeric_limits<int32_t>::min();
    EXPECT_TRUE(C2DPoint(kMax - 1, 0).IsInside(C2DRectangle(kMax - 2, 0, kMax, 1)));
    ExpectRectangle(C2DRectangle::Intersect({kMax - 5, 0, kMax, 1}, {0, 0, kMax, 1}), kMax - 5, 0, 5, 1);

    C2DRectangle wide(C2DPoint(kMin, 0), C2DPoint(kMax, 0));
    EXPECT_EQ(wide.width, kMax);
    C2DRectangle negative(0, 0, kMin, kMin);
    negative.Normalize();
    ExpectRectangle(negative, kMin, kMin, kMax, kMax);
    C2DRectangle moved(kMax, kMin, 1, 1);
    moved.Offset(C2DPoint(10, -10));
    ExpectRectangle(moved, kMax, kMin, 1, 1);
}

TEST(C2DPoint, ArithmeticAndComparison)
{
    C2DPoint p(3, -4);
    p += C2DPoint(1, 1);
    EXPECT_FALSE(p != C2DPoint(4, -3));
    p.Negate();
    EXPECT_FALSE(p != C2DPoint(-4, 3));
    EXPECT_TRUE(p != C2DPoint(-4, 4));
    EXPECT_TRUE(p != C2DPoint(4, 3));
    p.Set(7, 8);
    EXPECT_FALSE(p != C2DPoint(7, 8));

    C2DRectangle r(1, 2, 3, 4);
    r.Offset(C2DPoint(10, 20));
    ExpectRectangle(r, 11, 22, 3, 4);

    EXPECT_TRUE(C2DSize(2, 3) == C2DSize(2, 3));
    EXPECT_TRUE(C2DSize(2, 3) != C2DSize(2, 4));
    EXPECT_TRUE(C2DSize(2, 3) != C2DSize(1, 3));
}

} // namespace
