#pragma once

#include <cstdint>

// What the product-independent plug-in core and host adapter learn of the product: each product
// defines these functions once, in its entry file.

namespace Veltis {
namespace DataModel {
namespace Objects {
class IConstProductInfo;
}
} // namespace DataModel
namespace Audio {
namespace DSP {
class IFilter;
}
namespace Plugin {
class IPluginGUI;
}
} // namespace Audio
} // namespace Veltis

// The product's identity record, shared by every instance; never null.
const Veltis::DataModel::Objects::IConstProductInfo* GetProductInfo();
// True when the host is to be offered a mono form of the product as well.
bool HasMonoVariant();
// The four-character product code, first character in the most significant byte.
uint32_t GetProductId();
// Hz; the plug-in core's default rate for publishing output values.
double GetDefaultOutputRefreshRate();
// A new editor object, owned by the caller; no window is opened.
Veltis::Audio::Plugin::IPluginGUI* CreatePluginGUI();
// A new audio processor, owned by the caller and deleted through its interface.
Veltis::Audio::DSP::IFilter* CreateProcessor();
