#pragma once

#include <stdint.h>

// The host's controller of one instance as the module sees it. ReservedN entries have no caller.
class AAX_IController {
public:
    virtual ~AAX_IController() = default;
    virtual int32_t Reserved1(void* a) = 0;
    virtual int32_t GetSampleRate(float* sampleRate) const = 0;
    virtual int32_t GetInputStemFormat(uint32_t* format) const = 0;
    virtual int32_t GetOutputStemFormat(uint32_t* format) const = 0;
    virtual int32_t Reserved2(void* a) = 0;
    virtual int32_t Reserved3(uint32_t a, void* b) = 0;
    virtual int32_t Reserved4(void* a) = 0;
    virtual int32_t SetSignalLatency(int32_t samples) = 0;
    virtual int32_t Reserved5(void* a, void* b, uint32_t c) = 0;
    virtual int32_t PostPacket(uint32_t field, const void* data, uint32_t size) = 0;
    virtual int32_t Reserved6(uint32_t a, void* b, uint32_t c) = 0;
    virtual int32_t Reserved7(uint32_t a, void* b) = 0;
    virtual int32_t Reserved8(uint32_t a, void* b) = 0;
    virtual int32_t Reserved9(uint32_t a) = 0;
    virtual int32_t Reserved10(void* a) = 0;
    virtual int32_t Reserved11(uint32_t a, void* b) = 0;
    virtual int32_t Reserved12(uint32_t a) = 0;
    virtual int32_t Reserved13(void* a, void* b) = 0;
    virtual int32_t Reserved14(void* a) = 0;
    virtual int32_t Reserved15(void** out) = 0;
    virtual int32_t Reserved16(void* a) = 0;
};
