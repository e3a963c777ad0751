#pragma once

#include "aax/AAX_ITransport.h"
#include "aax/CACFInterfaceRef.h"
#include "platform/aax/IAAXHostRunTime.h"

// Forwards to the transport (both versions) that the host's controller unknown offers.
class AAX_VTransport : public AAX_ITransport {
public:
    explicit AAX_VTransport(IACFUnknown* controllerUnknown);
    // Releases the second version before the first.
    ~AAX_VTransport() override;

    int32_t Reserved1(void* a) const override;
    int32_t Reserved2(void* a, void* b) const override;
    int32_t Reserved3(void* a) const override;
    int32_t Reserved4(void* a) const override;
    int32_t Reserved5(void* a, void* b, void* c) const override;
    int32_t Reserved6(void* a) const override;
    int32_t Reserved7(void* a, void* b) const override;
    int32_t Reserved8(void* a, void* b, void* c, void* d) const override;
    int32_t Reserved9(void* a) const override;
    int32_t Reserved10(void* a) const override;
    int32_t Reserved11(void* a) const override;
    int32_t Reserved12(void* a, void* b) const override;
    int32_t Reserved13(void* a, void* b) const override;

private:
    template <class F> int32_t Forward(F call) const
    {
        return m_Transport.Forward<IAAXHostTransport>(AAXResult::kHostObjectMissing, call);
    }
    template <class F> int32_t ForwardV2(F call) const
    {
        return m_TransportV2.Forward<IAAXHostTransportV2>(AAXResult::kHostObjectMissing, call);
    }

    CACFInterfaceRef m_Transport;
    CACFInterfaceRef m_TransportV2;
};
