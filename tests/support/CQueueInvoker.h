#pragma once

#include <deque>
#include <utility>

#include "Veltis/Core/ICommand.h"
#include "Veltis/System/IThreadInvoker.h"

namespace VeltisTest {

// A thread invoker without a thread: Post queues, RunAll runs the queue on the test's thread, so
// tests see exactly when posted work runs. Send runs at once, as on the invoker's own thread.
class CQueueInvoker : public virtual Veltis::System::IThreadInvoker {
public:
    ~CQueueInvoker() override { Clear(); }

    bool Send(Veltis::Core::ICommand* command, bool own) override
    {
        command->Execute();
        if (own)
            delete command;
        return true;
    }

    bool Post(Veltis::Core::ICommand* command, bool own) override
    {
        m_Queue.push_back(std::make_pair(command, own));
        return true;
    }

    // Runs queued commands in posting order, including those posted while running; returns how many.
    int RunAll()
    {
        int ran = 0;
        while (!m_Queue.empty()) {
            std::pair<Veltis::Core::ICommand*, bool> item = m_Queue.front();
            m_Queue.pop_front();
            item.first->Execute();
            if (item.second)
                delete item.first;
            ++ran;
        }
        return ran;
    }

    int GetPendingCount() const { return static_cast<int>(m_Queue.size()); }

    // Discards queued commands unrun, deleting the owned ones.
    void Clear()
    {
        for (const auto& item : m_Queue)
            if (item.second)
                delete item.first;
        m_Queue.clear();
    }

private:
    std::deque<std::pair<Veltis::Core::ICommand*, bool>> m_Queue;
};

} // namespace VeltisTest
