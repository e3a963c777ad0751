#pragma once

#include "Veltis/Core/IEnable.h"
#include "Veltis/DataModel/Objects/IConstAction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// An action that can be switched on and off.
class IAction : public virtual IConstAction, public virtual Core::IEnable {
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
