// Reads a plug-in state from untrusted bytes (a "Preset" document) into a connected core over the
// product's stereo equaliser: every reading leaves a complete state, which writes out and reads back
// to the same text.

#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"
#include "Veltis/Audio/Plugin/ProductEntry.h"
#include "Veltis/Serialization/CXmlDataObject.h"

#include "tests/support/CHostedCore.h"
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

// No bank and no "global.pref" are found in its folders: legacy presets and built-in defaults.
struct SWorld {
    SWorld() { core.Connect(); }
    VeltisTest::CTestPluginFolders folders{"/proc/veltis-fuzz-none", "/proc/veltis-fuzz-none"};
    VeltisTest::CTestPluginConfig settings;
    VeltisTest::CHostedCore core{settings, CreateProcessor(), CreatePluginGUI(), GetProductInfo(),
                                 GetDefaultOutputRefreshRate()};
};

std::string SaveText(const VeltisTest::CHostedCore& core)
{
    std::string text;
    if (!core.SaveStateText(text))
        std::abort();
    return text;
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
    for (int i = 0; i < world.core.m_Inputs.GetCount(); ++i) {
        const float value = world.core.m_Inputs.Param(i).GetValue();
        const DataModel::Objects::IConstParamInfo& info = world.core.m_Inputs.Param(i).GetInfo();
        if (!(value >= info.GetMin() && value <= info.GetMax()))
            std::abort();
    }
    if (!world.core->GetProgramName())
        std::abort();

    // The state now stands on its own: writing, reading and writing again gives the same text.
    const std::string first = SaveText(world.core);
    Serialization::CXmlDataObject again("Preset");
    if (!again.LoadFromMemory(first.c_str(), static_cast<int>(first.size())))
        std::abort();
    world.core->DeSerialize(again);
    if (SaveText(world.core) != first)
        std::abort();
    return 0;
}
