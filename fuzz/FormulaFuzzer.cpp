// Builds formulas from arbitrary bytes with every entry point: any text must give an object or null,
// never a crash, a hang, a leak or undefined behaviour.
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IConstant.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/SkinEngine/Formula/CFormulaBuilder.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, std::size_t size)
{
    using namespace Veltis::Math;
    std::string const text(reinterpret_cast<char const*>(data), size);
    Veltis::SkinEngine::CFormulaBuilder builder;

    std::unique_ptr<IConstant> constant(builder.CreateConstant(text.c_str()));
    if (constant != nullptr)
        constant->GetValue();
    std::unique_ptr<IFunction> function(builder.CreateFunction(text.c_str(), "x"));
    if (function != nullptr)
        function->GetValue(0.5f);

    std::unique_ptr<TIParametrizedFunction<IBinaryFunction>> parametrized(
        builder.CreateParametrizedBinaryFunction(text.c_str(), "x", "y"));
    if (parametrized != nullptr)
    {
        parametrized->SetParameter("a", 2.0f);
        parametrized->GetFunction().GetValue(0.25f, -1.0f);
        std::unique_ptr<IBinaryFunction> copy(parametrized->GetFunction().Clone());
        copy->GetValue(1.0f, 2.0f);
    }
    return 0;
}
