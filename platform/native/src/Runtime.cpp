#include "Internal.h"

#include "Native/Foundation.h"
#include "Native/Selectors.h"

#include <cstring>
#include <mutex>
#include <unordered_set>

namespace Native {

namespace {

struct ListedSelector {
    const char* name;
    const char* (*encoding)();
};

#define NATIVE_LISTED_SELECTOR_ENTRY(Signature, Constant, Name) {Name, Encoding<Signature>},
const ListedSelector kListedSelectors[] = {NATIVE_LISTED_SELECTORS(NATIVE_LISTED_SELECTOR_ENTRY)};
#undef NATIVE_LISTED_SELECTOR_ENTRY

// Never destroyed: objects may be released while other static objects are destroyed.
struct Registry {
    std::mutex lock;
    std::unordered_map<std::string, Class> classes;
};

Registry& GetRegistry()
{
    static Registry* const registry = new Registry;
    return *registry;
}

struct SelectorTable {
    std::mutex lock;
    std::unordered_map<std::string, std::unique_ptr<objc_selector>> selectors;
};

SelectorTable& GetSelectorTable()
{
    static SelectorTable* const table = new SelectorTable;
    return *table;
}

struct LiveSet {
    std::mutex lock;
    std::unordered_set<const NSObject*> objects;
    std::atomic<uint64_t> generation{1};
};

LiveSet& GetLiveSet()
{
    static LiveSet* const live = new LiveSet;
    return *live;
}

void EnsureBuiltins()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Class root = DefineFoundationClasses();
        DefineGraphicsClasses(root);
        DefineTextClasses(root);
        DefineImageSourceClasses(root);
        DefineRunLoopClasses(root);
        DefineWindowClasses(root, DefineViewClasses(root));
    });
}

const char* NameOf(Class cls)
{
    return cls ? cls->name.c_str() : "(nil)";
}

const char* NameOf(SEL sel)
{
    return sel ? sel->name.c_str() : "(null)";
}

const MethodRecord* FindMethod(Class cls, SEL sel)
{
    for (Class c = cls; c; c = c->superclass) {
        auto found = c->methods.find(sel);
        if (found != c->methods.end())
            return found->second.get();
    }
    return nullptr;
}

const objc_ivar* FindIvar(Class cls, const char* name)
{
    for (Class c = cls; c; c = c->superclass)
        for (const auto& ivar : c->ivars)
            if (ivar->name == name)
                return ivar.get();
    return nullptr;
}

// A new class entered under its name; null when the name is taken. Takes the registry lock.
Class EnterClass(const char* name, Class superclass)
{
    Registry& registry = GetRegistry();
    std::lock_guard<std::mutex> guard(registry.lock);
    if (registry.classes.count(name))
        return nullptr;
    auto* cls = new objc_class;
    cls->name = name;
    cls->superclass = superclass;
    if (superclass) {
        cls->builtin = superclass->builtin;
        cls->slotCount = superclass->slotCount;
        ++superclass->subclasses;
    }
    registry.classes.emplace(cls->name, cls);
    return cls;
}

} // namespace

// Objects

Class RuntimeAccess::ClassOf(const NSObject* object)
{
    Class cls = object->m_Isa.load(std::memory_order_acquire);
    return cls ? cls : object->BuiltinClass();
}

void RuntimeAccess::Adopt(NSObject* object, Class cls)
{
    GrowSlots(object, cls->slotCount);
    object->m_Isa.store(cls, std::memory_order_release);
    if (!cls->isBuiltin)
        cls->instances.fetch_add(1, std::memory_order_relaxed);
}

void RuntimeAccess::MakePersistent(NSObject* object)
{
    object->m_Persistent = true;
    LiveSet& live = GetLiveSet();
    std::lock_guard<std::mutex> guard(live.lock);
    live.objects.erase(object);
}

void RuntimeAccess::GrowSlots(NSObject* object, size_t count)
{
    if (count <= object->m_SlotCount)
        return;
    void** slots = new void*[count]();
    for (size_t i = 0; i < object->m_SlotCount; ++i)
        slots[i] = object->m_Slots[i];
    delete[] object->m_Slots;
    object->m_Slots = slots;
    object->m_SlotCount = count;
}

