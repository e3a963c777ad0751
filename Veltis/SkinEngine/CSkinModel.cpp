#include "Veltis/SkinEngine/CSkinModel.h"

#include "Veltis/Containers/IIterator.h"
#include "Veltis/Core/IMessageLog.h"
#include "Veltis/Core/TOwnership.h"
#include "Veltis/CoreUtilities/TDestroyAdapter.h"
#include "Veltis/DataModel/TCaptureValueWrapper.h"
#include "Veltis/DataModel/TConstCaptureValueWrapper.h"
#include "Veltis/Runtime/CDynamicObject.h"

#include <cfloat>
#include <memory>
#include <string>
#include <type_traits>

namespace Veltis {
namespace SkinEngine {

using DataModel::Objects::CParamInfo;
using DataModel::Objects::IConstParamInfo;
using DataModel::Objects::IParamInfo;

namespace {

typedef DataModel::TCaptureValueWrapper<IParamInfo, IConstParamInfo, CParamInfo, float, float> CWritableCompanion;
typedef DataModel::TConstCaptureValueWrapper<IConstParamInfo, IConstParamInfo, CParamInfo, float> CConstCompanion;

template <class I> void AddFacet(Runtime::CDynamicObject& bundle, const I* facet)
{
    bundle.AddObject(new Core::TOwnership<I>(const_cast<I*>(facet), 0), TModelFacet<I>::kId);
}

// The facets of a parameter, curve, surface or string (writable and refresh may
// be null).
template <class V, class IInfo>
Runtime::CDynamicObject* MakeBundle(DataModel::TIConstCaptureObject<V, IInfo>& capture,
                                    DataModel::TICaptureObject<V, IInfo>* writable, Core::IRefreshTime* refresh)
{
    Runtime::CDynamicObject* bundle = new Runtime::CDynamicObject;
    AddFacet<Core::IValueChangedEventProvider>(*bundle, &capture);
    AddFacet<DataModel::TIConstCaptureObject<V, IInfo>>(*bundle, &capture);
    if (writable)
        AddFacet<DataModel::TICaptureObject<V, IInfo>>(*bundle, writable);
    if (refresh)
        AddFacet<Core::IRefreshTime>(*bundle, refresh);
    return bundle;
}

std::string Suffixed(const char* id, const char* suffix)
{
    return std::string(id) + suffix;
}

// Which value of the descriptor a companion publishes.
enum EValue { kDefault, kMin, kMax };

} // namespace

CSkinModel::CSkinModel(System::ITimerProvider* timerProvider, System::IThreadInvoker* threadInvoker,
                       Core::IMessageLog* log)
    : m_TimerProvider(timerProvider),
      m_ThreadInvoker(threadInvoker),
      m_Objects(log),
      m_PersistentChangeCommand(this, &CSkinModel::NotifyPersistentChanged),
      m_TrackedChangeCommand(this, &CSkinModel::NotifyTrackedChanged),
      m_Enabled(false)
{
    const CParamInfo description(2, "?", "?", "", nullptr, 0.0f, 0.0f, 0.0f);
    m_FallbackParam.GetWritableInfo().CopyFrom(description);
    m_FallbackParam.GetWritableInfo().SetComment("Parameter not found");
    m_FallbackParam.SetValue(0.0f);

    DataModel::Objects::CCurveInfo& curve = m_FallbackCurve.GetWritableInfo();
    curve.SetComment("Curve not found");
    curve.SetXInfo(description);
    curve.SetYInfo(description);
    curve.SetName("?");

    DataModel::Objects::CSurfaceInfo& surface = m_FallbackSurface.GetWritableInfo();
    surface.SetComment("Surface not found");
    surface.SetXInfo(description);
    surface.SetYInfo(description);
    surface.SetZInfo(description);
    surface.SetName("?");

    m_FallbackString.GetWritableInfo().SetComment("String not found");
    m_FallbackString.GetWritableInfo().SetName("?");
    m_FallbackString.SetValue("?");

    m_FallbackAction.GetWritableInfo().SetName("?");
    m_FallbackAction.GetWritableInfo().SetComment("Action not found");
}

CSkinModel::~CSkinModel()
{
    Clear();
    RemoveAll();
}

Core::IMessageLog* CSkinModel::SetMessageLog(Core::IMessageLog* log)
{
    return m_Objects.SetMessageLog(log);
}

void CSkinModel::SetName(const char* name)
{
    m_Name = name ? name : "";
}

// ---- Registration

template <class Object> void CSkinModel::TakeOver(Object* object, int owned, int mask)
{
    if (owned != 1)
        return;
    if (mask == 0)
        delete object;
    else
        AdoptObject(new CoreUtilities::TDestroyAdapter<Object>(object));
}

template <class V, class IInfo, class Object>
bool CSkinModel::Register(const char* id, Object* object, DataModel::TIConstCaptureObject<V, IInfo>& capture,
                          DataModel::TICaptureObject<V, IInfo>* writable, Core::IRefreshTime* refresh, int owned,
                          int mask, EValueCompanions values, CParamInfo* writableInfo)
{
    if (!id) {
        TakeOver(object, owned, mask);
        return false;
    }
    bool registered = true;
    if (mask & 1)
        registered = m_Objects.AddObject(id, MakeBundle(capture, writable, refresh), 1);
    bool described = true;
    if (registered && (mask & 2))
        described = AddInfoCompanions(id, capture.GetInfo());
    TakeOver(object, owned, mask);
    // Adopted after their object, the companions go first when the model empties:
    // they listen to its descriptor.
    bool valued = true;
    if constexpr (std::is_same_v<IInfo, ParamInfo>) {
        if (registered && described && mask != 0)
            valued = AddValueCompanions(id, capture.GetInfo(), mask, values, writableInfo);
    }
    return registered && described && valued;
}

bool CSkinModel::AddInfoCompanion(const char* id, const char* suffix, const ParamInfo& info)
{
    Runtime::CDynamicObject* bundle = new Runtime::CDynamicObject;
    AddFacet<IConstParamInfo>(*bundle, &info);
    return m_Objects.AddObject(Suffixed(id, suffix).c_str(), bundle, 1);
}

bool CSkinModel::AddInfoCompanions(const char* id, const ParamInfo& info)
{
    return AddInfoCompanion(id, ".info", info);
}

bool CSkinModel::AddInfoCompanions(const char* id, const CurveInfo& info)
{
    return AddInfoCompanion(id, ".x_info", info.GetXInfo()) && AddInfoCompanion(id, ".y_info", info.GetYInfo());
}

bool CSkinModel::AddInfoCompanions(const char* id, const SurfaceInfo& info)
{
    return AddInfoCompanion(id, ".x_info", info.GetXInfo()) && AddInfoCompanion(id, ".y_info", info.GetYInfo()) &&
        AddInfoCompanion(id, ".z_info", info.GetZInfo());
}

bool CSkinModel::AddInfoCompanions(const char*, const StringInfo&)
{
    return true;
}

bool CSkinModel::AddValueCompanions(const char* id, const ParamInfo& info, int mask, EValueCompanions kind,
                                    CParamInfo* writableInfo)
{
    bool result = true;
    if (mask & 4)
        result = AddValueCompanion(id, ".default", info, kDefault, kind, writableInfo) && result;
    if (mask & 8)
        result = AddValueCompanion(id, ".min", info, kMin, kind, writableInfo) && result;
    if (mask & 16)
        result = AddValueCompanion(id, ".max", info, kMax, kind, writableInfo) && result;
    return result;
}

bool CSkinModel::AddValueCompanion(const char* id, const char* suffix, const ParamInfo& info, int which,
                                   EValueCompanions kind, CParamInfo* writableInfo)
{
    static const char* const kNames[] = {" Default", " Min", " Max"};
    typedef float (IConstParamInfo::*Getter)() const;
    typedef void (IParamInfo::*Setter)(float);
    static const Getter kGetters[] = {&IConstParamInfo::GetDefault, &IConstParamInfo::GetMin, &IConstParamInfo::GetMax};
    static const Setter kSetters[] = {&IParamInfo::SetDefault, &IParamInfo::SetMin, &IParamInfo::SetMax};

    CParamInfo described(info);
    described.SetName((std::string(info.GetName()) + kNames[which]).c_str());
    const bool writable = kind == EValueCompanions::kWritable && writableInfo;
    if (writable) {
        if (which != kDefault)
            described.SetDefault((info.*kGetters[which])());
        described.SetMin(-FLT_MAX);
        described.SetMax(FLT_MAX);
    } else if (which == kMin) {
        described.SetMax(info.GetMin());
        described.SetDefault(info.GetMin());
    } else if (which == kMax) {
        described.SetMin(info.GetMax());
        described.SetDefault(info.GetMax());
    }

    Runtime::CDynamicObject* bundle = new Runtime::CDynamicObject;
    Core::IDestroy* adopted = nullptr;
    if (writable) {
        CWritableCompanion* wrapper = new CWritableCompanion(writableInfo, kGetters[which], kSetters[which], nullptr,
                                                             nullptr, &info.GetChangedEvent(), nullptr, nullptr);
        wrapper->GetWritableInfo().CopyFrom(described);
        AddFacet<Core::IValueChangedEventProvider>(*bundle, wrapper);
        AddFacet<IConstParam>(*bundle, wrapper);
        AddFacet<IParam>(*bundle, wrapper);
        adopted = new CoreUtilities::TDestroyAdapter<CWritableCompanion>(wrapper);
    } else {
        CConstCompanion* wrapper = new CConstCompanion(const_cast<IConstParamInfo*>(&info), kGetters[which],
                                                       &info.GetChangedEvent(), nullptr, nullptr);
        wrapper->GetWritableInfo().CopyFrom(described);
        AddFacet<Core::IValueChangedEventProvider>(*bundle, wrapper);
        AddFacet<IConstParam>(*bundle, wrapper);
        adopted = new CoreUtilities::TDestroyAdapter<CConstCompanion>(wrapper);
    }
    if (!m_Objects.AddObject(Suffixed(id, suffix).c_str(), bundle, 1)) {
        delete adopted;
        return false;
    }
    AdoptObject(adopted);
    return true;
}

template <class I> bool CSkinModel::AddFacetOnly(const char* id, I* object, int owned, int mask)
{
    bool registered = false;
    if (id) {
        Runtime::CDynamicObject* bundle = new Runtime::CDynamicObject;
        AddFacet<I>(*bundle, object);
        if constexpr (std::is_same_v<I, DataModel::ICollection>)
            AddFacet<DataModel::IConstCollection>(*bundle, object);
        registered = m_Objects.AddObject(id, bundle, 1);
    }
    TakeOver(object, owned, mask);
    return registered;
}

bool CSkinModel::AddObject(const char* id, DataModel::Objects::CCaptureParam* param, int owned, int mask)
{
    return Register(id, param, *param, param, nullptr, owned, mask, EValueCompanions::kWritable,
                    &param->GetWritableInfo());
}

bool CSkinModel::AddObject(const char* id, IParam* param, int owned, int mask)
{
    return Register(id, param, *param, param, nullptr, owned, mask, EValueCompanions::kReadOnly, nullptr);
}

bool CSkinModel::AddObject(const char* id, IConstParam* param, int owned, int mask)
{
    return Register<float, ParamInfo>(id, param, *param, nullptr, nullptr, owned, mask, EValueCompanions::kReadOnly,
                                      nullptr);
}

bool CSkinModel::AddObject(const char* id, DataModel::TICaptureObjectTimerProxy<float, ParamInfo>* param, int owned,
                           int mask)
{
    return Register<float, ParamInfo>(id, param, *param, param, param, owned, mask, EValueCompanions::kReadOnly,
                                      nullptr);
}

bool CSkinModel::AddObject(const char* id, DataModel::TIConstCaptureObjectTimerProxy<float, ParamInfo>* param,
                           int owned, int mask)
{
    return Register<float, ParamInfo>(id, param, *param, nullptr, param, owned, mask, EValueCompanions::kReadOnly,
                                      nullptr);
}

bool CSkinModel::AddObject(const char* id, ICurve* curve, int owned, int mask)
{
    return Register<CurveValue, CurveInfo>(id, curve, *curve, curve, nullptr, owned, mask, EValueCompanions::kNone,
                                           nullptr);
}

bool CSkinModel::AddObject(const char* id, IConstCurve* curve, int owned, int mask)
{
    return Register<CurveValue, CurveInfo>(id, curve, *curve, nullptr, nullptr, owned, mask, EValueCompanions::kNone,
                                           nullptr);
}

bool CSkinModel::AddObject(const char* id, DataModel::TIConstCaptureObjectTimerProxy<CurveValue, CurveInfo>* curve,
                           int owned, int mask)
{
    return Register<CurveValue, CurveInfo>(id, curve, *curve, nullptr, curve, owned, mask, EValueCompanions::kNone,
                                           nullptr);
}

bool CSkinModel::AddObject(const char* id, ISurface* surface, int owned, int mask)
{
    return Register<SurfaceValue, SurfaceInfo>(id, surface, *surface, surface, nullptr, owned, mask,
                                               EValueCompanions::kNone, nullptr);
}

bool CSkinModel::AddObject(const char* id, IConstSurface* surface, int owned, int mask)
{
    return Register<SurfaceValue, SurfaceInfo>(id, surface, *surface, nullptr, nullptr, owned, mask,
                                               EValueCompanions::kNone, nullptr);
}

bool CSkinModel::AddObject(const char* id,
                           DataModel::TIConstCaptureObjectTimerProxy<SurfaceValue, SurfaceInfo>* surface, int owned,
                           int mask)
{
    return Register<SurfaceValue, SurfaceInfo>(id, surface, *surface, nullptr, surface, owned, mask,
                                               EValueCompanions::kNone, nullptr);
}

bool CSkinModel::AddObject(const char* id, IString* text, int owned, int mask)
{
    return Register<const char*, StringInfo>(id, text, *text, text, nullptr, owned, mask, EValueCompanions::kNone,
                                             nullptr);
}

bool CSkinModel::AddObject(const char* id, IConstString* text, int owned, int mask)
{
    return Register<const char*, StringInfo>(id, text, *text, nullptr, nullptr, owned, mask, EValueCompanions::kNone,
                                             nullptr);
}

bool CSkinModel::AddObject(const char* id, DataModel::TIConstCaptureObjectTimerProxy<const char*, StringInfo>* text,
                           int owned, int mask)
{
    return Register<const char*, StringInfo>(id, text, *text, nullptr, text, owned, mask, EValueCompanions::kNone,
                                             nullptr);
}

void CSkinModel::ReportMissing(ISkinDynamicObjectsDictionary& dictionary, const char* id, const char* kind)
{
    Core::IMessageLog* log = dictionary.GetMessageLog();
    if (!log)
        return;
    std::string text = id ? id : "";
    if (kind)
        text += std::string(": Unknown ") + kind + " identifier (wrong object type).";
    else
        text += ": Unknown identifier (object does not exist).";
    log->AddMessage(0, text.c_str(), 0);
}

// ---- Typed additions

template <class Capture, class Listed>
bool CSkinModel::AddListed(const char* id, Capture* object, Listed* listed, std::vector<Listed*>& list, int mask,
                           int owned)
{
    // listed was taken before the registration, which may delete the object.
    const bool added = AddObject(id, object, owned, mask);
    if (added && mask != 0)
        list.push_back(listed);
    return added;
}

bool CSkinModel::AddParam(const char* id, DataModel::Objects::CCaptureParam* param, int mask, int owned)
{
    return AddObject(id, param, owned, mask);
}

bool CSkinModel::AddParam(const char* id, DataModel::TICaptureObjectWrapper<float, ParamInfo>* param, int mask,
                          int owned)
{
    return AddListed(id, static_cast<IParam*>(param), static_cast<Core::IDisconnect*>(param), m_Disconnectables, mask,
                     owned);
}

bool CSkinModel::AddParam(const char* id, DataModel::TICaptureObjectProxy<float, ParamInfo>* param, int mask, int owned)
{
    return AddListed(id, static_cast<IParam*>(param), static_cast<DataModel::IProxyValueUpdate*>(param), m_Proxies,
                     mask, owned);
}

bool CSkinModel::AddParam(const char* id, DataModel::TICaptureObjectTimerProxy<float, ParamInfo>* param, int mask,
                          int owned)
{
    return AddObject(id, param, owned, mask);
}

bool CSkinModel::AddReadOnlyParam(const char* id, IConstParam* param, int mask, int owned)
{
    return AddObject(id, param, owned, mask);
}

bool CSkinModel::AddReadOnlyParam(const char* id, DataModel::TIConstCaptureObjectWrapper<float, ParamInfo>* param,
                                  int mask, int owned)
{
    return AddListed(id, static_cast<IConstParam*>(param), static_cast<Core::IDisconnect*>(param), m_Disconnectables,
                     mask, owned);
}

bool CSkinModel::AddReadOnlyParam(const char* id, DataModel::TIConstCaptureObjectProxy<float, ParamInfo>* param,
                                  int mask, int owned)
{
    return AddListed(id, static_cast<IConstParam*>(param), static_cast<DataModel::IProxyValueUpdate*>(param), m_Proxies,
                     mask, owned);
}

bool CSkinModel::AddReadOnlyParam(const char* id, DataModel::TIConstCaptureObjectTimerProxy<float, ParamInfo>* param,
                                  int mask, int owned)
{
    return AddObject(id, param, owned, mask);
}

bool CSkinModel::AddCurve(const char* id, ICurve* curve, int mask, int owned)
{
    return AddObject(id, curve, owned, mask);
}

bool CSkinModel::AddCurve(const char* id, DataModel::TICaptureObjectProxy<CurveValue, CurveInfo>* curve, int mask,
                          int owned)
{
    return AddListed(id, static_cast<ICurve*>(curve), static_cast<DataModel::IProxyValueUpdate*>(curve), m_Proxies,
                     mask, owned);
}

bool CSkinModel::AddReadOnlyCurve(const char* id, IConstCurve* curve, int mask, int owned)
{
    return AddObject(id, curve, owned, mask);
}

bool CSkinModel::AddReadOnlyCurve(const char* id, DataModel::TIConstCaptureObjectWrapper<CurveValue, CurveInfo>* curve,
                                  int mask, int owned)
{
    return AddListed(id, static_cast<IConstCurve*>(curve), static_cast<Core::IDisconnect*>(curve), m_Disconnectables,
                     mask, owned);
}

bool CSkinModel::AddReadOnlyCurve(const char* id, DataModel::TIConstCaptureObjectProxy<CurveValue, CurveInfo>* curve,
                                  int mask, int owned)
{
    return AddListed(id, static_cast<IConstCurve*>(curve), static_cast<DataModel::IProxyValueUpdate*>(curve), m_Proxies,
                     mask, owned);
}

bool CSkinModel::AddReadOnlyCurve(const char* id,
                                  DataModel::TIConstCaptureObjectTimerProxy<CurveValue, CurveInfo>* curve, int mask,
                                  int owned)
{
    return AddObject(id, curve, owned, mask);
}

bool CSkinModel::AddString(const char* id, IString* text, int mask, int owned)
{
    return AddObject(id, text, owned, mask);
}

bool CSkinModel::AddString(const char* id, DataModel::TICaptureObjectWrapper<const char*, StringInfo>* text, int mask,
                           int owned)
{
    return AddListed(id, static_cast<IString*>(text), static_cast<Core::IDisconnect*>(text), m_Disconnectables, mask,
                     owned);
}

bool CSkinModel::AddString(const char* id, DataModel::TICaptureObjectProxy<const char*, StringInfo>* text, int mask,
                           int owned)
{
    return AddListed(id, static_cast<IString*>(text), static_cast<DataModel::IProxyValueUpdate*>(text), m_Proxies, mask,
                     owned);
}

bool CSkinModel::AddReadOnlyString(const char* id, IConstString* text, int mask, int owned)
{
    return AddObject(id, text, owned, mask);
}

bool CSkinModel::AddReadOnlyString(const char* id,
                                   DataModel::TIConstCaptureObjectWrapper<const char*, StringInfo>* text, int mask,
                                   int owned)
{
    return AddListed(id, static_cast<IConstString*>(text), static_cast<Core::IDisconnect*>(text), m_Disconnectables,
                     mask, owned);
}

bool CSkinModel::AddReadOnlyString(const char* id, DataModel::TIConstCaptureObjectProxy<const char*, StringInfo>* text,
                                   int mask, int owned)
{
    return AddListed(id, static_cast<IConstString*>(text), static_cast<DataModel::IProxyValueUpdate*>(text), m_Proxies,
                     mask, owned);
}

bool CSkinModel::AddReadOnlyString(const char* id,
                                   DataModel::TIConstCaptureObjectTimerProxy<const char*, StringInfo>* text, int mask,
                                   int owned)
{
    return AddObject(id, text, owned, mask);
}

bool CSkinModel::AddSurface(const char* id, DataModel::TICaptureObjectProxy<SurfaceValue, SurfaceInfo>* surface,
                            int mask, int owned)
{
    return AddListed(id, static_cast<ISurface*>(surface), static_cast<DataModel::IProxyValueUpdate*>(surface),
                     m_Proxies, mask, owned);
}

bool CSkinModel::AddReadOnlySurface(const char* id, IConstSurface* surface, int mask, int owned)
{
    return AddObject(id, surface, owned, mask);
}

bool CSkinModel::AddReadOnlySurface(const char* id,
                                    DataModel::TIConstCaptureObjectWrapper<SurfaceValue, SurfaceInfo>* surface,
                                    int mask, int owned)
{
    return AddListed(id, static_cast<IConstSurface*>(surface), static_cast<Core::IDisconnect*>(surface),
                     m_Disconnectables, mask, owned);
}

bool CSkinModel::AddReadOnlySurface(const char* id,
                                    DataModel::TIConstCaptureObjectProxy<SurfaceValue, SurfaceInfo>* surface, int mask,
                                    int owned)
{
    return AddListed(id, static_cast<IConstSurface*>(surface), static_cast<DataModel::IProxyValueUpdate*>(surface),
                     m_Proxies, mask, owned);
}

bool CSkinModel::AddReadOnlySurface(const char* id,
                                    DataModel::TIConstCaptureObjectTimerProxy<SurfaceValue, SurfaceInfo>* surface,
                                    int mask, int owned)
{
    return AddObject(id, surface, owned, mask);
}

bool CSkinModel::AddAction(const char* id, DataModel::Objects::IConstAction* action, int owned)
{
    return AddFacetOnly(id, action, owned, 7);
}

bool CSkinModel::AddReadOnlyCollection(const char* id, DataModel::IConstCollection* collection, int owned)
{
    Core::IDisconnect* disconnect = collection;
    const bool added = AddFacetOnly(id, collection, owned, 7);
    if (added)
        m_Disconnectables.push_back(disconnect);
    return added;
}

bool CSkinModel::AddCollection(const char* id, DataModel::ICollection* collection, int owned)
{
    Core::IDisconnect* disconnect = collection;
    const bool added = AddFacetOnly(id, collection, owned, 7);
    if (added)
        m_Disconnectables.push_back(disconnect);
    return added;
}

// ---- Auxiliary objects

void CSkinModel::AddLink(DataModel::IDisconnectAndPause* link, int owned)
{
    m_Links.push_back(link);
    if (owned == 1)
        AdoptObject(new CoreUtilities::TDestroyAdapter<DataModel::IDisconnectAndPause>(link));
}

void CSkinModel::AddDisconnectable(Core::IDisconnect* object, int owned)
{
    m_Disconnectables.push_back(object);
    if (owned == 1)
        AdoptObject(new CoreUtilities::TDestroyAdapter<Core::IDisconnect>(object));
}

void CSkinModel::AdoptObject(Core::IDestroy* object)
{
    m_Adopted.push_back(object);
}

// ---- Persistence, exposure, removal

Core::IEventProvider* CSkinModel::GetTrackedEvent(Runtime::IDynamicObject& bundle)
{
    if (void* facet = bundle.GetObject(TModelFacet<Core::IValueChangedEventProvider>::kId))
        return &static_cast<Core::IValueChangedEventProvider*>(facet)->GetValueChangedEvent();
    if (void* facet = bundle.GetObject(TModelFacet<DataModel::ICollection>::kId))
        return &static_cast<DataModel::ICollection*>(facet)->GetItemsChangedEvent();
    return nullptr;
}

void CSkinModel::Unhook(Runtime::IDynamicObject& bundle)
{
    if (Core::IEventProvider* event = GetTrackedEvent(bundle)) {
        event->RemoveListener(&m_PersistentChangeCommand);
        event->RemoveListener(&m_TrackedChangeCommand);
    }
}

bool CSkinModel::MakePersistent(const char* id, bool track)
{
    Runtime::IDynamicObject* bundle = m_Objects.GetObject(id);
    if (!bundle || !m_PersistentObjects.AddObject(id, bundle, 0))
        return false;
    if (Core::IEventProvider* event = GetTrackedEvent(*bundle)) {
        event->AddListener(&m_PersistentChangeCommand);
        if (track)
            event->AddListener(&m_TrackedChangeCommand);
    }
    return true;
}

bool CSkinModel::Expose(const char* id)
{
    Runtime::IDynamicObject* bundle = m_Objects.GetObject(id);
    return bundle && m_ExposedObjects.AddObject(id, bundle, 0);
}

void CSkinModel::RemoveObject(const char* id)
{
    if (Runtime::IDynamicObject* bundle = m_Objects.GetObject(id))
        Unhook(*bundle);
    m_ExposedObjects.RemoveObject(id);
    m_PersistentObjects.RemoveObject(id);
    m_Objects.RemoveObject(id);
}

void CSkinModel::Enable(bool enabled)
{
    if (enabled == m_Enabled)
        return;
    m_Enabled = enabled;
    m_EnableChanged.Notify();
}

void CSkinModel::Clear()
{
    Enable(false);
    std::unique_ptr<Containers::IIterator<Runtime::IDynamicObject>> bundles(m_PersistentObjects.GetObjectsIterator());
    for (bundles->First(); !bundles->IsEnd(); bundles->Next())
        Unhook(bundles->GetCurrent());
    for (Core::IDisconnect* object : m_Disconnectables)
        object->Disconnect();
    for (DataModel::IDisconnectAndPause* link : m_Links)
        link->Disconnect();
    m_Links.clear();
    m_Disconnectables.clear();
    m_Proxies.clear();
}

void CSkinModel::RemoveAll()
{
    Clear();
    m_ExposedObjects.Clear();
    m_PersistentObjects.Clear();
    m_Objects.Clear();
    // Newest first: companions and links go before the objects they listen to.
    while (!m_Adopted.empty()) {
        Core::IDestroy* object = m_Adopted.back();
        m_Adopted.pop_back();
        delete object;
    }
}

} // namespace SkinEngine
} // namespace Veltis
