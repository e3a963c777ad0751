#pragma once

#include <stdint.h>

#include "Veltis/Core/CCharString.h"

class AAX_IEffectDescriptor;
class AAX_IComponentDescriptor;

namespace Veltis {
namespace Audio {
namespace DSP {
class IProcessInfo;
}
} // namespace Audio
namespace DataModel {
namespace Objects {
class IConstProductInfo;
}
} // namespace DataModel
} // namespace Veltis

namespace VeltisExt {
namespace AAXPlugin {

// The maker's reverse-domain prefix; the effect identifier is this followed by the module's file name.
extern const char kEffectIdPrefix[];

int32_t DescribeEffect(const Veltis::Audio::DSP::IProcessInfo& processInfo, AAX_IEffectDescriptor* effect);
void DescribeComponent(const Veltis::Audio::DSP::IProcessInfo& processInfo, AAX_IComponentDescriptor* component,
                       int32_t pluginId, bool mono);
// The full name (channel suffixes shortened, 31 characters), the 16- and the 8-character names,
// joined by line feeds.
Veltis::Core::CCharString GetPluginNames(const Veltis::DataModel::Objects::IConstProductInfo& productInfo);
Veltis::Core::CCharString AbbreviatePluginName(const char* name, int maxLength);

} // namespace AAXPlugin
} // namespace VeltisExt
