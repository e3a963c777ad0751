#pragma once

#include "PluginsFilters/CHalfBandOversampler.h"
#include "Veltis/Audio/DSP/CBaseCoreDSPFilter.h"
#include "Veltis/Audio/DSP/CDynamicAudioStream.h"
#include "Veltis/Audio/DSP/CDynamicParamsValues.h"
#include "Veltis/Audio/DSP/CDynamicParamsVariations.h"
#include "Veltis/Audio/DSP/CFilterBypassManagerBase.h"
#include "Veltis/Audio/DSP/CLegacyPresets.h"
#include "Veltis/Audio/DSP/CParamsValues.h"
#include "Veltis/Audio/DSP/Filters/CBrickwallLimiter.h"
#include "Veltis/Audio/DSP/Filters/CFastCompressor.h"
#include "Veltis/Audio/DSP/Filters/CGain.h"
#include "Veltis/Audio/DSP/Filters/CHighPassFilter.h"
#include "Veltis/Audio/DSP/Filters/CHighShelfFilter.h"
#include "Veltis/Audio/DSP/Filters/CLowPassFilter.h"
#include "Veltis/Audio/DSP/Filters/CLowShelfFilter.h"
#include "Veltis/Audio/DSP/Filters/CPeakFilter.h"
#include "Veltis/Audio/DSP/Filters/CPeakMeter.h"
#include "Veltis/Containers/TPointersValueVector.h"
#include "Veltis/Core/CDirty.h"
#include "Veltis/Core/TDynamicVector.h"
#include "Veltis/Math/CFunctionsComposition.h"
#include "Veltis/Math/TFunctionsOperation.h"

namespace PluginsFilters {

// The product's mono equaliser: pre gain, a chain of sixteen stages (low shelf or cut, five peak bands,
// high shelf or cut, a compressor used as waveshaper after each section) optionally run at twice the
// rate, post gain, brickwall limiter and peak meter; 35 parameters, 3 outputs, 9 response curves.
// Working buffers are sized when the rate is set for blocks up to kBlockReserve samples, so that the
// audio path allocates nothing; a longer block grows them once.
class CTessaline : public Veltis::Audio::DSP::CBaseCoreDSPFilter {
public:
    typedef Veltis::Audio::DSP::IAudioStream IAudioStream;
    typedef Veltis::Containers::IConstVector<IAudioStream> IConstAudioStreams;
    typedef Veltis::Containers::IVector<IAudioStream> IAudioStreams;
    typedef Veltis::Audio::DSP::CDynamicParamsValues CDynamicParamsValues;
    typedef Veltis::Audio::DSP::IParamsVariations IParamsVariations;

    // Parameter indices.
    enum {
        kLimiter = 0,
        kOversample = 1,
        kNonLinear = 2,
        kCompDist = 3,
        kClipReset = 4,
        kPre = 5,
        kLowActive = 6,
        kLowFreq = 7,
        kLowGain = 8,
        kLowCut = 9,
        kHighActive = 10,
        kHighFreq = 11,
        kHighGain = 12,
        kHighCut = 13,
        kBand1Active = 14, // band k: active, frequency, bandwidth, gain at 14 + 4 (k - 1) onwards
        kPost = 34,
        kParamsCount = 35
    };
    enum { kChainLength = 16, kBandsCount = 5, kCompressorsCount = 7, kCurvesCount = 9, kOutputsCount = 3 };
    enum { kBlockReserve = 4096 };

    // One stage of the chain: the filter (not owned) and its bypass manager (owned by the equaliser).
    struct FilterChainItem {
        Veltis::Audio::DSP::IFilter* m_filter;
        Veltis::Audio::DSP::CFilterBypassManagerBase* m_bypass;
    };

    // A stage of a joint pass over the block: a section, or a section and the compressor after it.
    struct CPendingStage {
        Veltis::Audio::DSP::Algorithm::CBiquad* m_Section;
        Veltis::Audio::DSP::Filters::CFastCompressor* m_Compressor;
    };

    CTessaline();
    // Inner filters copied, bypass managers, oversampler and buffers fresh; the section pointers follow
    // the source's choice onto this filter's own filters.
    CTessaline(const CTessaline& other);
    CTessaline& operator=(const CTessaline&) = delete;
    ~CTessaline() override;

