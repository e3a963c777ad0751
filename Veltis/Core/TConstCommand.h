#pragma once

#include "Veltis/Core/ICommand.h"

namespace Veltis {
namespace Core {

// Binds a const member function without arguments; chains one provider's Notify to another.
template <class T>
class TConstCommand : public virtual ICommand {
public:
    typedef void (T::*Member)() const;

    TConstCommand(const T* target, Member member) : m_Member(member), m_Target(target) {}

    void Execute() override { (m_Target->*m_Member)(); }

private:
    Member m_Member;
    const T* m_Target;
};

} // namespace Core
} // namespace Veltis
