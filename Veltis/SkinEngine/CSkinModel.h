#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/IProxyValueUpdate.h"
#include "Veltis/DataModel/Objects/CAction.h"
#include "Veltis/DataModel/Objects/CCaptureCurve.h"
#include "Veltis/DataModel/Objects/CCaptureParam.h"
#include "Veltis/DataModel/Objects/CCaptureString.h"
#include "Veltis/DataModel/Objects/CCaptureSurface.h"
#include "Veltis/Runtime/IDynamicObject.h"
#include "Veltis/Serialization/TSerializableNamedTypedPointer.h"
#include "Veltis/Serialization/TSerializableNamedValue.h"
#include "Veltis/SkinEngine/CDynamicObjectsDictionary.h"
#include "Veltis/SkinEngine/CSkinModelExposure.h"
#include "Veltis/SkinEngine/ISkinModel.h"
#include "Veltis/SkinEngine/ModelFacets.h"

#include <list>

#include <vector>

namespace Veltis {
namespace Core {
class IMessageLog;
}
namespace Runtime {
class CDynamicObject;
}
namespace SkinEngine {

// The skin model: three dictionaries of bundles (all objects, persistent,
// exposed), the lists of auxiliary objects it disconnects when cleared, the
// objects it owns, and its fallbacks.
//
// Registration (AddObject) enters a bundle of typed facets under the identifier
// when the reference mask has bit 1, and companions selected by the other bits:
// ".info" (or the axis descriptors ".x_info",
// ".y_info", ".z_info") for bit 2, and for parameters ".default", ".min",
// ".max" for bits 4, 8 and 16.
class CSkinModel : public virtual ISkinModel {
public:
    // The saved values of a model's persistent objects, each list under its identifiers. The curve and
    // surface functions belong to the state.
    class CState : public virtual Serialization::ISerializable {
    public:
        typedef Serialization::TSerializableNamedValue<float> CParamState;
        typedef Serialization::TSerializableNamedTypedPointer<Math::IFunction> CCurveState;
        typedef Serialization::TSerializableNamedTypedPointer<Math::IBinaryFunction> CSurfaceState;
        typedef Serialization::TSerializableNamedValue<char*> CStringState;
        // Named identifier + ".count".
        typedef Serialization::TSerializableNamedValue<int> CCountState;

        CState() { }
        ~CState() override { Clear(); }
        CState(const CState&) = delete;
        CState& operator=(const CState&) = delete;

        bool Serialize(Serialization::IWriteDataStream& stream) const override;
        // Empties the state first; true only when every list was read whole (versions below 2 have no
        // collection counts).
        bool DeSerialize(const Serialization::IReadDataStream& stream) override;
        void Clear();

        std::list<CParamState> m_Params;
        std::list<CCurveState> m_Curves;
        std::list<CSurfaceState> m_Surfaces;
        std::list<CStringState> m_Strings;
        std::list<CCountState> m_Counts;
    };

    CSkinModel(System::ITimerProvider* timerProvider, System::IThreadInvoker* threadInvoker, Core::IMessageLog* log);
    // Clears and empties the model first, so no wrapper or link outlives what it
    // reaches.
    ~CSkinModel() override;
    CSkinModel(const CSkinModel&) = delete;
    CSkinModel& operator=(const CSkinModel&) = delete;

    // Replaces the log of the all-objects dictionary; returns the previous one.
    Core::IMessageLog* SetMessageLog(Core::IMessageLog* log);

