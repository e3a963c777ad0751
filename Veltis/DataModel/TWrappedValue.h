#pragma once

#include <climits>
#include <type_traits>

namespace Veltis {
namespace DataModel {

// How a property wrapper turns its object's type into the published value and back: bool, int,
// enumerations, float and double publish a float; texts publish themselves. Float-to-integer writes
// truncate toward zero, saturate to the int range and take NaN as 0; a bool takes NaN as false.
template <class T>
struct TWrappedValue {
    typedef float Published;

    static float ToPublished(T value)
    {
        if constexpr (std::is_same_v<T, bool>)
            return value ? 1.0f : 0.0f;
        else if constexpr (std::is_enum_v<T>)
            return static_cast<float>(static_cast<std::underlying_type_t<T>>(value));
        else
            return static_cast<float>(value);
    }

    static T FromPublished(float value)
    {
        if constexpr (std::is_same_v<T, bool>) {
            return value != 0.0f && value == value;
        } else if constexpr (std::is_integral_v<T>) {
            static_assert(sizeof(T) <= sizeof(int), "wrapped integers are at most int");
            if (value != value)
                return 0;
            if (value <= static_cast<float>(INT_MIN))
                return INT_MIN;
            if (value >= static_cast<float>(INT_MAX))
                return INT_MAX;
            return static_cast<T>(value);
        } else {
            return static_cast<T>(value);
        }
    }
};

template <>
struct TWrappedValue<const char*> {
    typedef const char* Published;

    static const char* ToPublished(const char* value) { return value; }
};

} // namespace DataModel
} // namespace Veltis
