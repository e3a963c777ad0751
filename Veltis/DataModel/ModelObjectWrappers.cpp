#include "Veltis/DataModel/ModelObjectWrappers.h"

#include "Veltis/DataModel/Objects/CCaptureParamConnection.h"
#include "Veltis/DataModel/Objects/CCaptureParamLink.h"
#include "Veltis/DataModel/Objects/CCaptureSurfaceFromCurveOverTime.h"
#include "Veltis/DataModel/Objects/CCurveFromParamOverTime.h"
#include "Veltis/DataModel/Objects/CEnumToText.h"

#include <climits>

namespace Veltis {
namespace DataModel {

namespace {

const int kBoolean = 0;
const int kInteger = 1;

// Built as a continuous descriptor, then named, ranged, given texts and default, and typed last: an
// integer without texts keeps the continuous descriptor's "%.2f".
Objects::CParamInfo MakeInfo(const char* id, int type, float min, float max, float defaultValue,
                             const char* texts = nullptr, const char* unit = nullptr)
{
    Objects::CParamInfo info;
    info.SetName(id);
    info.SetMin(min);
    info.SetMax(max);
    if (unit)
        info.SetUnit(unit);
    if (texts)
        info.SetValueToText(new Objects::CEnumToText(texts, 0), true);
    info.SetDefault(defaultValue);
    info.SetType(type);
    return info;
}

Objects::CParamInfo MakeSwitchInfo(const char* id, bool state, const char* texts)
{
    return MakeInfo(id, kBoolean, 0.0f, 1.0f, state ? 1.0f : 0.0f, texts);
}

template <class Wrapper>
Wrapper* Describe(Wrapper* wrapper, const Objects::CParamInfo& info)
{
    wrapper->GetWritableInfo().CopyFrom(info);
    return wrapper;
}

// A switch that raises no event of its own: the wrapper announces every write.
template <class Object>
IParamWrapper* CreateSilentSwitch(const char* id, Object& object, const char* texts)
{
    typedef TCaptureValueWrapper<Object, Objects::IConstParamInfo, Objects::CParamInfo, bool, bool> Wrapper;
    return Describe(new Wrapper(&object, &Object::IsPaused, &Object::SetPaused, nullptr, nullptr, nullptr, nullptr,
                                nullptr),
                    MakeSwitchInfo(id, object.IsPaused(), texts));
}

template <class Object>
IParamWrapper* CreateDiffModeWrapper(const char* id, Object& object)
{
    typedef TCaptureValueWrapper<Object, Objects::IConstParamInfo, Objects::CParamInfo, bool, bool> Wrapper;
    return Describe(new Wrapper(&object, &Object::IsDiffMode, &Object::SetDiffMode, nullptr, nullptr, nullptr,
                                nullptr, nullptr),
                    MakeSwitchInfo(id, object.IsDiffMode(), "normal;diff"));
}

} // namespace

IParamWrapper* CreateEnabledWrapper(const char* id, Core::IEnable& object)
{
    return Describe(new CEnableWrapper(&object, &Core::IEnable::IsEnabled, &Core::IEnable::Enable, nullptr, nullptr,
                                       &object.GetEnableChangedEvent(), nullptr, nullptr),
                    MakeSwitchInfo(id, object.IsEnabled(), "disabled;enabled"));
}

IParamWrapper* CreateReverseWrapper(const char* id, IReverse& object)
{
    return Describe(new CReverseWrapper(&object, &IReverse::IsReversed, &IReverse::SetReverse, nullptr, nullptr,
                                        &object.GetReverseChangedEvent(), nullptr, nullptr),
                    MakeSwitchInfo(id, object.IsReversed(), "normal;reverse"));
}

IParamWrapper* CreateRefreshTimeWrapper(const char* id, Core::IRefreshTime& object, int builtInPeriod)
{
    return Describe(new CRefreshTimeWrapper(&object, &Core::IRefreshTime::GetRefreshTime,
                                            &Core::IRefreshTime::SetRefreshTime, nullptr, nullptr, nullptr, nullptr,
                                            nullptr),
                    MakeInfo(id, kInteger, 0.0f, 1000000.0f, static_cast<float>(builtInPeriod), nullptr, "ms"));
}

IParamWrapper* CreateModeWrapper(const char* id, Objects::CCaptureParamLink& object)
{
    return CreateDiffModeWrapper(id, object);
}

IParamWrapper* CreateModeWrapper(const char* id, Objects::CCaptureParamConnection& object)
{
    return CreateDiffModeWrapper(id, object);
}

IParamWrapper* CreatePausedWrapper(const char* id, Objects::CCurveFromParamOverTime& object)
{
    return CreateSilentSwitch(id, object, "running;paused");
}

IParamWrapper* CreatePausedWrapper(const char* id, Objects::CCaptureSurfaceFromCurveOverTime& object)
{
    return CreateSilentSwitch(id, object, "running;paused");
}

IParamWrapper* CreateCountWrapper(const char* id, Containers::ICount& collection, Core::IEventProvider* countChanged,
                             int minCount, int maxCount, int count)
{
    int clamped = count < minCount ? minCount : count;
    clamped = clamped > maxCount ? maxCount : clamped;
    return Describe(new CCountWrapper(&collection, &Containers::IConstCount::GetCount, &Containers::ICount::SetCount,
                                      nullptr, nullptr, countChanged, nullptr, nullptr),
                    MakeInfo(id, kInteger, static_cast<float>(minCount), static_cast<float>(maxCount),
                             static_cast<float>(clamped)));
}

IConstParamWrapper* CreateForEachCountWrapper(const char* id, Containers::IConstCount& collection,
                                         Core::IEventProvider* countChanged)
{
    return Describe(new CConstCountWrapper(&collection, &Containers::IConstCount::GetCount, countChanged, nullptr,
                                           nullptr),
                    MakeInfo(id, kInteger, 0.0f, static_cast<float>(INT_MAX),
                             static_cast<float>(collection.GetCount())));
}

IConstParamWrapper* CreateAliveWrapper(Core::IConstEnable& model)
{
    return Describe(new CConstEnableWrapper(&model, &Core::IConstEnable::IsEnabled, &model.GetEnableChangedEvent(),
                                            nullptr, nullptr),
                    MakeSwitchInfo("alive", false, "asleep;alive"));
}

} // namespace DataModel
} // namespace Veltis
