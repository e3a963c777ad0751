#pragma once

#include "Veltis/Core/IConstCapture.h"
#include "Veltis/Core/TIConstValueFactory.h"

namespace Veltis {
namespace DataModel {

// A value source whose copies a reader takes, with the read side of its edit gesture.
template <class V>
class TIConstCaptureValueFactory : public virtual Core::TIConstValueFactory<V>, public virtual Core::IConstCapture {
};

} // namespace DataModel
} // namespace Veltis
