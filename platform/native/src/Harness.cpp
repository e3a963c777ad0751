#include "Native/Harness.h"

#include "Internal.h"

#include "Native/Foundation.h"

#include <cstdarg>
#include <cstdio>
#include <map>
#include <mutex>

namespace Native {

namespace {

struct HarnessState {
    std::mutex lock;
    Harness::FailureHandler handler;
    std::vector<std::function<void()>> resetHooks;
    std::vector<std::function<std::string()>> cleanChecks;
    NSAutoreleasePool* outerPool = nullptr;
    std::atomic<Harness::EPolicy> policy{Harness::EPolicy::Lenient};
};

HarnessState& GetState()
{
    static HarnessState* const state = new HarnessState;
    return *state;
}

void CloseOuterPool()
{
    HarnessState& state = GetState();
    NSAutoreleasePool* pool;
    {
        std::lock_guard<std::mutex> guard(state.lock);
        pool = state.outerPool;
        state.outerPool = nullptr;
    }
    if (pool)
        pool->release();
}

} // namespace

void ReportF(const char* format, ...)
{
    char buffer[1024];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    Harness::Report(buffer);
}

namespace Harness {

void SetFailureHandler(FailureHandler handler)
{
    HarnessState& state = GetState();
    std::lock_guard<std::mutex> guard(state.lock);
    state.handler = std::move(handler);
}

void SetPolicy(EPolicy policy)
{
    GetState().policy.store(policy);
}

EPolicy GetPolicy()
{
    return GetState().policy.load();
}

void Report(const std::string& message)
{
    HarnessState& state = GetState();
    FailureHandler handler;
    if (state.policy.load() == EPolicy::Strict) {
        std::lock_guard<std::mutex> guard(state.lock);
        handler = state.handler;
    }
    if (handler)
        handler(message);
    else
        std::fprintf(stderr, "native: %s\n", message.c_str());
}

void Reset()
{
    ResetWindows();
    ResetRunLoops();
    CloseOuterPool();
    DrainFallbackPools();
    NSAutoreleasePool* pool = NSAutoreleasePool::alloc()->init();
    HarnessState& state = GetState();
    std::vector<std::function<void()>> hooks;
    {
        std::lock_guard<std::mutex> guard(state.lock);
        state.outerPool = pool;
        hooks = state.resetHooks;
    }
    // After the outer pool, which is the harness's own.
    NextGeneration();
    for (const auto& hook : hooks)
        hook();
}

size_t LiveObjects(const char* className)
{
    Class cls = className ? objc_getClass(className) : nullptr;
    if (className && !cls)
        return 0;
    const uint64_t generation = CurrentGeneration();
    size_t count = 0;
    ForEachLiveObject([&](const NSObject* object) {
        if (RuntimeAccess::Generation(object) >= generation && (!cls || object->isKindOfClass(cls)))
            ++count;
    });
    return count;
}

bool CheckClean()
{
    CloseOuterPool();
    DrainFallbackPools();
    const uint64_t generation = CurrentGeneration();
    std::map<std::string, size_t> leaks;
    ForEachLiveObject([&](const NSObject* object) {
        if (RuntimeAccess::Generation(object) >= generation)
            ++leaks[class_getName(object->class_())];
    });
    bool clean = true;
    if (!leaks.empty()) {
        std::string message = "objects leaked:";
        for (const auto& leak : leaks)
            message += " " + std::to_string(leak.second) + " " + leak.first;
        Report(message);
        clean = false;
    }
    for (const std::string& problem : {RunLoopProblems(), WindowProblems()})
        if (!problem.empty()) {
            Report(problem);
            clean = false;
        }
    std::vector<std::function<std::string()>> checks;
    {
        HarnessState& state = GetState();
        std::lock_guard<std::mutex> guard(state.lock);
        checks = state.cleanChecks;
    }
    for (const auto& check : checks) {
        std::string problem = check();
        if (!problem.empty()) {
            Report(problem);
            clean = false;
        }
    }
    return clean;
}

void RegisterResetHook(std::function<void()> hook)
{
    HarnessState& state = GetState();
    std::lock_guard<std::mutex> guard(state.lock);
    state.resetHooks.push_back(std::move(hook));
}

void RegisterCleanCheck(std::function<std::string()> check)
{
    HarnessState& state = GetState();
    std::lock_guard<std::mutex> guard(state.lock);
    state.cleanChecks.push_back(std::move(check));
}

} // namespace Harness
} // namespace Native
