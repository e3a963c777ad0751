#pragma once

#include "Veltis/Core/C2DSize.h"
#include "Veltis/Serialization/IDeSerialize.h"
#include "Veltis/Serialization/ISerialize.h"

namespace Veltis {
namespace Core {
class IEventProvider;
}
namespace Audio {
namespace Plugin {

class IPluginGUIConnections;

// The plug-in's editor as the plug-in core and the host adapter drive it: connected to the instance's
// objects, persisted under the state key "GUI", opened in the host's view and asked for its size.
class IPluginGUI : public virtual Serialization::ISerialize, public virtual Serialization::IDeSerialize {
public:
    // Null disconnects the editor.
    virtual void SetConnections(IPluginGUIConnections* connections) = 0;
    // Shows the editor in the host's native parent view; false only for a null parent.
    virtual bool Open(void* parentView) = 0;
    virtual void Close() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual Core::C2DSize GetSize() const = 0;
    // Null while the editor is not open.
    virtual void* GetNativeView() const = 0;
    // Notified after the editor took a new size.
    virtual Core::IEventProvider& GetSizeChangedEvents() = 0;
    ~IPluginGUI() override {}
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
