#pragma once

#include "Veltis/Audio/DSP/IAudioStream.h"
#include "Veltis/Containers/IVector.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// One stream seen as a vector of one stream (a channel of a stereo block); a null stream gives none.
class CAudioStreamToStreams : public virtual Containers::IVector<IAudioStream> {
public:
    explicit CAudioStreamToStreams(IAudioStream* stream = nullptr, bool owns = false)
        : m_Stream(stream), m_Owns(owns), m_Count(stream ? 1 : 0)
    {
    }
    CAudioStreamToStreams(const CAudioStreamToStreams&) = delete;
    CAudioStreamToStreams& operator=(const CAudioStreamToStreams&) = delete;
    ~CAudioStreamToStreams() override
    {
        if (m_Owns)
            delete m_Stream;
    }

    int GetCount() const override { return m_Count; }
    const IAudioStream& GetAt(int /*index*/) const override { return *m_Stream; }
    IAudioStream& GetAt(int /*index*/) override { return *m_Stream; }

private:
    IAudioStream* m_Stream;
    bool m_Owns;
    int m_Count;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
