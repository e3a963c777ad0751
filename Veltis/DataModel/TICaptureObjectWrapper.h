#pragma once

#include "Veltis/DataModel/TICaptureObject.h"
#include "Veltis/DataModel/TIConstCaptureObjectWrapper.h"

namespace Veltis {
namespace DataModel {

// The writable form of a detachable property wrapper.
template <class V, class IInfo>
class TICaptureObjectWrapper : public virtual TIConstCaptureObjectWrapper<V, IInfo>,
                               public virtual TICaptureObject<V, IInfo> {
};

} // namespace DataModel
} // namespace Veltis
