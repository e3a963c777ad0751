#include "Veltis/Audio/Plugin/CAudioPluginSkinGUI.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

CAudioPluginSkinGUI::CAudioPluginSkinGUI() : m_connections(nullptr) {}

bool CAudioPluginSkinGUI::Serialize(Serialization::IWriteDataStream& /*stream*/) const { return true; }

bool CAudioPluginSkinGUI::DeSerialize(const Serialization::IReadDataStream& /*stream*/) { return true; }

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
