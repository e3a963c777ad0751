#include "Veltis/Math/CBinaryFunctionProxy.h"

#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/ReadMember.h"
#include "Veltis/Math/TBinaryFunction.h"
#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/CTypeSerializer.h"
#include "Veltis/Serialization/IWriteDataStream.h"

namespace Veltis {
namespace Math {

const IBinaryFunction* CBinaryFunctionProxy::GetFallback()
{
    return &TBinaryFunction<&FunctionsLibrary::Average>::GetInstance();
}

CBinaryFunctionProxy::CBinaryFunctionProxy(const IBinaryFunction* target, bool owned)
    : m_Target(target ? target : GetFallback(), target ? owned : false)
{
}

void CBinaryFunctionProxy::SetFunction(const IBinaryFunction* target, bool owned)
{
    if (target)
        m_Target.Set(target, owned);
    else
        m_Target.Set(GetFallback(), false);
}

bool CBinaryFunctionProxy::Serialize(Serialization::IWriteDataStream& stream) const
{
    return stream.WriteObject("value", Serialization::CTypeSerializer(m_Target.Get()));
}

bool CBinaryFunctionProxy::DeSerialize(const Serialization::IReadDataStream& stream)
{
    const IBinaryFunction* target = ReadMember<IBinaryFunction>(stream, "value");
    m_Target.Set(target ? target : GetFallback(), target != nullptr);
    return target != nullptr;
}

namespace {
[[maybe_unused]] const bool s_Registered = Runtime::RegisterObjectFactories<CBinaryFunctionProxy, IBinaryFunction>();
}

} // namespace Math
} // namespace Veltis
