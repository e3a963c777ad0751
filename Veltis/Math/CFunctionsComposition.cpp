#include "Veltis/Math/CFunctionsComposition.h"

#include "Veltis/Runtime/CObjectsFactory.h"

namespace Veltis {
namespace Math {

namespace {
[[maybe_unused]] const bool s_Registered = Runtime::RegisterObjectFactories<CFunctionsComposition, IFunction>();
}

} // namespace Math
} // namespace Veltis
