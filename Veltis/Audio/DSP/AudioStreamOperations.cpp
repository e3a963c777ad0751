#include "Veltis/Audio/DSP/AudioStreamOperations.h"

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

bool CrossfadeStreams(const IConstAudioStreams& first, const IConstAudioStreams& second, IAudioStreams& outputs,
                      int count, float& position, float step)
{
    const int n = Min(Min(first.GetCount(), second.GetCount()), outputs.GetCount());
    if (n == 0 || count <= 0)
        return IsMoving(position);
    // Every channel follows the same ramp, written or not.
    float reached = -1.0f;
    for (int i = 0; i < n; ++i) {
        const CWriter out(outputs.GetAt(i));
        if (!out.m_Samples)
            continue;
        const CReader a(first.GetAt(i));
        const CReader b(second.GetAt(i));
        float x = position;
        for (int k = 0; k < count; ++k) {
            const float sampleA = a[k];
            out[k] = (b[k] - sampleA) * x + sampleA;
            x = Advance(x, step);
        }
        reached = x;
    }
    position = reached >= 0.0f ? reached : RampEnd(position, step, count);
    return IsMoving(position);
}

bool ApplyGainRamp(const IConstAudioStreams& inputs, IAudioStreams& outputs, int count, float& gain, float step)
{
    const int n = Min(inputs.GetCount(), outputs.GetCount());
    if (n == 0 || count <= 0)
        return IsMoving(gain);
    float reached = -1.0f;
    for (int i = 0; i < n; ++i) {
        const CWriter out(outputs.GetAt(i));
        if (!out.m_Samples)
            continue;
        const CReader in(inputs.GetAt(i));
        float g = gain;
        for (int k = 0; k < count; ++k) {
            out[k] = g * in[k];
            g = Advance(g, step);
        }
        reached = g;
    }
    gain = reached >= 0.0f ? reached : RampEnd(gain, step, count);
    return IsMoving(gain);
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
        for (int k = 0; k < size; ++k)
            out[k] = 0.0f;
    }
}

} // namespace DSP
} // namespace Audio
} // namespace Veltis
