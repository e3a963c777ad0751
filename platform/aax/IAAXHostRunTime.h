#pragma once

#include "platform/aax/IACFUnknown.h"

// The host objects an instance talks to while it runs, all offered by the controller unknown given to
// initialisation, except the view container. Entries named ReservedN are ones the module never calls.

class IAAXHostController : public IACFUnknown {
public:
    virtual int32_t Reserved1(void* a) = 0;
    virtual int32_t GetSampleRate(float* sampleRate) = 0;
    virtual int32_t GetInputStemFormat(uint32_t* format) = 0;
    virtual int32_t GetOutputStemFormat(uint32_t* format) = 0;
    virtual int32_t Reserved2(void* a) = 0;
    virtual int32_t Reserved3(uint32_t a, void* b) = 0;
    virtual int32_t Reserved4(void* a) = 0;
    virtual int32_t SetSignalLatency(int32_t samples) = 0;
    virtual int32_t Reserved5(void* a, void* b, uint32_t c) = 0;
    // The host copies size bytes and places them in the private-data field at the next render.
    virtual int32_t PostPacket(uint32_t field, const void* data, uint32_t size) = 0;
    virtual int32_t Reserved7(uint32_t a, void* b) = 0;
    virtual int32_t Reserved8(uint32_t a, void* b) = 0;
    virtual int32_t Reserved9(uint32_t a) = 0;
    virtual int32_t Reserved10(void* a) = 0;
    virtual int32_t Reserved11(uint32_t a, void* b) = 0;
    virtual int32_t Reserved12(uint32_t a) = 0;
    virtual int32_t Reserved13(void* a, void* b) = 0;

protected:
    ~IAAXHostController() = default;
};

class IAAXHostControllerV2 : public IACFUnknown {
public:
    virtual int32_t Reserved6(uint32_t a, void* b, uint32_t c) = 0;
    virtual int32_t Reserved14(void* a) = 0;
    virtual int32_t Reserved15(void** out) = 0;
    virtual int32_t Reserved16(void* a) = 0;

protected:
    ~IAAXHostControllerV2() = default;
};

// Values are normalised to 0..1; identifiers are the parameters' text identifiers.
class IAAXHostAutomationDelegate : public IACFUnknown {
public:
    virtual int32_t RegisterParameter(const char* parameterId) = 0;
    virtual int32_t UnregisterParameter(const char* parameterId) = 0;
    virtual int32_t PostSetValueRequest(const char* parameterId, double normalizedValue) = 0;
    virtual int32_t PostCurrentValue(const char* parameterId, double normalizedValue) = 0;
    virtual int32_t PostTouchRequest(const char* parameterId) = 0;
    virtual int32_t PostReleaseRequest(const char* parameterId) = 0;
    virtual int32_t Reserved1(void* a, void* b) = 0;

protected:
    ~IAAXHostAutomationDelegate() = default;
};

// The host's transport; the module calls none of its entries.
class IAAXHostTransport : public IACFUnknown {
public:
    virtual int32_t Reserved1(void* a) = 0;
    virtual int32_t Reserved2(void* a, void* b) = 0;
    virtual int32_t Reserved3(void* a) = 0;
    virtual int32_t Reserved4(void* a) = 0;
    virtual int32_t Reserved5(void* a, void* b, void* c) = 0;
    virtual int32_t Reserved6(void* a) = 0;
    virtual int32_t Reserved7(void* a, void* b) = 0;
    virtual int32_t Reserved8(void* a, void* b, void* c, void* d) = 0;
    virtual int32_t Reserved9(void* a) = 0;
    virtual int32_t Reserved10(void* a) = 0;

protected:
    ~IAAXHostTransport() = default;
};

class IAAXHostTransportV2 : public IACFUnknown {
public:
    virtual int32_t Reserved11(void* a) = 0;
    virtual int32_t Reserved12(void* a, void* b) = 0;
    virtual int32_t Reserved13(void* a, void* b) = 0;

protected:
    ~IAAXHostTransportV2() = default;
};

struct AAXViewSize {
    float m_Width;
    float m_Height;
};

// The host's view in which the editor lives; type 1 is a native view.
class IAAXHostViewContainer : public IACFUnknown {
public:
    virtual int32_t GetViewType() = 0;
    virtual void* GetNativeView() = 0;
    virtual int32_t Reserved1(void* a) = 0;
    virtual int32_t SetViewSize(const AAXViewSize* size) = 0;
    virtual int32_t Reserved2(void* a) = 0;
    virtual int32_t Reserved3(void* a) = 0;
    virtual int32_t Reserved4(void* a) = 0;

protected:
    ~IAAXHostViewContainer() = default;
};

constexpr int32_t kAAXViewTypeNative = 1;