void RuntimeAccess::MakeImmortal(NSObject* object)
{
    object->m_Immortal = true;
    LiveSet& live = GetLiveSet();
    std::lock_guard<std::mutex> guard(live.lock);
    live.objects.erase(object);
}

void ForEachLiveObject(const std::function<void(const NSObject*)>& visit)
{
    LiveSet& live = GetLiveSet();
    std::lock_guard<std::mutex> guard(live.lock);
    for (const NSObject* object : live.objects)
        visit(object);
}

uint64_t CurrentGeneration()
{
    return GetLiveSet().generation.load(std::memory_order_relaxed);
}

void NextGeneration()
{
    GetLiveSet().generation.fetch_add(1, std::memory_order_relaxed);
}

NSObject::NSObject()
{
    LiveSet& live = GetLiveSet();
    m_Generation = live.generation.load(std::memory_order_relaxed);
    std::lock_guard<std::mutex> guard(live.lock);
    live.objects.insert(this);
}

NSObject::~NSObject()
{
    {
        LiveSet& live = GetLiveSet();
        std::lock_guard<std::mutex> guard(live.lock);
        live.objects.erase(this);
    }
    Class cls = m_Isa.load(std::memory_order_acquire);
    if (cls && !cls->isBuiltin)
        cls->instances.fetch_sub(1, std::memory_order_relaxed);
    delete[] m_Slots;
}

Class NSObject::BuiltinClass() const
{
    return classObject();
}

id NSObject::retain()
{
    if (!m_Immortal && !m_Deallocating.load(std::memory_order_relaxed))
        m_Count.fetch_add(1, std::memory_order_relaxed);
    return this;
}

void NSObject::release()
{
    if (m_Immortal || m_Deallocating.load(std::memory_order_relaxed))
        return;
    if (m_Count.fetch_sub(1, std::memory_order_acq_rel) != 1)
        return;
    if (m_Persistent) {
        m_Count.fetch_add(1, std::memory_order_relaxed);
        ReportF("an instance of %s, which is never freed, was released once too often", NameOf(class_()));
        return;
    }
    m_Deallocating.store(true, std::memory_order_relaxed);
    Send(this, Sel::dealloc);
}

NSUInteger NSObject::retainCount() const
{
    if (m_Immortal)
        return ~NSUInteger(0);
    return static_cast<NSUInteger>(m_Count.load(std::memory_order_relaxed));
}

Class NSObject::class_() const
{
    return RuntimeAccess::ClassOf(this);
}

Class NSObject::superclass() const
{
    return class_getSuperclass(class_());
}

BOOL NSObject::isKindOfClass(Class cls) const
{
    for (Class c = class_(); c; c = c->superclass)
        if (c == cls)
            return YES;
    return NO;
}

BOOL NSObject::respondsToSelector(SEL sel) const
{
    return class_respondsToSelector(class_(), sel);
}

BOOL NSObject::isEqual(const NSObject* other) const
{
    return other == this;
}

NSUInteger NSObject::hash() const
{
    return reinterpret_cast<uintptr_t>(this);
}

// Selectors

SEL sel_registerName(const char* name)
{
    if (!name)
        return nullptr;
    SelectorTable& table = GetSelectorTable();
    std::lock_guard<std::mutex> guard(table.lock);
    auto found = table.selectors.find(name);
    if (found != table.selectors.end())
        return found->second.get();
    auto sel = std::make_unique<objc_selector>();
    sel->name = name;
    sel->listedEncoding = ListedSelectorEncoding(name);
    SEL result = sel.get();
    table.selectors.emplace(sel->name, std::move(sel));
    return result;
}

SEL sel_getUid(const char* name)
{
    return sel_registerName(name);
}

const char* sel_getName(SEL sel)
{
    return sel ? sel->name.c_str() : nullptr;
}

const char* ListedSelectorEncoding(const char* name)
{
    if (!name)
        return nullptr;
    for (const ListedSelector& listed : kListedSelectors)
        if (std::strcmp(listed.name, name) == 0)
            return listed.encoding();
    return nullptr;
}

// Classes

Class objc_getClass(const char* name)
{
    if (!name)
        return nullptr;
    EnsureBuiltins();
    Registry& registry = GetRegistry();
    std::lock_guard<std::mutex> guard(registry.lock);
    auto found = registry.classes.find(name);
    return found != registry.classes.end() && found->second->registered ? found->second : nullptr;
}

