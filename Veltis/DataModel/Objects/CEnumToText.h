#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/Core/TDynamicVector.h"
#include "Veltis/DataModel/Objects/IParamValueToText.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// An enumeration: the value selects one text of a ";"-separated list ("Off;On"); values outside the
// list, NaN included, give "Out Of Bounds".
class CEnumToText : public virtual IParamValueToText {
public:
    // firstIndex is the value that selects the first text.
    CEnumToText(const char* texts, int firstIndex);
    CEnumToText(const CEnumToText& other);
    CEnumToText& operator=(const CEnumToText&) = delete;

    // Every ";" separates two items, kept exactly as written; "" gives no item. Replaces the list.
    void SetTexts(const char* texts, int firstIndex);

    // Index trunc(double(value) + 0.5) - first index.
    void ToText(char** out, float value) const override;
    IParamValueToText* Clone() const override;

    static constexpr const char* kOutOfBounds = "Out Of Bounds";

private:
    Core::TDynamicVector<Core::CCharString, Core::CStepGrowthStrategy, Core::TEqualOperatorCopier<Core::CCharString>>
        m_Texts;
    int m_FirstIndex;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
