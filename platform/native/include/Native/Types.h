#pragma once

// The value types and reference types of the native toolkit: the only toolkit header that framework
// headers may include. Every reference type points to a class derived from NSObject, so a pointer of
// another kind does not convert to it.

#include <stddef.h>
#include <stdint.h>

#if defined(VELTIS_NATIVE_BUILD)
#define NATIVE_EXPORT __attribute__((visibility("default")))
#else
#define NATIVE_EXPORT
#endif

namespace Native {

using BOOL = signed char;
constexpr BOOL YES = 1;
constexpr BOOL NO = 0;
using NSInteger = long;
using NSUInteger = unsigned long;
using unichar = uint16_t;

using CGFloat = double;
struct CGPoint {
    CGFloat x;
    CGFloat y;
};
struct CGSize {
    CGFloat width;
    CGFloat height;
};
struct CGRect {
    CGPoint origin;
    CGSize size;
};
using NSPoint = CGPoint;
using NSSize = CGSize;
using NSRect = CGRect;

class NSObject;
struct objc_class;
struct objc_selector;
struct objc_ivar;
using id = NSObject*;
using Class = objc_class*;
using SEL = const objc_selector*;
using Ivar = const objc_ivar*;
// A method implementation; it is called only through the exact function type its encoding names.
using IMP = void (*)();

// CoreFoundation scalars.
using Boolean = unsigned char;
using UInt8 = uint8_t;
using CFIndex = long;
using CFStringEncoding = uint32_t;
using CFNumberType = long;
using CFURLPathStyle = long;
using CFOptionFlags = unsigned long;
using CFTimeInterval = double;
using CFAbsoluteTime = double;
struct CFRange {
    CFIndex location;
    CFIndex length;
};

class NSString;
class NSNumber;
class NSArray;
class NSMutableArray;
class NSDictionary;
class NSAttributedString;
class NSURL;
class NSThread;
class NSAutoreleasePool;
class NSRunLoop;
class NSNotification;
class NSNotificationCenter;
class CFRunLoopTimer;

// Windowing.
class NSResponder;
class NSView;
class NSWindow;
class NSPanel;
class NSScreen;

using CFTypeRef = const NSObject*;
using CFAllocatorRef = const NSObject*;
using CFStringRef = const NSString*;
using CFNumberRef = const NSNumber*;
using CFBooleanRef = const NSNumber*;
using CFArrayRef = const NSArray*;
using CFDictionaryRef = const NSDictionary*;
using CFAttributedStringRef = const NSAttributedString*;
using CFURLRef = const NSURL*;
using CFRunLoopRef = NSRunLoop*;
using CFRunLoopTimerRef = CFRunLoopTimer*;

// Drawing and regions.
struct CGAffineTransform {
    CGFloat a;
    CGFloat b;
    CGFloat c;
    CGFloat d;
    CGFloat tx;
    CGFloat ty;
};
using HIRect = CGRect;
using OSStatus = int32_t;

class CGContext;
class CGImage;
class CGDataProvider;
class CGColorSpace;
class CGColor;
class CGLayer;
class HIShape;

using CGContextRef = CGContext*;
using CGImageRef = CGImage*;
using CGDataProviderRef = CGDataProvider*;
using CGColorSpaceRef = CGColorSpace*;
using CGColorRef = CGColor*;
using CGLayerRef = CGLayer*;
using HIShapeRef = const HIShape*;
using HIMutableShapeRef = HIShape*;

// Text and image files.
class NSFont;
class CTLine;
class CGImageSource;

using CTFontRef = const NSFont*;
using CTLineRef = const CTLine*;
using CGImageSourceRef = CGImageSource*;

} // namespace Native
