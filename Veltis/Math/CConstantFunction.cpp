#include "Veltis/Math/CConstantFunction.h"

#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"

namespace Veltis {
namespace Math {

bool CConstantFunction::Serialize(Serialization::IWriteDataStream& stream) const
{
    return stream.WriteFloat("value", m_Value);
}

bool CConstantFunction::DeSerialize(const Serialization::IReadDataStream& stream)
{
    return stream.ReadFloat("value", m_Value);
}

namespace {
[[maybe_unused]] const bool s_Registered = Runtime::RegisterObjectFactories<CConstantFunction, IFunction>();
}

} // namespace Math
} // namespace Veltis
