#pragma once

#include "Veltis/DataModel/IConstObjectInfo.h"

namespace Veltis {
namespace DataModel {

// An info record whose texts can be edited; each edit notifies the change event.
class IObjectInfo : public virtual IConstObjectInfo {
public:
    virtual void SetName(const char* name) = 0;
    virtual void SetComment(const char* comment) = 0;
};

} // namespace DataModel
} // namespace Veltis
