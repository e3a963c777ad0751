#include "Veltis/Math/CConstant.h"

#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"

namespace Veltis {
namespace Math {

bool CConstant::Serialize(Serialization::IWriteDataStream& stream) const
{
    return stream.WriteFloat("value", m_Value);
}

bool CConstant::DeSerialize(const Serialization::IReadDataStream& stream)
{
    return stream.ReadFloat("value", m_Value);
}

namespace {
[[maybe_unused]] const bool s_Registered = Runtime::RegisterObjectFactories<CConstant, IConstant>();
}

} // namespace Math
} // namespace Veltis
