#pragma once

#include "Veltis/DataModel/Objects/IConstCurveInfo.h"
#include "Veltis/DataModel/TICaptureObject.h"
#include "Veltis/DataModel/TMultipleCaptureObjectLink.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/Math/TNFunctionsAggregate.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// Gives its target curves the sum (or difference, product, quotient) of its source curves. The
// operation holds clones of the sources only while it writes.
class CMultipleCaptureCurveLink : public TMultipleCaptureObjectLink<TIConstCaptureObject<const Math::IFunction&, IConstCurveInfo>,
                                                                    TICaptureObject<const Math::IFunction&, IConstCurveInfo>> {
public:
    typedef TIConstCaptureObject<const Math::IFunction&, IConstCurveInfo> ConstCurve;
    typedef Math::TNFunctionsAggregate<Math::IFunction> Operation;

    CMultipleCaptureCurveLink();
    ~CMultipleCaptureCurveLink() override;

    void Update(ConstCurve* changed) override;

    // Keeps an empty copy of operation (a functions operation); the caller keeps its own.
    void SetMuxFunction(const Operation& operation);
    const Operation& GetMuxFunction() const { return *m_Operation; }

private:
    Operation* m_Operation;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
