#include "Veltis/CoreUtilities/CMemMessageLog.h"

namespace Veltis {
namespace CoreUtilities {

CMemMessageLog::CMemMessageLog() : m_LevelThreshold(static_cast<unsigned int>(-1)) {}

void CMemMessageLog::AddMessage(int type, const char* text, unsigned int level)
{
    if (level > m_LevelThreshold)
        return;
    const int count = m_Messages.GetCount();
    m_Messages.SetSize(count + 1);
    m_Messages[count] = CMessage(type, text, level);
}

void CMemMessageLog::Clear()
{
    m_Messages.SetSize(0);
}

void CMemMessageLog::RemoveMessages(int type)
{
    int kept = 0;
    for (int i = 0; i < m_Messages.GetCount(); ++i) {
        if (m_Messages[i].GetType() == type)
            continue;
        if (kept != i)
            m_Messages[kept] = m_Messages[i];
        ++kept;
    }
    m_Messages.SetSize(kept);
}

unsigned int CMemMessageLog::GetMessagesCount()
{
    unsigned int count = 0;
    for (int i = 0; i < m_Messages.GetCount(); ++i)
        if (m_Messages[i].GetLevel() <= m_LevelThreshold)
            ++count;
    return count;
}

unsigned int CMemMessageLog::GetMessagesCount(int type)
{
    unsigned int count = 0;
    for (int i = 0; i < m_Messages.GetCount(); ++i)
        if (m_Messages[i].GetType() == type && m_Messages[i].GetLevel() <= m_LevelThreshold)
            ++count;
    return count;
}

} // namespace CoreUtilities
} // namespace Veltis
