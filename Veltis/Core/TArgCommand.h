#pragma once

#include "Veltis/Core/TIArgCommand.h"

namespace Veltis {
namespace Core {

// Binds a member function taking one argument to a target it does not own.
template <class T, class A>
class TArgCommand : public virtual TIArgCommand<A> {
public:
    typedef T Target;
    typedef A Argument;
    typedef void (T::*Member)(A);

    TArgCommand(T* target, Member member) : m_Member(member), m_Target(target) {}

    void Execute(A argument) override { (m_Target->*m_Member)(argument); }

    T* GetTarget() const { return m_Target; }
    Member GetMember() const { return m_Member; }

private:
    Member m_Member;
    T* m_Target;
};

} // namespace Core
} // namespace Veltis
