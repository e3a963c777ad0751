#include "Veltis/DataModel/Objects/EParamValueCurve.h"

#include "Veltis/Math/TFunction.h"

#include <cstring>

namespace Veltis {
namespace DataModel {
namespace Objects {

namespace {

struct SCurveFunctions {
    const Math::IFunction* function;
    const Math::IFunction* inverse;
};

template <float (*F)(float), float (*Inverse)(float)>
SCurveFunctions Pair()
{
    return {&Math::TFunction<F>::GetInstance(), &Math::TFunction<Inverse>::GetInstance()};
}

using namespace Math::FunctionsLibrary;

struct SCurveTable {
    SCurveFunctions curves[kParamValueCurveCount] = {
        Pair<&NormLog3, &NormExp3>(), Pair<&NormLog2, &NormExp2>(),   Pair<&NormLog1, &NormExp1>(),
        Pair<&Identity, &Identity>(), Pair<&SquareRoot, &Square>(),   Pair<&NormLog, &NormExp>(),
        Pair<&Identity, &Identity>(), Pair<&NormExp, &NormLog>(),     Pair<&Square, &SquareRoot>(),
        Pair<&Identity, &Identity>(), Pair<&NormExp1, &NormLog1>(),   Pair<&NormExp2, &NormLog2>(),
        Pair<&NormExp3, &NormLog3>()};
};

bool IsCurve(EParamValueCurve curve) { return curve >= 0 && curve < kParamValueCurveCount; }

} // namespace

void GetParamValueCurveFunctions(EParamValueCurve curve, const Math::IFunction*& function,
                                 const Math::IFunction*& inverse)
{
    static const SCurveTable s_Table;
    const SCurveFunctions& pair = s_Table.curves[IsCurve(curve) ? curve : eParamValueCurveLinear];
    function = pair.function;
    inverse = pair.inverse;
}

const char* GetParamValueCurveName(EParamValueCurve curve)
{
    return IsCurve(curve) ? kParamValueCurveNames[curve] : nullptr;
}

const char* GetParamValueCurveUserName(EParamValueCurve curve)
{
    return IsCurve(curve) ? kParamValueCurveUserNames[curve] : nullptr;
}

bool FindParamValueCurve(const char* name, EParamValueCurve& curve)
{
    if (!name)
        return false;
    for (int index = 0; index < kParamValueCurveCount; ++index) {
        if (std::strcmp(name, kParamValueCurveNames[index]) == 0) {
            curve = static_cast<EParamValueCurve>(index);
            return true;
        }
    }
    return false;
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
