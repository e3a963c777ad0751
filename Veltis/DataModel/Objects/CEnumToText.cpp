#include "Veltis/DataModel/Objects/CEnumToText.h"

#include "Veltis/Core/CCharStringTokenizer.h"

#include <cmath>

namespace Veltis {
namespace DataModel {
namespace Objects {

CEnumToText::CEnumToText(const char* texts, int firstIndex) : m_FirstIndex(firstIndex)
{
    SetTexts(texts, firstIndex);
}

CEnumToText::CEnumToText(const CEnumToText& other)
    : IParamValueToText(), m_Texts(other.m_Texts), m_FirstIndex(other.m_FirstIndex)
{
}

void CEnumToText::SetTexts(const char* texts, int firstIndex)
{
    const Core::CCharString source(texts);
    Core::CCharStringTokenizer tokenizer(source, ';');
    int count = 0;
    for (tokenizer.First(); !tokenizer.IsDone(); tokenizer.Next())
        ++count;
    m_Texts.SetSize(count, true);
    int index = 0;
    for (tokenizer.First(); !tokenizer.IsDone(); tokenizer.Next())
        m_Texts[index++] = tokenizer.GetToken();
    m_FirstIndex = firstIndex;
}

void CEnumToText::ToText(char** out, float value) const
{
    // In double, so that NaN and values beyond int fall outside the list instead of overflowing.
    const double index = std::trunc(static_cast<double>(value) + 0.5) - static_cast<double>(m_FirstIndex);
    if (index >= 0.0 && index < static_cast<double>(m_Texts.GetCount()))
        *out = m_Texts[static_cast<int>(index)].Duplicate();
    else
        *out = Core::CCharString(kOutOfBounds).Duplicate();
}

IParamValueToText* CEnumToText::Clone() const
{
    return new CEnumToText(*this);
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
