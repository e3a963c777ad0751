#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/Controls/IParamViewerConfig.h"

#include <cstdint>

namespace Veltis {
namespace DataModel {
namespace Controls {

// The value-to-position mapping of one parameter descriptor (or one axis of a curve or surface),
// following the descriptor's changes. The descriptor is not owned and must outlive the mapping.
class CParamViewerConfig : public virtual IParamViewerConfig {
public:
    explicit CParamViewerConfig(const Objects::IConstParamInfo& info);
    ~CParamViewerConfig() override;
    CParamViewerConfig(const CParamViewerConfig&) = delete;
    CParamViewerConfig& operator=(const CParamViewerConfig&) = delete;

    void SetReverse(bool reversed) override;
    bool IsReversed() override { return m_Reverse; }
    Core::IEventProvider& GetReverseChangedEvent() override { return m_ReverseChanged; }

    const Objects::IConstParamInfo& GetParamInfo() const override { return *m_Info; }
    // Always announces, also for the current curve.
    void SetResponseCurve(Objects::EParamValueCurve curve) override;
    void SetResponseFunctions(const Math::IFunction& function, const Math::IFunction& inverse) override;
    void SetLogScale(bool logScale) override;
    // Below 1 keeps 1 (and still announces); NaN does nothing.
    void SetZoom(float zoom) override;
    float GetZoom() const override { return m_Zoom; }
    // Not clamped; NaN does nothing.
    void SetOffset(float offset) override;
    float GetOffset() const override { return m_Offset; }
    void SetZoomPositions(bool zoomPositions) override;
    bool GetZoomPositions() const override { return m_ZoomPositions; }
    void SetPositionsCount(int count) override;
    int GetPositionsCount() const override;
    float GetVisiblePositionsCount() const override;
    void ResetPositionsCount() override;
    float GetDefaultPosition(bool clamp) const override;
    float GetMinPosition(bool clamp) const override;
    float GetMaxPosition(bool clamp) const override;
    float ValueToPosition(float value, bool clamp) const override;
    float PositionToValue(float position) const override;
    Core::IEventProvider& GetChangedEvent() override { return m_Changed; }
    Core::IEventProvider& GetZoomChangedEvent() override { return m_ZoomChanged; }
    Core::IEventProvider& GetOffsetChangedEvent() override { return m_OffsetChanged; }
    Core::IEventProvider& GetParamInfoChangedEvent() override { return m_ParamInfoChanged; }

    // Follows another descriptor from now on.
    void SetParamInfo(const Objects::IConstParamInfo& info);
    void OnParamInfoChanged();
    // From the descriptor's type: 2 for booleans and type 3, the integers of the range, else -1.
    int GetNaturalPositionsCount() const;

protected:
    // Clamps and stores the count without announcing it.
    virtual void ApplyPositionsCount(int count);

private:
    // Whether the log scale maps at all: a zero minimum, or a range ratio that is not positive, maps
    // every value to 0 and every position to the minimum.
    bool IsLogUsable() const { return m_Min != 0.0f && m_Ratio > 0.0f; }

    std::int32_t m_PositionsCount;
    bool m_Reverse;
    bool m_LogScale;
    const Objects::IConstParamInfo* m_Info;
    Core::CEventProvider m_ReverseChanged;
    Core::CEventProvider m_ZoomChanged;
    Core::CEventProvider m_OffsetChanged;
    Core::CEventProvider m_Changed;
    Core::CEventProvider m_ParamInfoChanged;
    const Math::IFunction* m_Function;
    const Math::IFunction* m_Inverse;
    float m_Zoom;
    float m_Offset;
    float m_Min;
    float m_Max;
    float m_InverseRange;
    float m_InverseLogRatio;
    float m_Ratio;
    float m_ZoomShift;
    float m_InverseZoom;
    Core::TCommand<CParamViewerConfig> m_InfoListener;
    bool m_ZoomPositions;
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
