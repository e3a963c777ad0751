#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/DataModel/TCaptureObjectEvents.h"
#include "Veltis/DataModel/TICaptureValue.h"

namespace Veltis {
namespace DataModel {

// A bare text value without descriptor (texts of widgets and tooltips). Never null; every write
// announces itself, even an unchanged text.
class CCaptureText : public TCaptureObjectEvents<TICaptureValue<const char*>> {
public:
    // A null text is the empty text.
    explicit CCaptureText(const char* text = nullptr) : m_Text(text) {}

    // Valid until the next write.
    const char* GetValue() const override { return m_Text.GetString(); }
    void SetValue(const char* text) override;
    void BeginCapture() override { m_Capture.BeginCapture(); }
    void EndCapture() override { m_Capture.EndCapture(); }

private:
    Core::CCharString m_Text;
};

} // namespace DataModel
} // namespace Veltis
