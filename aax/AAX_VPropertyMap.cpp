#include "aax/AAX_VPropertyMap.h"

#include "aax/AAXCreateHostObject.h"
#include "platform/aax/AAXIdentifiers.h"

AAX_VPropertyMap::AAX_VPropertyMap(IACFUnknown* hostUnknown)
{
    AAXCreateHostObject(hostUnknown, AAXIdentifiers::kPropertyMapClass, AAXIdentifiers::kPropertyMap, m_PropertyMap,
                        &AAXIdentifiers::kPropertyMapV2, &m_PropertyMapV2);
}

IAAXHostPropertyMap* AAX_VPropertyMap::HostObjectOf(const AAX_IPropertyMap* map)
{
    const AAX_VPropertyMap* wrapper = dynamic_cast<const AAX_VPropertyMap*>(map);
    return wrapper ? wrapper->GetHostObject() : nullptr;
}

bool AAX_VPropertyMap::GetProperty(uint32_t property, uint32_t* value) const
{
    return m_PropertyMap.Forward<IAAXHostPropertyMap>(false, [&](IAAXHostPropertyMap* host) {
        return host->GetProperty(property, value);
    });
}

int32_t AAX_VPropertyMap::AddProperty(uint32_t property, uint32_t value)
{
    return m_PropertyMap.Forward<IAAXHostPropertyMap>(AAXResult::kHostObjectMissing, [&](IAAXHostPropertyMap* host) {
        return host->AddProperty(property, value);
    });
}

int32_t AAX_VPropertyMap::Reserved1(uint32_t property)
{
    return m_PropertyMap.Forward<IAAXHostPropertyMap>(AAXResult::kHostObjectMissing, [&](IAAXHostPropertyMap* host) {
        return host->Reserved1(property);
    });
}

int32_t AAX_VPropertyMap::Reserved2(uint32_t a, void* b, uint32_t c)
{
    return m_PropertyMapV2.Forward<IAAXHostPropertyMapV2>(AAXResult::kNotServed, [&](IAAXHostPropertyMapV2* host) {
        return host->Reserved2(a, b, c);
    });
}

bool AAX_VPropertyMap::Reserved3(uint32_t a, void* b, void* c)
{
    return m_PropertyMapV2.Forward<IAAXHostPropertyMapV2>(false, [&](IAAXHostPropertyMapV2* host) {
        return host->Reserved3(a, b, c);
    });
}
