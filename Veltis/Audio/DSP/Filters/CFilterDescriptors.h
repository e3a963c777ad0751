#pragma once

#include "Veltis/Audio/DSP/CBaseCoreDSPFilter.h"
#include "Veltis/Audio/DSP/CProcessInfo.h"
#include "Veltis/DataModel/Objects/CProductInfo.h"

#include <initializer_list>

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

// The descriptions one mono filter class shares among its instances (one input, one output): built once
// in a function-local static, which each constructor touches so that the audio thread never builds it.
class CFilterDescriptors {
public:
    CFilterDescriptors(const char* name, const char* version, const char* comment,
                       std::initializer_list<DataModel::Objects::CParamInfo> inputs,
                       std::initializer_list<DataModel::Objects::CParamInfo> outputs = {})
        : m_Info(name, version, "Copyright Veltis", comment), m_ProcessInfo(1, 1),
          m_Inputs(static_cast<int>(inputs.size())), m_Outputs(static_cast<int>(outputs.size()))
    {
        Fill(m_Inputs, inputs);
        Fill(m_Outputs, outputs);
    }

    DataModel::Objects::CProductInfo m_Info;
    CProcessInfo m_ProcessInfo;
    CBaseCoreDSPFilter::CParamsInfo m_Inputs;
    CBaseCoreDSPFilter::CParamsInfo m_Outputs;

private:
    static void Fill(CBaseCoreDSPFilter::CParamsInfo& target, std::initializer_list<DataModel::Objects::CParamInfo> infos)
    {
        int i = 0;
        for (const DataModel::Objects::CParamInfo& info : infos)
            target.GetStorage()[i++] = info;
    }
};

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
