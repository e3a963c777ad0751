#pragma once

#include "Veltis/SkinEngine/Formula/TLocalFormulaBuilder.h"

namespace Veltis::Math
{
class IConstant;
}

namespace Veltis::SkinEngine
{

// Builds a formula as a constant: the only name it knows is "pi".
class CConstantFormulaBuilder : public TLocalFormulaBuilder<Math::IConstant>
{
public:
    Math::IConstant* BuildIdentifier(Node node) override;
};

} // namespace Veltis::SkinEngine
