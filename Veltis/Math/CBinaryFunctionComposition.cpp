#include "Veltis/Math/CBinaryFunctionComposition.h"

#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/ReadMember.h"
#include "Veltis/Math/TBinaryFunction.h"
#include "Veltis/Math/TFunction.h"
#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/CTypeSerializer.h"
#include "Veltis/Serialization/IWriteDataStream.h"

namespace Veltis {
namespace Math {

CBinaryFunctionComposition::CBinaryFunctionComposition()
    : m_Function(&TFunction<&FunctionsLibrary::Identity>::GetInstance(), false),
      m_BinaryFunction(&TBinaryFunction<&FunctionsLibrary::Average>::GetInstance(), false)
{
}

CBinaryFunctionComposition::CBinaryFunctionComposition(const IFunction* function,
                                                       const IBinaryFunction* binaryFunction, bool owned)
    : m_Function(function, owned), m_BinaryFunction(binaryFunction, owned)
{
}

bool CBinaryFunctionComposition::Serialize(Serialization::IWriteDataStream& stream) const
{
    bool result = stream.WriteObject("function", Serialization::CTypeSerializer(m_Function.Get()));
    result = stream.WriteObject("binaryFunction", Serialization::CTypeSerializer(m_BinaryFunction.Get())) && result;
    return result;
}

bool CBinaryFunctionComposition::DeSerialize(const Serialization::IReadDataStream& stream)
{
    const IFunction* function = ReadMember<IFunction>(stream, "function");
    m_Function.Set(function ? function : &TFunction<&FunctionsLibrary::Identity>::GetInstance(), function != nullptr);
    const IBinaryFunction* inner = ReadMember<IBinaryFunction>(stream, "binaryFunction");
    m_BinaryFunction.Set(inner ? inner : &TBinaryFunction<&FunctionsLibrary::Average>::GetInstance(), inner != nullptr);
    return function != nullptr && inner != nullptr;
}

namespace {
[[maybe_unused]] const bool s_Registered = Runtime::RegisterObjectFactories<CBinaryFunctionComposition, IBinaryFunction>();
}

} // namespace Math
} // namespace Veltis
