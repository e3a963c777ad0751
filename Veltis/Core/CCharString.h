#pragma once

#include "Veltis/Core/TDynamicVector.h"

namespace Veltis {
namespace Core {

// The framework's owned, growable, NUL-terminated byte string. The buffer count includes the
// terminator; an empty string (count 0 or 1, with or without a buffer) always reads as "".
// Operations that take `release` pass it to the buffer's resize: false keeps a larger buffer for reuse.
class CCharString {
public:
    CCharString();
    CCharString(const char* text);
    CCharString(const CCharString& other);
    // attach true takes ownership of an array-new buffer; false copies the text.
    CCharString(char* text, bool attach);
    ~CCharString();

    CCharString& operator=(const char* text);
    CCharString& operator=(const CCharString& other);

    const char* GetString() const;
    int GetLength() const;
    // The text from index on; null for an index outside 0..length.
    const char* GetStringAt(int index) const;
    // An array-new copy of the text that the receiver deletes; "" for an empty string.
    char* Duplicate() const;
    // Always in the "C" locale; out is always written (0 when nothing was read).
    bool ToDouble(double& out) const;

    bool operator==(const CCharString& other) const;
    bool operator==(const char* text) const;
    bool operator!=(const CCharString& other) const;
    bool operator!=(const char* text) const;
    bool operator<(const CCharString& other) const;

    int Find(const char* pattern, int start = 0) const;
    // The terminator takes part: searching for NUL yields the length.
    int Find(char c, int start = 0) const;
    // A start that is negative or beyond the length counts as the length.
    int ReverseFind(char c, int start = -1) const;
    int CountOccurrences(const char* pattern) const;

    void Assign(const char* text, bool release = true);
    void Assign(const CCharString& other, bool release = true);
    void Append(const char* text, bool release = true);
    // Appends at most n characters of text; never reads past its terminator.
    void Append(const char* text, int n, bool release = true);
    void Append(const CCharString& other, bool release = true);
    void AssignLeft(const CCharString& source, int n, bool release = true);
    // Characters first to last, both included; last is clipped to the source's last character.
    void AssignMid(const CCharString& source, int first, int last, bool release = true);
    void GetSubString(int first, int last, CCharString& out) const;
    // Inserts before index (index = length appends); null text or an index outside 0..length does nothing.
    void Insert(const char* text, int index);
    // Replaces every non-overlapping occurrence, left to right; returns how many were replaced (0, with
    // the text unchanged, when the result would be longer than INT_MAX - 1 characters).
    int Replace(const char* pattern, const char* replacement);
    void Truncate(int n, bool release = true);
    void Clear(bool release = true);
    // Room for n characters and the terminator; never shortens the text.
    void Reserve(int n, bool release = true);
    // printf-style, always in the "C" locale; the buffer grows when the result does not fit.
    void Format(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    void MakeLower();

    // Hands the array-new buffer to the caller (never null: "" when there was none) and leaves the
    // string empty without a buffer.
    char* Detach();
    // Takes ownership of an array-new buffer; null leaves the string empty without a buffer.
    void Attach(char* text);

private:
    // The character vector plus the two moves that ownership transfer needs.
    class CBuffer : public TDynamicVector<char, CExpGrowthStrategy, TMemoryCopier<char>> {
    public:
        // Non-copying resize: content is undefined after a reallocation.
        void SetSizeDiscarding(int count, bool freeMemory);
        char* Release();
        void Adopt(char* data, int count, int capacity);
        void Free();
    };

    // Copies n characters of text (which may lie inside this string) and a terminator.
    void AssignRange(const char* text, int n, bool release);
    bool Contains(const char* text) const;

    CBuffer m_Buffer;
};

} // namespace Core
} // namespace Veltis
