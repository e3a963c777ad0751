#pragma once

#include <string>

// A fresh, empty folder under the system's temporary folder, removed with everything in it when the
// object goes.
namespace VeltisTest {

class CTemporaryFolder {
public:
    CTemporaryFolder();
    ~CTemporaryFolder();
    CTemporaryFolder(const CTemporaryFolder&) = delete;
    CTemporaryFolder& operator=(const CTemporaryFolder&) = delete;

    // Absolute, without a trailing '/'.
    const std::string& GetPath() const { return m_Path; }
    // GetPath() + "/" + name.
    std::string Join(const std::string& name) const { return m_Path + "/" + name; }

private:
    std::string m_Path;
};

} // namespace VeltisTest
