#pragma once

#include "Veltis/Core/ICommand.h"

namespace Veltis {
namespace Core {

// Binds a member function without arguments to a target it does not own.
template <class T>
class TCommand : public virtual ICommand {
public:
    typedef void (T::*Member)();

    TCommand(T* target, Member member) : m_Member(member), m_Target(target) {}

    void Execute() override { (m_Target->*m_Member)(); }

private:
    Member m_Member;
    T* m_Target;
};

} // namespace Core
} // namespace Veltis
