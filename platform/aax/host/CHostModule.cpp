#include "platform/aax/host/CHostModule.h"

#include <dlfcn.h>

#include "platform/aax/AAXResult.h"

namespace Veltis {
namespace Platform {
namespace AAXHost {

namespace {

template <class F> bool Resolve(void* library, const char* name, F& function, std::string& error)
{
    function = reinterpret_cast<F>(dlsym(library, name));
    if (!function)
        error = std::string("the module does not export ") + name;
    return function != nullptr;
}

std::string ResultText(int32_t result) { return std::to_string(result); }

} // namespace

CHostModule::CHostModule(const SHostFaults& faults) : m_Environment(faults)
{
    // Rendering several instances together allocates nothing up to this many.
    m_Contexts.reserve(64);
}

CHostModule::~CHostModule()
{
    if (m_Library)
        Unload();
}

bool CHostModule::Load(const std::string& path)
{
    if (m_Library) {
        m_LastError = "a module is already loaded";
        return false;
    }
    m_Library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_Library) {
        const char* reason = dlerror();
        m_LastError = "cannot load " + path + ": " + (reason ? reason : "unknown reason");
        return false;
    }
    if (Resolve(m_Library, "ACFRegisterPlugin", m_RegisterPlugin, m_LastError) &&
        Resolve(m_Library, "ACFRegisterComponent", m_RegisterComponent, m_LastError) &&
        Resolve(m_Library, "ACFGetClassFactory", m_GetClassFactory, m_LastError) &&
        Resolve(m_Library, "ACFCanUnloadNow", m_CanUnloadNow, m_LastError) &&
        Resolve(m_Library, "ACFStartup", m_Startup, m_LastError) &&
        Resolve(m_Library, "ACFShutdown", m_Shutdown, m_LastError) &&
        Resolve(m_Library, "ACFGetSDKVersion", m_GetSDKVersion, m_LastError))
        return true;
    dlclose(m_Library);
    m_Library = nullptr;
    return false;
}

int32_t CHostModule::Startup() { return m_Library ? m_Startup(m_Environment.GetHostUnknown()) : AAXResult::kHostObjectMissing; }

int32_t CHostModule::GetSDKVersion(uint64_t& version)
{
    return m_Library ? m_GetSDKVersion(&version) : AAXResult::kHostObjectMissing;
}

int32_t CHostModule::Register()
{
    if (!m_Library)
        return AAXResult::kHostObjectMissing;
    IACFUnknown* definition = nullptr;
    const int32_t result = m_RegisterPlugin(m_Environment.GetHostUnknown(), &definition);
    if (definition) {
        if (m_PluginDefinition)
            m_PluginDefinition->Release();
        m_PluginDefinition = definition;
    }
    return result;
}

int32_t CHostModule::RegisterComponent(IACFUnknown*& component)
{
    // A non-null sentinel, so that a caller sees the module clear it.
    component = reinterpret_cast<IACFUnknown*>(&component);
    return m_Library ? m_RegisterComponent(m_Environment.GetHostUnknown(), nullptr, &component)
                     : AAXResult::kHostObjectMissing;
}

int32_t CHostModule::GetClassFactory(void*& factory)
{
    // A non-null sentinel, so that a caller sees the module clear it.
    factory = &factory;
    return m_Library ? m_GetClassFactory(m_Environment.GetHostUnknown(), nullptr, nullptr, &factory)
                     : AAXResult::kHostObjectMissing;
}

int32_t CHostModule::CanUnloadNow() { return m_Library ? m_CanUnloadNow(nullptr) : 0; }

int32_t CHostModule::Shutdown() { return m_Library ? m_Shutdown(nullptr) : AAXResult::kHostObjectMissing; }

int32_t CHostModule::Unload()
{
    if (!m_Library)
        return 0;
    if (m_PluginDefinition) {
        m_PluginDefinition->Release();
        m_PluginDefinition = nullptr;
    }
    const int32_t live = m_CanUnloadNow(nullptr);
    m_Shutdown(nullptr);
    dlclose(m_Library);
    m_Library = nullptr;
    return live;
}

bool CHostModule::LoadAndRegister(const std::string& path)
{
    if (!Load(path))
        return false;
    int32_t result = Startup();
    if (result != AAXResult::kSuccess) {
        m_LastError = "start-up failed with " + ResultText(result);
        return false;
    }
    result = Register();
    if (result != AAXResult::kSuccess) {
        m_LastError = "registration failed with " + ResultText(result);
        return false;
    }
    return true;
}

std::unique_ptr<CHostInstance> CHostModule::CreateInstance(size_t effectIndex, size_t componentIndex)
{
    const SModuleDescription& description = m_Environment.GetDescription();
    if (!m_Library || effectIndex >= description.m_Effects.size() ||
        componentIndex >= description.m_Effects[effectIndex].m_Components.size()) {
        m_LastError = "the module registered no such effect or component";
        return nullptr;
    }
    const SEffectDescription& effect = description.m_Effects[effectIndex];
    std::unique_ptr<CHostInstance> instance(new CHostInstance(m_Environment, effect, effect.m_Components[componentIndex]));
    if (!instance->Create()) {
        m_LastError = instance->GetLastError();
        return nullptr;
    }
    return instance;
}

void CHostModule::RenderTogether(const std::vector<CHostInstance*>& instances, const std::vector<SAudioBlock>& blocks)
{
    m_Contexts.clear();
    AAXRenderProcedure render = nullptr;
    for (size_t i = 0; i < instances.size(); ++i) {
        if (!instances[i]) {
            m_Contexts.push_back(nullptr);
            continue;
        }
        AAXRenderContext* context = instances[i]->PrepareBlock(i < blocks.size() ? blocks[i] : SAudioBlock());
        if (!context)
            continue;
        m_Contexts.push_back(context);
        if (!render)
            render = instances[i]->GetRenderProcedure();
    }
    if (render && !m_Contexts.empty())
        render(m_Contexts.data(), m_Contexts.data() + m_Contexts.size());
}

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
