#pragma once

#include "aax/AAX_IHostServices.h"
#include "aax/CACFInterfaceRef.h"

// The host's services object, created through the host's component factory; one global instance lives
// from start-up to shut-down.
class AAX_VHostServices : public AAX_IHostServices {
public:
    explicit AAX_VHostServices(IACFUnknown* hostUnknown);
    ~AAX_VHostServices() override = default;

    int32_t Reserved1(void* a, uint32_t b, void* c) override;
    int32_t Reserved2(uint32_t a, void* b) override;

    // A non-null host unknown creates the global services when there are none; null deletes them.
    // Anything else changes nothing.
    static void SetGlobalHostServices(IACFUnknown* hostUnknown);
    static AAX_IHostServices* GetGlobalHostServices();

private:
    CACFInterfaceRef m_Services;
};
