#pragma once

#include <stdint.h>

// The 16-byte identifier of a class or an interface: compared field by field, stored in native order.
struct ACFIdentifier {
    uint32_t m_Long;
    uint16_t m_Word1;
    uint16_t m_Word2;
    uint8_t m_Bytes[8];
};
static_assert(sizeof(ACFIdentifier) == 16, "identifiers are 16 bytes");

constexpr bool operator==(const ACFIdentifier& a, const ACFIdentifier& b)
{
    if (a.m_Long != b.m_Long || a.m_Word1 != b.m_Word1 || a.m_Word2 != b.m_Word2)
        return false;
    for (int i = 0; i < 8; ++i)
        if (a.m_Bytes[i] != b.m_Bytes[i])
            return false;
    return true;
}
constexpr bool operator!=(const ACFIdentifier& a, const ACFIdentifier& b) { return !(a == b); }

// The reference-counted unknown that every object crossing the host boundary implements, on both sides.
class IACFUnknown {
public:
    virtual int32_t QueryInterface(const ACFIdentifier& iid, void** out) = 0;
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;

protected:
    ~IACFUnknown() = default;
};