    // The registration of one object, per kind. owned 1 hands the object over
    // (deleted at once when the mask is 0, adopted otherwise, even when refused).
    // True when every step the mask asks for succeeded.
    bool AddObject(const char* id, DataModel::Objects::CCaptureParam* param, int owned, int mask);
    bool AddObject(const char* id, IParam* param, int owned, int mask);
    bool AddObject(const char* id, IConstParam* param, int owned, int mask);
    bool AddObject(const char* id, DataModel::TICaptureObjectTimerProxy<float, ParamInfo>* param, int owned, int mask);
    bool AddObject(const char* id, DataModel::TIConstCaptureObjectTimerProxy<float, ParamInfo>* param, int owned,
                   int mask);
    bool AddObject(const char* id, ICurve* curve, int owned, int mask);
    bool AddObject(const char* id, IConstCurve* curve, int owned, int mask);
    bool AddObject(const char* id, DataModel::TIConstCaptureObjectTimerProxy<CurveValue, CurveInfo>* curve, int owned,
                   int mask);
    bool AddObject(const char* id, ISurface* surface, int owned, int mask);
    bool AddObject(const char* id, IConstSurface* surface, int owned, int mask);
    bool AddObject(const char* id, DataModel::TIConstCaptureObjectTimerProxy<SurfaceValue, SurfaceInfo>* surface,
                   int owned, int mask);
    bool AddObject(const char* id, IString* text, int owned, int mask);
    bool AddObject(const char* id, IConstString* text, int owned, int mask);
    bool AddObject(const char* id, DataModel::TIConstCaptureObjectTimerProxy<const char*, StringInfo>* text, int owned,
                   int mask);

    // The facet I of the object registered under the identifier, or null. With
    // report true and a log on the dictionary, a miss is logged as an unknown
    // identifier or as the wrong object type. I is one of IConstParamInfo, the
    // read-only and writable capture interfaces of the four kinds, IConstAction,
    // IConstCollection and ICollection.
    template <class I> static I* FindObject(ISkinDynamicObjectsDictionary& dictionary, const char* id, bool report);

    // Fills the state with the values of the persistent objects.
    void GetState(CState& state) const;
    // Writes the state's values back with the links paused and the model disabled: counts first, then
    // defaults for what the state does not mention, then values. The model ends enabled.
    void SetState(const CState& state);

    // ISkinModel
    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    // Changes nothing unless the whole state was read.
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;
    const char* GetName() override { return m_Name.GetString(); }
    void SetName(const char* name) override;
    IParam& GetFallbackParam() override { return m_FallbackParam; }
    ICurve& GetFallbackCurve() override { return m_FallbackCurve; }
    IString& GetFallbackString() override { return m_FallbackString; }
    ISurface& GetFallbackSurface() override { return m_FallbackSurface; }
    DataModel::Objects::IConstAction& GetFallbackAction() override { return m_FallbackAction; }
    System::ITimerProvider* GetTimerProvider() override { return m_TimerProvider; }
    System::IThreadInvoker* GetThreadInvoker() override { return m_ThreadInvoker; }

