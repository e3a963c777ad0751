#include "PluginsFilters/CStereoTessaline.h"
#include "TessalineTestSupport.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>

using namespace TessalineTest;
using PluginsFilters::CStereoTessaline;
using Veltis::Audio::DSP::IParamsVariations;

namespace {

// The checksum of the run below on the code this fixture was taken from. Any change of an output bit of
// the stereo equaliser changes it. When a change of behaviour is intended, the failing test prints the
// checksum it computed: run it on the commit whose bits are the reference and paste that value here.
const uint64_t kExpectedChecksum = 0x61A4CB348AA43318ULL;

// A generator of our own, so that the run is the same with every standard library.
class CRandom {
public:
    explicit CRandom(uint64_t seed) : m_state(seed) {}

    uint64_t Next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1), 24 bits, exact in single precision.
    float Unit() { return static_cast<float>(Next() >> 40) * (1.0f / 16777216.0f); }
    float Range(float low, float high) { return low + (high - low) * Unit(); }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
    bool Chance(float p) { return Unit() < p; }

private:
    uint64_t m_state;
};

// 64-bit FNV-1a over the bit patterns of the output.
class CChecksum {
public:
    void Add(float value)
    {
        uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 4; ++i) {
            m_hash ^= (bits >> (8 * i)) & 0xFFu;
            m_hash *= 0x100000001B3ULL;
        }
    }
    uint64_t Get() const { return m_hash; }

private:
    uint64_t m_hash = 0xCBF29CE484222325ULL;
};

const int kStereoCount = 65;
const int kLeft = 0, kRight = 30; // offsets of a per-channel mono index in the stereo list

// A value a host might set for a mono parameter; gains stay moderate so that the chain keeps to
// signal levels.
float RandomValue(CRandom& random, int mono)
{
    switch (mono) {
    case CTessaline::kNonLinear:
    case CTessaline::kCompDist:
        return random.Range(0.0f, 100.0f);
    case CTessaline::kPre:
    case CTessaline::kPost:
        return random.Range(-12.0f, 12.0f);
    case CTessaline::kLowFreq:
        return random.Range(20.0f, 10000.0f);
    case CTessaline::kHighFreq:
        return random.Range(200.0f, 20000.0f);
    case CTessaline::kLowGain:
    case CTessaline::kHighGain:
        return random.Range(-15.0f, 15.0f);
    default:
        break;
    }
    if (mono >= CTessaline::kBand1Active && mono < CTessaline::kPost) {
        switch ((mono - CTessaline::kBand1Active) % 4) {
        case 1:
            return random.Range(20.0f, 20000.0f);
        case 2:
            return random.Range(0.05f, 5.0f);
        case 3:
            return random.Range(-15.0f, 15.0f);
        default:
            break;
        }
    }
    return random.Chance(0.5f) ? 1.0f : 0.0f; // switches and the clip reset
}

// Mono index of stereo index s (per-channel parameters of the right channel fold back).
int MonoIndex(int s) { return s >= 35 ? s - 30 : s; }

// Stereo input and output buffers of one block in one of three layouts: in place, separate buffers, or
// the channels interleaved.
struct CStereoBlock {
    CStereoBlock(int layout, int count, std::vector<float>& left, std::vector<float>& right)
        : m_layout(layout), m_count(count), m_in(2 * count), m_out(2 * count)
    {
        for (int k = 0; k < count; ++k) {
            m_in[layout == 2 ? 2 * k : k] = left[k];
            m_in[layout == 2 ? 2 * k + 1 : count + k] = right[k];
        }
        float* out = layout == 0 ? m_in.data() : m_out.data();
        for (int c = 0; c < 2; ++c) {
            const int offset = layout == 2 ? c : c * count;
            const int step = layout == 2 ? 2 : 1;
            m_inStreams[c] = CAudioStream(m_in.data() + offset, count * step, step);
            m_outStreams[c] = CAudioStream(out + offset, count * step, step);
        }
    }

    void Read(CChecksum& sum) const
    {
        const std::vector<float>& out = m_layout == 0 ? m_in : m_out;
        for (int c = 0; c < 2; ++c)
            for (int k = 0; k < m_count; ++k)
                sum.Add(out[m_layout == 2 ? 2 * k + c : c * m_count + k]);
    }

    int m_layout;
    int m_count;
    std::vector<float> m_in, m_out;
    CAudioStream m_inStreams[2], m_outStreams[2];
};

