#include "Veltis/Audio/DSP/AudioStreamOperations.h"

#include <cstring>

namespace Veltis {
namespace Audio {
namespace DSP {

namespace {

const float kZero = 0.0f;

struct CReader {
    explicit CReader(const IAudioStream& stream) : m_Samples(stream.GetBuffer()), m_Step(stream.GetStep())
    {
        if (!m_Samples) {
            m_Samples = &kZero;
            m_Step = 0;
        }
    }
    float operator[](int k) const { return m_Samples[static_cast<long>(k) * m_Step]; }

    const float* m_Samples;
    int m_Step;
};

struct CWriter {
    explicit CWriter(IAudioStream& stream) : m_Samples(stream.GetBuffer()), m_Step(stream.GetStep()) {}
    float& operator[](int k) const { return m_Samples[static_cast<long>(k) * m_Step]; }

    float* m_Samples;
    int m_Step;
};

inline int Min(int a, int b) { return a < b ? a : b; }

// At most 1, then 0 when below 0 or not a number.
inline float Advance(float x, float step)
{
    x += step;
    if (x > 1.0f)
        x = 1.0f;
    if (!(x >= 0.0f))
        x = 0.0f;
    return x;
}

inline float RampEnd(float x, float step, int count)
{
    for (int k = 0; k < count; ++k)
        x = Advance(x, step);
    return x;
}

inline bool IsMoving(float x) { return x != 0.0f && x != 1.0f; }

} // namespace

void CopyStream(const IAudioStream& source, IAudioStream& destination, int count)
{
    const CWriter out(destination);
    if (!out.m_Samples)
        return;
    if (source.GetBuffer() == out.m_Samples && source.GetStep() == out.m_Step)
        return;
    const CReader in(source);
    for (int k = 0; k < count; ++k)
        out[k] = in[k];
}

void CopyStreams(const IConstAudioStreams& sources, IAudioStreams& destinations, int count)
{
    const int n = Min(sources.GetCount(), destinations.GetCount());
    for (int i = 0; i < n; ++i)
        CopyStream(sources.GetAt(i), destinations.GetAt(i), count);
}

namespace {

// Runs channel(i, x) for the n channels, each from the stored position; channel returns the x it
// reached, or a negative value when it had nothing to write. The stored position becomes the x
// reached, the same on every channel, written or not.
template <class Channel>
bool RunRamp(int n, int count, float& position, float step, Channel channel)
{
    if (n == 0 || count <= 0)
        return IsMoving(position);
    float reached = -1.0f;
    for (int i = 0; i < n; ++i) {
        const float x = channel(i, position);
        if (x >= 0.0f)
            reached = x;
    }
    position = reached >= 0.0f ? reached : RampEnd(position, step, count);
    return IsMoving(position);
}

} // namespace

bool CrossfadeStreams(const IConstAudioStreams& first, const IConstAudioStreams& second, IAudioStreams& outputs,
                      int count, float& position, float step)
{
    const int n = Min(Min(first.GetCount(), second.GetCount()), outputs.GetCount());
    return RunRamp(n, count, position, step, [&](int i, float x) {
        const CWriter out(outputs.GetAt(i));
        if (!out.m_Samples)
            return -1.0f;
        const CReader a(first.GetAt(i));
        const CReader b(second.GetAt(i));
        for (int k = 0; k < count; ++k) {
            const float sampleA = a[k];
            out[k] = (b[k] - sampleA) * x + sampleA;
            x = Advance(x, step);
        }
        return x;
    });
}

bool ApplyGainRamp(const IConstAudioStreams& inputs, IAudioStreams& outputs, int count, float& gain, float step)
{
    const int n = Min(inputs.GetCount(), outputs.GetCount());
    return RunRamp(n, count, gain, step, [&](int i, float g) {
        const CWriter out(outputs.GetAt(i));
        if (!out.m_Samples)
            return -1.0f;
        const CReader in(inputs.GetAt(i));
        for (int k = 0; k < count; ++k) {
            out[k] = g * in[k];
            g = Advance(g, step);
        }
        return g;
    });
}

void ClearStreams(IAudioStreams& outputs)
{
    const int n = outputs.GetCount();
    for (int i = 0; i < n; ++i) {
        IAudioStream& stream = outputs.GetAt(i);
        const CWriter out(stream);
        if (!out.m_Samples)
            continue;
        const int size = stream.GetSize();
        // Contiguous streams in one call: the bypassed stages clear their scratch every block.
        if (out.m_Step == 1) {
            if (size > 0)
                std::memset(out.m_Samples, 0, static_cast<size_t>(size) * sizeof(float));
            continue;
        }
        for (int k = 0; k < size; ++k)
            out[k] = 0.0f;
    }
}

} // namespace DSP
} // namespace Audio
} // namespace Veltis
