#pragma once

#include "Veltis/Audio/DSP/CAudioStream.h"
#include "Veltis/Containers/IVector.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// An array of stream records seen as a vector of streams (a host block's channels).
class CAudioStreams : public virtual Containers::IVector<IAudioStream> {
public:
    // A null array gives no stream; owns: the array is deleted (array delete) with the vector.
    CAudioStreams(int count, CAudioStream* streams, bool owns = false)
        : m_Streams(streams), m_Owns(owns), m_Count(streams && count > 0 ? count : 0)
    {
    }
    CAudioStreams(const CAudioStreams&) = delete;
    CAudioStreams& operator=(const CAudioStreams&) = delete;
    ~CAudioStreams() override
    {
        if (m_Owns)
            delete[] m_Streams;
    }

    int GetCount() const override { return m_Count; }
    const IAudioStream& GetAt(int index) const override { return m_Streams[index]; }
    IAudioStream& GetAt(int index) override { return m_Streams[index]; }

private:
    CAudioStream* m_Streams;
    bool m_Owns;
    int m_Count;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
