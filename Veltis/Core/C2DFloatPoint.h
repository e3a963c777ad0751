#pragma once

namespace Veltis {
namespace Core {

// A position in float pixels, for the float line and point drawing operations.
class C2DFloatPoint {
public:
    C2DFloatPoint() : x(0.0f), y(0.0f) {}
    C2DFloatPoint(float x_, float y_) : x(x_), y(y_) {}

    float x;
    float y;
};

} // namespace Core
} // namespace Veltis
