#pragma once

#include "Veltis/Core/ICapture.h"
#include "Veltis/Core/TIValueFactory.h"
#include "Veltis/DataModel/TIConstCaptureValueFactory.h"

namespace Veltis {
namespace DataModel {

// A value source that can be set and whose edit gesture can be begun and ended.
template <class V>
class TICaptureValueFactory : public virtual Core::TIValueFactory<V>,
                              public virtual TIConstCaptureValueFactory<V>,
                              public virtual Core::ICapture {
};

} // namespace DataModel
} // namespace Veltis
