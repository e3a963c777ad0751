#pragma once

#include "Veltis/Audio/DSP/CAudioStreamToStreams.h"
#include "Veltis/Audio/DSP/CConstParamsValuesMux.h"
#include "Veltis/Audio/DSP/COutputDataSyncMux.h"
#include "Veltis/Audio/DSP/CProcessInfo.h"
#include "Veltis/Audio/DSP/IFilter.h"
#include "Veltis/Audio/DSP/TMonoToStereoInfo.h"
#include "Veltis/Containers/TConstValueVectorMux.h"
#include "Veltis/Containers/TVectorMux.h"
#include "Veltis/Core/IDirty.h"
#include "Veltis/DataModel/Objects/CCurveInfo.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/Objects/CStringInfo.h"
#include "Veltis/DataModel/Objects/CSurfaceInfo.h"
#include "Veltis/Math/CConstFunctionValuesMux.h"
#include "Veltis/Math/IBinaryFunction.h"

#include <vector>

namespace Veltis {
namespace Audio {
namespace DSP {

// A stereo processor made of two mono ones sharing every parameter: stream 0 goes through the left
// channel and stream 1 through the right one. Every output exists once per channel, the left
// channel's first, named " (L)" and " (R)".
template <class TMonoFilter>
class TStereoFromMonoFilter : public virtual IFilter {
public:
    typedef TMonoToStereoInfo<DataModel::Objects::CParamInfo, DataModel::Objects::IConstParamInfo> CStereoParamsInfo;
    typedef TMonoToStereoInfo<DataModel::Objects::CStringInfo, DataModel::Objects::IConstStringInfo>
        CStereoStringsInfo;
    typedef TMonoToStereoInfo<DataModel::Objects::CCurveInfo, DataModel::Objects::IConstCurveInfo> CStereoCurvesInfo;
    typedef TMonoToStereoInfo<DataModel::Objects::CSurfaceInfo, DataModel::Objects::IConstSurfaceInfo>
        CStereoSurfacesInfo;

    TStereoFromMonoFilter() : TStereoFromMonoFilter(nullptr, nullptr) {}

    TStereoFromMonoFilter(const TStereoFromMonoFilter& other)
        : TStereoFromMonoFilter(&other.m_LeftFilter, &other.m_RightFilter)
    {
    }
    TStereoFromMonoFilter& operator=(const TStereoFromMonoFilter&) = delete;
    ~TStereoFromMonoFilter() override {}

    IFilter* Clone() const override { return new TStereoFromMonoFilter(*this); }
    const DataModel::Objects::IConstProductInfo& GetObjectInfo() const override
    {
        return m_LeftFilter.GetObjectInfo();
    }
    void SetSampleRate(bool& apply, double rate) override
    {
        m_LeftFilter.CBaseCoreDSPFilter::SetSampleRate(apply, rate);
        m_RightFilter.CBaseCoreDSPFilter::SetSampleRate(apply, rate);
    }
    void ReleaseBuffers() override
    {
        m_LeftFilter.ReleaseBuffers();
        m_RightFilter.ReleaseBuffers();
    }
    const IConstParamsInfo& GetInputParamsInfo() const override { return m_LeftFilter.GetInputParamsInfo(); }
    IParamsInfo& GetInputParamsInfo() override { return m_LeftFilter.GetInputParamsInfo(); }
    void SetParamsValues(const IConstValues& values) override
    {
        m_LeftFilter.SetParamsValues(values);
        m_RightFilter.SetParamsValues(values);
    }
    const IProcessInfo& GetProcessInfo() const override { return m_ProcessInfo; }
    int GetTailLength() const override { return Max(m_LeftFilter.GetTailLength(), m_RightFilter.GetTailLength()); }
    int GetLatency() const override { return Max(m_LeftFilter.GetLatency(), m_RightFilter.GetLatency()); }

    void Process(const CProcessContext& context) override
    {
        CAudioStreamToStreams leftInputs(GetInputStream(context, 0)), leftOutputs(GetOutputStream(context, 0));
        CAudioStreamToStreams rightInputs(GetInputStream(context, 1)), rightOutputs(GetOutputStream(context, 1));
        const CProcessContext left = GetChannelContext(0, context, leftInputs, leftOutputs);
        const CProcessContext right = GetChannelContext(1, context, rightInputs, rightOutputs);
        ProcessChannels(left, right);
    }

