#pragma once

#include "Veltis/Core/IEnable.h"
#include "Veltis/Core/IEventProvider.h"
#include "Veltis/DataModel/ICollection.h"
#include "Veltis/DataModel/IConstCollection.h"
#include "Veltis/DataModel/IDisconnectAndPause.h"
#include "Veltis/DataModel/Objects/IConstCurveInfo.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/Objects/IConstStringInfo.h"
#include "Veltis/DataModel/Objects/IConstSurfaceInfo.h"
#include "Veltis/DataModel/TICaptureObjectProxy.h"
#include "Veltis/DataModel/TICaptureObjectTimerProxy.h"
#include "Veltis/DataModel/TICaptureObjectWrapper.h"
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/Serialization/ISerializable.h"

namespace Veltis {
namespace Core {
class IDestroy;
}
namespace System {
class ITimerProvider;
class IThreadInvoker;
} // namespace System
namespace DataModel {
namespace Objects {
class CCaptureParam;
class IConstAction;
} // namespace Objects
} // namespace DataModel
namespace SkinEngine {

class ISkinModelExposure;
class ISkinDynamicObjectsDictionary;

// The named objects behind one skin or model file, the auxiliary objects that
// keep them connected, and the dictionaries of persistent and exposed
// identifiers. Used on one thread.
//
// Every typed addition takes (identifier, object, reference mask, owned) and
// returns true when the registration asked for by the mask succeeded. With
// owned 1 the model takes the object over even when the identifier is refused
// (a mask of 0 deletes it at once).
//
// Serialize and DeSerialize write and read the values of the persistent objects as one object "state".
class ISkinModel : public virtual Serialization::ISerializable, public virtual Core::IEnable {
public:
    typedef Math::IFunction const& CurveValue;
    typedef Math::IBinaryFunction const& SurfaceValue;
    typedef DataModel::Objects::IConstParamInfo ParamInfo;
    typedef DataModel::Objects::IConstCurveInfo CurveInfo;
    typedef DataModel::Objects::IConstSurfaceInfo SurfaceInfo;
    typedef DataModel::Objects::IConstStringInfo StringInfo;

    typedef DataModel::TIConstCaptureObject<float, ParamInfo> IConstParam;
    typedef DataModel::TICaptureObject<float, ParamInfo> IParam;
    typedef DataModel::TIConstCaptureObject<CurveValue, CurveInfo> IConstCurve;
    typedef DataModel::TICaptureObject<CurveValue, CurveInfo> ICurve;
    typedef DataModel::TIConstCaptureObject<SurfaceValue, SurfaceInfo> IConstSurface;
    typedef DataModel::TICaptureObject<SurfaceValue, SurfaceInfo> ISurface;
    typedef DataModel::TIConstCaptureObject<const char*, StringInfo> IConstString;
    typedef DataModel::TICaptureObject<const char*, StringInfo> IString;

    virtual ~ISkinModel() { }

    virtual const char* GetName() = 0;
    // Null empties the name.
    virtual void SetName(const char* name) = 0;

    // Harmless objects for identifiers that cannot be resolved; never registered.
    virtual IParam& GetFallbackParam() = 0;
    virtual ICurve& GetFallbackCurve() = 0;
    virtual IString& GetFallbackString() = 0;
    virtual ISurface& GetFallbackSurface() = 0;
    virtual DataModel::Objects::IConstAction& GetFallbackAction() = 0;

    virtual System::ITimerProvider* GetTimerProvider() = 0;
    virtual System::IThreadInvoker* GetThreadInvoker() = 0;

    virtual bool AddParam(const char* id, DataModel::Objects::CCaptureParam* param, int mask, int owned) = 0;
    // Also kept in the disconnect list.
    virtual bool AddParam(const char* id, DataModel::TICaptureObjectWrapper<float, ParamInfo>* param, int mask,
                          int owned) = 0;
    // Also kept in the proxy list.
    virtual bool AddParam(const char* id, DataModel::TICaptureObjectProxy<float, ParamInfo>* param, int mask,
                          int owned) = 0;
    virtual bool AddParam(const char* id, DataModel::TICaptureObjectTimerProxy<float, ParamInfo>* param, int mask,
                          int owned) = 0;

    virtual bool AddReadOnlyParam(const char* id, IConstParam* param, int mask, int owned) = 0;
    virtual bool AddReadOnlyParam(const char* id, DataModel::TIConstCaptureObjectWrapper<float, ParamInfo>* param,
                                  int mask, int owned) = 0;
    virtual bool AddReadOnlyParam(const char* id, DataModel::TIConstCaptureObjectProxy<float, ParamInfo>* param,
                                  int mask, int owned) = 0;
    virtual bool AddReadOnlyParam(const char* id, DataModel::TIConstCaptureObjectTimerProxy<float, ParamInfo>* param,
                                  int mask, int owned) = 0;

