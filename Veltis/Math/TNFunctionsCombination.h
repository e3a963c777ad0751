#pragma once

#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/ReadMember.h"
#include "Veltis/Math/TBinaryFunction.h"
#include "Veltis/Serialization/CTypeSerializer.h"
#include "Veltis/Serialization/IWriteDataStream.h"

namespace Veltis {
namespace Math {

// Two objects of one kind joined by a function of two variables: the members, their one shared
// ownership flag and their persistence. The concrete classes fix the kind and evaluate.
template <class I>
class TNFunctionsCombination : public virtual I {
public:
    // No member may be null. With owned set, the combination deletes all three.
    TNFunctionsCombination(const I* func1, const I* func2, const IBinaryFunction* combineFunction, bool owned)
        : m_Func1(func1), m_Func2(func2), m_CombineFunction(combineFunction), m_Owned(owned ? 1 : 0)
    {
    }

    TNFunctionsCombination& operator=(const TNFunctionsCombination&) = delete;

    ~TNFunctionsCombination() override { ReleaseMembers(); }

    bool Serialize(Serialization::IWriteDataStream& stream) const override
    {
        bool result = stream.WriteObject("func1", Serialization::CTypeSerializer(m_Func1));
        result = stream.WriteObject("func2", Serialization::CTypeSerializer(m_Func2)) && result;
        result = stream.WriteObject("combineFunction", Serialization::CTypeSerializer(m_CombineFunction)) && result;
        return result;
    }

    // Every member that cannot be read, or was stored as null, is replaced by its default, so the
    // combination stays complete and evaluable; the result then is false. Afterwards it owns all three.
    bool DeSerialize(const Serialization::IReadDataStream& stream) override
    {
        ReleaseMembers();
        m_Owned = 1;
        bool result = true;
        m_Func1 = ReadMember<I>(stream, "func1");
        if (!m_Func1) {
            m_Func1 = CreateDefaultFunction();
            result = false;
        }
        m_Func2 = ReadMember<I>(stream, "func2");
        if (!m_Func2) {
            m_Func2 = CreateDefaultFunction();
            result = false;
        }
        m_CombineFunction = ReadMember<IBinaryFunction>(stream, "combineFunction");
        if (!m_CombineFunction) {
            m_CombineFunction = TBinaryFunction<&FunctionsLibrary::Average>::GetInstance().Clone();
            result = false;
        }
        return result;
    }

    // A new, unshared object used where func1 or func2 cannot be read; the caller owns it.
    virtual I* CreateDefaultFunction() const = 0;

protected:
    // A deep copy that owns its clones, whatever the source's flag is.
    TNFunctionsCombination(const TNFunctionsCombination& other)
        : I(other), m_Func1(other.m_Func1->Clone()), m_Func2(other.m_Func2->Clone()),
          m_CombineFunction(other.m_CombineFunction->Clone()), m_Owned(1)
    {
    }

    const I* m_Func1;
    const I* m_Func2;
    const IBinaryFunction* m_CombineFunction;
    int m_Owned;

private:
    void ReleaseMembers()
    {
        if (m_Owned == 1) {
            // One object given as both operands is deleted once.
            if (m_Func2 != m_Func1)
                delete m_Func2;
            delete m_Func1;
            delete m_CombineFunction;
        }
        m_Func1 = nullptr;
        m_Func2 = nullptr;
        m_CombineFunction = nullptr;
    }
};

} // namespace Math
} // namespace Veltis
