#pragma once

#include "Veltis/CoreUtilities/CMemMessageLog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace VeltisTest {

// One expected log message: type (0 error, 1 warning, 2 information) and exact text.
struct LoggedMessage {
    int type;
    std::string text;
};

inline bool operator==(const LoggedMessage& a, const LoggedMessage& b)
{
    return a.type == b.type && a.text == b.text;
}

inline void PrintTo(const LoggedMessage& message, std::ostream* out)
{
    *out << "{" << message.type << ", \"" << message.text << "\"}";
}

// The messages of a log in order; every one must have been written at level 0.
inline std::vector<LoggedMessage> LoggedMessages(const Veltis::CoreUtilities::CMemMessageLog& log)
{
    std::vector<LoggedMessage> messages;
    const auto& kept = log.GetMessages();
    for (int i = 0; i < kept.GetCount(); ++i) {
        EXPECT_EQ(kept[i].GetLevel(), 0u) << kept[i].GetText().GetString();
        messages.push_back({kept[i].GetType(), kept[i].GetText().GetString()});
    }
    return messages;
}

} // namespace VeltisTest
