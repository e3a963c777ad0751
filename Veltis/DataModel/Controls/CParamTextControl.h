#pragma once

#include "Veltis/Core/TIConnect.h"
#include "Veltis/DataModel/Controls/CBaseParamTextViewer.h"
#include "Veltis/DataModel/Controls/IParamTextControl.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

// Turns typed text into a parameter value: the longest leading number, read in the "C" locale
// whatever the process's, held to the descriptor's range. Afterwards the text shows the parameter's
// value again. The parameter is not owned and must outlive the control.
class CParamTextControl : public CBaseParamTextViewer,
                          public virtual IParamTextControl,
                          public virtual Core::TIConnect<TICaptureObject<float, Objects::IConstParamInfo>> {
public:
    typedef TICaptureObject<float, Objects::IConstParamInfo> IWritableParam;

    explicit CParamTextControl(IWritableParam& param);

    using CBaseParamTextViewer::Connect;
    void Connect(IWritableParam* param) override;
    // The parameter's own gesture; the control keeps none.
    void BeginCapture() override { m_WritableParam->BeginCapture(); }
    // Text without a leading number writes nothing.
    void SetValue(const char* text) override;
    void EndCapture() override { m_WritableParam->EndCapture(); }
    IWritableParam& GetWritableParam() override { return *m_WritableParam; }

    // The longest leading floating-point number of text ("C" locale: white space, sign, exponent,
    // hexadecimal forms, infinity and not-a-number words); false when there is none.
    static bool ReadNumber(const char* text, double& number);

private:
    IWritableParam* m_WritableParam;
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
