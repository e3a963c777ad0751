#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/Objects/IConstSurfaceInfo.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// The description of a surface. Its texts are its own arrays (null stays null). Edits of the axes,
// made in place through GetXInfo, GetYInfo and GetZInfo, are announced through the record's own
// change event.
class CSurfaceInfo : public virtual IConstSurfaceInfo {
public:
    explicit CSurfaceInfo(const char* name = "", const char* comment = "");
    CSurfaceInfo(const CSurfaceInfo& other);
    explicit CSurfaceInfo(const IConstSurfaceInfo& other);
    ~CSurfaceInfo() override;

    CSurfaceInfo& operator=(const CSurfaceInfo& other);
    CSurfaceInfo& operator=(const IConstSurfaceInfo& other);

    const char* GetName() const override { return m_Name; }
    const char* GetComment() const override { return m_Comment; }
    Core::IEventProvider& GetChangedEvent() const override { return m_ChangedEvent; }
    const IConstParamInfo& GetXInfo() const override { return m_XInfo; }
    CParamInfo& GetXInfo() override { return m_XInfo; }
    const IConstParamInfo& GetYInfo() const override { return m_YInfo; }
    CParamInfo& GetYInfo() override { return m_YInfo; }
    const IConstParamInfo& GetZInfo() const override { return m_ZInfo; }
    CParamInfo& GetZInfo() override { return m_ZInfo; }

    // Each notifies, always.
    void SetName(const char* name);
    void SetComment(const char* comment);
    // The axis notifies, and the record after it.
    void SetXInfo(const IConstParamInfo& info);
    void SetYInfo(const IConstParamInfo& info);
    void SetZInfo(const IConstParamInfo& info);

    // The three axes, comment and name; one notification.
    void CopyFrom(const IConstSurfaceInfo& other);

private:
    void AddAxisListener();
    void RemoveAxisListener();
    void OnAxisInfoChanged();

    CParamInfo m_XInfo;
    CParamInfo m_YInfo;
    CParamInfo m_ZInfo;
    char* m_Name;
    char* m_Comment;
    mutable Core::CEventProvider m_ChangedEvent;
    Core::TCommand<CSurfaceInfo> m_AxisListener;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
