#pragma once

#include "aax/AAX_IPropertyMap.h"
#include "platform/aax/AAXRenderContext.h"

// A host component descriptor as the module sees it: render-context fields, MIDI nodes and the render
// procedure. ReservedN entries have no caller in the module.
class AAX_IComponentDescriptor {
public:
    virtual ~AAX_IComponentDescriptor() = default;
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
    virtual int32_t Reserved7(uint32_t a, uint32_t b) = 0;
    virtual int32_t Reserved8(uint32_t a, uint32_t b) = 0;
    virtual int32_t Reserved9(uint32_t a, void* b, uint32_t c) = 0;
    virtual int32_t AddMIDINode(uint32_t field, uint32_t nodeType, const char* name, uint32_t channelMask) = 0;
    virtual int32_t Reserved10(uint32_t a, uint32_t b) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_IPropertyMap* DuplicatePropertyMap(const AAX_IPropertyMap* source) = 0;
    virtual int32_t AddProcessProcedure(AAXRenderProcedure procedure, AAX_IPropertyMap* properties, void* a,
                                        void* b, void* c) = 0;
    virtual int32_t Reserved11(void* a, void* b, AAX_IPropertyMap* properties, void* c, void* d) = 0;
};
