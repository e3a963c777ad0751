#pragma once

namespace Veltis {
namespace Core {

// How the last holder disposes of the shared instance; specialised (through the second argument,
// for whole families of types) by types that must not be deleted on some threads.
template <class T, class Family = void>
struct TSingletonDeleter {
    static void Delete(T* instance) { delete instance; }
};

// One reference to an instance shared by the whole process: the first reference taken creates it,
// the last one released deletes it. L is the lock type; one lock per instantiation serialises every
// holder, so that racing first uses create exactly one instance.
template <class T, class L>
class TSingletonInstance {
public:
    TSingletonInstance() : m_Acquired(false) {}
    virtual ~TSingletonInstance() { Release(); }

    TSingletonInstance(const TSingletonInstance&) = delete;
    TSingletonInstance& operator=(const TSingletonInstance&) = delete;

    // Takes this holder's reference at the first call; returns the shared instance.
    T* GetInstance()
    {
        SShared& shared = GetShared();
        shared.m_Lock.Lock();
        if (!m_Acquired) {
            m_Acquired = true;
            if (++shared.m_Count == 1)
                shared.m_Instance = CreateInstance();
        }
        T* instance = shared.m_Instance;
        shared.m_Lock.Unlock();
        return instance;
    }

    bool IsAcquired() const
    {
        SShared& shared = GetShared();
        shared.m_Lock.Lock();
        const bool acquired = m_Acquired;
        shared.m_Lock.Unlock();
        return acquired;
    }

protected:
    virtual T* CreateInstance() { return new T(); }

private:
    struct SShared {
        L m_Lock;
        int m_Count = 0;
        T* m_Instance = nullptr;
    };

    // Never destroyed, so that holders destroyed during static destruction still find it.
    static SShared& GetShared()
    {
        static SShared* shared = new SShared();
        return *shared;
    }

    void Release()
    {
        SShared& shared = GetShared();
        T* last = nullptr;
        shared.m_Lock.Lock();
        if (m_Acquired) {
            m_Acquired = false;
            if (--shared.m_Count == 0) {
                last = shared.m_Instance;
                shared.m_Instance = nullptr;
            }
        }
        shared.m_Lock.Unlock();
        // Outside the lock: deleting may wait for the instance's own thread, which may want the lock.
        if (last)
            TSingletonDeleter<T>::Delete(last);
    }

    bool m_Acquired;
};

} // namespace Core
} // namespace Veltis
