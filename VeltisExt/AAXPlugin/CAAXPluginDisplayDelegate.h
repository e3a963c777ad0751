#pragma once

#include <memory>

#include "aax/AAX_IDisplayDelegate.h"

namespace Veltis {
namespace DataModel {
namespace Objects {
class IParamValueToText;
}
} // namespace DataModel
} // namespace Veltis

namespace VeltisExt {
namespace AAXPlugin {

// Host text of a plug-in parameter through the framework's value-to-text converter; text to value
// reads a number in the "C" locale whatever the process locale is.
class CAAXPluginDisplayDelegate : public AAX_IDisplayDelegate<float> {
public:
    // Keeps a clone of the converter (none for null).
    explicit CAAXPluginDisplayDelegate(const Veltis::DataModel::Objects::IParamValueToText* valueToText);
    ~CAAXPluginDisplayDelegate() override;

    CAAXPluginDisplayDelegate* Clone() const override;
    bool ValueToText(float value, AAX_IString* text) const override;
    bool ValueToTextShortened(float value, int32_t maxLength, AAX_IString* text) const override;
    // False for text that does not start with a finite number.
    bool TextToValue(const AAX_IString& text, float* value) const override;

private:
    std::unique_ptr<Veltis::DataModel::Objects::IParamValueToText> m_pValueToText;
};

} // namespace AAXPlugin
} // namespace VeltisExt
