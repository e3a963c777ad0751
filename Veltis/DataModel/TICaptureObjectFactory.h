#pragma once

#include "Veltis/DataModel/TICaptureValueFactory.h"
#include "Veltis/DataModel/TIConstCaptureObjectFactory.h"

namespace Veltis {
namespace DataModel {

// A published output that its owner sets and captures.
template <class V, class IInfo>
class TICaptureObjectFactory : public virtual TIConstCaptureObjectFactory<V, IInfo>,
                               public virtual TICaptureValueFactory<V> {
};

} // namespace DataModel
} // namespace Veltis