Class objc_allocateClassPair(Class superclass, const char* name, size_t extraBytes)
{
    if (!name)
        return nullptr;
    EnsureBuiltins();
    if (!superclass || !superclass->registered) {
        ReportF("objc_allocateClassPair(\"%s\"): the superclass is %s", name,
                superclass ? "not registered" : "nil");
        return nullptr;
    }
    if (extraBytes != 0) {
        ReportF("objc_allocateClassPair(\"%s\"): extra bytes are not supported", name);
        return nullptr;
    }
    return EnterClass(name, superclass);
}

void objc_registerClassPair(Class cls)
{
    if (!cls)
        return;
    bool wasRegistered;
    {
        std::lock_guard<std::mutex> guard(GetRegistry().lock);
        wasRegistered = cls->registered;
        cls->registered = true;
    }
    if (wasRegistered)
        ReportF("objc_registerClassPair: %s is already registered", NameOf(cls));
}

void objc_disposeClassPair(Class cls)
{
    if (!cls)
        return;
    Registry& registry = GetRegistry();
    std::unique_lock<std::mutex> guard(registry.lock);
    const char* refusal = nullptr;
    if (cls->isBuiltin)
        refusal = "it is a built-in class";
    else if (cls->instances.load(std::memory_order_relaxed) > 0)
        refusal = "instances of it are alive";
    else if (cls->subclasses > 0)
        refusal = "it has subclasses";
    if (refusal) {
        std::string name = cls->name;
        guard.unlock();
        ReportF("objc_disposeClassPair(%s) refused: %s", name.c_str(), refusal);
        return;
    }
    registry.classes.erase(cls->name);
    if (cls->superclass)
        --cls->superclass->subclasses;
    delete cls;
}

const char* class_getName(Class cls)
{
    return cls ? cls->name.c_str() : "nil";
}

Class class_getSuperclass(Class cls)
{
    return cls ? cls->superclass : nullptr;
}

BOOL class_addMethod(Class cls, SEL sel, IMP imp, const char* types)
{
    if (!cls || !sel || !imp || !types) {
        ReportF("class_addMethod(%s, %s): a null argument", NameOf(cls), NameOf(sel));
        return NO;
    }
    if (cls->registered) {
        ReportF("class_addMethod(%s, %s): the class is already registered", NameOf(cls), NameOf(sel));
        return NO;
    }
    if (sel->listedEncoding && std::strcmp(sel->listedEncoding, types) != 0) {
        ReportF("class_addMethod(%s, %s): encoding \"%s\" differs from \"%s\"", NameOf(cls), NameOf(sel), types,
                sel->listedEncoding);
        return NO;
    }
    if (cls->methods.count(sel))
        return NO;
    auto method = std::make_unique<MethodRecord>();
    method->imp = imp;
    method->types = types;
    cls->methods.emplace(sel, std::move(method));
    return YES;
}

BOOL class_addIvar(Class cls, const char* name, size_t size, uint8_t alignment, const char* types)
{
    const char* refusal = nullptr;
    if (!cls || !name)
        refusal = "a null argument";
    else if (cls->registered)
        refusal = "the class is already registered";
    else if (size == 0 || size > sizeof(void*))
        refusal = "the size is not between 1 and 8";
    else if (alignment > 3)
        refusal = "the alignment is above 2^3";
    else if (FindIvar(cls, name))
        refusal = "the name is taken";
    if (refusal) {
        ReportF("class_addIvar(%s, \"%s\"): %s", NameOf(cls), name ? name : "(null)", refusal);
        return NO;
    }
    auto ivar = std::make_unique<objc_ivar>();
    ivar->name = name;
    ivar->types = types ? types : "";
    ivar->slot = cls->slotCount++;
    cls->ivars.push_back(std::move(ivar));
    return YES;
}

Ivar class_getInstanceVariable(Class cls, const char* name)
{
    return cls && name ? FindIvar(cls, name) : nullptr;
}

BOOL class_respondsToSelector(Class cls, SEL sel)
{
    return cls && sel && FindMethod(cls, sel) ? YES : NO;
}

id class_createInstance(Class cls, size_t extraBytes)
{
    if (!cls)
        return nullptr;
    if (!cls->registered || extraBytes != 0) {
        ReportF("class_createInstance(%s): %s", NameOf(cls),
                cls->registered ? "extra bytes are not supported" : "the class is not registered");
        return nullptr;
    }
    NSObject* object = cls->builtin->factory();
    RuntimeAccess::Adopt(object, cls);
    return object;
}

