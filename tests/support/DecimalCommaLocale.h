#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale>
#include <string>

namespace VeltisTest {

// Switches the process (C and C++) to a locale whose decimal separator is a comma for the lifetime of
// the object, as skins do while they load. When the machine has none installed, one is compiled into
// a temporary folder with localedef. IsActive() is false when neither worked.
class CDecimalCommaLocale {
public:
    CDecimalCommaLocale() : m_Active(false)
    {
        const char* const kCandidates[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE"};
        for (const char* name : kCandidates) {
            if (TrySet(name))
                return;
        }
        char folder[] = "/tmp/veltis-locale-XXXXXX";
        if (!mkdtemp(folder))
            return;
        m_Folder = folder;
        const std::string command =
            "localedef -i de_DE -f UTF-8 '" + m_Folder + "/de_DE.UTF-8' >/dev/null 2>&1";
        if (std::system(command.c_str()) == -1)
            return;
        setenv("LOCPATH", m_Folder.c_str(), 1);
        TrySet("de_DE.UTF-8");
    }

    ~CDecimalCommaLocale()
    {
        std::setlocale(LC_ALL, "C");
        std::locale::global(std::locale::classic());
        if (!m_Folder.empty()) {
            unsetenv("LOCPATH");
            std::system(("rm -rf '" + m_Folder + "'").c_str());
        }
    }

    bool IsActive() const { return m_Active; }

private:
    bool TrySet(const char* name)
    {
        if (!std::setlocale(LC_ALL, name))
            return false;
        if (std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
            std::setlocale(LC_ALL, "C");
            return false;
        }
        try {
            std::locale::global(std::locale(name));
        } catch (...) {
        }
        m_Active = true;
        return true;
    }

    bool m_Active;
    std::string m_Folder;
};

} // namespace VeltisTest
