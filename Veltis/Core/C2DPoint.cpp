#include "Veltis/Core/C2DPoint.h"

#include "Veltis/Core/C2DRectangle.h"

namespace Veltis {
namespace Core {

using Detail::SaturateInt32;

C2DPoint& C2DPoint::operator+=(const C2DPoint& other)
{
    x = SaturateInt32(int64_t(x) + other.x);
    y = SaturateInt32(int64_t(y) + other.y);
    return *this;
}

void C2DPoint::Negate()
{
    x = SaturateInt32(-int64_t(x));
    y = SaturateInt32(-int64_t(y));
}

bool C2DPoint::IsInside(const C2DRectangle& rectangle) const
{
    return x >= rectangle.x && int64_t(x) < int64_t(rectangle.x) + rectangle.width && y >= rectangle.y &&
           int64_t(y) < int64_t(rectangle.y) + rectangle.height;
}

} // namespace Core
} // namespace Veltis
