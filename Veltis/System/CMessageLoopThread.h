#pragma once

#include <type_traits>

#include "Veltis/Core/TSingletonInstance.h"
#include "Veltis/System/CMessageLoop.h"

namespace Veltis {
namespace System {

// A message loop whose thread runs from construction on; the process shares one through
// TSingletonInstance.
class CMessageLoopThread : public CMessageLoop {
public:
    CMessageLoopThread();
    ~CMessageLoopThread() override {}
};

} // namespace System

namespace Core {

// The last release may come from a command running on the shared loop itself.
template <class T>
struct TSingletonDeleter<T, typename std::enable_if<std::is_base_of<System::CMessageLoop, T>::value>::type> {
    static void Delete(T* loop) { System::CMessageLoop::Destroy(loop); }
};

} // namespace Core
} // namespace Veltis
