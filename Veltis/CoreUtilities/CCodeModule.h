#pragma once

namespace Veltis {
namespace CoreUtilities {

// The loaded module file (shared library or executable) that holds a given address; the plug-in
// finds its own bundle and data folder from it.
class CCodeModule {
public:
    // The module that holds function, or, without one, the module that holds this class's code.
    explicit CCodeModule(void (*function)() = nullptr);
    // The module that holds address; the executable when no loaded image holds it.
    explicit CCodeModule(void* address);
    ~CCodeModule();
    CCodeModule(const CCodeModule&) = delete;
    CCodeModule& operator=(const CCodeModule&) = delete;

    // "" when the module file is unknown.
    const char* GetPath() const;
    // The load address of the module; the given address when no image was found.
    void* GetBaseAddress() const;
    // The part of the path after its last '/': "" when the path is unknown or ends with '/'.
    const char* GetFileName() const;

private:
    void Initialize(void* address);

    void* m_BaseAddress;
    char* m_Path;
};

} // namespace CoreUtilities
} // namespace Veltis
