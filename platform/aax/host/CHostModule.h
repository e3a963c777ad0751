#pragma once

#include <stdint.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/aax/AAXExports.h"
#include "platform/aax/host/CHostEnvironment.h"
#include "platform/aax/host/CHostInstance.h"

namespace Veltis {
namespace Platform {
namespace AAXHost {

// A module loaded by the stand-in host: dlopen with local symbols, the seven exports resolved and
// called in the host's order (start-up, registration, ..., release of the plug-in definition,
// can-unload, shut-down, dlclose). Instances made here must be destroyed before Unload.
class CHostModule {
public:
    explicit CHostModule(const SHostFaults& faults = SHostFaults());
    // Unloads when still loaded.
    ~CHostModule();
    CHostModule(const CHostModule&) = delete;
    CHostModule& operator=(const CHostModule&) = delete;

    // False with a message when the file does not load or lacks an export.
    bool Load(const std::string& path);
    const std::string& GetLastError() const { return m_LastError; }

    int32_t Startup();
    int32_t GetSDKVersion(uint64_t& version);
    // Registration; on success the plug-in definition is kept until Unload.
    int32_t Register();
    int32_t RegisterComponent(IACFUnknown*& component);
    int32_t GetClassFactory(void*& factory);
    int32_t CanUnloadNow();
    int32_t Shutdown();
    // Releases the plug-in definition, asks whether the module may be unloaded, shuts it down and
    // closes the file; returns the answer of ACFCanUnloadNow (0 when it may be unloaded).
    int32_t Unload();
    bool IsLoaded() const { return m_Library != nullptr; }

    // Loads, starts and registers; false with a message on any failure.
    bool LoadAndRegister(const std::string& path);

    const SModuleDescription& GetDescription() const { return m_Environment.GetDescription(); }
    CHostEnvironment& GetEnvironment() { return m_Environment; }

    // A new instance of a registered effect's component, created through procedure 0; null with a
    // message when there is none.
    std::unique_ptr<CHostInstance> CreateInstance(size_t effectIndex = 0, size_t componentIndex = 0);
    // One call of the render procedure of the first instance over every instance's context; a null
    // entry in instances stands for a null context pointer. Instances that stopped rendering are left
    // out.
    void RenderTogether(const std::vector<CHostInstance*>& instances, const std::vector<SAudioBlock>& blocks);

private:
    CHostEnvironment m_Environment;
    void* m_Library = nullptr;
    IACFUnknown* m_PluginDefinition = nullptr;
    std::string m_LastError;
    ACFRegisterPluginFunction m_RegisterPlugin = nullptr;
    ACFRegisterComponentFunction m_RegisterComponent = nullptr;
    ACFGetClassFactoryFunction m_GetClassFactory = nullptr;
    ACFCanUnloadNowFunction m_CanUnloadNow = nullptr;
    ACFStartupFunction m_Startup = nullptr;
    ACFShutdownFunction m_Shutdown = nullptr;
    ACFGetSDKVersionFunction m_GetSDKVersion = nullptr;
    std::vector<AAXRenderContext*> m_Contexts;
};

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
