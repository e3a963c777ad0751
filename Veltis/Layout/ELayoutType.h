#pragma once

namespace Veltis {
namespace Layout {

// How a group places its children: in a row, in a column or on top of each other. Skins and property
// wrappers may pass any integer; a group of another type places no child.
enum ELayoutType : int { kHorizontal = 0, kVertical = 1, kStack = 2 };

} // namespace Layout
} // namespace Veltis