    // Both channels always run; true when either was still within its tail.
    bool ProcessSilence(const CProcessContext& context) override
    {
        const bool left = ProcessChannelSilence(0, context);
        const bool right = ProcessChannelSilence(1, context);
        return left || right;
    }

    IOutputDataSync* GetOutputDataSync() override { return m_OutputDataSync.Get(); }

    void UpdateOutputs() override
    {
        m_LeftFilter.UpdateOutputs();
        m_RightFilter.UpdateOutputs();
        m_OutputParamsValues.SetSources(m_LeftFilter.GetOutputParamsValues(), m_RightFilter.GetOutputParamsValues());
        m_OutputCurves.SetSources(&m_LeftFilter.GetOutputCurves(), &m_RightFilter.GetOutputCurves());
    }

    const IConstParamsInfo& GetOutputParamsInfo() const override { return m_OutputParamsInfo; }
    IParamsInfo& GetOutputParamsInfo() override { return m_OutputParamsInfo; }
    const IConstValues& GetOutputParamsValues() const override { return m_OutputParamsValues; }
    const IConstStringsInfo& GetOutputStringsInfo() const override { return m_OutputStringsInfo; }
    IStringsInfo& GetOutputStringsInfo() override { return m_OutputStringsInfo; }
    const IConstStrings& GetOutputStrings() const override { return m_OutputStrings; }
    const IConstCurvesInfo& GetOutputCurvesInfo() const override { return m_OutputCurvesInfo; }
    ICurvesInfo& GetOutputCurvesInfo() override { return m_OutputCurvesInfo; }
    const IConstCurves& GetOutputCurves() const override { return m_OutputCurves; }
    IDirtyFlags& GetOutputCurvesDirty() override { return m_OutputCurvesDirty; }
    const IConstSurfacesInfo& GetOutputSurfacesInfo() const override { return m_OutputSurfacesInfo; }
    ISurfacesInfo& GetOutputSurfacesInfo() override { return m_OutputSurfacesInfo; }
    const IConstSurfaces& GetOutputSurfaces() const override { return m_OutputSurfaces; }
    IDirtyFlags& GetOutputSurfacesDirty() override { return m_OutputSurfacesDirty; }
    const ILegacyPresets& GetLegacyPresets() const override { return m_LeftFilter.GetLegacyPresets(); }

    TMonoFilter& GetLeftFilter() { return m_LeftFilter; }
    TMonoFilter& GetRightFilter() { return m_RightFilter; }
    const TMonoFilter& GetLeftFilter() const { return m_LeftFilter; }
    const TMonoFilter& GetRightFilter() const { return m_RightFilter; }

protected:
    // The variations a channel receives: the block's own in the shared form. Those of both channels stay
    // valid together until the next block.
    virtual const IParamsVariations* GetChannelVariations(int /*channel*/, const IParamsVariations* variations)
    {
        return variations;
    }

    // The blocks of both channels, each given its own views and variations: the left one completely before
    // the right one. Channels that can share work may run them together, with the same result.
    virtual void ProcessChannels(const CProcessContext& left, const CProcessContext& right)
    {
        m_LeftFilter.CBaseCoreDSPFilter::Process(left);
        m_RightFilter.CBaseCoreDSPFilter::Process(right);
    }

private:
    // Channels copied from the given ones, or default-constructed for null.
    TStereoFromMonoFilter(const TMonoFilter* left, const TMonoFilter* right)
        : m_LeftFilter(MakeChannel(left)), m_RightFilter(MakeChannel(right)),
          m_OutputParamsInfo(m_LeftFilter.GetOutputParamsInfo(), 0, -1),
          m_OutputStringsInfo(m_LeftFilter.GetOutputStringsInfo(), 0, -1),
          m_OutputCurvesInfo(m_LeftFilter.GetOutputCurvesInfo(), 0, -1),
          m_OutputSurfacesInfo(m_LeftFilter.GetOutputSurfacesInfo(), 0, -1),
          m_OutputParamsValues(m_LeftFilter.GetOutputParamsValues(), m_RightFilter.GetOutputParamsValues()),
          m_OutputStrings(m_LeftFilter.GetOutputStrings(), m_RightFilter.GetOutputStrings()),
          m_OutputCurves(&m_LeftFilter.GetOutputCurves(), &m_RightFilter.GetOutputCurves()),
          m_OutputSurfaces(m_LeftFilter.GetOutputSurfaces(), m_RightFilter.GetOutputSurfaces()),
          m_OutputCurvesDirty(m_LeftFilter.GetOutputCurvesDirty(), m_RightFilter.GetOutputCurvesDirty()),
          m_OutputSurfacesDirty(m_LeftFilter.GetOutputSurfacesDirty(), m_RightFilter.GetOutputSurfacesDirty()),
          m_InputsCount(2 * m_LeftFilter.GetProcessInfo().GetInputsInfo().GetCount()),
          m_OutputsCount(2 * m_LeftFilter.GetProcessInfo().GetOutputsInfo().GetCount()),
          m_ProcessInfo(m_InputsCount, m_OutputsCount,
                        Repeat<CInputInfo>(m_LeftFilter.GetProcessInfo().GetInputsInfo(), m_InputsCount).data(),
                        Repeat<COutputInfo>(m_LeftFilter.GetProcessInfo().GetOutputsInfo(), m_OutputsCount).data()),
          m_OutputDataSync(&m_LeftFilter, &m_RightFilter)
    {
    }

