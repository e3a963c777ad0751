#pragma once

#include "platform/aax/AAXRenderContext.h"
#include "platform/aax/IACFUnknown.h"

// The host objects that record an effect's description during registration. Entries named ReservedN
// are ones the module never calls; they keep the slot order.

class IAAXHostPropertyMap : public IACFUnknown {
public:
    virtual bool GetProperty(uint32_t property, uint32_t* value) = 0;
    virtual int32_t AddProperty(uint32_t property, uint32_t value) = 0;
    virtual int32_t Reserved1(uint32_t property) = 0;

protected:
    ~IAAXHostPropertyMap() = default;
};

class IAAXHostPropertyMapV2 : public IACFUnknown {
public:
    virtual int32_t Reserved2(uint32_t a, void* b, uint32_t c) = 0;
    virtual bool Reserved3(uint32_t a, void* b, void* c) = 0;

protected:
    ~IAAXHostPropertyMapV2() = default;
};

class IAAXHostComponentDescriptor : public IACFUnknown {
public:
    virtual int32_t Reserved1() = 0;
    virtual int32_t AddAudioIn(uint32_t field) = 0;
    virtual int32_t AddAudioOut(uint32_t field) = 0;
    virtual int32_t AddAudioBufferLength(uint32_t field) = 0;
    virtual int32_t Reserved2(uint32_t a) = 0;
    virtual int32_t Reserved3(uint32_t a) = 0;
    virtual int32_t Reserved4(uint32_t a) = 0;
    virtual int32_t AddPrivateData(uint32_t field, int32_t size, uint32_t options) = 0;
    virtual int32_t Reserved5(uint32_t a, uint32_t b, void* c) = 0;
    virtual int32_t Reserved6(uint32_t a, uint32_t b, uint32_t c) = 0;
    virtual int32_t Reserved8(uint32_t a, uint32_t b) = 0;
    virtual int32_t Reserved9(uint32_t a, void* b, uint32_t c) = 0;
    virtual int32_t AddMIDINode(uint32_t field, uint32_t nodeType, const char* name, uint32_t channelMask) = 0;
    virtual int32_t Reserved10(uint32_t a, uint32_t b) = 0;
    virtual int32_t AddProcessProcedure(AAXRenderProcedure procedure, IAAXHostPropertyMap* properties, void* a,
                                        void* b, void* c) = 0;
    virtual int32_t Reserved11(void* a, void* b, IAAXHostPropertyMap* properties, void* c, void* d) = 0;

protected:
    ~IAAXHostComponentDescriptor() = default;
};

class IAAXHostComponentDescriptorV2 : public IACFUnknown {
public:
    virtual int32_t Reserved7(uint32_t a, uint32_t b) = 0;

protected:
    ~IAAXHostComponentDescriptorV2() = default;
};

class IAAXHostEffectDescriptor : public IACFUnknown {
public:
    virtual int32_t AddComponent(IAAXHostComponentDescriptor* component) = 0;
    virtual int32_t AddName(const char* name) = 0;
    virtual int32_t Reserved1(uint32_t a) = 0;
    virtual int32_t Reserved2(uint32_t a, void* b) = 0;
    virtual int32_t AddProcedure(AAXCreationProcedure procedure, uint32_t procedureId) = 0;
    virtual int32_t SetProperties(IAAXHostPropertyMap* properties) = 0;
    virtual int32_t Reserved3(uint32_t a, void* b) = 0;
    virtual int32_t Reserved4(uint32_t a, void* b, IAAXHostPropertyMap* properties) = 0;

protected:
    ~IAAXHostEffectDescriptor() = default;
};

class IAAXHostEffectDescriptorV2 : public IACFUnknown {
public:
    virtual int32_t Reserved5(uint32_t a, uint32_t b, void* c, uint32_t d) = 0;

protected:
    ~IAAXHostEffectDescriptorV2() = default;
};

class IAAXHostCollection : public IACFUnknown {
public:
    virtual int32_t AddEffect(const char* effectId, IAAXHostEffectDescriptor* effect) = 0;
    virtual int32_t SetManufacturerName(const char* name) = 0;
    virtual int32_t AddPackageName(const char* name) = 0;
    virtual int32_t SetPackageVersion(uint32_t version) = 0;
    virtual int32_t SetProperties(IAAXHostPropertyMap* properties) = 0;

protected:
    ~IAAXHostCollection() = default;
};

// Lives from start-up to shut-down; the module calls none of its entries.
class IAAXHostServices : public IACFUnknown {
public:
    virtual int32_t Reserved1(void* a, uint32_t b, void* c) = 0;
    virtual int32_t Reserved2(uint32_t a, void* b) = 0;

protected:
    ~IAAXHostServices() = default;
};
