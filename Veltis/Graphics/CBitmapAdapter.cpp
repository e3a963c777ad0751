#include "Veltis/Graphics/CBitmapAdapter.h"

#include "Veltis/Graphics/CSharedNativeHandle.h"

#include "Native/CoreGraphics.h"

using namespace Native;

namespace Veltis {
namespace Graphics {

CBitmapAdapter::CBitmapAdapter(CGContextRef context) : CBitmap(new CSharedNativeHandle(context)) {}

CGContextRef CBitmapAdapter::DetachNativeContext()
{
    CGContextRef context = GetContext();
    m_Holder->SetHandle(nullptr);
    return context;
}

} // namespace Graphics
} // namespace Veltis
