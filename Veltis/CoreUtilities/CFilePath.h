#pragma once

#include "Veltis/Core/CCharString.h"

namespace Veltis {
namespace CoreUtilities {

// A POSIX path held as text, with the operations that file lookups, skins and settings need. A '\'
// written in a path (skin files may use one) reads as '/' once the path is normalised. Results
// handed out as char* are array-new copies that the receiver deletes.
class CFilePath {
public:
    // Null gives the empty path.
    CFilePath(const char* path = nullptr);

    // "" when empty.
    const char* GetString() const;
    char* Detach();
    void Attach(char* path);

    // Adds "/" unless the path is empty or already ends with '/', then the component (which may be
    // null or empty).
    void Append(const char* component);
    // '\' becomes '/', then runs of '/' become one.
    void Normalize();
    // Before the last '.' of the whole path, also when it lies in a folder name; nothing without one.
    void InsertBeforeExtension(const char* text);

    // After the last '/'; the whole path without one; "" when the path ends with '/'.
    char* GetFileName() const;
    // Up to and including the last '/'; "" without one.
    char* GetFolder() const;
    // From the last '.' of the whole path on, the dot included; "" without one.
    char* GetExtension() const;
    // The file name without its last '.' and what follows.
    char* GetFileNameWithoutExtension() const;

    // Normalises the path; when it lies inside baseFolder (compared in lower case) keeps only the rest
    // and answers true. A path equal to the folder itself is not inside it.
    bool MakeRelativeTo(const char* baseFolder);
    // A path that does not start with '/' is appended to the normalised baseFolder (true); an absolute
    // path stays (false).
    bool MakeAbsolute(const char* baseFolder);

private:
    Core::CCharString m_Path;
};

} // namespace CoreUtilities
} // namespace Veltis
