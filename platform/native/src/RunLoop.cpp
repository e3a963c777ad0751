#include "Internal.h"
#include "RunLoopSources.h"

#include "Native/CoreFoundation.h"
#include "Native/Harness.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <limits>
#include <memory>
#include <mutex>
#include <sys/time.h>
#include <time.h>
#include <unordered_map>

namespace Native {

// A timer's schedule is guarded by the lock of the loop it is in.
struct CFRunLoopTimer::State {
    CFAbsoluteTime first = 0.0;
    CFTimeInterval interval = 0.0;
    CFRunLoopTimerCallBack callout = nullptr;
    CFRunLoopTimerContext context{};

    NSRunLoop* loop = nullptr;
    RunLoopModes modes = 0;
    CFAbsoluteTime next = 0.0;
    uint64_t sequence = 0;
    // A timer that does not repeat has fired.
    bool spent = false;
};

CFRunLoopTimer::CFRunLoopTimer() : m_State(new State) {}

CFRunLoopTimer::~CFRunLoopTimer()
{
    if (m_State->context.release && m_State->context.info)
        m_State->context.release(m_State->context.info);
    delete m_State;
}

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr CFAbsoluteTime kVirtualStart = 0.0;
constexpr double kSecondsFrom1970To2001 = 978307200.0;
// A loop that never gets idle (a perform that queues itself again, a timer of a tiny interval) is stopped.
constexpr long kIterationLimit = 1000000;
// RunUntil looks at its condition at least this often, since other threads need not wake the loop.
constexpr double kConditionPollSeconds = 0.002;

std::atomic<bool> g_virtualClock{false};
std::atomic<double> g_virtualNow{kVirtualStart};
std::atomic<double> g_watchdogSeconds{0.0};

double MonotonicSeconds()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double WallSeconds()
{
    timeval now;
    gettimeofday(&now, nullptr);
    return static_cast<double>(now.tv_sec) - kSecondsFrom1970To2001 + static_cast<double>(now.tv_usec) * 1e-6;
}

// The time timers compare their dates with: the virtual clock, or absolute time read off the monotonic
// clock, so that setting the wall clock moves no timer.
double TimerNow()
{
    if (g_virtualClock.load(std::memory_order_acquire))
        return g_virtualNow.load(std::memory_order_acquire);
    static const double offset = WallSeconds() - MonotonicSeconds();
    return MonotonicSeconds() + offset;
}

void AdvanceVirtualClock(double to)
{
    double now = g_virtualNow.load(std::memory_order_acquire);
    while (now < to && !g_virtualNow.compare_exchange_weak(now, to, std::memory_order_acq_rel))
        ;
}

// The first date first + k * interval strictly after now.
CFAbsoluteTime NextFireDate(CFAbsoluteTime first, CFTimeInterval interval, double now)
{
    if (now < first)
        return first;
    double next = first + (std::floor((now - first) / interval) + 1.0) * interval;
    if (next <= now)
        next = first + (std::floor((now - first) / interval) + 2.0) * interval;
    // An interval too small for the date's precision.
    return next > now ? next : std::nextafter(now, kInfinity);
}

struct PerformRequest {
    id receiver = nullptr;
    SEL sel = nullptr;
    id object = nullptr;
    bool withObject = false;
    std::mutex lock;
    std::condition_variable doneSignal;
    bool done = false;
};

using PerformQueue = std::deque<std::shared_ptr<PerformRequest>>;

void FinishPerform(PerformRequest& request)
{
    if (request.object)
        request.object->release();
    request.receiver->release();
    {
        std::lock_guard<std::mutex> guard(request.lock);
        request.done = true;
    }
    request.doneSignal.notify_all();
}

void RunPerform(PerformRequest& request)
{
    if (request.withObject)
        Send<void(id)>(request.receiver, request.sel, request.object);
    else
        Send<void()>(request.receiver, request.sel);
    FinishPerform(request);
}

// Performs that will never run: their holds go and their waiters return.
void DropPerforms(PerformQueue& performs)
{
    for (auto& request : performs)
        FinishPerform(*request);
}

struct SourceList {
    RunLoopSource sources[kMaxRunLoopSources];
    std::atomic<int> count{0};
};

SourceList& GetSources()
{
    static SourceList* const list = new SourceList;
    return *list;
}

} // namespace

