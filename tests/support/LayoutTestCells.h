#pragma once

#include "Veltis/Layout/CGroupLayoutCell.h"

#include <gtest/gtest.h>

#include <ostream>

namespace Veltis {
namespace Core {
// Lets failures print points and sizes.
inline std::ostream& operator<<(std::ostream& out, const C2DPoint& p)
{
    return out << "(" << p.x << ", " << p.y << ")";
}
inline std::ostream& operator<<(std::ostream& out, const C2DSize& s)
{
    return out << s.width << "x" << s.height;
}
} // namespace Core
} // namespace Veltis

namespace VeltisTest {

// A real leaf: a group with both automatic flags off, so that every layout gives it its fixed size.
inline Veltis::Layout::CGroupLayoutCell* NewFixedCell(int width, int height)
{
    Veltis::Layout::CGroupLayoutCell* cell =
        new Veltis::Layout::CGroupLayoutCell(width, height, 0, 0, 0, Veltis::Layout::kHorizontal);
    cell->SetAutoSize(false);
    return cell;
}

inline void ExpectPoint(const Veltis::Core::C2DPoint& actual, int x, int y)
{
    EXPECT_TRUE(actual.x == x && actual.y == y) << "at " << actual << ", expected (" << x << ", " << y << ")";
}

inline void ExpectSize(const Veltis::Core::C2DSize& actual, int width, int height)
{
    EXPECT_EQ(actual, Veltis::Core::C2DSize(width, height)) << actual;
}

} // namespace VeltisTest
