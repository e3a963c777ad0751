#pragma once

// Regions: unions of whole-pixel rectangles. A rectangle is rounded outward to whole pixels; one of
// width or height not above 0 (or not finite) adds nothing. Coordinates are kept within +-2^30.

#include "Native/Runtime.h"

namespace Native {

constexpr OSStatus noErr = 0;
constexpr OSStatus paramErr = -50;

class NATIVE_EXPORT HIShape : public NSObject {
    NATIVE_BUILTIN(HIShape, NSObject, "HIShape")
protected:
    HIShape() = default;
    ~HIShape() override = default;
};

// NULL for a NULL rectangle.
NATIVE_EXPORT HIMutableShapeRef HIShapeCreateMutableWithRect(const HIRect* rect);
NATIVE_EXPORT HIMutableShapeRef HIShapeCreateMutableCopy(HIShapeRef shape);
// (0, 0, 0, 0) for an empty shape; answers outRect.
NATIVE_EXPORT HIRect* HIShapeGetBounds(HIShapeRef shape, HIRect* outRect);
NATIVE_EXPORT Boolean HIShapeIsEmpty(HIShapeRef shape);
// The result may be one of the inputs. paramErr (reported) for a NULL argument.
NATIVE_EXPORT OSStatus HIShapeIntersect(HIShapeRef shape1, HIShapeRef shape2, HIMutableShapeRef result);
NATIVE_EXPORT OSStatus HIShapeUnion(HIShapeRef shape1, HIShapeRef shape2, HIMutableShapeRef result);
// By whole pixels (the offsets rounded to the nearest).
NATIVE_EXPORT OSStatus HIShapeOffset(HIMutableShapeRef shape, CGFloat dx, CGFloat dy);

} // namespace Native
