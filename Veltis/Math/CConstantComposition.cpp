#include "Veltis/Math/CConstantComposition.h"

#include "Veltis/Math/CConstant.h"
#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/ReadMember.h"
#include "Veltis/Math/TFunction.h"
#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/CTypeSerializer.h"
#include "Veltis/Serialization/IWriteDataStream.h"

namespace Veltis {
namespace Math {

CConstantComposition::CConstantComposition()
    : m_Function(TFunction<&FunctionsLibrary::Identity>::GetInstance().Clone(), true),
      m_ConstFunction(new CConstant(0.0f), true)
{
}

CConstantComposition::CConstantComposition(const IFunction* function, const IConstant* constFunction, bool owned)
    : m_Function(function, owned), m_ConstFunction(constFunction, owned)
{
}

bool CConstantComposition::Serialize(Serialization::IWriteDataStream& stream) const
{
    bool result = stream.WriteObject("function", Serialization::CTypeSerializer(m_Function.Get()));
    result = stream.WriteObject("constFunction", Serialization::CTypeSerializer(m_ConstFunction.Get())) && result;
    return result;
}

bool CConstantComposition::DeSerialize(const Serialization::IReadDataStream& stream)
{
    const IFunction* function = ReadMember<IFunction>(stream, "function");
    m_Function.Set(function ? function : &TFunction<&FunctionsLibrary::Identity>::GetInstance(), function != nullptr);
    const IConstant* inner = ReadMember<IConstant>(stream, "constFunction");
    m_ConstFunction.Set(inner ? inner : new CConstant(0.0f), true);
    return function != nullptr && inner != nullptr;
}

namespace {
[[maybe_unused]] const bool s_Registered = Runtime::RegisterObjectFactories<CConstantComposition, IConstant>();
}

} // namespace Math
} // namespace Veltis
