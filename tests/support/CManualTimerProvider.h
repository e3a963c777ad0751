#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "Veltis/Core/ICommand.h"
#include "Veltis/System/ITimerProvider.h"

namespace VeltisTest {

// A timer provider without a clock: Tick runs every registered command once, on the test's thread,
// and every AddTimer and RemoveTimer is recorded. Like the message loop, a second AddTimer of the
// same command changes its period.
class CManualTimerProvider : public virtual Veltis::System::ITimerProvider {
public:
    struct CCall {
        bool m_Added;
        int m_Period; // -1 for a removal
        Veltis::Core::ICommand* m_Command;
    };

    void AddTimer(int periodMs, Veltis::Core::ICommand& command) override
    {
        m_Calls.push_back(CCall{true, periodMs, &command});
        for (auto& registration : m_Registrations) {
            if (registration.first == &command) {
                registration.second = periodMs;
                return;
            }
        }
        m_Registrations.push_back(std::make_pair(&command, periodMs));
    }

    void RemoveTimer(Veltis::Core::ICommand*& command, bool deleteIt) override
    {
        m_Calls.push_back(CCall{false, -1, command});
        Veltis::Core::ICommand* removed = command;
        m_Registrations.erase(std::remove_if(m_Registrations.begin(), m_Registrations.end(),
                                             [removed](const std::pair<Veltis::Core::ICommand*, int>& r) { return r.first == removed; }),
                              m_Registrations.end());
        if (deleteIt) {
            delete command;
            command = nullptr;
        }
    }

    // Runs each command registered when the tick begins and still registered when its turn comes.
    void Tick()
    {
        const std::vector<std::pair<Veltis::Core::ICommand*, int>> snapshot = m_Registrations;
        for (const auto& registration : snapshot)
            if (GetPeriod(registration.first) >= 0)
                registration.first->Execute();
    }

    void Tick(int count)
    {
        for (int i = 0; i < count; ++i)
            Tick();
    }

    // The registered period, -1 when not registered.
    int GetPeriod(Veltis::Core::ICommand* command) const
    {
        for (const auto& registration : m_Registrations)
            if (registration.first == command)
                return registration.second;
        return -1;
    }

    int GetRegistrationCount() const { return static_cast<int>(m_Registrations.size()); }
    const std::vector<CCall>& GetCalls() const { return m_Calls; }
    void ClearCalls() { m_Calls.clear(); }

private:
    std::vector<std::pair<Veltis::Core::ICommand*, int>> m_Registrations;
    std::vector<CCall> m_Calls;
};

} // namespace VeltisTest
