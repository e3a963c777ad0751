#include "Veltis/System/CTimerSerializer.h"

#include <limits.h>

#include <algorithm>

namespace Veltis {
namespace System {

namespace {

int GreatestCommonDivisor(int a, int b)
{
    while (b != 0) {
        const int rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

} // namespace

CTimerSerializer::CTimerSerializer(ITimerProvider* provider)
    : m_BasePeriod(-1), m_Provider(provider), m_Enabled(true), m_NextSerial(1)
{
}

CTimerSerializer::~CTimerSerializer() {}

int CTimerSerializer::RoundPeriod(int periodMs)
{
    if (periodMs <= 10)
        return 10;
    const int64_t rounded = (static_cast<int64_t>(periodMs) + 9) / 10 * 10;
    return rounded > INT_MAX ? INT_MAX / 10 * 10 : static_cast<int>(rounded);
}

size_t CTimerSerializer::FindFirstAfter(uint64_t serial) const
{
    return static_cast<size_t>(std::upper_bound(m_Entries.begin(), m_Entries.end(), serial,
                                                [](uint64_t value, const CEntry& entry) { return value < entry.m_Serial; })
                               - m_Entries.begin());
}

void CTimerSerializer::Execute()
{
    const int base = m_BasePeriod;
    if (base <= 0)
        return;
    const uint64_t end = m_NextSerial;
    uint64_t last = 0;
    // By serial, not by index or iterator: a command may add or remove entries under our feet.
    for (size_t i = FindFirstAfter(last); i < m_Entries.size() && m_Entries[i].m_Serial < end; i = FindFirstAfter(last)) {
        CEntry& entry = m_Entries[i];
        last = entry.m_Serial;
        if (static_cast<int64_t>(entry.m_Elapsed) + base < entry.m_Period) {
            entry.m_Elapsed += base;
            continue;
        }
        entry.m_Elapsed = 0;
        entry.m_Command->Execute();
    }
}

void CTimerSerializer::AddTimer(int periodMs, Core::ICommand& command)
{
    const int period = RoundPeriod(periodMs);
    m_Entries.push_back(CEntry{&command, 0, period, m_NextSerial++});
    SetBasePeriod(m_BasePeriod < 0 ? period : GreatestCommonDivisor(m_BasePeriod, period));
}

void CTimerSerializer::RemoveTimer(Core::ICommand*& command, bool deleteIt)
{
    for (std::vector<CEntry>::iterator it = m_Entries.begin(); it != m_Entries.end(); ++it) {
        if (it->m_Command == command) {
            m_Entries.erase(it);
            if (m_Entries.empty()) {
                Unregister();
                m_BasePeriod = -1;
            } else {
                int base = m_Entries.front().m_Period;
                for (const CEntry& entry : m_Entries)
                    base = GreatestCommonDivisor(base, entry.m_Period);
                SetBasePeriod(std::max(base, 10));
            }
            break;
        }
    }
    if (deleteIt) {
        delete command;
        // A deleted command is never left dangling in the caller's hands.
        command = nullptr;
    }
}

void CTimerSerializer::SetBasePeriod(int basePeriod)
{
    if (basePeriod == m_BasePeriod)
        return;
    m_BasePeriod = basePeriod;
    if (m_Enabled) {
        Enable(false);
        Enable(true);
    }
}

void CTimerSerializer::Enable(bool enabled)
{
    if (enabled == m_Enabled)
        return;
    m_Enabled = enabled;
    if (enabled && m_BasePeriod > 0)
        Register();
    else
        Unregister();
    m_EnableChanged.Notify();
}

void CTimerSerializer::Register()
{
    if (m_Provider)
        m_Provider->AddTimer(m_BasePeriod, *this);
}

void CTimerSerializer::Unregister()
{
    if (!m_Provider)
        return;
    Core::ICommand* self = this;
    m_Provider->RemoveTimer(self, false);
}

void CTimerSerializer::SetTimerProvider(ITimerProvider* provider)
{
    Enable(false);
    m_Provider = provider;
    Enable(true);
}

void CTimerSerializer::ResetElapsed()
{
    for (CEntry& entry : m_Entries)
        entry.m_Elapsed = 0;
}

} // namespace System
} // namespace Veltis
