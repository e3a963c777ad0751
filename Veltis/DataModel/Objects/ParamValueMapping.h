#pragma once

namespace Veltis {
namespace Math {
class IFunction;
}

namespace DataModel {
namespace Objects {

class IConstParamInfo;

// How parameter links and connections carry a value x of one parameter (from) to another (to).
// Normalised: x's 0..1 position in from's range goes through the function (and the reverse step,
// 1 - y), is clamped to 0..1 (NaN gives 0) and placed in to's range. Not normalised: the function
// of x, reversed as (max - y) + min in to's range, unclamped. reverseFirst applies the reverse step
// before the function instead, in from's range: the way back of a mapping through its inverse.
float MapParamValue(float x, const Math::IFunction& function, bool normalized, bool reversed, bool reverseFirst,
                    const IConstParamInfo& from, const IConstParamInfo& to);

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
