// Saving and loading a document the size of a full plug-in state (about 150 named values, part of
// them in nested objects), and recording a changed state in the undo history.

#include "Veltis/Serialization/CIncrementalHistoryManager.h"
#include "Veltis/Serialization/CMemDataObject.h"
#include "Veltis/Serialization/CXmlDataObject.h"
#include "Veltis/Serialization/ISerializable.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace Veltis::Serialization;

namespace {

// Ten bands of twelve parameters each, thirty global values and a few texts.
class CPluginState : public ISerializable {
public:
    class CBand : public ISerializable {
    public:
        float values[12] = {};
        bool Serialize(IWriteDataStream& stream) const override
        {
            bool ok = true;
            for (int i = 0; i < 12; ++i)
                ok = stream.WriteFloat(kNames[i], values[i]) && ok;
            return ok;
        }
        bool DeSerialize(const IReadDataStream& stream) override
        {
            bool ok = true;
            for (int i = 0; i < 12; ++i)
                ok = stream.ReadFloat(kNames[i], values[i]) && ok;
            return ok;
        }
    };

    CPluginState()
    {
        for (int b = 0; b < 10; ++b)
            for (int i = 0; i < 12; ++i)
                bands[b].values[i] = 0.001f * (b * 12 + i) + 0.1f;
        for (int i = 0; i < 30; ++i)
            globals[i] = 1000.0 / (i + 3);
    }

    bool Serialize(IWriteDataStream& stream) const override
    {
        bool ok = stream.WriteInt("version", 3) && stream.WriteString("preset", "Warm vocal") &&
                  stream.WriteString("skin", "dark");
        for (int i = 0; i < 30; ++i)
            ok = stream.WriteDouble(kGlobalNames[i], globals[i]) && ok;
        for (int b = 0; b < 10; ++b)
            ok = stream.WriteObject(kBandNames[b], bands[b]) && ok;
        return ok;
    }
    bool DeSerialize(const IReadDataStream& stream) override
    {
        bool ok = true;
        for (int i = 0; i < 30; ++i)
            ok = stream.ReadDouble(kGlobalNames[i], globals[i]) && ok;
        for (int b = 0; b < 10; ++b)
            ok = stream.ReadObject(kBandNames[b], bands[b]) && ok;
        return ok;
    }

    CBand bands[10];
    double globals[30];

private:
    static const char* const kNames[12];
    static const char* const kBandNames[10];
    static const char* const kGlobalNames[30];
};

const char* const CPluginState::kNames[12] = {"frequency", "gain", "q", "type", "enabled", "drive",
                                              "mix", "slope", "solo", "dynamic", "threshold", "ratio"};
const char* const CPluginState::kBandNames[10] = {"low", "band1", "band2", "band3", "band4",
                                                  "band5", "high", "input", "output", "limiter"};
const char* const CPluginState::kGlobalNames[30] = {
    "g0", "g1", "g2", "g3", "g4", "g5", "g6", "g7", "g8", "g9", "g10", "g11", "g12", "g13", "g14",
    "g15", "g16", "g17", "g18", "g19", "g20", "g21", "g22", "g23", "g24", "g25", "g26", "g27", "g28", "g29"};

std::string SavedText(const CPluginState& state)
{
    CXmlDataObject document("Preset", 0);
    state.Serialize(document);
    char* text = nullptr;
    document.GetText(text);
    std::string result = text;
    delete[] text;
    return result;
}

void BM_SaveStateDocument(benchmark::State& run)
{
    const CPluginState state;
    for (auto _ : run) {
        CXmlDataObject document("Preset", 0);
        state.Serialize(document);
        char* text = nullptr;
        document.GetText(text);
        benchmark::DoNotOptimize(text);
        delete[] text;
    }
}
BENCHMARK(BM_SaveStateDocument);

void BM_LoadStateDocument(benchmark::State& run)
{
    const std::string text = SavedText(CPluginState());
    CPluginState state;
    for (auto _ : run) {
        CXmlDataObject document("Preset", 0);
        document.LoadFromMemory(text.c_str(), static_cast<int>(text.size()));
        benchmark::DoNotOptimize(state.DeSerialize(document));
    }
    run.SetBytesProcessed(static_cast<int64_t>(run.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_LoadStateDocument);

void BM_HistoryCommitOfOneChange(benchmark::State& run)
{
    CPluginState state;
    CIncrementalHistoryManager history(&state);
    history.SetMaxCount(128);
    history.Commit();
    float step = 0.0f;
    for (auto _ : run) {
        step += 0.001f;
        state.bands[3].values[1] = step;
        history.Commit();
    }
}
BENCHMARK(BM_HistoryCommitOfOneChange);

// A memory object read back from a document with many items, as a host may hand over: every item is
// looked up by name, so the cost per item must not grow with the number of items.
void BM_ReadMemoryObjectPerItem(benchmark::State& run)
{
    const int count = static_cast<int>(run.range(0));
    CMemDataObject written;
    for (int i = 0; i < count; ++i)
        written.WriteInt(("value" + std::to_string(i)).c_str(), i);
    CXmlDataObject document("Preset", 0);
    document.WriteObject("state", written);
    for (auto _ : run) {
        CMemDataObject read;
        benchmark::DoNotOptimize(document.ReadObject("state", read));
    }
    run.SetItemsProcessed(static_cast<int64_t>(run.iterations()) * count);
}
BENCHMARK(BM_ReadMemoryObjectPerItem)->RangeMultiplier(8)->Range(64, 1 << 15);

} // namespace
