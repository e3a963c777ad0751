#pragma once

#include "Veltis/Core/TIArgCommand.h"

namespace Veltis {
namespace Core {

// Binds a const member function taking one argument; chains argument providers.
template <class T, class A>
class TConstArgCommand : public virtual TIArgCommand<A> {
public:
    typedef const T Target;
    typedef A Argument;
    typedef void (T::*Member)(A) const;

    TConstArgCommand(const T* target, Member member) : m_Member(member), m_Target(target) {}

    void Execute(A argument) override { (m_Target->*m_Member)(argument); }

    const T* GetTarget() const { return m_Target; }
    Member GetMember() const { return m_Member; }

private:
    Member m_Member;
    const T* m_Target;
};

} // namespace Core
} // namespace Veltis
