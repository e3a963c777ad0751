#pragma once

// Native classes made at run time: class names unique to this module image, class creation, methods
// with fixed type encodings, registration in the class registry that disposes of them at unload; the
// class-tested cast and "COSXActionTarget", which turns a control's action into a command.

#include "Native/Types.h"

namespace Veltis {
namespace Core {
class CCharString;
class ICommand;
} // namespace Core

namespace GUI {
namespace OSXGUIUtils {

// The load address of this module image as "%p_": the start of every class name it registers.
const Core::CCharString& GetModulePrefix();

// Prefix + base name, array-new memory the caller deletes; null for a null name.
char* MakeClassName(const char* baseName);
// A new class of the name under the named superclass (NSObject without one); null for a null or taken
// name.
Native::Class AllocateClass(const char* className, const char* superclassName);
Native::Class GetClass(const char* className);
const char* GetClassName(Native::Class cls);
// The previous class; null for a null object.
Native::Class SetClass(Native::id object, Native::Class cls);
// The object when it is of the class or a subclass; else null.
Native::id CastTo(Native::id object, Native::Class cls);
// Registers the class and enters it into this module's registry; false for null.
bool RegisterClass(Native::Class cls);

// The class prefix + base name under NSObject: made by this module image on first use, with define
// adding its methods and instance variables before registration; the same class afterwards.
Native::Class GetFixedPurposeClass(const char* baseName, void (*define)(Native::Class cls));

// Methods with the fixed type encodings; the implementation has exactly the types the encoding names.
bool AddMethodVoidObject(Native::Class cls, Native::SEL sel, void (*imp)(Native::id, Native::SEL, Native::id));
bool AddMethodVoid(Native::Class cls, Native::SEL sel, void (*imp)(Native::id, Native::SEL));
bool AddMethodVoidChar(Native::Class cls, Native::SEL sel, void (*imp)(Native::id, Native::SEL, Native::BOOL));
bool AddMethodVoidBool(Native::Class cls, Native::SEL sel, void (*imp)(Native::id, Native::SEL, bool));
bool AddMethodObjectPoint(Native::Class cls, Native::SEL sel,
                          Native::id (*imp)(Native::id, Native::SEL, Native::NSPoint));
bool AddMethodChar(Native::Class cls, Native::SEL sel, Native::BOOL (*imp)(Native::id, Native::SEL));
bool AddMethodCharObject(Native::Class cls, Native::SEL sel,
                         Native::BOOL (*imp)(Native::id, Native::SEL, Native::id));
bool AddMethodVoidRect(Native::Class cls, Native::SEL sel, void (*imp)(Native::id, Native::SEL, Native::NSRect));

// An instance of "COSXActionTarget" (count 1) whose "onAction:" runs command when it is not null. The
// caller keeps both and releases the instance.
Native::id CreateActionTarget(Core::ICommand* command);

} // namespace OSXGUIUtils
} // namespace GUI
} // namespace Veltis
