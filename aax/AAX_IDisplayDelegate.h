#pragma once

#include <stdint.h>

#include "platform/aax/AAX_IString.h"

// Turns a parameter's real value into the text the host shows, and text back into a value.
class AAX_IDisplayDelegateBase {
public:
    virtual ~AAX_IDisplayDelegateBase() = default;
};

template <class T> class AAX_IDisplayDelegate : public AAX_IDisplayDelegateBase {
public:
    virtual AAX_IDisplayDelegate* Clone() const = 0;
    virtual bool ValueToText(T value, AAX_IString* text) const = 0;
    virtual bool ValueToTextShortened(T value, int32_t maxLength, AAX_IString* text) const = 0;
    virtual bool TextToValue(const AAX_IString& text, T* value) const = 0;
};
