#pragma once

#include "Veltis/DataModel/Objects/EParamValueCurve.h"

// Readers of the parameter type and response curve attributes of model and skin elements: exact,
// case-sensitive words, anything else giving the default without a message.
namespace Veltis {
namespace Containers {
class IConstNamedAttributes;
}
namespace SkinEngine {

// "boolean" 0, "integer" and "enumeration" 1, otherwise 2 (continuous).
int ReadParamType(const Containers::IConstNamedAttributes& attributes, const char* name);

// "log3", "log2", "log1", "square_root", "log", "exp", "square", "exp1", "exp2", "exp3"; otherwise linear.
DataModel::Objects::EParamValueCurve ReadResponseCurve(const Containers::IConstNamedAttributes& attributes,
                                                       const char* name);

} // namespace SkinEngine
} // namespace Veltis
