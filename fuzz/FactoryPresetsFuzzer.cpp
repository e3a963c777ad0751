// Builds an instance's preset list from an untrusted factory bank, then names and loads every preset:
// no count from the bank allocates without bound, and every load leaves the instance complete.

#include "Veltis/Audio/DSP/Filters/CGain.h"
#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"
#include "Veltis/Audio/Plugin/CAudioPluginXMLPresets.h"
#include "Veltis/Audio/Plugin/IPreset.h"

#include "tests/support/CHostParams.h"
#include "tests/support/CTestPluginPaths.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace Veltis;
using namespace Veltis::Audio::Plugin;

namespace {

// A data folder of this process's own holding "Presets/factory.presets".
struct SBankFolder {
    SBankFolder()
    {
        char pattern[] = "/tmp/veltis-bank-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made)
            std::abort();
        folder = made;
        if (mkdir((folder + "/Presets").c_str(), 0700) != 0)
            std::abort();
        VeltisTest::CTestPluginPaths::DataFolder() = folder;
        VeltisTest::CTestPluginPaths::UserFolder() = folder;
        settings.reset(new VeltisTest::CTestPluginConfig());
    }
    ~SBankFolder()
    {
        std::remove((folder + "/Presets/factory.presets").c_str());
        rmdir((folder + "/Presets").c_str());
        rmdir(folder.c_str());
    }
    std::string folder;
    std::unique_ptr<VeltisTest::CTestPluginConfig> settings;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    static SBankFolder bank;
    {
        FILE* file = std::fopen((bank.folder + "/Presets/factory.presets").c_str(), "wb");
        if (!file)
            std::abort();
        if (size > 0 && std::fwrite(data, 1, size, file) != size)
            std::abort();
        std::fclose(file);
    }
    CAudioPluginInternalsBase core(new Audio::DSP::Filters::CGain(), nullptr, nullptr, *bank.settings, 50.0);
    VeltisTest::CHostInputParams inputs(core.GetInputParamsInfo());
    VeltisTest::CHostOutputParams outputs(core.GetOutputParamsInfo());
    core.Connect(&inputs, &outputs);
    Containers::IVector<IPreset>& presets = core.GetPresets();
    if (presets.GetCount() < 0 || presets.GetCount() > CAudioPluginXMLPresets::kMaxCount)
        std::abort();
    for (int i = 0; i < presets.GetCount(); ++i) {
        if (!presets.GetAt(i).GetName())
            std::abort();
        presets.GetAt(i).Load();
        for (int p = 0; p < inputs.GetCount(); ++p) {
            const float value = inputs.Param(p).GetValue();
            if (!(value >= inputs.Param(p).GetInfo().GetMin() && value <= inputs.Param(p).GetInfo().GetMax()))
                std::abort();
        }
    }
    core.Disconnect();
    return 0;
}
