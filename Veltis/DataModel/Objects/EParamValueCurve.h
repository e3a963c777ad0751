#pragma once

#include <cstdint>

namespace Veltis {
namespace Math {
class IFunction;
}

namespace DataModel {
namespace Objects {

// A response curve: how a normalised control position maps onto a normalised value (the function)
// and back (the inverse). Stored as a 32-bit int; the persisted names go into saved settings.
enum EParamValueCurve : std::int32_t {
    eParamValueCurveLog3 = 0,
    eParamValueCurveLog2 = 1,
    eParamValueCurveLog1 = 2,
    eParamValueCurveLog0 = 3,
    eParamValueCurveSquareRoot = 4,
    eParamValueCurveLog = 5,
    eParamValueCurveLinear = 6,
    eParamValueCurveExp = 7,
    eParamValueCurveSquare = 8,
    eParamValueCurveExp0 = 9,
    eParamValueCurveExp1 = 10,
    eParamValueCurveExp2 = 11,
    eParamValueCurveExp3 = 12,
};

inline constexpr int kParamValueCurveCount = 13;

// Indexed by the curve; written into and read from saved settings exactly as here.
inline constexpr const char* kParamValueCurveNames[kParamValueCurveCount] = {
    "Log3", "Log2", "Log1", "Log0", "Square Root", "Log", "Linear", "Exp", "Square", "Exp0", "Exp1", "Exp2", "Exp3"};

// Indexed by the curve; what lists and menus show.
inline constexpr const char* kParamValueCurveUserNames[kParamValueCurveCount] = {
    "Fast 5", "Fast 4", "Fast 3", "Fast 2", "Fast 1", "Fast", "Linear",
    "Slow", "Slow 1", "Slow 2", "Slow 3", "Slow 4", "Slow 5"};

// The shared function instances of the curve (never deleted by the caller, valid for the process's
// life); a value outside the enumeration gives the identity for both. The first call builds every
// curve's instances, so that a constructor calling it keeps later calls free of first-time work.
void GetParamValueCurveFunctions(EParamValueCurve curve, const Math::IFunction*& function,
                                 const Math::IFunction*& inverse);

// The persisted and the user name of a curve; null outside the enumeration.
const char* GetParamValueCurveName(EParamValueCurve curve);
const char* GetParamValueCurveUserName(EParamValueCurve curve);

// Maps a persisted name back by exact, case-sensitive comparison; false (curve untouched) when no
// name matches or the name is null.
bool FindParamValueCurve(const char* name, EParamValueCurve& curve);

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
