#include "Veltis/Audio/DSP/Filters/CPeakMeter.h"

#include "Veltis/Audio/DSP/IParamsVariations.h"
#include "Veltis/Audio/DSP/Filters/CFilterDescriptors.h"
#include "Veltis/Audio/DSP/Filters/CMonoBlock.h"
#include "Veltis/DataModel/Objects/CEnumToText.h"
#include "Veltis/DataModel/Objects/CParamValueToText.h"

#include <cmath>
#include <cstdio>

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

using DataModel::Objects::CEnumToText;
using DataModel::Objects::CParamInfo;
using DataModel::Objects::CParamValueToText;

namespace {

enum { kAttack, kHold, kRelease, kMeterHold, kHoldResetSpeed, kClipReset, kMaxPeakReset, kInputsCount };

const CPeakMeter::CSettings kDefaultSettings = {1, -60.0f, 0.0f, 0.0f};

CParamInfo Milliseconds(const char* name, float max, float defaultValue)
{
    return CParamInfo(2, name, "ms", "", new CParamValueToText("%.0f", false, "{value}"), 0.0f, max, defaultValue);
}

CParamInfo Trigger(const char* name, const char* comment)
{
    return CParamInfo(3, name, "", comment, nullptr, 0.0f, 1.0f, 0.0f);
}

// Only the info record and the inputs: the audio inputs and the outputs follow each meter's settings.
const CFilterDescriptors& Descriptors()
{
    static const CFilterDescriptors descriptors(
        "Peak Meter", "1.0", "Peak Level Meter",
        {Milliseconds("Attack", 1000.0f, 0.0f), Milliseconds("Hold", 500.0f, 0.0f),
         Milliseconds("Release", 3000.0f, 400.0f), Milliseconds("Meter Hold", 3000.0f, 1500.0f),
         CParamInfo(2, "Hold Reset Speed", "dB/s", "", new CParamValueToText("%.0f", false, "{value}"), 0.0f, 60.0f,
                    15.0f),
         Trigger("Clip Reset", "Resets the Clip Memory when value changes"),
         Trigger("Max Peak Reset", "Resets the Max Value Memory when value changes")});
    return descriptors;
}

const CPeakMeter::CSettings& Settings(const CPeakMeter::CSettings* settings)
{
    return settings ? *settings : kDefaultSettings;
}

int ChannelsOf(const CPeakMeter::CSettings* settings)
{
    const int count = Settings(settings).m_ChannelsCount;
    return count > 0 ? count : 0;
}

// Hold, then a fall over span decibels at releaseLength samples per 20 dB, in 32-bit floats.
long long HoldAndFall(const Algorithm::TPeakEnvelopeFollower<float>& follower, float span)
{
    long long length = follower.m_HoldLength;
    if (follower.m_ReleaseLength != 0)
        length += Algorithm::TruncateToLength(static_cast<float>(follower.m_ReleaseLength) * 0.05f * span);
    return length;
}

} // namespace

CPeakMeter::CPeakMeter(const CSettings* settings)
    : m_InputsCount(ChannelsOf(settings)), m_ProcessInfo(ChannelsOf(settings), 0),
      m_PeakFollower(ChannelsOf(settings)), m_HoldFollower(ChannelsOf(settings)), m_ClipResetState(false),
      m_MaxResetState(false), m_MinLevel(Settings(settings).m_MinLevel), m_MaxLevel(Settings(settings).m_MaxLevel),
      m_MaxPeakLevel(Settings(settings).m_MaxPeakLevel),
      m_OutputValues(ChannelsOf(settings) * kOutputsPerChannel)
{
    SetInputParamsInfo(Descriptors().m_Inputs);
    BuildOutputsInfo();
}

CPeakMeter::CPeakMeter(const CPeakMeter& other)
    : IFilter(), CBaseCoreDSPFilter(other), m_InputsCount(other.m_InputsCount), m_ProcessInfo(other.m_ProcessInfo),
      m_PeakFollower(other.m_PeakFollower), m_HoldFollower(other.m_HoldFollower),
      m_ClipResetState(other.m_ClipResetState), m_MaxResetState(other.m_MaxResetState),
      m_MinLevel(other.m_MinLevel), m_MaxLevel(other.m_MaxLevel), m_MaxPeakLevel(other.m_MaxPeakLevel),
      m_OutputValues(other.m_OutputValues)
{
}

