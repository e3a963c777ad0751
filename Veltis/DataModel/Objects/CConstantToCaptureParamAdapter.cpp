#include "Veltis/DataModel/Objects/CConstantToCaptureParamAdapter.h"

#include "Veltis/Math/CConstant.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CConstantToCaptureParamAdapter::CConstantToCaptureParamAdapter(const Math::IConstant* constant, int owned)
    : m_Constant(constant ? constant : new Math::CConstant(0.0f), constant ? owned : 1), m_Captured(false)
{
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
