#pragma once

#include "Veltis/Audio/DSP/CDynamicParamsVariations.h"
#include "Veltis/Audio/DSP/TStereoFromMonoFilter.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// A stereo processor made of two mono ones in which a contiguous range of the mono parameters exists
// once per channel: every value vector and variation set is split into one per channel, and trailing
// sets without change are dropped per channel, so a ramp on one channel costs the other nothing.
template <class TMonoFilter>
class TFullStereoFromMonoFilter : public TStereoFromMonoFilter<TMonoFilter> {
    typedef TStereoFromMonoFilter<TMonoFilter> Base;

public:
    typedef typename Base::CStereoParamsInfo CStereoParamsInfo;
    using typename Base::IConstParamsInfo;
    using typename Base::IParamsInfo;
    using typename Base::IConstValues;

    // last -1 stands for the mono list's final index.
    TFullStereoFromMonoFilter(int first, int last)
        : m_InputParamsInfo(this->GetLeftFilter().GetInputParamsInfo(), first, last),
          m_ChannelVariations{CDynamicParamsVariations(3, GetMonoCount()), CDynamicParamsVariations(3, GetMonoCount())}
    {
    }

    TFullStereoFromMonoFilter(const TFullStereoFromMonoFilter& other)
        : IFilter(), Base(other), m_InputParamsInfo(other.m_InputParamsInfo),
          m_ChannelVariations{CDynamicParamsVariations(3, GetMonoCount()), CDynamicParamsVariations(3, GetMonoCount())}
    {
    }

    IFilter* Clone() const override { return new TFullStereoFromMonoFilter(*this); }

    void SetSampleRate(bool& apply, double rate) override
    {
        Base::SetSampleRate(apply, rate);
        for (CDynamicParamsVariations& variations : m_ChannelVariations)
            variations.SetParamsCount(GetMonoCount());
    }

    const IConstParamsInfo& GetInputParamsInfo() const override { return m_InputParamsInfo; }
    IParamsInfo& GetInputParamsInfo() override { return m_InputParamsInfo; }

    void SetParamsValues(const IConstValues& values) override
    {
        m_ChannelVariations[0].SetCount(1);
        CDynamicParamsValues& set = m_ChannelVariations[0].GetAt(0);
        GetChannelParamsValues(0, values, set);
        this->GetLeftFilter().SetParamsValues(set);
        GetChannelParamsValues(1, values, set);
        this->GetRightFilter().SetParamsValues(set);
    }

    // The mono values of one channel (0 left, 1 right): the shared head, the channel's own block, the
    // shared tail. Values the stereo vector lacks read as 0.
    void GetChannelParamsValues(int channel, const IConstValues& stereo, CDynamicParamsValues& mono) const
    {
        const int count = GetMonoCount();
        const int first = m_InputParamsInfo.GetFirstChannelIndex();
        const int last = m_InputParamsInfo.GetLastChannelIndex();
        const int shift = m_InputParamsInfo.GetPerChannelCount();
        const int available = stereo.GetCount();
        mono.SetSize(count, false);
        for (int i = 0; i < count; ++i) {
            const bool shifted = channel == 0 ? i > last : i >= first;
            const int s = shifted ? i + shift : i;
            mono.SetValue(i, s < available ? stereo.GetValue(s) : 0.0f);
        }
    }

protected:
    const IParamsVariations* GetChannelVariations(int channel, const IParamsVariations* variations) override
    {
        const int sets = variations ? variations->GetCount() : 0;
        CDynamicParamsVariations& split = m_ChannelVariations[channel];
        split.SetCount(sets);
        for (int i = 0; i < sets; ++i)
            GetChannelParamsValues(channel, variations->GetAt(i), split.GetAt(i));
        if (sets > 0)
            TrimParamsVariations(split);
        return &split;
    }

private:
    int GetMonoCount() const { return this->GetLeftFilter().GetInputParamsInfo().GetCount(); }

    CStereoParamsInfo m_InputParamsInfo;
    // One per channel, so that both channels' blocks may be under way at once.
    CDynamicParamsVariations m_ChannelVariations[2];
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
