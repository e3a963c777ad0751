#include "Veltis/System/CCommandThread.h"

#include "Veltis/Core/ICommand.h"

namespace Veltis {
namespace System {

CCommandThread::CCommandThread(Core::ICommand* command, bool own, bool start)
    : CThread(&CCommandThread::RunCommand, this, false), m_Command(command), m_Owned(own)
{
    // Started only now, so the new thread never sees a half-built object.
    if (start)
        Start();
}

CCommandThread::~CCommandThread()
{
    if (m_Owned)
        delete m_Command;
    m_Command = nullptr;
}

void CCommandThread::RunCommand(void* userData)
{
    CCommandThread* thread = static_cast<CCommandThread*>(userData);
    if (thread->m_Command)
        thread->m_Command->Execute();
}

} // namespace System
} // namespace Veltis
