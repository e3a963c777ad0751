#pragma once

#include <stdint.h>

class AAX_ICollection;

namespace VeltisExt {
namespace AAXPlugin {

// Describes the module's effects into the host's collection; defined by the module, called by the
// registration entry point. 0 on success, else a host result.
int32_t GetEffectDescriptions(AAX_ICollection* collection);

} // namespace AAXPlugin
} // namespace VeltisExt
