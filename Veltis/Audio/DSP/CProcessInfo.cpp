#include "Veltis/Audio/DSP/CProcessInfo.h"

namespace Veltis {
namespace Audio {
namespace DSP {

CProcessInfo::CProcessInfo(int inputs, int outputs, const CInputInfo* inputsInfo, const COutputInfo* outputsInfo)
    : m_Inputs(inputs), m_Outputs(outputs)
{
    if (inputsInfo)
        for (int i = 0; i < m_Inputs.GetCount(); ++i)
            m_Inputs.GetStorage()[i].CopyFrom(inputsInfo[i]);
    if (outputsInfo)
        for (int i = 0; i < m_Outputs.GetCount(); ++i)
            m_Outputs.GetStorage()[i].CopyFrom(outputsInfo[i]);
}

CProcessInfo::CProcessInfo(const CProcessInfo& other)
    : IProcessInfo(), m_Inputs(other.m_Inputs), m_Outputs(other.m_Outputs)
{
}

} // namespace DSP
} // namespace Audio
} // namespace Veltis
