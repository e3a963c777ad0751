#pragma once

#include "Veltis/Audio/Plugin/IConstMIDICCMessage.h"
#include "Veltis/Audio/Plugin/IMIDICCSetting.h"
#include "Veltis/DataModel/Objects/CConstCaptureParamTimerProxy.h"
#include "Veltis/DataModel/Objects/CCaptureParamTimerProxy.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/Objects/IConstCurveInfo.h"
#include "Veltis/DataModel/Objects/IConstStringInfo.h"
#include "Veltis/DataModel/Objects/IConstSurfaceInfo.h"
#include "Veltis/DataModel/TCaptureValueWrapper.h"
#include "Veltis/DataModel/TConstCaptureObjectTimerProxy.h"
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/System/CMTEventProvider.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// The properties of plug-in objects that skins see as parameters: the pause switch of each timer
// proxy, the fields of each MIDI CC mapping and the last CC message received. Each function builds the
// publication's one descriptor and returns the wrapper unregistered, owned by the caller; the skin-model
// builder puts the mapping rows behind a writable parameter timer proxy and registers. None binds
// gestures: every wrapper keeps its own capture state.
typedef DataModel::TICaptureObjectWrapper<float, DataModel::Objects::IConstParamInfo> IParamWrapper;
typedef DataModel::TIConstCaptureObjectWrapper<float, DataModel::Objects::IConstParamInfo> IConstParamWrapper;

typedef DataModel::TConstCaptureObjectTimerProxy<const Math::IFunction&, DataModel::Objects::IConstCurveInfo>
    CCurveTimerProxy;
typedef DataModel::TConstCaptureObjectTimerProxy<const char*, DataModel::Objects::IConstStringInfo> CStringTimerProxy;
typedef DataModel::TConstCaptureObjectTimerProxy<const Math::IBinaryFunction&, DataModel::Objects::IConstSurfaceInfo>
    CSurfaceTimerProxy;

typedef DataModel::TCaptureValueWrapper<Core::IEnable, DataModel::Objects::IConstParamInfo,
                                        DataModel::Objects::CParamInfo, bool, bool, System::CMTEventProvider>
    CMIDICCEnableWrapper;
typedef DataModel::TCaptureValueWrapper<IMIDICCSetting, DataModel::Objects::IConstParamInfo,
                                        DataModel::Objects::CParamInfo, float, float>
    CMIDICCRangeWrapper;
typedef DataModel::TCaptureValueWrapper<IMIDICCSetting, DataModel::Objects::IConstParamInfo,
                                        DataModel::Objects::CParamInfo, int, int, System::CMTEventProvider>
    CMIDICCIntWrapper;
typedef DataModel::TConstCaptureValueWrapper<IConstMIDICCMessage, DataModel::Objects::IConstParamInfo,
                                             DataModel::Objects::CParamInfo, int>
    CMIDICCMessageWrapper;

// "<proxy id>.paused": boolean 0 to 1; every write is announced, as the proxies raise nothing.
IParamWrapper* CreateProxyPausedWrapper(const char* id, DataModel::Objects::CCaptureParamTimerProxy& proxy);
IParamWrapper* CreateProxyPausedWrapper(const char* id, DataModel::Objects::CConstCaptureParamTimerProxy& proxy);
IParamWrapper* CreateProxyPausedWrapper(const char* id, CCurveTimerProxy& proxy);
IParamWrapper* CreateProxyPausedWrapper(const char* id, CStringTimerProxy& proxy);
IParamWrapper* CreateProxyPausedWrapper(const char* id, CSurfaceTimerProxy& proxy);

// The fields of the MIDI CC mapping of the parameter described by paramInfo, named after it; all
// follow the setting's events. Channel: integer 0 (any) to 16. Number: integer 0 to 127, default 65.
// Min and max: the parameter's own descriptor. Enabled: boolean, "Off;On".
IParamWrapper* CreateMIDICCChannelWrapper(IMIDICCSetting& setting, const DataModel::Objects::IConstParamInfo& paramInfo);
IParamWrapper* CreateMIDICCNumberWrapper(IMIDICCSetting& setting, const DataModel::Objects::IConstParamInfo& paramInfo);
IParamWrapper* CreateMIDICCMinWrapper(IMIDICCSetting& setting, const DataModel::Objects::IConstParamInfo& paramInfo);
IParamWrapper* CreateMIDICCMaxWrapper(IMIDICCSetting& setting, const DataModel::Objects::IConstParamInfo& paramInfo);
IParamWrapper* CreateMIDICCEnabledWrapper(IMIDICCSetting& setting, const DataModel::Objects::IConstParamInfo& paramInfo);

// The last message's channel (integer 1 to 16, default 1; it reads 0 before the first message) and
// controller (integer 0 to 127), following the message's changed event.
IConstParamWrapper* CreateLastMessageChannelWrapper(IConstMIDICCMessage& message, const char* name = "Channel");
IConstParamWrapper* CreateLastMessageCCWrapper(IConstMIDICCMessage& message, const char* name = "CC");

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
