#pragma once

#include "aax/AAX_IPropertyMap.h"
#include "aax/CACFInterfaceRef.h"
#include "platform/aax/IAAXHostDescription.h"

// Creates a host property map through the host's component factory and forwards to it.
class AAX_VPropertyMap : public AAX_IPropertyMap {
public:
    explicit AAX_VPropertyMap(IACFUnknown* hostUnknown);
    ~AAX_VPropertyMap() override = default;

    bool GetProperty(uint32_t property, uint32_t* value) const override;
    int32_t AddProperty(uint32_t property, uint32_t value) override;
    int32_t Reserved1(uint32_t property) override;
    int32_t Reserved2(uint32_t a, void* b, uint32_t c) override;
    bool Reserved3(uint32_t a, void* b, void* c) override;

    IAAXHostPropertyMap* GetHostObject() const { return m_PropertyMap.As<IAAXHostPropertyMap>(); }
    // The host object behind a wrapper of this class; null for null or another implementation.
    static IAAXHostPropertyMap* HostObjectOf(const AAX_IPropertyMap* map);

private:
    CACFInterfaceRef m_PropertyMap;
    CACFInterfaceRef m_PropertyMapV2;
};
