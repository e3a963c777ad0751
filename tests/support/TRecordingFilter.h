#pragma once

#include "Veltis/Audio/DSP/CBaseCoreDSPFilter.h"
#include "Veltis/Audio/DSP/COutputDataSync.h"
#include "Veltis/Audio/DSP/CParamsValues.h"
#include "Veltis/Audio/DSP/CProcessInfo.h"
#include "Veltis/Audio/DSP/IParamsVariations.h"
#include "Veltis/DataModel/Objects/CProductInfo.h"

#include <string>

namespace VeltisTest {

// A toy mono filter with N parameters ("P0".. with default i + 0.5) and two outputs ("Peak",
// "Clipped") that records its calls in fixed storage (so it allocates nothing while processing) and
// writes input x scale to its output.
template <int N>
class TRecordingFilter : public Veltis::Audio::DSP::CBaseCoreDSPFilter {
    typedef Veltis::Audio::DSP::CBaseCoreDSPFilter Base;

public:
    enum { kMaxSets = 4 };

    TRecordingFilter() : m_OutputValues(2)
    {
        CParamsInfo params(N);
        for (int i = 0; i < N; ++i) {
            const std::string name = "P" + std::to_string(i);
            params.GetStorage()[i] = Veltis::DataModel::Objects::CParamInfo(2, name.c_str(), "", "", nullptr, -100.0f,
                                                                           100.0f, i + 0.5f);
        }
        SetInputParamsInfo(params);
        CParamsInfo outputs(2);
        outputs.GetStorage()[0].SetName("Peak");
        outputs.GetStorage()[1].SetName("Clipped");
        SetOutputParamsInfo(outputs);
    }
    TRecordingFilter(const TRecordingFilter& other)
        : Veltis::Audio::DSP::IFilter(), Base(other), m_OutputValues(2), m_Scale(other.m_Scale)
    {
    }

    Veltis::Audio::DSP::IFilter* Clone() const override { return new TRecordingFilter(*this); }
    const Veltis::DataModel::Objects::IConstProductInfo& GetObjectInfo() const override
    {
        static const Veltis::DataModel::Objects::CProductInfo info("Recorder", "1", "", "");
        return info;
    }
    const Veltis::Audio::DSP::IProcessInfo& GetProcessInfo() const override
    {
        static const Veltis::Audio::DSP::CProcessInfo info(1, 1);
        return info;
    }
    const IConstValues& GetOutputParamsValues() const override { return m_OutputValues; }
    Veltis::Audio::DSP::IOutputDataSync* GetOutputDataSync() override
    {
        Veltis::Audio::DSP::IOutputDataSync* sync = &m_Sync;
        return m_HasSync ? sync : nullptr;
    }

    void SetParamsValues(const IConstValues& values) override
    {
        ++m_SetParamsCalls;
        m_LastParamsCount = values.GetCount();
        for (int i = 0; i < N && i < values.GetCount(); ++i)
            m_LastParams[i] = values.GetValue(i);
    }
    void SkipSilence(int count) override
    {
        ++m_SkipSilenceCalls;
        m_LastSkipCount = count;
    }
    void UpdateOutputParams() override
    {
        m_OutputValues.SetValue(0, m_Scale);
        m_OutputValues.SetValue(1, m_Scale + 1.0f);
    }
    void OnSampleRateChanged(bool& /*apply*/) override { ++m_SampleRateChanges; }
    void Reset() override { ++m_ResetCalls; }
    void PostProcess(const Veltis::Audio::DSP::CProcessContext& context) override
    {
        ++m_PostProcessCalls;
        m_LastPostInputs = context.m_Inputs;
    }
    void DoProcess(const Veltis::Containers::IConstVector<Veltis::Audio::DSP::IAudioStream>& inputs,
                   Veltis::Containers::IVector<Veltis::Audio::DSP::IAudioStream>& outputs, int count,
                   const Veltis::Audio::DSP::IParamsVariations* variations) override
    {
        ++m_DoProcessCalls;
        m_LastCount = count;
        m_LastSilentInput = inputs.GetCount() > 0 && inputs.GetAt(0).GetStep() == 0 && inputs.GetAt(0).GetBuffer() &&
                            inputs.GetAt(0).GetBuffer()[0] == 0.0f;
        m_LastSets = variations ? variations->GetCount() : -1;
        for (int s = 0; s < m_LastSets && s < kMaxSets; ++s) {
            m_LastSetSizes[s] = variations->GetAt(s).GetCount();
            for (int i = 0; i < N && i < m_LastSetSizes[s]; ++i)
                m_LastVariations[s][i] = variations->GetAt(s).GetValue(i);
        }
        if (inputs.GetCount() == 0 || outputs.GetCount() == 0)
            return;
        const Veltis::Audio::DSP::IAudioStream& in = inputs.GetAt(0);
        float* out = outputs.GetAt(0).GetBuffer();
        if (!out)
            return;
        for (int k = 0; k < count; ++k)
            out[k * outputs.GetAt(0).GetStep()] = in.GetBuffer()[k * in.GetStep()] * m_Scale;
    }

    void SetTail(int samples) { m_TailLength = samples; }
    void SetLatencySamples(int samples) { m_Latency = samples; }

    Veltis::Audio::DSP::CParamsValues m_OutputValues;
    Veltis::Audio::DSP::COutputDataSync m_Sync;
    bool m_HasSync = false;
    float m_Scale = 1.0f;
    int m_SetParamsCalls = 0;
    int m_LastParamsCount = 0;
    float m_LastParams[N] = {};
    int m_SkipSilenceCalls = 0;
    int m_LastSkipCount = 0;
    int m_SampleRateChanges = 0;
    int m_ResetCalls = 0;
    int m_PostProcessCalls = 0;
    const void* m_LastPostInputs = nullptr;
    int m_DoProcessCalls = 0;
    int m_LastCount = 0;
    bool m_LastSilentInput = false;
    int m_LastSets = -1;
    int m_LastSetSizes[kMaxSets] = {};
    float m_LastVariations[kMaxSets][N] = {};
};

} // namespace VeltisTest
