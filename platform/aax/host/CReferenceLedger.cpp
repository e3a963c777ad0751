#include "platform/aax/host/CReferenceLedger.h"

#include <algorithm>

namespace Veltis {
namespace Platform {
namespace AAXHost {

std::shared_ptr<CReferenceLedger::Entry> CReferenceLedger::Add(const std::string& name)
{
    std::shared_ptr<Entry> entry = std::make_shared<Entry>(name);
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Entries.push_back(entry);
    return entry;
}

void CReferenceLedger::Retire(const std::shared_ptr<Entry>& entry)
{
    if (entry->m_References.load() != 0 || entry->m_OverReleased.load())
        return;
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Entries.erase(std::remove(m_Entries.begin(), m_Entries.end(), entry), m_Entries.end());
}

std::vector<std::string> CReferenceLedger::GetImbalances() const
{
    std::vector<std::string> lines;
    std::lock_guard<std::mutex> lock(m_Mutex);
    for (const std::shared_ptr<Entry>& entry : m_Entries) {
        const int32_t held = entry->m_References.load();
        if (held != 0 || entry->m_OverReleased.load())
            lines.push_back(entry->m_Name + ": " + std::to_string(entry->m_AddRefs.load()) + " references taken, " +
                            std::to_string(entry->m_Releases.load()) + " released");
    }
    return lines;
}

int32_t CReferenceLedger::CountAddRefs(const std::string& prefix) const
{
    int32_t count = 0;
    std::lock_guard<std::mutex> lock(m_Mutex);
    for (const std::shared_ptr<Entry>& entry : m_Entries)
        if (entry->m_Name.compare(0, prefix.size(), prefix) == 0)
            count += entry->m_AddRefs.load();
    return count;
}

int32_t CReferenceLedger::GetObjectCount() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return static_cast<int32_t>(m_Entries.size());
}

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
