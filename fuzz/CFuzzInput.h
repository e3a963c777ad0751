#pragma once

#include <cstdint>
#include <cstring>

// Reads a fuzz target's input byte by byte; past its end every byte is 0.
class CFuzzInput {
public:
    CFuzzInput(const uint8_t* data, size_t size) : m_Data(data), m_Size(size), m_Offset(0) {}

    bool IsDone() const { return m_Offset >= m_Size; }
    uint8_t Byte() { return m_Offset < m_Size ? m_Data[m_Offset++] : 0; }
    size_t Index(size_t count) { return count ? Byte() % count : 0; }

    // Mostly a value worth trying, sometimes any bits (sizeof(T) more bytes, high byte first).
    template <class T, size_t N>
    T Pick(const T (&special)[N])
    {
        const uint8_t choice = Byte();
        if (choice < 200)
            return special[choice % N];
        uint64_t raw = 0;
        for (size_t i = 0; i < sizeof(T); ++i)
            raw = raw << 8 | Byte();
        static_assert(sizeof(T) <= sizeof(raw), "at most eight bytes make one value");
        static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the low bytes of raw come first");
        T value;
        std::memcpy(&value, &raw, sizeof(value));
        return value;
    }

private:
    const uint8_t* m_Data;
    size_t m_Size;
    size_t m_Offset;
};
