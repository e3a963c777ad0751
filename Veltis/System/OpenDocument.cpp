#include "Veltis/System/OpenDocument.h"

#include "Veltis/System/CProcessRunner.h"

#include <atomic>
#include <string>

namespace Veltis {
namespace System {

namespace {

CProcessRunner s_ProcessRunner;
std::atomic<IProcessRunner*> s_Runner{nullptr};

} // namespace

IProcessRunner* SetDocumentOpenerRunner(IProcessRunner* runner)
{
    return s_Runner.exchange(runner);
}

bool OpenDocument(const char* pathOrAddress)
{
    if (pathOrAddress == nullptr || *pathOrAddress == '\0')
        return false;
    std::string argument(pathOrAddress);
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
        argument = argument.substr(1, argument.size() - 2);
    if (argument.empty())
        return false;
    // The opener would take a leading '-' for one of its options.
    if (argument[0] == '-')
        argument.insert(0, "./");
    const char* const arguments[] = {"xdg-open", argument.c_str(), nullptr};
    IProcessRunner* runner = s_Runner.load();
    return (runner != nullptr ? runner : &s_ProcessRunner)->Run(arguments) == 0;
}

} // namespace System
} // namespace Veltis
