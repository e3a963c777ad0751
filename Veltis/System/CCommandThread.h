#pragma once

#include "Veltis/Core/ICommand.h"
#include "Veltis/Core/TOwnership.h"
#include "Veltis/System/CThread.h"

namespace Veltis {
namespace System {

// A thread whose body is one command, run once; an owned command is deleted with the thread object.
class CCommandThread : public CThread {
public:
    CCommandThread(Core::ICommand* command, bool own, bool start);
    ~CCommandThread() override;

private:
    static void RunCommand(void* userData);

    Core::TOwnership<Core::ICommand> m_Command;
};

} // namespace System
} // namespace Veltis
