#pragma once

#include "Veltis/Audio/DSP/CDynamicParamsValues.h"
#include "Veltis/Audio/DSP/IFilter.h"
#include "Veltis/CoreUtilities/TDynamicCollection.h"
#include "Veltis/DataModel/Objects/CCurveInfo.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/Objects/CStringInfo.h"
#include "Veltis/DataModel/Objects/CSurfaceInfo.h"

#include <cstdint>

namespace Veltis {
namespace Audio {
namespace DSP {

// The shared implementation of the mono filters: it stores the rate, tail, latency and descriptions,
// returns empty outputs, and fixes the steps of a block. While the inputs are silent it runs the signal
// path only as long as the tail lasts; after that it only applies parameter changes and writes zeros.
// A concrete filter writes DoProcess, SetParamsValues, GetObjectInfo, GetProcessInfo and Clone.
class CBaseCoreDSPFilter : public virtual IFilter {
public:
    typedef CoreUtilities::TDynamicCollection<DataModel::Objects::CParamInfo, DataModel::Objects::IConstParamInfo>
        CParamsInfo;
    typedef CoreUtilities::TDynamicCollection<DataModel::Objects::CStringInfo, DataModel::Objects::IConstStringInfo>
        CStringsInfo;
    typedef CoreUtilities::TDynamicCollection<DataModel::Objects::CCurveInfo, DataModel::Objects::IConstCurveInfo>
        CCurvesInfo;
    typedef CoreUtilities::TDynamicCollection<DataModel::Objects::CSurfaceInfo,
                                              DataModel::Objects::IConstSurfaceInfo>
        CSurfacesInfo;

    CBaseCoreDSPFilter();
    CBaseCoreDSPFilter(const CBaseCoreDSPFilter& other);
    CBaseCoreDSPFilter& operator=(const CBaseCoreDSPFilter& other);
    ~CBaseCoreDSPFilter() override {}

    void SetSampleRate(bool& apply, double rate) override;
    void ReleaseBuffers() override {}
    const IConstParamsInfo& GetInputParamsInfo() const override { return m_InputParamsInfo; }
    IParamsInfo& GetInputParamsInfo() override { return m_InputParamsInfo; }
    void SetParamsValues(const IConstValues& /*values*/) override {}
    int GetTailLength() const override { return m_TailLength; }
    int GetLatency() const override { return m_Latency; }
    void Process(const CProcessContext& context) override;
    bool ProcessSilence(const CProcessContext& context) override;
    IOutputDataSync* GetOutputDataSync() override { return nullptr; }
    void UpdateOutputs() override;
    const IConstParamsInfo& GetOutputParamsInfo() const override { return m_OutputParamsInfo; }
    IParamsInfo& GetOutputParamsInfo() override { return m_OutputParamsInfo; }
    const IConstValues& GetOutputParamsValues() const override;
    const IConstStringsInfo& GetOutputStringsInfo() const override { return m_OutputStringsInfo; }
    IStringsInfo& GetOutputStringsInfo() override { return m_OutputStringsInfo; }
    const IConstStrings& GetOutputStrings() const override;
    const IConstCurvesInfo& GetOutputCurvesInfo() const override { return m_OutputCurvesInfo; }
    ICurvesInfo& GetOutputCurvesInfo() override { return m_OutputCurvesInfo; }
    const IConstCurves& GetOutputCurves() const override;
    IDirtyFlags& GetOutputCurvesDirty() override;
    const IConstSurfacesInfo& GetOutputSurfacesInfo() const override { return m_OutputSurfacesInfo; }
    ISurfacesInfo& GetOutputSurfacesInfo() override { return m_OutputSurfacesInfo; }
    const IConstSurfaces& GetOutputSurfaces() const override;
    IDirtyFlags& GetOutputSurfacesDirty() override;
    const ILegacyPresets& GetLegacyPresets() const override;

    // A silent block that is not processed: inner filters clear or advance their state here.
    virtual void SkipSilence(int /*count*/) {}
    virtual void UpdateOutputParams() {}
    virtual void UpdateOutputCurves() {}
    // Called after the new rate is stored; hand the flag on to inner filters.
    virtual void OnSampleRateChanged(bool& /*apply*/) {}
    // Clears the signal state.
    virtual void Reset() {}
    virtual void PostProcess(const CProcessContext& /*context*/) {}
    virtual void DoProcess(const Containers::IConstVector<IAudioStream>& /*inputs*/,
                           Containers::IVector<IAudioStream>& /*outputs*/, int /*count*/,
                           const IParamsVariations* /*variations*/)
    {
    }

    double GetSampleRate() const { return m_SampleRate; }
    int64_t GetSilentSamples() const { return m_SilentSamples; }

protected:
    // Copies of the given descriptions, element by element.
    void SetInputParamsInfo(const IConstParamsInfo& info);
    void SetOutputParamsInfo(const IConstParamsInfo& info);
    void SetOutputCurvesInfo(const IConstCurvesInfo& info);

    double m_SampleRate;
    int m_TailLength;
    int m_Latency;
    CParamsInfo m_InputParamsInfo;
    CParamsInfo m_OutputParamsInfo;
    CStringsInfo m_OutputStringsInfo;
    CCurvesInfo m_OutputCurvesInfo;
    CSurfacesInfo m_OutputSurfacesInfo;
    int64_t m_SilentSamples;

private:
    // Refilled from the descriptions in place, so that SetSampleRate on the audio thread allocates
    // nothing once the descriptions have been set.
    void RefreshDefaultValues();

    CDynamicParamsValues m_DefaultValues;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
