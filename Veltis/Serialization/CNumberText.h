#pragma once

namespace Veltis {
namespace Serialization {

// Number text of the data documents, always in the "C" locale whatever the process locale is (skins
// switch it while they load). Formatting prints like "%.11g" for floats (widened to double) and
// "%.20g" for doubles, which gives every value back bit for bit; parsing follows formatted stream
// input: leading whitespace skipped, the longest prefix that forms a number converted, the rest
// ignored. A parse that yields no value (no digits, out of range, "inf", "nan") leaves the output
// untouched and returns false.
class CNumberText {
public:
    // Large enough for any of the formats below with its terminator.
    static constexpr int kBufferSize = 48;

    static void FormatBool(bool value, char (&text)[kBufferSize]);
    static void FormatInt(int value, char (&text)[kBufferSize]);
    static void FormatFloat(float value, char (&text)[kBufferSize]);
    static void FormatDouble(double value, char (&text)[kBufferSize]);

    // Only the integers 0 and 1 make a bool.
    static bool ParseBool(const char* text, bool& value);
    static bool ParseInt(const char* text, int& value);
    static bool ParseFloat(const char* text, float& value);
    static bool ParseDouble(const char* text, double& value);
};

} // namespace Serialization
} // namespace Veltis
