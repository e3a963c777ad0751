#pragma once

namespace Veltis {
namespace Core {
namespace Align {

// Where something sits along a horizontal extent. Skins and property wrappers may pass any integer;
// the users treat every value but left and right as centre.
enum EHAlign : int { kLeft = 0, kHCenter = 1, kRight = 2 };

// Where something sits along a vertical extent; as EHAlign, every value but top and bottom centres.
enum EVAlign : int { kTop = 0, kVCenter = 1, kBottom = 2 };

// A horizontal and a vertical alignment set together.
struct C2DAlign {
    int horizontal;
    int vertical;
};

} // namespace Align
} // namespace Core
} // namespace Veltis
