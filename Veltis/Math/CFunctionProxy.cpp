#include "Veltis/Math/CFunctionProxy.h"

#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/ReadMember.h"
#include "Veltis/Math/TFunction.h"
#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/CTypeSerializer.h"
#include "Veltis/Serialization/IWriteDataStream.h"

namespace Veltis {
namespace Math {

const IFunction* CFunctionProxy::GetFallback()
{
    return &TFunction<&FunctionsLibrary::Identity>::GetInstance();
}

CFunctionProxy::CFunctionProxy(const IFunction* target, bool owned)
    : m_Target(target ? target : GetFallback(), target ? owned : false)
{
}

void CFunctionProxy::SetFunction(const IFunction* target, bool owned)
{
    if (target)
        m_Target.Set(target, owned);
    else
        m_Target.Set(GetFallback(), false);
}

bool CFunctionProxy::Serialize(Serialization::IWriteDataStream& stream) const
{
    return stream.WriteObject("value", Serialization::CTypeSerializer(m_Target.Get()));
}

bool CFunctionProxy::DeSerialize(const Serialization::IReadDataStream& stream)
{
    const IFunction* target = ReadMember<IFunction>(stream, "value");
    m_Target.Set(target ? target : GetFallback(), target != nullptr);
    return target != nullptr;
}

namespace {
[[maybe_unused]] const bool s_Registered = Runtime::RegisterObjectFactories<CFunctionProxy, IFunction>();
}

} // namespace Math
} // namespace Veltis
