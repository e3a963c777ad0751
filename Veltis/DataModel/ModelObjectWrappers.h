#pragma once

#include "Veltis/Containers/ICount.h"
#include "Veltis/Core/IEnable.h"
#include "Veltis/Core/IRefreshTime.h"
#include "Veltis/DataModel/IReverse.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/TCaptureValueWrapper.h"

namespace Veltis {
namespace DataModel {
namespace Objects {
class CCaptureParamLink;
class CCaptureParamConnection;
class CCurveFromParamOverTime;
class CCaptureSurfaceFromCurveOverTime;
}

// The properties of model objects that skins see as parameters ("id.enabled", "id.reverse",
// "id.refresh_time_ms", "id.mode", "id.paused", "id.count", "alive"). Each function builds the one
// descriptor of its publication, named by the identifier, and returns the wrapper unregistered, owned
// by the caller; callers apply attributes before and register after. None binds gestures: every
// wrapper keeps its own capture state.

typedef TICaptureObjectWrapper<float, Objects::IConstParamInfo> IParamWrapper;
typedef TIConstCaptureObjectWrapper<float, Objects::IConstParamInfo> IConstParamWrapper;

typedef TCaptureValueWrapper<Core::IEnable, Objects::IConstParamInfo, Objects::CParamInfo, bool, bool> CEnableWrapper;
typedef TCaptureValueWrapper<IReverse, Objects::IConstParamInfo, Objects::CParamInfo, bool, bool> CReverseWrapper;
typedef TCaptureValueWrapper<Core::IRefreshTime, Objects::IConstParamInfo, Objects::CParamInfo, int, int>
    CRefreshTimeWrapper;
typedef TCaptureValueWrapper<Objects::CCaptureParamLink, Objects::IConstParamInfo, Objects::CParamInfo, bool, bool>
    CLinkModeWrapper;
typedef TCaptureValueWrapper<Objects::CCaptureParamConnection, Objects::IConstParamInfo, Objects::CParamInfo, bool, bool>
    CConnectionModeWrapper;
typedef TCaptureValueWrapper<Objects::CCurveFromParamOverTime, Objects::IConstParamInfo, Objects::CParamInfo, bool, bool>
    CCurvePausedWrapper;
typedef TCaptureValueWrapper<Objects::CCaptureSurfaceFromCurveOverTime, Objects::IConstParamInfo, Objects::CParamInfo,
                             bool, bool>
    CSurfacePausedWrapper;
typedef TCaptureValueWrapper<Containers::ICount, Objects::IConstParamInfo, Objects::CParamInfo, int, int> CCountWrapper;
typedef TConstCaptureValueWrapper<Containers::IConstCount, Objects::IConstParamInfo, Objects::CParamInfo, int>
    CConstCountWrapper;
typedef TConstCaptureValueWrapper<Core::IConstEnable, Objects::IConstParamInfo, Objects::CParamInfo, bool>
    CConstEnableWrapper;

// "enabled": boolean, "disabled;enabled", default the current state; follows the enable-changed event.
IParamWrapper* CreateEnabledWrapper(const char* id, Core::IEnable& object);
// "reverse": boolean, "normal;reverse", default the current flag; follows the reverse-changed event.
IParamWrapper* CreateReverseWrapper(const char* id, IReverse& object);
// "refresh_time_ms": integer 0 to 1000000 ms, default the period before the skin set one.
IParamWrapper* CreateRefreshTimeWrapper(const char* id, Core::IRefreshTime& object, int builtInPeriod);
// "mode": boolean, "normal;diff", default the current mode.
IParamWrapper* CreateModeWrapper(const char* id, Objects::CCaptureParamLink& object);
IParamWrapper* CreateModeWrapper(const char* id, Objects::CCaptureParamConnection& object);
// "paused": boolean, "running;paused", default the current state.
IParamWrapper* CreatePausedWrapper(const char* id, Objects::CCurveFromParamOverTime& object);
IParamWrapper* CreatePausedWrapper(const char* id, Objects::CCaptureSurfaceFromCurveOverTime& object);
// A collection's "count": integer minCount to maxCount, default count clamped up to minCount, then
// down to maxCount; follows the count-changed event. Writes are not held to the range.
IParamWrapper* CreateCountWrapper(const char* id, Containers::ICount& collection, Core::IEventProvider* countChanged,
                             int minCount, int maxCount, int count);
// A FOREACH's read-only "count": integer 0 to INT_MAX, default the count now.
IConstParamWrapper* CreateForEachCountWrapper(const char* id, Containers::IConstCount& collection,
                                         Core::IEventProvider* countChanged);
// The model's read-only "alive": boolean, "asleep;alive", default 0.
IConstParamWrapper* CreateAliveWrapper(Core::IConstEnable& model);

} // namespace DataModel
} // namespace Veltis
