#pragma once

#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/Objects/CParamDataToText.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/Objects/IConstStringInfo.h"
#include "Veltis/DataModel/TBaseCaptureObjectLink.h"
#include "Veltis/DataModel/TICaptureObject.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// Shows a parameter as text in a model string, through a converter of its own ("%.1f" in
// "{text_value} {unit}") that knows the source's descriptor as it was when the source was set.
// Every real change of the converter's settings rewrites the target at once (unless modify-only),
// enabled or not.
class CCaptureParamToStringLink
    : public TBaseCaptureObjectLink<TIConstCaptureObject<float, IConstParamInfo>,
                                    TICaptureObject<const char*, IConstStringInfo>> {
    typedef TBaseCaptureObjectLink<TIConstCaptureObject<float, IConstParamInfo>,
                                   TICaptureObject<const char*, IConstStringInfo>>
        Base;

public:
    CCaptureParamToStringLink(TIConstCaptureObject<float, IConstParamInfo>* source,
                              TICaptureObject<const char*, IConstStringInfo>* target);
    ~CCaptureParamToStringLink() override;

    void Update() override;

    // For the creator's settings (format, template, suffix, significant digits).
    CParamDataToText& GetConverter() { return m_Converter; }

protected:
    // Without a source the converter gets a default descriptor.
    void OnSourceChanged() override;

private:
    void OnConverterChanged();

    CParamDataToText m_Converter;
    Core::TCommand<CCaptureParamToStringLink> m_ConverterListener;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
