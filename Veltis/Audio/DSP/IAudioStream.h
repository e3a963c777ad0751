#pragma once

namespace Veltis {
namespace Audio {
namespace DSP {

// One channel of 32-bit samples: sample k is at the buffer plus k times the step (0 repeats one value).
class IAudioStream {
public:
    // Null when the stream has no samples to read.
    virtual const float* GetBuffer() const = 0;
    // Null when the stream cannot be written.
    virtual float* GetBuffer() = 0;
    virtual int GetSize() const = 0;
    virtual int GetStep() const = 0;
    // Virtual so that a vector that owns a stream destroys it as its real type.
    virtual ~IAudioStream() {}
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
