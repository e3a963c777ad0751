#pragma once

#include "aax/AAX_IAutomationDelegate.h"
#include "aax/CACFInterfaceRef.h"
#include "platform/aax/IAAXHostRunTime.h"

// Forwards to the automation delegate that the host's controller unknown offers.
class AAX_VAutomationDelegate : public AAX_IAutomationDelegate {
public:
    explicit AAX_VAutomationDelegate(IACFUnknown* controllerUnknown);
    ~AAX_VAutomationDelegate() override = default;

    int32_t RegisterParameter(const char* parameterId) override;
    int32_t UnregisterParameter(const char* parameterId) override;
    int32_t PostSetValueRequest(const char* parameterId, double normalizedValue) const override;
    int32_t PostCurrentValue(const char* parameterId, double normalizedValue) const override;
    int32_t PostTouchRequest(const char* parameterId) override;
    int32_t PostReleaseRequest(const char* parameterId) override;
    int32_t Reserved1(void* a, void* b) override;

private:
    template <class F> int32_t Forward(F call) const
    {
        return m_Delegate.Forward<IAAXHostAutomationDelegate>(AAXResult::kHostObjectMissing, call);
    }

    CACFInterfaceRef m_Delegate;
};
