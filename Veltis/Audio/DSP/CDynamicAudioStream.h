#pragma once

#include "Veltis/Audio/DSP/IAudioStream.h"
#include "Veltis/Core/TDynamicVector.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// A stream that owns its samples (scratch buffers of the bypass manager). Created empty; on the audio
// path its owner resizes it with freeMemory false, so the memory grows to the largest block and stays.
class CDynamicAudioStream : public virtual IAudioStream {
public:
    typedef Core::TDynamicVector<float, Core::CStepGrowthStrategy, Core::TMemoryCopier<float>> Storage;

    CDynamicAudioStream() {}
    CDynamicAudioStream(const CDynamicAudioStream& other) : IAudioStream(), m_Samples(other.m_Samples) {}
    CDynamicAudioStream& operator=(const CDynamicAudioStream& other)
    {
        m_Samples = other.m_Samples;
        return *this;
    }

    // Samples kept up to the new count; SetSize(0, true) releases the memory.
    void SetSize(int count, bool freeMemory) { m_Samples.SetSize(count > 0 ? count : 0, freeMemory); }
    int GetCapacity() const { return m_Samples.GetCapacity(); }
    // Room for count samples, size and samples unchanged, so that later blocks up to count allocate nothing.
    void Reserve(int count)
    {
        if (count <= GetCapacity())
            return;
        const int size = GetSize();
        SetSize(count, false);
        SetSize(size, false);
    }

    const float* GetBuffer() const override { return m_Samples.GetData(); }
    float* GetBuffer() override { return m_Samples.GetData(); }
    int GetSize() const override { return m_Samples.GetCount(); }
    int GetStep() const override { return 1; }

private:
    Storage m_Samples;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