    bool AddParam(const char* id, DataModel::Objects::CCaptureParam* param, int mask, int owned) override;
    bool AddParam(const char* id, DataModel::TICaptureObjectWrapper<float, ParamInfo>* param, int mask,
                  int owned) override;
    bool AddParam(const char* id, DataModel::TICaptureObjectProxy<float, ParamInfo>* param, int mask,
                  int owned) override;
    bool AddParam(const char* id, DataModel::TICaptureObjectTimerProxy<float, ParamInfo>* param, int mask,
                  int owned) override;
    bool AddReadOnlyParam(const char* id, IConstParam* param, int mask, int owned) override;
    bool AddReadOnlyParam(const char* id, DataModel::TIConstCaptureObjectWrapper<float, ParamInfo>* param, int mask,
                          int owned) override;
    bool AddReadOnlyParam(const char* id, DataModel::TIConstCaptureObjectProxy<float, ParamInfo>* param, int mask,
                          int owned) override;
    bool AddReadOnlyParam(const char* id, DataModel::TIConstCaptureObjectTimerProxy<float, ParamInfo>* param, int mask,
                          int owned) override;
    bool AddCurve(const char* id, ICurve* curve, int mask, int owned) override;
    bool AddCurve(const char* id, DataModel::TICaptureObjectProxy<CurveValue, CurveInfo>* curve, int mask,
                  int owned) override;
    bool AddReadOnlyCurve(const char* id, IConstCurve* curve, int mask, int owned) override;
    bool AddReadOnlyCurve(const char* id, DataModel::TIConstCaptureObjectWrapper<CurveValue, CurveInfo>* curve,
                          int mask, int owned) override;
    bool AddReadOnlyCurve(const char* id, DataModel::TIConstCaptureObjectProxy<CurveValue, CurveInfo>* curve, int mask,
                          int owned) override;
    bool AddReadOnlyCurve(const char* id, DataModel::TIConstCaptureObjectTimerProxy<CurveValue, CurveInfo>* curve,
                          int mask, int owned) override;
    bool AddString(const char* id, IString* text, int mask, int owned) override;
    bool AddString(const char* id, DataModel::TICaptureObjectWrapper<const char*, StringInfo>* text, int mask,
                   int owned) override;
    bool AddString(const char* id, DataModel::TICaptureObjectProxy<const char*, StringInfo>* text, int mask,
                   int owned) override;
    bool AddReadOnlyString(const char* id, IConstString* text, int mask, int owned) override;
    bool AddReadOnlyString(const char* id, DataModel::TIConstCaptureObjectWrapper<const char*, StringInfo>* text,
                           int mask, int owned) override;
    bool AddReadOnlyString(const char* id, DataModel::TIConstCaptureObjectProxy<const char*, StringInfo>* text,
                           int mask, int owned) override;
    bool AddReadOnlyString(const char* id, DataModel::TIConstCaptureObjectTimerProxy<const char*, StringInfo>* text,
                           int mask, int owned) override;
    bool AddSurface(const char* id, DataModel::TICaptureObjectProxy<SurfaceValue, SurfaceInfo>* surface, int mask,
                    int owned) override;
    bool AddReadOnlySurface(const char* id, IConstSurface* surface, int mask, int owned) override;
    bool AddReadOnlySurface(const char* id, DataModel::TIConstCaptureObjectWrapper<SurfaceValue, SurfaceInfo>* surface,
                            int mask, int owned) override;
    bool AddReadOnlySurface(const char* id, DataModel::TIConstCaptureObjectProxy<SurfaceValue, SurfaceInfo>* surface,
                            int mask, int owned) override;
    bool AddReadOnlySurface(const char* id,
                            DataModel::TIConstCaptureObjectTimerProxy<SurfaceValue, SurfaceInfo>* surface, int mask,
                            int owned) override;
    bool AddAction(const char* id, DataModel::Objects::IConstAction* action, int owned) override;
    bool AddReadOnlyCollection(const char* id, DataModel::IConstCollection* collection, int owned) override;
    bool AddCollection(const char* id, DataModel::ICollection* collection, int owned) override;

    void AddLink(DataModel::IDisconnectAndPause* link, int owned) override;
    void AddDisconnectable(Core::IDisconnect* object, int owned) override;
    void AdoptObject(Core::IDestroy* object) override;

    ISkinModelExposure& GetExposure() override { return m_Exposure; }
    bool MakePersistent(const char* id, bool track) override;
    bool Expose(const char* id) override;
    const ISkinDynamicObjectsDictionary& GetExposedObjects() const override { return m_ExposedObjects; }
    ISkinDynamicObjectsDictionary& GetExposedObjects() override { return m_ExposedObjects; }
    const ISkinDynamicObjectsDictionary& GetPersistentObjects() const override { return m_PersistentObjects; }
    ISkinDynamicObjectsDictionary& GetPersistentObjects() override { return m_PersistentObjects; }
    const ISkinDynamicObjectsDictionary& GetObjects() const override { return m_Objects; }
    ISkinDynamicObjectsDictionary& GetObjects() override { return m_Objects; }
    void RemoveObject(const char* id) override;
    Core::IEventProvider& GetPersistentChangedEvent() override { return m_PersistentChanged; }
    Core::IEventProvider& GetTrackedChangedEvent() override { return m_TrackedChanged; }

    // IEnable: notifies only a change.
    bool IsEnabled() override { return m_Enabled; }
    Core::IEventProvider& GetEnableChangedEvent() override { return m_EnableChanged; }
    void Enable(bool enabled) override;

    // Disables the model, unhooks the persistent objects, disconnects every
    // wrapper and link once and forgets them; the objects stay registered.
    virtual void Clear();
    // Clear, then empties the three dictionaries and destroys the adopted
    // objects, newest first.
    virtual void RemoveAll();

    // The list sizes, for callers that check what a registration kept.
    int GetLinkCount() const { return static_cast<int>(m_Links.size()); }
    int GetDisconnectableCount() const { return static_cast<int>(m_Disconnectables.size()); }
    int GetProxyCount() const { return static_cast<int>(m_Proxies.size()); }

private:
    typedef Core::TCommand<CSkinModel> CNotifyCommand;
    enum class EValueCompanions { kNone, kReadOnly, kWritable };

