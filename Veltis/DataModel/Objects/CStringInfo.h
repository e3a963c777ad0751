#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/DataModel/CObjectInfo.h"
#include "Veltis/DataModel/Objects/IConstStringInfo.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// The description of a string object: the object-info texts and a default text, never null.
class CStringInfo : public CObjectInfo, public virtual IConstStringInfo {
public:
    CStringInfo() {}
    // Name and comment only: the default text starts empty, whatever the other record holds.
    explicit CStringInfo(const IConstObjectInfo& other);
    CStringInfo(const CStringInfo& other);
    ~CStringInfo() override {}

    CStringInfo& operator=(const CStringInfo& other);
    CStringInfo& operator=(const IConstStringInfo& other);

    const char* GetDefaultValue() const override { return m_DefaultValue.GetString(); }
    // Notifies, always.
    void SetDefaultValue(const char* value);

    using CObjectInfo::CopyFrom;
    // The texts, then the default text, then one notification.
    void CopyFrom(const IConstStringInfo& other);

private:
    Core::CCharString m_DefaultValue;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
