#pragma once

#include "Veltis/Graphics/CBitmapSurface.h"
#include "Veltis/Graphics/NativeGraphicsQueries.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace Veltis {
namespace Graphics {

// A bitmap surface that draws lines and points itself, straight into the pixel memory in the layout of
// the iterator type: integer lines with Bresenham's algorithm, float lines anti-aliased with Wu's, float
// points as 2 x 2 splats, all clipped against the clip rectangle. Everything else is CDrawSurface's.
template <class TIterator>
class TDIBSurface : public CBitmapSurface {
public:
    using Unit = typename TIterator::Unit;

    // Takes over the caller's reference to the context.
    explicit TDIBSurface(Native::CGContextRef context)
        : CBitmapSurface(context), m_Bits(static_cast<Unit*>(GetBitmapData(context))),
          m_Width(GetBitmapSize(context).width), m_Height(GetBitmapSize(context).height),
          m_Stride(TIterator::GetStride(m_Width)), m_ClipLeft(0), m_ClipRight(0), m_ClipTop(0), m_ClipBottom(0)
    {
    }

    void SetPenColor(const Core::CColor& color) override
    {
        CDrawSurface::SetPenColor(color);
        m_PenColor = color;
    }

    void RestoreState() override
    {
        CDrawSurface::RestoreState();
        m_PenColor = GetPenColor();
    }

    Native::CGContextRef Detach() override
    {
        m_Bits = nullptr;
        return CDrawSurface::Detach();
    }

    void DrawLine(const Core::C2DPoint& from, const Core::C2DPoint& to) override
    {
        if (Prepare())
            Segment(from, to);
    }
    void DrawPolyline(const Core::C2DPoint* points, int count) override { Polyline(points, count); }
    void DrawPoint(const Core::C2DPoint& point) override
    {
        if (Prepare())
            Dot(point);
    }
    void DrawPoints(const Core::C2DPoint* points, int count) override { Dots(points, count); }
    void DrawLine(const Core::C2DFloatPoint& from, const Core::C2DFloatPoint& to) override
    {
        if (Prepare())
            Segment(from, to);
    }
    void DrawPolyline(const Core::C2DFloatPoint* points, int count) override { Polyline(points, count); }
    void DrawPoint(const Core::C2DFloatPoint& point) override
    {
        if (Prepare())
            Dot(point);
    }
    void DrawPoints(const Core::C2DFloatPoint* points, int count) override { Dots(points, count); }

private:
    static constexpr int kOpacity = 255;

    // Origin and clip as they are now; false when there is no pixel memory.
    bool Prepare()
    {
        if (!m_Bits)
            return false;
        m_Origin = GetOrigin();
        m_FloatOrigin = Core::C2DFloatPoint(static_cast<float>(m_Origin.x), static_cast<float>(m_Origin.y));
        Core::C2DRectangle clip = GetClipRectangle();
        clip.Offset(m_Origin);
        // Only the translation is honoured: a scaled transform could put the clip outside the memory.
        m_Clip = Core::C2DRectangle::Intersect(clip, Core::C2DRectangle(0, 0, m_Width, m_Height));
        m_ClipLeft = static_cast<float>(m_Clip.x);
        m_ClipRight = static_cast<float>(int64_t(m_Clip.x) + m_Clip.width - 1);
        m_ClipTop = static_cast<float>(m_Clip.y);
        m_ClipBottom = static_cast<float>(int64_t(m_Clip.y) + m_Clip.height - 1);
        return true;
    }

    template <class TPoint>
    void Polyline(const TPoint* points, int count)
    {
        if (count < 2 || !Prepare())
            return;
        for (int i = 1; i < count; ++i)
            Segment(points[i - 1], points[i]);
    }

    template <class TPoint>
    void Dots(const TPoint* points, int count)
    {
        if (count <= 0 || !Prepare())
            return;
        for (int i = 0; i < count; ++i)
            Dot(points[i]);
    }

    bool Inside(int64_t x, int64_t y) const { return x >= 0 && y >= 0 && x < m_Width && y < m_Height; }

    void Write(int64_t x, int64_t y)
    {
        if (Inside(x, y))
            TIterator::Write(TIterator::PixelAt(m_Bits, m_Stride, int32_t(x), int32_t(y)), m_PenColor);
    }

    void Blend(int64_t x, int64_t y, int coverage)
    {
        coverage = std::min(coverage, kOpacity);
        if (coverage > 0 && Inside(x, y))
            TIterator::Blend(TIterator::PixelAt(m_Bits, m_Stride, int32_t(x), int32_t(y)), m_PenColor, coverage);
    }

    // Integer lines

    int OutCode(int64_t x, int64_t y) const
    {
        int64_t xmax = int64_t(m_Clip.x) + m_Clip.width - 1;
        int64_t ymax = int64_t(m_Clip.y) + m_Clip.height - 1;
        int code = y > ymax ? 1 : y < m_Clip.y ? 2 : 0;
        return code | (x > xmax ? 4 : x < m_Clip.x ? 8 : 0);
    }