struct NSRunLoop::State {
    NSThread* thread = nullptr;
    std::mutex lock;
    std::condition_variable wakeSignal;
    bool woken = false;
    bool threadEnded = false;
    // Installed timers, each retained once.
    std::vector<CFRunLoopTimer*> timers;
    uint64_t nextSequence = 0;
    PerformQueue performs;
    // The modes of the runs in progress, innermost last; the loop's thread only.
    std::vector<RunLoopModes> running;
};

namespace {

// Run loops are persistent: they live as long as the process, so a thread's loop outlives the thread.
struct LoopList {
    std::mutex lock;
    std::unordered_map<NSThread*, NSRunLoop*> byThread;
};

LoopList& GetLoops()
{
    static LoopList* const list = new LoopList;
    return *list;
}

NSRunLoop* LoopOf(NSThread* thread, bool create)
{
    LoopList& loops = GetLoops();
    std::lock_guard<std::mutex> guard(loops.lock);
    auto found = loops.byThread.find(thread);
    if (found != loops.byThread.end())
        return found->second;
    if (!create)
        return nullptr;
    NSRunLoop* loop = NSRunLoop::alloc();
    RuntimeAccess::MakePersistent(loop);
    loop->GetState().thread = thread;
    loops.byThread.emplace(thread, loop);
    return loop;
}

std::vector<NSRunLoop*> AllLoops()
{
    LoopList& loops = GetLoops();
    std::lock_guard<std::mutex> guard(loops.lock);
    std::vector<NSRunLoop*> result;
    for (const auto& entry : loops.byThread)
        result.push_back(entry.second);
    return result;
}

bool IsDue(const CFRunLoopTimer* timer, RunLoopModes mode, double now)
{
    return (timer->GetState().modes & mode) && !timer->GetState().spent && timer->GetState().next <= now;
}

bool HasWorkNow(NSRunLoop* loop, RunLoopModes mode)
{
    NSRunLoop::State& state = loop->GetState();
    {
        const double now = TimerNow();
        std::lock_guard<std::mutex> guard(state.lock);
        if (!state.performs.empty())
            return true;
        for (const CFRunLoopTimer* timer : state.timers)
            if (IsDue(timer, mode, now))
                return true;
    }
    SourceList& sources = GetSources();
    const int count = sources.count.load(std::memory_order_acquire);
    for (int i = 0; i < count; ++i)
        if ((sources.sources[i].modes & mode) && sources.sources[i].ready(loop))
            return true;
    return false;
}

// The earliest date a timer of the mode fires at, or infinity.
double EarliestFireDate(NSRunLoop* loop, RunLoopModes mode)
{
    NSRunLoop::State& state = loop->GetState();
    std::lock_guard<std::mutex> guard(state.lock);
    double earliest = kInfinity;
    for (const CFRunLoopTimer* timer : state.timers)
        if ((timer->GetState().modes & mode) && !timer->GetState().spent)
            earliest = std::min(earliest, timer->GetState().next);
    return earliest;
}

void FireTimer(NSRunLoop* loop, CFRunLoopTimer* timer, RunLoopModes mode, double now)
{
    NSRunLoop::State& state = loop->GetState();
    {
        // An earlier callout of this iteration may have removed it.
        std::lock_guard<std::mutex> guard(state.lock);
        if (timer->GetState().loop != loop || !IsDue(timer, mode, now))
            return;
    }
    if (timer->GetState().callout)
        timer->GetState().callout(timer, timer->GetState().context.info);
    std::lock_guard<std::mutex> guard(state.lock);
    if (timer->GetState().loop != loop)
        return;
    if (timer->GetState().interval > 0.0)
        timer->GetState().next = NextFireDate(timer->GetState().first, timer->GetState().interval, TimerNow());
    else
        timer->GetState().spent = true;
}

// One iteration; true when it ran a perform or a source handled something.
bool Iterate(NSRunLoop* loop, RunLoopModes mode)
{
    NSRunLoop::State& state = loop->GetState();
    NSAutoreleasePool* pool = NSAutoreleasePool::alloc()->init();
    const double now = TimerNow();
    PerformQueue performs;
    std::vector<CFRunLoopTimer*> due;
    {
        std::lock_guard<std::mutex> guard(state.lock);
        state.woken = false;
        performs.swap(state.performs);
        for (CFRunLoopTimer* timer : state.timers) {
            if (IsDue(timer, mode, now)) {
                // Kept alive through its callout, whatever the callout does to it.
                timer->retain();
                due.push_back(timer);
            }
        }
    }
    std::sort(due.begin(), due.end(), [](const CFRunLoopTimer* a, const CFRunLoopTimer* b) {
        return a->GetState().next < b->GetState().next || (a->GetState().next == b->GetState().next && a->GetState().sequence < b->GetState().sequence);
    });
    for (CFRunLoopTimer* timer : due) {
        FireTimer(loop, timer, mode, now);
        timer->release();
    }
    bool handled = !performs.empty();
    for (auto& request : performs)
        RunPerform(*request);
    SourceList& sources = GetSources();
    const int count = sources.count.load(std::memory_order_acquire);
    for (int i = 0; i < count; ++i)
        if ((sources.sources[i].modes & mode) && sources.sources[i].serve(loop, mode))
            handled = true;
    pool->drain();
    return handled;
}

// Sleeps until the loop is woken or seconds have passed.
void WaitForWork(NSRunLoop* loop, double seconds)
{
    NSRunLoop::State& state = loop->GetState();
    std::unique_lock<std::mutex> guard(state.lock);
    if (seconds > 0.0 && !state.woken)
        state.wakeSignal.wait_for(guard, std::chrono::duration<double>(std::min(seconds, 3600.0)),
                                  [&] { return state.woken; });
    state.woken = false;
}

enum class EDrain { Idle, HandledSource, Limit };

// Iterations while there is work now.
EDrain DrainWork(NSRunLoop* loop, RunLoopModes mode, bool returnAfterSourceHandled, long& iterations)
{
    while (HasWorkNow(loop, mode)) {
        if (++iterations > kIterationLimit) {
            ReportF("a run loop still had work after %ld iterations: stopped", kIterationLimit);
            return EDrain::Limit;
        }
        if (Iterate(loop, mode) && returnAfterSourceHandled)
            return EDrain::HandledSource;
    }
    return EDrain::Idle;
}

int32_t RunLoopFor(NSRunLoop* loop, RunLoopModes mode, double seconds, bool returnAfterSourceHandled)
{
    if (!(seconds > 0.0))
        seconds = 0.0;
    const bool isVirtual = g_virtualClock.load(std::memory_order_acquire);
    const double end = TimerNow() + seconds;
    long iterations = 0;
    for (;;) {
        EDrain drained = DrainWork(loop, mode, returnAfterSourceHandled, iterations);
        if (drained == EDrain::HandledSource)
            return kCFRunLoopRunHandledSource;
        const double now = TimerNow();
        if (drained == EDrain::Limit || now >= end)
            return kCFRunLoopRunTimedOut;
        const double until = std::min(EarliestFireDate(loop, mode), end);
        if (isVirtual)
            AdvanceVirtualClock(until);
        else
            WaitForWork(loop, until - now);
    }
}

RunLoopModes ModeBits(CFStringRef mode, const char* call)
{
    struct Known {
        CFStringRef constant;
        RunLoopModes bits;
    };
    const Known known[] = {{kCFRunLoopDefaultMode, kRunLoopDefaultModeBit},
                           {NSModalPanelRunLoopMode, kRunLoopModalModeBit},
                           {kCFRunLoopCommonModes, kRunLoopCommonModeBits}};
    for (const Known& k : known)
        if (mode == k.constant || (mode && mode->isEqualToString(k.constant)))
            return k.bits;
    ReportF("%s: unknown run-loop mode \"%s\"", call, mode ? mode->UTF8String() : "(null)");
    return 0;
}

} // namespace

