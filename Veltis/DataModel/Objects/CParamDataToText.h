#pragma once

#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/Objects/CParamValueToText.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A value-to-text converter that knows a whole parameter description, so that its template may also
// show "{unit}", "{min}", "{max}", "{default}", "{comment}", "{name}" and "{text_value}" (the value
// through the description's own converter).
class CParamDataToText : public CParamValueToText {
public:
    CParamDataToText(const char* format, bool metricSuffix, const char* textTemplate);
    // Copies the formatting settings only: the copy starts with the default description.
    CParamDataToText(const CParamDataToText& other);

    IParamValueToText* Clone() const override;

    // Copies the description, then notifies this converter's change event.
    void SetParamInfo(const IConstParamInfo& info);

protected:
    bool AppendPlaceholder(Core::CCharString& out, const char* name, int length, float value) const override;

private:
    CParamInfo m_ParamInfo;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
