#pragma once

namespace Veltis {
namespace Audio {
namespace Plugin {

// One built-in preset of an instance, as the editor lists and applies it.
class IPreset {
public:
    // Owned by the preset; never null.
    virtual const char* GetName() = 0;
    virtual void Load() = 0;
    virtual ~IPreset() {}
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