const CFStringRef kCFRunLoopDefaultMode = MakeConstant("kCFRunLoopDefaultMode");
const CFStringRef kCFRunLoopCommonModes = MakeConstant("kCFRunLoopCommonModes");
NSString* const NSModalPanelRunLoopMode = const_cast<NSString*>(MakeConstant("NSModalPanelRunLoopMode"));

// The internal interface

void AddRunLoopSource(RunLoopSource source)
{
    SourceList& sources = GetSources();
    const int index = sources.count.load(std::memory_order_relaxed);
    if (index >= kMaxRunLoopSources || !source.ready || !source.serve) {
        ReportF("AddRunLoopSource: a source without functions, or more than %d sources", kMaxRunLoopSources);
        return;
    }
    sources.sources[index] = std::move(source);
    sources.count.store(index + 1, std::memory_order_release);
}

void WakeRunLoop(NSRunLoop* loop)
{
    NSRunLoop::State& state = loop->GetState();
    {
        std::lock_guard<std::mutex> guard(state.lock);
        state.woken = true;
    }
    state.wakeSignal.notify_all();
}

RunLoopModes CurrentRunLoopMode(NSRunLoop* loop)
{
    const auto& running = loop->GetState().running;
    return running.empty() ? kRunLoopDefaultModeBit : running.back();
}

