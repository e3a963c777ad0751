#include "support/CTemporaryFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace VeltisTest {

CTemporaryFolder::CTemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "veltis-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    m_Path = buffer.data();
}

CTemporaryFolder::~CTemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_Path, ignored);
}

} // namespace VeltisTest
