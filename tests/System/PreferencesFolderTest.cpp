#include "Veltis/System/PreferencesFolder.h"

#include "support/CEnvironmentVariable.h"
#include "support/CTemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

using Veltis::System::GetPreferencesFolder;
using VeltisTest::CEnvironmentVariable;

namespace {

std::string Query()
{
    char* folder = reinterpret_cast<char*>(1);
    GetPreferencesFolder(folder);
    std::unique_ptr<char[]> owner(folder);
    return folder != nullptr ? std::string(folder) : std::string("(null)");
}

TEST(GetPreferencesFolder, FollowsXdgConfigHomeThenHome)
{
    VeltisTest::CTemporaryFolder temp;
    struct Case { const char* configHome; const char* home; std::string expected; };
    const Case kCases[] = {
        {temp.GetPath().c_str(), "/home/nobody", temp.Join("Preferences")},
        {"/cfg/", "/home/nobody", "/cfg/Preferences"},
        {nullptr, "/home/nobody", "/home/nobody/.config/Preferences"},
        {"", "/home/nobody/", "/home/nobody/.config/Preferences"},
        {"relative/cfg", "/home/nobody", "/home/nobody/.config/Preferences"},
        {nullptr, nullptr, "(null)"},
        {nullptr, "", "(null)"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << (c.configHome ? c.configHome : "(unset)") << ", "
                                        << (c.home ? c.home : "(unset)"));
        CEnvironmentVariable configHome("XDG_CONFIG_HOME", c.configHome);
        CEnvironmentVariable home("HOME", c.home);
        EXPECT_EQ(Query(), c.expected);
    }
}

} // namespace