    static int Max(int a, int b) { return a > b ? a : b; }

    static TMonoFilter MakeChannel(const TMonoFilter* source) { return source ? TMonoFilter(*source) : TMonoFilter(); }

    // count copies of the mono filter's first description.
    template <class TInfo, class TIVector>
    static std::vector<TInfo> Repeat(const TIVector& mono, int count)
    {
        std::vector<TInfo> infos(count > 0 ? count : 0);
        for (TInfo& info : infos)
            info.CopyFrom(mono.GetAt(0));
        return infos;
    }

    TMonoFilter& GetChannel(int channel) { return channel == 0 ? m_LeftFilter : m_RightFilter; }

    // The channel's stream, or null when the block has none for it. Handed on read-only.
    IAudioStream* GetInputStream(const CProcessContext& context, int channel) const
    {
        if (m_InputsCount == 0 || !context.m_Inputs || channel >= context.m_Inputs->GetCount())
            return nullptr;
        return const_cast<IAudioStream*>(&context.m_Inputs->GetAt(channel));
    }

    IAudioStream* GetOutputStream(const CProcessContext& context, int channel) const
    {
        if (m_OutputsCount == 0 || !context.m_Outputs || channel >= context.m_Outputs->GetCount())
            return nullptr;
        return &context.m_Outputs->GetAt(channel);
    }

    CProcessContext GetChannelContext(int channel, const CProcessContext& context, CAudioStreamToStreams& inputs,
                                      CAudioStreamToStreams& outputs)
    {
        CProcessContext channelContext = context;
        channelContext.m_Inputs = context.m_Inputs ? &inputs : nullptr;
        channelContext.m_Outputs = context.m_Outputs ? &outputs : nullptr;
        channelContext.m_Variations = GetChannelVariations(channel, context.m_Variations);
        return channelContext;
    }

    bool ProcessChannelSilence(int channel, const CProcessContext& context)
    {
        CAudioStreamToStreams outputs(GetOutputStream(context, channel));
        CProcessContext channelContext = context;
        channelContext.m_Outputs = context.m_Outputs ? &outputs : nullptr;
        channelContext.m_Variations = GetChannelVariations(channel, context.m_Variations);
        return GetChannel(channel).CBaseCoreDSPFilter::ProcessSilence(channelContext);
    }

    TMonoFilter m_LeftFilter;
    TMonoFilter m_RightFilter;
    CStereoParamsInfo m_OutputParamsInfo;
    CStereoStringsInfo m_OutputStringsInfo;
    CStereoCurvesInfo m_OutputCurvesInfo;
    CStereoSurfacesInfo m_OutputSurfacesInfo;
    CConstParamsValuesMux m_OutputParamsValues;
    Containers::TConstValueVectorMux<const char*> m_OutputStrings;
    Math::CConstFunctionValuesMux m_OutputCurves;
    Containers::TConstValueVectorMux<const Math::IBinaryFunction&> m_OutputSurfaces;
    Containers::TVectorMux<Core::IDirty> m_OutputCurvesDirty;
    Containers::TVectorMux<Core::IDirty> m_OutputSurfacesDirty;
    int m_InputsCount;
    int m_OutputsCount;
    CProcessInfo m_ProcessInfo;
    COutputDataSyncMux m_OutputDataSync;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
