#include "Veltis/CoreUtilities/CFilePath.h"

#include <cstring>

namespace Veltis {
namespace CoreUtilities {

namespace {

char* CopyRange(const char* text, int length)
{
    Core::CCharString copy;
    copy.Append(text, length);
    return copy.Detach();
}

const char* FileNameStart(const char* text)
{
    const char* slash = std::strrchr(text, '/');
    return slash != nullptr ? slash + 1 : text;
}

} // namespace

CFilePath::CFilePath(const char* path) : m_Path(path) {}

const char* CFilePath::GetString() const
{
    return m_Path.GetString();
}

char* CFilePath::Detach()
{
    return m_Path.Detach();
}

void CFilePath::Attach(char* path)
{
    m_Path.Attach(path);
}

void CFilePath::Append(const char* component)
{
    const int length = m_Path.GetLength();
    if (length > 0 && m_Path.GetString()[length - 1] != '/')
        m_Path.Append("/");
    if (component != nullptr)
        m_Path.Append(component);
}

void CFilePath::Normalize()
{
    const char* text = m_Path.GetString();
    const int length = m_Path.GetLength();
    char* result = new char[length + 1];
    int out = 0;
    for (int i = 0; i < length; ++i) {
        const char c = text[i] == '\\' ? '/' : text[i];
        if (c == '/' && out > 0 && result[out - 1] == '/')
            continue;
        result[out++] = c;
    }
    result[out] = '\0';
    m_Path.Attach(result);
}

void CFilePath::InsertBeforeExtension(const char* text)
{
    const char* dot = std::strrchr(m_Path.GetString(), '.');
    if (dot != nullptr && text != nullptr)
        m_Path.Insert(text, static_cast<int>(dot - m_Path.GetString()));
}

char* CFilePath::GetFileName() const
{
    const char* name = FileNameStart(m_Path.GetString());
    return CopyRange(name, static_cast<int>(std::strlen(name)));
}

char* CFilePath::GetFolder() const
{
    const char* text = m_Path.GetString();
    const char* slash = std::strrchr(text, '/');
    return CopyRange(text, slash != nullptr ? static_cast<int>(slash - text) + 1 : 0);
}

char* CFilePath::GetExtension() const
{
    const char* dot = std::strrchr(m_Path.GetString(), '.');
    return dot != nullptr ? CopyRange(dot, static_cast<int>(std::strlen(dot))) : CopyRange("", 0);
}

char* CFilePath::GetFileNameWithoutExtension() const
{
    const char* name = FileNameStart(m_Path.GetString());
    const char* dot = std::strrchr(name, '.');
    return CopyRange(name, dot != nullptr ? static_cast<int>(dot - name) : static_cast<int>(std::strlen(name)));
}

bool CFilePath::MakeRelativeTo(const char* baseFolder)
{
    Normalize();
    if (baseFolder == nullptr)
        return false;
    Core::CCharString prefixText(baseFolder);
    prefixText.Append("\\");
    prefixText.MakeLower();
    CFilePath prefix(prefixText.GetString());
    prefix.Normalize();

    Core::CCharString lowerPath(m_Path);
    lowerPath.MakeLower();
    const int prefixLength = static_cast<int>(std::strlen(prefix.GetString()));
    if (std::strncmp(lowerPath.GetString(), prefix.GetString(), static_cast<size_t>(prefixLength)) != 0)
        return false;
    m_Path.Assign(Core::CCharString(m_Path.GetString() + prefixLength));
    return true;
}

bool CFilePath::MakeAbsolute(const char* baseFolder)
{
    if (m_Path.GetLength() > 0 && m_Path.GetString()[0] == '/')
        return false;
    CFilePath absolute(baseFolder);
    absolute.Normalize();
    absolute.Append(m_Path.GetString());
    m_Path.Assign(absolute.m_Path);
    return true;
}

} // namespace CoreUtilities
} // namespace Veltis
