#include "PluginsFilters/CTessaline.h"

#include "PluginsFilters/CFlatPreset.h"
#include "Veltis/Audio/DSP/Algorithm/CBiquadPair.h"
#include "Veltis/Audio/DSP/AudioStreamOperations.h"
#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CEmptyStreams.h"
#include "Veltis/Audio/DSP/CProcessInfo.h"
#include "Veltis/Audio/DSP/Filters/CMonoBlock.h"
#include "Veltis/Core/CCharString.h"
#include "Veltis/DataModel/Objects/CCurveInfo.h"
#include "Veltis/DataModel/Objects/CEnumToText.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/Objects/CParamValueToText.h"
#include "Veltis/DataModel/Objects/CProductInfo.h"
#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/TFunction.h"

#include <cstdio>

namespace PluginsFilters {

using Veltis::Audio::DSP::CBaseCoreDSPFilter;
using Veltis::Audio::DSP::CDynamicParamsVariations;
using Veltis::Audio::DSP::CFilterBypassManagerBase;
using Veltis::Audio::DSP::CLegacyPresets;
using Veltis::Audio::DSP::CProcessContext;
using Veltis::Audio::DSP::Filters::CBiquadFilter;
using Veltis::Audio::DSP::Filters::GetValueOrZero;
using Veltis::DataModel::Objects::CCurveInfo;
using Veltis::DataModel::Objects::CEnumToText;
using Veltis::DataModel::Objects::CParamInfo;
using Veltis::DataModel::Objects::CParamValueToText;
using Veltis::DataModel::Objects::CProductInfo;
using Veltis::Math::FunctionsLibrary::FromdB;

namespace {

enum { kMeterParamsCount = 7, kMeterClipReset = 5, kMaxItemValues = 7, kReservedSets = 3 };

// Chain items in processing order; the compressors sit at the items after each section.
enum {
    kLowShelfItem = 0,
    kLowCutItem = 1,
    kLowCompressorItem = 2,
    kFirstBandItem = 3, // band b at 3 + 2 (b - 1), its compressor right after
    kHighShelfItem = 13,
    kHighCutItem = 14,
    kHighCompressorItem = 15
};

const float kLimiterValues[] = {0.5f, 3.0f};
const Veltis::Audio::DSP::Filters::CPeakMeter::CSettings kMeterSettings = {1, -60.0f, 0.0f, 0.0f};

int BandIndex(int band, int offset) { return CTessaline::kBand1Active + 4 * (band - 1) + offset; }

bool IsOn(const Veltis::Containers::IConstValueVector<float>& values, int index)
{
    return GetValueOrZero(values, index) > 0.5f;
}

CParamInfo Switch(const char* name, const char* texts)
{
    return CParamInfo(0, name, "", "", new CEnumToText(texts, 0), 0.0f, 1.0f, 0.0f, true);
}

CParamInfo Continuous(const char* name, const char* unit, const char* format, float min, float max, float def)
{
    return CParamInfo(2, name, unit, "", new CParamValueToText(format, false, "{value}"), min, max, def, true);
}

CParamInfo Gain(const char* name) { return Continuous(name, "dB", "%+.1f", -40.0f, 40.0f, 0.0f); }

// The records shared by every equaliser, built on first use under the language's one-time guard.
struct CTessalineDescriptors {
    CTessalineDescriptors()
        : m_info("Tessaline", "3.0", "Copyright Corvane", "Parametric Equalizer"), m_processInfo(1, 1),
          m_inputs(CTessaline::kParamsCount), m_outputs(CTessaline::kOutputsCount),
          m_curves(CTessaline::kCurvesCount)
    {
        CParamInfo* in = m_inputs.GetStorage().GetData();
        in[0] = Switch("Limiter", "Off;On");
        in[1] = Switch("Oversample", "Off;On");
        in[2] = Continuous("Non Linear", "%", "%.0f", 0.0f, 100.0f, 0.0f);
        in[3] = Continuous("Comp-Dist", "%", "%.0f", 0.0f, 100.0f, 30.0f);
        in[4] = CParamInfo(3, "Clip Reset", "", "", nullptr, 0.0f, 1.0f, 0.0f, true);
        in[5] = Gain("Pre");
        in[6] = Switch("Low Active", "Off;On");
        in[7] = Continuous("Low Freq", "Hz", "%.0f", 20.0f, 10000.0f, 100.0f);
        in[8] = Gain("Low Gain");
        in[9] = Switch("Low Cut", "Shelf;Cut");
        in[10] = Switch("High Active", "Off;On");
        in[11] = Continuous("High Freq", "Hz", "%.0f", 200.0f, 20000.0f, 7000.0f);
        in[12] = Gain("High Gain");
        in[13] = Switch("High Cut", "Shelf;Cut");
        for (int band = 1; band <= CTessaline::kBandsCount; ++band) {
            char name[32];
            std::snprintf(name, sizeof name, "Band %d Active", band);
            in[BandIndex(band, 0)] = Switch(name, "Off;On");
            std::snprintf(name, sizeof name, "Freq %d", band);
            in[BandIndex(band, 1)] =
                Continuous(name, "Hz", "%.0f", 20.0f, 20000.0f, static_cast<float>(200 << (band - 1)));
            std::snprintf(name, sizeof name, "Bandwidth %d", band);
            in[BandIndex(band, 2)] = Continuous(name, "Oct", "%.2f", 0.01f, 5.0f, 1.0f);
            std::snprintf(name, sizeof name, "Gain %d", band);
            in[BandIndex(band, 3)] = Gain(name);
        }
        in[34] = Gain("Post");

        CParamInfo* out = m_outputs.GetStorage().GetData();
        out[0] = CParamInfo(2, "Compression", "dB", "", nullptr, -60.0f, 0.0f, 0.0f);
        out[1] = CParamInfo(2, "Peak", "dB", "", nullptr, -60.0f, 0.0f, -60.0f);
        out[2] = CParamInfo(0, "Clip", "", "", nullptr, 0.0f, 1.0f, 0.0f);

        const CParamInfo frequency(2, "Frequency", "Hz", "", nullptr, 20.0f, 22000.0f, 20.0f);
        const CParamInfo linearGain(2, "Gain", "", "", nullptr, FromdB(-40.0f), FromdB(40.0f), FromdB(0.0f));
        const CParamInfo dbGain(2, "Gain", "dB", "", nullptr, -40.0f, 40.0f, 0.0f);
        const char* const names[] = {"Frequency Response (Gain)", "Frequency Response (Gain dB)",
                                     "Low Frequency Response",    "High Frequency Response",
                                     "Mid 1 Frequency Response",  "Mid 2 Frequency Response",
                                     "Mid 3 Frequency Response",  "Mid 4 Frequency Response",
                                     "Mid 5 Frequency Response"};
        for (int i = 0; i < CTessaline::kCurvesCount; ++i)
            m_curves.GetStorage()[i] = CCurveInfo(names[i], "", frequency, i == 0 ? linearGain : dbGain);
    }

