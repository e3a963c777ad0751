#pragma once

#include "aax/AAX_IComponentDescriptor.h"
#include "aax/AAX_VPropertyMap.h"
#include "aax/CACFInterfaceRef.h"
#include "aax/TAAXOwnedWrappers.h"
#include "platform/aax/IAAXHostDescription.h"

// Creates a host component descriptor through the host's component factory and forwards to it; owns
// the property maps it hands out.
class AAX_VComponentDescriptor : public AAX_IComponentDescriptor {
public:
    explicit AAX_VComponentDescriptor(IACFUnknown* hostUnknown);
    ~AAX_VComponentDescriptor() override;

    int32_t Reserved1() override;
    int32_t AddAudioIn(uint32_t field) override;
    int32_t AddAudioOut(uint32_t field) override;
    int32_t AddAudioBufferLength(uint32_t field) override;
    int32_t Reserved2(uint32_t a) override;
    int32_t Reserved3(uint32_t a) override;
    int32_t Reserved4(uint32_t a) override;
    int32_t AddPrivateData(uint32_t field, int32_t size, uint32_t options) override;
    int32_t Reserved5(uint32_t a, uint32_t b, void* c) override;
    int32_t Reserved6(uint32_t a, uint32_t b, uint32_t c) override;
    int32_t Reserved7(uint32_t a, uint32_t b) override;
    int32_t Reserved8(uint32_t a, uint32_t b) override;
    int32_t Reserved9(uint32_t a, void* b, uint32_t c) override;
    int32_t AddMIDINode(uint32_t field, uint32_t nodeType, const char* name, uint32_t channelMask) override;
    int32_t Reserved10(uint32_t a, uint32_t b) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    // A new map holding the source's properties 10 to 307.
    AAX_IPropertyMap* DuplicatePropertyMap(const AAX_IPropertyMap* source) override;
    int32_t AddProcessProcedure(AAXRenderProcedure procedure, AAX_IPropertyMap* properties, void* a, void* b,
                                void* c) override;
    int32_t Reserved11(void* a, void* b, AAX_IPropertyMap* properties, void* c, void* d) override;

    IAAXHostComponentDescriptor* GetHostObject() const { return m_Descriptor.As<IAAXHostComponentDescriptor>(); }
    static IAAXHostComponentDescriptor* HostObjectOf(const AAX_IComponentDescriptor* descriptor);

private:
    template <class F> int32_t Forward(F call) const
    {
        return m_Descriptor.Forward<IAAXHostComponentDescriptor>(AAXResult::kHostObjectMissing, call);
    }

    CACFInterfaceRef m_HostUnknown;
    CACFInterfaceRef m_Descriptor;
    CACFInterfaceRef m_DescriptorV2;
    TAAXOwnedWrappers<AAX_VPropertyMap> m_PropertyMaps;
};
