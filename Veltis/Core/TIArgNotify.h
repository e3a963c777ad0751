#pragma once

namespace Veltis {
namespace Core {

// The announcing side of an argument event.
template <class A>
class TIArgNotify {
public:
    virtual void Notify(A argument) const = 0;
    virtual ~TIArgNotify() {}
};

} // namespace Core
} // namespace Veltis
