#pragma once

#include "aax/AAX_IEffectDescriptor.h"
#include "aax/AAX_VComponentDescriptor.h"
#include "aax/AAX_VPropertyMap.h"
#include "aax/CACFInterfaceRef.h"
#include "aax/TAAXOwnedWrappers.h"
#include "platform/aax/IAAXHostDescription.h"

// Creates a host effect descriptor through the host's component factory and forwards to it; owns the
// component descriptors and property maps it hands out.
class AAX_VEffectDescriptor : public AAX_IEffectDescriptor {
public:
    explicit AAX_VEffectDescriptor(IACFUnknown* hostUnknown);
    ~AAX_VEffectDescriptor() override;

    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    int32_t AddComponent(AAX_IComponentDescriptor* component) override;
    int32_t AddName(const char* name) override;
    int32_t Reserved1(uint32_t a) override;
    int32_t Reserved2(uint32_t a, void* b) override;
    int32_t AddProcedure(AAXCreationProcedure procedure, uint32_t procedureId) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    int32_t SetProperties(AAX_IPropertyMap* properties) override;
    int32_t Reserved3(uint32_t a, void* b) override;
    int32_t Reserved4(uint32_t a, void* b, AAX_IPropertyMap* properties) override;
    int32_t Reserved5(uint32_t a, uint32_t b, void* c, uint32_t d) override;

    IAAXHostEffectDescriptor* GetHostObject() const { return m_Descriptor.As<IAAXHostEffectDescriptor>(); }
    static IAAXHostEffectDescriptor* HostObjectOf(const AAX_IEffectDescriptor* descriptor);

private:
    template <class F> int32_t Forward(F call) const
    {
        return m_Descriptor.Forward<IAAXHostEffectDescriptor>(AAXResult::kHostObjectMissing, call);
    }

    CACFInterfaceRef m_HostUnknown;
    CACFInterfaceRef m_Descriptor;
    CACFInterfaceRef m_DescriptorV2;
    TAAXOwnedWrappers<AAX_VComponentDescriptor> m_Components;
    TAAXOwnedWrappers<AAX_VPropertyMap> m_PropertyMaps;
};
