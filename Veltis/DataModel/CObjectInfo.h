#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/Core/CEventProvider.h"
#include "Veltis/DataModel/IObjectInfo.h"

namespace Veltis {
namespace DataModel {

// The generic info record (base of string, action and filter input/output descriptions). Its texts
// are never null when read; every setter notifies, also when the text is unchanged.
class CObjectInfo : public virtual IObjectInfo {
public:
    explicit CObjectInfo(const char* name = nullptr, const char* comment = nullptr);
    // Copies the texts only; the copy has its own, empty change event.
    CObjectInfo(const CObjectInfo& other);
    ~CObjectInfo() override {}

    CObjectInfo& operator=(const CObjectInfo& other);
    CObjectInfo& operator=(const IConstObjectInfo& other);

    const char* GetName() const override { return m_Name.GetString(); }
    const char* GetComment() const override { return m_Comment.GetString(); }
    Core::IEventProvider& GetChangedEvent() const override { return m_ChangedEvent; }

    void SetName(const char* name) override;
    void SetComment(const char* comment) override;

    // Name, then comment, then one notification.
    virtual void CopyFrom(const IConstObjectInfo& other);
    // The texts without a notification, for derived records that notify once after their own fields.
    void CopyTexts(const IConstObjectInfo& other);

protected:
    void NotifyChanged() const { m_ChangedEvent.Notify(); }

private:
    mutable Core::CEventProvider m_ChangedEvent;
    Core::CCharString m_Name;
    Core::CCharString m_Comment;
};

} // namespace DataModel
} // namespace Veltis
