#pragma once

#include <stddef.h>
#include <stdint.h>

#include <vector>

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/ICommand.h"
#include "Veltis/Core/IEnable.h"
#include "Veltis/System/ITimerProvider.h"

namespace Veltis {
namespace System {

// Many periodic commands over one registration with a timer provider: periods are rounded up to
// whole 10 ms, and the provider ticks at their greatest common divisor. Not locked: all calls and
// the provider's ticks come from one thread.
class CTimerSerializer : public virtual Core::ICommand, public virtual ITimerProvider, public virtual Core::IEnable {
public:
    explicit CTimerSerializer(ITimerProvider* provider);
    // Does not unregister: the owner disables it (or removes the provider) first.
    ~CTimerSerializer() override;

    CTimerSerializer(const CTimerSerializer&) = delete;
    CTimerSerializer& operator=(const CTimerSerializer&) = delete;

    // The provider's tick. Commands may add and remove timers of this serializer while it runs;
    // entries added during a tick wait for the next one, and removed ones never run again.
    void Execute() override;

    // The same command may be added several times; each entry runs it.
    void AddTimer(int periodMs, Core::ICommand& command) override;
    // Removes the first entry of the command only.
    void RemoveTimer(Core::ICommand*& command, bool deleteIt) override;

    void Enable(bool enabled) override;
    bool IsEnabled() override { return m_Enabled; }
    Core::IEventProvider& GetEnableChangedEvent() override { return m_EnableChanged; }

    // Re-registers with the new provider; the serializer is enabled afterwards.
    void SetTimerProvider(ITimerProvider* provider);
    void ResetElapsed();

    // 10 for anything up to 10, else the next multiple of 10 (saturating).
    static int RoundPeriod(int periodMs);

private:
    struct CEntry {
        Core::ICommand* m_Command;
        int m_Elapsed;
        int m_Period;
        // Increases with every entry added: lets a tick find its place again after commands changed
        // the list.
        uint64_t m_Serial;
    };

    void SetBasePeriod(int basePeriod);
    void Register();
    void Unregister();
    size_t FindFirstAfter(uint64_t serial) const;

    std::vector<CEntry> m_Entries;
    int m_BasePeriod;
    ITimerProvider* m_Provider;
    bool m_Enabled;
    Core::CEventProvider m_EnableChanged;
    uint64_t m_NextSerial;
};

} // namespace System
} // namespace Veltis
