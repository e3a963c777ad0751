#pragma once

#include "aax/AAX_IController.h"
#include "aax/CACFInterfaceRef.h"
#include "platform/aax/IAAXHostRunTime.h"

// Forwards to the controller (both versions) that the host's controller unknown offers.
class AAX_VController : public AAX_IController {
public:
    explicit AAX_VController(IACFUnknown* controllerUnknown);
    // Releases the second version before the first.
    ~AAX_VController() override;

    int32_t Reserved1(void* a) override;
    int32_t GetSampleRate(float* sampleRate) const override;
    int32_t GetInputStemFormat(uint32_t* format) const override;
    int32_t GetOutputStemFormat(uint32_t* format) const override;
    int32_t Reserved2(void* a) override;
    int32_t Reserved3(uint32_t a, void* b) override;
    int32_t Reserved4(void* a) override;
    int32_t SetSignalLatency(int32_t samples) override;
    int32_t Reserved5(void* a, void* b, uint32_t c) override;
    int32_t PostPacket(uint32_t field, const void* data, uint32_t size) override;
    int32_t Reserved6(uint32_t a, void* b, uint32_t c) override;
    int32_t Reserved7(uint32_t a, void* b) override;
    int32_t Reserved8(uint32_t a, void* b) override;
    int32_t Reserved9(uint32_t a) override;
    int32_t Reserved10(void* a) override;
    int32_t Reserved11(uint32_t a, void* b) override;
    int32_t Reserved12(uint32_t a) override;
    int32_t Reserved13(void* a, void* b) override;
    int32_t Reserved14(void* a) override;
    // Without the second version the output becomes null.
    int32_t Reserved15(void** out) override;
    int32_t Reserved16(void* a) override;

private:
    template <class F> int32_t Forward(F call) const
    {
        return m_Controller.Forward<IAAXHostController>(AAXResult::kHostObjectMissing, call);
    }
    template <class F> int32_t ForwardV2(F call) const
    {
        return m_ControllerV2.Forward<IAAXHostControllerV2>(AAXResult::kNotServed, call);
    }

    CACFInterfaceRef m_Controller;
    CACFInterfaceRef m_ControllerV2;
};
