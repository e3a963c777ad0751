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

// The editor object of a plug-in instance. Its owner connects it to the instance's objects, stores
// its own state under the state key "GUI" and deletes it through this interface.
class IPluginGUI : public virtual Serialization::ISerialize, public virtual Serialization::IDeSerialize {
public:
    // Null detaches the editor from the record it held.
    virtual void SetConnections(IPluginGUIConnections* connections) = 0;
    // The parent is the host's native view, possibly null.
    virtual bool Open(void* parentView) = 0;
    virtual void Close() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual Core::C2DSize GetSize() = 0;
    // Null while the editor is not open.
    virtual void* GetNativeView() = 0;
    virtual Core::IEventProvider& GetSizeChangedEvents() = 0;
    ~IPluginGUI() override {}
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
