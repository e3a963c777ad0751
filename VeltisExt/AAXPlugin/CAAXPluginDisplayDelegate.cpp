#include "VeltisExt/AAXPlugin/CAAXPluginDisplayDelegate.h"

#include <float.h>
#include <math.h>

#include "Veltis/Core/CCharString.h"
#include "Veltis/DataModel/Objects/IParamValueToText.h"
#include "aax/AAX_CString.h"

namespace VeltisExt {
namespace AAXPlugin {

CAAXPluginDisplayDelegate::CAAXPluginDisplayDelegate(
    const Veltis::DataModel::Objects::IParamValueToText* valueToText)
    : m_pValueToText(valueToText ? valueToText->Clone() : nullptr)
{
}

CAAXPluginDisplayDelegate::~CAAXPluginDisplayDelegate() = default;

CAAXPluginDisplayDelegate* CAAXPluginDisplayDelegate::Clone() const
{
    return new CAAXPluginDisplayDelegate(m_pValueToText.get());
}

bool CAAXPluginDisplayDelegate::ValueToText(float value, AAX_IString* text) const
{
    return ValueToTextShortened(value, -1, text);
}

bool CAAXPluginDisplayDelegate::ValueToTextShortened(float value, int32_t maxLength, AAX_IString* text) const
{
    if (!m_pValueToText || !text)
        return true;
    char* raw = nullptr;
    m_pValueToText->ToText(&raw, value);
    Veltis::Core::CCharString converted(raw);
    delete[] raw;
    if (maxLength >= 0 && converted.GetLength() > maxLength)
        converted.Truncate(maxLength);
    text->Set(converted.GetString());
    return true;
}

bool CAAXPluginDisplayDelegate::TextToValue(const AAX_IString& text, float* value) const
{
    double number = 0.0;
    if (!AAX_CString(text).ToDouble(&number) || !isfinite(number) || !value)
        return false;
    // Saturated: a number beyond the float range is still above any parameter's range.
    *value = number > FLT_MAX ? FLT_MAX : (number < -FLT_MAX ? -FLT_MAX : static_cast<float>(number));
    return true;
}

} // namespace AAXPlugin
} // namespace VeltisExt
