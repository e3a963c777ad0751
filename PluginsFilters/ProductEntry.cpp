#include "Veltis/Audio/Plugin/ProductEntry.h"

#include "PluginsFilters/CStereoTessaline.h"
#include "Veltis/Audio/Plugin/CAudioPluginSkinGUI.h"
#include "Veltis/DataModel/Objects/CProductInfo.h"

namespace {

// Built while the module loads, before any entry point runs.
const Veltis::DataModel::Objects::CProductInfo kProductInfo("Corvane's Stereo Tessaline", "3.52",
                                                            "Copyright Corvane Audio", "https://corvane.example");

} // namespace

const Veltis::DataModel::Objects::IConstProductInfo* GetProductInfo() { return &kProductInfo; }

bool HasMonoVariant() { return false; }

uint32_t GetProductId() { return 0x33343264u; }

double GetDefaultOutputRefreshRate() { return 50.0; }

Veltis::Audio::Plugin::IPluginGUI* CreatePluginGUI() { return new Veltis::Audio::Plugin::CAudioPluginSkinGUI(); }

Veltis::Audio::DSP::IFilter* CreateProcessor() { return new PluginsFilters::CStereoTessaline(); }
