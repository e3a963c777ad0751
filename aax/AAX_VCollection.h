#pragma once

#include "aax/AAX_ICollection.h"
#include "aax/AAX_VEffectDescriptor.h"
#include "aax/AAX_VPropertyMap.h"
#include "aax/CACFInterfaceRef.h"
#include "aax/TAAXOwnedWrappers.h"
#include "platform/aax/IAAXHostDescription.h"

// Creates the host's plug-in collection through its component factory and forwards to it; owns the
// effect descriptors and property maps it hands out, so destroying it releases everything.
class AAX_VCollection : public AAX_ICollection {
public:
    explicit AAX_VCollection(IACFUnknown* hostUnknown);
    ~AAX_VCollection() override;

    AAX_IEffectDescriptor* NewDescriptor() override;
    // -20004 without calling the host when effect is null.
    int32_t AddEffect(const char* effectId, AAX_IEffectDescriptor* effect) override;
    int32_t SetManufacturerName(const char* name) override;
    int32_t AddPackageName(const char* name) override;
    int32_t SetPackageVersion(uint32_t version) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    int32_t SetProperties(AAX_IPropertyMap* properties) override;

    IAAXHostCollection* GetHostObject() const { return m_Collection.As<IAAXHostCollection>(); }

private:
    template <class F> int32_t Forward(F call) const
    {
        return m_Collection.Forward<IAAXHostCollection>(AAXResult::kHostObjectMissing, call);
    }

    CACFInterfaceRef m_HostUnknown;
    CACFInterfaceRef m_Collection;
    TAAXOwnedWrappers<AAX_VEffectDescriptor> m_Effects;
    TAAXOwnedWrappers<AAX_VPropertyMap> m_PropertyMaps;
};
