#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TOwnership.h"
#include "Veltis/DataModel/Objects/IParamInfo.h"
#include "Veltis/DataModel/Objects/IParamValueToText.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// The description of a float parameter: plain data with notification, never checked or clamped.
// Texts are its own arrays and a null text stays null. The converter is never null: without one the
// descriptor makes and owns "{value}" with "%.0f" (types 0, 1, 3) or "%.2f" (any other type).
class CParamInfo : public virtual IParamInfo {
public:
    explicit CParamInfo(int type = 2, const char* name = "", const char* unit = "", const char* comment = "",
                        IParamValueToText* converter = nullptr, float min = 0.0f, float max = 0.0f,
                        float defaultValue = 0.0f, bool owned = true);
    // The copy owns a clone of the other's converter.
    CParamInfo(const CParamInfo& other);
    explicit CParamInfo(const IConstParamInfo& other);
    ~CParamInfo() override;

    CParamInfo& operator=(const CParamInfo& other);
    CParamInfo& operator=(const IConstParamInfo& other);

    const char* GetName() const override { return m_Name; }
    const char* GetComment() const override { return m_Comment; }
    Core::IEventProvider& GetChangedEvent() const override { return m_ChangedEvent; }
    int GetType() const override { return m_Type; }
    const char* GetUnit() const override { return m_Unit; }
    const IParamValueToText* GetValueToText() const override { return m_Converter.Get(); }
    float GetMin() const override { return m_Min; }
    float GetDefault() const override { return m_Default; }
    float GetMax() const override { return m_Max; }

    void SetType(int type) override;
    void SetName(const char* name) override;
    void SetUnit(const char* unit) override;
    void SetComment(const char* comment) override;
    // A NaN is ignored: nothing stored, no notification.
    void SetMin(float min) override;
    void SetDefault(float value) override;
    void SetMax(float max) override;
    // A null converter installs the default one for the current type.
    void SetValueToText(IParamValueToText* converter, bool owned) override;
    // Every field, the converter as an owned clone, then one notification; other may be this record.
    void CopyFrom(const IConstParamInfo& other) override;

    // The converter a descriptor of this type makes for itself.
    static IParamValueToText* CreateDefaultValueToText(int type);

private:
    void SetNumber(float& field, float value);
    void Notify() const { m_ChangedEvent.Notify(); }

    int m_Type;
    char* m_Name;
    char* m_Unit;
    char* m_Comment;
    float m_Min;
    float m_Max;
    float m_Default;
    Core::TOwnership<IParamValueToText> m_Converter;
    mutable Core::CEventProvider m_ChangedEvent;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
