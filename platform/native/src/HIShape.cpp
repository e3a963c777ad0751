#include "Graphics.h"

#include <algorithm>
#include <cmath>

namespace Native {

namespace {

// Coordinates stay within +-kLimit, and offsets too, so no sum leaves 32 bits.
constexpr int kLimit = (1 << 30) - 1;
const cairo_rectangle_int_t kLimitRect = {-kLimit, -kLimit, 2 * kLimit, 2 * kLimit};

int ClampCoordinate(double value)
{
    return static_cast<int>(std::min<double>(kLimit, std::max<double>(-kLimit, value)));
}

// The whole pixels that the rectangle touches; false when it covers nothing.
bool ToPixels(const HIRect& rect, cairo_rectangle_int_t& pixels)
{
    if (!(rect.size.width > 0 && rect.size.height > 0) || !IsFinite(rect))
        return false;
    int x0 = ClampCoordinate(std::floor(rect.origin.x));
    int y0 = ClampCoordinate(std::floor(rect.origin.y));
    int x1 = ClampCoordinate(std::ceil(rect.origin.x + rect.size.width));
    int y1 = ClampCoordinate(std::ceil(rect.origin.y + rect.size.height));
    if (x1 <= x0 || y1 <= y0)
        return false;
    pixels = {x0, y0, x1 - x0, y1 - y0};
    return true;
}

cairo_region_t* RegionOf(HIShapeRef shape)
{
    return ImplOf<HIShapeImpl>(shape)->region;
}

// A new shape over the region, which it takes; NULL when cairo could not make the region.
HIMutableShapeRef MakeShape(cairo_region_t* region)
{
    if (cairo_region_status(region) != CAIRO_STATUS_SUCCESS) {
        ReportF("HIShape: %s", cairo_status_to_string(cairo_region_status(region)));
        cairo_region_destroy(region);
        return nullptr;
    }
    HIShapeImpl* shape = ImplOf<HIShapeImpl>(HIShape::alloc());
    shape->region = region;
    return shape;
}

// result = shape1 op shape2, computed apart so that the result may be either input.
OSStatus Combine(HIShapeRef shape1, HIShapeRef shape2, HIMutableShapeRef result, const char* call,
                 cairo_status_t (*op)(cairo_region_t*, const cairo_region_t*))
{
    if (!shape1 || !shape2 || !result) {
        ReportF("%s: NULL shape", call);
        return paramErr;
    }
    cairo_region_t* combined = cairo_region_copy(RegionOf(shape1));
    if (cairo_region_status(combined) == CAIRO_STATUS_SUCCESS)
        op(combined, RegionOf(shape2));
    if (cairo_region_status(combined) != CAIRO_STATUS_SUCCESS) {
        ReportF("%s: %s", call, cairo_status_to_string(cairo_region_status(combined)));
        cairo_region_destroy(combined);
        return paramErr;
    }
    cairo_region_destroy(RegionOf(result));
    ImplOf<HIShapeImpl>(result)->region = combined;
    return noErr;
}

} // namespace

HIShapeImpl::~HIShapeImpl()
{
    if (region)
        cairo_region_destroy(region);
}

HIMutableShapeRef HIShapeCreateMutableWithRect(const HIRect* rect)
{
    if (!rect) {
        ReportF("HIShapeCreateMutableWithRect(NULL)");
        return nullptr;
    }
    cairo_rectangle_int_t pixels;
    return MakeShape(ToPixels(*rect, pixels) ? cairo_region_create_rectangle(&pixels) : cairo_region_create());
}

HIMutableShapeRef HIShapeCreateMutableCopy(HIShapeRef shape)
{
    if (!shape) {
        ReportF("HIShapeCreateMutableCopy(NULL)");
        return nullptr;
    }
    return MakeShape(cairo_region_copy(RegionOf(shape)));
}

HIRect* HIShapeGetBounds(HIShapeRef shape, HIRect* outRect)
{
    if (!shape || !outRect) {
        ReportF("HIShapeGetBounds: NULL %s", shape ? "rectangle" : "shape");
        if (outRect)
            *outRect = HIRect{{0, 0}, {0, 0}};
        return outRect;
    }
    cairo_rectangle_int_t extents = {0, 0, 0, 0};
    // An empty result of an intersection keeps a corner as its extents.
    if (!cairo_region_is_empty(RegionOf(shape)))
        cairo_region_get_extents(RegionOf(shape), &extents);
    *outRect = HIRect{{static_cast<CGFloat>(extents.x), static_cast<CGFloat>(extents.y)},
                      {static_cast<CGFloat>(extents.width), static_cast<CGFloat>(extents.height)}};
    return outRect;
}

Boolean HIShapeIsEmpty(HIShapeRef shape)
{
    if (!shape) {
        ReportF("HIShapeIsEmpty(NULL)");
        return true;
    }
    return cairo_region_is_empty(RegionOf(shape)) ? true : false;
}

OSStatus HIShapeIntersect(HIShapeRef shape1, HIShapeRef shape2, HIMutableShapeRef result)
{
    return Combine(shape1, shape2, result, "HIShapeIntersect", &cairo_region_intersect);
}

OSStatus HIShapeUnion(HIShapeRef shape1, HIShapeRef shape2, HIMutableShapeRef result)
{
    return Combine(shape1, shape2, result, "HIShapeUnion", &cairo_region_union);
}

OSStatus HIShapeOffset(HIMutableShapeRef shape, CGFloat dx, CGFloat dy)
{
    if (!shape || !std::isfinite(dx) || !std::isfinite(dy)) {
        ReportF("HIShapeOffset: %s", shape ? "offset not finite" : "NULL shape");
        return paramErr;
    }
    cairo_region_t* region = RegionOf(shape);
    cairo_region_translate(region, ClampCoordinate(std::round(dx)), ClampCoordinate(std::round(dy)));
    cairo_region_intersect_rectangle(region, &kLimitRect);
    return noErr;
}

} // namespace Native
