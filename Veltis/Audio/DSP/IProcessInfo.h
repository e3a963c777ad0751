#pragma once

#include "Veltis/Audio/DSP/IInputInfo.h"
#include "Veltis/Audio/DSP/IOutputInfo.h"
#include "Veltis/Containers/IVector.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// A processor's audio inputs and outputs; their numbers are the vectors' counts.
class IProcessInfo {
public:
    virtual const Containers::IVector<IInputInfo>& GetInputsInfo() const = 0;
    virtual Containers::IVector<IInputInfo>& GetInputsInfo() = 0;
    virtual const Containers::IVector<IOutputInfo>& GetOutputsInfo() const = 0;
    virtual Containers::IVector<IOutputInfo>& GetOutputsInfo() = 0;
    virtual ~IProcessInfo() {}
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
