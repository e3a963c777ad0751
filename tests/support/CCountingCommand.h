#pragma once

#include <vector>

#include "Veltis/Core/ICommand.h"

namespace VeltisTest {

// A listener that counts its runs and, when given a log, appends its id to it on each run, so that
// tests can check how often and in which order listeners ran.
class CCountingCommand : public virtual Veltis::Core::ICommand {
public:
    explicit CCountingCommand(int id = 0, std::vector<int>* log = nullptr) : m_Id(id), m_Log(log) {}

    void Execute() override
    {
        ++m_Count;
        if (m_Log)
            m_Log->push_back(m_Id);
    }

    int GetCount() const { return m_Count; }
    int GetId() const { return m_Id; }

private:
    int m_Id;
    std::vector<int>* m_Log;
    int m_Count = 0;
};

} // namespace VeltisTest