// A long seeded run of the stereo equaliser as a host drives it: silence with the defaults first, then
// segments of random settings changed at once, stepped at a block start or ramped over a block (first
// and second order), in every block size from 1 to 4096, with noise, bursts, subnormals and silence
// (through ProcessSilence too), oversampling, the limiter, a sample-rate change and output refreshes.
uint64_t RenderChecksum()
{
    CRandom random(20261211);
    CChecksum sum;
    CStereoTessaline stereo;
    bool apply = true;
    stereo.SetSampleRate(apply, 48000.0);
    std::vector<float> values = Defaults(stereo);
    CDynamicParamsVariations variations(3, kStereoCount);
    std::vector<float> left, right;

    auto render = [&](int count, int layout, bool silent, bool viaSilence, const IParamsVariations* v) {
        left.assign(count, 0.0f);
        right.assign(count, 0.0f);
        if (!silent) {
            const float level = random.Chance(0.1f) ? 4.0f : random.Range(0.001f, 1.0f);
            const bool subnormal = random.Chance(0.05f);
            for (int k = 0; k < count; ++k) {
                left[k] = subnormal ? random.Range(-1e-39f, 1e-39f) : level * random.Range(-1.0f, 1.0f);
                right[k] = subnormal ? random.Range(-1e-39f, 1e-39f) : level * random.Range(-1.0f, 1.0f);
            }
        }
        CStereoBlock block(layout, count, left, right);
        CAudioStreams inputs(2, block.m_inStreams), outputs(2, block.m_outStreams);
        const CProcessContext context = {&inputs, &outputs, count, v, nullptr};
        if (viaSilence)
            stereo.ProcessSilence(context);
        else
            stereo.Process(context);
        block.Read(sum);
    };

    // Silence with the defaults, long enough for any start-up fade of the chain to end.
    for (int i = 0; i < 8; ++i)
        render(512, 0, true, false, nullptr);

    const int kBlocks[] = {1, 3, 16, 64, 100, 128, 256, 333, 512, 1024, 4096};
    for (int segment = 0; segment < 400; ++segment) {
        if (segment == 250) {
            stereo.SetSampleRate(apply, 44100.0);
            stereo.SetParamsValues(CParamsValues(kStereoCount, values.data()));
        }
        const int block = kBlocks[random.Below(sizeof kBlocks / sizeof kBlocks[0])];
        int blocks = 1 + random.Below(block < 64 ? 200 : 12);
        const int layout = random.Below(3);
        const bool silent = random.Chance(0.1f);
        const bool viaSilence = silent && random.Chance(0.5f);

        std::vector<float> target = values;
        const int changes = 1 + random.Below(6);
        for (int i = 0; i < changes; ++i) {
            const int s = random.Below(kStereoCount);
            target[s] = RandomValue(random, MonoIndex(s));
        }
        if (random.Chance(0.03f))
            target[CTessaline::kOversample] = 1.0f - target[CTessaline::kOversample];

        const int how = random.Below(4);
        if (how == 0) {
            // At once, between blocks.
            values = target;
            stereo.SetParamsValues(CParamsValues(kStereoCount, values.data()));
        } else if (how == 1) {
            // Stepped at the start of the first block, as a host without ramps would.
            values = target;
        } else {
            // Ramped over the first block, first order as the host adapter does, or with a second order.
            const bool second = how == 3;
            variations.SetCount(second ? 3 : 2);
            for (int s = 0; s < kStereoCount; ++s) {
                const float increment = (target[s] - values[s]) / static_cast<float>(block);
                variations.GetAt(0).SetValue(s, values[s]);
                variations.GetAt(1).SetValue(s, second ? 0.5f * increment : increment);
                variations.GetAt(2).SetValue(s, second && block > 1 ? increment / static_cast<float>(block) : 0.0f);
            }
            render(block, layout, silent, viaSilence, &variations);
            values = target;
            --blocks;
        }
        for (int b = 0; b < blocks; ++b) {
            const bool withValues = how == 0 ? random.Chance(0.5f) : true;
            variations.SetCount(withValues ? 1 : 0);
            for (int s = 0; s < kStereoCount && withValues; ++s)
                variations.GetAt(0).SetValue(s, values[s]);
            render(block, layout, silent, viaSilence, withValues ? &variations : nullptr);
        }
        if (segment % 8 == 0) {
            stereo.UpdateOutputs();
            const auto& outputs = stereo.GetOutputParamsValues();
            for (int i = 0; i < outputs.GetCount(); ++i)
                sum.Add(outputs.GetValue(i));
        }
    }
    return sum.Get();
}

} // namespace

TEST(CStereoTessalineChecksumTest, ALongAutomatedRunKeepsItsOutputBits)
{
    const uint64_t checksum = RenderChecksum();
    char text[32];
    std::snprintf(text, sizeof text, "0x%016" PRIX64, checksum);
    EXPECT_EQ(checksum, kExpectedChecksum) << "computed checksum " << text;
}
