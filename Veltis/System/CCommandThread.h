#pragma once

#include "Veltis/System/CThread.h"

namespace Veltis {
namespace Core {
class ICommand;
}

namespace System {

// A thread whose body is one command, run once; an owned command is deleted with the thread object.
class CCommandThread : public CThread {
public:
    CCommandThread(Core::ICommand* command, bool own, bool start);
    ~CCommandThread() override;

private:
    static void RunCommand(void* userData);

    Core::ICommand* m_Command;
    bool m_Owned;
};

} // namespace System
} // namespace Veltis