    IFilter* Clone() const override { return new CTessaline(*this); }
    const Veltis::DataModel::Objects::IConstProductInfo& GetObjectInfo() const override;
    void ReleaseBuffers() override;
    void SetParamsValues(const IConstValues& values) override;
    const Veltis::Audio::DSP::IProcessInfo& GetProcessInfo() const override;
    int GetTailLength() const override;
    void UpdateOutputs() override;
    const IConstValues& GetOutputParamsValues() const override { return m_outputValues; }
    const IConstCurves& GetOutputCurves() const override { return m_outputCurves; }
    IDirtyFlags& GetOutputCurvesDirty() override { return m_curvesDirty; }
    const Veltis::Audio::DSP::ILegacyPresets& GetLegacyPresets() const override { return *m_legacyPresets; }

    void SkipSilence(int count) override;
    void OnSampleRateChanged(bool& apply) override;
    // The values of the first block after this apply at once, without fades or ramps.
    void Reset() override { m_fresh = true; }
    void DoProcess(const IConstAudioStreams& inputs, IAudioStreams& outputs, int count,
                   const IParamsVariations* variations) override;

    // What Process does to each of two channels of a stereo block. The passes that end both chains run
    // together, left and right in the two lanes of a vector, when they have the same stages and the
    // channels share no memory; the bits are those of one channel after the other.
    static void ProcessPair(CTessaline& left, const Veltis::Audio::DSP::CProcessContext& leftContext,
                            CTessaline& right, const Veltis::Audio::DSP::CProcessContext& rightContext);

    // The values one chain item takes from the equaliser's values: absolute ones from set 0, increments
    // from the others (only the compressors treat them differently).
    void MapChainItemParams(int item, const IConstValues& values, CDynamicParamsValues& out, int set) const;
    static void MapNonLinearParams(const IConstValues& values, CDynamicParamsValues& out, int set);

    // State, for the plug-in's tests and tools.
    const FilterChainItem& GetChainItem(int item) const { return m_chain[item]; }
    const Veltis::Audio::DSP::CFilterBypassManagerBase& GetLimiterBypass() const { return m_limiterBypass; }
    const Veltis::Audio::DSP::IFilter& GetLowFilter() const { return *m_lowFilter; }
    const Veltis::Audio::DSP::IFilter& GetHighFilter() const { return *m_highFilter; }
    const Veltis::Audio::DSP::Filters::CFastCompressor& GetCompressor(int index) const { return m_compressors[index]; }
    bool IsOversampling() const { return m_oversampling; }
    float GetFadeStep() const { return m_fadeStep; }
    float GetFadeGain() const { return m_fadeGain; }
    // The rate the chain runs at: twice the sample rate while oversampling.
    double GetChainRate() const { return m_oversampling ? 2.0 * m_SampleRate : m_SampleRate; }

private:
    typedef Veltis::Core::TDynamicVector<FilterChainItem, Veltis::Core::CStepGrowthStrategy,
                                         Veltis::Core::TMemoryCopier<FilterChainItem>>
        Chain;
    typedef Veltis::CoreUtilities::TDynamicCollection<Veltis::Audio::DSP::CDynamicAudioStream, IAudioStream> Streams;

