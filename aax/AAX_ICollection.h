#pragma once

#include "aax/AAX_IEffectDescriptor.h"
#include "aax/AAX_IPropertyMap.h"

// The host's plug-in collection as the module sees it during registration.
class AAX_ICollection {
public:
    virtual ~AAX_ICollection() = default;
    virtual AAX_IEffectDescriptor* NewDescriptor() = 0;
    virtual int32_t AddEffect(const char* effectId, AAX_IEffectDescriptor* effect) = 0;
    virtual int32_t SetManufacturerName(const char* name) = 0;
    virtual int32_t AddPackageName(const char* name) = 0;
    virtual int32_t SetPackageVersion(uint32_t version) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual int32_t SetProperties(AAX_IPropertyMap* properties) = 0;
};