    template <class V, class IInfo, class Object>
    bool Register(const char* id, Object* object, DataModel::TIConstCaptureObject<V, IInfo>& capture,
                  DataModel::TICaptureObject<V, IInfo>* writable, Core::IRefreshTime* refresh, int owned, int mask,
                  EValueCompanions values, DataModel::Objects::CParamInfo* writableInfo);
    // Adopts (mask not 0) or deletes (mask 0) an object handed over with owned 1.
    template <class Object> void TakeOver(Object* object, int owned, int mask);
    bool AddInfoCompanion(const char* id, const char* suffix, const ParamInfo& info);
    bool AddInfoCompanions(const char* id, const ParamInfo& info);
    bool AddInfoCompanions(const char* id, const CurveInfo& info);
    bool AddInfoCompanions(const char* id, const SurfaceInfo& info);
    bool AddInfoCompanions(const char* id, const StringInfo& info);
    bool AddValueCompanions(const char* id, const ParamInfo& info, int mask, EValueCompanions kind,
                            DataModel::Objects::CParamInfo* writableInfo);
    bool AddValueCompanion(const char* id, const char* suffix, const ParamInfo& info, int which, EValueCompanions kind,
                           DataModel::Objects::CParamInfo* writableInfo);
    // Registers, then keeps the object's other part in a list when it was
    // registered with a mask.
    template <class Capture, class Listed>
    bool AddListed(const char* id, Capture* object, Listed* listed, std::vector<Listed*>& list, int mask, int owned);
    template <class I> bool AddFacetOnly(const char* id, I* object, int owned, int mask);

    // kind null: the identifier has no entry.
    static void ReportMissing(ISkinDynamicObjectsDictionary& dictionary, const char* id, const char* kind);
    static Core::IEventProvider* GetTrackedEvent(Runtime::IDynamicObject& bundle);
    void Unhook(Runtime::IDynamicObject& bundle);
    void NotifyPersistentChanged() { m_PersistentChanged.Notify(); }
    void NotifyTrackedChanged() { m_TrackedChanged.Notify(); }

    std::vector<DataModel::IDisconnectAndPause*> m_Links;
    std::vector<Core::IDisconnect*> m_Disconnectables;
    std::vector<DataModel::IProxyValueUpdate*> m_Proxies;
    // Oldest first; destroyed from the back.
    std::vector<Core::IDestroy*> m_Adopted;
    DataModel::Objects::CCaptureParam m_FallbackParam;
    DataModel::Objects::CCaptureCurve m_FallbackCurve;
    DataModel::Objects::CCaptureSurface m_FallbackSurface;
    DataModel::Objects::CCaptureString m_FallbackString;
    DataModel::Objects::CAction m_FallbackAction;
    System::ITimerProvider* m_TimerProvider;
    System::IThreadInvoker* m_ThreadInvoker;
    CDynamicObjectsDictionary m_PersistentObjects;
    CDynamicObjectsDictionary m_ExposedObjects;
    CDynamicObjectsDictionary m_Objects;
    Core::CCharString m_Name;
    Core::CEventProvider m_TrackedChanged;
    Core::CEventProvider m_PersistentChanged;
    Core::CEventProvider m_EnableChanged;
    CNotifyCommand m_PersistentChangeCommand;
    CNotifyCommand m_TrackedChangeCommand;
    bool m_Enabled;
    CSkinModelExposure m_Exposure;
};

template <class I> I* CSkinModel::FindObject(ISkinDynamicObjectsDictionary& dictionary, const char* id, bool report)
{
    Runtime::IDynamicObject* bundle = dictionary.GetObject(id);
    void* facet = bundle ? bundle->GetObject(TModelFacet<I>::kId) : nullptr;
    if (!facet) {
        if (report)
            ReportMissing(dictionary, id, bundle ? TModelFacet<I>::kKind : nullptr);
        return nullptr;
    }
    return static_cast<I*>(facet);
}

} // namespace SkinEngine
} // namespace Veltis
