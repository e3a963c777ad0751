#pragma once

#include <stdlib.h>

#include <string>

namespace VeltisTest {

// Sets (or, with null, unsets) an environment variable for its lifetime and restores the old state after.
class CEnvironmentVariable {
public:
    CEnvironmentVariable(const char* name, const char* value) : m_Name(name)
    {
        const char* old = getenv(name);
        m_HadValue = old != nullptr;
        if (m_HadValue)
            m_OldValue = old;
        if (value != nullptr)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~CEnvironmentVariable()
    {
        if (m_HadValue)
            setenv(m_Name.c_str(), m_OldValue.c_str(), 1);
        else
            unsetenv(m_Name.c_str());
    }
    CEnvironmentVariable(const CEnvironmentVariable&) = delete;
    CEnvironmentVariable& operator=(const CEnvironmentVariable&) = delete;

private:
    std::string m_Name;
    std::string m_OldValue;
    bool m_HadValue = false;
};

} // namespace VeltisTest
