#include "Veltis/GUI/OSXGUIUtils.h"

#include "Native/Runtime.h"
#include "Veltis/Core/CAutoLock.h"
#include "Veltis/Core/CCharString.h"
#include "Veltis/Core/ICommand.h"
#include "Veltis/CoreUtilities/CCodeModule.h"
#include "Veltis/GUI/CObjCClassRegistry.h"

#include <cstring>

namespace Veltis {
namespace GUI {
namespace OSXGUIUtils {

namespace {

const char* const kCallbackMember = "m_callbackMember";
const Native::SEL kOnAction = Native::sel_registerName("onAction:");

bool AddMethod(Native::Class cls, Native::SEL sel, Native::IMP imp, const char* encoding)
{
    return Native::class_addMethod(cls, sel, imp, encoding) == Native::YES;
}

void OnAction(Native::id self, Native::SEL, Native::id)
{
    void* command = nullptr;
    Native::object_getInstanceVariable(self, kCallbackMember, &command);
    if (command)
        static_cast<Core::ICommand*>(command)->Execute();
}

void DefineActionTarget(Native::Class cls)
{
    AddMethodVoidObject(cls, kOnAction, &OnAction);
    Native::class_addIvar(cls, kCallbackMember, 8, 3, "^{ICommand=^^?}");
}

} // namespace

const Core::CCharString& GetModulePrefix()
{
    static const Core::CCharString prefix = [] {
        CoreUtilities::CCodeModule module;
        Core::CCharString text;
        text.Reserve(50);
        text.Format("%p_", module.GetBaseAddress());
        return text;
    }();
    return prefix;
}

char* MakeClassName(const char* baseName)
{
    if (!baseName)
        return nullptr;
    const Core::CCharString& prefix = GetModulePrefix();
    const size_t prefixLength = static_cast<size_t>(prefix.GetLength());
    const size_t baseLength = std::strlen(baseName);
    char* name = new char[prefixLength + baseLength + 1];
    std::memcpy(name, prefix.GetString(), prefixLength);
    std::memcpy(name + prefixLength, baseName, baseLength + 1);
    return name;
}

Native::Class AllocateClass(const char* className, const char* superclassName)
{
    if (!className)
        return nullptr;
    Native::Class superclass =
        superclassName ? Native::objc_getClass(superclassName) : Native::NSObject::classObject();
    return Native::objc_allocateClassPair(superclass, className, 0);
}

Native::Class GetClass(const char* className)
{
    return className ? Native::objc_getClass(className) : nullptr;
}

const char* GetClassName(Native::Class cls)
{
    return Native::class_getName(cls);
}

Native::Class SetClass(Native::id object, Native::Class cls)
{
    return object ? Native::object_setClass(object, cls) : nullptr;
}

Native::id CastTo(Native::id object, Native::Class cls)
{
    return object && object->isKindOfClass(cls) ? object : nullptr;
}

bool RegisterClass(Native::Class cls)
{
    if (!cls)
        return false;
    Native::objc_registerClassPair(cls);
    CObjCClassRegistry::Get().Insert(cls);
    return true;
}

Native::Class GetFixedPurposeClass(const char* baseName, void (*define)(Native::Class cls))
{
    Core::CCharString name;
    name.Attach(MakeClassName(baseName));
    Core::CAutoLock lock(&CObjCClassRegistry::Get().GetLock());
    if (Native::Class cls = GetClass(name.GetString()))
        return cls;
    Native::Class cls = AllocateClass(name.GetString(), GetClassName(Native::NSObject::classObject()));
    if (!cls)
        return nullptr;
    define(cls);
    RegisterClass(cls);
    return cls;
}

bool AddMethodVoidObject(Native::Class cls, Native::SEL sel, void (*imp)(Native::id, Native::SEL, Native::id))
{
    return AddMethod(cls, sel, reinterpret_cast<Native::IMP>(imp), "v@:@");
}

bool AddMethodVoid(Native::Class cls, Native::SEL sel, void (*imp)(Native::id, Native::SEL))
{
    return AddMethod(cls, sel, reinterpret_cast<Native::IMP>(imp), "v@:");
}

bool AddMethodVoidChar(Native::Class cls, Native::SEL sel, void (*imp)(Native::id, Native::SEL, Native::BOOL))
{
    return AddMethod(cls, sel, reinterpret_cast<Native::IMP>(imp), "v@:c");
}

bool AddMethodVoidBool(Native::Class cls, Native::SEL sel, void (*imp)(Native::id, Native::SEL, bool))
{
    return AddMethod(cls, sel, reinterpret_cast<Native::IMP>(imp), "v@:B");
}

bool AddMethodObjectPoint(Native::Class cls, Native::SEL sel,
                          Native::id (*imp)(Native::id, Native::SEL, Native::NSPoint))
{
    return AddMethod(cls, sel, reinterpret_cast<Native::IMP>(imp), "@@:{CGPoint=dd}");
}

bool AddMethodChar(Native::Class cls, Native::SEL sel, Native::BOOL (*imp)(Native::id, Native::SEL))
{
    return AddMethod(cls, sel, reinterpret_cast<Native::IMP>(imp), "c@:");
}

bool AddMethodCharObject(Native::Class cls, Native::SEL sel, Native::BOOL (*imp)(Native::id, Native::SEL, Native::id))
{
    return AddMethod(cls, sel, reinterpret_cast<Native::IMP>(imp), "c@:@");
}

bool AddMethodVoidRect(Native::Class cls, Native::SEL sel, void (*imp)(Native::id, Native::SEL, Native::NSRect))
{
    return AddMethod(cls, sel, reinterpret_cast<Native::IMP>(imp), "v@:{CGRect={CGPoint=dd}{CGSize=dd}}");
}

Native::id CreateActionTarget(Core::ICommand* command)
{
    Native::Class cls = GetFixedPurposeClass("COSXActionTarget", &DefineActionTarget);
    Native::id target = Native::class_createInstance(cls, 0);
    Native::object_setInstanceVariable(target, kCallbackMember, command);
    return target;
}

} // namespace OSXGUIUtils
} // namespace GUI
} // namespace Veltis
