#pragma once

// The timer provider of the native GUI: each registered command runs as a timer of one run loop, in its
// default mode, so that its ticks come on that loop's thread and pause while a modal loop runs.

#include "Native/Types.h"
#include "Veltis/System/ITimerProvider.h"

#include <unordered_map>

namespace Veltis {
namespace GUI {

class COSXTimerProvider : public System::ITimerProvider {
public:
    // The loop is held, not retained: the provider must not outlive it. Null makes the provider inert.
    explicit COSXTimerProvider(Native::CFRunLoopRef runLoop);
    // Stops every timer; deletes no command.
    ~COSXTimerProvider() override;
    COSXTimerProvider(const COSXTimerProvider&) = delete;
    COSXTimerProvider& operator=(const COSXTimerProvider&) = delete;

    // Registering a command again restarts it with the new period. A period of 0 or less goes to the
    // run loop as it is: such a timer ticks once, one period (none) after the call.
    void AddTimer(int periodMs, Core::ICommand& command) override;
    // Deletes the command when asked, even one that was not registered.
    void RemoveTimer(Core::ICommand*& command, bool deleteIt) override;

private:
    static void TimerCallback(Native::CFRunLoopTimerRef timer, void* info);

    Native::CFRunLoopRef m_RunLoop;
    // One timer reference each.
    std::unordered_map<Core::ICommand*, Native::CFRunLoopTimerRef> m_Timers;
};

} // namespace GUI
} // namespace Veltis
