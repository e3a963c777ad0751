#pragma once

#include "Veltis/Core/TIArgReturnCommand.h"

namespace Veltis {
namespace Core {

// Binds a member function taking A and returning R to a target it does not own.
template <class T, class R, class A>
class TArgReturnCommand : public virtual TIArgReturnCommand<R, A> {
public:
    typedef R (T::*Member)(A);

    TArgReturnCommand(T* target, Member member) : m_Member(member), m_Target(target) {}

    R Execute(A argument) override { return (m_Target->*m_Member)(argument); }

private:
    Member m_Member;
    T* m_Target;
};

} // namespace Core
} // namespace Veltis
