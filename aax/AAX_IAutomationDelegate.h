#pragma once

#include <stdint.h>

// The host's automation delegate as the module sees it: registration and edit-gesture requests.
class AAX_IAutomationDelegate {
public:
    virtual ~AAX_IAutomationDelegate() = default;
    virtual int32_t RegisterParameter(const char* parameterId) = 0;
    virtual int32_t UnregisterParameter(const char* parameterId) = 0;
    virtual int32_t PostSetValueRequest(const char* parameterId, double normalizedValue) const = 0;
    virtual int32_t PostCurrentValue(const char* parameterId, double normalizedValue) const = 0;
    virtual int32_t PostTouchRequest(const char* parameterId) = 0;
    virtual int32_t PostReleaseRequest(const char* parameterId) = 0;
    virtual int32_t Reserved1(void* a, void* b) = 0;
};
