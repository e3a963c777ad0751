#pragma once

#include "Veltis/Core/TOwnershipWithClone.h"
#include "Veltis/Math/ReadMember.h"
#include "Veltis/Serialization/CTypeSerializer.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"

namespace Veltis {
namespace Math {

// What the curve and surface proxies share: a replaceable target of interface I that is never null.
// Wherever a null target is given or read, Proxy::GetFallback() (a shared instance) takes its place,
// held without ownership.
template <class Proxy, class I>
class TFunctionProxy : public virtual I {
public:
    TFunctionProxy& operator=(const TFunctionProxy&) = delete;

    // Releases an owned previous target first. A null target re-targets to the fallback.
    void SetFunction(const I* target, bool owned)
    {
        if (target)
            m_Target.Set(target, owned);
        else
            m_Target.Set(Proxy::GetFallback(), false);
    }

    bool Serialize(Serialization::IWriteDataStream& stream) const override
    {
        return stream.WriteObject("value", Serialization::CTypeSerializer(m_Target.Get()));
    }
    // A missing, unreadable or null stored target leaves the proxy on its fallback and fails.
    bool DeSerialize(const Serialization::IReadDataStream& stream) override
    {
        const I* target = ReadMember<I>(stream, "value");
        SetFunction(target, true);
        return target != nullptr;
    }

protected:
    // A null target stands for the fallback, held without ownership whatever owned says.
    TFunctionProxy(const I* target, bool owned)
        : m_Target(target ? target : Proxy::GetFallback(), target ? owned : false)
    {
    }
    // The copy owns a clone of the target, whoever owned the source's.
    TFunctionProxy(const TFunctionProxy& other) = default;

    const I& GetTarget() const { return *m_Target.Get(); }

private:
    Core::TOwnershipWithClone<const I> m_Target;
};

} // namespace Math
} // namespace Veltis
