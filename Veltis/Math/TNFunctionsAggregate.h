#pragma once

#include "Veltis/Containers/ICount.h"
#include "Veltis/Core/TDynamicVector.h"
#include "Veltis/Serialization/CTypeSerializer.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"
#include "Veltis/Serialization/TDynamicVectorDeSerializer.h"
#include "Veltis/Serialization/TRuntimeDeSerializer.h"
#include "Veltis/Serialization/TVectorSerializer.h"

namespace Veltis {
namespace Math {

// A list of function slots that the concrete classes chain or fold: the slots, whether the functions
// in them are owned, resizing, deep copying and persistence. A slot may be null.
template <class I>
class TNFunctionsAggregate : public virtual I, public virtual Containers::ICount {
public:
    // count null slots; with ownership 1 the aggregate deletes the functions it holds.
    explicit TNFunctionsAggregate(int count = 0, int ownership = 0)
        : m_Functions(count > 0 ? count : 0), m_Ownership(ownership)
    {
    }

    TNFunctionsAggregate& operator=(const TNFunctionsAggregate&) = delete;

    ~TNFunctionsAggregate() override { DropSlots(0); }

    // Stores function in slot index (owned or not by the aggregate's flag), deleting the owned
    // function it replaces; given the function the slot already holds, it keeps it. An index outside
    // the slots stores nothing.
    void SetFunction(int index, const I* function)
    {
        if (index < 0 || index >= m_Functions.GetCount())
            return;
        if (m_Ownership == 1 && m_Functions[index] != function)
            delete m_Functions[index];
        m_Functions[index] = function;
    }

    int GetCount() const override { return m_Functions.GetCount(); }

    // Dropped slots lose their functions (deleted when owned); new slots are null. A negative count
    // empties the list.
    void SetCount(int count) override
    {
        if (count < 0)
            count = 0;
        if (count == m_Functions.GetCount())
            return;
        DropSlots(count);
        const int oldCount = m_Functions.GetCount();
        // Capacity stays when the count drops: owners that reserve once can change the count on the audio thread.
        m_Functions.SetSize(count, false);
        for (int i = oldCount; i < count; ++i)
            m_Functions[i] = nullptr;
    }

    bool Serialize(Serialization::IWriteDataStream& stream) const override
    {
        const int count = m_Functions.GetCount();
        SerializerVector serializers(count);
        for (int i = 0; i < count; ++i)
            serializers[i] = Serialization::CTypeSerializer(m_Functions[i]);
        return stream.WriteObject("functions", Serialization::TVectorSerializer<SerializerVector>(&serializers, "item"));
    }

    // Replaces every slot by what is read; on failure nothing read is kept and the list is empty.
    // Either way the aggregate owns its functions afterwards.
    bool DeSerialize(const Serialization::IReadDataStream& stream) override
    {
        DropSlots(0);
        m_Functions.SetSize(0, true);
        m_Ownership = 1;

        ReaderVector readers;
        Serialization::TDynamicVectorDeSerializer<ReaderVector> reader(&readers, "item");
        const bool result = stream.ReadObject("functions", reader);
        const int count = readers.GetCount();
        if (!result) {
            for (int i = 0; i < count; ++i)
                delete readers[i].GetObject();
            return false;
        }
        // Capacity stays when the count drops: owners that reserve once can change the count on the audio thread.
        m_Functions.SetSize(count, false);
        for (int i = 0; i < count; ++i)
            m_Functions[i] = readers[i].GetObject();
        return true;
    }

protected:
    typedef Core::TDynamicVector<const I*, Core::CStepGrowthStrategy, Core::TEqualOperatorCopier<const I*>> FunctionVector;

    // A deep copy that owns clones of the source's functions, whatever the source's flag is.
    TNFunctionsAggregate(const TNFunctionsAggregate& other)
        : I(other), Containers::ICount(other), m_Functions(other.m_Functions.GetCount()), m_Ownership(1)
    {
        for (int i = 0; i < other.m_Functions.GetCount(); ++i)
            m_Functions[i] = other.m_Functions[i] ? other.m_Functions[i]->Clone() : nullptr;
    }

    FunctionVector m_Functions;
    int m_Ownership;

private:
    typedef Core::TDynamicVector<Serialization::CTypeSerializer, Core::CStepGrowthStrategy,
                                 Core::TEqualOperatorCopier<Serialization::CTypeSerializer>>
        SerializerVector;
    typedef Core::TDynamicVector<Serialization::TRuntimeDeSerializer<I>, Core::CStepGrowthStrategy,
                                 Core::TEqualOperatorCopier<Serialization::TRuntimeDeSerializer<I>>>
        ReaderVector;

    // Empties the slots from first on, deleting their functions when owned.
    void DropSlots(int first)
    {
        for (int i = first; i < m_Functions.GetCount(); ++i) {
            if (m_Ownership == 1)
                delete m_Functions[i];
            m_Functions[i] = nullptr;
        }
    }
};

} // namespace Math
} // namespace Veltis
