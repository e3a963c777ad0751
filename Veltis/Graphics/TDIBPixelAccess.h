#pragma once

#include "Veltis/Graphics/IRGBPixelAccess.h"

#include <cstdint>

namespace Veltis {
namespace Graphics {

// Pixel access over memory in the layout of the iterator type; checks nothing, holds no share.
template <class TIterator>
class TDIBPixelAccess : public virtual IRGBPixelAccess {
public:
    TDIBPixelAccess(void* bits, int32_t width, int32_t height)
        : m_Bits(static_cast<typename TIterator::Unit*>(bits)), m_Width(width), m_Height(height),
          m_Stride(static_cast<int32_t>(TIterator::GetStride(width)))
    {
    }

    Core::CColor GetPixel(const Core::C2DPoint& point) const override
    {
        return TIterator::Read(TIterator::PixelAt(m_Bits, m_Stride, point.x, point.y));
    }
    void SetPixel(const Core::C2DPoint& point, const Core::CColor& color) override
    {
        TIterator::Write(TIterator::PixelAt(m_Bits, m_Stride, point.x, point.y), color);
    }

private:
    typename TIterator::Unit* m_Bits;
    int32_t m_Width;
    int32_t m_Height;
    // In units of the iterator (bytes, words).
    int32_t m_Stride;
};

} // namespace Graphics
} // namespace Veltis
