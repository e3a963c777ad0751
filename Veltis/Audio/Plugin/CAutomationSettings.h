#pragma once

#include "Veltis/Audio/Plugin/CAutomationSetting.h"
#include "Veltis/Containers/IConstVector.h"
#include "Veltis/Containers/IVector.h"
#include "Veltis/Core/TDynamicVector.h"
#include "Veltis/CoreUtilities/TDynamicCollection.h"
#include "Veltis/Serialization/TVectorDeSerializer.h"
#include "Veltis/Serialization/TVectorSerializer.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// Lists of automation output settings; the same family as the MIDI CC setting lists.
typedef Core::TNCDynamicVector<CAutomationSetting, Core::CStepGrowthStrategy> CAutomationSettingNCVector;
typedef Core::TDynamicVector<CAutomationSetting, Core::CStepGrowthStrategy,
                             Core::TEqualOperatorCopier<CAutomationSetting>>
    CAutomationSettingVector;
typedef Containers::IConstVector<IAutomationSetting> IConstAutomationSettings;
typedef Containers::IVector<IAutomationSetting> IAutomationSettings;
typedef CoreUtilities::TDynamicCollection<CAutomationSetting, IAutomationSetting, IAutomationSettings,
                                          CAutomationSettingVector>
    CAutomationSettings;
typedef Serialization::TVectorSerializer<CAutomationSettingVector> CAutomationSettingsSerializer;
typedef Serialization::TVectorDeSerializer<CAutomationSettingVector> CAutomationSettingsDeSerializer;

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