    CProductInfo m_info;
    Veltis::Audio::DSP::CProcessInfo m_processInfo;
    CBaseCoreDSPFilter::CParamsInfo m_inputs;
    CBaseCoreDSPFilter::CParamsInfo m_outputs;
    CBaseCoreDSPFilter::CCurvesInfo m_curves;
};

const CTessalineDescriptors& Descriptors()
{
    static const CTessalineDescriptors descriptors;
    return descriptors;
}

typedef CTessaline::CPendingStage CPendingStage;
typedef Veltis::Audio::DSP::Filters::CFastCompressor::CSampleState CCompressorState;

// One channel's stages over its samples.
struct CMonoPass {
    const CPendingStage* m_Stages;
    float* m_Samples;
    long m_Step;
    int m_Length;

    bool IsCompressorStage(int i) const { return m_Stages[i].m_Compressor != nullptr; }
    void Skip(int count) { m_Stages += count; }

    // Samples through N stages, sample by sample: the same bits as one stage after the other over the
    // whole block, while their recursions, each bound by its own latency, overlap in time.
    template <int N, bool Compressors>
    void Run() const
    {
        Veltis::Audio::DSP::Algorithm::CBiquad local[N];
        CCompressorState states[N];
        for (int i = 0; i < N; ++i) {
            local[i] = *m_Stages[i].m_Section;
            if constexpr (Compressors)
                states[i] = m_Stages[i].m_Compressor->LoadSampleState();
        }
        for (int k = 0; k < m_Length; ++k) {
            float x = m_Samples[k * m_Step];
            for (int i = 0; i < N; ++i) {
                x = local[i].ProcessSample(x);
                if constexpr (Compressors)
                    x = m_Stages[i].m_Compressor->ProcessSample(states[i], x);
            }
            m_Samples[k * m_Step] = x;
        }
        for (int i = 0; i < N; ++i) {
            *m_Stages[i].m_Section = local[i];
            if constexpr (Compressors)
                m_Stages[i].m_Compressor->StoreSampleState(states[i]);
        }
    }
};

// The stages of both channels, of the same kinds in the same order, over their samples: the sections
// of a place in the two lanes of a vector, the compressors one channel after the other within each
// sample.
struct CPairPass {
    CMonoPass m_Left;
    CMonoPass m_Right;

    bool IsCompressorStage(int i) const { return m_Left.IsCompressorStage(i); }
    void Skip(int count)
    {
        m_Left.Skip(count);
        m_Right.Skip(count);
    }

