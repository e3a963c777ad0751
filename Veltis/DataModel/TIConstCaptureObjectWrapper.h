#pragma once

#include "Veltis/Core/IDisconnect.h"
#include "Veltis/DataModel/TIConstCaptureObject.h"

namespace Veltis {
namespace DataModel {

// A read-only model object that publishes something else's property and can be detached from it.
template <class V, class IInfo>
class TIConstCaptureObjectWrapper : public virtual Core::IDisconnect, public virtual TIConstCaptureObject<V, IInfo> {
};

} // namespace DataModel
} // namespace Veltis
