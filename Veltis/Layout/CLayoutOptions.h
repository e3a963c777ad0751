#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Layout/ILayoutOptions.h"

namespace Veltis {
namespace Layout {

// The options a group keeps for one child. Setters notify only on a change; the position setters
// also on the first set. A NaN relative size or flex is ignored: it would never compare equal and
// would take every sibling's share.
class CLayoutOptions : public virtual ILayoutOptions {
public:
    CLayoutOptions();
    // Copies every value and the position flags; the copy has its own event.
    explicit CLayoutOptions(const ILayoutOptions& source);
    CLayoutOptions(const CLayoutOptions& source);
    CLayoutOptions& operator=(const CLayoutOptions&) = delete;

    void SetVAlign(Core::Align::EVAlign align) override;
    void SetHAlign(Core::Align::EHAlign align) override;
    void SetHPosition(int position) override;
    void SetVPosition(int position) override;
    void SetRelativeWidth(float fraction) override;
    void SetRelativeHeight(float fraction) override;
    void SetFlex(float flex) override;
    Core::Align::EVAlign GetVAlign() const override { return static_cast<Core::Align::EVAlign>(m_VAlign); }
    Core::Align::EHAlign GetHAlign() const override { return static_cast<Core::Align::EHAlign>(m_HAlign); }
    int GetHPosition() const override { return m_HPosition; }
    int GetVPosition() const override { return m_VPosition; }
    float GetRelativeWidth() const override { return m_RelativeWidth; }
    float GetRelativeHeight() const override { return m_RelativeHeight; }
    float GetFlex() const override { return m_Flex; }
    Core::IEventProvider& GetChangedEvents() override { return m_Changed; }

    bool IsHPositionSet() const { return m_HPositionSet; }
    bool IsVPositionSet() const { return m_VPositionSet; }
    bool HasRelativeWidth() const { return m_RelativeWidth >= 0.0f; }
    bool HasRelativeHeight() const { return m_RelativeHeight >= 0.0f; }

private:
    void CopyFrom(const ILayoutOptions& source);
    void SetInt(int& field, int value);
    void SetPosition(int& field, bool& set, int value);
    void SetFloat(float& field, float value);

    int m_HAlign;
    int m_VAlign;
    int m_HPosition;
    int m_VPosition;
    bool m_HPositionSet;
    bool m_VPositionSet;
    float m_RelativeWidth;
    float m_RelativeHeight;
    float m_Flex;
    Core::CEventProvider m_Changed;
};

} // namespace Layout
} // namespace Veltis
