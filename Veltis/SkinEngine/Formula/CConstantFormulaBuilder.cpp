#include "Veltis/SkinEngine/Formula/CConstantFormulaBuilder.h"

#include "Veltis/Math/IConstant.h"

namespace Veltis::SkinEngine
{

Math::IConstant* CConstantFormulaBuilder::BuildIdentifier(Node node)
{
    return BuildPi(GetParameterName(node));
}

} // namespace Veltis::SkinEngine
