#pragma once

#include "Veltis/DataModel/Objects/CConstCaptureString.h"
#include "Veltis/DataModel/TICaptureObject.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A model string: a write that changes the text stores it through StoreValue, then announces it;
// an equal text (null counts as "") changes nothing and announces nothing.
class CCaptureString : public CConstCaptureString,
                       public virtual TICaptureObject<const char*, IConstStringInfo> {
public:
    CCaptureString() : CConstCaptureString(nullptr) {}

    void SetValue(const char* text) override;
    void BeginCapture() override { m_Capture.BeginCapture(); }
    void EndCapture() override { m_Capture.EndCapture(); }

protected:
    // Runs between the comparison and the announcement; an override reacts to the new text after
    // calling this one.
    virtual void StoreValue(const char* text);
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
