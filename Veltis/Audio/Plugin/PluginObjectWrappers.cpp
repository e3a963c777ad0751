#include "Veltis/Audio/Plugin/PluginObjectWrappers.h"

#include "Veltis/Core/CCharString.h"
#include "Veltis/DataModel/Objects/CEnumToText.h"
#include "Veltis/DataModel/Objects/CParamValueToText.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

using DataModel::Objects::CParamInfo;

namespace {

const int kBoolean = 0;
const int kInteger = 1;

template <class Wrapper>
Wrapper* Describe(Wrapper* wrapper, const DataModel::Objects::IConstParamInfo& info)
{
    wrapper->GetWritableInfo().CopyFrom(info);
    return wrapper;
}

template <class Proxy>
IParamWrapper* CreatePausedSwitch(const char* id, Proxy& proxy)
{
    typedef DataModel::TCaptureValueWrapper<Proxy, DataModel::Objects::IConstParamInfo, CParamInfo, bool, bool> Wrapper;
    return Describe(new Wrapper(&proxy, &Proxy::IsPaused, &Proxy::SetPaused, nullptr, nullptr, nullptr, nullptr,
                                nullptr),
                    CParamInfo(kBoolean, id, "", "", nullptr, 0.0f, 1.0f, 0.0f));
}

Core::CCharString MappingName(const DataModel::Objects::IConstParamInfo& paramInfo, const char* suffix)
{
    Core::CCharString name(paramInfo.GetName());
    name.Append(suffix);
    return name;
}

CParamInfo MappingIntInfo(const DataModel::Objects::IConstParamInfo& paramInfo, const char* suffix, float max,
                          float defaultValue)
{
    return CParamInfo(kInteger, MappingName(paramInfo, suffix).GetString(), "", "",
                      new DataModel::Objects::CParamValueToText("%.0f", false, "{value}"), 0.0f, max, defaultValue);
}

CParamInfo MappingRangeInfo(const DataModel::Objects::IConstParamInfo& paramInfo, const char* suffix)
{
    CParamInfo info(paramInfo);
    info.SetName(MappingName(paramInfo, suffix).GetString());
    return info;
}

IParamWrapper* CreateMIDICCIntWrapper(IMIDICCSetting& setting, int (IMIDICCSetting::*getter)() const,
                                      void (IMIDICCSetting::*setter)(int), const CParamInfo& info)
{
    return Describe(new CMIDICCIntWrapper(&setting, getter, setter, nullptr, nullptr, &setting.GetChangedEvent(),
                                          nullptr, nullptr),
                    info);
}

IParamWrapper* CreateMIDICCRangeWrapper(IMIDICCSetting& setting, float (IMIDICCSetting::*getter)() const,
                                        void (IMIDICCSetting::*setter)(float), const CParamInfo& info)
{
    return Describe(new CMIDICCRangeWrapper(&setting, getter, setter, nullptr, nullptr, &setting.GetChangedEvent(),
                                            nullptr, nullptr),
                    info);
}

IConstParamWrapper* CreateMessageWrapper(IConstMIDICCMessage& message, int (IConstMIDICCMessage::*getter)() const,
                                         const CParamInfo& info)
{
    return Describe(new CMIDICCMessageWrapper(&message, getter, &message.GetChangedEvent(), nullptr, nullptr), info);
}

} // namespace

IParamWrapper* CreateProxyPausedWrapper(const char* id, DataModel::Objects::CCaptureParamTimerProxy& proxy)
{
    return CreatePausedSwitch(id, proxy);
}

IParamWrapper* CreateProxyPausedWrapper(const char* id, DataModel::Objects::CConstCaptureParamTimerProxy& proxy)
{
    return CreatePausedSwitch(id, proxy);
}

IParamWrapper* CreateProxyPausedWrapper(const char* id, CCurveTimerProxy& proxy)
{
    return CreatePausedSwitch(id, proxy);
}

IParamWrapper* CreateProxyPausedWrapper(const char* id, CStringTimerProxy& proxy)
{
    return CreatePausedSwitch(id, proxy);
}

IParamWrapper* CreateProxyPausedWrapper(const char* id, CSurfaceTimerProxy& proxy)
{
    return CreatePausedSwitch(id, proxy);
}

IParamWrapper* CreateMIDICCChannelWrapper(IMIDICCSetting& setting, const DataModel::Objects::IConstParamInfo& paramInfo)
{
    return CreateMIDICCIntWrapper(setting, &IMIDICCSetting::GetChannel, &IMIDICCSetting::SetChannel,
                                  MappingIntInfo(paramInfo, " Channel", 16.0f, 0.0f));
}

IParamWrapper* CreateMIDICCNumberWrapper(IMIDICCSetting& setting, const DataModel::Objects::IConstParamInfo& paramInfo)
{
    return CreateMIDICCIntWrapper(setting, &IMIDICCSetting::GetNumber, &IMIDICCSetting::SetNumber,
                                  MappingIntInfo(paramInfo, " CC", 127.0f, 65.0f));
}

IParamWrapper* CreateMIDICCMinWrapper(IMIDICCSetting& setting, const DataModel::Objects::IConstParamInfo& paramInfo)
{
    return CreateMIDICCRangeWrapper(setting, &IMIDICCSetting::GetMin, &IMIDICCSetting::SetMin,
                                    MappingRangeInfo(paramInfo, " min"));
}

IParamWrapper* CreateMIDICCMaxWrapper(IMIDICCSetting& setting, const DataModel::Objects::IConstParamInfo& paramInfo)
{
    return CreateMIDICCRangeWrapper(setting, &IMIDICCSetting::GetMax, &IMIDICCSetting::SetMax,
                                    MappingRangeInfo(paramInfo, " max"));
}

IParamWrapper* CreateMIDICCEnabledWrapper(IMIDICCSetting& setting, const DataModel::Objects::IConstParamInfo& paramInfo)
{
    Core::IEnable& enable = setting;
    return Describe(new CMIDICCEnableWrapper(&enable, &Core::IEnable::IsEnabled, &Core::IEnable::Enable, nullptr,
                                             nullptr, &enable.GetEnableChangedEvent(), nullptr, nullptr),
                    CParamInfo(kBoolean, MappingName(paramInfo, " Enabled").GetString(), "", "",
                               new DataModel::Objects::CEnumToText("Off;On", 0), 0.0f, 1.0f, 0.0f));
}

IConstParamWrapper* CreateLastMessageChannelWrapper(IConstMIDICCMessage& message, const char* name)
{
    return CreateMessageWrapper(message, &IConstMIDICCMessage::GetChannel,
                                CParamInfo(kInteger, name, "", "", nullptr, 1.0f, 16.0f, 1.0f));
}

IConstParamWrapper* CreateLastMessageCCWrapper(IConstMIDICCMessage& message, const char* name)
{
    return CreateMessageWrapper(message, &IConstMIDICCMessage::GetCC,
                                CParamInfo(kInteger, name, "", "", nullptr, 0.0f, 127.0f, 0.0f));
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
