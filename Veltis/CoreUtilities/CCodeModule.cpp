#include "Veltis/CoreUtilities/CCodeModule.h"

#include "Veltis/Core/CCharString.h"

#include <cstring>
#include <dlfcn.h>
#include <sys/auxv.h>
#include <sys/types.h>
#include <unistd.h>

namespace Veltis {
namespace CoreUtilities {

namespace {

// readlink does not say how long the link is, so the buffer grows until the text fits.
char* GetExecutablePath()
{
    for (size_t size = 256; size <= 65536; size *= 2) {
        char* buffer = new char[size];
        const ssize_t length = readlink("/proc/self/exe", buffer, size);
        if (length < 0) {
            delete[] buffer;
            return nullptr;
        }
        if (static_cast<size_t>(length) < size) {
            buffer[length] = '\0';
            return buffer;
        }
        delete[] buffer;
    }
    return nullptr;
}

// The main program's load address: the image that holds its own program headers.
void* GetExecutableBase()
{
    Dl_info info;
    void* headers = reinterpret_cast<void*>(getauxval(AT_PHDR));
    if (headers != nullptr && dladdr(headers, &info) != 0)
        return info.dli_fbase;
    return nullptr;
}

void ThisModuleMarker() {}

} // namespace

CCodeModule::CCodeModule(void (*function)()) : m_BaseAddress(nullptr), m_Path(nullptr)
{
    Initialize(reinterpret_cast<void*>(function != nullptr ? function : &ThisModuleMarker));
}

CCodeModule::CCodeModule(void* address) : m_BaseAddress(nullptr), m_Path(nullptr)
{
    Initialize(address);
}

CCodeModule::~CCodeModule()
{
    delete[] m_Path;
}

void CCodeModule::Initialize(void* address)
{
    m_BaseAddress = address;
    Dl_info info;
    if (address != nullptr && dladdr(address, &info) != 0) {
        m_BaseAddress = info.dli_fbase;
        // For the main program the loader reports argv[0], which may be empty or relative; the
        // executable's own link is exact.
        if (info.dli_fbase == GetExecutableBase())
            m_Path = GetExecutablePath();
        else if (info.dli_fname != nullptr && info.dli_fname[0] != '\0')
            m_Path = Core::CCharString(info.dli_fname).Detach();
        return;
    }
    m_Path = GetExecutablePath();
}

const char* CCodeModule::GetPath() const
{
    return m_Path != nullptr ? m_Path : "";
}

void* CCodeModule::GetBaseAddress() const
{
    return m_BaseAddress;
}

const char* CCodeModule::GetFileName() const
{
    if (m_Path == nullptr)
        return "";
    const char* slash = std::strrchr(m_Path, '/');
    return slash != nullptr ? slash + 1 : m_Path;
}

} // namespace CoreUtilities
} // namespace Veltis
