#pragma once

namespace Veltis {
namespace DataModel {
namespace Objects {

// Turns a parameter value into the text a user sees.
class IParamValueToText {
public:
    // *out receives a new array (array new) that the caller deletes with delete[].
    virtual void ToText(char** out, float value) const = 0;
    // A new converter of the same class and settings, owned by the caller.
    virtual IParamValueToText* Clone() const = 0;
    virtual ~IParamValueToText() {}
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