    // a * b / c, product first, truncating; wide enough for any two 33-bit differences.
    static int64_t Scale(int64_t a, int64_t b, int64_t c)
    {
        return static_cast<int64_t>(static_cast<__int128>(a) * b / c);
    }

    void Segment(const Core::C2DPoint& from, const Core::C2DPoint& to)
    {
        if (m_Clip.width <= 0 || m_Clip.height <= 0)
            return;
        // Wider than int: coordinates near the int range must not overflow in the clip.
        int64_t x1 = int64_t(from.x) + m_Origin.x;
        int64_t y1 = int64_t(from.y) + m_Origin.y;
        int64_t x2 = int64_t(to.x) + m_Origin.x;
        int64_t y2 = int64_t(to.y) + m_Origin.y;
        int64_t xmin = m_Clip.x;
        int64_t ymin = m_Clip.y;
        int64_t xmax = xmin + m_Clip.width - 1;
        int64_t ymax = ymin + m_Clip.height - 1;
        int code1 = OutCode(x1, y1);
        int code2 = OutCode(x2, y2);
        for (int round = 0;; ++round) {
            if (!(code1 | code2))
                break;
            if ((code1 & code2) || round > 8)
                return;
            int code = code1 ? code1 : code2;
            int64_t dx = x2 - x1;
            int64_t dy = y2 - y1;
            int64_t x = 0;
            int64_t y = 0;
            if (code & 1) {
                x = x1 + Scale(ymax - y1, dx, dy);
                y = ymax;
            } else if (code & 2) {
                x = x1 + Scale(ymin - y1, dx, dy);
                y = ymin;
            } else if (code & 4) {
                x = xmax;
                y = y1 + Scale(xmax - x1, dy, dx);
            } else {
                x = xmin;
                y = y1 + Scale(xmin - x1, dy, dx);
            }
            if (code == code1) {
                x1 = x;
                y1 = y;
                code1 = OutCode(x1, y1);
            } else {
                x2 = x;
                y2 = y;
                code2 = OutCode(x2, y2);
            }
        }
        bool steep = std::llabs(y2 - y1) > std::llabs(x2 - x1);
        if (steep) {
            std::swap(x1, y1);
            std::swap(x2, y2);
        }
        if (x2 < x1) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        int64_t run = x2 - x1;
        int64_t rise = std::llabs(y2 - y1);
        int64_t error = run / 2;
        int64_t step = y1 < y2 ? 1 : -1;
        int64_t y = y1;
        for (int64_t x = x1; x <= x2; ++x) {
            if (steep)
                Write(y, x);
            else
                Write(x, y);
            error -= rise;
            if (error < 0) {
                y += step;
                error += run;
            }
        }
    }

    void Dot(const Core::C2DPoint& point)
    {
        int64_t x = int64_t(point.x) + m_Origin.x;
        int64_t y = int64_t(point.y) + m_Origin.y;
        if (x >= m_Clip.x && x < int64_t(m_Clip.x) + m_Clip.width && y >= m_Clip.y &&
            y < int64_t(m_Clip.y) + m_Clip.height)
            Write(x, y);
    }

    // Float lines and points

    int FloatOutCode(float x, float y) const
    {
        int code = y > m_ClipBottom ? 1 : y < m_ClipTop ? 2 : 0;
        return code | (x > m_ClipRight ? 4 : x < m_ClipLeft ? 8 : 0);
    }

    static float Fraction(float value) { return value - static_cast<float>(static_cast<int64_t>(value)); }

