#pragma once

#include "Veltis/DataModel/TICaptureObject.h"
#include "Veltis/DataModel/TIConstCaptureObjectProxy.h"

namespace Veltis {
namespace DataModel {

// The writable form of a model object proxy: writes and gestures go straight to the source.
template <class V, class IInfo>
class TICaptureObjectProxy : public virtual TIConstCaptureObjectProxy<V, IInfo>, public virtual TICaptureObject<V, IInfo> {
};

} // namespace DataModel
} // namespace Veltis
