#pragma once

namespace Veltis {
namespace Core {

// A command that takes one argument and returns a result.
template <class R, class A>
class TIArgReturnCommand {
public:
    virtual R Execute(A argument) = 0;
    virtual ~TIArgReturnCommand() {}
};

} // namespace Core
} // namespace Veltis
