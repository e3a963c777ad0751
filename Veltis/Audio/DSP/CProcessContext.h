#pragma once

#include "Veltis/Audio/DSP/IAudioStream.h"
#include "Veltis/Containers/IVector.h"

namespace Veltis {
namespace Audio {
namespace DSP {

class IParamsVariations;

// The record of one block. Inputs and outputs may be the same vector (in-place processing).
struct CProcessContext {
    // Null when there are none.
    const Containers::IConstVector<IAudioStream>* m_Inputs;
    Containers::IVector<IAudioStream>* m_Outputs;
    int m_Count;
    // Null when the block brings no parameter change.
    const IParamsVariations* m_Variations;
    // Always null; carried over by every copy.
    void* m_Reserved;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
