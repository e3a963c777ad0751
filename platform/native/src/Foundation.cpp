#include "Internal.h"

#include "Native/Foundation.h"
#include "Native/Selectors.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <mutex>

namespace Native {

namespace {

template <class T>
Class DefinePlain(Class superclass)
{
    return DefineBuiltinClassUnchecked(T::kClassName, superclass, &MakeBuiltin<T>, nullptr);
}

// Decodes one UTF-8 sequence at text[i]; false for an invalid one (overlong, surrogate, above U+10FFFF).
bool DecodeUTF8(const unsigned char* text, size_t size, size_t& i, char32_t& code)
{
    unsigned char lead = text[i];
    size_t extra;
    char32_t minimum;
    if (lead < 0x80) {
        code = lead;
        ++i;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, code = lead & 0x07, minimum = 0x10000;
    } else {
        return false;
    }
    if (size - i <= extra)
        return false;
    for (size_t k = 1; k <= extra; ++k) {
        unsigned char next = text[i + k];
        if ((next & 0xC0) != 0x80)
            return false;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return false;
    i += extra + 1;
    return true;
}

} // namespace

CFStringRef MakeConstant(const char* text)
{
    NSString* string = NSString::alloc()->initWithUTF8String(text);
    RuntimeAccess::MakeImmortal(string);
    return string;
}

// Strings

bool NSString::IsValidUTF8(const char* text, size_t size)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    char32_t code;
    for (size_t i = 0; i < size;)
        if (!DecodeUTF8(bytes, size, i, code))
            return false;
    return true;
}

bool NSString::Assign(const char* text, size_t size)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::u16string units;
    char32_t code;
    for (size_t i = 0; i < size;) {
        if (!DecodeUTF8(bytes, size, i, code))
            return false;
        if (code >= 0x10000) {
            code -= 0x10000;
            units.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            units.push_back(static_cast<char16_t>(code));
        }
    }
    m_Text.assign(text, size);
    m_Utf16 = std::move(units);
    return true;
}

NSString* NSString::initWithUTF8String(const char* text)
{
    if (!text || !Assign(text, std::strlen(text))) {
        release();
        return nullptr;
    }
    return this;
}

NSString* NSString::stringWithUTF8String(const char* text)
{
    NSString* string = alloc()->initWithUTF8String(text);
    if (string)
        string->autorelease();
    return string;
}

unichar NSString::characterAtIndex(NSUInteger index) const
{
    if (index >= m_Utf16.size()) {
        ReportF("characterAtIndex: %lu is beyond the length %zu", index, m_Utf16.size());
        return 0;
    }
    return m_Utf16[index];
}

BOOL NSString::isEqualToString(const NSString* other) const
{
    return other && other->m_Text == m_Text ? YES : NO;
}

BOOL NSString::isEqual(const NSObject* other) const
{
    return isEqualToString(dynamic_cast<const NSString*>(other));
}

NSUInteger NSString::hash() const
{
    return std::hash<std::string>()(m_Text);
}

// Numbers

NSNumber* NSNumber::MakeInteger(long value)
{
    NSNumber* number = alloc();
    number->m_Integer = value;
    return number;
}

NSNumber* NSNumber::MakeFloat(double value)
{
    NSNumber* number = alloc();
    number->m_IsFloat = true;
    number->m_Float = value;
    return number;
}

NSNumber* NSNumber::numberWithInt(int value)
{
    return static_cast<NSNumber*>(MakeInteger(value)->autorelease());
}

NSNumber* NSNumber::numberWithLong(long value)
{
    return static_cast<NSNumber*>(MakeInteger(value)->autorelease());
}

NSNumber* NSNumber::numberWithDouble(double value)
{
    return static_cast<NSNumber*>(MakeFloat(value)->autorelease());
}

int NSNumber::intValue() const
{
    return static_cast<int>(longValue());
}

long NSNumber::longValue() const
{
    if (!m_IsFloat)
        return m_Integer;
    // Saturating, NaN to 0: the platform's conversion is undefined there.
    if (std::isnan(m_Float))
        return 0;
    if (m_Float >= 9.2233720368547758e18)
        return std::numeric_limits<long>::max();
    if (m_Float <= -9.2233720368547758e18)
        return std::numeric_limits<long>::min();
    return static_cast<long>(m_Float);
}

double NSNumber::doubleValue() const
{
    return m_IsFloat ? m_Float : static_cast<double>(m_Integer);
}

BOOL NSNumber::boolValue() const
{
    return (m_IsFloat ? m_Float != 0.0 : m_Integer != 0) ? YES : NO;
}

BOOL NSNumber::isEqual(const NSObject* other) const
{
    const auto* number = dynamic_cast<const NSNumber*>(other);
    if (!number)
        return NO;
    if (!m_IsFloat && !number->m_IsFloat)
        return m_Integer == number->m_Integer ? YES : NO;
    return doubleValue() == number->doubleValue() ? YES : NO;
}

NSUInteger NSNumber::hash() const
{
    // Equal values hash alike whether kept as integers or not.
    double value = doubleValue();
    if (!m_IsFloat || (value == std::trunc(value) && std::fabs(value) < 9.0e18))
        return std::hash<long>()(m_IsFloat ? static_cast<long>(value) : m_Integer);
    return std::hash<double>()(value);
}

// Arrays

NSArray::~NSArray()
{
    for (NSObject* item : m_Items)
        item->release();
}

id NSArray::objectAtIndex(NSUInteger index) const
{
    if (index >= m_Items.size()) {
        ReportF("objectAtIndex: %lu is beyond the count %zu", index, m_Items.size());
        return nullptr;
    }
    return m_Items[index];
}

