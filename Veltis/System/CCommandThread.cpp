#include "Veltis/System/CCommandThread.h"

namespace Veltis {
namespace System {

CCommandThread::CCommandThread(Core::ICommand* command, bool own, bool start)
    : CThread(&CCommandThread::RunCommand, this, false), m_Command(command, own ? 1 : 0)
{
    // Started only now, so the new thread never sees a half-built object.
    if (start)
        Start();
}

// The holder deletes an owned command.
CCommandThread::~CCommandThread() {}

void CCommandThread::RunCommand(void* userData)
{
    CCommandThread* thread = static_cast<CCommandThread*>(userData);
    if (Core::ICommand* command = thread->m_Command.Get())
        command->Execute();
}

} // namespace System
} // namespace Veltis