    void Segment(const Core::C2DFloatPoint& from, const Core::C2DFloatPoint& to)
    {
        if (m_Clip.width <= 0 || m_Clip.height <= 0)
            return;
        float x1 = from.x + m_FloatOrigin.x;
        float y1 = from.y + m_FloatOrigin.y;
        float x2 = to.x + m_FloatOrigin.x;
        float y2 = to.y + m_FloatOrigin.y;
        // NaN passes every comparison of the clip and infinity defeats it: such a line is not drawn.
        if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
            return;
        int code1 = FloatOutCode(x1, y1);
        int code2 = FloatOutCode(x2, y2);
        for (int round = 0;; ++round) {
            if (!(code1 | code2))
                break;
            if ((code1 & code2) || round > 8)
                return;
            int code = code1 ? code1 : code2;
            float x = 0;
            float y = 0;
            if (code & 3) {
                y = (code & 1) ? m_ClipBottom : m_ClipTop;
                x = (y - y1) * (x2 - x1) / (y2 - y1) + x1;
            } else {
                x = (code & 4) ? m_ClipRight : m_ClipLeft;
                y = (x - x1) * (y2 - y1) / (x2 - x1) + y1;
            }
            if (!std::isfinite(x) || !std::isfinite(y))
                return;
            if (code == code1) {
                x1 = x;
                y1 = y;
                code1 = FloatOutCode(x1, y1);
            } else {
                x2 = x;
                y2 = y;
                code2 = FloatOutCode(x2, y2);
            }
        }
        bool steep = std::fabs(y2 - y1) > std::fabs(x2 - x1);
        float minorBound = m_ClipBottom;
        if (steep) {
            std::swap(x1, y1);
            std::swap(x2, y2);
            minorBound = m_ClipRight;
        }
        if (x2 < x1) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        float major = x2 - x1;
        float minor = y2 - y1;
        float gradient = major == 0 ? 0 : minor / major;
        auto plot = [this, steep](int64_t x, int64_t y, int coverage) {
            if (steep)
                Blend(y, x, coverage);
            else
                Blend(x, y, coverage);
        };

        int64_t firstX = static_cast<int64_t>(x1 + 0.5f);
        float firstY = y1 + (static_cast<float>(firstX) - x1) * gradient;
        float gap = 1 - Fraction(x1 + 0.5f);
        int64_t yi = static_cast<int64_t>(firstY);
        float f = firstY - static_cast<float>(yi);
        plot(firstX, yi, static_cast<int>((1 - f) * gap * kOpacity));
        if (static_cast<float>(yi + 1) <= minorBound)
            plot(firstX, yi + 1, static_cast<int>(f * gap * kOpacity));

        int64_t lastX = static_cast<int64_t>(x2 + 0.5f);
        float lastY = y2 + (static_cast<float>(lastX) - x2) * gradient;
        gap = Fraction(x2 + 0.5f);
        yi = static_cast<int64_t>(lastY);
        f = lastY - static_cast<float>(yi);
        plot(lastX, yi, static_cast<int>((1 - f) * gap * kOpacity));
        if (static_cast<float>(yi + 1) <= minorBound)
            plot(lastX, yi + 1, static_cast<int>(f * gap * kOpacity));

        if (std::fabs(minor) >= 1.0f / 255) {
            double y = double(firstY) + gradient;
            for (int64_t x = firstX + 1; x < lastX; ++x, y += gradient) {
                int64_t i = static_cast<int64_t>(y);
                int c1 = static_cast<int>((y - double(i)) * kOpacity);
                int c0 = kOpacity - c1;
                if (c1 != 0)
                    plot(x, i + 1, c1);
                if (c0 != 0)
                    plot(x, i, c0);
            }
        } else {
            float y0 = y1;
            int64_t nearest = static_cast<int64_t>(y0 + 0.5f);
            bool onRow = std::fabs(y0 - static_cast<float>(nearest)) < 1.0f / 255;
            int64_t i = static_cast<int64_t>(y0);
            int c1 = static_cast<int>(kOpacity * (y0 - static_cast<float>(i)));
            int c0 = kOpacity - c1;
            for (int64_t x = firstX + 1; x < lastX; ++x) {
                if (onRow) {
                    if (steep)
                        Write(nearest, x);
                    else
                        Write(x, nearest);
                    continue;
                }
                if (c1 != 0)
                    plot(x, i + 1, c1);
                if (c0 != 0)
                    plot(x, i, c0);
            }
        }
    }

    void Dot(const Core::C2DFloatPoint& point)
    {
        float x = point.x + m_FloatOrigin.x;
        float y = point.y + m_FloatOrigin.y;
        // Far outside (or not a number): no pixel of the splat can be inside.
        if (!(x > m_ClipLeft - 2 && x < m_ClipRight + 2 && y > m_ClipTop - 2 && y < m_ClipBottom + 2))
            return;
        int64_t ix = static_cast<int64_t>(x);
        int64_t iy = static_cast<int64_t>(y);
        float fx = x - static_cast<float>(ix);
        float fy = y - static_cast<float>(iy);
        const struct {
            int64_t dx;
            int64_t dy;
            float weight;
        } kParts[4] = {{0, 0, (1 - fx) * (1 - fy)}, {1, 0, fx * (1 - fy)}, {0, 1, (1 - fx) * fy}, {1, 1, fx * fy}};
        for (const auto& part : kParts) {
            int64_t px = ix + part.dx;
            int64_t py = iy + part.dy;
            int coverage = static_cast<int>(kOpacity * part.weight);
            if (coverage != 0 && px >= m_ClipLeft && px <= m_ClipRight && py >= m_ClipTop && py <= m_ClipBottom)
                Blend(px, py, coverage);
        }
    }

    Unit* m_Bits;
    int32_t m_Width;
    int32_t m_Height;
    // In units of the iterator.
    int64_t m_Stride;
    Core::CColor m_PenColor;
    Core::C2DPoint m_Origin;
    Core::C2DFloatPoint m_FloatOrigin;
    Core::C2DRectangle m_Clip;
    float m_ClipLeft;
    float m_ClipRight;
    float m_ClipTop;
    float m_ClipBottom;
};

} // namespace Graphics
} // namespace Veltis
