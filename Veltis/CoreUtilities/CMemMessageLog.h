#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/Core/IMessageLog.h"
#include "Veltis/Core/TDynamicVector.h"

namespace Veltis {
namespace CoreUtilities {

// A message log kept in memory in the order the messages were added; its owner reads them back.
class CMemMessageLog : public Core::IMessageLog {
public:
    class CMessage {
    public:
        CMessage() : m_Type(0), m_Level(0) {}
        CMessage(int type, const char* text, unsigned int level)
            : m_Type(type), m_Text(text ? text : ""), m_Level(level)
        {
        }

        int GetType() const { return m_Type; }
        const Core::CCharString& GetText() const { return m_Text; }
        unsigned int GetLevel() const { return m_Level; }

    private:
        int m_Type;
        Core::CCharString m_Text;
        unsigned int m_Level;
    };

    typedef Core::TDynamicVector<CMessage, Core::CExpGrowthStrategy> CMessages;

    CMemMessageLog();

    void AddMessage(int type, const char* text, unsigned int level) override;
    void Clear() override;
    void RemoveMessages(int type) override;
    unsigned int GetMessagesCount() override;
    unsigned int GetMessagesCount(int type) override;

    // The kept messages, oldest first.
    const CMessages& GetMessages() const { return m_Messages; }

private:
    unsigned int m_LevelThreshold;
    CMessages m_Messages;
};

} // namespace CoreUtilities
} // namespace Veltis
