// The plug-in core over the product's stereo equaliser, connected to host-side parameters: saving and
// restoring the complete state as text, one undo-history commit of it, and the output publication
// with every curve changed and with nothing changed.

#include "Veltis/Audio/DSP/IFilter.h"
#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"
#include "Veltis/Audio/Plugin/ProductEntry.h"
#include "Veltis/Core/CDirty.h"
#include "Veltis/Serialization/CXmlDataObject.h"

#include "tests/support/CHostedCore.h"
#include "tests/support/CTestPluginPaths.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace Veltis;
using namespace Veltis::Audio::Plugin;

namespace {

// No bank and no "global.pref" are found in its folders: legacy presets and built-in defaults.
class CConnectedCore {
public:
    CConnectedCore()
    {
        m_Hosted.Connect();
        bool apply = true;
        m_Hosted->SetSampleRate(48000.0, apply);
    }

    std::string SaveText() const
    {
        std::string text;
        m_Hosted.SaveStateText(text);
        return text;
    }

    VeltisTest::CTestPluginFolders m_Folders{"/proc/veltis-bench-none", "/proc/veltis-bench-none"};
    VeltisTest::CTestPluginConfig m_Settings;
    VeltisTest::CHostedCore m_Hosted{m_Settings, CreateProcessor(), CreatePluginGUI(), GetProductInfo(),
                                     GetDefaultOutputRefreshRate()};
    std::unique_ptr<CAudioPluginInternalsBase>& m_Core = m_Hosted.m_Core;
    VeltisTest::CHostInputParams& m_Inputs = m_Hosted.m_Inputs;
};

void BM_PluginCoreSaveState(benchmark::State& state)
{
    CConnectedCore core;
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = core.SaveText();
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PluginCoreSaveState)->Unit(benchmark::kMicrosecond);

void BM_PluginCoreRestoreState(benchmark::State& state)
{
    CConnectedCore core;
    const std::string text = core.SaveText();
    for (auto _ : state) {
        Serialization::CXmlDataObject document("Preset");
        document.LoadFromMemory(text.c_str(), static_cast<int>(text.size()));
        core.m_Core->DeSerialize(document);
    }
}
BENCHMARK(BM_PluginCoreRestoreState)->Unit(benchmark::kMicrosecond);

// Each commit records one changed parameter, as after an edit in the editor.
void BM_PluginCoreHistoryCommit(benchmark::State& state)
{
    CConnectedCore core;
    DataModel::Objects::CCaptureParam& param = core.m_Inputs.Param(2);
    const float low = param.GetInfo().GetMin();
    const float high = param.GetInfo().GetMax();
    bool up = false;
    for (auto _ : state) {
        up = !up;
        param.SetValue(up ? high : low);
        core.m_Core->GetHistory().Commit();
    }
}
BENCHMARK(BM_PluginCoreHistoryCommit)->Unit(benchmark::kMicrosecond);

void BM_PluginCorePublishAllCurvesDirty(benchmark::State& state)
{
    CConnectedCore core;
    Audio::DSP::IFilter::IDirtyFlags& dirty = core.m_Core->GetProcessor()->GetOutputCurvesDirty();
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < dirty.GetCount(); ++i)
            if (Core::CDirty* flag = dynamic_cast<Core::CDirty*>(&dirty.GetAt(i)))
                flag->SetDirty();
        state.ResumeTiming();
        core.m_Core->PublishOutputs();
    }
    state.counters["curves"] = dirty.GetCount();
}
BENCHMARK(BM_PluginCorePublishAllCurvesDirty)->Unit(benchmark::kMicrosecond);

void BM_PluginCorePublishNothingChanged(benchmark::State& state)
{
    CConnectedCore core;
    core.m_Core->PublishOutputs();
    for (auto _ : state)
        core.m_Core->PublishOutputs();
}
BENCHMARK(BM_PluginCorePublishNothingChanged);

} // namespace
