#include "Veltis/DataModel/Controls/CSurfaceViewer.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

float CSurfaceViewer::GetValuePosition(bool clamp, float xPosition, float yPosition)
{
    const float x = GetConfig(0).PositionToValue(xPosition);
    const float y = GetConfig(1).PositionToValue(yPosition);
    const float z = GetObject().GetValue().GetValue(x, y);
    return GetConfig(2).ValueToPosition(z, clamp);
}

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
