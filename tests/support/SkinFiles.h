#pragma once

#include "support/CTemporaryFolder.h"

#include <fstream>
#include <string>

namespace VeltisTest {

// Skin files written into a fresh temporary folder; sub-folders are made as needed.
class CSkinFiles {
public:
    // Writes text to the file at the relative path; returns its full path.
    std::string Write(const std::string& relativePath, const std::string& text)
    {
        const std::string path = m_Folder.Join(relativePath);
        for (size_t slash = path.find('/', m_Folder.GetPath().size() + 1); slash != std::string::npos;
             slash = path.find('/', slash + 1))
            MakeFolder(path.substr(0, slash));
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    std::string Path(const std::string& relativePath) const { return m_Folder.Join(relativePath); }
    // The folder with its trailing '/', as the parser's root folder.
    std::string Root() const { return m_Folder.GetPath() + "/"; }

private:
    static void MakeFolder(const std::string& path);

    CTemporaryFolder m_Folder;
};

} // namespace VeltisTest

#include <sys/stat.h>

inline void VeltisTest::CSkinFiles::MakeFolder(const std::string& path)
{
    mkdir(path.c_str(), 0700);
}
