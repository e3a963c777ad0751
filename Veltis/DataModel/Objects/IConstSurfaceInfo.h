#pragma once

#include "Veltis/DataModel/IConstObjectInfo.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

class IConstParamInfo;

// The description of a surface z = f(x, y): one parameter descriptor per axis. The change event also
// announces edits of the axes.
class IConstSurfaceInfo : public virtual IConstObjectInfo {
public:
    ~IConstSurfaceInfo() override {}
    virtual const IConstParamInfo& GetXInfo() const = 0;
    virtual IConstParamInfo& GetXInfo() = 0;
    virtual const IConstParamInfo& GetYInfo() const = 0;
    virtual IConstParamInfo& GetYInfo() = 0;
    virtual const IConstParamInfo& GetZInfo() const = 0;
    virtual IConstParamInfo& GetZInfo() = 0;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
