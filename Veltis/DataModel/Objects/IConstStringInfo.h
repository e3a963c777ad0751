#pragma once

#include "Veltis/DataModel/IConstObjectInfo.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// The description of a string object: name, comment and a default text.
class IConstStringInfo : public virtual IConstObjectInfo {
public:
    ~IConstStringInfo() override {}
    // Never null.
    virtual const char* GetDefaultValue() const = 0;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
