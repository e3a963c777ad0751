#pragma once

#include "Veltis/Audio/DSP/CInputInfo.h"
#include "Veltis/Audio/DSP/COutputInfo.h"
#include "Veltis/Audio/DSP/IProcessInfo.h"
#include "Veltis/CoreUtilities/TDynamicCollection.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// The audio inputs ("In") and outputs ("Out") of a processor, held by value.
class CProcessInfo : public virtual IProcessInfo {
public:
    typedef CoreUtilities::TDynamicCollection<CInputInfo, IInputInfo> Inputs;
    typedef CoreUtilities::TDynamicCollection<COutputInfo, IOutputInfo> Outputs;

    // Description i takes name and comment from element i of a given array, which holds at least as
    // many elements as the count.
    CProcessInfo(int inputs, int outputs, const CInputInfo* inputsInfo = nullptr,
                 const COutputInfo* outputsInfo = nullptr);
    CProcessInfo(const CProcessInfo& other);
    CProcessInfo& operator=(const CProcessInfo&) = delete;

    const Containers::IVector<IInputInfo>& GetInputsInfo() const override { return m_Inputs; }
    Containers::IVector<IInputInfo>& GetInputsInfo() override { return m_Inputs; }
    const Containers::IVector<IOutputInfo>& GetOutputsInfo() const override { return m_Outputs; }
    Containers::IVector<IOutputInfo>& GetOutputsInfo() override { return m_Outputs; }

private:
    Inputs m_Inputs;
    Outputs m_Outputs;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
