#pragma once

#include "Veltis/Audio/Plugin/IPluginGUI.h"
#include "Veltis/Core/CEventProvider.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// The plug-in's editor object. Until the skinned editor exists it shows nothing: it writes no state,
// accepts any state, opens no view and measures 0 x 0.
class CAudioPluginSkinGUI : public virtual IPluginGUI {
public:
    CAudioPluginSkinGUI();
    CAudioPluginSkinGUI(const CAudioPluginSkinGUI&) = delete;
    CAudioPluginSkinGUI& operator=(const CAudioPluginSkinGUI&) = delete;
    ~CAudioPluginSkinGUI() override {}

    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;
    void SetConnections(IPluginGUIConnections* connections) override { m_connections = connections; }
    bool Open(void* parentView) override { return parentView != nullptr; }
    void Close() override {}
    void SetVisible(bool /*visible*/) override {}
    Core::C2DSize GetSize() const override { return Core::C2DSize(0, 0); }
    void* GetNativeView() const override { return nullptr; }
    Core::IEventProvider& GetSizeChangedEvents() override { return m_sizeChangedEvents; }

    IPluginGUIConnections* GetConnections() const { return m_connections; }

private:
    IPluginGUIConnections* m_connections;
    Core::CEventProvider m_sizeChangedEvents;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
