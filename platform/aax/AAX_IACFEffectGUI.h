#pragma once

#include "platform/aax/IAAXHostRunTime.h"
#include "platform/aax/IACFUnknown.h"

// The module's editor object as the host calls it. Acknowledged entries (answer 0) and the refused one
// (answers -20004) are named ReservedN; they keep the slot order.
class AAX_IACFEffectGUI : public IACFUnknown {
public:
    virtual int32_t Initialize(IACFUnknown* host) = 0;
    virtual int32_t Uninitialize() = 0;
    virtual int32_t Reserved1() = 0;
    virtual int32_t SetViewContainer(IACFUnknown* viewContainer) = 0;
    virtual int32_t GetViewSize(AAXViewSize* size) const = 0;
    virtual int32_t Reserved2() = 0;
    virtual int32_t Reserved3() = 0;
    virtual int32_t ParameterUpdated(const char* parameterId) = 0;
    virtual int32_t Reserved4() = 0;
    virtual int32_t Reserved5() = 0;

protected:
    ~AAX_IACFEffectGUI() = default;
};