NSThread* RunLoopThread(NSRunLoop* loop)
{
    return loop->GetState().thread;
}

int32_t RunCurrentLoop(RunLoopModes mode, double seconds, bool returnAfterSourceHandled)
{
    NSRunLoop* loop = NSRunLoop::currentRunLoop();
    auto& running = loop->GetState().running;
    running.push_back(mode);
    const int32_t result = RunLoopFor(loop, mode, seconds, returnAfterSourceHandled);
    running.pop_back();
    return result;
}

void RunLoopThreadEnded(NSThread* thread)
{
    NSRunLoop* loop = LoopOf(thread, false);
    if (!loop)
        return;
    NSRunLoop::State& state = loop->GetState();
    PerformQueue performs;
    {
        std::lock_guard<std::mutex> guard(state.lock);
        state.threadEnded = true;
        performs.swap(state.performs);
    }
    if (!performs.empty())
        ReportF("a thread ended with %zu performs queued for it: dropped", performs.size());
    DropPerforms(performs);
}

void ResetRunLoops()
{
    for (NSRunLoop* loop : AllLoops()) {
        NSRunLoop::State& state = loop->GetState();
        std::vector<CFRunLoopTimer*> timers;
        PerformQueue performs;
        {
            std::lock_guard<std::mutex> guard(state.lock);
            timers.swap(state.timers);
            performs.swap(state.performs);
            for (CFRunLoopTimer* timer : timers) {
                timer->GetState().loop = nullptr;
                timer->GetState().modes = 0;
            }
        }
        for (CFRunLoopTimer* timer : timers)
            timer->release();
        DropPerforms(performs);
    }
    g_virtualNow.store(kVirtualStart, std::memory_order_release);
}

namespace {

void CountInstalled(size_t& timers, size_t& performs)
{
    timers = 0;
    performs = 0;
    for (NSRunLoop* loop : AllLoops()) {
        NSRunLoop::State& state = loop->GetState();
        std::lock_guard<std::mutex> guard(state.lock);
        timers += state.timers.size();
        performs += state.performs.size();
    }
}

} // namespace

std::string RunLoopProblems()
{
    size_t timers;
    size_t performs;
    CountInstalled(timers, performs);
    if (timers == 0 && performs == 0)
        return "";
    return "run loops: " + std::to_string(timers) + " timers still installed, " + std::to_string(performs) +
           " performs still queued";
}

// Loops

NSRunLoop::NSRunLoop() : m_State(new State) {}

NSRunLoop::~NSRunLoop()
{
    delete m_State;
}

NSRunLoop* NSRunLoop::currentRunLoop()
{
    return LoopOf(NSThread::currentThread(), true);
}

NSRunLoop* NSRunLoop::mainRunLoop()
{
    NSThread* main = NSThread::mainThread();
    return main ? LoopOf(main, true) : nullptr;
}

void NSObject::performSelector(SEL sel, NSThread* thread, id object, BOOL wait)
{
    const char* encoding = MethodEncoding(class_(), sel);
    bool withObject;
    if (encoding && std::strcmp(encoding, Encoding<void()>()) == 0) {
        withObject = false;
    } else if (encoding && std::strcmp(encoding, Encoding<void(id)>()) == 0) {
        withObject = true;
    } else {
        ReportF("performSelector %s on %s: %s", sel_getName(sel) ? sel_getName(sel) : "(null)",
                class_getName(class_()), encoding ? "its method takes other arguments than none or one object"
                                                  : "no such method");
        return;
    }
    if (!thread || !thread->IsRunning()) {
        ReportF("performSelector %s: %s", sel_getName(sel), thread ? "the thread has ended" : "no thread");
        return;
    }
    auto request = std::make_shared<PerformRequest>();
    request->receiver = retain();
    request->sel = sel;
    request->object = object ? object->retain() : nullptr;
    request->withObject = withObject;
    if (wait && thread == NSThread::currentThread()) {
        RunPerform(*request);
        return;
    }
    NSRunLoop::State& state = LoopOf(thread, true)->GetState();
    bool queued = false;
    {
        std::lock_guard<std::mutex> guard(state.lock);
        if (!state.threadEnded) {
            state.performs.push_back(request);
            state.woken = true;
            queued = true;
        }
    }
    if (!queued) {
        // The thread ended between the two checks.
        ReportF("performSelector %s: the thread has ended", sel_getName(sel));
        FinishPerform(*request);
        return;
    }
    state.wakeSignal.notify_all();
    if (!wait)
        return;
    std::unique_lock<std::mutex> guard(request->lock);
    const double watchdog = g_watchdogSeconds.load(std::memory_order_acquire);
    if (watchdog <= 0.0) {
        request->doneSignal.wait(guard, [&] { return request->done; });
        return;
    }
    if (!request->doneSignal.wait_for(guard, std::chrono::duration<double>(watchdog), [&] { return request->done; })) {
        guard.unlock();
        ReportF("a perform of %s waited more than %g s of real time: nothing served it", sel_getName(sel), watchdog);
    }
}