// Each meter describes its outputs from its own settings: a second meter with other levels gets its own
// ranges.
void CPeakMeter::BuildOutputsInfo()
{
    const CParamInfo templates[kOutputsPerChannel] = {
        CParamInfo(2, "Peak", "dB", "", new CParamValueToText("%+.1f", false, "{value}"), m_MinLevel, m_MaxLevel,
                   m_MinLevel),
        CParamInfo(2, "Peak Hold", "dB", "", new CParamValueToText("%+.1f", false, "{value}"), m_MinLevel,
                   m_MaxLevel, m_MinLevel),
        CParamInfo(2, "Peak Max", "dB", "", new CParamValueToText("%+.1f", false, "{value}"), m_MinLevel,
                   m_MaxPeakLevel, m_MinLevel),
        CParamInfo(0, "Clipped", "", "", new CEnumToText("No Clip;Clip", 0), 0.0f, 1.0f, 0.0f)};
    CParamsInfo outputs(m_InputsCount * kOutputsPerChannel);
    for (int channel = 0; channel < m_InputsCount; ++channel) {
        for (int i = 0; i < kOutputsPerChannel; ++i) {
            CParamInfo& info = outputs.GetStorage()[channel * kOutputsPerChannel + i];
            info = templates[i];
            if (m_InputsCount >= 2) {
                char name[64];
                std::snprintf(name, sizeof name, "%s(%d)", templates[i].GetName(), channel);
                info.SetName(name);
            }
        }
    }
    SetOutputParamsInfo(outputs);
}

const DataModel::Objects::IConstProductInfo& CPeakMeter::GetObjectInfo() const { return Descriptors().m_Info; }

void CPeakMeter::SetParamsValues(const IConstValues& values)
{
    const double rate = m_SampleRate;
    if (rate == 0.0)
        return;
    const float attack = static_cast<float>(0.001 * rate * GetValueOrZero(values, kAttack));
    const float release = static_cast<float>(0.001 * rate * GetValueOrZero(values, kRelease));
    m_PeakFollower.SetTimes(attack, release,
                            Algorithm::TruncateToLength(0.001 * rate * GetValueOrZero(values, kHold) + 0.5));

    const float speed = static_cast<float>(GetValueOrZero(values, kHoldResetSpeed) / (20.0 * rate));
    m_HoldFollower.m_HoldLength = Algorithm::TruncateToLength(0.001 * rate * GetValueOrZero(values, kMeterHold));
    if (speed != 0.0f) {
        m_HoldFollower.m_ReleaseLength = Algorithm::TruncateToLength(1.0f / speed);
        m_HoldFollower.m_ReleaseCoeff = static_cast<float>(std::exp(speed * Algorithm::kMinusLn10));
    } else {
        m_HoldFollower.m_ReleaseLength = 0;
        m_HoldFollower.m_ReleaseCoeff = 1.0f;
    }
    m_HoldFollower.m_AttackCoeff = 0.0f;

    // Both edges reset: the inputs act on every change of state, not on a level.
    const bool clipReset = GetValueOrZero(values, kClipReset) > 0.5f;
    if (clipReset != m_ClipResetState) {
        m_ClipResetState = clipReset;
        for (int i = 0; i < m_InputsCount; ++i)
            m_PeakFollower.m_Clipped[i] = 0;
    }
    const bool maxReset = GetValueOrZero(values, kMaxPeakReset) > 0.5f;
    if (maxReset != m_MaxResetState) {
        m_MaxResetState = maxReset;
        m_PeakFollower.ClearMaxValues();
    }
}