NSMutableArray* NSMutableArray::initWithCapacity(NSUInteger capacity)
{
    // A capacity is a hint; a huge one must not allocate.
    m_Items.reserve(capacity < 1024 ? capacity : 1024);
    return this;
}

NSMutableArray* NSMutableArray::array()
{
    return static_cast<NSMutableArray*>(alloc()->autorelease());
}

NSMutableArray* NSMutableArray::arrayWithCapacity(NSUInteger capacity)
{
    return static_cast<NSMutableArray*>(alloc()->initWithCapacity(capacity)->autorelease());
}

void NSMutableArray::addObject(id object)
{
    if (!object) {
        ReportF("addObject: nil");
        return;
    }
    m_Items.push_back(object->retain());
}

void NSMutableArray::removeObjectAtIndex(NSUInteger index)
{
    if (index >= m_Items.size()) {
        ReportF("removeObjectAtIndex: %lu is beyond the count %zu", index, m_Items.size());
        return;
    }
    NSObject* item = m_Items[index];
    m_Items.erase(m_Items.begin() + static_cast<long>(index));
    item->release();
}

void NSMutableArray::removeAllObjects()
{
    std::vector<NSObject*> items;
    items.swap(m_Items);
    for (NSObject* item : items)
        item->release();
}

// Dictionaries

NSDictionary::~NSDictionary()
{
    for (auto& entry : m_Entries) {
        entry.first->release();
        entry.second->release();
    }
}

id NSDictionary::objectForKey(const NSObject* key) const
{
    if (!key)
        return nullptr;
    for (const auto& entry : m_Entries)
        if (entry.first == key || entry.first->isEqual(key))
            return entry.second;
    return nullptr;
}

void NSDictionary::SetValue(const NSObject* key, const NSObject* value)
{
    NSObject* newValue = const_cast<NSObject*>(value)->retain();
    for (auto& entry : m_Entries) {
        if (entry.first == key || entry.first->isEqual(key)) {
            entry.second->release();
            entry.second = newValue;
            return;
        }
    }
    m_Entries.emplace_back(const_cast<NSObject*>(key)->retain(), newValue);
}

// Attributed strings and URLs

NSAttributedString* NSAttributedString::initWithString(NSString* text, NSDictionary* attributes)
{
    if (!text) {
        ReportF("initWithString: nil");
        release();
        return nullptr;
    }
    m_String = static_cast<NSString*>(text->retain());
    m_Attributes = attributes ? static_cast<NSDictionary*>(attributes->retain()) : nullptr;
    return this;
}

NSAttributedString::~NSAttributedString()
{
    if (m_String)
        m_String->release();
    if (m_Attributes)
        m_Attributes->release();
}

NSURL* NSURL::initFileURLWithPath(const char* path, BOOL isDirectory)
{
    if (!path || !*path) {
        release();
        return nullptr;
    }
    m_Path = path;
    m_IsDirectory = isDirectory;
    return this;
}

// Threads

struct ThreadAccess {
    static void Ended(NSThread* thread) { thread->m_Running.store(false, std::memory_order_release); }
};

namespace {

// Threads' objects outlive the threads: other objects may still hold them.
struct ThreadList {
    std::mutex lock;
    std::vector<NSThread*> threads;
};

ThreadList& GetThreadList()
{
    static ThreadList* const list = new ThreadList;
    return *list;
}

struct CurrentThread {
    NSThread* thread = nullptr;
    ~CurrentThread()
    {
        if (thread) {
            ThreadAccess::Ended(thread);
            RunLoopThreadEnded(thread);
        }
    }
};

thread_local CurrentThread t_currentThread;
std::atomic<NSThread*> g_mainThread{nullptr};

} // namespace

NSThread* NSThread::currentThread()
{
    CurrentThread& current = t_currentThread;
    if (!current.thread) {
        auto* thread = new NSThread();
        RuntimeAccess::MakeImmortal(thread);
        ThreadList& list = GetThreadList();
        std::lock_guard<std::mutex> guard(list.lock);
        list.threads.push_back(thread);
        current.thread = thread;
    }
    return current.thread;
}

NSThread* NSThread::mainThread()
{
    return g_mainThread.load(std::memory_order_acquire);
}

BOOL NSThread::isMainThread()
{
    return currentThread() == mainThread() ? YES : NO;
}

BOOL NSApplicationLoad()
{
    NSThread* expected = nullptr;
    g_mainThread.compare_exchange_strong(expected, NSThread::currentThread(), std::memory_order_acq_rel);
    return YES;
}

// The classes

Class DefineFoundationClasses()
{
    Class root = DefineBuiltinClassUnchecked(NSObject::kClassName, nullptr, &MakeBuiltin<NSObject>, [](Class cls) {
        ClassBuilder<NSObject>(cls).Method(Sel::dealloc, [](NSObject* self) {
            if (RuntimeAccess::IsObserved(self))
                ForgetObserved(self);
            RuntimeAccess::Destroy(self);
        });
    });
    DefinePlain<NSAutoreleasePool>(root);
    DefinePlain<NSString>(root);
    DefinePlain<NSNumber>(root);
    Class array = DefinePlain<NSArray>(root);
    DefinePlain<NSMutableArray>(array);
    DefinePlain<NSDictionary>(root);
    DefinePlain<NSAttributedString>(root);
    DefinePlain<NSURL>(root);
    DefinePlain<NSThread>(root);
    return root;
}

} // namespace Native
