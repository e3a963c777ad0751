#pragma once

#include "Veltis/Audio/DSP/IAudioStream.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// A stream over memory that lives elsewhere (a host's channel buffer, one channel of an interleaved
// buffer), or over an array it owns.
class CAudioStream : public IAudioStream {
public:
    explicit CAudioStream(float* buffer = nullptr, int length = 0, int step = 1, int offset = 0, bool owns = false)
        : m_Buffer(buffer), m_Offset(offset), m_Length(length), m_Step(step), m_Owns(owns)
    {
    }

    // A copy is a view: it never owns, so that the array is deleted once.
    CAudioStream(const CAudioStream& other)
        : m_Buffer(other.m_Buffer), m_Offset(other.m_Offset), m_Length(other.m_Length), m_Step(other.m_Step),
          m_Owns(false)
    {
    }
    CAudioStream& operator=(const CAudioStream& other)
    {
        if (this != &other) {
            Release();
            m_Buffer = other.m_Buffer;
            m_Offset = other.m_Offset;
            m_Length = other.m_Length;
            m_Step = other.m_Step;
        }
        return *this;
    }

    ~CAudioStream() override { Release(); }

    // Points the stream at other memory; an array owned before is deleted.
    void Set(float* buffer, int length, int step = 1, int offset = 0, bool owns = false)
    {
        Release();
        m_Buffer = buffer;
        m_Length = length;
        m_Step = step;
        m_Offset = offset;
        m_Owns = owns;
    }

    const float* GetBuffer() const override { return m_Buffer ? m_Buffer + m_Offset : nullptr; }
    float* GetBuffer() override { return m_Buffer ? m_Buffer + m_Offset : nullptr; }
    int GetSize() const override { return m_Step != 0 ? m_Length / m_Step : m_Length; }
    int GetStep() const override { return m_Step; }

private:
    void Release()
    {
        if (m_Owns)
            delete[] m_Buffer;
        m_Buffer = nullptr;
        m_Owns = false;
    }

    float* m_Buffer;
    int m_Offset;
    int m_Length;
    int m_Step;
    bool m_Owns;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
