#pragma once

#include <locale.h>

// Helpers on plain C strings. Number text is always read and written in the "C" locale, whatever the
// process locale is: skins switch the process locale while they load.

namespace Veltis {
namespace Core {
class CCharString;
}

namespace CoreUtilities {

// '*' is the only wildcard; without caseSensitive only 'A'..'Z' fold to lower case. The separator ends
// both strings as NUL does.
bool WildcardMatch(const char* text, const char* pattern, bool caseSensitive, char separator);
bool HasWildcard(const char* text);

// Both return the number of characters consumed, 0 for null (out then untouched); out is written for
// any other text (0 when nothing was read). ParseInt cuts strtol's result to 32 bits.
int ParseDouble(const char* text, double& out);
int ParseInt(const char* text, int& out, int base);

// Two nulls are equal, a null and a text are not.
bool StringsEqual(const char* first, const char* second);
int GetStringLength(const char* text);

// The first index >= start holding c, the terminator included; -1 when start is beyond the length.
int FindChar(const char* text, char c, int start);
// A start of 0 or less, or beyond the length, counts as the length; -1 when c does not occur.
int ReverseFindChar(const char* text, char c, int start);
// -1 when start >= length; else the offset from start of the first of characters, or the rest's length.
int FindFirstOf(const char* text, const char* characters, int start);

// Decimal text ("-" before negatives, no grouping) stored with Assign(text, release).
void ValueToString(const int& value, Core::CCharString& out, bool release = true);

// The "C" locale handle for the *_l functions and uselocale; created once, never freed.
locale_t GetClassicLocale();

} // namespace CoreUtilities
} // namespace Veltis
