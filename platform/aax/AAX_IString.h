#pragma once

#include <stdint.h>

// A text crossing the host boundary (a byte string without embedded NULs).
class AAX_IString {
public:
    virtual ~AAX_IString() = default;
    virtual uint32_t Length() const = 0;
    virtual uint32_t MaxLength() const = 0;
    // Never null.
    virtual const char* Get() const = 0;
    virtual void Set(const char* text) = 0;
    virtual AAX_IString& operator=(const AAX_IString& other) = 0;
    virtual AAX_IString& operator=(const char* text) = 0;

protected:
    AAX_IString() = default;
    AAX_IString(const AAX_IString&) = default;
};
