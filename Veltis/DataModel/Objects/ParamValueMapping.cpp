#include "Veltis/DataModel/Objects/ParamValueMapping.h"

#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/IFunction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

float MapParamValue(float x, const Math::IFunction& function, bool normalized, bool reversed, bool reverseFirst,
                    const IConstParamInfo& from, const IConstParamInfo& to)
{
    using namespace Math::FunctionsLibrary;
    if (normalized) {
        float y = Normalize(x, from.GetMin(), from.GetMax());
        if (reversed && reverseFirst)
            y = 1.0f - y;
        y = function.GetValue(y);
        if (reversed && !reverseFirst)
            y = 1.0f - y;
        if (y > 1.0f)
            y = 1.0f;
        else if (!(y >= 0.0f))
            y = 0.0f;
        return Denormalize(y, to.GetMin(), to.GetMax());
    }
    float y = x;
    if (reversed && reverseFirst)
        y = (from.GetMax() - y) + from.GetMin();
    y = function.GetValue(y);
    if (reversed && !reverseFirst)
        y = (to.GetMax() - y) + to.GetMin();
    return y;
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
