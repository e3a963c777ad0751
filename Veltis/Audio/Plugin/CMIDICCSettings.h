#pragma once

#include "Veltis/Audio/Plugin/CMIDICCSetting.h"
#include "Veltis/Containers/IConstVector.h"
#include "Veltis/Containers/IVector.h"
#include "Veltis/Core/TDynamicVector.h"
#include "Veltis/CoreUtilities/TDynamicCollection.h"
#include "Veltis/Serialization/TVectorDeSerializer.h"
#include "Veltis/Serialization/TVectorSerializer.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// Lists of MIDI CC settings, one record per parameter, held by value with growth step 1. A
// reallocation copies values through the record's assignment and never its listeners. The list form
// is item name + "Count", then item name + index per record; reading fills only the records the list
// already has.
typedef Core::TNCDynamicVector<CMIDICCSetting, Core::CStepGrowthStrategy> CMIDICCSettingNCVector;
typedef Core::TDynamicVector<CMIDICCSetting, Core::CStepGrowthStrategy, Core::TEqualOperatorCopier<CMIDICCSetting>>
    CMIDICCSettingVector;
typedef Containers::IConstVector<IMIDICCSetting> IConstMIDICCSettings;
typedef Containers::IVector<IMIDICCSetting> IMIDICCSettings;
typedef CoreUtilities::TDynamicCollection<CMIDICCSetting, IMIDICCSetting, IMIDICCSettings, CMIDICCSettingVector>
    CMIDICCSettings;
typedef Serialization::TVectorSerializer<CMIDICCSettingVector> CMIDICCSettingsSerializer;
typedef Serialization::TVectorDeSerializer<CMIDICCSettingVector> CMIDICCSettingsDeSerializer;

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
