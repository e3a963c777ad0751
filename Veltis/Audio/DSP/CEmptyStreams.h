#pragma once

#include "Veltis/Audio/DSP/CEmptyStream.h"
#include "Veltis/Containers/IVector.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// A number of silent streams of one size, all the same object; a small record for the stack.
class CEmptyStreams : public virtual Containers::IVector<IAudioStream> {
public:
    CEmptyStreams(int count, int size) : m_Count(count > 0 ? count : 0), m_Stream(size) {}
    CEmptyStreams(const CEmptyStreams&) = delete;
    CEmptyStreams& operator=(const CEmptyStreams&) = delete;

    int GetCount() const override { return m_Count; }
    const IAudioStream& GetAt(int /*index*/) const override { return m_Stream; }
    IAudioStream& GetAt(int /*index*/) override { return m_Stream; }

private:
    int m_Count;
    CEmptyStream m_Stream;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