// CoreFoundation

CFAbsoluteTime CFAbsoluteTimeGetCurrent()
{
    if (g_virtualClock.load(std::memory_order_acquire))
        return g_virtualNow.load(std::memory_order_acquire);
    return WallSeconds();
}

CFRunLoopRef CFRunLoopGetCurrent()
{
    return NSRunLoop::currentRunLoop();
}

CFRunLoopRef CFRunLoopGetMain()
{
    return NSRunLoop::mainRunLoop();
}

CFRunLoopRunResult CFRunLoopRunInMode(CFStringRef mode, CFTimeInterval seconds, Boolean returnAfterSourceHandled)
{
    RunLoopModes bits = ModeBits(mode, "CFRunLoopRunInMode");
    if (bits == kRunLoopCommonModeBits) {
        ReportF("CFRunLoopRunInMode: a loop runs in one mode, not in the common modes");
        bits = 0;
    }
    if (!bits)
        return kCFRunLoopRunFinished;
    return RunCurrentLoop(bits, seconds, returnAfterSourceHandled != 0);
}

void CFRunLoopWakeUp(CFRunLoopRef loop)
{
    if (!loop) {
        ReportF("CFRunLoopWakeUp(NULL)");
        return;
    }
    WakeRunLoop(loop);
}

CFRunLoopTimerRef CFRunLoopTimerCreate(CFAllocatorRef, CFAbsoluteTime fireDate, CFTimeInterval interval, CFOptionFlags,
                                       CFIndex, CFRunLoopTimerCallBack callout, CFRunLoopTimerContext* context)
{
    CFRunLoopTimer* timer = CFRunLoopTimer::alloc();
    if (std::isnan(fireDate) || std::isnan(interval)) {
        ReportF("CFRunLoopTimerCreate: a date or interval that is not a number; the timer never fires");
        fireDate = kInfinity;
        interval = 0.0;
    }
    timer->GetState().first = fireDate;
    timer->GetState().next = fireDate;
    timer->GetState().interval = interval;
    timer->GetState().callout = callout;
    if (context) {
        timer->GetState().context = *context;
        if (context->retain && context->info)
            timer->GetState().context.info = const_cast<void*>(context->retain(context->info));
    }
    return timer;
}

CFAbsoluteTime CFRunLoopTimerGetNextFireDate(CFRunLoopTimerRef timer)
{
    if (!timer) {
        ReportF("CFRunLoopTimerGetNextFireDate(NULL)");
        return 0.0;
    }
    NSRunLoop* loop = timer->GetState().loop;
    if (!loop)
        return timer->GetState().next;
    std::lock_guard<std::mutex> guard(loop->GetState().lock);
    return timer->GetState().next;
}

CFTimeInterval CFRunLoopTimerGetInterval(CFRunLoopTimerRef timer)
{
    if (!timer) {
        ReportF("CFRunLoopTimerGetInterval(NULL)");
        return 0.0;
    }
    return timer->GetState().interval;
}

namespace {

// The mode bits of a timer call, or 0 after reporting a null loop or timer or an unknown mode.
RunLoopModes TimerCallModes(CFRunLoopRef loop, CFRunLoopTimerRef timer, CFStringRef mode, const char* call)
{
    if (!loop || !timer) {
        ReportF("%s: a null loop or timer", call);
        return 0;
    }
    return ModeBits(mode, call);
}

} // namespace

