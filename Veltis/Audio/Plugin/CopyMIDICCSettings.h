#pragma once

#include "Veltis/Audio/Plugin/IMIDICCSetting.h"
#include "Veltis/Containers/IConstVector.h"
#include "Veltis/Containers/IVector.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// Copies the records both lists have, each value through the target's setter (channel, enabled,
// number, curve, max, min), so every target record announces its own changes. Records past the
// shorter list are untouched.
void CopyMIDICCSettings(const Containers::IConstVector<IMIDICCSetting>& source,
                        Containers::IVector<IMIDICCSetting>& target);

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
