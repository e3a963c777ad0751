#include "aax/AAX_VComponentDescriptor.h"

#include "aax/AAXCreateHostObject.h"
#include "platform/aax/AAXIdentifiers.h"

typedef IAAXHostComponentDescriptor Host;

AAX_VComponentDescriptor::AAX_VComponentDescriptor(IACFUnknown* hostUnknown)
{
    m_HostUnknown.Assign(hostUnknown);
    AAXCreateHostObject(hostUnknown, AAXIdentifiers::kComponentDescriptorClass, AAXIdentifiers::kComponentDescriptor,
                        m_Descriptor, &AAXIdentifiers::kComponentDescriptorV2, &m_DescriptorV2);
}

AAX_VComponentDescriptor::~AAX_VComponentDescriptor()
{
    m_PropertyMaps.Clear();
    m_DescriptorV2.Reset();
    m_Descriptor.Reset();
    m_HostUnknown.Reset();
}

IAAXHostComponentDescriptor* AAX_VComponentDescriptor::HostObjectOf(const AAX_IComponentDescriptor* descriptor)
{
    const AAX_VComponentDescriptor* wrapper = dynamic_cast<const AAX_VComponentDescriptor*>(descriptor);
    return wrapper ? wrapper->GetHostObject() : nullptr;
}

int32_t AAX_VComponentDescriptor::Reserved1() { return Forward([&](Host* h) { return h->Reserved1(); }); }
int32_t AAX_VComponentDescriptor::AddAudioIn(uint32_t field) { return Forward([&](Host* h) { return h->AddAudioIn(field); }); }
int32_t AAX_VComponentDescriptor::AddAudioOut(uint32_t field) { return Forward([&](Host* h) { return h->AddAudioOut(field); }); }
int32_t AAX_VComponentDescriptor::AddAudioBufferLength(uint32_t field)
{
    return Forward([&](Host* h) { return h->AddAudioBufferLength(field); });
}
int32_t AAX_VComponentDescriptor::Reserved2(uint32_t a) { return Forward([&](Host* h) { return h->Reserved2(a); }); }
int32_t AAX_VComponentDescriptor::Reserved3(uint32_t a) { return Forward([&](Host* h) { return h->Reserved3(a); }); }
int32_t AAX_VComponentDescriptor::Reserved4(uint32_t a) { return Forward([&](Host* h) { return h->Reserved4(a); }); }
int32_t AAX_VComponentDescriptor::AddPrivateData(uint32_t field, int32_t size, uint32_t options)
{
    return Forward([&](Host* h) { return h->AddPrivateData(field, size, options); });
}
int32_t AAX_VComponentDescriptor::Reserved5(uint32_t a, uint32_t b, void* c)
{
    return Forward([&](Host* h) { return h->Reserved5(a, b, c); });
}
int32_t AAX_VComponentDescriptor::Reserved6(uint32_t a, uint32_t b, uint32_t c)
{
    return Forward([&](Host* h) { return h->Reserved6(a, b, c); });
}
int32_t AAX_VComponentDescriptor::Reserved7(uint32_t a, uint32_t b)
{
    return m_DescriptorV2.Forward<IAAXHostComponentDescriptorV2>(
        AAXResult::kNotServed, [&](IAAXHostComponentDescriptorV2* h) { return h->Reserved7(a, b); });
}
int32_t AAX_VComponentDescriptor::Reserved8(uint32_t a, uint32_t b) { return Forward([&](Host* h) { return h->Reserved8(a, b); }); }
int32_t AAX_VComponentDescriptor::Reserved9(uint32_t a, void* b, uint32_t c)
{
    return Forward([&](Host* h) { return h->Reserved9(a, b, c); });
}
int32_t AAX_VComponentDescriptor::AddMIDINode(uint32_t field, uint32_t nodeType, const char* name, uint32_t channelMask)
{
    return Forward([&](Host* h) { return h->AddMIDINode(field, nodeType, name, channelMask); });
}
int32_t AAX_VComponentDescriptor::Reserved10(uint32_t a, uint32_t b) { return Forward([&](Host* h) { return h->Reserved10(a, b); }); }

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap() { return m_PropertyMaps.Create(m_HostUnknown.Get()); }

AAX_IPropertyMap* AAX_VComponentDescriptor::DuplicatePropertyMap(const AAX_IPropertyMap* source)
{
    AAX_IPropertyMap* copy = NewPropertyMap();
    for (uint32_t property = 10; source && property <= 307; ++property) {
        uint32_t value = 0;
        if (source->GetProperty(property, &value))
            copy->AddProperty(property, value);
    }
    return copy;
}

int32_t AAX_VComponentDescriptor::AddProcessProcedure(AAXRenderProcedure procedure, AAX_IPropertyMap* properties,
                                                      void* a, void* b, void* c)
{
    return Forward([&](Host* h) {
        return h->AddProcessProcedure(procedure, AAX_VPropertyMap::HostObjectOf(properties), a, b, c);
    });
}

int32_t AAX_VComponentDescriptor::Reserved11(void* a, void* b, AAX_IPropertyMap* properties, void* c, void* d)
{
    return Forward([&](Host* h) { return h->Reserved11(a, b, AAX_VPropertyMap::HostObjectOf(properties), c, d); });
}