void CFRunLoopAddTimer(CFRunLoopRef loop, CFRunLoopTimerRef timer, CFStringRef mode)
{
    RunLoopModes bits = TimerCallModes(loop, timer, mode, "CFRunLoopAddTimer");
    if (!bits)
        return;
    NSRunLoop::State& state = loop->GetState();
    CFRunLoopTimer::State& schedule = timer->GetState();
    {
        std::lock_guard<std::mutex> guard(state.lock);
        if (schedule.loop && schedule.loop != loop)
            bits = 0;
        if (bits && !schedule.loop) {
            timer->retain();
            schedule.loop = loop;
            schedule.sequence = state.nextSequence++;
            state.timers.push_back(timer);
        }
        schedule.modes |= bits;
        state.woken = true;
    }
    if (!bits) {
        ReportF("CFRunLoopAddTimer: the timer is in another loop");
        return;
    }
    state.wakeSignal.notify_all();
}

void CFRunLoopRemoveTimer(CFRunLoopRef loop, CFRunLoopTimerRef timer, CFStringRef mode)
{
    const RunLoopModes bits = TimerCallModes(loop, timer, mode, "CFRunLoopRemoveTimer");
    if (!bits)
        return;
    NSRunLoop::State& state = loop->GetState();
    CFRunLoopTimer::State& schedule = timer->GetState();
    {
        std::lock_guard<std::mutex> guard(state.lock);
        if (schedule.loop != loop)
            return;
        schedule.modes &= ~bits;
        if (schedule.modes)
            return;
        schedule.loop = nullptr;
        state.timers.erase(std::find(state.timers.begin(), state.timers.end(), timer));
    }
    timer->release();
}

Boolean CFRunLoopContainsTimer(CFRunLoopRef loop, CFRunLoopTimerRef timer, CFStringRef mode)
{
    const RunLoopModes bits = TimerCallModes(loop, timer, mode, "CFRunLoopContainsTimer");
    if (!bits)
        return false;
    std::lock_guard<std::mutex> guard(loop->GetState().lock);
    return timer->GetState().loop == loop && (timer->GetState().modes & bits) == bits;
}

// The harness

namespace Harness {

void UseVirtualClock(bool on)
{
    g_virtualNow.store(kVirtualStart, std::memory_order_release);
    g_virtualClock.store(on, std::memory_order_release);
}

bool IsVirtualClock()
{
    return g_virtualClock.load(std::memory_order_acquire);
}

void RunUntilIdle()
{
    NSRunLoop* loop = NSRunLoop::currentRunLoop();
    RunCurrentLoop(CurrentRunLoopMode(loop), 0.0, false);
}

void RunFor(double milliseconds)
{
    NSRunLoop* loop = NSRunLoop::currentRunLoop();
    RunCurrentLoop(CurrentRunLoopMode(loop), milliseconds / 1000.0, false);
}

bool RunUntil(const std::function<bool()>& condition, double seconds)
{
    NSRunLoop* loop = NSRunLoop::currentRunLoop();
    const RunLoopModes mode = CurrentRunLoopMode(loop);
    const double end = MonotonicSeconds() + seconds;
    long iterations = 0;
    for (;;) {
        const bool limited = DrainWork(loop, mode, false, iterations) == EDrain::Limit;
        if (condition())
            return true;
        const double now = MonotonicSeconds();
        if (limited || now >= end) {
            ReportF("RunUntil: the condition did not hold within %g s", seconds);
            return false;
        }
        double wait = std::min(end - now, kConditionPollSeconds);
        if (!g_virtualClock.load(std::memory_order_acquire))
            wait = std::min(wait, EarliestFireDate(loop, mode) - TimerNow());
        WaitForWork(loop, wait);
    }
}

size_t QueuedPerforms()
{
    size_t timers;
    size_t performs;
    CountInstalled(timers, performs);
    return performs;
}

void SetWatchdog(double seconds)
{
    g_watchdogSeconds.store(seconds > 0.0 ? seconds : 0.0, std::memory_order_release);
}

} // namespace Harness

// The classes

void DefineRunLoopClasses(Class root)
{
    DefineBuiltinClassUnchecked(NSRunLoop::kClassName, root, &MakeBuiltin<NSRunLoop>, nullptr);
    DefineBuiltinClassUnchecked(CFRunLoopTimer::kClassName, root, &MakeBuiltin<CFRunLoopTimer>, nullptr);
    DefineBuiltinClassUnchecked(NSNotification::kClassName, root, &MakeBuiltin<NSNotification>, nullptr);
    DefineBuiltinClassUnchecked(NSNotificationCenter::kClassName, root, &MakeBuiltin<NSNotificationCenter>, nullptr);
}

} // namespace Native
