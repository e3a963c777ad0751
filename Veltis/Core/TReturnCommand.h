#pragma once

#include "Veltis/Core/TIReturnCommand.h"

namespace Veltis {
namespace Core {

// Binds a member function returning R to a target it does not own.
template <class T, class R>
class TReturnCommand : public virtual TIReturnCommand<R> {
public:
    typedef R (T::*Member)();

    TReturnCommand(T* target, Member member) : m_Member(member), m_Target(target) {}

    R Execute() override { return (m_Target->*m_Member)(); }

private:
    Member m_Member;
    T* m_Target;
};

} // namespace Core
} // namespace Veltis
