#pragma once

#include <atomic>
#include <functional>
#include <utility>

#include "Veltis/Core/ICommand.h"

namespace VeltisTest {

// A command that runs a test-supplied action and counts its runs (thread-safely); optionally sets a
// flag when deleted, so tests can see who deleted it and when.
class CFunctionCommand : public virtual Veltis::Core::ICommand {
public:
    explicit CFunctionCommand(std::function<void()> action = std::function<void()>(), std::atomic<bool>* deleted = nullptr)
        : m_Action(std::move(action)), m_Deleted(deleted)
    {
    }
    ~CFunctionCommand() override
    {
        if (m_Deleted)
            m_Deleted->store(true);
    }

    void Execute() override
    {
        m_Count.fetch_add(1);
        if (m_Action)
            m_Action();
    }

    int GetCount() const { return m_Count.load(); }

private:
    std::function<void()> m_Action;
    std::atomic<bool>* m_Deleted;
    std::atomic<int> m_Count{0};
};

} // namespace VeltisTest
