#include "Veltis/Core/ICommand.h"
#include "Veltis/GUI/COSXThreadInvoker.h"
#include "Veltis/GUI/COSXTimerProvider.h"

#include "Native/CoreFoundation.h"
#include "Native/Harness.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>
#include <vector>

namespace {

class CCountTicks : public Veltis::Core::ICommand {
public:
    explicit CCountTicks(long& count) : m_Count(count) {}
    void Execute() override { ++m_Count; }

private:
    long& m_Count;
};

} // namespace

// The GUI timers of a busy editor: 100 repeating timers at 30 ms, one second of virtual time per round.
static void BM_RunLoopTimers(benchmark::State& state)
{
    Native::Harness::SetPolicy(Native::Harness::EPolicy::Lenient);
    Native::Harness::UseVirtualClock(true);
    Native::NSApplicationLoad();
    long ticks = 0;
    std::vector<std::unique_ptr<CCountTicks>> commands;
    {
        Veltis::GUI::COSXTimerProvider provider(Native::CFRunLoopGetCurrent());
        for (int i = 0; i < 100; ++i) {
            commands.emplace_back(new CCountTicks(ticks));
            provider.AddTimer(30, *commands.back());
        }
        for (auto _ : state)
            Native::Harness::RunFor(1000);
    }
    state.SetItemsProcessed(ticks);
    // Seconds of CPU time per tick.
    state.counters["per_tick"] =
        benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    Native::Harness::UseVirtualClock(false);
}
BENCHMARK(BM_RunLoopTimers)->Unit(benchmark::kMillisecond);

// A worker hands a command to a GUI thread that waits in its run loop and waits for it to run; the
// median round trip is reported.
static void BM_InvokerSendRoundTrip(benchmark::State& state)
{
    Native::Harness::SetPolicy(Native::Harness::EPolicy::Lenient);
    std::atomic<bool> stop{false};
    std::promise<Native::NSThread*> started;
    std::thread gui([&] {
        started.set_value(Native::NSThread::currentThread());
        Native::Harness::RunUntil([&] { return stop.load(); }, 3600.0);
    });
    Veltis::GUI::COSXThreadInvoker invoker(started.get_future().get());
    long runs = 0;
    CCountTicks command(runs);
    std::vector<double> microseconds;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        invoker.Send(&command, false);
        microseconds.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - begin).count());
    }
    stop = true;
    gui.join();
    std::sort(microseconds.begin(), microseconds.end());
    state.counters["median_us"] = microseconds.empty() ? 0.0 : microseconds[microseconds.size() / 2];
    state.SetItemsProcessed(runs);
}
BENCHMARK(BM_InvokerSendRoundTrip)->UseRealTime();
