#pragma once

#include "Veltis/Core/ICommand.h"
#include "Veltis/Core/IConstEnable.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

class IConstActionInfo;

// A command of the data model that views run (Execute) and show as available or not.
class IConstAction : public virtual Core::IConstEnable, public virtual Core::ICommand {
public:
    virtual const IConstActionInfo& GetInfo() const = 0;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
