#include "Native/HIShape.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreGraphics.h"
#include "Native/Harness.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace Native;

namespace VeltisTest {
namespace {

class HIShapeTest : public NativeTest {};

std::vector<CGFloat> Bounds(HIShapeRef shape)
{
    HIRect bounds = CGRectMake(-1, -1, -1, -1);
    EXPECT_EQ(HIShapeGetBounds(shape, &bounds), &bounds);
    return {bounds.origin.x, bounds.origin.y, bounds.size.width, bounds.size.height};
}

HIMutableShapeRef MakeShape(CGFloat x, CGFloat y, CGFloat width, CGFloat height)
{
    HIRect rect = CGRectMake(x, y, width, height);
    return HIShapeCreateMutableWithRect(&rect);
}

TEST_F(HIShapeTest, UnionIntersectAndOffsetOfTwoRectangles)
{
    struct Case {
        const char* name;
        HIRect a, b;
        std::vector<CGFloat> united, intersected;
    };
    const Case kCases[] = {
        {"disjoint", {{0, 0}, {2, 2}}, {{5, 5}, {2, 2}}, {0, 0, 7, 7}, {0, 0, 0, 0}},
        {"touching", {{0, 0}, {2, 2}}, {{2, 0}, {2, 2}}, {0, 0, 4, 2}, {0, 0, 0, 0}},
        {"overlapping", {{0, 0}, {4, 4}}, {{2, 2}, {4, 4}}, {0, 0, 6, 6}, {2, 2, 2, 2}},
        {"contained", {{0, 0}, {8, 8}}, {{3, 1}, {2, 2}}, {0, 0, 8, 8}, {3, 1, 2, 2}},
        {"with an empty one", {{1, 1}, {2, 2}}, {{3, 3}, {0, 5}}, {1, 1, 2, 2}, {0, 0, 0, 0}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        HIMutableShapeRef a = HIShapeCreateMutableWithRect(&c.a);
        HIMutableShapeRef b = HIShapeCreateMutableWithRect(&c.b);
        HIMutableShapeRef united = HIShapeCreateMutableCopy(a);
        HIMutableShapeRef intersected = HIShapeCreateMutableCopy(a);
        EXPECT_EQ(HIShapeUnion(a, b, united), noErr);
        EXPECT_EQ(HIShapeIntersect(a, b, intersected), noErr);
        EXPECT_EQ(Bounds(united), c.united);
        EXPECT_EQ(Bounds(intersected), c.intersected);
        EXPECT_EQ(HIShapeIsEmpty(intersected), c.intersected[2] == 0);
        EXPECT_FALSE(HIShapeIsEmpty(united));

        EXPECT_EQ(HIShapeOffset(united, 10, -3), noErr);
        EXPECT_EQ(Bounds(united), (std::vector<CGFloat>{c.united[0] + 10, c.united[1] - 3, c.united[2], c.united[3]}));
        // The inputs are left as they were.
        HIRect bounds;
        HIShapeGetBounds(a, &bounds);
        EXPECT_EQ(bounds.size.width, c.a.size.width);
        EXPECT_EQ(Harness::LiveObjects("HIShape"), 4u);
        for (HIShapeRef shape : {a, b, united, intersected})
            CFRelease(shape);
    }
}

TEST_F(HIShapeTest, ResultMayBeEitherInput)
{
    HIMutableShapeRef a = MakeShape(0, 0, 4, 4);
    HIMutableShapeRef b = MakeShape(2, 2, 4, 4);
    EXPECT_EQ(HIShapeIntersect(a, b, a), noErr);
    EXPECT_EQ(Bounds(a), (std::vector<CGFloat>{2, 2, 2, 2}));
    EXPECT_EQ(HIShapeUnion(a, b, b), noErr);
    EXPECT_EQ(Bounds(b), (std::vector<CGFloat>{2, 2, 4, 4}));
    EXPECT_EQ(HIShapeUnion(a, a, a), noErr);
    EXPECT_EQ(Bounds(a), (std::vector<CGFloat>{2, 2, 2, 2}));
    CFRelease(a);
    CFRelease(b);
}

TEST_F(HIShapeTest, RectanglesAreRoundedOutward)
{
    const double kInfinity = std::numeric_limits<double>::infinity();
    const double kLimit = (1 << 30) - 1;
    struct Case {
        const char* name;
        HIRect rect;
        std::vector<CGFloat> bounds;
    };
    const Case kCases[] = {
        {"half pixels", {{0.5, 0.5}, {1, 1}}, {0, 0, 2, 2}},
        {"negative fractions", {{-0.5, 1.2}, {0.1, 0.1}}, {-1, 1, 1, 1}},
        {"zero width", {{3, 3}, {0, 5}}, {0, 0, 0, 0}},
        {"negative height", {{3, 3}, {5, -1}}, {0, 0, 0, 0}},
        {"infinite", {{0, 0}, {kInfinity, 1}}, {0, 0, 0, 0}},
        {"huge", {{-1e12, -1e12}, {2e12, 2e12}}, {-kLimit, -kLimit, 2 * kLimit, 2 * kLimit}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        HIMutableShapeRef shape = HIShapeCreateMutableWithRect(&c.rect);
        ASSERT_NE(shape, nullptr);
        EXPECT_EQ(Bounds(shape), c.bounds);
        EXPECT_EQ(HIShapeIsEmpty(shape), c.bounds[2] == 0);
        CFRelease(shape);
    }
}

TEST_F(HIShapeTest, OffsetsMoveByWholePixelsAndStayWithinLimits)
{
    HIMutableShapeRef shape = MakeShape(10, 10, 5, 5);
    EXPECT_EQ(HIShapeOffset(shape, 5.4, -5.6), noErr);
    EXPECT_EQ(Bounds(shape), (std::vector<CGFloat>{15, 4, 5, 5}));

    HIMutableShapeRef huge = MakeShape(-1e12, 0, 2e12, 1);
    EXPECT_EQ(HIShapeOffset(huge, 1e300, 0), noErr);
    std::vector<CGFloat> bounds = Bounds(huge);
    EXPECT_FALSE(HIShapeIsEmpty(huge));
    EXPECT_LE(bounds[0] + bounds[2], (1 << 30) - 1);
    EXPECT_EQ(HIShapeOffset(huge, -1e300, -1e300), noErr);
    bounds = Bounds(huge);
    EXPECT_GE(bounds[0], -((1 << 30) - 1));
    EXPECT_GE(bounds[1], -((1 << 30) - 1));
    CFRelease(huge);

    RecordedReports reports;
    EXPECT_EQ(HIShapeOffset(shape, std::numeric_limits<double>::quiet_NaN(), 0), paramErr);
    EXPECT_EQ(Bounds(shape), (std::vector<CGFloat>{15, 4, 5, 5}));
    EXPECT_EQ(reports.Take().size(), 1u);
    CFRelease(shape);
}

TEST_F(HIShapeTest, CopiesAreIndependent)
{
    HIMutableShapeRef shape = MakeShape(0, 0, 2, 2);
    HIMutableShapeRef copy = HIShapeCreateMutableCopy(shape);
    HIShapeOffset(copy, 3, 3);
    EXPECT_EQ(Bounds(shape), (std::vector<CGFloat>{0, 0, 2, 2}));
    EXPECT_EQ(Bounds(copy), (std::vector<CGFloat>{3, 3, 2, 2}));
    CFRelease(shape);
    CFRelease(copy);
}

TEST_F(HIShapeTest, NullArgumentsAreReported)
{
    RecordedReports reports;
    HIMutableShapeRef shape = MakeShape(0, 0, 1, 1);
    HIRect bounds = CGRectMake(1, 1, 1, 1);
    EXPECT_EQ(HIShapeCreateMutableWithRect(nullptr), nullptr);
    EXPECT_EQ(HIShapeCreateMutableCopy(nullptr), nullptr);
    EXPECT_EQ(HIShapeGetBounds(nullptr, &bounds), &bounds);
    EXPECT_EQ(bounds.size.width, 0);
    EXPECT_EQ(HIShapeGetBounds(shape, nullptr), nullptr);
    EXPECT_TRUE(HIShapeIsEmpty(nullptr));
    EXPECT_EQ(HIShapeIntersect(shape, nullptr, shape), paramErr);
    EXPECT_EQ(HIShapeUnion(shape, shape, nullptr), paramErr);
    EXPECT_EQ(HIShapeOffset(nullptr, 1, 1), paramErr);
    EXPECT_EQ(reports.Take().size(), 8u);
    CFRelease(shape);
}

} // namespace
} // namespace VeltisTest
