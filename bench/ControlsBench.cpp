#include "Veltis/Core/CEventProvider.h"
#include "Veltis/DataModel/Controls/CCurveViewer.h"
#include "Veltis/DataModel/Objects/CCaptureCurve.h"
#include "Veltis/Math/IFunction.h"

#include <benchmark/benchmark.h>

using namespace Veltis;

namespace {

// A response-like curve: a smooth bump over the audio band.
class CBump : public virtual Math::IFunction {
public:
    float GetValue(float x) const override { return 6.0f / (1.0f + (x - 1000.0f) * (x - 1000.0f) * 1e-6f); }
    IFunction* Clone() const override { return new CBump(*this); }
    bool Serialize(Serialization::IWriteDataStream&) const override { return false; }
    bool DeSerialize(const Serialization::IReadDataStream&) override { return false; }
    const char* GetTypeId() const override { return ""; }
};

// One redraw of a curve display: 1,000 samples over a 20..20000 log x axis (goal: under 0.2 ms, as
// curve displays redraw at the timer proxies' 20 Hz).
void CurveViewerLogAxis(benchmark::State& state)
{
    DataModel::Objects::CCaptureCurve curve;
    curve.SetValue(CBump());
    DataModel::Objects::CParamInfo& x = curve.GetWritableInfo().GetXInfo();
    x.SetMin(20.0f);
    x.SetMax(20000.0f);
    DataModel::Objects::CParamInfo& y = curve.GetWritableInfo().GetYInfo();
    y.SetMin(-12.0f);
    y.SetMax(12.0f);
    DataModel::Controls::CCurveViewer viewer(curve);
    viewer.GetXConfig().SetLogScale(true);
    const int samples = 1000;
    for (auto _ : state) {
        float sum = 0.0f;
        for (int i = 0; i < samples; ++i)
            sum += viewer.GetValuePosition(true, static_cast<float>(i) / (samples - 1));
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * samples);
}

} // namespace

BENCHMARK(CurveViewerLogAxis)->Unit(benchmark::kMicrosecond);
