#include "Internal.h"

#include "Native/Foundation.h"

#include <algorithm>
#include <mutex>

namespace Native {

namespace {

struct ThreadPools;
void AbandonPools(std::vector<NSAutoreleasePool*>& stack);

// The fallback pools of all threads, so that the harness can drain them.
struct FallbackList {
    // Recursive: a deallocation while the harness drains may make this thread's pools.
    std::recursive_mutex lock;
    std::vector<ThreadPools*> pools;
};

FallbackList& GetFallbackList()
{
    static FallbackList* const list = new FallbackList;
    return *list;
}

void ReleaseAll(std::vector<NSObject*>& objects)
{
    while (!objects.empty()) {
        NSObject* object = objects.back();
        objects.pop_back();
        object->release();
    }
}

struct ThreadPools {
    std::vector<NSAutoreleasePool*> stack;
    // Objects autoreleased without a pool; the harness drains them from other threads.
    std::mutex fallbackLock;
    std::vector<NSObject*> fallback;

    ThreadPools()
    {
        FallbackList& list = GetFallbackList();
        std::lock_guard<std::recursive_mutex> guard(list.lock);
        list.pools.push_back(this);
    }

    ~ThreadPools()
    {
        {
            FallbackList& list = GetFallbackList();
            std::lock_guard<std::recursive_mutex> guard(list.lock);
            list.pools.erase(std::find(list.pools.begin(), list.pools.end(), this));
        }
        AbandonPools(stack);
        DrainFallback();
    }

    void DrainFallback()
    {
        for (;;) {
            std::vector<NSObject*> objects;
            {
                std::lock_guard<std::mutex> guard(fallbackLock);
                objects.swap(fallback);
            }
            if (objects.empty())
                return;
            ReleaseAll(objects);
        }
    }
};

thread_local ThreadPools t_pools;

} // namespace

struct PoolAccess {
    static void Push(NSObject* object)
    {
        // A pool in a pool would free itself while it drains.
        if (object->isKindOfClass(NSAutoreleasePool::classObject())) {
            ReportF("autorelease of an autorelease pool: ignored");
            return;
        }
        ThreadPools& pools = t_pools;
        if (!pools.stack.empty()) {
            pools.stack.back()->m_Objects.push_back(object);
            return;
        }
        ReportF("autorelease of an instance of %s without a pool: kept until the thread ends",
                class_getName(object->class_()));
        std::lock_guard<std::mutex> guard(pools.fallbackLock);
        pools.fallback.push_back(object);
    }

    static void Detach(NSAutoreleasePool* pool) { pool->m_Owner = nullptr; }
    static void Empty(NSAutoreleasePool* pool) { ReleaseAll(pool->m_Objects); }

    static void Pop(NSAutoreleasePool* pool)
    {
        auto* owner = static_cast<ThreadPools*>(pool->m_Owner);
        if (!owner) {
            Empty(pool);
            return;
        }
        if (owner != &t_pools)
            ReportF("an autorelease pool released on another thread than its own");
        auto& stack = owner->stack;
        if (std::find(stack.begin(), stack.end(), pool) == stack.end()) {
            Empty(pool);
            return;
        }
        // Inner pools first, each with whatever its objects' deallocation adds to it.
        while (stack.back() != pool) {
            NSAutoreleasePool* inner = stack.back();
            Empty(inner);
            if (stack.back() == inner) {
                stack.pop_back();
                inner->m_Owner = nullptr;
            }
        }
        Empty(pool);
        stack.pop_back();
        pool->m_Owner = nullptr;
    }
};

NSAutoreleasePool* NSAutoreleasePool::init()
{
    if (m_Owner) {
        ReportF("an autorelease pool initialised twice");
        return this;
    }
    ThreadPools& pools = t_pools;
    m_Owner = &pools;
    pools.stack.push_back(this);
    return this;
}

void NSAutoreleasePool::drain()
{
    release();
}

NSAutoreleasePool::~NSAutoreleasePool()
{
    PoolAccess::Pop(this);
}

id NSObject::autorelease()
{
    if (!m_Immortal)
        PoolAccess::Push(this);
    return this;
}

namespace {

// The thread ends with pools open: their objects go, the pool objects stay with their holders.
void AbandonPools(std::vector<NSAutoreleasePool*>& stack)
{
    while (!stack.empty()) {
        NSAutoreleasePool* pool = stack.back();
        PoolAccess::Empty(pool);
        if (stack.back() == pool) {
            stack.pop_back();
            PoolAccess::Detach(pool);
        }
    }
}

} // namespace

void DrainFallbackPools()
{
    // Under the lock, so that no thread's pools go while they are drained.
    FallbackList& list = GetFallbackList();
    std::lock_guard<std::recursive_mutex> guard(list.lock);
    std::vector<ThreadPools*> pools = list.pools;
    for (ThreadPools* threadPools : pools)
        threadPools->DrainFallback();
}

} // namespace Native
