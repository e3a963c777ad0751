#include "Internal.h"

#include "Native/Foundation.h"

#include <algorithm>
#include <memory>
#include <mutex>

namespace Native {

namespace {

struct Entry {
    id observer;
    SEL sel;
    // Null matches every name and every object.
    NSString* name;
    id object;
    // Set under the center's lock when the entry goes, so that a post in progress skips it.
    std::atomic<bool> removed{false};

    ~Entry()
    {
        if (name)
            name->release();
    }
};

std::atomic<NSNotificationCenter*> g_defaultCenter{nullptr};

bool SameName(const NSString* a, const NSString* b)
{
    return a == b || (a && b && a->isEqualToString(b));
}

} // namespace

struct NSNotificationCenter::State {
    std::mutex lock;
    std::vector<std::shared_ptr<Entry>> entries;

    // Removes the entries that match, under the lock.
    template <class Match>
    void RemoveWhere(Match match)
    {
        std::lock_guard<std::mutex> guard(lock);
        auto first = std::remove_if(entries.begin(), entries.end(), [&](const std::shared_ptr<Entry>& entry) {
            if (!match(*entry))
                return false;
            entry->removed.store(true, std::memory_order_release);
            return true;
        });
        entries.erase(first, entries.end());
    }
};

NSNotification* NSNotification::Make(NSString* name, id object)
{
    NSNotification* notification = alloc();
    notification->m_Name = name ? static_cast<NSString*>(name->retain()) : nullptr;
    notification->m_Object = object;
    return notification;
}

NSNotification::~NSNotification()
{
    if (m_Name)
        m_Name->release();
}

NSNotificationCenter::NSNotificationCenter() : m_State(new State) {}

NSNotificationCenter::~NSNotificationCenter()
{
    delete m_State;
}

NSNotificationCenter* NSNotificationCenter::defaultCenter()
{
    static NSNotificationCenter* const center = [] {
        NSNotificationCenter* made = alloc();
        RuntimeAccess::MakePersistent(made);
        g_defaultCenter.store(made, std::memory_order_release);
        return made;
    }();
    return center;
}

void NSNotificationCenter::addObserver(id observer, SEL sel, NSString* name, id object)
{
    if (!observer || !sel) {
        ReportF("addObserver: a nil observer or selector");
        return;
    }
    auto entry = std::make_shared<Entry>();
    entry->observer = observer;
    entry->sel = sel;
    entry->name = name ? static_cast<NSString*>(name->retain()) : nullptr;
    entry->object = object;
    RuntimeAccess::MarkObserved(observer);
    if (object)
        RuntimeAccess::MarkObserved(object);
    std::lock_guard<std::mutex> guard(m_State->lock);
    m_State->entries.push_back(std::move(entry));
}

void NSNotificationCenter::removeObserver(id observer, NSString* name, id object)
{
    if (!observer)
        return;
    m_State->RemoveWhere([&](const Entry& entry) {
        return entry.observer == observer && (!name || SameName(entry.name, name)) &&
               (!object || entry.object == object);
    });
}

void NSNotificationCenter::removeObserver(id observer)
{
    removeObserver(observer, nullptr, nullptr);
}

void NSNotificationCenter::postNotificationName(NSString* name, id object)
{
    if (!name) {
        ReportF("postNotificationName: nil");
        return;
    }
    std::vector<std::shared_ptr<Entry>> entries;
    {
        std::lock_guard<std::mutex> guard(m_State->lock);
        entries = m_State->entries;
    }
    NSNotification* notification = NSNotification::Make(name, object);
    for (const auto& entry : entries) {
        if (entry->removed.load(std::memory_order_acquire))
            continue;
        if ((entry->name && !SameName(entry->name, name)) || (entry->object && entry->object != object))
            continue;
        Send<void(id)>(entry->observer, entry->sel, notification);
    }
    notification->release();
}

void ForgetObserved(const NSObject* object)
{
    NSNotificationCenter* center = g_defaultCenter.load(std::memory_order_acquire);
    if (!center)
        return;
    center->m_State->RemoveWhere(
        [&](const Entry& entry) { return entry.observer == object || entry.object == object; });
}

} // namespace Native
