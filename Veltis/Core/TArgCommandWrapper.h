#pragma once

#include "Veltis/Core/ICommand.h"

namespace Veltis {
namespace Core {

// Turns an argument command into a plain command by storing the argument, so that it can be queued
// on another thread. Reference and pointer arguments are stored as such: the referent must outlive
// the run.
template <class C>
class TArgCommandWrapper : public virtual ICommand {
public:
    typedef typename C::Argument Argument;

    TArgCommandWrapper(const C& command, Argument argument) : m_Command(command), m_Argument(argument) {}

    void Execute() override { (m_Command.GetTarget()->*m_Command.GetMember())(m_Argument); }

private:
    C m_Command;
    Argument m_Argument;
};

} // namespace Core
} // namespace Veltis
