#pragma once

#include "Veltis/DataModel/IConstObjectInfo.h"

namespace Veltis {
namespace Math {
class IFunction;
}

namespace DataModel {
namespace Objects {

class IConstParamInfo;

// The description of a curve: one parameter descriptor per axis and a default function. The change
// event also announces edits of the axes.
class IConstCurveInfo : public virtual IConstObjectInfo {
public:
    ~IConstCurveInfo() override {}
    virtual const IConstParamInfo& GetXInfo() const = 0;
    virtual IConstParamInfo& GetXInfo() = 0;
    virtual const IConstParamInfo& GetYInfo() const = 0;
    virtual IConstParamInfo& GetYInfo() = 0;
    // Owned by the record; valid until the next change of an axis.
    virtual const Math::IFunction& GetDefaultFunction() const = 0;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
