#include "aax/AAX_VEffectDescriptor.h"

#include "aax/AAXCreateHostObject.h"
#include "platform/aax/AAXIdentifiers.h"

typedef IAAXHostEffectDescriptor Host;

AAX_VEffectDescriptor::AAX_VEffectDescriptor(IACFUnknown* hostUnknown)
{
    m_HostUnknown.Assign(hostUnknown);
    AAXCreateHostObject(hostUnknown, AAXIdentifiers::kEffectDescriptorClass, AAXIdentifiers::kEffectDescriptor,
                        m_Descriptor, &AAXIdentifiers::kEffectDescriptorV2, &m_DescriptorV2);
}

AAX_VEffectDescriptor::~AAX_VEffectDescriptor()
{
    m_Components.Clear();
    m_PropertyMaps.Clear();
    m_DescriptorV2.Reset();
    m_Descriptor.Reset();
    m_HostUnknown.Reset();
}

IAAXHostEffectDescriptor* AAX_VEffectDescriptor::HostObjectOf(const AAX_IEffectDescriptor* descriptor)
{
    const AAX_VEffectDescriptor* wrapper = dynamic_cast<const AAX_VEffectDescriptor*>(descriptor);
    return wrapper ? wrapper->GetHostObject() : nullptr;
}

AAX_IComponentDescriptor* AAX_VEffectDescriptor::NewComponentDescriptor()
{
    return m_Components.Create(m_HostUnknown.Get());
}

int32_t AAX_VEffectDescriptor::AddComponent(AAX_IComponentDescriptor* component)
{
    return Forward([&](Host* h) { return h->AddComponent(AAX_VComponentDescriptor::HostObjectOf(component)); });
}

int32_t AAX_VEffectDescriptor::AddName(const char* name) { return Forward([&](Host* h) { return h->AddName(name); }); }
int32_t AAX_VEffectDescriptor::Reserved1(uint32_t a) { return Forward([&](Host* h) { return h->Reserved1(a); }); }
int32_t AAX_VEffectDescriptor::Reserved2(uint32_t a, void* b) { return Forward([&](Host* h) { return h->Reserved2(a, b); }); }

int32_t AAX_VEffectDescriptor::AddProcedure(AAXCreationProcedure procedure, uint32_t procedureId)
{
    return Forward([&](Host* h) { return h->AddProcedure(procedure, procedureId); });
}

AAX_IPropertyMap* AAX_VEffectDescriptor::NewPropertyMap() { return m_PropertyMaps.Create(m_HostUnknown.Get()); }

int32_t AAX_VEffectDescriptor::SetProperties(AAX_IPropertyMap* properties)
{
    return Forward([&](Host* h) { return h->SetProperties(AAX_VPropertyMap::HostObjectOf(properties)); });
}

int32_t AAX_VEffectDescriptor::Reserved3(uint32_t a, void* b) { return Forward([&](Host* h) { return h->Reserved3(a, b); }); }

int32_t AAX_VEffectDescriptor::Reserved4(uint32_t a, void* b, AAX_IPropertyMap* properties)
{
    return Forward([&](Host* h) { return h->Reserved4(a, b, AAX_VPropertyMap::HostObjectOf(properties)); });
}

int32_t AAX_VEffectDescriptor::Reserved5(uint32_t a, uint32_t b, void* c, uint32_t d)
{
    return m_DescriptorV2.Forward<IAAXHostEffectDescriptorV2>(
        AAXResult::kNotServed, [&](IAAXHostEffectDescriptorV2* h) { return h->Reserved5(a, b, c, d); });
}
