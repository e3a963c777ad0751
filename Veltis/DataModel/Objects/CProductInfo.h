#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/DataModel/Objects/IConstProductInfo.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// The immutable identity record of a product or processing block: name, version, copyright and a
// comment (a description, or the maker's web address). Texts are its own arrays; null stays null.
class CProductInfo : public virtual IConstProductInfo {
public:
    CProductInfo(const char* name, const char* version, const char* copyright, const char* comment);
    CProductInfo(const CProductInfo& other);
    explicit CProductInfo(const IConstProductInfo& other);
    CProductInfo& operator=(const CProductInfo&) = delete;
    ~CProductInfo() override;

    const char* GetName() const override { return m_Name; }
    const char* GetComment() const override { return m_Comment; }
    // Never notified: the record has no setters.
    Core::IEventProvider& GetChangedEvent() const override { return m_ChangedEvent; }
    const char* GetVersion() const override { return m_Version; }
    const char* GetCopyright() const override { return m_Copyright; }

private:
    char* m_Name;
    char* m_Version;
    char* m_Copyright;
    char* m_Comment;
    mutable Core::CEventProvider m_ChangedEvent;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
