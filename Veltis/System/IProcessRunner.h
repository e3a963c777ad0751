#pragma once

namespace Veltis {
namespace System {

// Runs a program and waits for it; replaced in tests so that nothing is launched.
class IProcessRunner {
public:
    // arguments: the program (looked up in PATH) followed by its arguments, ended by null; each is
    // passed on as one argument, never through a shell. Returns the exit status, -1 when the program
    // could not be run or did not exit normally.
    virtual int Run(const char* const* arguments) = 0;
    virtual ~IProcessRunner() {}
};

} // namespace System
} // namespace Veltis