    template <int N, bool Compressors>
    void Run() const
    {
        typedef Veltis::Audio::DSP::Algorithm::CBiquadPair CPair;
        const CPendingStage* const left = m_Left.m_Stages;
        const CPendingStage* const right = m_Right.m_Stages;
        CPair pairs[N];
        CCompressorState leftStates[N], rightStates[N];
        for (int i = 0; i < N; ++i) {
            pairs[i].Load(*left[i].m_Section, *right[i].m_Section);
            if constexpr (Compressors) {
                leftStates[i] = left[i].m_Compressor->LoadSampleState();
                rightStates[i] = right[i].m_Compressor->LoadSampleState();
            }
        }
        float* const l = m_Left.m_Samples;
        float* const r = m_Right.m_Samples;
        const long ls = m_Left.m_Step, rs = m_Right.m_Step;
        for (int k = 0; k < m_Left.m_Length; ++k) {
            CPair::FloatLanes x = {l[k * ls], r[k * rs]};
            for (int i = 0; i < N; ++i) {
                x = pairs[i].ProcessSample(x);
                if constexpr (Compressors)
                    x = CPair::FloatLanes{left[i].m_Compressor->ProcessSample(leftStates[i], x[0]),
                                          right[i].m_Compressor->ProcessSample(rightStates[i], x[1])};
            }
            l[k * ls] = x[0];
            r[k * rs] = x[1];
        }
        for (int i = 0; i < N; ++i) {
            pairs[i].Store(*left[i].m_Section, *right[i].m_Section);
            if constexpr (Compressors) {
                left[i].m_Compressor->StoreSampleState(leftStates[i]);
                right[i].m_Compressor->StoreSampleState(rightStates[i]);
            }
        }
    }
};

// A count of stages below N, as one pass.
template <int N, bool Compressors, class Pass>
void RunFewer(const Pass& pass, int count)
{
    if constexpr (N > 1) {
        if (count == N - 1)
            pass.template Run<N - 1, Compressors>();
        else
            RunFewer<N - 1, Compressors>(pass, count);
    }
}

// Passes of up to Max stages. Sections alone gain nothing beyond three; the compressors' recursions
// are longer and go on overlapping up to the seven of a chain.
template <int Max, bool Compressors, class Pass>
void RunGroups(Pass pass, int count)
{
    for (; count >= Max; count -= Max, pass.Skip(Max))
        pass.template Run<Max, Compressors>();
    RunFewer<Max, Compressors>(pass, count);
}

// Consecutive stages of one kind run together.
template <class Pass>
void RunCascade(Pass pass, int count)
{
    while (count > 0) {
        const bool compressors = pass.IsCompressorStage(0);
        int run = 1;
        while (run < count && pass.IsCompressorStage(run) == compressors)
            ++run;
        if (compressors)
            RunGroups<CTessaline::kCompressorsCount, true>(pass, run);
        else
            RunGroups<3, false>(pass, run);
        pass.Skip(run);
        count -= run;
    }
}

// An in-place stage. One steadily out of the path and past its tail only keeps its values current: the
// base filter's silence path over no stream, while the block passes unchanged.
void RunStage(CFilterBypassManagerBase& bypass, CBaseCoreDSPFilter& filter, const CProcessContext& context)
{
    const int64_t silent = filter.GetSilentSamples();
    if (bypass.IsFading() || bypass.IsActive() || silent < filter.GetTailLength()) {
        bypass.Process(filter, context);
        return;
    }
    // Without values, a filter that has passed a silent block since it last ran has cleared its state
    // already and has nothing to keep current; only its silence counter would move.
    if (silent > 0 && (!context.m_Variations || context.m_Variations->GetCount() == 0))
        return;
    Veltis::Audio::DSP::CAudioStreams none(0, nullptr);
    CProcessContext values = context;
    values.m_Inputs = nullptr;
    values.m_Outputs = &none;
    filter.ProcessSilence(values);
}

void SetOne(CTessaline::CDynamicParamsValues& out, float value)
{
    out.SetSize(1, false);
    out.SetValue(0, value);
}

} // namespace

CTessaline::CTessaline()
    : m_limiter(1), m_limiterBypass(&m_dryBuffers), m_meter(&kMeterSettings), m_variations(0, 0), m_lowChanged(true),
      m_highChanged(true), m_lowFilter(&m_lowShelf), m_highFilter(&m_highShelf), m_oversampling(false),
      m_fadeStep(0.0f), m_fadeGain(1.0f), m_pendingValues(kParamsCount), m_oversampler(6),
      m_outputValues(kOutputsCount), m_outputCurves(kCurvesCount), m_totalGain(0, 0), m_totalGainDb(2, 0),
      m_lowResponse(1, 0), m_highResponse(1, 0), m_legacyPresets(nullptr), m_curvesNeedRefresh(false),
      m_fresh(true), m_curvesDirty(kCurvesCount), m_itemValues(kMaxItemValues), m_sections(), m_stageCompressors(),
      m_blockOutputs(nullptr), m_blockCount(0), m_blockVariations(nullptr), m_pending(), m_pendingCount(0),
      m_pendingSamples(nullptr), m_pendingStep(0), m_pendingLength(0)
{
    SetOutputCurvesInfo(Descriptors().m_curves);
    SetOutputParamsInfo(Descriptors().m_outputs);
    SetUp();
}

CTessaline::CTessaline(const CTessaline& other)
    : IFilter(), CBaseCoreDSPFilter(other), m_lowShelf(other.m_lowShelf), m_lowCut(other.m_lowCut),
      m_highShelf(other.m_highShelf), m_highCut(other.m_highCut), m_preGain(other.m_preGain),
      m_postGain(other.m_postGain), m_limiter(other.m_limiter), m_limiterBypass(&m_dryBuffers),
      m_meter(other.m_meter), m_variations(0, 0), m_lowChanged(true), m_highChanged(true),
      m_lowFilter(other.m_lowFilter == &other.m_lowCut ? static_cast<CBiquadFilter*>(&m_lowCut) : &m_lowShelf),
      m_highFilter(other.m_highFilter == &other.m_highCut ? static_cast<CBiquadFilter*>(&m_highCut)
                                                           : &m_highShelf),
      m_oversampling(other.m_oversampling), m_fadeStep(other.m_fadeStep), m_fadeGain(other.m_fadeGain),
      m_pendingValues(other.m_pendingValues), m_oversampler(6), m_outputValues(other.m_outputValues),
      m_outputCurves(kCurvesCount), m_totalGain(0, 0), m_totalGainDb(2, 0), m_lowResponse(1, 0),
      m_highResponse(1, 0), m_legacyPresets(nullptr), m_curvesNeedRefresh(other.m_curvesNeedRefresh),
      m_fresh(other.m_fresh), m_curvesDirty(other.m_curvesDirty), m_itemValues(kMaxItemValues), m_sections(),
      m_stageCompressors(),
      m_blockOutputs(nullptr), m_blockCount(0), m_blockVariations(nullptr), m_pending(), m_pendingCount(0),
      m_pendingSamples(nullptr), m_pendingStep(0), m_pendingLength(0)
{
    for (int i = 0; i < kBandsCount; ++i)
        m_peaks[i] = other.m_peaks[i];
    for (int i = 0; i < kCompressorsCount; ++i)
        m_compressors[i] = other.m_compressors[i];
    SetUp();
}

CTessaline::~CTessaline()
{
    delete m_legacyPresets;
    for (int i = 0; i < m_chain.GetCount(); ++i)
        delete m_chain[i].m_bypass;
}

// What construction and copying share: streams, chain, compressor modes, parameters, preset, curves.
void CTessaline::SetUp()
{
    m_oversampleBuffer.GetStorage().SetSize(1, true);

    IFilter* const filters[kChainLength] = {
        &m_lowShelf,       &m_lowCut,   &m_compressors[0], &m_peaks[0],       &m_compressors[1], &m_peaks[1],
        &m_compressors[2], &m_peaks[2], &m_compressors[3], &m_peaks[3],       &m_compressors[4], &m_peaks[4],
        &m_compressors[5], &m_highShelf, &m_highCut,       &m_compressors[6]};
    m_chain.SetSize(kChainLength, true);
    for (int i = 0; i < kChainLength; ++i) {
        m_chain[i].m_bypass = new CFilterBypassManagerBase(&m_dryBuffers);
        m_chain[i].m_filter = filters[i];
        m_sections[i] = GetChainSection(i);
        m_stageCompressors[i] = GetChainCompressor(i);
    }

    for (int i = 0; i < kCompressorsCount; ++i)
        m_compressors[i].SetMode(4);

    SetInputParamsInfo(Descriptors().m_inputs);

    delete m_legacyPresets;
    static const CFlatPreset flat(m_InputParamsInfo);
    m_legacyPresets = new CLegacyPresets(1, &flat.GetPreset());

    Veltis::Math::IFunction* const curves[] = {&m_totalGain, &m_totalGainDb, &m_lowResponse, &m_highResponse};
    for (int i = 0; i < 4; ++i)
        m_outputCurves.GetStorage()[i] = curves[i];
    // The vector hands out read-only references only.
    for (int band = 0; band < kBandsCount; ++band)
        m_outputCurves.GetStorage()[4 + band] =
            const_cast<Veltis::Math::IFunction*>(&m_peaks[band].GetOutputCurves().GetValue(1));
    m_lowResponse.SetFunction(0, &m_lowFilter->GetOutputCurves().GetValue(1));
    m_highResponse.SetFunction(0, &m_highFilter->GetOutputCurves().GetValue(1));
    m_totalGainDb.SetFunction(0, &m_totalGain);
    m_totalGainDb.SetFunction(1, &Veltis::Math::TFunction<&Veltis::Math::FunctionsLibrary::TodB>::GetInstance());
    // Room for both gains and every section, so that refreshing the outputs on the audio thread never grows it.
    m_totalGain.SetCount(4 + kBandsCount);
    m_totalGain.SetCount(0);

    m_oversampler.SetCoefficients(3, false);
}

const Veltis::DataModel::Objects::IConstProductInfo& CTessaline::GetObjectInfo() const
{
    return Descriptors().m_info;
}

const Veltis::Audio::DSP::IProcessInfo& CTessaline::GetProcessInfo() const { return Descriptors().m_processInfo; }

int CTessaline::GetTailLength() const
{
    const int meter = m_meter.GetTailLength();
    const int limiter = m_limiter.GetTailLength();
    return meter > limiter ? meter : limiter;
}

void CTessaline::ReserveBuffers(int samples)
{
    m_oversampleBuffer.GetStorage()[0].Reserve(2 * samples);
    m_limiterBypass.ReserveBuffers(1, 2 * samples);
    m_variations.Reserve(kReservedSets, kMaxItemValues);
}

void CTessaline::DoProcess(const IConstAudioStreams& inputs, IAudioStreams& outputs, int count,
                           const IParamsVariations* variations)
{
    if (BeginBlock(inputs, outputs, count, variations)) {
        EndBlock();
        RunMeter();
    }
}

void CTessaline::ProcessPair(CTessaline& left, const CProcessContext& leftContext, CTessaline& right,
                             const CProcessContext& rightContext)
{
    if (SharesMemory(leftContext, rightContext)) {
        left.CBaseCoreDSPFilter::Process(leftContext);
        right.CBaseCoreDSPFilter::Process(rightContext);
        return;
    }
    const bool leftBegun = left.BeginProcess(leftContext);
    const bool rightBegun = right.BeginProcess(rightContext);
    if (leftBegun && rightBegun && left.m_pendingLength == right.m_pendingLength &&
        left.m_pendingCount == right.m_pendingCount) {
        int same = 0;
        while (same < left.m_pendingCount &&
               (left.m_pending[same].m_Compressor != nullptr) == (right.m_pending[same].m_Compressor != nullptr))
            ++same;
        if (same == left.m_pendingCount) {
            RunCascade(CPairPass{left.GetPendingPass<CMonoPass>(), right.GetPendingPass<CMonoPass>()}, same);
            left.m_pendingCount = 0;
            right.m_pendingCount = 0;
        }
    }
    if (leftBegun)
        left.EndBlock();
    if (rightBegun)
        right.EndBlock();
    const bool metered = leftBegun && rightBegun && left.m_blockCount == right.m_blockCount &&
                         Veltis::Audio::DSP::Filters::CPeakMeter::ProcessPair(
                             left.m_meter, left.m_blockOutputs->GetAt(0), right.m_meter,
                             right.m_blockOutputs->GetAt(0), left.m_blockCount);
    if (leftBegun && !metered)
        left.RunMeter();
    left.PostProcess(leftContext);
    if (rightBegun && !metered)
        right.RunMeter();
    right.PostProcess(rightContext);
}

// Whether a channel writes memory the other reads or writes: the two must then run one after the other,
// each block whole. Interleaved channels (one step, different offsets) share none.
bool CTessaline::SharesMemory(const CProcessContext& left, const CProcessContext& right)
{
    const IAudioStream* streams[2][2] = {{nullptr, nullptr}, {nullptr, nullptr}};
    const CProcessContext* contexts[2] = {&left, &right};
    for (int c = 0; c < 2; ++c) {
        if (contexts[c]->m_Inputs && contexts[c]->m_Inputs->GetCount() > 0)
            streams[c][0] = &contexts[c]->m_Inputs->GetAt(0);
        if (contexts[c]->m_Outputs && contexts[c]->m_Outputs->GetCount() > 0)
            streams[c][1] = &contexts[c]->m_Outputs->GetAt(0);
    }
    const int count = left.m_Count > right.m_Count ? left.m_Count : right.m_Count;
    auto overlap = [count](const IAudioStream* a, const IAudioStream* b) {
        if (!a || !b || !a->GetBuffer() || !b->GetBuffer())
            return false;
        const float* const pa = a->GetBuffer();
        const float* const pb = b->GetBuffer();
        const long sa = a->GetStep(), sb = b->GetStep();
        const float* const ea = pa + (count > 0 ? (count - 1) * sa : 0);
        const float* const eb = pb + (count > 0 ? (count - 1) * sb : 0);
        if (sa < 0 || sb < 0 || ea < pb || eb < pa)
            return sa < 0 || sb < 0;
        return !(sa == sb && sa > 0 && (pa - pb) % sa != 0);
    };
    return overlap(streams[0][1], streams[1][0]) || overlap(streams[0][1], streams[1][1]) ||
           overlap(streams[1][1], streams[0][0]);
}

bool CTessaline::BeginProcess(const CProcessContext& context)
{
    m_SilentSamples = 0;
    return context.m_Inputs && context.m_Outputs &&
           BeginBlock(*context.m_Inputs, *context.m_Outputs, context.m_Count, context.m_Variations);
}

bool CTessaline::BeginBlock(const IConstAudioStreams& inputs, IAudioStreams& outputs, int count,
                            const IParamsVariations* variations)
{
    // An empty block changes nothing: a fade that has not moved yet would otherwise count as ended.
    if (outputs.GetCount() == 0 || count <= 0)
        return false;
    // A block without an input stream is silence.
    const Veltis::Audio::DSP::CEmptyStreams silence(1, count);
    const IConstAudioStreams& in = inputs.GetCount() > 0 ? inputs : silence;
    const int n = variations ? variations->GetCount() : 0;

    // The state a new instance was given is where it starts from, not where it fades or ramps from.
    if (m_fresh && n > 0)
        SetParamsValues(variations->GetAt(0));
    m_fresh = false;

    m_variations.SetCount(n);
    if (n > 0) {
        ApplyChainSettings(variations->GetAt(0), true);
        for (int j = 0; j < n; ++j)
            MapPreGainParams(variations->GetAt(j), m_variations.GetAt(j));
    }
    TrimParamsVariations(m_variations);
    m_preGain.DoProcess(in, outputs, count, &m_variations);

    ProcessOversamplingSwitch(outputs, count, variations);
    m_blockOutputs = &outputs;
    m_blockCount = count;
    m_blockVariations = variations;
    return true;
}

void CTessaline::EndBlock()
{
    RunCascade(GetPendingPass<CMonoPass>(), m_pendingCount);
    m_pendingCount = 0;
    IAudioStreams& outputs = *m_blockOutputs;
    const int count = m_blockCount;
    const IParamsVariations* const variations = m_blockVariations;
    const int n = variations ? variations->GetCount() : 0;
    if (m_oversampling)
        m_oversampler.Downsample(m_oversampleBuffer.GetStorage()[0].GetBuffer(), outputs.GetAt(0), count);

    m_variations.SetCount(n);
    for (int j = 0; j < n; ++j)
        MapPostGainParams(variations->GetAt(j), m_variations.GetAt(j));
    TrimParamsVariations(m_variations);
    m_postGain.DoProcess(outputs, outputs, count, &m_variations);

    const CProcessContext limiterContext = {&outputs, &outputs, count, nullptr, nullptr};
    RunStage(m_limiterBypass, m_limiter, limiterContext);

    if (n > 0) {
        m_variations.SetCount(1);
        MapMeterParams(variations->GetAt(0), m_variations.GetAt(0));
        m_meter.SetParamsValues(m_variations.GetAt(0));
    }
}

void CTessaline::RunMeter() { m_meter.DoProcess(*m_blockOutputs, *m_blockOutputs, m_blockCount, nullptr); }

void CTessaline::ApplyChainSettings(const IConstValues& values, bool fade)
{
    m_curvesNeedRefresh = true;

    const bool wanted = IsOn(values, kOversample);
    if (!fade) {
        if (wanted != m_oversampling) {
            m_fadeStep = 0.0f;
            // A fade broken off here would otherwise leave its gain for the next fade to jump from.
            m_fadeGain = 1.0f;
            m_oversampling = wanted;
            bool apply = true;
            OnSampleRateChanged(apply);
        }
    } else if (m_fadeStep >= 0.0f) {
        if (wanted != m_oversampling)
            m_fadeStep = m_SampleRate > 0.0 ? static_cast<float>(-5.0 / m_SampleRate) : -1.0f;
    } else if (wanted == m_oversampling) {
        m_fadeStep = -m_fadeStep;
    }

    CDynamicParamsValues& set = m_itemValues;
    set.SetSize(2, false);
    set.SetValue(0, kLimiterValues[0]);
    set.SetValue(1, kLimiterValues[1]);
    m_limiter.SetParamsValues(set);
    m_limiterBypass.SetBypass(GetValueOrZero(values, kLimiter) < 0.5f, fade);

    MapMeterParams(values, set);
    m_meter.SetParamsValues(set);

    const bool nonLinear = GetValueOrZero(values, kNonLinear) > 0.0f;
    const bool low = IsOn(values, kLowActive);
    const bool lowCut = IsOn(values, kLowCut);
    const bool high = IsOn(values, kHighActive);
    const bool highCut = IsOn(values, kHighCut);
    bool on[kChainLength];
    on[kLowShelfItem] = low && !lowCut;
    on[kLowCutItem] = low && lowCut;
    on[kLowCompressorItem] = low && nonLinear;
    for (int band = 1; band <= kBandsCount; ++band) {
        const bool active = IsOn(values, BandIndex(band, 0));
        on[kFirstBandItem + 2 * (band - 1)] = active;
        on[kFirstBandItem + 2 * (band - 1) + 1] = active && nonLinear;
    }
    on[kHighShelfItem] = high && !highCut;
    on[kHighCutItem] = high && highCut;
    on[kHighCompressorItem] = high && nonLinear;
    for (int i = 0; i < kChainLength; ++i)
        m_chain[i].m_bypass->SetBypass(!on[i], fade);

    CBiquadFilter* const lowFilter = lowCut ? static_cast<CBiquadFilter*>(&m_lowCut) : &m_lowShelf;
    CBiquadFilter* const highFilter = highCut ? static_cast<CBiquadFilter*>(&m_highCut) : &m_highShelf;
    if (!m_lowChanged)
        m_lowChanged = lowFilter != m_lowFilter;
    if (!m_highChanged)
        m_highChanged = highFilter != m_highFilter;
    m_lowFilter = lowFilter;
    m_highFilter = highFilter;

    if (m_fadeStep < 0.0f) {
        m_pendingValues.SetSize(kParamsCount, false);
        for (int i = 0; i < kParamsCount; ++i)
            m_pendingValues.SetValue(i, GetValueOrZero(values, i));
    }
}

void CTessaline::ProcessOversamplingSwitch(IAudioStreams& streams, int count, const IParamsVariations* variations)
{
    if (m_fadeStep != 0.0f) {
        const bool fading = Veltis::Audio::DSP::ApplyGainRamp(streams, streams, count, m_fadeGain, m_fadeStep);
        if (!fading) {
            if (m_fadeStep < 0.0f) {
                m_oversampling = !m_oversampling;
                m_fadeStep = -m_fadeStep;
                bool apply = true;
                OnSampleRateChanged(apply);
                SetParamsValues(m_pendingValues);
            } else {
                m_fadeStep = 0.0f;
            }
        }
    }
    ProcessChain(streams, count, variations);
}

void CTessaline::ProcessChain(IAudioStreams& streams, int count, const IParamsVariations* variations)
{
    const int n = variations ? variations->GetCount() : 0;
    IAudioStreams* work = &streams;
    int workCount = count;
    Veltis::Audio::DSP::CDynamicAudioStream& buffer = m_oversampleBuffer.GetStorage()[0];
    if (m_oversampling) {
        buffer.SetSize(2 * count, false);
        m_oversampler.Upsample(streams.GetAt(0), buffer.GetBuffer(), count);
        work = &m_oversampleBuffer;
        workCount = 2 * count;
    }
    IAudioStream& stream = work->GetAt(0);
    float* const samples = stream.GetBuffer();
    const long step = stream.GetStep();
    // Sections engaged without a fade or a ramp, and such compressors right after them, wait here and run
    // together in one pass over the block; the last such pass is left to the end of the block.
    CPendingStage* const pending = m_pending;
    int& pendingCount = m_pendingCount;
    pendingCount = 0;
    m_pendingSamples = samples;
    m_pendingStep = step;
    m_pendingLength = workCount;
    m_variations.SetCount(0);
    for (int i = 0; i < kChainLength; ++i) {
        if (n > 0) {
            m_variations.SetCount(n);
            for (int j = 0; j < n; ++j)
                MapChainItemParams(i, variations->GetAt(j), m_variations.GetAt(j), j);
            TrimParamsVariations(m_variations);
            if (m_oversampling)
                AdaptParamsVariationsToDoubleRate(m_variations);
        }
        const CProcessContext context = {work, work, workCount, &m_variations, nullptr};
        CFilterBypassManagerBase& bypass = *m_chain[i].m_bypass;
        const bool steady = !bypass.IsFading();
        CBiquadFilter* const section = m_sections[i];
        Veltis::Audio::DSP::Filters::CFastCompressor* const compressor = m_stageCompressors[i];
        CBaseCoreDSPFilter& stage = section ? static_cast<CBaseCoreDSPFilter&>(*section) : *compressor;
        if (steady && !bypass.IsActive()) {
            RunStage(bypass, stage, context);
            continue;
        }
        // Only steady bypassed stages, which leave the samples alone, can lie between the two.
        const bool joinsSection = compressor && pendingCount > 0 && !pending[pendingCount - 1].m_Compressor;
        if (steady && samples && m_variations.GetCount() < 2 && (section || joinsSection)) {
            // An empty block applies the block's values as the full one would; without values and with
            // the stage's silence counter already at 0 it would change nothing.
            if (m_variations.GetCount() > 0 || stage.GetSilentSamples() != 0) {
                const CProcessContext settings = {work, work, 0, &m_variations, nullptr};
                m_chain[i].m_filter->Process(settings);
            }
            if (section)
                pending[pendingCount++] = {&section->GetBiquad(), nullptr};
            else
                pending[pendingCount - 1].m_Compressor = compressor;
            continue;
        }
        RunCascade(GetPendingPass<CMonoPass>(), pendingCount);
        pendingCount = 0;
        bypass.Process(*m_chain[i].m_filter, context);
    }
}

Veltis::Audio::DSP::Filters::CFastCompressor* CTessaline::GetChainCompressor(int item)
{
    switch (item) {
    case kLowCompressorItem:
        return &m_compressors[0];
    case kHighCompressorItem:
        return &m_compressors[kCompressorsCount - 1];
    default:
        return item > kFirstBandItem && item < kHighShelfItem && (item - kFirstBandItem) % 2 == 1
                   ? &m_compressors[(item - kFirstBandItem + 1) / 2]
                   : nullptr;
    }
}

CBiquadFilter* CTessaline::GetChainSection(int item)
{
    switch (item) {
    case kLowShelfItem:
        return &m_lowShelf;
    case kLowCutItem:
        return &m_lowCut;
    case kHighShelfItem:
        return &m_highShelf;
    case kHighCutItem:
        return &m_highCut;
    default:
        return item >= kFirstBandItem && item < kHighShelfItem && (item - kFirstBandItem) % 2 == 0
                   ? &m_peaks[(item - kFirstBandItem) / 2]
                   : nullptr;
    }
}

void CTessaline::MapChainItemParams(int item, const IConstValues& values, CDynamicParamsValues& out, int set) const
{
    switch (item) {
    case kLowShelfItem:
        MapLowShelfParams(values, out);
        return;
    case kLowCutItem:
        SetOne(out, GetValueOrZero(values, kLowFreq));
        return;
    case kHighShelfItem:
        MapHighShelfParams(values, out);
        return;
    case kHighCutItem:
        SetOne(out, GetValueOrZero(values, kHighFreq));
        return;
    default:
        if (item > kLowCompressorItem && item < kHighShelfItem && (item - kFirstBandItem) % 2 == 0)
            MapBandParams((item - kFirstBandItem) / 2 + 1, values, out);
        else
            MapNonLinearParams(values, out, set);
    }
}

void CTessaline::MapNonLinearParams(const IConstValues& values, CDynamicParamsValues& out, int set)
{
    const float nl = GetValueOrZero(values, kNonLinear) * 0.01f;
    out.SetSize(5, false);
    if (set == 0) {
        const float cd = GetValueOrZero(values, kCompDist) * 0.01f;
        float h = 1.0f - cd;
        h = h * h;
        h = h * h;
        out.SetValue(0, 0.25f * h);
        out.SetValue(1, 0.5f * h);
        out.SetValue(2, 5.0f - 6.0f * nl);
        out.SetValue(3, 0.5f - 0.4f * nl);
    } else {
        out.SetValue(0, 0.0f);
        out.SetValue(1, 0.0f);
        out.SetValue(2, -6.0f * nl);
        out.SetValue(3, -0.4f * nl);
    }
    out.SetValue(4, 5.0f * nl);
}

void CTessaline::MapLowShelfParams(const IConstValues& values, CDynamicParamsValues& out)
{
    out.SetSize(2, false);
    out.SetValue(0, GetValueOrZero(values, kLowFreq));
    out.SetValue(1, GetValueOrZero(values, kLowGain));
}

void CTessaline::MapHighShelfParams(const IConstValues& values, CDynamicParamsValues& out)
{
    out.SetSize(2, false);
    out.SetValue(0, GetValueOrZero(values, kHighFreq));
    out.SetValue(1, GetValueOrZero(values, kHighGain));
}

void CTessaline::MapBandParams(int band, const IConstValues& values, CDynamicParamsValues& out)
{
    out.SetSize(3, false);
    for (int i = 0; i < 3; ++i)
        out.SetValue(i, GetValueOrZero(values, BandIndex(band, i + 1)));
}

void CTessaline::MapPreGainParams(const IConstValues& values, CDynamicParamsValues& out)
{
    SetOne(out, GetValueOrZero(values, kPre));
}

void CTessaline::MapPostGainParams(const IConstValues& values, CDynamicParamsValues& out)
{
    SetOne(out, GetValueOrZero(values, kPost));
}

// The meter's own defaults, with its clip reset following the equaliser's.
void CTessaline::MapMeterParams(const IConstValues& values, CDynamicParamsValues& out) const
{
    const IConstParamsInfo& params = m_meter.GetInputParamsInfo();
    out.SetSize(kMeterParamsCount, false);
    for (int i = 0; i < kMeterParamsCount; ++i)
        out.SetValue(i, i < params.GetCount() ? params.GetAt(i).GetDefault() : 0.0f);
    out.SetValue(kMeterClipReset, GetValueOrZero(values, kClipReset));
}

void CTessaline::SetParamsValues(const IConstValues& values)
{
    ApplyChainSettings(values, false);
    MapPreGainParams(values, m_itemValues);
    m_preGain.SetParamsValues(m_itemValues);
    MapPostGainParams(values, m_itemValues);
    m_postGain.SetParamsValues(m_itemValues);
    for (int i = 0; i < kChainLength; ++i) {
        MapChainItemParams(i, values, m_itemValues, 0);
        m_chain[i].m_filter->SetParamsValues(m_itemValues);
    }
}

void CTessaline::OnSampleRateChanged(bool& apply)
{
    const double rate = m_SampleRate;
    ReserveBuffers(kBlockReserve);
    m_preGain.SetSampleRate(apply, rate);
    const double chainRate = GetChainRate();
    for (int i = 0; i < kChainLength; ++i) {
        m_chain[i].m_bypass->SetSampleRate(chainRate);
        m_chain[i].m_bypass->SetTransitionTime(60.0f);
        bool applyDefaults = true;
        m_chain[i].m_filter->SetSampleRate(applyDefaults, chainRate);
    }
    m_limiter.SetSampleRate(apply, rate);
    m_limiterBypass.SetSampleRate(rate);
    m_limiterBypass.SetTransitionTime(60.0f);
    bool applyDefaults = true;
    m_meter.SetSampleRate(applyDefaults, rate);
    m_postGain.SetSampleRate(apply, rate);
    m_oversampler.Clear();
}

void CTessaline::SkipSilence(int count)
{
    m_preGain.SkipSilence(count);
    m_postGain.SkipSilence(count);
    m_lowFilter->SkipSilence(count);
    for (int i = 0; i < kBandsCount; ++i)
        m_peaks[i].SkipSilence(count);
    m_highFilter->SkipSilence(count);
    for (int i = 0; i < kCompressorsCount; ++i)
        m_compressors[i].SkipSilence(count);
    m_limiter.SkipSilence(count);
    m_meter.SkipSilence(count);
}

void CTessaline::ReleaseBuffers()
{
    for (int i = 0; i < m_chain.GetCount(); ++i)
        m_chain[i].m_filter->ReleaseBuffers();
    m_oversampleBuffer.GetStorage()[0].SetSize(0, true);
}

void CTessaline::UpdateOutputs()
{
    m_limiter.UpdateOutputs();
    m_outputValues.SetValue(0, m_limiter.GetOutputParamsValues().GetValue(0));
    m_meter.UpdateOutputs();
    m_outputValues.SetValue(1, m_meter.GetOutputParamsValues().GetValue(0));
    m_outputValues.SetValue(2, m_meter.GetOutputParamsValues().GetValue(3));

    if (!m_curvesNeedRefresh)
        return;
    m_curvesNeedRefresh = false;

    m_preGain.UpdateOutputCurves();
    m_postGain.UpdateOutputCurves();
    const bool lowActive = m_chain[kLowShelfItem].m_bypass->IsActive() || m_chain[kLowCutItem].m_bypass->IsActive();
    const bool highActive =
        m_chain[kHighShelfItem].m_bypass->IsActive() || m_chain[kHighCutItem].m_bypass->IsActive();
    bool bandActive[kBandsCount];
    int active = (lowActive ? 1 : 0) + (highActive ? 1 : 0);
    for (int band = 0; band < kBandsCount; ++band) {
        bandActive[band] = m_chain[kFirstBandItem + 2 * band].m_bypass->IsActive();
        active += bandActive[band] ? 1 : 0;
    }

    m_lowFilter->UpdateOutputs();
    m_highFilter->UpdateOutputs();
    for (int band = 0; band < kBandsCount; ++band)
        m_peaks[band].UpdateOutputs();

    struct CSection {
        IFilter* m_filter;
        bool& m_changed;
        Veltis::Math::CFunctionsComposition& m_response;
        int m_curve;
    };
    const CSection sections[] = {{m_lowFilter, m_lowChanged, m_lowResponse, 2},
                                 {m_highFilter, m_highChanged, m_highResponse, 3}};
    for (const CSection& section : sections) {
        Veltis::Core::IDirty& dirty = section.m_filter->GetOutputCurvesDirty().GetAt(1);
        if (dirty.IsDirty() || section.m_changed) {
            section.m_response.SetFunction(0, &section.m_filter->GetOutputCurves().GetValue(1));
            m_curvesDirty.GetStorage()[section.m_curve].SetDirty();
            dirty.ClearDirty();
            section.m_changed = false;
        }
    }
    for (int band = 0; band < kBandsCount; ++band) {
        Veltis::Core::IDirty& dirty = m_peaks[band].GetOutputCurvesDirty().GetAt(1);
        if (dirty.IsDirty()) {
            m_curvesDirty.GetStorage()[4 + band].SetDirty();
            dirty.ClearDirty();
        }
    }
    m_curvesDirty.GetStorage()[1].SetDirty();
    m_curvesDirty.GetStorage()[0].SetDirty();

    m_totalGain.SetCount(active + 2);
    int slot = 0;
    m_totalGain.SetFunction(slot++, &m_preGain.GetOutputCurves().GetValue(0));
    m_totalGain.SetFunction(slot++, &m_postGain.GetOutputCurves().GetValue(0));
    if (lowActive)
        m_totalGain.SetFunction(slot++, &m_lowFilter->GetOutputCurves().GetValue(0));
    if (highActive)
        m_totalGain.SetFunction(slot++, &m_highFilter->GetOutputCurves().GetValue(0));
    for (int band = 0; band < kBandsCount; ++band)
        if (bandActive[band])
            m_totalGain.SetFunction(slot++, &m_peaks[band].GetOutputCurves().GetValue(0));
}

} // namespace PluginsFilters
