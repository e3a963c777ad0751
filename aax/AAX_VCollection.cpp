#include "aax/AAX_VCollection.h"

#include "aax/AAXCreateHostObject.h"
#include "platform/aax/AAXIdentifiers.h"

typedef IAAXHostCollection Host;

AAX_VCollection::AAX_VCollection(IACFUnknown* hostUnknown)
{
    m_HostUnknown.Assign(hostUnknown);
    AAXCreateHostObject(hostUnknown, AAXIdentifiers::kCollectionClass, AAXIdentifiers::kCollection, m_Collection);
}

AAX_VCollection::~AAX_VCollection()
{
    m_Effects.Clear();
    m_PropertyMaps.Clear();
    m_Collection.Reset();
    m_HostUnknown.Reset();
}

AAX_IEffectDescriptor* AAX_VCollection::NewDescriptor() { return m_Effects.Create(m_HostUnknown.Get()); }

int32_t AAX_VCollection::AddEffect(const char* effectId, AAX_IEffectDescriptor* effect)
{
    if (!effect)
        return AAXResult::kHostObjectMissing;
    return Forward([&](Host* h) { return h->AddEffect(effectId, AAX_VEffectDescriptor::HostObjectOf(effect)); });
}

int32_t AAX_VCollection::SetManufacturerName(const char* name)
{
    return Forward([&](Host* h) { return h->SetManufacturerName(name); });
}

int32_t AAX_VCollection::AddPackageName(const char* name) { return Forward([&](Host* h) { return h->AddPackageName(name); }); }

int32_t AAX_VCollection::SetPackageVersion(uint32_t version)
{
    return Forward([&](Host* h) { return h->SetPackageVersion(version); });
}

AAX_IPropertyMap* AAX_VCollection::NewPropertyMap() { return m_PropertyMaps.Create(m_HostUnknown.Get()); }

int32_t AAX_VCollection::SetProperties(AAX_IPropertyMap* properties)
{
    return Forward([&](Host* h) { return h->SetProperties(AAX_VPropertyMap::HostObjectOf(properties)); });
}
