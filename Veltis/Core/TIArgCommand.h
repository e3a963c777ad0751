#pragma once

namespace Veltis {
namespace Core {

// A command that takes one argument, for listeners of argument event providers and value setters.
template <class A>
class TIArgCommand {
public:
    virtual void Execute(A argument) = 0;
    virtual ~TIArgCommand() {}
};

} // namespace Core
} // namespace Veltis
