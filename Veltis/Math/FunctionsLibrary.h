#pragma once

#include "Veltis/Core/SaturatingCast.h"

#include <cmath>
#include <cstdint>
#include <math.h>

// The elementary float kernels that every function object wraps. Each formula keeps its exact
// operation order and precision: persisted curves and the audio path depend on the last bit, which is
// why the build turns floating-point contraction off. Inline so that a function object's GetValue is
// one direct call the compiler can fold.

namespace Veltis {
namespace Math {
namespace FunctionsLibrary {

// Functions of x.

inline float Identity(float x) { return x; }

// Negation flips the sign bit, so 0 gives -0.
inline float Negate(float x) { return -x; }

inline float Abs(float x) { return std::fabs(x); }

inline float Square(float x) { return x * x; }

// Never NaN: non-positive arguments give 0.
inline float SquareRoot(float x) { return x > 0.0f ? sqrtf(x) : 0.0f; }

inline float Exp(float x) { return expf(x); }

inline float Log(float x) { return logf(x); }

inline float Sin(float x) { return sinf(x); }

inline float Cos(float x) { return cosf(x); }

inline float Tan(float x) { return tanf(x); }

inline float Sinh(float x) { return sinhf(x); }

inline float Cosh(float x) { return coshf(x); }

inline float Tanh(float x) { return tanhf(x); }

inline float Floor(float x) { return floorf(x); }

inline float Ceil(float x) { return ceilf(x); }

// Half away from zero through a 32-bit integer; the 0.5 is added in double so that the largest float
// below 0.5 still rounds to 0. Values beyond the integer range saturate and NaN gives the lower bound,
// because formulas from skins can hand over anything.
inline float Round(float x)
{
    const double shifted = x > 0.0f ? static_cast<double>(x) + 0.5 : static_cast<double>(x) - 0.5;
    return static_cast<float>(Core::TruncateToInt(shifted));
}

inline float Not(float x) { return x == 0.0f ? 1.0f : 0.0f; }

inline float FromdB(float x) { return powf(10.0f, x * 0.05f); }

inline float TodB(float x) { return static_cast<float>(20.0 * std::log10(static_cast<double>(x))); }

inline float NormLog(float x) { return logf(x + 1.0f) / logf(2.0f); }

inline float NormLog1(float x) { return logf(x * 10.0f + 1.0f) / logf(11.0f); }

inline float NormLog2(float x) { return logf(x * 100.0f + 1.0f) / logf(101.0f); }

inline float NormLog3(float x) { return logf(x * 1000.0f + 1.0f) / logf(1001.0f); }

inline float NormExp(float x) { return expf(logf(2.0f) * x) - 1.0f; }

inline float NormExp1(float x) { return (expf(logf(11.0f) * x) - 1.0f) * 0.1f; }

inline float NormExp2(float x) { return (expf(logf(101.0f) * x) - 1.0f) * 0.01f; }

inline float NormExp3(float x) { return (expf(logf(1001.0f) * x) - 1.0f) * 0.001f; }

// Functions of x and y.

inline float X(float x, float) { return x; }

inline float Y(float, float y) { return y; }

inline float Sum(float x, float y) { return x + y; }

inline float Difference(float x, float y) { return x - y; }

inline float Product(float x, float y) { return x * y; }

// No guard: division by zero gives the IEEE infinity or NaN.
inline float Division(float x, float y) { return x / y; }

inline float Average(float x, float y) { return (x + y) * 0.5f; }

inline float Distance(float x, float y) { return std::fabs(x - y); }

// No scaling against overflow.
inline float Module(float x, float y) { return sqrtf(x * x + y * y); }

inline float Power(float x, float y) { return powf(x, y); }

// Both keep x on a tie, so the sign of a zero tie follows the first argument.
inline float Min(float x, float y) { return x <= y ? x : y; }

inline float Max(float x, float y) { return x >= y ? x : y; }

inline float Equality(float x, float y) { return x == y ? 1.0f : 0.0f; }

inline float NotEqual(float x, float y) { return x != y ? 1.0f : 0.0f; }

inline float LowerThan(float x, float y) { return x < y ? 1.0f : 0.0f; }

inline float LowerThanEqual(float x, float y) { return x <= y ? 1.0f : 0.0f; }

inline float GreaterThan(float x, float y) { return x > y ? 1.0f : 0.0f; }

inline float GreaterThanEqual(float x, float y) { return x >= y ? 1.0f : 0.0f; }

inline float And(float x, float y) { return x != 0.0f && y != 0.0f ? 1.0f : 0.0f; }

inline float Or(float x, float y) { return x != 0.0f || y != 0.0f ? 1.0f : 0.0f; }

// Ranges; neither clamps.

// Equal bounds give value - min instead of dividing by zero.
inline float Normalize(float value, float min, float max)
{
    if (max == min)
        return value - min;
    return (value - min) / (max - min);
}

inline float Denormalize(float value, float min, float max) { return (max - min) * value + min; }

} // namespace FunctionsLibrary
} // namespace Math
} // namespace Veltis