int CPeakMeter::GetTailLength() const
{
    const float span = std::fabs(m_MaxLevel - m_MinLevel);
    const long long hold = HoldAndFall(m_HoldFollower, span);
    const long long peak = HoldAndFall(m_PeakFollower, std::fabs(m_MaxLevel - m_MinLevel + 10.0f));
    const long long longest = hold > peak ? hold : peak;
    const long long limit = Algorithm::TruncateToLength(10.0 * m_SampleRate);
    return static_cast<int>(longest < limit ? longest : limit);
}

float CPeakMeter::ToLevel(float envelope, float top) const
{
    double level = m_MinLevel;
    if (envelope > 0.0f) {
        const double dB = 20.0 * std::log10(static_cast<double>(envelope));
        if (dB > level)
            level = dB;
    }
    if (level > top)
        level = top;
    if (level < m_MinLevel)
        level = m_MinLevel;
    return static_cast<float>(level);
}

void CPeakMeter::UpdateOutputParams()
{
    const int channels = m_ProcessInfo.GetInputsInfo().GetCount();
    for (int i = 0; i < channels; ++i) {
        const int first = i * kOutputsPerChannel;
        m_OutputValues.SetValue(first + kPeak, ToLevel(m_PeakFollower.m_Envelopes[i], m_MaxLevel));
        m_OutputValues.SetValue(first + kPeakHold, ToLevel(m_HoldFollower.m_Envelopes[i], m_MaxLevel));
        m_OutputValues.SetValue(first + kPeakMax, ToLevel(m_PeakFollower.m_MaxValues[i], m_MaxPeakLevel));
        m_OutputValues.SetValue(first + kClipped, m_PeakFollower.m_Clipped[i] ? 1.0f : 0.0f);
    }
}

void CPeakMeter::Reset()
{
    m_PeakFollower.ResetEnvelopes();
    m_HoldFollower.ResetEnvelopes();
}

void CPeakMeter::DoProcess(const Containers::IConstVector<IAudioStream>& inputs,
                           Containers::IVector<IAudioStream>& /*outputs*/, int count,
                           const IParamsVariations* variations)
{
    if (inputs.GetCount() < m_InputsCount)
        return;
    if (variations && variations->GetCount() > 0)
        SetParamsValues(variations->GetAt(0));
    // The channels are independent: each runs through the block on its own, its state in locals.
    static const float kZero = 0.0f;
    for (int c = 0; c < m_InputsCount; ++c) {
        const IAudioStream& stream = inputs.GetAt(c);
        const float* input = stream.GetBuffer();
        long step = stream.GetStep();
        if (!input) {
            input = &kZero;
            step = 0;
        }
        CChannelState state = LoadChannel(c);
        for (int k = 0; k < count; ++k)
            Step(state, input[k * step]);
        StoreChannel(c, state);
    }
}

bool CPeakMeter::ProcessPair(CPeakMeter& left, const IAudioStream& leftInput, CPeakMeter& right,
                             const IAudioStream& rightInput, int count)
{
    const float* const l = leftInput.GetBuffer();
    const float* const r = rightInput.GetBuffer();
    if (left.m_InputsCount != 1 || right.m_InputsCount != 1 || !l || !r)
        return false;
    const long ls = leftInput.GetStep(), rs = rightInput.GetStep();
    CChannelState a = left.LoadChannel(0), b = right.LoadChannel(0);
    for (int k = 0; k < count; ++k) {
        left.Step(a, l[k * ls]);
        right.Step(b, r[k * rs]);
    }
    left.StoreChannel(0, a);
    right.StoreChannel(0, b);
    return true;
}

CPeakMeter::CChannelState CPeakMeter::LoadChannel(int channel) const
{
    return {m_PeakFollower.LoadChannel(channel), m_HoldFollower.LoadChannel(channel),
            m_PeakFollower.m_MaxValues.GetData()[channel]};
}

void CPeakMeter::StoreChannel(int channel, const CChannelState& state)
{
    m_PeakFollower.StoreChannel(channel, state.m_Peak);
    m_HoldFollower.StoreChannel(channel, state.m_Hold);
    m_PeakFollower.m_MaxValues.GetData()[channel] = state.m_Maximum;
}

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
