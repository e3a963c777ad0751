#include "Veltis/CoreUtilities/Base64.h"

#include <climits>
#include <cstring>

namespace Veltis {
namespace CoreUtilities {

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// 0..63 for the alphabet, 64 for '=', 255 for everything else.
struct CDecodeTable {
    unsigned char values[128];

    CDecodeTable()
    {
        std::memset(values, 255, sizeof(values));
        for (int i = 0; i < 64; ++i)
            values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<unsigned char>(i);
        values[static_cast<unsigned char>('=')] = 64;
    }

    // Bytes above 127 lie outside the table and read as characters outside the alphabet.
    unsigned int operator[](char c) const
    {
        const unsigned char byte = static_cast<unsigned char>(c);
        return (byte < 128 ? values[byte] : 255u) & 63u;
    }
};

const CDecodeTable kDecodeTable;

// Padding shortens every group it ends, not only the last.
int GetGroupBytes(const char* group)
{
    return group[3] != '=' ? 3 : (group[2] == '=' ? 1 : 2);
}

} // namespace

char* Base64Encode(const unsigned char* data, unsigned long size)
{
    if (!data)
        size = 0;
    const unsigned long groups = size / 3 + (size % 3 ? 1 : 0);
    if (groups > static_cast<unsigned long>(INT_MAX - 1) / 4)
        return nullptr;
    char* text = new char[groups * 4 + 1];
    char* out = text;
    for (unsigned long i = 0; i < size; i += 3) {
        const unsigned long left = size - i;
        const unsigned int bits = (static_cast<unsigned int>(data[i]) << 16) |
                                  (left > 1 ? static_cast<unsigned int>(data[i + 1]) << 8 : 0u) |
                                  (left > 2 ? static_cast<unsigned int>(data[i + 2]) : 0u);
        *out++ = kAlphabet[(bits >> 18) & 63];
        *out++ = kAlphabet[(bits >> 12) & 63];
        *out++ = left > 1 ? kAlphabet[(bits >> 6) & 63] : '=';
        *out++ = left > 2 ? kAlphabet[bits & 63] : '=';
    }
    *out = '\0';
    return text;
}

unsigned char* Base64Decode(const char* text, int& size)
{
    if (!text)
        return nullptr;
    const size_t length = std::strlen(text);
    if (length % 4 != 0 || length / 4 > static_cast<size_t>(INT_MAX) / 3)
        return nullptr;
    size_t count = 0;
    for (size_t i = 0; i < length; i += 4)
        count += static_cast<size_t>(GetGroupBytes(text + i));
    unsigned char* data = new unsigned char[count];
    unsigned char* out = data;
    for (size_t i = 0; i < length; i += 4) {
        const unsigned int bits = (kDecodeTable[text[i]] << 18) | (kDecodeTable[text[i + 1]] << 12) |
                                  (kDecodeTable[text[i + 2]] << 6) | kDecodeTable[text[i + 3]];
        const int bytes = GetGroupBytes(text + i);
        *out++ = static_cast<unsigned char>(bits >> 16);
        if (bytes > 1)
            *out++ = static_cast<unsigned char>(bits >> 8);
        if (bytes > 2)
            *out++ = static_cast<unsigned char>(bits);
    }
    size = static_cast<int>(count);
    return data;
}

} // namespace CoreUtilities
} // namespace Veltis
