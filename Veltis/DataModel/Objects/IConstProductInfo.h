#pragma once

#include "Veltis/DataModel/IConstObjectInfo.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// The identity of a product or processing block. GetComment is its description or web address.
class IConstProductInfo : public virtual IConstObjectInfo {
public:
    ~IConstProductInfo() override {}
    virtual const char* GetVersion() const = 0;
    virtual const char* GetCopyright() const = 0;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
