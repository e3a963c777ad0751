#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/DataModel/Objects/IConstStringInfo.h"
#include "Veltis/DataModel/TICaptureObject.h"
#include "Veltis/DataModel/TMultipleCaptureObjectLink.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// Gives every target string the texts of its source strings joined with a separator (the changed
// source included, when it is also a target).
class CMultipleCaptureStringLink
    : public TMultipleCaptureObjectLink<TIConstCaptureObject<const char*, IConstStringInfo>, TICaptureObject<const char*, IConstStringInfo>> {
public:
    typedef TIConstCaptureObject<const char*, IConstStringInfo> ConstString;

    ~CMultipleCaptureStringLink() override {}

    void Update(ConstString* changed) override;

    // Null is the empty separator.
    void SetSeparator(const char* separator);
    const char* GetSeparator() const { return m_Separator.GetString(); }

private:
    Core::CCharString m_Separator;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