    virtual bool AddCurve(const char* id, ICurve* curve, int mask, int owned) = 0;
    virtual bool AddCurve(const char* id, DataModel::TICaptureObjectProxy<CurveValue, CurveInfo>* curve, int mask,
                          int owned) = 0;

    virtual bool AddReadOnlyCurve(const char* id, IConstCurve* curve, int mask, int owned) = 0;
    virtual bool AddReadOnlyCurve(const char* id, DataModel::TIConstCaptureObjectWrapper<CurveValue, CurveInfo>* curve,
                                  int mask, int owned) = 0;
    virtual bool AddReadOnlyCurve(const char* id, DataModel::TIConstCaptureObjectProxy<CurveValue, CurveInfo>* curve,
                                  int mask, int owned) = 0;
    virtual bool AddReadOnlyCurve(const char* id,
                                  DataModel::TIConstCaptureObjectTimerProxy<CurveValue, CurveInfo>* curve, int mask,
                                  int owned) = 0;

    virtual bool AddString(const char* id, IString* text, int mask, int owned) = 0;
    virtual bool AddString(const char* id, DataModel::TICaptureObjectWrapper<const char*, StringInfo>* text, int mask,
                           int owned) = 0;
    virtual bool AddString(const char* id, DataModel::TICaptureObjectProxy<const char*, StringInfo>* text, int mask,
                           int owned) = 0;

    virtual bool AddReadOnlyString(const char* id, IConstString* text, int mask, int owned) = 0;
    virtual bool AddReadOnlyString(const char* id,
                                   DataModel::TIConstCaptureObjectWrapper<const char*, StringInfo>* text, int mask,
                                   int owned) = 0;
    virtual bool AddReadOnlyString(const char* id, DataModel::TIConstCaptureObjectProxy<const char*, StringInfo>* text,
                                   int mask, int owned) = 0;
    virtual bool AddReadOnlyString(const char* id,
                                   DataModel::TIConstCaptureObjectTimerProxy<const char*, StringInfo>* text, int mask,
                                   int owned) = 0;

    // The only writable surface form.
    virtual bool AddSurface(const char* id, DataModel::TICaptureObjectProxy<SurfaceValue, SurfaceInfo>* surface,
                            int mask, int owned) = 0;

    virtual bool AddReadOnlySurface(const char* id, IConstSurface* surface, int mask, int owned) = 0;
    virtual bool AddReadOnlySurface(const char* id,
                                    DataModel::TIConstCaptureObjectWrapper<SurfaceValue, SurfaceInfo>* surface,
                                    int mask, int owned) = 0;
    virtual bool AddReadOnlySurface(const char* id,
                                    DataModel::TIConstCaptureObjectProxy<SurfaceValue, SurfaceInfo>* surface, int mask,
                                    int owned) = 0;
    virtual bool AddReadOnlySurface(const char* id,
                                    DataModel::TIConstCaptureObjectTimerProxy<SurfaceValue, SurfaceInfo>* surface,
                                    int mask, int owned) = 0;

    // Registered with the mask 7 and no companions.
    virtual bool AddAction(const char* id, DataModel::Objects::IConstAction* action, int owned) = 0;
    virtual bool AddReadOnlyCollection(const char* id, DataModel::IConstCollection* collection, int owned) = 0;
    virtual bool AddCollection(const char* id, DataModel::ICollection* collection, int owned) = 0;

    // Keeps a link (or a disconnectable auxiliary object) until the model
    // empties; owned 1 also adopts it.
    virtual void AddLink(DataModel::IDisconnectAndPause* link, int owned) = 0;
    virtual void AddDisconnectable(Core::IDisconnect* object, int owned) = 0;
    // The model deletes it when it empties, newest first.
    virtual void AdoptObject(Core::IDestroy* object) = 0;

    virtual ISkinModelExposure& GetExposure() = 0;

    // False when the identifier is not registered or already persistent
    // (exposed).
    virtual bool MakePersistent(const char* id, bool track) = 0;
    virtual bool Expose(const char* id) = 0;

    virtual const ISkinDynamicObjectsDictionary& GetExposedObjects() const = 0;
    virtual ISkinDynamicObjectsDictionary& GetExposedObjects() = 0;
    virtual const ISkinDynamicObjectsDictionary& GetPersistentObjects() const = 0;
    virtual ISkinDynamicObjectsDictionary& GetPersistentObjects() = 0;
    virtual const ISkinDynamicObjectsDictionary& GetObjects() const = 0;
    virtual ISkinDynamicObjectsDictionary& GetObjects() = 0;

    // Takes the identifier out of the three dictionaries; the object itself is
    // not deleted.
    virtual void RemoveObject(const char* id) = 0;

    // Notified when a persistent object's value changes; the second only for
    // those made persistent with track true.
    virtual Core::IEventProvider& GetPersistentChangedEvent() = 0;
    virtual Core::IEventProvider& GetTrackedChangedEvent() = 0;
};

} // namespace SkinEngine
} // namespace Veltis
