#pragma once

#include "aax/AAX_IComponentDescriptor.h"
#include "aax/AAX_IPropertyMap.h"
#include "platform/aax/AAXRenderContext.h"

// A host effect descriptor as the module sees it. ReservedN entries have no caller in the module.
class AAX_IEffectDescriptor {
public:
    virtual ~AAX_IEffectDescriptor() = default;
    virtual AAX_IComponentDescriptor* NewComponentDescriptor() = 0;
    virtual int32_t AddComponent(AAX_IComponentDescriptor* component) = 0;
    virtual int32_t AddName(const char* name) = 0;
    virtual int32_t Reserved1(uint32_t a) = 0;
    virtual int32_t Reserved2(uint32_t a, void* b) = 0;
    virtual int32_t AddProcedure(AAXCreationProcedure procedure, uint32_t procedureId) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual int32_t SetProperties(AAX_IPropertyMap* properties) = 0;
    virtual int32_t Reserved3(uint32_t a, void* b) = 0;
    virtual int32_t Reserved4(uint32_t a, void* b, AAX_IPropertyMap* properties) = 0;
    virtual int32_t Reserved5(uint32_t a, uint32_t b, void* c, uint32_t d) = 0;
};
