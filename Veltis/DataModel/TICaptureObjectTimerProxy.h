#pragma once

#include "Veltis/DataModel/TICaptureObjectProxy.h"
#include "Veltis/DataModel/TIConstCaptureObjectTimerProxy.h"

namespace Veltis {
namespace DataModel {

// The writable form of a timer proxy.
template <class V, class IInfo>
class TICaptureObjectTimerProxy : public virtual TIConstCaptureObjectTimerProxy<V, IInfo>,
                                  public virtual TICaptureObjectProxy<V, IInfo> {
};

} // namespace DataModel
} // namespace Veltis
