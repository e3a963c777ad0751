#include "Veltis/CoreUtilities/AbbreviateString.h"

#include <ctype.h>

#include <vector>

#include "Veltis/Core/CCharStringTokenizer.h"

namespace Veltis {
namespace CoreUtilities {

namespace {

// Names are ASCII; bytes from 0x80 up belong to no class, whatever the process locale says.
bool IsAscii(char c)
{
    return static_cast<unsigned char>(c) < 0x80;
}

bool IsRemovablePunctuation(char c)
{
    return IsAscii(c) && ispunct(static_cast<unsigned char>(c)) && c != '(' && c != ')';
}

bool IsLowerCaseLetter(char c)
{
    return IsAscii(c) && isalpha(static_cast<unsigned char>(c)) && islower(static_cast<unsigned char>(c));
}

bool IsLowerCaseVowel(char c)
{
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y';
}

// Rebuilds word from the characters whose keep flag is set, in their original order.
void KeepMarked(Core::CCharString& word, const std::vector<bool>& keep)
{
    const char* source = word.GetString();
    Core::CCharString rebuilt;
    rebuilt.Reserve(word.GetLength());
    for (int i = 0; i < word.GetLength(); ++i)
        if (keep[static_cast<size_t>(i)])
            rebuilt.Append(source + i, 1, false);
    word = rebuilt;
}

// Removes, from the last character to the first, each character at index >= firstRemovable for
// which removable(word, index) holds, while the budget lasts.
template <class Removable>
int RemoveFromEnd(Core::CCharString& word, int budget, int firstRemovable, Removable removable)
{
    const int length = word.GetLength();
    std::vector<bool> keep(static_cast<size_t>(length), true);
    for (int i = length - 1; i >= firstRemovable && budget > 0; --i) {
        if (removable(word.GetString(), i)) {
            keep[static_cast<size_t>(i)] = false;
            --budget;
        }
    }
    KeepMarked(word, keep);
    return budget;
}

} // namespace

void SplitWords(const Core::CCharString& text, std::list<Core::CCharString>& words)
{
    Core::CCharStringTokenizer tokenizer(text, ' ');
    for (tokenizer.First(); !tokenizer.IsDone(); tokenizer.Next())
        if (tokenizer.GetToken().GetLength() > 0)
            words.push_back(tokenizer.GetToken());
}

Core::CCharString JoinWords(const Core::CCharString& text, int maxLength)
{
    int excess = text.GetLength() - maxLength;
    Core::CCharStringTokenizer tokenizer(text, ' ');
    tokenizer.Last();
    if (tokenizer.IsDone())
        return text;
    Core::CCharString result(tokenizer.GetToken());
    for (tokenizer.Previous(); !tokenizer.IsDone(); tokenizer.Previous()) {
        if (excess > 0)
            --excess;
        else
            result.Insert(" ", 0);
        result.Insert(tokenizer.GetToken().GetString(), 0);
    }
    return result;
}

int RemovePunctuation(Core::CCharString& word, int budget)
{
    return RemoveFromEnd(word, budget, 0,
                         [](const char* characters, int i) { return IsRemovablePunctuation(characters[i]); });
}

int RemoveVowels(Core::CCharString& word, int budget)
{
    return RemoveFromEnd(word, budget, 1,
                         [](const char* characters, int i) { return IsLowerCaseVowel(characters[i]); });
}

int RemoveDoubledLetters(Core::CCharString& word, int budget)
{
    // The word is only rebuilt after the scan, so the comparison sees the word as the step began.
    return RemoveFromEnd(word, budget, 1,
                         [](const char* characters, int i) { return characters[i] == characters[i - 1]; });
}

int RemoveLowerCase(Core::CCharString& word, int budget)
{
    const int length = word.GetLength();
    if (length < 2 || budget <= 0)
        return budget;
    const char* characters = word.GetString();
    std::vector<bool> keep(static_cast<size_t>(length), true);
    // The inner characters nearest the end go first; the last character survives longest.
    std::vector<int> order;
    for (int i = length - 2; i >= 1; --i)
        order.push_back(i);
    order.push_back(length - 1);
    for (int i : order) {
        if (budget <= 0)
            break;
        if (IsLowerCaseLetter(characters[i]) || IsRemovablePunctuation(characters[i])) {
            keep[static_cast<size_t>(i)] = false;
            --budget;
        }
    }
    KeepMarked(word, keep);
    return budget;
}

Core::CCharString AbbreviateString(const Core::CCharString& text, int maxLength)
{
    // Every negative maximum gives the same empty result; clamping keeps the budget from overflowing.
    if (maxLength < 0)
        maxLength = 0;
    const int length = text.GetLength();
    if (length < maxLength)
        return text;

    int spaces = 0;
    for (int i = 0; i < length; ++i)
        if (text.GetString()[i] == ' ')
            ++spaces;
    int budget = length - maxLength - spaces;
    if (budget <= 0)
        return JoinWords(text, maxLength);

    std::list<Core::CCharString> words;
    SplitWords(text, words);
    typedef int (*Step)(Core::CCharString&, int);
    const Step steps[] = {&RemovePunctuation, &RemoveVowels, &RemoveDoubledLetters, &RemoveLowerCase};
    for (Step step : steps) {
        for (auto word = words.rbegin(); word != words.rend() && budget > 0; ++word)
            budget = step(*word, budget);
        if (budget <= 0)
            break;
    }

    Core::CCharString result;
    for (const Core::CCharString& word : words)
        result.Append(word, false);
    if (budget > 0) {
        const int kept = result.GetLength() - budget;
        if (kept > 0)
            result.Truncate(kept);
        else
            result.Clear();
    }
    return result;
}

} // namespace CoreUtilities
} // namespace Veltis
