#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/DataModel/Objects/CStringInfo.h"
#include "Veltis/DataModel/TCaptureObjectEvents.h"
#include "Veltis/DataModel/TIConstCaptureObject.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A read-only model string: a text (never null) with its string descriptor.
class CConstCaptureString : public TCaptureObjectEvents<TIConstCaptureObject<const char*, IConstStringInfo>> {
public:
    // A null text is the empty text.
    explicit CConstCaptureString(const char* text) : m_Value(text) {}

    // Valid until the text next changes.
    const char* GetValue() const override { return m_Value.GetString(); }
    const IConstStringInfo& GetInfo() const override { return m_Info; }
    const IConstStringInfo& GetInfo() override { return m_Info; }
    CStringInfo& GetWritableInfo() { return m_Info; }

protected:
    CStringInfo m_Info;
    Core::CCharString m_Value;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
