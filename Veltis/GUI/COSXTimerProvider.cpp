#include "Veltis/GUI/COSXTimerProvider.h"

#include "Native/CoreFoundation.h"
#include "Veltis/Core/ICommand.h"

namespace Veltis {
namespace GUI {

COSXTimerProvider::COSXTimerProvider(Native::CFRunLoopRef runLoop) : m_RunLoop(runLoop), m_Timers(193) {}

COSXTimerProvider::~COSXTimerProvider()
{
    for (auto& entry : m_Timers) {
        if (m_RunLoop)
            Native::CFRunLoopRemoveTimer(m_RunLoop, entry.second, Native::kCFRunLoopDefaultMode);
        Native::CFRelease(entry.second);
    }
    m_Timers.clear();
}

void COSXTimerProvider::AddTimer(int periodMs, Core::ICommand& command)
{
    Core::ICommand* registered = &command;
    if (!m_RunLoop)
        return;
    RemoveTimer(registered, false);
    const double interval = static_cast<double>(periodMs) * 0.001;
    Native::CFRunLoopTimerContext context{0, registered, nullptr, nullptr, nullptr};
    Native::CFRunLoopTimerRef timer =
        Native::CFRunLoopTimerCreate(Native::kCFAllocatorDefault, Native::CFAbsoluteTimeGetCurrent() + interval,
                                     interval, 0, 0, &TimerCallback, &context);
    Native::CFRunLoopAddTimer(m_RunLoop, timer, Native::kCFRunLoopDefaultMode);
    m_Timers.reserve(m_Timers.size() + 1);
    m_Timers[registered] = timer;
}

void COSXTimerProvider::RemoveTimer(Core::ICommand*& command, bool deleteIt)
{
    if (m_RunLoop) {
        auto found = m_Timers.find(command);
        if (found != m_Timers.end()) {
            Native::CFRunLoopTimerRef timer = found->second;
            Native::CFRunLoopRemoveTimer(m_RunLoop, timer, Native::kCFRunLoopDefaultMode);
            m_Timers.erase(found);
            Native::CFRelease(timer);
        }
    }
    if (deleteIt && command) {
        delete command;
        command = nullptr;
    }
}

void COSXTimerProvider::TimerCallback(Native::CFRunLoopTimerRef, void* info)
{
    if (info)
        static_cast<Core::ICommand*>(info)->Execute();
}

} // namespace GUI
} // namespace Veltis
