#pragma once

#include "Veltis/Core/TIConnect.h"
#include "Veltis/DataModel/Controls/CBaseStringViewer.h"
#include "Veltis/DataModel/TICaptureObject.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

// A string viewer that writes its model string and brackets the user's edit. A gesture it opened is
// ended on its string when it moves to another one or dies. The string must outlive the control.
class CStringControl : public CBaseStringViewer,
                       public virtual TICaptureObject<const char*, Objects::IConstStringInfo>,
                       public virtual Core::TIConnect<TICaptureObject<const char*, Objects::IConstStringInfo>> {
public:
    typedef TICaptureObject<const char*, Objects::IConstStringInfo> IWritableString;

    explicit CStringControl(IWritableString& string);
    ~CStringControl() override;

    // Not gated by a gesture.
    void SetValue(const char* text) override { m_WritableString->SetValue(text); }
    void BeginCapture() override;
    void EndCapture() override;
    using CBaseStringViewer::Connect;
    void Connect(IWritableString* string) override;

private:
    IWritableString* m_WritableString;
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
