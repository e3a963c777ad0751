#include "aax/AAX_VHostServices.h"

#include "aax/AAXCreateHostObject.h"
#include "platform/aax/AAXIdentifiers.h"
#include "platform/aax/IAAXHostDescription.h"

namespace {
// Changed only by start-up and shut-down, which the host calls one at a time.
AAX_VHostServices* gHostServices = nullptr;
}

AAX_VHostServices::AAX_VHostServices(IACFUnknown* hostUnknown)
{
    AAXCreateHostObject(hostUnknown, AAXIdentifiers::kHostServicesClass, AAXIdentifiers::kHostServices, m_Services);
}

int32_t AAX_VHostServices::Reserved1(void* a, uint32_t b, void* c)
{
    return m_Services.Forward<IAAXHostServices>(AAXResult::kHostObjectMissing,
                                                [&](IAAXHostServices* h) { return h->Reserved1(a, b, c); });
}

int32_t AAX_VHostServices::Reserved2(uint32_t a, void* b)
{
    return m_Services.Forward<IAAXHostServices>(AAXResult::kHostObjectMissing,
                                                [&](IAAXHostServices* h) { return h->Reserved2(a, b); });
}

void AAX_VHostServices::SetGlobalHostServices(IACFUnknown* hostUnknown)
{
    if (!gHostServices && hostUnknown) {
        gHostServices = new AAX_VHostServices(hostUnknown);
    } else if (gHostServices && !hostUnknown) {
        delete gHostServices;
        gHostServices = nullptr;
    }
}

AAX_IHostServices* AAX_VHostServices::GetGlobalHostServices() { return gHostServices; }
