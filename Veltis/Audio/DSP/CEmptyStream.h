#pragma once

#include "Veltis/Audio/DSP/IAudioStream.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// Silence of a given size: reads as zeros, cannot be written.
class CEmptyStream : public virtual IAudioStream {
public:
    explicit CEmptyStream(int size = 0) : m_Zero(0.0f), m_Size(size) {}

    const float* GetBuffer() const override { return &m_Zero; }
    float* GetBuffer() override { return nullptr; }
    int GetSize() const override { return m_Size; }
    int GetStep() const override { return 0; }

private:
    float m_Zero;
    int m_Size;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