    void SetUp();
    void ReserveBuffers(int samples);
    void ApplyChainSettings(const IConstValues& values, bool fade);
    // A block up to the chain's last pass (false for an empty block, which changes nothing), and from that
    // pass on.
    bool BeginBlock(const IConstAudioStreams& inputs, IAudioStreams& outputs, int count,
                    const IParamsVariations* variations);
    // Up to the meter, which RunMeter runs.
    void EndBlock();
    void RunMeter();
    // The base filter's Process up to EndBlock.
    bool BeginProcess(const Veltis::Audio::DSP::CProcessContext& context);
    static bool SharesMemory(const Veltis::Audio::DSP::CProcessContext& left,
                             const Veltis::Audio::DSP::CProcessContext& right);
    template <class Pass>
    Pass GetPendingPass() const
    {
        return Pass{m_pending, m_pendingSamples, m_pendingStep, m_pendingLength};
    }
    void ProcessOversamplingSwitch(IAudioStreams& streams, int count, const IParamsVariations* variations);
    void ProcessChain(IAudioStreams& streams, int count, const IParamsVariations* variations);
    // The biquad of a chain item, null for the compressors.
    Veltis::Audio::DSP::Filters::CBiquadFilter* GetChainSection(int item);
    // The compressor of a chain item, null for the sections.
    Veltis::Audio::DSP::Filters::CFastCompressor* GetChainCompressor(int item);
    void MapMeterParams(const IConstValues& values, CDynamicParamsValues& out) const;
    static void MapLowShelfParams(const IConstValues& values, CDynamicParamsValues& out);
    static void MapHighShelfParams(const IConstValues& values, CDynamicParamsValues& out);
    static void MapBandParams(int band, const IConstValues& values, CDynamicParamsValues& out);
    static void MapPreGainParams(const IConstValues& values, CDynamicParamsValues& out);
    static void MapPostGainParams(const IConstValues& values, CDynamicParamsValues& out);

    Chain m_chain;
    Veltis::Audio::DSP::Filters::CLowShelfFilter m_lowShelf;
    Veltis::Audio::DSP::Filters::CHighPassFilter m_lowCut;
    Veltis::Audio::DSP::Filters::CHighShelfFilter m_highShelf;
    Veltis::Audio::DSP::Filters::CLowPassFilter m_highCut;
    Veltis::Audio::DSP::Filters::CPeakFilter m_peaks[kBandsCount];
    Veltis::Audio::DSP::Filters::CFastCompressor m_compressors[kCompressorsCount];
    Veltis::Audio::DSP::Filters::CGain m_preGain;
    Veltis::Audio::DSP::Filters::CGain m_postGain;
    Veltis::Audio::DSP::Filters::CBrickwallLimiter m_limiter;
    Veltis::Audio::DSP::CFilterBypassManagerBase m_limiterBypass;
    Veltis::Audio::DSP::Filters::CPeakMeter m_meter;
    Veltis::Audio::DSP::CDynamicParamsVariations m_variations;
    Streams m_oversampleBuffer;
    Veltis::Audio::DSP::CFilterBypassManagerBase::CBuffers m_dryBuffers;
    bool m_lowChanged;
    bool m_highChanged;
    Veltis::Audio::DSP::Filters::CBiquadFilter* m_lowFilter;
    Veltis::Audio::DSP::Filters::CBiquadFilter* m_highFilter;
    bool m_oversampling;
    float m_fadeStep;
    float m_fadeGain;
    CDynamicParamsValues m_pendingValues;
    CHalfBandOversampler m_oversampler;
    Veltis::Audio::DSP::CParamsValues m_outputValues;
    Veltis::Containers::TPointersValueVector<Veltis::Math::IFunction> m_outputCurves;
    Veltis::Math::TFunctionsOperation<&Veltis::Math::FunctionsLibrary::Product> m_totalGain;
    Veltis::Math::CFunctionsComposition m_totalGainDb;
    Veltis::Math::CFunctionsComposition m_lowResponse;
    Veltis::Math::CFunctionsComposition m_highResponse;
    Veltis::Audio::DSP::CLegacyPresets* m_legacyPresets;
    bool m_curvesNeedRefresh;
    // No block has run since construction or the last reset.
    bool m_fresh;
    Veltis::CoreUtilities::TDynamicCollection<Veltis::Core::CDirty, Veltis::Core::IDirty> m_curvesDirty;
    // The one value set that SetParamsValues hands to each inner filter in turn.
    CDynamicParamsValues m_itemValues;
    // Each chain item's section or compressor (the other null), looked up once.
    Veltis::Audio::DSP::Filters::CBiquadFilter* m_sections[kChainLength];
    Veltis::Audio::DSP::Filters::CFastCompressor* m_stageCompressors[kChainLength];
    // The block between BeginBlock and EndBlock, and the chain's last pass, not yet run.
    IAudioStreams* m_blockOutputs;
    int m_blockCount;
    const IParamsVariations* m_blockVariations;
    CPendingStage m_pending[kChainLength];
    int m_pendingCount;
    float* m_pendingSamples;
    long m_pendingStep;
    int m_pendingLength;
};

} // namespace PluginsFilters
