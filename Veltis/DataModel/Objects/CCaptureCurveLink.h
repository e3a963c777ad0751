#pragma once

#include "Veltis/DataModel/Objects/IConstCurveInfo.h"
#include "Veltis/DataModel/TCaptureObjectLink.h"
#include "Veltis/DataModel/TICaptureObject.h"
#include "Veltis/Math/IFunction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A model curve that follows another curve; the target keeps its own copy of each function.
class CCaptureCurveLink : public TCaptureObjectLink<TIConstCaptureObject<const Math::IFunction&, IConstCurveInfo>,
                                                     TICaptureObject<const Math::IFunction&, IConstCurveInfo>> {
public:
    CCaptureCurveLink(TIConstCaptureObject<const Math::IFunction&, IConstCurveInfo>* source,
                      TICaptureObject<const Math::IFunction&, IConstCurveInfo>* target)
        : TCaptureObjectLink(source, target)
    {
    }
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
