#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/Objects/IConstCurveInfo.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// The description of a curve. Its texts are its own arrays (null stays null); it owns its default
// function, and without one makes a constant at the y axis's default on demand. Edits of the axes,
// made in place through GetXInfo and GetYInfo, are announced through the record's own change event.
class CCurveInfo : public virtual IConstCurveInfo {
public:
    explicit CCurveInfo(const char* name = "", const char* comment = "");
    // The axes are copied (converters cloned) and the default function, when given, cloned.
    CCurveInfo(const char* name, const char* comment, const IConstParamInfo& xInfo, const IConstParamInfo& yInfo,
               const Math::IFunction* defaultFunction = nullptr);
    // Clones the other's own default function, not a generated one.
    CCurveInfo(const CCurveInfo& other);
    // Always holds a default function afterwards: a clone of the source's GetDefaultFunction.
    explicit CCurveInfo(const IConstCurveInfo& other);
    ~CCurveInfo() override;

    CCurveInfo& operator=(const CCurveInfo& other);
    CCurveInfo& operator=(const IConstCurveInfo& other);

    const char* GetName() const override { return m_Name; }
    const char* GetComment() const override { return m_Comment; }
    Core::IEventProvider& GetChangedEvent() const override { return m_ChangedEvent; }
    const IConstParamInfo& GetXInfo() const override { return m_XInfo; }
    CParamInfo& GetXInfo() override { return m_XInfo; }
    const IConstParamInfo& GetYInfo() const override { return m_YInfo; }
    CParamInfo& GetYInfo() override { return m_YInfo; }
    const Math::IFunction& GetDefaultFunction() const override;

    // Each notifies, always.
    void SetName(const char* name);
    void SetComment(const char* comment);
    // The axis notifies, and the record after it.
    void SetXInfo(const IConstParamInfo& info);
    void SetYInfo(const IConstParamInfo& info);

    // Both axes, comment, name and a clone of the other's default function; one notification.
    void CopyFrom(const IConstCurveInfo& other);

private:
    void AddAxisListener();
    void RemoveAxisListener();
    void OnAxisInfoChanged();
    void DeleteGeneratedDefault() const;

    CParamInfo m_XInfo;
    CParamInfo m_YInfo;
    char* m_Name;
    char* m_Comment;
    mutable Core::CEventProvider m_ChangedEvent;
    Core::TCommand<CCurveInfo> m_AxisListener;
    Math::IFunction* m_DefaultFunction;
    // Made by the read-only GetDefaultFunction, dropped whenever an axis changes.
    mutable Math::IFunction* m_GeneratedDefault;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
