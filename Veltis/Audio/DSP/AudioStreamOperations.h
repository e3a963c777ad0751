#pragma once

#include "Veltis/Audio/DSP/IAudioStream.h"
#include "Veltis/Containers/IVector.h"

// Block operations on streams. Each addresses samples through the streams' own steps, skips a stream
// that cannot be written and reads zeros from one that has no buffer.

namespace Veltis {
namespace Audio {
namespace DSP {

typedef Containers::IConstVector<IAudioStream> IConstAudioStreams;
typedef Containers::IVector<IAudioStream> IAudioStreams;

void CopyStream(const IAudioStream& source, IAudioStream& destination, int count);

// Channel i to channel i, for the channels both vectors have.
void CopyStreams(const IConstAudioStreams& sources, IAudioStreams& destinations, int count);

// output = first + position x (second - first), the position moving by step after each sample within
// 0..1; every channel starts from the stored position, which becomes the last channel's. True while
// the position is strictly between 0 and 1.
bool CrossfadeStreams(const IConstAudioStreams& first, const IConstAudioStreams& second, IAudioStreams& outputs,
                      int count, float& position, float step);

// output = gain x input, the gain moving as the crossfade's position does.
bool ApplyGainRamp(const IConstAudioStreams& inputs, IAudioStreams& outputs, int count, float& gain, float step);

// Zeros over each stream's own size.
void ClearStreams(IAudioStreams& outputs);

} // namespace DSP
} // namespace Audio
} // namespace Veltis
