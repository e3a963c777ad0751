// Reads a plug-in state from untrusted bytes (a "Preset" document) into a connected core over the
// product's stereo equaliser: every reading leaves a complete state, which writes out and reads back
// to the same text.

#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"
#include "Veltis/Audio/Plugin/ProductEntry.h"
#include "Veltis/Serialization/CXmlDataObject.h"

#include "tests/support/CHostParams.h"
#include "tests/support/CTestPluginPaths.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

using namespace Veltis;
using namespace Veltis::Audio::Plugin;

namespace {

struct SWorld {
    SWorld()
    {
        // No bank and no "global.pref" are found there: legacy presets and built-in defaults.
        VeltisTest::CTestPluginPaths::DataFolder() = "/proc/veltis-fuzz-none";
        VeltisTest::CTestPluginPaths::UserFolder() = "/proc/veltis-fuzz-none";
        settings.reset(new VeltisTest::CTestPluginConfig());
        core.reset(new CAudioPluginInternalsBase(CreateProcessor(), CreatePluginGUI(), GetProductInfo(), *settings,
                                                 GetDefaultOutputRefreshRate()));
        inputs.reset(new VeltisTest::CHostInputParams(core->GetInputParamsInfo()));
        outputs.reset(new VeltisTest::CHostOutputParams(core->GetOutputParamsInfo()));
        core->Connect(inputs.get(), outputs.get());
    }
    std::unique_ptr<VeltisTest::CTestPluginConfig> settings;
    std::unique_ptr<CAudioPluginInternalsBase> core;
    std::unique_ptr<VeltisTest::CHostInputParams> inputs;
    std::unique_ptr<VeltisTest::CHostOutputParams> outputs;
};

std::string SaveText(CAudioPluginInternalsBase& core)
{
    Serialization::CXmlDataObject document("Preset");
    if (!core.Serialize(document))
        std::abort();
    char* text = nullptr;
    if (!document.GetText(text))
        std::abort();
    const std::string result(text);
    delete[] text;
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    static SWorld world;
    Serialization::CXmlDataObject document("Preset");
    if (!document.LoadFromMemory(reinterpret_cast<const char*>(data), static_cast<int>(size)))
        return 0;
    if (!world.core->DeSerialize(document))
        std::abort();
    for (int i = 0; i < world.inputs->GetCount(); ++i) {
        const float value = world.inputs->Param(i).GetValue();
        const DataModel::Objects::IConstParamInfo& info = world.inputs->Param(i).GetInfo();
        if (!(value >= info.GetMin() && value <= info.GetMax()))
            std::abort();
    }
    if (!world.core->GetProgramName())
        std::abort();

    // The state now stands on its own: writing, reading and writing again gives the same text.
    const std::string first = SaveText(*world.core);
    Serialization::CXmlDataObject again("Preset");
    if (!again.LoadFromMemory(first.c_str(), static_cast<int>(first.size())))
        std::abort();
    world.core->DeSerialize(again);
    if (SaveText(*world.core) != first)
        std::abort();
    return 0;
}
