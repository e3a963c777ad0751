#pragma once

#include <list>

#include "Veltis/Core/CCharString.h"

// Shortens names for the few characters of a host's short-name fields, keeping them recognisable:
// spaces go first, then punctuation, vowels, doubled letters and lower-case letters, from the end of
// the name towards its start; the end is cut only as a last resort.
namespace Veltis {
namespace CoreUtilities {

// At most maxLength characters (exactly maxLength when text was longer); a negative maxLength gives "".
Core::CCharString AbbreviateString(const Core::CCharString& text, int maxLength);

// Appends every non-empty space-separated word of text to words, in order.
void SplitWords(const Core::CCharString& text, std::list<Core::CCharString>& words);

// text without as many of its spaces as needed to reach maxLength, the rightmost spaces first.
Core::CCharString JoinWords(const Core::CCharString& text, int maxLength);

// Word steps: each scans word from its end, removes what it may while the budget is above 0 (one
// per character), and returns the budget left.
int RemovePunctuation(Core::CCharString& word, int budget);
int RemoveVowels(Core::CCharString& word, int budget);
int RemoveDoubledLetters(Core::CCharString& word, int budget);
int RemoveLowerCase(Core::CCharString& word, int budget);

} // namespace CoreUtilities
} // namespace Veltis
