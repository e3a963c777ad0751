#include "Veltis/GUI/COSXThreadInvoker.h"

#include "Native/Foundation.h"
#include "Veltis/Core/CAutoLock.h"
#include "Veltis/Core/ICommand.h"
#include "Veltis/GUI/OSXGUIUtils.h"

#include <condition_variable>
#include <mutex>

namespace Veltis {
namespace GUI {

namespace {

const char* const kCallbackData = "ObjCCallbackClass_callbackData";
const char* const kCallbackDataEncoding =
    "^{CallbackStruct={TOwnership<Veltis::Core::ICommand>=^^?^{ICommand}i}@^{COSXThreadInvoker}}";
const Native::SEL kOnCallback = Native::sel_registerName("OnCallback");

// Guards the record pointer of every callback object and the invokers' counts of callbacks in flight,
// so that a callback on the GUI thread never takes a record, or its invoker, that another thread is
// discarding. Never held while an invoker's own locks are taken.
struct CallbackGuard {
    std::mutex lock;
    std::condition_variable idle;
};

CallbackGuard& GetCallbackGuard()
{
    static CallbackGuard* const guard = new CallbackGuard;
    return *guard;
}

void SetRecord(Native::id callbackObject, COSXThreadInvoker::CallbackStruct* record)
{
    std::lock_guard<std::mutex> guard(GetCallbackGuard().lock);
    Native::object_setInstanceVariable(callbackObject, kCallbackData, record);
}

} // namespace

COSXThreadInvoker::CallbackStruct::CallbackStruct(Core::ICommand* command, bool own, COSXThreadInvoker* invoker)
    : m_Command(command, own ? 1 : 0), m_CallbackObject(nullptr), m_Invoker(invoker)
{
    Native::Class cls = OSXGUIUtils::GetFixedPurposeClass("COSXThreadInvoker_ObjCCallback", [](Native::Class made) {
        OSXGUIUtils::AddMethodVoid(made, kOnCallback, &COSXThreadInvoker::OnCallback);
        Native::class_addIvar(made, kCallbackData, 8, 3, kCallbackDataEncoding);
    });
    m_CallbackObject = Native::class_createInstance(cls, 0);
    // Not yet seen by any other thread.
    Native::object_setInstanceVariable(m_CallbackObject, kCallbackData, this);
}

COSXThreadInvoker::CallbackStruct::~CallbackStruct() {}

COSXThreadInvoker::COSXThreadInvoker(Native::NSThread* thread) : m_Thread(thread) {}

COSXThreadInvoker::~COSXThreadInvoker()
{
    CancelPending();
    CallbackGuard& guard = GetCallbackGuard();
    std::unique_lock<std::mutex> lock(guard.lock);
    guard.idle.wait(lock, [this] { return m_CallbacksInFlight == 0; });
}

bool COSXThreadInvoker::Send(Core::ICommand* command, bool own)
{
    return Invoke(command, own, true);
}

bool COSXThreadInvoker::Post(Core::ICommand* command, bool own)
{
    return Invoke(command, own, false);
}

void COSXThreadInvoker::SetThread(Native::NSThread* thread)
{
    m_Thread.store(thread, std::memory_order_release);
}

bool COSXThreadInvoker::Invoke(Core::ICommand* command, bool own, bool wait)
{
    Native::NSThread* thread = m_Thread.load(std::memory_order_acquire);
    // A thread that has ended would never serve the request: no hand-off, as without a thread.
    if (!OSXGUIUtils::CastTo(thread, Native::NSThread::classObject()) || !thread->IsRunning()) {
        if (own && command)
            delete command;
        return false;
    }
    auto* record = new CallbackStruct(command, own, this);
    // Read before the record is shared: CancelPending may delete it at once.
    Native::id callbackObject = record->m_CallbackObject;
    {
        Core::CAutoLock lock(&m_PendingLock);
        m_Pending.insert(record);
    }
    callbackObject->performSelector(kOnCallback, thread, nullptr, wait ? Native::YES : Native::NO);
    return true;
}

void COSXThreadInvoker::OnCallback(Native::id self, Native::SEL)
{
    CallbackGuard& guard = GetCallbackGuard();
    CallbackStruct* record = nullptr;
    COSXThreadInvoker* invoker = nullptr;
    {
        std::lock_guard<std::mutex> lock(guard.lock);
        void* data = nullptr;
        Native::object_getInstanceVariable(self, kCallbackData, &data);
        record = static_cast<CallbackStruct*>(data);
        if (record) {
            invoker = record->m_Invoker;
            ++invoker->m_CallbacksInFlight;
        }
    }
    if (invoker) {
        invoker->RunCallback(record);
        std::lock_guard<std::mutex> lock(guard.lock);
        if (--invoker->m_CallbacksInFlight == 0)
            guard.idle.notify_all();
    }
    self->release();
}

void COSXThreadInvoker::RunCallback(CallbackStruct* record)
{
    m_RunLock.Lock();
    m_PendingLock.Lock();
    if (!m_Pending.erase(record)) {
        // Discarded meanwhile.
        m_PendingLock.Unlock();
        m_RunLock.Unlock();
        return;
    }
    m_PendingLock.Unlock();
    if (Core::ICommand* command = record->m_Command.Get())
        command->Execute();
    SetRecord(record->m_CallbackObject, nullptr);
    delete record;
    m_RunLock.Unlock();
}

void COSXThreadInvoker::CancelPending()
{
    m_RunLock.Lock();
    m_PendingLock.Lock();
    std::set<CallbackStruct*> discarded;
    discarded.swap(m_Pending);
    for (CallbackStruct* record : discarded) {
        // The request still arrives: it then finds nothing and only releases its object.
        SetRecord(record->m_CallbackObject, nullptr);
        delete record;
    }
    m_PendingLock.Unlock();
    m_RunLock.Unlock();
}

} // namespace GUI
} // namespace Veltis
