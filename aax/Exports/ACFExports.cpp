#include "aax/AAXGuard.h"
#include "aax/AAX_VCollection.h"
#include "aax/AAX_VHostServices.h"
#include "aax/CACFUnknown.h"
#include "aax/Exports/GetEffectDescriptions.h"
#include "platform/aax/AAXExports.h"
#include "platform/aax/AAXIdentifiers.h"
#include "platform/aax/AAXResult.h"

// Every export catches everything: no exception may reach the host.
#define VELTIS_ACF_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
const uint64_t kSDKVersion = 0x000002000061125CULL;
}

VELTIS_ACF_EXPORT int32_t ACFRegisterPlugin(IACFUnknown* host, IACFUnknown** definition)
{
    return AAXGuard([&]() -> int32_t {
        AAX_VCollection collection(host);
        const int32_t result = VeltisExt::AAXPlugin::GetEffectDescriptions(&collection);
        if (result != AAXResult::kSuccess)
            return result;
        if (!definition)
            return AAXResult::kHostObjectMissing;
        *definition = nullptr;
        IAAXHostCollection* hostCollection = collection.GetHostObject();
        if (!hostCollection)
            return AAXResult::kHostObjectMissing;
        void* out = nullptr;
        const int32_t query = hostCollection->QueryInterface(AAXIdentifiers::kPluginDefinition, &out);
        *definition = static_cast<IACFUnknown*>(out);
        return query == AAXResult::kSuccess ? AAXResult::kSuccess : AAXResult::kHostObjectMissing;
    });
}

VELTIS_ACF_EXPORT int32_t ACFRegisterComponent(IACFUnknown*, const ACFIdentifier*, IACFUnknown** component)
{
    if (component)
        *component = nullptr;
    return AAXResult::kSuccess;
}

VELTIS_ACF_EXPORT int32_t ACFGetClassFactory(IACFUnknown*, const ACFIdentifier*, const ACFIdentifier*, void** factory)
{
    if (factory)
        *factory = nullptr;
    return AAXResult::kNotServed;
}

VELTIS_ACF_EXPORT int32_t ACFCanUnloadNow(IACFUnknown*) { return CACFUnknown::GetLiveObjectCount(); }

VELTIS_ACF_EXPORT int32_t ACFStartup(IACFUnknown* host)
{
    return AAXGuard([&] {
        AAX_VHostServices::SetGlobalHostServices(host);
        return AAXResult::kSuccess;
    });
}

VELTIS_ACF_EXPORT int32_t ACFShutdown(IACFUnknown*)
{
    return AAXGuard([&] {
        AAX_VHostServices::SetGlobalHostServices(nullptr);
        return AAXResult::kSuccess;
    });
}

VELTIS_ACF_EXPORT int32_t ACFGetSDKVersion(uint64_t* version)
{
    if (version)
        *version = kSDKVersion;
    return AAXResult::kSuccess;
}
