// The plug-in core over the product's stereo equaliser, connected to host-side parameters: saving and
// restoring the complete state as text, one undo-history commit of it, and the output publication
// with every curve changed and with nothing changed.

#include "Veltis/Audio/DSP/IFilter.h"
#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"
#include "Veltis/Audio/Plugin/ProductEntry.h"
#include "Veltis/Core/CDirty.h"
#include "Veltis/Serialization/CXmlDataObject.h"

#include "tests/support/CHostParams.h"
#include "tests/support/CTestPluginPaths.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace Veltis;
using namespace Veltis::Audio::Plugin;

namespace {

class CConnectedCore {
public:
    CConnectedCore()
    {
        // No bank and no "global.pref" there: legacy presets and built-in defaults.
        VeltisTest::CTestPluginPaths::DataFolder() = "/proc/veltis-bench-none";
        VeltisTest::CTestPluginPaths::UserFolder() = "/proc/veltis-bench-none";
        m_Settings.reset(new VeltisTest::CTestPluginConfig());
        m_Core.reset(new CAudioPluginInternalsBase(CreateProcessor(), CreatePluginGUI(), GetProductInfo(), *m_Settings,
                                                   GetDefaultOutputRefreshRate()));
        m_Inputs.reset(new VeltisTest::CHostInputParams(m_Core->GetInputParamsInfo()));
        m_Outputs.reset(new VeltisTest::CHostOutputParams(m_Core->GetOutputParamsInfo()));
        m_Core->Connect(m_Inputs.get(), m_Outputs.get());
        bool apply = true;
        m_Core->SetSampleRate(48000.0, apply);
    }
    ~CConnectedCore() { m_Core->Disconnect(); }

    std::string SaveText() const
    {
        Serialization::CXmlDataObject document("Preset");
        m_Core->Serialize(document);
        char* text = nullptr;
        document.GetText(text);
        const std::string result = text ? text : "";
        delete[] text;
        return result;
    }

    std::unique_ptr<VeltisTest::CTestPluginConfig> m_Settings;
    std::unique_ptr<CAudioPluginInternalsBase> m_Core;
    std::unique_ptr<VeltisTest::CHostInputParams> m_Inputs;
    std::unique_ptr<VeltisTest::CHostOutputParams> m_Outputs;
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
    DataModel::Objects::CCaptureParam& param = core.m_Inputs->Param(2);
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
