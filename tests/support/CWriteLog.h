#pragma once

#include <vector>

#include "Veltis/DataModel/Objects/CCaptureParam.h"
#include "support/CFunctionCommand.h"

namespace VeltisTest {

// The values written into a parameter, one per write (its value-set event), for as long as it lives.
class CWriteLog {
public:
    explicit CWriteLog(Veltis::DataModel::Objects::CCaptureParam& param)
        : m_Param(param), m_Recorder([this] { m_Writes.push_back(m_Param.GetValue()); })
    {
        m_Param.GetValueSetEvent().AddListener(m_Recorder);
    }
    ~CWriteLog() { m_Param.GetValueSetEvent().RemoveListener(&m_Recorder); }
    CWriteLog(const CWriteLog&) = delete;
    CWriteLog& operator=(const CWriteLog&) = delete;

    // The writes since the last call.
    std::vector<float> Take()
    {
        std::vector<float> taken;
        taken.swap(m_Writes);
        return taken;
    }

private:
    Veltis::DataModel::Objects::CCaptureParam& m_Param;
    std::vector<float> m_Writes;
    CFunctionCommand m_Recorder;
};

} // namespace VeltisTest
