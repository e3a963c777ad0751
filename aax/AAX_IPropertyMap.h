#pragma once

#include "platform/aax/IACFUnknown.h"

// A host property map as the module sees it. ReservedN entries have no caller in the module.
class AAX_IPropertyMap {
public:
    virtual ~AAX_IPropertyMap() = default;
    virtual bool GetProperty(uint32_t property, uint32_t* value) const = 0;
    virtual int32_t AddProperty(uint32_t property, uint32_t value) = 0;
    virtual int32_t Reserved1(uint32_t property) = 0;
    virtual int32_t Reserved2(uint32_t a, void* b, uint32_t c) = 0;
    virtual bool Reserved3(uint32_t a, void* b, void* c) = 0;
};
