#pragma once

#include "Veltis/Audio/Plugin/CGUIConnections.h"
#include "Veltis/Audio/Plugin/IAudioPluginModel.h"
#include "Veltis/Serialization/ISerializable.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// The plug-in model as far as the plug-in core needs it until the skin models exist: it keeps a copy
// of the connections record, stores nothing under "model" and accepts any stored state.
class CAudioPluginModel : public virtual IAudioPluginModel, public virtual Serialization::ISerializable {
public:
    CAudioPluginModel() {}
    ~CAudioPluginModel() override {}
    CAudioPluginModel(const CAudioPluginModel&) = delete;
    CAudioPluginModel& operator=(const CAudioPluginModel&) = delete;

    // Null clears the copy.
    void SetGUIConnections(const IPluginGUIConnections* connections) { m_Connections.CopyFrom(connections); }
    const IPluginGUIConnections& GetConnections() const { return m_Connections; }

    bool Serialize(Serialization::IWriteDataStream&) const override { return true; }
    bool DeSerialize(const Serialization::IReadDataStream&) override { return true; }

private:
    CGUIConnections m_Connections;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
