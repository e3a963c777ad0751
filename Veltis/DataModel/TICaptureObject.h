#pragma once

#include "Veltis/DataModel/TICaptureValue.h"
#include "Veltis/DataModel/TIConstCaptureObject.h"

namespace Veltis {
namespace DataModel {

// A writable model object: parameters, curves, surfaces and strings of the data model.
template <class V, class IInfo>
class TICaptureObject : public virtual TIConstCaptureObject<V, IInfo>, public virtual TICaptureValue<V> {
};

} // namespace DataModel
} // namespace Veltis
