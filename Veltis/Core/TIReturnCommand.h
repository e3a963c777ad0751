#pragma once

namespace Veltis {
namespace Core {

// A command that returns a result, e.g. a parser handler reporting success.
template <class R>
class TIReturnCommand {
public:
    virtual R Execute() = 0;
    virtual ~TIReturnCommand() {}
};

} // namespace Core
} // namespace Veltis
