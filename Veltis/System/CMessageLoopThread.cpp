#include "Veltis/System/CMessageLoopThread.h"

namespace Veltis {
namespace System {

CMessageLoopThread::CMessageLoopThread()
{
    StartThread();
}

} // namespace System
} // namespace Veltis
