#pragma once

#include "Veltis/Audio/DSP/CDynamicParamsValues.h"
#include "Veltis/Audio/DSP/IParamsVariations.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// Variation sets held by value. Changing the number of sets keeps the sets beyond it alive with their
// storage, so a producer that refills it every block allocates nothing once it has grown.
class CDynamicParamsVariations : public IParamsVariations {
public:
    typedef Core::TDynamicVector<CDynamicParamsValues, Core::CStepGrowthStrategy,
                                 Core::TEqualOperatorCopier<CDynamicParamsValues>>
        Storage;

    explicit CDynamicParamsVariations(int sets = 0, int valuesPerSet = 0);

    int GetCount() const override { return m_Sets.GetCount(); }
    const Containers::IConstValueVector<float>& GetAt(int index) const override { return m_Sets[index]; }
    CDynamicParamsValues& GetAt(int index) { return m_Sets[index]; }

    // Sets kept up to the new count; the capacity never goes down.
    void SetCount(int sets) { m_Sets.SetSize(sets > 0 ? sets : 0, false); }
    int GetCapacity() const { return m_Sets.GetCapacity(); }
    // Room for at least sets sets, and in every set kept, counted or not, for values values; counts unchanged.
    void Reserve(int sets, int values);

    // Every set, including those kept beyond the count, gets count values.
    void SetParamsCount(int count, bool shrink = false);

private:
    Storage m_Sets;
};

// Drops trailing sets without a change (all values 0 or not a number); never set 0.
void TrimParamsVariations(CDynamicParamsVariations& variations);

// Rescales sets 1 and 2 for a processor that runs at twice the rate: sample 2k then has the value that
// sample k had.
void AdaptParamsVariationsToDoubleRate(CDynamicParamsVariations& variations);

} // namespace DSP
} // namespace Audio
} // namespace Veltis