Class object_getClass(const NSObject* object)
{
    return object ? RuntimeAccess::ClassOf(object) : nullptr;
}

Class object_setClass(id object, Class cls)
{
    if (!object)
        return nullptr;
    Class previous = RuntimeAccess::ClassOf(object);
    if (!cls || !cls->registered || cls->builtin != previous->builtin) {
        ReportF("object_setClass: an instance of %s cannot become %s", NameOf(previous), NameOf(cls));
        return nullptr;
    }
    if (!previous->isBuiltin)
        previous->instances.fetch_sub(1, std::memory_order_relaxed);
    RuntimeAccess::Adopt(object, cls);
    return previous;
}

namespace {

void** FindSlot(id object, const char* name, Ivar& ivar)
{
    ivar = nullptr;
    if (!object || !name)
        return nullptr;
    Class cls = RuntimeAccess::ClassOf(object);
    ivar = FindIvar(cls, name);
    if (!ivar) {
        ReportF("%s has no instance variable \"%s\"", NameOf(cls), name);
        return nullptr;
    }
    return RuntimeAccess::Slot(object, ivar->slot);
}

} // namespace

Ivar object_setInstanceVariable(id object, const char* name, void* value)
{
    Ivar ivar;
    if (void** slot = FindSlot(object, name, ivar))
        *slot = value;
    return ivar;
}

Ivar object_getInstanceVariable(id object, const char* name, void** outValue)
{
    Ivar ivar;
    void** slot = FindSlot(object, name, ivar);
    if (outValue)
        *outValue = slot ? *slot : nullptr;
    return ivar;
}

const char* MethodEncoding(Class cls, SEL sel)
{
    const MethodRecord* method = cls && sel ? FindMethod(cls, sel) : nullptr;
    return method ? method->types.c_str() : nullptr;
}

const char* ivar_getName(Ivar ivar)
{
    return ivar ? ivar->name.c_str() : nullptr;
}

const char* ivar_getTypeEncoding(Ivar ivar)
{
    return ivar ? ivar->types.c_str() : nullptr;
}

// Dispatch

IMP ResolveMessage(const NSObject* receiver, Class start, SEL sel, const char* encoding)
{
    Class cls = start ? start : RuntimeAccess::ClassOf(receiver);
    const MethodRecord* method = sel ? FindMethod(cls, sel) : nullptr;
    if (!method) {
        ReportF("%s does not respond to %s", NameOf(cls), NameOf(sel));
        return nullptr;
    }
    if (method->matched.load(std::memory_order_acquire) != encoding) {
        if (method->types != encoding) {
            ReportF("%s sent to %s as \"%s\", but its method is \"%s\"", NameOf(sel), NameOf(cls), encoding,
                    method->types.c_str());
            return nullptr;
        }
        method->matched.store(encoding, std::memory_order_release);
    }
    return method->imp;
}

// Built-in classes

Class DefineBuiltinClassUnchecked(const char* name, Class superclass, BuiltinFactory factory,
                                  const std::function<void(Class)>& define)
{
    if (!name || !factory || (superclass && (!superclass->isBuiltin || !superclass->registered))) {
        ReportF("DefineBuiltinClass(\"%s\"): needs a name, a factory and a registered built-in superclass",
                name ? name : "(null)");
        return nullptr;
    }
    Class cls = EnterClass(name, superclass);
    if (!cls) {
        ReportF("DefineBuiltinClass(\"%s\"): the name is taken", name);
        return nullptr;
    }
    cls->isBuiltin = true;
    cls->builtin = cls;
    cls->factory = factory;
    if (define)
        define(cls);
    objc_registerClassPair(cls);
    return cls;
}

Class DefineBuiltinClass(const char* name, Class superclass, BuiltinFactory factory,
                         const std::function<void(Class)>& define)
{
    EnsureBuiltins();
    if (!superclass) {
        ReportF("DefineBuiltinClass(\"%s\"): a built-in class needs a superclass", name ? name : "(null)");
        return nullptr;
    }
    return DefineBuiltinClassUnchecked(name, superclass, factory, define);
}

} // namespace Native
