#pragma once

#include <string>

#include "platform/aax/AAX_IString.h"

// The interface library's text: what crosses the host boundary as an AAX_IString.
class AAX_CString : public AAX_IString {
public:
    AAX_CString() = default;
    // A null text gives the empty string.
    AAX_CString(const char* text);
    AAX_CString(const AAX_CString& other) = default;
    explicit AAX_CString(const AAX_IString& other);
    ~AAX_CString() override = default;

    uint32_t Length() const override;
    uint32_t MaxLength() const override;
    const char* Get() const override { return m_Text.c_str(); }
    // A null text gives the empty string.
    void Set(const char* text) override;
    AAX_IString& operator=(const AAX_IString& other) override;
    AAX_IString& operator=(const char* text) override;
    AAX_CString& operator=(const AAX_CString& other);

    void Append(const char* text);
    // Decimal number in the "C" locale, leading blanks skipped, trailing characters ignored; on
    // failure value becomes 0 and the result is false.
    bool ToDouble(double* value) const;

    bool operator==(const AAX_CString& other) const { return m_Text == other.m_Text; }
    bool operator!=(const AAX_CString& other) const { return m_Text != other.m_Text; }

private:
    std::string m_Text;
};
